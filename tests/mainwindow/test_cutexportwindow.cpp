// File > Export for cutting driven as a user drives it: the remembered choices, the kerf box
// refusing bad text and values, and the road from the menu to the written file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "mainwindow/cutexportwindow.h"
#include "mainwindow/mainwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

using output::CutFormat;

class CutExportWindowTest : public testsupport::WindowTest {};

// Cancel keeps the earlier choices; OK's are the next window's.
TEST_F(CutExportWindowTest, OpensWithTheChoicesMadeLastTimeAndCancelStoresNothing) {
  {
    mainwindow::CutExportWindow w;
    EXPECT_EQ(w.windowTitle().toStdString(), Key("FrmCut", "1"));
    EXPECT_TRUE(w.FormatButton(CutFormat::DxfR2000)->isChecked());
    EXPECT_EQ(w.KerfBox()->text(), "0");
    EXPECT_FALSE(w.MarksBox()->isChecked());
    w.show();
    w.FormatButton(CutFormat::Svg)->click();
    w.KerfBox()->setText("1");
    w.CancelButton()->click();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(userStore.Get("Cut", "Format"), "");
  }
  userStore.Set("Cut", "Format", "svg");
  userStore.Set("Cut", "Kerf", "0.3");
  userStore.Set("Cut", "Marks", "1");
  mainwindow::CutExportWindow w;
  EXPECT_TRUE(w.FormatButton(CutFormat::Svg)->isChecked());
  EXPECT_FALSE(w.FormatButton(CutFormat::DxfR12)->isChecked());
  EXPECT_EQ(w.KerfBox()->text(), "0.3");
  EXPECT_TRUE(w.MarksBox()->isChecked());
}

TEST_F(CutExportWindowTest, TheKerfBoxRefusesOtherKeysAndOkRefusesAWidthTooWide) {
  mainwindow::CutExportWindow w;
  w.show();
  Retype(w.KerfBox(), "0,2-x5");
  EXPECT_EQ(w.KerfBox()->text(), "0,25") << "the minus and the letter never reach the box";

  // Which texts are refused, and why, is the command's test; here the window's part.
  w.KerfBox()->setText("12");
  w.OkButton()->click();
  EXPECT_TRUE(w.isVisible()) << "the window stays open to correct the box";
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("filedxf", "161") + " 10 mm");
  EXPECT_EQ(messages.shown[0].title, Key("FrmCut", "1"));
  EXPECT_EQ(userStore.Get("Cut", "Kerf"), "") << "nothing stored";

  w.KerfBox()->setText("0.15");
  w.FormatButton(CutFormat::DxfR12)->click();
  w.MarksBox()->click();
  w.OkButton()->click();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(std::tuple(w.Settings().format, w.Settings().kerfMm, w.Settings().marks),
            std::tuple(CutFormat::DxfR12, 0.15, true));
  EXPECT_EQ(userStore.Get("Cut", "Format"), "r12");
  EXPECT_EQ(userStore.Get("Cut", "Kerf"), "0.15");
  EXPECT_EQ(userStore.Get("Cut", "Marks"), "1");
}

TEST_F(CutExportWindowTest, TheMenuEntryWritesTheChosenFile) {
  mainwindow::MainWindow main(doc);
  main.Load();
  main.LoadCaptions();
  EXPECT_FALSE(main.IsCommandEnabled(mainwindow::Command::ExportForCutting)) << "nothing to cut yet";
  EXPECT_EQ(main.Action(mainwindow::Command::ExportForCutting)->text().toStdString(), Key("MenuFile", "160"));
  OpenAirfoil();
  EXPECT_TRUE(main.IsCommandEnabled(mainwindow::Command::ExportForCutting));

  const std::string target = dir.File("wing.svg");
  fileDialogs.answers = {target};
  WhenModalIs<mainwindow::CutExportWindow>([](mainwindow::CutExportWindow* w) {
    w->FormatButton(CutFormat::Svg)->click();
    w->KerfBox()->setText("0.2");
    w->OkButton()->click();
  });
  main.Run(mainwindow::Command::ExportForCutting);
  ASSERT_EQ(fileDialogs.requests.size(), 1u);
  EXPECT_EQ(fileDialogs.requests[0].defaultExt, "svg");
  EXPECT_EQ(fileDialogs.requests[0].title, Key("filedxf", "163"));
  const std::string svg = testsupport::ReadFile(target);
  EXPECT_NE(svg.find("<g id=\"CUT\">"), std::string::npos);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
