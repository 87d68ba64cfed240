// The main menu's rules without the window: questions, the chord of a title line, the
// recent-files road and its failures, the calculator.
#include <gtest/gtest.h>

#include "commands/windowtitle.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "commands/airfoilcommands.h"
#include "commands/ribseries.h"
#include "files/settings.h"
#include "mainwindow/menurules.h"
#include "support/windowtest.h"

using platform::BoxAnswer;
using testsupport::Key;

namespace {

class MenuRules : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    listening = doc.changes.Listen([this](core::Changes c) { heard.push_back(c); });
  }
  std::vector<core::Changes> heard;
  core::ChangeChannel::Subscription listening;
};

// Quitting loses nothing unasked: an unmodified rib (or the comparison view) quits at once;
// a modified one offers Save, Discard and Cancel, and only a save that went through quits.
TEST_F(MenuRules, QuittingAsksOnlyWhenChangesWouldBeLost) {
  core::RibDocument& s = doc;
  EXPECT_TRUE(mainwindow::AskToQuit(s));
  s.project.modified = true;
  s.view.compareShown = true;
  EXPECT_TRUE(mainwindow::AskToQuit(s));
  EXPECT_TRUE(messages.shown.empty());

  s.view.compareShown = false;
  s.airfoil.name = "wing";
  const std::string saved = dir.File("wing.vdl");
  fileDialogs.answers = {"", saved};  // the first save is cancelled in its dialog
  messages.answers = {BoxAnswer::Cancel, BoxAnswer::Save, BoxAnswer::Save, BoxAnswer::Discard};
  EXPECT_FALSE(mainwindow::AskToQuit(s));  // Cancel
  EXPECT_FALSE(mainwindow::AskToQuit(s));  // Save, then the dialog cancelled
  EXPECT_TRUE(s.project.modified);
  EXPECT_TRUE(mainwindow::AskToQuit(s));   // Save, written
  EXPECT_FALSE(s.project.modified);
  EXPECT_TRUE(std::filesystem::exists(saved));
  s.project.modified = true;
  EXPECT_TRUE(mainwindow::AskToQuit(s));   // Discard
  ASSERT_EQ(messages.shown.size(), 4u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmMainMessage", "19"));
  EXPECT_EQ(messages.shown[0].buttons, platform::BoxButtons::SaveDiscardCancel);

  // A session logout never ends a modified rib unasked.
  messages.shown.clear();
  EXPECT_FALSE(mainwindow::SessionMayEnd(s, false));
  EXPECT_TRUE(messages.shown.empty());
  messages.answers = {BoxAnswer::Discard};
  EXPECT_TRUE(mainwindow::SessionMayEnd(s, true));
  s.project.modified = false;
  EXPECT_TRUE(mainwindow::SessionMayEnd(s, false));
}

// A command that waits while the comparison or the former shows must be one that the
// opening of an airfoil, which ends those views, enables again; the rib's own view has none.
TEST(IdleCommands, EveryCommandThatWaitsComesBackWithAnAirfoil) {
  const std::vector<mainwindow::Command>& withAirfoil = mainwindow::AirfoilCommands();
  core::ViewState view;
  EXPECT_TRUE(mainwindow::CommandsIdleInView(view).empty());
  for (bool compare : {true, false}) {
    view.compareShown = compare;
    view.formerShown = !compare;
    const std::vector<mainwindow::Command> idle = mainwindow::CommandsIdleInView(view);
    EXPECT_FALSE(idle.empty());
    for (mainwindow::Command c : idle)
      EXPECT_NE(std::find(withAirfoil.begin(), withAirfoil.end(), c), withAirfoil.end()) << mainwindow::ControlName(c);
  }
}

TEST_F(MenuRules, ToolsThatClearTheRibAskTheQuittingQuestionWhileItIsModified) {
  core::RibDocument& s = doc;
  s.airfoil.loaded = true;
  // A tool that clears the rib asks the quitting question's buttons instead of its own Yes
  // or No while the rib is modified: Cancel keeps it, Discard clears it.
  s.project.modified = true;
  messages.shown.clear();
  messages.answers = {BoxAnswer::Cancel, BoxAnswer::Discard};
  EXPECT_FALSE(commands::ConfirmSeriesTool(s));
  EXPECT_TRUE(s.airfoil.loaded);
  EXPECT_TRUE(commands::ConfirmSeriesTool(s));
  EXPECT_FALSE(s.airfoil.loaded);
  ASSERT_GE(messages.shown.size(), 2u);
  for (std::size_t i : {0u, 1u}) {
    EXPECT_EQ(messages.shown[i].text, Key("FrmMainMessage", "20"));
    EXPECT_EQ(messages.shown[i].buttons, platform::BoxButtons::SaveDiscardCancel);
  }
}

TEST_F(MenuRules, ChordComesFromTheTitleLineOnlyWhenItNamesOne) {
  core::RibDocument& s = doc;
  struct Case { const char* unit; const char* title; float chord; const char* text; };
  for (const Case& c : {Case{" mm", "Clark Y for the wing root: 250", 250, "250"},
                        Case{" mm", "E387: low Reynolds section", 250, "250"},  // kept
                        Case{" mm", "GOOD: 180 mm", 180, "180"},
                        Case{" in", "Tip rib:8\"", 203.2f, "8"},
                        Case{" in", "Rib 1 Chord : 7.1/2 in", 190.5f, "7.1/2"},
                        // The title's own unit, whatever the one in force.
                        Case{" mm", "Rib 1 Chord : 7.1/2 in", 190.5f, "190.5"},
                        Case{" in", "Rib 3 Chord : 152.40", 152.4f, "6"}}) {
    s.settings.unitText = c.unit;
    s.airfoil.title = c.title;
    commands::ChordFromTitle(s);
    EXPECT_FLOAT_EQ(s.rib.chord.mm, c.chord) << c.title;
    EXPECT_EQ(s.rib.chord.text, c.text) << c.title;
  }
}

TEST_F(MenuRules, ARecentAirfoilOpensPreparedAndARefusedOneLeavesItWhole) {
  core::RibDocument& s = doc;
  s.rib.boardAngle = 5;
  s.rib.tabs.board = core::TabBoard::OverUpperSurface;
  const std::string good = OpenAirfoil("GOOD: 180", "good.dat");
  EXPECT_TRUE(s.project.modified);
  EXPECT_FLOAT_EQ(s.rib.chord.mm, 180);
  // The board starts afresh, level and under the rib (its distance: the rib stand tests).
  EXPECT_EQ(s.rib.boardAngle, 0);
  EXPECT_EQ(s.rib.tabs.board, core::TabBoard::UnderLowerSurface);
  EXPECT_GT(s.prepared.outline.size(), s.airfoil.points.size());  // prepared
  EXPECT_EQ(files::RecentFileList(s), std::vector<std::string>{good});
  // One announcement tells the windows everything: a new airfoil, its title, the recent list.
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_TRUE(heard[0].Has(core::Change::Airfoil) && heard[0].Has(core::Change::Project) &&
              heard[0].Has(core::Change::Settings));
  EXPECT_EQ(commands::WindowTitle(s), "Vandrell " + Key("MainTolbar", "11") + " : good");
  const auto points = s.airfoil.points;
  const auto upper = s.prepared.upperAt;
  for (const char* bad : {"T\n0.99999 0\n0 0\n1 0\n", "T\n1 0\n0.5 0\n0.5 0\n0 0\n1 0\n",
                          "T\n1 0\n0.5 0.05\n0 0\n0.5 -0.02\n0.9998 0\n", ""}) {
    testsupport::WriteFile(dir.File("bad.dat"), bad);
    commands::OpenRecentAirfoil(s, dir.File("bad.dat"));
    EXPECT_EQ(s.airfoil.title, "GOOD: 180");
    EXPECT_EQ(s.airfoil.points, points);
    EXPECT_EQ(s.prepared.upperAt, upper);
  }
  ASSERT_EQ(messages.shown.size(), 4u);
  EXPECT_EQ(messages.shown[0].text, Key("frmopen", "13") + "\n" + Key("frmopen", "14"));
  EXPECT_EQ(messages.shown[0].title, Key("frmopen", "1"));
  // An empty file is told in words, with its name, not as an error number.
  EXPECT_EQ(messages.shown[3].title, Key("frmopen", "1"));
  EXPECT_EQ(messages.shown[3].text, Key("frmopen", "37") + "\n" + dir.File("bad.dat"));
  EXPECT_EQ(files::RecentFileList(s).size(), 1u);
  EXPECT_EQ(heard.size(), 1u);  // a refusal changes nothing, so it announces nothing

  // A file that is gone opens nothing and says nothing; one on drive A asks first.
  commands::OpenRecentAirfoil(s, dir.File("gone.dat"));
  EXPECT_EQ(messages.shown.size(), 4u);
  messages.answers = {BoxAnswer::No};
  commands::OpenRecentAirfoil(s, "a:\\wing.dat");
  ASSERT_EQ(messages.shown.size(), 5u);
  EXPECT_EQ(messages.shown[4].text, Key("frmopen", "30"));
  EXPECT_EQ(messages.shown[4].title, "Open Airfoil components");
  EXPECT_EQ(s.airfoil.title, "GOOD: 180");
}

TEST_F(MenuRules, AMissingCalculatorIsToldEvenWithoutALanguage) {
  desktop.calculatorFound = false;
  platform::SetTextLookup(nullptr);  // no Erreur/6 text: the built-in one shows
  mainwindow::StartCalculator();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "The windows Calculator does not exist");
  EXPECT_EQ(messages.shown[0].title, "Vandrell - Windows Calculator");
}

TEST(Calculator, FirstProgramOfTheListWinsWhereverItIsOnThePath) {
  // Beside the test program, where programs run: the temporary folder may be mounted
  // without that right, and there nothing is a program.
  testsupport::TempDir a(std::filesystem::current_path()), b(std::filesystem::current_path());
  for (auto [path, mode] : std::initializer_list<std::pair<std::string, int>>{
           {a.File("xcalc"), 0755}, {b.File("kcalc"), 0755}, {a.File("gnome-calculator"), 0644}}) {  // 0644: no program
    testsupport::WriteFile(path, "#!/bin/sh\n");
    ::chmod(path.c_str(), mode);
  }
  const std::string path = a.path().string() + ":" + b.path().string();
  EXPECT_EQ(platform::FindFirstProgram(platform::CalculatorPrograms(), path), b.File("kcalc"));
  EXPECT_EQ(platform::FindFirstProgram({"nothing-here"}, path), "");
}

}  // namespace
