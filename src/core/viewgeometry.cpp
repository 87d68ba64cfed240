#include "core/viewgeometry.h"

#include <cmath>

namespace core {

void PlaceViewOrigin(SharedState& s) {
  const double zoom = s.zoom;
  const double chord = s.chord;
  // The trace sets `scale` only when it draws; the zoom may have changed since.
  const double scale = zoom * 56.7;
  s.chordTwips = static_cast<float>(chord * 56.7 * zoom);
  s.originX = static_cast<float>(kViewLeftMarginTwips + s.hScroll * chord * zoom / 2);
  double originY = -s.vScroll * chord * zoom / 2 + chord * s.yMax * 56.7 * zoom + kViewTopMarginTwips;
  if (s.baseMode == 1) originY += std::fabs(s.blockHeight4) * scale / 2;
  s.originY = static_cast<float>(originY);
}

}  // namespace core
