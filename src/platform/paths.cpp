#include "platform/paths.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/programdir.h"
#include "platform/fileio.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace platform {

namespace fs = std::filesystem;

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == fs::path::preferred_separator)) path.pop_back();
  return path;
}

std::string UserConfigDirectory() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is invalid and is to be ignored.
  if (xdg && *xdg && fs::path(xdg).is_absolute()) return (fs::path(xdg) / "vandrell").string();
  const char* home = std::getenv("HOME");
  if (home && *home) return (fs::path(home) / ".config" / "vandrell").string();
  std::error_code ec;
  return (fs::temp_directory_path(ec) / "vandrell").string();
}

std::string UserDataDirectory() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg && fs::path(xdg).is_absolute()) return (fs::path(xdg) / "vandrell").string();
  const char* home = std::getenv("HOME");
  if (home && *home) return (fs::path(home) / ".local" / "share" / "vandrell").string();
  std::error_code ec;
  return (fs::temp_directory_path(ec) / "vandrell").string();
}

std::string UserDocumentsDirectory() {
  const char* home = std::getenv("HOME");
  if (!home || !*home) return UserDataDirectory();
  std::error_code ec;
  const fs::path documents = fs::path(home) / "Documents";
  return fs::is_directory(documents, ec) ? documents.string() : std::string(home);
}

bool IsWritableDirectory(const std::string& dir) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return false;
#if defined(__unix__) || defined(__APPLE__)
  return ::access(dir.c_str(), W_OK | X_OK) == 0;
#else
  const fs::path probe = fs::path(dir) / ".vandrell-write-probe~";
  std::FILE* f = std::fopen(probe.string().c_str(), "wb");
  if (!f) return false;
  std::fclose(f);
  fs::remove(probe, ec);
  return true;
#endif
}

SettingsLocation LocateSettingsFile(const std::string& programDir, const std::string& configDir) {
  return LocateSettingsFile(programDir, configDir,
                            IsWritableDirectory(programDir) && !IsInstalledProgramDirectory(programDir));
}

SettingsLocation LocateSettingsFile(const std::string& programDir, const std::string& configDir,
                                    bool programDirWritable) {
  const fs::path beside = fs::path(programDir) / kIniFileName;
  SettingsLocation location;
  if (programDirWritable) {
    location.iniFile = beside.string();
    return location;
  }
  const fs::path user = fs::path(configDir) / kIniFileName;
  location.iniFile = user.string();
  std::error_code ec;
  if (!fs::exists(user, ec) && fs::is_regular_file(beside, ec)) location.seedFrom = beside.string();
  return location;
}

bool PrepareSettingsFile(const SettingsLocation& location) {
  const fs::path file(location.iniFile);
  std::error_code ec;
  const fs::path dir = file.parent_path();
  if (!dir.empty()) fs::create_directories(dir, ec);
  // A folder or a pipe in the settings file's place can keep nothing.
  const FileKind kind = KindOfPath(location.iniFile);
  if (kind != FileKind::Missing && kind != FileKind::Regular) return false;
  if (!location.seedFrom.empty() && kind == FileKind::Missing) {
    // Written as a new file of the user's, so an installed read-only copy becomes theirs to edit.
    const ReadOutcome seed = ReadWholeFile(location.seedFrom);
    if (!seed.ok() || !WriteFileAtomically(location.iniFile, seed.bytes).ok()) return false;
  }
  return IsWritableDirectory(dir.empty() ? "." : dir.string());
}

}  // namespace platform
