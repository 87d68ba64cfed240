#include "commands/outputfolder.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/paths.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

namespace fs = std::filesystem;

namespace {

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

// Compared as absolute paths without "." or ".." so that a folder given either way is found.
fs::path Plain(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
  return p.empty() ? fs::path(path).lexically_normal() : p;
}

bool Inside(const std::string& path, const std::string& folder) {
  if (folder.empty()) return false;
  const fs::path p = Plain(path), f = Plain(folder);
  auto pi = p.begin();
  for (auto fi = f.begin(); fi != f.end(); ++fi, ++pi) {
    if (fi->empty()) continue;  // a trailing separator
    if (pi == p.end() || *pi != *fi) return false;
  }
  return true;
}

}  // namespace

std::string ProposedOutputFolder(const std::string& lastUsed, const std::string& projectPath,
                                 const std::string& documentsDir, const std::string& dataDir) {
  if (IsFolder(lastUsed) && !Inside(lastUsed, dataDir)) return lastUsed;
  if (!projectPath.empty()) {
    const std::string projectFolder = fs::path(projectPath).parent_path().string();
    if (IsFolder(projectFolder)) return projectFolder;
  }
  return documentsDir;
}

std::string ProposedOutputFolder(const std::string& lastUsed, const core::RibDocument& document) {
  return ProposedOutputFolder(lastUsed, document.project.path, platform::UserDocumentsDirectory(),
                              platform::UserDataDirectory());
}

std::string FolderOfWritten(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  return folder.empty() ? std::string(".") : folder.string();
}

std::string WrittenText(const std::string& path) {
  return WrittenText(fs::path(path).filename().string(), FolderOfWritten(path));
}

std::string WrittenText(const std::string& fileName, const std::string& folderShown) {
  std::string text = platform::Text(keys::FileWritten);
  // Both places found before either is filled, so that a "%2" in a file name stays as it is.
  std::pair<std::size_t, std::string> places[] = {{text.find("%1"), fileName}, {text.find("%2"), folderShown}};
  if (places[0].first < places[1].first) std::swap(places[0], places[1]);
  for (const auto& [at, filling] : places)
    if (at != std::string::npos) text.replace(at, 2, filling);
  return text;
}

}  // namespace commands
