// Projects written by hand, not by our writer: opened, the rib is the one their lines
// describe (nothing is worked out anew), and File > Save writes them back in place, byte for
// byte, without a dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commands/projectcommands.h"
#include "core/ribconstruction.h"
#include "files/projectfile.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "support/projectlines.h"
#include "support/testsupport.h"

namespace fs = std::filesystem;
using testsupport::Join;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

// A plain project of one empty spar and one empty hole, its lines numbered from 0; each case
// says which lines it writes otherwise.
std::vector<std::string> PlainProjectLines(const std::map<std::size_t, std::string>& changed) {
  std::vector<std::string> lines = {
      "VDL V3.0 -02 Caution don't delete this file !!", "clarky.dat", "clarky",
      "", "10", "-5",                     // 3 caption, its x and y
      "200", "1.5", "0", "0", "0", "0",   // 6 chord, sheeting, leading edge, square edge
      "0", " 1 ", " 0 ", "",              // 12 seat depth, edge style, upside down, reserved
      "Spars", " 0 ", "", "", "", "0", "0", "0", "", "0", "",  // 16
      "Holes", " 0 ", "", "", "0", "", "", "0", "0", "",       // 27
      "0", "0", "0", "0", "0",            // 37 tab length and rear, trailing edge, marks, board angle
      "0", "0", "0", "0", "0", "0",       // 42 block heights and extensions, base mode, tail
      "0", "0#0",                         // 48 tab distances
      "End of File V 3.0.02 modif 02/10/2002"};
  for (const auto& [index, text] : changed) lines.at(index) = text;
  return lines;
}

const core::RibElement* FindPart(const core::RibConstruction& built, core::RibPart part) {
  for (const core::RibElement& e : built.elements)
    if (e.part == part) return &e;
  return nullptr;
}

void ExpectPoint(const core::RibElement* e, std::size_t i, double x, double y) {
  ASSERT_NE(e, nullptr);
  ASSERT_LT(i, e->points.size());
  EXPECT_NEAR(e->points[i].x, x, 1e-3) << "point " << i;
  EXPECT_NEAR(e->points[i].y, y, 1e-3) << "point " << i;
}

struct HandWritten {
  const char* what;
  std::string bytes;
  const char* unit;
  std::function<void(const core::RibDocument&)> describes;
};

class ProjectsAsRead : public ::testing::Test {
 protected:
  void SetUp() override {
    s.settings.airfoilDir = dir.File("airfoils");
    fs::create_directories(s.settings.airfoilDir);
    fs::copy_file(testsupport::AirfoilPath("clarky.dat"), s.settings.airfoilDir + "/clarky.dat");
    platform::SetFileDialogs(&dialogs);
  }
  void TearDown() override { platform::SetFileDialogs(nullptr); }

  // Opened as the batch program opens it, the unit given.
  bool Open(const std::string& path, const char* unit) {
    s.settings.unitText = unit;
    commands::ProjectOpening how;
    how.defaultsFromSettings = false;
    return commands::OpenProjectFile(s, path, how).Opened();
  }

  testsupport::SelfNamingTexts texts;
  testsupport::TempDir dir;
  core::RibDocument s = testsupport::NewRib();
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped{&messages};
  platform::ScriptedFileDialogs dialogs;  // answers nothing: a save that asks fails
};

TEST_F(ProjectsAsRead, EachOpensAsItsLinesSayAndSavesInPlaceByteForByte) {
  const double cos3 = std::cos(3 * core::kPi / 180), sin3 = std::sin(3 * core::kPi / 180);
  const std::vector<HandWritten> cases = {
      {"an empty caption", Join(PlainProjectLines({})), " mm",
       [](const core::RibDocument& d) {
         EXPECT_EQ(d.rib.caption.text, "");  // not "clarky FrmInsText/6 : 200"
         EXPECT_FALSE(d.rib.caption.isUserText);
         EXPECT_EQ(FindPart(core::BuildRib(d), core::RibPart::InsertedText), nullptr);
       }},
      {"a caption of the user's own", Join(PlainProjectLines({{3, "Rippe 7 \x96 Wurzel"}, {13, "1"}})), " mm",
       [](const core::RibDocument& d) {
         EXPECT_TRUE(d.rib.caption.isUserText);
         const core::RibConstruction built = core::BuildRib(d);
         const core::RibElement* text = FindPart(built, core::RibPart::InsertedText);
         ASSERT_NE(text, nullptr);
         EXPECT_EQ(text->text, "Rippe 7 \u2013 Wurzel");
         EXPECT_NEAR(text->points[0].x, 10, 1e-6);
       }},
      // The caption names an earlier chord: the rib says what it said when saved.
      {"zero tab distances, board level",
       Join(PlainProjectLines({{3, "clarky FrmInsText/6 : 150"}, {37, "20"}, {38, "5"}, {46, "11"}})), " mm",
       [](const core::RibDocument& d) {
         EXPECT_EQ(d.rib.caption.text, "clarky FrmInsText/6 : 150");
         EXPECT_EQ(d.rib.tabs.lowerDistance, (core::Length{0, "0"}));
         EXPECT_EQ(d.rib.tabs.upperDistance, (core::Length{0, "0"}));
         // The board is the chord line itself.
         const core::RibConstruction built = core::BuildRib(d);
         const core::RibElement* board = FindPart(built, core::RibPart::TabBoardLine);
         ExpectPoint(board, 0, 0, 0);
         ExpectPoint(board, 1, 200, 0);
       }},
      {"zero tab distances, inclined board", Join(PlainProjectLines({{41, "-3"}, {46, "11"}, {49, "1#0"}})), " mm",
       [cos3, sin3](const core::RibDocument& d) {
         EXPECT_EQ(d.rib.tabs.board, core::TabBoard::OverUpperSurface);
         EXPECT_EQ(d.rib.caption.text, "");
         EXPECT_EQ(d.rib.tabs.upperDistance.text, "0");
         // Through the leading edge, down 3 degrees: the chord's length projected on it.
         const core::RibConstruction built = core::BuildRib(d);
         const core::RibElement* board = FindPart(built, core::RibPart::TabBoardLine);
         ExpectPoint(board, 0, 0, 0);
         ExpectPoint(board, 1, 200 * cos3 * cos3, -200 * cos3 * sin3);
       }},
      {"a block",
       Join(PlainProjectLines({{12, "3"}, {42, "12"}, {43, "30"}, {44, "5"}, {45, "8"}, {46, "1"}, {47, "1"}})),
       " mm",
       [](const core::RibDocument& d) {
         const core::RibConstruction built = core::BuildRib(d);
         // From 5 mm ahead of the leading edge to 8 mm past the trailing edge, its foot 12 mm
         // below the chord, its top 30 mm above the foot.
         const core::RibElement* lower = FindPart(built, core::RibPart::BlockLower);
         ExpectPoint(lower, 1, -5, 0);
         ExpectPoint(lower, 2, -5, -12);
         ExpectPoint(lower, 3, 208, -12);
         ExpectPoint(FindPart(built, core::RibPart::BlockUpper), 1, -5, 18);
         EXPECT_EQ(d.rib.blocks.tail, core::BlockTail::LowerContour);
       }},
      // Inch fractions, in a file of LF line ends.
      {"inches",
       Join(PlainProjectLines({{6, "7.1/2"}, {7, "1/16"}, {17, "0"}, {18, "25%"}, {19, "1/8"}, {20, "1/4"}, {48, "1.1/4"}, {49, "1#3/8"}}),
            "\n"),
       " in",
       [](const core::RibDocument& d) {
         EXPECT_FLOAT_EQ(d.rib.chord.mm, 190.5f);
         EXPECT_FLOAT_EQ(d.rib.sheeting.mm, 1.5875f);
         EXPECT_FLOAT_EQ(d.rib.spars[0].width.mm, 3.175f);
         EXPECT_FLOAT_EQ(d.rib.spars[0].height.mm, 6.35f);
         EXPECT_NEAR(d.rib.tabs.lowerDistance.mm, 31.75, 1e-5);
         EXPECT_NEAR(d.rib.tabs.upperDistance.mm, -9.525, 1e-5);  // stored negated, as the tab window does
         EXPECT_NEAR(core::BuildRib(d).sparPos[0], 47.625, 1e-4);  // a quarter of the chord
       }},
  };
  for (const HandWritten& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = dir.File(std::string(c.what) + ".vdl");
    WriteFile(path, c.bytes);
    ASSERT_TRUE(Open(path, c.unit));
    c.describes(s);
    EXPECT_EQ(files::ProjectFileText(s), c.bytes);
    s.project.modified = true;
    ASSERT_TRUE(commands::SaveProjectAgain(s));
    EXPECT_EQ(ReadFile(path), c.bytes);
    EXPECT_FALSE(s.project.modified);
  }
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
