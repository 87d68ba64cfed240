#include "settingswindows/stylechart.h"

#include "files/settings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace settingswindows {

using platform::Text;

namespace {

constexpr int kColourRows = files::kColourIndexMax + 1;
constexpr int kStyleRows = files::kLineStyleMax + 1;
constexpr int kWidthColumns = files::kLineWidthMax;

// Black text in Arial; returns the top of the next line.
double PrintAt(platform::DrawTarget& t, double x, double y, const std::string& text, double sizePt) {
  return t.Print(text, x, y, {"Arial", sizePt}, 0).nextLineY;
}

}  // namespace

StyleChartTexts StyleChartTextsInLanguage() {
  return {Text(keys::PaletteHeading), Text(keys::LineWidthWord), Text(keys::LineStyleHeading)};
}

TestPageTexts TestPageTextsInLanguage(const std::string& versionText) {
  TestPageTexts texts;
  texts.heading = " - " + Text(keys::TestPageButton) + " - " + platform::kProgramTitle + " - " +
                  Text(keys::VersionWord) + "  " + versionText;
  texts.chart = StyleChartTextsInLanguage();
  texts.textSizesHeading = Text(keys::TextSizeHeading);
  texts.sizeWord = Text(keys::TextSizeWord);
  texts.chordWord = Text(keys::ChordLabel);
  return texts;
}

double StyleChartWidth() { return kChartIndexOffset + (kWidthColumns - 1) * kChartColumnPitch + kChartSampleLength; }

double StyleChartHeight() { return (2 + kColourRows + 1 + kStyleRows) * kChartRowPitch; }

double DrawStyleChart(platform::DrawTarget& t, double x, double y, const StyleChartTexts& texts) {
  auto print = [&t](double atX, double atY, const std::string& text) { PrintAt(t, atX, atY, text, kChartFontSize); };
  double row = y;
  print(x - kChartIndexOffset, row, texts.coloursHeading);
  row += kChartRowPitch;
  for (int w = 1; w <= kWidthColumns; ++w)
    print(x + (w - 1) * kChartColumnPitch, row, texts.widthWord + " = " + std::to_string(w));
  row += kChartRowPitch;
  const double middle = kChartRowPitch / 2;
  for (int colour = 0; colour < kColourRows; ++colour, row += kChartRowPitch) {
    print(x - kChartIndexOffset, row, std::to_string(colour));
    for (int w = 1; w <= kWidthColumns; ++w) {
      const double left = x + (w - 1) * kChartColumnPitch;
      t.Line(left, row + middle, left + kChartSampleLength, row + middle, {colour, platform::kSolid, w});
    }
  }
  print(x - kChartIndexOffset, row, texts.stylesHeading);
  row += kChartRowPitch;
  for (int style = 0; style < kStyleRows; ++style, row += kChartRowPitch) {
    print(x - kChartIndexOffset, row, std::to_string(style));
    t.Line(x, row + middle, x + (kWidthColumns - 1) * kChartColumnPitch + kChartSampleLength, row + middle,
           {0, style, 1});
  }
  return row - y;
}

void DrawTestPage(platform::DrawTarget& t, const TestPageTexts& texts) {
  const double x = kTestPageOrigin;
  double y = kTestPageOrigin;
  PrintAt(t, x - kChartIndexOffset, y, texts.heading, kSampleSizeLargest);
  y += 2 * kChartRowPitch;
  y += DrawStyleChart(t, x, y, texts.chart) + kChartRowPitch;
  y = PrintAt(t, x - kChartIndexOffset, y, texts.textSizesHeading, kSampleSizeLargest) + kChartRowPitch / 2;
  for (int size = kSampleSizeLargest; size >= kSampleSizeSmallest; --size) {
    y = PrintAt(t, x, y, texts.sizeWord + " " + std::to_string(size) + " = " + texts.chordWord + " 200 mm = 8 in",
                size);
  }
}

}  // namespace settingswindows
