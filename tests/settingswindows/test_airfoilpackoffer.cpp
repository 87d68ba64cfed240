// The companion pack offer: the question, the refusal, the search for the pack's program
// and its start.
#include <gtest/gtest.h>

#include <filesystem>

#include "settingswindows/airfoilpack.h"
#include "settingswindows/airfoilpackoffer.h"
#include "support/windowtest.h"

using platform::BoxAnswer;
using testsupport::Key;

namespace {

class KaldrexOffer : public testsupport::WindowTest {};

TEST_F(KaldrexOffer, DeclinedOfferSaysWhereToFindItLater) {
  doc.settings.airfoilDir = "/data/airfoils";
  messages.answers = {BoxAnswer::No};
  settingswindows::OfferAirfoilPack(doc);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].title, Key("FrmConfig", "1"));
  EXPECT_EQ(messages.shown[0].text, Key("FrmConfig", "2") + " \"Morvask\" Kaldrex.exe " + Key("FrmConfig", "3") +
                                        " /data/airfoils");
  EXPECT_EQ(messages.shown[0].icon, platform::BoxIcon::Exclamation);
  const std::string where = " '" + Key("FrmDefaut", "14") + "'";
  EXPECT_EQ(messages.shown[1].text, Key("FrmConfig", "4") + where + "\r\n" + Key("FrmConfig", "41") + where);
  EXPECT_EQ(messages.shown[1].icon, platform::BoxIcon::Critical);
  EXPECT_TRUE(desktop.programsStarted.empty());
}

TEST_F(KaldrexOffer, AFolderWithoutTheProgramAsksAgainUntilTheUserGivesUp) {
  doc.settings.airfoilDir = "/data/airfoils";
  fileDialogs.answers = {dir.path().string()};
  messages.answers = {BoxAnswer::Yes, BoxAnswer::No};
  settingswindows::OfferAirfoilPack(doc);
  ASSERT_EQ(fileDialogs.folderTitles.size(), 1u);
  EXPECT_EQ(fileDialogs.folderTitles[0], Key("FrmConfig", "5") + " Kaldrex.exe");
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[1].text, Key("FrmConfig", "7") + " " + dir.path().string() + " " + Key("FrmConfig", "8") +
                                        " Kaldrex.exe !\n" + Key("FrmConfig", "11"));
  EXPECT_EQ(messages.shown[2].text, Key("FrmConfig", "9") + " : /data/airfoils");
  EXPECT_TRUE(desktop.programsStarted.empty());
  EXPECT_FALSE(desktop.busy);
}

TEST_F(KaldrexOffer, ACancelledChooserStartsNothingEvenBesideTheProgram) {
  testsupport::WriteFile(dir.File(settingswindows::KaldrexProgramName()), "#!/bin/sh\n");  // in the program folder
  fileDialogs.answers = {""};  // cancel
  messages.answers = {BoxAnswer::Yes, BoxAnswer::No};
  settingswindows::OfferAirfoilPack(doc);
  EXPECT_TRUE(desktop.programsStarted.empty());
  EXPECT_EQ(messages.shown.back().text, Key("FrmConfig", "9") + " : " + doc.settings.airfoilDir);
}

TEST_F(KaldrexOffer, TheProgramFoundIsStarted) {
  const std::string program = dir.File(settingswindows::KaldrexProgramName());
  testsupport::WriteFile(program, "#!/bin/sh\n");
  fileDialogs.answers = {"/nowhere", dir.path().string() + "  "};  // the folder is trimmed
  messages.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
  settingswindows::OfferAirfoilPack(doc);
  EXPECT_EQ(fileDialogs.folderTitles.size(), 2u);
  EXPECT_EQ(desktop.programsStarted, std::vector<std::string>{program});
  EXPECT_EQ(messages.shown.back().text, Key("FrmConfig", "10"));
  EXPECT_FALSE(desktop.busy);
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
