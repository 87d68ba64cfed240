#include "ribwindows/windowplace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <charconv>

#include "platform/userstore.h"

namespace ribwindows {

std::string PlaceText(QPoint p) { return std::to_string(p.x()) + "," + std::to_string(p.y()); }

std::optional<QPoint> PlaceFromText(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  int x = 0, y = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  auto rx = std::from_chars(begin, begin + comma, x);
  auto ry = std::from_chars(begin + comma + 1, end, y);
  if (rx.ec != std::errc() || rx.ptr != begin + comma || ry.ec != std::errc() || ry.ptr != end) return std::nullopt;
  return QPoint(x, y);
}

std::optional<QPoint> KeptPlace(const std::string& key) {
  return PlaceFromText(platform::CurrentUserStore().Get(kWindowPlaceSection, key));
}

void KeepPlace(const std::string& key, QPoint topLeft) {
  platform::CurrentUserStore().Set(kWindowPlaceSection, key, PlaceText(topLeft));
}

QPoint FitOnScreen(QPoint topLeft, const QSize& size, const QRect& screen) {
  const int x = std::max(screen.left(), std::min(topLeft.x(), screen.right() + 1 - size.width()));
  const int y = std::max(screen.top(), std::min(topLeft.y(), screen.bottom() + 1 - size.height()));
  return {x, y};
}

QPoint PlaceBeside(const QRect& ownerFrame, const QSize& size, const QRect& screen) {
  const int roomRight = screen.right() - ownerFrame.right();
  const int roomLeft = ownerFrame.left() - screen.left();
  QPoint p(ownerFrame.right() + 1, ownerFrame.top());
  // Where neither side has room, the side with more keeps more of the rib in sight.
  if (roomRight < size.width() && roomLeft > roomRight) p.setX(ownerFrame.left() - size.width());
  return FitOnScreen(p, size, screen);
}

void PlaceWindow(QWidget* window, QWidget* owner, const std::string& key) {
  window->adjustSize();
  const std::optional<QPoint> kept = KeptPlace(key);
  QScreen* screen = nullptr;
  if (kept) screen = QGuiApplication::screenAt(*kept);
  if (!screen && owner) screen = owner->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QSize size = window->frameSize();
  // A kept place is the inside's corner: window managers frame a window only once it shows,
  // so the frame's corner would creep by the border at each opening.
  if (kept)
    window->setGeometry(QRect(FitOnScreen(*kept, size, available), window->size()));
  else
    window->move(PlaceBeside(owner ? owner->frameGeometry() : QRect(available.topLeft(), QSize(0, 0)), size, available));
}

}  // namespace ribwindows
