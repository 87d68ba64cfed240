#include "core/settle.h"

#include "core/lengths.h"

namespace core {

TabBoardDistances DefaultTabDistances(const RibDocument& d) {
  const double chord = d.rib.chord.mm;
  const double sheeting = d.rib.sheeting.mm;
  const std::string& unit = d.settings.unitText;
  const std::string lower = UnitNumberText(-chord * d.prepared.yMin - sheeting, unit);
  const std::string upper = UnitNumberText(chord * d.prepared.yMax - sheeting, unit);
  // The millimetres are those the text reads as, so that a project read back agrees.
  return {{LengthFromText(lower, unit), lower}, {LengthFromText(upper, unit), upper}};
}

bool TabDistancesFollowAirfoil(RibDocument& d) {
  if (d.rib.boardAngle != 0 || !d.airfoil.loaded) return false;
  const TabBoardDistances defaults = DefaultTabDistances(d);
  const Length upper{-defaults.upper.mm, defaults.upper.text};
  if (d.rib.tabs.lowerDistance == defaults.lower && d.rib.tabs.upperDistance == upper) return false;
  d.rib.tabs.lowerDistance = defaults.lower;
  d.rib.tabs.upperDistance = upper;
  return true;
}

bool TabDistancesForNewAirfoil(RibDocument& d) {
  if (d.rib.tabs.lowerDistance.mm != 0 || d.rib.tabs.upperDistance.mm != 0) return false;
  return TabDistancesFollowAirfoil(d);
}

void Settle(RibDocument& d, Changes what, const CaptionWords& words) {
  if (what.Has(Change::Restored)) return;
  // The caption must not go on naming the previous airfoil or chord.
  if (what.Has(Change::Airfoil) || what.Has(Change::Chord)) RecomposeCaption(d, words);
  if (what.Has(Change::Chord) || what.Has(Change::Sheeting)) TabDistancesFollowAirfoil(d);
  else if (what.Has(Change::Airfoil)) TabDistancesForNewAirfoil(d);
}

}  // namespace core
