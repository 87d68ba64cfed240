// The open window's rules without the window: filters, lists, the path shown, what a
// chosen file reads as and the preview.
#include <gtest/gtest.h>

#include <filesystem>

#include "sharedwindows/openairfoil.h"
#include "platform/recordingtarget.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

TEST(OpenAirfoilRules, FilterPatternPathShownAndVolume) {
  EXPECT_EQ(sharedwindows::FilterPattern("Coordinates Files (*.cor)"), "*.cor");
  const std::string thirty = "/home/builder/airfoils/ab1.dat";
  ASSERT_EQ(thirty.size(), 30u);
  EXPECT_EQ(sharedwindows::AbbreviatedPath(thirty), thirty);
  EXPECT_EQ(sharedwindows::AbbreviatedPath(thirty + "x"), "/home/builde...s/ab1.datx");
  // The volume is the longest root holding the path.
  const std::vector<std::string> roots = {"/", "/home", "/media/usb"};
  EXPECT_EQ(sharedwindows::VolumeIndexFor(roots, "/home/me/airfoils"), 1);
  EXPECT_EQ(sharedwindows::VolumeIndexFor(roots, "/homer/x"), 0);
  EXPECT_EQ(sharedwindows::VolumeIndexFor(roots, "/media/usb"), 2);
  EXPECT_EQ(sharedwindows::VolumeIndexFor({"/home"}, "/etc"), -1);
}

TEST(OpenAirfoilRules, FileListFollowsThePatternWhateverTheCase) {
  testsupport::TempDir d;
  for (const char* name : {"b.dat", "A.DAT", "c.cor", "notes.txt"}) testsupport::WriteFile(d.File(name), "x");
  std::filesystem::create_directory(d.path() / "sub.dat");  // a folder is not listed
  EXPECT_EQ(sharedwindows::MatchingFiles(d.path().string(), "*.dat"), (std::vector<std::string>{"A.DAT", "b.dat"}));
  EXPECT_EQ(sharedwindows::MatchingFiles(d.path().string(), "*.cor"), std::vector<std::string>{"c.cor"});
}

TEST(OpenAirfoilRules, DirectoryListShowsTheWayDownAndTheFoldersInside) {
  testsupport::TempDir d;
  std::filesystem::create_directories(d.path() / "ribs" / "tips");
  std::filesystem::create_directories(d.path() / "ribs" / "Roots");
  const auto entries = sharedwindows::DirectoryEntries((d.path() / "ribs").string());
  ASSERT_GE(entries.size(), 4u);
  EXPECT_EQ(entries.front().path, "/");
  const auto& current = entries[entries.size() - 3];
  EXPECT_TRUE(current.current);
  EXPECT_EQ(current.label, "ribs");
  EXPECT_EQ(entries[entries.size() - 2].label, "Roots");
  EXPECT_EQ(entries.back().label, "tips");
  EXPECT_EQ(entries.back().depth, current.depth + 1);
}

class ChosenFiles : public testsupport::WindowTest {};

TEST_F(ChosenFiles, LabelsShowTitleOrNameOrWhatTheFileIs) {
  testsupport::WriteFile(dir.File("wing.dat"), testsupport::AirfoilText("  WING 12  "));
  sharedwindows::FileChoice c = sharedwindows::ChooseFile(dir.path().string(), "wing.dat");
  EXPECT_EQ(c.summary, "WING 12");
  EXPECT_EQ(c.pointCountText, "11 " + Key("frmopen", "24"));
  EXPECT_EQ(c.name, "wing");
  EXPECT_EQ(c.ext, "dat");

  testsupport::WriteFile(dir.File("untitled.cor"), "1.000000 0.001260\n0.5 0.05\n0 0\n0.5 -0.02\n1 0\n");
  c = sharedwindows::ChooseFile(dir.path().string(), "untitled.cor");
  EXPECT_EQ(c.summary, "untitled");
  EXPECT_EQ(sharedwindows::DecideOpen(&c), sharedwindows::OpenDecision::Accept);

  testsupport::WriteFile(dir.File("rib.vdl"), "VDL V3.0 -02 Caution don't delete this file !!\nwing.dat\n");
  c = sharedwindows::ChooseFile(dir.path().string(), "rib.vdl");
  EXPECT_EQ(c.summary, "This file is NOT an Airfoil file....");
  EXPECT_EQ(sharedwindows::DecideOpen(&c), sharedwindows::OpenDecision::TooFewPoints);
  testsupport::WriteFile(dir.File("UNINSTAL.dat"), testsupport::AirfoilText("X"));
  EXPECT_EQ(sharedwindows::ChooseFile(dir.path().string(), "UNINSTAL.dat").summary, "Caution Uninstall file....");
}

TEST(OpenAirfoilRules, PreviewDrawsTheChordLineAndTheOutlineInRed) {
  files::AirfoilData d;
  d.x = {0, 1, 0.5, 0, 0.5, 1};
  d.y = {0, 0, 0.1, 0, -0.04, 0};
  d.pointCount = 5;
  platform::RecordingTarget r;
  sharedwindows::DrawAirfoilPreview(r, d);
  ASSERT_EQ(r.lines.size(), 5u);
  EXPECT_EQ(r.lines[0].colour, 0);
  EXPECT_DOUBLE_EQ(r.lines[0].x1, 400);
  EXPECT_DOUBLE_EQ(r.lines[0].x2, 5800);
  EXPECT_DOUBLE_EQ(r.lines[0].y1, 5000);
  EXPECT_EQ(platform::PaletteColour(r.lines[1].colour), (platform::Rgb{255, 0, 0}));
  EXPECT_DOUBLE_EQ(r.lines[1].x1, 5600);  // (1, 0)
  EXPECT_DOUBLE_EQ(r.lines[1].x2, 3100);  // (0.5, 0.1)
  EXPECT_DOUBLE_EQ(r.lines[1].y2, 4500);
}

}  // namespace
