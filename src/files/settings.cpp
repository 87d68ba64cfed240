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
core::Length StoredLength(const core::RibDocument& document, const char* section, const char* key,
                          const std::string& defaultText) {
  std::string text = Get(document, section, key);
  if (text.find_first_of("0123456789") == std::string::npos ||
      core::ReadLength(text, document.settings.unitText).malformed)
    text = defaultText;
  return core::TypedLength(text, document.settings.unitText);
}

void Write(const core::RibDocument& s, const char* section, const IniEntries& entries) {
  WriteINIEntries(section, entries, s.settings.iniFile);
}

}  // namespace

std::string RecentFileKey(int k) { return "RecentFile" + std::to_string(k); }

// ---------------------------------------------------------------- writers

void WriteColourSettings(core::RibDocument& document) {
  IniEntries entries;
  for (int i = 0; i < core::kElementCount; ++i)
    entries.emplace_back(core::kColourKeys[static_cast<std::size_t>(i)],
                         std::to_string(document.style.colour[static_cast<std::size_t>(i)]));
  Write(document, kSectionColours, entries);
}

void WriteLineStyleSettings(core::RibDocument& document) {
  IniEntries entries;
  for (int i = 0; i < core::kElementCount; ++i)
    entries.emplace_back(core::kLineStyleKeys[static_cast<std::size_t>(i)],
                         std::to_string(document.style.lineStyle[static_cast<std::size_t>(i)]));
  Write(document, kSectionLineStyles, entries);
}

void WriteLineWidthSettings(core::RibDocument& document) {
  IniEntries entries;
  for (int i = 0; i < core::kWidthCount; ++i)
    entries.emplace_back(core::kLineWidthKeys[static_cast<std::size_t>(i)],
                         std::to_string(document.style.lineWidth[static_cast<std::size_t>(i)]));
  Write(document, kSectionLineWidths, entries);
  Write(document, kSectionInsertedText, {{kKeyTextSize, core::PlainNumberText(document.rib.caption.fontSize)}});
}

void WriteDefaultSettings(core::RibDocument& document) {
  IniEntries entries{{kKeyUnit, document.settings.unitText}};
  for (const LengthSetting& l : kDefaultLengths) entries.emplace_back(l.key, l.field(document.rib).text);
  Write(document, kSectionDefaults, entries);
}

void WriteDirectorySettings(core::RibDocument& document) {
  Write(document, kSectionDirectories,
        {{kKeyAirfoilDir, document.settings.airfoilDir},
         {kKeySeriesDir, document.settings.seriesAirfoilDir},
         {kKeyLastOpenDir, document.settings.lastOpenDir}});
}

void WriteMarginSettings(core::RibDocument& document) {
  Write(document, kSectionMargins,
        {{kKeyTopMargin, document.print.topMargin.text},
         {kKeyBottomMargin, document.print.bottomMargin.text},
         {kKeyOverlap, document.print.overlap.text},
         {kKeyPaperIndex, std::to_string(document.print.paperIndex)},
         {kKeyChordLineFromTop, document.print.chordLineFromTop.text}});
}

void SaveAllSettings(core::RibDocument& document) {
  WriteColourSettings(document);
  WriteLineStyleSettings(document);
  WriteLineWidthSettings(document);
  WriteDefaultSettings(document);
  WriteDirectorySettings(document);
  WriteMarginSettings(document);
}

// ---------------------------------------------------------------- readers

void ReadColourSettings(core::RibDocument& document) {
  const core::Style defaults;
  for (std::size_t i = 0; i < core::kElementCount; ++i)
    document.style.colour[i] =
        IntegerSetting(document, kSectionColours, core::kColourKeys[i], 0, kColourIndexMax, defaults.colour[i]);
}

void ReadLineStyleSettings(core::RibDocument& document) {
  const core::Style defaults;
  for (std::size_t i = 0; i < core::kElementCount; ++i)
    document.style.lineStyle[i] =
        IntegerSetting(document, kSectionLineStyles, core::kLineStyleKeys[i], 0, kLineStyleMax, defaults.lineStyle[i]);
}

void ReadLineWidthSettings(core::RibDocument& document) {
  for (std::size_t i = 0; i < core::kWidthCount; ++i)
    document.style.lineWidth[i] =
        IntegerSetting(document, kSectionLineWidths, core::kLineWidthKeys[i], kLineWidthMin, kLineWidthMax, 1);
  // A size of 0 or less would draw no text at all.
  const std::string text = Get(document, kSectionInsertedText, kKeyTextSize);
  double size = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), size);
  const bool usable = ec == std::errc() && end == text.data() + text.size() && size > 0 && size <= kTextSizeMax;
  document.rib.caption.fontSize = usable ? static_cast<float>(size) : kDefaultTextSize;
}

void ReadDefaultSettings(core::RibDocument& document) {
  // " in" is stored with its blank, which the file does not give back.
  const std::string unit = Get(document, kSectionDefaults, kKeyUnit);
  const bool inches = unit.size() == 2 && (unit[0] == 'i' || unit[0] == 'I') && (unit[1] == 'n' || unit[1] == 'N');
  document.settings.unitText = inches ? " in" : " mm";
  core::RibSetup defaults;
  for (const LengthSetting& l : kDefaultLengths)
    l.field(document.rib) = StoredLength(document, kSectionDefaults, l.key, l.field(defaults).text);
}

void ReadDirectorySettings(core::RibDocument& document) {
  document.settings.airfoilDir = Get(document, kSectionDirectories, kKeyAirfoilDir);
  document.settings.seriesAirfoilDir = Get(document, kSectionDirectories, kKeySeriesDir);
  document.settings.lastOpenDir = Get(document, kSectionDirectories, kKeyLastOpenDir);
}

void ReadMarginSettings(core::RibDocument& document) {
  const core::PrintSetup defaults;
  const std::pair<const char*, core::Length core::PrintSetup::*> margins[] = {
      {kKeyTopMargin, &core::PrintSetup::topMargin},
      {kKeyBottomMargin, &core::PrintSetup::bottomMargin},
      {kKeyOverlap, &core::PrintSetup::overlap}};
  for (const auto& [key, field] : margins)
    document.print.*field = StoredLength(document, kSectionMargins, key, (defaults.*field).text);
  // The chord line's place is kept as set in the page set-up; missing, the unit's default.
  document.print.chordLineFromTop =
      StoredLength(document, kSectionMargins, kKeyChordLineFromTop, document.settings.unitText == " mm" ? "50" : "2");
  document.print.paperIndex =
      static_cast<std::uint8_t>(IntegerSetting(document, kSectionMargins, kKeyPaperIndex, 0, kPaperIndexMax, 0));
}

void LoadAllSettings(core::RibDocument& document) {
  ReadColourSettings(document);
  ReadLineStyleSettings(document);
  ReadLineWidthSettings(document);
  ReadDefaultSettings(document);
  ReadDirectorySettings(document);
  ReadMarginSettings(document);
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

void DirectoriesFromInstallation(core::RibDocument& document) {
  platform::UserStore& store = platform::CurrentUserStore();
  const std::string airfoils = store.Get(platform::kUserStoreInstall, platform::kUserAirfoilDir);
  const std::string series = store.Get(platform::kUserStoreInstall, platform::kUserSeriesDir);
  document.settings.airfoilDir = airfoils.empty() ? StarterAirfoilDirectory(document.settings.programDir) : airfoils;
  document.settings.seriesAirfoilDir = series.empty() ? UserSeriesDirectory(document.settings.programDir) : series;
  // The open dialog starts among the airfoils rather than among the program's files.
  document.settings.lastOpenDir = document.settings.airfoilDir;
  Write(document, kSectionDirectories,
        {{kKeyAirfoilDir, document.settings.airfoilDir}, {kKeySeriesDir, document.settings.seriesAirfoilDir}});
}

std::optional<DirectoryProblem> AirfoilDirectoryProblem(const core::RibDocument& document) {
  auto exists = [](const std::string& dir) {
    std::error_code ec;
    return !dir.empty() && fs::is_directory(dir, ec);
  };
  auto isProgramDir = [&document](const std::string& dir) {
    return platform::WithoutTrailingSeparator(dir) == platform::WithoutTrailingSeparator(document.settings.programDir);
  };
  if (!exists(document.settings.airfoilDir)) return DirectoryProblem{document.settings.airfoilDir, true};
  if (!exists(document.settings.seriesAirfoilDir)) return DirectoryProblem{document.settings.seriesAirfoilDir, true};
  if (isProgramDir(document.settings.airfoilDir)) return DirectoryProblem{document.settings.airfoilDir, false};
  if (isProgramDir(document.settings.seriesAirfoilDir))
    return DirectoryProblem{document.settings.seriesAirfoilDir, false};
  return std::nullopt;
}

void SetChordLinePositionForUnit(core::RibDocument& document) {
  // The position is kept in millimetres like every other length: 2 in is 50.8 mm.
  document.print.chordLineFromTop.text = document.settings.unitText == " mm" ? "50" : "2";
  document.print.chordLineFromTop.mm =
      core::LengthFromText(document.print.chordLineFromTop.text, document.settings.unitText);
}

void StartSettings(core::RibDocument& document) {
  document.settings.unitText = " mm";
  if (Get(document, kSectionDirectories, kKeyInstall).empty()) {
    core::ResetSetup(document);
    DirectoriesFromInstallation(document);
    SaveAllSettings(document);
    document.settings.firstRun = true;
  } else {
    document.settings.firstRun = false;
    core::ResetSetup(document);
    LoadAllSettings(document);
  }
}

void CompleteFirstRun(core::RibDocument& document) {
  Write(document, kSectionDirectories, {{kKeyInstall, "1"}});
  document.settings.firstRun = false;
}

bool LoadSettingsForBatch(core::RibDocument& document) {
  document.settings.unitText = " mm";
  core::ResetSetup(document);
  const bool installed = !Get(document, kSectionDirectories, kKeyInstall).empty();
  if (installed) LoadAllSettings(document);
  return installed;
}

// ---------------------------------------------------------------- recent files

void AddRecentFile(core::RibDocument& document, const std::string& path) {
  // A path cut short on reading would come back as a different file, and would never
  // match itself again: such a list would fill with copies.
  if (path.empty() || !FitsIniValue(path)) return;
  std::string old[kRecentFileCount + 1];
  for (int k = 1; k <= kRecentFileCount; ++k) old[k] = Get(document, kSectionLastFiles, RecentFileKey(k));
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
  Write(document, kSectionLastFiles, entries);
}

std::vector<std::string> RecentFileList(const core::RibDocument& document) {
  std::vector<std::string> list;
  for (int k = 1; k <= kRecentFileCount; ++k) {
    std::string path = Get(document, kSectionLastFiles, RecentFileKey(k));
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
