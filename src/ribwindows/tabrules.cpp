#include "ribwindows/tabrules.h"

#include <cmath>

#include "core/typednumber.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/settle.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"

namespace ribwindows {

using platform::Text;

namespace {

double PositionMm(const std::string& text, const core::RibDocument& d) {
  return core::PercentLength(text.empty() ? "0" : text, d.rib.chord.mm, d.settings.unitText);
}

}  // namespace

std::string TabWindowTitle(const core::RibDocument& d) {
  return Text("FrmTalon", "1") + " " + d.rib.chord.text + d.settings.unitText;
}

TabBoxes TabBoxesFromDocument(const core::RibDocument& d) {
  const core::BuildingTabs& t = d.rib.tabs;
  TabBoxes b{t.board, t.lowerDistance.text, t.lengthText, t.rearText, AngleText(-d.rib.boardAngle),
             t.upperDistance.text};
  if (d.rib.boardAngle == 0 && d.airfoil.loaded) {
    const core::TabBoardDistances defaults = core::DefaultTabDistances(d);
    if (t.lowerDistance.mm == 0) b.lowerDistance = defaults.lower.text;
    if (t.upperDistance.mm == 0) b.upperDistance = defaults.upper.text;
  }
  return b;
}

TypedValue TypedTabPosition(const std::string& typed, const core::RibDocument& d) {
  const double mm = PositionMm(typed, d);
  if (mm > d.rib.chord.mm) return {0, "0"};
  return {mm, ""};
}

TypedValue TypedTabAngle(const std::string& typed) {
  const double angle = core::NumberFromText(typed);
  if (std::fabs(angle) <= kBoardAngleLimit) return {angle, ""};
  platform::Inform(Text("FrmTalon", "4") + " 20\u00b0", Text("FrmTalon", "2"));
  // A board tilted the other way stays tilted that way.
  return angle > 0 ? TypedValue{kBoardAngleLimit, "20"} : TypedValue{-kBoardAngleLimit, "-20"};
}

std::string TabReachText(double reachMm, const core::RibDocument& d) {
  return core::LengthToText(static_cast<float>(reachMm), d.settings.unitText) + d.settings.unitText;
}

core::Changes ApplyTabs(core::RibDocument& d, const TabBoxes& boxes, const std::string& windowTitle) {
  const commands::EditOutcome outcome = commands::ApplyEdit(d, commands::SetTabs{boxes});
  for (const commands::EditMessage& message : outcome.messages)
    platform::Inform(commands::EditMessageText(message), windowTitle);
  return outcome.changed;
}

core::Changes RemoveTabs(core::RibDocument& d) {
  return commands::ApplyEdit(d, commands::TakeOffBase{core::BaseMode::Tabs}).changed;
}

}  // namespace ribwindows
