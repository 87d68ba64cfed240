#pragma once
// Plane geometry the outline tests check their results with, kept apart from the code
// under test.
#include "core/ribconstruction.h"

namespace testsupport {

// Twice the signed area of the triangle o, a, b: positive when a to b turns left about o.
inline double Cross(core::PointMm o, core::PointMm a, core::PointMm b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

}  // namespace testsupport
