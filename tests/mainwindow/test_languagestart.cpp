// The language at start-up, with a chooser that answers as scripted: the first choice
// holds at the next start, and a start-up that cannot end well says so and stops.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <filesystem>
#include <stdexcept>

#include "files/ini.h"
#include "files/language.h"
#include "mainwindow/languagewindow.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "support/languagefolder.h"

namespace {

using testsupport::WriteFile;

// Stands for the language window: each showing runs the next scripted action; "" closes it.
class ScriptedChooser : public mainwindow::LanguageChooser {
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

class LanguageStart : public testsupport::LanguageFolder {
 protected:
  platform::RecordingMessages messages;
  platform::ScopedMessages scopedMessages{&messages};
};

TEST_F(LanguageStart, FirstStartOffersTheFilesAndTheChoiceHoldsAfterwards) {
  EnglishAndFrench();
  ScriptedChooser chooser;
  chooser.script = {"Francais"};
  ASSERT_TRUE(mainwindow::StartLanguage(s, chooser));
  EXPECT_EQ(chooser.offered, (std::vector<std::string>{"English", "Francais"}));
  EXPECT_EQ(files::GetINIFile("Language", "Langue", s.settings.iniFile), "Francais");

  // The next start reads the choice back and asks nothing.
  core::RibDocument next;
  next.settings.programDir = s.settings.programDir, next.settings.iniFile = s.settings.iniFile;
  ASSERT_TRUE(mainwindow::StartLanguage(next, chooser));
  EXPECT_EQ(chooser.shown, 1);
  EXPECT_EQ(next.settings.languageFile, dir.File("Francais.lng"));
  EXPECT_EQ(platform::Text("MenuFile", "1"), "&Fichier");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LanguageStart, NoLanguageFileAtAllSaysSoOnceAndFails) {
  WriteFile(dir.File("readme.txt"), "not a language");
  ScriptedChooser chooser;
  EXPECT_FALSE(mainwindow::StartLanguage(s, chooser));
  EXPECT_EQ(chooser.shown, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(s.settings.programDir), std::string::npos);
}

// Why: the start-up reads the choice back from the settings file; when that file cannot be
// written the user would be asked again for ever.
TEST_F(LanguageStart, ChoiceHoldsWhenTheSettingsFileCannotBeWritten) {
  WriteLanguage("English", "[MenuFile]\r\n1=&File\r\n");
  s.settings.iniFile = dir.File("no-such-folder/Vandrell.ini");
  ScriptedChooser chooser;
  chooser.script = {"English"};
  ASSERT_TRUE(mainwindow::StartLanguage(s, chooser));
  EXPECT_EQ(chooser.shown, 1);
  EXPECT_FALSE(std::filesystem::exists(s.settings.iniFile));
  EXPECT_EQ(s.settings.languageName, "English");
  EXPECT_TRUE(messages.shown.empty());
}

// The first start offers the system's language when its file is there, else English, else
// the first file; a chooser closed without a choice asks again in the offered language.
TEST_F(LanguageStart, TheSystemsLanguageIsOfferedAndAsksInItsOwnWords) {
  WriteLanguage("Deutsch", "[LANGUAGE]\r\nCode=de\r\n");
  WriteLanguage("English", "[LANGUAGE]\r\nCode=en\r\n4=Please choose\r\n");
  WriteLanguage("Francais", "[LANGUAGE]\r\nCode=fr\r\n4=Choisissez\r\n");
  const std::string folder = dir.path().string();
  EXPECT_EQ(mainwindow::PreferredLanguage(folder, "fr"), "Francais");
  EXPECT_EQ(mainwindow::PreferredLanguage(folder, "it"), "English");
  EXPECT_EQ(mainwindow::PreferredLanguage(folder, ""), "English");

  QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
  {
    mainwindow::LanguageWindow window(s, mainwindow::LanguageWindow::Purpose::FirstChoice, nullptr);
    EXPECT_EQ(window.LanguageList()->currentText(), "Francais");
  }
  ScriptedChooser chooser;
  chooser.script = {"", "Francais"};
  ASSERT_TRUE(mainwindow::StartLanguage(s, chooser));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Choisissez");

  // OK alone takes what is offered.
  std::filesystem::remove(dir.File("Vandrell.ini"));
  std::filesystem::remove(dir.File("English.lng"));
  std::filesystem::remove(dir.File("Francais.lng"));
  core::RibDocument next;
  next.settings.programDir = folder, next.settings.iniFile = dir.File("Vandrell.ini");
  mainwindow::LanguageWindow window(next, mainwindow::LanguageWindow::Purpose::FirstChoice, nullptr);
  EXPECT_EQ(window.LanguageList()->currentText(), "Deutsch");
  window.OkButton()->click();
  EXPECT_EQ(next.settings.languageName, "Deutsch");
  QLocale::setDefault(QLocale::c());
}

}  // namespace
