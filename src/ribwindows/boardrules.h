#pragma once
// What the tab and block windows share: the rib stands on a building board at an angle,
// typed in either window and stored once for both, and either window takes it off again.
#include <string>

#include "core/changes.h"
#include "core/ribdocument.h"

namespace ribwindows {

// A box as read while the user types, and the text it must show instead when corrected.
struct TypedValue {
  double value = 0;
  std::string correctedText;  // empty: the box stays as typed
};

// What a window tells when the typed angle goes beyond 20 degrees one way or the other.
struct AngleLimitWords {
  std::string above;  // past +20
  std::string below;  // past -20
  std::string title;
};
// The board angle in degrees; beyond 20 either way it is told and clamped with its sign.
TypedValue TypedBoardAngle(const std::string& typed, const AngleLimitWords& words);

// The angle as both windows show it: the document keeps it negated.
std::string ShownBoardAngle(const core::RibDocument& document);

// Takes the rib off its tabs or its block (the values stay for the next time); announced.
core::Changes TakeRibOffBase(core::RibDocument& document, core::BaseMode base);

}  // namespace ribwindows
