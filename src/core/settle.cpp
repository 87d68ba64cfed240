#include "core/settle.h"

#include "core/lengths.h"

namespace core {

TabBoardDistances DefaultTabDistances(const RibDocument& document) {
  const double chord = document.rib.chord.mm;
  const double sheeting = document.rib.sheeting.mm;
  const std::string& unit = document.settings.unitText;
  const std::string lower = UnitNumberText(-chord * document.prepared.yMin - sheeting, unit);
  const std::string upper = UnitNumberText(chord * document.prepared.yMax - sheeting, unit);
  // The millimetres are those the text reads as, so that a project read back agrees.
  return {{LengthFromText(lower, unit), lower}, {LengthFromText(upper, unit), upper}};
}

bool TabDistancesFollowAirfoil(RibDocument& document) {
  if (document.rib.boardAngle != 0 || !document.airfoil.loaded) return false;
  const TabBoardDistances defaults = DefaultTabDistances(document);
  const Length upper{-defaults.upper.mm, defaults.upper.text};
  if (document.rib.tabs.lowerDistance == defaults.lower && document.rib.tabs.upperDistance == upper) return false;
  document.rib.tabs.lowerDistance = defaults.lower;
  document.rib.tabs.upperDistance = upper;
  return true;
}

bool TabDistancesForNewAirfoil(RibDocument& document) {
  if (document.rib.tabs.lowerDistance.mm != 0 || document.rib.tabs.upperDistance.mm != 0) return false;
  return TabDistancesFollowAirfoil(document);
}

void Settle(RibDocument& document, Changes what, const CaptionWords& words) {
  if (what.Has(Change::Restored)) return;
  // The caption must not go on naming the previous airfoil or chord.
  if (what.Has(Change::Airfoil) || what.Has(Change::Chord)) RecomposeCaption(document, words);
  if (what.Has(Change::Chord) || what.Has(Change::Sheeting)) TabDistancesFollowAirfoil(document);
  else if (what.Has(Change::Airfoil)) TabDistancesForNewAirfoil(document);
}

}  // namespace core
