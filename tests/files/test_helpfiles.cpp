// The help has an edition a language, each with the same places to open, and the program
// opens the one of the language in force.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include "files/language.h"
#include "platform/help.h"
#include "support/testsupport.h"

namespace {

const std::string kHelpDir = std::string(VANDRELL_SOURCE_DIR) + "/help/";

// Every id and name of the file, with how often it occurs.
std::map<std::string, int> AnchorsOf(const std::string& html) {
  static const std::regex anchor(R"(\s(?:id|name)\s*=\s*"([^"]*)\")");
  std::map<std::string, int> found;
  for (std::sregex_iterator it(html.begin(), html.end(), anchor), end; it != end; ++it) ++found[(*it)[1]];
  return found;
}

TEST(HelpEditions, HaveTheSameAnchorsOnceEachAndEveryTopic) {
  const std::string english = testsupport::ReadFile(kHelpDir + "vandrellE.html");
  const std::string french = testsupport::ReadFile(kHelpDir + "vandrellF.html");
  ASSERT_FALSE(english.empty());
  ASSERT_FALSE(french.empty());
  const std::map<std::string, int> anchors = AnchorsOf(english);
  EXPECT_EQ(AnchorsOf(french), anchors);
  for (const auto& [anchor, count] : anchors) EXPECT_EQ(count, 1) << anchor << " is not unique";
  for (int topic : platform::kHelpTopics) EXPECT_TRUE(anchors.contains(platform::HelpTopicAnchor(topic))) << topic;
  EXPECT_FALSE(anchors.contains("topic-6"));  // the regex must not take topic-61 for topic-6
  // The French contents go where their English entries go.
  static const std::regex link(R"(href="#([^"]*)\")");
  for (const std::string* html : {&english, &french})
    for (std::sregex_iterator it(html->begin(), html->end(), link), end; it != end; ++it)
      EXPECT_TRUE(anchors.contains((*it)[1])) << (*it)[1];
}

TEST(HelpEditions, TheLanguageInForcePicksTheEditionEnglishOtherwise) {
  testsupport::TempDir dir;
  core::RibDocument s;
  s.settings.programDir = dir.path().string();
  testsupport::WriteFile(dir.File("vandrellE.html"), "<html></html>");
  const std::string lang = std::string(VANDRELL_SOURCE_DIR) + "/lang/";

  s.settings.languageFile = lang + "Francais.lng";
  EXPECT_EQ(files::HelpFileInLanguage(s), dir.File("vandrellE.html")) << "no French file: the English one";
  testsupport::WriteFile(dir.File("vandrellF.html"), "<html></html>");
  EXPECT_EQ(files::HelpFileInLanguage(s), dir.File("vandrellF.html"));

  s.settings.languageFile = lang + "English.lng";
  EXPECT_EQ(files::HelpFileInLanguage(s), dir.File("vandrellE.html"));
  testsupport::WriteFile(dir.File("Deutsch.lng"), "[LANGUAGE]\r\nCode=de\r\n");
  s.settings.languageFile = dir.File("Deutsch.lng");
  EXPECT_EQ(files::HelpFileInLanguage(s), dir.File("vandrellE.html"));
}

}  // namespace
