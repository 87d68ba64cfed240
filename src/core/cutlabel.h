#pragma once
// A name engraved on a cut part, so that the builder knows each rib after cutting: placed
// where a box around the text lies inside the part, clear of its edge and openings.
#include <optional>
#include <string>
#include <vector>

#include "core/cutpart.h"

namespace core {

struct CutLabel {
  CutMark mark;        // the text on the engraving layer
  PointMm centre;      // of the box the text takes
  double widthMm = 0;  // the box, reckoned generously
};

// The text as large as fits, from `largestMm` (capital height) down to a third of it,
// nearest the part's thickest place and the middle across it, clear of the engraved
// `marks` where it fits so anywhere, else over them unless `onlyClear`; none when it fits
// nowhere.
std::optional<CutLabel> LabelInside(const CutPiece& piece, const std::string& text, double largestMm,
                                    const std::vector<CutMark>& marks = {}, bool onlyClear = false);

// A text's box width at a capital height: every character taken as wide as it is high,
// which holds for the capitals and digits of the usual engraving fonts.
double LabelWidth(const std::string& text, double heightMm);

}  // namespace core
