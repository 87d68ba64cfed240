#pragma once
// Drawing on the main view.
#include <QImage>

#include "core/ribdocument.h"

namespace mainwindow {

// Draws the rib on the main view's surface at the document's zoom and scroll offsets.
void PaintRib(const core::RibDocument& document, QImage& surface);

}  // namespace mainwindow
