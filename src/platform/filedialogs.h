#pragma once
// Common file dialogs and the folder chooser. A cancelled dialog returns false; callers
// end their command silently, as on the cancel error code 32755.
#include <string>
#include <vector>

namespace platform {

struct FileDialogRequest {
  std::string title;
  // "Description|pattern|Description|pattern|" as the program writes its filters.
  std::string filter;
  int filterIndex = 1;
  std::string initialDir;
  std::string fileName;       // proposed name
  std::string defaultExt;     // without the dot
  bool overwritePrompt = false;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  virtual bool Open(const FileDialogRequest& request, std::string& path) = 0;
  virtual bool Save(const FileDialogRequest& request, std::string& path) = 0;
  // On OK `path` becomes the chosen folder; on cancel it is left as it was.
  virtual bool BrowseForFolder(const std::string& title, std::string& path) = 0;
};

FileDialogs& CurrentFileDialogs();
void SetFileDialogs(FileDialogs* dialogs);  // nullptr: every dialog is cancelled

// Answers from a script (tests): each call takes the next answer; "" means cancel.
class ScriptedFileDialogs : public FileDialogs {
 public:
  bool Open(const FileDialogRequest& request, std::string& path) override;
  bool Save(const FileDialogRequest& request, std::string& path) override;
  bool BrowseForFolder(const std::string& title, std::string& path) override;
  std::vector<std::string> answers;
  std::vector<FileDialogRequest> requests;
  std::vector<std::string> folderTitles;

 private:
  bool Next(std::string& path);
};

}  // namespace platform
