#include <gtest/gtest.h>

#include "core/ribdocument.h"
#include "files/airfoilfile.h"
#include "support/testsupport.h"

using files::AirfoilReadStatus;

namespace {
struct Read {
  core::RibDocument s;
  files::AirfoilReadResult r;
};

Read ReadText(const std::string& contents) {
  testsupport::TempDir dir;
  std::string path = dir.File("a.dat");
  testsupport::WriteFile(path, contents);
  Read out;
  out.s.airfoil.path = path;
  out.r = files::ReadAirfoilInto(out.s.airfoil);
  return out;
}
}  // namespace

// The title line is trimmed and skipped, or, when it is a point, is the first point too;
// any line end does; reading stops at the closing point; four points still read.
TEST(AirfoilFile, AcceptedFiles) {
  const struct {
    const char* text;
    const char* title;
    std::size_t points;
    std::size_t probe;
    double y;
  } cases[] = {
      {"  NACA 2412 v2  \r\n1.0 0.001\r\n0.5 0.06\r\n0.0 0.0\r\n0.5 -0.03\r\n1.0 -0.001\r\n", "NACA 2412 v2", 5, 1, 0.06},
      {"1.000000\t0.001260\n0.5\t0.05\n0\t0\n0.5\t-0.02\n1\t0\n", "1.000000 0.001260", 5, 0, 0.00126},
      {"T\r1 0\r0.5 0.05\r0 0\r0.5 -0.02\r1 0\r", "T", 5, 1, 0.05},
      {"T\n1 0\n0 0\n1 0\ngarbage without meaning\n", "T", 3, 1, 0},
      {"T\n1 0\n0.5 0.05\n0 0\n1 0\n", "T", 4, 1, 0.05},
  };
  for (const auto& c : cases) {
    Read a = ReadText(c.text);
    ASSERT_TRUE(a.r.ok()) << c.text;
    EXPECT_EQ(a.s.airfoil.title, c.title);
    ASSERT_EQ(a.s.airfoil.points.size(), c.points) << c.text;
    EXPECT_DOUBLE_EQ(a.s.airfoil.points[c.probe].y, c.y) << c.text;
  }
}

// Refusals and errors alike leave no points behind.
TEST(AirfoilFile, RefusalsAndErrors) {
  std::string most = "T\n1 0\n";  // with its closing point the most a file may hold, 32767
  for (int i = 0; i < 32765; ++i) most += "0.5 " + std::to_string(i) + "\n";
  EXPECT_EQ(ReadText(most + "1 0\n").s.airfoil.points.size(), 32767u);
  const std::string many = most + "0.5 -1\n";
  const std::pair<std::string, AirfoilReadStatus> cases[] = {
      {"   \n1 0\n0 0\n1 0\n", AirfoilReadStatus::EmptyTitle},
      {"\n", AirfoilReadStatus::EmptyTitle},
      {"T\n0.99999 0\n0 0\n1 0\n", AirfoilReadStatus::FirstPoint},
      {"T\n61. 61.\n1 0\n0 0\n1 0\n", AirfoilReadStatus::FirstPoint},  // a header line of point counts
      {"T\n1 0\n0.5 0.1\n0.5 0.1\n1 0\n", AirfoilReadStatus::DoublePoint},
      {"T\n1 0\n0.5 0.1\n0 0\n0.9998 0\n", AirfoilReadStatus::ClosingPoint},
      {"T\n1 0\n0.5 0.1\n0 0\n1.0001 0\n", AirfoilReadStatus::ClosingPoint},
      {"", AirfoilReadStatus::Empty},
      {"T\n1\n0 0\n1 0\n", AirfoilReadStatus::NotCoordinates},     // no blank
      {"1.0\n0 0\n1 0\n", AirfoilReadStatus::NotCoordinates},       // first line too
      {"T\n1 0\n\n0 0\n1 0\n", AirfoilReadStatus::NotCoordinates},  // blank line
      {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR 1 0\n", 20), AirfoilReadStatus::NotCoordinates},  // a picture
      {many + "1 0\n", AirfoilReadStatus::Error},
  };
  for (const auto& [text, status] : cases) {
    Read a = ReadText(text);
    EXPECT_EQ(a.r.status, status) << text.substr(0, 40);
    EXPECT_TRUE(a.s.airfoil.points.empty());
  }
  core::RibDocument s;
  s.airfoil.path = "/nonexistent/file.dat";
  files::AirfoilReadResult r = files::ReadAirfoilInto(s.airfoil);
  EXPECT_EQ(r.status, AirfoilReadStatus::Unreadable);
  // The user is told in words which file it was, not an error number.
  EXPECT_NE(r.boxText.find("/nonexistent/file.dat"), std::string::npos);
}
