#pragma once
// The status bar's word on a file just written (a DXF, a cut file, a PDF print, a tool's
// airfoil), with a button to its folder. Every command that writes tells it through
// platform::TellWritten; it is the notices in force while it lives.
#include <QWidget>
#include <string>

#include "platform/notices.h"

class QLabel;
class QPushButton;

namespace mainwindow {

class WrittenNotice : public QWidget, public platform::Notices {
 public:
  explicit WrittenNotice(QWidget* parent);
  ~WrittenNotice() override;
  void FileWritten(const std::string& path) override;
  // The same file told again in the language now in force.
  void Retell();

 protected:
  // The label's own width changes with the button's and the status bar's: the words follow.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The words at the label's width: a long folder loses its middle, keeping the file's name
  // and the folder's own name in sight; the tool tip holds them whole.
  void FitText();

  QLabel* text_;
  QPushButton* openFolder_;
  std::string path_;
  std::string folder_;
  std::string fileName_;
};

}  // namespace mainwindow
