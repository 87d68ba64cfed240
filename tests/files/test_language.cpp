// The language files: the list of languages, the lookup behind every caption, the record
// of missing texts, and the batch program's language.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/ini.h"
#include "files/language.h"
#include "platform/texts.h"
#include "support/languagefolder.h"

namespace {

using testsupport::WriteFile;

using LanguageTest = testsupport::LanguageFolder;

TEST_F(LanguageTest, ListsOnlyLanguageFilesSortedWithoutRegardToCase) {
  WriteLanguage("francais", "");
  WriteLanguage("English", "");
  WriteLanguage("Deutsch", "");
  WriteFile(dir.File("Espanol.LNG"), "");   // opened again as "Espanol.lng": not offered
  WriteFile(dir.File("English.lng.bak"), "");
  WriteFile(dir.File(".lng"), "");
  std::filesystem::create_directory(dir.path() / "Folder.lng");

  EXPECT_EQ(files::ListLanguages(s.settings.programDir), (std::vector<std::string>{"Deutsch", "English", "francais"}));
  EXPECT_TRUE(files::ListLanguages(dir.File("missing")).empty());
}

TEST_F(LanguageTest, LookupReadsTheCurrentFileAtEachCall) {
  WriteLanguage("English", "[frmopen]\r\n13=First text\r\n");
  WriteLanguage("Francais", "[FRMOPEN]\r\n13 = Premier texte \r\n");
  files::ChooseLanguage(s, "English");
  files::InstallLanguageLookup(s);
  EXPECT_EQ(platform::Text("frmopen", "13"), "First text");
  WriteLanguage("English", "[frmopen]\r\n13=Edited text\r\n");
  EXPECT_EQ(platform::Text("frmopen", "13"), "Edited text");
  files::ChooseLanguage(s, "Francais");
  EXPECT_EQ(platform::Text("frmopen", "13"), "Premier texte");
  EXPECT_EQ(platform::Text("frmopen", "14"), "");
}

TEST_F(LanguageTest, MissesAreRecordedOnceEachOnlyWhileRecording) {
  WriteLanguage("English", "[TextButton]\r\n1=OK\r\n2=\r\n");
  files::ChooseLanguage(s, "English");
  files::InstallLanguageLookup(s);
  platform::Text("TextButton", "9");  // before recording: not kept

  files::ScopedTextMisses outer;
  platform::Text("TextButton", "1");
  platform::Text("TextButton", "2");  // an empty value is a miss too
  {
    files::ScopedTextMisses inner;
    platform::Text("MenuFile", "1");
    EXPECT_EQ(inner.Describe(), "MenuFile/1");
  }
  platform::Text("TextButton", "2");
  platform::Text("Nowhere", "3");

  EXPECT_EQ(outer.misses(), (std::vector<files::TextMiss>{{"TextButton", "2"}, {"Nowhere", "3"}}));
  EXPECT_EQ(outer.Describe(), "TextButton/2, Nowhere/3");
}

TEST_F(LanguageTest, BatchProgramFallsBackToEnglish) {
  EnglishAndFrench();
  // No setting, a shipped language, one that is not there.
  for (const auto& [set, text] : std::vector<std::pair<std::string, std::string>>{
           {"", "&File"}, {"Francais", "&Fichier"}, {"Klingon", "&File"}}) {
    if (!set.empty()) files::WriteINIFile("Language", "Langue", set, s.settings.iniFile);
    files::UseBatchLanguage(s);
    EXPECT_EQ(platform::Text("MenuFile", "1"), text) << set;
  }
  EXPECT_EQ(s.settings.languageName, "English");
}

}  // namespace
