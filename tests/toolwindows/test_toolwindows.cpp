// The airfoil tool windows driven as a user drives them.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <utility>
#include <vector>

#include "commands/airfoiltools.h"
#include "core/airfoilprep.h"
#include "platform/notices.h"
#include "platform/pageoutput.h"
#include "platform/recordingtarget.h"
#include "support/windowtest.h"
#include "toolwindows/airfoilviews.h"
#include "toolwindows/dihedralwindow.h"
#include "toolwindows/ribsheetwindow.h"
#include "toolwindows/slantedribwindows.h"
#include "toolwindows/thicknesscamberwindow.h"

namespace {

using testsupport::Key;

class ToolWindows : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    toolwindows::ForgetRibSheetEntries();  // each test a session of its own
  }
  void Open(const std::string& airfoil) { commands::OpenRecentAirfoil(doc, testsupport::AirfoilPath(airfoil)); }
};

TEST_F(ToolWindows, ThicknessCamberAppliesSavesAndOpensTheNewAirfoil) {
  Open("clarky.dat");
  toolwindows::ThicknessCamberWindow w(doc);
  // Save before Apply has nothing to save.
  w.SaveButton()->click();
  EXPECT_EQ(LastMessage(), Key("FrmEpCourb", "15"));
  EXPECT_TRUE(fileDialogs.requests.empty());

  Retype(w.ThicknessBox(), "14");
  Retype(w.CamberBox(), "2");
  w.ApplyButton()->click();
  EXPECT_TRUE(doc.view.thicknessCamberShown);
  EXPECT_EQ(w.ThicknessBox()->text(), "14.00");
  EXPECT_EQ(w.CamberBox()->text(), "2.00");
  // 14 % of the 200 mm chord.
  EXPECT_EQ(w.NewThicknessLabel()->text(), "28 mm");

  const std::string path = dir.File("series/clarky_E14.00C2.00.dat");
  fileDialogs.answers = {path};
  w.OkButton()->click();
  ASSERT_EQ(fileDialogs.requests.size(), 1u);
  EXPECT_EQ(fileDialogs.requests[0].fileName, "clarky_E14.00C2.00.dat");
  EXPECT_EQ(fileDialogs.requests[0].title, Key("FrmEpCourb", "16"));
  // The derived airfoil is the current one now, and the overlay is gone.
  EXPECT_EQ(doc.airfoil.path, path);
  EXPECT_FALSE(doc.view.thicknessCamberShown);
  EXPECT_NEAR(doc.prepared.maxThickness, 0.14, 2e-4);
  EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(ToolWindows, ThicknessCamberRefusalsAndTheSymmetricalAirfoil) {
  Open("naca0012.dat");  // prepared exactly symmetrical
  toolwindows::ThicknessCamberWindow w(doc);
  Retype(w.ThicknessBox(), "101");
  Retype(w.CamberBox(), "3");
  w.ApplyButton()->click();
  // The camber message first, then the thickness refusal; nothing shown.
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmEpCourb", "10"));
  EXPECT_EQ(messages.shown[1].text, Key("FrmEpCourb", "11") + " 100 % ");
  EXPECT_EQ(w.CamberBox()->text(), "0.00");
  EXPECT_FALSE(doc.view.thicknessCamberShown);

  Retype(w.ThicknessBox(), "0");
  w.ApplyButton()->click();
  EXPECT_EQ(LastMessage(), Key("FrmEpCourb", "12"));
  // OK when the save dialog is cancelled: the window stays, saying why.
  Retype(w.ThicknessBox(), "10");
  fileDialogs.answers = {""};
  w.OkButton()->click();
  EXPECT_EQ(LastMessage(), Key("FrmEpCourb", "14"));
  EXPECT_EQ(w.result(), 0);
  EXPECT_TRUE(doc.view.thicknessCamberShown);
  w.CancelButton()->click();
  EXPECT_FALSE(doc.view.thicknessCamberShown);
}

// Once written, the inclined rib's window stays with the factor on the ordinates (2 at 60°,
// 1 / cos 60°) and the file's place, and opens the file on request.
TEST_F(ToolWindows, InclinedRibChecksItsAngleAndShowsWhatItWrote) {
  Open("clarky.dat");
  toolwindows::InclinedRibWindow w(doc);
  EXPECT_EQ(w.AirfoilBox()->text(), "clarky");
  w.OkButton()->click();
  EXPECT_EQ(LastMessage(), Key("FrmInclinaisonNervure", "6"));
  Retype(w.AngleBox(), "90");
  w.OkButton()->click();
  EXPECT_EQ(LastMessage(), Key("FrmInclinaisonNervure", "7") + " 89° !");
  EXPECT_TRUE(fileDialogs.requests.empty());
  EXPECT_FALSE(w.Written().Label()->isVisibleTo(&w));

  const double square = doc.prepared.maxThickness;
  Retype(w.AngleBox(), "60");
  const std::string path = dir.File("series/inclined.dat");
  fileDialogs.answers = {path};
  const std::size_t messagesBefore = messages.shown.size();
  w.OkButton()->click();
  EXPECT_EQ(messages.shown.size(), messagesBefore);
  EXPECT_EQ(w.result(), 0);  // still open
  EXPECT_EQ(w.Written().Label()->text().toStdString(), Key("FrmInclinaisonNervure", "16") + " 2.0000\n" +
                                                           Key("FrmInclinaisonNervure", "17") + "\n" + path);
  EXPECT_FALSE(w.Written().OpenButton()->isHidden());
  w.Written().OpenButton()->click();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(doc.airfoil.path, path);
  EXPECT_NEAR(doc.prepared.maxThickness, 2 * square, 1e-6);
}

TEST_F(ToolWindows, ObliqueRibWorksOutTheOtherLengthAndWritesTheFile) {
  Open("clarky.dat");
  toolwindows::ObliqueRibWindow w(doc);
  w.show();
  w.ModeButton(1)->click();
  EXPECT_FALSE(w.BoxAt(toolwindows::ObliqueRibWindow::ObliqueLength)->isEnabled());
  Retype(w.BoxAt(toolwindows::ObliqueRibWindow::SquareLength), "100");
  Retype(w.BoxAt(toolwindows::ObliqueRibWindow::Angle), "90");
  w.OkButton()->click();
  EXPECT_EQ(LastMessage(), Key("FrmAngle", "12") + " 90° !");
  // An angle that cannot be read stops OK, said beside the box rather than in a message box.
  const std::size_t shown = messages.shown.size();
  Retype(w.BoxAt(toolwindows::ObliqueRibWindow::Angle), "3,0,0");
  w.OkButton()->click();
  EXPECT_EQ(messages.shown.size(), shown);
  EXPECT_TRUE(fileDialogs.requests.empty());
  Retype(w.BoxAt(toolwindows::ObliqueRibWindow::Angle), "30");
  const std::string path = dir.File("series/oblique.dat");
  fileDialogs.answers = {path};
  w.OkButton()->click();
  EXPECT_EQ(fileDialogs.requests.at(0).fileName, "clarky_mm_200_100_30.dat");
  EXPECT_TRUE(std::filesystem::exists(path));
  // The window stays with the length worked out, says where the file went and closes now.
  EXPECT_EQ(w.result(), 0);
  EXPECT_EQ(w.BoxAt(toolwindows::ObliqueRibWindow::ObliqueLength)->text(), "200");
  EXPECT_EQ(w.Written().Label()->text().toStdString(),
            Key("FrmAngle", "4") + " = 200 mm\n" + Key("FrmAngle", "13") + "\n" + path);
  EXPECT_EQ(w.findChild<QPushButton*>("cmdannuler")->text().toStdString(), Key("TextButton", "4"));
  // The window grew for the written lines: nothing above them is squeezed, nothing is cut.
  // The growth runs through queued layout passes: wait for them, however busy the machine.
  const auto grown = [&] {
    for (const QLineEdit* box : w.findChildren<QLineEdit*>())
      if (box->height() < box->minimumSizeHint().height()) return false;
    const QLabel* told = w.Written().Label();
    return told->height() >= told->heightForWidth(told->width());
  };
  EXPECT_TRUE(QTest::qWaitFor(grown));
  EXPECT_EQ(doc.airfoil.name, "clarky");
  w.reject();
  EXPECT_EQ(doc.airfoil.name, "clarky");  // opened only when asked
}

// Each tool's Save proposes the folder it saved in last, else the project's folder (never the
// program's hidden series folder); a file there is replaced only when the user says Yes, and
// what was written is told in the status bar.
TEST_F(ToolWindows, EachToolSavesWhereItSavedLastAndReplacesOnlyOnYes) {
  Open("clarky.dat");
  std::filesystem::create_directory(dir.File("project"));
  std::filesystem::create_directory(dir.File("ribs"));
  doc.project.path = dir.File("project/wing.vdl");
  const std::string path = dir.File("ribs/taken.dat");
  testsupport::WriteFile(path, "keep me");
  platform::RecordingNotices notices;
  platform::ScopedNotices useNotices(&notices);
  toolwindows::InclinedRibWindow inclined(doc);
  Retype(inclined.AngleBox(), "60");
  fileDialogs.answers = {path, path, ""};
  messages.answers = {platform::BoxAnswer::No};
  inclined.OkButton()->click();
  EXPECT_EQ(testsupport::ReadFile(path), "keep me");
  EXPECT_EQ(messages.shown.back().text, Key("Message", "120") + "\n" + path);
  EXPECT_TRUE(notices.written.empty());
  messages.answers = {platform::BoxAnswer::Yes};
  inclined.OkButton()->click();
  EXPECT_NE(testsupport::ReadFile(path), "keep me");
  EXPECT_EQ(inclined.WrittenPath(), path);
  EXPECT_EQ(notices.written, std::vector<std::string>{path});
  inclined.OkButton()->click();  // cancelled in the dialog

  toolwindows::ObliqueRibWindow oblique(doc);
  oblique.ModeButton(1)->click();
  Retype(oblique.BoxAt(toolwindows::ObliqueRibWindow::SquareLength), "100");
  Retype(oblique.BoxAt(toolwindows::ObliqueRibWindow::Angle), "30");
  fileDialogs.answers = {""};
  oblique.OkButton()->click();
  ASSERT_EQ(fileDialogs.requests.size(), 4u);
  EXPECT_EQ(fileDialogs.requests[0].initialDir, dir.File("project"));
  EXPECT_EQ(fileDialogs.requests[2].initialDir, dir.File("ribs"));
  EXPECT_EQ(fileDialogs.requests[3].initialDir, dir.File("project")) << "each tool remembers its own";
}

// The two values typed last give the third as they are typed; Enter closes nothing.
// 500 x tan 5° = 43.744; atan(40 / 500) = 4.57°; 40 / tan 5° = 457.202.
TEST_F(ToolWindows, DihedralWorksOutTheThirdValueAsTheOtherTwoAreTyped) {
  toolwindows::DihedralWindow w(doc.settings);
  using B = toolwindows::DihedralWindow;
  w.show();
  QTest::keyClicks(w.BoxAt(B::Angle), "5");
  EXPECT_EQ(w.BoxAt(B::Rise)->text(), "");
  QTest::keyClicks(w.BoxAt(B::Span), "500");
  EXPECT_EQ(w.BoxAt(B::Rise)->text(), "43.744");
  TypeOver(w.BoxAt(B::Rise), "40");  // the angle, typed first, gives way
  EXPECT_EQ(w.BoxAt(B::Angle)->text(), "4.57");
  TypeOver(w.BoxAt(B::Angle), "5");  // now the span
  EXPECT_EQ(w.BoxAt(B::Span)->text(), "457.202");
  QTest::keyClick(w.BoxAt(B::Angle), Qt::Key_Return);
  EXPECT_TRUE(w.isVisible());

  // What cannot be worked out is emptied, and the note says why, in place: the angle stays
  // as typed, and no box takes the keys still coming.
  TypeOver(w.BoxAt(B::Angle), "95");
  EXPECT_EQ(w.BoxAt(B::Span)->text(), "");
  EXPECT_EQ(w.BoxAt(B::Angle)->text(), "95");
  EXPECT_EQ(w.NoteLabel()->text().toStdString(), Key("FrmDiedre", "3") + "  89°");
  TypeOver(w.BoxAt(B::Angle), "0");  // a level panel rises nowhere, whatever its span
  EXPECT_EQ(w.NoteLabel()->text().toStdString(), Key("FrmDiedre", "7"));
  EXPECT_FALSE(w.NoteLabel()->isHidden());
  QTest::mouseDClick(w.BoxAt(B::Angle), Qt::LeftButton);  // nor the angle without a span
  EXPECT_EQ(w.BoxAt(B::Angle)->text(), "");
  EXPECT_EQ(w.NoteLabel()->text().toStdString(), Key("FrmDiedre", "8"));
  TypeOver(w.BoxAt(B::Angle), "5");
  EXPECT_EQ(w.BoxAt(B::Span)->text(), "457.202");
  EXPECT_TRUE(w.NoteLabel()->isHidden());
  EXPECT_TRUE(messages.shown.empty());
}

// The rib sheet opens again as the last one of the session was left; after a change of unit,
// whose lengths would be read wrongly, blank.
TEST_F(ToolWindows, TheRibSheetKeepsItsValuesForTheSession) {
  using B = toolwindows::RibSheetWindow;
  {
    toolwindows::RibSheetWindow w(doc);
    Retype(w.BoxAt(B::RootChord), "200");
    Retype(w.BoxAt(B::Span), "500");
  }
  {
    toolwindows::RibSheetWindow again(doc);
    EXPECT_EQ(again.BoxAt(B::RootChord)->text(), "200");
    EXPECT_EQ(again.BoxAt(B::Span)->text(), "500");
    EXPECT_TRUE(again.BoxAt(B::TipChord)->text().isEmpty());
  }
  doc.settings.unitText = " in";
  toolwindows::RibSheetWindow inches(doc);
  EXPECT_TRUE(inches.BoxAt(B::RootChord)->text().isEmpty());
}

TEST_F(ToolWindows, RibSheetListsTheRibsAndPrintsThem) {
  toolwindows::RibSheetWindow w(doc);
  using B = toolwindows::RibSheetWindow;
  w.show();
  // The notes' room is measured once the window has its width, just after it shows.
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  const QSize opened = w.size();
  Retype(w.BoxAt(B::RootChord), "200");
  Retype(w.BoxAt(B::TipChord), "100");
  w.ComputeButton()->click();
  EXPECT_EQ(LastMessage(), Key("FrmNervure", "17"));
  EXPECT_FALSE(w.PrintButton()->isEnabled());
  Retype(w.BoxAt(B::RibCount), "4");
  Retype(w.BoxAt(B::Span), "500");
  Retype(w.BoxAt(B::Material), "2");
  w.ComputeButton()->click();
  ASSERT_EQ(w.List()->rowCount(), 6);
  EXPECT_EQ(w.List()->item(1, 1)->text(), "180");
  EXPECT_EQ(w.SpacingLabel()->text(), "97.6");
  EXPECT_TRUE(w.NoteLabel()->text().isEmpty());
  EXPECT_TRUE(w.PrintButton()->isEnabled());

  platform::RecordingPageOutput printer;
  // 14 lines a sheet between 15 mm margins: the 10 lines of the head and 4 ribs, then 2.
  printer.heightMm = 100;
  platform::ScopedPrinter usePrinter(&printer);
  platform::RecordingNotices notices;
  platform::ScopedNotices useNotices(&notices);
  printer.filePath = dir.File("sheet.pdf");  // as a print to a PDF file
  w.PrintButton()->click();
  ASSERT_EQ(printer.sheets.size(), 2u);
  EXPECT_TRUE(printer.ended);
  // The rows start 20 mm in and 15 mm down, 5 mm apart, their second cells 30 mm further in.
  const std::vector<platform::RecordedText>& last = printer.sheets[1].texts;
  ASSERT_FALSE(last.empty());
  EXPECT_EQ(std::make_pair(last.front().x, last.front().y), std::make_pair(20.0, 15.0));
  EXPECT_EQ(std::make_pair(last.back().x, last.back().y), std::make_pair(50.0, 20.0));
  EXPECT_EQ(notices.written, std::vector<std::string>{dir.File("sheet.pdf")});
  // A failed print is said as File > Print says it, and the next one asks where to print.
  printer.failEnd = true;
  w.PrintButton()->click();
  EXPECT_EQ(messages.shown.back().icon, platform::BoxIcon::Critical);
  EXPECT_NE(messages.shown.back().text.find(dir.File("sheet.pdf")), std::string::npos);
  printer.failEnd = false;
  w.PrintButton()->click();
  EXPECT_EQ(printer.choicesOffered, 1);
  EXPECT_EQ(notices.written.size(), 2u);
  const auto& lastTexts = printer.sheets[1].texts;
  EXPECT_TRUE(std::any_of(lastTexts.begin(), lastTexts.end(), [](const auto& t) { return t.text == "N° 6"; }));
  EXPECT_EQ(printer.sheets[0].texts.front().text, Key("FrmNervure", "18"));

  // 99999 ribs of 2 mm in 500 mm: cut down to 32765, which overlap; 248 would fit. The note
  // says both on the screen and on the sheet.
  Retype(w.BoxAt(B::RibCount), "99999");
  w.ComputeButton()->click();
  EXPECT_EQ(w.BoxAt(B::RibCount)->text(), "32765");
  EXPECT_EQ(w.SpacingLabel()->text(), "-1.985");
  EXPECT_EQ(w.NoteLabel()->text().toStdString(),
            Key("FrmNervure", "23") + " 248\n" + Key("FrmNervure", "25") + " 32765");
  // The notes had their room from the start: nothing grows, the list stays above the buttons.
  QApplication::processEvents();
  EXPECT_EQ(w.size(), opened);
  EXPECT_GE(w.NoteLabel()->height(), w.NoteLabel()->heightForWidth(w.NoteLabel()->width()));
  EXPECT_LT(w.List()->geometry().bottom(), w.ComputeButton()->mapTo(&w, QPoint(0, 0)).y());
  const auto pages = w.PrintedPages(40);
  EXPECT_EQ(pages[0][9], std::vector<std::string>{Key("FrmNervure", "23") + " 248"});

  // Refused: the list and the note go.
  Retype(w.BoxAt(B::TipChord), "250");
  w.ComputeButton()->click();
  EXPECT_EQ(LastMessage(), Key("FrmNervure", "16"));
  EXPECT_EQ(w.List()->rowCount(), 0);
  EXPECT_TRUE(w.NoteLabel()->text().isEmpty());
}

TEST_F(ToolWindows, TheComparisonReplacesTheRibAndIgnoresTheInvertedView) {
  Open("clarky.dat");
  toolwindows::AirfoilViews views(doc);
  files::AirfoilData first, second;
  ASSERT_TRUE(files::ReadAirfoilFile(testsupport::AirfoilPath("clarky.dat"), first).ok());
  ASSERT_TRUE(files::ReadAirfoilFile(testsupport::AirfoilPath("naca2412.dat"), second).ok());
  commands::ShowComparison(doc, views.Comparison(), core::Length{300, "300"}, testsupport::AirfoilPath("clarky.dat"),
                           first, testsupport::AirfoilPath("naca2412.dat"), second);
  EXPECT_NE(views.PanelText(toolwindows::ToolView::Comparison).find("naca2412 (" + Key("FrmEpCourb", "17") + " 12.0"),
            std::string::npos);

  const core::ViewPlacement at = core::PlaceView(doc);
  platform::RecordingTarget upright, inverted;
  views.Draw(toolwindows::ToolView::Comparison, upright, at);
  doc.rib.upsideDown = true;
  views.Draw(toolwindows::ToolView::Comparison, inverted, at);
  ASSERT_FALSE(upright.lines.empty());
  EXPECT_EQ(upright.lines, inverted.lines);
}

}  // namespace
