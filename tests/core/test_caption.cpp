// The automatic caption, the recognition of the user's own text, and what the document
// works out after a change before anyone hears of it.
#include <gtest/gtest.h>

#include <string>

#include "core/caption.h"
#include "core/settle.h"

namespace {

class Caption : public ::testing::Test {
 protected:
  core::RibDocument s;
  const core::CaptionWords words{"Chord", "Tab chord", "Board angle"};
  void SetUp() override {
    s.airfoil.name = "clarky";
    s.rib.chord.text = "1.3/8";
  }
  bool Recognised(const std::string& text) {
    s.rib.caption.text = text;
    core::RecogniseUserText(s, words);
    return s.rib.caption.isUserText;
  }
};

TEST_F(Caption, NamesAirfoilAndChordAndTheAngleOnlyOnAnInclinedBoardAndSparesTheUsersText) {
  s.rib.boardAngle = 3.5f;
  EXPECT_EQ(core::AutomaticCaption(s, words), "clarky Chord : 1.3/8");  // no base: no board
  // Blocks and tabs store the angle negated; the caption names it as their windows show it.
  s.rib.baseMode = core::BaseMode::Blocks;
  EXPECT_EQ(core::AutomaticCaption(s, words, core::CaptionSource::BlockDialog), "clarky Board angle -3.5\u00b0 Chord : 1.3/8");
  s.rib.baseMode = core::BaseMode::Tabs;
  s.rib.boardAngle = 2;
  EXPECT_EQ(core::AutomaticCaption(s, words, core::CaptionSource::TabDialog), "clarky Board angle -2\u00b0 Tab chord : 1.3/8");
  s.rib.boardAngle = 0;
  EXPECT_EQ(core::AutomaticCaption(s, words, core::CaptionSource::TabDialog), "clarky Tab chord : 1.3/8");

  s.rib.baseMode = core::BaseMode::None;
  s.rib.caption.text = "old";
  EXPECT_TRUE(core::RecomposeCaption(s, words));
  EXPECT_EQ(s.rib.caption.text, "clarky Chord : 1.3/8");
  s.rib.caption.isUserText = true;
  s.rib.caption.text = "Rib 4, port";
  EXPECT_FALSE(core::RecomposeCaption(s, words));
  EXPECT_EQ(s.rib.caption.text, "Rib 4, port");
}

TEST_F(Caption, RecognisesTheUsersOwnTextByWhatStandsBeforeTheColon) {
  s.rib.caption.isUserText = true;
  EXPECT_FALSE(Recognised("clarky Chord : 250"));  // a chord typed anew is still the automatic caption
  EXPECT_TRUE(Recognised("Wing root : 250"));
  // Without a colon, or empty: the flag stays as it was, either way.
  for (bool before : {true, false}) {
    s.rib.caption.isUserText = before;
    EXPECT_EQ(Recognised("Wing root"), before);
    EXPECT_EQ(Recognised(""), before);
  }
  EXPECT_TRUE(Recognised(": 200"));  // a leading colon cannot be the caption's beginning

  // What the tab dialog composed is automatic; the angle part counts only while the board is inclined.
  s.rib.baseMode = core::BaseMode::Tabs;
  s.rib.boardAngle = -3;
  s.rib.caption.isUserText = true;
  EXPECT_FALSE(Recognised(core::AutomaticCaption(s, words, core::CaptionSource::TabDialog)));
  s.rib.baseMode = core::BaseMode::None;
  EXPECT_TRUE(Recognised("clarky Board angle 3\u00b0 Chord : 200"));
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.boardAngle = -3;
  EXPECT_FALSE(Recognised("clarky Board angle 3\u00b0 Chord : 200"));
  EXPECT_TRUE(Recognised("clarky Board angle 4\u00b0 Chord : 200"));
}

// Earlier versions named a block's angle with the stored sign: such a caption is still
// automatic, stays as written while it names the rib (a project saved again keeps its
// bytes), and takes the windows' sign once the rib changes.
TEST_F(Caption, AnEarlierBlockCaptionStaysUntilTheRibChanges) {
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.boardAngle = 3;
  s.rib.chord.text = "200";
  s.rib.caption.text = "clarky Board angle 3\u00b0 Chord : 200";
  core::RecogniseReadCaption(s, words);
  EXPECT_FALSE(s.rib.caption.isUserText);
  EXPECT_FALSE(core::RecomposeCaption(s, words));
  EXPECT_EQ(s.rib.caption.text, "clarky Board angle 3\u00b0 Chord : 200");
  s.rib.chord.text = "250";
  EXPECT_TRUE(core::RecomposeCaption(s, words));
  EXPECT_EQ(s.rib.caption.text, "clarky Board angle -3\u00b0 Chord : 250");
  // Tabs always named the angle as their window shows it.
  s.rib.baseMode = core::BaseMode::Tabs;
  s.rib.caption.text = "clarky Board angle 3\u00b0 Chord : 250";
  EXPECT_TRUE(core::RecomposeCaption(s, words));
  EXPECT_EQ(s.rib.caption.text, "clarky Board angle -3\u00b0 Chord : 250");
}

// A project's own caption survives a chord change; what was composed automatically follows it.
TEST_F(Caption, ACaptionReadFromAProjectIsTheUsersUnlessItIsAutomatic) {
  struct Case { const char* text; bool user; };
  for (const Case& c : {Case{"Rib 1", true}, Case{"Wing root : 250", true}, Case{"clarky Chord : 200", false},
                        Case{"", false}}) {
    s.rib.caption.text = c.text;
    s.rib.caption.isUserText = !c.user;
    core::RecogniseReadCaption(s, words);
    EXPECT_EQ(s.rib.caption.isUserText, c.user) << c.text;
  }
  s.rib.caption.text = "Rib 1";
  core::RecogniseReadCaption(s, words);
  s.rib.chord.text = "250";
  EXPECT_FALSE(core::RecomposeCaption(s, words));
  EXPECT_EQ(s.rib.caption.text, "Rib 1");
}

// The board below a parallel chord stays on the inner contour: 300 x 0.025 - 1.5 = 6 below,
// 300 x 0.06 - 1.5 = 16.5 above (stored negated); the caption names the new chord.
TEST_F(Caption, SettlingFollowsChordSheetingAndAirfoilButNotAnUndo) {
  s.airfoil.loaded = true;
  s.prepared.yMin = -0.025;
  s.prepared.yMax = 0.06;
  s.rib.chord = {300, "300"};
  s.rib.caption.text = "clarky Chord : 200";
  core::Settle(s, core::Change::Setup | core::Change::Sheeting, words);
  EXPECT_EQ(s.rib.caption.text, "clarky Chord : 200");  // the sheeting is not in it
  EXPECT_EQ(s.rib.tabs.lowerDistance, (core::Length{6, "6.00"}));
  EXPECT_EQ(s.rib.tabs.upperDistance, (core::Length{-16.5f, "16.50"}));
  core::Settle(s, core::Change::Setup | core::Change::Chord, words);
  EXPECT_EQ(s.rib.caption.text, "clarky Chord : 300");

  // A set-up put back by undo was settled when it was made: nothing is worked out again.
  s.rib.chord = {200, "200"};
  core::Settle(s, core::Change::Setup | core::Change::Chord | core::Change::Restored, words);
  EXPECT_EQ(s.rib.caption.text, "clarky Chord : 300");
  EXPECT_FLOAT_EQ(s.rib.tabs.lowerDistance.mm, 6);
  // An inclined board stays where the user put it.
  s.rib.boardAngle = -2;
  core::Settle(s, core::Change::Chord, words);
  EXPECT_FLOAT_EQ(s.rib.tabs.lowerDistance.mm, 6);

  // A new airfoil keeps distances the project brought and fills those left at 0: in
  // inches 254 x 0.025 - 1.5 = 4.85 mm shows as 0.191 in and is what that text reads.
  s.rib.boardAngle = 0;
  s.airfoil.name = "e387";
  core::Settle(s, core::Change::Airfoil, words);
  EXPECT_EQ(s.rib.caption.text, "e387 Chord : 200");
  EXPECT_FLOAT_EQ(s.rib.tabs.lowerDistance.mm, 6);
  s.settings.unitText = " in";
  s.rib.chord = {254, "10"};
  s.rib.tabs.lowerDistance = s.rib.tabs.upperDistance = {0, "0"};
  core::Settle(s, core::Change::Airfoil, words);
  EXPECT_EQ(s.rib.tabs.lowerDistance.text, "0.191");
  EXPECT_NEAR(s.rib.tabs.lowerDistance.mm, 0.191 * 25.4, 1e-4);
  // One distance the user set is enough: the board stays where that one puts it.
  s.rib.tabs.lowerDistance = {0, "0"};
  s.rib.tabs.upperDistance = {-10, "10"};
  core::Settle(s, core::Change::Airfoil, words);
  EXPECT_EQ(s.rib.tabs.lowerDistance, (core::Length{0, "0"}));
  EXPECT_EQ(s.rib.tabs.upperDistance, (core::Length{-10, "10"}));
  // Without an airfoil there is no contour to follow.
  s.airfoil.loaded = false;
  s.rib.tabs.lowerDistance = {0, "0"};
  core::Settle(s, core::Change::Sheeting, words);
  EXPECT_EQ(s.rib.tabs.lowerDistance.text, "0");
}

}  // namespace
