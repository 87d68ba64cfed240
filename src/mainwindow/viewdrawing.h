#pragma once
// Drawing on the main view and on the open window's preview.
#include <QImage>

#include "core/ribdocument.h"
#include "files/airfoilfile.h"

class QPainter;

namespace mainwindow {

// Draws the rib on the main view's surface at the document's zoom and scroll offsets.
void PaintRib(const core::RibDocument& d, QImage& surface);
// Paints the open window's preview (its twips, y from the window's top) with `painter`.
void PaintPreview(QPainter& painter, double dpi, const files::AirfoilData& data);

}  // namespace mainwindow
