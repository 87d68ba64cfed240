// The commands handed what is no file: a recent entry that became a folder, a pipe given
// on the command line, a folder or a full disk as the DXF target. Each is refused in
// words that name the path, and the rib on screen stays.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <utility>

#include "commands/airfoilcommands.h"
#include "commands/dxfexport.h"
#include "commands/projectcommands.h"
#include "platform/filedialogs.h"
#include "platform/fileio.h"
#include "platform/messages.h"
#include "support/dxfsummary.h"
#include "support/projectlines.h"
#include "support/testsupport.h"

namespace {

namespace fs = std::filesystem;
using testsupport::SecondsTaken;

class OddPathCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetFileDialogs(&dialogs);
    s = dxftest::Rib(testsupport::AirfoilPath("clarky.dat"));
    s.settings.iniFile = dir.File("Vandrell.ini");
    s.settings.seriesAirfoilDir = dir.path().string();
    title = s.airfoil.title;
  }
  void TearDown() override { platform::SetFileDialogs(nullptr); }

  testsupport::SelfNamingTexts texts;
  testsupport::TempDir dir;
  platform::ScriptedFileDialogs dialogs;
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped{&messages};
  core::RibDocument s;
  std::string title;
};

TEST_F(OddPathCommands, RecentEntriesAndDroppedFilesThatAreNoFilesAreRefusedInWords) {
  fs::create_directory(dir.File("wing.dat"));
  fs::create_directory(dir.File("wing.vdl"));
  const std::string pipe = testsupport::MakeFifo(dir.File("pipe.cor"));
  EXPECT_LT(SecondsTaken([&] {
              commands::OpenRecentAirfoil(s, dir.File("wing.dat"));
              commands::OpenRecentAirfoil(s, pipe);
              EXPECT_FALSE(commands::OpenFile(s, dir.File("wing.dat")));
              EXPECT_FALSE(commands::OpenFile(s, dir.File("wing.vdl")));
            }),
            1.0);
  ASSERT_EQ(messages.shown.size(), 4u);
  EXPECT_EQ(messages.shown[0].text, "Erreur/200\n" + dir.File("wing.dat"));
  EXPECT_EQ(messages.shown[0].title, "frmopen/1");
  EXPECT_EQ(messages.shown[1].text, "Erreur/201\n" + pipe);
  EXPECT_EQ(messages.shown[2].text, "Erreur/200\n" + dir.File("wing.dat"));
  EXPECT_EQ(messages.shown[3].text, "Erreur/200\n" + dir.File("wing.vdl"));
  EXPECT_EQ(messages.shown[3].title, "fileopen/2");
  EXPECT_EQ(s.airfoil.title, title);
  EXPECT_TRUE(s.airfoil.loaded);
  EXPECT_TRUE(fs::is_fifo(pipe));
}

// The batch program's refusal names the kind: a huge file is no folder.
TEST_F(OddPathCommands, AirfoilsAndProjectsThatAreNoFilesAreRefusedByKind) {
  for (const std::string extension : {".dat", ".vdl"}) {
    fs::create_directory(dir.File("folder" + extension));
    const std::pair<std::string, std::string> cases[] = {
        {dir.File("folder" + extension), "not-a-file"},
        {testsupport::MakeFifo(dir.File("pipe" + extension)), "not-a-file"},
        {testsupport::MakeSparseFile(dir.File("huge" + extension), testsupport::kSeveralGigabytes), "too-large"}};
    for (const auto& [path, refusal] : cases) {
      files::AirfoilData data;
      commands::OpenOutcome outcome;
      EXPECT_LT(SecondsTaken([&] {
                  outcome = extension == ".dat" ? commands::ReadAirfoilToOpen(path, data)
                                                : commands::OpenProjectFile(s, path);
                }),
                1.0);
      EXPECT_EQ(outcome.refusal, refusal) << path;
    }
  }
  EXPECT_EQ(s.airfoil.title, title);
  EXPECT_TRUE(fs::is_fifo(dir.File("pipe.vdl")));
}

TEST_F(OddPathCommands, DxfExportToAFolderOrAFullDiskReplacesNothing) {
  fs::create_directory(dir.File("folder.dxf"));
  const std::string previous = dir.File("rib.dxf");
  testsupport::WriteFile(previous, "previous drawing");
  dialogs.answers = {dir.File("folder.dxf"), previous};
  EXPECT_EQ(commands::ExportDxf(s), commands::DxfCommandResult::Failed);
  {
    platform::ScopedWriteFault full(ENOSPC, 4096);
    EXPECT_EQ(commands::ExportDxf(s), commands::DxfCommandResult::Failed);
  }
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[0].text.find("Erreur/200\n" + dir.File("folder.dxf") + "\nErreur/213"), std::string::npos);
  EXPECT_NE(messages.shown[1].text.find("# 61 "), std::string::npos);
  EXPECT_NE(messages.shown[1].text.find("Erreur/210\n" + previous), std::string::npos);
  EXPECT_TRUE(fs::is_directory(dir.File("folder.dxf")));
  EXPECT_EQ(testsupport::ReadFile(previous), "previous drawing");
}

}  // namespace
