// The one-value input window: what each kind shows, the key filter, the checks and their
// messages, the dependent values, and Cancel.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

#include "ribwindows/inputwindow.h"
#include "ribwindows/keyfilter.h"
#include "mainwindow/mainwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

using ribwindows::InputKind;

class InputWindowTest : public testsupport::WindowTest {
 protected:
  // Types `text` into a fresh window of `kind` and presses OK.
  void Enter(InputKind kind, const QString& text) {
    ribwindows::InputWindow w(doc, kind);
    w.ValueBox()->setText(text);
    w.OkButton()->click();
  }
};

TEST_F(InputWindowTest, EachKindShowsItsTextPromptAndTitle) {
  core::RibDocument& s = doc;
  s.rib.sheeting.text = "1/16";
  s.settings.unitText = " in";
  s.rib.markCount = 7;
  struct Case { InputKind kind; const char* box; const char* prompt; std::string title; };
  const Case cases[] = {{InputKind::Chord, "200", "1", Key("FrmInput", "2") + " in"},
                        {InputKind::Sheeting, "1/16", "3", Key("FrmInput", "4") + " in"},
                        {InputKind::LeadingEdge, "0", "5", Key("FrmInput", "6") + " in"},
                        {InputKind::TrailingEdge, "0", "7", Key("FrmInput", "8") + " in"},
                        {InputKind::ReferenceLines, "7", "9", Key("FrmInput", "10")}};
  for (const Case& c : cases) {
    ribwindows::InputWindow w(doc, c.kind);
    EXPECT_EQ(w.ValueBox()->text(), c.box) << c.prompt;
    EXPECT_EQ(w.Prompt()->text().toStdString(), Key("FrmInput", c.prompt));
    EXPECT_EQ(w.windowTitle().toStdString(), c.title);
  }
}

// The messages of a depth past the chord, a count past 255 and a chord of 0 are in the
// window-versus-batch table (test_samerib); here the edges of those rules.
TEST_F(InputWindowTest, EdgeDepthAndCountAtTheirLimitsAndPast) {
  core::RibDocument& s = doc;
  s.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Square;
  Enter(InputKind::LeadingEdge, "200");
  EXPECT_EQ(s.rib.leadingEdge, (core::Length{200, "200"}));
  EXPECT_EQ(s.rib.leadingEdgeStyle, core::LeadingEdgeStyle::Plain);
  EXPECT_TRUE(messages.shown.empty());

  // Past the chord the text goes to 0 with the value, or the saved project would bring the
  // depth back when read.
  s.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Square;
  Enter(InputKind::TrailingEdge, "200.5");
  EXPECT_EQ(s.rib.trailingEdge, (core::Length{0, "0"}));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, Key("FrmInput", "8") + " mm");
  EXPECT_EQ(s.rib.leadingEdgeStyle, core::LeadingEdgeStyle::Square);  // the trailing edge leaves the leading edge's style

  ribwindows::InputWindow w(doc, InputKind::ReferenceLines);
  w.ValueBox()->setText("256");
  w.OkButton()->click();
  EXPECT_EQ(w.ValueBox()->text(), "255");
  EXPECT_EQ(doc.rib.markCount, 255);
  Enter(InputKind::ReferenceLines, "255");
  EXPECT_EQ(messages.shown.size(), 2u);  // 255 itself is no message
  Enter(InputKind::ReferenceLines, "12.5");
  EXPECT_EQ(doc.rib.markCount, 12);  // halves to even
  Enter(InputKind::ReferenceLines, "");
  EXPECT_EQ(doc.rib.markCount, 0);
}

TEST_F(InputWindowTest, KeysOutsideTheUnitsSetNeverReachTheBoxAndInchesKeepTheirFraction) {
  {
    ribwindows::InputWindow w(doc, InputKind::Chord);
    Retype(w.ValueBox(), "-12a5,/3%");
    EXPECT_EQ(w.ValueBox()->text(), "125,3");
    QTest::keyClick(w.ValueBox(), Qt::Key_Backspace);
    EXPECT_EQ(w.ValueBox()->text(), "125,");
  }
  doc.settings.unitText = " in";
  ribwindows::InputWindow w(doc, InputKind::Chord);
  Retype(w.ValueBox(), "1x.3/8%");
  EXPECT_EQ(w.ValueBox()->text(), "1.3/8");
  w.OkButton()->click();
  EXPECT_EQ(doc.rib.chord.text, "1.3/8");
  EXPECT_NEAR(doc.rib.chord.mm, 34.925, 1e-4);
  EXPECT_TRUE(doc.project.modified);
}

// Pasting and dropping go past the keys: a text with a character the box would not take
// typed is refused whole (taking "abc-12,5" apart would store 125), and the box says why.
TEST_F(InputWindowTest, PastedOrDroppedTextWithRefusedCharactersNeverReachesTheBox) {
  ribwindows::InputWindow w(doc, InputKind::Chord);
  QLineEdit* box = w.ValueBox();
  const auto* filter = box->findChild<ribwindows::KeyFilter*>();
  ASSERT_NE(filter, nullptr);
  box->clear();
  QApplication::clipboard()->setText("abc-12,5");
  box->paste();
  EXPECT_EQ(box->text(), "");
  EXPECT_EQ(filter->LastRefusal().toStdString(), Key("Message", "23") + " 1234567890., ");

  auto drop = [box](const QString& text) {
    QMimeData dropped;
    dropped.setText(text);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
  };
  drop("1x5");
  EXPECT_EQ(box->text(), "");
  drop("15");  // the same road with a text the box takes
  EXPECT_EQ(box->text(), "15");
  box->clear();

  QApplication::clipboard()->setText("250.5");
  box->paste();
  EXPECT_EQ(box->text(), "250.5");
  w.OkButton()->click();
  EXPECT_FLOAT_EQ(doc.rib.chord.mm, 250.5f);

  // A text that came from a file with a character the keys would refuse stays editable,
  // so that the user can take the character out.
  doc.rib.chord.text = "12x5";
  ribwindows::InputWindow fromFile(doc, InputKind::Chord);
  ASSERT_EQ(fromFile.ValueBox()->text(), "12x5");
  fromFile.ValueBox()->setCursorPosition(4);
  QTest::keyClick(fromFile.ValueBox(), Qt::Key_Backspace);
  QTest::keyClick(fromFile.ValueBox(), Qt::Key_Backspace);
  EXPECT_EQ(fromFile.ValueBox()->text(), "12");
}

// The reader's table typed key by key into the sheeting box: every key stays and no message
// box comes; what reads is stored as meant, what does not is said beside the box in the
// user's words and nothing is stored. The sheeting takes no sign, so "-1/2" is not read.
TEST_F(InputWindowTest, TypedTextsAreStoredAsMeantOrSaidUnreadableBesideTheBox) {
  constexpr float kUnreadable = -1;
  struct Case {
    const char* text;
    const char* unit;
    float mm;
  };
  // The reader's every form is its own tests'; here one of each road through the window.
  const Case cases[] = {{"1,5", " mm", 1.5f},          {"7 1/2", " in", 190.5f}, {"7-1/2", " in", 190.5f},
                        {"1,2,3", " mm", kUnreadable}, {"7 1/0", " in", kUnreadable}, {"-1/2", " in", kUnreadable},
                        {" 2 ", " mm", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"" + c.unit);
    doc.settings.unitText = c.unit;
    doc.rib.sheeting = {0.5f, "0.5"};
    ribwindows::InputWindow w(doc, InputKind::Sheeting);
    w.show();
    Retype(w.ValueBox(), c.text);
    EXPECT_EQ(w.ValueBox()->text(), c.text);
    w.OkButton()->click();
    EXPECT_TRUE(messages.shown.empty());
    if (c.mm == kUnreadable) {
      const std::string inches = c.unit == std::string(" in") ? " " + Key("Message", "26") : "";
      EXPECT_EQ(w.Warning()->text().toStdString(),
                Key("Message", "24") + " \"" + c.text + "\"\n" + Key("Message", "25") + inches);
      EXPECT_TRUE(w.isVisible());
      EXPECT_EQ(doc.rib.sheeting.text, "0.5");
    } else {
      EXPECT_EQ(w.result(), QDialog::Accepted);
      EXPECT_NEAR(doc.rib.sheeting.mm, c.mm, 1e-4);
      EXPECT_EQ(doc.rib.sheeting.text, c.text);
    }
  }
}

// Windows that show lengths derived from the chord or the sheeting hear of a change through
// the document, each change once; the window reports what it changed.
TEST_F(InputWindowTest, ChordAndSheetingChangesAreAnnouncedAndReported) {
  core::RibDocument& s = doc;
  std::vector<float> chords, sheetings;
  int setups = 0;
  core::ChangeChannel::Subscription follower = s.changes.Listen([&](core::Changes c) {
    if (c.Has(core::Change::Chord)) chords.push_back(s.rib.chord.mm);
    if (c.Has(core::Change::Sheeting)) sheetings.push_back(s.rib.sheeting.mm);
    if (c.Has(core::Change::Setup)) ++setups;
  });
  Enter(InputKind::Chord, "300");
  Enter(InputKind::Sheeting, "2");
  Enter(InputKind::LeadingEdge, "10");
  follower.Reset();
  Enter(InputKind::Chord, "250");
  EXPECT_EQ(chords, std::vector<float>{300});
  EXPECT_EQ(sheetings, std::vector<float>{2});
  EXPECT_EQ(setups, 3);

  ribwindows::InputWindow w(doc, InputKind::Sheeting);
  w.ValueBox()->setText("3");
  w.OkButton()->click();
  EXPECT_TRUE(w.Changed().Has(core::Change::Sheeting));
  EXPECT_FALSE(w.Changed().Has(core::Change::Chord));

  // In the comparison view a chord change leaves the rib unmodified.
  s.view.compareShown = true;
  s.project.modified = true;
  Enter(InputKind::Chord, "210");
  EXPECT_FALSE(s.project.modified);
}

TEST_F(InputWindowTest, CancelStoresNothingAndDoesNotRedrawWhileOkDoes) {
  mainwindow::MainWindow main(doc);
  main.Load();
  OpenAirfoil();
  doc.project.modified = false;
  const int draws = main.DrawCount();
  for (bool ok : {false, true}) {
    WhenModalIs<ribwindows::InputWindow>([ok](ribwindows::InputWindow* input) {
      input->ValueBox()->setText("350");
      (ok ? input->OkButton() : input->CancelButton())->click();
    });
    main.Run(mainwindow::Command::Chord);
    if (ok) break;
    EXPECT_FLOAT_EQ(doc.rib.chord.mm, 200);
    EXPECT_EQ(doc.rib.chord.text, "200");
    EXPECT_FALSE(doc.project.modified);
    EXPECT_EQ(main.DrawCount(), draws);
  }
  EXPECT_FLOAT_EQ(doc.rib.chord.mm, 350);
  EXPECT_EQ(main.DrawCount(), draws + 1);
  EXPECT_NE(doc.rib.caption.text.find("350"), std::string::npos);  // the caption names the new chord
}

}  // namespace
