#pragma once
// The splash window `frmSplash`: shown over the main window for three seconds at start-up,
// or until its picture is clicked.
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <string>

class QLabel;
class QTimer;

namespace mainwindow {

// The program's picture: a rib on its building board, drawn at the given size.
QPixmap ProgramPicture(const QSize& size);

class Splash : public QWidget {
  Q_OBJECT
 public:
  explicit Splash(const std::string& versionText, QWidget* over = nullptr);
  QLabel* Picture() const { return picture_; }
  QTimer* CloseTimer() const { return timer_; }
  QLabel* Label(const char* name) const;
  // Closes it before its time (a click, or a question that must not sit under it).
  void Finish();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* picture_;
  QTimer* timer_;
  QPointer<QWidget> over_;
};

}  // namespace mainwindow
