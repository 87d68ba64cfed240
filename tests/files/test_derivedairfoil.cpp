// The derived airfoil files: their layouts, that the program reads them back, and that an
// existing file is only replaced when the caller says so.
#include <gtest/gtest.h>

#include <cerrno>

#include <filesystem>
#include <sstream>
#include <utility>

#include "files/airfoilfile.h"
#include "files/derivedairfoil.h"
#include "platform/fileio.h"
#include "support/testsupport.h"

namespace {

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find("\r\n", from);
    if (end == std::string::npos) {
      lines.push_back(text.substr(from) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  return lines;
}

// Upper surface 0.05 at every station but the nose, lower -0.025; both 0 at the nose.
void Tables(core::StationTable& up, core::StationTable& low) {
  for (std::size_t k = 0; k < core::kStations; ++k) {
    up[k] = 0.05;
    low[k] = -0.025;
  }
  up[400] = low[400] = 0;
}

TEST(ThicknessCamberFile, LayoutPointCountsAndNumberForms) {
  core::StationTable up{}, low{};
  Tables(up, low);
  up[4] = 1e-5;  // printf's exponent form
  const std::string text = files::ThicknessCamberFileText("clarky", "Thickness", "14.00", "Camber", "2.00", up, low);
  const std::vector<std::string> lines = CrLfLines(text);
  // Title, 96 + 9 upper points, 8 + 96 lower ones (the nose once), the signature.
  ASSERT_EQ(lines.size(), 1u + 105 + 104 + 1);
  // Station 380 on line 96, then every second station to the nose (105); the lower surface
  // from station 398 back. x is worked out per line: no drift from adding hundredths (71).
  const std::pair<std::size_t, const char*> expected[] = {
      {0, "clarky Thickness14.00% Camber2.00%"}, {1, "1.000  0.05"},    {2, "0.990  1e-05"},
      {71, "0.300  0.05"},   {96, "0.050  0.05"},   {97, "0.040  0.05"},   {105, "0.000  0"},
      {106, "0.005 -0.025"}, {113, "0.040 -0.025"}, {114, "0.050 -0.025"}, {209, "1.000 -0.025"}, {210, "By Vandrell"}};
  for (const auto& [i, line] : expected) EXPECT_EQ(lines[i], line) << "line " << i;

  files::AirfoilData back;
  ASSERT_TRUE(files::ParseAirfoilText(text, back).ok());
  EXPECT_EQ(back.points.size(), 209u);
  EXPECT_EQ(back.title, lines[0]);
}

TEST(ThicknessCamberFile, AnOpenNoseIsWrittenOnBothSurfaces) {
  core::StationTable up{}, low{};
  Tables(up, low);
  low[400] = -1e-9;  // not equal to the upper ordinate there
  const std::vector<std::string> lines =
      CrLfLines(files::ThicknessCamberFileText("a", "T", "1.00", "C", "0.00", up, low));
  EXPECT_EQ(lines.size(), 1u + 105 + 105 + 1);
  EXPECT_EQ(lines[106], "0.000 -1e-09");
  EXPECT_EQ(files::ThicknessCamberFileName("clarky", "14.00", "2.00"), "clarky_E14.00C2.00.dat");
}

TEST(ScaledAirfoilFile, KeepsThePointsAndTheirOrder) {
  const std::vector<core::Point> points{{1, 0.00252}, {0.5, 0.12}, {0, 0}, {0.5, -0.0400000001}, {1, -0.00252}};
  const std::string text = files::ScaledAirfoilFileText(files::InclinedRibHeader(60), points);
  const std::vector<std::string> lines = CrLfLines(text);
  ASSERT_EQ(lines.size(), 6u);
  // The degree sign is Windows-1252's byte 0xB0.
  EXPECT_EQ(lines[0], "diedre 60.00\xB0");
  EXPECT_EQ(lines[1], "1.00000000  0.00252000");
  EXPECT_EQ(lines[4], "0.50000000  -0.04000000");
  EXPECT_EQ(files::InclinedRibFileName("clarky", 5.5), "clarky_6.dat");

  files::AirfoilData back;
  ASSERT_TRUE(files::ParseAirfoilText(text, back).ok());
  ASSERT_EQ(back.points.size(), 5u);
  EXPECT_DOUBLE_EQ(back.points[1].y, 0.12);
}

TEST(ScaledAirfoilFile, TheObliqueRibsHeaderIsOneLineWithoutAChord) {
  const files::ObliqueRibTexts t{"Oblique rib", "clarky", 30, 254, 127, " in"};
  const std::string header = files::ObliqueRibHeader(t);
  EXPECT_EQ(header, "Oblique rib clarky 30.00° L 10.00in M 5.00in");
  // The reader takes what follows a ":" of the title for the chord.
  EXPECT_EQ(header.find(':'), std::string::npos);
  EXPECT_EQ(files::ObliqueRibFileName(t), "clarky_in_10_5_30.dat");
  files::AirfoilData back;
  const std::vector<core::Point> points{{1, 0}, {0, 0.01}, {1, 0}};
  const std::string text = files::ScaledAirfoilFileText(header, points);
  ASSERT_TRUE(files::ParseAirfoilText(text, back).ok());
  EXPECT_EQ(back.points.size(), 3u);
}

TEST(DerivedAirfoilWriting, AnExistingFileIsOnlyReplacedWhenAsked) {
  testsupport::TempDir dir;
  const std::string path = dir.File("derived.dat");
  EXPECT_EQ(files::WriteDerivedAirfoil(path, "first\r\n", false), files::DerivedWrite::Written);
  EXPECT_EQ(files::WriteDerivedAirfoil(path, "second\r\n", false), files::DerivedWrite::Exists);
  EXPECT_EQ(testsupport::ReadFile(path), "first\r\n");
  EXPECT_EQ(files::WriteDerivedAirfoil(path, "second\r\n", true), files::DerivedWrite::Written);
  EXPECT_EQ(testsupport::ReadFile(path), "second\r\n");
  // Nothing but the file is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
  EXPECT_EQ(files::WriteDerivedAirfoil(dir.File("no/such/folder.dat"), "x", false), files::DerivedWrite::Failed);
}

// A failed write says why: a full disk is the disk-full error and leaves the older file.
TEST(DerivedAirfoilWriting, AFailureCarriesItsCause) {
  testsupport::TempDir dir;
  const std::string path = dir.File("derived.dat");
  testsupport::WriteFile(path, "older\r\n");
  platform::ErrorInfo error;
  {
    platform::ScopedWriteFault full(ENOSPC);
    EXPECT_EQ(files::WriteDerivedAirfoil(path, "newer\r\n", true, &error), files::DerivedWrite::Failed);
  }
  EXPECT_EQ(error.number, platform::kErrDiskFull);
  EXPECT_NE(error.description.find(path), std::string::npos);
  EXPECT_EQ(testsupport::ReadFile(path), "older\r\n");
}

}  // namespace
