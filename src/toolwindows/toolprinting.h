#pragma once
// Printing what the tool windows draw: the printer dialog, then each page drawn on the
// printer through the same drawing routines as the screen. The rib sheet's pages and, until
// the main print command prints the special views, the thickness and camber view use it.
#include <functional>
#include <string>

#include "platform/drawtarget.h"

class QWidget;

namespace toolwindows {

using PageDrawing = std::function<void(int page, platform::DrawTarget& target)>;

// False when the user cancelled or the printer failed (the user is told, titled `title`).
bool PrintToolPages(QWidget* parent, const std::string& title, int pageCount, const PageDrawing& drawPage);

}  // namespace toolwindows
