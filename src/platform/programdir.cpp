#include "platform/programdir.h"

#include <filesystem>
#include <system_error>

namespace platform {

std::string ProgramDirectory(const char* argv0) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) {
    ec.clear();
    exe = fs::absolute(argv0 ? argv0 : "", ec);
  }
  const fs::path dir = exe.parent_path();
  const fs::path installed = dir / ".." / "share" / "vandrell";
  if (fs::is_directory(installed, ec)) return fs::weakly_canonical(installed, ec).string();
  return dir.string();
}

}  // namespace platform
