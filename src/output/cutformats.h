#pragma once
// What the DXF and SVG cut file writers share: numbers as written and a drawing's extent.
#include <string>

#include "core/cutpart.h"
#include "output/cutwriter.h"

namespace output {

// Room left around the parts, where no sheet frames them.
inline constexpr double kCutMarginMm = 5;

// Three decimals at most, trailing zeros dropped ("12.5", "0.0").
std::string CutNumber(double v);
// The sheet, when there is one; else the parts' bounds.
core::BoundsMm CutFileBounds(const core::CutLayout& layout, const SheetFrame* sheet);
std::string CutSvgText(const core::CutLayout& layout, const SheetFrame* sheet);

}  // namespace output
