// The help file beside the program must have a place for every topic a Help button opens.
#include <gtest/gtest.h>

#include <set>

#include "platform/help.h"
#include "support/testsupport.h"

namespace {

TEST(HelpFile, HasExactlyOneAnchorPerTopic) {
  const std::string html =
      testsupport::ReadFile(std::string(VANDRELL_SOURCE_DIR) + "/help/" + platform::kHelpFileName);
  ASSERT_FALSE(html.empty());
  std::set<int> seen;
  for (int topic : platform::kHelpTopics) {
    EXPECT_TRUE(seen.insert(topic).second) << topic << " listed twice";
    // The closing quote keeps topic-61 from being found in topic-610.
    const std::string id = "id=\"" + platform::HelpTopicAnchor(topic) + "\"";
    const std::size_t first = html.find(id);
    EXPECT_NE(first, std::string::npos) << id;
    EXPECT_EQ(html.find(id, first + 1), std::string::npos) << id << " twice";
  }
}

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
