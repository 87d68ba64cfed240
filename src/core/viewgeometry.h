#pragma once
// Where the main view puts the rib: the one rule shared by the window and the batch renderer.
#include "core/ribstate.h"

namespace core {

inline constexpr double kViewLeftMarginTwips = 283.5;  // 5 mm from the left edge at rest
inline constexpr double kViewTopMarginTwips = 850.5;   // highest point 15 mm below the top at rest

// Sets chordTwips, originX and originY from the zoom, the scroll values, the chord, the
// airfoil's highest point and, with blocks, the block's height (the rib moves down by half
// of it so that the block shows whole).
void PlaceViewOrigin(SharedState& s);

}  // namespace core
