#include "settingswindows/airfoilpack.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "files/settings.h"
#include "platform/fileio.h"
#include "platform/paths.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "platform/userstore.h"

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

namespace {
bool SameFolder(const std::string& a, const std::string& b) {
  return platform::WithoutTrailingSeparator(a) == platform::WithoutTrailingSeparator(b);
}
}  // namespace

std::string PackSourceFolder(const core::RibDocument& document) {
  const fs::path starter = fs::path(document.settings.programDir) / files::kStarterAirfoilFolder;
  std::error_code ec;
  return fs::is_directory(starter, ec) ? starter.string() : std::string();
}

std::string PackDestinationProposal(const core::RibDocument& document, const std::string& documentsDir) {
  const std::string& current = document.settings.airfoilDir;
  const fs::path starter = fs::path(document.settings.programDir) / files::kStarterAirfoilFolder;
  if (!current.empty() && !SameFolder(current, starter.string()) && !SameFolder(current, document.settings.programDir))
    return current;
  // The folder's name in the user's language; the English one where the file has none.
  std::string name = platform::Text(keys::AirfoilPackFolderName);
  if (name.empty()) name = "Vandrell airfoils";
  return (fs::path(documentsDir) / name).string();
}

PackInstall InstallAirfoilPack(core::RibDocument& document, const std::string& destination) {
  PackInstall install;
  install.folder = platform::WithoutTrailingSeparator(destination);
  const std::string source = PackSourceFolder(document);
  if (source.empty() || install.folder.empty()) return install;
  install.copy = CopyAirfoilPack(source, install.folder);
  if (install.copy.copied + install.copy.alreadyThere == 0) return install;
  document.settings.airfoilDir = install.folder;
  document.settings.lastOpenDir = install.folder;
  files::WriteDirectorySettings(document);
  platform::CurrentUserStore().Set(platform::kUserStoreInstall, platform::kUserAirfoilDir, install.folder);
  install.folderSet = true;
  return install;
}

PackReport PackInstallReport(const PackInstall& install, const core::RibDocument& document) {
  using platform::Text;
  if (!install.folderSet) return {Text(keys::AirfoilPackNothingInstalled) + " " + document.settings.airfoilDir, true};
  std::string text = std::to_string(install.copy.copied) + " " + Text(keys::AirfoilPackCopied) + "\n" + install.folder;
  if (install.copy.alreadyThere > 0)
    text += "\n\n" + std::to_string(install.copy.alreadyThere) + " " + Text(keys::AirfoilPackThereAlready);
  if (install.copy.failed > 0)
    text += "\n\n" + std::to_string(install.copy.failed) + " " + Text(keys::AirfoilPackNotCopied);
  return {text, false};
}

}  // namespace settingswindows
