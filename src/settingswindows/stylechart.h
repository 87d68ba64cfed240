#pragma once
// The palette and line-style chart of the colours window and the test page that shows it
// on paper, drawn on any drawing target (the window's picture, the preview, the printer).
// Positions are millimetres from the target's top-left corner.
#include <string>

#include "platform/drawtarget.h"

namespace settingswindows {

struct StyleChartTexts {
  std::string coloursHeading;  // FrmLines/17
  std::string widthWord;       // FrmLines/23, as in "Width = 2"
  std::string stylesHeading;   // FrmLines/18
};
StyleChartTexts StyleChartTextsInLanguage();

// Layout of the chart: one row per colour and style, the index 5 mm left of the origin,
// three sample lines per colour (widths 1, 2 and 3).
inline constexpr double kChartRowPitch = 4.6;
inline constexpr double kChartIndexOffset = 5;
inline constexpr double kChartColumnPitch = 24.7;
inline constexpr double kChartSampleLength = 17.6;
inline constexpr double kChartFontSize = 8;

// Draws the chart with its origin at (x, y): the colours heading, the widths line, colours
// 0 to 14 each with three lines, the styles heading, styles 0 to 4 in black. Returns the
// height used. The target's pen is left solid and 1 pixel wide.
double DrawStyleChart(platform::DrawTarget& target, double x, double y, const StyleChartTexts& texts);
// Width and height of the chart, the index column included.
double StyleChartWidth();
double StyleChartHeight();

struct TestPageTexts {
  std::string heading;  // " - Test page - Vandrell - Version  1.0.0-E"
  StyleChartTexts chart;
  std::string textSizesHeading;  // FrmLines/24
  std::string sizeWord;          // FrmLines/25
  std::string chordWord;         // MainTolbar/13
};
TestPageTexts TestPageTextsInLanguage(const std::string& versionText);

// The test page's origin on the sheet: 20 mm from the left and top edges.
inline constexpr double kTestPageOrigin = 20;
// The sizes of the text samples, largest first.
inline constexpr int kSampleSizeLargest = 10;
inline constexpr int kSampleSizeSmallest = 5;

// Draws the test page: the heading, the chart, then one text sample in each size.
void DrawTestPage(platform::DrawTarget& target, const TestPageTexts& texts);

}  // namespace settingswindows
