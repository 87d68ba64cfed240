#pragma once
// Preparation of a freshly read airfoil for drawing: densification, leading-edge search,
// surface split, resampling to the 401 stations and the extrema.
#include <vector>

#include "core/ribstate.h"

namespace core {

// What the main window does after a preparation; absent in batch use.
class ViewHooks {
 public:
  virtual ~ViewHooks() = default;
  virtual void ResetScrollBars() = 0;
  virtual void EnableAirfoilCommands() = 0;
  virtual void Redraw() = 0;
};
void SetViewHooks(ViewHooks* hooks);
ViewHooks* CurrentViewHooks();

void PrepareAirfoil(SharedState& s);

void Alocate(SharedState& s);
void MiniX(SharedState& s);
void SplitLowerSurface(SharedState& s);
void ResampleSurfaces(SharedState& s);
void ThicknessAndCamberExtrema(SharedState& s);

// Height at chord fraction x on a 1-based point list of `count` points running from the
// trailing edge to the leading edge.
double HeightAtChordFraction(const std::vector<double>& xs, const std::vector<double>& ys, int count, double x);

// y of the fifth-degree polynomial through the points c-2 .. c+3 (1-based) at abscissa t,
// by Aitken's scheme. Returns false where the window leaves 1..n, a denominator is zero
// or the result is not finite.
bool SixPointInterpolation(const std::vector<double>& abscissa, const std::vector<double>& ordinate, int n,
                           int c, double t, double& result);

}  // namespace core
