#pragma once
// The companion airfoil pack: the starter airfoils beside the program, copied into a folder
// of the user's, which then becomes the airfoil folder.
#include <string>

#include "core/ribdocument.h"

namespace settingswindows {

// The pack's name, after its program.
inline constexpr const char* kPackName = "Kaldrex";

struct PackCopy {
  int copied = 0;
  int alreadyThere = 0;  // a file of the same name is never replaced
  int failed = 0;
};

// Copies every ".dat" and ".cor" file of `fromDir` into `toDir` (created when needed).
PackCopy CopyAirfoilPack(const std::string& fromDir, const std::string& toDir);

// Where the pack's airfoils lie: the starter folder beside the program ("" when missing).
std::string PackSourceFolder(const core::RibDocument& document);
// Where the pack is offered to go: the airfoil folder when it is the user's own (neither
// the pack's folder nor the program's), else a folder named in the user's language (FrmConfig/13, "Vandrell airfoils") in `documentsDir`.
std::string PackDestinationProposal(const core::RibDocument& document, const std::string& documentsDir);

struct PackInstall {
  PackCopy copy;
  std::string folder;       // where the pack went
  bool folderSet = false;   // the airfoil folder is now `folder`
};
// Copies the pack into `destination`; once the folder holds the pack's airfoils it becomes
// the airfoil folder (and the open dialog's), kept in the settings file and the user store.
PackInstall InstallAirfoilPack(core::RibDocument& document, const std::string& destination);
// The one message that tells how it went; `failed` is true when nothing was installed.
struct PackReport {
  std::string text;
  bool failed = false;
};
PackReport PackInstallReport(const PackInstall& install, const core::RibDocument& document);

}  // namespace settingswindows
