// The block window: the angle clamps and their messages, the total length while typing,
// the airfoil's heights, the tail option, Apply, Cancel, following the chord.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ribwindows/blockwindow.h"
#include "ribwindows/tabwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

enum { kBase = 0, kLeading = 1, kTrailing = 2, kSeat = 3, kTop = 4, kAngle = 5 };

class BlockWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenAirfoil();  // chord 200; highest point 0.06, lowest -0.025 of the chord
  }
};

TEST_F(BlockWindowTest, TheAngleIsClampedAtPlusAndMinus20WithTheirMessages) {
  ribwindows::BlockWindow w(doc);
  Retype(w.Box(kAngle), "21");
  EXPECT_EQ(w.Box(kAngle)->text(), "20");
  Retype(w.Box(kAngle), "-2a1");
  EXPECT_EQ(w.Box(kAngle)->text(), "-20");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmBloc", "8") + " 20\u00b0");
  EXPECT_EQ(messages.shown[1].text, Key("FrmBloc", "9") + " -20\u00b0");
  EXPECT_EQ(messages.shown[1].title, "Washout angle");
  Retype(w.Box(kAngle), "-20");
  Retype(w.Box(kAngle), "19.9");
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(doc.rib.boardAngle, 0);  // typing stores nothing
}

TEST_F(BlockWindowTest, TheTotalAndTheAirfoilHeightsFollowTypingAndTheChord) {
  ribwindows::BlockWindow w(doc);
  EXPECT_EQ(w.TotalLabel()->text(), "200 mm");
  EXPECT_EQ(w.LowestLabel()->text(), "-5.00 mm");   // 200 x -0.025
  EXPECT_EQ(w.HighestLabel()->text(), "12.00 mm");  // 200 x 0.06
  Retype(w.Box(kLeading), "15");
  Retype(w.Box(kTrailing), "10.5");
  EXPECT_EQ(w.TotalLabel()->text(), "225.5 mm");
  w.Box(kTrailing)->selectAll();
  QTest::keyClick(w.Box(kTrailing), Qt::Key_Backspace);  // an empty box counts 0
  EXPECT_EQ(w.TotalLabel()->text(), "215 mm");

  doc.rib.chord = {300, "300"};
  doc.changes.Announce(core::Change::Setup | core::Change::Chord);
  EXPECT_EQ(w.TotalLabel()->text(), "315 mm");
  EXPECT_EQ(w.LowestLabel()->text(), "-7.50 mm");
  EXPECT_EQ(w.HighestLabel()->text(), "18.00 mm");
}

TEST_F(BlockWindowTest, ApplyStoresTheBlockWithItsTailAndNamesTheAngle) {
  ribwindows::BlockWindow w(doc);
  for (const auto& [box, text] :
       {std::pair{kBase, "10"}, {kLeading, "15"}, {kTrailing, "12"}, {kSeat, "3"}, {kTop, "30"}, {kAngle, "3"}})
    Retype(w.Box(box), text);
  w.TailOption(1)->click();
  w.ApplyButton()->click();
  const core::Blocks& b = doc.rib.blocks;
  EXPECT_EQ(doc.rib.baseMode, core::BaseMode::Blocks);
  EXPECT_FLOAT_EQ(doc.rib.boardAngle, -3);  // stored negated, as the tab window stores it
  EXPECT_EQ(std::tuple(b.baseHeight.mm, b.leadingExtension.mm, b.trailingExtension.mm, b.seatDepth.mm, b.topHeight.mm),
            std::tuple(10.0f, 15.0f, 12.0f, 3.0f, 30.0f));
  EXPECT_EQ(b.tail, core::BlockTail::LowerContour);
  EXPECT_EQ(doc.rib.caption.text, "wing " + Key("FrmInsText", "7") + " 3\u00b0 " + Key("FrmInsText", "6") + " : 200");
  EXPECT_TRUE(doc.project.modified);

  // The block's geometry from these values is the trace tests' to pin.
  w.TailOption(0)->click();
  w.ApplyButton()->click();
  EXPECT_EQ(doc.rib.blocks.tail, core::BlockTail::UpperContour);
}

TEST_F(BlockWindowTest, CancelLeavesTheBlockAndRemoveTakesTheRibOffIt) {
  {
    ribwindows::BlockWindow w(doc);
    Retype(w.Box(kAngle), "-4");
    w.OkButton()->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
  }
  const core::RibSetup applied = doc.rib;
  {
    ribwindows::BlockWindow w(doc);
    EXPECT_EQ(w.Box(kAngle)->text(), "-4");
    w.show();
    Retype(w.Box(kAngle), "6");
    Retype(w.Box(kLeading), "40");
    QTest::keyClick(w.Box(kLeading), Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(doc.rib == applied);
  }
  ribwindows::BlockWindow w(doc);
  w.RemoveButton()->click();
  EXPECT_EQ(doc.rib.baseMode, core::BaseMode::None);
  EXPECT_EQ(doc.rib.caption.text, "wing " + Key("FrmInsText", "6") + " : 200");
}

// The title names the chord as the other feature windows do, and every box its unit.
TEST_F(BlockWindowTest, TheTitleNamesTheChordAndTheBoxesTheirUnits) {
  doc.settings.unitText = " in";
  doc.rib.chord = {254, "10"};
  ribwindows::BlockWindow w(doc);
  EXPECT_EQ(w.windowTitle().toStdString(), Key("FrmBloc", "1") + " 10 in");
  std::string units;
  for (int i = 0; i <= kAngle; ++i) units += w.findChild<QLabel*>(QString("unit%1").arg(i))->text().toStdString() + " ";
  EXPECT_EQ(units, "in in in in in \u00b0 ");
  doc.rib.chord = {304.8f, "12"};
  doc.changes.Announce(core::Change::Setup | core::Change::Chord);
  EXPECT_EQ(w.windowTitle().toStdString(), Key("FrmBloc", "1") + " 12 in");
}

// One angle: what either window applies, the other shows unchanged.
TEST_F(BlockWindowTest, TabsAndBlockShowTheSameAngle) {
  {
    ribwindows::TabWindow tabs(doc);
    tabs.Box(3)->setText("4");
    tabs.OkButton()->click();
  }
  EXPECT_FLOAT_EQ(doc.rib.boardAngle, -4);
  ribwindows::BlockWindow block(doc);
  EXPECT_EQ(block.Box(kAngle)->text(), "4");
  Retype(block.Box(kAngle), "-2.5");
  block.ApplyButton()->click();
  ribwindows::TabWindow tabs(doc);
  EXPECT_EQ(tabs.Box(3)->text(), "-2.5");
}

}  // namespace
