// The help has an edition a language, each with the same places to open, and the program
// opens the one of the language in force.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <cctype>
#include <initializer_list>

#include "files/language.h"
#include "platform/help.h"
#include "support/testsupport.h"

namespace {

const std::string kHelpDir = std::string(VANDRELL_SOURCE_DIR) + "/help/";

// The quoted values that follow each of `starts` ("id=\"", "href=\"#"), with how often each occurs.
std::map<std::string, int> ValuesAfter(const std::string& html, std::initializer_list<const char*> starts) {
  std::map<std::string, int> found;
  for (const char* start : starts) {
    const std::string key = start;
    for (std::size_t at = html.find(key); at != std::string::npos; at = html.find(key, at + 1)) {
      // An attribute of its own, not the end of another's name ("data-id").
      if (at == 0 || !std::isspace(static_cast<unsigned char>(html[at - 1]))) continue;
      const std::size_t from = at + key.size();
      ++found[html.substr(from, html.find('"', from) - from)];
    }
  }
  return found;
}

// Every id and name of the file, with how often it occurs.
std::map<std::string, int> AnchorsOf(const std::string& html) { return ValuesAfter(html, {"id=\"", "name=\""}); }

TEST(HelpEditions, HaveTheSameAnchorsOnceEachAndEveryTopic) {
  const std::string english = testsupport::ReadFile(kHelpDir + "vandrellE.html");
  const std::string french = testsupport::ReadFile(kHelpDir + "vandrellF.html");
  ASSERT_FALSE(english.empty());
  ASSERT_FALSE(french.empty());
  const std::map<std::string, int> anchors = AnchorsOf(english);
  EXPECT_EQ(AnchorsOf(french), anchors);
  for (const auto& [anchor, count] : anchors) EXPECT_EQ(count, 1) << anchor << " is not unique";
  for (int topic : platform::kHelpTopics) EXPECT_TRUE(anchors.contains(platform::HelpTopicAnchor(topic))) << topic;
  EXPECT_FALSE(anchors.contains("topic-6"));  // topic-61 must not be taken for topic-6
  // The French contents go where their English entries go.
  for (const std::string* html : {&english, &french})
    for (const auto& [target, count] : ValuesAfter(*html, {"href=\"#"})) EXPECT_TRUE(anchors.contains(target)) << target;
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
