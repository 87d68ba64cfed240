// The painter-backed target: palette colours, line styles, boxes and text placement on an
// image of 96 dpi, whose pixel is 25.4 / 96 mm.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>

#include "platform/qt/qtdrawtarget.h"

namespace {

constexpr double kPx = 25.4 / 96;  // millimetres per pixel at 96 dpi

QImage Blank(int w = 200, int h = 100) {
  QImage image(w, h, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);  // 96 dpi
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  return image;
}

template <typename F>
QImage Draw(F&& draw, int w = 200, int h = 100) {
  QImage image = Blank(w, h);
  QPainter painter(&image);
  platform::QtDrawTarget target = platform::QtDrawTarget::ForDevice(painter, image);
  draw(target);
  return image;
}

bool Inked(const QImage& image, int x, int y) { return image.pixelColor(x, y) != QColor(Qt::white); }

// Runs of inked pixels along row y.
int InkRuns(const QImage& image, int y, int x0, int x1) {
  int runs = 0;
  for (int x = x0; x <= x1; ++x) runs += Inked(image, x, y) && (x == x0 || !Inked(image, x - 1, y));
  return runs;
}

TEST(QtDrawTarget, ClearPaintsCreamAndLinesTakeThePaletteColourWhereTheyLie) {
  QImage image = Draw([](platform::DrawTarget& t) {
    t.Clear();
    t.Line(10 * kPx, 50 * kPx, 190 * kPx, 50 * kPx, {12, platform::kSolid, 3});  // light red
    t.Line(100 * kPx, 10 * kPx, 100 * kPx, 40 * kPx, {9, platform::kSolid, 3});  // light blue
  });
  const QColor cream(255, 255, 239);
  EXPECT_EQ(image.pixelColor(60, 50), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(100, 25), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(60, 45), cream);
  EXPECT_EQ(image.pixelColor(5, 50), cream);  // nothing before the line's start
  EXPECT_EQ(image.pixelColor(199, 99), cream);
}

TEST(QtDrawTarget, LineStylesBreakTheLineAsNamed) {
  int runs[5];
  for (int style = 0; style <= 4; ++style) {
    QImage image = Draw([style](platform::DrawTarget& t) {
      t.Line(0, 50 * kPx, 200 * kPx, 50 * kPx, {0, style, 1});
      // Each line is drawn with its own pen, whatever the one before used.
      t.Line(0, 80 * kPx, 200 * kPx, 80 * kPx, {});
    });
    runs[style] = InkRuns(image, 50, 0, 199);
    EXPECT_EQ(InkRuns(image, 80, 0, 199), 1) << "after style " << style;
  }
  EXPECT_EQ(runs[0], 1);
  for (int style = 1; style <= 4; ++style) EXPECT_GT(runs[style], 5) << "style " << style;
  EXPECT_GT(runs[2], runs[1]);  // dots are shorter than dashes, so more of them
  EXPECT_GT(runs[3], runs[1]);  // a dot between the dashes
  EXPECT_GT(runs[4], runs[3]);  // two dots between the dashes
}

TEST(QtDrawTarget, WidthsArePixelsAndBoxesAreOutlines) {
  QImage image = Draw([](platform::DrawTarget& t) {
    t.Line(20.5 * kPx, 20.5 * kPx, 120.5 * kPx, 80.5 * kPx, {0, platform::kSolid, 5}, true);
  });
  int thickness = 0;
  for (int y = 10; y < 30; ++y) thickness += Inked(image, 70, y);
  EXPECT_EQ(thickness, 5);
  EXPECT_TRUE(Inked(image, 20, 50));
  EXPECT_TRUE(Inked(image, 120, 50));
  EXPECT_FALSE(Inked(image, 70, 50));  // not filled
}

TEST(QtDrawTarget, TextHangsFromItsTopLeftCornerAndIsAsWideAsMeasured) {
  int top = 1000, left = 1000, right = 0;
  double width = 0, height = 0, ascent = 0, capitals = 0;
  QImage image = Draw([&](platform::DrawTarget& t) {
    const platform::Font font{"Arial", 12};
    width = t.TextWidth("HHH", font), height = t.TextHeight("HHH", font);
    ascent = t.TextAscent(font), capitals = t.CapitalHeight(font);
    t.Print("HHH", 40 * kPx, 30 * kPx, font, 0);
  });
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Inked(image, x, y)) {
        top = std::min(top, y);
        left = std::min(left, x);
        right = std::max(right, x);
      }
  // The glyphs start at the corner, below it by at most the font's internal leading.
  EXPECT_NEAR(left, 40, 2);
  EXPECT_GE(top, 30);
  EXPECT_LE(top, 30 + 6);
  // The capitals' tops lie the ascent less the capital height below the corner.
  EXPECT_NEAR(top, 30 + (ascent - capitals) / kPx, 1.5);
  // The last H ends within its side bearing of the measured width.
  EXPECT_NEAR(right + 1, 40 + width / kPx, 3);
  // A 12-point font is 4.23 mm high, its line a little more; a wrong resolution is off by far more.
  EXPECT_GT(height, 4.23);
  EXPECT_LT(height, 8.47);
}

TEST(QtDrawTarget, NonFiniteCoordinatesDrawNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  QImage image = Draw([&](platform::DrawTarget& t) {
    t.Line(nan, 0, 100 * kPx, 50 * kPx, {});
    t.Line(0, 0, inf, 50 * kPx, {}, true);
    t.Circle(100 * kPx, 50 * kPx, nan, {});
    t.Print("X", nan, 0, {}, 0);
  });
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ASSERT_FALSE(Inked(image, x, y)) << x << "," << y;
}

}  // namespace
