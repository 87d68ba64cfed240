#pragma once
// The block window's rules: what it shows, how typing is read and corrected, and what
// Apply stores. Plain functions so they are tested without a screen.
#include <string>

#include "commands/ribedit.h"
#include "core/changes.h"
#include "core/ribdocument.h"
#include "ribwindows/boardrules.h"

namespace ribwindows {

// The boxes of the window in their order (0 to 5) and the tail option.
using commands::BlockBoxes;

// The angle shows as in the tab window: the document keeps it negated for both.
BlockBoxes BlockBoxesFromDocument(const core::RibDocument& document);

// The block's two lengths as typed (millimetres; an empty box reads 0).
double TypedBlockLength(const std::string& typed, const core::RibDocument& document);
// The board angle; above 20 or below -20 it is told (FrmBloc/8 or /9, title "Washout
// angle") and clamped.
TypedValue TypedBlockAngle(const std::string& typed);

// The total length label: ahead of the leading edge, the chord and behind the trailing
// edge, with the unit.
std::string BlockTotalText(double leadingMm, double trailingMm, const core::RibDocument& document);

// The airfoil's lowest and highest points at the current chord, with the unit.
struct AirfoilHeightTexts {
  std::string lowest;
  std::string highest;
};
AirfoilHeightTexts AirfoilHeights(const core::RibDocument& document);

// Apply through commands::ApplyEdit: the rib goes on its block; announced. Returns the
// angle box's text as stored.
std::string ApplyBlocks(core::RibDocument& document, const BlockBoxes& boxes);

}  // namespace ribwindows
