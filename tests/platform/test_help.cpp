// A Help button asks the installed help for its topic.
#include <gtest/gtest.h>

#include <vector>

#include "platform/help.h"

namespace {

TEST(Help, TopicsGoToTheInstalledHelpOnly) {
  platform::ShowHelpTopic(42);  // the default help shows nothing and must not fail
  platform::RecordingHelp help;
  {
    platform::ScopedHelp scoped(&help);
    platform::ShowHelpTopic(platform::kTopicSpars);
    platform::ShowHelpTopic(platform::kTopicSeriesSpacing);
  }
  platform::ShowHelpTopic(90);
  EXPECT_EQ(help.topics, (std::vector<int>{42, 610}));
}

}  // namespace
