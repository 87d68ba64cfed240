#include "core/ribconstruction.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/lengths.h"
#include "core/numformat.h"
#include "core/ribbuilder.h"

namespace core::construction {
namespace {

// Labels sit at fixed distances from the rib, whatever the zoom.
constexpr double kThicknessLabelRiseMm = 8;
constexpr double kHeightLabelRiseMm = 5;
constexpr double kTrailingLabelBackMm = 15;
constexpr double kTextRiseMm = 3;  // the inserted text stands 3 mm above its point
constexpr double kSquareDiagonal = 1.414;

// Narrowing a double beyond the float range is undefined; such values saturate.
float SaturatedFloat(double v) {
  if (v > std::numeric_limits<float>::max()) return std::numeric_limits<float>::infinity();
  if (v < -std::numeric_limits<float>::max()) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(v);
}

bool Finite(const PointMm& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

int WidthOf(const RibDocument& document, Element slot) {
  switch (slot) {
    case Element::Airfoil: return document.style.WidthOf(WidthElement::Airfoil);
    case Element::Sheeting: return document.style.WidthOf(WidthElement::Sheeting);
    case Element::Spar: return document.style.WidthOf(WidthElement::Spar);
    case Element::LeadingEdge: return document.style.WidthOf(WidthElement::LeadingEdge);
    case Element::TrailingEdge: return document.style.WidthOf(WidthElement::TrailingEdge);
    case Element::Hole: return document.style.WidthOf(WidthElement::Hole);
    case Element::ReferenceLine: return document.style.WidthOf(WidthElement::ReferenceLine);
    case Element::Block: return document.style.WidthOf(WidthElement::Block);
    default: return 1;  // axes and the comparison outlines have no width setting
  }
}

void RibBuilder::Build() {
  SetUp();
  FileOutline();
  Base();
  ThicknessInfo();
  LeadingEdge();
  TrailingEdge();
  if (!blocks_) InsertedText();
  Outline();
  Sheeting();
  Spars();
  Holes();
  ReferenceLines();
  Add(Line(RibPart::ChordLine, Element::ChordAxis, {{0, 0}, {chord_, 0}}));
}

// Keeps non-finite values away from every output: a closed shape, circle or text with a
// bad value is left out; an open polyline keeps its finite runs.
void RibBuilder::Add(RibElement e) {
  bool finite = std::all_of(e.points.begin(), e.points.end(), Finite) && std::isfinite(e.radiusMm);
  if (finite && !e.points.empty()) {
    c_.elements.push_back(std::move(e));
    return;
  }
  ++c_.droppedNonFinite;
  if (e.shape != RibShape::Polyline || e.closed) return;
  std::vector<PointMm> run;
  auto flush = [&] {
    if (run.size() >= 2) {
      RibElement piece = e;
      piece.points = std::move(run);
      c_.elements.push_back(std::move(piece));
    }
    run.clear();
  };
  for (const PointMm& p : e.points) {
    if (Finite(p)) run.push_back(p);
    else flush();
  }
  flush();
}

void RibBuilder::AddText(RibElement e, double number) {
  if (std::isfinite(number)) Add(std::move(e));
  else ++c_.droppedNonFinite;
}

std::string RibBuilder::HeightText(double mm) const {
  if (document_.settings.unitText == " mm") return FormatNumber(mm, "# ###.00");
  return LengthToText(SaturatedFloat(mm), " in");
}

void RibBuilder::SetUp() {
  c_.sheetingPerChord = static_cast<double>(document_.rib.sheeting.mm) / chord_;
  const std::vector<Point>& outline = document_.prepared.outline;
  if (!outline.empty()) c_.trailingEdgeMid = (outline.front().y + outline.back().y) / 2;
}

void RibBuilder::FileOutline() {
  for (const Point& q : document_.airfoil.points) {
    PointMm p{q.x * chord_, Up(q.y * chord_)};
    if (Finite(p)) c_.fileOutline.push_back(p);
    else ++c_.droppedNonFinite;
  }
}

void RibBuilder::Base() {
  if (blocks_) Blocks();
  else if (document_.rib.baseMode == BaseMode::Tabs) Tabs();
}

void RibBuilder::Blocks() {
  double L = document_.rib.blocks.leadingExtension.mm;
  double H0 = document_.rib.blocks.baseHeight.mm;
  double D = static_cast<double>(document_.rib.blocks.topHeight.mm) - H0;
  // The total is recomputed so that a stale stored total cannot part the block from the rib.
  double T = L + chord_ + static_cast<double>(document_.rib.blocks.trailingExtension.mm);
  double a = Radians(document_.rib.boardAngle);
  double sn = std::sin(a), cs = std::cos(a);

  c_.blockFrontMm = L;
  // A board sloping down at the front would put the lower front corner left of the picture.
  double corner = (document_.rib.boardAngle != 0 && -H0 * sn > 0) ? -H0 * sn : 0;
  c_.viewShiftMm = L + corner;

  PointMm f{-L, 0};
  PointMm boardFront{f.x + H0 * sn, -H0 * cs};
  PointMm topFront{f.x - D * sn, D * cs};
  PointMm along{T * cs * cs, T * cs * sn};
  PointMm topEnd{topFront.x + along.x, topFront.y + along.y};
  PointMm boardEnd{boardFront.x + along.x, boardFront.y + along.y};
  int tailStation = NearestStation(StationFromTE(document_.rib.blocks.trailingExtension.mm, chord_));
  double h = document_.rib.blocks.tail == BlockTail::UpperContour ? UpperMm(tailStation) : LowerMm(tailStation);
  // The tail height is read the way the upright rib places it (below the chord line by
  // the contour height); the inverted view mirrors it with the rest of the block.
  PointMm tail{f.x + T, -h};
  double seat =
      document_.rib.blocks.seatDepth.mm > document_.rib.sheeting.mm
          ? static_cast<double>(document_.rib.blocks.seatDepth.mm) - static_cast<double>(document_.rib.sheeting.mm)
          : 0.0;
  PointMm trailingEdge{chord_, c_.trailingEdgeMid * chord_};
  PointMm seatPoint{chord_, trailingEdge.y - seat};

  auto up = [this](PointMm p) { return PointMm{p.x, Up(p.y)}; };
  Add(Line(RibPart::BlockLower, Element::Block,
           {up({0, 0}), up(f), up(boardFront), up(boardEnd), up(tail), up(seatPoint), up(trailingEdge)}));
  Add(Line(RibPart::BlockUpper, Element::Block, {up(f), up(topFront), up(topEnd), up(tail)}));
  InsertedText();
}

void RibBuilder::Tabs() {
  c_.tabLength = PercentLength(document_.rib.tabs.lengthText, document_.rib.chord.mm, document_.settings.unitText);
  c_.tabRear = PercentLength(document_.rib.tabs.rearText, document_.rib.chord.mm, document_.settings.unitText);
  double a = Radians(document_.rib.boardAngle);
  double sn = std::sin(a), cs = std::cos(a);
  double h = document_.rib.tabs.board == TabBoard::UnderLowerSurface ? document_.rib.tabs.lowerDistance.mm
                                                                     : document_.rib.tabs.upperDistance.mm;
  double sheeting = document_.rib.sheeting.mm;
  PointMm b0{h * sn, -h * cs};
  auto boardPoint = [&](double x) { return PointMm{b0.x + x * cs * cs, b0.y + x * cs * sn}; };
  auto inner = [&](double x) {
    int k = StationAt(x);
    return PointMm{
        x, document_.rib.tabs.board == TabBoard::UnderLowerSurface ? LowerMm(k) + sheeting : UpperMm(k) - sheeting};
  };
  // Tabs take the block's colours and the board line the axis style. Both edges end
  // exactly at their station on the inner contour, and a straight top closes the tab.
  double xRear = chord_ - c_.tabRear;
  double xFront = chord_ - (c_.tabLength + c_.tabRear);
  auto up = [this](PointMm p) { return PointMm{p.x, Up(p.y)}; };
  Add(Line(RibPart::TabRearEdge, Element::Block, {up(boardPoint(xRear)), up(inner(xRear))}));
  Add(Line(RibPart::TabFrontEdge, Element::Block, {up(boardPoint(xFront)), up(inner(xFront))}));
  Add(Line(RibPart::TabBoardLine, Element::ChordAxis, {up(b0), up(boardPoint(chord_))}));
  Add(Line(RibPart::TabBase, Element::Block, {up(boardPoint(xFront)), up(boardPoint(xRear))}));
  Add(Line(RibPart::TabTop, Element::Block, {up(inner(xFront)), up(inner(xRear))}));
}

void RibBuilder::ThicknessInfo() {
  // An airfoil without thickness has no greatest-thickness station to report.
  if (!document_.view.showThickness || document_.prepared.maxThicknessStation < 0) return;
  double station = document_.prepared.maxThicknessStation;
  double p = (400 - station) / 400 * chord_;
  double q = (400 - station) / 4;
  double t = chord_ * document_.prepared.maxThickness;
  std::string text;
  if (document_.settings.unitText == " mm") {
    text = labels_.thickness + " : " + FormatNumber(t, "# ###.00") + document_.settings.unitText + " " +
           labels_.thicknessAt + " " + FormatNumber(p, "# ###.00") + document_.settings.unitText + " (" +
           PlainNumberText(q) + " %" + ") " + labels_.thicknessFrom;
  } else {
    // Inch fractions as typed, in the user's words like the millimetre line.
    text = labels_.thickness + " :" + LengthToText(SaturatedFloat(t), " in") + document_.settings.unitText + " " +
           labels_.thicknessAt + " " + LengthToText(SaturatedFloat(p), " in") + document_.settings.unitText + " (" +
           PlainNumberText(q) + " %" + ") " + labels_.thicknessFrom + " ";
  }
  AddText(Text(RibPart::ThicknessInfo, text, {chord_ / 3, LabelHeight()}, document_.rib.caption.fontSize, 0,
               {0, -kThicknessLabelRiseMm}),
          t + p);
}

void RibBuilder::LeadingEdge() {
  c_.sheetEndStation = 400;
  if (document_.rib.leadingEdgeStyle == LeadingEdgeStyle::Square) {  // any other value is the plain piece
    double x = document_.rib.squareLeadingEdge.x.mm, y = document_.rib.squareLeadingEdge.y.mm;
    double half = static_cast<double>(document_.rib.squareLeadingEdge.size.mm) / kSquareDiagonal;
    Add(Line(RibPart::SquareLeadingEdge, Element::LeadingEdge,
             {{x, Up(y + half)}, {x + half, Up(y)}, {x, Up(y - half)}, {x - half, Up(y)}}, true));
    return;
  }
  double depth = document_.rib.leadingEdge.mm;
  c_.sheetEndStation = SaturatedFloat(StationFromLE(depth, chord_));
  int k = NearestStation(c_.sheetEndStation);
  Add(Line(RibPart::LeadingEdgeCut, Element::LeadingEdge, {{depth, Up(UpperMm(k))}, {depth, Up(LowerMm(k))}}));
  if (depth != 0 && document_.view.showLeadingEdgeHeight) {
    double h = UpperMm(k) - LowerMm(k);
    AddText(Text(RibPart::LeadingEdgeHeight, labels_.leadingEdgeHeight + " = " + HeightText(h),
                 {0, LabelHeight()}, document_.rib.caption.fontSize, 0, {0, -kHeightLabelRiseMm}),
            h);
  }
}

void RibBuilder::TrailingEdge() {
  double depth = document_.rib.trailingEdge.mm;
  c_.sheetStartStation = SaturatedFloat(StationFromTE(depth, chord_));
  int k = NearestStation(c_.sheetStartStation);
  double x = chord_ - depth;
  Add(Line(RibPart::TrailingEdgeCut, Element::TrailingEdge, {{x, Up(UpperMm(k))}, {x, Up(LowerMm(k))}}));
  if (depth != 0 && document_.view.showTrailingEdgeHeight) {
    double h = UpperMm(k) - LowerMm(k);
    AddText(Text(RibPart::TrailingEdgeHeight, labels_.trailingEdgeHeight + " = " + HeightText(h),
                 {chord_, LabelHeight()}, document_.rib.caption.fontSize, 0, {-kTrailingLabelBackMm, -kHeightLabelRiseMm}),
            h);
  }
}

// Not mirrored in the inverted view: the text stays readable where it was put.
void RibBuilder::InsertedText() {
  if ((document_.rib.caption.x.mm == 0 && document_.rib.caption.y.mm == 0) || document_.rib.caption.text.empty())
    return;
  Add(Text(RibPart::InsertedText, document_.rib.caption.text,
           {document_.rib.caption.x.mm, static_cast<double>(document_.rib.caption.y.mm) + kTextRiseMm},
           document_.rib.caption.fontSize, 0));
}

void RibBuilder::Outline() {
  const std::vector<Point>& outline = document_.prepared.outline;
  if (!document_.view.outlineShown || outline.size() < 2) return;
  std::vector<PointMm> points;
  points.reserve(outline.size());
  for (const Point& q : outline) points.push_back({chord_ * q.x, Up(chord_ * q.y)});
  Add(Line(RibPart::Outline, Element::Airfoil, std::move(points)));
}

}  // namespace core::construction

namespace core {

RibConstruction BuildRib(const RibDocument& document, const RibLabels& labels) {
  RibConstruction c;
  construction::RibBuilder(document, labels, c).Build();
  return c;
}

void BoundsMm::Take(double x, double y) {
  if (empty) {
    *this = {x, x, y, y, false};
    return;
  }
  left = std::min(left, x);
  right = std::max(right, x);
  bottom = std::min(bottom, y);
  top = std::max(top, y);
}

BoundsMm BoundsOf(const RibConstruction& c) {
  BoundsMm b;
  auto take = [&b](double x, double y) { b.Take(x, y); };
  for (const RibElement& e : c.elements) {
    if (e.shape == RibShape::Text) continue;
    const double r = e.shape == RibShape::Circle ? std::fabs(e.radiusMm) : 0.0;
    for (const PointMm& p : e.points) {
      take(p.x - r, p.y - r);
      take(p.x + r, p.y + r);
    }
  }
  return b;
}

std::vector<const RibElement*> ElementsOf(const RibConstruction& c, RibPart part) {
  std::vector<const RibElement*> found;
  for (const RibElement& e : c.elements) {
    if (e.part == part) found.push_back(&e);
  }
  return found;
}

}  // namespace core
