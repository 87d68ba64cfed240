#pragma once
// Where the spar and hole windows stand: beside the main window the first time, then where
// the user left them (kept in the per-user store), always wholly on a screen.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <string>

class QWidget;

namespace ribwindows {

inline constexpr const char* kWindowPlaceSection = "Windows";

// The place kept under `key`, if one was kept and reads as two whole numbers.
std::optional<QPoint> KeptPlace(const std::string& key);
void KeepPlace(const std::string& key, QPoint topLeft);  // the corner of the window's inside

// "x,y" and back.
std::string PlaceText(QPoint p);
std::optional<QPoint> PlaceFromText(const std::string& text);

// Right of the owner's frame, at its top; left of it when there is more room there. Where
// neither side has room it overlaps the owner as little as the screen allows.
QPoint PlaceBeside(const QRect& ownerFrame, const QSize& size, const QRect& screen);
// Moves a window of `size` at `topLeft` so that it lies wholly within `screen` (its top
// left corner first, when it is larger than the screen).
QPoint FitOnScreen(QPoint topLeft, const QSize& size, const QRect& screen);

// Places `window` (not yet shown) at its kept place or beside `owner`.
void PlaceWindow(QWidget* window, QWidget* owner, const std::string& key);

}  // namespace ribwindows
