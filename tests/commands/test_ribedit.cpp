// The edit command's own promises, whoever builds the edit: one announcement of a stored
// edit, none of a refused one, and the board angle kept within 20 degrees even where no
// box checked it as it was typed.
#include <gtest/gtest.h>

#include "commands/ribedit.h"
#include "support/projectlines.h"

namespace {

TEST(RibEdit, AStoredEditIsAnnouncedOnceARefusedOneNotAtAll) {
  testsupport::SelfNamingTexts texts;
  core::RibDocument d;
  std::vector<core::Changes> heard;
  core::ChangeChannel::Subscription listening = d.changes.Listen([&](core::Changes c) { heard.push_back(c); });

  // Tabs 150 long 60 from the trailing edge reach 210 mm on a 200 mm chord.
  commands::TabBoxes tabs;
  tabs.length = "150";
  tabs.rear = "60";
  const core::RibSetup before = d.rib;
  const commands::EditOutcome refused = commands::ApplyEdit(d, commands::SetTabs{tabs});
  EXPECT_TRUE(refused.refused);
  ASSERT_EQ(refused.messages.size(), 1u);
  EXPECT_EQ(refused.messages[0], (commands::EditMessage{"FrmTalon", "5", ""}));
  EXPECT_TRUE(d.rib == before);
  EXPECT_FALSE(d.project.modified);
  EXPECT_TRUE(heard.empty());

  // A board typed at 35 degrees, either way, stands at 20 that way (stored negated).
  tabs.rear = "50";
  tabs.angle = "35";
  commands::ApplyEdit(d, commands::SetTabs{tabs});
  EXPECT_EQ(d.rib.boardAngle, -20);
  EXPECT_EQ(d.rib.baseMode, core::BaseMode::Tabs);
  EXPECT_TRUE(d.project.modified);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_TRUE(heard[0].Has(core::Change::Setup));
  commands::BlockBoxes block;
  block.angle = "-35";
  commands::ApplyEdit(d, commands::SetBlocks{block});
  EXPECT_EQ(d.rib.boardAngle, 20);
  EXPECT_EQ(heard.size(), 2u);

  // Taking the rib off tabs it does not stand on changes nothing.
  EXPECT_FALSE(commands::ApplyEdit(d, commands::TakeOffBase{core::BaseMode::Tabs}).changed.Any());
  EXPECT_EQ(d.rib.baseMode, core::BaseMode::Blocks);
  EXPECT_EQ(heard.size(), 2u);
}

}  // namespace
