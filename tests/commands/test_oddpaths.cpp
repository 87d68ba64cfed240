// The commands handed what is no file: a recent entry that became a folder, a pipe given on
// the command line, a project folder dropped, a file too large to be ours. Each is refused at
// once, in words that name the path or by its kind, and the rib on screen stays. (Every kind
// and its words: the guarded read's own tests.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "commands/airfoilcommands.h"
#include "commands/projectcommands.h"
#include "support/exporttest.h"

namespace {

namespace fs = std::filesystem;

class OddPathCommands : public testsupport::ExportTest {};

TEST_F(OddPathCommands, WhatIsNoFileIsRefusedAtOnceAndTheRibStays) {
  const std::string title = s.airfoil.title;
  fs::create_directory(dir.File("wing.dat"));
  fs::create_directory(dir.File("wing.vdl"));
  const std::string pipe = testsupport::MakeFifo(dir.File("pipe.cor"));
  const std::string pipeProject = testsupport::MakeFifo(dir.File("pipe.vdl"));
  const std::string huge = testsupport::MakeSparseFile(dir.File("huge.dat"), testsupport::kSeveralGigabytes);
  const std::string hugeProject = testsupport::MakeSparseFile(dir.File("huge.vdl"), testsupport::kSeveralGigabytes);
  commands::OpenOutcome project, bigProject, airfoil;
  EXPECT_LT(testsupport::SecondsTaken([&] {
              commands::OpenRecentAirfoil(s, dir.File("wing.dat"));
              commands::OpenRecentAirfoil(s, pipe);
              EXPECT_FALSE(commands::OpenFile(s, dir.File("wing.vdl")));
              project = commands::OpenProjectFile(s, pipeProject);
              bigProject = commands::OpenProjectFile(s, hugeProject);
              files::AirfoilData data;
              airfoil = commands::ReadAirfoilToOpen(huge, data);
            }),
            1.0);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].text, "Erreur/200\n" + dir.File("wing.dat"));
  EXPECT_EQ(messages.shown[0].title, "frmopen/1");
  EXPECT_EQ(messages.shown[1].text, "Erreur/201\n" + pipe);
  EXPECT_EQ(messages.shown[2].text, "Erreur/200\n" + dir.File("wing.vdl"));
  EXPECT_EQ(messages.shown[2].title, "fileopen/2");
  // The batch program's refusals name the kind.
  EXPECT_EQ(project.refusal, "not-a-file");
  EXPECT_EQ(bigProject.refusal, "too-large");
  EXPECT_EQ(airfoil.refusal, "too-large");
  EXPECT_EQ(s.airfoil.title, title);
  EXPECT_TRUE(s.airfoil.loaded);
  EXPECT_TRUE(fs::is_fifo(pipe) && fs::is_fifo(pipeProject));
}

}  // namespace
