// The square leading-edge window (the side's limit in either unit, the position check, the
// switch from the plain piece) and the inserted-text window (position, size, the user's
// own text).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/caption.h"
#include "core/ribconstruction.h"
#include "files/captions.h"
#include "files/ini.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/squareleadingedgewindow.h"
#include "ribwindows/textwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

class SquareWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenAirfoil();
  }
  // Types the three boxes of a fresh window and presses Apply.
  void Apply(const char* size, const char* x, const char* y) {
    ribwindows::SquareLeadingEdgeWindow w(doc);
    w.Box(0)->setText(size);
    w.Box(1)->setText(x);
    w.Box(2)->setText(y);
    w.ApplyButton()->click();
    shown = {w.Box(0)->text().toStdString(), w.Box(1)->text().toStdString()};
  }
  std::pair<std::string, std::string> shown;
};

// 2 in is 50.8 mm exactly and allowed; 2.01 in is 51.05 mm.
TEST_F(SquareWindowTest, TheSideIsLimitedTo50MillimetresOrTwoInchesWithItsMessage) {
  Apply("50", "6", "-1.5");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FLOAT_EQ(doc.rib.squareLeadingEdge.size.mm, 50);
  EXPECT_FLOAT_EQ(doc.rib.squareLeadingEdge.y.mm, -1.5f);
  EXPECT_EQ(doc.rib.leadingEdgeStyle, core::LeadingEdgeStyle::Square);
  EXPECT_TRUE(doc.project.modified);

  Apply("50.5", "6", "0");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmBacarre", "5") + " 50 mm");
  EXPECT_EQ(messages.shown[0].title, Key("FrmBacarre", "1"));
  EXPECT_EQ(shown.first, "50");
  EXPECT_EQ(doc.rib.squareLeadingEdge.size, (core::Length{50, "50"}));

  doc.settings.unitText = " in";
  Apply("2", "0.1/4", "0");
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_NEAR(doc.rib.squareLeadingEdge.size.mm, 50.8, 1e-4);
  EXPECT_NEAR(doc.rib.squareLeadingEdge.x.mm, 6.35, 1e-4);
  Apply("2.01", "0", "0");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, Key("FrmBacarre", "5") + " 2 inches");
  EXPECT_EQ(shown.first, "2");
  EXPECT_EQ(doc.rib.squareLeadingEdge.size.text, "2");
  EXPECT_NEAR(doc.rib.squareLeadingEdge.size.mm, 50.8, 1e-4);
}

TEST_F(SquareWindowTest, ACentreBeyondTheChordGoesToZero) {
  Apply("10", "201", "0");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmBacarre", "6"));
  EXPECT_EQ(shown.second, "0");
  EXPECT_EQ(doc.rib.squareLeadingEdge.x, (core::Length{0, "0"}));

  Apply("10", "200", "0.5");  // on the trailing edge is still on the chord
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(std::tuple(doc.rib.squareLeadingEdge.x, doc.rib.squareLeadingEdge.y),
            std::tuple(core::Length{200, "200"}, core::Length{0.5f, "0.5"}));
}

TEST_F(SquareWindowTest, KeysMinusOnlyInTheHeightBoxAndCancelStoresNothing) {
  const core::SquareLeadingEdge before = doc.rib.squareLeadingEdge;
  ribwindows::SquareLeadingEdgeWindow w(doc);
  for (int i = 0; i < 3; ++i) Retype(w.Box(i), "-1,5/");
  EXPECT_EQ(QStringList({w.Box(0)->text(), w.Box(1)->text(), w.Box(2)->text()}), QStringList({"1,5", "1,5", "-1,5"}));
  // A text that cannot be read stops Apply and OK with the box in focus, without a message box.
  w.show();
  Retype(w.Box(0), "1,2,3");
  w.OkButton()->click();
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(w.focusWidget(), w.Box(0));
  w.CancelButton()->click();
  EXPECT_EQ(doc.rib.squareLeadingEdge, before);
  EXPECT_EQ(doc.rib.leadingEdgeStyle, core::LeadingEdgeStyle::Plain);
}

// ---------------------------------------------------------------------------------------
class TextWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenAirfoil();
    // As the main window does on a new airfoil: the caption reads "wing Chord : 200".
    core::RecomposeCaption(doc, files::CaptionWordsInLanguage());
  }
  void ChangeChord(const char* chord) {
    ribwindows::InputWindow w(doc, ribwindows::InputKind::Chord);
    w.ValueBox()->setText(chord);
    w.OkButton()->click();
  }
};

TEST_F(TextWindowTest, ANegativeHeightPlacesTheTextBelowTheChordLine) {
  ribwindows::TextWindow w(doc);
  EXPECT_EQ(w.Box(0)->text().toStdString(), "wing " + Key("FrmInsText", "6") + " : 200");
  Retype(w.Box(1), "-30");  // the text cannot start ahead of the rib
  Retype(w.Box(2), "-12");
  EXPECT_EQ(w.Box(1)->text(), "30");
  w.ApplyButton()->click();
  EXPECT_EQ(doc.rib.caption.y, (core::Length{-12, "-12"}));
  EXPECT_FALSE(doc.rib.caption.isUserText);  // still the automatic caption
  // Printed with its top-left corner 3 mm above the point (30, -12), below the chord line too.
  const core::RibConstruction rib = core::BuildRib(doc);
  const auto text = core::ElementsOf(rib, core::RibPart::InsertedText);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_NEAR(text[0]->points[0].x, 30, 1e-4);
  EXPECT_NEAR(text[0]->points[0].y, -9, 1e-4);
}

TEST_F(TextWindowTest, TheUsersOwnTextSurvivesAChordChangeAnAutomaticOneFollows) {
  {
    ribwindows::TextWindow w(doc);
    w.Box(0)->setText("Root rib W3");
    w.OkButton()->click();
  }
  EXPECT_TRUE(doc.rib.caption.isUserText);
  ChangeChord("250");
  EXPECT_EQ(doc.rib.caption.text, "Root rib W3");

  // A text typed back in the caption's form is automatic again, and follows the chord.
  {
    ribwindows::TextWindow w(doc);
    w.Box(0)->setText(QString::fromStdString("wing " + Key("FrmInsText", "6") + " : 999"));
    w.ApplyButton()->click();
    w.CancelButton()->click();  // after Apply, Cancel keeps what was applied
  }
  EXPECT_FALSE(doc.rib.caption.isUserText);
  ChangeChord("180");
  EXPECT_EQ(doc.rib.caption.text, "wing " + Key("FrmInsText", "6") + " : 180");

  // A text of the user's with a colon of its own is theirs too; emptying the box brings
  // the automatic caption back. The project file keeps one value a line: a pasted line
  // break becomes a blank.
  ribwindows::TextWindow w(doc);
  w.Box(0)->setText("Rib 7: root\nleft");
  w.ApplyButton()->click();
  EXPECT_TRUE(doc.rib.caption.isUserText);
  EXPECT_EQ(doc.rib.caption.text, "Rib 7: root left");
  w.Box(0)->clear();
  w.ApplyButton()->click();
  EXPECT_FALSE(doc.rib.caption.isUserText);
  EXPECT_EQ(w.Box(0)->text().toStdString(), "wing " + Key("FrmInsText", "6") + " : 180");
}

TEST_F(TextWindowTest, OkKeepsTheSizeInTheSettingsCancelStoresNothing) {
  {
    ribwindows::TextWindow w(doc);
    ASSERT_EQ(w.SizeList()->count(), 6);
    EXPECT_EQ(w.SizeList()->currentText(), " 9");  // the default size
    w.SizeList()->setCurrentIndex(w.SizeList()->findText(" 7"));
    w.Box(0)->setText("Tip");
    w.CancelButton()->click();
  }
  EXPECT_EQ(doc.rib.caption.fontSize, 9);
  EXPECT_NE(doc.rib.caption.text, "Tip");
  EXPECT_EQ(files::GetINIFile("InsText", "TailleFont", doc.settings.iniFile), "");

  {
    ribwindows::TextWindow w(doc);
    w.SizeList()->setCurrentIndex(w.SizeList()->findText(" 7"));
    w.OkButton()->click();
  }
  EXPECT_EQ(doc.rib.caption.fontSize, 7);
  EXPECT_EQ(files::GetINIFile("InsText", "TailleFont", doc.settings.iniFile), "7");

  // A size the list lacks (from a hand-edited settings file) is kept as it is.
  doc.rib.caption.fontSize = 12;
  ribwindows::TextWindow w(doc);
  EXPECT_EQ(w.SizeList()->currentText(), "12");
  w.OkButton()->click();
  EXPECT_EQ(doc.rib.caption.fontSize, 12);
}

}  // namespace
