#include "core/viewgeometry.h"

#include <cmath>

namespace core {

double ScrollStepMm(double chordMm, double zoom) { return chordMm * zoom / kScrollStepsPerChord; }

double ScrollStepMm(const RibDocument& document) { return ScrollStepMm(document.rib.chord.mm, document.view.zoom); }

ViewPlacement PlaceView(const RibDocument& document) {
  const double zoom = document.view.zoom;
  const double chord = document.rib.chord.mm;
  const double step = ScrollStepMm(document);
  ViewPlacement p;
  p.zoom = document.view.zoom;
  p.chordMm = chord * zoom;
  p.originX = kViewLeftMarginMm + document.view.hScroll * step;
  p.originY = -document.view.vScroll * step + chord * document.prepared.yMax * zoom + kViewTopMarginMm;
  if (document.rib.baseMode == BaseMode::Blocks) p.originY += std::fabs(document.rib.blocks.topHeight.mm) * zoom / 2;
  // Room above for a changed airfoil that rises higher than the current one.
  if (document.view.thicknessCamberShown)
    p.originY += std::fabs(document.prepared.yMax - document.rib.reshape.upperAt[300]) * chord * zoom;
  return p;
}

}  // namespace core
