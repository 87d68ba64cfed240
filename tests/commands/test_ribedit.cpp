// What the edit command keeps whoever builds the edit: the board angle within 20 degrees
// even where no box checked it as it was typed, and nothing announced of an edit that
// changes nothing. (Refusals and messages are the windows' and test_samerib's.)
#include <gtest/gtest.h>

#include "commands/ribedit.h"
#include "support/projectlines.h"

namespace {

TEST(RibEdit, TheBoardAngleStaysWithin20AndTakingOffAnAbsentBaseIsNoChange) {
  testsupport::SelfNamingTexts texts;
  core::RibDocument d;
  int heard = 0;
  core::ChangeChannel::Subscription listening = d.changes.Listen([&](core::Changes) { ++heard; });

  // 35 degrees either way stands at 20 that way; the document keeps the angle negated.
  commands::TabBoxes tabs;
  tabs.angle = "35";
  commands::ApplyEdit(d, commands::SetTabs{tabs});
  EXPECT_EQ(d.rib.boardAngle, -20);
  commands::BlockBoxes block;
  block.angle = "-35";
  commands::ApplyEdit(d, commands::SetBlocks{block});
  EXPECT_EQ(d.rib.boardAngle, 20);
  EXPECT_EQ(heard, 2);

  d.project.modified = false;
  EXPECT_FALSE(commands::ApplyEdit(d, commands::TakeOffBase{core::BaseMode::Tabs}).changed.Any());
  EXPECT_EQ(d.rib.baseMode, core::BaseMode::Blocks);
  EXPECT_FALSE(d.project.modified);
  EXPECT_EQ(heard, 2);
}

}  // namespace
