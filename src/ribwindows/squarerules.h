#pragma once
// The square leading-edge window's rules: its three boxes and what Apply stores.
#include <string>

#include "core/ribdocument.h"

namespace ribwindows {

struct SquareBoxes {
  std::string size;  // side of the square strip
  std::string x;     // centre from the leading edge
  std::string y;     // centre above the chord line (negative below)
};

SquareBoxes SquareBoxesFromDocument(const core::RibDocument& d);

// The largest side: 50 mm, or 2 in.
float SquareSideLimitMm(const std::string& unitText);

// Apply: a side above the limit is told (FrmBacarre/5 with " 50 mm" or " 2 inches") and
// clamped; a centre beyond the chord is told (FrmBacarre/6) and set to 0. Messages are
// titled `windowTitle`. Then the square leading edge replaces the plain piece. Returns
// the boxes as they must show afterwards.
SquareBoxes ApplySquareLeadingEdge(core::RibDocument& d, const SquareBoxes& boxes, const std::string& windowTitle);

}  // namespace ribwindows
