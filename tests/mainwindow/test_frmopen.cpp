// The open-airfoil window driven as a user drives it: the lists, the preview labels, each
// refusal with its message, Open and Cancel, and the road into the main window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "files/ini.h"
#include "mainwindow/frmopen.h"
#include "mainwindow/mainwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

class FrmOpenTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    folder = dir.path() / "airfoils";
    core::App().lastOpenDir = folder.string();
    for (auto [name, text] : std::initializer_list<std::pair<const char*, std::string>>{
             {"good.dat", testsupport::AirfoilText("GOOD 12")}, {"four.dat", "T\n1 0\n0.5 0.05\n0 0\n1 0\n"},
             {"blank.dat", "   \n1 0\n0 0\n1 0\n"}, {"first.dat", "T\n0.99999 0\n0 0\n1 0\n"},
             {"double.dat", "T\n1 0\n0.5 0.05\n0.5 0.05\n0 0\n1 0\n"},
             {"open.dat", "T\n1 0\n0.5 0.05\n0 0\n0.5 -0.02\n0.9998 0\n"}, {"tip.cor", testsupport::AirfoilText("TIP")}})
      testsupport::WriteFile((folder / name).string(), text);
  }
  std::string Label(mainwindow::FrmOpen& w, const char* name) { return w.Label(name)->text().toStdString(); }
  // Runs `command` in a main window and acts on the open window it shows.
  void InMainWindow(mainwindow::MainWindow& main, const char* command, std::function<void(mainwindow::FrmOpen*)> act) {
    WhenModal([act](QWidget* modal) {
      auto* open = qobject_cast<mainwindow::FrmOpen*>(modal);
      ASSERT_NE(open, nullptr);
      act(open);
    });
    main.Run(command);
  }

  std::filesystem::path folder;
};

TEST_F(FrmOpenTest, opensInTheLastDirectoryWithTheSeligFilterAndAcceptsAGoodFile) {
  const std::vector<double> previousX = core::App().airfoilX;
  mainwindow::FrmOpen w(nullptr, "Open", false);
  EXPECT_EQ(w.CurrentDirectory(), folder.string());
  EXPECT_EQ(w.Combo1()->currentText(), "Selig Files (*.dat)");
  EXPECT_EQ(w.File1()->count(), 6);
  EXPECT_EQ(Label(w, "Lbchemin"), mainwindow::AbbreviatedPath(folder.string()));
  w.File1()->setCurrentRow(w.File1()->row(w.File1()->findItems("good.dat", Qt::MatchExactly)[0]));
  EXPECT_EQ(Label(w, "Label1"), "GOOD 12");
  EXPECT_EQ(Label(w, "Label2"), "11 " + Key("frmopen", "24"));
  EXPECT_EQ(Label(w, "nomfile1"), "good.dat");
  EXPECT_EQ(core::App().airfoilX, previousX);  // browsing leaves the current airfoil alone
  w.cmdouvrir_Click();
  EXPECT_TRUE(w.Accepted());
  EXPECT_EQ(w.ChosenPath(), (folder / "good.dat").string());
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenProfil", core::App().iniFile), folder.string());
  EXPECT_TRUE(messages.shown.empty());
  w.Combo1()->setCurrentIndex(1);
  ASSERT_EQ(w.File1()->count(), 1);
  EXPECT_EQ(w.File1()->item(0)->text(), "tip.cor");
}

TEST_F(FrmOpenTest, eachRefusalIsToldInTheLabelAndABoxAndOpenRefusesTheFile) {
  const std::string twice = Key("frmopen", "16") + "= 0.5" + Key("frmopen", "17") + "= 0.5";
  struct Case { const char* file; std::string label1, box, atOpen; };
  const Case cases[] = {
      {nullptr, "", "", Key("frmopen", "22")},  // nothing chosen
      {"four.dat", "T", "", Key("frmopen", "23")},  // read without complaint, too few to open
      {"blank.dat", "", Key("frmopen", "11"), Key("frmopen", "23")},
      {"first.dat", Key("frmopen", "12"), Key("frmopen", "13") + "\n" + Key("frmopen", "14"), Key("frmopen", "23")},
      {"double.dat", twice, twice, Key("frmopen", "23")},
      {"open.dat", Key("frmopen", "18"), Key("frmopen", "19") + "\n" + Key("frmopen", "18"), Key("frmopen", "23")},
  };
  for (const Case& c : cases) {
    mainwindow::FrmOpen w(nullptr, "Open airfoil", false);
    messages.shown.clear();
    if (c.file) w.File1_Click(c.file);
    EXPECT_EQ(Label(w, "Label1"), c.label1) << c.file;
    ASSERT_EQ(messages.shown.size(), c.box.empty() ? 0u : 1u) << c.file;
    if (!c.box.empty()) {
      EXPECT_EQ(messages.shown[0].text, c.box);
      EXPECT_TRUE(Label(w, "Label2").empty());
    }
    w.cmdouvrir_Click();
    EXPECT_FALSE(w.Accepted());
    EXPECT_EQ(messages.shown.back().text, c.atOpen);
    EXPECT_EQ(messages.shown.back().title, "Open airfoil");
    EXPECT_TRUE(core::App().dialogCancelled);
  }
}

TEST_F(FrmOpenTest, theRoadThroughTheWindowDrawsTheRib) {
  mainwindow::MainWindow main;
  main.Load();
  core::App().lastOpenDir = folder.string();
  main.show();
  InMainWindow(main, "cmdprofil", [](mainwindow::FrmOpen* open) {
    EXPECT_EQ(open->windowTitle().toStdString(), Key("frmopen", "1"));
    open->File1_DblClick("good.dat");
  });
  const core::SharedState& s = core::App();
  EXPECT_EQ(s.airfoilName, "good");
  EXPECT_EQ(s.airfoilTitle, "GOOD 12");
  EXPECT_EQ(s.pointCount, 11);
  EXPECT_FLOAT_EQ(s.chord, 200);
  EXPECT_GT(main.DrawCount(), 0);
  EXPECT_TRUE(main.IsCommandEnabled("mnu_profilcorde"));
}

TEST_F(FrmOpenTest, cancelLeavesTheOpenRibAsItWas) {
  mainwindow::MainWindow main;
  main.Load();
  mainwindow::OpenRecentAirfoil(core::App(), (folder / "good.dat").string(), main);
  core::App().lastOpenDir = folder.string();
  const core::SharedState before = core::App();
  InMainWindow(main, "mnu_fileprofilopen", [](mainwindow::FrmOpen* open) {
    open->File1_Click("tip.cor");  // not shown in the list, read all the same
    open->File1_Click("first.dat");
    open->cmdannuler()->click();
  });
  const core::SharedState& s = core::App();
  EXPECT_TRUE(s.dialogCancelled);
  EXPECT_EQ(s.airfoilTitle, before.airfoilTitle);
  EXPECT_EQ(s.airfoilX, before.airfoilX);
  EXPECT_EQ(s.pointCount, before.pointCount);
  EXPECT_EQ(s.airfoilPath, before.airfoilPath);
}

}  // namespace
