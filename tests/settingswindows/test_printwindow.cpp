// The page set-up window: what it shows on opening, what its boxes take, what the values
// give as they are typed, the checks of OK, and the test page sent through the print command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "files/ini.h"
#include "platform/pageoutput.h"
#include "settingswindows/colourswindow.h"
#include "settingswindows/printwindow.h"
#include "support/windowtest.h"

using settingswindows::PrintBox;
using settingswindows::PrintWindow;
using testsupport::Key;

namespace {

class PrintWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenAirfoil();
    doc.prepared.yMax = 0.1;  // a rib 10 % of its chord high, for round figures
  }
  void SetChord(float mm) { doc.rib.chord = core::Length{mm, std::to_string(static_cast<int>(mm))}; }
};

TEST_F(PrintWindowTest, OpensWithTheStoredValuesAndWhatTheyGiveAndCancelStoresNothing) {
  SetChord(200);
  doc.print.paperIndex = 7;
  PrintWindow window(doc, 210);
  ASSERT_EQ(window.PaperList()->count(), 9);
  EXPECT_EQ(window.PaperList()->currentIndex(), 7);
  EXPECT_EQ(window.PaperList()->itemText(8).toStdString(), Key("FrmPrint", "tailleFeuille(8)"));
  EXPECT_EQ(window.Box(PrintBox::ChordLine)->text(), "50");
  EXPECT_TRUE(window.RibHeightLabel()->text().startsWith("20 mm"));  // 200 x 0.1
  EXPECT_TRUE(window.OneSheetIndicator()->isChecked());
  EXPECT_EQ(window.PageCountLabel()->text(), "1");
  EXPECT_FALSE(window.OneSheetIndicator()->isEnabled());  // an indicator, not a choice
  EXPECT_TRUE(window.ExtrasSwitch()->isChecked());       // on until the user turns it off

  // The printer's set-up is at hand; Cancel stores nothing.
  const core::PrintSetup before = doc.print;
  window.show();
  TypeOver(window.Box(PrintBox::Overlap), "5");
  window.PrinterSetupButton()->click();
  EXPECT_EQ(desktop.printerSetups, 1);
  window.CancelButton()->click();
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_EQ(doc.print, before);
  EXPECT_EQ(Ini("Marges", "recouvrement"), "");
}

// A4, 10 + 15 mm margins: 20 mm overlap leaves 252 mm a sheet; 600 mm takes 3 sheets. With no
// overlap the count turns bold and OK says why and stays; 300 mm leaves no room at all.
TEST_F(PrintWindowTest, IndicatorsFollowTheBoxesAndOkRefusesWhatCannotPrint) {
  SetChord(600);
  const core::PrintSetup before = doc.print;
  PrintWindow window(doc, 210);
  window.show();
  EXPECT_TRUE(window.SeveralSheetsIndicator()->isChecked());
  EXPECT_EQ(window.PageCountLabel()->text(), "3");
  EXPECT_FALSE(window.PageCountLabel()->font().bold());

  TypeOver(window.Box(PrintBox::Overlap), "0");
  EXPECT_TRUE(window.PageCountLabel()->font().bold());
  EXPECT_TRUE(window.PageCountLabel()->text().startsWith("3"));  // Int(600 / 272) + 1
  window.OkButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmPrint", "24") + " 3");
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(doc.print, before);

  TypeOver(window.Box(PrintBox::Overlap), "300");
  window.OkButton()->click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, Key("FrmPrint", "22"));
  EXPECT_EQ(messages.shown[1].title, Key("Erreur", "1"));
  EXPECT_EQ(window.Box(PrintBox::Overlap)->selectedText(), "300");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(doc.print, before);

  // The printer's own paper prints on one sheet whatever the values.
  window.PaperList()->setCurrentIndex(8);
  EXPECT_TRUE(window.OneSheetIndicator()->isChecked());
  window.OkButton()->click();
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(doc.print.paperIndex, 8);
}

// What the boxes take, by keys and by paste: digits and "." in millimetres, "/" as well in
// inches (a fraction is stored as typed and in millimetres); OK writes the section.
TEST_F(PrintWindowTest, BoxesTakeLengthsInTheUnitAndOkStoresThem) {
  SetChord(200);
  {
    PrintWindow window(doc, 210);
    window.show();
    TypeOver(window.Box(PrintBox::StartMargin), "1a2/5");
    EXPECT_EQ(window.Box(PrintBox::StartMargin)->text(), "125");
    QApplication::clipboard()->setText("-7");
    window.Box(PrintBox::EndMargin)->selectAll();
    QTest::keyClick(window.Box(PrintBox::EndMargin), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window.Box(PrintBox::EndMargin)->text(), "15");
    TypeOver(window.Box(PrintBox::StartMargin), "12.5");
    window.ExtrasSwitch()->setChecked(false);
    window.OkButton()->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
  }
  EXPECT_FLOAT_EQ(doc.print.topMargin.mm, 12.5f);
  EXPECT_EQ(Ini("Marges", "MargeHaut"), "12.5");
  EXPECT_EQ(userStore.Get(platform::kUserStorePrint, platform::kUserSheetExtras), "0");
  EXPECT_TRUE(Ini("Marges", "recouvrement") == "20");

  doc.settings.unitText = " in";
  PrintWindow inches(doc, 210);
  inches.show();
  EXPECT_EQ(inches.UnitLabel(PrintBox::Overlap)->text(), " in");
  TypeOver(inches.Box(PrintBox::StartMargin), "1/2");
  TypeOver(inches.Box(PrintBox::EndMargin), "0.5");
  TypeOver(inches.Box(PrintBox::ChordLine), "2");
  TypeOver(inches.Box(PrintBox::Overlap), "3/4");
  EXPECT_EQ(inches.Box(PrintBox::Overlap)->text(), "3/4");
  inches.OkButton()->click();
  EXPECT_EQ(doc.print.overlap.text, "3/4");
  EXPECT_NEAR(doc.print.overlap.mm, 19.05, 1e-4);
}

// The rib (10 % of 600 mm: 60 mm above the chord line) against the room on an A4 sheet,
// 210 mm high: with the chord line 50 mm down the top is cut off; at 100 mm it fits. The
// warning shows whole, in room kept for it: the window keeps its size either way.
TEST_F(PrintWindowTest, SaysWhenTheRibIsCutOffAtTheSheetsEdge) {
  SetChord(600);
  PrintWindow window(doc, 210);
  const QLabel* warning = window.CutOffWarning();
  EXPECT_EQ(warning->text().toStdString(), Key("FrmPrint", "16"));
  TypeOver(window.Box(PrintBox::ChordLine), "100");
  EXPECT_TRUE(warning->text().isEmpty());
  EXPECT_TRUE(window.RoomLabel()->text().startsWith("100 mm"));
  EXPECT_NE(window.RoomLabel()->text().indexOf("110 mm"), -1);  // 210 - 100 below
  window.show();
  QApplication::processEvents();
  const QSize size = window.size();
  // At every width, the window as low as it may be: the warning that comes shows whole
  // (in bold, it wraps sooner than plain text) and the window keeps its size.
  for (int width = size.width(); width < size.width() + 400; width += 20) {
    TypeOver(window.Box(PrintBox::ChordLine), "100");
    window.resize(width, 0);
    QApplication::processEvents();
    const QSize calm = window.size();
    TypeOver(window.Box(PrintBox::ChordLine), "50");
    QApplication::processEvents();
    ASSERT_FALSE(warning->text().isEmpty());
    EXPECT_GE(warning->height(), warning->heightForWidth(warning->width())) << width;
    EXPECT_EQ(window.size(), calm);
  }
  // Too low: what hangs below the chord line no longer fits.
  TypeOver(window.Box(PrintBox::ChordLine), "209");
  EXPECT_FALSE(warning->text().isEmpty());
}

// The colours window's test page goes to the printer through the print command: one sheet,
// after the question, with the page's heading on it.
TEST_F(PrintWindowTest, TestPagePrintsThroughThePrintCommand) {
  platform::RecordingPageOutput printer;
  platform::ScopedPrinter usePrinter(&printer);
  settingswindows::TestPagePreview preview("1.2.3-E", nullptr, &doc);
  ASSERT_NE(preview.PrintButton(), nullptr);
  messages.answers = {platform::BoxAnswer::Yes};
  preview.PrintButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("TextButton", "14") + " " + Key("TextButton", "13"));
  ASSERT_EQ(printer.sheets.size(), 1u);
  EXPECT_TRUE(printer.ended);
  const auto& texts = printer.sheets[0].texts;
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                          [](const platform::RecordedText& t) { return t.text.find("1.2.3-E") != std::string::npos; }));
}

}  // namespace
