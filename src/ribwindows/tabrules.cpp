#include "ribwindows/tabrules.h"

#include "core/lengths.h"
#include "core/settle.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"

namespace ribwindows {

using platform::Text;

namespace {

double PositionMm(const std::string& text, const core::RibDocument& document) {
  return core::PercentLength(text.empty() ? "0" : text, document.rib.chord.mm, document.settings.unitText);
}

}  // namespace

TabBoxes TabBoxesFromDocument(const core::RibDocument& document) {
  const core::BuildingTabs& t = document.rib.tabs;
  TabBoxes b{t.board, t.lowerDistance.text, t.lengthText, t.rearText, ShownBoardAngle(document),
             t.upperDistance.text};
  if (document.rib.boardAngle == 0 && document.airfoil.loaded) {
    const core::TabBoardDistances defaults = core::DefaultTabDistances(document);
    if (t.lowerDistance.mm == 0) b.lowerDistance = defaults.lower.text;
    if (t.upperDistance.mm == 0) b.upperDistance = defaults.upper.text;
  }
  return b;
}

TypedValue TypedTabPosition(const std::string& typed, const core::RibDocument& document) {
  const double mm = PositionMm(typed, document);
  if (mm > document.rib.chord.mm) return {0, "0"};
  return {mm, ""};
}

TypedValue TypedTabAngle(const std::string& typed) {
  // One message for both ways.
  const std::string limit = Text(keys::TabAngleBeyondLimit) + " 20\u00b0";
  return TypedBoardAngle(typed, {limit, limit, Text(keys::TabAngleLabel)});
}

core::Changes ApplyTabs(core::RibDocument& document, const TabBoxes& boxes, const std::string& windowTitle) {
  const commands::EditOutcome outcome = commands::ApplyEdit(document, commands::SetTabs{boxes});
  for (const commands::EditMessage& message : outcome.messages)
    platform::Inform(commands::EditMessageText(message), windowTitle);
  return outcome.changed;
}

}  // namespace ribwindows
