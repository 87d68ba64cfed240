// The window's start and end: loading, its place on the screen, closing and logout.
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <array>

#include "files/settings.h"
#include "commands/startsettings.h"
#include "mainwindow/mainview.h"
#include "mainwindow/undohistory.h"
#include "platform/desktop.h"
#include "platform/qt/qtstrings.h"
#include "platform/userstore.h"

namespace mainwindow {

namespace {

using platform::Q;

// Where the per-user store keeps the window's size, place and maximised state.
constexpr const char* kWindowSection = "Window";
constexpr const char* kGeometryKey = "MainGeometry";

}  // namespace

void MainWindow::PlaceOnScreen() {
  // The window's own area (no frame) as "left top width height maximised": the frame's size
  // is the window manager's, unknown before the window shows, and a place given with the
  // frame lands lower by the title bar at every start.
  const QStringList saved = Q(platform::CurrentUserStore().Get(kWindowSection, kGeometryKey)).split(' ');
  std::array<int, 5> numbers{};
  bool read = saved.size() == 5;
  for (int i = 0; read && i < 5; ++i) numbers[static_cast<std::size_t>(i)] = saved[i].toInt(&read);
  if (read && numbers[2] > 0 && numbers[3] > 0) {
    setGeometry(numbers[0], numbers[1], numbers[2], numbers[3]);
    if (numbers[4] == 1) setWindowState(windowState() | Qt::WindowMaximized);
  }
  KeepWithinScreen();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The frame's size is known once the window is shown, and once the window manager has
  // framed it a moment later.
  KeepWithinScreen();
  QTimer::singleShot(250, this, [this] { KeepWithinScreen(); });
}

void MainWindow::KeepWithinScreen() {
  if (isMaximized() || isFullScreen()) return;
  // Whatever was saved, on whichever screen: the window opens whole on the screen it is on.
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  const QRect room = s->availableGeometry();
  const QRect frame = frameGeometry();
  const QSize frameExtra = frame.size() - geometry().size();
  const QSize most = room.size() - frameExtra;
  const QSize size(std::min(width(), most.width()), std::min(height(), most.height()));
  const QSize frameSize = size + frameExtra;
  const int left = std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frameSize.width() + 1));
  const int top = std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frameSize.height() + 1));
  // Moved by the window's own area, and only when it must move: the frame's place is what
  // the window manager makes of it.
  const QRect area(geometry().topLeft() + QPoint(left, top) - frame.topLeft(), size);
  if (area != geometry()) setGeometry(area);
}

void MainWindow::Load() {
  PlaceOnScreen();
  document_.view.outlineShown = true;
  platform::CurrentDesktop().SetBusy(false);
  document_.settings.unitText = " mm";
  commands::StartSettings(document_);
  Panel(3)->setText(Q(UnitPanelText(document_)));
  {
    QSignalBlocker block(zoomList_);
    zoomList_->clear();
    for (const std::string& entry : ZoomEntries()) zoomList_->addItem(Q(entry));
  }
  zoomList_->setCurrentIndex(kZoomDefaultIndex);
  ZoomChosen();
  Panel(1)->setText(Q(VersionPanelText(document_)));
  Panel(2)->clear();
  LoadRecentMenu();
  for (Command command : AirfoilCommands()) SetCommandEnabled(command, document_.airfoil.loaded);
  history_->StartAfresh();  // the settings just read are no step to undo
}

bool MainWindow::CloseOtherWindows() {
  bool allClosed = true;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w == this || !w->isVisible() || w->inherits("QMenu")) continue;
    if (!w->close()) allClosed = false;
  }
  return allClosed;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!quitConfirmed_ && !AskToQuit(document_)) {
    event->ignore();
    return;
  }
  quitConfirmed_ = false;
  // The help shows in the user's browser: there is no help window of ours to close.
  if (!CloseOtherWindows()) {
    // A window that refused to close keeps the program, and the rib, open.
    event->ignore();
    return;
  }
  const QRect area = normalGeometry().isValid() ? normalGeometry() : geometry();
  platform::CurrentUserStore().Set(kWindowSection, kGeometryKey,
                                   QString("%1 %2 %3 %4 %5")
                                       .arg(area.left())
                                       .arg(area.top())
                                       .arg(area.width())
                                       .arg(area.height())
                                       .arg(isMaximized() ? 1 : 0)
                                       .toStdString());
  event->accept();
}

void MainWindow::CommitData(QSessionManager& manager) {
  // Logging out ends the program as surely as Exit: the same question, or no logout.
  const bool mayAsk = manager.allowsInteraction();
  if (!SessionMayEnd(document_, mayAsk)) {
    manager.cancel();
    return;
  }
  if (mayAsk) {
    manager.release();
    quitConfirmed_ = true;
  }
}

}  // namespace mainwindow
