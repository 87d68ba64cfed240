// File > Print: the question, the way back to the page set-up, the sheets sent and what a
// failing printer leaves behind. Sheets are recorded instead of printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "commands/printcommand.h"
#include "core/toolviews.h"
#include "platform/desktop.h"
#include "platform/errorreport.h"
#include "platform/messages.h"
#include "platform/notices.h"
#include "platform/pageoutput.h"
#include "platform/texts.h"
#include "platform/userstore.h"
#include "support/dxfsummary.h"
#include "support/testsupport.h"

namespace {

class PrintCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetTextLookup(
        [](std::string_view section, std::string_view key) { return std::string(section) + "/" + std::string(key); });
    d = dxftest::Rib(testsupport::AirfoilPath("clarky.dat"));
    d.airfoil.name = "clarky";
    d.print = core::PrintSetup{};  // A4, margins 10 and 15, overlap 20, chord line 50 mm down
  }
  void TearDown() override { platform::SetTextLookup(nullptr); }

  // A print of a view that records where it was asked to draw.
  commands::PrintRequest RecordingView() {
    commands::PrintRequest request;
    request.draw = [this](platform::DrawTarget& target, const core::ViewPlacement& at) {
      placements.push_back(at);
      target.Line(at.originX, at.originY, at.originX + at.chordMm, at.originY, {1});
    };
    return request;
  }

  core::RibDocument d;
  platform::MemoryUserStore store;
  platform::ScopedUserStore useStore{&store};
  platform::RecordingMessages messages;
  platform::ScopedMessages useMessages{&messages};
  platform::RecordingDesktop desktop;
  platform::ScopedDesktop useDesktop{&desktop};
  platform::RecordingNotices notices;
  platform::ScopedNotices useNotices{&notices};
  platform::RecordingPageOutput printer;
  std::vector<core::ViewPlacement> placements;
};

TEST_F(PrintCommand, QuestionNamesTheAirfoilOrBothComparedOnes) {
  EXPECT_EQ(commands::PrintQuestion(d, {}), "TextButton/14 clarky");
  EXPECT_EQ(commands::PrintQuestion(d, {"e387", "mh32"}), "TextButton/14 #1 :  e387 /  #2 :  mh32");

  messages.answers = {platform::BoxAnswer::No};
  EXPECT_EQ(commands::Print(d, {}, printer, {}), commands::PrintOutcome::Declined);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].buttons, platform::BoxButtons::YesNo);
  EXPECT_EQ(messages.shown[0].defaultButton, 2);  // No
  EXPECT_TRUE(printer.begun.empty());
}

// 600 mm on A4: three landscape A4 sheets, the view placed 10 mm in on the first and
// 252 mm further left on each next one, the chord line 50 mm down.
TEST_F(PrintCommand, TiledViewIsPlacedSheetBySheet) {
  d.rib.chord = core::Length{600, "600"};
  messages.answers = {platform::BoxAnswer::Yes};
  EXPECT_EQ(commands::Print(d, RecordingView(), printer, {}), commands::PrintOutcome::Printed);
  ASSERT_EQ(printer.begun.size(), 1u);
  EXPECT_EQ(printer.begun[0].code, 9);
  EXPECT_DOUBLE_EQ(printer.begun[0].lengthMm, 297);
  EXPECT_DOUBLE_EQ(printer.begun[0].widthMm, 210);
  EXPECT_EQ(printer.sheets.size(), 3u);
  EXPECT_TRUE(printer.ended);
  // Measured once for its place on the sheet, then for the extras and drawn on each sheet.
  ASSERT_EQ(placements.size(), 7u);
  for (int sheet = 0; sheet < 3; ++sheet) {
    const core::ViewPlacement& at = placements[static_cast<std::size_t>(2 * sheet + 2)];
    EXPECT_FLOAT_EQ(at.zoom, 1);
    EXPECT_NEAR(at.originX, 10 - 252 * sheet, 1e-9);
    EXPECT_NEAR(at.originY, 50, 1e-9);
    EXPECT_NEAR(at.chordMm, 600, 1e-9);
  }
  EXPECT_FALSE(desktop.busy);
  EXPECT_EQ(desktop.busyCalls, (std::vector<bool>{true, false}));
}

// Each sheet's scale bar is 50 mm between its ticks, lies below everything the view drew,
// and the label counts the sheets; switched off, neither is drawn.
TEST_F(PrintCommand, ScaleBarAndLabelStayClearOfTheRib) {
  d.rib.chord = core::Length{600, "600"};
  d.print.chordLineFromTop = core::Length{100, "100"};
  messages.answers = {platform::BoxAnswer::Yes};
  commands::PrintRequest request;  // the rib itself
  request.extras = true;
  ASSERT_EQ(commands::Print(d, request, printer, {}), commands::PrintOutcome::Printed);
  ASSERT_EQ(printer.sheets.size(), 3u);
  for (std::size_t sheet = 0; sheet < 3; ++sheet) {
    const platform::RecordingTarget& t = printer.sheets[sheet];
    auto bar = std::find_if(t.lines.begin(), t.lines.end(), [](const platform::RecordedLine& l) {
      return l.y1 == l.y2 && std::abs(std::abs(l.x2 - l.x1) - 50) < 1e-6;
    });
    ASSERT_NE(bar, t.lines.end());
    double lowestOther = 0;
    for (const platform::RecordedLine& l : t.lines)
      if (l.sequence < bar->sequence) lowestOther = std::max({lowestOther, l.y1, l.y2});
    for (const platform::RecordedCircle& c : t.circles) lowestOther = std::max(lowestOther, c.y + c.radius);
    EXPECT_GT(bar->y1 - 1.5, lowestOther);
    EXPECT_LT(bar->y1, 210);
    const std::string label = "FrmPrint/17 " + std::to_string(sheet + 1) + " / 3";
    auto named = std::find_if(t.texts.begin(), t.texts.end(),
                              [&](const platform::RecordedText& x) { return x.text.rfind(label, 0) == 0; });
    ASSERT_NE(named, t.texts.end()) << label;
    // "50 mm" 2 mm past the bar's end, the label 10 mm past its five 10-point characters
    // (half an em, 1.764 mm, each on this target), level with it.
    auto barText = std::find_if(t.texts.begin(), t.texts.end(),
                                [](const platform::RecordedText& x) { return x.text == "50 mm"; });
    ASSERT_NE(barText, t.texts.end());
    EXPECT_NEAR(barText->x, std::max(bar->x1, bar->x2) + 2, 1e-6);
    EXPECT_NEAR(named->x, barText->x + 5 * 1.76389 + 10, 1e-4);
    EXPECT_EQ(named->y, barText->y);
  }

  commands::SetSheetExtrasWanted(false);
  EXPECT_EQ(store.Get(platform::kUserStorePrint, platform::kUserSheetExtras), "0");
  request.extras = commands::SheetExtrasWanted();
  messages.answers = {platform::BoxAnswer::Yes};
  ASSERT_EQ(commands::Print(d, request, printer, {}), commands::PrintOutcome::Printed);
  EXPECT_FALSE(std::any_of(printer.sheets[0].texts.begin(), printer.sheets[0].texts.end(),
                           [](const platform::RecordedText& x) { return x.text.rfind("FrmPrint/17", 0) == 0; }));
}

// No overlap for a rib longer than a sheet: the page set-up first; cancelled, nothing prints;
// given an overlap there, the print goes on.
TEST_F(PrintCommand, MissingOverlapSendsTheUserToThePageSetup) {
  d.rib.chord = core::Length{600, "600"};
  d.print.overlap = core::Length{0, "0"};
  messages.answers = {platform::BoxAnswer::Yes};
  int setups = 0;
  EXPECT_EQ(commands::Print(d, {}, printer, [&] { return ++setups, false; }), commands::PrintOutcome::SetupCancelled);
  EXPECT_EQ(setups, 1);
  EXPECT_TRUE(printer.begun.empty());

  messages.answers = {platform::BoxAnswer::Yes};
  EXPECT_EQ(commands::Print(d, {}, printer,
                            [&] {
                              d.print.overlap = core::Length{20, "20"};
                              return true;
                            }),
            commands::PrintOutcome::Printed);
  EXPECT_EQ(printer.sheets.size(), 3u);
}

// Where to print is asked (after the question) when nothing is set up, and again after a job
// that failed, so that another file or printer can be chosen; once chosen it is kept.
// Cancelled, nothing is begun or reported. A failure says why, as an error, naming the file
// of a print to PDF; a PDF written is told.
TEST_F(PrintCommand, WhereToPrintIsAskedUntilChosenAndAgainAfterAFailure) {
  printer.setUp = false;
  printer.chooseAnswer = false;
  messages.answers = {platform::BoxAnswer::Yes};
  EXPECT_EQ(commands::Print(d, {}, printer, {}), commands::PrintOutcome::SetupCancelled);
  EXPECT_EQ(printer.choicesOffered, 1);
  EXPECT_TRUE(printer.begun.empty());
  EXPECT_EQ(messages.shown.size(), 1u);

  printer.chooseAnswer = true;
  printer.refuseBegin = true;
  messages.answers = {platform::BoxAnswer::Yes};
  EXPECT_EQ(commands::Print(d, {}, printer, {}), commands::PrintOutcome::Failed);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[2].title, "MenuFile/9");
  EXPECT_EQ(messages.shown[2].icon, platform::BoxIcon::Critical);
  EXPECT_EQ(messages.shown[2].text, "FrmMainMessage/53\nno printer");
  EXPECT_FALSE(desktop.busy);

  // A cause that names the file is not followed by it again; one that does not is.
  printer.refuseBegin = false;
  printer.failEnd = true;
  printer.filePath = "/ribs/clarky.pdf";
  const std::pair<std::string, std::string> failures[] = {
      {"Erreur/210\n/ribs/clarky.pdf", "FrmMainMessage/53\nErreur/210\n/ribs/clarky.pdf"},
      {"the job failed", "FrmMainMessage/53\nthe job failed\n/ribs/clarky.pdf"}};
  for (const auto& [failure, said] : failures) {
    printer.failure = failure;
    const int asked = printer.choicesOffered;
    messages.answers = {platform::BoxAnswer::Yes};
    EXPECT_EQ(commands::Print(d, {}, printer, {}), commands::PrintOutcome::Failed);
    EXPECT_EQ(messages.shown.back().text, said);
    EXPECT_EQ(printer.choicesOffered, asked + 1) << "asked where after a failure";
  }
  EXPECT_TRUE(notices.written.empty());

  printer.failEnd = false;
  printer.filePath = "/ribs/other.pdf";  // as the user chooses another file
  for (int job = 0; job < 2; ++job) {
    messages.answers = {platform::BoxAnswer::Yes};
    EXPECT_EQ(commands::Print(d, {}, printer, {}), commands::PrintOutcome::Printed);
  }
  EXPECT_EQ(printer.choicesOffered, 5) << "the second job goes where the first went";
  EXPECT_EQ(printer.sheets.size(), 1u);
  EXPECT_EQ(notices.written, (std::vector<std::string>{"/ribs/other.pdf", "/ribs/other.pdf"}));
}

// Clark Y's highest ordinate is 0.0916 of the chord (its file): 45.8 mm at 500 mm, past a
// chord line 30 mm down. The print says so and offers 46 + 5 mm; declined, the rib prints as
// set; accepted, the place is used and kept in the settings. A view of its own is not checked.
TEST_F(PrintCommand, ARibCutOffAtTheTopIsToldAndCanBePlacedToFit) {
  testsupport::TempDir dir;
  d.settings.iniFile = dir.File("Vandrell.ini");
  d.rib.chord = core::Length{500, "500"};
  d.print.chordLineFromTop = core::Length{30, "30"};
  const core::SheetFit fit = commands::SheetFitFor(d, {});
  EXPECT_TRUE(fit.cutOff);
  EXPECT_NEAR(fit.aboveMm, 500 * 0.0916266, 0.05);
  EXPECT_DOUBLE_EQ(fit.fittingChordLineMm, 51);

  messages.answers = {platform::BoxAnswer::Yes, platform::BoxAnswer::No};
  ASSERT_EQ(commands::Print(d, {}, printer, {}), commands::PrintOutcome::Printed);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "FrmPrint/16\n\nFrmPrint/25 51 mm");
  EXPECT_EQ(d.print.chordLineFromTop.text, "30");

  messages.answers = {platform::BoxAnswer::Yes, platform::BoxAnswer::Yes};
  ASSERT_EQ(commands::Print(d, {}, printer, {}), commands::PrintOutcome::Printed);
  EXPECT_EQ(d.print.chordLineFromTop.text, "51");
  EXPECT_FLOAT_EQ(d.print.chordLineFromTop.mm, 51);
  EXPECT_NE(testsupport::ReadFile(d.settings.iniFile).find("Ydprint=51"), std::string::npos);
  EXPECT_FALSE(commands::SheetFitFor(d, {}).cutOff);

  // Deep enough that the lower side leaves the A4 sheet: cut off at the bottom.
  d.print.chordLineFromTop = core::Length{205, "205"};
  EXPECT_TRUE(commands::SheetFitFor(d, {}).cutOff);
  d.print.chordLineFromTop = core::Length{30, "30"};
  messages.shown.clear();
  messages.answers = {platform::BoxAnswer::Yes};
  ASSERT_EQ(commands::Print(d, RecordingView(), printer, {}), commands::PrintOutcome::Printed);
  EXPECT_EQ(messages.shown.size(), 1u);
}

// Clark Y at 200 mm reaches 18.3 mm above the chord line and 6.1 mm below it (0.0303 of the
// chord at 16 %): inside a chord line 50 mm down. The printer's own paper has no known
// height, so nothing below counts as cut off. A tab board over the upper surface 30
// mm up is what reaches highest: a chord line 25 mm down cuts it, ceil(30) + 5 = 35 fits.
TEST_F(PrintCommand, TheSheetFitCountsWhatIsBuiltAboveTheRibAndOnlyTheTopOfThePrintersPaper) {
  d.rib.chord = core::Length{200, "200"};
  d.print.paperIndex = core::kPrinterPaperIndex;
  EXPECT_FALSE(commands::SheetFitFor(d, {}).cutOff);

  d.print = core::PrintSetup{};
  d.rib.baseMode = core::BaseMode::Tabs;
  d.rib.tabs.board = core::TabBoard::OverUpperSurface;
  d.rib.tabs.upperDistance = core::Length{-30, "30"};
  d.rib.tabs.lengthText = "20";
  d.rib.tabs.rearText = "20";
  d.print.chordLineFromTop = core::Length{25, "25"};
  const core::SheetFit fit = commands::SheetFitFor(d, {});
  EXPECT_NEAR(fit.aboveMm, 30, 1e-6);
  EXPECT_TRUE(fit.cutOff);
  EXPECT_DOUBLE_EQ(fit.fittingChordLineMm, 35);
}

// A former on landscape A4 (210 mm high), chord 200: one 0.1 of the chord tall keeps the
// chord line 50 mm down; one 0.8 tall (160 mm) would lose its top there and comes down until
// its top is 5 mm from the sheet's edge, its chord line 165 mm down; one reaching 0.9 (180 mm)
// below the chord line goes up until its bottom is 5 mm from the foot, chord line 25 mm down.
// The label names the former; in a comparison, both airfoils.
TEST_F(PrintCommand, AFormerIsPlacedWhereItFitsTheSheet) {
  auto former = [this](double height) {
    d.airfoil.points = {{1, 0}, {0.75, 0.6 * height}, {0.5, height}, {0.25, 0.6 * height}, {0, 0}, {0.5, 0}, {1, 0}};
    d.airfoil.name = "frame";
    commands::PrintRequest request;
    request.draw = [this](platform::DrawTarget& target, const core::ViewPlacement& at) { core::DrawFormer(d, at, target); };
    request.lengthMm = 200;
    return request;
  };
  struct Case {
    double height;
    double chordLineMm, topMm, bottomMm;
  };
  for (const Case& c : {Case{0.1, 50, 30, 50}, Case{0.8, 165, 5, 165}, Case{-0.9, 25, 25, 205}}) {
    SCOPED_TRACE(c.height);
    printer.sheets.clear();
    messages.answers = {platform::BoxAnswer::Yes};
    ASSERT_EQ(commands::Print(d, former(c.height), printer, {}), commands::PrintOutcome::Printed);
    ASSERT_EQ(printer.sheets.size(), 1u);
    const platform::RecordingTarget& sheet = printer.sheets[0];
    // The first line is the chord line; the outline follows until the extras.
    ASSERT_GE(sheet.lines.size(), 7u);
    EXPECT_NEAR(sheet.lines[0].y1, c.chordLineMm, 1e-6);
    double top = 1e9, bottom = -1e9;
    for (std::size_t i = 1; i <= 6; ++i) {  // six segments between seven points
      top = std::min({top, sheet.lines[i].y1, sheet.lines[i].y2});
      bottom = std::max({bottom, sheet.lines[i].y1, sheet.lines[i].y2});
    }
    EXPECT_NEAR(top, c.topMm, 1e-4);
    EXPECT_NEAR(bottom, c.bottomMm, 1e-4);
    EXPECT_TRUE(std::any_of(sheet.texts.begin(), sheet.texts.end(), [](const platform::RecordedText& t) {
      return t.text.find("   frame   FrmPrint/18 200") != std::string::npos;
    }));
  }
  EXPECT_EQ(commands::SheetLabel(d, {"e387", "mh32"}, 0, 1), "FrmPrint/17 1 / 1   #1 : e387 / #2 : mh32   FrmPrint/18 200 mm");
}

// The printer's own paper: one sheet whatever the length, without crosses or a paper size.
TEST_F(PrintCommand, PrinterPaperIsOneSheetWithoutCrosses) {
  d.rib.chord = core::Length{900, "900"};
  d.print.paperIndex = core::kPrinterPaperIndex;
  messages.answers = {platform::BoxAnswer::Yes};
  ASSERT_EQ(commands::Print(d, RecordingView(), printer, {}), commands::PrintOutcome::Printed);
  EXPECT_TRUE(printer.begun[0].printerPaper);
  ASSERT_EQ(printer.sheets.size(), 1u);
  for (const platform::RecordedLine& l : printer.sheets[0].lines)  // a cross's strokes are 10 mm
    EXPECT_GT(std::abs(std::hypot(l.x2 - l.x1, l.y2 - l.y1) - 10), 1e-6);
}

}  // namespace
