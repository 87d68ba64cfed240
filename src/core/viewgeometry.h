#pragma once
// Where the main view puts the rib: the one rule shared by the window and the batch renderer.
#include "core/ribdocument.h"

namespace core {

inline constexpr double kViewLeftMarginTwips = 283.5;  // 5 mm from the left edge at rest
inline constexpr double kViewTopMarginTwips = 850.5;   // highest point 15 mm below the top at rest

// Where and how large the rib is drawn on a target, in twips.
struct ViewPlacement {
  float zoom = 1;
  float originX = 0;     // the chord line's leading edge
  float originY = 0;
  float chordTwips = 0;  // the chord's length on the target
};

// The placement from the zoom, the scroll values, the chord, the airfoil's highest point
// and, with blocks, the block's height (the rib moves down by half of it so that the block
// shows whole); the thickness and camber view moves down by how far the changed airfoil's
// upper surface at a quarter of the chord differs from the highest point.
ViewPlacement PlaceView(const RibDocument& document);

}  // namespace core
