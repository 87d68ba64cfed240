// The settings file outlives every session: a first run must leave a complete file, a
// later start must read back exactly what was confirmed, and a hand-edited file must
// never put an impossible colour, style or paper size into the state.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <filesystem>
#include <memory>

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
    s.programDir = programDir;
    s.iniFile = dir.File("Vandrell.ini");
    platform::SetTextLookup([](std::string_view section, std::string_view key) {
      return std::string(section) + "/" + std::string(key);
    });
  }
  void TearDown() override { platform::SetTextLookup(nullptr); }

  // The state of a new start of the program over the same settings file.
  std::unique_ptr<core::SharedState> Restart() {
    auto r = std::make_unique<core::SharedState>();
    r->programDir = programDir;
    r->iniFile = s.iniFile;
    files::StartSettings(*r);
    return r;
  }

  // A completed set-up with both airfoil directories present.
  void WriteInstalledIni(const std::string& extra = "") {
    WriteFile(s.iniFile, "[Repertoires]\r\nInstall=1\r\nRepProfil=" + airfoils + "\r\nRepProfilevol=" + series +
                             "\r\n" + extra);
  }

  testsupport::TempDir dir;
  std::string programDir, airfoils, series;
  core::SharedState s;
  platform::RecordingMessages messages;
  platform::ScopedMessages scopedMessages{&messages};
  platform::MemoryUserStore store;
  platform::ScopedUserStore scopedStore{&store};
};

TEST_F(Settings, FirstRunWritesEveryDefaultAndInstallOnlyAtTheEnd) {
  store.Set("Install", "RepAirfoil", airfoils);  // RepEvol unset: the program directory
  files::StartSettings(s);
  EXPECT_EQ(s.firstRun, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(s.airfoilDir, airfoils);
  EXPECT_EQ(s.seriesAirfoilDir, programDir);

  const std::string directories = "[Repertoires]\r\nRepProfil=" + airfoils + "\r\nRepProfilevol=" + programDir +
                                  "\r\nLastOpenProfil=" + programDir + "\r\n";
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
  EXPECT_EQ(ReadFile(s.iniFile), directories + rest);

  // Install is written after everything else, once the main window is up.
  files::CompleteFirstRun(s);
  EXPECT_EQ(s.firstRun, 0);
  EXPECT_EQ(ReadFile(s.iniFile), directories + "Install=1\r\n" + rest);
}

TEST_F(Settings, InterruptedFirstRunIsDoneAgainAndAfterItTheDirectoryCheckRuns) {
  files::StartSettings(s);
  EXPECT_EQ(s.firstRun, 1);
  auto again = Restart();
  EXPECT_EQ(again->firstRun, 1);
  EXPECT_TRUE(messages.shown.empty());

  // With no directory in the user store both airfoil directories are the program
  // directory, which the next start points out (alert B for RepProfil).
  files::CompleteFirstRun(*again);
  EXPECT_EQ(Restart()->firstRun, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(programDir + "/airfoils  /...  "), std::string::npos);
}

TEST_F(Settings, StartReadsBackEverythingThatWasSavedInInches) {
  s.unitText = " in";
  s.colour[core::kElemTrou] = 14;
  s.lineStyle[core::kElemRep] = 4;
  s.lineWidth[core::kWidthBloc] = 3;
  s.textFontSize = 7.5f;
  s.chordText = "8";
  s.sheetingText = "1/16";
  s.leadingEdgeText = "0.1/4";
  s.blockLeText = "1.1/2";
  s.airfoilDir = airfoils;
  s.seriesAirfoilDir = series;
  s.lastOpenDir = airfoils + "/naca";
  s.margeHautText = "1/2";
  s.recouvrementText = "1";
  s.numIndex = 8;
  files::SaveAllSettings(s);
  EXPECT_TRUE(s.iniWriteOk);
  files::CompleteFirstRun(s);

  const auto restarted = Restart();
  const core::SharedState& r = *restarted;
  EXPECT_EQ(r.firstRun, 0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(std::tuple(r.unitText, r.colour, r.lineStyle, r.lineWidth, r.textFontSize, r.chordText, r.numIndex),
            std::tuple(" in", s.colour, s.lineStyle, s.lineWidth, 7.5f, "8", 8));
  EXPECT_EQ(std::tuple(r.airfoilDir, r.seriesAirfoilDir, r.lastOpenDir), std::tuple(airfoils, series, airfoils + "/naca"));
  EXPECT_FLOAT_EQ(r.chord, 203.2f);
  EXPECT_FLOAT_EQ(r.sheetingThickness, 25.4f / 16);
  EXPECT_FLOAT_EQ(r.leadingEdgeDepth, 25.4f / 4);
  EXPECT_FLOAT_EQ(r.blockLe, 1.5f * 25.4f);
  EXPECT_FLOAT_EQ(r.margeHaut, 12.7f);
  EXPECT_FLOAT_EQ(r.recouvrement, 25.4f);
  // The chord line's print position follows the unit, as a length like any other.
  EXPECT_EQ(r.ydprintText, "2");
  EXPECT_FLOAT_EQ(r.ydprint, 50.8f);
}

TEST_F(Settings, HandEditedValuesThatAreMissingNotNumbersOrOutOfRangeKeepTheirDefaults) {
  WriteInstalledIni(
      "[Couleurs]\r\ncoulprofil=abc\r\ncoulcoffrage=\r\ncoulaxe=15\r\ncoulong=-1\r\ncoulba=3.5\r\ncoulbf=14\r\n"
      "coultrou=99999999999999999999\r\ncoulrep=0x1\r\n"
      "[StyleLignes]\r\nlineprofil=5\r\nlinecoffrage=4\r\nlinetrou=-0\r\n"
      "[Eprlines]\r\nprofil=0\r\neplinecoffrage=4\r\neplinerep=2\r\n"
      "[InsText]\r\nTailleFont=0\r\n"
      "[Marges]\r\nNumIndex=9\r\n[Defaut]\r\nunit=\r\nEpCoffrageAfich=2\r\n");
  files::StartSettings(s);
  // A missing length reads as zero and a missing unit as millimetres.
  EXPECT_EQ(std::tuple(s.unitText, s.chordText, s.chord, s.sheetingThickness), std::tuple(" mm", "", 0.0f, 2.0f));
  auto colours = core::kDefaultColours;
  colours[core::kElemBf] = 14;  // the last colour the palette offers
  EXPECT_EQ(s.colour, colours);
  std::array<std::int16_t, core::kElementCount> styles{};
  styles[core::kElemCoffrage] = 4;
  styles[core::kElemAxe] = 3;  // missing key
  EXPECT_EQ(s.lineStyle, styles);
  std::array<std::int16_t, core::kWidthCount> widths;
  widths.fill(1);
  widths[core::kWidthRep] = 2;
  EXPECT_EQ(s.lineWidth, widths);
  EXPECT_EQ(s.textFontSize, 9.0f);
  EXPECT_EQ(s.numIndex, 0);

  // Paper 9 would index past the table even after the print dialog read it again.
  s.numIndex = 3;
  files::ReadMarginSettings(s);
  EXPECT_EQ(s.numIndex, 0);
}

// Only the first finding is shown: a missing folder (alert A) before one that is the
// program folder (alert B), RepProfil before RepProfilevol.
TEST_F(Settings, DirectoryCheckShowsOnlyTheFirstFinding) {
  const std::string gone = (dir.path() / "gone").string(), hintB = "/airfoils  /...  ";
  const struct {
    std::string repProfil, repProfilevol, alertDir, hint;  // alertDir "": no alert
  } cases[] = {{airfoils, series, "", ""},           {gone, series, gone, " "},
               {gone, gone, gone, " "},               {airfoils, gone, gone, " "},
               {programDir, gone, gone, " "},         {programDir, series, programDir, hintB},
               {airfoils, programDir, programDir, hintB}, {programDir, programDir, programDir, hintB},
               // A trailing separator still names the program folder.
               {programDir + "/", series, programDir + "/", hintB}};
  for (const auto& c : cases) {
    messages.shown.clear();
    s.airfoilDir = c.repProfil;
    s.seriesAirfoilDir = c.repProfilevol;
    files::CheckAirfoilDirectories(s);
    SCOPED_TRACE(c.repProfil + " | " + c.repProfilevol);
    if (c.alertDir.empty()) {
      EXPECT_TRUE(messages.shown.empty());
      continue;
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Alert");
    EXPECT_EQ(messages.shown[0].icon, platform::BoxIcon::Critical);
    EXPECT_EQ(messages.shown[0].text, "FrmMainMessage/1 " + c.alertDir + c.hint + "FrmMainMessage/2\n\nFrmMainMessage/3");
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

  const std::string before = ReadFile(s.iniFile);
  AddRecentFile(s, "/fifth");
  EXPECT_EQ(ReadFile(s.iniFile), before);

  // The comparison is exact: another case is another file.
  AddRecentFile(s, "/FIFTH");
  EXPECT_EQ(RecentFileList(s), (List{"/FIFTH", "/fifth", "/old3", "/old1"}));
}

TEST_F(Settings, RecentListStopsAtTheFirstGapAndSkipsPathsItCouldNotGiveBack) {
  WriteFile(s.iniFile, "[LastFiles]\r\nRecentFile1=/a\r\nRecentFile2=/b\r\nRecentFile4=/d\r\n");
  EXPECT_EQ(files::RecentFileList(s), (std::vector<std::string>{"/a", "/b"}));
  WriteFile(s.iniFile, "[LastFiles]\r\nRecentFile2=/b\r\n");
  EXPECT_TRUE(files::RecentFileList(s).empty());

  // 200 characters would read back cut, match nothing and fill the list with copies.
  WriteFile(s.iniFile, "");
  const std::string longPath = "/" + std::string(199, 'x');
  files::AddRecentFile(s, longPath);
  files::AddRecentFile(s, longPath);
  EXPECT_TRUE(files::RecentFileList(s).empty());
}

TEST_F(Settings, BatchLoadNeverWritesAndNeverAlerts) {
  // No settings file: defaults, and no file appears.
  EXPECT_FALSE(files::LoadSettingsForBatch(s));
  EXPECT_FALSE(fs::exists(s.iniFile));
  EXPECT_EQ(s.chordText, "200");
  EXPECT_EQ(s.airfoilDir, programDir);

  // A file without Install is an unfinished first run: its values are not taken.
  WriteFile(s.iniFile, "[Defaut]\r\ncordeAfich=300\r\n");
  EXPECT_FALSE(files::LoadSettingsForBatch(s));
  EXPECT_EQ(s.chordText, "200");
  EXPECT_EQ(ReadFile(s.iniFile), "[Defaut]\r\ncordeAfich=300\r\n");

  // A completed one is read, missing directories and all, without a box.
  WriteFile(s.iniFile, "[Repertoires]\r\nInstall=1\r\nRepProfil=/nowhere\r\n[Defaut]\r\ncordeAfich=300\r\n");
  EXPECT_TRUE(files::LoadSettingsForBatch(s));
  EXPECT_EQ(s.chord, 300.0f);
  EXPECT_EQ(s.airfoilDir, "/nowhere");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Settings, FileExistsForFilesOnly) {
  const std::string file = dir.File("kaldrex.exe");
  WriteFile(file, "x");
  EXPECT_TRUE(files::FileExists(file) && files::FileExists(file + "/"));
  EXPECT_FALSE(files::FileExists(programDir) || files::FileExists(dir.File("none")) || files::FileExists(""));
}

}  // namespace
