#pragma once
// Text as single strokes, for laser software that reads no fonts: each character drawn with
// a few straight lines, as a plotter writes.
#include <vector>

#include "core/cutpart.h"

namespace core {

// The text mark as open lines, within the box `LabelWidth` gives it (each character a cell
// as wide as the capitals are high), turned as the mark is. Capitals, digits and - _ . are
// drawn, small letters as capitals; any other character leaves its cell empty.
std::vector<CutMark> StrokedText(const CutMark& text);

}  // namespace core
