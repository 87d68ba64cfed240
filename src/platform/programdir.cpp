#include "platform/programdir.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

std::string Normal(const fs::path& p) { return WithoutTrailingSeparator(p.lexically_normal().string()); }

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
  if (!ec && !self.empty()) return Normal(self.parent_path());
  ec.clear();
#endif
  fs::path given = argv0 ? fs::path(argv0) : fs::path();
  fs::path absolute = fs::absolute(given, ec);
  if (ec) absolute = given;
  return Normal(absolute.parent_path());
}

bool IsInstalledProgramDirectory(const std::string& programDir) {
  const fs::path dir = fs::path(WithoutTrailingSeparator(programDir)).lexically_normal();
  return dir.filename() == "vandrell" && dir.parent_path().filename() == "share";
}

std::string ProgramDirectoryFor(const std::string& executableDir) {
  const fs::path exe(executableDir);
  if (HoldsLanguageFiles(exe)) return Normal(exe);
  const fs::path installed = exe / ".." / "share" / "vandrell";
  if (HoldsLanguageFiles(installed)) return Normal(installed);
  return Normal(exe);
}

std::string ProgramDirectory(const char* argv0) { return ProgramDirectoryFor(ExecutableDirectory(argv0)); }

}  // namespace platform
