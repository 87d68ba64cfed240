// The files of a cutting kit: a sheet's cut file framed by the sheet, the list of parts and
// the printed check.
#include <gtest/gtest.h>

#include <cmath>

#include "output/kitwriter.h"
#include "platform/recordingtarget.h"
#include "support/dxfsummary.h"

namespace {

using output::CutFormat;

// A 20 x 10 part with a round hole, turned half a turn and moved to (30, 15) on the sheet;
// its reference number turns with it.
core::CutLayout PlacedSquare() {
  core::CutLayout placed;
  placed.ok = true;
  core::CutPiece piece;
  piece.outer = {{10, 5}, {30, 5}, {30, 15}, {10, 15}};
  piece.circles.push_back({{20, 10}, 2});
  placed.rib.push_back(piece);
  core::CutMark number;
  number.text = "2";
  number.baseline = {28, 14};
  number.heightMm = 3;
  number.angleDegrees = 180;
  placed.marks.push_back(number);
  return placed;
}

TEST(KitWriter, ASheetsFileIsTheSheetWithItsOutlineOnALayerOfItsOwn) {
  const core::SheetSize sheet{1000, 100};
  EXPECT_EQ(output::KitSheetFileName(0, CutFormat::DxfR12), "sheet-01.dxf");
  EXPECT_EQ(output::KitSheetFileName(11, CutFormat::Svg), "sheet-12.svg");
  EXPECT_EQ(output::KitSheetFileName(99, CutFormat::DxfR2000), "sheet-100.dxf");
  for (CutFormat format : {CutFormat::DxfR12, CutFormat::DxfR2000}) {
    const std::string text = output::KitSheetText(PlacedSquare(), sheet, format);
    // The sheet from the origin, not the parts' bounds with a margin.
    EXPECT_NE(text.find("$EXTMIN\r\n10\r\n0.0\r\n20\r\n0.0\r\n"), std::string::npos);
    EXPECT_NE(text.find("$EXTMAX\r\n10\r\n1000.0\r\n20\r\n100.0\r\n"), std::string::npos);
    EXPECT_NE(text.find("LAYER\r\n5\r\n2C\r\n"), std::string::npos) << "the layer SHEET has a handle of its own";
    EXPECT_NE(text.find("\r\n2\r\nSHEET\r\n70\r\n0\r\n62\r\n8\r\n"), std::string::npos);
    // The turned text: its angle after its text.
    EXPECT_NE(text.find("\r\n1\r\n2\r\n50\r\n180.0\r\n"), std::string::npos);
  }
  const std::vector<dxftest::Entity> entities = dxftest::Entities(output::KitSheetText(PlacedSquare(), sheet, CutFormat::DxfR12));
  ASSERT_EQ(entities.size(), 3u);
  EXPECT_EQ(entities[0].layer, "SHEET");
  ASSERT_EQ(entities[0].vertices.size(), 4u);
  EXPECT_EQ(entities[0].vertices[2], (std::pair<std::string, std::string>{"1000.0", "100.0"}));
  EXPECT_EQ(entities[1].layer, "CUT");

  const std::string svg = output::KitSheetText(PlacedSquare(), sheet, CutFormat::Svg);
  EXPECT_NE(svg.find("width=\"1000.0mm\" height=\"100.0mm\" viewBox=\"0.0 -100.0 1000.0 100.0\""), std::string::npos);
  EXPECT_NE(svg.find("<g id=\"SHEET\">"), std::string::npos);
  // SVG's y runs down: the base line's point at y -14, turned about it.
  EXPECT_NE(svg.find("x=\"28.0\" y=\"-14.0\" font-family=\"Arial, sans-serif\" font-size=\"4.19\" transform=\"rotate(-180.0 28.0 -14.0)\""),
            std::string::npos)
      << svg;
}

TEST(KitWriter, TheListGivesTheMaterialsThenEachSheetsParts) {
  output::KitSummary summary;
  summary.sheet = {1000, 100};
  summary.thicknessMm = 1.5;
  summary.gapMm = 2;
  summary.kerfMm = 0.15;
  summary.sheets = 2;
  summary.usedPercent = 48.26;
  // Twice over: one rib in two pieces, one with a block's jig beside it.
  summary.ribs = 4;
  summary.copies = 2;
  summary.warnings = {"R01 falls into 2 pieces"};
  const std::vector<output::KitListPart> parts{
      {"R01a", "R01", false, "a&bR01.dat", 240, 1, false}, {"R01b", "R01", false, "a&bR01.dat", 240, 0, true},
      {"R01a", "R01", false, "a&bR01.dat", 240, 1, false}, {"R01b", "R01", false, "a&bR01.dat", 240, 0, false},
      {"R02", "R02", false, "a&bR02.dat", 200, 0, false},  {"R02", "R02", true, "a&bR02.dat", 200, 1, false},
      {"R02", "R02", false, "a&bR02.dat", 200, 0, false},  {"R02", "R02", true, "a&bR02.dat", 200, 1, false}};
  // Our own list, so plain line feeds.
  EXPECT_EQ(output::KitListText(parts, summary),
            "Parts: 8 (4 ribs)\n"
            "Copies: 2 of each rib\n"
            "Sheets: 2 of 1000 x 100 x 1.5 mm, gap 2 mm, kerf 0.15 mm\n"
            "Used: 48.3 %\n"
            "Warning: R01 falls into 2 pieces\n"
            "\n"
            "Materials\n"
            "  sheet-01.dxf  1000 x 100 x 1.5 mm  4 parts\n"
            "  sheet-02.dxf  1000 x 100 x 1.5 mm  4 parts\n"
            "Ribs\n"
            "  R01  a&bR01.dat  chord 240.00 mm  2 copies  2 pieces (R01a, R01b)\n"
            "  R02  a&bR02.dat  chord 200.00 mm  2 copies  1 piece  with its jig\n"
            "\n"
            "sheet-01.dxf\n"
            "  R01b  a&bR01.dat  chord 240.00 mm  turned\n"
            "  R01b  a&bR01.dat  chord 240.00 mm\n"
            "  R02  a&bR02.dat  chord 200.00 mm\n"
            "  R02  a&bR02.dat  chord 200.00 mm\n"
            "\n"
            "sheet-02.dxf\n"
            "  R01a  a&bR01.dat  chord 240.00 mm\n"
            "  R01a  a&bR01.dat  chord 240.00 mm\n"
            "  R02  a&bR02.dat  chord 200.00 mm\n"
            "  R02  a&bR02.dat  chord 200.00 mm\n");
  // Without a thickness the size is the sheet's two sides.
  summary.thicknessMm = 0;
  EXPECT_NE(output::KitListText(parts, summary).find("  sheet-02.dxf  1000 x 100 mm  4 parts\n"), std::string::npos);
  // One of a kind: the words agree with their counts.
  summary.ribs = 1;
  summary.copies = 1;
  const std::string one = output::KitListText(parts, summary);
  EXPECT_EQ(one.rfind("Parts: 8 (1 rib)\n", 0), 0u) << one;
  EXPECT_NE(one.find("  R02  a&bR02.dat  chord 200.00 mm  1 copy  1 piece  with its jig\n"), std::string::npos) << one;
}

// A page whose font stands in for Arial with capitals 0.8 em high and an ascent of 1.2 em
// (Arial: 0.716 and 0.905).
class OtherFontPage : public platform::RecordingTarget {
 public:
  double TextAscent(const platform::Font& font) const override { return font.sizePt * platform::kMmPerPoint * 1.2; }
  double CapitalHeight(const platform::Font& font) const override { return font.sizePt * platform::kMmPerPoint * 0.8; }
};

TEST(KitWriter, ThePrintedSheetIsTrueToScaleFromTheTopLeft) {
  OtherFontPage page;
  output::DrawKitSheet(PlacedSquare(), {1000, 100}, page);
  // Millimetres, y from the sheet's top edge, 100 mm up.
  bool frame = false, edge = false, hole = false;
  for (const platform::RecordedLine& l : page.lines) {
    if (l.x1 == 0 && l.y1 == 100 && l.x2 == 1000 && l.y2 == 100) frame = true;
    if (std::fabs(l.x1 - 10) < 1e-9 && std::fabs(l.y1 - 95) < 1e-9 && std::fabs(l.x2 - 30) < 1e-9) edge = true;
  }
  for (const platform::RecordedCircle& c : page.circles)
    hole = hole || (std::fabs(c.x - 20) < 1e-9 && std::fabs(c.y - 90) < 1e-9 && std::fabs(c.radius - 2) < 1e-9);
  EXPECT_TRUE(frame);
  EXPECT_TRUE(edge);
  EXPECT_TRUE(hole);
  ASSERT_EQ(page.texts.size(), 1u);
  EXPECT_EQ(page.texts[0].text, "2");
  // Turned, the number reads upright from the other end of its box (x 28 back, y 11 to
  // 14), on the base line y 11 in the font the page has: capitals 3 mm high make its em
  // 3 / 0.8 mm, and the top-left corner 1.2 em above the base line.
  EXPECT_NEAR(page.texts[0].x, 28 - page.texts[0].fontSize * 25.4 / 72 / 2, 1e-9);  // one half-em character
  EXPECT_NEAR(page.texts[0].fontSize * 25.4 / 72 * 0.8, 3, 1e-9);
  EXPECT_NEAR(page.texts[0].y, (100 - 11 - 3 / 0.8 * 1.2), 1e-6);

  // Drawn for a tile, the sheet moves by the tile's corner, here 10 mm in and 20 mm down.
  platform::RecordingTarget tile;
  output::DrawKitSheet(PlacedSquare(), {1000, 100}, tile, {10, 20});
  ASSERT_FALSE(tile.circles.empty());
  EXPECT_NEAR(tile.circles[0].x, (10 + 20), 1e-9);
  EXPECT_NEAR(tile.circles[0].y, (20 + 90), 1e-9);
}

}  // namespace
