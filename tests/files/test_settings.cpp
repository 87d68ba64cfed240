// The settings file outlives every session: a first run must leave a complete file, a
// later start must read back exactly what was confirmed, and a hand-edited file must
// never put an impossible colour, style or paper size into the state.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <filesystem>
#include <memory>
#include <optional>

#include "files/ini.h"
#include "files/settings.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "platform/userstore.h"
#include "support/testsupport.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::WriteFile;

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    programDir = (dir.path() / "prog").string();
    airfoils = (dir.path() / "airfoils").string();
    series = (dir.path() / "series").string();
    for (const std::string& d : {programDir, airfoils, series}) fs::create_directory(d);
    s.settings.programDir = programDir;
    s.settings.iniFile = dir.File("Vandrell.ini");
    platform::SetTextLookup([](std::string_view section, std::string_view key) {
      return std::string(section) + "/" + std::string(key);
    });
    // The user's data folder of a first run, away from the real one.
    userData = (dir.path() / "data").string();
    dataHome.emplace("XDG_DATA_HOME", userData.c_str());
  }
  void TearDown() override { platform::SetTextLookup(nullptr); }

  // The state of a new start of the program over the same settings file.
  std::unique_ptr<core::RibDocument> Restart() {
    auto r = std::make_unique<core::RibDocument>();
    r->settings.programDir = programDir;
    r->settings.iniFile = s.settings.iniFile;
    files::StartSettings(*r);
    return r;
  }

  // A completed set-up with both airfoil directories present.
  void WriteInstalledIni(const std::string& extra = "") {
    WriteFile(s.settings.iniFile, "[Repertoires]\r\nInstall=1\r\nRepProfil=" + airfoils + "\r\nRepProfilevol=" + series +
                             "\r\n" + extra);
  }

  testsupport::TempDir dir;
  std::string programDir, airfoils, series, userData;
  std::optional<testsupport::ScopedEnv> dataHome;
  core::RibDocument s;
  platform::RecordingMessages messages;
  platform::ScopedMessages scopedMessages{&messages};
  platform::MemoryUserStore store;
  platform::ScopedUserStore scopedStore{&store};
};

TEST_F(Settings, FirstRunWritesEveryDefaultAndInstallOnlyAtTheEnd) {
  store.Set("Install", "RepAirfoil", airfoils);
  store.Set("Install", "RepEvol", series);
  files::StartSettings(s);
  EXPECT_TRUE(s.settings.firstRun);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(s.settings.airfoilDir, airfoils);
  EXPECT_EQ(s.settings.seriesAirfoilDir, series);

  // The open dialog starts among the airfoils.
  const std::string directories = "[Repertoires]\r\nRepProfil=" + airfoils + "\r\nRepProfilevol=" + series +
                                  "\r\nLastOpenProfil=" + airfoils + "\r\n";
  const std::string rest =
      "\r\n[Couleurs]\r\ncoulprofil=0\r\ncoulcoffrage=9\r\ncoulaxe=12\r\ncoulong=13\r\ncoulba=9\r\ncoulbf=9\r\n"
      "coultrou=5\r\ncoulrep=12\r\ncoulbloc=1\r\ncoulprofil1=5\r\ncoulprofil2=9\r\n"
      "\r\n[StyleLignes]\r\nlineprofil=0\r\nlinecoffrage=0\r\nlineaxe=3\r\nlinelong=0\r\nlineba=0\r\nlinebf=0\r\n"
      "linetrou=0\r\nlinerep=0\r\nlinebloc=0\r\nlineprofil1=0\r\nlineprofil2=0\r\n"
      "\r\n[Eprlines]\r\nprofil=1\r\neplinecoffrage=1\r\neplinelong=1\r\neplineba=1\r\neplinebf=1\r\neplinetrou=1\r\n"
      "eplinerep=1\r\neplinebloc=1\r\n"
      "\r\n[InsText]\r\nTailleFont=9\r\n"
      "\r\n[Defaut]\r\nunit= mm\r\ncordeAfich=200\r\nEpCoffrageAfich=1.5\r\nEpBAAfich=0\r\nHTblocAfich=0\r\n"
      "BAblocAfich=0\r\nBFblocAfich=0\r\n"
      "\r\n[Marges]\r\nMargeHaut=10\r\nMargeBas=15\r\nrecouvrement=20\r\nNumIndex=0\r\nYdprint=50\r\n";
  EXPECT_EQ(ReadFile(s.settings.iniFile), directories + rest);

  // Install is written after everything else, once the main window is up.
  files::CompleteFirstRun(s);
  EXPECT_FALSE(s.settings.firstRun);
  EXPECT_EQ(ReadFile(s.settings.iniFile), directories + "Install=1\r\n" + rest);
}

TEST_F(Settings, ADefaultInstallUsesTheStarterSetAndAUserSeriesFolderAndRaisesNoAlert) {
  // Nothing in the per-user store; the starter airfoils beside the program.
  fs::create_directory(fs::path(programDir) / "airfoils");
  files::StartSettings(s);
  const std::string starter = (fs::path(programDir) / "airfoils").string();
  const std::string userSeries = (fs::path(userData) / "vandrell" / "series").string();
  EXPECT_EQ(s.settings.airfoilDir, starter);
  EXPECT_EQ(s.settings.lastOpenDir, starter);
  EXPECT_EQ(s.settings.seriesAirfoilDir, userSeries);
  EXPECT_TRUE(fs::is_directory(userSeries));
  files::CompleteFirstRun(s);
  const auto next = Restart();
  EXPECT_EQ(next->settings.airfoilDir, starter);
  EXPECT_EQ(next->settings.seriesAirfoilDir, userSeries);
  EXPECT_FALSE(files::AirfoilDirectoryProblem(*next));
}

TEST_F(Settings, InterruptedFirstRunIsDoneAgainAndAfterItTheDirectoryCheckRuns) {
  files::StartSettings(s);
  EXPECT_TRUE(s.settings.firstRun);
  auto again = Restart();
  EXPECT_TRUE(again->settings.firstRun);
  EXPECT_TRUE(messages.shown.empty());

  // With no directory in the user store and no starter set beside the program, the
  // airfoil directory is the program directory, for the next start to point out.
  files::CompleteFirstRun(*again);
  const auto next = Restart();
  EXPECT_FALSE(next->settings.firstRun);
  const std::optional<files::DirectoryProblem> problem = files::AirfoilDirectoryProblem(*next);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->dir, programDir);
  EXPECT_FALSE(problem->missing);
  // Reading settings tells the user nothing: that is the caller's.
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Settings, StartReadsBackEverythingThatWasSavedInInches) {
  s.settings.unitText = " in";
  s.style.ColourOf(core::Element::Hole) = 14;
  s.style.LineStyleOf(core::Element::ReferenceLine) = 4;
  s.style.WidthOf(core::WidthElement::Block) = 3;
  s.rib.caption.fontSize = 7.5f;
  s.rib.chord.text = "8";
  s.rib.sheeting.text = "1/16";
  s.rib.leadingEdge.text = "0.1/4";
  s.rib.blocks.leadingExtension.text = "1.1/2";
  s.settings.airfoilDir = airfoils;
  s.settings.seriesAirfoilDir = series;
  s.settings.lastOpenDir = airfoils + "/naca";
  s.print.topMargin.text = "1/2";
  s.print.overlap.text = "1";
  s.print.paperIndex = 8;
  s.print.chordLineFromTop.text = "2.3/4";
  files::SaveAllSettings(s);
  files::CompleteFirstRun(s);

  const auto restarted = Restart();
  const core::RibDocument& r = *restarted;
  EXPECT_FALSE(r.settings.firstRun);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(std::tuple(r.settings.unitText, r.style.colour, r.style.lineStyle, r.style.lineWidth, r.rib.caption.fontSize, r.rib.chord.text, r.print.paperIndex),
            std::tuple(" in", s.style.colour, s.style.lineStyle, s.style.lineWidth, 7.5f, "8", 8));
  EXPECT_EQ(std::tuple(r.settings.airfoilDir, r.settings.seriesAirfoilDir, r.settings.lastOpenDir), std::tuple(airfoils, series, airfoils + "/naca"));
  EXPECT_FLOAT_EQ(r.rib.chord.mm, 203.2f);
  EXPECT_FLOAT_EQ(r.rib.sheeting.mm, 25.4f / 16);
  EXPECT_FLOAT_EQ(r.rib.leadingEdge.mm, 25.4f / 4);
  EXPECT_FLOAT_EQ(r.rib.blocks.leadingExtension.mm, 1.5f * 25.4f);
  EXPECT_FLOAT_EQ(r.print.topMargin.mm, 12.7f);
  EXPECT_FLOAT_EQ(r.print.overlap.mm, 25.4f);
  // The chord line's print position is kept as set, a length like any other.
  EXPECT_EQ(r.print.chordLineFromTop.text, "2.3/4");
  EXPECT_FLOAT_EQ(r.print.chordLineFromTop.mm, 69.85f);
}

TEST_F(Settings, HandEditedValuesThatAreMissingNotNumbersOrOutOfRangeKeepTheirDefaults) {
  WriteInstalledIni(
      "[Couleurs]\r\ncoulprofil=abc\r\ncoulcoffrage=\r\ncoulaxe=15\r\ncoulong=-1\r\ncoulba=3.5\r\ncoulbf=14\r\n"
      "coultrou=99999999999999999999\r\ncoulrep=0x1\r\n"
      "[StyleLignes]\r\nlineprofil=5\r\nlinecoffrage=4\r\nlinetrou=-0\r\n"
      "[Eprlines]\r\nprofil=0\r\neplinecoffrage=4\r\neplinerep=2\r\n"
      "[InsText]\r\nTailleFont=0\r\n"
      "[Marges]\r\nNumIndex=9\r\nMargeBas=x\r\nYdprint=\r\n[Defaut]\r\nunit=\r\nEpCoffrageAfich=2\r\nEpBAAfich=abc\r\n");
  files::StartSettings(s);
  // A missing or unreadable length reads as its default and a missing unit as millimetres.
  EXPECT_EQ(std::tuple(s.settings.unitText, s.rib.chord.text, s.rib.chord.mm, s.rib.sheeting.mm, s.rib.leadingEdge.text),
            std::tuple(" mm", "200", 200.0f, 2.0f, "0"));
  EXPECT_EQ(std::tuple(s.print.topMargin.mm, s.print.bottomMargin.text, s.print.overlap.mm, s.print.chordLineFromTop.text),
            std::tuple(10.0f, "15", 20.0f, "50"));
  core::Style expected;
  expected.ColourOf(core::Element::TrailingEdge) = 14;  // the last colour the palette offers
  EXPECT_EQ(s.style.colour, expected.colour);
  std::array<std::int16_t, core::kElementCount> styles{};
  styles[1] = 4;  // the sheeting
  styles[2] = 3;  // the chord axis: missing key, dash-dot
  EXPECT_EQ(s.style.lineStyle, styles);
  std::array<std::int16_t, core::kWidthCount> widths;
  widths.fill(1);
  widths[6] = 2;  // the reference lines
  EXPECT_EQ(s.style.lineWidth, widths);
  EXPECT_EQ(s.rib.caption.fontSize, 9.0f);
  EXPECT_EQ(s.print.paperIndex, 0);

  // Paper 9 would index past the table even after the print dialog read it again.
  s.print.paperIndex = 3;
  files::ReadMarginSettings(s);
  EXPECT_EQ(s.print.paperIndex, 0);
}

// Only the first finding counts: a missing folder before one that is the program folder,
// RepProfil before RepProfilevol.
TEST_F(Settings, DirectoryProblemIsTheFirstFinding) {
  const std::string gone = (dir.path() / "gone").string();
  const struct {
    std::string airfoilDir, seriesDir, problemDir;  // problemDir "": none
    bool missing;
  } cases[] = {{airfoils, series, "", false},           {gone, series, gone, true},
               {gone, gone, gone, true},                {airfoils, gone, gone, true},
               {programDir, gone, gone, true},          {programDir, series, programDir, false},
               {airfoils, programDir, programDir, false}, {programDir, programDir, programDir, false},
               // A trailing separator still names the program folder.
               {programDir + "/", series, programDir + "/", false}};
  for (const auto& c : cases) {
    s.settings.airfoilDir = c.airfoilDir;
    s.settings.seriesAirfoilDir = c.seriesDir;
    SCOPED_TRACE(c.airfoilDir + " | " + c.seriesDir);
    const std::optional<files::DirectoryProblem> problem = files::AirfoilDirectoryProblem(s);
    if (c.problemDir.empty()) {
      EXPECT_FALSE(problem);
      continue;
    }
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->dir, c.problemDir);
    EXPECT_EQ(problem->missing, c.missing);
  }
}

TEST_F(Settings, RecentFilesMoveUpDropTheOldestAndIgnoreTheNewest) {
  using files::AddRecentFile;
  using files::RecentFileList;
  using List = std::vector<std::string>;
  EXPECT_EQ(RecentFileList(s), List{});
  for (const char* p : {"/old4", "/old3", "/old2", "/old1"}) AddRecentFile(s, p);
  ASSERT_EQ(RecentFileList(s), (List{"/old1", "/old2", "/old3", "/old4"}));

  AddRecentFile(s, "/old3");
  EXPECT_EQ(RecentFileList(s), (List{"/old3", "/old1", "/old2", "/old4"}));

  AddRecentFile(s, "/fifth");
  EXPECT_EQ(RecentFileList(s), (List{"/fifth", "/old3", "/old1", "/old2"}));

  const std::string before = ReadFile(s.settings.iniFile);
  AddRecentFile(s, "/fifth");
  EXPECT_EQ(ReadFile(s.settings.iniFile), before);

  // The comparison is exact: another case is another file.
  AddRecentFile(s, "/FIFTH");
  EXPECT_EQ(RecentFileList(s), (List{"/FIFTH", "/fifth", "/old3", "/old1"}));
}

TEST_F(Settings, RecentListStopsAtTheFirstGapAndSkipsPathsItCouldNotGiveBack) {
  WriteFile(s.settings.iniFile, "[LastFiles]\r\nRecentFile1=/a\r\nRecentFile2=/b\r\nRecentFile4=/d\r\n");
  EXPECT_EQ(files::RecentFileList(s), (std::vector<std::string>{"/a", "/b"}));
  WriteFile(s.settings.iniFile, "[LastFiles]\r\nRecentFile2=/b\r\n");
  EXPECT_TRUE(files::RecentFileList(s).empty());

  // 200 characters would read back cut, match nothing and fill the list with copies.
  WriteFile(s.settings.iniFile, "");
  const std::string longPath = "/" + std::string(199, 'x');
  files::AddRecentFile(s, longPath);
  files::AddRecentFile(s, longPath);
  EXPECT_TRUE(files::RecentFileList(s).empty());
}

TEST_F(Settings, BatchLoadNeverWritesAndNeverAlerts) {
  // No settings file: defaults, and no file appears.
  EXPECT_FALSE(files::LoadSettingsForBatch(s));
  EXPECT_FALSE(fs::exists(s.settings.iniFile));
  EXPECT_EQ(s.rib.chord.text, "200");
  EXPECT_EQ(s.settings.airfoilDir, programDir);

  // A file without Install is an unfinished first run: its values are not taken.
  WriteFile(s.settings.iniFile, "[Defaut]\r\ncordeAfich=300\r\n");
  EXPECT_FALSE(files::LoadSettingsForBatch(s));
  EXPECT_EQ(s.rib.chord.text, "200");
  EXPECT_EQ(ReadFile(s.settings.iniFile), "[Defaut]\r\ncordeAfich=300\r\n");

  // A completed one is read, missing directories and all, without a box.
  WriteFile(s.settings.iniFile, "[Repertoires]\r\nInstall=1\r\nRepProfil=/nowhere\r\n[Defaut]\r\ncordeAfich=300\r\n");
  EXPECT_TRUE(files::LoadSettingsForBatch(s));
  EXPECT_EQ(s.rib.chord.mm, 300.0f);
  EXPECT_EQ(s.settings.airfoilDir, "/nowhere");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Settings, FileExistsForFilesOnly) {
  const std::string file = dir.File("kaldrex.exe");
  WriteFile(file, "x");
  EXPECT_TRUE(files::FileExists(file) && files::FileExists(file + "/"));
  EXPECT_FALSE(files::FileExists(programDir) || files::FileExists(dir.File("none")) || files::FileExists(""));
}

}  // namespace
