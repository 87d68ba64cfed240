#pragma once
// Small builders the geometry tests share: an airfoil from a list of points, a spar row and a
// rib with every feature.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/ribdocument.h"

namespace testsupport {

using Points = std::vector<std::pair<double, double>>;

// The points as the airfoil read from a file, in file order.
inline void LoadPoints(core::AirfoilAsRead& airfoil, const Points& points) {
  airfoil.points.clear();
  for (auto [x, y] : points) airfoil.points.push_back({x, y});
}

// Spar row `i`; `upper` and `lower` are the cut codes, `shape` the shape code. The table's
// last index is left to the caller.
inline void SetSpar(core::RibDocument& s, int i, const std::string& position, float width, float height, float inset,
                    int upper, int lower, int shape) {
  core::SparRow& row = s.rib.spars[static_cast<std::size_t>(i)];
  row.positionText = position;
  row.width.mm = width;
  row.height.mm = height;
  row.inset.mm = inset;
  row.upper = static_cast<core::SparCut>(upper);
  row.lower = static_cast<core::SparCut>(lower);
  row.shape = static_cast<core::SparShape>(shape);
}

// Every kind of feature at once: a notch, a hanging rectangle, a round spar and an inset
// rectangle; round and rectangular holes; tabs; a square leading edge; sheeting and four
// reference lines.
inline void AddEveryFeature(core::RibDocument& s) {
  s.rib.sheeting.mm = 1.5;
  s.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Square;
  s.rib.squareLeadingEdge.size.mm = 6, s.rib.squareLeadingEdge.x.mm = 2, s.rib.squareLeadingEdge.y.mm = 1;
  s.rib.trailingEdge.mm = 15;
  SetSpar(s, 0, "25%", 5, 5, 0, 1, 0, 0);  // notch from the sheeting, upper
  SetSpar(s, 1, "25%", 5, 3, 0, 0, 2, 1);  // hanging rectangle, lower, from the contour
  SetSpar(s, 2, "45%", 8, 5, 0, 1, 0, 2);  // round spar, its centre 5 below the edge
  SetSpar(s, 3, "60%", 4, 3, 2, 0, 1, 3);  // inset rectangle, lower
  s.rib.spars.last = 3;
  auto& h = s.rib.holes;
  h[0].positionText = "35%", h[0].size.mm = 9, h[0].centred = 1, h[0].shape = core::HoleShape::Round;
  h[1].positionText = "70%", h[1].size.mm = 14, h[1].height.mm = 6, h[1].centred = 1,
  h[1].shape = core::HoleShape::Rectangle;
  h.last = 1;
  // Tabs within the rib, which ends at the trailing-edge cut at 185.
  s.rib.baseMode = core::BaseMode::Tabs, s.rib.tabs.board = core::TabBoard::UnderLowerSurface;
  s.rib.tabs.lowerDistance.mm = 12, s.rib.tabs.lengthText = "30", s.rib.tabs.rearText = "25";
  s.rib.markCount = 4;
}

}  // namespace testsupport
