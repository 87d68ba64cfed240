// A rib on blocks exported in inches: the block's front length moves every entity and is
// converted with the rest.
#include <gtest/gtest.h>

#include "support/dxfsummary.h"
#include "output/dxfwriter.h"
#include "support/testsupport.h"

namespace {

using dxftest::Entities;
using dxftest::Summary;

// A 10 in chord on a block reaching 1 in ahead of the leading edge and 0.5 in behind the
// trailing edge, 0.5 in under the chord line at the front.
TEST(DxfInches, BlockOffsetIsConvertedWithTheRest) {
  core::RibDocument s = dxftest::Rib(testsupport::DataPath("dxf/small6.dat"));
  s.view.outlineShown = false;
  s.rib.sheeting.mm = 0;
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
  EXPECT_EQ(board[0], V("1.0", "0.0"));
  EXPECT_EQ(board[1], V("0.0", "0.0"));
  EXPECT_EQ(board[2], V("0.0", "-0.5"));
  EXPECT_EQ(board[3], V("11.5", "-0.5"));
  EXPECT_EQ(board[6].first, "11.0");  // the rib's trailing edge
  // The top side starts 0.5 in above the front point.
  EXPECT_EQ(entities[3].vertices[1], V("0.0", "0.5"));
  EXPECT_EQ(entities[4].vertices.back(), V("11.0", "0.0"));  // the rib's chord line
}

}  // namespace
