#include "core/viewgeometry.h"

#include <cmath>

namespace core {

ViewPlacement PlaceView(const RibDocument& d) {
  const double zoom = d.view.zoom;
  const double chord = d.rib.chord.mm;
  const double scale = zoom * 56.7;
  ViewPlacement p;
  p.zoom = d.view.zoom;
  p.chordTwips = static_cast<float>(chord * 56.7 * zoom);
  p.originX = static_cast<float>(kViewLeftMarginTwips + d.view.hScroll * chord * zoom / 2);
  double originY = -d.view.vScroll * chord * zoom / 2 + chord * d.prepared.yMax * 56.7 * zoom + kViewTopMarginTwips;
  if (d.rib.baseMode == BaseMode::Blocks) originY += std::fabs(d.rib.blocks.topHeight.mm) * scale / 2;
  // Room above for a changed airfoil that rises higher than the current one.
  if (d.view.thicknessCamberShown)
    originY += std::fabs(d.prepared.yMax - d.rib.reshape.upperAt[300]) * chord * 56.7 * zoom;
  p.originY = static_cast<float>(originY);
  return p;
}

}  // namespace core
