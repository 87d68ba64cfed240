// File > Open and Save as for project files: damaged files, the airfoil search, the dialogs'
// folders, and saves that fail.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "commands/projectcommands.h"
#include "core/newrib.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "platform/fileio.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "support/projectlines.h"
#include "support/testsupport.h"

namespace fs = std::filesystem;
using commands::OpenProjectOutcome;
using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

using testsupport::NewRib;
using testsupport::SelfNamingTexts;
using testsupport::WithLine;

const std::string kFullMm = ReadFile(DataPath("projects/full_mm.vdl"));
constexpr std::size_t kSparCountLine = 17;

}  // namespace

namespace {
struct Workspace {
  SelfNamingTexts texts;
  TempDir dir;
  core::RibDocument s = NewRib();
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped{&messages};

  Workspace() {
    s.settings.iniFile = dir.File("Vandrell.ini");
    s.settings.airfoilDir = dir.File("airfoils");
    s.settings.seriesAirfoilDir = dir.File("series");
    for (const std::string& d : {s.settings.airfoilDir, s.settings.seriesAirfoilDir, dir.File("projects")}) fs::create_directories(d);
  }
  std::string Project(const std::string& name, const std::string& bytes) {
    std::string path = dir.File("projects/" + name);
    WriteFile(path, bytes);
    return path;
  }
};
}  // namespace

// A damaged file is reported and leaves a clean new rib; a sound one finds its airfoil.
TEST(OpenProject, ReadsTheFileFindsTheAirfoilAndPreparesIt) {
  Workspace w;
  w.s.airfoil.loaded = w.s.rib.upsideDown = true;
  w.s.rib.caption.text = "old rib";
  w.s.rib.spars.last = 3;
  w.s.rib.spars[2].positionText = "40";
  w.s.rib.baseMode = core::BaseMode::Blocks;
  core::RibDocument expected = w.s;
  core::ClearRib(expected);
  const std::string bad = w.Project("bad.vdl", WithLine(kFullMm, kSparCountLine, " 12 "));
  EXPECT_EQ(commands::OpenProjectFile(w.s, bad, commands::Opener::Batch), OpenProjectOutcome::Failed);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].title, "Erreur/1 LireEcrire/newVdl");
  EXPECT_NE(w.messages.shown[0].text.find("# 9 "), std::string::npos);
  EXPECT_EQ(files::ProjectFileText(w.s), files::ProjectFileText(expected));
  EXPECT_FALSE(w.s.airfoil.loaded || w.s.rib.upsideDown);

  fs::create_directories(w.s.settings.airfoilDir + "/Clark");
  fs::copy_file(testsupport::AirfoilPath("clarky.dat"), w.s.settings.airfoilDir + "/Clark/clarky.dat");
  ASSERT_EQ(commands::OpenProjectFile(w.s, w.Project("full_mm.vdl", kFullMm), commands::Opener::Batch), OpenProjectOutcome::Opened);
  EXPECT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.s.airfoil.path, w.s.settings.airfoilDir + "/Clark/clarky.dat");
  EXPECT_TRUE(w.s.airfoil.loaded);
  EXPECT_FALSE(w.s.project.modified);
  EXPECT_EQ(w.s.project.path, "full_mm.vdl");
  EXPECT_GT(w.s.prepared.maxThickness, 0.1);
  EXPECT_EQ(w.s.project.windowTitle, "Vandrell MainTolbar/26 : full_mm.vdl MainTolbar/11 : clarky");
}

TEST(OpenProject, DialogStartsAtTheLastProjectCancelChangesNothingMissingAirfoilIsNamed) {
  Workspace w;
  platform::ScriptedFileDialogs dialogs;
  platform::SetFileDialogs(&dialogs);
  dialogs.answers = {"", w.Project("p.vdl", kFullMm), ""};
  w.s.airfoil.loaded = true;
  w.s.rib.chord.text = "321";

  EXPECT_EQ(commands::OpenProject(w.s), OpenProjectOutcome::Cancelled);
  EXPECT_TRUE(w.messages.shown.empty());
  EXPECT_TRUE(w.s.airfoil.loaded);
  EXPECT_EQ(w.s.rib.chord.text, "321");

  EXPECT_EQ(commands::OpenProject(w.s), OpenProjectOutcome::AirfoilMissing);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].text, "fileopen/3 clarky.dat\n fileopen/4 \n" + w.s.settings.airfoilDir + " fileopen/5 " +
                                          w.s.settings.seriesAirfoilDir);
  EXPECT_FALSE(w.s.airfoil.loaded);
  EXPECT_FLOAT_EQ(w.s.rib.chord.mm, 180.0f);
  EXPECT_EQ(w.s.rib.spars.last, 2);
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenVdl", w.s.settings.iniFile), w.dir.File("projects/"));
  EXPECT_EQ(commands::OpenProject(w.s), OpenProjectOutcome::Cancelled);
  platform::SetFileDialogs(nullptr);

  ASSERT_EQ(dialogs.requests.size(), 3u);
  EXPECT_EQ(dialogs.requests[0].filter, "MainTolbar/26 Vandrell (*.vdl)|*.vdl|");
  EXPECT_EQ(dialogs.requests[0].title, "fileopen/2");
  EXPECT_EQ(dialogs.requests[0].initialDir, w.s.settings.airfoilDir);
  EXPECT_EQ(dialogs.requests[2].initialDir, w.dir.File("projects/"));
}

TEST(SaveProject, FailedSaveKeepsThePreviousFileGoodSaveSetsTheFlagsAndFolder) {
  Workspace w;
  w.s.project.modified = true;
  w.s.airfoil.name = "ag24";
  const std::string path = w.Project("rib.vdl", "previous contents");
  {
    platform::ScopedWriteFault full(ENOSPC, 100);
    EXPECT_FALSE(commands::SaveProjectAs(w.s, path));
  }
  EXPECT_EQ(ReadFile(path), "previous contents");
  EXPECT_TRUE(w.s.project.modified);
  EXPECT_FALSE(w.s.project.saved);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].title, "Erreur/1 Main/mnu_filesaveas");
  EXPECT_NE(w.messages.shown[0].text.find("# 61 "), std::string::npos);
  EXPECT_NE(w.messages.shown[0].text.find("Erreur/210\n" + path), std::string::npos);
  EXPECT_FALSE(commands::SaveProjectAs(w.s, w.dir.File("no such folder/rib.vdl")));
  ASSERT_EQ(w.messages.shown.size(), 2u);
  EXPECT_NE(w.messages.shown[1].text.find("# 76 "), std::string::npos);

  ASSERT_TRUE(commands::SaveProjectAs(w.s, path));
  EXPECT_EQ(ReadFile(path), files::ProjectFileText(w.s));
  EXPECT_EQ(w.s.project.path, path);
  EXPECT_EQ(w.s.project.title, "rib.vdl");
  EXPECT_FALSE(w.s.project.modified);
  EXPECT_TRUE(w.s.project.saved);
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenVdl", w.s.settings.iniFile), w.dir.File("projects/"));
  EXPECT_EQ(commands::SaveProjectRequest(w.s).initialDir, w.dir.File("projects/"));
}

namespace {

// What is no project at all is refused before the rib is given up for it.
TEST(OpenProject, AFolderPipeDeviceOrHugeFileIsRefusedAtOnceAndTheRibStays) {
  Workspace w;
  w.s.airfoil.loaded = true;
  w.s.rib.chord.text = "321";
  fs::create_directory(w.dir.File("projects/folder.vdl"));
  const std::vector<std::pair<std::string, std::string>> cases = {
      {w.dir.File("projects/folder.vdl"), "Erreur/200"},
      {testsupport::MakeFifo(w.dir.File("projects/pipe.vdl")), "Erreur/201"},
      {"/dev/zero", "Erreur/202"},
      {testsupport::MakeSparseFile(w.dir.File("projects/huge.vdl"), testsupport::kSeveralGigabytes), "Erreur/205"}};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const std::string& path = cases[i].first;  // a plain name: lambdas take it on every compiler
    const std::string& text = cases[i].second;
    OpenProjectOutcome outcome = OpenProjectOutcome::Opened;
    EXPECT_LT(testsupport::SecondsTaken([&] { outcome = commands::OpenProjectFile(w.s, path); }), 1.0) << path;
    EXPECT_EQ(outcome, OpenProjectOutcome::Refused) << path;
    ASSERT_EQ(w.messages.shown.size(), i + 1);
    EXPECT_EQ(w.messages.shown[i].text, text + "\n" + path);
    EXPECT_EQ(w.messages.shown[i].title, "fileopen/2");
  }
  EXPECT_TRUE(w.s.airfoil.loaded);
  EXPECT_EQ(w.s.rib.chord.text, "321");
  EXPECT_TRUE(fs::is_fifo(w.dir.File("projects/pipe.vdl")));
}

TEST(SaveProject, AFolderAsTheTargetIsRefusedAndStaysAFolder) {
  Workspace w;
  w.s.project.modified = true;
  const std::string folder = w.dir.File("projects/rib.vdl");
  fs::create_directory(folder);
  EXPECT_FALSE(commands::SaveProjectAs(w.s, folder));
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_NE(w.messages.shown[0].text.find("Erreur/200\n" + folder + "\nErreur/213"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_TRUE(w.s.project.modified);
}

}  // namespace
