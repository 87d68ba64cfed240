#pragma once
// Reading and writing the numbers of the feature windows' boxes (tabs, blocks, square
// leading edge, inserted text).
#include <string>

#include "commands/ribedit.h"
#include "core/lengths.h"
#include "core/ribdocument.h"

namespace ribwindows {

// A typed length with its millimetres. A text that cannot be read reads as 0; the window
// says so beside the box while it is typed (UnreadableText), never in a message box.
core::Length LengthFromBox(const std::string& typed, const std::string& unitText);

// Whether a box's length cannot be read: malformed, or negative where no value may be
// (in inches "-" is let through for "7-1/2", so "-1/2" reaches boxes that take no sign).
bool UnreadableLength(const std::string& typed, const std::string& unitText, bool negativeAllowed = false);
bool UnreadablePosition(const std::string& typed, const std::string& unitText);

// What the user is told beside a box whose text cannot be read, in their language: the
// text, then the forms a box takes (in inches the fractions too).
std::string UnreadableText(const std::string& typed, const std::string& unitText);
// The forms a number box takes, for its tool tip: Message/25, and Message/26 in inches.
std::string AcceptedFormsText(bool inches);

using core::UnitNumberText;

// An angle in degrees for a box: "0" rather than "-0".
std::string AngleText(float degrees);

// "<section/1> <chord><unit>": a feature window is titled with the chord it works on.
std::string ChordWindowTitle(const char* section, const core::RibDocument& document);

// A length for a label: in the unit in force, followed by the unit.
std::string LengthLabelText(double mm, const std::string& unitText);

using commands::kBoardAngleLimit;

}  // namespace ribwindows
