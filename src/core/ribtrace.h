#pragma once
// The rib trace: draws the construction of the current set-up on a drawing target. Drawing
// only reads the document.
#include "core/ribconstruction.h"
#include "core/ribdocument.h"
#include "core/viewgeometry.h"
#include "platform/drawtarget.h"

namespace core {

// Builds the rib and draws it where `at` places it.
void DrawRib(const RibDocument& document, const ViewPlacement& at, const RibLabels& labels,
             platform::DrawTarget& target);

// Draws a construction built already.
void DrawConstruction(const RibConstruction& c, const ViewPlacement& at, platform::DrawTarget& target);

}  // namespace core
