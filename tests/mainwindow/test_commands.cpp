// The main menu's rules without the window: questions, the chord of a title line, the
// recent-files road and its failures, the calculator.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "mainwindow/commands.h"
#include "support/windowtest.h"

using platform::BoxAnswer;
using testsupport::Key;

namespace {

class RecordingRoad : public mainwindow::AirfoilRoadView {
 public:
  void SetCaption(const std::string& c) override { caption = c; }
  void RecentFileOpened(const std::string& path) override { recent.push_back(path); }
  std::string caption;
  std::vector<std::string> recent;
};

class Commands : public testsupport::WindowTest {};

TEST_F(Commands, exitQuestionNamesUnsavedChangesExceptInTheComparisonView) {
  core::SharedState& s = core::App();
  EXPECT_EQ(mainwindow::ShutdownQuestion(s), Key("TextButton", "17") + " Vandrell ? ");
  s.projectModified = true;
  EXPECT_EQ(mainwindow::ShutdownQuestion(s), Key("FrmMainMessage", "4"));
  s.compareShown = true;
  EXPECT_EQ(mainwindow::ShutdownQuestion(s), Key("TextButton", "17") + " Vandrell ? ");

  messages.answers = {BoxAnswer::No};
  EXPECT_FALSE(mainwindow::AskToQuit(s));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Vandrell");
  EXPECT_EQ(messages.shown[0].icon, platform::BoxIcon::Question);
  EXPECT_EQ(messages.shown[0].defaultButton, 2);  // No is the default
}

TEST_F(Commands, sessionLogoutNeverEndsAModifiedRibUnasked) {
  core::SharedState& s = core::App();
  EXPECT_TRUE(mainwindow::SessionMayEnd(s, false));
  s.projectModified = true;
  EXPECT_FALSE(mainwindow::SessionMayEnd(s, false));
  EXPECT_TRUE(messages.shown.empty());
  messages.answers = {BoxAnswer::No, BoxAnswer::Yes};
  EXPECT_FALSE(mainwindow::SessionMayEnd(s, true));
  EXPECT_TRUE(mainwindow::SessionMayEnd(s, true));
  EXPECT_EQ(messages.shown[0].text, Key("FrmMainMessage", "4"));
}

TEST_F(Commands, newRibAsksOnlyForAnUnsavedLoadedRib) {
  core::SharedState& s = core::App();
  EXPECT_EQ(mainwindow::NewRibDecision(s), mainwindow::NewRibStep::Nothing);
  s.formerShown = true;
  EXPECT_EQ(mainwindow::NewRibDecision(s), mainwindow::NewRibStep::ClearNow);
  s.formerShown = false;
  s.airfoilLoaded = true;
  s.projectSaved = true;
  EXPECT_TRUE(mainwindow::ConfirmNewRib(s));
  EXPECT_TRUE(messages.shown.empty());
  s.projectSaved = false;
  messages.answers = {BoxAnswer::No, BoxAnswer::Yes};
  EXPECT_FALSE(mainwindow::ConfirmNewRib(s));
  EXPECT_TRUE(mainwindow::ConfirmNewRib(s));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmMainMessage", "5"));
  EXPECT_EQ(messages.shown[0].title, Key("FrmMainMessage", "6"));
}

TEST_F(Commands, chordComesFromTheTitleLine) {
  core::SharedState& s = core::App();
  s.airfoilTitle = "Clark Y for the wing root: 250";
  mainwindow::ChordFromTitle(s);
  EXPECT_FLOAT_EQ(s.chord, 250);
  EXPECT_EQ(s.chordText, "250");

  s.unitText = " in";
  s.airfoilTitle = "Tip rib:8\"";
  mainwindow::ChordFromTitle(s);
  EXPECT_FLOAT_EQ(s.chord, 203.2f);
  EXPECT_EQ(s.chordText, "8");
}

TEST_F(Commands, aTitleWhoseColonNamesNoChordKeepsTheChord) {
  core::SharedState& s = core::App();
  s.airfoilTitle = "E387: low Reynolds section";
  mainwindow::ChordFromTitle(s);
  EXPECT_FLOAT_EQ(s.chord, 200);
  EXPECT_EQ(s.chordText, "200");
}

TEST_F(Commands, recentAirfoilOpensWithEverythingInPlace) {
  core::SharedState& s = core::App();
  const std::string path = dir.File("wing.dat");
  testsupport::WriteFile(path, testsupport::AirfoilText("WING ROOT: 180"));
  s.tabLowerDistText = "12";
  s.tabLowerDist = 12;
  s.boardAngle = 5;
  RecordingRoad road;
  mainwindow::OpenRecentAirfoil(s, path, road);

  EXPECT_TRUE(s.airfoilLoaded);
  EXPECT_EQ(s.airfoilName, "wing");
  EXPECT_EQ(s.airfoilExt, "dat");
  EXPECT_EQ(s.airfoilTitle, "WING ROOT: 180");
  EXPECT_EQ(s.projectTitle, "wing");
  EXPECT_TRUE(s.projectModified);
  EXPECT_FLOAT_EQ(s.chord, 180);
  EXPECT_EQ(s.tabLowerDistText, "0");
  EXPECT_EQ(s.boardAngle, 0);
  EXPECT_GT(s.ptsCount, s.pointCount);  // prepared
  EXPECT_EQ(road.caption, "Vandrell " + Key("MainTolbar", "11") + " : wing");
  EXPECT_EQ(road.recent, std::vector<std::string>{path});
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Commands, aRefusedRecentFileLeavesThePreviousAirfoilWhole) {
  core::SharedState& s = core::App();
  const std::string good = dir.File("good.dat");
  testsupport::WriteFile(good, testsupport::AirfoilText("GOOD"));
  RecordingRoad road;
  mainwindow::OpenRecentAirfoil(s, good, road);
  const auto x = s.airfoilX;
  const auto upper = s.upperAt;

  for (const char* bad : {"T\n0.99999 0\n0 0\n1 0\n", "T\n1 0\n0.5 0\n0.5 0\n0 0\n1 0\n",
                                 "T\n1 0\n0.5 0.05\n0 0\n0.5 -0.02\n0.9998 0\n", ""}) {
    const std::string path = dir.File("bad.dat");
    testsupport::WriteFile(path, bad);
    mainwindow::OpenRecentAirfoil(s, path, road);
    EXPECT_EQ(s.airfoilName, "good");
    EXPECT_EQ(s.airfoilTitle, "GOOD");
    EXPECT_EQ(s.airfoilX, x);
    EXPECT_EQ(s.upperAt, upper);
    EXPECT_TRUE(s.airfoilLoaded);
  }
  ASSERT_EQ(messages.shown.size(), 4u);
  EXPECT_EQ(messages.shown[0].text, Key("frmopen", "13") + "\n" + Key("frmopen", "14"));
  EXPECT_EQ(messages.shown[0].title, Key("frmopen", "1"));
  EXPECT_EQ(messages.shown[2].text, Key("frmopen", "19") + "\n" + Key("frmopen", "18"));
  EXPECT_EQ(messages.shown[3].title, Key("Erreur", "1") + " Open/FichierLecture");
  EXPECT_EQ(road.recent.size(), 1u);
}

TEST_F(Commands, aRecentFileThatIsGoneOpensNothingAndSaysNothing) {
  RecordingRoad road;
  mainwindow::OpenRecentAirfoil(core::App(), dir.File("gone.dat"), road);
  EXPECT_FALSE(core::App().airfoilLoaded);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Commands, aRecentFileOnDriveAAsksFirst) {
  RecordingRoad road;
  messages.answers = {BoxAnswer::No};
  mainwindow::OpenRecentAirfoil(core::App(), "a:\\wing.dat", road);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("frmopen", "30"));
  EXPECT_EQ(messages.shown[0].title, "Open Airfoil components");
  EXPECT_EQ(messages.shown[0].defaultButton, 2);
}

TEST_F(Commands, decimalCommaAsksWhetherToEnd) {
  EXPECT_FALSE(mainwindow::DecimalMarkRefused('.'));
  EXPECT_TRUE(messages.shown.empty());

  messages.answers = {BoxAnswer::No, BoxAnswer::Yes};
  EXPECT_FALSE(mainwindow::DecimalMarkRefused(','));
  EXPECT_TRUE(mainwindow::DecimalMarkRefused(','));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, Key("Message", "10") + "\r\r" + Key("Message", "11") + "\r\r" +
                                        Key("Message", "12") + "\r\r" + Key("Message", "13") + "\r\r" +
                                        Key("Message", "14") + "\r\r" + Key("Message", "15"));
  EXPECT_EQ(messages.shown[0].title, Key("Message", "16"));
  EXPECT_EQ(messages.shown[0].icon, platform::BoxIcon::Critical);
}

TEST_F(Commands, missingCalculatorIsTold) {
  mainwindow::StartCalculator();
  EXPECT_EQ(desktop.calculatorStarts, 1);
  EXPECT_TRUE(messages.shown.empty());

  desktop.calculatorFound = false;
  platform::SetTextLookup(nullptr);  // no Erreur/6 text: the built-in one shows
  mainwindow::StartCalculator();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "The windows Calculator does not exist");
  EXPECT_EQ(messages.shown[0].title, "Vandrell No-Calc");
}

TEST(Calculator, firstProgramOfTheListWinsWhereverItIsOnThePath) {
  testsupport::TempDir a, b;
  auto executable = [](const std::string& path, bool exec) {
    testsupport::WriteFile(path, "#!/bin/sh\n");
    ::chmod(path.c_str(), exec ? 0755 : 0644);
  };
  executable(a.File("xcalc"), true);
  executable(b.File("kcalc"), true);
  executable(a.File("gnome-calculator"), false);  // not executable: not a program
  const std::string path = a.path().string() + ":" + b.path().string();
  EXPECT_EQ(platform::FindFirstProgram(platform::CalculatorPrograms(), path), b.File("kcalc"));
  EXPECT_EQ(platform::FindFirstProgram({"nothing-here"}, path), "");
}

}  // namespace
