#pragma once
// The about box `frmAbout`: title, version, the user's name and organisation, credits.
#include <QDialog>

class QLabel;
class QPushButton;

namespace mainwindow {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
  QLabel* Label(const char* name) const;
  QPushButton* cmdok() const { return cmdok_; }

 private:
  QPushButton* cmdok_;
};

}  // namespace mainwindow
