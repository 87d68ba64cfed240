#pragma once
// Reading and writing the numbers of the feature windows' boxes (tabs, blocks, square
// leading edge, inserted text).
#include <string>

#include "core/lengths.h"
#include "core/ribdocument.h"

namespace ribwindows {

// A typed length with its millimetres. A malformed inch text reads as 0 and is told.
core::Length LengthFromBox(const std::string& typed, const std::string& unitText);

using core::UnitNumberText;

// An angle in degrees for a box: "0" rather than "-0".
std::string AngleText(float degrees);

// A board angle typed in a box, within -20..20 degrees.
inline constexpr float kBoardAngleLimit = 20;

}  // namespace ribwindows
