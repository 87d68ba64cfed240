// The airfoil, coordinate, summary and INI readers and the project and INI writers handed
// folders, pipes, devices, huge files, files that go away and links: each refuses at once,
// says what it met, and leaves the file system as it was. The project reader's refusals are
// the open-project command's tests'.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "files/airfoilfile.h"
#include "files/coordinatefile.h"
#include "files/seriesfiles.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "files/settings.h"
#include "platform/fileio.h"
#include "support/projectlines.h"
#include "support/testsupport.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::SecondsTaken;
using testsupport::TempDir;
using testsupport::WriteFile;

// A folder, a pipe, the endless and the empty device, a file of gigabytes; with the text
// each is refused with.
struct OddPath {
  std::string path;
  const char* text;
  const char* refusal;
};

std::vector<OddPath> OddPaths(const TempDir& dir, const std::string& extension) {
  fs::create_directory(dir.File("folder" + extension));
  return {{dir.File("folder" + extension), "Erreur/200", "not-a-file"},
          {testsupport::MakeFifo(dir.File("pipe" + extension)), "Erreur/201", "not-a-file"},
          {"/dev/zero", "Erreur/202", "not-a-file"},
          {"/dev/null", "Erreur/202", "not-a-file"},
          {testsupport::MakeSparseFile(dir.File("huge" + extension), testsupport::kSeveralGigabytes), "Erreur/205",
           "too-large"}};
}

TEST(OddPaths, AirfoilReaderRefusesEachAtOnceNamingThePath) {
  testsupport::SelfNamingTexts texts;
  TempDir dir;
  for (const OddPath& odd : OddPaths(dir, ".dat")) {
    files::AirfoilData data;
    files::AirfoilReadResult r;
    EXPECT_LT(SecondsTaken([&] { r = files::ReadAirfoilFile(odd.path, data); }), 1.0) << odd.path;
    EXPECT_EQ(files::StatusName(r.status), std::string(odd.refusal)) << odd.path;
    EXPECT_EQ(r.shortText, odd.text);
    EXPECT_EQ(r.boxText, std::string(odd.text) + "\n" + odd.path);
    EXPECT_EQ(data.pointCount, 0);
  }
  EXPECT_TRUE(fs::is_fifo(dir.File("pipe.dat")));
}

// The coordinates editor and the series table read what the user picks; a folder or a pipe
// picked there is refused as the airfoil reader refuses it.
TEST(OddPaths, CoordinateAndSummaryReadersRefuseEachAtOnce) {
  testsupport::SelfNamingTexts texts;
  TempDir dir;
  for (const OddPath& odd : OddPaths(dir, ".cor")) {
    std::vector<std::string> lines{"kept"};
    platform::ErrorInfo error;
    bool read = true;
    EXPECT_LT(SecondsTaken([&] { read = files::ReadCoordinateLines(odd.path, lines, error); }), 1.0) << odd.path;
    EXPECT_FALSE(read) << odd.path;
    EXPECT_EQ(error.refusal, odd.refusal) << odd.path;
    EXPECT_NE(error.description.find(odd.path), std::string::npos);
    files::SeriesJob job;
    EXPECT_LT(SecondsTaken([&] { read = files::ReadSeriesSummary(odd.path, job).ok(); }), 1.0) << odd.path;
    EXPECT_FALSE(read) << odd.path;
  }
  EXPECT_TRUE(fs::is_fifo(dir.File("pipe.cor")));
}

TEST(OddPaths, AirfoilReaderFollowsALinkAndMeetsAFileThatWentAway) {
  testsupport::SelfNamingTexts texts;
  TempDir dir;
  fs::create_symlink(testsupport::AirfoilPath("clarky.dat"), dir.File("clarky.dat"));
  files::AirfoilData data;
  ASSERT_TRUE(files::ReadAirfoilFile(dir.File("clarky.dat"), data).ok());
  EXPECT_GT(data.pointCount, 50);

  // Listed by the open window, deleted before the click.
  const std::string gone = dir.File("gone.dat");
  WriteFile(gone, "gone\n1 0\n0 0\n1 0\n");
  ASSERT_TRUE(files::FileExists(gone));
  fs::remove(gone);
  const files::AirfoilReadResult r = files::ReadAirfoilFile(gone, data);
  EXPECT_EQ(r.status, files::AirfoilReadStatus::Unreadable);
  EXPECT_EQ(r.boxText, "frmopen/36\n" + gone);
}

TEST(OddPaths, ProjectWriterRefusesToReplaceWhatIsNotAFileAndWritesThroughALink) {
  testsupport::SelfNamingTexts texts;
  TempDir dir;
  const core::RibDocument s = testsupport::NewRib();
  fs::create_directory(dir.File("folder.vdl"));
  testsupport::MakeFifo(dir.File("pipe.vdl"));
  for (const char* name : {"folder.vdl", "pipe.vdl"}) {
    platform::ErrorInfo error;
    EXPECT_LT(SecondsTaken([&] { EXPECT_FALSE(files::WriteProject(s, dir.File(name), &error)); }), 1.0);
    EXPECT_EQ(error.number, 75);
    EXPECT_EQ(error.refusal, "not-a-file");
    EXPECT_NE(error.description.find(dir.File(name) + "\nErreur/213"), std::string::npos) << error.description;
  }
  EXPECT_TRUE(fs::is_directory(dir.File("folder.vdl")));
  EXPECT_TRUE(fs::is_fifo(dir.File("pipe.vdl")));

  WriteFile(dir.File("real.vdl"), "old");
  fs::create_symlink("real.vdl", dir.File("rib.vdl"));
  ASSERT_TRUE(files::WriteProject(s, dir.File("rib.vdl")));
  EXPECT_TRUE(fs::is_symlink(dir.File("rib.vdl")));
  EXPECT_EQ(ReadFile(dir.File("real.vdl")), files::ProjectFileText(s));

  platform::ErrorInfo error;
  {
    platform::ScopedWriteFault full(ENOSPC, 64);
    EXPECT_FALSE(files::WriteProject(testsupport::NewRib(" in"), dir.File("rib.vdl"), &error));
  }
  EXPECT_EQ(error.number, 61);
  EXPECT_EQ(error.description, "Erreur/210\n" + dir.File("rib.vdl"));
  EXPECT_EQ(ReadFile(dir.File("real.vdl")), files::ProjectFileText(s));
}

// The settings and language files are read at every lookup: nothing odd may hold one up.
TEST(OddPaths, IniReadsGiveNothingAndWritesReplaceNothing) {
  TempDir dir;
  for (const OddPath& odd : OddPaths(dir, ".ini")) {
    EXPECT_LT(SecondsTaken([&] { EXPECT_EQ(files::GetINIFile("Language", "Langue", odd.path), ""); }), 1.0)
        << odd.path;
    EXPECT_FALSE(files::FileExists(odd.path) && odd.refusal == std::string("not-a-file")) << odd.path;
  }
  for (const char* name : {"folder.ini", "pipe.ini", "huge.ini"}) {
    EXPECT_LT(SecondsTaken([&] { EXPECT_FALSE(files::WriteINIFile("Language", "Langue", "English", dir.File(name))); }),
              1.0)
        << name;
  }
  EXPECT_TRUE(fs::is_directory(dir.File("folder.ini")));
  EXPECT_TRUE(fs::is_fifo(dir.File("pipe.ini")));
  EXPECT_EQ(fs::file_size(dir.File("huge.ini")), testsupport::kSeveralGigabytes);
}

}  // namespace
