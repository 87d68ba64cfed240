// The main window driven as a user drives it: zoom and scroll, status bar, menu enabling,
// the new-rib and exit questions, the recent files, projects, services and captions.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "mainwindow/mainwindow.h"
#include "support/windowtest.h"

using platform::BoxAnswer;
using testsupport::Key;

namespace {

class MainWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window = std::make_unique<mainwindow::MainWindow>();
    window->Load();
    window->LoadCaptions();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    window.reset();
    WindowTest::TearDown();
  }
  bool Enabled(const std::string& name) { return window->IsCommandEnabled(name); }
  std::string Status() { return window->Panel(2)->text().toStdString(); }

  std::unique_ptr<mainwindow::MainWindow> window;
};

TEST_F(MainWindowTest, zoomEntriesSetTheZoomAndResetTheScrollBars) {
  OpenAirfoil(*window);
  EXPECT_EQ(window->Combo1()->currentText(), "Zoom 100 %");
  ASSERT_EQ(window->Combo1()->count(), 7);
  EXPECT_EQ(window->Combo1()->itemText(6), "Zoom  25 %");  // two blanks
  const float expected[] = {3, 2, 1.5f, 1, 0.75f, 0.5f, 0.25f};
  for (int i = 0; i < 7; ++i) {
    window->Combo1()->setCurrentIndex(3);
    window->Hsbpic()->setValue(window->Hsbpic()->maximum() > 0 ? 1 : 0);
    window->Combo1()->setCurrentIndex(i);
    EXPECT_FLOAT_EQ(core::App().zoom, expected[i]);
    EXPECT_EQ(window->Hsbpic()->value(), 0);
    EXPECT_EQ(window->Vsbpic()->value(), 0);
    EXPECT_EQ(core::App().hScroll, 0);
  }
}

TEST_F(MainWindowTest, scrollBarValuesBecomeNegatedOffsetsAndRedraw) {
  OpenAirfoil(*window, "LONG RIB: 600");
  window->Combo1()->setCurrentIndex(0);  // 300 %: the rib is larger than the view
  ASSERT_GT(window->Hsbpic()->maximum(), 5);
  ASSERT_GT(window->Vsbpic()->maximum(), 0);
  const int draws = window->DrawCount();
  window->Hsbpic()->setValue(5);
  EXPECT_EQ(core::App().hScroll, -5);
  window->Vsbpic()->setValue(1);  // one step down: the rib moves up
  EXPECT_EQ(core::App().vScroll, 1);
  EXPECT_EQ(window->DrawCount(), draws + 2);
}

TEST_F(MainWindowTest, statusBarShowsVersionUnitAndTheAirfoilWithoutAMissingTitle) {
  EXPECT_EQ(window->Panel(1)->text().toStdString(), " V. " + core::VersionText());
  EXPECT_EQ(window->Panel(3)->text(), "unit : mm");
  EXPECT_TRUE(Status().empty());
  window->Pic()->Clear();
  EXPECT_EQ(window->Pic()->Surface().pixelColor(3, 3), QColor(255, 255, 239));
  const std::string airfoil = Key("MainTolbar", "11"), chord = Key("MainTolbar", "13");
  OpenAirfoil(*window, "CLARK Y: 250");
  EXPECT_EQ(Status(), airfoil + " : wing  " + chord + " : 250 mm <> Information : CLARK Y: 250");
  EXPECT_EQ(window->windowTitle().toStdString(), "Vandrell " + airfoil + " : wing");
  // Without a title line the first point is the title: no information part.
  testsupport::WriteFile(dir.File("plain.dat"), "1 0.001\n0.5 0.06\n0 0\n0.5 -0.02\n1 0\n");
  mainwindow::OpenRecentAirfoil(core::App(), dir.File("plain.dat"), *window);
  EXPECT_EQ(Status(), airfoil + " : plain  " + chord + " : 250 mm");
}

TEST_F(MainWindowTest, commandsNeedingAnAirfoilWaitForOneAndANewRibDisablesThemAgain) {
  for (const char* name : {"mnu_filesaveas", "mnu_profilcorde", "cmdcorde", "cmdbf", "mnu_paramrep"})
    EXPECT_FALSE(Enabled(name)) << name;
  for (const char* name : {"mnu_fileprofilopen", "cmdprofil", "mnu_fileexit", "mnu_affLang", "mnu_calc"})
    EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_TRUE(window->Action("mnu_affTrac")->isChecked());

  OpenAirfoil(*window);
  for (const char* name : {"mnu_profilcorde", "mnu_profilepcoffrage", "mnu_profilbaD", "cmdcorde", "cmdbf",
                           "mnu_paramrep", "mnu_affclear"})
    EXPECT_TRUE(Enabled(name)) << name;
  bool saved = false, square = false;
  window->SetCommand("mnu_filesaveas", [&] { saved = true; });
  window->ToolbarButton(3)->trigger();  // the tool bar's save button runs the menu's command
  EXPECT_TRUE(saved);
  window->SetCommand("mnu_profilbaC", [&] { square = true; });
  core::App().leadingEdgeStyle = 0;
  window->Run("cmdba");  // the leading-edge button follows the style
  EXPECT_TRUE(square);

  messages.answers = {BoxAnswer::Yes};
  window->Run("mnu_affclear");
  EXPECT_FALSE(core::App().airfoilLoaded);
  EXPECT_FALSE(Enabled("mnu_profilcorde"));
  EXPECT_FALSE(window->ToolbarButton(3)->isEnabled());
  EXPECT_TRUE(Enabled("cmdcorde"));  // a new rib leaves the chord button at hand
  EXPECT_EQ(window->windowTitle(), "Vandrell");
}

TEST_F(MainWindowTest, newRibAsksForAnUnsavedRibAndKeepsItOnNo) {
  OpenAirfoil(*window);
  window->Action("mnu_affepr")->trigger();
  messages.answers = {BoxAnswer::No};
  window->Run("mnu_affclear");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmMainMessage", "5"));
  EXPECT_TRUE(core::App().airfoilLoaded);

  core::App().projectSaved = true;  // a saved rib is cleared without a question
  window->Run("mnu_affclear");
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(core::App().airfoilLoaded);
  EXPECT_FALSE(window->Action("mnu_affepr")->isChecked());
  EXPECT_TRUE(window->Action("mnu_affTrac")->isChecked());
  EXPECT_EQ(window->Combo1()->currentIndex(), 3);
}

TEST_F(MainWindowTest, exitAsksAndNoKeepsTheWindow) {
  messages.answers = {BoxAnswer::No};
  window->Run("mnu_fileexit");
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("TextButton", "17") + " Vandrell ? ");

  OpenAirfoil(*window);  // opening an airfoil marks the rib modified
  messages.answers = {BoxAnswer::No, BoxAnswer::Yes};
  window->close();  // as the window manager's close box does
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(messages.shown.back().text, Key("FrmMainMessage", "4"));
  window->close();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, recentFilesShowMostRecentFirstAndReorderOnOpening) {
  auto menu = [this] {
    std::vector<std::string> shown;
    for (int i = 0; i < 4; ++i)
      if (window->RecentEntry(i)->isVisible()) shown.push_back(window->RecentEntry(i)->data().toString().toStdString());
    return shown;
  };
  EXPECT_TRUE(menu().empty());
  testsupport::WriteFile(core::App().iniFile, "[LastFiles]\nRecentFile1=/ribs/b&c.dat\nRecentFile2=/ribs/a.dat\n");
  window->LoadRecentMenu();
  EXPECT_EQ(menu(), (std::vector<std::string>{"/ribs/b&c.dat", "/ribs/a.dat"}));
  EXPECT_EQ(window->RecentEntry(0)->text(), "/ribs/b&&c.dat");  // "&" is no access key

  std::vector<std::string> p;
  for (const char* name : {"a", "b", "c", "d", "e"}) p.push_back(OpenAirfoil(*window, name, name + std::string(".dat")));
  EXPECT_EQ(menu(), (std::vector<std::string>{p[4], p[3], p[2], p[1]}));  // a fifth drops the oldest
  window->RecentEntry(2)->trigger();  // c, third in the list, comes first
  EXPECT_EQ(core::App().airfoilName, "c");
  EXPECT_EQ(menu(), (std::vector<std::string>{p[2], p[4], p[3], p[1]}));
}

TEST_F(MainWindowTest, edgePiecesLongerThanTheChordAreRefusedAtRedraw) {
  OpenAirfoil(*window);
  core::App().leadingEdgeDepth = 120;
  core::App().trailingEdgeDepth = 90;
  const int draws = window->DrawCount();
  window->affiche();
  EXPECT_EQ(window->DrawCount(), draws);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, Key("FrmMainMessage", "13"));
  EXPECT_EQ(messages.shown.back().title, Key("FrmMainMessage", "14"));
}

TEST_F(MainWindowTest, rightClickOpensTheRibMenuAndServicesAreReached) {
  QTest::mouseClick(window->Pic(), Qt::RightButton, {}, QPoint(40, 40));
  EXPECT_TRUE(window->RibMenu()->isVisible());
  window->RibMenu()->close();

  window->Run("mnu_helpsearch");
  EXPECT_EQ(help.topics, std::vector<int>{10});
  window->Run("mnu_helpVersion");
  EXPECT_EQ(desktop.pagesOpened.size(), 1u);
  window->Run("mnu_fileprinterconfig");
  EXPECT_EQ(desktop.printerSetups, 1);
  window->Run("mnu_calc");
  EXPECT_EQ(desktop.calculatorStarts, 1);
}

TEST_F(MainWindowTest, projectSavedAndOpenedAgainBringsTheRibBack) {
  core::SharedState& s = core::App();
  OpenAirfoil(*window, "WING: 180", "airfoils/wing.dat");  // where the project looks for it
  s.markCount = 6;
  fileDialogs.answers = {dir.File("rib.vdl")};
  window->Run("mnu_filesaveas");
  EXPECT_TRUE(s.projectSaved);
  EXPECT_FALSE(s.projectModified);

  window->Run("mnu_affclear");  // saved: no question
  EXPECT_EQ(s.markCount, 0);
  fileDialogs.answers = {dir.File("rib.vdl")};
  window->Run("mnu_fileopen");
  EXPECT_TRUE(messages.shown.empty());  // nothing was loaded: nothing to ask
  EXPECT_EQ(s.airfoilName, "wing");
  EXPECT_EQ(s.markCount, 6);
  EXPECT_FLOAT_EQ(s.chord, 180);
  EXPECT_TRUE(Enabled("mnu_profilcorde"));

  // With a rib open, the open command asks first; No keeps it.
  messages.answers = {BoxAnswer::No};
  window->Run("mnu_fileopen");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("fileopen", "1"));
  EXPECT_EQ(fileDialogs.requests.size(), 2u);  // the open dialog was not shown again
  EXPECT_EQ(s.markCount, 6);
}

TEST_F(MainWindowTest, aLanguageWithoutMenuTextsLeavesEntriesBlankButNamesTheCalculator) {
  misses.reset();  // this language lacks texts on purpose
  testsupport::WriteFile(dir.File("Mini.lng"), "[MenuAffich]\n1=View\n");
  core::App().languageFile = dir.File("Mini.lng");
  window->LoadCaptions();
  EXPECT_TRUE(window->Action("mnu_fileopen")->text().isEmpty());
  EXPECT_EQ(window->Action("mnu_calc")->text(), "Windo&ws Calculator");
  EXPECT_EQ(window->findChild<QMenu*>("mnu_aff")->title(), "View");
  core::App().languageFile = dir.File("English.lng");
  misses = std::make_unique<files::ScopedTextMisses>();
}

}  // namespace
