#include "core/viewgeometry.h"

#include <cmath>

namespace core {

ViewPlacement PlaceView(const RibDocument& document) {
  const double zoom = document.view.zoom;
  const double chord = document.rib.chord.mm;
  const double scale = zoom * 56.7;
  ViewPlacement p;
  p.zoom = document.view.zoom;
  p.chordTwips = static_cast<float>(chord * 56.7 * zoom);
  p.originX = static_cast<float>(kViewLeftMarginTwips + document.view.hScroll * chord * zoom / 2);
  double originY =
      -document.view.vScroll * chord * zoom / 2 + chord * document.prepared.yMax * 56.7 * zoom + kViewTopMarginTwips;
  if (document.rib.baseMode == BaseMode::Blocks) originY += std::fabs(document.rib.blocks.topHeight.mm) * scale / 2;
  // Room above for a changed airfoil that rises higher than the current one.
  if (document.view.thicknessCamberShown)
    originY += std::fabs(document.prepared.yMax - document.rib.reshape.upperAt[300]) * chord * 56.7 * zoom;
  p.originY = static_cast<float>(originY);
  return p;
}

}  // namespace core
