// The main window driven as a user drives it: load, zoom and scroll, status bar, menus
// and their enabling, the new-rib and exit questions, the recent files, the rib menu.
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
    // Closing asks; the tests that close say so themselves.
    window.reset();
    WindowTest::TearDown();
  }
  void OpenAirfoilFile(const std::string& title = "WING") {
    const std::string path = dir.File("wing.dat");
    testsupport::WriteFile(path, testsupport::AirfoilText(title));
    mainwindow::OpenRecentAirfoil(core::App(), path, *window);
  }
  bool Enabled(const std::string& name) { return window->IsCommandEnabled(name); }

  std::unique_ptr<mainwindow::MainWindow> window;
};

TEST_F(MainWindowTest, loadSetsZoomListStatusBarAndPicture) {
  QComboBox* zoom = window->Combo1();
  ASSERT_EQ(zoom->count(), 7);
  EXPECT_EQ(zoom->currentText(), "Zoom 100 %");
  EXPECT_EQ(zoom->toolTip().toStdString(), Key("MainTolbar", "9"));
  EXPECT_EQ(window->Panel(1)->text().toStdString(), " V. " + core::VersionText());
  EXPECT_TRUE(window->Panel(2)->text().isEmpty());
  EXPECT_EQ(window->Panel(3)->text(), "unit : mm");
  EXPECT_EQ(window->windowTitle(), "Vandrell");
  window->Pic()->Clear();
  EXPECT_EQ(window->Pic()->Surface().pixelColor(3, 3), QColor(255, 255, 239));
  EXPECT_EQ(window->CommandButton("cmdcorde")->text().toStdString(), Key("MainTolbar", "13"));
  EXPECT_EQ(window->Action("mnu_helpVersion")->text().toStdString(), "Check " + Key("FrmAbout", "3"));
}

TEST_F(MainWindowTest, zoomEntriesSetTheZoomAndResetTheScrollBars) {
  OpenAirfoilFile();
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
  OpenAirfoilFile("LONG RIB: 600");
  window->Combo1()->setCurrentIndex(0);  // 300 %: the rib is larger than the view
  ASSERT_GT(window->Hsbpic()->maximum(), 5);
  const int draws = window->DrawCount();
  window->Hsbpic()->setValue(5);
  EXPECT_EQ(core::App().hScroll, -5);
  ASSERT_GT(window->Vsbpic()->maximum(), 0);
  window->Vsbpic()->setValue(1);  // one step down: the rib moves up
  EXPECT_EQ(core::App().vScroll, 1);
  EXPECT_EQ(window->DrawCount(), draws + 2);
}

TEST_F(MainWindowTest, statusBarNamesTheAirfoilAndHidesAMissingTitle) {
  OpenAirfoilFile("CLARK Y: 250");
  EXPECT_EQ(window->Panel(2)->text().toStdString(),
            Key("MainTolbar", "11") + " : wing  " + Key("MainTolbar", "13") + " : 250 mm <> Information : CLARK Y: 250");
  EXPECT_EQ(window->windowTitle().toStdString(), "Vandrell " + Key("MainTolbar", "11") + " : wing");

  const std::string path = dir.File("plain.dat");
  testsupport::WriteFile(path, "1 0.001\n0.5 0.06\n0 0\n0.5 -0.02\n1 0\n");
  mainwindow::OpenRecentAirfoil(core::App(), path, *window);
  EXPECT_EQ(window->Panel(2)->text().toStdString(),
            Key("MainTolbar", "11") + " : plain  " + Key("MainTolbar", "13") + " : 250 mm");
}

TEST_F(MainWindowTest, commandsNeedingAnAirfoilWaitForOne) {
  for (const char* name : {"mnu_filesaveas", "mnu_profilcorde", "mnu_affTrac", "cmdcorde", "cmdbf", "mnu_paramrep"})
    EXPECT_FALSE(Enabled(name)) << name;
  for (const char* name : {"mnu_fileprofilopen", "cmdprofil", "mnu_fileexit", "mnu_affLang", "mnu_calc",
                           "mnu_helpAbout", "mnu_fileprinterconfig"})
    EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_TRUE(window->Action("mnu_affTrac")->isChecked());
  EXPECT_FALSE(window->Action("mnu_affepr")->isChecked());

  OpenAirfoilFile();
  for (const char* name : {"mnu_profilcorde", "mnu_profilepcoffrage", "mnu_profilbaD", "mnu_affTrac", "cmdcorde",
                           "cmdbf", "mnu_paramrep", "mnu_affclear"})
    EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_TRUE(window->Action("mnu_profilcorde")->isEnabled());
  EXPECT_TRUE(window->CommandButton("cmdcorde")->isEnabled());
  bool saved = false;
  window->SetCommand("mnu_filesaveas", [&] { saved = true; });
  EXPECT_TRUE(window->ToolbarButton(3)->isEnabled());
  window->ToolbarButton(3)->trigger();  // the tool bar's save button runs the menu's command
  EXPECT_TRUE(saved);

  messages.answers = {BoxAnswer::Yes};
  window->Run("mnu_affclear");
  EXPECT_FALSE(core::App().airfoilLoaded);
  EXPECT_FALSE(Enabled("mnu_profilcorde"));
  EXPECT_FALSE(Enabled("cmdbf"));
  EXPECT_FALSE(window->ToolbarButton(3)->isEnabled());
  // A new rib leaves the chord button and the display entries at hand.
  EXPECT_TRUE(Enabled("cmdcorde"));
  EXPECT_TRUE(Enabled("mnu_affepr"));
  EXPECT_EQ(window->windowTitle(), "Vandrell");
  EXPECT_TRUE(window->Panel(2)->text().isEmpty());
}

TEST_F(MainWindowTest, newRibAsksForAnUnsavedRibAndKeepsItOnNo) {
  OpenAirfoilFile();
  window->Action("mnu_affepr")->trigger();
  EXPECT_TRUE(core::App().showThickness);
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

  OpenAirfoilFile();  // opening an airfoil marks the rib modified
  messages.answers = {BoxAnswer::No, BoxAnswer::Yes};
  window->close();  // as the window manager's close box does
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(messages.shown.back().text, Key("FrmMainMessage", "4"));
  window->close();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, recentFilesShowInTheFileMenuMostRecentFirst) {
  EXPECT_FALSE(window->RecentEntry(0)->isVisible());
  testsupport::WriteFile(core::App().iniFile,
                         "[LastFiles]\nRecentFile1=/ribs/b&c.dat\nRecentFile2=/ribs/a.dat\n");
  window->LoadRecentMenu();
  EXPECT_TRUE(window->RecentEntry(0)->isVisible());
  EXPECT_EQ(window->RecentEntry(0)->data().toString(), "/ribs/b&c.dat");
  EXPECT_EQ(window->RecentEntry(0)->text(), "/ribs/b&&c.dat");  // "&" is no access key
  EXPECT_EQ(window->RecentEntry(1)->data().toString(), "/ribs/a.dat");
  EXPECT_FALSE(window->RecentEntry(2)->isVisible());
}

TEST_F(MainWindowTest, openingAirfoilsOrdersTheRecentFiles) {
  std::vector<std::string> paths;
  for (const char* name : {"a", "b", "c", "d", "e"}) {
    paths.push_back(dir.File(std::string(name) + ".dat"));
    testsupport::WriteFile(paths.back(), testsupport::AirfoilText(name));
  }
  auto menu = [this] {
    std::vector<std::string> shown;
    for (int i = 0; i < 4; ++i)
      if (window->RecentEntry(i)->isVisible()) shown.push_back(window->RecentEntry(i)->data().toString().toStdString());
    return shown;
  };
  for (int i = 0; i < 4; ++i) mainwindow::OpenRecentAirfoil(core::App(), paths[i], *window);
  EXPECT_EQ(menu(), (std::vector<std::string>{paths[3], paths[2], paths[1], paths[0]}));
  window->RecentEntry(2)->trigger();  // b, third in the list, comes first
  EXPECT_EQ(core::App().airfoilName, "b");
  EXPECT_EQ(menu(), (std::vector<std::string>{paths[1], paths[3], paths[2], paths[0]}));
  mainwindow::OpenRecentAirfoil(core::App(), paths[4], *window);  // a fifth drops the oldest
  EXPECT_EQ(menu(), (std::vector<std::string>{paths[4], paths[1], paths[3], paths[2]}));
}

TEST_F(MainWindowTest, edgePiecesLongerThanTheChordAreRefusedAtRedraw) {
  OpenAirfoilFile();
  core::SharedState& s = core::App();
  s.leadingEdgeDepth = 120;
  s.trailingEdgeDepth = 90;
  const int draws = window->DrawCount();
  window->affiche();
  EXPECT_EQ(window->DrawCount(), draws);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, Key("FrmMainMessage", "13"));
  EXPECT_EQ(messages.shown.back().title, Key("FrmMainMessage", "14"));
  EXPECT_EQ(messages.shown.back().icon, platform::BoxIcon::Exclamation);
}

TEST_F(MainWindowTest, rightClickOnThePictureOpensTheRibMenu) {
  QTest::mouseClick(window->Pic(), Qt::RightButton, {}, QPoint(40, 40));
  EXPECT_TRUE(window->RibMenu()->isVisible());
  window->RibMenu()->close();
}

TEST_F(MainWindowTest, squareLeadingEdgeButtonFollowsTheStyle) {
  OpenAirfoilFile();
  bool square = false;
  window->SetCommand("mnu_profilbaC", [&] { square = true; });
  core::App().leadingEdgeStyle = 0;
  window->Run("cmdba");
  EXPECT_TRUE(square);
}

}  // namespace

namespace {

TEST_F(MainWindowTest, helpAndDesktopCommandsReachTheirServices) {
  window->Run("mnu_helpsearch");
  EXPECT_EQ(help.topics, std::vector<int>{10});
  window->Run("mnu_helpVersion");
  ASSERT_EQ(desktop.pagesOpened.size(), 1u);
  EXPECT_EQ(desktop.pagesOpened[0].rfind("http", 0), 0u);
  window->Run("mnu_fileprinterconfig");
  EXPECT_EQ(desktop.printerSetups, 1);
  window->Run("mnu_calc");
  EXPECT_EQ(desktop.calculatorStarts, 1);
}

}  // namespace

namespace {

TEST_F(MainWindowTest, projectSavedAndOpenedAgainBringsTheRibBack) {
  core::SharedState& s = core::App();
  const std::string airfoil = dir.File("airfoils/wing.dat");  // where the project looks for it
  testsupport::WriteFile(airfoil, testsupport::AirfoilText("WING: 180"));
  mainwindow::OpenRecentAirfoil(s, airfoil, *window);
  s.markCount = 6;
  fileDialogs.answers = {dir.File("rib.vdl")};
  window->Run("mnu_filesaveas");
  EXPECT_TRUE(s.projectSaved);
  EXPECT_FALSE(s.projectModified);
  ASSERT_TRUE(std::filesystem::exists(dir.File("rib.vdl")));

  window->Run("mnu_affclear");  // saved: no question
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(s.markCount, 0);

  fileDialogs.answers = {dir.File("rib.vdl")};
  window->Run("mnu_fileopen");
  EXPECT_TRUE(messages.shown.empty());  // no airfoil was loaded: nothing to ask
  EXPECT_TRUE(s.airfoilLoaded);
  EXPECT_EQ(s.airfoilName, "wing");
  EXPECT_EQ(s.markCount, 6);
  EXPECT_FLOAT_EQ(s.chord, 180);
  EXPECT_TRUE(window->IsCommandEnabled("mnu_profilcorde"));

  // With a rib open, the open command asks first; No keeps it.
  messages.answers = {BoxAnswer::No};
  window->Run("mnu_fileopen");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("fileopen", "1"));
  EXPECT_EQ(messages.shown[0].title, Key("fileopen", "2"));
  EXPECT_EQ(fileDialogs.requests.size(), 2u);  // the open dialog was not shown again
  EXPECT_EQ(s.markCount, 6);
}

}  // namespace

namespace {

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
