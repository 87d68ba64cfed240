#include <gtest/gtest.h>

#include "core/newrib.h"

// A new rib must not carry anything of the previous one into the next project, but the
// chord, sheeting and text size are settings the caller fills in again, not features.
TEST(NewRib, clearsEveryFeatureOfThePreviousRib) {
  core::SharedState s;
  s.chord = 320;
  s.chordText = "320";
  s.textFontSize = 6;
  s.spars.sparLast = 4;
  s.spars.sparPosText[3] = "30%";
  s.spars.sparType[3] = 2;
  s.holes.holeLast = 2;
  s.holes.holeReserved[1] = "0";
  s.leadingEdgeStyle = 0;
  s.squareLeSizeText = "6";
  s.trailingEdgeDepth = 12;
  s.markCount = 5;
  s.boardAngle = -3;
  s.baseMode = 11;
  s.tabSide = 1;
  s.tabUpperDistText = "8";
  s.tabReach = 40;
  s.blockTotal = 250;
  s.blockTailSide = 1;
  s.annotationText = "mine";
  s.annotationIsUser = true;
  s.textYText = "-4";
  s.reservedLine16 = "x";
  s.maxThickness = 0.12;
  s.hScroll = 3;
  s.compareShown = true;

  core::ResetRib(s);

  EXPECT_EQ(s.spars.sparLast, 0);
  EXPECT_EQ(s.spars.sparPosText[3], "");
  EXPECT_EQ(s.spars.sparType[3], 0);
  EXPECT_EQ(s.holes.holeLast, 0);
  EXPECT_EQ(s.holes.holeReserved[1], "");
  EXPECT_EQ(s.leadingEdgeStyle, 1);
  EXPECT_EQ(s.squareLeSizeText, "0");
  EXPECT_EQ(s.trailingEdgeDepth, 0);
  EXPECT_EQ(s.markCount, 0);
  EXPECT_EQ(s.boardAngle, 0);
  EXPECT_EQ(s.baseMode, 0);
  EXPECT_EQ(s.tabSide, 0);
  EXPECT_EQ(s.tabUpperDistText, "0");
  EXPECT_EQ(s.tabReach, 0);
  EXPECT_EQ(s.blockTotal, 0);
  EXPECT_EQ(s.blockTailSide, 0);
  EXPECT_EQ(s.annotationText, "");
  EXPECT_FALSE(s.annotationIsUser);
  EXPECT_EQ(s.textYText, "0");
  EXPECT_EQ(s.reservedLine16, "");
  EXPECT_EQ(s.maxThickness, 0);
  EXPECT_EQ(s.hScroll, 0);
  EXPECT_FALSE(s.compareShown);

  EXPECT_EQ(s.chordText, "320");
  EXPECT_EQ(s.textFontSize, 6);
}

TEST(NewRib, clearRibAlsoDropsTheAirfoilAndTheFlags) {
  core::SharedState s;
  s.airfoilLoaded = true;
  s.airfoilName = "clarky";
  s.projectSaved = true;
  s.projectModified = true;
  s.inverted = true;
  s.traceShown = false;
  s.quietRead = true;
  s.formerShown = true;
  s.zoom = 3;
  core::ClearRib(s);
  EXPECT_FALSE(s.airfoilLoaded);
  EXPECT_EQ(s.airfoilName, "");
  EXPECT_FALSE(s.projectSaved);
  EXPECT_FALSE(s.projectModified);
  EXPECT_FALSE(s.inverted);
  EXPECT_TRUE(s.traceShown);
  EXPECT_FALSE(s.quietRead);
  EXPECT_FALSE(s.formerShown);
  EXPECT_EQ(s.zoom, 1);
}
