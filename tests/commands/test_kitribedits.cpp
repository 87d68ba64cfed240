// A kit rib is made as the window makes a rib of that airfoil and chord: its chord is an
// edit, settled, so that tabs on a board parallel to the chord sit under this rib.
#include "commands/cutkitfixture.h"

#include <algorithm>
#include <limits>
#include <sstream>

namespace {

TEST_F(CutKit, TabsOnAParallelBoardFollowEachRibsAirfoilAndChord) {
  // Clark Y's lowest and highest points, read from its file.
  std::istringstream file(testsupport::ReadFile(testsupport::AirfoilPath("clarky.dat")));
  std::string title;
  std::getline(file, title);
  double lowest = 1, highest = -1;
  for (double x, y; file >> x >> y;) {
    lowest = std::min(lowest, y);
    highest = std::max(highest, y);
  }
  ASSERT_LT(lowest, 0);

  // Tabs over the rear 30 % on a board left where a thicker rib wanted it, 18.5 mm down.
  core::RibSetup& rib = templateRib.rib;
  rib.baseMode = core::BaseMode::Tabs;
  rib.boardAngle = 0;
  rib.tabs.board = core::TabBoard::UnderLowerSurface;
  rib.tabs.lowerDistance = {18.5f, "18.5"};
  rib.tabs.lengthText = "20%";
  rib.tabs.rearText = "10%";
  const commands::KitPlan plan =
      commands::PlanKit(templateRib, {{testsupport::AirfoilPath("clarky.dat"), "R1", 200}}, settings);
  ASSERT_FALSE(plan.refusal);
  ASSERT_FALSE(plan.parts.empty());
  double top = -std::numeric_limits<double>::max(), bottom = std::numeric_limits<double>::max();
  for (const core::CutPiece& piece : plan.parts[0].layout.rib)
    for (const core::PointMm& p : piece.outer) {
      top = std::max(top, p.y);
      bottom = std::min(bottom, p.y);
    }
  // The board touches the inner contour's lowest point: nothing hangs below the rib, which
  // stands from 1.5 mm above its lowest point to 1.5 mm below its highest.
  EXPECT_NEAR(top - bottom, 200 * (highest - lowest) - 2 * 1.5, 0.2);
}

}  // namespace
