#include "mainwindow/viewdrawing.h"

#include <QPainter>
#include <algorithm>

#include "core/ribtrace.h"
#include "core/viewgeometry.h"
#include "files/captions.h"
#include "mainwindow/openairfoil.h"
#include "platform/qt/qtdrawtarget.h"

namespace mainwindow {

void PaintRib(const core::RibDocument& d, QImage& surface) {
  QPainter painter(&surface);
  platform::QtDrawTarget target = platform::QtDrawTarget::ForDevice(painter, surface);
  core::DrawRib(d, core::PlaceView(d), files::RibLabelsInLanguage(), target);
}

void PaintPreview(QPainter& painter, double dpi, const files::AirfoilData& data) {
  platform::QtDrawTarget target(painter, dpi, dpi, std::max(1.0, dpi / 96.0));
  DrawAirfoilPreview(target, data);
}

}  // namespace mainwindow
