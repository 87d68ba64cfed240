#include "ribwindows/sparrules.h"

#include "platform/help.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace ribwindows {

bool SparFits(const core::SparRow& row, const core::RibDocument& document, bool committing) {
  const PositionCheck position = CheckPosition(row.positionText, row.fromTrailingEdge == 1, document, committing);
  if (position.settled) return position.fits;
  const float chord = document.rib.chord.mm;
  const float pos = position.mm;
  const float half = row.width.mm / 2;
  return pos <= chord + kTouchMm && pos - half >= -kTouchMm && pos + half <= chord + kTouchMm;
}

SparFields SparTraits::FieldsOf(const core::SparRow& row) {
  SparFields f;
  f.position = row.positionText;
  f.width = row.width.text;
  f.height = row.height.text;
  f.inset = row.inset.text;
  f.upper = row.upper;
  f.lower = row.lower;
  f.shape = row.shape;
  f.fromTrailingEdge = row.fromTrailingEdge == 1;
  return f;
}

core::SparRow SparTraits::RowOf(const SparFields& f, const core::SparRow& base, const core::RibDocument& document) {
  const std::string& unit = document.settings.unitText;
  core::SparRow row = base;
  row.positionText = f.position;
  row.fromTrailingEdge = KeptEdge(f.position, f.fromTrailingEdge);
  row.width = LengthFromBox(f.width, unit);
  row.height = LengthFromBox(f.height, unit);
  row.inset = LengthFromBox(f.inset, unit);
  row.upper = f.upper;
  row.lower = f.lower;
  row.shape = f.shape;
  return row;
}

const std::string* SparTraits::Unreadable(const SparFields& f, const std::string& unitText) {
  if (!IsBlankPosition(f.position) && UnreadablePosition(f.position, unitText)) return &f.position;
  const SparShapeBoxes used = SparShapeBoxesFor(f.shape);
  // A greyed box cannot be mended, so only the boxes the shape uses are judged.
  for (const std::string* typed : {&f.width, used.heightUsed ? &f.height : nullptr, used.insetEnabled ? &f.inset : nullptr})
    if (typed && UnreadableLength(*typed, unitText)) return typed;
  return nullptr;
}

SparShapeBoxes SparShapeBoxesFor(core::SparShape shape) {
  SparShapeBoxes b;
  b.heightUsed = shape != core::SparShape::Round;
  b.insetEnabled = shape == core::SparShape::Round || shape == core::SparShape::Inset;
  b.widthCaption = platform::Text(shape == core::SparShape::Round ? keys::RoundSparWidthLabel : keys::SparWidthLabel);
  b.heightCaption = platform::Text(keys::SparHeightLabel);
  return b;
}

int SparHelpTopic() { return platform::kTopicSpars; }

}  // namespace ribwindows
