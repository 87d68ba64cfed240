// The colours and line-styles window: what each box takes, the check that points at the
// first faulty box and stores nothing, and the chart and test page drawn from one routine.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <set>

#include "files/ini.h"
#include "platform/recordingtarget.h"
#include "settingswindows/coloursettings.h"
#include "settingswindows/colourswindow.h"
#include "settingswindows/stylechart.h"
#include "support/windowtest.h"

using core::Element;
using settingswindows::ColoursWindow;
using testsupport::Key;

namespace {

using ColoursTest = testsupport::WindowTest;

TEST_F(ColoursTest, AColourOf15IsRefusedWithTheFocusOnItsBoxAnd14IsStored) {
  int restyles = 0;
  auto listening = doc.changes.Listen([&](core::Changes c) { restyles += c.Has(core::Change::Style); });
  ColoursWindow window(doc);
  window.show();
  EXPECT_EQ(window.ColourBox(Element::Hole)->text(), "5");  // the default

  TypeOver(window.ColourBox(Element::Hole), "15");
  TypeOver(window.ColourBox(Element::Block), "99");  // a later fault is not the one shown
  window.OkButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmLines", "20"));
  EXPECT_EQ(messages.shown[0].title, Key("FrmLines", "1"));
  EXPECT_EQ(window.focusWidget(), window.ColourBox(Element::Hole));
  EXPECT_EQ(window.ColourBox(Element::Hole)->selectedText(), "15");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(doc.style, core::Style{});  // nothing stored, not even the good boxes
  EXPECT_EQ(restyles, 0);

  TypeOver(window.ColourBox(Element::Hole), "14");
  TypeOver(window.ColourBox(Element::Block), "0");
  TypeOver(window.LineStyleBox(Element::Spar), "4");
  TypeOver(window.WidthBox(7), "3");  // the block's width
  window.OkButton()->click();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(doc.style.ColourOf(Element::Hole), 14);
  EXPECT_EQ(doc.style.ColourOf(Element::Block), 0);
  EXPECT_EQ(doc.style.LineStyleOf(Element::Spar), 4);
  EXPECT_EQ(doc.style.WidthOf(core::WidthElement::Block), 3);
  EXPECT_EQ(Ini("Couleurs", "coultrou"), "14");
  EXPECT_EQ(Ini("StyleLignes", "linelong"), "4");
  EXPECT_EQ(Ini("Eprlines", "eplinebloc"), "3");
  EXPECT_EQ(restyles, 1);
}

// Each column takes only its own keys; Cancel stores nothing and says nothing.
TEST_F(ColoursTest, EachColumnTakesOnlyItsOwnKeysAndCancelStoresNothing) {
  ColoursWindow window(doc);
  window.show();
  QLineEdit* style = window.LineStyleBox(Element::Airfoil);
  TypeOver(style, "5");
  EXPECT_EQ(style->text(), "0");  // style 5 cannot be typed: the old style stays
  TypeOver(style, "4");
  EXPECT_EQ(style->text(), "4");
  QLineEdit* width = window.WidthBox(0);
  TypeOver(width, "04a3");
  EXPECT_EQ(width->text(), "3");
  QLineEdit* colour = window.ColourBox(Element::Airfoil);
  TypeOver(colour, "-1.2x9");
  EXPECT_EQ(colour->text(), "129");
  TypeOver(colour, "7");
  window.CancelButton()->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(doc.style, core::Style{});
  EXPECT_EQ(Ini("Couleurs", "coulprofil"), "");
}

TEST_F(ColoursTest, ChecksRunColoursThenStylesThenWidthsAndRefuseEmptyBoxes) {
  using settingswindows::CheckStyleBoxes;
  using settingswindows::StyleColumn;
  const settingswindows::StyleBoxes good = settingswindows::BoxesFromStyle(core::Style{});
  EXPECT_FALSE(CheckStyleBoxes(good));

  auto boxes = good;
  boxes.width[0] = "0";
  boxes.lineStyle[10] = "44";
  boxes.colour[10] = "99999999999999999999";  // must not wrap round into the range
  const auto firstProblem = [&boxes] {
    const auto problem = CheckStyleBoxes(boxes);
    return problem ? std::tuple(problem->column, problem->row, std::string(problem->messageKey))
                   : std::tuple(StyleColumn::Colour, -1, std::string());
  };
  EXPECT_EQ(firstProblem(), std::tuple(StyleColumn::Colour, 10, std::string("20")));
  boxes.colour[10] = "14";
  EXPECT_EQ(firstProblem(), std::tuple(StyleColumn::LineStyle, 10, std::string("21")));
  boxes.lineStyle[10] = "4";
  EXPECT_EQ(firstProblem(), std::tuple(StyleColumn::Width, 0, std::string("22")));
  boxes.width[0] = "";
  EXPECT_TRUE(CheckStyleBoxes(boxes));
  boxes.width[0] = "3";
  boxes.colour[0] = "";
  EXPECT_TRUE(CheckStyleBoxes(boxes));
}

TEST_F(ColoursTest, TheChartDrawsEveryColourInThreeWidthsAndEveryStyleInBlack) {
  platform::RecordingTarget target;
  const double x = 35, y = 9;
  const double height = settingswindows::DrawStyleChart(target, x, y, {"Colours", "Width", "Styles"});
  EXPECT_NEAR(height, settingswindows::StyleChartHeight(), 1e-9);

  std::set<std::pair<int, int>> colourWidths;
  std::set<int> styles;
  for (const platform::RecordedLine& l : target.lines) {
    EXPECT_GE(l.x1, x);
    EXPECT_LE(l.x2, x + settingswindows::StyleChartWidth());
    EXPECT_GE(l.y1, y);
    EXPECT_LT(l.y1, y + height);
    if (l.style == 0 && l.colour != 0) colourWidths.insert({l.colour, l.width});
    if (l.colour == 0 && l.width == 1) styles.insert(l.style);
  }
  EXPECT_EQ(target.lines.size(), 15u * 3 + 5);
  EXPECT_EQ(colourWidths.size(), 14u * 3);  // colours 1 to 14; black's lines are counted with the styles
  EXPECT_EQ(styles, (std::set<int>{0, 1, 2, 3, 4}));

  // Each index sits 5 mm left of the origin, level with its lines.
  for (int colour : {0, 7, 14}) {
    auto text = std::find_if(target.texts.begin(), target.texts.end(),
                             [&](const platform::RecordedText& t) { return t.text == std::to_string(colour); });
    ASSERT_NE(text, target.texts.end());
    EXPECT_DOUBLE_EQ(text->x, x - 5);
    auto line = std::find_if(target.lines.begin(), target.lines.end(),
                             [&](const platform::RecordedLine& l) { return l.colour == colour && l.width == 2; });
    ASSERT_NE(line, target.lines.end());
    EXPECT_GT(line->y1, text->y);
    EXPECT_LT(line->y1, text->y + settingswindows::kChartRowPitch);
  }
}

TEST_F(ColoursTest, TheTestPageCarriesTheVersionTheChartAndTextsFromSizeTenToFive) {
  platform::RecordingTarget target;
  const settingswindows::TestPageTexts texts = settingswindows::TestPageTextsInLanguage("1.2.3-E");
  settingswindows::DrawTestPage(target, texts);
  ASSERT_FALSE(target.texts.empty());
  EXPECT_EQ(target.texts[0].text, " - " + Key("TextButton", "13") + " - Vandrell - " + Key("FrmAbout", "3") + "  1.2.3-E");
  std::vector<double> sizes, tops;
  for (const platform::RecordedText& t : target.texts)
    if (t.text.rfind(Key("FrmLines", "25") + " ", 0) == 0) sizes.push_back(t.fontSize), tops.push_back(t.y);
  ASSERT_EQ(sizes, (std::vector<double>{10, 9, 8, 7, 6, 5}));
  // Each size's line starts below the one before, by that line's height (a point's 25.4 / 72 mm here).
  for (std::size_t i = 1; i < tops.size(); ++i) EXPECT_NEAR(tops[i] - tops[i - 1], sizes[i - 1] * 25.4 / 72, 1e-9);
  // Everything lies on an A4 sheet inside its 20 mm margins' reach.
  for (const platform::RecordedText& t : target.texts) EXPECT_LT(t.y, 297 - 20);
}

TEST_F(ColoursTest, TestPageButtonShowsThePreview) {
  ColoursWindow window(doc);
  bool previewed = false;
  int pageWidth = 0, wanted = 0;
  WhenModal([&](QWidget* modal) {
    previewed = qobject_cast<settingswindows::TestPagePreview*>(modal) != nullptr;
    // The page at true size: an A4 sheet's 210 mm at the screen's resolution.
    if (auto* page = modal->findChild<QWidget*>("Page")) {
      pageWidth = page->width();
      wanted = static_cast<int>(std::ceil(210 / 25.4 * page->logicalDpiX()));
    }
    modal->close();
  });
  window.TestPageButton()->click();
  EXPECT_TRUE(previewed);
  EXPECT_GT(wanted, 0);
  EXPECT_EQ(pageWidth, wanted);
}

}  // namespace
