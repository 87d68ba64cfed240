#include "core/airfoiltools.h"

#include <algorithm>
#include <cmath>

#include "core/lengths.h"
#include "core/numformat.h"
#include "core/plaintext.h"

namespace core {

ThicknessCamberResult ChangeThicknessCamber(const PreparedAirfoil& p, double thicknessPercent, double camberPercent) {
  ThicknessCamberResult r;
  if (camberPercent > 99) {
    r.check = ThicknessCamberCheck::CamberTooLarge;
    return r;
  }
  double camberRatio = 1;
  if (p.maxCamber == 0) {
    // Nothing to scale: the mean line stays as it is.
    r.camberKeptAtZero = camberPercent != 0;
    r.newCamber = 0;
  } else {
    r.newCamber = camberPercent / 100;
    camberRatio = r.newCamber / p.maxCamber;
  }
  if (thicknessPercent > 100) {
    r.check = ThicknessCamberCheck::ThicknessTooLarge;
    return r;
  }
  r.newThickness = thicknessPercent / 100;
  if (r.newThickness == 0) {
    r.check = ThicknessCamberCheck::ThicknessZero;
    return r;
  }
  if (!(p.maxThickness > 0)) {
    r.check = ThicknessCamberCheck::FlatAirfoil;
    return r;
  }
  const double thicknessRatio = r.newThickness / p.maxThickness;
  for (std::size_t k = 0; k < static_cast<std::size_t>(kStations); ++k) {
    const double mean = (p.upperAt[k] + p.lowerAt[k]) / 2;
    const double thickness = p.upperAt[k] - p.lowerAt[k];
    r.upperAt[k] = mean * camberRatio + thickness * thicknessRatio / 2;
    r.lowerAt[k] = mean * camberRatio - thickness * thicknessRatio / 2;
  }
  return r;
}

AngleCheck CheckInclination(double degrees) {
  if (!(degrees != 0) || std::isnan(degrees)) return AngleCheck::Missing;
  if (degrees >= 90) return AngleCheck::TooLarge;
  return AngleCheck::Ok;
}

double InclinationFactor(double degrees) { return 1 / std::cos(Radians(degrees)); }

ObliqueRib ComputeObliqueRib(int mode, double givenMm, double degrees) {
  ObliqueRib r;
  if (!(givenMm > 0)) {
    r.check = ObliqueCheck::LengthMissing;
    return r;
  }
  if (!(degrees > 0)) {
    r.check = ObliqueCheck::AngleMissing;
    return r;
  }
  if (degrees >= 90) {
    r.check = ObliqueCheck::AngleTooLarge;
    return r;
  }
  const double s = std::sin(Radians(degrees));
  if (mode == 0) {
    r.obliqueMm = givenMm;
    r.squareMm = givenMm * s;
    r.ordinateFactor = 1 / s;
  } else {
    r.squareMm = givenMm;
    r.obliqueMm = givenMm / s;
    r.ordinateFactor = s;
  }
  return r;
}

std::vector<Point> ScaledOrdinates(std::span<const Point> points, double factor) {
  std::vector<Point> out;
  out.reserve(points.size());
  for (const Point& p : points) out.push_back({p.x, p.y * factor});
  return out;
}

double DihedralSpan(double riseMm, double degrees) { return riseMm / std::tan(Radians(degrees)); }
double DihedralRise(double spanMm, double degrees) { return spanMm * std::tan(Radians(degrees)); }
double DihedralAngle(double riseMm, double spanMm) { return std::atan(riseMm / spanMm) * 180 / kPi; }

RibSheet ComputeRibSheet(const RibSheetInput& in) {
  RibSheet s;
  if (!(in.rootChord > 0)) s.check = RibSheetCheck::RootZero;
  else if (!(in.tipChord > 0)) s.check = RibSheetCheck::TipZero;
  else if (in.tipChord > in.rootChord) s.check = RibSheetCheck::TipLarger;
  else if (Trimmed(in.ribCountText).empty()) s.check = RibSheetCheck::CountMissing;
  if (s.check != RibSheetCheck::Ok) return s;

  const double typed = std::floor(LeadingNumber(in.ribCountText));
  const int n = typed < 0 ? 0 : typed > kMostIntermediateRibs ? kMostIntermediateRibs : static_cast<int>(typed);
  s.intermediateRibs = n;
  s.countLimited = typed > kMostIntermediateRibs;
  const double chordStep = (in.rootChord - in.tipChord) / (n + 1);
  const double secondStep = (in.secondAtRoot - in.secondAtTip) / (n + 1);
  s.hasSecondValue = !(in.secondAtRoot == 0 && in.secondAtTip == 0);
  auto spacing = [&in](double ribs) { return (in.span - (ribs + 2) * in.material) / (ribs + 1); };
  // Ribs that fill the span exactly fit, whatever the last binary digit says.
  constexpr double kTouchingMm = 1e-6;
  auto fits = [&](double ribs) { return spacing(ribs) >= -kTouchingMm; };
  s.freeSpacing = in.material != 0 && in.span == 0 ? 0 : fits(n) ? std::max(0.0, spacing(n)) : spacing(n);
  if (in.material > 0 && in.span > 0) {
    double fit = std::floor(in.span / in.material) - 2;
    while (fit >= 0 && !fits(fit)) --fit;
    while (fit + 1 <= kMostIntermediateRibs && fits(fit + 1)) ++fit;
    s.ribsThatFit = fit < 0 ? -1 : static_cast<int>(std::min<double>(fit, kMostIntermediateRibs));
  }
  for (int i = 0; i <= n + 1; ++i) s.rows.push_back({i + 1, in.rootChord - i * chordStep, in.secondAtRoot - i * secondStep});
  return s;
}

std::vector<std::string> RibSheetRowTexts(const RibSheetRow& row, bool withSecond, const std::string& unitText) {
  const double scale = unitText == " in" ? 1 / kMmPerInch : 1;
  auto value = [&](double mm) { return ScreenNumberText(FormatNumber(mm * scale, "# ####.##")); };
  std::vector<std::string> texts{std::to_string(row.number), value(row.chord)};
  if (withSecond) texts.push_back(value(row.second));
  return texts;
}

}  // namespace core
