#include "mainwindow/undorules.h"

namespace mainwindow {

const char* StepNameKey(const core::RibSetup& before, const core::RibSetup& after) {
  const core::RibSetup& a = before;
  const core::RibSetup& b = after;
  if (a.chord != b.chord) return "10";
  if (a.sheeting != b.sheeting) return "11";
  if (a.leadingEdgeStyle != b.leadingEdgeStyle || a.squareLeadingEdge != b.squareLeadingEdge) return "14";
  if (a.leadingEdge != b.leadingEdge) return "12";
  if (a.trailingEdge != b.trailingEdge) return "13";
  if (a.spars != b.spars) return "15";
  if (a.holes != b.holes) return "16";
  const bool tabsBefore = a.baseMode == core::BaseMode::Tabs, tabsAfter = b.baseMode == core::BaseMode::Tabs;
  const bool blocksBefore = a.baseMode == core::BaseMode::Blocks, blocksAfter = b.baseMode == core::BaseMode::Blocks;
  if (blocksBefore != blocksAfter || a.blocks != b.blocks) return "18";
  if (tabsBefore != tabsAfter || a.boardAngle != b.boardAngle || a.tabs != b.tabs) return "17";
  if (a.markCount != b.markCount) return "19";
  if (a.upsideDown != b.upsideDown) return "21";
  if (a.reshape != b.reshape) return "22";
  if (a.caption != b.caption) return "20";
  return "23";
}

std::string UndoMenuText(const std::string& verb, const std::string& stepName) {
  return stepName.empty() ? verb : verb + " " + stepName;
}

}  // namespace mainwindow
