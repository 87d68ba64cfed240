#pragma once
// The hole window's rules: what its boxes and options hold, how they become a row of the
// hole table, and the check of the hole's centre.
#include <string>
#include <utility>

#include "core/ribdocument.h"
#include "core/ribwarnings.h"
#include "ribwindows/slottableeditor.h"

namespace ribwindows {

struct HoleFields {
  std::string position;  // a length or "n%" of the chord
  std::string size;      // diameter of a round hole, width of a rectangular one
  std::string height;
  std::string offset;    // may be negative
  bool centred = false;
  bool fromTrailingEdge = false;
  core::HoleShape shape = core::HoleShape::Round;
  bool operator==(const HoleFields&) const = default;
};

// A hole may cut the outline, but its centre lies on the chord: from the leading edge (not
// ahead of it) to the trailing edge. A committed hole needs a position.
bool HoleFits(const core::HoleRow& row, const core::RibDocument& document, bool committing);

struct HoleTraits {
  using Row = core::HoleRow;
  using Fields = HoleFields;
  static constexpr const char* kSection = "FrmTrou";
  static constexpr const char* kFullKey = "20";
  static constexpr const char* kNoSelectionKey = "21";
  static constexpr const char* kPositionKey = "22";
  static core::HoleTable& Table(core::RibDocument& d) { return d.rib.holes; }
  static const core::HoleTable& Table(const core::RibDocument& d) { return d.rib.holes; }
  static commands::RibEdit Edit(core::HoleTable table) { return commands::SetHoles{std::move(table)}; }
  static int& Marked(core::RibDocument& d) { return d.view.markedHole; }
  static Fields FieldsOf(const Row& row);
  // The boxes as a row; a centred hole's offset is 0 whatever the box held.
  static Row RowOf(const Fields& f, const Row& base, const core::RibDocument& document);
  static bool Fits(const Row& row, const core::RibDocument& d, bool committing) { return HoleFits(row, d, committing); }
  static const std::string& PositionText(const Fields& f) { return f.position; }
  static core::RibWarningAt Warning(const core::RibDocument& d, const Row& row, int index) {
    return core::HoleWarning(d, row, index);
  }
  // The first box in use whose text cannot be read, or null.
  static const std::string* Unreadable(const Fields& f, const std::string& unitText);
};

// What the shape option does to the boxes: a rectangle takes a width and a height, a round
// hole a diameter only.
struct HoleShapeBoxes {
  bool heightUsed = false;
  std::string sizeCaption;  // FrmTrou/8 (width) or /10 (diameter)
  std::string heightCaption;
};
HoleShapeBoxes HoleShapeBoxesFor(core::HoleShape shape);
// The offset's reference as the centred box gives it: FrmTrou/18 centred, else /17.
std::string HoleOffsetCaption(bool centred);

int HoleHelpTopic();

}  // namespace ribwindows
