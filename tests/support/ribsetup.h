#pragma once
// Small builders the geometry tests share: an airfoil from a list of points, a spar row, and
// the comparison of two built ribs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/ribconstruction.h"
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

// The same elements in the same order, every point within `tolerance` mm, the same texts.
inline void ExpectSameRib(const core::RibConstruction& a, const core::RibConstruction& b, const std::string& what,
                          double tolerance) {
  ASSERT_EQ(a.elements.size(), b.elements.size()) << what;
  for (std::size_t i = 0; i < a.elements.size(); ++i) {
    const core::RibElement &p = a.elements[i], &q = b.elements[i];
    ASSERT_EQ(p.part, q.part) << what << " " << i;
    ASSERT_EQ(p.points.size(), q.points.size()) << what << " " << i;
    for (std::size_t k = 0; k < p.points.size(); ++k)
      ASSERT_TRUE(std::abs(p.points[k].x - q.points[k].x) <= tolerance &&
                  std::abs(p.points[k].y - q.points[k].y) <= tolerance)
          << what << " element " << i << " point " << k;
    EXPECT_EQ(p.text, q.text) << what << " " << i;
  }
}

}  // namespace testsupport
