#pragma once
// What follows from a change of the document, worked out by whoever made the change before
// it announces it, so that every listener (and the rib's history) sees the document whole:
// the windows, the commands and the batch program all call Settle.
#include "core/caption.h"
#include "core/changes.h"
#include "core/ribdocument.h"

namespace core {

// A new airfoil or a new chord recomposes the automatic caption, which names both. While
// the board lies parallel to the chord, a chord or sheeting change moves the tab board
// distances with the airfoil, and a new airfoil fills distances left at 0 (opening an
// airfoil clears them). A set-up put back whole (Change::Restored, undo and redo) is taken
// as it is: it was settled when it was made.
void Settle(RibDocument& document, Changes what, const CaptionWords& words);

// Distances at which the board touches the inner contour: the airfoil's lowest point (or
// highest) less the sheeting, as box texts in the unit in force. `lower.mm` and `upper.mm`
// are both the typed (positive) millimetres.
struct TabBoardDistances {
  Length lower;
  Length upper;
};
TabBoardDistances DefaultTabDistances(const RibDocument& document);

// While the board lies parallel to the chord the distances follow the airfoil. False when
// nothing changed.
bool TabDistancesFollowAirfoil(RibDocument& document);
// Distances of 0 would put the board on the chord line through the rib: they take the
// airfoil's defaults. Distances a project brought are kept.
bool TabDistancesForNewAirfoil(RibDocument& document);

}  // namespace core
