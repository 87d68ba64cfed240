#pragma once
// The rules of the one-value input window (chord, sheeting, edge-piece depths, reference
// lines): what it shows, which keys it takes, how it stores. Plain functions so they are
// tested without a screen.
#include <string>
#include <vector>

#include "core/ribstate.h"

namespace features {

// The inputKind values of the menu commands; "vril" exists for the help topic only.
inline constexpr const char* kInputChord = "corde";
inline constexpr const char* kInputSheeting = "epcof";
inline constexpr const char* kInputLeadingEdge = "ba";
inline constexpr const char* kInputTrailingEdge = "bf";
inline constexpr const char* kInputMarks = "rep";

struct InputTexts {
  std::string boxText;
  std::string prompt;
  std::string title;
};
// What the window shows for the kind in s.inputKind.
InputTexts InputWindowTexts(const core::SharedState& s);

// Help topic of the kind: 40 for the dimensions, 50 for the reference lines and washout.
int InputHelpTopic(const std::string& inputKind);

// Windows that show values derived from the chord or the sheeting (block, tab, spar and
// hole windows) refresh through this while they are open.
class DimensionFollower {
 public:
  virtual ~DimensionFollower() = default;
  virtual void ChordChanged(const core::SharedState&) {}
  virtual void SheetingChanged(const core::SharedState&) {}
};
void AddDimensionFollower(DimensionFollower* follower);
void RemoveDimensionFollower(DimensionFollower* follower);

// Stores the typed text for s.inputKind (OK). Refusals are told in message boxes titled
// `windowTitle`; the returned text is what the box holds afterwards ("255" after a
// clamped reference-line count).
std::string StoreInput(core::SharedState& s, const std::string& typed, const std::string& windowTitle);

}  // namespace features
