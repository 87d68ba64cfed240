// The settings file outlives every session: a first run must leave a complete file, a
// later start must read back exactly what was confirmed, and a hand-edited file must
// never put an impossible colour, style or paper size into the state.
#include <gtest/gtest.h>

#include <array>
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
  EXPECT_EQ(r.unitText, " in");
  EXPECT_EQ(r.colour, s.colour);
  EXPECT_EQ(r.lineStyle, s.lineStyle);
  EXPECT_EQ(r.lineWidth, s.lineWidth);
  EXPECT_EQ(r.textFontSize, 7.5f);
  EXPECT_EQ(r.chordText, "8");
  EXPECT_FLOAT_EQ(r.chord, 203.2f);
  EXPECT_FLOAT_EQ(r.sheetingThickness, 25.4f / 16);
  EXPECT_FLOAT_EQ(r.leadingEdgeDepth, 25.4f / 4);
  EXPECT_FLOAT_EQ(r.blockLe, 1.5f * 25.4f);
  EXPECT_EQ(r.airfoilDir, airfoils);
  EXPECT_EQ(r.seriesAirfoilDir, series);
  EXPECT_EQ(r.lastOpenDir, airfoils + "/naca");
  EXPECT_FLOAT_EQ(r.margeHaut, 12.7f);
  EXPECT_FLOAT_EQ(r.recouvrement, 25.4f);
  EXPECT_EQ(r.numIndex, 8);
  // The chord line's print position follows the unit, as a length like any other.
  EXPECT_EQ(r.ydprintText, "2");
  EXPECT_FLOAT_EQ(r.ydprint, 50.8f);
}

TEST_F(Settings, HandEditedIntegersThatAreMissingNotNumbersOrOutOfRangeKeepTheirDefaults) {
  WriteInstalledIni(
      "[Couleurs]\r\ncoulprofil=abc\r\ncoulcoffrage=\r\ncoulaxe=15\r\ncoulong=-1\r\ncoulba=3.5\r\ncoulbf=14\r\n"
      "coultrou=99999999999999999999\r\ncoulrep=0x1\r\n"
      "[StyleLignes]\r\nlineprofil=5\r\nlinecoffrage=4\r\nlinetrou=-0\r\n"
      "[Eprlines]\r\nprofil=0\r\neplinecoffrage=4\r\neplinerep=2\r\n"
      "[InsText]\r\nTailleFont=0\r\n"
      "[Marges]\r\nNumIndex=9\r\n");
  files::StartSettings(s);
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

TEST_F(Settings, MissingLengthReadsAsZeroAndMissingUnitAsMillimetres) {
  WriteInstalledIni("[Defaut]\r\nunit=\r\nEpCoffrageAfich=2\r\n");
  files::StartSettings(s);
  EXPECT_EQ(s.unitText, " mm");
  EXPECT_EQ(s.chordText, "");
  EXPECT_EQ(s.chord, 0.0f);
  EXPECT_EQ(s.sheetingThickness, 2.0f);
}

struct DirectoryCase {
  const char* name;
  const char* repProfil;     // "A" airfoils, "S" series, "P" program dir, "M" missing
  const char* repProfilevol;
  const char* alertDir;      // "" no alert
  bool missing;              // alert A rather than B
};

class DirectoryCheck : public Settings, public ::testing::WithParamInterface<DirectoryCase> {
 protected:
  std::string Dir(char code) {
    switch (code) {
      case 'A': return airfoils;
      case 'S': return series;
      case 'P': return programDir;
      default: return (dir.path() / "gone").string();
    }
  }
};

TEST_P(DirectoryCheck, ShowsOnlyTheFirstFinding) {
  const DirectoryCase& c = GetParam();
  s.airfoilDir = Dir(c.repProfil[0]);
  s.seriesAirfoilDir = Dir(c.repProfilevol[0]);
  files::CheckAirfoilDirectories(s);
  if (*c.alertDir == 0) {
    EXPECT_TRUE(messages.shown.empty());
    return;
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  const platform::BoxRequest& box = messages.shown[0];
  EXPECT_EQ(box.title, "Alert");
  EXPECT_EQ(box.icon, platform::BoxIcon::Critical);
  const std::string hint = c.missing ? " " : "/airfoils  /...  ";
  EXPECT_EQ(box.text, "FrmMainMessage/1 " + Dir(c.alertDir[0]) + hint + "FrmMainMessage/2\n\nFrmMainMessage/3");
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DirectoryCheck,
    ::testing::Values(DirectoryCase{"BothFine", "A", "S", "", false},
                      DirectoryCase{"AirfoilsMissing", "M", "S", "M", true},
                      DirectoryCase{"BothMissingNamesTheFirst", "M", "M", "M", true},
                      DirectoryCase{"SeriesMissing", "A", "M", "M", true},
                      DirectoryCase{"MissingBeatsProgramDir", "P", "M", "M", true},
                      DirectoryCase{"AirfoilsIsProgramDir", "P", "S", "P", false},
                      DirectoryCase{"SeriesIsProgramDir", "A", "P", "P", false},
                      DirectoryCase{"BothProgramDir", "P", "P", "P", false}),
    [](const ::testing::TestParamInfo<DirectoryCase>& info) { return std::string(info.param.name); });

TEST_F(Settings, DirectoryCheckMatchesTheProgramDirWithATrailingSeparator) {
  s.airfoilDir = programDir + "/";
  s.seriesAirfoilDir = series;
  files::CheckAirfoilDirectories(s);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("/airfoils  /...  "), std::string::npos);
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
  EXPECT_TRUE(files::FileExists(file));
  EXPECT_TRUE(files::FileExists(file + "/"));
  EXPECT_FALSE(files::FileExists(programDir));
  EXPECT_FALSE(files::FileExists(dir.File("none")));
  EXPECT_FALSE(files::FileExists(""));
}

}  // namespace
