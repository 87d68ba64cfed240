// The open window's rules without the window: what a chosen file reads as, whether Open
// takes it, and the preview.
#include <gtest/gtest.h>

#include "sharedwindows/openairfoil.h"
#include "platform/recordingtarget.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

class ChosenFiles : public testsupport::WindowTest {};

TEST_F(ChosenFiles, LabelsShowTitleOrNameOrWhatTheFileIs) {
  testsupport::WriteFile(dir.File("wing.dat"), testsupport::AirfoilText("  WING 12  "));
  sharedwindows::FileChoice c = sharedwindows::ChooseFile(dir.File("wing.dat"));
  EXPECT_EQ(c.summary, "WING 12");
  EXPECT_EQ(c.pointCountText, "11 " + Key("frmopen", "24"));
  EXPECT_EQ(c.name, "wing");
  EXPECT_EQ(c.ext, "dat");
  EXPECT_EQ(c.problem, "");

  testsupport::WriteFile(dir.File("untitled.cor"), "1.000000 0.001260\n0.5 0.05\n0 0\n0.5 -0.02\n1 0\n");
  c = sharedwindows::ChooseFile(dir.File("untitled.cor"));
  EXPECT_EQ(c.summary, "untitled");
  EXPECT_EQ(c.problem, "");  // five points are enough

  testsupport::WriteFile(dir.File("rib.vdl"), "VDL V3.0 -02 Caution don't delete this file !!\nwing.dat\n");
  c = sharedwindows::ChooseFile(dir.File("rib.vdl"));
  EXPECT_EQ(c.summary, "This file is NOT an Airfoil file....");
  EXPECT_EQ(c.problem, Key("frmopen", "38") + "\n" + dir.File("rib.vdl"));  // "wing.dat" is no point
  testsupport::WriteFile(dir.File("UNINSTAL.dat"), testsupport::AirfoilText("X"));
  EXPECT_EQ(sharedwindows::ChooseFile(dir.File("UNINSTAL.dat")).summary, "Caution Uninstall file....");
}

TEST(OpenAirfoilRules, PreviewDrawsTheChordLineAndTheOutlineInRed) {
  files::AirfoilData d;
  d.points = {{1, 0}, {0.5, 0.1}, {0, 0}, {0.5, -0.04}, {1, 0}};
  platform::RecordingTarget r;
  sharedwindows::DrawAirfoilPreview(r, d);
  ASSERT_EQ(r.lines.size(), 5u);
  EXPECT_EQ(r.lines[0].colour, 0);
  EXPECT_DOUBLE_EQ(r.lines[0].x1, 8);
  EXPECT_DOUBLE_EQ(r.lines[0].x2, 116);
  EXPECT_DOUBLE_EQ(r.lines[0].y1, 100);
  EXPECT_EQ(platform::PaletteColour(r.lines[1].colour), (platform::Rgb{255, 0, 0}));
  EXPECT_DOUBLE_EQ(r.lines[1].x1, 112);  // (1, 0)
  EXPECT_DOUBLE_EQ(r.lines[1].x2, 62);   // (0.5, 0.1)
  EXPECT_DOUBLE_EQ(r.lines[1].y2, 90);
}

}  // namespace
