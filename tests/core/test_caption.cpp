// The automatic caption and the recognition of the user's own text.
#include <gtest/gtest.h>

#include <string>

#include "core/caption.h"
#include "platform/texts.h"

namespace {

class Caption : public ::testing::Test {
 protected:
  core::SharedState s;
  void SetUp() override {
    platform::SetTextLookup([](std::string_view section, std::string_view key) -> std::string {
      if (section == "FrmInsText" && key == "6") return "Chord";
      if (section == "FrmInsText" && key == "7") return "Board angle";
      if (section == "FrmTalon" && key == "3") return "Tab chord";
      return "";
    });
    s.airfoilName = "clarky";
    s.chordText = "1.3/8";
  }
  void TearDown() override { platform::SetTextLookup(nullptr); }
  bool Recognised(const std::string& text) {
    s.annotationText = text;
    core::RecogniseUserText(s);
    return s.annotationIsUser;
  }
};

TEST_F(Caption, namesAirfoilAndChordAndTheAngleOnlyOnAnInclinedBoardAndSparesTheUsersText) {
  s.boardAngle = 3.5f;
  EXPECT_EQ(core::AutomaticCaption(s), "clarky Chord : 1.3/8");  // no base: no board
  s.baseMode = 1;
  EXPECT_EQ(core::AutomaticCaption(s, core::CaptionSource::BlockDialog), "clarky Board angle 3.5\u00b0 Chord : 1.3/8");
  // Tabs store the typed angle negated; the caption shows it as typed, in the tab dialog's words.
  s.baseMode = 11;
  s.boardAngle = 2;
  EXPECT_EQ(core::AutomaticCaption(s, core::CaptionSource::TabDialog), "clarky Board angle -2\u00b0 Tab chord : 1.3/8");
  s.boardAngle = 0;
  EXPECT_EQ(core::AutomaticCaption(s, core::CaptionSource::TabDialog), "clarky Tab chord : 1.3/8");

  s.baseMode = 0;
  s.annotationText = "old";
  EXPECT_TRUE(core::RecomposeCaption(s));
  EXPECT_EQ(s.annotationText, "clarky Chord : 1.3/8");
  s.annotationIsUser = true;
  s.annotationText = "Rib 4, port";
  EXPECT_FALSE(core::RecomposeCaption(s));
  EXPECT_EQ(s.annotationText, "Rib 4, port");
}

TEST_F(Caption, recognisesTheUsersOwnTextByWhatStandsBeforeTheColon) {
  s.annotationIsUser = true;
  EXPECT_FALSE(Recognised("clarky Chord : 250"));  // a chord typed anew is still the automatic caption
  EXPECT_TRUE(Recognised("Wing root : 250"));
  // Without a colon, or empty: the flag stays as it was, either way.
  for (bool before : {true, false}) {
    s.annotationIsUser = before;
    EXPECT_EQ(Recognised("Wing root"), before);
    EXPECT_EQ(Recognised(""), before);
  }
  EXPECT_TRUE(Recognised(": 200"));  // a leading colon cannot be the caption's beginning

  // What the tab dialog composed is automatic; the angle part counts only while the board is inclined.
  s.baseMode = 11;
  s.boardAngle = -3;
  s.annotationIsUser = true;
  EXPECT_FALSE(Recognised(core::AutomaticCaption(s, core::CaptionSource::TabDialog)));
  s.baseMode = 0;
  EXPECT_TRUE(Recognised("clarky Board angle 3\u00b0 Chord : 200"));
  s.baseMode = 1;
  s.boardAngle = 3;
  EXPECT_FALSE(Recognised("clarky Board angle 3\u00b0 Chord : 200"));
}

}  // namespace
