#pragma once
// The about box `frmAbout`: title, version, the user's name and organisation, credits.
#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace mainwindow {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  // `versionText` as the status bar shows it ("1.0.0-E").
  explicit AboutBox(const std::string& versionText, QWidget* parent = nullptr);
  QLabel* Label(const char* name) const;
  QPushButton* OkButton() const { return okButton_; }

 private:
  QPushButton* okButton_;
};

}  // namespace mainwindow
