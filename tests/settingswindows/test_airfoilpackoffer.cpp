// The companion pack offer: the question, the refusal, the search for the pack's program
// and its start.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "settingswindows/airfoilpack.h"
#include "settingswindows/airfoilpackoffer.h"
#include "support/windowtest.h"

using platform::BoxAnswer;
using testsupport::Key;

namespace {

class KaldrexOffer : public testsupport::WindowTest {
 protected:
  // Answers the configuration window that opens next; keeps its title and question.
  void Answer(bool yes) {
    WhenModal([this, yes](QWidget* modal) {
      auto* window = qobject_cast<settingswindows::ConfigurationWindow*>(modal);
      ASSERT_NE(window, nullptr);
      title = window->windowTitle().toStdString();
      question = window->Question()->text().toStdString();
      (yes ? window->YesButton() : window->NoButton())->click();
    });
  }
  std::string title, question;
};

TEST_F(KaldrexOffer, DeclinedOfferSaysWhereToFindItLaterInSentences) {
  doc.settings.airfoilDir = "/data/airfoils";
  Answer(false);
  settingswindows::OfferAirfoilPack(doc);
  EXPECT_EQ(title, Key("FrmConfig", "1"));
  EXPECT_EQ(question, Key("FrmConfig", "2") + " \"Morvask\" " + Key("FrmConfig", "12") + "\n\n" +
                          Key("FrmConfig", "3") + "\n/data/airfoils");
  EXPECT_EQ(question.find(".exe"), std::string::npos);
  ASSERT_EQ(messages.shown.size(), 1u);
  const std::string where = " '" + Key("FrmDefaut", "14") + "'.";
  EXPECT_EQ(messages.shown[0].text, Key("FrmConfig", "4") + where + "\n\n" + Key("FrmConfig", "41") + where);
  EXPECT_EQ(messages.shown[0].icon, platform::BoxIcon::Critical);
  EXPECT_TRUE(desktop.programsStarted.empty());
}

TEST_F(KaldrexOffer, AFolderWithoutTheProgramAsksAgainUntilTheUserGivesUp) {
  doc.settings.airfoilDir = "/data/airfoils";
  fileDialogs.answers = {dir.path().string()};
  messages.answers = {BoxAnswer::No};
  Answer(true);
  settingswindows::OfferAirfoilPack(doc);
  const std::string program = settingswindows::KaldrexProgramName();
  ASSERT_EQ(fileDialogs.folderTitles.size(), 1u);
  EXPECT_EQ(fileDialogs.folderTitles[0], Key("FrmConfig", "5") + " " + program);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmConfig", "7") + " " + dir.path().string() + " " + Key("FrmConfig", "8") +
                                        " " + program + ".\n\n" + Key("FrmConfig", "11"));
  EXPECT_EQ(messages.shown[1].text, Key("FrmConfig", "9") + " /data/airfoils");
  EXPECT_TRUE(desktop.programsStarted.empty());
  EXPECT_FALSE(desktop.busy);
}

TEST_F(KaldrexOffer, ACancelledChooserStartsNothingEvenBesideTheProgram) {
  testsupport::WriteFile(dir.File(settingswindows::KaldrexProgramName()), "#!/bin/sh\n");  // in the program folder
  fileDialogs.answers = {""};  // cancel
  messages.answers = {BoxAnswer::No};
  Answer(true);
  settingswindows::OfferAirfoilPack(doc);
  EXPECT_TRUE(desktop.programsStarted.empty());
  EXPECT_EQ(messages.shown.back().text, Key("FrmConfig", "9") + " " + doc.settings.airfoilDir);
}

TEST_F(KaldrexOffer, TheProgramFoundIsStarted) {
  const std::string program = dir.File(settingswindows::KaldrexProgramName());
  testsupport::WriteFile(program, "#!/bin/sh\n");
  fileDialogs.answers = {"/nowhere", dir.path().string() + "  "};  // the folder is trimmed
  messages.answers = {BoxAnswer::Yes};
  Answer(true);
  settingswindows::OfferAirfoilPack(doc);
  EXPECT_EQ(fileDialogs.folderTitles.size(), 2u);
  EXPECT_EQ(desktop.programsStarted, std::vector<std::string>{program});
  EXPECT_EQ(messages.shown.back().text, Key("FrmConfig", "10"));
  EXPECT_FALSE(desktop.busy);
}

TEST_F(KaldrexOffer, TheWindowsHelpIsTheAirfoilPackTopic) {
  settingswindows::ConfigurationWindow window(doc);
  window.HelpButton()->click();
  EXPECT_EQ(help.topics, std::vector<int>{90});
  EXPECT_EQ(window.HelpButton()->text().toStdString(), Key("TextButton", "3"));
}

}  // namespace

namespace {

TEST(AirfoilPack, CopiesTheAirfoilsAndNeverReplacesTheUsersFiles) {
  testsupport::TempDir from, to;
  testsupport::WriteFile(from.File("a.dat"), "A");
  testsupport::WriteFile(from.File("b.COR"), "B");
  testsupport::WriteFile(from.File("readme.txt"), "R");
  const std::string target = (to.path() / "new folder").string();
  std::filesystem::create_directories(target);
  testsupport::WriteFile(target + "/a.dat", "mine");
  const settingswindows::PackCopy copy = settingswindows::CopyAirfoilPack(from.path().string(), target);
  EXPECT_EQ(copy.copied, 1);
  EXPECT_EQ(copy.alreadyThere, 1);
  EXPECT_EQ(testsupport::ReadFile(target + "/a.dat"), "mine");
  EXPECT_EQ(testsupport::ReadFile(target + "/b.COR"), "B");
  EXPECT_FALSE(std::filesystem::exists(target + "/readme.txt"));
}

}  // namespace
