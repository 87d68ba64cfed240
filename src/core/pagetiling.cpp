#include "core/pagetiling.h"

#include <algorithm>
#include <cmath>

#include "core/ribconstruction.h"

namespace core {

namespace {

constexpr double kInch = 25.4;
// A rib exactly one usable length long would otherwise need a second sheet for nothing.
constexpr double kTieBreakMm = 0.5;
// Lengths come from typed texts through 32-bit floats: "exactly equal" allows for that.
constexpr double kSameLengthMm = 1e-4;

}  // namespace

const std::array<PaperEntry, kPaperCount>& PaperTable() {
  static const std::array<PaperEntry, kPaperCount> table = {{
      {" A4 210 x 297 mm", 9, 297.0, 210.0},
      {" Letter 8 1/2 x 11 p", 1, 11 * kInch, 8.5 * kInch},
      {" Fanfold 8 1/2 x 12 p", 40, 12 * kInch, 8.5 * kInch},
      {" Legal 8 1/2 x 14 p", 5, 14 * kInch, 8.5 * kInch},
      {" Executive 7 1/4 x 10 1/2 p", 7, 10.5 * kInch, 7.25 * kInch},
      {" B4 257 x 364 mm", 12, 364.0, 257.0},
      {" US B 11 x 17 p", 17, 17 * kInch, 11 * kInch},
      {" A3 297 x 420 mm", 8, 420.0, 297.0},
      {"", 256, 0, 0},
  }};
  return table;
}

const PaperEntry& PaperAt(int index) {
  if (index < 0 || index >= kPaperCount) index = 0;
  return PaperTable()[static_cast<std::size_t>(index)];
}

double PrintedLength(const RibDocument& d) {
  double length = d.rib.chord.mm;
  if (d.rib.baseMode == BaseMode::Blocks)
    length += static_cast<double>(d.rib.blocks.leadingExtension.mm) + d.rib.blocks.trailingExtension.mm;
  return length;
}

PagePlan PlanPages(const PrintSetup& print, double printedLengthMm, double chordMm) {
  PagePlan plan;
  if (print.paperIndex == kPrinterPaperIndex) {
    plan.printerPaper = true;
    return plan;
  }
  const PaperEntry& paper = PaperAt(print.paperIndex);
  const double start = print.topMargin.mm;
  const double end = print.bottomMargin.mm;
  const double overlap = print.overlap.mm;
  double usable = paper.lengthMm - start - end - overlap;
  if (std::fabs(usable - chordMm) < kSameLengthMm || std::fabs(usable - printedLengthMm) < kSameLengthMm)
    usable += kTieBreakMm;
  plan.usableLengthMm = usable;
  if (!(usable > 0)) {
    plan.problem = TilingProblem::NoRoom;
    plan.pageCount = 0;
    return plan;
  }
  // A rib that fits between the margins needs no tiling: the overlap has nothing to repeat.
  if (printedLengthMm + start + end <= paper.lengthMm) return plan;
  plan.overlapMm = overlap;
  plan.pageCount = static_cast<int>(std::floor(printedLengthMm / usable)) + 1;
  if (overlap <= 0) plan.problem = TilingProblem::NeedsOverlap;
  return plan;
}

PagePlan PlanPages(const RibDocument& d) { return PlanPages(d.print, PrintedLength(d), d.rib.chord.mm); }

double SheetOriginMm(const PrintSetup& print, const PagePlan& plan, int sheet) {
  return print.topMargin.mm - sheet * plan.usableLengthMm;
}

std::vector<CrossMm> AlignmentCrosses(const PrintSetup& print, const PagePlan& plan, int /*sheet*/,
                                      double ribHeightMm) {
  std::vector<CrossMm> crosses;
  if (!plan.marks()) return crosses;
  const double chordLine = print.chordLineFromTop.mm;
  for (double x : {plan.overlapMm / 2, plan.usableLengthMm + plan.overlapMm / 2}) {
    crosses.push_back({x, chordLine - ribHeightMm});
    crosses.push_back({x, chordLine + ribHeightMm + kCrossHalfMm});
  }
  return crosses;
}

double RibHeightMm(const RibDocument& d) { return d.rib.chord.mm * d.prepared.yMax; }

SheetFit FitOnSheet(const RibDocument& d, double chordLineFromTopMm, double sheetHeightMm) {
  // The construction, not the airfoil alone: a caption or a tab may reach beyond the outline.
  const BoundsMm bounds = BoundsOf(BuildRib(d));
  SheetFit fit;
  fit.aboveMm = std::max(RibHeightMm(d), bounds.empty ? 0.0 : bounds.top);
  fit.belowMm = bounds.empty ? 0.0 : std::max(0.0, -bounds.bottom);
  fit.roomAboveMm = chordLineFromTopMm;
  fit.roomBelowMm = sheetHeightMm > 0 ? sheetHeightMm - chordLineFromTopMm : 0;
  fit.cutOff = fit.aboveMm > fit.roomAboveMm || (sheetHeightMm > 0 && fit.belowMm > fit.roomBelowMm);
  fit.fittingChordLineMm = std::ceil(fit.aboveMm) + kFitSpareMm;
  return fit;
}

}  // namespace core
