#pragma once
// Parts laid out on sheets of material for cutting: each part's outer outline is placed on
// a sheet, as it is or turned half a turn (never mirrored, so the grain stays along the
// chord), keeping a gap between parts and to the sheet's edges. Millimetres; a sheet's
// origin is its lower-left corner, x along its length.
#include <vector>

#include "core/ribconstruction.h"

namespace core {

struct SheetSize {
  double lengthMm = 1000;  // along x, the grain
  double widthMm = 100;
};

// Where one part goes: turned parts first turn half a turn about their own origin, then
// every part moves by `offset`.
struct NestPlacement {
  int sheet = -1;
  bool turned = false;
  PointMm offset;
};

enum class NestProblem {
  None,
  Sheet,         // the sheet or the gap leaves no room for anything
  TooLargePart,  // a part fits on no sheet, turned or not
};

struct NestLayout {
  std::vector<NestPlacement> placements;  // one per part, in the parts' order
  int sheets = 0;
  NestProblem problem = NestProblem::None;
  int tooLargePart = -1;  // with TooLargePart: the first part, in the parts' order
};

// A part's point as placed.
PointMm Placed(const NestPlacement& placement, PointMm p);

// Lays the parts out, the largest first, each on the first sheet where it fits, as far
// towards the sheet's start and then its lower edge as it goes. The same parts give the
// same layout every time.
NestLayout NestParts(const std::vector<std::vector<PointMm>>& outlines, SheetSize sheet, double gapMm);

}  // namespace core
