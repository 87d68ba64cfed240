// Pictures written to files keep the true scale: 100 mm drawn is 100 mm in the file.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
#include <cmath>

#include "platform/qt/qtpicture.h"
#include "support/testsupport.h"

namespace {

constexpr double kPixelMm = 25.4 / 96;

// Along the middle of the 96 dpi picture's pixel row 66.
void HundredMmLine(platform::DrawTarget& t) { t.Line(17.5, 66.5 * kPixelMm, 117.5, 66.5 * kPixelMm, {12}); }

platform::PictureRequest Page() {
  platform::PictureRequest r;
  r.widthMm = 140, r.heightMm = 35, r.background = QColor(255, 255, 239);
  return r;
}

std::string Write(const testsupport::TempDir& dir, const std::string& name, const platform::Drawing& draw) {
  platform::PictureFormat format;
  EXPECT_TRUE(platform::PictureFormatFromPath(name, format));
  platform::ErrorInfo error;
  std::string path = dir.File(name);
  EXPECT_TRUE(platform::WritePicture(path, format, Page(), draw, error)) << error.description;
  return path;
}

double Number(const QRegularExpressionMatch& m, int i) { return m.captured(i).toDouble(); }

TEST(Picture, SvgHundredMillimetreLineMeasuresHundredMillimetres) {
  testsupport::TempDir dir;
  const QString svg = QString::fromStdString(testsupport::ReadFile(Write(dir, "line.svg", HundredMmLine)));
  auto size = QRegularExpression(R"(width="([\d.]+)mm"[^>]*viewBox="0 0 (\d+) )").match(svg);
  ASSERT_TRUE(size.hasMatch()) << svg.toStdString();
  auto line = QRegularExpression(R"(points="([\d.]+),([\d.]+) ([\d.]+),([\d.]+) ")").match(svg);
  ASSERT_TRUE(line.hasMatch());
  const double mmPerUnit = Number(size, 1) / Number(size, 2);
  EXPECT_NEAR((Number(line, 3) - Number(line, 1)) * mmPerUnit, 100.0, 0.005);
  EXPECT_TRUE(svg.contains("#ff0000") && svg.contains("#ffffef"));  // the line and the cream background
}

// Qt compresses PDF content streams with zlib; qUncompress wants the length in front.
std::string Inflate(const QByteArray& deflated) {
  QByteArray sized(4, '\0');
  qToBigEndian<quint32>(1u << 20, sized.data());
  return qUncompress(sized + deflated).toStdString();
}

TEST(Picture, PdfPageAndLineAreAtTrueScale) {
  testsupport::TempDir dir;
  const QByteArray pdf = QByteArray::fromStdString(testsupport::ReadFile(Write(dir, "line.pdf", HundredMmLine)));
  auto box = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(QString::fromLatin1(pdf));
  ASSERT_TRUE(box.hasMatch());
  // 140 x 35 mm are 396.85 x 99.21 points, which the page box gives in whole points.
  EXPECT_NEAR(Number(box, 1), 396.85, 0.5);
  EXPECT_NEAR(Number(box, 2), 99.21, 0.5);

  const int start = pdf.indexOf("stream\n") + 7;
  const QString content = QString::fromStdString(Inflate(pdf.mid(start, pdf.indexOf("endstream", start) - start)));
  auto matrix = QRegularExpression(R"(([\d.]+) 0 0 -?[\d.]+ [\d.]+ [\d.]+ cm)").match(content);
  auto line = QRegularExpression(R"(([\d.]+) ([\d.]+) m\s+([\d.]+) ([\d.]+) l)").match(content);
  ASSERT_TRUE(matrix.hasMatch()) << content.toStdString();
  ASSERT_TRUE(line.hasMatch()) << content.toStdString();
  const double points = (Number(line, 3) - Number(line, 1)) * Number(matrix, 1);
  EXPECT_NEAR(points * 25.4 / 72.0, 100.0, 0.005);
}

TEST(Picture, PngIsSizedAtNinetySixDotsPerInch) {
  testsupport::TempDir dir;
  QImage image(QString::fromStdString(Write(dir, "line.png", HundredMmLine)));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 530);  // 140 mm is 529.13 pixels, rounded up
  EXPECT_EQ(image.height(), 133);  // 35 mm, 132.28
  EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 239));
  const QColor onLine = image.pixelColor(200, 66);
  EXPECT_EQ(onLine.red(), 255);
  EXPECT_LT(onLine.green(), 32);
}

TEST(Picture, MeasureReachesTheFarthestLineCircleAndText) {
  auto extent = platform::MeasureDrawing([](platform::DrawTarget& t) {
    t.Line(2, 2, 50, 10, {});
    t.Circle(35, 35, 5, {});
    t.Print("WWWW", 70, 2, {}, 0);
  });
  // A 9-point W is between 1.8 and 5.3 mm wide.
  EXPECT_GT(extent.rightMm, 70 + 4 * 1.8);
  EXPECT_LT(extent.rightMm, 70 + 4 * 5.3);
  EXPECT_NEAR(extent.bottomMm, 40, 0.7);
  EXPECT_EQ(extent.leftMm, 0);

  extent = platform::MeasureDrawing([](platform::DrawTarget& t) {
    t.Line(-10, 5, 16, 10, {});
    t.Print("W", 2, -8, {}, 0);
  });
  EXPECT_NEAR(extent.leftMm, -10, 0.7);
  EXPECT_EQ(extent.topMm, -8);
}

TEST(Picture, UnknownExtensionsAndEmptyPicturesAreRefused) {
  platform::PictureFormat format;
  EXPECT_FALSE(platform::PictureFormatFromPath("rib.jpg", format));
  EXPECT_FALSE(platform::PictureFormatFromPath("rib", format));
  EXPECT_TRUE(platform::PictureFormatFromPath("RIB.PDF", format));
  EXPECT_EQ(format, platform::PictureFormat::Pdf);
  testsupport::TempDir dir;
  platform::PictureRequest empty;
  platform::ErrorInfo error;
  EXPECT_FALSE(platform::WritePicture(dir.File("x.png"), platform::PictureFormat::Png, empty,
                                      [](platform::DrawTarget&) {}, error));
  EXPECT_FALSE(error.description.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.png")));
}

}  // namespace
