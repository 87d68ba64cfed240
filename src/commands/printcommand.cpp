#include "commands/printcommand.h"

#include <algorithm>
#include <cmath>

#include "core/lengths.h"
#include "core/ribtrace.h"
#include "core/toolviews.h"
#include "files/captions.h"
#include "files/settings.h"
#include "platform/desktop.h"
#include "platform/messages.h"
#include "platform/notices.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "platform/userstore.h"

namespace commands {

namespace {

constexpr double kExtrasGapMm = 3;     // between the extras and the drawing or the sheet's edge
constexpr double kExtrasLeftMm = 5;
constexpr double kTickHalfMm = 1.5;    // the scale bar's end ticks
constexpr double kPrintFontSize = 10;

// The alignment crosses of a sheet, in the colour, style and width of the marks, about the
// chord line where the drawing has it.
void DrawCrosses(const core::RibDocument& document, const core::PagePlan& plan, int sheet, double chordLineMm,
                 platform::DrawTarget& target) {
  core::PrintSetup print = document.print;
  print.chordLineFromTop.mm = static_cast<float>(chordLineMm);
  const std::vector<core::CrossMm> crosses = core::AlignmentCrosses(print, plan, sheet, core::RibHeightMm(document));
  if (crosses.empty()) return;
  const platform::Pen pen{document.style.ColourOf(core::Element::ReferenceLine),
                         document.style.LineStyleOf(core::Element::ReferenceLine),
                         document.style.WidthOf(core::WidthElement::ReferenceLine)};
  for (const core::CrossMm& c : crosses) core::DrawCross(target, c, pen);
}

void DrawSheet(const core::RibDocument& document, const PrintRequest& what, const core::PagePlan& plan, int sheet,
               double chordLineMm, const core::RibLabels& labels, platform::DrawTarget& target) {
  core::ViewPlacement at = SheetPlacement(document, plan, sheet);
  at.originY = chordLineMm;
  if (what.draw) what.draw(target, at);
  else core::DrawRib(document, at, labels, target);
  DrawCrosses(document, plan, sheet, chordLineMm, target);
}

// The rib keeps the chord line of the page set-up, which warns when the rib is cut off there;
// a view that takes its place (a former may be taller than the rib ever is) moves until it
// fits on the sheet.
double ChordLineMm(const core::RibDocument& document, const PrintRequest& what, const core::PagePlan& plan,
                   platform::PageOutput& output) {
  const double wanted = document.print.chordLineFromTop.mm;
  if (!what.draw) return wanted;
  platform::ExtentTarget extent(output.Sheet());
  core::ViewPlacement at = SheetPlacement(document, plan, 0);
  at.originY = 0;
  what.draw(extent, at);
  if (extent.empty) return wanted;
  return core::ChordLineOnSheetMm(-extent.top, extent.bottom, wanted, output.SheetHeightMm());
}

// The scale bar and the label, in a band of the sheet that the drawing leaves free: below
// it, else above it; on a sheet with no such band they are left out rather than drawn over
// the rib.
void DrawExtras(const core::RibDocument& document, const PrintRequest& what, const core::PagePlan& plan, int sheet,
                double chordLineMm, const core::RibLabels& labels, platform::PageOutput& output) {
  platform::DrawTarget& target = output.Sheet();
  platform::ExtentTarget extent(target);
  DrawSheet(document, what, plan, sheet, chordLineMm, labels, extent);

  const platform::Font font{"Arial", kPrintFontSize};
  const std::string barText = "50 mm";
  const std::string label = SheetLabel(document, what.airfoilNames, sheet, plan.pageCount);
  const double textHeight = target.TextHeight(barText, font);
  const double height = std::max(2 * kTickHalfMm, textHeight);
  const double gap = kExtrasGapMm;
  const double sheetHeight = output.SheetHeightMm();
  double top = sheetHeight - gap - height;
  if (!extent.empty && top < extent.bottom + gap) {
    top = gap;
    if (top + height > extent.top - gap) return;
  }
  const double middle = top + height / 2;
  const double x0 = kExtrasLeftMm;
  const double x1 = x0 + core::kScaleBarMm;
  target.Line(x0, middle, x1, middle, {});
  for (double x : {x0, x1}) target.Line(x, middle - kTickHalfMm, x, middle + kTickHalfMm, {});
  const platform::TextEnd bar = target.Print(barText, x1 + 2, middle - textHeight / 2, font, 0);
  target.Print(label, bar.x + 10, middle - textHeight / 2, font, 0);
}

}  // namespace

bool SheetExtrasWanted() {
  return platform::CurrentUserStore().Get(platform::kUserStorePrint, platform::kUserSheetExtras) != "0";
}

void SetSheetExtrasWanted(bool on) {
  platform::CurrentUserStore().Set(platform::kUserStorePrint, platform::kUserSheetExtras, on ? "1" : "0");
}

std::string PrintTitle() { return platform::MenuTitle(keys::PrintEntry); }

std::string PrintQuestion(const core::RibDocument& document, const std::vector<std::string>& comparedNames) {
  std::string text = platform::Text(keys::PrintQuestion);
  if (comparedNames.size() == 2)
    return text + " #1 :  " + comparedNames[0] + " / " + " #2 :  " + comparedNames[1];
  return text + " " + document.airfoil.name;
}

std::string SheetLabel(const core::RibDocument& document, const std::vector<std::string>& comparedNames, int sheet,
                       int sheetCount) {
  const std::string names = comparedNames.size() == 2
                                ? "#1 : " + comparedNames[0] + " / #2 : " + comparedNames[1]
                                : document.airfoil.name;
  return platform::Text(keys::SheetLabelBefore) + " " + std::to_string(sheet + 1) + " / " + std::to_string(sheetCount) +
         "   " + names + "   " + platform::Text(keys::SheetLabelChord) + " " +
         core::LengthToText(document.rib.chord.mm, document.settings.unitText) + document.settings.unitText;
}

core::ViewPlacement SheetPlacement(const core::RibDocument& document, const core::PagePlan& plan, int sheet) {
  core::ViewPlacement at;
  at.zoom = 1;
  at.originX = core::SheetOriginMm(document.print, plan, sheet);
  at.originY = document.print.chordLineFromTop.mm;
  at.chordMm = document.rib.chord.mm;
  return at;
}

core::PagePlan PlanFor(const core::RibDocument& document, const PrintRequest& what) {
  if (what.singleSheet) {
    core::PagePlan plan;
    plan.printerPaper = document.print.paperIndex == core::kPrinterPaperIndex;
    return plan;
  }
  const double length = what.lengthMm >= 0 ? what.lengthMm : core::PrintedLength(document);
  return core::PlanPages(document.print, length, document.rib.chord.mm);
}

bool SendSheets(const core::RibDocument& document, const PrintRequest& what, const core::PagePlan& plan,
                platform::PageOutput& output, std::string& error) {
  if (plan.problem != core::TilingProblem::None || plan.pageCount < 1) {
    error = "the page set-up leaves no room for the drawing";
    return false;
  }
  const core::PaperEntry& entry = core::PaperAt(document.print.paperIndex);
  platform::SheetPaper paper;
  paper.printerPaper = plan.printerPaper;
  paper.code = entry.code;
  paper.lengthMm = entry.lengthMm;
  paper.widthMm = entry.widthMm;
  if (!output.Begin(paper, error)) return false;
  const core::RibLabels labels = files::RibLabelsInLanguage();
  const double chordLineMm = what.singleSheet ? 0 : ChordLineMm(document, what, plan, output);
  for (int sheet = 0; sheet < plan.pageCount; ++sheet) {
    if (sheet > 0 && !output.NewSheet(error)) {
      std::string ignored;
      output.End(ignored);
      return false;
    }
    platform::DrawTarget& target = output.Sheet();
    if (what.singleSheet) {
      // A page of its own layout (the test page): placed from the sheet's corner.
      core::ViewPlacement corner;
      corner.chordMm = document.rib.chord.mm;
      if (what.draw) what.draw(target, corner);
      continue;
    }
    DrawSheet(document, what, plan, sheet, chordLineMm, labels, target);
    if (what.extras) DrawExtras(document, what, plan, sheet, chordLineMm, labels, output);
  }
  return output.End(error);
}

core::SheetFit SheetFitFor(const core::RibDocument& document, const PrintRequest& what) {
  if (what.draw || what.singleSheet) return {};
  // The sheet's height across; the printer's own paper is not known here: its top only.
  const double sheetHeight =
      document.print.paperIndex == core::kPrinterPaperIndex ? 0 : core::PaperAt(document.print.paperIndex).widthMm;
  return core::FitOnSheet(document, document.print.chordLineFromTop.mm, sheetHeight);
}

void PlaceChordLineToFit(core::RibDocument& document, const core::SheetFit& fit) {
  document.print.chordLineFromTop = core::TypedLength(core::LengthToText(static_cast<float>(fit.fittingChordLineMm),
                                                                  document.settings.unitText),
                                               document.settings.unitText);
}

bool OfferFittingChordLine(core::RibDocument& document, const PrintRequest& what) {
  const core::SheetFit fit = SheetFitFor(document, what);
  if (!fit.cutOff) return false;
  const std::string place = core::LengthToText(static_cast<float>(fit.fittingChordLineMm), document.settings.unitText);
  const std::string text = platform::Text(keys::PrintCutOff) + "\n\n" + platform::Text(keys::MoveChordLineOffer) + " " +
                           place + document.settings.unitText;
  if (platform::AskYesNo(text, PrintTitle(), platform::BoxIcon::Exclamation, false) != platform::BoxAnswer::Yes)
    return false;
  PlaceChordLineToFit(document, fit);
  files::WriteMarginSettings(document);  // as the page set-up keeps it
  return true;
}

PrintResult PrintSheets(core::RibDocument& document, const PrintRequest& what, platform::PageOutput& output,
                        bool fitChordLine) {
  PrintResult result;
  const core::PagePlan plan = PlanFor(document, what);
  if (plan.problem != core::TilingProblem::None) {
    result.status = PrintResult::Status::Refused;
    const bool noRoom = plan.problem == core::TilingProblem::NoRoom;
    result.refusal = noRoom ? "no-room" : "needs-overlap";
    result.text = noRoom ? platform::Text(keys::NoUsableLength)
                         : platform::Text(keys::SeveralSheetsNoOverlap) + " " + std::to_string(plan.pageCount);
    return result;
  }
  if (fitChordLine) PlaceChordLineToFit(document, SheetFitFor(document, what));
  result.cutOff = SheetFitFor(document, what).cutOff;
  if (!SendSheets(document, what, plan, output, result.text)) result.status = PrintResult::Status::Failed;
  return result;
}

PrintOutcome Print(core::RibDocument& document, const PrintRequest& what, platform::PageOutput& output,
                   const std::function<bool()>& pageSetup) {
  const std::string question =
      what.singleSheet && !what.airfoilNames.empty() ? platform::Text(keys::PrintQuestion) + " " + what.airfoilNames[0]
                                                     : PrintQuestion(document, what.airfoilNames);
  if (platform::AskYesNo(question, platform::kProgramTitle, platform::BoxIcon::Question, true) !=
      platform::BoxAnswer::Yes)
    return PrintOutcome::Declined;
  // The tiled print needs an overlap to join the sheets: back to the page set-up first.
  while (PlanFor(document, what).problem != core::TilingProblem::None)
    if (!pageSetup || !pageSetup()) return PrintOutcome::SetupCancelled;
  OfferFittingChordLine(document, what);
  if (!output.ChooseDestination()) return PrintOutcome::SetupCancelled;
  PrintResult result;
  {
    platform::BusyPointer busy;
    result = PrintSheets(document, what, output, false);
  }
  const bool sent = result.status == PrintResult::Status::Printed;
  return TellPrintOutcome(output, sent, result.text) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

bool TellPrintOutcome(platform::PageOutput& output, bool sent, const std::string& error) {
  const std::string file = output.FilePath();
  if (!sent) {
    // Which file and why; and the next print asks again where to print, so that another
    // folder or printer can be chosen instead of failing the same way.
    std::string text = platform::Text(keys::PrintFailed) + "\n" + error;
    if (!file.empty() && error.find(file) == std::string::npos) text += "\n" + file;
    platform::Inform(text, PrintTitle(), platform::BoxIcon::Critical);
    output.ChooseAgainNextTime();
    return false;
  }
  if (!file.empty()) platform::TellWritten(file);
  return true;
}

}  // namespace commands
