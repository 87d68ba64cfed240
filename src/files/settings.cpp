#include "files/settings.h"

#include <charconv>
#include <filesystem>
#include <fstream>

#include "core/lengths.h"
#include "core/numformat.h"
#include "files/ini.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "platform/userstore.h"

namespace files {

namespace {

namespace fs = std::filesystem;

constexpr const char* kKeyUnit = "unit";
constexpr const char* kKeyMargeHaut = "MargeHaut";
constexpr const char* kKeyMargeBas = "MargeBas";
constexpr const char* kKeyOverlap = "recouvrement";
constexpr const char* kKeyPaperIndex = "NumIndex";
constexpr const char* kKeyYdprint = "Ydprint";

constexpr long kPaperIndexMax = 8;  // the paper table has entries 0..8
constexpr float kDefaultTextSize = 9;
constexpr double kTextSizeMax = 1000;  // beyond any sheet; keeps a hand-typed 1e30 out of the fonts

// The length settings of `Defaut`, each a typed text with its value in millimetres.
struct LengthSetting {
  const char* key;
  std::string core::SharedState::*text;
  float core::SharedState::*mm;
};
constexpr LengthSetting kDefaultLengths[] = {
    {"cordeAfich", &core::SharedState::chordText, &core::SharedState::chord},
    {"EpCoffrageAfich", &core::SharedState::sheetingText, &core::SharedState::sheetingThickness},
    {"EpBAAfich", &core::SharedState::leadingEdgeText, &core::SharedState::leadingEdgeDepth},
    {"HTblocAfich", &core::SharedState::blockHeight4Text, &core::SharedState::blockHeight4},
    {"BAblocAfich", &core::SharedState::blockLeText, &core::SharedState::blockLe},
    {"BFblocAfich", &core::SharedState::blockTeText, &core::SharedState::blockTe},
};

std::string Get(const core::SharedState& s, const char* section, const std::string& key) {
  return GetINIFile(section, key, s.iniFile);
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
std::int16_t IntegerSetting(const core::SharedState& s, const char* section, const std::string& key, long lo, long hi,
                            std::int16_t fallback) {
  long v = 0;
  if (!ParseInteger(Get(s, section, key), v) || v < lo || v > hi) return fallback;
  return static_cast<std::int16_t>(v);
}

void Write(core::SharedState& s, const char* section, const IniEntries& entries) {
  s.iniWriteOk = WriteINIEntries(section, entries, s.iniFile);
}

}  // namespace

std::string RecentFileKey(int k) { return "RecentFile" + std::to_string(k); }

// ---------------------------------------------------------------- writers

void WriteColourSettings(core::SharedState& s) {
  IniEntries entries;
  for (int i = 0; i < core::kElementCount; ++i)
    entries.emplace_back(core::kColourKeys[static_cast<std::size_t>(i)], std::to_string(s.colour[static_cast<std::size_t>(i)]));
  Write(s, kSectionColours, entries);
}

void WriteLineStyleSettings(core::SharedState& s) {
  IniEntries entries;
  for (int i = 0; i < core::kElementCount; ++i)
    entries.emplace_back(core::kLineStyleKeys[static_cast<std::size_t>(i)], std::to_string(s.lineStyle[static_cast<std::size_t>(i)]));
  Write(s, kSectionLineStyles, entries);
}

void WriteLineWidthSettings(core::SharedState& s) {
  IniEntries entries;
  for (int i = 0; i < core::kWidthCount; ++i)
    entries.emplace_back(core::kLineWidthKeys[static_cast<std::size_t>(i)], std::to_string(s.lineWidth[static_cast<std::size_t>(i)]));
  Write(s, kSectionLineWidths, entries);
  Write(s, kSectionInsText, {{kKeyTextSize, core::PlainNumberText(s.textFontSize)}});
}

void WriteDefaultSettings(core::SharedState& s) {
  IniEntries entries{{kKeyUnit, s.unitText}};
  for (const LengthSetting& l : kDefaultLengths) entries.emplace_back(l.key, s.*l.text);
  Write(s, kSectionDefaults, entries);
}

void WriteDirectorySettings(core::SharedState& s) {
  Write(s, kSectionDirectories,
        {{kKeyAirfoilDir, s.airfoilDir}, {kKeySeriesDir, s.seriesAirfoilDir}, {kKeyLastOpenDir, s.lastOpenDir}});
}

void WriteMarginSettings(core::SharedState& s) {
  Write(s, kSectionMargins,
        {{kKeyMargeHaut, s.margeHautText},
         {kKeyMargeBas, s.margeBasText},
         {kKeyOverlap, s.recouvrementText},
         {kKeyPaperIndex, std::to_string(s.numIndex)},
         {kKeyYdprint, s.ydprintText}});
}

void SaveAllSettings(core::SharedState& s) {
  WriteColourSettings(s);
  WriteLineStyleSettings(s);
  WriteLineWidthSettings(s);
  WriteDefaultSettings(s);
  WriteDirectorySettings(s);
  WriteMarginSettings(s);
}

// ---------------------------------------------------------------- readers

void ReadColourSettings(core::SharedState& s) {
  for (std::size_t i = 0; i < core::kElementCount; ++i)
    s.colour[i] = IntegerSetting(s, kSectionColours, core::kColourKeys[i], 0, kColourIndexMax, core::kDefaultColours[i]);
}

void ReadLineStyleSettings(core::SharedState& s) {
  for (std::size_t i = 0; i < core::kElementCount; ++i) {
    const std::int16_t fallback = i == core::kElemAxe ? 3 : 0;
    s.lineStyle[i] = IntegerSetting(s, kSectionLineStyles, core::kLineStyleKeys[i], 0, kLineStyleMax, fallback);
  }
}

void ReadLineWidthSettings(core::SharedState& s) {
  for (std::size_t i = 0; i < core::kWidthCount; ++i)
    s.lineWidth[i] = IntegerSetting(s, kSectionLineWidths, core::kLineWidthKeys[i], kLineWidthMin, kLineWidthMax, 1);
  // A size of 0 or less would draw no text at all.
  const std::string text = Get(s, kSectionInsText, kKeyTextSize);
  double size = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), size);
  const bool usable = ec == std::errc() && end == text.data() + text.size() && size > 0 && size <= kTextSizeMax;
  s.textFontSize = usable ? static_cast<float>(size) : kDefaultTextSize;
}

void ReadDefaultSettings(core::SharedState& s) {
  // " in" is stored with its blank, which the file does not give back.
  const std::string unit = Get(s, kSectionDefaults, kKeyUnit);
  const bool inches = unit.size() == 2 && (unit[0] == 'i' || unit[0] == 'I') && (unit[1] == 'n' || unit[1] == 'N');
  s.unitText = inches ? " in" : " mm";
  for (const LengthSetting& l : kDefaultLengths) {
    s.*l.text = Get(s, kSectionDefaults, l.key);
    s.*l.mm = core::LengthFromText(s.*l.text, s.unitText);
  }
}

void ReadDirectorySettings(core::SharedState& s) {
  s.airfoilDir = Get(s, kSectionDirectories, kKeyAirfoilDir);
  s.seriesAirfoilDir = Get(s, kSectionDirectories, kKeySeriesDir);
  s.lastOpenDir = Get(s, kSectionDirectories, kKeyLastOpenDir);
}

void ReadMarginSettings(core::SharedState& s) {
  struct Margin {
    const char* key;
    std::string& text;
    float& mm;
  };
  const Margin margins[] = {{kKeyMargeHaut, s.margeHautText, s.margeHaut},
                            {kKeyMargeBas, s.margeBasText, s.margeBas},
                            {kKeyOverlap, s.recouvrementText, s.recouvrement},
                            {kKeyYdprint, s.ydprintText, s.ydprint}};
  for (const Margin& m : margins) {
    m.text = Get(s, kSectionMargins, m.key);
    m.mm = core::LengthFromText(m.text, s.unitText);
  }
  s.numIndex = static_cast<std::uint8_t>(IntegerSetting(s, kSectionMargins, kKeyPaperIndex, 0, kPaperIndexMax, 0));
}

void LoadAllSettings(core::SharedState& s) {
  ReadColourSettings(s);
  ReadLineStyleSettings(s);
  ReadLineWidthSettings(s);
  ReadDefaultSettings(s);
  ReadDirectorySettings(s);
  ReadMarginSettings(s);
}

// ---------------------------------------------------------------- start-up

void DirectoriesFromInstallation(core::SharedState& s) {
  platform::UserStore& store = platform::CurrentUserStore();
  const std::string airfoils = store.Get(platform::kUserStoreInstall, platform::kUserAirfoilDir);
  const std::string series = store.Get(platform::kUserStoreInstall, platform::kUserSeriesDir);
  s.airfoilDir = airfoils.empty() ? s.programDir : airfoils;
  s.seriesAirfoilDir = series.empty() ? s.programDir : series;
  Write(s, kSectionDirectories, {{kKeyAirfoilDir, s.airfoilDir}, {kKeySeriesDir, s.seriesAirfoilDir}});
}

void CheckAirfoilDirectories(const core::SharedState& s) {
  auto exists = [](const std::string& dir) {
    std::error_code ec;
    return !dir.empty() && fs::is_directory(dir, ec);
  };
  auto isProgramDir = [&s](const std::string& dir) {
    return platform::WithoutTrailingSeparator(dir) == platform::WithoutTrailingSeparator(s.programDir);
  };
  std::string dir;
  bool missing = false;
  if (!exists(s.airfoilDir)) {
    dir = s.airfoilDir;
    missing = true;
  } else if (!exists(s.seriesAirfoilDir)) {
    dir = s.seriesAirfoilDir;
    missing = true;
  } else if (isProgramDir(s.airfoilDir)) {
    dir = s.airfoilDir;
  } else if (isProgramDir(s.seriesAirfoilDir)) {
    dir = s.seriesAirfoilDir;
  } else {
    return;
  }
  const std::string sep(1, static_cast<char>(fs::path::preferred_separator));
  // Alert B hints at the airfoil folder the user probably meant.
  const std::string afterDir = missing ? " " : sep + "airfoils  " + sep + "...  ";
  const std::string text = platform::Text("FrmMainMessage", "1") + " " + dir + afterDir +
                           platform::Text("FrmMainMessage", "2") + "\n\n" + platform::Text("FrmMainMessage", "3");
  platform::Inform(text, "Alert", platform::BoxIcon::Critical);
}

void SetYdprintFromUnit(core::SharedState& s) {
  // The position is kept in millimetres like every other length: 2 in is 50.8 mm.
  s.ydprintText = s.unitText == " mm" ? "50" : "2";
  s.ydprint = core::LengthFromText(s.ydprintText, s.unitText);
}

void StartSettings(core::SharedState& s) {
  s.unitText = " mm";
  if (Get(s, kSectionDirectories, kKeyInstall).empty()) {
    core::ResetSetup(s);
    DirectoriesFromInstallation(s);
    SaveAllSettings(s);
    s.firstRun = 1;
  } else {
    s.firstRun = 0;
    core::ResetSetup(s);
    LoadAllSettings(s);
    CheckAirfoilDirectories(s);
  }
  SetYdprintFromUnit(s);
}

void CompleteFirstRun(core::SharedState& s) {
  Write(s, kSectionDirectories, {{kKeyInstall, "1"}});
  s.firstRun = 0;
}

bool LoadSettingsForBatch(core::SharedState& s) {
  s.unitText = " mm";
  core::ResetSetup(s);
  const bool installed = !Get(s, kSectionDirectories, kKeyInstall).empty();
  if (installed) LoadAllSettings(s);
  SetYdprintFromUnit(s);
  return installed;
}

// ---------------------------------------------------------------- recent files

void AddRecentFile(core::SharedState& s, const std::string& path) {
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

std::vector<std::string> RecentFileList(const core::SharedState& s) {
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
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

}  // namespace files
