#include "settingswindows/stylechart.h"

#include "files/settings.h"
#include "platform/texts.h"

namespace settingswindows {

using platform::Text;

namespace {

constexpr int kColourRows = files::kColourIndexMax + 1;
constexpr int kStyleRows = files::kLineStyleMax + 1;
constexpr int kWidthColumns = files::kLineWidthMax;

void PrintAt(platform::DrawTarget& t, double x, double y, const std::string& text) {
  t.CurrentX = x;
  t.CurrentY = y;
  t.Print(text);
}

}  // namespace

StyleChartTexts StyleChartTextsInLanguage() {
  return {Text("FrmLines", "17"), Text("FrmLines", "23"), Text("FrmLines", "18")};
}

TestPageTexts TestPageTextsInLanguage(const std::string& versionText) {
  TestPageTexts texts;
  texts.heading = " - " + Text("TextButton", "13") + " - " + platform::kProgramTitle + " - " + Text("FrmAbout", "3") +
                  "  " + versionText;
  texts.chart = StyleChartTextsInLanguage();
  texts.textSizesHeading = Text("FrmLines", "24");
  texts.sizeWord = Text("FrmLines", "25");
  texts.chordWord = Text("MainTolbar", "13");
  return texts;
}

double StyleChartWidth() { return kChartIndexOffset + (kWidthColumns - 1) * kChartColumnPitch + kChartSampleLength; }

double StyleChartHeight() { return (2 + kColourRows + 1 + kStyleRows) * kChartRowPitch; }

double DrawStyleChart(platform::DrawTarget& t, double x, double y, const StyleChartTexts& texts) {
  t.FontSize = kChartFontSize;
  t.ForeColor = 0;
  t.DrawStyle = platform::kSolid;
  double row = y;
  PrintAt(t, x - kChartIndexOffset, row, texts.coloursHeading);
  row += kChartRowPitch;
  for (int w = 1; w <= kWidthColumns; ++w)
    PrintAt(t, x + (w - 1) * kChartColumnPitch, row, texts.widthWord + " = " + std::to_string(w));
  row += kChartRowPitch;
  const double middle = kChartRowPitch / 2;
  for (int colour = 0; colour < kColourRows; ++colour, row += kChartRowPitch) {
    PrintAt(t, x - kChartIndexOffset, row, std::to_string(colour));
    for (int w = 1; w <= kWidthColumns; ++w) {
      t.DrawWidth = w;
      const double left = x + (w - 1) * kChartColumnPitch;
      t.Line(left, row + middle, left + kChartSampleLength, row + middle, colour);
    }
  }
  t.DrawWidth = 1;
  PrintAt(t, x - kChartIndexOffset, row, texts.stylesHeading);
  row += kChartRowPitch;
  for (int style = 0; style < kStyleRows; ++style, row += kChartRowPitch) {
    PrintAt(t, x - kChartIndexOffset, row, std::to_string(style));
    t.DrawStyle = style;
    t.Line(x, row + middle, x + (kWidthColumns - 1) * kChartColumnPitch + kChartSampleLength, row + middle, 0);
  }
  t.DrawStyle = platform::kSolid;
  return row - y;
}

void DrawTestPage(platform::DrawTarget& t, const TestPageTexts& texts) {
  const double x = kTestPageOrigin;
  double y = kTestPageOrigin;
  t.FontSize = kSampleSizeLargest;
  t.ForeColor = 0;
  PrintAt(t, x - kChartIndexOffset, y, texts.heading);
  y += 2 * kChartRowPitch;
  y += DrawStyleChart(t, x, y, texts.chart) + kChartRowPitch;
  t.FontSize = kSampleSizeLargest;
  t.ForeColor = 0;
  PrintAt(t, x - kChartIndexOffset, y, texts.textSizesHeading);
  y = t.CurrentY + kChartRowPitch / 2;
  for (int size = kSampleSizeLargest; size >= kSampleSizeSmallest; --size) {
    t.FontSize = size;
    PrintAt(t, x, y, texts.sizeWord + " " + std::to_string(size) + " = " + texts.chordWord + " 200 mm = 8 in");
    y = t.CurrentY;
  }
}

}  // namespace settingswindows
