#include "mainwindow/viewdrawing.h"

namespace mainwindow {

void PaintRib(core::SharedState&, QImage&) {}

void PaintPreview(QPainter&, double, const files::AirfoilData&) {}

}  // namespace mainwindow
