#pragma once
// Values the windows take without a range that still leave no sensible rib: edge pieces
// that together are deeper than the chord (nothing can be drawn), sheeting that fills the
// rib, a spar cut deeper than the rib is thick where it passes, a hole that leaves the
// outline. They are stored as typed; these rules only find them, so that the
// windows can say so.
#include <vector>

#include "core/ribdocument.h"

namespace core {

enum class RibWarning {
  None,
  EdgesLongerThanChord,  // the two edge pieces together are deeper than the chord
  SheetingFillsRib,  // twice the sheeting reaches the greatest thickness
  SparWithoutWidth,  // a spar with a cut but no width
  SparThroughRib,    // its cuts reach further than the rib is thick at its centre
  HoleOutsideRib,    // the hole reaches past the upper or lower contour at its centre
};

// What a warning concerns: the whole rib (row -1) or a spar or hole row, with the rib's
// thickness in millimetres where that row passes (0 for the whole rib: the greatest
// thickness is then meant).
struct RibWarningAt {
  RibWarning what = RibWarning::None;
  int row = -1;
  double thicknessMm = 0;
  bool operator==(const RibWarningAt&) const = default;
};

// The rib's greatest thickness in millimetres.
double GreatestThicknessMm(const RibDocument& document);
// The thickness between the contours at `xMm` from the leading edge (nearest station).
double ThicknessAtMm(const RibDocument& document, double xMm);

// The rib cannot be drawn, cut or exported: no outline is left between the edge pieces.
RibWarningAt EdgeWarning(const RibDocument& document);
RibWarningAt SheetingWarning(const RibDocument& document, float sheetingMm);
// A row as it would be stored (the document gives the chord, sheeting and contours); a
// row without a position is no spar or hole and has nothing to warn of.
RibWarningAt SparWarning(const RibDocument& document, const SparRow& row, int index);
RibWarningAt HoleWarning(const RibDocument& document, const HoleRow& row, int index);

// Every warning of the rib as it stands, the edge pieces first, then the sheeting, then the spars and holes in
// their order. Nothing without an airfoil or a chord.
std::vector<RibWarningAt> FindRibWarnings(const RibDocument& document);

}  // namespace core
