// The DXF file: exact text, number forms, units, and which entity each element becomes.
#include <gtest/gtest.h>

#include "core/ribtrace.h"
#include "dxfsummary.h"
#include "output/dxfpairs.h"
#include "output/dxfwriter.h"
#include "platform/recordingtarget.h"
#include "support/testsupport.h"

namespace {

using dxftest::Entities;
using dxftest::Rib;
using dxftest::Summary;

core::SharedState SmallRib() {
  core::SharedState s = Rib(testsupport::DataPath("dxf/small6.dat"));
  s.traceShown = false;
  s.sheetingThickness = 0;
  return s;
}

// Everything a rib can carry on blocks: edge pieces, sheeting, every spar shape on both
// surfaces, round and rectangular holes.
core::SharedState RibOnBlocks() {
  core::SharedState s = Rib(testsupport::AirfoilPath("clarky.dat"));
  s.leadingEdgeDepth = 10, s.trailingEdgeDepth = 15;
  s.markCount = 5;  // reference lines are for the view only
  s.baseMode = 1, s.blockLe = 20, s.blockTe = 10, s.blockHeight0 = 5, s.blockHeight4 = 30, s.blockTotal = 230;
  s.boardAngle = 3;
  auto& sp = s.spars;
  const char* positions[] = {"25%", "40%", "120", "60%"};
  const std::uint8_t upper[] = {1, 2, 1, 0}, lower[] = {2, 0, 2, 1};
  for (int i = 0; i < 4; ++i) {
    sp.sparPosText[i] = positions[i];
    sp.sparWidth[i] = 6, sp.sparHeight[i] = 4, sp.sparInset[i] = 1;
    sp.sparType[i] = static_cast<std::uint8_t>(i), sp.sparUpper[i] = upper[i], sp.sparLower[i] = lower[i];
  }
  sp.sparLast = 4;  // the pending slot is empty and ends the table
  auto& h = s.holes;
  h.holePosText[0] = "50", h.holeSize[0] = 12, h.holeCentred[0] = 1;
  h.holePosText[1] = "140", h.holeSize[1] = 20, h.holeHeight[1] = 8, h.holeRect[1] = 1;
  h.holeLast = 2;
  return s;
}

core::SharedState RibOnTabs() {
  core::SharedState s = Rib(testsupport::AirfoilPath("clarky.dat"));
  s.traceShown = false;
  s.leadingEdgeStyle = 0, s.squareLeSize = 6, s.squareLeX = 3;
  s.baseMode = 11, s.tabLowerDist = 12, s.tabLengthText = "30", s.tabRearText = "20";
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
  core::SharedState s = SmallRib();
  s.unitText = " in";
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
  core::SharedState s = RibOnBlocks();
  output::DxfBuild build = output::BuildDxf(s);
  ASSERT_TRUE(build.finite);
  std::vector<std::string> expected = {
      "POLYLINE Layer01 501 open " + std::to_string(s.pointCount),
      "POLYLINE AXIS 502 open 2",
      "POLYLINE COFFR 504 open 7",  // block: board side
      "POLYLINE COFFR 504 open 4",  // block: top side
      "POLYLINE Layer01 501 open " + std::to_string(s.ptsCount),
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
  core::SharedState s = SmallRib();
  s.leadingEdgeDepth = 20;
  auto summary = Summary(Entities(output::BuildDxf(s).text));
  ASSERT_EQ(summary.size(), 4u);
  EXPECT_EQ(summary.back(), "POLYLINE COFFR 503 open 2");
}

// The file follows the set-up of the moment, not whatever the view drew last.
TEST(DxfFile, BuildsFromTheCurrentSetUpNotTheLastTrace) {
  core::SharedState s = RibOnBlocks();
  platform::RecordingTarget screen;
  s.zoom = 2;
  core::DrawRib(s, screen);
  s.chord = 100;
  s.sheetingThickness = 3;
  auto entities = Entities(output::BuildDxf(s).text);
  // Rows 1 and 2 take the same block-shifted origin as the rest: leading edge at 20 mm.
  EXPECT_EQ(entities[0].vertices.front().first, "120.0");
  EXPECT_EQ(entities[1].vertices.front().first, "20.0");
  EXPECT_EQ(entities[1].vertices.back().first, "120.0");
  EXPECT_EQ(entities[5].vertices.back().first, "120.0");
  EXPECT_EQ(s.zoom, 2);  // the export leaves the view alone
}

// What ezdxf, a reader other programs use, makes of every kind of file we write.
TEST(DxfFile, EzdxfReadsEveryEntityAndVertex) {
  testsupport::TempDir dir;
  core::SharedState inches = RibOnBlocks();
  inches.unitText = " in";
  const std::vector<std::pair<std::string, core::SharedState>> ribs = {
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
