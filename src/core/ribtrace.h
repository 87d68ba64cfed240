#pragma once
// The rib trace: draws the construction of the current set-up on a drawing target.
#include "core/ribconstruction.h"
#include "core/ribstate.h"
#include "platform/drawtarget.h"

namespace core {

// Builds the rib, leaves the trace's values in the state (scale, scaleY, chordTwipsY,
// relSheeting, trailingEdgeMid, the sheeting stations, overlap and offsets, blockOffset,
// the recomputed spar and hole positions) and draws it. The caller sets originX, originY
// and zoom beforehand; originX itself is left as the caller set it.
void DrawRib(SharedState& s, platform::DrawTarget& target);

// Draws a construction built already, at the state's origin and zoom.
void DrawConstruction(const RibConstruction& c, const SharedState& s, platform::DrawTarget& target);

}  // namespace core
