#include "ribwindows/holerules.h"

#include "platform/help.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace ribwindows {

bool HoleFits(const core::HoleRow& row, const core::RibDocument& document, bool committing) {
  const PositionCheck position = CheckPosition(row.positionText, row.fromTrailingEdge == 1, document, committing);
  if (position.settled) return position.fits;
  return position.mm >= -kTouchMm && position.mm <= document.rib.chord.mm + kTouchMm;
}

HoleFields HoleTraits::FieldsOf(const core::HoleRow& row) {
  HoleFields f;
  f.position = row.positionText;
  f.size = row.size.text;
  f.height = row.height.text;
  f.offset = row.offset.text;
  f.centred = row.centred == 1;
  f.fromTrailingEdge = row.fromTrailingEdge == 1;
  f.shape = row.shape;
  return f;
}

core::HoleRow HoleTraits::RowOf(const HoleFields& f, const core::HoleRow& base, const core::RibDocument& document) {
  const std::string& unit = document.settings.unitText;
  core::HoleRow row = base;
  row.positionText = f.position;
  row.fromTrailingEdge = KeptEdge(f.position, f.fromTrailingEdge);
  row.size = LengthFromBox(f.size, unit);
  row.height = LengthFromBox(f.height, unit);
  // The sign belongs to the whole length: -1.1/2 in is -1.5 in.
  row.offset = f.centred ? core::Length{0, "0"} : LengthFromBox(f.offset, unit);
  row.centred = f.centred ? 1.0f : 0.0f;
  row.shape = f.shape;
  return row;
}

const std::string* HoleTraits::Unreadable(const HoleFields& f, const std::string& unitText) {
  if (!IsBlankPosition(f.position) && UnreadablePosition(f.position, unitText)) return &f.position;
  if (UnreadableLength(f.size, unitText)) return &f.size;
  // A greyed box cannot be mended, so only the boxes in use are judged.
  if (HoleShapeBoxesFor(f.shape).heightUsed && UnreadableLength(f.height, unitText)) return &f.height;
  if (!f.centred && UnreadableLength(f.offset, unitText, /*negativeAllowed=*/true)) return &f.offset;
  return nullptr;
}

HoleShapeBoxes HoleShapeBoxesFor(core::HoleShape shape) {
  HoleShapeBoxes b;
  b.heightUsed = shape == core::HoleShape::Rectangle;
  b.sizeCaption = platform::Text(b.heightUsed ? keys::RectangularHoleSizeLabel : keys::RoundHoleSizeLabel);
  b.heightCaption = platform::Text(keys::RectangularHoleHeightLabel);
  return b;
}

std::string HoleOffsetCaption(bool centred) {
  return platform::Text(centred ? keys::HoleCentreAt : keys::HoleOffsetFrom);
}

int HoleHelpTopic() { return platform::kTopicHoles; }

}  // namespace ribwindows
