#pragma once
// The rib's geometry, computed once from the shared state and read by every output: the
// trace maps it onto a drawing target, the DXF writer to entities.
//
// Coordinate space: millimetres, x from the rib's leading edge along the chord towards the
// trailing edge, y up on the drawing, with the upside-down view already applied (a rib
// drawn inverted has its heights negated here; labels and the inserted text, which the
// inverted view does not mirror, are not). Corners and lines sit at the exact positions
// typed; only contour heights snap to the nearest whole station.
//   trace:  X = originX + (viewShiftMm + x) * zoom,  Y = originY - y * zoom
//   DXF:    X = (x + blockFrontMm) / divisor,             Y = y / divisor
// The construction does not depend on the zoom: texts carry their size at zoom 1 and an
// offset on the target for the labels the trace places at fixed distances, whatever the zoom.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ribdocument.h"

namespace core {

struct PointMm {
  double x = 0;
  double y = 0;
};

enum class RibShape : std::uint8_t { Polyline, Circle, Text };

// What an element is, in drawing order.
enum class RibPart : std::uint8_t {
  BlockLower,          // 7 vertices: leading edge, front point, board front, board end, tail,
                       // seat, trailing edge (the seat step is zero-length without a seat)
  BlockUpper,          // 4 vertices: front point, top front, top end, tail
  TabRearEdge,         // board point to the inner contour, 2 vertices
  TabFrontEdge,        // likewise at the front edge
  TabBoardLine,        // the whole board line, 2 vertices
  TabBase,             // the board between the two edges, 2 vertices
  TabTop,              // the straight line joining the edges' upper ends, 2 vertices
  ThicknessInfo,       // text
  LeadingEdgeCut,      // 2 vertices, upper then lower contour
  LeadingEdgeHeight,   // text
  SquareLeadingEdge,   // closed, 4 corners: top, aft, bottom, front
  TrailingEdgeCut,     // 2 vertices, upper then lower contour
  TrailingEdgeHeight,  // text
  InsertedText,        // text
  Outline,             // the densified outline, ptsCount vertices (only while traceShown)
  SheetingUpper,       // one vertex per station, trailing edge first; one element per run
  SheetingLower,       // likewise
  SheetingClosing,     // 2 vertices, only without a trailing-edge piece
  SparAxis,            // 2 vertices, upper then lower contour
  SparNotch,           // closed, 4 corners (shape 0)
  SparRectangle,       // closed, 4 corners (shapes 1 and 3)
  SparCentreLine,      // round spar: 2 vertices through the centre, parallel to the chord
  SparRound,           // circle (shape 2)
  HoleCircle,          // circle
  HoleRectangle,       // closed, 4 corners: bottom front, bottom aft, top aft, top front
  HoleCentreLine,      // round: one horizontal; rectangular: horizontal, then vertical
  ReferenceLine,       // 2 vertices, top then bottom end
  ReferenceNumber,     // text
  ChordLine,           // 2 vertices, leading edge then trailing edge
};

struct RibElement {
  RibPart part{};
  RibShape shape = RibShape::Polyline;
  int index = 0;           // spar or hole slot, reference line number; 0 otherwise
  bool lowerSide = false;  // spar cuts and their parts on the lower surface
  // Polyline vertices; a circle's centre; a text's top-left corner.
  std::vector<PointMm> points;
  bool closed = false;     // the last vertex joins the first; each corner is listed once
  double radiusMm = 0;
  std::string text;
  double fontSizePt = 0;   // at zoom 1
  PointMm nudgeMm;         // texts: added to the mapped corner, unscaled (y down)
  Element slot = Element::Airfoil;  // colour and line-style settings slot of a line or circle
  int colour = 0;          // palette index (texts too)
  int lineStyle = 0;
  int lineWidth = 1;
};

struct SheetingOffsets {
  StationTable upperAngle{}, upperDx{}, upperDy{};
  StationTable lowerAngle{}, lowerDx{}, lowerDy{};
};

struct RibConstruction {
  std::vector<RibElement> elements;  // in drawing order
  std::vector<PointMm> fileOutline;  // the airfoil as read, in file order (not traced)
  double blockFrontMm = 0;  // blocks: the front point lies at x = -blockFrontMm; else 0
  double viewShiftMm = 0;   // how far the trace moves the picture's origin right
  // Values worked out on the way, for the windows that show them.
  double sheetingPerChord = 0;
  double trailingEdgeMid = 0;
  float sheetStartStation = 0;
  float sheetEndStation = 400;
  int sheetOverlap = 0;
  SheetingOffsets offsets;
  std::array<float, kTableSlots> sparPos{};  // positions recomputed from their texts
  std::array<float, kTableSlots> holePos{};
  double tabLength = 0;  // building tabs, recomputed from their texts
  double tabRear = 0;
  // Elements left out, or polylines cut, because a value was not finite (zero chord,
  // degenerate airfoil). Nothing non-finite is ever in `elements`.
  int droppedNonFinite = 0;
};

// The words the construction prints beside the rib, in the user's language.
struct RibLabels {
  std::string thickness;      // "Chord thickness", before " : "
  std::string thicknessAt;    // "at", before the position
  std::string thicknessFrom;  // "from L.E.", after the percentage
  std::string leadingEdgeHeight;
  std::string trailingEdgeHeight;
};

// Builds the rib from the document, which it only reads; every output calls it itself so
// that it always matches the current set-up.
RibConstruction BuildRib(const RibDocument& document, const RibLabels& labels = {});

// The box holding every line and circle of a construction, in its millimetres (texts,
// whose size depends on the target, are left out). Empty when there is nothing to hold.
struct BoundsMm {
  double left = 0, right = 0, bottom = 0, top = 0;
  bool empty = true;
  // Grows the box to hold the point.
  void Take(double x, double y);
};
BoundsMm BoundsOf(const RibConstruction& c);

// The elements of one kind, in order.
std::vector<const RibElement*> ElementsOf(const RibConstruction& c, RibPart part);

}  // namespace core
