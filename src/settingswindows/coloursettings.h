#pragma once
// The rules of the colours and line-styles window: the 30 boxes as texts, the keys each
// column takes, the check that finds the first faulty box, and the store. Plain functions
// so they are tested without a screen.
#include <array>
#include <optional>
#include <string>

#include "core/ribdocument.h"

namespace settingswindows {

struct StyleBoxes {
  std::array<std::string, core::kElementCount> colour;
  std::array<std::string, core::kElementCount> lineStyle;
  std::array<std::string, core::kWidthCount> width;
};

StyleBoxes BoxesFromStyle(const core::Style& style);

// Keys the boxes take (and Backspace): any digit for a colour, 0 to 4 for a style, 1 to 3
// for a width.
inline constexpr const char* kColourKeys = "1234567890";
inline constexpr const char* kLineStyleKeys = "01234";
inline constexpr const char* kWidthKeys = "123";

// The width row of an element; none for the chord axis and the comparison airfoils, which
// have no width of their own.
std::optional<int> WidthRowOf(core::Element element);

enum class StyleColumn { Colour, LineStyle, Width };
struct StyleProblem {
  StyleColumn column;
  int row;                 // element, or width row for StyleColumn::Width
  const char* messageKey;  // FrmLines/20, /21 or /22
};
// The first box out of its limits, colours first, then styles, then widths, each in box
// order. An empty box is out of its limits.
std::optional<StyleProblem> CheckStyleBoxes(const StyleBoxes& boxes);

// The style of boxes that passed the check.
core::Style StyleFromBoxes(const StyleBoxes& boxes);

// Stores the style, writes the colour, line-style and width sections, and announces the
// change so the rib is drawn again.
void StoreStyle(core::RibDocument& document, const core::Style& style);

}  // namespace settingswindows
