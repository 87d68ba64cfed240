#include "core/ribseries.h"

#include <cmath>

#include "core/lengths.h"
#include "core/numformat.h"

namespace core {

namespace {

constexpr double kSameStation = 1e-6;

// Between point a (before) and b (the found point), by the distance from a.
double Interpolate(const Point& a, const Point& b, double s) {
  return a.y + (b.y - a.y) / std::fabs(b.x - a.x) * std::fabs(s - a.x);
}

}  // namespace

std::size_t LeadingEdgeIndex(const SeriesOutline& o) {
  std::size_t le = 0;
  for (std::size_t i = 1; i < o.points.size(); ++i)
    if (o.points[i].x < o.points[le].x) le = i;
  return le;
}

double UpperSurfaceAt(const SeriesOutline& o, double s) {
  const std::vector<Point>& p = o.points;
  if (p.empty()) return 0;
  const std::size_t le = LeadingEdgeIndex(o);
  for (std::size_t i = 0; i <= le; ++i) {
    if (p[i].x > s) continue;
    if (std::fabs(s - p[i].x) < kSameStation || i == 0) return p[i].y;
    return Interpolate(p[i - 1], p[i], s);
  }
  return p[le].y;  // ahead of the leading edge
}

double LowerSurfaceAt(const SeriesOutline& o, double s) {
  const std::vector<Point>& p = o.points;
  if (p.empty()) return 0;
  const std::size_t le = LeadingEdgeIndex(o);
  for (std::size_t i = le; i < p.size(); ++i) {
    if (p[i].x < s) continue;
    if (std::fabs(s - p[i].x) < kSameStation || i == le) return p[i].y;
    return Interpolate(p[i - 1], p[i], s);
  }
  return p.back().y;  // behind the trailing edge
}

CommonStations CommonStationsOf(const SeriesOutline& root, const SeriesOutline& tip) {
  const bool rootLeads = root.points.size() >= tip.points.size();
  const SeriesOutline& master = rootLeads ? root : tip;
  const SeriesOutline& other = rootLeads ? tip : root;
  const std::size_t le = LeadingEdgeIndex(master);
  CommonStations c;
  c.x.reserve(master.points.size());
  std::vector<double>& own = rootLeads ? c.rootY : c.tipY;
  std::vector<double>& interpolated = rootLeads ? c.tipY : c.rootY;
  for (std::size_t j = 0; j < master.points.size(); ++j) {
    const double s = master.points[j].x;
    c.x.push_back(s);
    own.push_back(master.points[j].y);
    interpolated.push_back(j <= le ? UpperSurfaceAt(other, s) : LowerSurfaceAt(other, s));
  }
  return c;
}

std::vector<SeriesRib> EvenSeriesRibs(float rootChordMm, float tipChordMm, int n) {
  const double step = (100.0 / (n + 1)) / 100.0;
  const double chordStep = (static_cast<double>(rootChordMm) - static_cast<double>(tipChordMm)) / (n + 1);
  std::vector<SeriesRib> ribs;
  ribs.reserve(static_cast<std::size_t>(n + 2));
  for (int k = 0; k <= n + 1; ++k) {
    SeriesRib rib;
    rib.number = k + 1;
    rib.end = k == 0 ? SeriesRib::End::Root : k == n + 1 ? SeriesRib::End::Tip : SeriesRib::End::Middle;
    rib.fraction = k * step;
    rib.chordMm = rootChordMm - k * chordStep;
    ribs.push_back(rib);
  }
  return ribs;
}

SpacedLayout LayOutSpacedRibs(const SlotFloats& t, const SlotFloats& g, int n) {
  SpacedLayout l;
  // Each step stored in a float so that every operation rounds to 32 bits.
  for (int i = 1; i <= n; ++i) {
    const std::size_t u = static_cast<std::size_t>(i);
    float d = t[u - 1] / 2.0f;
    d = d + g[u];
    d = d + t[u] / 2.0f;
    l.distance[u] = d;
    l.position[u] = l.position[u - 1] + d;
  }
  const std::size_t last = static_cast<std::size_t>(n);
  float span = l.position[last] + t[last] / 2.0f;
  span = span + g[last + 1];
  span = span + t[kTipSlot] / 2.0f;
  l.span = span;
  float length = t[0] / 2.0f + span;
  length = length + t[kTipSlot] / 2.0f;
  l.length = length;
  return l;
}

std::vector<SeriesRib> SpacedSeriesRibs(const SpacedLayout& l, float rootChordMm, float tipChordMm, int n) {
  const double span = l.span;
  const double taper = (static_cast<double>(rootChordMm) - static_cast<double>(tipChordMm)) / span;
  std::vector<SeriesRib> ribs;
  ribs.reserve(static_cast<std::size_t>(n + 2));
  SeriesRib root;
  root.end = SeriesRib::End::Root;
  root.chordMm = rootChordMm;
  ribs.push_back(root);
  float chord = rootChordMm;
  for (int i = 1; i <= n; ++i) {
    const std::size_t u = static_cast<std::size_t>(i);
    chord = static_cast<float>(chord - taper * l.distance[u]);
    SeriesRib rib;
    rib.number = i + 1;
    rib.fraction = l.position[u] / span;
    rib.chordMm = chord;
    rib.positionMm = l.position[u];
    ribs.push_back(rib);
  }
  SeriesRib tip;
  tip.number = n + 2;
  tip.end = SeriesRib::End::Tip;
  tip.fraction = 1;
  tip.chordMm = tipChordMm;
  tip.positionMm = l.span;
  ribs.push_back(tip);
  return ribs;
}

std::vector<double> RibOrdinates(const CommonStations& c, const SeriesRib& rib) {
  if (rib.end == SeriesRib::End::Root) return c.rootY;
  if (rib.end == SeriesRib::End::Tip) return c.tipY;
  std::vector<double> y(c.x.size());
  for (std::size_t j = 0; j < y.size(); ++j) y[j] = c.rootY[j] - (c.rootY[j] - c.tipY[j]) * rib.fraction;
  return y;
}

long RibCountFromText(const std::string& text) {
  const std::size_t first = text.find_first_not_of('0');
  if (first != std::string::npos && text.size() - first > 9) return 999999999;
  return static_cast<long>(LeadingNumber(text));
}

std::optional<SeriesRefusal> CheckSeriesEntries(const SeriesEntries& e) {
  const bool inches = e.unitText == " in";
  const std::string chordLimit = inches ? " 78 1/3 " + e.inchesWord + " !" : " 1999 mm !";
  auto refuse = [](SeriesBox box, const char* key, std::string suffix, bool warning) {
    return SeriesRefusal{box, key, std::move(suffix), warning, -1};
  };
  if (e.ribCount.empty()) return refuse(SeriesBox::RibCount, "16", "", false);
  if (RibCountFromText(e.ribCount) > e.maxRibs)
    return refuse(SeriesBox::RibCount, "12", " " + std::to_string(e.maxRibs) + " " + e.ribsWord + " !", true);
  // A text that gives no length ("1/0" in inches, or no root chord at all) is asked for
  // again as an empty box is.
  const LengthReading root = ReadLength(e.rootChord, e.unitText);
  if (e.rootChord.empty() || root.malformed || !(root.mm > 0)) return refuse(SeriesBox::RootChord, "17", "", false);
  if (root.mm > 1999.0f) return refuse(SeriesBox::RootChord, "13", chordLimit, true);
  const LengthReading tip = ReadLength(e.tipChord, e.unitText);
  if (e.tipChord.empty() || tip.malformed) return refuse(SeriesBox::TipChord, "18", "", false);
  if (tip.mm > 1999.0f) return refuse(SeriesBox::TipChord, "13", chordLimit, true);
  if (root.mm < tip.mm) return refuse(SeriesBox::TipChord, "14", "", true);
  if (!e.airfoilsLoaded) return refuse(SeriesBox::None, "15", "", false);
  return std::nullopt;
}

std::optional<SeriesRefusal> CheckSpacing(const SlotFloats& t, const SlotFloats& g, int n) {
  for (int i = 0; i <= n; ++i)
    if (!(t[static_cast<std::size_t>(i)] > 0)) return SeriesRefusal{SeriesBox::Thickness, "10", "", false, i};
  for (int i = 1; i <= n + 1; ++i)
    if (!(g[static_cast<std::size_t>(i)] > 0)) return SeriesRefusal{SeriesBox::Gap, "10", "", false, i};
  return std::nullopt;
}

}  // namespace core
