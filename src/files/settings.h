#pragma once
// The settings file: its sections and keys, the six section writers and readers, the
// start-up (first run or load), the airfoil directory check and the recent-files list.
// Every routine works on the file named by the state's `iniFile`.
#include <optional>
#include <string>
#include <vector>

#include "core/ribdocument.h"

namespace files {

// Sections and keys of the settings file that other parts of the program read or write.
inline constexpr const char* kSectionColours = "Couleurs";
inline constexpr const char* kSectionLineStyles = "StyleLignes";
inline constexpr const char* kSectionLineWidths = "Eprlines";
inline constexpr const char* kSectionInsertedText = "InsText";
inline constexpr const char* kSectionDefaults = "Defaut";
inline constexpr const char* kSectionDirectories = "Repertoires";
inline constexpr const char* kSectionMargins = "Marges";
inline constexpr const char* kSectionLanguage = "Language";
inline constexpr const char* kSectionLastFiles = "LastFiles";

inline constexpr const char* kKeyTextSize = "TailleFont";
inline constexpr const char* kKeyInstall = "Install";
inline constexpr const char* kKeyAirfoilDir = "RepProfil";
inline constexpr const char* kKeySeriesDir = "RepProfilevol";
inline constexpr const char* kKeyLastOpenDir = "LastOpenProfil";
inline constexpr const char* kKeyLastProjectDir = "LastOpenVdl";
inline constexpr const char* kKeyDxfDir = "RepDxf";
inline constexpr const char* kKeyLanguage = "Langue";

// Limits of the stored drawing settings: colours 0..14 (the palette without white),
// line styles 0..4, line widths 1..3 pixels.
inline constexpr int kColourIndexMax = 14;
inline constexpr int kLineStyleMax = 4;
inline constexpr int kLineWidthMin = 1;
inline constexpr int kLineWidthMax = 3;

inline constexpr int kRecentFileCount = 4;
std::string RecentFileKey(int k);  // "RecentFile1" .. "RecentFile4"

// Section writers, in the order of save-all. A settings file that cannot be written stays
// as it was; the values in the document stay in force.
void WriteColourSettings(core::RibDocument& document);
void WriteLineStyleSettings(core::RibDocument& document);
void WriteLineWidthSettings(core::RibDocument& document);  // and InsText/TailleFont
void WriteDefaultSettings(core::RibDocument& document);
void WriteDirectorySettings(core::RibDocument& document);  // RepProfil, RepProfilevol, LastOpenProfil
void WriteMarginSettings(core::RibDocument& document);
void SaveAllSettings(core::RibDocument& document);

// Section readers, in the order of load-all. A colour, style, width, paper index or text
// size that is missing, not a number or out of range keeps its default; a missing length
// reads as 0. Lengths are converted in the unit in force, so `Defaut` comes before
// `Marges`.
void ReadColourSettings(core::RibDocument& document);
void ReadLineStyleSettings(core::RibDocument& document);
void ReadLineWidthSettings(core::RibDocument& document);  // and InsText/TailleFont
void ReadDefaultSettings(core::RibDocument& document);
void ReadDirectorySettings(core::RibDocument& document);
void ReadMarginSettings(core::RibDocument& document);
void LoadAllSettings(core::RibDocument& document);

// The two airfoil directories from the per-user store, into the state and written to the
// settings file at once. Where the store names none: the starter airfoils beside the
// program, and a series folder of the user's own (created). The open dialog starts in the
// airfoil directory.
void DirectoriesFromInstallation(core::RibDocument& document);

// The starter set beside the program ("airfoils"), or the program directory without one.
inline constexpr const char* kStarterAirfoilFolder = "airfoils";
std::string StarterAirfoilDirectory(const std::string& programDir);
// The user's folder for the series airfoils under the user's data folder, created when
// missing; the program directory when it cannot be made.
inline constexpr const char* kUserSeriesFolder = "series";
std::string UserSeriesDirectory(const std::string& programDir);

// The first airfoil directory that cannot serve as it stands: a missing one (RepProfil
// before RepProfilevol), else one that is the program directory itself. None when both
// serve.
struct DirectoryProblem {
  std::string dir;
  bool missing = false;  // else it is the program directory
};
std::optional<DirectoryProblem> AirfoilDirectoryProblem(const core::RibDocument& document);

// The chord line's print position for the unit in force: 50 mm, or 2 in.
void SetChordLinePositionForUnit(core::RibDocument& document);

// The settings part of the main window's load. Without `Repertoires`/`Install` (first
// run): defaults, directories from the per-user store, every section written, `firstRun`
// 1. Otherwise: defaults, every section read. Then the chord line's print position from the unit. The caller
// checks the directories after a later start.
void StartSettings(core::RibDocument& document);
// Ends a first run once the main window is up: `Install` = "1" is written last, so that an
// interrupted first run is done again at the next start.
void CompleteFirstRun(core::RibDocument& document);

// Settings for a batch command: the defaults, then every section when the file holds a
// completed set-up. Writes nothing and shows no directory alert. True when it read them.
bool LoadSettingsForBatch(core::RibDocument& document);

// Puts `path` at the head of the recent-files list (an entry already in the list moves
// up, a fifth drops the oldest). A path the file cannot give back whole is not recorded.
void AddRecentFile(core::RibDocument& document, const std::string& path);
// The recent files, most recent first, up to the first empty entry (at most four).
std::vector<std::string> RecentFileList(const core::RibDocument& document);

// True when `path` names a regular file, or a link to one (a trailing separator is dropped
// first; a folder, a pipe or a device is not a file).
bool FileExists(std::string path);

}  // namespace files
