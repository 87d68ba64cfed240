#pragma once
// The companion airfoil pack: the starter airfoils copied into the user's airfoil folder.
#include <string>

namespace settingswindows {

struct PackCopy {
  int copied = 0;
  int alreadyThere = 0;  // a file of the same name is never replaced
  int failed = 0;
};

// Copies every ".dat" and ".cor" file of `fromDir` into `toDir` (created when needed).
PackCopy CopyAirfoilPack(const std::string& fromDir, const std::string& toDir);

}  // namespace settingswindows
