// The shipped language files against the inventory of texts the program looks up, and the
// main window's caption table.
#include <gtest/gtest.h>

#include <map>
#include <set>

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

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string Name(std::string_view section, std::string_view key) { return Lower(section) + "/" + Lower(key); }

std::size_t Utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

struct RawEntry {
  std::string name;  // section/key, lower case
  std::string value;
  int line;
};

// The file as written, without the INI layer's trimming and 199-character cut.
std::vector<RawEntry> RawEntries(const std::string& text) {
  std::vector<RawEntry> entries;
  std::string section;
  std::size_t start = 0;
  int line = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string row = text.substr(start, end - start);
    ++line;
    start = end + 2;
    if (row.empty() || row[0] == ';') continue;
    if (row[0] == '[') {
      section = row.substr(1, row.find(']') - 1);
      continue;
    }
    const std::size_t eq = row.find('=');
    if (eq == std::string::npos) continue;
    entries.push_back({Name(section, row.substr(0, eq)), row.substr(eq + 1), line});
  }
  return entries;
}

TEST(LanguageFiles, InventoryHasNoEntryTwice) {
  std::set<std::string> seen;
  for (const files::LanguageKey& k : files::LanguageKeys()) {
    EXPECT_TRUE(seen.insert(Name(k.section, k.key)).second) << k.section << "/" << k.key;
    EXPECT_FALSE(k.use.empty()) << k.section << "/" << k.key;
  }
}

TEST(LanguageFiles, EveryFileGivesATextForEveryInventoryEntry) {
  for (const char* language : kShippedLanguages) {
    const std::string file = ShippedFile(language);
    std::string missing;
    for (const files::LanguageKey& k : files::LanguageKeys())
      if (files::GetINIFile(k.section, k.key, file).empty())
        missing += " " + std::string(k.section) + "/" + std::string(k.key);
    EXPECT_EQ(missing, "") << language;
  }
}

// Why: a key the program never looks up is a typo of one it does (its text would be
// missing where it is needed), and a repeated key hides the second text for good.
TEST(LanguageFiles, FilesHoldOnlyInventoryKeysEachOnce) {
  std::set<std::string> inventory;
  for (const files::LanguageKey& k : files::LanguageKeys()) inventory.insert(Name(k.section, k.key));
  for (const char* language : kShippedLanguages) {
    std::set<std::string> seen;
    for (const RawEntry& e : RawEntries(testsupport::ReadFile(ShippedFile(language)))) {
      EXPECT_TRUE(inventory.count(e.name)) << language << " line " << e.line << ": " << e.name;
      EXPECT_TRUE(seen.insert(e.name).second) << language << " line " << e.line << ": " << e.name << " again";
    }
  }
}

TEST(LanguageFiles, ValuesAreWholeWithinTheReadLimit) {
  for (const char* language : kShippedLanguages) {
    for (const RawEntry& e : RawEntries(testsupport::ReadFile(ShippedFile(language)))) {
      EXPECT_LE(Utf8Length(e.value), files::kIniValueMax) << language << " line " << e.line;
      // Outer blanks are dropped on reading: a text must not rely on them.
      EXPECT_TRUE(e.value.empty() || (e.value.front() != ' ' && e.value.back() != ' '))
          << language << " line " << e.line;
    }
  }
}

TEST(LanguageFiles, FilesAreUtf8WithCrLfLineEnds) {
  for (const char* language : kShippedLanguages) {
    const std::string text = testsupport::ReadFile(ShippedFile(language));
    ASSERT_FALSE(text.empty()) << language;
    EXPECT_TRUE(files::IsValidUtf8(text)) << language;
    EXPECT_NE(text.compare(0, 3, "\xEF\xBB\xBF"), 0) << language << " starts with a byte order mark";
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n') {
        EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << language << " byte " << i;
      }
      if (text[i] == '\r') {
        EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << language << " byte " << i;
      }
    }
  }
}

// Menus reach their entries by the letter marked with "&": two entries of one menu with the
// same letter cannot both be reached.
TEST(LanguageFiles, AccessKeysAreUniqueWithinEachMenu) {
  for (const char* language : kShippedLanguages) {
    core::SharedState s;
    s.languageFile = ShippedFile(language);
    files::InstallLanguageLookup(s);
    std::map<std::string, std::map<char, std::string>> menus;
    for (const files::MenuCaption& entry : files::kMenuCaptions) {
      const std::string text = files::MenuCaptionText(entry);
      const std::size_t amp = text.find('&');
      if (amp == std::string::npos || amp + 1 >= text.size()) continue;
      std::string menu = std::string(entry.text.section);
      if (entry.text.key == "1") menu = "menu bar";
      if (entry.control == "mnu_profilbaD" || entry.control == "mnu_profilbaC") menu = "leading edge";
      const char letter = Lower(text.substr(amp + 1, 1))[0];
      auto [it, fresh] = menus[menu].emplace(letter, text);
      EXPECT_TRUE(fresh) << language << ": \"" << text << "\" and \"" << it->second << "\" in " << menu;
    }
    platform::SetTextLookup({});
  }
}

TEST(CaptionTable, EveryKeyOfTheMainWindowIsInTheInventory) {
  std::set<std::string> inventory;
  for (const files::LanguageKey& k : files::LanguageKeys()) inventory.insert(Name(k.section, k.key));
  std::vector<files::TextKey> used;
  for (const files::MenuCaption& m : files::kMenuCaptions) used.push_back(m.text);
  for (const files::ToolbarTip& t : files::kToolbarTips) used.push_back(t.tip);
  for (const files::CommandButtonTexts& b : files::kCommandButtons) {
    used.push_back(b.caption);
    used.push_back(b.toolTip);
  }
  used.push_back(files::kZoomListTip);
  for (const files::TextKey& k : files::kCommonTextKeys) used.push_back(k);
  for (const files::TextKey& k : used) EXPECT_TRUE(inventory.count(Name(k.section, k.key))) << k.section << "/" << k.key;
}

TEST(CaptionTable, ToolsMenuSkipsKeysEightAndNine) {
  std::vector<std::string> keys;
  for (const files::MenuCaption& m : files::kMenuCaptions)
    if (m.text.section == "MenuOutils") keys.emplace_back(m.text.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"1", "2", "3", "4", "4a", "5", "6", "7", "10", "11", "12", "13"}));
  ASSERT_NE(files::FindMenuCaption("mnu_outilevolut2"), nullptr);
  EXPECT_EQ(files::FindMenuCaption("mnu_outilevolut2")->text.key, "4a");
  EXPECT_EQ(files::FindMenuCaption("mnu_OutlilDiedre")->text.key, "10");
  EXPECT_EQ(files::FindMenuCaption("mnuFileMRU"), nullptr);
}

class CaptionTextTest : public ::testing::Test {
 protected:
  void Use(const std::string& contents) {
    testsupport::WriteFile(dir.File("Test.lng"), contents);
    s.languageFile = dir.File("Test.lng");
    files::InstallLanguageLookup(s);
  }
  void TearDown() override { platform::SetTextLookup({}); }
  testsupport::TempDir dir;
  core::SharedState s;
};

TEST_F(CaptionTextTest, CalculatorFallsBackOnlyWithoutAText) {
  Use("[MenuOutils]\r\n12=&Former view...\r\n");
  EXPECT_EQ(files::MenuCaptionText(*files::FindMenuCaption("mnu_calc")), "Windo&ws Calculator");
  Use("[MenuOutils]\r\n13=\r\n");
  EXPECT_EQ(files::MenuCaptionText(*files::FindMenuCaption("mnu_calc")), "Windo&ws Calculator");
  Use("[MenuOutils]\r\n13=Ca&lculator\r\n");
  EXPECT_EQ(files::MenuCaptionText(*files::FindMenuCaption("mnu_calc")), "Ca&lculator");
}

TEST_F(CaptionTextTest, VersionEntryIsCheckFollowedByTheAboutText) {
  Use("[FrmAbout]\r\n3=Version\r\n");
  EXPECT_EQ(files::MenuCaptionText(*files::FindMenuCaption("mnu_helpVersion")), "Check Version");
}

TEST_F(CaptionTextTest, MissingSectionLeavesItsEntriesBlank) {
  Use("[MenuAffich]\r\n1=&View\r\n");
  EXPECT_EQ(files::MenuCaptionText(*files::FindMenuCaption("mnu_file")), "");
  EXPECT_EQ(files::MenuCaptionText(*files::FindMenuCaption("mnu_fileexit")), "");
  EXPECT_EQ(files::MenuCaptionText(*files::FindMenuCaption("mnu_aff")), "&View");
}

TEST_F(CaptionTextTest, CommonTextsComeFromTheirKeys) {
  Use("[TextButton]\r\n1=OK\r\n2=Cancel\r\n3=Help\r\n4=Close\r\n5=Apply\r\n"
      "[MainTolbar]\r\n11=Airfoil\r\n13=Chord\r\n25=Rib\r\n26=Files\r\n");
  const files::CommonTexts t = files::LoadCommonTexts();
  EXPECT_EQ(t.ok + t.cancel + t.help + t.close + t.apply, "OKCancelHelpCloseApply");
  EXPECT_EQ(t.lblAirfoil + t.lblChord + t.ribWord + t.filesWord, "AirfoilChordRibFiles");
}

}  // namespace
