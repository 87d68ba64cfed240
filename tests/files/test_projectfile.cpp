#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
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

std::string Crlf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find("\r\n", pos);
    out.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  return out;
}

// Line `index` (0-based) of a CR LF file replaced by `text`; without `text`, removed.
std::string WithLine(const std::string& bytes, std::size_t index, const char* text) {
  std::vector<std::string> lines = Lines(bytes);
  if (text) lines.at(index) = text;
  else lines.erase(lines.begin() + static_cast<long>(index));
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
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
class SelfNamingTexts {
 public:
  SelfNamingTexts() {
    platform::SetTextLookup([](std::string_view section, std::string_view key) {
      return std::string(section) + "/" + std::string(key);
    });
  }
  ~SelfNamingTexts() { platform::SetTextLookup(nullptr); }
};

const std::string kFullMm = ReadFile(DataPath("projects/full_mm.vdl"));
// Line indexes (0-based) in full_mm.vdl.
constexpr std::size_t kSparCountLine = 17;
constexpr std::size_t kFirstSparTypeLine = 23;
constexpr std::size_t kHoleCountLine = 46;
constexpr std::size_t kMarkCountLine = 66;

}  // namespace

// ---- Writer ----

TEST(ProjectWriter, newRibWritesOneEmptyRecordPerTable) {
  core::SharedState s = NewRib();
  s.airfoilName = "clarky";
  s.airfoilExt = "dat";
  EXPECT_EQ(files::ProjectFileText(s),
            Crlf({"VDL V3.0 -02 Caution don't delete this file !!", "clarky.dat", "clarky", "", "0", "0", "200",
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
  s.airfoilLoaded = true;
  s.projectSaved = true;
  s.inverted = true;
  s.textFontSize = 6;
  s.annotationIsUser = true;
  s.maxThickness = 0.12;
  s.hScroll = 3;
  s.compareShown = true;
  s.zoom = 3;
  core::ClearRib(s);

  core::SharedState fresh = NewRib();
  fresh.chordText = s.chordText;
  fresh.airfoilExt = s.airfoilExt;
  EXPECT_EQ(files::ProjectFileText(s), files::ProjectFileText(fresh));
  EXPECT_EQ(s.chordText, "180");
  EXPECT_EQ(s.textFontSize, 6);
  EXPECT_EQ(s.spars.sparWidth[1], 0);
  EXPECT_EQ(s.tabReach, 0);
  EXPECT_EQ(s.blockTotal, 0);
  EXPECT_FALSE(s.airfoilLoaded);
  EXPECT_FALSE(s.projectSaved);
  EXPECT_FALSE(s.annotationIsUser);
  EXPECT_EQ(s.maxThickness, 0);
  EXPECT_EQ(s.hScroll, 0);
  EXPECT_FALSE(s.compareShown);
  EXPECT_EQ(s.zoom, 1);
}

// ---- Round trips ----

TEST(ProjectRoundTrip, fullMillimetreSetupIsRewrittenByteForByte) {
  Read a = ReadBytes(kFullMm);
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_FALSE(a.r.olderLayout);
  EXPECT_EQ(files::ProjectFileText(a.s), kFullMm);

  // The byte-for-byte rewrite proves the texts and codes; these are the converted values.
  const core::SharedState& s = a.s;
  EXPECT_EQ(a.r.airfoilFileName, "clarky.dat");
  EXPECT_EQ(s.annotationText, "Rippe 3 \u2013 25\u00b0 \u00d8");
  EXPECT_FLOAT_EQ(s.textY, -4.5f);
  EXPECT_FLOAT_EQ(s.chord, 180.0f);
  EXPECT_FLOAT_EQ(s.blockDepth, 2.0f);
  EXPECT_FLOAT_EQ(s.spars.sparInset[1], 1.5f);
  EXPECT_FLOAT_EQ(s.holes.holeCentred[0], 1.0f);
  EXPECT_FLOAT_EQ(s.holes.holeOffset[1], -2.0f);
  EXPECT_FLOAT_EQ(s.holes.holeHeight[1], 8.0f);
  EXPECT_FLOAT_EQ(s.trailingEdgeDepth, 3.0f);
  EXPECT_FLOAT_EQ(s.boardAngle, -2.5f);
  EXPECT_DOUBLE_EQ(s.tabLowerDist, 18.5);
  EXPECT_EQ(s.tabSide, 1);
  // The upper-side distance is stored negated, as the tab dialog stores it.
  EXPECT_DOUBLE_EQ(s.tabUpperDist, -7.0);
  // Tabs and blocks draw right after opening, before any dialog has worked them out.
  EXPECT_NEAR(s.tabLength, 18.0, 1e-5);
  EXPECT_NEAR(s.tabReach, 23.0, 1e-5);
  EXPECT_FLOAT_EQ(s.blockTotal, 193.0f);
}

TEST(ProjectRoundTrip, inchTextsKeepTheirFractions) {
  const std::string bytes = ReadFile(DataPath("projects/full_in.vdl"));
  Read a = ReadBytes(bytes, " in");
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_EQ(files::ProjectFileText(a.s), bytes);
  const core::SharedState& s = a.s;
  EXPECT_FLOAT_EQ(s.textX, 38.1f);
  EXPECT_FLOAT_EQ(s.chord, 203.2f);
  EXPECT_FLOAT_EQ(s.sheetingThickness, 1.5875f);
  EXPECT_FLOAT_EQ(s.squareLeSize, 6.35f);
  EXPECT_FLOAT_EQ(s.spars.sparInset[0], 1.5875f);
  EXPECT_FLOAT_EQ(s.holes.holeHeight[0], 12.7f);
  EXPECT_NEAR(s.tabUpperDist, -9.525, 1e-5);
  EXPECT_FLOAT_EQ(s.blockTotal, 12.7f + 203.2f + 19.05f);
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

  Read a = ReadBytes(files::ProjectFileText(s));
  ASSERT_TRUE(a.r.ok);
  const std::vector<std::string> after = Lines(files::ProjectFileText(a.s));
  ASSERT_EQ(before.size(), after.size());
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < before.size(); ++i)
    if (before[i] != after[i]) {
      changed.push_back(i);
      EXPECT_EQ(before[i], "");
      EXPECT_EQ(after[i], "0");
    }
  // Two spar reserved lines, one hole reserved line, the tab length; not line 16.
  EXPECT_EQ(changed, (std::vector<std::size_t>{26, 35, 45, 46}));
}

TEST(ProjectReader, millimetreTextsOpenedInInchesAreInches) {
  Read a = ReadBytes(kFullMm, " in");
  ASSERT_TRUE(a.r.ok);
  EXPECT_EQ(a.s.chordText, "180");
  EXPECT_FLOAT_EQ(a.s.chord, 180 * 25.4f);
  EXPECT_EQ(files::ProjectFileText(a.s), kFullMm);
}

TEST(ProjectReader, onlyTheFirstEightCharactersNameTheLayout) {
  TempDir dir;
  const std::string path = dir.File("p.vdl");
  const std::string odd = WithLine(kFullMm, 0, "VDL V3.0!anything at all");
  WriteFile(path, odd);
  core::SharedState s = NewRib();
  files::ProjectReadResult r = files::ReadProjectFile(path, s);
  ASSERT_TRUE(r.ok);
  EXPECT_FALSE(r.olderLayout);
  EXPECT_EQ(ReadFile(path), odd);

  // Read as the older layout, a current file is damaged and stays as it is.
  const std::string lower = WithLine(kFullMm, 0, "vdl v3.0 -02");
  WriteFile(path, lower);
  s = NewRib();
  EXPECT_FALSE(files::ReadProjectFile(path, s).ok);
  EXPECT_EQ(ReadFile(path), lower);
}

TEST(ProjectReader, lineEndsMayBeLfOrCrAlone) {
  std::string lf, cr;
  for (const std::string& l : Lines(kFullMm)) {
    lf += l + "\n";
    cr += l + "\r";
  }
  EXPECT_EQ(files::ProjectFileText(ReadBytes(lf).s), kFullMm);
  EXPECT_EQ(files::ProjectFileText(ReadBytes(cr).s), kFullMm);
}

// ---- Older layout ----

TEST(OlderProject, isConvertedInPlace) {
  TempDir dir;
  const std::string path = dir.File("old.vdl");
  WriteFile(path, ReadFile(DataPath("projects/older_full.vdl")));
  core::SharedState s = NewRib();
  files::ProjectReadResult r = files::ReadProjectFile(path, s);
  ASSERT_TRUE(r.ok) << r.error.description;
  EXPECT_TRUE(r.olderLayout);
  EXPECT_EQ(r.airfoilFileName, "clarky.dat");
  EXPECT_EQ(ReadFile(path), ReadFile(DataPath("projects/older_full_converted.vdl")));
  EXPECT_FALSE(fs::exists(path + ".tmp~"));

  EXPECT_EQ(s.annotationText, "My rib");
  EXPECT_FLOAT_EQ(s.textX, 12.5f);
  EXPECT_FLOAT_EQ(s.textY, -3.0f);
  EXPECT_FLOAT_EQ(s.blockDepth, 2.5f);
  EXPECT_FLOAT_EQ(s.spars.sparHeight[1], 5.0f);
  EXPECT_FLOAT_EQ(s.holes.holeSize[0], 15.0f);
  EXPECT_FLOAT_EQ(s.blockHeight4, 25.0f);
  EXPECT_EQ(s.baseMode, 1);
  EXPECT_EQ(s.blockTailSide, 1);
}

TEST(OlderProject, shortFormsOfTheCombinedLines) {
  const std::string bytes = Crlf({"old", "rib.cor", "rib", "abc", "150", "2", "0", "3", "4", "-1", "1.5", "False",
                                  " 0 ", "10", "3", "3", "1", "1", "0", " 0 ", "", "", "0", "",
                                  "2", "0", "0", "7", "0", "0", "11"});
  Read a = ReadBytes(bytes);
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_EQ(a.r.airfoilFileName, "rib.cor");
  EXPECT_EQ(a.s.annotationText, "");
  EXPECT_EQ(a.s.textXText, "0");
  EXPECT_EQ(a.s.leadingEdgeStyle, 0);
  EXPECT_FLOAT_EQ(a.s.squareLeY, -1.0f);
  EXPECT_EQ(a.s.blockHeight0Text, "7");
  EXPECT_EQ(a.s.blockHeight4Text, "0");
  EXPECT_EQ(a.s.baseMode, 11);
  EXPECT_EQ(a.s.blockTailSide, 0);
}

TEST(OlderProject, laterBlocksOverwriteEarlierOnesAndTrailingBlanksEndTheFile) {
  const std::string block = ReadFile(DataPath("projects/older_full.vdl"));
  const std::string second = WithLine(block, 4, "150");
  Read a = ReadBytes(block + second + "\r\n  \r\n");
  ASSERT_TRUE(a.r.ok) << a.r.error.description;
  EXPECT_FLOAT_EQ(a.s.chord, 150.0f);
  EXPECT_EQ(a.s.spars.sparLast, 1);
}

TEST(OlderProject, failedConversionLeavesTheFileAndTheRibAlone) {
  TempDir dir;
  const std::string path = dir.File("old.vdl");
  const std::string bytes = ReadFile(DataPath("projects/older_full.vdl"));
  WriteFile(path, bytes);
  fs::create_directory(path + ".tmp~");  // the atomic write cannot make its temporary file
  core::SharedState s = NewRib();
  files::ProjectReadResult r = files::ReadProjectFile(path, s);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error.number, 75);
  EXPECT_EQ(ReadFile(path), bytes);
  EXPECT_EQ(files::ProjectFileText(s), files::ProjectFileText(NewRib()));
}

// ---- Damaged files ----

TEST(DamagedProject, everyTruncationIsRefusedAndTouchesNothing) {
  const std::string clean = files::ProjectFileText(NewRib());
  const std::size_t endLine = kFullMm.find("End of File");
  for (std::size_t n = 0; n < endLine + 11; ++n) {
    Read a = ReadBytes(kFullMm.substr(0, n));
    ASSERT_FALSE(a.r.ok) << "cut at " << n;
    ASSERT_EQ(files::ProjectFileText(a.s), clean) << "cut at " << n;
    ASSERT_FLOAT_EQ(a.s.chord, 200.0f);
  }
  // Without its end line, a file is cut short too.
  EXPECT_EQ(ReadBytes(WithLine(kFullMm, Lines(kFullMm).size() - 1, nullptr)).r.error.number, 62);
}

TEST(DamagedProject, tableIndexesBeyondTheTableAreRefused) {
  EXPECT_EQ(ReadBytes(WithLine(kFullMm, kSparCountLine, " 12 ")).r.error.number, 9);
  EXPECT_EQ(ReadBytes(WithLine(kFullMm, kSparCountLine, " 200 ")).r.error.number, 9);
  EXPECT_EQ(ReadBytes(WithLine(kFullMm, kSparCountLine, " 256 ")).r.error.number, 6);
  EXPECT_EQ(ReadBytes(WithLine(kFullMm, kSparCountLine, "-1")).r.error.number, 6);
  EXPECT_EQ(ReadBytes(WithLine(kFullMm, kHoleCountLine, " 12 ")).r.error.number, 9);
  // Eleven is the last slot the dialogs use: the count passes, the missing records do not.
  Read a = ReadBytes(WithLine(kFullMm, kSparCountLine, " 11 "));
  EXPECT_FALSE(a.r.ok);
  EXPECT_NE(a.r.error.number, 9);
}

TEST(DamagedProject, textInNumberLines) {
  // Reads as 0 where the layout stays in step...
  Read a = ReadBytes(WithLine(kFullMm, kMarkCountLine, "many"));
  ASSERT_TRUE(a.r.ok);
  EXPECT_EQ(a.s.markCount, 0);
  // ...and a count read as 0 puts the rest out of step, which is refused.
  Read b = ReadBytes(WithLine(kFullMm, kSparCountLine, "two"));
  EXPECT_FALSE(b.r.ok);
  EXPECT_EQ(b.s.spars.sparPosText[0], "");
}

TEST(DamagedProject, optionCodesOutsideTheirChoicesAreRefused) {
  EXPECT_FALSE(ReadBytes(WithLine(kFullMm, kFirstSparTypeLine, "4")).r.ok);
  EXPECT_FALSE(ReadBytes(WithLine(kFullMm, kFirstSparTypeLine - 2, "3")).r.ok);  // upper surface
  EXPECT_TRUE(ReadBytes(WithLine(kFullMm, kFirstSparTypeLine, "3")).r.ok);
}

TEST(DamagedProject, olderLayoutWithoutTextMarkersIsRefused) {
  const std::string older = ReadFile(DataPath("projects/older_full.vdl"));
  EXPECT_FALSE(ReadBytes(WithLine(older, 3, "no markers here")).r.ok);
  EXPECT_FALSE(ReadBytes(WithLine(older, 3, "Y first\xa7Y1\xa7X2")).r.ok);
  EXPECT_FALSE(ReadBytes(WithLine(older, 12, " 12 ")).r.ok);
  EXPECT_FALSE(ReadBytes(older.substr(0, older.size() - 5)).r.ok);
}

// ---- Airfoil search ----

namespace {
void Touch(const fs::path& p) {
  fs::create_directories(p.parent_path());
  WriteFile(p.string(), "x");
}
}  // namespace

TEST(AirfoilSearch, theLastMatchOfTheDepthFirstWalkWins) {
  TempDir dir;
  const fs::path d = dir.path();
  Touch(d / "x.dat");
  Touch(d / "a" / "x.dat");
  Touch(d / "a" / "z" / "x.dat");
  Touch(d / "b" / "x.dat");
  Touch(d / "c" / "other.dat");
  EXPECT_EQ(files::SearchAirfoil(d.string(), "x.dat"), (d / "b" / "x.dat").string());
  fs::remove_all(d / "b");
  EXPECT_EQ(files::SearchAirfoil(d.string(), "x.dat"), (d / "a" / "z" / "x.dat").string());
  fs::remove_all(d / "a");
  EXPECT_EQ(files::SearchAirfoil(d.string(), "x.dat"), (d / "x.dat").string());
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
  EXPECT_EQ(files::SearchAirfoil((d / "a").string(), "../secret.dat"), "");
  EXPECT_EQ(files::SearchAirfoil((d / "a").string(), "a/x.dat"), "");
  EXPECT_NE(files::SearchAirfoil((d / "a").string(), "x.dat"), "");
  EXPECT_EQ(files::SearchAirfoil((d / "a").string(), ""), "");
}

// ---- Opening and saving ----

namespace {
struct Workspace {
  TempDir dir;
  core::SharedState s = NewRib();
  files::StateOnlyProjectWindow window;
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped{&messages};

  Workspace() {
    s.iniFile = dir.File("Vandrell.ini");
    s.airfoilDir = dir.File("airfoils");
    s.seriesAirfoilDir = dir.File("series");
    fs::create_directories(s.airfoilDir);
    fs::create_directories(s.seriesAirfoilDir);
    fs::create_directories(dir.File("projects"));
  }
  std::string Project(const std::string& name, const std::string& bytes) {
    std::string path = dir.File("projects/" + name);
    WriteFile(path, bytes);
    return path;
  }
};
}  // namespace

TEST(OpenProject, readsTheFileFindsTheAirfoilAndPreparesIt) {
  SelfNamingTexts texts;
  Workspace w;
  fs::create_directories(w.s.airfoilDir + "/Clark");
  fs::copy_file(testsupport::AirfoilPath("clarky.dat"), w.s.airfoilDir + "/Clark/clarky.dat");
  const std::string path = w.Project("full_mm.vdl", kFullMm);

  ASSERT_EQ(files::OpenProjectFile(w.s, path, w.window), OpenProjectOutcome::Opened);
  EXPECT_TRUE(w.messages.shown.empty());
  EXPECT_EQ(w.s.airfoilPath, w.s.airfoilDir + "/Clark/clarky.dat");
  EXPECT_TRUE(w.s.airfoilLoaded);
  EXPECT_FALSE(w.s.projectModified);
  EXPECT_FALSE(w.s.quietRead);
  EXPECT_EQ(w.s.projectPath, "full_mm.vdl");
  EXPECT_GT(w.s.maxThickness, 0.1);
  EXPECT_FLOAT_EQ(w.s.chord, 180.0f);
  EXPECT_EQ(w.window.caption, "Vandrell MainTolbar/26 : full_mm.vdl MainTolbar/11 : clarky");
}

TEST(OpenProject, aMissingAirfoilKeepsTheSetupAndSaysWhereItLooked) {
  SelfNamingTexts texts;
  Workspace w;
  ASSERT_EQ(files::OpenProjectFile(w.s, w.Project("p.vdl", kFullMm), w.window), OpenProjectOutcome::AirfoilMissing);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].text, "fileopen/3 clarky.dat\n fileopen/4 \n" + w.s.airfoilDir + " fileopen/5 " +
                                          w.s.seriesAirfoilDir);
  EXPECT_FALSE(w.s.airfoilLoaded);
  EXPECT_FALSE(w.s.quietRead);
  EXPECT_FLOAT_EQ(w.s.chord, 180.0f);
  EXPECT_EQ(w.s.spars.sparLast, 2);
}

TEST(OpenProject, aDamagedFileIsReportedAndLeavesACleanNewRib) {
  SelfNamingTexts texts;
  Workspace w;
  w.s.airfoilLoaded = true;
  w.s.annotationText = "old rib";
  w.s.spars.sparLast = 3;
  w.s.spars.sparPosText[2] = "40";
  w.s.baseMode = 1;
  w.s.inverted = true;
  core::SharedState expected = w.s;
  core::ClearRib(expected);

  const std::string path = w.Project("bad.vdl", WithLine(kFullMm, kSparCountLine, " 12 "));
  EXPECT_EQ(files::OpenProjectFile(w.s, path, w.window), OpenProjectOutcome::Failed);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].title, "Erreur/1 LireEcrire/newVdl");
  EXPECT_NE(w.messages.shown[0].text.find("# 9 "), std::string::npos);
  EXPECT_EQ(files::ProjectFileText(w.s), files::ProjectFileText(expected));
  EXPECT_FALSE(w.s.airfoilLoaded);
  EXPECT_FALSE(w.s.inverted);
  EXPECT_FALSE(w.s.quietRead);
}

TEST(OpenProject, theDialogStartsWhereTheLastProjectWasAndCancelChangesNothing) {
  SelfNamingTexts texts;
  Workspace w;
  platform::ScriptedFileDialogs dialogs;
  platform::SetFileDialogs(&dialogs);
  const std::string path = w.Project("p.vdl", kFullMm);
  dialogs.answers = {"", path, ""};
  w.s.airfoilLoaded = true;
  w.s.chordText = "321";

  EXPECT_EQ(files::NewVdl(w.s, w.window), OpenProjectOutcome::Cancelled);
  EXPECT_TRUE(w.messages.shown.empty());
  EXPECT_TRUE(w.s.airfoilLoaded);
  EXPECT_EQ(w.s.chordText, "321");

  EXPECT_EQ(files::NewVdl(w.s, w.window), OpenProjectOutcome::AirfoilMissing);
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenVdl", w.s.iniFile), w.dir.File("projects/"));
  EXPECT_EQ(files::NewVdl(w.s, w.window), OpenProjectOutcome::Cancelled);
  platform::SetFileDialogs(nullptr);

  ASSERT_EQ(dialogs.requests.size(), 3u);
  EXPECT_EQ(dialogs.requests[0].filter, "MainTolbar/26 Vandrell (*.vdl)|*.vdl|");
  EXPECT_EQ(dialogs.requests[0].title, "fileopen/2");
  EXPECT_EQ(dialogs.requests[0].initialDir, w.s.airfoilDir);
  EXPECT_EQ(dialogs.requests[2].initialDir, w.dir.File("projects/"));
}

TEST(SaveProject, savingSetsTheFlagsAndRemembersTheFolder) {
  Workspace w;
  w.s.projectModified = true;
  w.s.airfoilName = "ag24";
  w.s.airfoilExt = "dat";
  const std::string path = w.dir.File("projects/rib.vdl");
  ASSERT_TRUE(files::SaveProjectAs(w.s, path));
  EXPECT_EQ(ReadFile(path), files::ProjectFileText(w.s));
  EXPECT_EQ(w.s.projectPath, path);
  EXPECT_EQ(w.s.projectTitle, "rib.vdl");
  EXPECT_FALSE(w.s.projectModified);
  EXPECT_TRUE(w.s.projectSaved);
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenVdl", w.s.iniFile), w.dir.File("projects/"));
  EXPECT_EQ(files::SaveProjectRequest(w.s).initialDir, w.dir.File("projects/"));
}

TEST(SaveProject, aFailedSaveIsReportedAndKeepsThePreviousFile) {
  SelfNamingTexts texts;
  Workspace w;
  w.s.projectModified = true;
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
}
