// The hole window: the centred box and the offset, the shape boxes, the signed offset, the
// position check, and what it shares with the spar window's table.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/ribconstruction.h"
#include "ribwindows/holewindow.h"
#include "ribwindows/slotlabels.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

using ribwindows::HoleWindow;

class HoleWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenAirfoil();
  }
  static void Type(HoleWindow& w, const QString& position, const QString& size = "10") {
    w.PositionBox()->setText(position);
    w.SizeBox()->setText(size);
  }
  // Centres of the holes drawn (circles and rectangles), in drawing order.
  std::vector<core::PointMm> DrawnCentres() const {
    std::vector<core::PointMm> centres;
    const core::RibConstruction rib = core::BuildRib(doc);
    for (const core::RibElement& e : rib.elements) {
      if (e.part == core::RibPart::HoleCircle) centres.push_back(e.points[0]);
      if (e.part == core::RibPart::HoleRectangle)
        centres.push_back({(e.points[0].x + e.points[2].x) / 2, (e.points[0].y + e.points[2].y) / 2});
    }
    return centres;
  }
};

TEST_F(HoleWindowTest, TheCentredBoxForcesTheOffsetToZero) {
  HoleWindow w(doc);
  w.show();
  Type(w, "50%");
  w.OffsetBox()->setText("-3");
  EXPECT_EQ(w.OffsetReference()->text().toStdString(), Key("FrmTrou", "17"));
  w.CentredBox()->click();
  EXPECT_EQ(w.OffsetBox()->text(), "0");
  EXPECT_FALSE(w.OffsetBox()->isEnabled());
  EXPECT_EQ(w.OffsetReference()->text().toStdString(), Key("FrmTrou", "18"));
  w.OffsetBox()->setText("-3");  // whatever the box holds, a centred hole has no offset
  w.ApplyButton()->click();
  EXPECT_EQ(doc.rib.holes[0].offset, (core::Length{0, "0"}));
  EXPECT_FLOAT_EQ(doc.rib.holes[0].centred, 1);
  // At 50 % the test airfoil is 0.06 over and 0.02 under the chord line: the centre lies
  // halfway, 0.02 x 200 = 4 mm above the chord line.
  ASSERT_EQ(DrawnCentres().size(), 1u);
  EXPECT_NEAR(DrawnCentres()[0].x, 100, 1e-9);
  EXPECT_NEAR(DrawnCentres()[0].y, 4, 0.2);

  w.CentredBox()->click();
  EXPECT_TRUE(w.OffsetBox()->isEnabled());
  w.OffsetBox()->setText("-3");
  w.ApplyButton()->click();
  EXPECT_NEAR(DrawnCentres()[0].y, -3, 1e-6);  // from the chord line, downwards
}

TEST_F(HoleWindowTest, OnlyTheOffsetBoxTakesAMinus) {
  HoleWindow w(doc);
  w.ShapeOption(1)->click();  // a round hole takes no height
  for (QLineEdit* box : {w.PositionBox(), w.SizeBox(), w.HeightBox(), w.OffsetBox()}) Retype(box, "-4");
  EXPECT_EQ(QStringList({w.PositionBox()->text(), w.SizeBox()->text(), w.HeightBox()->text(), w.OffsetBox()->text()}),
            QStringList({"4", "4", "4", "-4"}));
  Retype(w.OffsetBox(), "%2");
  EXPECT_EQ(w.OffsetBox()->text(), "2");
}

// In inches the sign holds for the whole length: -1.1/2 is one and a half inches down, -1/2
// half an inch. Typed key by key, no message box comes and no key is lost; a text that
// cannot be read is said in place of the hint and stores nothing.
TEST_F(HoleWindowTest, ANegativeInchOffsetKeepsItsFraction) {
  doc.settings.unitText = " in";
  HoleWindow w(doc);
  w.show();
  const std::pair<const char*, double> offsets[] = {{"-1.1/2", -38.1}, {"-1 1/2", -38.1}, {"-1/2", -12.7}, {"7-1/2", 190.5}};
  for (const auto& [offset, mm] : offsets) {
    SCOPED_TRACE(offset);
    Retype(w.PositionBox(), "3");
    Retype(w.SizeBox(), "1/2");
    Retype(w.OffsetBox(), offset);
    EXPECT_EQ(w.OffsetBox()->text(), offset);
    w.ApplyButton()->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(doc.rib.holes[0].offset.text, offset);
    EXPECT_NEAR(doc.rib.holes[0].offset.mm, mm, 1e-4);
    EXPECT_NEAR(doc.rib.holes[0].size.mm, 12.7, 1e-4);
    EXPECT_NEAR(DrawnCentres()[0].x, 76.2, 1e-4);
  }
  Retype(w.OffsetBox(), "1.5.1/2");
  EXPECT_EQ(w.Warning()->text().toStdString(),
            Key("Message", "24") + " \"1.5.1/2\"\n" + Key("Message", "25") + " " + Key("Message", "26"));
  w.ApplyButton()->click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(doc.rib.holes[0].offset.text, "7-1/2");
}

// The height box is greyed for a round hole, never hidden: no box moves under the pointer.
TEST_F(HoleWindowTest, TheShapeDecidesTheSizeCaptionAndTheHeightBox) {
  HoleWindow w(doc);
  w.show();
  const QRect offsetPlace = w.OffsetBox()->geometry();
  // The size caption keeps room for either of its texts, whichever shows.
  for (const char* key : {"8", "10"})
    EXPECT_GE(w.SizeCaption()->minimumWidth(),
              w.SizeCaption()->fontMetrics().horizontalAdvance(QString::fromStdString(Key("FrmTrou", key))));
  EXPECT_TRUE(w.HeightBox()->isVisible());
  EXPECT_FALSE(w.HeightBox()->isEnabled());
  EXPECT_EQ(w.SizeCaption()->text().toStdString(), Key("FrmTrou", "10"));
  w.ShapeOption(1)->click();
  QApplication::processEvents();
  EXPECT_TRUE(w.HeightBox()->isEnabled());
  EXPECT_EQ(w.OffsetBox()->geometry(), offsetPlace);
  EXPECT_EQ(w.SizeCaption()->text().toStdString(), Key("FrmTrou", "8"));
  EXPECT_EQ(w.HeightCaption()->text().toStdString(), Key("FrmTrou", "9"));
  Type(w, "80", "20");
  w.HeightBox()->setText("8");
  w.ApplyButton()->click();
  const core::HoleRow& row = doc.rib.holes[0];
  EXPECT_EQ(std::tuple(row.shape, row.size.mm, row.height.mm), std::tuple(core::HoleShape::Rectangle, 20.0f, 8.0f));
  w.ShapeOption(0)->click();
  EXPECT_FALSE(w.HeightBox()->isEnabled());
  EXPECT_EQ(w.HeightBox()->text(), "8");  // kept for a return to the rectangle
}

// A hole may cut the outline, but its centre stays on the chord, from either edge.
TEST_F(HoleWindowTest, AHoleCentreBeyondEitherEdgeIsRefused) {
  HoleWindow w(doc);
  w.show();
  Type(w, "198", "30");  // cuts through the trailing edge: allowed
  w.ApplyButton()->click();
  ASSERT_TRUE(messages.shown.empty());
  EXPECT_NEAR(DrawnCentres()[0].x, 198, 1e-4);
  Type(w, "200.5");
  w.OkButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmTrou", "22") + " 200.5");
  EXPECT_EQ(messages.shown[0].title, Key("FrmTrou", "1") + " 200 mm");
  EXPECT_TRUE(w.isVisible());
  w.EdgeOption(1)->click();
  Type(w, "210");  // from the trailing edge: 10 mm ahead of the leading edge
  w.ApplyButton()->click();
  EXPECT_EQ(messages.shown.back().text, Key("FrmTrou", "22") + " 210");
  EXPECT_EQ(doc.rib.holes[0].positionText, "198");
  Type(w, "20%");
  w.OkButton()->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_NEAR(DrawnCentres()[0].x, 160, 1e-4);
}

TEST_F(HoleWindowTest, AddKeepsWhatIsTypedUpToTwelveHoles) {
  HoleWindow w(doc);
  w.ModifyButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmTrou", "21"));
  for (int i = 1; i <= 12; ++i) {
    Type(w, QString::number(i * 15));
    w.AddButton()->click();
  }
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, Key("FrmTrou", "20"));
  EXPECT_EQ(doc.rib.holes.last, 11);
  EXPECT_EQ(DrawnCentres().size(), 12u);

  // Deleting the third moves the later holes down.
  QTest::mouseClick(w.Labels()->Label(2), Qt::LeftButton);
  w.DeleteButton()->click();
  EXPECT_EQ(doc.rib.holes.last, 10);
  EXPECT_EQ(doc.rib.holes[2].positionText, "60");
  EXPECT_EQ(doc.rib.holes[10].positionText, "180");
  EXPECT_EQ(doc.rib.holes[11], core::HoleRow{});
  EXPECT_EQ(w.Labels()->Label(11)->text(), "");
}

}  // namespace
