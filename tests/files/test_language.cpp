// The language layer: the chooser at the first start, the list of languages, the lookup
// behind every caption, and the record of missing texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "files/ini.h"
#include "files/language.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "support/testsupport.h"

namespace {

using testsupport::WriteFile;

// Stands for the language window: each showing runs the next scripted action; "" closes it.
class ScriptedChooser : public files::LanguageChooser {
 public:
  void ShowChooser(core::RibDocument& s) override {
    // A start-up that keeps asking would never end the test.
    if (++shown > 5) throw std::runtime_error("the chooser was shown again and again");
    offered = files::ListLanguages(s.settings.programDir);
    if (!script.empty() && !script.front().empty()) files::ChooseLanguage(s, script.front());
    if (!script.empty()) script.erase(script.begin());
  }
  std::vector<std::string> script, offered;
  int shown = 0;
};

class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override { s.settings.programDir = dir.path().string(), s.settings.iniFile = dir.File("Vandrell.ini"); }
  void TearDown() override { platform::SetTextLookup({}); }

  void WriteLanguage(const std::string& name, const std::string& contents) {
    WriteFile(dir.File(name + ".lng"), contents);
  }
  void EnglishAndFrench() {
    WriteLanguage("English", "[MenuFile]\r\n1=&File\r\n");
    WriteLanguage("Francais", "[MenuFile]\r\n1=&Fichier\r\n");
  }

  testsupport::TempDir dir;
  core::RibDocument s;
  platform::RecordingMessages messages;
  platform::ScopedMessages scopedMessages{&messages};
};

TEST_F(LanguageTest, FirstStartOffersTheFilesAndTheChoiceHoldsAfterwards) {
  EnglishAndFrench();
  ScriptedChooser chooser;
  chooser.script = {"Francais"};
  ASSERT_TRUE(files::StartLanguage(s, chooser));
  EXPECT_EQ(chooser.offered, (std::vector<std::string>{"English", "Francais"}));
  EXPECT_EQ(files::GetINIFile("Language", "Langue", s.settings.iniFile), "Francais");

  // The next start reads the choice back and asks nothing.
  core::RibDocument next;
  next.settings.programDir = s.settings.programDir, next.settings.iniFile = s.settings.iniFile;
  ASSERT_TRUE(files::StartLanguage(next, chooser));
  EXPECT_EQ(chooser.shown, 1);
  EXPECT_EQ(next.settings.languageFile, dir.File("Francais.lng"));
  EXPECT_EQ(platform::Text("MenuFile", "1"), "&Fichier");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LanguageTest, ClosingTheChooserWithoutAChoiceAsksAgain) {
  EnglishAndFrench();
  ScriptedChooser chooser;
  chooser.script = {"", "", "English"};
  ASSERT_TRUE(files::StartLanguage(s, chooser));
  EXPECT_EQ(chooser.shown, 3);
  ASSERT_EQ(messages.shown.size(), 2u);
  for (const platform::BoxRequest& box : messages.shown) {
    EXPECT_EQ(box.text, "Please select a language");
    EXPECT_EQ(box.icon, platform::BoxIcon::Critical);
  }
  EXPECT_EQ(s.settings.languageName, "English");
}

TEST_F(LanguageTest, NoLanguageFileAtAllSaysSoOnceAndFails) {
  WriteFile(dir.File("readme.txt"), "not a language");
  ScriptedChooser chooser;
  EXPECT_FALSE(files::StartLanguage(s, chooser));
  EXPECT_EQ(chooser.shown, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(s.settings.programDir), std::string::npos);
}

// Why: the start-up reads the choice back from the settings file; when that file cannot be
// written the user would be asked again for ever.
TEST_F(LanguageTest, ChoiceHoldsWhenTheSettingsFileCannotBeWritten) {
  WriteLanguage("English", "[MenuFile]\r\n1=&File\r\n");
  s.settings.iniFile = dir.File("no-such-folder/Vandrell.ini");
  ScriptedChooser chooser;
  chooser.script = {"English"};
  ASSERT_TRUE(files::StartLanguage(s, chooser));
  EXPECT_EQ(chooser.shown, 1);
  EXPECT_FALSE(std::filesystem::exists(s.settings.iniFile));
  EXPECT_EQ(s.settings.languageName, "English");
  EXPECT_TRUE(messages.shown.empty());
}

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
