#include "core/ribconstruction.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/lengths.h"
#include "core/numformat.h"

namespace core {
namespace {

// Labels sit at fixed twip distances from the rib, whatever the zoom.
constexpr double kThicknessLabelRise = 453.6;
constexpr double kHeightLabelRise = 283.5;
constexpr double kTrailingLabelBack = 850.5;
constexpr double kReferenceNumberGap = 20;
constexpr double kReferenceNumberSize = 7.2;
constexpr double kTextRiseMm = 3;  // the inserted text stands 3 mm above its point
constexpr double kSquareDiagonal = 1.414;

// The last 1-based index both lists hold.
int LastIndex(const std::vector<double>& xs, const std::vector<double>& ys) {
  return std::max(0, static_cast<int>(std::min(xs.size(), ys.size())) - 1);
}

// Narrowing a double beyond the float range is undefined; such values saturate.
float SaturatedFloat(double v) {
  if (v > std::numeric_limits<float>::max()) return std::numeric_limits<float>::infinity();
  if (v < -std::numeric_limits<float>::max()) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(v);
}

bool Finite(const PointMm& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

int WidthOf(const RibDocument& s, Element slot) {
  switch (slot) {
    case Element::Airfoil: return s.style.WidthOf(WidthElement::Airfoil);
    case Element::Sheeting: return s.style.WidthOf(WidthElement::Sheeting);
    case Element::Spar: return s.style.WidthOf(WidthElement::Spar);
    case Element::LeadingEdge: return s.style.WidthOf(WidthElement::LeadingEdge);
    case Element::TrailingEdge: return s.style.WidthOf(WidthElement::TrailingEdge);
    case Element::Hole: return s.style.WidthOf(WidthElement::Hole);
    case Element::ReferenceLine: return s.style.WidthOf(WidthElement::ReferenceLine);
    case Element::Block: return s.style.WidthOf(WidthElement::Block);
    default: return 1;  // axes and the comparison outlines have no width setting
  }
}

class Builder {
 public:
  Builder(const RibDocument& s, const RibLabels& labels, RibConstruction& c)
      : s_(s), c_(c), chord_(static_cast<double>(s.rib.chord.mm)), blocks_(s.rib.baseMode == BaseMode::Blocks), labels_(labels) {}

  void Build() {
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

 private:
  const RibDocument& s_;
  RibConstruction& c_;
  double chord_;
  bool blocks_;
  const RibLabels& labels_;
  int outlineCount_ = 0;

  // Heights of the airfoil are mirrored in the inverted view.
  double Up(double y) const { return s_.rib.upsideDown ? -y : y; }
  double UpperMm(int k) const { return chord_ * s_.prepared.upperAt[static_cast<std::size_t>(k)]; }
  double LowerMm(int k) const { return chord_ * s_.prepared.lowerAt[static_cast<std::size_t>(k)]; }
  double StationX(int k) const { return chord_ * (400 - k) / 400.0; }
  int StationAt(double xMm) const { return NearestStation(StationFromLE(xMm, chord_)); }

  RibElement Line(RibPart part, Element slot, std::vector<PointMm> points, bool closed = false) const {
    RibElement e;
    e.part = part;
    e.shape = RibShape::Polyline;
    e.points = std::move(points);
    e.closed = closed;
    SetPen(e, slot);
    return e;
  }

  RibElement Circle(RibPart part, Element slot, PointMm centre, double radius) const {
    RibElement e;
    e.part = part;
    e.shape = RibShape::Circle;
    e.points = {centre};
    e.radiusMm = radius;
    SetPen(e, slot);
    return e;
  }

  static RibElement Text(RibPart part, std::string text, PointMm corner, double size, int colour,
                         PointMm nudge = {}) {
    RibElement e;
    e.part = part;
    e.shape = RibShape::Text;
    e.text = std::move(text);
    e.points = {corner};
    e.fontSizePt = size;
    e.colour = colour;
    e.nudgeTwips = nudge;
    return e;
  }

  void SetPen(RibElement& e, Element slot) const {
    e.slot = slot;
    e.colour = s_.style.ColourOf(slot);
    e.lineStyle = s_.style.LineStyleOf(slot);
    e.lineWidth = WidthOf(s_, slot);
  }

  // Keeps non-finite values away from every output: a closed shape, circle or text with a
  // bad value is left out; an open polyline keeps its finite runs.
  void Add(RibElement e) {
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

  void AddText(RibElement e, double number) {
    if (std::isfinite(number)) Add(std::move(e));
    else ++c_.droppedNonFinite;
  }

  std::string HeightText(double mm) const {
    if (s_.settings.unitText == " mm") return FormatNumber(mm, "# ###.00");
    return LengthToText(SaturatedFloat(mm), " in");
  }

  void SetUp() {
    c_.sheetingPerChord = static_cast<double>(s_.rib.sheeting.mm) / chord_;
    outlineCount_ = std::clamp(s_.prepared.outlineCount, 0, LastIndex(s_.prepared.outlineX, s_.prepared.outlineY));
    if (outlineCount_ >= 1) {
      c_.trailingEdgeMid = (s_.prepared.outlineY[1] + s_.prepared.outlineY[static_cast<std::size_t>(outlineCount_)]) / 2;
    }
  }

  void FileOutline() {
    int n = std::clamp(s_.airfoil.pointCount, 0, LastIndex(s_.airfoil.x, s_.airfoil.y));
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
      PointMm p{s_.airfoil.x[i] * chord_, Up(s_.airfoil.y[i] * chord_)};
      if (Finite(p)) c_.fileOutline.push_back(p);
      else ++c_.droppedNonFinite;
    }
  }

  void Base() {
    if (blocks_) Blocks();
    else if (s_.rib.baseMode == BaseMode::Tabs) Tabs();
  }

  void Blocks() {
    double L = s_.rib.blocks.leadingExtension.mm;
    double H0 = s_.rib.blocks.baseHeight.mm;
    double D = static_cast<double>(s_.rib.blocks.topHeight.mm) - H0;
    // The total is recomputed so that a stale stored total cannot part the block from the rib.
    double T = L + chord_ + static_cast<double>(s_.rib.blocks.trailingExtension.mm);
    double a = Radians(s_.rib.boardAngle);
    double sn = std::sin(a), cs = std::cos(a);

    c_.blockFrontMm = L;
    // A board sloping down at the front would put the lower front corner left of the picture.
    double corner = (s_.rib.boardAngle != 0 && -H0 * sn > 0) ? -H0 * sn : 0;
    c_.viewShiftMm = L + corner;

    PointMm f{-L, 0};
    PointMm boardFront{f.x + H0 * sn, -H0 * cs};
    PointMm topFront{f.x - D * sn, D * cs};
    PointMm along{T * cs * cs, T * cs * sn};
    PointMm topEnd{topFront.x + along.x, topFront.y + along.y};
    PointMm boardEnd{boardFront.x + along.x, boardFront.y + along.y};
    int tailStation = NearestStation(StationFromTE(s_.rib.blocks.trailingExtension.mm, chord_));
    double h = s_.rib.blocks.tail == BlockTail::UpperContour ? UpperMm(tailStation) : LowerMm(tailStation);
    // The tail height is read the way the upright rib places it (below the chord line by
    // the contour height); the inverted view mirrors it with the rest of the block.
    PointMm tail{f.x + T, -h};
    double seat = s_.rib.blocks.seatDepth.mm > s_.rib.sheeting.mm
                      ? static_cast<double>(s_.rib.blocks.seatDepth.mm) - static_cast<double>(s_.rib.sheeting.mm)
                      : 0.0;
    PointMm trailingEdge{chord_, c_.trailingEdgeMid * chord_};
    PointMm seatPoint{chord_, trailingEdge.y - seat};

    auto up = [this](PointMm p) { return PointMm{p.x, Up(p.y)}; };
    Add(Line(RibPart::BlockLower, Element::Block,
             {up({0, 0}), up(f), up(boardFront), up(boardEnd), up(tail), up(seatPoint), up(trailingEdge)}));
    Add(Line(RibPart::BlockUpper, Element::Block, {up(f), up(topFront), up(topEnd), up(tail)}));
    InsertedText();
  }

  void Tabs() {
    c_.tabLength = PercentLength(s_.rib.tabs.lengthText, s_.rib.chord.mm, s_.settings.unitText);
    c_.tabRear = PercentLength(s_.rib.tabs.rearText, s_.rib.chord.mm, s_.settings.unitText);
    double a = Radians(s_.rib.boardAngle);
    double sn = std::sin(a), cs = std::cos(a);
    double h = s_.rib.tabs.board == TabBoard::UnderLowerSurface ? s_.rib.tabs.lowerDistance.mm : s_.rib.tabs.upperDistance.mm;
    double sheeting = s_.rib.sheeting.mm;
    PointMm b0{h * sn, -h * cs};
    auto boardPoint = [&](double x) { return PointMm{b0.x + x * cs * cs, b0.y + x * cs * sn}; };
    auto inner = [&](double x) {
      int k = StationAt(x);
      return PointMm{x, s_.rib.tabs.board == TabBoard::UnderLowerSurface ? LowerMm(k) + sheeting : UpperMm(k) - sheeting};
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

  double LabelHeight() const { return chord_ * s_.prepared.yMax; }

  void ThicknessInfo() {
    // An airfoil without thickness has no greatest-thickness station to report.
    if (!s_.view.showThickness || s_.prepared.maxThicknessStation < 0) return;
    double station = s_.prepared.maxThicknessStation;
    double p = (400 - station) / 400 * chord_;
    double q = (400 - station) / 4;
    double t = chord_ * s_.prepared.maxThickness;
    std::string text;
    if (s_.settings.unitText == " mm") {
      text = labels_.thickness + " : " + FormatNumber(t, "# ###.00") + s_.settings.unitText + " " +
             labels_.thicknessAt + " " + FormatNumber(p, "# ###.00") + s_.settings.unitText + " (" +
             PlainNumberText(q) + " %" + ") " + labels_.thicknessFrom;
    } else {
      text = "Chord thickness :" + LengthToText(SaturatedFloat(t), " in") + s_.settings.unitText + " at " +
             LengthToText(SaturatedFloat(p), " in") + s_.settings.unitText + " (" + PlainNumberText(q) + " %" +
             ") from L.E. ";
    }
    AddText(Text(RibPart::ThicknessInfo, text, {chord_ / 3, LabelHeight()}, s_.rib.caption.fontSize, 0,
                 {0, -kThicknessLabelRise}),
            t + p);
  }

  void LeadingEdge() {
    c_.sheetEndStation = 400;
    if (s_.rib.leadingEdgeStyle == LeadingEdgeStyle::Square) {  // any other value is the plain piece
      double x = s_.rib.squareLeadingEdge.x.mm, y = s_.rib.squareLeadingEdge.y.mm;
      double half = static_cast<double>(s_.rib.squareLeadingEdge.size.mm) / kSquareDiagonal;
      Add(Line(RibPart::SquareLeadingEdge, Element::LeadingEdge,
               {{x, Up(y + half)}, {x + half, Up(y)}, {x, Up(y - half)}, {x - half, Up(y)}}, true));
      return;
    }
    double depth = s_.rib.leadingEdge.mm;
    c_.sheetEndStation = SaturatedFloat(StationFromLE(depth, chord_));
    int k = NearestStation(c_.sheetEndStation);
    Add(Line(RibPart::LeadingEdgeCut, Element::LeadingEdge, {{depth, Up(UpperMm(k))}, {depth, Up(LowerMm(k))}}));
    if (depth != 0 && s_.view.showLeadingEdgeHeight) {
      double h = UpperMm(k) - LowerMm(k);
      AddText(Text(RibPart::LeadingEdgeHeight, labels_.leadingEdgeHeight + " = " + HeightText(h),
                   {0, LabelHeight()}, s_.rib.caption.fontSize, 0, {0, -kHeightLabelRise}),
              h);
    }
  }

  void TrailingEdge() {
    double depth = s_.rib.trailingEdge.mm;
    c_.sheetStartStation = SaturatedFloat(StationFromTE(depth, chord_));
    int k = NearestStation(c_.sheetStartStation);
    double x = chord_ - depth;
    Add(Line(RibPart::TrailingEdgeCut, Element::TrailingEdge, {{x, Up(UpperMm(k))}, {x, Up(LowerMm(k))}}));
    if (depth != 0 && s_.view.showTrailingEdgeHeight) {
      double h = UpperMm(k) - LowerMm(k);
      AddText(Text(RibPart::TrailingEdgeHeight, labels_.trailingEdgeHeight + " = " + HeightText(h),
                   {chord_, LabelHeight()}, s_.rib.caption.fontSize, 0, {-kTrailingLabelBack, -kHeightLabelRise}),
              h);
    }
  }

  // Not mirrored in the inverted view: the text stays readable where it was put.
  void InsertedText() {
    if ((s_.rib.caption.x.mm == 0 && s_.rib.caption.y.mm == 0) || s_.rib.caption.text.empty()) return;
    Add(Text(RibPart::InsertedText, s_.rib.caption.text,
             {s_.rib.caption.x.mm, static_cast<double>(s_.rib.caption.y.mm) + kTextRiseMm}, s_.rib.caption.fontSize, 0));
  }

  void Outline() {
    if (!s_.view.outlineShown || outlineCount_ < 2) return;
    std::vector<PointMm> points;
    points.reserve(static_cast<std::size_t>(outlineCount_));
    for (std::size_t i = 1; i <= static_cast<std::size_t>(outlineCount_); ++i) {
      points.push_back({chord_ * s_.prepared.outlineX[i], Up(chord_ * s_.prepared.outlineY[i])});
    }
    Add(Line(RibPart::Outline, Element::Airfoil, std::move(points)));
  }

  // Kept as ribs have been drawn so far: the angle in degrees goes into sine and cosine as
  // if it were radians, and one station's height step stands for the slope, which leaves
  // the offset nearly vertical.
  void ComputeOffsets() {
    core::SheetingOffsets& o = c_.offsets;
    double rel = c_.sheetingPerChord;
    o.upperDy[0] = rel;
    o.lowerDy[0] = rel;
    for (std::size_t j = 1; j < static_cast<std::size_t>(kStations); ++j) {
      o.upperAngle[j] = std::atan(s_.prepared.upperAt[j - 1] - s_.prepared.upperAt[j]) * 180 / kPi;
      o.upperDx[j] = std::sin(o.upperAngle[j]) * rel;
      if (s_.prepared.upperAt[j] - s_.prepared.upperAt[j - 1] > 0) o.upperDx[j] = -o.upperDx[j];
      o.upperDy[j] = std::cos(o.upperAngle[j]) * rel;
      o.lowerAngle[j] = std::atan(s_.prepared.lowerAt[j - 1] - s_.prepared.lowerAt[j]) * 180 / kPi;
      o.lowerDx[j] = std::sin(o.lowerAngle[j]) * rel;
      if (s_.prepared.lowerAt[j] - s_.prepared.lowerAt[j - 1] > 0) o.lowerDx[j] = -o.lowerDx[j];
      o.lowerDy[j] = std::cos(o.lowerAngle[j]) * rel;
    }
  }

  PointMm InnerUpper(int k) const {
    auto j = static_cast<std::size_t>(k);
    return {StationX(k) + chord_ * c_.offsets.upperDx[j], chord_ * (s_.prepared.upperAt[j] - c_.offsets.upperDy[j])};
  }
  PointMm InnerLower(int k) const {
    auto j = static_cast<std::size_t>(k);
    double depth = blocks_ ? static_cast<double>(s_.rib.blocks.seatDepth.mm) / chord_ : 0.0;
    return {StationX(k) + chord_ * c_.offsets.lowerDx[j], chord_ * (s_.prepared.lowerAt[j] + c_.offsets.lowerDy[j] - depth)};
  }

  void Sheeting() {
    ComputeOffsets();
    if (s_.rib.sheeting.mm == 0) return;
    std::vector<PointMm> upper, lower;
    auto up = [this](PointMm p) { return PointMm{p.x, Up(p.y)}; };
    auto flush = [&] {
      if (upper.size() >= 2) Add(Line(RibPart::SheetingUpper, Element::Sheeting, std::move(upper)));
      if (lower.size() >= 2) Add(Line(RibPart::SheetingLower, Element::Sheeting, std::move(lower)));
      upper.clear();
      lower.clear();
    };
    if (s_.rib.trailingEdge.mm > 0) {
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
    PointMm from{StationX(k) + chord_ * c_.offsets.upperDx[j], chord_ * (s_.prepared.upperAt[j] - c_.sheetingPerChord)};
    Add(Line(RibPart::SheetingClosing, Element::Sheeting, {up(from), up({chord_, chord_ * c_.trailingEdgeMid})}));
  }

  void AddCut(RibPart part, Element slot, int index, bool lowerSide, std::vector<PointMm> points, bool closed) {
    for (PointMm& p : points) p.y = Up(p.y);
    RibElement e = Line(part, slot, std::move(points), closed);
    e.index = index;
    e.lowerSide = lowerSide;
    Add(std::move(e));
  }

  // One surface's cut of spar i; `side` is +1 for the upper surface (cut downwards from the
  // reference line) and -1 for the lower one (cut upwards).
  void CutSpar(int i, bool lowerSide, double pos, double xl, double xr) {
    auto slot = static_cast<std::size_t>(i);
    const SparTable& t = s_.rib.spars;
    SparCut cut = lowerSide ? t[slot].lower : t[slot].upper;
    double side = lowerSide ? -1 : 1;
    double sheeting = cut == SparCut::FromSheeting ? static_cast<double>(s_.rib.sheeting.mm) : 0.0;
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

  void Spars() {
    const SparTable& t = s_.rib.spars;
    int last = std::min<int>(t.last, kTableSlots - 1);
    for (int i = 0; i <= last; ++i) {
      auto slot = static_cast<std::size_t>(i);
      float pos = t[slot].fromTrailingEdge == 1 ? PercentLengthFromTE(t[slot].positionText, s_.rib.chord.mm, s_.settings.unitText)
                                          : PercentLength(t[slot].positionText, s_.rib.chord.mm, s_.settings.unitText);
      c_.sparPos[slot] = pos;
      if (pos == 0) break;
      double centre = pos, half = static_cast<double>(t[slot].width.mm) / 2;
      int k = StationAt(centre);
      AddCut(RibPart::SparAxis, Element::ChordAxis, i, false, {{centre, UpperMm(k)}, {centre, LowerMm(k)}}, false);
      if (t[slot].upper != SparCut::None) CutSpar(i, false, centre, centre - half, centre + half);
      if (t[slot].lower != SparCut::None) CutSpar(i, true, centre, centre - half, centre + half);
    }
  }

  void Holes() {
    const HoleTable& t = s_.rib.holes;
    int last = std::min<int>(t.last, kTableSlots - 1);
    for (int i = 0; i <= last; ++i) {
      auto slot = static_cast<std::size_t>(i);
      float pos = t[slot].fromTrailingEdge == 1 ? PercentLengthFromTE(t[slot].positionText, s_.rib.chord.mm, s_.settings.unitText)
                                          : PercentLength(t[slot].positionText, s_.rib.chord.mm, s_.settings.unitText);
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

  void ReferenceLines() {
    int n = s_.rib.markCount;
    if (n <= 0) return;
    double base = s_.rib.blocks.baseHeight.mm;
    for (int j = 0; j <= n + 1; ++j) {
      double a = chord_ / (n + 1) * j;
      auto k = static_cast<std::size_t>(NearestStation(StationFromLE(a, chord_)));
      double t = s_.prepared.upperAt[k], b = s_.prepared.lowerAt[k] - 0.015;
      PointMm top, bottom, number;
      PointMm nudge;
      if (!s_.rib.upsideDown) {
        top = {a, chord_ * t};
        bottom = blocks_ ? PointMm{a, -base} : PointMm{a, chord_ * b};
        number = blocks_ ? PointMm{a, -(base - 3.5)} : bottom;
      } else {
        top = {a, -chord_ * t};
        bottom = blocks_ ? PointMm{a, base} : PointMm{a, -chord_ * (b - 0.01)};
        number = blocks_ ? PointMm{a, base - 1} : bottom;
      }
      if (blocks_) nudge = {kReferenceNumberGap, 0};
      RibElement line = Line(RibPart::ReferenceLine, Element::ReferenceLine, {top, bottom});
      line.index = j;
      Add(std::move(line));
      RibElement label = Text(RibPart::ReferenceNumber, std::to_string(j), number, kReferenceNumberSize,
                              s_.style.ColourOf(Element::ReferenceLine), nudge);
      label.index = j;
      Add(std::move(label));
    }
  }
};

}  // namespace

RibConstruction BuildRib(const RibDocument& s, const RibLabels& labels) {
  RibConstruction c;
  Builder(s, labels, c).Build();
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
