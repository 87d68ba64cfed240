// Where the program finds its language files and keeps its settings: a wrong guess
// loses every caption, or every setting the user ever confirmed.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "platform/programdir.h"
#include "support/testsupport.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(Paths, ExecutableDirectoryIsTheFolderOfTheRunningProgram) {
  EXPECT_EQ(fs::path(platform::ExecutableDirectory(nullptr)), fs::canonical(VANDRELL_BIN_DIR));
}

TEST(Paths, ProgramDirectoryIsWhereTheLanguageFilesAre) {
  TempDir dir;
  const fs::path bin = dir.path() / "bin", share = dir.path() / "share" / "vandrell";
  fs::create_directories(bin);
  fs::create_directories(share);
  // Neither holds language files: the executable's folder; installed: the shared data folder;
  // a build tree keeps them beside the executable, which wins.
  EXPECT_EQ(platform::ProgramDirectoryFor(bin.string()), bin.string());
  WriteFile((share / "English.lng").string(), "[LANGUAGE]\n");
  EXPECT_EQ(platform::ProgramDirectoryFor(bin.string() + "/"), share.string());
  WriteFile((bin / "Francais.lng").string(), "[LANGUAGE]\n");
  EXPECT_EQ(platform::ProgramDirectoryFor(bin.string()), bin.string());
}

TEST(Paths, SettingsBesideAWritableProgramElseInTheUsersFolderCarryingTheOldFileOver) {
  TempDir dir;
  const std::string prog = (dir.path() / "prog").string(), config = (dir.path() / "cfg" / "vandrell").string();
  fs::create_directories(prog);

  EXPECT_EQ(platform::LocateSettingsFile(prog, config).ReadFrom(), prog + "/Vandrell.ini");

  // A read-only program folder with no settings: a fresh file in the user's folder.
  EXPECT_EQ(platform::LocateSettingsFile(prog, config, false).ReadFrom(), config + "/Vandrell.ini");

  // With settings beside it, they are read until the user's copy exists, then copied.
  WriteFile(prog + "/Vandrell.ini", "[Repertoires]\r\nInstall=1\r\n");
  fs::permissions(prog + "/Vandrell.ini", fs::perms::owner_read | fs::perms::group_read);
  platform::SettingsLocation seeded = platform::LocateSettingsFile(prog, config, false);
  EXPECT_EQ(seeded.ReadFrom(), prog + "/Vandrell.ini");
  EXPECT_FALSE(fs::exists(config));  // finding the file changes nothing
  ASSERT_TRUE(platform::PrepareSettingsFile(seeded));
  EXPECT_EQ(ReadFile(seeded.iniFile), "[Repertoires]\r\nInstall=1\r\n");
  EXPECT_NE(fs::status(seeded.iniFile).permissions() & fs::perms::owner_write, fs::perms::none);

  // The user's own file is never replaced by the one beside the program.
  WriteFile(seeded.iniFile, "[Language]\r\nLangue=Francais\r\n");
  platform::SettingsLocation later = platform::LocateSettingsFile(prog, config, false);
  EXPECT_EQ(later.ReadFrom(), seeded.iniFile);
  ASSERT_TRUE(platform::PrepareSettingsFile(later));
  EXPECT_EQ(ReadFile(seeded.iniFile), "[Language]\r\nLangue=Francais\r\n");
}

TEST(Paths, AnInstalledProgramKeepsItsSettingsInTheUsersFolderEvenWhenItCouldWriteItsOwn) {
  TempDir dir;
  // Root may write to PREFIX/share/vandrell; the package manager owns it all the same.
  const fs::path share = dir.path() / "usr" / "share" / "vandrell";
  const std::string config = (dir.path() / "cfg" / "vandrell").string();
  fs::create_directories(share);
  EXPECT_EQ(platform::LocateSettingsFile(share.string(), config).iniFile, config + "/Vandrell.ini");
  EXPECT_EQ(platform::LocateSettingsFile(share.string() + "/", config).iniFile, config + "/Vandrell.ini");
  // A folder of that name elsewhere is just a writable program folder.
  const fs::path other = dir.path() / "opt" / "vandrell";
  fs::create_directories(other);
  EXPECT_EQ(platform::LocateSettingsFile(other.string(), config).iniFile, (other / "Vandrell.ini").string());
}

TEST(Paths, UserConfigDirectoryFollowsXdgAndIgnoresARelativeOne) {
  ScopedEnv home("HOME", "/home/ann");
  const std::pair<const char*, const char*> cases[] = {
      {"/cfg/", "/cfg/vandrell"}, {"relative", "/home/ann/.config/vandrell"}, {nullptr, "/home/ann/.config/vandrell"}};
  for (const auto& [xdg, expected] : cases) {
    ScopedEnv env("XDG_CONFIG_HOME", xdg);
    EXPECT_EQ(platform::UserConfigDirectory(), expected) << (xdg ? xdg : "unset");
  }
}

}  // namespace
