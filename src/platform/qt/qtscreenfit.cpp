#include "platform/qt/qtscreenfit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

// A frame of the window manager's, where the window has none yet: a title bar and borders.
constexpr int kFrameAllowanceWidth = 8;
constexpr int kFrameAllowanceHeight = 32;

}  // namespace

void FitOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen || window.isMaximized() || window.isFullScreen()) return;
  const QRect room = screen->availableGeometry();
  QSize frame = window.frameGeometry().size() - window.geometry().size();
  if (frame.isEmpty()) frame = QSize(kFrameAllowanceWidth, kFrameAllowanceHeight);
  const QSize most = room.size() - frame;
  const QSize size(std::min(window.width(), most.width()), std::min(window.height(), most.height()));
  if (size != window.size()) {
    // The layout would hold the window at the size its contents ask for.
    if (window.layout() && (window.minimumSizeHint().width() > size.width() ||
                            window.minimumSizeHint().height() > size.height()))
      window.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    window.setMinimumSize(std::min(window.minimumWidth(), size.width()), std::min(window.minimumHeight(), size.height()));
    window.resize(size);
  }
  const QRect outer(window.frameGeometry().topLeft(), size + frame);
  const int left = std::clamp(outer.left(), room.left(), std::max(room.left(), room.right() - outer.width() + 1));
  const int top = std::clamp(outer.top(), room.top(), std::max(room.top(), room.bottom() - outer.height() + 1));
  if (left != outer.left() || top != outer.top()) window.move(left, top);
}

DialogsFitTheScreen::DialogsFitTheScreen(std::function<void(QDialog&)> whenShown) : whenShown_(std::move(whenShown)) {
  qApp->installEventFilter(this);
}

DialogsFitTheScreen::~DialogsFitTheScreen() { qApp->removeEventFilter(this); }

bool DialogsFitTheScreen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
    if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow()) {
      if (event->type() == QEvent::Show && whenShown_) whenShown_(*dialog);
      // Once the dialog has taken the size its new contents ask for.
      QTimer::singleShot(0, dialog, [dialog] { FitOnScreen(*dialog); });
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace platform
