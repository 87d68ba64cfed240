#include "platform/paths.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace platform {

namespace {

namespace fs = std::filesystem;

std::string WithoutTrailingSeparator(fs::path p) {
  std::string s = p.lexically_normal().string();
  while (s.size() > 1 && (s.back() == '/' || s.back() == fs::path::preferred_separator)) s.pop_back();
  return s;
}

bool HoldsLanguageFiles(const fs::path& dir) {
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    if (it->path().extension() == ".lng") return true;
  return false;
}

}  // namespace

std::string ExecutableDirectory(const char* argv0) {
  std::error_code ec;
#if defined(__linux__)
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return WithoutTrailingSeparator(self.parent_path());
#endif
  fs::path given = argv0 ? fs::path(argv0) : fs::path();
  fs::path absolute = fs::absolute(given, ec);
  if (ec) absolute = given;
  return WithoutTrailingSeparator(absolute.parent_path());
}

std::string ProgramDirectory(const std::string& executableDir) {
  const fs::path exe(executableDir);
  if (HoldsLanguageFiles(exe)) return WithoutTrailingSeparator(exe);
  const fs::path installed = exe / ".." / "share" / "vandrell";
  if (HoldsLanguageFiles(installed)) return WithoutTrailingSeparator(installed);
  return WithoutTrailingSeparator(exe);
}

std::string UserConfigDirectory() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is invalid and is to be ignored.
  if (xdg && *xdg && fs::path(xdg).is_absolute()) return WithoutTrailingSeparator(fs::path(xdg) / "vandrell");
  const char* home = std::getenv("HOME");
  if (home && *home) return WithoutTrailingSeparator(fs::path(home) / ".config" / "vandrell");
  std::error_code ec;
  return WithoutTrailingSeparator(fs::temp_directory_path(ec) / "vandrell");
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
  return LocateSettingsFile(programDir, configDir, IsWritableDirectory(programDir));
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
  if (!location.seedFrom.empty() && !fs::exists(file, ec)) {
    fs::copy_file(location.seedFrom, file, ec);
    if (ec) return false;
    // An installed copy may be read-only; the user's own copy is theirs to edit.
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  }
  return IsWritableDirectory(dir.empty() ? "." : dir.string());
}

}  // namespace platform
