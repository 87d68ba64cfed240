// What is cut into the rib or drawn over it: sheeting, spar notches, holes, reference lines.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "core/ribbuilder.h"

namespace core::construction {
namespace {

// Off the line beside it, whatever the zoom: about 0.35 mm, kept to the digit so that drawings
// stay as they were.
constexpr double kReferenceNumberGapMm = 0.3527336860670194;
constexpr double kReferenceNumberSize = 7.2;

// A spar's or hole's place along the chord in millimetres from the leading edge, from the
// text typed for it; 0 where there is none.
template <class Row>
float PositionOf(const Row& row, const RibDocument& s) {
  return row.fromTrailingEdge == 1 ? PercentLengthFromTE(row.positionText, s.rib.chord.mm, s.settings.unitText)
                                   : PercentLength(row.positionText, s.rib.chord.mm, s.settings.unitText);
}

}  // namespace

// Kept as ribs have been drawn so far: the angle in degrees goes into sine and cosine as
// if it were radians, and one station's height step stands for the slope, which leaves
// the offset nearly vertical.
void RibBuilder::ComputeOffsets() {
  core::SheetingOffsets& o = c_.offsets;
  double rel = c_.sheetingPerChord;
  o.upperDy[0] = rel;
  o.lowerDy[0] = rel;
  for (std::size_t j = 1; j < static_cast<std::size_t>(kStations); ++j) {
    o.upperAngle[j] = std::atan(document_.prepared.upperAt[j - 1] - document_.prepared.upperAt[j]) * 180 / kPi;
    o.upperDx[j] = std::sin(o.upperAngle[j]) * rel;
    if (document_.prepared.upperAt[j] - document_.prepared.upperAt[j - 1] > 0) o.upperDx[j] = -o.upperDx[j];
    o.upperDy[j] = std::cos(o.upperAngle[j]) * rel;
    o.lowerAngle[j] = std::atan(document_.prepared.lowerAt[j - 1] - document_.prepared.lowerAt[j]) * 180 / kPi;
    o.lowerDx[j] = std::sin(o.lowerAngle[j]) * rel;
    if (document_.prepared.lowerAt[j] - document_.prepared.lowerAt[j - 1] > 0) o.lowerDx[j] = -o.lowerDx[j];
    o.lowerDy[j] = std::cos(o.lowerAngle[j]) * rel;
  }
}

PointMm RibBuilder::InnerUpper(int k) const {
  auto j = static_cast<std::size_t>(k);
  return {StationX(k) + chord_ * c_.offsets.upperDx[j],
          chord_ * (document_.prepared.upperAt[j] - c_.offsets.upperDy[j])};
}

PointMm RibBuilder::InnerLower(int k) const {
  auto j = static_cast<std::size_t>(k);
  double depth = blocks_ ? static_cast<double>(document_.rib.blocks.seatDepth.mm) / chord_ : 0.0;
  return {StationX(k) + chord_ * c_.offsets.lowerDx[j],
          chord_ * (document_.prepared.lowerAt[j] + c_.offsets.lowerDy[j] - depth)};
}

void RibBuilder::Sheeting() {
  ComputeOffsets();
  if (document_.rib.sheeting.mm == 0) return;
  std::vector<PointMm> upper, lower;
  auto up = [this](PointMm p) { return PointMm{p.x, Up(p.y)}; };
  auto flush = [&] {
    if (upper.size() >= 2) Add(Line(RibPart::SheetingUpper, Element::Sheeting, std::move(upper)));
    if (lower.size() >= 2) Add(Line(RibPart::SheetingLower, Element::Sheeting, std::move(lower)));
    upper.clear();
    lower.clear();
  };
  if (document_.rib.trailingEdge.mm > 0) {
    // From the trailing-edge cut's station to the leading-edge cut's, both rounded.
    int first = NearestStation(c_.sheetStartStation);
    int last = NearestStation(c_.sheetEndStation);
    for (int k = first; k <= last && last > first; ++k) {
      upper.push_back(up(InnerUpper(k)));
      lower.push_back(up(InnerLower(k)));
    }
    flush();
    return;
  }
  // Runs to the leading-edge cut, or to the nose with the square leading edge; stations
  // where the two inner lines cross are counted instead of drawn.
  int overlap = 0;
  for (int k = 0; k < 400 && k < c_.sheetEndStation; ++k) {
    PointMm u = InnerUpper(k), l = InnerLower(k);
    if (u.y > l.y) {
      if (upper.empty()) {
        upper.push_back(up(u));
        lower.push_back(up(l));
      }
      upper.push_back(up(InnerUpper(k + 1)));
      lower.push_back(up(InnerLower(k + 1)));
    } else {
      ++overlap;
      flush();
    }
  }
  flush();
  c_.sheetOverlap = overlap;
  int k = std::min(overlap, 400);
  auto j = static_cast<std::size_t>(k);
  PointMm from{StationX(k) + chord_ * c_.offsets.upperDx[j],
               chord_ * (document_.prepared.upperAt[j] - c_.sheetingPerChord)};
  Add(Line(RibPart::SheetingClosing, Element::Sheeting, {up(from), up({chord_, chord_ * c_.trailingEdgeMid})}));
}

void RibBuilder::AddCut(RibPart part, Element slot, int index, bool lowerSide, std::vector<PointMm> points, bool closed) {
  for (PointMm& p : points) p.y = Up(p.y);
  RibElement e = Line(part, slot, std::move(points), closed);
  e.index = index;
  e.lowerSide = lowerSide;
  Add(std::move(e));
}

// One surface's cut of spar i; `side` is +1 for the upper surface (cut downwards from the
// reference line) and -1 for the lower one (cut upwards).
void RibBuilder::CutSpar(int i, bool lowerSide, double pos, double xl, double xr) {
  auto slot = static_cast<std::size_t>(i);
  const SparTable& t = document_.rib.spars;
  SparCut cut = lowerSide ? t[slot].lower : t[slot].upper;
  double side = lowerSide ? -1 : 1;
  double sheeting = cut == SparCut::FromSheeting ? static_cast<double>(document_.rib.sheeting.mm) : 0.0;
  auto ref = [&](double x) {
    int k = StationAt(x);
    return lowerSide ? LowerMm(k) + sheeting : UpperMm(k) - sheeting;
  };
  double w = t[slot].width.mm, height = t[slot].height.mm, inset = t[slot].inset.mm;
  switch (t[slot].shape) {
    case SparShape::Notch: {
      double yl = ref(xl), yr = ref(xr);
      double slope = w != 0 ? (yr - yl) / w : 0.0;
      // Sides square to the top: down by the height, along by slope x height.
      double dx = side * slope * height, dy = -side * height;
      AddCut(RibPart::SparNotch, Element::Spar, i, lowerSide,
             {{xl, yl}, {xr, yr}, {xr + dx, yr + dy}, {xl + dx, yl + dy}}, true);
      break;
    }
    case SparShape::Round: {
      double cy = ref(pos) - side * (inset + height);
      AddCut(RibPart::SparCentreLine, Element::ChordAxis, i, lowerSide, {{xl, cy}, {xr, cy}}, false);
      RibElement circle = Circle(RibPart::SparRound, Element::Spar, {pos, Up(cy)}, w / 2);
      circle.index = i;
      circle.lowerSide = lowerSide;
      Add(std::move(circle));
      break;
    }
    default: {  // 1 and 3 hang the same rectangle from the line `inset` inside the reference
      double top = ref(pos) - side * inset, bottom = top - side * height;
      AddCut(RibPart::SparRectangle, Element::Spar, i, lowerSide, {{xl, top}, {xr, top}, {xr, bottom}, {xl, bottom}},
             true);
      break;
    }
  }
}

void RibBuilder::Spars() {
  const SparTable& t = document_.rib.spars;
  int last = std::min<int>(t.last, kTableSlots - 1);
  for (int i = 0; i <= last; ++i) {
    auto slot = static_cast<std::size_t>(i);
    float pos = PositionOf(t[slot], document_);
    c_.sparPos[slot] = pos;
    if (pos == 0) break;
    double centre = pos, half = static_cast<double>(t[slot].width.mm) / 2;
    int k = StationAt(centre);
    AddCut(RibPart::SparAxis, Element::ChordAxis, i, false, {{centre, UpperMm(k)}, {centre, LowerMm(k)}}, false);
    if (t[slot].upper != SparCut::None) CutSpar(i, false, centre, centre - half, centre + half);
    if (t[slot].lower != SparCut::None) CutSpar(i, true, centre, centre - half, centre + half);
  }
}

void RibBuilder::Holes() {
  const HoleTable& t = document_.rib.holes;
  int last = std::min<int>(t.last, kTableSlots - 1);
  for (int i = 0; i <= last; ++i) {
    auto slot = static_cast<std::size_t>(i);
    float pos = PositionOf(t[slot], document_);
    c_.holePos[slot] = pos;
    if (pos == 0) break;
    double x = pos;
    int k = StationAt(x);
    double reference = t[slot].centred == 1 ? (UpperMm(k) + LowerMm(k)) / 2 : 0.0;
    double cy = reference + static_cast<double>(t[slot].offset.mm);
    double halfW = static_cast<double>(t[slot].size.mm) / 2;
    // Centre lines: across the hole parallel to the chord, and square to it for a rectangle.
    if (t[slot].shape == HoleShape::Round) {
      RibElement circle = Circle(RibPart::HoleCircle, Element::Hole, {x, Up(cy)}, halfW);
      circle.index = i;
      Add(std::move(circle));
      AddCut(RibPart::HoleCentreLine, Element::ChordAxis, i, false, {{x - halfW, cy}, {x + halfW, cy}}, false);
    } else {
      double halfH = static_cast<double>(t[slot].height.mm) / 2;
      AddCut(RibPart::HoleRectangle, Element::Hole, i, false,
             {{x - halfW, cy - halfH}, {x + halfW, cy - halfH}, {x + halfW, cy + halfH}, {x - halfW, cy + halfH}},
             true);
      AddCut(RibPart::HoleCentreLine, Element::ChordAxis, i, false, {{x - halfW, cy}, {x + halfW, cy}}, false);
      AddCut(RibPart::HoleCentreLine, Element::ChordAxis, i, false, {{x, cy - halfH}, {x, cy + halfH}}, false);
    }
  }
}

void RibBuilder::ReferenceLines() {
  int n = document_.rib.markCount;
  if (n <= 0) return;
  double base = document_.rib.blocks.baseHeight.mm;
  for (int j = 0; j <= n + 1; ++j) {
    double a = chord_ / (n + 1) * j;
    auto k = static_cast<std::size_t>(NearestStation(StationFromLE(a, chord_)));
    double t = document_.prepared.upperAt[k], b = document_.prepared.lowerAt[k] - 0.015;
    PointMm top, bottom, number;
    PointMm nudge;
    if (!document_.rib.upsideDown) {
      top = {a, chord_ * t};
      bottom = blocks_ ? PointMm{a, -base} : PointMm{a, chord_ * b};
      number = blocks_ ? PointMm{a, -(base - 3.5)} : bottom;
    } else {
      top = {a, -chord_ * t};
      bottom = blocks_ ? PointMm{a, base} : PointMm{a, -chord_ * (b - 0.01)};
      number = blocks_ ? PointMm{a, base - 1} : bottom;
    }
    if (blocks_) nudge = {kReferenceNumberGapMm, 0};
    RibElement line = Line(RibPart::ReferenceLine, Element::ReferenceLine, {top, bottom});
    line.index = j;
    Add(std::move(line));
    RibElement label = Text(RibPart::ReferenceNumber, std::to_string(j), number, kReferenceNumberSize,
                            document_.style.ColourOf(Element::ReferenceLine), nudge);
    label.index = j;
    Add(std::move(label));
  }
}

}  // namespace core::construction
