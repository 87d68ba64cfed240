// The open-airfoil window driven as a user drives it: the lists, the preview labels, each
// refusal with its message, Open and Cancel, and the road into the main window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

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
    std::filesystem::create_directory(folder);
    core::App().lastOpenDir = folder.string();
    Write("good.dat", testsupport::AirfoilText("GOOD 12"));
    Write("four.dat", "T\n1 0\n0.5 0.05\n0 0\n1 0\n");
    Write("blank.dat", "   \n1 0\n0 0\n1 0\n");
    Write("first.dat", "T\n0.99999 0\n0 0\n1 0\n");
    Write("double.dat", "T\n1 0\n0.5 0.05\n0.5 0.05\n0 0\n1 0\n");
    Write("open.dat", "T\n1 0\n0.5 0.05\n0 0\n0.5 -0.02\n0.9998 0\n");
    Write("tip.cor", testsupport::AirfoilText("TIP"));
  }
  void Write(const std::string& name, const std::string& text) { testsupport::WriteFile((folder / name).string(), text); }
  std::string Label1(mainwindow::FrmOpen& w) { return w.Label("Label1")->text().toStdString(); }

  std::filesystem::path folder;
};

TEST_F(FrmOpenTest, opensInTheLastDirectoryWithTheSeligFilter) {
  mainwindow::FrmOpen w(nullptr, "Open", false);
  EXPECT_EQ(w.CurrentDirectory(), folder.string());
  EXPECT_EQ(w.Combo1()->count(), 2);
  EXPECT_EQ(w.Combo1()->currentText(), "Selig Files (*.dat)");
  EXPECT_EQ(w.File1()->count(), 6);
  EXPECT_FALSE(w.memP1()->isVisibleTo(&w));
  EXPECT_EQ(w.cmdouvrir()->text().toStdString(), Key("TextButton", "12"));
  EXPECT_EQ(w.Label("Lbchemin")->text().toStdString(), mainwindow::AbbreviatedPath(folder.string()));

  w.Combo1()->setCurrentIndex(1);
  ASSERT_EQ(w.File1()->count(), 1);
  EXPECT_EQ(w.File1()->item(0)->text(), "tip.cor");
}

TEST_F(FrmOpenTest, aChosenFileShowsItsTitleAndPointsAndOpenAcceptsIt) {
  const std::vector<double> previousX = core::App().airfoilX;
  mainwindow::FrmOpen w(nullptr, "Open", false);
  w.File1()->setCurrentRow(w.File1()->row(w.File1()->findItems("good.dat", Qt::MatchExactly)[0]));
  EXPECT_EQ(Label1(w), "GOOD 12");
  EXPECT_EQ(w.Label("Label2")->text().toStdString(), "11 " + Key("frmopen", "24"));
  EXPECT_EQ(w.Label("nomfile1")->text(), "good.dat");
  EXPECT_EQ(core::App().airfoilX, previousX);  // browsing leaves the current airfoil alone

  w.cmdouvrir_Click();
  EXPECT_TRUE(w.Accepted());
  EXPECT_EQ(w.ChosenPath(), (folder / "good.dat").string());
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenProfil", core::App().iniFile), folder.string());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrmOpenTest, eachRefusalIsToldInTheLabelAndABoxTitledWithTheCaption) {
  struct Case {
    const char* file;
    std::string label1;
    std::string box;
  };
  const Case cases[] = {
      {"blank.dat", "", Key("frmopen", "11")},
      {"first.dat", Key("frmopen", "12"), Key("frmopen", "13") + "\n" + Key("frmopen", "14")},
      {"double.dat", Key("frmopen", "16") + "= 0.5" + Key("frmopen", "17") + "= 0.5",
       Key("frmopen", "16") + "= 0.5" + Key("frmopen", "17") + "= 0.5"},
      {"open.dat", Key("frmopen", "18"), Key("frmopen", "19") + "\n" + Key("frmopen", "18")},
  };
  for (const Case& c : cases) {
    mainwindow::FrmOpen w(nullptr, "Open airfoil", false);
    messages.shown.clear();
    w.File1_Click(c.file);
    EXPECT_EQ(Label1(w), c.label1) << c.file;
    EXPECT_TRUE(w.Label("Label2")->text().isEmpty());
    ASSERT_EQ(messages.shown.size(), 1u) << c.file;
    EXPECT_EQ(messages.shown[0].text, c.box);
    EXPECT_EQ(messages.shown[0].title, "Open airfoil");
    // Open then refuses the file with frmopen/23.
    w.cmdouvrir_Click();
    EXPECT_FALSE(w.Accepted());
    EXPECT_EQ(messages.shown.back().text, Key("frmopen", "23"));
    EXPECT_TRUE(core::App().dialogCancelled);
  }
}

TEST_F(FrmOpenTest, openWithoutAFileOrWithFourPointsIsRefused) {
  {
    mainwindow::FrmOpen w(nullptr, "Open", false);
    w.cmdouvrir_Click();
    EXPECT_FALSE(w.Accepted());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, Key("frmopen", "22"));
    EXPECT_EQ(messages.shown[0].title, "Open");
  }
  mainwindow::FrmOpen w(nullptr, "Open", false);
  w.File1_Click("four.dat");
  EXPECT_EQ(messages.shown.size(), 1u);  // four points read without complaint
  w.cmdouvrir_Click();
  EXPECT_EQ(messages.shown.back().text, Key("frmopen", "23"));
  EXPECT_FALSE(w.Accepted());
}

TEST_F(FrmOpenTest, theRoadThroughTheWindowDrawsTheRib) {
  mainwindow::MainWindow main;
  main.Load();
  core::App().lastOpenDir = folder.string();
  main.show();
  WhenModal([](QWidget* modal) {
    auto* open = qobject_cast<mainwindow::FrmOpen*>(modal);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->windowTitle().toStdString(), Key("frmopen", "1"));
    open->File1_DblClick("good.dat");
  });
  main.Run("cmdprofil");
  core::SharedState& s = core::App();
  EXPECT_TRUE(s.airfoilLoaded);
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
  core::App().lastOpenDir = folder.string();
  mainwindow::OpenRecentAirfoil(core::App(), (folder / "good.dat").string(), main);
  const core::SharedState before = core::App();
  WhenModal([](QWidget* modal) {
    auto* open = qobject_cast<mainwindow::FrmOpen*>(modal);
    ASSERT_NE(open, nullptr);
    open->File1_Click("tip.cor");  // not shown in the list, read all the same
    open->File1_Click("first.dat");
    open->cmdannuler()->click();
  });
  main.Run("mnu_fileprofilopen");
  const core::SharedState& s = core::App();
  EXPECT_TRUE(s.dialogCancelled);
  EXPECT_EQ(s.airfoilTitle, before.airfoilTitle);
  EXPECT_EQ(s.airfoilX, before.airfoilX);
  EXPECT_EQ(s.pointCount, before.pointCount);
  EXPECT_EQ(s.airfoilPath, before.airfoilPath);
  EXPECT_TRUE(s.airfoilLoaded);
}

}  // namespace
