#pragma once
// Small builders the geometry tests share: an airfoil from a list of points and a spar row.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/ribdocument.h"

namespace testsupport {

using Points = std::vector<std::pair<double, double>>;

// The points as the airfoil read from a file, in file order (1-based lists).
inline void LoadPoints(core::AirfoilAsRead& airfoil, const Points& points) {
  airfoil.x.assign(1, 0.0);
  airfoil.y.assign(1, 0.0);
  for (auto [x, y] : points) {
    airfoil.x.push_back(x);
    airfoil.y.push_back(y);
  }
  airfoil.pointCount = static_cast<int>(points.size());
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

}  // namespace testsupport
