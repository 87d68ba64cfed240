#include <gtest/gtest.h>

#include "core/ribstate.h"
#include "files/airfoilfile.h"
#include "support/testsupport.h"

using files::AirfoilReadStatus;

namespace {
struct Read {
  core::SharedState s;
  files::AirfoilReadResult r;
};

Read ReadText(const std::string& contents) {
  testsupport::TempDir dir;
  std::string path = dir.File("a.dat");
  testsupport::WriteFile(path, contents);
  Read out;
  out.s.airfoilPath = path;
  out.r = files::FichierLecture(out.s);
  return out;
}
}  // namespace

TEST(AirfoilFile, titleLineIsTrimmedAndSkipped) {
  Read a = ReadText("  NACA 2412 v2  \r\n1.0 0.001\r\n0.5 0.06\r\n0.0 0.0\r\n0.5 -0.03\r\n1.0 -0.001\r\n");
  ASSERT_TRUE(a.r.ok());
  EXPECT_EQ(a.s.airfoilTitle, "NACA 2412 v2");
  EXPECT_EQ(a.s.pointCount, 5);
  EXPECT_TRUE(a.s.readOk);
  EXPECT_DOUBLE_EQ(a.s.airfoilY[2], 0.06);
}

TEST(AirfoilFile, untitledFileUsesItsFirstDataLineAsTitleAndPoint) {
  Read a = ReadText("1.000000\t0.001260\n0.5\t0.05\n0\t0\n0.5\t-0.02\n1\t0\n");
  ASSERT_TRUE(a.r.ok());
  EXPECT_EQ(a.s.airfoilTitle, "1.000000 0.001260");
  EXPECT_EQ(a.s.pointCount, 5);
  EXPECT_DOUBLE_EQ(a.s.airfoilY[1], 0.00126);
}

TEST(AirfoilFile, lineEndsMayBeCrAlone) {
  Read a = ReadText("T\r1 0\r0.5 0.05\r0 0\r0.5 -0.02\r1 0\r");
  ASSERT_TRUE(a.r.ok());
  EXPECT_EQ(a.s.pointCount, 5);
}

TEST(AirfoilFile, readingStopsAtTheClosingPoint) {
  Read a = ReadText("T\n1 0\n0 0\n1 0\ngarbage without meaning\n");
  ASSERT_TRUE(a.r.ok());
  EXPECT_EQ(a.s.pointCount, 3);
}

TEST(AirfoilFile, refusals) {
  EXPECT_EQ(ReadText("   \n1 0\n0 0\n1 0\n").r.status, AirfoilReadStatus::EmptyTitle);
  EXPECT_EQ(ReadText("\n").r.status, AirfoilReadStatus::EmptyTitle);
  EXPECT_EQ(ReadText("T\n0.99999 0\n0 0\n1 0\n").r.status, AirfoilReadStatus::FirstPoint);
  // A header line of point counts fails the first-point rule.
  EXPECT_EQ(ReadText("T\n61. 61.\n1 0\n0 0\n1 0\n").r.status, AirfoilReadStatus::FirstPoint);
  EXPECT_EQ(ReadText("T\n1 0\n0.5 0.1\n0.5 0.1\n1 0\n").r.status, AirfoilReadStatus::DoublePoint);
  EXPECT_EQ(ReadText("T\n1 0\n0.5 0.1\n0 0\n0.9998 0\n").r.status, AirfoilReadStatus::ClosingPoint);
  EXPECT_EQ(ReadText("T\n1 0\n0.5 0.1\n0 0\n1.0001 0\n").r.status, AirfoilReadStatus::ClosingPoint);
}

TEST(AirfoilFile, refusalLeavesNoPoints) {
  Read a = ReadText("T\n1 0\n0.5 0.1\n0.5 0.1\n1 0\n");
  EXPECT_EQ(a.s.pointCount, 0);
  EXPECT_FALSE(a.s.readOk);
  EXPECT_FALSE(a.s.quietRead);
}

TEST(AirfoilFile, unexpectedContentsAreErrorsNotRefusals) {
  EXPECT_EQ(ReadText("").r.status, AirfoilReadStatus::Error);
  EXPECT_EQ(ReadText("T\n1\n0 0\n1 0\n").r.status, AirfoilReadStatus::Error);     // no blank
  EXPECT_EQ(ReadText("1.0\n0 0\n1 0\n").r.status, AirfoilReadStatus::Error);       // first line too
  EXPECT_EQ(ReadText("T\n1 0\n\n0 0\n1 0\n").r.status, AirfoilReadStatus::Error);  // blank line
  core::SharedState s;
  s.airfoilPath = "/nonexistent/file.dat";
  files::AirfoilReadResult r = files::FichierLecture(s);
  EXPECT_EQ(r.status, AirfoilReadStatus::Error);
  EXPECT_EQ(r.error.number, 53);
}

TEST(AirfoilFile, moreThan32767PointsIsAnError) {
  std::string text = "T\n1 0\n";
  for (int i = 0; i < 32800; ++i) text += "0.5 " + std::to_string(i) + "\n";
  text += "1 0\n";
  Read a = ReadText(text);
  EXPECT_EQ(a.r.status, AirfoilReadStatus::Error);
  EXPECT_EQ(a.s.pointCount, 0);
}

TEST(AirfoilFile, fourPointsReadButAreFewForTheRib) {
  Read a = ReadText("T\n1 0\n0.5 0.05\n0 0\n1 0\n");
  ASSERT_TRUE(a.r.ok());
  EXPECT_EQ(a.s.pointCount, 4);
}

TEST(AirfoilFile, fileNameParts) {
  std::string name, ext;
  files::SplitAirfoilFileName("/x/y/clarky.dat", name, ext);
  EXPECT_EQ(name, "clarky");
  EXPECT_EQ(ext, "dat");
}
