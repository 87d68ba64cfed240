#pragma once
// `frmopen`: choose an airfoil file with its preview. Each click on a file reads it at once
// (apart from the shared state), so the preview and the reader's messages show before
// Open; the current airfoil is only replaced by the caller once Open accepted a file.
#include <QDialog>
#include <memory>
#include <string>

#include "mainwindow/openairfoil.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace mainwindow {

class PreviewArea;

class FrmOpen : public QDialog {
  Q_OBJECT
 public:
  // `showMemorize` shows the memorize box and its labels (the comparison tool's use).
  FrmOpen(QWidget* parent, const std::string& caption, bool showMemorize);
  ~FrmOpen() override;

  bool Accepted() const { return accepted_; }
  std::string ChosenPath() const;
  files::AirfoilData TakeData();
  const FileChoice* LastChoice() const { return choice_.get(); }
  std::string CurrentDirectory() const { return currentDir_; }

  // The window's parts, as the tests and the comparison tool reach them.
  QComboBox* Drive1() const { return drive1_; }
  QListWidget* Dir1() const { return dir1_; }
  QListWidget* File1() const { return file1_; }
  QComboBox* Combo1() const { return combo1_; }
  QCheckBox* memP1() const { return memP1_; }
  QLabel* Label(const char* name) const;
  QPushButton* cmdouvrir() const { return cmdouvrir_; }
  QPushButton* cmdannuler() const { return cmdannuler_; }
  QPushButton* cmdaide() const { return cmdaide_; }

  // Event handlers, also driven directly by the tests.
  void SetDirectory(const std::string& dir);  // Dir1_Change
  void File1_Click(const std::string& fileName);
  void File1_DblClick(const std::string& fileName);
  void cmdouvrir_Click();
  void cmdannuler_Click();

 protected:
  void reject() override;

 private:
  void Drive1_Change(int index);
  void Combo1_Click();
  void FillFiles();
  void Refuse(const std::string& text);

  QComboBox* drive1_;
  QListWidget* dir1_;
  QListWidget* file1_;
  QComboBox* combo1_;
  QCheckBox* memP1_;
  QLabel* lbMem_;
  QLabel* label1_;
  QLabel* label2_;
  QLabel* label3_;
  QLabel* lbchemin_;
  QLabel* nomfile1_;
  QPushButton* cmdouvrir_;
  QPushButton* cmdannuler_;
  QPushButton* cmdaide_;
  PreviewArea* preview_;
  std::vector<std::string> driveRoots_;
  std::string currentDir_;
  std::string pattern_ = "*.dat";
  std::unique_ptr<FileChoice> choice_;
  bool accepted_ = false;
};

}  // namespace mainwindow
