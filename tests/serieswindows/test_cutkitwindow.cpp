// The cutting kit window driven as a user drives it: a series written by the series command
// laid out and written, the sheets looked through, an earlier larger kit replaced, the
// refusals told in the window; and the series window handing its summary over.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "commands/projectcommands.h"
#include "commands/ribseries.h"
#include "serieswindows/cutkitwindow.h"
#include "serieswindows/kitpreview.h"
#include "serieswindows/kitsetupchoice.h"
#include "serieswindows/serieswindow.h"
#include "support/ribsetup.h"
#include "support/seriesrequest.h"
#include "support/windowtest.h"

using serieswindows::CutKitWindow;
using testsupport::Key;

namespace {

namespace fs = std::filesystem;

class CutKitWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    serieswindows::ForgetSeriesEntries();
    // Five ribs from Clark Y at 200 mm to NACA 0012 at 100 mm.
    const commands::SeriesRequest request =
        testsupport::SeriesRequestOf("clarky", "naca0012", "3", "200", "100", dir.File("series"));
    const commands::SeriesResult written = commands::GenerateSeries(request);
    ASSERT_EQ(written.outcome, commands::SeriesOutcome::Written);
    summary = written.written.summaryPath;
  }
  // What the command makes of the same summary and sizes.
  int CommandSheets(double widthMm, double lengthMm) const {
    commands::KitSettings s;
    s.sheet = core::SheetSize{lengthMm, widthMm};
    const commands::KitPlan plan = commands::PlanKit(doc, commands::KitRibsOf({summary}, 200).ribs, s);
    return plan.refusal ? -1 : plan.sheets;
  }
  std::string summary;
};

TEST_F(CutKitWindowTest, LaysOutTheSeriesShowsItsSheetsAndWritesThemAll) {
  CutKitWindow w(doc, summary);
  ASSERT_EQ(w.RibList()->count(), 1);
  EXPECT_FALSE(w.OpenFolderButton()->isEnabled());  // nothing written yet
  EXPECT_EQ(w.FolderBox()->text().toStdString(), (fs::path(dir.File("series")) / "kit").string());
  ASSERT_NE(w.Plan(), nullptr);
  // Chords of 200 to 100 mm, 750 mm with the gaps between them: all on one 1000 mm sheet.
  EXPECT_EQ(w.Plan()->parts.size(), 5u);
  EXPECT_EQ(w.Preview()->SheetCount(), 1);
  EXPECT_EQ(w.SheetLabel()->text(), QString::fromStdString(Key("FrmKit", "13")) + " 1 / 1");
  EXPECT_FALSE(w.NextButton()->isEnabled());
  EXPECT_TRUE(w.FiguresLabel()->text().contains(QString::fromStdString(Key("FrmKit", "14")) + " 1 "));

  // Sheets 30 x 250 mm take one row of ribs (two would need 12 + 14 mm and three gaps):
  // the 200 and 175 mm ribs then lie alone, the three others on one sheet at least.
  TypeOver(w.WidthBox(), "30");
  TypeOver(w.LengthBox(), "250");
  EXPECT_EQ(w.Plan(), nullptr);  // the shown layout went with the change
  EXPECT_EQ(w.Preview()->SheetCount(), 0);
  ASSERT_TRUE(w.LayOut());
  const int sheets = CommandSheets(30, 250);
  ASSERT_GE(sheets, 3);
  EXPECT_EQ(w.Preview()->SheetCount(), sheets);
  QTest::mouseClick(w.NextButton(), Qt::LeftButton);
  EXPECT_EQ(w.SheetLabel()->text(), QString::fromStdString(Key("FrmKit", "13")) + QString(" 2 / %1").arg(sheets));
  EXPECT_TRUE(w.PreviousButton()->isEnabled());
  const double fit = w.Preview()->PixelsPerMm();
  QTest::mouseClick(w.ZoomInButton(), Qt::LeftButton);
  EXPECT_NEAR(w.Preview()->PixelsPerMm(), fit * 1.25, 1e-9);

  w.FormatBox()->setCurrentIndex(2);  // SVG: the same sheets, written otherwise
  EXPECT_NE(w.Plan(), nullptr);
  // Enter in a box lays out; it never writes.
  EXPECT_TRUE(w.LayOutButton()->isDefault());
  EXPECT_FALSE(w.WriteButton()->isDefault());
  ASSERT_TRUE(w.Write());
  const std::string kit = w.FolderBox()->text().toStdString();
  // The window stays open and says what it wrote where, with the folder a click away.
  EXPECT_NE(w.result(), QDialog::Accepted);
  EXPECT_EQ(w.RibList()->count(), 1);
  EXPECT_EQ(w.WrittenLabel()->text(),
            QString::fromStdString(Key("FrmKit", "47")).arg(sheets).arg(QString::fromStdString(kit)));
  EXPECT_TRUE(w.OpenFolderButton()->isEnabled());
  QTest::mouseClick(w.OpenFolderButton(), Qt::LeftButton);
  EXPECT_EQ(desktop.foldersOpened, std::vector<std::string>{kit});
  for (int i = 1; i <= sheets; ++i) EXPECT_TRUE(fs::is_regular_file(kit + "/sheet-0" + std::to_string(i) + ".svg")) << i;
  EXPECT_FALSE(fs::exists(kit + "/sheet-0" + std::to_string(sheets + 1) + ".svg"));
  EXPECT_TRUE(fs::is_regular_file(kit + "/kit.txt"));
  EXPECT_TRUE(fs::is_regular_file(kit + "/kit.pdf"));
  EXPECT_NE(testsupport::ReadFile(kit + "/kit.txt").find("Sheets: " + std::to_string(sheets) + " of 250 x 30 mm"),
            std::string::npos);
  // Remembered for the next time, without a summary.
  EXPECT_EQ(userStore.Get("Kit", "Length"), "250");
  EXPECT_EQ(userStore.Get("Kit", "Format"), "svg");
  CutKitWindow again(doc);
  EXPECT_EQ(again.LengthBox()->text(), "250");
  EXPECT_EQ(again.FormatBox()->currentIndex(), 2);
  EXPECT_EQ(again.FolderBox()->text().toStdString(), kit);
}

// A notch deeper than the 200 mm Clark Y is thick parts all five ribs in two. The rib had
// it when a series tool cleared it: the window names that rib and takes it (ten pieces),
// told in red by name; two copies make twice the parts of ten ribs; the bare current rib
// parts none. A project chosen with its button is named and taken too.
TEST_F(CutKitWindowTest, TheRibBeforeTheSeriesIsKeptAndItsPiecesToldInRed) {
  testsupport::SetSpar(doc, 0, "50%", 3, 40, 0, static_cast<int>(core::SparCut::FromContour), 0,
                       static_cast<int>(core::SparShape::Notch));
  doc.rib.spars[0].width.text = "3";  // as typed, which a project keeps
  doc.rib.spars[0].height.text = "40";
  doc.rib.spars.last = 0;
  doc.airfoil.name = "clarky";
  const std::string project = dir.File("notched.vdl");
  ASSERT_TRUE(commands::SaveProjectAs(doc, project));
  doc.airfoil.loaded = true;
  messages.answers = {platform::BoxAnswer::Yes};
  ASSERT_TRUE(commands::ConfirmSeriesTool(doc));
  ASSERT_FALSE(doc.airfoil.loaded);
  CutKitWindow w(doc, summary);
  EXPECT_EQ(w.Setup()->Box()->currentText().toStdString(), Key("FrmKit", "58"));
  ASSERT_NE(w.Plan(), nullptr);
  EXPECT_EQ(w.CopiesBox()->value(), 1);
  EXPECT_EQ(w.Plan()->parts.size(), 10u);
  EXPECT_FALSE(w.SplitsLabel()->isHidden());
  EXPECT_NE(w.SplitsLabel()->styleSheet().indexOf("192, 0, 0"), -1);
  const QString told = w.SplitsLabel()->text();
  EXPECT_TRUE(told.startsWith(QString::fromStdString(Key("KitParts", "1")).arg("R01").arg(2))) << told.toStdString();
  EXPECT_EQ(told.count("; "), 4) << told.toStdString();
  EXPECT_TRUE(w.FiguresLabel()->text().startsWith(QString::fromStdString(Key("KitParts", "5")).arg(10).arg(5)));

  w.CopiesBox()->setValue(2);
  EXPECT_EQ(w.Plan(), nullptr);
  EXPECT_TRUE(w.SplitsLabel()->isHidden());
  ASSERT_TRUE(w.LayOut());
  EXPECT_EQ(w.Plan()->parts.size(), 20u);
  EXPECT_TRUE(w.FiguresLabel()->text().startsWith(QString::fromStdString(Key("KitParts", "5")).arg(20).arg(10)));
  w.Setup()->Box()->setCurrentIndex(w.Setup()->Box()->findText(QString::fromStdString(Key("FrmKit", "57"))));
  ASSERT_TRUE(w.LayOut());
  EXPECT_TRUE(w.SplitsLabel()->isHidden());
  EXPECT_EQ(w.Plan()->parts.size(), 10u);

  fileDialogs.answers = {project};
  w.Setup()->ChooseProject();
  EXPECT_EQ(w.Setup()->Box()->currentText(), "notched.vdl");
  ASSERT_TRUE(w.LayOut());
  EXPECT_EQ(w.Plan()->parts.size(), 20u);
  commands::ForgetSetupBeforeSeries();
}

// In inch mode the boxes show and read inches: the 100 x 1000 mm sheet as 3.937 by 39.370;
// 3 15/16 by 39 3/8 typed is 100.0125 by 1000.125 mm. The thickness, 1/8 in, is 3.175 mm in
// the list. (The pages' exact size: the batch program's kit test.)
TEST_F(CutKitWindowTest, InchModeAndTheThickness) {
  doc.settings.unitText = " in";
  CutKitWindow w(doc, summary);
  EXPECT_EQ(w.WidthBox()->text(), "3.937");
  EXPECT_EQ(w.LengthBox()->text(), "39.370");
  TypeOver(w.WidthBox(), "3 15/16");
  TypeOver(w.LengthBox(), "39 3/8");
  TypeOver(w.ThicknessBox(), "1/8");
  ASSERT_TRUE(w.LayOut());
  ASSERT_TRUE(w.Write());
  const std::string kit = w.FolderBox()->text().toStdString();
  const std::string list = testsupport::ReadFile(kit + "/kit.txt");
  EXPECT_NE(list.find(" of 1000.125 x 100.01"), std::string::npos) << list;
  EXPECT_NE(list.find(" x 3.175 mm, gap"), std::string::npos) << list;
  EXPECT_TRUE(fs::is_regular_file(kit + "/kit-check.pdf"));
}

// The caption and the names as lines reach the sheets from their boxes (what they engrave
// is the kit's own tests'), and are kept for the next time.
TEST_F(CutKitWindowTest, TheCaptionAndStrokedNamesBoxesReachTheSheets) {
  doc.rib.caption = {"WING", {30, "30"}, {6, "6"}, 9, /*isUserText=*/true};
  CutKitWindow w(doc, summary);
  EXPECT_FALSE(w.CaptionBox()->isChecked());
  w.CaptionBox()->click();
  EXPECT_EQ(w.Plan(), nullptr);
  w.StrokedNamesBox()->click();
  ASSERT_TRUE(w.LayOut());
  ASSERT_TRUE(w.Write());
  EXPECT_EQ(userStore.Get("Kit", "Caption"), "1");
  EXPECT_EQ(userStore.Get("Kit", "Names"), "lines");
  const std::string sheet = testsupport::ReadFile(w.FolderBox()->text().toStdString() + "/sheet-01.dxf");
  EXPECT_EQ(sheet.find("R01"), std::string::npos);
  EXPECT_NE(sheet.find("WING"), std::string::npos);
  CutKitWindow again(doc);
  EXPECT_TRUE(again.CaptionBox()->isChecked());
  EXPECT_TRUE(again.StrokedNamesBox()->isChecked());
}

TEST_F(CutKitWindowTest, AnEarlierLargerKitIsReplacedWholeOnlyWhenTheUserSaysSo) {
  const std::string kit = dir.File("kit");
  {
    CutKitWindow w(doc, summary);
    w.FolderBox()->setText(QString::fromStdString(kit));
    TypeOver(w.WidthBox(), "30");
    TypeOver(w.LengthBox(), "250");
    ASSERT_TRUE(w.Write());
  }
  ASSERT_TRUE(fs::exists(kit + "/sheet-02.dxf"));
  CutKitWindow w(doc, summary);
  w.FolderBox()->setText(QString::fromStdString(kit));
  TypeOver(w.WidthBox(), "100");
  TypeOver(w.LengthBox(), "1000");
  const std::string before = testsupport::ReadFile(kit + "/kit.txt");
  messages.answers = {platform::BoxAnswer::No};
  EXPECT_FALSE(w.Write());
  EXPECT_EQ(messages.shown.back().text, Key("FrmKit", "25") + "\n" + kit);
  EXPECT_EQ(testsupport::ReadFile(kit + "/kit.txt"), before);
  // The list marked read-only: a second question, naming it; No leaves the kit as it was.
  fs::permissions(kit + "/kit.txt", static_cast<fs::perms>(0444));
  messages.answers = {platform::BoxAnswer::Yes, platform::BoxAnswer::No};
  EXPECT_FALSE(w.Write());
  EXPECT_EQ(messages.shown.back().text, Key("Erreur", "215") + "\n" + kit + "/kit.txt");
  EXPECT_EQ(testsupport::ReadFile(kit + "/kit.txt"), before);
  EXPECT_TRUE(fs::exists(kit + "/sheet-02.dxf"));
  // Yes to both: the kit is replaced (what goes and what stays: the kit command's tests).
  messages.answers = {platform::BoxAnswer::Yes, platform::BoxAnswer::Yes};
  ASSERT_TRUE(w.Write());
  EXPECT_FALSE(fs::exists(kit + "/sheet-02.dxf"));
}

TEST_F(CutKitWindowTest, RefusalsAreToldInTheWindowAndNothingIsWritten) {
  CutKitWindow w(doc);
  const std::string kit = dir.File("refused");
  w.FolderBox()->setText(QString::fromStdString(kit));
  EXPECT_FALSE(w.Write());
  EXPECT_EQ(w.FiguresLabel()->text().toStdString(), Key("FrmKit", "20"));

  fileDialogs.answers = {summary, summary};  // the same summary twice is kept once
  w.AddRibs();
  w.AddRibs();
  ASSERT_EQ(w.RibList()->count(), 1);
  // A sheet 20 mm wide holds no 200 mm Clark Y (24 mm thick) turned along it.
  TypeOver(w.WidthBox(), "20");
  EXPECT_FALSE(w.LayOut());
  const std::string told = w.FiguresLabel()->text().toStdString();
  EXPECT_EQ(told.rfind(Key("FrmKit", "19") + "\n", 0), 0u) << told;
  EXPECT_NE(told.find("01.dat"), std::string::npos) << told;  // the root rib, by its file
  EXPECT_EQ(w.Preview()->SheetCount(), 0);

  TypeOver(w.WidthBox(), "100");
  TypeOver(w.GapBox(), "60");  // more than half the sheet's width on either side
  EXPECT_FALSE(w.LayOut());
  EXPECT_EQ(w.FiguresLabel()->text().toStdString(), Key("FrmKit", "21"));

  // Letters never reach a box; an empty one is refused, and the box is given back.
  QTest::keyClicks(w.GapBox(), "x");
  EXPECT_EQ(w.GapBox()->text(), "60");
  w.GapBox()->clear();
  EXPECT_FALSE(w.Write());
  EXPECT_EQ(messages.shown.back().text, Key("FrmKit", "24"));
  EXPECT_FALSE(fs::exists(kit));
}

TEST_F(CutKitWindowTest, TheSeriesWindowOffersItsNewSeriesAsAKit) {
  serieswindows::SeriesWindow series(doc, serieswindows::SeriesKind::Even,
                                     [](const std::string&) -> std::optional<serieswindows::PickedAirfoil> {
                                       const std::string path = testsupport::AirfoilPath("clarky.dat");
                                       serieswindows::PickedAirfoil p{path, {}};
                                       if (!files::ReadAirfoilFile(path, p.data).ok()) return std::nullopt;
                                       return p;
                                     },
                                     nullptr);
  series.OfferKit(true);
  series.OpenAirfoil(0);
  series.OpenAirfoil(1);
  TypeOver(series.RibCountBox(), "2");
  TypeOver(series.ChordBox(0), "180");
  TypeOver(series.ChordBox(1), "120");
  std::string shownSummary;
  int parts = 0;
  WhenModal([&](QWidget* w) {
    if (auto* kit = qobject_cast<CutKitWindow*>(w)) {
      shownSummary = kit->RibList()->item(0)->data(Qt::UserRole).toString().toStdString();
      parts = kit->Plan() ? static_cast<int>(kit->Plan()->parts.size()) : -1;
    }
    w->close();
  });
  messages.answers = {platform::BoxAnswer::Ok, platform::BoxAnswer::Yes};  // the completion, the offer
  ASSERT_TRUE(series.Generate());
  EXPECT_EQ(messages.shown.back().text, Key("FrmKit", "27"));
  EXPECT_EQ(shownSummary, series.LastResult().summaryPath);
  EXPECT_EQ(parts, 4);
  // The folder it was written into is kept for the next start.
  EXPECT_EQ(userStore.Get(platform::kUserStoreInstall, platform::kUserSeriesDir), doc.settings.seriesAirfoilDir);
}

}  // namespace
