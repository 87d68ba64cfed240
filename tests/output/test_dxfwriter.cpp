// The DXF file: exact text, number forms, units, and which entity each element becomes.
#include <gtest/gtest.h>

#include <limits>

#include "support/dxfsummary.h"
#include "output/dxfpairs.h"
#include "output/dxfwriter.h"
#include "support/testsupport.h"

namespace {

using dxftest::Entities;
using dxftest::Rib;
using dxftest::Summary;

core::RibDocument SmallRib() {
  core::RibDocument s = Rib(testsupport::DataPath("dxf/small6.dat"));
  s.view.outlineShown = false;
  s.rib.sheeting.mm = 0;
  return s;
}

// Everything a rib can carry on blocks: edge pieces, sheeting, every spar shape on both
// surfaces, round and rectangular holes.
core::RibDocument RibOnBlocks() {
  core::RibDocument s = Rib(testsupport::AirfoilPath("clarky.dat"));
  s.rib.leadingEdge.mm = 10, s.rib.trailingEdge.mm = 15;
  s.rib.markCount = 5;  // reference lines are for the view only
  s.rib.baseMode = core::BaseMode::Blocks, s.rib.blocks.leadingExtension.mm = 20, s.rib.blocks.trailingExtension.mm = 10,
  s.rib.blocks.baseHeight.mm = 5, s.rib.blocks.topHeight.mm = 30;
  s.rib.boardAngle = 3;
  auto& sp = s.rib.spars;
  const char* positions[] = {"25%", "40%", "120", "60%"};
  using core::SparCut;
  const SparCut upper[] = {SparCut::FromSheeting, SparCut::FromContour, SparCut::FromSheeting, SparCut::None};
  const SparCut lower[] = {SparCut::FromContour, SparCut::None, SparCut::FromContour, SparCut::FromSheeting};
  for (int i = 0; i < 4; ++i) {
    sp[i].positionText = positions[i];
    sp[i].width.mm = 6, sp[i].height.mm = 4, sp[i].inset.mm = 1;
    sp[i].shape = static_cast<core::SparShape>(i), sp[i].upper = upper[i], sp[i].lower = lower[i];
  }
  sp.last = 4;  // the pending slot is empty and ends the table
  auto& h = s.rib.holes;
  h[0].positionText = "50", h[0].size.mm = 12, h[0].centred = 1;
  h[1].positionText = "140", h[1].size.mm = 20, h[1].height.mm = 8, h[1].shape = core::HoleShape::Rectangle;
  h.last = 2;
  return s;
}

core::RibDocument RibOnTabs() {
  core::RibDocument s = Rib(testsupport::AirfoilPath("clarky.dat"));
  s.view.outlineShown = false;
  s.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Square, s.rib.squareLeadingEdge.size.mm = 6, s.rib.squareLeadingEdge.x.mm = 3;
  s.rib.baseMode = core::BaseMode::Tabs, s.rib.tabs.lowerDistance.mm = 12, s.rib.tabs.lengthText = "30", s.rib.tabs.rearText = "20";
  return s;
}

TEST(DxfPairs, NumbersTakeTheFileForms) {
  output::DxfPairs p;
  for (double v : {0.0, -10.0, 0.0625, 25.4, 1.0 / 3, 2.0 / 3, -50.0, 1234.5678901}) p.Real(10, v);
  for (long v : {0L, 7L}) p.Integer(70, v);
  p.Integer(5, 501);
  p.Integer(70, -1);
  p.Text(1, "");
  EXPECT_EQ(p.str(),
            "10\r\n0.0\r\n10\r\n-10.0\r\n10\r\n0.0625\r\n10\r\n25.4\r\n10\r\n0.333333\r\n10\r\n0.666667\r\n"
            "10\r\n-50.0\r\n10\r\n1234.56789\r\n70\r\n 0\r\n70\r\n 7\r\n5\r\n 501\r\n70\r\n-1\r\n1\r\n\r\n");
  EXPECT_TRUE(p.Finite());
  p.Real(20, std::numeric_limits<double>::quiet_NaN());
  EXPECT_FALSE(p.Finite());
  EXPECT_EQ(p.str().find("nan"), std::string::npos);
}

// The whole file of a rib without features, header and tables included, against a file
// written out by hand from the format's tables.
TEST(DxfFile, SmallRibMatchesByteForByte) {
  output::DxfBuild build = output::BuildDxf(SmallRib());
  EXPECT_TRUE(build.finite);
  EXPECT_EQ(build.text, testsupport::ReadFile(testsupport::DataPath("dxf/small_mm.dxf")));
}

TEST(DxfFile, InchesDivideEveryLengthButNotTheHeader) {
  core::RibDocument s = SmallRib();
  s.settings.unitText = " in";
  const std::string text = output::BuildDxf(s).text;
  auto entities = Entities(text);
  ASSERT_EQ(entities.size(), 3u);
  EXPECT_EQ(entities[0].vertices.front().first, "7.874016");  // the trailing edge of 200 mm
  EXPECT_EQ(entities[0].vertices[1].first, "4.724409");       // 120 mm
  EXPECT_EQ(entities[1].vertices.back().first, "7.874016");   // the chord line's end
  EXPECT_NE(text.find("2\r\nAXIS\r\n70\r\n 0\r\n3\r\nCentre ____ _ ____ _ ____\r\n72\r\n 65\r\n73\r\n 4\r\n"
                      "40\r\n2.0\r\n49\r\n1.25\r\n49\r\n-0.25\r\n49\r\n0.25\r\n49\r\n-0.25\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("49\r\n0.25\r\n49\r\n-0.125\r\n"), std::string::npos);
  EXPECT_NE(text.find("$EXTMAX\r\n10\r\n220.0\r\n"), std::string::npos);
}

TEST(DxfFile, EveryFeatureOnBlocksInItsGroupLayerAndHandle) {
  core::RibDocument s = RibOnBlocks();
  output::DxfBuild build = output::BuildDxf(s);
  ASSERT_TRUE(build.finite);
  std::vector<std::string> expected = {
      "POLYLINE Layer01 501 open " + std::to_string(s.airfoil.points.size()),
      "POLYLINE AXIS 502 open 2",
      "POLYLINE COFFR 504 open 7",  // block: board side
      "POLYLINE COFFR 504 open 4",  // block: top side
      "POLYLINE Layer01 501 open " + std::to_string(s.prepared.outline.size()),
      "POLYLINE AXIS 502 open 2",
      "POLYLINE COFFR 503 open 2",  // leading-edge cut
      "POLYLINE COFFR 503 open 2",  // trailing-edge cut
      // sheeting from the trailing-edge cut (station 30) to the leading-edge cut (380)
      "POLYLINE COFFR 503 open 351",
      "POLYLINE COFFR 503 open 351",
      // spar 1: notch from the sheeting above, from the contour below
      "POLYLINE AXIS 502 open 2", "POLYLINE LONG 503 closed 4", "POLYLINE LONG 503 closed 4",
      // spar 2: hanging section above
      "POLYLINE AXIS 502 open 2", "POLYLINE LONG 503 closed 4",
      // spar 3: round, above and below
      "POLYLINE AXIS 502 open 2", "POLYLINE AXIS 502 open 2", "CIRCLE LONG 504", "POLYLINE AXIS 502 open 2", "CIRCLE LONG 504",
      // spar 4: inset section below
      "POLYLINE AXIS 502 open 2", "POLYLINE LONG 503 closed 4",
      // round hole and its centre line; rectangular hole, first corner repeated, two centre lines
      "CIRCLE TROU 504", "POLYLINE AXIS 502 open 2",
      "POLYLINE TROU 504 closed 5", "POLYLINE AXIS 502 open 2", "POLYLINE AXIS 502 open 2",
  };
  auto entities = Entities(build.text);
  ASSERT_EQ(Summary(entities), expected);
  // The rectangular hole closes on its first corner; a round hole's radius is half its diameter.
  EXPECT_EQ(entities[24].vertices.front(), entities[24].vertices.back());
  EXPECT_EQ(entities[22].radius, "6.0");
}

TEST(DxfFile, EveryFeatureOnTabsWithSquareLeadingEdge) {
  output::DxfBuild build = output::BuildDxf(RibOnTabs());
  ASSERT_TRUE(build.finite);
  std::vector<std::string> expected = {
      "POLYLINE Layer01 501 open 121", "POLYLINE AXIS 502 open 2",
      // tab edges, board line, base, top
      "POLYLINE TALON 504 open 2", "POLYLINE TALON 504 open 2", "POLYLINE TALON 502 open 2",
      "POLYLINE TALON 504 open 2", "POLYLINE TALON 504 open 2", "POLYLINE AXIS 502 open 2",
      "POLYLINE COFFR 503 closed 4",  // the square strip; no trailing-edge piece
  };
  auto summary = Summary(Entities(build.text));
  // Sheeting without a trailing-edge piece: both inner lines, then the closing segment.
  ASSERT_EQ(summary.size(), expected.size() + 3);
  EXPECT_EQ(std::vector<std::string>(summary.begin(), summary.begin() + expected.size()), expected);
  EXPECT_EQ(summary.back(), "POLYLINE COFFR 503 open 2");
}

// The small rib has edge depths of 0 and three entities; a depth adds its cut alone.
TEST(DxfFile, EdgeCutsOfNoDepthAreLeftOut) {
  core::RibDocument s = SmallRib();
  s.rib.leadingEdge.mm = 20;
  auto summary = Summary(Entities(output::BuildDxf(s).text));
  ASSERT_EQ(summary.size(), 4u);
  EXPECT_EQ(summary.back(), "POLYLINE COFFR 503 open 2");
}

// A 10 in chord on a block reaching 1 in ahead of the leading edge and 0.5 in behind the
// trailing edge, 0.5 in under the chord line at the front: the block's front length moves
// every entity and is converted with the rest.
TEST(DxfFile, AnInchBlockOffsetIsConvertedWithTheRest) {
  core::RibDocument s = SmallRib();
  s.settings.unitText = " in";
  s.rib.chord.mm = 254;
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.blocks.leadingExtension.mm = 25.4f;
  s.rib.blocks.trailingExtension.mm = 12.7f;
  s.rib.blocks.baseHeight.mm = 12.7f;
  s.rib.blocks.topHeight.mm = 25.4f;
  const output::DxfBuild build = output::BuildDxf(s);
  ASSERT_TRUE(build.finite);
  auto entities = Entities(build.text);
  ASSERT_EQ(Summary(entities, false), (std::vector<std::string>{
                                          "POLYLINE Layer01 open 6",  // the file outline
                                          "POLYLINE AXIS open 2",     // and its chord line
                                          "POLYLINE COFFR open 7",    // block, board side
                                          "POLYLINE COFFR open 4",    // block, top side
                                          "POLYLINE AXIS open 2",     // chord line
                                      }));
  using V = std::pair<std::string, std::string>;
  // The outline's trailing edge, (254 + 25.4) / 25.4 = 11 in from the block's front point.
  EXPECT_EQ(entities[0].vertices.front(), V("11.0", "0.0"));
  EXPECT_EQ(entities[1].vertices.front(), V("1.0", "0.0"));
  // Leading edge, front point, board front, board end 1 + 10 + 0.5 in along.
  const auto& board = entities[2].vertices;
  ASSERT_GE(board.size(), 7u);
  EXPECT_EQ(std::vector<V>(board.begin(), board.begin() + 4),
            (std::vector<V>{{"1.0", "0.0"}, {"0.0", "0.0"}, {"0.0", "-0.5"}, {"11.5", "-0.5"}}));
  EXPECT_EQ(board[6].first, "11.0");  // the rib's trailing edge
  // The top side starts 0.5 in above the front point.
  EXPECT_EQ(entities[3].vertices[1], V("0.0", "0.5"));
  EXPECT_EQ(entities[4].vertices.back(), V("11.0", "0.0"));  // the rib's chord line
}

// What ezdxf, a reader other programs use, makes of every kind of file we write.
TEST(DxfFile, EzdxfReadsEveryEntityAndVertex) {
  testsupport::TempDir dir;
  core::RibDocument inches = RibOnBlocks();
  inches.settings.unitText = " in";
  const std::vector<std::pair<std::string, core::RibDocument>> ribs = {
      {"small.dxf", SmallRib()}, {"blocks.dxf", RibOnBlocks()}, {"tabs.dxf", RibOnTabs()}, {"inches.dxf", inches}};
  std::string files;
  std::vector<std::string> expected;  // what our own reading of each file finds
  for (const auto& [name, rib] : ribs) {
    platform::ErrorInfo error;
    ASSERT_TRUE(output::WriteDxf(rib, dir.File(name), error)) << error.description;
    files += " '" + dir.File(name) + "'";
    expected.push_back("FILE " + name);
    for (const std::string& line : Summary(Entities(testsupport::ReadFile(dir.File(name))), false))
      expected.push_back(line);
  }
  const std::string report = dir.File("ezdxf.txt");
  const std::string command = "/usr/bin/python3 '" + std::string(VANDRELL_SOURCE_DIR) +
                              "/tests/output/dxf_entities.py'" + files + " > '" + report + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << testsupport::ReadFile(report);
  std::string want;
  for (const std::string& line : expected) want += line + "\n";
  EXPECT_EQ(testsupport::ReadFile(report), want);
}

}  // namespace
