#pragma once
// Writers of the airfoil files the tools derive from the current airfoil: the thickness and
// camber change (401 stations) and the inclined or oblique rib (the file's own points with
// scaled ordinates). Texts are Windows-1252 with CR LF line ends, as airfoil files are.
#include <span>
#include <string>

#include "platform/errorreport.h"
#include "core/ribdocument.h"

namespace files {

// The thickness and camber file: a header line, the upper surface from the trailing edge
// (every fourth station, then every second from station 384), the lower surface back (the
// nose point once), and "By Vandrell". `thicknessText` and `camberText` are the boxes' texts.
std::string ThicknessCamberFileText(const std::string& airfoilName, const std::string& thicknessCaption,
                                    const std::string& thicknessText, const std::string& camberCaption,
                                    const std::string& camberText, const core::StationTable& upperAt,
                                    const core::StationTable& lowerAt);
// The name the save dialog proposes: name_E<thickness>C<camber>.dat.
std::string ThicknessCamberFileName(const std::string& airfoilName, const std::string& thicknessText,
                                    const std::string& camberText);

// A header line, then every point in its order: x and y with eight decimals, two blanks
// between.
std::string ScaledAirfoilFileText(const std::string& header, std::span<const core::Point> points);

// The inclined rib's header ("diedre 5.00°") and proposed name (name_5.dat).
std::string InclinedRibHeader(double degrees);
std::string InclinedRibFileName(const std::string& airfoilName, double degrees);

// The oblique rib's header and proposed name. Lengths in the unit in force (" mm", " in").
struct ObliqueRibTexts {
  std::string caption;  // the tool's name in the language
  std::string airfoilName;
  double degrees = 0;
  double obliqueMm = 0;
  double squareMm = 0;
  std::string unitText = " mm";
};
std::string ObliqueRibHeader(const ObliqueRibTexts& t);
std::string ObliqueRibFileName(const ObliqueRibTexts& t);

enum class DerivedWrite { Written, Exists, Failed };
// Writes `contents` through a temporary file renamed into place. An existing file is only
// replaced with `replace`: asking the user is the caller's part. A failure leaves its cause
// (disk full, no such folder, not a file, ...) in `error` when one is given.
DerivedWrite WriteDerivedAirfoil(const std::string& path, const std::string& contents, bool replace,
                                 platform::ErrorInfo* error = nullptr);

}  // namespace files
