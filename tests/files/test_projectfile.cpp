#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <tuple>
#include <utility>
#include <vector>

#include "core/newrib.h"
#include "core/ribdocument.h"
#include "core/ribconstruction.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "support/projectlines.h"
#include "platform/fileio.h"
#include "support/testsupport.h"

namespace fs = std::filesystem;
using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

using testsupport::Join;
using testsupport::Lines;
using testsupport::NewRib;
using testsupport::SelfNamingTexts;
using testsupport::WithLine;

struct ProjectRead {
  files::ProjectReadResult r;
  core::RibDocument s;
};

ProjectRead ReadBytes(const std::string& bytes, const char* unit = " mm") {
  ProjectRead out{{}, NewRib(unit)};
  out.r = files::ReadProjectText(bytes, out.s);
  return out;
}

const std::string kFullMm = ReadFile(DataPath("projects/full_mm.vdl"));
const std::string kOlder = ReadFile(DataPath("projects/older_full.vdl"));
// Line indexes (0-based) in full_mm.vdl.
constexpr std::size_t kSparCountLine = 17, kFirstSparTypeLine = 23, kHoleCountLine = 46, kMarkCountLine = 66;

void Touch(const fs::path& p) {
  fs::create_directories(p.parent_path());
  WriteFile(p.string(), "x");
}

}  // namespace

TEST(ProjectWriter, NewRibWritesOneEmptyRecordPerTable) {
  core::RibDocument s = NewRib();
  s.airfoil.name = "clarky";
  s.airfoil.ext = "dat";
  EXPECT_EQ(files::ProjectFileText(s),
            Join({"VDL V3.0 -02 Caution don't delete this file !!", "clarky.dat", "clarky", "", "0", "0", "200",
                  "1.5", "0", "0", "0", "0", "0", " 1 ", " 0 ", "",
                  "Spars", " 0 ", "", "", "", "0", "0", "0", "", "0", "",
                  "Holes", " 0 ", "", "", "0", "", "", "0", "0", "",
                  "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0#0",
                  "End of File V 3.0.02 modif 02/10/2002"}));
}

// At start-up, before any new rib, the set-up is the settings' reset: the first spar and
// hole positions read "0" and the widths and sizes stay empty.
TEST(ProjectWriter, TheStartUpSetUpWritesZeroAsTheFirstPositions) {
  core::RibDocument s;
  core::ResetSetup(s);
  const std::vector<std::string> lines = Lines(files::ProjectFileText(s));
  // Each table's marker, then (after the count) slot 0's position and its width or size.
  EXPECT_EQ(std::tuple(lines.at(16), lines.at(18), lines.at(19), lines.at(27), lines.at(29), lines.at(30)),
            std::tuple("Spars", "0", "", "Holes", "0", ""));
}

TEST(ProjectWriter, TextsAreWindows1252AndStayOnTheirLine) {
  core::RibDocument s = NewRib();
  s.rib.caption.text = "25\u00b0 \u00d8 \u20ac\r\nnext \u03a9";
  std::vector<std::string> lines = Lines(files::ProjectFileText(s));
  ASSERT_EQ(lines.size(), 51u);
  EXPECT_EQ(lines[3], "25\xb0 \xd8 \x80  next ?");
}

// A new rib keeps nothing of the previous one but the chord and sheeting, which the
// window fills in again from the settings, and the text size, which is a setting.
TEST(NewRibProject, NothingOfThePreviousRibSurvives) {
  core::RibDocument s = NewRib();
  ASSERT_TRUE(files::ReadProjectText(kFullMm, s).ok);
  s.airfoil.loaded = s.project.saved = s.rib.upsideDown = s.rib.caption.isUserText = s.view.compareShown = true;
  s.rib.caption.fontSize = 6;
  s.prepared.maxThickness = 0.12;
  s.view.hScroll = 3;
  s.view.zoom = 3;
  core::ClearRib(s);

  core::RibDocument fresh = NewRib();
  fresh.rib.chord.text = s.rib.chord.text;
  fresh.airfoil.ext = s.airfoil.ext;
  EXPECT_EQ(files::ProjectFileText(s), files::ProjectFileText(fresh));
  EXPECT_EQ(s.rib.chord.text, "180");
  EXPECT_EQ(s.rib.caption.fontSize, 6);
  EXPECT_FALSE(s.airfoil.loaded || s.project.saved || s.rib.caption.isUserText || s.view.compareShown);
  EXPECT_EQ(std::tuple(s.rib.spars[1].width.mm, s.prepared.maxThickness, s.view.hScroll, s.view.zoom),
            std::tuple(0, 0, 0, 1));
}

TEST(ProjectRoundTrip, FullMillimetreSetupIsRewrittenByteForByte) {
  ProjectRead a = ReadBytes(kFullMm);
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_FALSE(a.r.olderLayout);
  EXPECT_EQ(files::ProjectFileText(a.s), kFullMm);

  // The byte-for-byte rewrite proves the texts and codes; these are the converted values.
  const core::RibDocument& s = a.s;
  EXPECT_EQ(a.r.airfoilFileName, "clarky.dat");
  EXPECT_EQ(s.rib.caption.text, "Rippe 3 \u2013 25\u00b0 \u00d8");
  EXPECT_FLOAT_EQ(s.rib.caption.y.mm, -4.5f);
  EXPECT_FLOAT_EQ(s.rib.chord.mm, 180.0f);
  EXPECT_FLOAT_EQ(s.rib.holes[1].offset.mm, -2.0f);
  EXPECT_FLOAT_EQ(s.rib.boardAngle, -2.5f);
  // The upper-side distance is stored negated, as the tab dialog stores it.
  EXPECT_DOUBLE_EQ(s.rib.tabs.upperDistance.mm, -7.0);
  // Tabs draw right after opening, before any dialog has worked their lengths out.
  const core::RibConstruction built = core::BuildRib(s);
  EXPECT_NEAR(built.tabLength, 18.0, 1e-5);
  EXPECT_NEAR(built.tabLength + built.tabRear, 23.0, 1e-5);
}

// The file holds no unit: the texts are read in the unit in force.
TEST(ProjectRoundTrip, MillimetreTextsOpenAsInches) {
  ProjectRead b = ReadBytes(kFullMm, " in");
  ASSERT_TRUE(b.r.ok);
  EXPECT_FLOAT_EQ(b.s.rib.chord.mm, 180 * 25.4f);
  EXPECT_EQ(files::ProjectFileText(b.s), kFullMm);
}

// Every line the reader accepts comes back as it was: a file name in other case than the
// name, numbers in other forms than ours, empty reserved and tab lines, a byte
// Windows-1252 leaves undefined, mixed line ends, markers and the end line with more after
// them, text after the end line, no last line end. A changed value is written afresh on
// its own line, which keeps its line end; a new line takes the first line's.
TEST(ProjectRoundTrip, EveryLineComesBackAsReadAndOnlyChangedValuesAreWrittenAfresh) {
  const std::vector<std::string> head = {
      "VDL V3.0 written by hand\r\n", "CLARKY.DAT\n", "clarky\r\n", "Caf\xe9 \x81 x\r\n", "10\r\n", "-5\n",
      "200.0\n", "1.5\r\n", "0\r\n", "0\r\n", "0\r\n", "0\r\n", "0\r\n", "1\r\n", " 0 \r\n", "\r\n",
      "Spars   \r\n", "0\r\n"};
  const std::vector<std::string> rest = {
      "25%\r\n", "6\r\n", "3\r\n", "01\r\n", "1.0\r\n", "0\r\n", "2.5\r\n", " 0\r\n", "\r\n",  // spar 0
      "Holes\r\n", " 0 \r\n",
      "\r\n", "\r\n", "1.0\r\n", "\r\n", "\r\n", "0\r\n", "0\r\n", "\r\n",  // hole 0
      "\r\n", "\r\n", "0\r\n", "003\r\n", "-2.50\r\n", "0\r\n", "0\r\n", "0\r\n", "0\r\n", "0\r\n", "0\r\n",
      "0\r\n", "no hash here\r\n", "End of File V 3.0.02 modif 02/10/2002 and more\r\n"};
  const std::string trailing = "notes\r\nlast line without an end";
  auto join = [](const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l;
    return out;
  };
  const std::string bytes = join(head) + join(rest) + trailing;
  ProjectRead a = ReadBytes(bytes);
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_EQ(files::ProjectFileText(a.s), bytes);
  // What the odd forms read as.
  const core::RibDocument& s = a.s;
  EXPECT_EQ(s.rib.caption.text, "Caf\u00e9 \u0081 x");
  EXPECT_EQ(std::tuple(s.rib.markCount, s.rib.boardAngle, s.rib.spars[0].upper, s.rib.spars[0].reserved, s.rib.tabs.lengthText),
            std::tuple(3, -2.5f, core::SparCut::FromSheeting, "0", "0"));
  EXPECT_EQ(s.rib.spars[0].inset, (core::Length{2.5f, "2.5"}));

  core::RibDocument changed = a.s;
  changed.rib.chord = {180, "180"};
  changed.rib.spars.last = 1;
  changed.rib.spars[1].positionText = "50%";
  std::vector<std::string> expectedHead = head;
  expectedHead[6] = "180\n";
  expectedHead[17] = " 1 \r\n";
  std::vector<std::string> expectedRest = rest;
  const std::vector<std::string> newSpar = {"50%", "", "", "0", "0", "0", "", "0", ""};
  for (std::size_t i = 0; i < newSpar.size(); ++i)
    expectedRest.insert(expectedRest.begin() + static_cast<long>(9 + i), newSpar[i] + "\r\n");
  EXPECT_EQ(files::ProjectFileText(changed), join(expectedHead) + join(expectedRest) + trailing);

  // A file of LF line ends gets LF lines for what it did not have.
  const std::string lf = Join(Lines(kFullMm), "\n");
  ProjectRead b = ReadBytes(lf);
  b.s.rib.holes.last = 2;
  const std::string written = files::ProjectFileText(b.s);
  EXPECT_EQ(written.find('\r'), std::string::npos);
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), std::count(lf.begin(), lf.end(), '\n') + 8);
}

TEST(ProjectReader, OnlyTheFirstEightCharactersNameTheLayout) {
  TempDir dir;
  const std::string path = dir.File("p.vdl");
  // ProjectRead as the older layout, a current file with a lower-case header is damaged.
  for (const char* header : {"VDL V3.0!anything at all", "vdl v3.0 -02"}) {
    const std::string bytes = WithLine(kFullMm, 0, header);
    WriteFile(path, bytes);
    core::RibDocument s = NewRib();
    files::ProjectReadResult r = files::ReadProjectFile(path, s);
    EXPECT_EQ(r.ok, header[0] == 'V') << header;
    EXPECT_FALSE(r.olderLayout) << header;
    EXPECT_EQ(ReadFile(path), bytes) << header;
  }
}

// A conversion that cannot be written leaves the file as it was and the project read all
// the same; one that can rewrites it whole, beside nothing else, and reads as it was written.
TEST(OlderProject, ReadsWhetherOrNotTheConversionCanBeWritten) {
  TempDir dir;
  const std::string path = dir.File("old.vdl");
  WriteFile(path, kOlder);
  core::RibDocument s = NewRib();
  files::ProjectReadResult r;
  {
    platform::ScopedWriteFault full(ENOSPC, 40);  // the conversion meets a full disk
    r = files::ReadProjectFile(path, s);
  }
  EXPECT_TRUE(r.ok && r.olderLayout && !r.rewritten);
  EXPECT_EQ(ReadFile(path), kOlder);
  EXPECT_EQ(std::tuple(s.rib.caption.text, s.rib.caption.x.mm, s.rib.caption.y.mm, s.rib.blocks.topHeight.mm, s.rib.baseMode, s.rib.blocks.tail),
            std::tuple("My rib", 12.5f, -3.0f, 25.0f, core::BaseMode::Blocks, core::BlockTail::LowerContour));

  s = NewRib();
  r = files::ReadProjectFile(path, s);
  ASSERT_TRUE(r.ok) << r.error.description;
  EXPECT_TRUE(r.rewritten);
  EXPECT_EQ(r.airfoilFileName, "clarky.dat");
  EXPECT_EQ(ReadFile(path), ReadFile(DataPath("projects/older_full_converted.vdl")));
  EXPECT_EQ(files::ProjectFileText(s), ReadFile(path));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(OlderProject, ShortFormsOfTheCombinedLines) {
  ProjectRead a = ReadBytes(Join({"old", "rib.cor", "rib", "abc", "150", "2", "0", "3", "4", "-1", "1.5", "False", " 0 ",
                           "10", "3", "3", "1", "1", "0", " 0 ", "", "", "0", "", "2", "0", "0", "7", "0", "0", "11"}));
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  const core::RibDocument& s = a.s;
  EXPECT_EQ(std::tuple(a.r.airfoilFileName, s.rib.caption.text, s.rib.caption.x.text, s.rib.leadingEdgeStyle, s.rib.squareLeadingEdge.y.mm),
            std::tuple("rib.cor", "", "0", core::LeadingEdgeStyle::Square, -1.0f));
  EXPECT_EQ(std::tuple(s.rib.blocks.baseHeight.text, s.rib.blocks.topHeight.text, s.rib.baseMode, s.rib.blocks.tail), std::tuple("7", "0", core::BaseMode::Tabs, core::BlockTail::UpperContour));
}

TEST(OlderProject, LaterBlocksOverwriteEarlierOnesAndTrailingBlanksEndTheFile) {
  ProjectRead a = ReadBytes(kOlder + WithLine(kOlder, 4, "150") + "\r\n  \r\n");
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_FLOAT_EQ(a.s.rib.chord.mm, 150.0f);
  EXPECT_EQ(a.s.rib.spars.last, 1);
}

TEST(DamagedProject, EveryTruncationIsRefusedAndTouchesNothing) {
  const std::string clean = files::ProjectFileText(NewRib());
  for (std::size_t n = 0; n < kFullMm.find("End of File") + 11; ++n) {
    ProjectRead a = ReadBytes(kFullMm.substr(0, n));
    ASSERT_FALSE(a.r.ok) << "cut at " << n;
    ASSERT_EQ(files::ProjectFileText(a.s), clean) << "cut at " << n;
    ASSERT_FLOAT_EQ(a.s.rib.chord.mm, 200.0f);
  }
  // Without its end line, a file is cut short too.
  EXPECT_EQ(ReadBytes(WithLine(kFullMm, Lines(kFullMm).size() - 1, nullptr)).r.error.number, 62);
}

TEST(DamagedProject, BadCountsCodesAndMarkersAreRefused) {
  // Error number, or 0 for any: counts past the table; a count read as 0 that puts the rest
  // out of step; option codes outside their choices (the second on the upper surface); an
  // older layout without its text markers, with a bad count, cut short.
  const std::pair<std::string, int> cases[] = {
      {WithLine(kFullMm, kSparCountLine, " 12 "), 9}, {WithLine(kFullMm, kSparCountLine, " 200 "), 9},
      {WithLine(kFullMm, kSparCountLine, " 256 "), 6}, {WithLine(kFullMm, kSparCountLine, "-1"), 6},
      {WithLine(kFullMm, kHoleCountLine, " 12 "), 9}, {WithLine(kFullMm, kSparCountLine, "two"), 0},
      {WithLine(kFullMm, kFirstSparTypeLine, "4"), 0}, {WithLine(kFullMm, kFirstSparTypeLine - 2, "3"), 0},
      {WithLine(kOlder, 3, "no markers here"), 0}, {WithLine(kOlder, 3, "Y first\xa7Y1\xa7X2"), 0},
      {WithLine(kOlder, 12, " 12 "), 0}, {kOlder.substr(0, kOlder.size() - 5), 0}};
  for (const auto& [bytes, error] : cases) {
    ProjectRead a = ReadBytes(bytes);
    EXPECT_FALSE(a.r.ok) << bytes.substr(0, 400);
    EXPECT_TRUE(error == 0 || a.r.error.number == error) << a.r.error.number << " for " << bytes.substr(0, 400);
    EXPECT_EQ(a.s.rib.spars[0].positionText, "");
  }
  // Eleven is the last slot the dialogs use: the count passes, the missing records do not.
  ProjectRead a = ReadBytes(WithLine(kFullMm, kSparCountLine, " 11 "));
  EXPECT_FALSE(a.r.ok);
  EXPECT_NE(a.r.error.number, 9);
  // Text in a number line reads as 0 where the layout stays in step; so does a valid code.
  ProjectRead b = ReadBytes(WithLine(kFullMm, kMarkCountLine, "many"));
  ASSERT_TRUE(b.r.ok);
  EXPECT_EQ(b.s.rib.markCount, 0);
  EXPECT_TRUE(ReadBytes(WithLine(kFullMm, kFirstSparTypeLine, "3")).r.ok);
}

TEST(AirfoilSearch, TheLastMatchOfTheDepthFirstWalkWins) {
  TempDir dir;
  const fs::path d = dir.path();
  for (const fs::path& p : {d / "x.dat", d / "a" / "x.dat", d / "a" / "z" / "x.dat", d / "b" / "x.dat"}) Touch(p);
  EXPECT_EQ(files::SearchAirfoil(d.string(), "x.dat"), (d / "b" / "x.dat").string());
  fs::remove_all(d / "b");
  EXPECT_EQ(files::SearchAirfoil(d.string(), "x.dat"), (d / "a" / "z" / "x.dat").string());
  fs::remove_all(d / "a");
  // Names written on a system that ignores case still find their file.
  EXPECT_EQ(files::SearchAirfoil(d.string(), "X.DAT"), (d / "x.dat").string());
  EXPECT_EQ(files::SearchAirfoil(d.string(), "y.dat"), "");
}

TEST(AirfoilSearch, TheSeriesFolderIsSearchedOnlyWhenTheAirfoilFolderHasNone) {
  TempDir dir;
  core::RibDocument s;
  s.settings.airfoilDir = (dir.path() / "main").string();
  s.settings.seriesAirfoilDir = (dir.path() / "series").string();
  Touch(dir.path() / "series" / "x.dat");
  Touch(dir.path() / "series" / "y.dat");
  Touch(dir.path() / "main" / "sub" / "x.dat");
  EXPECT_EQ(files::FindProjectAirfoil(s, "x.dat"), (dir.path() / "main" / "sub" / "x.dat").string());
  EXPECT_EQ(files::FindProjectAirfoil(s, "y.dat"), (dir.path() / "series" / "y.dat").string());
}

TEST(AirfoilSearch, ANameIsNeverAPathAndLoopsEnd) {
  TempDir dir;
  const fs::path d = dir.path();
  Touch(d / "a" / "x.dat");
  Touch(d / "secret.dat");
  fs::create_directory_symlink(d, d / "a" / "loop");
  const std::string a = (d / "a").string();
  EXPECT_EQ(files::SearchAirfoil(a, "../secret.dat"), "");
  EXPECT_EQ(files::SearchAirfoil(a, "a/x.dat"), "");
  EXPECT_EQ(files::SearchAirfoil(a, ""), "");
  EXPECT_NE(files::SearchAirfoil(a, "x.dat"), "");
}
