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

double PrintedLength(const RibDocument& document) {
  double length = document.rib.chord.mm;
  if (document.rib.baseMode == BaseMode::Blocks)
    length += static_cast<double>(document.rib.blocks.leadingExtension.mm) + document.rib.blocks.trailingExtension.mm;
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

PagePlan PlanPages(const RibDocument& document) {
  return PlanPages(document.print, PrintedLength(document), document.rib.chord.mm);
}

double SheetOriginMm(const PrintSetup& print, const PagePlan& plan, int sheet) {
  return print.topMargin.mm - sheet * plan.usableLengthMm;
}

std::array<double, 2> JoinPlacesMm(double usableMm, double overlapMm) {
  return {overlapMm / 2, usableMm + overlapMm / 2};
}

void DrawCross(platform::DrawTarget& target, const CrossMm& at, const platform::Pen& pen) {
  const double h = kCrossHalfMm;
  target.Line(at.x - h, at.y, at.x + h, at.y, pen);
  target.Line(at.x, at.y - h, at.x, at.y + h, pen);
}

std::vector<CrossMm> AlignmentCrosses(const PrintSetup& print, const PagePlan& plan, int /*sheet*/,
                                      double ribHeightMm) {
  std::vector<CrossMm> crosses;
  if (!plan.marks()) return crosses;
  const double chordLine = print.chordLineFromTop.mm;
  for (double x : JoinPlacesMm(plan.usableLengthMm, plan.overlapMm)) {
    crosses.push_back({x, chordLine - ribHeightMm});
    crosses.push_back({x, chordLine + ribHeightMm + kCrossHalfMm});
  }
  return crosses;
}

namespace {

// One side of the sheet over one side of the paper. A tile shows the paper's side less the
// margins; each further tile moves on by that less the overlap.
TileRun TilesAlong(double paperSideMm, const PrintSetup& print, double lengthMm, TilingProblem& problem) {
  TileRun run;
  const double shown = paperSideMm - print.topMargin.mm - print.bottomMargin.mm;
  run.usableMm = shown - print.overlap.mm;
  if (!(run.usableMm > 0)) {
    problem = TilingProblem::NoRoom;
    run.count = 0;
    return run;
  }
  if (lengthMm <= shown) return run;
  if (!(print.overlap.mm > 0)) problem = TilingProblem::NeedsOverlap;
  run.overlapMm = print.overlap.mm;
  // The last tile reaches `usable * count + overlap`: no further than the sheet needs.
  run.count = static_cast<int>(std::ceil((lengthMm - run.overlapMm - kSameLengthMm) / run.usableMm));
  return run;
}

}  // namespace

TileGrid TileSheet(const PrintSetup& print, double lengthMm, double widthMm) {
  TileGrid grid;
  grid.paper = print.paperIndex == kPrinterPaperIndex ? PaperAt(0) : PaperAt(print.paperIndex);
  grid.columns = TilesAlong(grid.paper.lengthMm, print, lengthMm, grid.problem);
  grid.rows = TilesAlong(grid.paper.widthMm, print, widthMm, grid.problem);
  return grid;
}

CrossMm TileOriginMm(const PrintSetup& print, const TileGrid& grid, int row, int column) {
  return {print.topMargin.mm - column * grid.columns.usableMm, print.topMargin.mm - row * grid.rows.usableMm};
}

std::vector<CrossMm> TileCrosses(const PrintSetup& print, const TileGrid& grid, int row, int column, double lengthMm,
                                 double widthMm) {
  std::vector<CrossMm> crosses;
  const CrossMm origin = TileOriginMm(print, grid, row, column);
  // The sheet's edges across the join, kept within what the tile shows.
  auto within = [&print](double mm, double paperSideMm) {
    return std::max(std::min(mm, paperSideMm - print.bottomMargin.mm - kCrossHalfMm), print.topMargin.mm + kCrossHalfMm);
  };
  const std::array<double, 2> along = JoinPlacesMm(grid.columns.usableMm, grid.columns.overlapMm);
  const std::array<double, 2> across = JoinPlacesMm(grid.rows.usableMm, grid.rows.overlapMm);
  const bool joins[2][2] = {{column > 0, column + 1 < grid.columns.count}, {row > 0, row + 1 < grid.rows.count}};
  for (int end = 0; end < 2; ++end) {
    if (joins[0][end])
      for (double y : {origin.y, origin.y + widthMm}) crosses.push_back({along[end], within(y, grid.paper.widthMm)});
    if (joins[1][end])
      for (double x : {origin.x, origin.x + lengthMm}) crosses.push_back({within(x, grid.paper.lengthMm), across[end]});
  }
  return crosses;
}

double RibHeightMm(const RibDocument& document) { return document.rib.chord.mm * document.prepared.yMax; }

SheetFit FitOnSheet(const RibDocument& document, double chordLineFromTopMm, double sheetHeightMm) {
  // The construction, not the airfoil alone: a caption or a tab may reach beyond the outline.
  const BoundsMm bounds = BoundsOf(BuildRib(document));
  SheetFit fit;
  fit.aboveMm = std::max(RibHeightMm(document), bounds.empty ? 0.0 : bounds.top);
  fit.belowMm = bounds.empty ? 0.0 : std::max(0.0, -bounds.bottom);
  fit.roomAboveMm = chordLineFromTopMm;
  fit.roomBelowMm = sheetHeightMm > 0 ? sheetHeightMm - chordLineFromTopMm : 0;
  fit.cutOff = fit.aboveMm > fit.roomAboveMm || (sheetHeightMm > 0 && fit.belowMm > fit.roomBelowMm);
  fit.fittingChordLineMm = std::ceil(fit.aboveMm) + kFitSpareMm;
  return fit;
}

}  // namespace core
