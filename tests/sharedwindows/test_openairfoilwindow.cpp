// The open-airfoil window driven as a user drives it: the lists, the preview labels, each
// refusal with its message, Open and Cancel, and the road into the main window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "files/ini.h"
#include "commands/airfoilcommands.h"
#include "mainwindow/mainwindow.h"
#include "sharedwindows/openairfoilwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

class OpenAirfoilWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    folder = dir.path() / "airfoils";
    doc.settings.lastOpenDir = folder.string();
    for (auto [name, text] : std::initializer_list<std::pair<const char*, std::string>>{
             {"good.dat", testsupport::AirfoilText("GOOD 12")}, {"four.dat", "T\n1 0\n0.5 0.05\n0 0\n1 0\n"},
             {"blank.dat", "   \n1 0\n0 0\n1 0\n"}, {"first.dat", "T\n0.99999 0\n0 0\n1 0\n"},
             {"double.dat", "T\n1 0\n0.5 0.05\n0.5 0.05\n0 0\n1 0\n"},
             {"open.dat", "T\n1 0\n0.5 0.05\n0 0\n0.5 -0.02\n0.9998 0\n"}, {"tip.cor", testsupport::AirfoilText("TIP")}})
      testsupport::WriteFile((folder / name).string(), text);
  }
  std::string Label(sharedwindows::OpenAirfoilWindow& w, const char* name) { return w.Label(name)->text().toStdString(); }
  // Runs `command` in a main window and acts on the open window it shows.
  void InMainWindow(mainwindow::MainWindow& main, mainwindow::Command command, std::function<void(sharedwindows::OpenAirfoilWindow*)> act) {
    WhenModal([act](QWidget* modal) {
      auto* open = qobject_cast<sharedwindows::OpenAirfoilWindow*>(modal);
      ASSERT_NE(open, nullptr);
      act(open);
    });
    main.Run(command);
  }

  std::filesystem::path folder;
};

TEST_F(OpenAirfoilWindowTest, OpensInTheLastDirectoryWithTheSeligFilterAndAcceptsAGoodFile) {
  const std::vector<double> previousX = doc.airfoil.x;
  sharedwindows::OpenAirfoilWindow w(doc.settings, "Open", false);
  EXPECT_EQ(w.CurrentDirectory(), folder.string());
  EXPECT_EQ(w.FileTypeList()->currentText(), "Selig Files (*.dat)");
  EXPECT_EQ(w.FileList()->count(), 6);
  EXPECT_EQ(Label(w, "Lbchemin"), sharedwindows::AbbreviatedPath(folder.string()));
  w.FileList()->setCurrentRow(w.FileList()->row(w.FileList()->findItems("good.dat", Qt::MatchExactly)[0]));
  EXPECT_EQ(Label(w, "Label1"), "GOOD 12");
  EXPECT_EQ(Label(w, "Label2"), "11 " + Key("frmopen", "24"));
  EXPECT_EQ(Label(w, "nomfile1"), "good.dat");
  EXPECT_EQ(doc.airfoil.x, previousX);  // browsing leaves the current airfoil alone
  w.Open();
  EXPECT_TRUE(w.Accepted());
  EXPECT_EQ(w.ChosenPath(), (folder / "good.dat").string());
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenProfil", doc.settings.iniFile), folder.string());
  EXPECT_TRUE(messages.shown.empty());
  w.FileTypeList()->setCurrentIndex(1);
  ASSERT_EQ(w.FileList()->count(), 1);
  EXPECT_EQ(w.FileList()->item(0)->text(), "tip.cor");
}

TEST_F(OpenAirfoilWindowTest, EachRefusalIsToldInTheLabelAndABoxAndOpenRefusesTheFile) {
  const std::string twice = Key("frmopen", "16") + "= 0.5" + Key("frmopen", "17") + "= 0.5";
  struct Case { const char* file; std::string summary, box, atOpen; };
  const Case cases[] = {
      {nullptr, "", "", Key("frmopen", "22")},  // nothing chosen
      {"four.dat", "T", "", Key("frmopen", "23")},  // read without complaint, too few to open
      {"blank.dat", "", Key("frmopen", "11"), Key("frmopen", "23")},
      {"first.dat", Key("frmopen", "12"), Key("frmopen", "13") + "\n" + Key("frmopen", "14"), Key("frmopen", "23")},
      {"double.dat", twice, twice, Key("frmopen", "23")},
      {"open.dat", Key("frmopen", "18"), Key("frmopen", "19") + "\n" + Key("frmopen", "18"), Key("frmopen", "23")},
  };
  for (const Case& c : cases) {
    sharedwindows::OpenAirfoilWindow w(doc.settings, "Open airfoil", false);
    messages.shown.clear();
    if (c.file) w.SelectFile(c.file);
    EXPECT_EQ(Label(w, "Label1"), c.summary) << c.file;
    ASSERT_EQ(messages.shown.size(), c.box.empty() ? 0u : 1u) << c.file;
    if (!c.box.empty()) {
      EXPECT_EQ(messages.shown[0].text, c.box);
      EXPECT_TRUE(Label(w, "Label2").empty());
    }
    w.Open();
    EXPECT_FALSE(w.Accepted());
    EXPECT_EQ(messages.shown.back().text, c.atOpen);
    EXPECT_EQ(messages.shown.back().title, "Open airfoil");
  }
}

TEST_F(OpenAirfoilWindowTest, TheRoadThroughTheWindowDrawsTheRib) {
  mainwindow::MainWindow main(doc);
  main.Load();
  doc.settings.lastOpenDir = folder.string();
  main.show();
  InMainWindow(main, mainwindow::Command::AirfoilButton, [](sharedwindows::OpenAirfoilWindow* open) {
    EXPECT_EQ(open->windowTitle().toStdString(), Key("frmopen", "1"));
    open->OpenFileAtOnce("good.dat");
  });
  const core::RibDocument& s = doc;
  EXPECT_EQ(s.airfoil.name, "good");
  EXPECT_EQ(s.airfoil.title, "GOOD 12");
  EXPECT_EQ(s.airfoil.pointCount, 11);
  EXPECT_FLOAT_EQ(s.rib.chord.mm, 200);
  EXPECT_GT(main.DrawCount(), 0);
  EXPECT_TRUE(main.IsCommandEnabled(mainwindow::Command::Chord));
}

TEST_F(OpenAirfoilWindowTest, CancelLeavesTheOpenRibAsItWas) {
  mainwindow::MainWindow main(doc);
  main.Load();
  commands::OpenRecentAirfoil(doc, (folder / "good.dat").string());
  doc.settings.lastOpenDir = folder.string();
  const core::RibDocument before = doc;
  messages.answers = {platform::BoxAnswer::Discard};  // the opened airfoil counts as a change
  InMainWindow(main, mainwindow::Command::OpenAirfoil, [](sharedwindows::OpenAirfoilWindow* open) {
    open->SelectFile("tip.cor");  // not shown in the list, read all the same
    open->SelectFile("first.dat");
    open->CancelButton()->click();
  });
  const core::RibDocument& s = doc;
  EXPECT_EQ(s.rib, before.rib);
  EXPECT_EQ(s.prepared, before.prepared);
  EXPECT_EQ(s.airfoil.title, before.airfoil.title);
  EXPECT_EQ(s.airfoil.x, before.airfoil.x);
  EXPECT_EQ(s.airfoil.pointCount, before.airfoil.pointCount);
  EXPECT_EQ(s.airfoil.path, before.airfoil.path);
}

}  // namespace
