// How a rib is laid over sheets: values worked out by hand from the paper sizes and margins.
#include <gtest/gtest.h>

#include "core/lengths.h"
#include "core/pagetiling.h"
#include "platform/recordingtarget.h"

namespace {

core::PrintSetup A4(double overlap = 20) {
  core::PrintSetup p;  // margins 10 and 15, chord line 50 mm from the top
  p.paperIndex = 0;
  p.overlap = core::Length{static_cast<float>(overlap), "x"};
  return p;
}

core::PrintSetup PrinterPaper() {
  core::PrintSetup p = A4(0);
  p.paperIndex = core::kPrinterPaperIndex;
  p.topMargin = core::Length{500, "500"};
  return p;
}

// A4 with the default margins leaves 297 - 10 - 15 - 20 = 252 mm of new rib per sheet. A rib
// one usable length long fits one sheet (the usable length gains half a millimetre), and so
// does one that just fits between the margins (272 + 10 + 15 = 297); a millimetre more needs
// two. With blocks the printed length counts, not the chord. Without overlap 272 mm a sheet.
// The printer's own paper is one sheet whatever the length and the margins.
TEST(PagePlan, SheetCountsAndRefusals) {
  using core::TilingProblem;
  struct Case {
    const char* what;
    core::PrintSetup setup;
    double printed, chord;
    TilingProblem problem;
    int pages;      // 0: not counted
    double usable;  // 0: not checked
  };
  const Case cases[] = {
      {"short", A4(), 200, 200, TilingProblem::None, 1, 252},
      {"long: Int(600 / 252) + 1", A4(), 600, 600, TilingProblem::None, 3, 252},
      {"one usable length", A4(), 252, 252, TilingProblem::None, 1, 252.5},
      {"between the margins", A4(), 272, 272, TilingProblem::None, 1, 0},
      {"a millimetre more", A4(), 273, 273, TilingProblem::None, 2, 252},
      {"blocks: 252 + 30 + 30", A4(), 312, 252, TilingProblem::None, 2, 0},
      {"no overlap: Int(600 / 272) + 1", A4(0), 600, 600, TilingProblem::NeedsOverlap, 3, 0},
      {"no overlap on one sheet", A4(0), 200, 200, TilingProblem::None, 1, 0},
      {"margins and overlap fill the paper", A4(272), 200, 200, TilingProblem::NoRoom, 0, 0},
      {"and more", A4(400), 600, 600, TilingProblem::NoRoom, 0, 0},
      {"printer paper", PrinterPaper(), 2000, 2000, TilingProblem::None, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const core::PagePlan plan = core::PlanPages(c.setup, c.printed, c.chord);
    EXPECT_EQ(plan.problem, c.problem);
    if (c.pages) {
      EXPECT_EQ(plan.pageCount, c.pages);
    }
    if (c.usable) {
      EXPECT_DOUBLE_EQ(plan.usableLengthMm, c.usable);
    }
    EXPECT_EQ(plan.printerPaper, c.setup.paperIndex == core::kPrinterPaperIndex);
    if (c.problem != TilingProblem::None) continue;
    // Marks and a repeated strip only where there are sheets to join.
    EXPECT_EQ(plan.marks(), c.pages > 1);
    EXPECT_DOUBLE_EQ(plan.overlapMm, c.pages > 1 ? c.setup.overlap.mm : 0);
  }
}

// Letter is 11 in long; margins of 1/2 in and an overlap of 1 in typed in inches leave
// 11 - 0.5 - 0.5 - 1 = 9 in = 228.6 mm; a 20 in rib (508 mm) takes Int(508 / 228.6) + 1 = 3.
TEST(PagePlan, InchEntriesOnLetter) {
  core::PrintSetup p;
  p.paperIndex = 1;
  p.topMargin = core::TypedLength("1/2", " in");
  p.bottomMargin = core::TypedLength("0.5", " in");
  p.overlap = core::TypedLength("1", " in");
  const core::PagePlan plan = core::PlanPages(p, 508, 508);
  EXPECT_NEAR(plan.usableLengthMm, 228.6, 1e-4);
  EXPECT_EQ(plan.pageCount, 3);
  EXPECT_NEAR(core::SheetOriginMm(p, plan, 2), 12.7 - 2 * 228.6, 1e-4);
}

// The 600 mm rib on A4: the leading edge 10 mm in on sheet 1, then 252 mm further left on
// each sheet; the trailing edge on sheet 3 lies 600 - 2 * 252 = 96 mm right of where the
// leading edge lies on sheet 1.
TEST(PagePlan, SheetOriginsAndCrosses) {
  const core::PrintSetup p = A4();
  const core::PagePlan plan = core::PlanPages(p, 600, 600);
  EXPECT_DOUBLE_EQ(core::SheetOriginMm(p, plan, 0), 10);
  EXPECT_DOUBLE_EQ(core::SheetOriginMm(p, plan, 1), -242);
  EXPECT_DOUBLE_EQ(core::SheetOriginMm(p, plan, 2) + 600 - core::SheetOriginMm(p, plan, 0), 96);

  // Rib 30 mm high, chord line 50 mm down: crosses at 20 mm and 85 mm from the top, 10 mm
  // (near end) and 262 mm (far end) along.
  const std::vector<core::CrossMm> first = core::AlignmentCrosses(p, plan, 0, 30);
  ASSERT_EQ(first.size(), 4u);
  EXPECT_DOUBLE_EQ(first[0].x, 10);
  EXPECT_DOUBLE_EQ(first[0].y, 20);
  EXPECT_DOUBLE_EQ(first[1].y, 85);
  EXPECT_DOUBLE_EQ(first[2].x, 262);
  // The far end of each sheet and the near end of the next mark one point of the rib.
  for (int sheet = 0; sheet + 1 < plan.pageCount; ++sheet) {
    const auto here = core::AlignmentCrosses(p, plan, sheet, 30);
    const auto next = core::AlignmentCrosses(p, plan, sheet + 1, 30);
    EXPECT_DOUBLE_EQ(here[2].x - core::SheetOriginMm(p, plan, sheet), next[0].x - core::SheetOriginMm(p, plan, sheet + 1));
    EXPECT_DOUBLE_EQ(here[3].y, next[1].y);
  }
  EXPECT_TRUE(core::AlignmentCrosses(p, core::PlanPages(p, 200, 200), 0, 30).empty());

  // Drawn, a cross is two 10 mm strokes centred on its point.
  platform::RecordingTarget sheet;
  core::DrawCross(sheet, first[1], {});
  ASSERT_EQ(sheet.lines.size(), 2u);
  EXPECT_EQ(sheet.lines[0], (platform::RecordedLine{5, 85, 15, 85, 0, false, 0, 1, 0}));
  EXPECT_EQ(sheet.lines[1], (platform::RecordedLine{10, 80, 10, 90, 0, false, 0, 1, 1}));
}

// A kit's sheet over paper both ways. A4 shows 297 - 25 = 272 mm along and 210 - 25 = 185
// mm across, and moves on by 252 and 165 mm a tile. A 1000 x 100 sheet: the last of n tiles
// reaches 252 n + 20 mm, so 4 tiles (1028), one row. On Letter (279.4 mm, 234.4 a tile):
// (1000 - 20) / 234.4 = 4.2, 5 tiles. A 600 x 300 sheet on A4: 3 columns and
// (300 - 20) / 165 = 1.7, 2 rows. A sheet of 524 mm is 2 tiles exactly, one of 272 is one.
TEST(TileGrid, TilesCountedFromTheSheetAndThePaper) {
  const core::PrintSetup a4 = A4();
  core::PrintSetup letter = a4;
  letter.paperIndex = 1;
  const struct {
    core::PrintSetup print;
    double length, width;
    int columns, rows;
  } cases[] = {{a4, 1000, 100, 4, 1}, {letter, 1000, 100, 5, 1}, {a4, 600, 300, 3, 2},
               {a4, 524, 185, 2, 1},  {a4, 272, 186, 1, 2},     {a4, 524.01, 100, 3, 1}};
  for (const auto& c : cases) {
    const core::TileGrid grid = core::TileSheet(c.print, c.length, c.width);
    EXPECT_EQ(grid.problem, core::TilingProblem::None);
    EXPECT_EQ(grid.columns.count, c.columns) << c.length << " x " << c.width;
    EXPECT_EQ(grid.rows.count, c.rows) << c.length << " x " << c.width;
  }
  // Tiled with no overlap, the tiles cannot be laid over each other.
  EXPECT_EQ(core::TileSheet(A4(0), 1000, 100).problem, core::TilingProblem::NeedsOverlap);
}

// The 1000 x 100 sheet on A4: a middle tile has crosses at both ends (10 and 262 mm along),
// the first at its far end only; at the sheet's edges, 10 and 110 mm down, the first kept
// 5 mm inside the margin. The crosses where two tiles meet mark one point of the sheet.
TEST(TileGrid, CrossesWhereTilesMeet) {
  const core::PrintSetup p = A4();
  const core::TileGrid grid = core::TileSheet(p, 1000, 100);
  const std::vector<core::CrossMm> first = core::TileCrosses(p, grid, 0, 0, 1000, 100);
  ASSERT_EQ(first.size(), 2u);
  EXPECT_DOUBLE_EQ(first[0].x, 262);
  EXPECT_DOUBLE_EQ(first[0].y, 15);
  EXPECT_DOUBLE_EQ(first[1].y, 110);
  EXPECT_EQ(core::TileCrosses(p, grid, 0, 1, 1000, 100).size(), 4u);
  EXPECT_EQ(core::TileCrosses(p, grid, 0, 3, 1000, 100).size(), 2u);
  for (int column = 0; column + 1 < grid.columns.count; ++column) {
    const core::CrossMm here = core::TileCrosses(p, grid, 0, column, 1000, 100).back();
    const core::CrossMm next = core::TileCrosses(p, grid, 0, column + 1, 1000, 100).front();
    EXPECT_DOUBLE_EQ(here.x - core::TileOriginMm(p, grid, 0, column).x, next.x - core::TileOriginMm(p, grid, 0, column + 1).x);
  }
  // Rows: a 600 x 300 sheet's second row starts 165 mm further down the sheet.
  const core::TileGrid tall = core::TileSheet(p, 600, 300);
  EXPECT_DOUBLE_EQ(core::TileOriginMm(p, tall, 1, 0).y, 10 - 165);
  EXPECT_EQ(core::TileCrosses(p, tall, 1, 1, 600, 300).size(), 6u);  // before, after, above
}

TEST(PagePlan, PrintedLengthWithBlocks) {
  core::RibDocument d;
  d.rib.chord = core::Length{300, "300"};
  d.rib.blocks.leadingExtension = core::Length{12, "12"};
  d.rib.blocks.trailingExtension = core::Length{8, "8"};
  EXPECT_DOUBLE_EQ(core::PrintedLength(d), 300);
  d.rib.baseMode = core::BaseMode::Blocks;
  EXPECT_DOUBLE_EQ(core::PrintedLength(d), 320);
}

}  // namespace
