#pragma once
// The views that take the rib's place in the main view: two airfoils compared, the thickness
// and camber change over the current airfoil, and a former. Each draws on any target at a
// placement, so the screen and the printer show the same picture. Drawing only reads.
#include <string>
#include <vector>

#include "core/ribdocument.h"
#include "core/viewgeometry.h"
#include "platform/drawtarget.h"

namespace core {

// Two airfoils prepared for the comparison, with the names shown for them.
struct AirfoilComparison {
  PreparedAirfoil first;
  PreparedAirfoil second;
  std::string firstName;
  std::string secondName;
  // The higher of the two airfoils' highest file points, which places the view.
  double yMax = 0;
  bool Ready() const { return first.outline.size() > 1 && second.outline.size() > 1; }
};

// The comparison's two airfoils drawn over each other on the chord line, each in its own
// colour and line style; the upside-down view does not apply. `airfoilLabel` is the
// language's word for an airfoil.
void DrawComparison(const AirfoilComparison& c, const Style& style, const std::string& airfoilLabel,
                    const ViewPlacement& at, platform::DrawTarget& target);

// The words of the thickness and camber legend.
struct ThicknessCamberLabels {
  std::string thickness;
  std::string camber;
};
// "14.00%": a requested thickness or camber (chord fraction) as the legend shows it.
std::string PercentText(double fraction);
// The current airfoil and the changed one (rib.reshape) drawn over each other.
void DrawThicknessCamber(const RibDocument& document, const ThicknessCamberLabels& labels, const ViewPlacement& at,
                         platform::DrawTarget& target);

// The coordinate file as read, drawn as a closed shape with the chord line and the inserted
// text; the upside-down view applies.
void DrawFormer(const RibDocument& document, const ViewPlacement& at, platform::DrawTarget& target);

// Where a view that takes the rib's place puts its chord line on a printed sheet, millimetres
// from the sheet's top: at the page set-up's `wantedMm` when the drawing, reaching `aboveMm`
// over its chord line and `belowMm` under it, fits there with `marginMm` to spare at both
// edges; otherwise moved up or down just as far as it must. A drawing taller than the sheet
// keeps its top on it.
inline constexpr double kViewMarginOnSheetMm = 5;
double ChordLineOnSheetMm(double aboveMm, double belowMm, double wantedMm, double sheetHeightMm,
                          double marginMm = kViewMarginOnSheetMm);

// Rows of text down a page from (leftMm, topMm), `lineMm` apart, in black; the cells of a
// row start `columnMm` apart.
void DrawTextRows(const std::vector<std::vector<std::string>>& rows, double leftMm, double topMm, double lineMm,
                  double columnMm, double fontSize, platform::DrawTarget& target);

}  // namespace core
