// How a rib is laid over sheets: values worked out by hand from the paper sizes and margins.
#include <gtest/gtest.h>

#include "core/lengths.h"
#include "core/pagetiling.h"

namespace {

core::PrintSetup A4(double overlap = 20) {
  core::PrintSetup p;  // margins 10 and 15, chord line 50 mm from the top
  p.paperIndex = 0;
  p.overlap = core::Length{static_cast<float>(overlap), "x"};
  return p;
}

// 297 - 10 - 15 - 20 = 252 mm of new rib per sheet.
TEST(PagePlan, A4WithTheDefaultMargins) {
  const core::PagePlan shortRib = core::PlanPages(A4(), 200, 200);
  EXPECT_EQ(shortRib.problem, core::TilingProblem::None);
  EXPECT_DOUBLE_EQ(shortRib.usableLengthMm, 252);
  EXPECT_EQ(shortRib.pageCount, 1);
  EXPECT_FALSE(shortRib.marks());
  EXPECT_DOUBLE_EQ(shortRib.overlapMm, 0);  // nothing is repeated on one sheet

  const core::PagePlan longRib = core::PlanPages(A4(), 600, 600);
  EXPECT_EQ(longRib.problem, core::TilingProblem::None);
  EXPECT_EQ(longRib.pageCount, 3);  // Int(600 / 252) + 1
  EXPECT_TRUE(longRib.marks());
  EXPECT_DOUBLE_EQ(longRib.overlapMm, 20);
}

// A rib one usable length long fits one sheet (the usable length gains half a millimetre),
// and so does one that just fits between the margins; a millimetre more needs two.
TEST(PagePlan, OneSheetAtTheLimits) {
  const core::PagePlan exact = core::PlanPages(A4(), 252, 252);
  EXPECT_EQ(exact.pageCount, 1);
  EXPECT_DOUBLE_EQ(exact.usableLengthMm, 252.5);
  EXPECT_EQ(core::PlanPages(A4(), 272, 272).pageCount, 1);  // 272 + 10 + 15 = 297
  const core::PagePlan over = core::PlanPages(A4(), 273, 273);
  EXPECT_EQ(over.pageCount, 2);
  EXPECT_DOUBLE_EQ(over.usableLengthMm, 252);
  // With blocks the printed length counts, not the chord: 252 + 30 + 30 = 312 mm.
  EXPECT_EQ(core::PlanPages(A4(), 312, 252).pageCount, 2);
}

TEST(PagePlan, RefusedValues) {
  // No overlap with a rib longer than a sheet: 297 - 25 = 272 per sheet, Int(600 / 272) + 1.
  const core::PagePlan noOverlap = core::PlanPages(A4(0), 600, 600);
  EXPECT_EQ(noOverlap.problem, core::TilingProblem::NeedsOverlap);
  EXPECT_EQ(noOverlap.pageCount, 3);
  // ... but a rib that fits one sheet needs no overlap.
  EXPECT_EQ(core::PlanPages(A4(0), 200, 200).problem, core::TilingProblem::None);
  // Margins and overlap eating the whole paper, or more.
  EXPECT_EQ(core::PlanPages(A4(272), 200, 200).problem, core::TilingProblem::NoRoom);
  EXPECT_EQ(core::PlanPages(A4(400), 600, 600).problem, core::TilingProblem::NoRoom);
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

// The printer's own paper takes one sheet whatever the length and whatever the margins.
TEST(PagePlan, PrinterPaperIsOneSheet) {
  core::PrintSetup p = A4(0);
  p.paperIndex = core::kPrinterPaperIndex;
  p.topMargin = core::Length{500, "500"};
  const core::PagePlan plan = core::PlanPages(p, 2000, 2000);
  EXPECT_TRUE(plan.printerPaper);
  EXPECT_EQ(plan.problem, core::TilingProblem::None);
  EXPECT_EQ(plan.pageCount, 1);
  EXPECT_FALSE(plan.marks());
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
