#include "files/settings.h"

#include <charconv>
#include <filesystem>
#include <utility>

#include "core/lengths.h"
#include "core/numformat.h"
#include "files/ini.h"
#include "platform/fileio.h"
#include "platform/paths.h"
#include "platform/userstore.h"

namespace files {

namespace {

namespace fs = std::filesystem;

constexpr const char* kKeyUnit = "unit";
constexpr const char* kKeyTopMargin = "MargeHaut";
constexpr const char* kKeyBottomMargin = "MargeBas";
constexpr const char* kKeyOverlap = "recouvrement";
constexpr const char* kKeyPaperIndex = "NumIndex";
constexpr const char* kKeyChordLineFromTop = "Ydprint";

constexpr long kPaperIndexMax = 8;  // the paper table has entries 0..8
constexpr float kDefaultTextSize = 9;
constexpr double kTextSizeMax = 1000;  // beyond any sheet; keeps a hand-typed 1e30 out of the fonts

// The length settings of `Defaut`, each a typed text with its value in millimetres.
struct LengthSetting {
  const char* key;
  core::Length& (*field)(core::RibSetup&);
};
constexpr LengthSetting kDefaultLengths[] = {
    {"cordeAfich", [](core::RibSetup& r) -> core::Length& { return r.chord; }},
    {"EpCoffrageAfich", [](core::RibSetup& r) -> core::Length& { return r.sheeting; }},
    {"EpBAAfich", [](core::RibSetup& r) -> core::Length& { return r.leadingEdge; }},
    {"HTblocAfich", [](core::RibSetup& r) -> core::Length& { return r.blocks.topHeight; }},
    {"BAblocAfich", [](core::RibSetup& r) -> core::Length& { return r.blocks.leadingExtension; }},
    {"BFblocAfich", [](core::RibSetup& r) -> core::Length& { return r.blocks.trailingExtension; }},
};

std::string Get(const core::RibDocument& s, const char* section, const std::string& key) {
  return GetINIFile(section, key, s.settings.iniFile);
}

// A whole decimal integer ("7", "-2", "+3"); false for anything else.
bool ParseInteger(const std::string& text, long& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') return false;
  }
  auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last && first != last;
}

// The integer setting when it is a number within [lo, hi], else `fallback`.
std::int16_t IntegerSetting(const core::RibDocument& s, const char* section, const std::string& key, long lo, long hi,
                            std::int16_t fallback) {
  long v = 0;
  if (!ParseInteger(Get(s, section, key), v) || v < lo || v > hi) return fallback;
  return static_cast<std::int16_t>(v);
}

// A stored length, or the default text when the key is missing or holds no number (an
// older or hand-edited file): an empty chord would leave nothing to draw.
core::Length StoredLength(const core::RibDocument& s, const char* section, const char* key,
                          const std::string& defaultText) {
  std::string text = Get(s, section, key);
  if (text.find_first_of("0123456789") == std::string::npos || core::ReadLength(text, s.settings.unitText).malformed)
    text = defaultText;
  return core::TypedLength(text, s.settings.unitText);
}

void Write(const core::RibDocument& s, const char* section, const IniEntries& entries) {
  WriteINIEntries(section, entries, s.settings.iniFile);
}

}  // namespace

std::string RecentFileKey(int k) { return "RecentFile" + std::to_string(k); }

// ---------------------------------------------------------------- writers

void WriteColourSettings(core::RibDocument& s) {
  IniEntries entries;
  for (int i = 0; i < core::kElementCount; ++i)
    entries.emplace_back(core::kColourKeys[static_cast<std::size_t>(i)], std::to_string(s.style.colour[static_cast<std::size_t>(i)]));
  Write(s, kSectionColours, entries);
}

void WriteLineStyleSettings(core::RibDocument& s) {
  IniEntries entries;
  for (int i = 0; i < core::kElementCount; ++i)
    entries.emplace_back(core::kLineStyleKeys[static_cast<std::size_t>(i)], std::to_string(s.style.lineStyle[static_cast<std::size_t>(i)]));
  Write(s, kSectionLineStyles, entries);
}

void WriteLineWidthSettings(core::RibDocument& s) {
  IniEntries entries;
  for (int i = 0; i < core::kWidthCount; ++i)
    entries.emplace_back(core::kLineWidthKeys[static_cast<std::size_t>(i)], std::to_string(s.style.lineWidth[static_cast<std::size_t>(i)]));
  Write(s, kSectionLineWidths, entries);
  Write(s, kSectionInsertedText, {{kKeyTextSize, core::PlainNumberText(s.rib.caption.fontSize)}});
}

void WriteDefaultSettings(core::RibDocument& s) {
  IniEntries entries{{kKeyUnit, s.settings.unitText}};
  for (const LengthSetting& l : kDefaultLengths) entries.emplace_back(l.key, l.field(s.rib).text);
  Write(s, kSectionDefaults, entries);
}

void WriteDirectorySettings(core::RibDocument& s) {
  Write(s, kSectionDirectories,
        {{kKeyAirfoilDir, s.settings.airfoilDir}, {kKeySeriesDir, s.settings.seriesAirfoilDir}, {kKeyLastOpenDir, s.settings.lastOpenDir}});
}

void WriteMarginSettings(core::RibDocument& s) {
  Write(s, kSectionMargins,
        {{kKeyTopMargin, s.print.topMargin.text},
         {kKeyBottomMargin, s.print.bottomMargin.text},
         {kKeyOverlap, s.print.overlap.text},
         {kKeyPaperIndex, std::to_string(s.print.paperIndex)},
         {kKeyChordLineFromTop, s.print.chordLineFromTop.text}});
}

void SaveAllSettings(core::RibDocument& s) {
  WriteColourSettings(s);
  WriteLineStyleSettings(s);
  WriteLineWidthSettings(s);
  WriteDefaultSettings(s);
  WriteDirectorySettings(s);
  WriteMarginSettings(s);
}

// ---------------------------------------------------------------- readers

void ReadColourSettings(core::RibDocument& s) {
  const core::Style defaults;
  for (std::size_t i = 0; i < core::kElementCount; ++i)
    s.style.colour[i] = IntegerSetting(s, kSectionColours, core::kColourKeys[i], 0, kColourIndexMax, defaults.colour[i]);
}

void ReadLineStyleSettings(core::RibDocument& s) {
  const core::Style defaults;
  for (std::size_t i = 0; i < core::kElementCount; ++i)
    s.style.lineStyle[i] =
        IntegerSetting(s, kSectionLineStyles, core::kLineStyleKeys[i], 0, kLineStyleMax, defaults.lineStyle[i]);
}

void ReadLineWidthSettings(core::RibDocument& s) {
  for (std::size_t i = 0; i < core::kWidthCount; ++i)
    s.style.lineWidth[i] = IntegerSetting(s, kSectionLineWidths, core::kLineWidthKeys[i], kLineWidthMin, kLineWidthMax, 1);
  // A size of 0 or less would draw no text at all.
  const std::string text = Get(s, kSectionInsertedText, kKeyTextSize);
  double size = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), size);
  const bool usable = ec == std::errc() && end == text.data() + text.size() && size > 0 && size <= kTextSizeMax;
  s.rib.caption.fontSize = usable ? static_cast<float>(size) : kDefaultTextSize;
}

void ReadDefaultSettings(core::RibDocument& s) {
  // " in" is stored with its blank, which the file does not give back.
  const std::string unit = Get(s, kSectionDefaults, kKeyUnit);
  const bool inches = unit.size() == 2 && (unit[0] == 'i' || unit[0] == 'I') && (unit[1] == 'n' || unit[1] == 'N');
  s.settings.unitText = inches ? " in" : " mm";
  core::RibSetup defaults;
  for (const LengthSetting& l : kDefaultLengths)
    l.field(s.rib) = StoredLength(s, kSectionDefaults, l.key, l.field(defaults).text);
}

void ReadDirectorySettings(core::RibDocument& s) {
  s.settings.airfoilDir = Get(s, kSectionDirectories, kKeyAirfoilDir);
  s.settings.seriesAirfoilDir = Get(s, kSectionDirectories, kKeySeriesDir);
  s.settings.lastOpenDir = Get(s, kSectionDirectories, kKeyLastOpenDir);
}

void ReadMarginSettings(core::RibDocument& s) {
  const core::PrintSetup defaults;
  const std::pair<const char*, core::Length core::PrintSetup::*> margins[] = {
      {kKeyTopMargin, &core::PrintSetup::topMargin},
      {kKeyBottomMargin, &core::PrintSetup::bottomMargin},
      {kKeyOverlap, &core::PrintSetup::overlap}};
  for (const auto& [key, field] : margins) s.print.*field = StoredLength(s, kSectionMargins, key, (defaults.*field).text);
  // The chord line's place is kept as set in the page set-up; missing, the unit's default.
  s.print.chordLineFromTop =
      StoredLength(s, kSectionMargins, kKeyChordLineFromTop, s.settings.unitText == " mm" ? "50" : "2");
  s.print.paperIndex = static_cast<std::uint8_t>(IntegerSetting(s, kSectionMargins, kKeyPaperIndex, 0, kPaperIndexMax, 0));
}

void LoadAllSettings(core::RibDocument& s) {
  ReadColourSettings(s);
  ReadLineStyleSettings(s);
  ReadLineWidthSettings(s);
  ReadDefaultSettings(s);
  ReadDirectorySettings(s);
  ReadMarginSettings(s);
}

// ---------------------------------------------------------------- start-up

std::string StarterAirfoilDirectory(const std::string& programDir) {
  const fs::path starter = fs::path(programDir) / kStarterAirfoilFolder;
  std::error_code ec;
  return fs::is_directory(starter, ec) ? starter.string() : programDir;
}

std::string UserSeriesDirectory(const std::string& programDir) {
  // The program's folder may be read-only and is no place for the user's airfoils.
  const fs::path dir = fs::path(platform::UserDataDirectory()) / kUserSeriesFolder;
  std::error_code ec;
  fs::create_directories(dir, ec);
  return fs::is_directory(dir, ec) ? dir.string() : programDir;
}

void DirectoriesFromInstallation(core::RibDocument& s) {
  platform::UserStore& store = platform::CurrentUserStore();
  const std::string airfoils = store.Get(platform::kUserStoreInstall, platform::kUserAirfoilDir);
  const std::string series = store.Get(platform::kUserStoreInstall, platform::kUserSeriesDir);
  s.settings.airfoilDir = airfoils.empty() ? StarterAirfoilDirectory(s.settings.programDir) : airfoils;
  s.settings.seriesAirfoilDir = series.empty() ? UserSeriesDirectory(s.settings.programDir) : series;
  // The open dialog starts among the airfoils rather than among the program's files.
  s.settings.lastOpenDir = s.settings.airfoilDir;
  Write(s, kSectionDirectories, {{kKeyAirfoilDir, s.settings.airfoilDir}, {kKeySeriesDir, s.settings.seriesAirfoilDir}});
}

std::optional<DirectoryProblem> AirfoilDirectoryProblem(const core::RibDocument& s) {
  auto exists = [](const std::string& dir) {
    std::error_code ec;
    return !dir.empty() && fs::is_directory(dir, ec);
  };
  auto isProgramDir = [&s](const std::string& dir) {
    return platform::WithoutTrailingSeparator(dir) == platform::WithoutTrailingSeparator(s.settings.programDir);
  };
  if (!exists(s.settings.airfoilDir)) return DirectoryProblem{s.settings.airfoilDir, true};
  if (!exists(s.settings.seriesAirfoilDir)) return DirectoryProblem{s.settings.seriesAirfoilDir, true};
  if (isProgramDir(s.settings.airfoilDir)) return DirectoryProblem{s.settings.airfoilDir, false};
  if (isProgramDir(s.settings.seriesAirfoilDir)) return DirectoryProblem{s.settings.seriesAirfoilDir, false};
  return std::nullopt;
}

void SetChordLinePositionForUnit(core::RibDocument& s) {
  // The position is kept in millimetres like every other length: 2 in is 50.8 mm.
  s.print.chordLineFromTop.text = s.settings.unitText == " mm" ? "50" : "2";
  s.print.chordLineFromTop.mm = core::LengthFromText(s.print.chordLineFromTop.text, s.settings.unitText);
}

void StartSettings(core::RibDocument& s) {
  s.settings.unitText = " mm";
  if (Get(s, kSectionDirectories, kKeyInstall).empty()) {
    core::ResetSetup(s);
    DirectoriesFromInstallation(s);
    SaveAllSettings(s);
    s.settings.firstRun = true;
  } else {
    s.settings.firstRun = false;
    core::ResetSetup(s);
    LoadAllSettings(s);
  }
}

void CompleteFirstRun(core::RibDocument& s) {
  Write(s, kSectionDirectories, {{kKeyInstall, "1"}});
  s.settings.firstRun = false;
}

bool LoadSettingsForBatch(core::RibDocument& s) {
  s.settings.unitText = " mm";
  core::ResetSetup(s);
  const bool installed = !Get(s, kSectionDirectories, kKeyInstall).empty();
  if (installed) LoadAllSettings(s);
  return installed;
}

// ---------------------------------------------------------------- recent files

void AddRecentFile(core::RibDocument& s, const std::string& path) {
  // A path cut short on reading would come back as a different file, and would never
  // match itself again: such a list would fill with copies.
  if (path.empty() || !FitsIniValue(path)) return;
  std::string old[kRecentFileCount + 1];
  for (int k = 1; k <= kRecentFileCount; ++k) old[k] = Get(s, kSectionLastFiles, RecentFileKey(k));
  if (old[1] == path) return;

  int found = 0;
  for (int k = 2; k <= kRecentFileCount && found == 0; ++k)
    if (old[k] == path) found = k;

  IniEntries entries;
  if (found != 0) {
    // The entries above the path move down one place; those below it stay.
    for (int j = 1; j < found; ++j) entries.emplace_back(RecentFileKey(j + 1), old[j]);
  } else {
    for (int j = kRecentFileCount - 1; j >= 1; --j)
      if (!old[j].empty()) entries.emplace_back(RecentFileKey(j + 1), old[j]);
  }
  entries.emplace_back(RecentFileKey(1), path);
  Write(s, kSectionLastFiles, entries);
}

std::vector<std::string> RecentFileList(const core::RibDocument& s) {
  std::vector<std::string> list;
  for (int k = 1; k <= kRecentFileCount; ++k) {
    std::string path = Get(s, kSectionLastFiles, RecentFileKey(k));
    if (path.empty()) break;
    list.push_back(std::move(path));
  }
  return list;
}

bool FileExists(std::string path) {
  path = platform::WithoutTrailingSeparator(std::move(path));
  if (path.empty()) return false;
  // Looked at, never opened: opening a named pipe would wait for a writer.
  return platform::KindOfPath(path) == platform::FileKind::Regular;
}

}  // namespace files
