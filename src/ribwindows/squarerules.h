#pragma once
// The square leading-edge window's rules: its three boxes and what Apply stores.
#include <string>

#include "commands/ribedit.h"
#include "core/ribdocument.h"

namespace ribwindows {

using commands::SquareBoxes;

SquareBoxes SquareBoxesFromDocument(const core::RibDocument& document);

using commands::SquareSideLimitMm;

// Apply through commands::ApplyEdit, announced: a side above the limit is clamped, a
// centre beyond the chord set to 0, each told in a box titled `windowTitle`; the square
// leading edge replaces the plain piece. Returns the boxes as they must show afterwards.
SquareBoxes ApplySquareLeadingEdge(core::RibDocument& document, const SquareBoxes& boxes,
                                   const std::string& windowTitle);

}  // namespace ribwindows
