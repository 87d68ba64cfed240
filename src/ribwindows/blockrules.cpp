#include "ribwindows/blockrules.h"

#include "core/lengths.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"

namespace ribwindows {

using platform::Text;

namespace {
// The board angle's limits are told under the menu entry's own words.
std::string AngleMessageTitle() { return platform::MenuTitle(keys::BlockEntry); }
}  // namespace

BlockBoxes BlockBoxesFromDocument(const core::RibDocument& document) {
  const core::Blocks& b = document.rib.blocks;
  return {b.baseHeight.text, b.leadingExtension.text, b.trailingExtension.text, b.seatDepth.text,
          b.topHeight.text,  ShownBoardAngle(document), b.tail};
}

double TypedBlockLength(const std::string& typed, const core::RibDocument& document) {
  return core::LengthFromText(typed.empty() ? "0" : typed, document.settings.unitText);
}

TypedValue TypedBlockAngle(const std::string& typed) {
  return TypedBoardAngle(typed, {Text(keys::BlockAngleAboveLimit) + " 20\u00b0",
                                 Text(keys::BlockAngleBelowLimit) + " -20\u00b0", AngleMessageTitle()});
}

std::string BlockTotalText(double leadingMm, double trailingMm, const core::RibDocument& document) {
  return LengthLabelText(leadingMm + document.rib.chord.mm + trailingMm, document.settings.unitText);
}

AirfoilHeightTexts AirfoilHeights(const core::RibDocument& document) {
  const double chord = document.rib.chord.mm;
  return {UnitNumberText(chord * document.prepared.yMin, document.settings.unitText) + document.settings.unitText,
          UnitNumberText(chord * document.prepared.yMax, document.settings.unitText) + document.settings.unitText};
}

std::string ApplyBlocks(core::RibDocument& document, const BlockBoxes& boxes) {
  commands::ApplyEdit(document, commands::SetBlocks{boxes});
  return ShownBoardAngle(document);
}

}  // namespace ribwindows
