#pragma once
// `frmopen`: choose an airfoil file with its preview. Each click on a file reads it at once
// (apart from the shared state), so the preview and the reader's messages show before
// Open; the current airfoil is only replaced by the caller once Open accepted a file.
#include <QDialog>
#include <memory>
#include <string>

#include "core/ribdocument.h"
#include "sharedwindows/openairfoil.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace sharedwindows {

class PreviewArea;

class OpenAirfoilWindow : public QDialog {
  Q_OBJECT
 public:
  // `showMemorize` shows the memorize box and its labels (the comparison tool's use). The
  // folder of an accepted file becomes the settings' last open folder.
  OpenAirfoilWindow(core::ProgramSettings& settings, const std::string& caption, bool showMemorize,
                    QWidget* parent = nullptr);
  ~OpenAirfoilWindow() override;

  bool Accepted() const { return accepted_; }
  // The memorize box: the comparison keeps the chosen airfoil as its first one.
  bool MemorizeAsFirst() const { return memorizeAsFirst_; }
  std::string ChosenPath() const;
  files::AirfoilData TakeData();
  const FileChoice* LastChoice() const { return choice_.get(); }
  std::string CurrentDirectory() const { return currentDir_; }

  // The window's parts, as the tests and the comparison tool reach them.
  QComboBox* VolumeList() const { return volumes_; }
  QListWidget* FolderList() const { return folders_; }
  QListWidget* FileList() const { return files_; }
  QComboBox* FileTypeList() const { return fileTypes_; }
  QCheckBox* MemorizeBox() const { return memorizeBox_; }
  QLabel* Label(const char* name) const;
  QPushButton* OpenButton() const { return openButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* HelpButton() const { return helpButton_; }

  // Event handlers, also driven directly by the tests.
  void SetDirectory(const std::string& dir);
  void SelectFile(const std::string& fileName);
  void OpenFileAtOnce(const std::string& fileName);
  void Open();
  void Cancel();

 protected:
  void reject() override;

 private:
  void VolumeChosen(int index);
  void FileTypeChosen();
  void FillFiles();
  void Refuse(const std::string& text);

  QComboBox* volumes_;
  QListWidget* folders_;
  QListWidget* files_;
  QComboBox* fileTypes_;
  QCheckBox* memorizeBox_;
  QLabel* memorizeLabel_;
  QLabel* summaryLabel_;     // the file's title, its name, or why it was refused
  QLabel* pointCountLabel_;
  QLabel* memorizeNote_;     // beside the memorize box, shown and hidden with it
  QLabel* folderPathLabel_;  // the folder shown, abbreviated
  QLabel* chosenFileLabel_;
  QPushButton* openButton_;
  QPushButton* cancelButton_;
  QPushButton* helpButton_;
  PreviewArea* preview_;
  std::vector<std::string> volumeRoots_;
  std::string currentDir_;
  std::string pattern_ = "*.dat";
  std::unique_ptr<FileChoice> choice_;
  bool accepted_ = false;
  bool memorizeAsFirst_ = false;
  core::ProgramSettings& settings_;
};

}  // namespace sharedwindows
