#include "settingswindows/coloursettings.h"

#include "core/numformat.h"
#include "core/plaintext.h"
#include "files/settings.h"

namespace settingswindows {

namespace {

// The box's whole number when it holds one within [lo, hi].
std::optional<std::int16_t> BoxValue(const std::string& text, int lo, int hi) {
  if (core::Trimmed(text).empty()) return std::nullopt;
  // Compared before rounding: a long run of digits must not wrap into the range.
  const double typed = core::LeadingNumber(text);
  if (!(typed >= lo - 0.5 && typed <= hi + 0.5)) return std::nullopt;
  const long value = core::RoundHalfEven(typed);
  if (value < lo || value > hi) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

}  // namespace

StyleBoxes BoxesFromStyle(const core::Style& style) {
  StyleBoxes boxes;
  for (std::size_t i = 0; i < boxes.colour.size(); ++i) {
    boxes.colour[i] = std::to_string(style.colour[i]);
    boxes.lineStyle[i] = std::to_string(style.lineStyle[i]);
  }
  for (std::size_t i = 0; i < boxes.width.size(); ++i) boxes.width[i] = std::to_string(style.lineWidth[i]);
  return boxes;
}

std::optional<int> WidthRowOf(core::Element element) {
  using core::Element;
  switch (element) {
    case Element::Airfoil: return 0;
    case Element::Sheeting: return 1;
    case Element::Spar: return 2;
    case Element::LeadingEdge: return 3;
    case Element::TrailingEdge: return 4;
    case Element::Hole: return 5;
    case Element::ReferenceLine: return 6;
    case Element::Block: return 7;
    case Element::ChordAxis:
    case Element::CompareFirst:
    case Element::CompareSecond: break;
  }
  return std::nullopt;
}

std::optional<StyleProblem> CheckStyleBoxes(const StyleBoxes& boxes) {
  for (std::size_t i = 0; i < boxes.colour.size(); ++i)
    if (!BoxValue(boxes.colour[i], 0, files::kColourIndexMax))
      return StyleProblem{StyleColumn::Colour, static_cast<int>(i), "20"};
  for (std::size_t i = 0; i < boxes.lineStyle.size(); ++i)
    if (!BoxValue(boxes.lineStyle[i], 0, files::kLineStyleMax))
      return StyleProblem{StyleColumn::LineStyle, static_cast<int>(i), "21"};
  for (std::size_t i = 0; i < boxes.width.size(); ++i)
    if (!BoxValue(boxes.width[i], files::kLineWidthMin, files::kLineWidthMax))
      return StyleProblem{StyleColumn::Width, static_cast<int>(i), "22"};
  return std::nullopt;
}

core::Style StyleFromBoxes(const StyleBoxes& boxes) {
  core::Style style;
  for (std::size_t i = 0; i < boxes.colour.size(); ++i) {
    style.colour[i] = BoxValue(boxes.colour[i], 0, files::kColourIndexMax).value_or(style.colour[i]);
    style.lineStyle[i] = BoxValue(boxes.lineStyle[i], 0, files::kLineStyleMax).value_or(style.lineStyle[i]);
  }
  for (std::size_t i = 0; i < boxes.width.size(); ++i)
    style.lineWidth[i] =
        BoxValue(boxes.width[i], files::kLineWidthMin, files::kLineWidthMax).value_or(style.lineWidth[i]);
  return style;
}

void StoreStyle(core::RibDocument& document, const core::Style& style) {
  document.style = style;
  files::WriteColourSettings(document);
  files::WriteLineStyleSettings(document);
  files::WriteLineWidthSettings(document);
  document.changes.Announce(core::Change::Style);
}

}  // namespace settingswindows
