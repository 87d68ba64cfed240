#pragma once
// `frmopen`: choose an airfoil file in the platform's file dialog, with a preview beside
// it. Highlighting a file reads it at once (apart from the shared state), so the preview
// shows the airfoil, or why it cannot be opened, before Open; Open judges the file the same
// way and keeps the window open on a file it refuses. The current airfoil is only replaced
// by the caller once Open accepted a file.
#include <QDialog>
#include <memory>
#include <string>

#include "core/ribdocument.h"
#include "sharedwindows/openairfoil.h"

class QCheckBox;
class QFileDialog;
class QLabel;
class QPushButton;

namespace sharedwindows {

class AirfoilFileBrowser;
class PreviewArea;

class OpenAirfoilWindow : public QDialog {
  Q_OBJECT
 public:
  // `showMemorize` shows the memorize box and its label (the comparison tool's use). The
  // folder of an accepted file becomes the settings' last open folder.
  OpenAirfoilWindow(core::ProgramSettings& settings, const std::string& caption, bool showMemorize,
                    QWidget* parent = nullptr);
  ~OpenAirfoilWindow() override;

  bool Accepted() const { return accepted_; }
  // The memorize box: the comparison keeps the chosen airfoil as its first one.
  bool MemorizeAsFirst() const { return memorizeAsFirst_; }
  std::string ChosenPath() const;
  files::AirfoilData TakeData();
  std::string CurrentDirectory() const;

  // The window's parts, as the tests and the comparison tool reach them.
  QFileDialog* Browser() const;
  QCheckBox* MemorizeBox() const { return memorizeBox_; }
  QLabel* Label(const char* name) const;
  QPushButton* HelpButton() const { return helpButton_; }
  bool PreviewShowsAirfoil() const;

  // Event handlers, also driven directly by the tests. `SelectFile` takes a name in the
  // current folder or a whole path, as the name box does.
  void SetDirectory(const std::string& dir);
  void SelectFile(const std::string& fileName);
  void OpenFileAtOnce(const std::string& fileName);
  void Open();
  void Cancel();

 protected:
  void reject() override;

 private:
  void Preview(const std::string& path);
  void OpenPath(const std::string& path);

  AirfoilFileBrowser* browser_;
  QCheckBox* memorizeBox_;
  QLabel* memorizeLabel_;
  QLabel* chosenFileLabel_;  // the highlighted file's name
  QLabel* summaryLabel_;     // its title or name, or why it cannot be opened
  QLabel* pointCountLabel_;
  QPushButton* helpButton_;
  PreviewArea* preview_;
  std::unique_ptr<FileChoice> choice_;
  bool accepted_ = false;
  bool memorizeAsFirst_ = false;
  core::ProgramSettings& settings_;
};

}  // namespace sharedwindows
