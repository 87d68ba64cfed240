#include "core/newrib.h"

namespace core {

void ResetRib(SharedState& s) {
  s.spars = SparTable{};
  s.holes = HoleTable{};

  s.leadingEdgeDepth = 0;
  s.leadingEdgeText = "0";
  s.leadingEdgeStyle = 1;
  s.trailingEdgeDepth = 0;
  s.trailingEdgeText = "0";
  s.squareLeSize = 0;
  s.squareLeSizeText = "0";
  s.squareLeX = 0;
  s.squareLeXText = "0";
  s.squareLeY = 0;
  s.squareLeYText = "0";
  s.reservedLine16.clear();

  s.markCount = 0;
  s.boardAngle = 0;
  s.baseMode = 0;

  s.blockHeight0 = 0;
  s.blockHeight0Text = "0";
  s.blockHeight4 = 0;
  s.blockHeight4Text = "0";
  s.blockLe = 0;
  s.blockLeText = "0";
  s.blockTe = 0;
  s.blockTeText = "0";
  s.blockDepth = 0;
  s.blockDepthText = "0";
  s.blockTotal = 0;
  s.blockTailSide = 0;

  s.tabSide = 0;
  s.tabLowerDist = 0;
  s.tabLowerDistText = "0";
  s.tabUpperDist = 0;
  s.tabUpperDistText = "0";
  s.tabLength = 0;
  s.tabLengthText = "0";
  s.tabRear = 0;
  s.tabRearText = "0";
  s.tabReach = 0;

  s.annotationText.clear();
  s.textX = 0;
  s.textXText = "0";
  s.textY = 0;
  s.textYText = "0";
  s.annotationIsUser = false;

  s.maxThickness = 0;
  s.maxCamber = 0;
  s.hScroll = 0;
  s.vScroll = 0;
  s.epCourbShown = false;
  s.compareShown = false;
}

void ClearRib(SharedState& s) {
  s.projectSaved = false;
  ResetRib(s);
  s.inverted = false;
  s.traceShown = true;
  s.airfoilName.clear();
  s.airfoilTitle.clear();
  s.airfoilLoaded = false;
  s.projectModified = false;
  s.dialogCancelled = false;
  s.quietRead = false;
  s.formerShown = false;
  s.zoom = 1;
}

}  // namespace core
