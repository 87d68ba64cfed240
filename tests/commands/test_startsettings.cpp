// The airfoil folders' alert: its two forms, and when the start-up and a new rib give it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "commands/newrib.h"
#include "commands/startsettings.h"
#include "files/settings.h"
#include "platform/messages.h"
#include "platform/userstore.h"
#include "support/projectlines.h"
#include "support/testsupport.h"

namespace {

namespace fs = std::filesystem;

struct FolderAlert : ::testing::Test {
  void SetUp() override {
    fs::create_directories(airfoils);
    fs::create_directories(series);
    fs::create_directories(programDir);
    d.settings.programDir = programDir;
    d.settings.iniFile = dir.File("Vandrell.ini");
  }
  std::string Alert(const std::string& dirAndHint) const {
    return "FrmMainMessage/1 " + dirAndHint + "FrmMainMessage/2\n\nFrmMainMessage/3";
  }

  testsupport::SelfNamingTexts texts;
  testsupport::TempDir dir;
  const std::string airfoils = dir.File("airfoils"), series = dir.File("series"), programDir = dir.File("prog");
  core::RibDocument d;
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped{&messages};
  platform::MemoryUserStore store;
  platform::ScopedUserStore scopedStore{&store};
};

TEST_F(FolderAlert, AMissingFolderAndTheProgramFolderAreToldApart) {
  d.settings.airfoilDir = airfoils;
  d.settings.seriesAirfoilDir = series;
  commands::CheckAirfoilDirectories(d);
  EXPECT_TRUE(messages.shown.empty());

  d.settings.seriesAirfoilDir = dir.File("gone");
  commands::CheckAirfoilDirectories(d);
  d.settings.seriesAirfoilDir = programDir;
  commands::CheckAirfoilDirectories(d);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, Alert(dir.File("gone") + " "));
  // The program folder's alert points at the airfoils inside it.
  EXPECT_EQ(messages.shown[1].text, Alert(programDir + "/airfoils  /...  "));
  for (const platform::BoxRequest& box : messages.shown) {
    EXPECT_EQ(box.title, "FrmMainMessage/18");
    EXPECT_EQ(box.icon, platform::BoxIcon::Critical);
  }
}

// The first run has just chosen the folders; a later start and every new rib check them.
TEST_F(FolderAlert, ALaterStartAndANewRibCheckTheFoldersTheFirstRunDoesNot) {
  store.Set(platform::kUserStoreInstall, platform::kUserAirfoilDir, dir.File("gone"));
  store.Set(platform::kUserStoreInstall, platform::kUserSeriesDir, series);
  commands::StartSettings(d);
  ASSERT_TRUE(d.settings.firstRun);
  EXPECT_TRUE(messages.shown.empty());
  files::CompleteFirstRun(d);

  core::RibDocument next;
  next.settings.programDir = programDir;
  next.settings.iniFile = d.settings.iniFile;
  commands::StartSettings(next);
  EXPECT_FALSE(next.settings.firstRun);
  commands::NewRib(next);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, Alert(dir.File("gone") + " "));
  EXPECT_EQ(messages.shown[1].text, messages.shown[0].text);
}

}  // namespace
