#pragma once
// Where the settings file lives (the program directory itself: platform/programdir.h).
#include <string>

namespace platform {

inline constexpr const char* kIniFileName = "Vandrell.ini";

// The user's configuration folder for the program: $XDG_CONFIG_HOME/vandrell, or
// ~/.config/vandrell.
std::string UserConfigDirectory();

// The settings file sits beside the program when that folder can take it and is not an
// installed one (platform/programdir.h), otherwise in the user's configuration folder.
// Finding it changes nothing on disk.
struct SettingsLocation {
  std::string iniFile;   // where the settings are read and written
  std::string seedFrom;  // a settings file beside the program to carry over first, or ""
  // The file to read before PrepareSettingsFile has run (batch commands never write).
  const std::string& ReadFrom() const { return seedFrom.empty() ? iniFile : seedFrom; }
};
SettingsLocation LocateSettingsFile(const std::string& programDir, const std::string& configDir);
// The same rule with the program folder's writability given.
SettingsLocation LocateSettingsFile(const std::string& programDir, const std::string& configDir,
                                    bool programDirWritable);

// Makes the settings file's folder and carries over the seed, so that no setting of a
// read-only program folder is lost. False when the settings could not be kept there.
bool PrepareSettingsFile(const SettingsLocation& location);

// A folder path without its trailing separators (the root keeps its own).
std::string WithoutTrailingSeparator(std::string path);

// True when a file can be created in `dir`.
bool IsWritableDirectory(const std::string& dir);

// The user's data folder for the program (the airfoils the user makes live there):
// $XDG_DATA_HOME/vandrell, or ~/.local/share/vandrell.
std::string UserDataDirectory();

// The user's documents folder: ~/Documents where there is one, else the home folder.
std::string UserDocumentsDirectory();

}  // namespace platform
