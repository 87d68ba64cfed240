#pragma once
// The arithmetic of the rib series of a tapered panel: the common stations of the root and
// tip airfoils, the ribs' chords and blend fractions (evenly spaced, or placed by rib
// thicknesses and gaps), the checks of the typed entries and the blended ordinates.
//
// The spaced layout works in 32-bit floats, each operation rounded, sums left to right, so
// that the lengths shown and the chords written agree with what builders get from earlier
// series of the same panel.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/ribdocument.h"

namespace core {

// An airfoil as read: chord fractions in file order (trailing edge, upper surface, leading
// edge, lower surface, trailing edge).
using SeriesOutline = AirfoilAsRead;

// The first index of the smallest x (0 for no points).
std::size_t LeadingEdgeIndex(const SeriesOutline& outline);

// The height of `outline` at station `s` on its upper surface (the points up to the leading
// edge) or its lower surface (from the leading edge on); 0 for no points. A station beyond
// the leading edge takes the leading edge's height, one beyond an end that end's height.
double UpperSurfaceAt(const SeriesOutline& outline, double s);
double LowerSurfaceAt(const SeriesOutline& outline, double s);

// Both airfoils on one set of stations: those of the airfoil with more points (the root's
// when the counts are equal), the other airfoil interpolated on the same surface.
struct CommonStations {
  std::vector<double> x;
  std::vector<double> rootY;
  std::vector<double> tipY;
};
CommonStations CommonStationsOf(const SeriesOutline& root, const SeriesOutline& tip);

// One rib of a series: its number in the file names (1 the root, n + 2 the tip), its blend
// fraction from root (0) to tip (1) and its chord in millimetres.
struct SeriesRib {
  enum class End { Root, Middle, Tip };
  int number = 1;
  End end = End::Middle;
  double fraction = 0;
  double chordMm = 0;
  double positionMm = 0;  // spaced series: the rib's mid-plane from the root rib's
};

// Evenly spaced: n intermediate ribs, fraction k / (n + 1) and a chord falling in equal steps.
std::vector<SeriesRib> EvenSeriesRibs(float rootChordMm, float tipChordMm, int intermediateCount);

// Rib table of the spaced series: slot 0 the root rib, 13 the tip rib, 1 .. n between.
inline constexpr int kSpacedSlots = 14;
inline constexpr int kTipSlot = 13;
inline constexpr int kMaxSpacedRibs = 12;
inline constexpr int kMaxEvenRibs = 90;
// The most ribs a series has, ends included.
inline constexpr int kMaxSeriesRibs = kMaxEvenRibs + 2;
using SlotFloats = std::array<float, kSpacedSlots>;

// Mid-plane distances d[1..n] and positions pos[0..n], the span D from root to tip rib
// mid-planes and the panel length L from outer face to outer face. `gaps[i]` is the gap
// before rib i; gaps[n + 1] the one before the tip rib.
struct SpacedLayout {
  SlotFloats distance{};
  SlotFloats position{};
  float span = 0;
  float length = 0;
};
SpacedLayout LayOutSpacedRibs(const SlotFloats& thickness, const SlotFloats& gaps, int intermediateCount);

// Chords fall with the mid-plane distance; the blend fraction is pos / D.
std::vector<SeriesRib> SpacedSeriesRibs(const SpacedLayout& layout, float rootChordMm, float tipChordMm,
                                        int intermediateCount);

// A rib's ordinates on the common stations: the ends their own airfoil's, the others
// yroot - (yroot - ytip) * f.
std::vector<double> RibOrdinates(const CommonStations& stations, const SeriesRib& rib);

// What the series windows check before generating, in the order they check it.
enum class SeriesBox { RibCount, RootChord, TipChord, None, Thickness, Gap };
struct SeriesRefusal {
  SeriesBox box = SeriesBox::None;
  std::string key;     // the language key of the message in the window's section
  std::string suffix;  // a limit appended to the text (" 90 Ribs !")
  bool warning = false;
  int slot = -1;       // the rib (thickness) or gap entry at fault
};

struct SeriesEntries {
  // The words after a limit, in the user's language (" 90 Ribs !", " 78 1/3 inches !").
  std::string ribsWord = "Ribs";
  std::string inchesWord = "inches";
  std::string ribCount;   // as typed: digits only
  std::string rootChord;  // as typed, in the unit in force
  std::string tipChord;
  std::string unitText = " mm";
  bool airfoilsLoaded = false;
  int maxRibs = kMaxEvenRibs;
};
std::optional<SeriesRefusal> CheckSeriesEntries(const SeriesEntries& entries);
// The spaced series' own checks, after those above: no rib of slots 0 .. n without
// thickness, no gap 1 .. n + 1 without width (the tip rib shares the root's thickness).
std::optional<SeriesRefusal> CheckSpacing(const SlotFloats& thickness, const SlotFloats& gaps, int intermediateCount);

// The intermediate rib count as typed (digits only); an overlong text reads as a big number.
long RibCountFromText(const std::string& text);

}  // namespace core
