#include "ribwindows/blockrules.h"

#include "core/lengths.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"

namespace ribwindows {

using platform::Text;

namespace {
// The board angle's limits are told under the menu entry's own words.
std::string AngleMessageTitle() { return platform::MenuTitle("MenuLayout", "4"); }
}  // namespace

BlockBoxes BlockBoxesFromDocument(const core::RibDocument& d) {
  const core::Blocks& b = d.rib.blocks;
  return {b.baseHeight.text, b.leadingExtension.text, b.trailingExtension.text, b.seatDepth.text,
          b.topHeight.text,  ShownBoardAngle(d), b.tail};
}

double TypedBlockLength(const std::string& typed, const core::RibDocument& d) {
  return core::LengthFromText(typed.empty() ? "0" : typed, d.settings.unitText);
}

TypedValue TypedBlockAngle(const std::string& typed) {
  return TypedBoardAngle(typed, {Text("FrmBloc", "8") + " 20\u00b0", Text("FrmBloc", "9") + " -20\u00b0",
                                 AngleMessageTitle()});
}

std::string BlockTotalText(double leadingMm, double trailingMm, const core::RibDocument& d) {
  return LengthLabelText(leadingMm + d.rib.chord.mm + trailingMm, d.settings.unitText);
}

AirfoilHeightTexts AirfoilHeights(const core::RibDocument& d) {
  const double chord = d.rib.chord.mm;
  return {UnitNumberText(chord * d.prepared.yMin, d.settings.unitText) + d.settings.unitText,
          UnitNumberText(chord * d.prepared.yMax, d.settings.unitText) + d.settings.unitText};
}

std::string ApplyBlocks(core::RibDocument& d, const BlockBoxes& boxes) {
  commands::ApplyEdit(d, commands::SetBlocks{boxes});
  return ShownBoardAngle(d);
}

}  // namespace ribwindows
