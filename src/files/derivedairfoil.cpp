#include "files/derivedairfoil.h"

#include <cstdio>
#include <filesystem>

#include "core/lengths.h"
#include "core/numformat.h"
#include "files/coordinatefile.h"
#include "files/ini.h"
#include "platform/fileio.h"

namespace files {

namespace {

std::string Printf(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// Station k's line: x with three decimals, then the ordinate with its sign place.
std::string StationLine(int k, double ordinate) {
  return Printf("%.3f", (400 - k) / 400.0) + " " + Printf("% .15g", ordinate) + kLineEnd;
}

std::string LengthInUnit(double mm, const std::string& unitText) {
  const bool inches = unitText == " in";
  return core::FormatNumber(inches ? mm / core::kMmPerInch : mm, "# ###0.00") + (inches ? "in" : "mm");
}

}  // namespace

std::string ThicknessCamberFileText(const std::string& airfoilName, const std::string& thicknessCaption,
                                    const std::string& thicknessText, const std::string& camberCaption,
                                    const std::string& camberText, const core::StationTable& upperAt,
                                    const core::StationTable& lowerAt) {
  std::string out = Utf8ToCp1252(airfoilName + " " + thicknessCaption + thicknessText + "% " + camberCaption +
                                 camberText + "%") +
                    kLineEnd;
  auto at = [](const core::StationTable& t, int k) { return t[static_cast<std::size_t>(k)]; };
  for (int k = 0; k <= 380; k += 4) out += StationLine(k, at(upperAt, k));
  for (int k = 384; k <= 400; k += 2) out += StationLine(k, at(upperAt, k));
  // Both surfaces share the nose: where they meet, the point is written once.
  for (int k = 400; k >= 384; k -= 2)
    if (at(lowerAt, k) != at(upperAt, k)) out += StationLine(k, at(lowerAt, k));
  for (int k = 380; k >= 0; k -= 4) out += StationLine(k, at(lowerAt, k));
  out += std::string("By Vandrell") + kLineEnd;
  return out;
}

std::string ThicknessCamberFileName(const std::string& airfoilName, const std::string& thicknessText,
                                    const std::string& camberText) {
  return airfoilName + "_E" + thicknessText + "C" + camberText + ".dat";
}

std::string ScaledAirfoilFileText(const std::string& header, std::span<const core::Point> points) {
  std::string out = Utf8ToCp1252(header) + kLineEnd;
  for (const core::Point& p : points)
    out += core::FormatNumber(p.x, "0.00000000") + "  " + core::FormatNumber(p.y, "0.00000000") + kLineEnd;
  return out;
}

std::string InclinedRibHeader(double degrees) { return "diedre " + core::FormatNumber(degrees, "# ###0.00") + "°"; }

std::string InclinedRibFileName(const std::string& airfoilName, double degrees) {
  return airfoilName + "_" + core::FormatNumber(degrees, "# ###0") + ".dat";
}

// One line only: a second text line would stop the airfoil reader at its "first point".
// No ":" either, which the reader would take for a chord.
std::string ObliqueRibHeader(const ObliqueRibTexts& t) {
  return t.caption + " " + t.airfoilName + " " + core::FormatNumber(t.degrees, "# ###0.00") + "° L " +
         LengthInUnit(t.obliqueMm, t.unitText) + " M " + LengthInUnit(t.squareMm, t.unitText);
}

std::string ObliqueRibFileName(const ObliqueRibTexts& t) {
  const bool inches = t.unitText == " in";
  const double scale = inches ? 1 / core::kMmPerInch : 1;
  return t.airfoilName + "_" + (inches ? "in_" : "mm_") + core::FormatNumber(t.obliqueMm * scale, "# ###0") + "_" +
         core::FormatNumber(t.squareMm * scale, "# ###0") + "_" + core::FormatNumber(t.degrees, "# ###0") + ".dat";
}

DerivedWrite WriteDerivedAirfoil(const std::string& path, const std::string& contents, bool replace,
                                 platform::ErrorInfo* error) {
  std::error_code ec;
  if (!replace && std::filesystem::exists(path, ec)) return DerivedWrite::Exists;
  const platform::FileOutcome written = platform::WriteFileAtomically(path, contents);
  if (written.ok()) return DerivedWrite::Written;
  if (error) *error = platform::WriteErrorInfo(written, path);
  return DerivedWrite::Failed;
}

}  // namespace files
