#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <utility>
#include <vector>

#include "core/newrib.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "support/testsupport.h"

namespace fs = std::filesystem;
using files::OpenProjectOutcome;
using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

core::SharedState NewRib(const char* unit = " mm") {
  core::SharedState s;
  s.unitText = unit;
  core::ClearRib(s);
  return s;
}

std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string out;
  for (const std::string& l : lines) out += l + end;
  return out;
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> out;
  for (std::size_t pos = 0, end; pos < bytes.size(); pos = end + 2) {
    end = bytes.find("\r\n", pos);
    out.push_back(bytes.substr(pos, end - pos));
  }
  return out;
}

// Line `index` (0-based) of a CR LF file replaced by `text`; without `text`, removed.
std::string WithLine(const std::string& bytes, std::size_t index, const char* text) {
  std::vector<std::string> lines = Lines(bytes);
  if (text) lines.at(index) = text;
  else lines.erase(lines.begin() + static_cast<long>(index));
  return Join(lines);
}

struct Read {
  files::ProjectReadResult r;
  core::SharedState s;
};

Read ReadBytes(const std::string& bytes, const char* unit = " mm") {
  Read out{{}, NewRib(unit)};
  out.r = files::ReadProjectText(bytes, out.s);
  return out;
}

// Language texts that name themselves, so a test sees which text went where.
struct SelfNamingTexts {
  SelfNamingTexts() {
    platform::SetTextLookup([](std::string_view section, std::string_view key) {
      return std::string(section) + "/" + std::string(key);
    });
  }
  ~SelfNamingTexts() { platform::SetTextLookup(nullptr); }
};

const std::string kFullMm = ReadFile(DataPath("projects/full_mm.vdl"));
const std::string kOlder = ReadFile(DataPath("projects/older_full.vdl"));
// Line indexes (0-based) in full_mm.vdl.
constexpr std::size_t kSparCountLine = 17, kFirstSparTypeLine = 23, kHoleCountLine = 46, kMarkCountLine = 66;

}  // namespace

TEST(ProjectWriter, newRibWritesOneEmptyRecordPerTable) {
  core::SharedState s = NewRib();
  s.airfoilName = "clarky";
  s.airfoilExt = "dat";
  EXPECT_EQ(files::ProjectFileText(s),
            Join({"VDL V3.0 -02 Caution don't delete this file !!", "clarky.dat", "clarky", "", "0", "0", "200",
                  "1.5", "0", "0", "0", "0", "0", " 1 ", " 0 ", "",
                  "Spars", " 0 ", "", "", "", "0", "0", "0", "", "0", "",
                  "Holes", " 0 ", "", "", "0", "", "", "0", "0", "",
                  "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0#0",
                  "End of File V 3.0.02 modif 02/10/2002"}));
}

TEST(ProjectWriter, textsAreWindows1252AndStayOnTheirLine) {
  core::SharedState s = NewRib();
  s.annotationText = "25\u00b0 \u00d8 \u20ac\r\nnext \u03a9";
  std::vector<std::string> lines = Lines(files::ProjectFileText(s));
  ASSERT_EQ(lines.size(), 51u);
  EXPECT_EQ(lines[3], "25\xb0 \xd8 \x80  next ?");
}

// A new rib keeps nothing of the previous one but the chord and sheeting, which the
// window fills in again from the settings, and the text size, which is a setting.
TEST(NewRibProject, nothingOfThePreviousRibSurvives) {
  core::SharedState s = NewRib();
  ASSERT_TRUE(files::ReadProjectText(kFullMm, s).ok);
  s.airfoilLoaded = s.projectSaved = s.inverted = s.annotationIsUser = s.compareShown = true;
  s.textFontSize = 6;
  s.maxThickness = 0.12;
  s.hScroll = 3;
  s.zoom = 3;
  core::ClearRib(s);

  core::SharedState fresh = NewRib();
  fresh.chordText = s.chordText;
  fresh.airfoilExt = s.airfoilExt;
  EXPECT_EQ(files::ProjectFileText(s), files::ProjectFileText(fresh));
  EXPECT_EQ(s.chordText, "180");
  EXPECT_EQ(s.textFontSize, 6);
  EXPECT_FALSE(s.airfoilLoaded || s.projectSaved || s.annotationIsUser || s.compareShown);
  EXPECT_EQ(std::tuple(s.spars.sparWidth[1], s.tabReach, s.blockTotal, s.maxThickness, s.hScroll, s.zoom),
            std::tuple(0, 0, 0, 0, 0, 1));
}

TEST(ProjectRoundTrip, fullMillimetreSetupIsRewrittenByteForByteWhateverTheLineEnds) {
  Read a = ReadBytes(kFullMm);
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_FALSE(a.r.olderLayout);
  EXPECT_EQ(files::ProjectFileText(a.s), kFullMm);
  EXPECT_EQ(files::ProjectFileText(ReadBytes(Join(Lines(kFullMm), "\n")).s), kFullMm);
  EXPECT_EQ(files::ProjectFileText(ReadBytes(Join(Lines(kFullMm), "\r")).s), kFullMm);

  // The byte-for-byte rewrite proves the texts and codes; these are the converted values.
  const core::SharedState& s = a.s;
  EXPECT_EQ(a.r.airfoilFileName, "clarky.dat");
  EXPECT_EQ(s.annotationText, "Rippe 3 \u2013 25\u00b0 \u00d8");
  EXPECT_FLOAT_EQ(s.textY, -4.5f);
  EXPECT_FLOAT_EQ(s.chord, 180.0f);
  EXPECT_FLOAT_EQ(s.holes.holeOffset[1], -2.0f);
  EXPECT_FLOAT_EQ(s.boardAngle, -2.5f);
  // The upper-side distance is stored negated, as the tab dialog stores it.
  EXPECT_DOUBLE_EQ(s.tabUpperDist, -7.0);
  // Tabs and blocks draw right after opening, before any dialog has worked them out.
  EXPECT_NEAR(s.tabLength, 18.0, 1e-5);
  EXPECT_NEAR(s.tabReach, 23.0, 1e-5);
  EXPECT_FLOAT_EQ(s.blockTotal, 193.0f);
}

TEST(ProjectRoundTrip, inchTextsKeepTheirFractionsAndMillimetreTextsOpenAsInches) {
  const std::string bytes = ReadFile(DataPath("projects/full_in.vdl"));
  Read a = ReadBytes(bytes, " in");
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_EQ(files::ProjectFileText(a.s), bytes);
  EXPECT_FLOAT_EQ(a.s.textX, 38.1f);
  EXPECT_FLOAT_EQ(a.s.sheetingThickness, 1.5875f);
  EXPECT_FLOAT_EQ(a.s.holes.holeHeight[0], 12.7f);
  EXPECT_NEAR(a.s.tabUpperDist, -9.525, 1e-5);
  EXPECT_FLOAT_EQ(a.s.blockTotal, 12.7f + 203.2f + 19.05f);

  Read b = ReadBytes(kFullMm, " in");
  ASSERT_TRUE(b.r.ok);
  EXPECT_FLOAT_EQ(b.s.chord, 180 * 25.4f);
  EXPECT_EQ(files::ProjectFileText(b.s), kFullMm);
}

TEST(ProjectRoundTrip, reservedAndEmptyTabLinesComeBackAsZero) {
  core::SharedState s = NewRib();
  s.airfoilName = "e387";
  s.airfoilExt = "dat";
  s.spars.sparLast = 1;
  s.spars.sparPosText[0] = "30%";
  s.spars.sparPosText[1] = "50";
  s.tabLengthText = "";
  const std::vector<std::string> before = Lines(files::ProjectFileText(s));
  const std::vector<std::string> after = Lines(files::ProjectFileText(ReadBytes(Join(before)).s));
  // Two spar reserved lines, one hole reserved line, the tab length; not line 16.
  std::vector<std::string> expected = before;
  for (std::size_t i : {26, 35, 45, 46}) EXPECT_EQ(std::exchange(expected.at(i), "0"), "");
  EXPECT_EQ(after, expected);
}

TEST(ProjectReader, onlyTheFirstEightCharactersNameTheLayout) {
  TempDir dir;
  const std::string path = dir.File("p.vdl");
  // Read as the older layout, a current file with a lower-case header is damaged.
  for (const char* header : {"VDL V3.0!anything at all", "vdl v3.0 -02"}) {
    const std::string bytes = WithLine(kFullMm, 0, header);
    WriteFile(path, bytes);
    core::SharedState s = NewRib();
    files::ProjectReadResult r = files::ReadProjectFile(path, s);
    EXPECT_EQ(r.ok, header[0] == 'V') << header;
    EXPECT_FALSE(r.olderLayout) << header;
    EXPECT_EQ(ReadFile(path), bytes) << header;
  }
}

TEST(OlderProject, failedConversionChangesNothingAndAGoodOneRewritesTheFile) {
  TempDir dir;
  const std::string path = dir.File("old.vdl");
  WriteFile(path, kOlder);
  fs::create_directory(path + ".tmp~");  // the atomic write cannot make its temporary file
  core::SharedState s = NewRib();
  files::ProjectReadResult r = files::ReadProjectFile(path, s);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error.number, 75);
  EXPECT_EQ(ReadFile(path), kOlder);
  EXPECT_EQ(files::ProjectFileText(s), files::ProjectFileText(NewRib()));

  fs::remove(path + ".tmp~");
  r = files::ReadProjectFile(path, s);
  ASSERT_TRUE(r.ok) << r.error.description;
  EXPECT_TRUE(r.olderLayout);
  EXPECT_EQ(r.airfoilFileName, "clarky.dat");
  EXPECT_EQ(ReadFile(path), ReadFile(DataPath("projects/older_full_converted.vdl")));
  EXPECT_FALSE(fs::exists(path + ".tmp~"));
  EXPECT_EQ(std::tuple(s.annotationText, s.textX, s.textY, s.blockHeight4, s.baseMode, s.blockTailSide),
            std::tuple("My rib", 12.5f, -3.0f, 25.0f, 1, 1));
}

TEST(OlderProject, shortFormsOfTheCombinedLines) {
  Read a = ReadBytes(Join({"old", "rib.cor", "rib", "abc", "150", "2", "0", "3", "4", "-1", "1.5", "False", " 0 ",
                           "10", "3", "3", "1", "1", "0", " 0 ", "", "", "0", "", "2", "0", "0", "7", "0", "0", "11"}));
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  const core::SharedState& s = a.s;
  EXPECT_EQ(std::tuple(a.r.airfoilFileName, s.annotationText, s.textXText, s.leadingEdgeStyle, s.squareLeY),
            std::tuple("rib.cor", "", "0", 0, -1.0f));
  EXPECT_EQ(std::tuple(s.blockHeight0Text, s.blockHeight4Text, s.baseMode, s.blockTailSide), std::tuple("7", "0", 11, 0));
}

TEST(OlderProject, laterBlocksOverwriteEarlierOnesAndTrailingBlanksEndTheFile) {
  Read a = ReadBytes(kOlder + WithLine(kOlder, 4, "150") + "\r\n  \r\n");
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_FLOAT_EQ(a.s.chord, 150.0f);
  EXPECT_EQ(a.s.spars.sparLast, 1);
}

TEST(DamagedProject, everyTruncationIsRefusedAndTouchesNothing) {
  const std::string clean = files::ProjectFileText(NewRib());
  for (std::size_t n = 0; n < kFullMm.find("End of File") + 11; ++n) {
    Read a = ReadBytes(kFullMm.substr(0, n));
    ASSERT_FALSE(a.r.ok) << "cut at " << n;
    ASSERT_EQ(files::ProjectFileText(a.s), clean) << "cut at " << n;
    ASSERT_FLOAT_EQ(a.s.chord, 200.0f);
  }
  // Without its end line, a file is cut short too.
  EXPECT_EQ(ReadBytes(WithLine(kFullMm, Lines(kFullMm).size() - 1, nullptr)).r.error.number, 62);
}

TEST(DamagedProject, badCountsCodesAndMarkersAreRefused) {
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
    Read a = ReadBytes(bytes);
    EXPECT_FALSE(a.r.ok) << bytes.substr(0, 400);
    EXPECT_TRUE(error == 0 || a.r.error.number == error) << a.r.error.number << " for " << bytes.substr(0, 400);
    EXPECT_EQ(a.s.spars.sparPosText[0], "");
  }
  // Eleven is the last slot the dialogs use: the count passes, the missing records do not.
  Read a = ReadBytes(WithLine(kFullMm, kSparCountLine, " 11 "));
  EXPECT_FALSE(a.r.ok);
  EXPECT_NE(a.r.error.number, 9);
  // Text in a number line reads as 0 where the layout stays in step; so does a valid code.
  Read b = ReadBytes(WithLine(kFullMm, kMarkCountLine, "many"));
  ASSERT_TRUE(b.r.ok);
  EXPECT_EQ(b.s.markCount, 0);
  EXPECT_TRUE(ReadBytes(WithLine(kFullMm, kFirstSparTypeLine, "3")).r.ok);
}

namespace {
void Touch(const fs::path& p) {
  fs::create_directories(p.parent_path());
  WriteFile(p.string(), "x");
}
}  // namespace

TEST(AirfoilSearch, theLastMatchOfTheDepthFirstWalkWins) {
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

TEST(AirfoilSearch, theSeriesFolderIsSearchedOnlyWhenTheAirfoilFolderHasNone) {
  TempDir dir;
  core::SharedState s;
  s.airfoilDir = (dir.path() / "main").string();
  s.seriesAirfoilDir = (dir.path() / "series").string();
  Touch(dir.path() / "series" / "x.dat");
  Touch(dir.path() / "series" / "y.dat");
  Touch(dir.path() / "main" / "sub" / "x.dat");
  EXPECT_EQ(files::FindProjectAirfoil(s, "x.dat"), (dir.path() / "main" / "sub" / "x.dat").string());
  EXPECT_EQ(files::FindProjectAirfoil(s, "y.dat"), (dir.path() / "series" / "y.dat").string());
}

TEST(AirfoilSearch, aNameIsNeverAPathAndLoopsEnd) {
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

namespace {
struct Workspace {
  SelfNamingTexts texts;
  TempDir dir;
  core::SharedState s = NewRib();
  files::StateOnlyProjectWindow window;
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped{&messages};

  Workspace() {
    s.iniFile = dir.File("Vandrell.ini");
    s.airfoilDir = dir.File("airfoils");
    s.seriesAirfoilDir = dir.File("series");
    for (const std::string& d : {s.airfoilDir, s.seriesAirfoilDir, dir.File("projects")}) fs::create_directories(d);
  }
  std::string Project(const std::string& name, const std::string& bytes) {
    std::string path = dir.File("projects/" + name);
    WriteFile(path, bytes);
    return path;
  }
};
}  // namespace

// A damaged file is reported and leaves a clean new rib; a sound one finds its airfoil.
TEST(OpenProject, readsTheFileFindsTheAirfoilAndPreparesIt) {
  Workspace w;
  w.s.airfoilLoaded = w.s.inverted = true;
  w.s.annotationText = "old rib";
  w.s.spars.sparLast = 3;
  w.s.spars.sparPosText[2] = "40";
  w.s.baseMode = 1;
  core::SharedState expected = w.s;
  core::ClearRib(expected);
  const std::string bad = w.Project("bad.vdl", WithLine(kFullMm, kSparCountLine, " 12 "));
  EXPECT_EQ(files::OpenProjectFile(w.s, bad, w.window), OpenProjectOutcome::Failed);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].title, "Erreur/1 LireEcrire/newVdl");
  EXPECT_NE(w.messages.shown[0].text.find("# 9 "), std::string::npos);
  EXPECT_EQ(files::ProjectFileText(w.s), files::ProjectFileText(expected));
  EXPECT_FALSE(w.s.airfoilLoaded || w.s.inverted || w.s.quietRead);

  fs::create_directories(w.s.airfoilDir + "/Clark");
  fs::copy_file(testsupport::AirfoilPath("clarky.dat"), w.s.airfoilDir + "/Clark/clarky.dat");
  ASSERT_EQ(files::OpenProjectFile(w.s, w.Project("full_mm.vdl", kFullMm), w.window), OpenProjectOutcome::Opened);
  EXPECT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.s.airfoilPath, w.s.airfoilDir + "/Clark/clarky.dat");
  EXPECT_TRUE(w.s.airfoilLoaded);
  EXPECT_FALSE(w.s.projectModified || w.s.quietRead);
  EXPECT_EQ(w.s.projectPath, "full_mm.vdl");
  EXPECT_GT(w.s.maxThickness, 0.1);
  EXPECT_EQ(w.window.caption, "Vandrell MainTolbar/26 : full_mm.vdl MainTolbar/11 : clarky");
}

TEST(OpenProject, dialogStartsAtTheLastProjectCancelChangesNothingMissingAirfoilIsNamed) {
  Workspace w;
  platform::ScriptedFileDialogs dialogs;
  platform::SetFileDialogs(&dialogs);
  dialogs.answers = {"", w.Project("p.vdl", kFullMm), ""};
  w.s.airfoilLoaded = true;
  w.s.chordText = "321";

  EXPECT_EQ(files::NewVdl(w.s, w.window), OpenProjectOutcome::Cancelled);
  EXPECT_TRUE(w.messages.shown.empty());
  EXPECT_TRUE(w.s.airfoilLoaded);
  EXPECT_EQ(w.s.chordText, "321");

  EXPECT_EQ(files::NewVdl(w.s, w.window), OpenProjectOutcome::AirfoilMissing);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].text, "fileopen/3 clarky.dat\n fileopen/4 \n" + w.s.airfoilDir + " fileopen/5 " +
                                          w.s.seriesAirfoilDir);
  EXPECT_FALSE(w.s.airfoilLoaded || w.s.quietRead);
  EXPECT_FLOAT_EQ(w.s.chord, 180.0f);
  EXPECT_EQ(w.s.spars.sparLast, 2);
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenVdl", w.s.iniFile), w.dir.File("projects/"));
  EXPECT_EQ(files::NewVdl(w.s, w.window), OpenProjectOutcome::Cancelled);
  platform::SetFileDialogs(nullptr);

  ASSERT_EQ(dialogs.requests.size(), 3u);
  EXPECT_EQ(dialogs.requests[0].filter, "MainTolbar/26 Vandrell (*.vdl)|*.vdl|");
  EXPECT_EQ(dialogs.requests[0].title, "fileopen/2");
  EXPECT_EQ(dialogs.requests[0].initialDir, w.s.airfoilDir);
  EXPECT_EQ(dialogs.requests[2].initialDir, w.dir.File("projects/"));
}

TEST(SaveProject, failedSaveKeepsThePreviousFileGoodSaveSetsTheFlagsAndFolder) {
  Workspace w;
  w.s.projectModified = true;
  w.s.airfoilName = "ag24";
  const std::string path = w.Project("rib.vdl", "previous contents");
  fs::create_directory(path + ".tmp~");
  EXPECT_FALSE(files::SaveProjectAs(w.s, path));
  EXPECT_EQ(ReadFile(path), "previous contents");
  EXPECT_TRUE(w.s.projectModified);
  EXPECT_FALSE(w.s.projectSaved);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].title, "Erreur/1 Main/mnu_filesaveas");
  EXPECT_FALSE(files::SaveProjectAs(w.s, w.dir.File("no such folder/rib.vdl")));
  ASSERT_EQ(w.messages.shown.size(), 2u);
  EXPECT_NE(w.messages.shown[1].text.find("# 76 "), std::string::npos);

  fs::remove(path + ".tmp~");
  ASSERT_TRUE(files::SaveProjectAs(w.s, path));
  EXPECT_EQ(ReadFile(path), files::ProjectFileText(w.s));
  EXPECT_EQ(w.s.projectPath, path);
  EXPECT_EQ(w.s.projectTitle, "rib.vdl");
  EXPECT_FALSE(w.s.projectModified);
  EXPECT_TRUE(w.s.projectSaved);
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenVdl", w.s.iniFile), w.dir.File("projects/"));
  EXPECT_EQ(files::SaveProjectRequest(w.s).initialDir, w.dir.File("projects/"));
}
