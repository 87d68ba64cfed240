#include "ribwindows/blockrules.h"

#include "core/typednumber.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"

namespace ribwindows {

using platform::Text;

namespace {
// The board angle's limits are told under the menu entry's own words.
std::string AngleMessageTitle() { return platform::MenuTitle("MenuLayout", "4"); }
}  // namespace

std::string BlockWindowTitle(const core::RibDocument& d) {
  return Text("FrmBloc", "1") + " " + d.rib.chord.text + d.settings.unitText;
}

BlockBoxes BlockBoxesFromDocument(const core::RibDocument& d) {
  const core::Blocks& b = d.rib.blocks;
  return {b.baseHeight.text, b.leadingExtension.text, b.trailingExtension.text, b.seatDepth.text,
          b.topHeight.text,  AngleText(-d.rib.boardAngle), b.tail};
}

double TypedBlockLength(const std::string& typed, const core::RibDocument& d) {
  return core::LengthFromText(typed.empty() ? "0" : typed, d.settings.unitText);
}

TypedValue TypedBlockAngle(const std::string& typed) {
  const double angle = core::NumberFromText(typed);
  if (angle > kBoardAngleLimit) {
    platform::Inform(Text("FrmBloc", "8") + " 20\u00b0", AngleMessageTitle());
    return {kBoardAngleLimit, "20"};
  }
  if (angle < -kBoardAngleLimit) {
    platform::Inform(Text("FrmBloc", "9") + " -20\u00b0", AngleMessageTitle());
    return {-kBoardAngleLimit, "-20"};
  }
  return {angle, ""};
}

std::string BlockTotalText(double leadingMm, double trailingMm, const core::RibDocument& d) {
  const double total = leadingMm + d.rib.chord.mm + trailingMm;
  return core::LengthToText(static_cast<float>(total), d.settings.unitText) + d.settings.unitText;
}

AirfoilHeightTexts AirfoilHeights(const core::RibDocument& d) {
  const double chord = d.rib.chord.mm;
  return {UnitNumberText(chord * d.prepared.yMin, d.settings.unitText) + d.settings.unitText,
          UnitNumberText(chord * d.prepared.yMax, d.settings.unitText) + d.settings.unitText};
}

std::string ApplyBlocks(core::RibDocument& d, const BlockBoxes& boxes) {
  commands::ApplyEdit(d, commands::SetBlocks{boxes});
  return AngleText(-d.rib.boardAngle);
}

core::Changes RemoveBlocks(core::RibDocument& d) {
  return commands::ApplyEdit(d, commands::TakeOffBase{core::BaseMode::Blocks}).changed;
}

}  // namespace ribwindows
