// The series command that the windows and vandrell-cli share: one question before files of
// an earlier series are replaced.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/ribseries.h"
#include "support/exporttest.h"
#include "support/seriesrequest.h"

namespace fs = std::filesystem;
using platform::BoxAnswer;

namespace {

class RibSeriesCommand : public testsupport::ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    fs::create_directory(dir.path() / "series");
    s.settings.seriesAirfoilDir = dir.File("series");
  }
  // clarky to naca0012, 200 to 100 mm, one rib between: three rib files and the summary.
  commands::SeriesRequest Request() const {
    return testsupport::SeriesRequestOf("clarky", "naca0012", "1", "200", "100", dir.File("series"));
  }
  std::string InSeries(const std::string& name) const { return dir.File("series/" + name); }
};

TEST_F(RibSeriesCommand, FilesOfTheSeriesInTheFolderAreReplacedOnlyAfterOneQuestion) {
  ASSERT_EQ(commands::GenerateSeriesAsking(s, Request(), "Series").outcome, commands::SeriesOutcome::Written);
  ASSERT_EQ(messages.shown.size(), 1u);  // the completion message, no question
  const std::string middle = InSeries("clarky&naca0012R02.dat");
  testsupport::WriteFile(middle, "edited by hand");

  // Cancel: one question naming the four files and the folder; nothing is written.
  messages.shown.clear();
  messages.answers = {BoxAnswer::Cancel};
  commands::SeriesResult r = commands::GenerateSeriesAsking(s, Request(), "Series");
  EXPECT_EQ(r.outcome, commands::SeriesOutcome::FilesExist);
  ASSERT_EQ(messages.shown.size(), 1u);
  const platform::BoxRequest& asked = messages.shown[0];
  EXPECT_EQ(asked.text, "FrmTraCevol/44 4\n" + dir.File("series") + "\n\nFrmTraCevol/45");
  EXPECT_EQ(asked.title, "Series");
  EXPECT_EQ(asked.buttons, platform::BoxButtons::YesNoCancel);
  EXPECT_EQ(asked.labels, (std::vector<std::string>{"FrmTraCevol/46", "FrmTraCevol/47", "TextButton/2"}));
  EXPECT_EQ(asked.defaultButton, 3);
  EXPECT_EQ(testsupport::ReadFile(middle), "edited by hand");

  // Another folder: chosen in the folder browser, kept as the series folder, and written
  // there without a second question since it holds nothing of the series.
  fs::create_directory(dir.path() / "elsewhere");
  messages.shown.clear();
  messages.answers = {BoxAnswer::No};
  dialogs.answers = {dir.File("elsewhere")};
  r = commands::GenerateSeriesAsking(s, Request(), "Series");
  EXPECT_EQ(r.outcome, commands::SeriesOutcome::Written);
  EXPECT_EQ(messages.shown.size(), 2u);  // the question, then the completion message
  EXPECT_EQ(s.settings.seriesAirfoilDir, dir.File("elsewhere"));
  EXPECT_TRUE(fs::exists(dir.File("elsewhere/clarky&naca0012_200_100_3.txt")));
  EXPECT_EQ(testsupport::ReadFile(middle), "edited by hand");

  // Replace: the files of the first folder are written again.
  messages.answers = {BoxAnswer::Yes};
  r = commands::GenerateSeriesAsking(s, Request(), "Series");
  EXPECT_EQ(r.outcome, commands::SeriesOutcome::Written);
  EXPECT_EQ(r.existing.size(), 4u);
  EXPECT_EQ(testsupport::ReadFile(middle), testsupport::ReadFile(dir.File("elsewhere/clarky&naca0012R02.dat")));
}

TEST_F(RibSeriesCommand, TheQuestionNamesWhatWouldStayAndRemovesItOnlyWhenAsked) {
  // Five ribs first, then three: R04, R05 and the five-rib summary would stay behind.
  commands::SeriesRequest five = Request();
  five.ribCount = "3";
  ASSERT_EQ(commands::GenerateSeriesAsking(s, five, "Series").outcome, commands::SeriesOutcome::Written);
  // Not of this series: another root, no rib number, a summary's name with a fourth part.
  for (const char* other : {"other&naca0012R04.dat", "clarky&naca0012.dat", "clarky&naca0012Rx.dat",
                            "clarky&naca0012_1_2_3_4.txt", "notes.txt"})
    testsupport::WriteFile(InSeries(other), "mine");
  testsupport::WriteFile(InSeries("clarky&naca0012R07in.dat"), "an inch series' rib");
  const std::vector<std::string> stay = {InSeries("clarky&naca0012R04.dat"), InSeries("clarky&naca0012R05.dat"),
                                         InSeries("clarky&naca0012R07in.dat"),
                                         InSeries("clarky&naca0012_200_100_5.txt")};

  // Replace, keep them: the question listed them; they are all still there.
  messages.shown.clear();
  messages.answers = {BoxAnswer::Yes, BoxAnswer::No};
  commands::SeriesResult r = commands::GenerateSeriesAsking(s, Request(), "Series");
  ASSERT_EQ(r.outcome, commands::SeriesOutcome::Written);
  EXPECT_EQ(r.leftBeside, stay);
  ASSERT_EQ(messages.shown.size(), 3u);  // replace?, remove?, done
  const std::string& asked = messages.shown[0].text;
  EXPECT_NE(asked.find("FrmTraCevol/48 4\n  clarky&naca0012R04.dat\n"), std::string::npos) << asked;
  EXPECT_NE(asked.find("clarky&naca0012_200_100_5.txt"), std::string::npos) << asked;
  EXPECT_EQ(messages.shown[1].buttons, platform::BoxButtons::YesNo);
  EXPECT_EQ(messages.shown[1].defaultButton, 2);
  for (const std::string& path : stay) EXPECT_TRUE(fs::exists(path)) << path;

  // Replace and remove: they go once the series is written, nothing else does.
  messages.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
  r = commands::GenerateSeriesAsking(s, Request(), "Series");
  ASSERT_EQ(r.outcome, commands::SeriesOutcome::Written);
  EXPECT_EQ(r.leftRemoved, 4);
  for (const std::string& path : stay) EXPECT_FALSE(fs::exists(path)) << path;
  for (const char* other : {"other&naca0012R04.dat", "clarky&naca0012.dat", "clarky&naca0012Rx.dat",
                            "clarky&naca0012_1_2_3_4.txt", "notes.txt", "clarky&naca0012R03.dat",
                            "clarky&naca0012_200_100_3.txt"})
    EXPECT_TRUE(fs::exists(InSeries(other))) << other;
}

// A rib file marked read-only is replaced only after a question of its own; the batch
// program's all-or-nothing series that fails says the folder holds its earlier files.
TEST_F(RibSeriesCommand, AReadOnlyFileIsAskedAboutAndAFailedSetSaysWhatStays) {
  ASSERT_EQ(commands::GenerateSeriesAsking(s, Request(), "Series").outcome, commands::SeriesOutcome::Written);
  const std::string middle = InSeries("clarky&naca0012R02.dat");
  testsupport::WriteFile(middle, "kept read-only");
  fs::permissions(middle, static_cast<fs::perms>(0444));
  messages.shown.clear();
  messages.answers = {BoxAnswer::Yes, BoxAnswer::No};
  EXPECT_EQ(commands::GenerateSeriesAsking(s, Request(), "Series").outcome, commands::SeriesOutcome::Failed);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "Erreur/215\n" + middle);
  EXPECT_EQ(messages.shown[1].defaultButton, 2);
  EXPECT_EQ(testsupport::ReadFile(middle), "kept read-only");
  messages.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
  EXPECT_EQ(commands::GenerateSeriesAsking(s, Request(), "Series").outcome, commands::SeriesOutcome::Written);
  EXPECT_NE(testsupport::ReadFile(middle), "kept read-only");
  EXPECT_EQ(fs::status(middle).permissions(), static_cast<fs::perms>(0444));

  const std::string before = testsupport::ReadFile(InSeries("clarky&naca0012R01.dat"));
  commands::SeriesRequest all = Request();
  all.rootChord = "210";
  all.replace = true;
  all.readOnly = platform::ReadOnlyFiles::Replace;
  all.mode = files::SeriesWriteMode::AllOrNothing;
  platform::ScopedNamingFault full(ENOSPC, 3);  // once the first two files have their names
  const commands::SeriesResult failed = commands::GenerateSeries(all);
  EXPECT_EQ(failed.outcome, commands::SeriesOutcome::Failed);
  EXPECT_EQ(failed.written.written, 0);
  EXPECT_EQ(testsupport::ReadFile(InSeries("clarky&naca0012R01.dat")), before);
  const std::string words = commands::SeriesFailureDescription(failed.written, all.mode);
  EXPECT_EQ(words.substr(words.rfind('\n') + 1), "FrmTraCevol/50");
  EXPECT_EQ(commands::SeriesFailureDescription(failed.written, files::SeriesWriteMode::KeepWritten)
                .substr(words.rfind('\n') + 1),
            "FrmTraCevol/34 0");
}

// A spaced series keeps the typed table: each rib's thickness, the tip's the root's, and the
// gaps in their order, for the summary to list.
TEST_F(RibSeriesCommand, ASpacedSeriesKeepsItsThicknessesAndGapsInOrder) {
  commands::SeriesRequest r = Request();
  r.kind = commands::SeriesKind::Spaced;
  r.endThickness = "2";
  r.thickness = {"3"};
  r.gaps = {"97", "98"};
  const commands::SeriesResult result = commands::GenerateSeries(r);
  ASSERT_EQ(result.outcome, commands::SeriesOutcome::Written);
  EXPECT_EQ(result.job.thicknessMm, (std::vector<float>{2, 3, 2}));
  EXPECT_EQ(result.job.gapMm, (std::vector<float>{97, 98}));
}

}  // namespace
