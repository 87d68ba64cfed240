// The one-value input window: what each kind shows, the key filter, the checks and their
// messages, the dependent values, and Cancel.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "features/frminput.h"
#include "features/inputsettings.h"
#include "features/keyfilter.h"
#include "mainwindow/mainwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

class FrmInputTest : public testsupport::WindowTest {
 protected:
  // Types `text` into a fresh window of `kind` and presses OK.
  void Enter(const char* kind, const QString& text) {
    core::App().inputKind = kind;
    features::FrmInput w;
    w.infotxt()->setText(text);
    w.cmdok()->click();
  }
};

TEST_F(FrmInputTest, eachKindShowsItsTextPromptAndTitle) {
  core::SharedState& s = core::App();
  s.sheetingText = "1/16";
  s.unitText = " in";
  s.markCount = 7;
  struct Case { const char* kind; const char* box; const char* prompt; std::string title; };
  const Case cases[] = {{"corde", "200", "1", Key("FrmInput", "2") + "  in"},
                        {"epcof", "1/16", "3", Key("FrmInput", "4") + "  in"},
                        {"ba", "0", "5", Key("FrmInput", "6") + "  in"},
                        {"bf", "0", "7", Key("FrmInput", "8") + "  in"},
                        {"rep", "7", "9", Key("FrmInput", "10")}};
  for (const Case& c : cases) {
    s.inputKind = c.kind;
    features::FrmInput w;
    EXPECT_EQ(w.infotxt()->text(), c.box) << c.kind;
    EXPECT_EQ(w.msgtxt()->text().toStdString(), Key("FrmInput", c.prompt));
    EXPECT_EQ(w.windowTitle().toStdString(), c.title);
  }
  EXPECT_EQ(features::InputHelpTopic("corde"), 40);
  EXPECT_EQ(features::InputHelpTopic("rep"), 50);
}

TEST_F(FrmInputTest, edgeDepthEqualToTheChordIsAcceptedALargerOneReset) {
  core::SharedState& s = core::App();
  s.leadingEdgeStyle = 0;
  Enter("ba", "200");
  EXPECT_FLOAT_EQ(s.leadingEdgeDepth, 200);
  EXPECT_EQ(s.leadingEdgeStyle, 1);
  EXPECT_TRUE(messages.shown.empty());

  Enter("ba", "200.5");
  EXPECT_FLOAT_EQ(s.leadingEdgeDepth, 0);
  EXPECT_EQ(s.leadingEdgeText, "200.5");  // the text stays
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmInput", "11"));
  EXPECT_EQ(messages.shown[0].title, Key("FrmInput", "6") + "  mm");

  s.leadingEdgeStyle = 0;
  Enter("bf", "201");
  EXPECT_FLOAT_EQ(s.trailingEdgeDepth, 0);
  EXPECT_EQ(messages.shown.back().text, Key("FrmInput", "12"));
  EXPECT_EQ(s.leadingEdgeStyle, 0);  // the trailing edge leaves the leading edge's style
}

TEST_F(FrmInputTest, referenceLinesAreClampedAt255AndRounded) {
  core::App().inputKind = "rep";
  features::FrmInput w;
  w.infotxt()->setText("256");
  w.cmdok()->click();
  EXPECT_EQ(w.infotxt()->text(), "255");
  EXPECT_EQ(core::App().markCount, 255);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmInput", "13"));
  Enter("rep", "12.5");
  EXPECT_EQ(core::App().markCount, 12);  // halves to even
  Enter("rep", "");
  EXPECT_EQ(core::App().markCount, 0);
}

TEST_F(FrmInputTest, keysOutsideTheUnitsSetNeverReachTheBoxAndInchesKeepTheirFraction) {
  core::App().inputKind = "corde";
  {
    features::FrmInput w;
    w.infotxt()->clear();
    QTest::keyClicks(w.infotxt(), "-1,2a5./3%");
    EXPECT_EQ(w.infotxt()->text(), "125.3");
    QTest::keyClick(w.infotxt(), Qt::Key_Backspace);
    EXPECT_EQ(w.infotxt()->text(), "125.");
  }
  core::App().unitText = " in";
  features::FrmInput w;
  w.infotxt()->clear();
  QTest::keyClicks(w.infotxt(), "-1,.3/8");
  EXPECT_EQ(w.infotxt()->text(), "1.3/8");
  w.cmdok()->click();
  EXPECT_EQ(core::App().chordText, "1.3/8");
  EXPECT_NEAR(core::App().chord, 34.925, 1e-4);
  EXPECT_TRUE(core::App().projectModified);
}

TEST_F(FrmInputTest, chordChangeUpdatesBlocksFollowersAndTheModifiedMark) {
  core::SharedState& s = core::App();
  s.blockLe = 10;
  s.blockTe = 5;
  s.blockTotal = 42;
  struct Follower : features::DimensionFollower {
    void ChordChanged(const core::SharedState& st) override { chords.push_back(st.chord); }
    void SheetingChanged(const core::SharedState& st) override { sheetings.push_back(st.sheetingThickness); }
    std::vector<float> chords, sheetings;
  } follower;
  features::AddDimensionFollower(&follower);
  Enter("corde", "300");
  EXPECT_FLOAT_EQ(s.blockTotal, 42);  // no blocks: the total stays
  Enter("epcof", "2");
  Enter("ba", "10");
  features::RemoveDimensionFollower(&follower);
  s.baseMode = 1;
  Enter("corde", "250");
  EXPECT_FLOAT_EQ(s.blockTotal, 265);
  EXPECT_EQ(follower.chords, std::vector<float>{300});
  EXPECT_EQ(follower.sheetings, std::vector<float>{2});

  // In the comparison view a chord change leaves the rib unmodified.
  s.compareShown = true;
  s.projectModified = true;
  Enter("corde", "210");
  EXPECT_FALSE(s.projectModified);
}

TEST_F(FrmInputTest, cancelStoresNothingAndDoesNotRedrawWhileOkDoes) {
  mainwindow::MainWindow main;
  main.Load();
  OpenAirfoil(main);
  core::App().projectModified = false;
  const int draws = main.DrawCount();
  for (bool ok : {false, true}) {
    WhenModal([ok](QWidget* modal) {
      auto* input = qobject_cast<features::FrmInput*>(modal);
      ASSERT_NE(input, nullptr);
      input->infotxt()->setText("350");
      (ok ? input->cmdok() : input->cmdannuler())->click();
    });
    main.Run("mnu_profilcorde");
    if (ok) break;
    EXPECT_FLOAT_EQ(core::App().chord, 200);
    EXPECT_EQ(core::App().chordText, "200");
    EXPECT_FALSE(core::App().projectModified);
    EXPECT_TRUE(core::App().dialogCancelled);
    EXPECT_EQ(main.DrawCount(), draws);
  }
  EXPECT_FLOAT_EQ(core::App().chord, 350);
  EXPECT_EQ(main.DrawCount(), draws + 1);
  EXPECT_NE(core::App().annotationText.find("350"), std::string::npos);  // the caption names the new chord
}

}  // namespace
