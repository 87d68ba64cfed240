#pragma once
// Full-scale printing laid out over sheets: the paper table, how long a strip of rib each
// sheet holds, how many sheets a rib needs, where the rib starts on each sheet and where the
// alignment crosses go. Millimetres throughout, measured on the sheet in landscape from the
// top-left corner of its printable area.
#include <array>
#include <string>
#include <vector>

#include "core/ribdocument.h"
#include "platform/drawtarget.h"

namespace core {

struct PaperEntry {
  const char* name;  // as the page set-up window lists it; empty for the printer's own paper
  int code;          // the platform's paper-size number
  double lengthMm;   // the long side; 0 for the printer's own paper
  double widthMm;    // the short side; 0 for the printer's own paper
};

inline constexpr int kPaperCount = 9;
// The last entry prints on the printer's current paper, on one sheet, without a size check.
inline constexpr int kPrinterPaperIndex = 8;
const std::array<PaperEntry, kPaperCount>& PaperTable();
// The entry of a stored index; out-of-range indexes give the first entry.
const PaperEntry& PaperAt(int index);

// The length along the paper that the print covers: the chord, or with blocks the chord and
// both block extensions.
double PrintedLength(const RibDocument& document);

// Why the page set-up refuses its values.
enum class TilingProblem {
  None,
  NoRoom,         // the margins and the overlap leave no length for the rib
  NeedsOverlap,   // several sheets but no overlap to lay them over each other
};

struct PagePlan {
  TilingProblem problem = TilingProblem::None;
  bool printerPaper = false;  // the printer's own paper: one sheet, no size check
  double usableLengthMm = 0;  // the new length of rib each further sheet carries
  double overlapMm = 0;       // 0 on one sheet
  int pageCount = 1;
  bool marks() const { return pageCount > 1; }
};

// The sheets the print takes for a printed length on this set-up. A rib that fits between
// the margins of one sheet takes one sheet without marks whatever the overlap; a rib exactly
// one usable length long takes one sheet too.
PagePlan PlanPages(const PrintSetup& print, double printedLengthMm, double chordMm);
PagePlan PlanPages(const RibDocument& document);

// Where the rib's leading edge (the block's front with blocks) lies on sheet `sheet`,
// millimetres from the printable area's left edge; negative on later sheets.
double SheetOriginMm(const PrintSetup& print, const PagePlan& plan, int sheet);

// An alignment cross: strokes of 10 mm centred on (x, y), millimetres on the sheet.
struct CrossMm {
  double x = 0;
  double y = 0;
};
inline constexpr double kCrossHalfMm = 5;
// The crosses of a tiled sheet (none on one sheet): at the near end and at the far end of
// the sheet, one at the height of the rib's top and one 5 mm further below the chord line
// than the rib's top is above it. The far-end crosses of a sheet and the near-end crosses of
// the next mark the same point of the rib. `ribHeightMm` is the rib's top above the chord line.
std::vector<CrossMm> AlignmentCrosses(const PrintSetup& print, const PagePlan& plan, int sheet, double ribHeightMm);

// Where a tiled sheet meets its neighbours, millimetres from the printable edge along the
// tiling: the middle of the overlap at the near end and at the far end. The far-end place of
// one sheet and the near-end place of the next show the same point of the drawing.
std::array<double, 2> JoinPlacesMm(double usableMm, double overlapMm);
// A cross of two strokes, each 2 x kCrossHalfMm long, on the target.
void DrawCross(platform::DrawTarget& target, const CrossMm& at, const platform::Pen& pen);

// A sheet of material tiled over paper both ways, as the rib print tiles a rib along it:
// columns along the paper's length, rows across its width, each with the print's start and
// end margins and its overlap. A side that fits between the margins takes one tile.
struct TileRun {
  int count = 1;
  double usableMm = 0;  // the new length each further tile carries
  double overlapMm = 0;  // 0 with one tile
};
struct TileGrid {
  TilingProblem problem = TilingProblem::None;
  PaperEntry paper{};
  TileRun columns, rows;
  int count() const { return columns.count * rows.count; }
};
// On the set-up's paper; the printer's own paper, whose size is not known here, is A4.
TileGrid TileSheet(const PrintSetup& print, double lengthMm, double widthMm);
// Where the sheet's corner (its left end, its far edge) lies on tile (row, column),
// millimetres from the printable area's top-left corner.
CrossMm TileOriginMm(const PrintSetup& print, const TileGrid& grid, int row, int column);
// The crosses of a tile where it joins another, at the sheet's edges where they show: a
// tile between two others has crosses at both ends.
std::vector<CrossMm> TileCrosses(const PrintSetup& print, const TileGrid& grid, int row, int column, double lengthMm,
                                 double widthMm);

// The rib's highest point above the chord line: the chord times the airfoil's highest ordinate.
double RibHeightMm(const RibDocument& document);

// How the rib sits across the sheet: how far it reaches above and below the chord line,
// against the room the chord line's place leaves there.
struct SheetFit {
  double aboveMm = 0;
  double belowMm = 0;
  double roomAboveMm = 0;
  double roomBelowMm = 0;  // 0 when the sheet's height is not known
  bool cutOff = false;
  // The chord line's place that holds the whole rib above it, with a few millimetres spare.
  double fittingChordLineMm = 0;
};
inline constexpr double kFitSpareMm = 5;
// `sheetHeightMm` 0 or less: the sheet's height is not known, only the top is checked.
SheetFit FitOnSheet(const RibDocument& document, double chordLineFromTopMm, double sheetHeightMm);

// Length of the scale bar each sheet carries to check the printer's scaling with a ruler.
inline constexpr double kScaleBarMm = 50;

}  // namespace core
