#include "core/ribwarnings.h"

#include <algorithm>

#include "core/lengths.h"

namespace core {

namespace {

// Rounding of typed inches and of the station tables must not turn a touch into a warning.
constexpr double kSlackMm = 1e-3;

bool HasRib(const RibDocument& d) { return d.airfoil.loaded && d.rib.chord.mm > 0; }

// The position as the drawing works it out; 0 ends the table there.
double RowPosition(const RibDocument& d, const std::string& text, std::uint8_t fromTrailingEdge) {
  if (text.empty()) return 0;
  return fromTrailingEdge == 1 ? PercentLengthFromTE(text, d.rib.chord.mm, d.settings.unitText)
                               : PercentLength(text, d.rib.chord.mm, d.settings.unitText);
}

std::size_t StationOf(const RibDocument& d, double xMm) {
  return static_cast<std::size_t>(NearestStation(StationFromLE(xMm, d.rib.chord.mm)));
}

// How far one surface's cut reaches into the rib from that surface.
double CutDepth(const RibDocument& document, const SparRow& row, SparCut cut) {
  if (cut == SparCut::None) return 0;
  const double sheeting = cut == SparCut::FromSheeting ? static_cast<double>(document.rib.sheeting.mm) : 0.0;
  const double height = row.height.mm, inset = row.inset.mm;
  switch (row.shape) {
    case SparShape::Notch: return sheeting + height;
    case SparShape::Round: return sheeting + inset + height + static_cast<double>(row.width.mm) / 2;
    default: return sheeting + inset + height;
  }
}

}  // namespace

double GreatestThicknessMm(const RibDocument& document) {
  return document.rib.chord.mm * document.prepared.maxThickness;
}

double ThicknessAtMm(const RibDocument& document, double xMm) {
  const std::size_t k = StationOf(document, xMm);
  return document.rib.chord.mm * (document.prepared.upperAt[k] - document.prepared.lowerAt[k]);
}

RibWarningAt EdgeWarning(const RibDocument& document) {
  if (document.rib.leadingEdge.mm + document.rib.trailingEdge.mm > document.rib.chord.mm)
    return {RibWarning::EdgesLongerThanChord};
  return {};
}

RibWarningAt SheetingWarning(const RibDocument& document, float sheetingMm) {
  if (!HasRib(document) || sheetingMm <= 0) return {};
  // Sheeting on both surfaces: at half the thickness the two inner lines meet.
  if (2.0 * sheetingMm + kSlackMm < GreatestThicknessMm(document)) return {};
  return {RibWarning::SheetingFillsRib, -1, GreatestThicknessMm(document)};
}

RibWarningAt SparWarning(const RibDocument& document, const SparRow& row, int index) {
  if (!HasRib(document)) return {};
  const double pos = RowPosition(document, row.positionText, row.fromTrailingEdge);
  if (pos <= 0 || pos > document.rib.chord.mm) return {};
  if (row.upper == SparCut::None && row.lower == SparCut::None) return {};
  const double thickness = ThicknessAtMm(document, pos);
  if (row.width.mm <= 0) return {RibWarning::SparWithoutWidth, index, thickness};
  // Cuts from both surfaces part the rib once together they reach across it.
  if (CutDepth(document, row, row.upper) + CutDepth(document, row, row.lower) > thickness + kSlackMm)
    return {RibWarning::SparThroughRib, index, thickness};
  return {};
}

RibWarningAt HoleWarning(const RibDocument& document, const HoleRow& row, int index) {
  if (!HasRib(document)) return {};
  const double pos = RowPosition(document, row.positionText, row.fromTrailingEdge);
  if (pos <= 0 || pos > document.rib.chord.mm) return {};
  const std::size_t k = StationOf(document, pos);
  const double upper = document.rib.chord.mm * document.prepared.upperAt[k];
  const double lower = document.rib.chord.mm * document.prepared.lowerAt[k];
  const double reference = row.centred == 1 ? (upper + lower) / 2 : 0.0;
  const double centre = reference + static_cast<double>(row.offset.mm);
  const double half = (row.shape == HoleShape::Rectangle ? row.height.mm : row.size.mm) / 2.0;
  if (centre + half > upper + kSlackMm || centre - half < lower - kSlackMm)
    return {RibWarning::HoleOutsideRib, index, upper - lower};
  return {};
}

std::vector<RibWarningAt> FindRibWarnings(const RibDocument& document) {
  std::vector<RibWarningAt> found;
  if (!HasRib(document)) return found;
  if (RibWarningAt w = EdgeWarning(document); w.what != RibWarning::None) found.push_back(w);
  if (RibWarningAt w = SheetingWarning(document, document.rib.sheeting.mm); w.what != RibWarning::None)
    found.push_back(w);
  // The drawing stops at the first row without a position; so do the warnings.
  const int lastSpar = std::min<int>(document.rib.spars.last, kTableSlots - 1);
  for (int i = 0; i <= lastSpar; ++i) {
    const SparRow& row = document.rib.spars[static_cast<std::size_t>(i)];
    if (RowPosition(document, row.positionText, row.fromTrailingEdge) == 0) break;
    if (RibWarningAt w = SparWarning(document, row, i); w.what != RibWarning::None) found.push_back(w);
  }
  const int lastHole = std::min<int>(document.rib.holes.last, kTableSlots - 1);
  for (int i = 0; i <= lastHole; ++i) {
    const HoleRow& row = document.rib.holes[static_cast<std::size_t>(i)];
    if (RowPosition(document, row.positionText, row.fromTrailingEdge) == 0) break;
    if (RibWarningAt w = HoleWarning(document, row, i); w.what != RibWarning::None) found.push_back(w);
  }
  return found;
}

}  // namespace core
