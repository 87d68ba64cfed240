#pragma once
// How BuildRib builds the rib, element by element: the outline, its base, edges and labels
// (ribconstruction.cpp), and what is cut into it or drawn over it: sheeting, spars, holes
// and reference lines (ribfeatures.cpp). Only those two files include this.
#include <string>
#include <utility>
#include <vector>

#include "core/lengths.h"
#include "core/ribconstruction.h"

namespace core::construction {

// The line width setting of a drawing slot; 1 for those without one.
int WidthOf(const RibDocument& document, Element slot);

class RibBuilder {
 public:
  RibBuilder(const RibDocument& document, const RibLabels& labels, RibConstruction& c)
      : document_(document),
        c_(c),
        chord_(static_cast<double>(document.rib.chord.mm)),
        blocks_(document.rib.baseMode == BaseMode::Blocks),
        labels_(labels) {}

  void Build();

 private:
  const RibDocument& document_;
  RibConstruction& c_;
  double chord_;
  bool blocks_;
  const RibLabels& labels_;

  // Heights of the airfoil are mirrored in the inverted view.
  double Up(double y) const { return document_.rib.upsideDown ? -y : y; }
  double UpperMm(int k) const { return chord_ * document_.prepared.upperAt[static_cast<std::size_t>(k)]; }
  double LowerMm(int k) const { return chord_ * document_.prepared.lowerAt[static_cast<std::size_t>(k)]; }
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
    e.nudgeMm = nudge;
    return e;
  }

  void SetPen(RibElement& e, Element slot) const {
    e.slot = slot;
    e.colour = document_.style.ColourOf(slot);
    e.lineStyle = document_.style.LineStyleOf(slot);
    e.lineWidth = WidthOf(document_, slot);
  }
  double LabelHeight() const { return chord_ * document_.prepared.yMax; }

  // Adding elements; a non-finite value leaves its element out.
  void Add(RibElement e);
  void AddText(RibElement e, double number);
  std::string HeightText(double mm) const;

  // The outline, its base, edges and labels.
  void SetUp();
  void FileOutline();
  void Base();
  void Blocks();
  void Tabs();
  void ThicknessInfo();
  void LeadingEdge();
  void TrailingEdge();
  void InsertedText();
  void Outline();

  // Sheeting, spars, holes and reference lines.
  void ComputeOffsets();
  PointMm InnerUpper(int k) const;
  PointMm InnerLower(int k) const;
  void Sheeting();
  void AddCut(RibPart part, Element slot, int index, bool lowerSide, std::vector<PointMm> points, bool closed);
  void CutSpar(int i, bool lowerSide, double pos, double xl, double xr);
  void Spars();
  void Holes();
  void ReferenceLines();
};

}  // namespace core::construction
