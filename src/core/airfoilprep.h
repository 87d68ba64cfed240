#pragma once
// Preparation of a freshly read airfoil for drawing: densification, leading-edge search,
// surface split, resampling to the 401 stations and the extrema.
#include <span>

#include "core/ribdocument.h"

namespace core {

PreparedAirfoil PrepareAirfoil(const AirfoilAsRead& airfoil);

// A new airfoil in the document: prepared, the view back at its origin and out of the
// comparison and thickness-and-camber views, no thickness or camber change pending. The
// caller announces Change::Airfoil.
void InstallPreparedAirfoil(RibDocument& document);

// The steps of the preparation, in order.
// Adds points in coarse stretches of the file's outline: ten per interval, fewer in a file
// too dense for kMaxPoints at ten, so that the outline always reaches the file's last point.
// An interval whose curve strays from the file's points is drawn straight.
void DensifyOutline(const AirfoilAsRead& a, PreparedAirfoil& p);
// The leading-edge point (noseIndex) and the highest and lowest file points.
void FindLeadingEdge(const AirfoilAsRead& a, PreparedAirfoil& p);
void SplitLowerSurface(PreparedAirfoil& p);
// The 401 stations; the nose station (400) is the leading-edge point on both surfaces.
void ResampleSurfaces(PreparedAirfoil& p);
// A file whose points mirror each other about the chord line (the i-th from either end at the
// same x and the opposite height, to a hundredth of a millimetre on a metre chord).
inline constexpr double kSymmetryTolerance = 1e-5;
bool IsSymmetricFile(const AirfoilAsRead& a);
// Both surfaces at half the thickness of each station, with opposite signs: no camber.
void MirrorStations(PreparedAirfoil& p);
void ThicknessAndCamberExtrema(PreparedAirfoil& p);

// Height at chord fraction x on a point list running from the trailing edge to the leading
// edge.
double HeightAtChordFraction(std::span<const Point> points, double x);

// y of the fifth-degree polynomial through the six points first .. first + 5 at abscissa t,
// by Aitken's scheme. Returns false where the window leaves the lists, a denominator is zero
// or the result is not finite.
bool SixPointInterpolation(std::span<const double> abscissa, std::span<const double> ordinate, int first, double t,
                           double& result);

}  // namespace core
