#include "settingswindows/airfoilpack.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/fileio.h"

namespace settingswindows {

namespace fs = std::filesystem;

PackCopy CopyAirfoilPack(const std::string& fromDir, const std::string& toDir) {
  PackCopy result;
  std::error_code ec;
  fs::create_directories(toDir, ec);
  for (fs::directory_iterator it(fromDir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string ext = it->path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext != ".dat" && ext != ".cor") continue;
    const fs::path target = fs::path(toDir) / it->path().filename();
    std::error_code copyError;
    if (fs::exists(fs::symlink_status(target, copyError))) {
      ++result.alreadyThere;
      continue;
    }
    const platform::ReadOutcome airfoil = platform::ReadWholeFile(it->path().string());
    if (airfoil.ok() && platform::WriteFileAtomically(target.string(), airfoil.bytes).ok()) ++result.copied;
    else ++result.failed;
  }
  return result;
}

}  // namespace settingswindows
