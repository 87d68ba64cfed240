// The spar window driven as a user drives it: positions and their checks, the pending row,
// Add, Modify, Delete, the labels, the shape boxes, what reaches the boxes, and the window's
// life beside the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/ribconstruction.h"
#include "mainwindow/mainwindow.h"
#include "ribwindows/holewindow.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/keyfilter.h"
#include "ribwindows/slotlabels.h"
#include "ribwindows/sparwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

using ribwindows::SparWindow;

class SparWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenAirfoil();
  }
  // Types a spar into the boxes (the options stay as they are).
  static void Type(SparWindow& w, const QString& position, const QString& width = "5", const QString& height = "3") {
    w.PositionBox()->setText(position);
    w.WidthBox()->setText(width);
    w.HeightBox()->setText(height);
  }
  // The centres of the spars drawn, from their axes.
  std::vector<double> DrawnCentres() const {
    std::vector<double> centres;
    const core::RibConstruction rib = core::BuildRib(doc);
    for (const core::RibElement* e : core::ElementsOf(rib, core::RibPart::SparAxis))
      centres.push_back(e->points[0].x);
    return centres;
  }
  std::string PositionError(const std::string& typed) const { return Key("Frmlongeron", "27") + " " + typed; }
};

TEST_F(SparWindowTest, APercentagePositionCountsFromEitherEdge) {
  SparWindow w(doc);
  EXPECT_EQ(w.windowTitle().toStdString(), Key("Frmlongeron", "1") + " 200 mm");
  Type(w, "25%");
  w.ApplyButton()->click();
  EXPECT_EQ(DrawnCentres(), std::vector<double>{50});
  w.EdgeOption(1)->click();
  w.ApplyButton()->click();
  EXPECT_EQ(DrawnCentres(), std::vector<double>{150});
  EXPECT_EQ(doc.rib.spars[0].positionText, "25%");
  EXPECT_EQ(doc.rib.spars[0].fromTrailingEdge, 1);
  EXPECT_TRUE(doc.project.modified);
  EXPECT_TRUE(messages.shown.empty());
}

// Touching an edge is allowed, crossing it by a hundredth is not; a refused spar stores
// nothing, and OK and Cancel keep the window open until the position is corrected.
TEST_F(SparWindowTest, ASparMayTouchTheEdgesButNotCrossThem) {
  SparWindow w(doc);
  w.show();
  Type(w, "2.5");  // width 5: the left edge on the leading edge
  QTest::keyClick(w.PositionBox(), Qt::Key_Return);  // Enter applies
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(DrawnCentres(), std::vector<double>{2.5});
  Type(w, "197.5");  // the right edge on the trailing edge
  w.ApplyButton()->click();
  EXPECT_EQ(DrawnCentres(), std::vector<double>{197.5});
  ASSERT_TRUE(messages.shown.empty());

  for (const char* crossing : {"2.49", "197.51", "201", "99%"}) {
    Type(w, crossing, "5", "8");
    w.OkButton()->click();
    ASSERT_FALSE(messages.shown.empty()) << crossing;
    EXPECT_EQ(messages.shown.back().text, PositionError(crossing));
    EXPECT_EQ(messages.shown.back().title, Key("Frmlongeron", "1") + " 200 mm");
    EXPECT_TRUE(w.isVisible()) << crossing;
    EXPECT_EQ(doc.rib.spars[0].positionText, "197.5") << crossing;  // nothing of the refused spar
    EXPECT_EQ(doc.rib.spars[0].height.text, "3") << crossing;
  }
  const std::size_t told = messages.shown.size();
  w.CancelButton()->click();
  EXPECT_TRUE(w.isVisible());
  ASSERT_EQ(messages.shown.size(), told + 1);
  EXPECT_EQ(messages.shown.back().text, PositionError("99%"));

  w.PositionBox()->setText("50%");
  w.OkButton()->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(DrawnCentres(), std::vector<double>{100});
}

TEST_F(SparWindowTest, APercentageSparMovesWithTheChordALengthStays) {
  SparWindow w(doc);
  Type(w, "25%");
  w.AddButton()->click();
  Type(w, "60");
  w.ApplyButton()->click();
  ribwindows::InputWindow chord(doc, ribwindows::InputKind::Chord);
  chord.ValueBox()->setText("300");
  chord.OkButton()->click();
  EXPECT_EQ(DrawnCentres(), (std::vector<double>{75, 60}));
  EXPECT_EQ(w.windowTitle().toStdString(), Key("Frmlongeron", "1") + " 300 mm");
}

// The only spar, pending or added (then the empty pending row moves down into its place).
TEST_F(SparWindowTest, DeletingTheOnlySparLeavesTheTableEmpty) {
  for (bool added : {false, true}) {
    SparWindow w(doc);
    Type(w, "40");
    (added ? w.AddButton() : w.ApplyButton())->click();
    QTest::mouseClick(w.Labels()->Label(0), Qt::LeftButton);
    w.DeleteButton()->click();
    EXPECT_EQ(doc.rib.spars.last, 0);
    EXPECT_EQ(doc.rib.spars[0], core::SparRow{});
    EXPECT_EQ(doc.rib.spars[1], core::SparRow{});
    EXPECT_TRUE(DrawnCentres().empty());
    EXPECT_EQ(w.PositionBox()->text(), "");
    EXPECT_EQ(w.Labels()->Label(1)->text(), "");
  }
}

// Add keeps what the boxes hold; Apply first is not needed. With another spar selected the
// boxes show that spar, and Add keeps the pending row as last applied.
TEST_F(SparWindowTest, AddWithoutApplyKeepsWhatIsTyped) {
  SparWindow w(doc);
  Type(w, "30", "6", "4");
  w.AddButton()->click();
  EXPECT_EQ(doc.rib.spars.last, 1);
  EXPECT_EQ(doc.rib.spars[0].positionText, "30");
  EXPECT_FLOAT_EQ(doc.rib.spars[0].width.mm, 6);
  EXPECT_EQ(w.PositionBox()->text(), "");  // the next spar starts empty

  Type(w, "120");
  w.ApplyButton()->click();
  QTest::mouseClick(w.Labels()->Label(0), Qt::LeftButton);
  EXPECT_EQ(w.PositionBox()->text(), "30");
  w.AddButton()->click();
  EXPECT_EQ(doc.rib.spars.last, 2);
  EXPECT_EQ(doc.rib.spars[1].positionText, "120");
  EXPECT_EQ(doc.rib.spars[0].positionText, "30");
  EXPECT_EQ(DrawnCentres(), (std::vector<double>{30, 120}));

  // An empty row is never kept: it would end the table and hide the spars after it.
  w.AddButton()->click();
  EXPECT_EQ(doc.rib.spars.last, 2);
  EXPECT_EQ(messages.shown.back().text, PositionError(""));
}

TEST_F(SparWindowTest, TheTwelfthSparStaysPendingWithItsMessage) {
  SparWindow w(doc);
  for (int i = 1; i <= 11; ++i) {
    Type(w, QString::number(i * 15));
    w.AddButton()->click();
  }
  ASSERT_TRUE(messages.shown.empty());
  EXPECT_EQ(doc.rib.spars.last, 11);
  EXPECT_EQ(w.Labels()->Label(11)->text(), "12");
  Type(w, "190");
  w.AddButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("Frmlongeron", "25"));
  EXPECT_EQ(doc.rib.spars.last, 11);
  EXPECT_EQ(doc.rib.spars[11].positionText, "190");  // kept, as the pending row
  EXPECT_EQ(doc.rib.spars[12], core::SparRow{});
  EXPECT_EQ(DrawnCentres().size(), 12u);
}

TEST_F(SparWindowTest, SelectingModifyingAndTheLabelsLook) {
  SparWindow w(doc);
  for (const char* p : {"20", "80"}) {
    Type(w, p);
    w.AddButton()->click();
  }
  auto look = [&](int i) {
    QLabel* l = w.Labels()->Label(i);
    return l->text().toStdString() + (l->frameShape() == QFrame::Box ? "[]" : "") +
           (l->styleSheet().contains("0, 0, 255") ? "blue" : "");
  };
  EXPECT_EQ(look(0) + look(1) + look(2) + look(3), "123[]");

  // Without a selection Modify and Delete tell so and change nothing.
  const core::SparTable before = doc.rib.spars;
  w.ModifyButton()->click();
  w.DeleteButton()->click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, Key("Frmlongeron", "26"));
  EXPECT_EQ(doc.rib.spars, before);

  QTest::mouseClick(w.Labels()->Label(5), Qt::LeftButton);  // beyond the pending row
  EXPECT_FALSE(w.Editor().Selected().has_value());
  QTest::mouseClick(w.Labels()->Label(1), Qt::LeftButton);
  EXPECT_EQ(look(0) + look(1) + look(2), "12[]blue3");
  EXPECT_EQ(doc.view.markedSpar, 1);

  // A modification that does not fit is refused whole, by Modify and by Apply alike.
  Type(w, "300", "9");
  w.ModifyButton()->click();
  w.ApplyButton()->click();
  EXPECT_EQ(doc.rib.spars, before);
  EXPECT_EQ(messages.shown.back().text, PositionError("300"));

  Type(w, "90", "9");
  w.ApplyButton()->click();  // Apply modifies the selected spar, then edits the pending one
  EXPECT_EQ(doc.rib.spars[1].positionText, "90");
  EXPECT_FLOAT_EQ(doc.rib.spars[1].width.mm, 9);
  EXPECT_EQ(doc.rib.spars[2], core::SparRow{});
  EXPECT_EQ(look(1) + look(2), "23[]");
  EXPECT_EQ(doc.view.markedSpar, 2);

  // The numbers in use are reached with Tab, those beyond are not (Add comes next); Enter on
  // a number chooses its row as a click does, and applies nothing.
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  w.Labels()->Label(0)->setFocus();
  for (QWidget* next : {static_cast<QWidget*>(w.Labels()->Label(1)), static_cast<QWidget*>(w.Labels()->Label(2)),
                        static_cast<QWidget*>(w.AddButton())}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
  const core::SparTable applied = doc.rib.spars;
  w.Labels()->Label(0)->setFocus();
  QTest::keyClick(w.Labels()->Label(0), Qt::Key_Return);
  EXPECT_EQ(w.Editor().Selected(), 0);
  EXPECT_EQ(w.PositionBox()->text(), "20");
  EXPECT_EQ(doc.rib.spars, applied);
}

// A cut deeper than the rib is thick where the spar passes is stored as typed and told
// under the boxes while it is typed, in the hint's place: the window keeps its size and
// Apply its place, even for the longest warning (an unreadable inch length: the reason,
// then every accepted form); the hole window's Centred box and the sheeting's warning move
// nothing either. At 50 % the test airfoil is 0.06 over and 0.02 under the chord line:
// 0.08 x 200 = 16 mm thick.
TEST_F(SparWindowTest, ASparCutThroughTheRibIsStoredAndToldInPlace) {
  const auto settled = [](QWidget& w, QPushButton* button) {
    QApplication::processEvents();
    return std::pair{w.size(), button->mapTo(&w, QPoint(0, 0))};
  };
  SparWindow w(doc);
  w.show();
  w.UpperOption(2)->click();  // from the outside
  Type(w, "50%", "5", "15");
  EXPECT_TRUE(w.Warning()->text().isEmpty());
  const auto calm = settled(w, w.ApplyButton());
  w.HeightBox()->setText("17");
  const std::string spar = Key("Frmlongeron", "2") + " 1 \u2013 ";
  EXPECT_EQ(w.Warning()->text().toStdString(), spar + Key("RibCheck", "3") + " (16.00\u00a0mm).");
  EXPECT_EQ(settled(w, w.ApplyButton()), calm);
  w.ApplyButton()->click();
  EXPECT_EQ(doc.rib.spars[0].height.text, "17");
  EXPECT_TRUE(messages.shown.empty());
  w.WidthBox()->setText("0");
  EXPECT_EQ(w.Warning()->text().toStdString(), spar + Key("RibCheck", "2") + ".");
  w.UpperOption(0)->click();  // no cut: only the axis is drawn
  EXPECT_TRUE(w.Warning()->text().isEmpty());
  doc.settings.unitText = " in";
  doc.changes.Announce(core::Change::Settings);
  Retype(w.WidthBox(), "1 1/0");
  ASSERT_TRUE(w.Warning()->text().contains('\n'));
  EXPECT_EQ(settled(w, w.ApplyButton()), calm);

  ribwindows::HoleWindow holes(doc);
  holes.show();
  const auto uncentred = settled(holes, holes.ApplyButton());
  holes.CentredBox()->click();
  EXPECT_EQ(settled(holes, holes.ApplyButton()), uncentred);
  ribwindows::InputWindow sheeting(doc, ribwindows::InputKind::Sheeting);
  sheeting.show();
  const auto empty = settled(sheeting, sheeting.OkButton());
  Retype(sheeting.ValueBox(), "7 1/0");
  EXPECT_EQ(settled(sheeting, sheeting.OkButton()), empty);
}

// What a shape does not use is greyed, never hidden: no box moves under the pointer.
TEST_F(SparWindowTest, TheShapeDecidesTheHeightAndInsetBoxes) {
  SparWindow w(doc);
  w.show();
  const QRect insetPlace = w.InsetBox()->geometry();
  EXPECT_FALSE(w.InsetBox()->isEnabled());
  w.InsetBox()->setText("2");
  Type(w, "50", "6", "4");
  w.ShapeOption(2)->click();  // round
  QApplication::processEvents();
  EXPECT_TRUE(w.HeightBox()->isVisible());
  EXPECT_FALSE(w.HeightBox()->isEnabled());
  EXPECT_EQ(w.InsetBox()->geometry(), insetPlace);
  EXPECT_EQ(w.HeightBox()->text(), "0");
  EXPECT_EQ(w.WidthCaption()->text().toStdString(), Key("Frmlongeron", "8"));
  EXPECT_TRUE(w.InsetBox()->isEnabled());
  EXPECT_EQ(w.focusWidget(), w.InsetBox());
  w.ShapeOption(1)->click();
  EXPECT_TRUE(w.HeightBox()->isEnabled());
  EXPECT_EQ(w.WidthCaption()->text().toStdString(), Key("Frmlongeron", "6"));
  EXPECT_FALSE(w.InsetBox()->isEnabled());
  w.UpperOption(2)->click();
  w.LowerOption(1)->click();
  w.ApplyButton()->click();
  const core::SparRow& row = doc.rib.spars[0];
  EXPECT_EQ(row.shape, core::SparShape::Hanging);
  EXPECT_EQ(row.inset.text, "2");  // a disabled inset box keeps its text, and it is stored
  EXPECT_EQ(row.upper, core::SparCut::FromContour);
  EXPECT_EQ(row.lower, core::SparCut::FromSheeting);
  QTest::keyClick(w.PositionBox(), Qt::Key_Escape);  // Escape cancels, and the mark goes with the window
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(doc.view.markedSpar, -1);
}

// Each box takes its own characters: the position a percentage, none a minus, and in
// inches the fraction bar. (The filter's other roads, pasting and dropping: the input
// window's tests.)
TEST_F(SparWindowTest, EachBoxTakesOnlyItsCharacters) {
  SparWindow w(doc);
  w.show();
  Retype(w.PositionBox(), "-2a5/%");
  EXPECT_EQ(w.PositionBox()->text(), "25%");
  Retype(w.WidthBox(), "6%-/");
  EXPECT_EQ(w.WidthBox()->text(), "6");
  doc.settings.unitText = " in";
  doc.changes.Announce(core::Change::Settings);
  Retype(w.WidthBox(), "1/4");
  EXPECT_EQ(w.WidthBox()->text(), "1/4");
  EXPECT_EQ(w.windowTitle().toStdString(), Key("Frmlongeron", "1") + " 200 in");
}

// Inch fractions typed key by key: no message box comes on the way (the first "/" used to
// bring one up and lose the keys after it), every key stays, and the spar stored is the one
// meant. A text that cannot be read is said in place of the hint and in the box's tip;
// Apply then stores nothing, and Cancel still closes.
TEST_F(SparWindowTest, InchFractionsTypedKeyByKeyAreNeverInterrupted) {
  doc.settings.unitText = " in";
  SparWindow w(doc);
  w.show();
  for (const char* width : {"1 1/2", "1.1/2", "1-1/2"}) {
    SCOPED_TRACE(width);
    Retype(w.PositionBox(), "3");
    Retype(w.WidthBox(), width);
    Retype(w.HeightBox(), "1/4");
    EXPECT_EQ(w.WidthBox()->text(), width);
    EXPECT_EQ(w.HeightBox()->text(), "1/4");
    w.ApplyButton()->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NEAR(doc.rib.spars[0].width.mm, 38.1, 1e-4);  // 1.5 x 25.4
    EXPECT_NEAR(doc.rib.spars[0].height.mm, 6.35, 1e-4);
    EXPECT_EQ(doc.rib.spars[0].width.text, width);
  }
  const auto* filter = w.WidthBox()->findChild<ribwindows::KeyFilter*>();
  ASSERT_NE(filter, nullptr);
  EXPECT_EQ(filter->TipText().toStdString(), Key("Message", "25") + " " + Key("Message", "26"));

  const std::string unreadable = Key("Message", "24") + " \"1 1/0\"\n" + Key("Message", "25") + " " + Key("Message", "26");
  Retype(w.WidthBox(), "1 1/0");
  EXPECT_TRUE(w.Warning()->isVisible());
  EXPECT_EQ(w.Warning()->text().toStdString(), unreadable);
  EXPECT_EQ(filter->TipText().toStdString(), unreadable);
  w.ApplyButton()->click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(doc.rib.spars[0].width.text, "1-1/2");
  QTest::keyClick(w.WidthBox(), Qt::Key_Backspace);
  QTest::keyClick(w.WidthBox(), Qt::Key_2);
  EXPECT_EQ(w.Warning()->text().indexOf("1 1/"), -1);
  w.CancelButton()->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(messages.shown.empty());
}

// One window beside the main window: it opens once, draws the rib on every change, comes to
// the front when asked again, stands where it was left, and closes with the main window.
TEST_F(SparWindowTest, TheWindowLivesBesideTheMainWindow) {
  mainwindow::MainWindow main(doc);
  main.Load();
  main.show();
  int draws = main.DrawCount();
  main.Run(mainwindow::Command::Spars);
  auto open = main.findChildren<SparWindow*>();
  ASSERT_EQ(open.size(), 1);
  SparWindow* w = open[0];
  EXPECT_EQ(main.DrawCount(), draws + 1);
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(w->isModal());

  for (auto* button : {w->ApplyButton(), w->AddButton(), w->ModifyButton(), w->DeleteButton()}) {
    Type(*w, "60");
    if (button == w->ModifyButton() || button == w->DeleteButton())
      QTest::mouseClick(w->Labels()->Label(0), Qt::LeftButton);
    draws = main.DrawCount();
    button->click();
    EXPECT_GE(main.DrawCount(), draws + 1);
  }
  main.Run(mainwindow::Command::SparsButton);
  EXPECT_EQ(main.findChildren<SparWindow*>().size(), 1);

  w->move(w->pos() + QPoint(-13, 17));  // still whole on the screen
  QApplication::processEvents();
  const QPoint left = w->geometry().topLeft();
  w->close();
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(main.findChildren<SparWindow*>().isEmpty());
  main.Run(mainwindow::Command::Spars);
  ASSERT_EQ(main.findChildren<SparWindow*>().size(), 1);
  EXPECT_EQ(main.findChildren<SparWindow*>()[0]->geometry().topLeft(), left);

  main.Run(mainwindow::Command::Holes);
  EXPECT_EQ(main.findChildren<QDialog*>().size(), 2);
  doc.project.modified = false;
  messages.answers.push_back(platform::BoxAnswer::Yes);  // to the quit question
  main.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(main.findChildren<QDialog*>().isEmpty());
}

}  // namespace
