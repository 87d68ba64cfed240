#include "mainwindow/viewdrawing.h"

#include <QPainter>

#include "core/ribtrace.h"
#include "core/viewgeometry.h"
#include "files/captions.h"
#include "platform/qt/qtdrawtarget.h"

namespace mainwindow {

namespace {

bool IsSparPart(core::RibPart p) {
  using enum core::RibPart;
  return p == SparAxis || p == SparNotch || p == SparRectangle || p == SparCentreLine || p == SparRound;
}
bool IsHolePart(core::RibPart p) {
  using enum core::RibPart;
  return p == HoleCircle || p == HoleRectangle || p == HoleCentreLine;
}

// The spar or hole a window edits, drawn over the rib in a wide blue line. Only the screen
// shows it: prints and DXF files draw the rib alone.
core::RibConstruction MarkedRows(const core::RibConstruction& rib, const core::ViewState& v) {
  core::RibConstruction marked = rib;
  marked.elements.clear();
  for (const core::RibElement& e : rib.elements) {
    if (!((IsSparPart(e.part) && e.index == v.markedSpar) || (IsHolePart(e.part) && e.index == v.markedHole))) continue;
    core::RibElement m = e;
    m.colour = 9;  // light blue
    m.lineStyle = platform::kSolid;
    m.lineWidth = 3;
    marked.elements.push_back(std::move(m));
  }
  return marked;
}

}  // namespace

void PaintRib(const core::RibDocument& document, QImage& surface) {
  QPainter painter(&surface);
  platform::QtDrawTarget target = platform::QtDrawTarget::ForDevice(painter, surface);
  const core::ViewPlacement at = core::PlaceView(document);
  const core::RibConstruction rib = core::BuildRib(document, files::RibLabelsInLanguage());
  core::DrawConstruction(rib, at, target);
  if (document.view.markedSpar >= 0 || document.view.markedHole >= 0)
    core::DrawConstruction(MarkedRows(rib, document.view), at, target);
}

}  // namespace mainwindow
