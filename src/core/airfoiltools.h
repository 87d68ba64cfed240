#pragma once
// The airfoil tools' arithmetic: thickness and camber change, inclined and oblique ribs, the
// dihedral calculator and the rib sheet of a tapered panel. Plain results; the callers show
// the messages and write the files.
#include <span>
#include <string>
#include <vector>

#include "core/ribdocument.h"

namespace core {

// ---- Thickness and camber change ----
enum class ThicknessCamberCheck {
  Ok,
  CamberTooLarge,     // above 99 %
  ThicknessTooLarge,  // above 100 %
  ThicknessZero,
  FlatAirfoil,        // the airfoil has no thickness to scale
};

struct ThicknessCamberResult {
  ThicknessCamberCheck check = ThicknessCamberCheck::Ok;
  // A camber was asked of an airfoil without one: its mean line is kept and the camber
  // shown is 0.
  bool camberKeptAtZero = false;
  double newThickness = 0;  // chord fractions
  double newCamber = 0;
  StationTable upperAt{};
  StationTable lowerAt{};
};

// Scales the thickness distribution to `thicknessPercent` and the mean line to
// `camberPercent` (both of the chord) at the 401 stations.
ThicknessCamberResult ChangeThicknessCamber(const PreparedAirfoil& p, double thicknessPercent, double camberPercent);

// ---- Inclined rib ----
enum class AngleCheck { Ok, Missing, TooLarge };
// An angle of 0 (or nothing typed) or of 90 degrees and more is refused.
AngleCheck CheckInclination(double degrees);
// The factor on every ordinate: 1 / cos(angle).
double InclinationFactor(double degrees);

// ---- Oblique rib ----
// Mode 0: the oblique length L is given and M = L sin(angle) is worked out; mode 1 the
// square length M is given and L = M / sin(angle).
enum class ObliqueCheck { Ok, LengthMissing, AngleMissing, AngleTooLarge };
struct ObliqueRib {
  ObliqueCheck check = ObliqueCheck::Ok;
  double obliqueMm = 0;   // L
  double squareMm = 0;    // M
  double ordinateFactor = 1;  // 1 / sin in mode 0, sin in mode 1
};
ObliqueRib ComputeObliqueRib(int mode, double givenMm, double degrees);

// Every ordinate multiplied by `factor`; x and the order stay.
std::vector<Point> ScaledOrdinates(std::span<const Point> points, double factor);

// ---- Dihedral calculator ----
inline constexpr double kLargestDihedral = 89;
double DihedralSpan(double riseMm, double degrees);   // rise / tan(angle)
double DihedralRise(double spanMm, double degrees);   // span x tan(angle)
double DihedralAngle(double riseMm, double spanMm);   // atan(rise / span) in degrees

// ---- Rib sheet of a tapered panel ----
struct RibSheetInput {
  double rootChord = 0;  // mm
  double tipChord = 0;
  std::string ribCountText;  // intermediate ribs, as typed
  double span = 0;
  double secondAtRoot = 0;
  double secondAtTip = 0;
  double material = 0;
};
enum class RibSheetCheck { Ok, RootZero, TipZero, TipLarger, CountMissing };
struct RibSheetRow {
  int number = 0;  // 1 ..
  double chord = 0;
  double second = 0;
};
struct RibSheet {
  RibSheetCheck check = RibSheetCheck::Ok;
  int intermediateRibs = 0;
  bool countLimited = false;  // more were asked than a sheet lists
  double freeSpacing = 0;     // below 0 the ribs do not fit in the span
  // How many intermediate ribs of the material's thickness the span holds; -1 when not even
  // the root and tip ribs fit, or when no span and thickness are given.
  int ribsThatFit = -1;
  bool hasSecondValue = false;
  std::vector<RibSheetRow> rows;  // n + 2 ribs, root first
};
// The most intermediate ribs the sheet lists: rib numbers stay 16-bit (n + 2 <= 32767).
inline constexpr int kMostIntermediateRibs = 32765;
RibSheet ComputeRibSheet(const RibSheetInput& in);
// A row as the list and the printed sheet show it: the number, the chord and, when there is
// one, the second value, in the unit in force ("# ####.##").
std::vector<std::string> RibSheetRowTexts(const RibSheetRow& row, bool withSecond, const std::string& unitText);

}  // namespace core
