#pragma once
// Where the main view puts the rib: the one rule shared by the window and the batch renderer.
#include "core/ribdocument.h"

namespace core {

inline constexpr double kViewLeftMarginMm = 5;  // from the left edge at rest
inline constexpr double kViewTopMarginMm = 15;  // from the top to the highest point at rest

// One step of the view's scroll bars moves the picture by this part of the chord as drawn.
inline constexpr double kScrollStepsPerChord = 113.4;
// How far one scroll step moves the picture at a chord and zoom, millimetres; the first at
// the document's own.
double ScrollStepMm(const RibDocument& document);
double ScrollStepMm(double chordMm, double zoom);

// The chord line reaches this far past the outline's ends on a target, whatever the zoom,
// so that it shows beyond them: about 0.018 mm, kept to the digit so that drawings stay as
// they were.
inline constexpr double kChordOverhangMm = 0.01763668430335097;

// Where and how large the rib is drawn on a target, millimetres on the target.
struct ViewPlacement {
  float zoom = 1;
  double originX = 0;  // the chord line's leading edge
  double originY = 0;
  double chordMm = 0;  // the chord's length on the target
};

// The placement from the zoom, the scroll values, the chord, the airfoil's highest point
// and, with blocks, the block's height (the rib moves down by half of it so that the block
// shows whole); the thickness and camber view moves down by how far the changed airfoil's
// upper surface at a quarter of the chord differs from the highest point.
ViewPlacement PlaceView(const RibDocument& document);

}  // namespace core
