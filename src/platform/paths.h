#pragma once
// Where the program's own files and its settings file live.
#include <string>

namespace platform {

inline constexpr const char* kIniFileName = "Vandrell.ini";

// The folder of the running executable (argv0 serves where the system cannot say).
std::string ExecutableDirectory(const char* argv0);

// The program directory: the executable's folder, or ../share/vandrell beside it once
// installed; the one that holds the language files wins, the executable's folder when
// neither does. No trailing separator.
std::string ProgramDirectory(const std::string& executableDir);

// The user's configuration folder for the program: $XDG_CONFIG_HOME/vandrell, or
// ~/.config/vandrell.
std::string UserConfigDirectory();

// The settings file sits beside the program when that folder can take it, otherwise in
// the user's configuration folder. Finding it changes nothing on disk.
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

// True when a file can be created in `dir`.
bool IsWritableDirectory(const std::string& dir);

}  // namespace platform
