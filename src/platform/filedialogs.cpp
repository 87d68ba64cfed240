#include "platform/filedialogs.h"

#include "platform/installed.h"

namespace platform {

namespace {
class CancellingDialogs : public FileDialogs {
 public:
  bool Open(const FileDialogRequest&, std::string&) override { return false; }
  bool Save(const FileDialogRequest&, std::string&) override { return false; }
  bool BrowseForFolder(const std::string&, std::string&) override { return false; }
};}  // namespace

FileDialogs& CurrentFileDialogs() {
  static CancellingDialogs cancelling;
  FileDialogs* d = InstalledService<FileDialogs>();
  return d ? *d : cancelling;
}

void SetFileDialogs(FileDialogs* dialogs) { InstalledService<FileDialogs>() = dialogs; }

bool ScriptedFileDialogs::Next(std::string& path) {
  if (answers.empty()) return false;
  std::string a = answers.front();
  answers.erase(answers.begin());
  if (a.empty()) return false;
  path = a;
  return true;
}

bool ScriptedFileDialogs::Open(const FileDialogRequest& request, std::string& path) {
  requests.push_back(request);
  return Next(path);
}

bool ScriptedFileDialogs::Save(const FileDialogRequest& request, std::string& path) {
  requests.push_back(request);
  return Next(path);
}

bool ScriptedFileDialogs::BrowseForFolder(const std::string& title, std::string& path) {
  folderTitles.push_back(title);
  return Next(path);
}

}  // namespace platform
