#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/lengths.h"
#include "files/airfoilfile.h"
#include "files/seriesfiles.h"
#include "support/testsupport.h"

namespace fs = std::filesystem;
using core::SeriesRib;

namespace {

// Three stations where the airfoils agree at the trailing edge and differ elsewhere.
files::SeriesJob SmallJob(int intermediates, const std::string& folder = ".") {
  files::SeriesJob job;
  job.folder = folder;
  job.rootName = "A";
  job.tipName = "B";
  job.rootChordMm = 200;
  job.tipChordMm = 100;
  job.rootChordText = "200";
  job.tipChordText = "100";
  job.stations.x = {1, 0.5, 0, 0.5, 1};
  job.stations.rootY = {0, 0.08, 0, -0.02, 0};
  job.stations.tipY = {0, 0.04, 0.002, -0.01, 0};
  job.ribs = core::EvenSeriesRibs(200, 100, intermediates);
  return job;
}

}  // namespace

TEST(SeriesFiles, NamesTakeTheRibWordsFirstLetterAndTwoDigitNumbers) {
  files::SeriesJob job = SmallJob(10);
  EXPECT_EQ(files::RibFileName(job, 1), "A&BR01.dat");
  EXPECT_EQ(files::RibFileName(job, 9), "A&BR09.dat");
  EXPECT_EQ(files::RibFileName(job, 12), "A&BR12.dat");
  job.unitText = " in";
  EXPECT_EQ(files::RibFileName(job, 2), "A&BR02in.dat");
  job.words.ribWord = "Épure";  // a first letter of two bytes stays whole
  EXPECT_EQ(files::RibFileName(job, 3), "A&BÉ03in.dat");
}

TEST(SeriesFiles, RibFilesCarryTheTitleAndTheStationsWithCrLfLines) {
  const files::SeriesJob job = SmallJob(3);
  // Root: its own heights, two blanks between the columns.
  EXPECT_EQ(files::RibFileText(job, job.ribs[0]),
            "Rib 1 Chord : 200.00\r\n"
            "1.0000000  0.0000000\r\n0.5000000  0.0800000\r\n0.0000000  0.0000000\r\n"
            "0.5000000  -0.0200000\r\n1.0000000  0.0000000\r\n");
  // Rib 3 of 5, halfway: three blanks; 0.08 - 0.04 / 2 = 0.06, -0.02 + 0.01 / 2 = -0.015.
  EXPECT_EQ(files::RibFileText(job, job.ribs[2]),
            "Rib 3 Chord : 150.00\r\n"
            "1.0000000   0.0000000\r\n0.5000000   0.0600000\r\n0.0000000   0.0010000\r\n"
            "0.5000000   -0.0150000\r\n1.0000000   0.0000000\r\n");
  // The tip: the tip's own heights.
  const std::string tip = files::RibFileText(job, job.ribs[4]);
  EXPECT_EQ(tip.substr(0, tip.find("\r\n")), "Rib 5 Chord : 100.00");
  EXPECT_NE(tip.find("0.0000000  0.0020000\r\n"), std::string::npos);

  files::SeriesJob big = job;
  big.ribs = core::EvenSeriesRibs(1999, 1000, 1);
  EXPECT_EQ(files::RibTitle(big, big.ribs[1]), "Rib 2 Chord : 1 499.50");
}

TEST(SeriesFiles, InchTitlesShowTheTypedChordsAtTheEnds) {
  files::SeriesJob job = SmallJob(1);
  job.unitText = " in";
  job.rootChordText = "7.7/8";
  job.tipChordText = "4";
  job.rootChordMm = core::LengthFromText("7.7/8", " in");
  job.tipChordMm = core::LengthFromText("4", " in");
  job.ribs = core::EvenSeriesRibs(job.rootChordMm, job.tipChordMm, 1);
  EXPECT_EQ(files::RibTitle(job, job.ribs[0]), "Rib 1 Chord : 7.7/8 in");
  // Halfway: (7.875 + 4) / 2 = 5.9375 = 5 15/16 inches.
  EXPECT_EQ(files::RibTitle(job, job.ribs[1]), "Rib 2 Chord : 5.15/16 in");
  EXPECT_EQ(files::RibTitle(job, job.ribs[2]), "Rib 3 Chord : 4 in");
  // The summary's name: "%.7g" of the 32-bit millimetres (200.025 and 101.6).
  EXPECT_EQ(files::SummaryFileName(job), "A&B_200.025_101.6_3.txt");
}

TEST(SeriesFiles, SummaryListsEveryRibsChordInMillimetres) {
  files::SeriesJob job = SmallJob(9);
  job.words.summaryTitle = "Ribs";
  job.words.summaryUnit = "Unit";
  EXPECT_EQ(files::SummaryFileName(job), "A&B_200_100_11.txt");
  const std::string text = files::SummaryText(job);
  EXPECT_EQ(text.substr(0, 30), "Ribs Unit :  mm\r\n\r\nRib #01 Cho");
  EXPECT_NE(text.find("Rib #09 Chord : 120.00\r\nRib #10 Chord : 110.00\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 24), "Rib #11 Chord : 100.00\r\n");

  // The spaced series adds thicknesses and gaps.
  files::SeriesJob spaced = SmallJob(0);
  spaced.thicknessMm = {2, 3};
  spaced.gapMm = {98};
  EXPECT_NE(files::SummaryText(spaced).find("Rib #01 Thickness = 2.00\r\nGap #01-#02 = 98.00\r\nRib #02 Thickness = 3.00\r\n"),
            std::string::npos);
}

TEST(SeriesFiles, WritesEveryRibAndTheSummaryReplacingOldFiles) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir.File("A&BR02.dat"), "old");
  const files::SeriesJob job = SmallJob(0, dir.path().string());
  const files::SeriesWriteResult r = files::WriteSeries(job);
  EXPECT_EQ(std::tuple(r.ok, r.written, r.summaryPath), std::tuple(true, 2, dir.File("A&B_200_100_2.txt")));
  EXPECT_EQ(testsupport::ReadFile(dir.File("A&BR02.dat")), files::RibFileText(job, job.ribs[1]));
  EXPECT_EQ(testsupport::FileNamesIn(dir.path()), (std::vector<std::string>{"A&BR01.dat", "A&BR02.dat", "A&B_200_100_2.txt"}));
}

TEST(SeriesFiles, AFailedSeriesNamesTheFileAndLeavesNoHalfWrittenOne) {
  testsupport::TempDir dir;
  // A folder in the place of the third rib's file: that file cannot be written.
  fs::create_directory(dir.path() / "A&BR03.dat");
  const files::SeriesWriteResult r = files::WriteSeries(SmallJob(3, dir.path().string()));
  EXPECT_EQ(std::tuple(r.ok, r.written, r.failedPath), std::tuple(false, 2, dir.File("A&BR03.dat")));
  EXPECT_EQ(testsupport::FileNamesIn(dir.path()), (std::vector<std::string>{"A&BR01.dat", "A&BR02.dat", "A&BR03.dat"}));

  // All or nothing (the batch program): the same folder in the way stops it before any file.
  testsupport::TempDir other;
  fs::create_directory(other.path() / "A&BR03.dat");
  const files::SeriesWriteResult none3 = files::WriteSeries(SmallJob(3, other.path().string()),
                                                            files::SeriesWriteMode::AllOrNothing);
  EXPECT_EQ(std::tuple(none3.ok, none3.written, none3.failedPath), std::tuple(false, 0, other.File("A&BR03.dat")));
  EXPECT_EQ(testsupport::FileNamesIn(other.path()), std::vector<std::string>{"A&BR03.dat"});  // the folder only

  // A folder that does not exist: nothing is created.
  const std::string missing = dir.File("nowhere");
  const files::SeriesWriteResult none = files::WriteSeries(SmallJob(1, missing));
  EXPECT_EQ(std::tuple(none.ok, none.written, none.error.number), std::tuple(false, 0, platform::kErrPathNotFound));
  EXPECT_FALSE(fs::exists(missing));
}

TEST(SeriesFiles, TwelveRibsBetweenRealAirfoilsReadBackAsAirfoils) {
  testsupport::TempDir dir;
  files::AirfoilData root, tip;
  ASSERT_TRUE(files::ReadAirfoilFile(testsupport::AirfoilPath("clarky.dat"), root).ok());
  ASSERT_TRUE(files::ReadAirfoilFile(testsupport::AirfoilPath("naca0012.dat"), tip).ok());
  files::SeriesJob job;
  job.folder = dir.path().string();
  job.rootName = "clarky";
  job.tipName = "naca0012";
  job.rootChordMm = 220;
  job.tipChordMm = 140;
  job.stations = core::CommonStationsOf(root, tip);
  job.ribs = core::EvenSeriesRibs(220, 140, 10);
  const files::SeriesWriteResult w = files::WriteSeries(job);
  ASSERT_TRUE(w.ok);
  ASSERT_EQ(w.paths.size(), 12u);
  const bool rootLeads = root.points.size() >= tip.points.size();
  const files::AirfoilData& master = rootLeads ? root : tip;
  for (const std::string& path : w.paths) {
    files::AirfoilData back;
    ASSERT_TRUE(files::ReadAirfoilFile(path, back).ok()) << path;
    EXPECT_EQ(back.points.size(), master.points.size()) << path;
  }
  // The master airfoil's file gives its own points back to 7 decimals.
  files::AirfoilData first;
  files::ReadAirfoilFile(w.paths[rootLeads ? 0 : 11], first);
  ASSERT_EQ(first.points.size(), master.points.size());
  for (std::size_t i = 0; i < master.points.size(); ++i) {
    EXPECT_NEAR(first.points[i].x, master.points[i].x, 5e-8);
    EXPECT_NEAR(first.points[i].y, master.points[i].y, 5e-8);
  }
}

TEST(SeriesFiles, ASummaryReadsBackWithItsRibsAndTheirFiles) {
  testsupport::TempDir dir;
  files::SeriesJob job = SmallJob(3, dir.path().string());
  job.words.ribWord = "Nervure";
  job.words.chordLabel = "Corde";
  job.ribs = core::EvenSeriesRibs(1200, 1000, 3);
  job.rootChordMm = 1200;
  job.tipChordMm = 1000;
  ASSERT_TRUE(files::WriteSeries(job).ok);
  files::SeriesJob back;
  ASSERT_TRUE(files::ReadSeriesSummary(dir.File("A&B_1200_1000_5.txt"), back).ok());
  EXPECT_EQ(back.folder, dir.path().string());
  ASSERT_EQ(back.ribs.size(), 5u);
  EXPECT_EQ(back.ribs[2].number, 3);
  EXPECT_DOUBLE_EQ(back.ribs[1].chordMm, 1150);  // "1 150.00": the blank groups thousands
  EXPECT_DOUBLE_EQ(back.ribs[2].fraction, 0.5);
  EXPECT_EQ(back.ribs.back().end, SeriesRib::End::Tip);
  for (const SeriesRib& rib : back.ribs)
    EXPECT_TRUE(fs::exists(dir.path() / files::RibFileName(back, rib.number))) << rib.number;

  // A spaced series: the mid-plane positions again from the thicknesses and gaps.
  files::SeriesJob spaced = SmallJob(1, dir.path().string());
  spaced.rootName = "C";
  spaced.thicknessMm = {2, 10, 2};
  spaced.gapMm = {40, 60};
  ASSERT_TRUE(files::WriteSeries(spaced).ok);
  ASSERT_TRUE(files::ReadSeriesSummary(dir.File("C&B_200_100_3.txt"), back).ok());
  ASSERT_EQ(back.ribs.size(), 3u);
  EXPECT_EQ(back.gapMm, spaced.gapMm);
  EXPECT_DOUBLE_EQ(back.ribs[1].positionMm, 1 + 40 + 5);
  EXPECT_DOUBLE_EQ(back.ribs[2].positionMm, 46 + 5 + 60 + 1);
  EXPECT_DOUBLE_EQ(back.ribs[1].fraction, 46.0 / 112);

  testsupport::WriteFile(dir.File("notes_1_2_3.txt"), "shopping list\r\nbread\r\n");
  EXPECT_FALSE(files::ReadSeriesSummary(dir.File("notes_1_2_3.txt"), back).ok());
  EXPECT_FALSE(files::ReadSeriesSummary(dir.File("missing_1_2_3.txt"), back).ok());
}

// A summary can name at most the 92 ribs of the largest series (root, 90 intermediate
// ribs, tip); one naming more is no summary of ours and is refused whole.
TEST(SeriesFiles, ASummaryOfMoreRibsThanASeriesHasIsRefused) {
  testsupport::TempDir dir;
  const auto summaryOf = [](int ribs) {
    std::string text = "Ribs Unit :  mm\r\n\r\n";
    for (int i = 1; i <= ribs; ++i) text += "Rib #" + std::string(i < 10 ? "0" : "") + std::to_string(i) + " Chord : 100.00\r\n";
    return text;
  };
  files::SeriesJob job;
  testsupport::WriteFile(dir.File("A&B_100_100_92.txt"), summaryOf(92));
  const files::SummaryReadResult largest = files::ReadSeriesSummary(dir.File("A&B_100_100_92.txt"), job);
  EXPECT_TRUE(largest.ok());
  EXPECT_EQ(job.ribs.size(), 92u);
  EXPECT_EQ(job.ribs.back().number, 92);

  testsupport::WriteFile(dir.File("A&B_100_100_93.txt"), summaryOf(93));
  EXPECT_EQ(files::ReadSeriesSummary(dir.File("A&B_100_100_93.txt"), job).problem, files::SummaryProblem::TooManyRibs);
  EXPECT_TRUE(job.ribs.empty());
  EXPECT_EQ(files::ReadSeriesSummary(dir.File("A&B_100_100_none.txt"), job).problem, files::SummaryProblem::Unreadable);
}
