#pragma once
// File > Export for cutting: the file format, the kerf and whether to engrave the marks.
// It opens with the choices made last time (the per-user store) and keeps them on OK.
#include <QDialog>

#include "commands/cutexport.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ribwindows {
class KeyFilter;
}

namespace mainwindow {

class CutExportWindow : public QDialog {
  Q_OBJECT
 public:
  explicit CutExportWindow(QWidget* parent = nullptr);

  // What the user chose; valid once the window was accepted.
  const commands::CutSettings& Settings() const { return settings_; }

  QRadioButton* FormatButton(output::CutFormat format) const;
  QLineEdit* KerfBox() const { return kerf_; }
  QCheckBox* MarksBox() const { return marks_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return help_; }

 private:
  void Accept();

  commands::CutSettings settings_;
  QRadioButton* formats_[3] = {};
  QLineEdit* kerf_ = nullptr;
  ribwindows::KeyFilter* kerfFilter_ = nullptr;
  QCheckBox* marks_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace mainwindow
