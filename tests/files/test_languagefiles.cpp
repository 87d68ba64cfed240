// The shipped language files against the inventory of looked-up texts; the main window's captions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <tuple>

#include "files/captions.h"
#include "files/ini.h"
#include "files/langkeys.h"
#include "files/language.h"
#include "platform/texts.h"
#include "support/testsupport.h"

namespace {

const char* const kShippedLanguages[] = {"English", "Francais"};

std::string ShippedFile(const std::string& language) {
  return files::LanguageFilePath(std::string(VANDRELL_SOURCE_DIR) + "/lang", language);
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string Name(std::string_view section, std::string_view key) {
  std::string name = std::string(section) + "/" + std::string(key);
  std::transform(name.begin(), name.end(), name.begin(), Lower);
  return name;
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

struct RawEntry {
  std::string name, value;  // name: section/key, lower case
  int line;
};

// The file as written, without the INI layer's trimming and 199-character cut.
std::vector<RawEntry> RawEntries(const std::string& text) {
  std::vector<RawEntry> entries;
  std::string section;
  int line = 0;
  for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
    end = std::min(text.find("\r\n", start), text.size());
    const std::string row = text.substr(start, end - start);
    ++line;
    if (!row.empty() && row[0] == '[') section = row.substr(1, row.find(']') - 1);
    else if (!row.empty() && row[0] != ';' && row.find('=') != std::string::npos)
      entries.push_back({Name(section, row.substr(0, row.find('='))), row.substr(row.find('=') + 1), line});
  }
  return entries;
}

// The inventory of looked-up texts, checking that it names each text once.
std::set<std::string> Inventory() {
  std::set<std::string> inventory;
  for (const files::LanguageKey& k : files::LanguageKeys()) {
    EXPECT_TRUE(inventory.insert(Name(k.section, k.key)).second) << k.section << "/" << k.key;
    EXPECT_FALSE(k.use.empty()) << k.section << "/" << k.key;
  }
  return inventory;
}

// Why: a missing text leaves a blank caption; a key the program never looks up is a typo of
// one it does; a repeated key hides the second text; outer blanks and overlong values are
// cut on reading; a byte order mark or bare LF breaks the first section or the line reads.
TEST(LanguageFiles, ShippedFilesAreCompleteAndWellFormed) {
  const std::set<std::string> inventory = Inventory();
  for (const char* language : kShippedLanguages) {
    const std::string file = ShippedFile(language);
    std::string missing;
    for (const files::LanguageKey& k : files::LanguageKeys())
      if (files::GetINIFile(k.section, k.key, file).empty())
        missing += " " + std::string(k.section) + "/" + std::string(k.key);
    EXPECT_EQ(missing, "") << language;

    const std::string text = testsupport::ReadFile(file);
    ASSERT_FALSE(text.empty()) << language;
    std::set<std::string> seen;
    for (const RawEntry& e : RawEntries(text)) {
      const std::string where = std::string(language) + " line " + std::to_string(e.line) + ": " + e.name;
      EXPECT_TRUE(inventory.count(e.name)) << where;
      EXPECT_TRUE(seen.insert(e.name).second) << where << " again";
      EXPECT_LE(Utf8Length(e.value), files::kIniValueMax) << where;
      EXPECT_TRUE(e.value.empty() || (e.value.front() != ' ' && e.value.back() != ' ')) << where;
    }
    EXPECT_TRUE(files::IsValidUtf8(text)) << language;
    EXPECT_NE(text.compare(0, 3, "\xEF\xBB\xBF"), 0) << language << " starts with a byte order mark";
    for (std::size_t i = 0; i < text.size(); ++i) {
      const bool lf = text[i] == '\n', cr = text[i] == '\r';
      EXPECT_FALSE(lf && (i == 0 || text[i - 1] != '\r')) << language << " bare LF at byte " << i;
      EXPECT_FALSE(cr && (i + 1 == text.size() || text[i + 1] != '\n')) << language << " bare CR at byte " << i;
    }
  }
}

// Menus reach their entries by the letter marked with "&": two entries of one menu with the
// same letter cannot both be reached.
TEST(LanguageFiles, AccessKeysAreUniqueWithinEachMenu) {
  for (const char* language : kShippedLanguages) {
    core::RibDocument s;
    s.settings.languageFile = ShippedFile(language);
    files::InstallLanguageLookup(s);
    std::map<std::string, std::map<char, std::string>> menus;
    for (const files::MenuCaption& entry : files::kMenuCaptions) {
      const std::string text = files::MenuCaptionText(entry);
      const std::size_t amp = text.find('&');
      if (amp == std::string::npos || amp + 1 >= text.size()) continue;
      std::string menu = std::string(entry.text.section);
      if (entry.text.key == "1") menu = "menu bar";
      if (entry.control == "mnu_profilbaD" || entry.control == "mnu_profilbaC") menu = "leading edge";
      auto [it, fresh] = menus[menu].emplace(Lower(text[amp + 1]), text);
      EXPECT_TRUE(fresh) << language << ": \"" << text << "\" and \"" << it->second << "\" in " << menu;
    }
    platform::SetTextLookup({});
  }
}

TEST(CaptionTable, EveryKeyOfTheMainWindowIsInTheInventory) {
  const std::set<std::string> inventory = Inventory();
  std::vector<files::TextKey> used;
  for (const files::MenuCaption& m : files::kMenuCaptions) used.push_back(m.text);
  for (const files::ToolbarTip& t : files::kToolbarTips) used.push_back(t.tip);
  for (const files::CommandButtonTexts& b : files::kCommandButtons) used.insert(used.end(), {b.caption, b.toolTip});
  for (const files::TextKey& k : used) EXPECT_TRUE(inventory.count(Name(k.section, k.key))) << k.section << "/" << k.key;
}

class CaptionTextTest : public ::testing::Test {
 protected:
  void Use(const std::string& contents) {
    testsupport::WriteFile(dir.File("Test.lng"), contents);
    s.settings.languageFile = dir.File("Test.lng");
    files::InstallLanguageLookup(s);
  }
  void TearDown() override { platform::SetTextLookup({}); }
  testsupport::TempDir dir;
  core::RibDocument s;
};

// The calculator and the version entry fall back to their own texts only without one; a
// missing section leaves its entries blank.
TEST_F(CaptionTextTest, MenuEntriesWithSpecialTexts) {
  const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
      {"[MenuOutils]\r\n12=&Former view...\r\n", "mnu_calc", "Windo&ws Calculator"},
      {"[MenuOutils]\r\n13=\r\n", "mnu_calc", "Windo&ws Calculator"},
      {"[MenuOutils]\r\n13=Ca&lculator\r\n", "mnu_calc", "Ca&lculator"},
      {"[FrmAbout]\r\n3=Version\r\n", "mnu_helpVersion", "Check version"},
      {"[MenuHelp]\r\n5=&V\u00e9rifier la version\r\n", "mnu_helpVersion", "&V\u00e9rifier la version"},
      {"[MenuAffich]\r\n1=&View\r\n", "mnu_file", ""},
      {"[MenuAffich]\r\n1=&View\r\n", "mnu_fileexit", ""},
      {"[MenuAffich]\r\n1=&View\r\n", "mnu_aff", "&View"},
  };
  for (const auto& [file, control, text] : cases) {
    Use(file);
    EXPECT_EQ(files::MenuCaptionText(*files::FindMenuCaption(control)), text) << control;
  }
}

}  // namespace
