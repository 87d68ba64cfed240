#pragma once
// The spar window's rules: what its boxes and options hold, how they become a row of the
// spar table, and the check that a spar lies within the chord.
#include <string>
#include <utility>

#include "core/ribdocument.h"
#include "core/ribwarnings.h"
#include "ribwindows/slottableeditor.h"

namespace ribwindows {

struct SparFields {
  std::string position;  // a length or "n%" of the chord
  std::string width;     // the diameter of a round spar
  std::string height;
  std::string inset;
  core::SparCut upper = core::SparCut::None;
  core::SparCut lower = core::SparCut::None;
  core::SparShape shape = core::SparShape::Notch;
  bool fromTrailingEdge = false;
  bool operator==(const SparFields&) const = default;
};

// A spar fits when it lies wholly within the chord: its centre from 0 to the chord and its
// edges no further out than the leading and trailing edges (touching them is allowed).
// A committed spar needs a position; the pending row may be blank (no spar yet).
bool SparFits(const core::SparRow& row, const core::RibDocument& document, bool committing);

struct SparTraits {
  using Row = core::SparRow;
  using Fields = SparFields;
  static constexpr const char* kSection = "Frmlongeron";
  static constexpr const char* kFullKey = "25";
  static constexpr const char* kNoSelectionKey = "26";
  static constexpr const char* kPositionKey = "27";
  static core::SparTable& Table(core::RibDocument& d) { return d.rib.spars; }
  static const core::SparTable& Table(const core::RibDocument& d) { return d.rib.spars; }
  static commands::RibEdit Edit(core::SparTable table) { return commands::SetSpars{std::move(table)}; }
  static int& Marked(core::RibDocument& d) { return d.view.markedSpar; }
  static Fields FieldsOf(const Row& row);
  // The boxes as a row; `base` gives what the boxes do not show.
  static Row RowOf(const Fields& f, const Row& base, const core::RibDocument& document);
  static bool Fits(const Row& row, const core::RibDocument& d, bool committing) { return SparFits(row, d, committing); }
  static const std::string& PositionText(const Fields& f) { return f.position; }
  static core::RibWarningAt Warning(const core::RibDocument& d, const Row& row, int index) {
    return core::SparWarning(d, row, index);
  }
  // The first box in use whose text cannot be read, or null.
  static const std::string* Unreadable(const Fields& f, const std::string& unitText);
};

// What the shape option does to the boxes: a round spar has no height (the box is greyed
// and reads "0") and takes a diameter; shapes 2 and 3 use the inset.
struct SparShapeBoxes {
  bool heightUsed = true;
  bool insetEnabled = false;
  std::string widthCaption;  // Frmlongeron/6, or /8 for the diameter
  std::string heightCaption;
};
SparShapeBoxes SparShapeBoxesFor(core::SparShape shape);

int SparHelpTopic();

}  // namespace ribwindows
