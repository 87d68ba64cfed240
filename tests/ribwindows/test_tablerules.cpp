// The spar and hole windows' rules without a screen: the position checks in inches, and
// where the windows stand. (How the numbered labels look: the spar window's tests.)
#include <gtest/gtest.h>

#include "ribwindows/holerules.h"
#include "ribwindows/sparrules.h"
#include "ribwindows/windowplace.h"
#include "support/windowtest.h"

namespace {

class TableRules : public testsupport::WindowTest {};

// An eighth of an inch from the leading edge, a quarter inch wide: the spar touches the
// edge through two inch conversions and still fits; a 64th further forward it does not.
TEST_F(TableRules, InchSparsTouchTheEdgesDespiteRounding) {
  doc.settings.unitText = " in";
  doc.rib.chord = {203.2f, "8"};
  auto spar = [&](const char* pos, const char* width, bool fromTE) {
    core::SparRow row;
    row.positionText = pos;
    row.width = {std::string(width) == "1/4" ? 6.35f : 0.0f, width};
    row.fromTrailingEdge = fromTE ? 1 : 0;
    return ribwindows::SparFits(row, doc, true);
  };
  EXPECT_TRUE(spar(".1/8", "1/4", false));
  EXPECT_FALSE(spar(".7/64", "1/4", false));
  EXPECT_TRUE(spar("7.7/8", "1/4", true));   // 8 - 7 7/8 = 1/8 in from the leading edge
  EXPECT_TRUE(spar(".1/8", "1/4", true));    // its right edge on the trailing edge
  EXPECT_FALSE(spar("1./8", "1/4", false));  // malformed: no position at all
  EXPECT_FALSE(spar("", "0", false));        // a kept spar needs a position
  core::SparRow blank;
  EXPECT_TRUE(ribwindows::SparFits(blank, doc, false));  // the pending row may stay empty
}

// A kept row at 0 would end the table for drawing and hide the rows after it; the pending
// row may stand there. A blank position is no row, so it counts from no edge.
TEST_F(TableRules, AKeptRowNeedsAPositionPastZeroAndABlankOneCountsFromNoEdge) {
  core::HoleRow hole;
  hole.positionText = "0";
  EXPECT_FALSE(ribwindows::HoleFits(hole, doc, true));
  EXPECT_TRUE(ribwindows::HoleFits(hole, doc, false));
  ribwindows::HoleFields typed;
  typed.fromTrailingEdge = true;
  typed.position = " ";
  EXPECT_EQ(ribwindows::HoleTraits::RowOf(typed, {}, doc).fromTrailingEdge, 0);
  typed.position = "50";
  EXPECT_EQ(ribwindows::HoleTraits::RowOf(typed, {}, doc).fromTrailingEdge, 1);
}

TEST(WindowPlace, KeptPlacesReadBackAndStayOnTheScreen) {
  EXPECT_EQ(ribwindows::PlaceFromText(ribwindows::PlaceText(QPoint(-12, 340))), QPoint(-12, 340));
  for (const char* broken : {"", "12", "12,", "a,3", "1,2,3", "1 ,2"})
    EXPECT_FALSE(ribwindows::PlaceFromText(broken).has_value()) << broken;

  const QRect screen(0, 0, 1280, 900);
  const QSize size(400, 300);
  EXPECT_EQ(ribwindows::FitOnScreen({100, 100}, size, screen), QPoint(100, 100));
  EXPECT_EQ(ribwindows::FitOnScreen({2000, 850}, size, screen), QPoint(880, 600));  // a screen that went away
  EXPECT_EQ(ribwindows::FitOnScreen({-50, -5}, size, screen), QPoint(0, 0));
  // Right of the main window when there is room, else left of it.
  EXPECT_EQ(ribwindows::PlaceBeside(QRect(0, 20, 800, 600), size, screen), QPoint(800, 20));
  EXPECT_EQ(ribwindows::PlaceBeside(QRect(500, 20, 700, 600), size, screen), QPoint(100, 20));
  // No room on either side: on the roomier side, against the screen's edge.
  EXPECT_EQ(ribwindows::PlaceBeside(QRect(0, 0, 1000, 600), size, screen), QPoint(880, 0));
  EXPECT_EQ(ribwindows::PlaceBeside(QRect(300, 0, 980, 600), size, screen), QPoint(0, 0));
}

}  // namespace
