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

constexpr double kHundredMm = 100.0 * platform::kTwipsPerMm;

void HundredMmLine(platform::DrawTarget& t) { t.Line(1000, 997.5, 1000 + kHundredMm, 997.5, {12}); }

platform::PictureRequest Page() {
  platform::PictureRequest r;
  r.widthTwips = 8000, r.heightTwips = 2000, r.background = QColor(255, 255, 239);
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
  EXPECT_NEAR(Number(box, 1), 8000 / 20.0, 0.01);  // 20 twips to the point
  EXPECT_NEAR(Number(box, 2), 2000 / 20.0, 0.01);

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
  EXPECT_EQ(image.width(), 534);  // 8000 twips / 15, rounded up
  EXPECT_EQ(image.height(), 134);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 239));
  const QColor onLine = image.pixelColor(200, 66);
  EXPECT_EQ(onLine.red(), 255);
  EXPECT_LT(onLine.green(), 32);
}

TEST(Picture, MeasureReachesTheFarthestLineCircleAndText) {
  auto extent = platform::MeasureDrawing([](platform::DrawTarget& t) {
    t.Line(100, 100, 3000, 600, {});
    t.Circle(2000, 2000, 300, {});
    t.Print("WWWW", 4000, 100, {}, 0);
  });
  EXPECT_GT(extent.rightTwips, 4000 + 4 * 100);
  EXPECT_LT(extent.rightTwips, 4000 + 4 * 300);
  EXPECT_NEAR(extent.bottomTwips, 2300, 40);
  EXPECT_EQ(extent.leftTwips, 0);

  extent = platform::MeasureDrawing([](platform::DrawTarget& t) {
    t.Line(-600, 300, 900, 600, {});
    t.Print("W", 100, -450, {}, 0);
  });
  EXPECT_NEAR(extent.leftTwips, -600, 40);
  EXPECT_EQ(extent.topTwips, -450);
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
