// The building-tab window: defaults from the airfoil, the typing rules and their messages,
// Apply and its refusal, Remove, Cancel, Enter and Escape, the board side, following the chord.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/ribconstruction.h"
#include "ribwindows/tabwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

enum { kLower = 0, kLength = 1, kRear = 2, kTabAngle = 3, kUpper = 4 };

class TabWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // Highest point 0.06, lowest -0.025 of the chord; the rib is named "wing".
    OpenAirfoil();
  }
  std::string Caption(const std::string& angle, const char* chordSection, const char* chordKey) {
    std::string inclined = angle.empty() ? "" : Key("FrmInsText", "7") + " " + angle + "\u00b0 ";
    return "wing " + inclined + Key(chordSection, chordKey) + " : 200";
  }
};

// At chord 200 and sheeting 1.5 the board touches the inner contour 200 x 0.025 - 1.5 =
// 3.5 mm below the chord line, or 200 x 0.06 - 1.5 = 10.5 mm above it.
TEST_F(TabWindowTest, OpensWithTheBoardTouchingTheInnerContourAndSwitchesSides) {
  const core::RibSetup before = doc.rib;
  ribwindows::TabWindow w(doc);
  EXPECT_EQ(w.windowTitle().toStdString(), Key("FrmTalon", "1") + " 200 mm");
  EXPECT_EQ(w.Box(kLower)->text(), "3.50");
  EXPECT_EQ(w.Box(kUpper)->text(), "10.50");
  EXPECT_EQ(w.Box(kTabAngle)->text(), "0");
  EXPECT_TRUE(w.SideOption(0)->isChecked());
  EXPECT_FALSE(w.Box(kLower)->isHidden());
  EXPECT_TRUE(w.Box(kUpper)->isHidden());
  EXPECT_EQ(w.Sketch()->Shown().board, core::TabBoard::UnderLowerSurface);

  w.SideOption(1)->click();
  EXPECT_TRUE(w.Box(kLower)->isHidden());
  EXPECT_FALSE(w.Box(kUpper)->isHidden());
  EXPECT_EQ(w.Sketch()->Shown().board, core::TabBoard::OverUpperSurface);
  EXPECT_TRUE(doc.rib == before) << "opening stores nothing";

  // On an inclined board a distance is the user's to give: no default is offered.
  doc.rib.boardAngle = -2;
  doc.rib.tabs.lowerDistance = {0, "0"};
  ribwindows::TabWindow inclined(doc);
  EXPECT_EQ(inclined.Box(kLower)->text(), "0");
  EXPECT_EQ(inclined.Box(kTabAngle)->text(), "2");  // shown as typed, stored negated
}

// The sketch draws the rib (dark) across its width, the board (blue) under it or over it:
// the board's mean row lies below the rib's, or above it (rows count down).
TEST_F(TabWindowTest, TheSketchShowsTheRibOnTheChosenSide) {
  ribwindows::TabWindow w(doc);
  w.Sketch()->resize(300, 120);
  auto boardBelowRib = [&w] {
    const QImage image = w.Sketch()->grab().toImage();
    int left = image.width(), right = -1, rib = 0, board = 0;
    double ribRows = 0, boardRows = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() >= 90 || c.green() >= 90) continue;
        if (c.blue() < 90) left = std::min(left, x), right = std::max(right, x), ribRows += y, ++rib;
        else if (c.blue() > 120) boardRows += y, ++board;
      }
    EXPECT_GT(right - left, 250);
    EXPECT_GT(board, 100);
    return boardRows / std::max(board, 1) - ribRows / std::max(rib, 1);
  };
  EXPECT_GT(boardBelowRib(), 0);
  w.SideOption(1)->click();
  EXPECT_LT(boardBelowRib(), 0);
}

TEST_F(TabWindowTest, TheAngleIsClampedAt20EitherWayWithItsMessage) {
  ribwindows::TabWindow w(doc);
  Retype(w.Box(kTabAngle), "2x5");
  EXPECT_EQ(w.Box(kTabAngle)->text(), "20");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmTalon", "4") + " 20\u00b0");
  EXPECT_EQ(messages.shown[0].title, Key("FrmTalon", "2"));

  Retype(w.Box(kTabAngle), "20");
  EXPECT_EQ(messages.shown.size(), 1u);  // 20 itself is allowed
  Retype(w.Box(kTabAngle), "-20.5");
  EXPECT_EQ(w.Box(kTabAngle)->text(), "-20");  // a board tilted the other way stays so
  EXPECT_EQ(messages.shown.size(), 2u);
}

// Chord 200: a length of 250 goes back to 0 as its third digit is typed; 60% is 120 mm.
TEST_F(TabWindowTest, ALengthOrRearDistanceBeyondTheChordIsResetWhileTyping) {
  ribwindows::TabWindow w(doc);
  Retype(w.Box(kLength), "25");
  EXPECT_EQ(w.ReachLabel()->text(), "25 mm");
  QTest::keyClick(w.Box(kLength), Qt::Key_0);
  EXPECT_EQ(w.Box(kLength)->text(), "0");
  EXPECT_EQ(w.ReachLabel()->text(), "0 mm");
  Retype(w.Box(kRear), "60%");
  EXPECT_EQ(w.ReachLabel()->text(), "120 mm");
  Retype(w.Box(kRear), "150%");  // 150 is within; 150% is not
  EXPECT_EQ(w.Box(kRear)->text(), "0");
  Retype(w.Box(kRear), "200");  // the whole chord is still within it
  EXPECT_EQ(w.Box(kRear)->text(), "200");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(doc.rib.tabs.rearText, "0");  // typing stores nothing
}

// Each within the chord, together beyond it: 150 + 60 > 200.
TEST_F(TabWindowTest, ApplyRefusesTabsReachingBeyondTheChordAndCancelStillCloses) {
  const core::RibSetup before = doc.rib;
  ribwindows::TabWindow w(doc);
  int accepted = 0;
  QObject::connect(&w, &QDialog::accepted, [&] { ++accepted; });
  Retype(w.Box(kLength), "150");
  Retype(w.Box(kRear), "60");
  Retype(w.Box(kTabAngle), "3");
  w.ApplyButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmTalon", "5"));
  EXPECT_EQ(messages.shown[0].title, w.windowTitle().toStdString());
  w.OkButton()->click();
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(accepted, 0);  // OK keeps the window open
  EXPECT_TRUE(doc.rib == before) << "a refused Apply stores nothing";
  EXPECT_FALSE(w.Changed().Any());

  int rejected = 0;
  QObject::connect(&w, &QDialog::rejected, [&] { ++rejected; });
  w.CancelButton()->click();
  EXPECT_EQ(rejected, 1);
}

TEST_F(TabWindowTest, ApplyPutsTheRibOnTabsAndNamesTheAngleInTheCaptionRemoveTakesItOff) {
  int setups = 0;
  auto listening = doc.changes.Listen([&](core::Changes c) { setups += c.Has(core::Change::Setup); });
  ribwindows::TabWindow w(doc);
  EXPECT_FALSE(w.RemoveButton()->isEnabled());  // nothing to take off yet
  Retype(w.Box(kLength), "20%");
  Retype(w.Box(kRear), "10");
  Retype(w.Box(kTabAngle), "3");
  w.ApplyButton()->click();
  EXPECT_EQ(doc.rib.baseMode, core::BaseMode::Tabs);
  EXPECT_FLOAT_EQ(doc.rib.boardAngle, -3);
  EXPECT_EQ(doc.rib.tabs.lengthText, "20%");
  EXPECT_FLOAT_EQ(doc.rib.tabs.lowerDistance.mm, 3.5f);
  EXPECT_EQ(doc.rib.caption.text, Caption("3", "FrmTalon", "3"));
  EXPECT_TRUE(doc.project.modified);
  EXPECT_EQ(setups, 1);
  EXPECT_TRUE(w.RemoveButton()->isEnabled());
  // The tab reaches 20 % of the chord, 40 mm, from 10 mm ahead of the trailing edge.
  const core::RibConstruction rib = core::BuildRib(doc);
  EXPECT_NEAR(rib.tabLength, 40, 1e-4);
  EXPECT_NEAR(rib.tabRear, 10, 1e-4);

  // Over the upper surface: the distance is typed upward and kept negated.
  w.SideOption(1)->click();
  Retype(w.Box(kUpper), "12");
  Retype(w.Box(kTabAngle), "0");
  w.ApplyButton()->click();
  EXPECT_EQ(doc.rib.tabs.board, core::TabBoard::OverUpperSurface);
  EXPECT_FLOAT_EQ(doc.rib.tabs.upperDistance.mm, -12);
  EXPECT_EQ(doc.rib.tabs.upperDistance.text, "12");
  EXPECT_EQ(doc.rib.boardAngle, 0);
  // Back at 0 the caption no longer names an angle.
  EXPECT_EQ(doc.rib.caption.text, Caption("", "FrmTalon", "3"));

  w.RemoveButton()->click();
  EXPECT_EQ(doc.rib.baseMode, core::BaseMode::None);
  EXPECT_EQ(doc.rib.caption.text, Caption("", "FrmInsText", "6"));
  EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(TabWindowTest, CancelAndEscapeLeaveTheRibAsItWasEnterApplies) {
  ribwindows::TabWindow first(doc);
  Retype(first.Box(kLength), "30");
  Retype(first.Box(kTabAngle), "2");
  first.ApplyButton()->click();
  const core::RibSetup applied = doc.rib;

  for (bool escape : {false, true}) {
    ribwindows::TabWindow w(doc);
    w.show();
    Retype(w.Box(kLength), "80");
    Retype(w.Box(kTabAngle), "7");
    if (escape) QTest::keyClick(w.Box(kLength), Qt::Key_Escape);
    else w.CancelButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(doc.rib == applied) << "escape " << escape;
    EXPECT_EQ(doc.rib.baseMode, core::BaseMode::Tabs);  // the tabs stay on
  }

  ribwindows::TabWindow w(doc);
  w.show();
  Retype(w.Box(kLength), "45");
  QTest::keyClick(w.Box(kLength), Qt::Key_Return);
  EXPECT_TRUE(w.isVisible());  // Enter applies and leaves the window open
  EXPECT_EQ(doc.rib.tabs.lengthText, "45");
}

// A window left open follows a chord or sheeting change: its title, the board distances
// while the board is parallel, and a percentage length.
TEST_F(TabWindowTest, AnOpenWindowFollowsTheChord) {
  ribwindows::TabWindow w(doc);
  Retype(w.Box(kLength), "10%");
  doc.rib.chord = {300, "300"};
  doc.changes.Announce(core::Change::Setup | core::Change::Chord);
  EXPECT_EQ(w.windowTitle().toStdString(), Key("FrmTalon", "1") + " 300 mm");
  EXPECT_EQ(w.Box(kLower)->text(), "6.00");  // 300 x 0.025 - 1.5
  EXPECT_EQ(w.Box(kUpper)->text(), "16.50");  // 300 x 0.06 - 1.5
  EXPECT_EQ(w.ReachLabel()->text(), "30 mm");
  doc.rib.sheeting = {0, "0"};
  doc.changes.Announce(core::Change::Setup | core::Change::Sheeting);
  EXPECT_EQ(w.Box(kLower)->text(), "7.50");
}

// In inches the default keeps three decimals (two would round by up to 0.13 mm and leave a
// gap under the rib). 200 x 0.025 - 1.5 = 3.5 mm = 0.1378 in.
TEST_F(TabWindowTest, InchDefaultsAreInInches) {
  doc.settings.unitText = " in";
  OpenAirfoil();  // the board's place is worked out in the unit in force
  ribwindows::TabWindow w(doc);
  EXPECT_EQ(w.Box(kLower)->text(), "0.138");
  EXPECT_EQ(w.windowTitle().toStdString(), Key("FrmTalon", "1") + " 200 in");
}

}  // namespace
