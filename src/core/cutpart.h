#pragma once
// The rib as the pieces of sheet a laser cutter or a router cuts out, made from the rib's
// construction: one closed outer loop per part, its openings as closed inner loops, round
// holes kept as circles, and optional engraving marks apart from them. Millimetres, the
// leading edge at x = 0, y up, always upright.
#include <optional>
#include <string>
#include <vector>

#include "core/ribconstruction.h"
#include "core/ribdocument.h"

namespace core {

struct CutCircle {
  PointMm centre;
  double radiusMm = 0;
};

// One piece: the outer loop counter-clockwise, inner loops clockwise, each corner listed
// once (the last vertex joins the first).
struct CutPiece {
  std::vector<PointMm> outer;
  std::vector<std::vector<PointMm>> holes;
  std::vector<CutCircle> circles;
};

// Engraving or scoring: open lines and texts, never cut through.
struct CutMark {
  std::vector<PointMm> points;  // a line; empty for a text
  std::string text;
  PointMm baseline;             // a text's left end of its base line
  double heightMm = 0;          // a text's capital height
  double angleDegrees = 0;      // a text's turn about its base line's left end
  bool caption = false;         // the rib's caption, which may move to find room on a part
  bool number = false;          // a reference line's number, which may move up its line
};

struct CutOptions {
  double kerfMm = 0;   // width of the cut; the parts come out at their drawn size
  bool marks = false;  // chord line, reference lines and numbers, caption, board line
  // The caption engraved or not, whatever `marks` says; unset, it goes with the marks.
  std::optional<bool> caption = std::nullopt;
};

struct CutLayout {
  std::vector<CutPiece> rib;  // usually one; a cut right through the rib leaves several
  std::vector<CutPiece> jig;  // the block, when its lines close
  std::vector<CutMark> marks;
  int holesTooSmallForKerf = 0;  // round holes the kerf alone is wider than, left out
  bool ok = false;               // false: no rib could be formed (no airfoil, zero chord)
  bool noRibLeft = false;        // not formed because the sheeting leaves nothing of the rib
};

// The document's construction as it is cut: upright, with the outline the cut follows.
RibConstruction BuildCutConstruction(const RibDocument& document);

CutLayout BuildCutLayout(const RibConstruction& c, const CutOptions& options);

// Signed area of a closed loop (positive counter-clockwise), square millimetres.
double LoopArea(const std::vector<PointMm>& loop);

// The bounding box of every loop, circle and mark line of a layout.
BoundsMm BoundsOf(const CutLayout& layout);

}  // namespace core
