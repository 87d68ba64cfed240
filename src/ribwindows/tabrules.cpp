#include "ribwindows/tabrules.h"

#include <algorithm>
#include <cmath>

#include "core/typednumber.h"
#include "core/caption.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/settle.h"
#include "files/captions.h"
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
  const double chord = d.rib.chord.mm;
  const double length = PositionMm(boxes.length, d);
  const double rear = PositionMm(boxes.rear, d);
  if (length > chord || rear > chord || length + rear > chord) {
    platform::Inform(Text("FrmTalon", "5"), windowTitle);
    return {};
  }
  core::BuildingTabs& t = d.rib.tabs;
  t.board = boxes.board;
  t.lowerDistance = LengthFromBox(boxes.lowerDistance, d.settings.unitText);
  const core::Length upper = LengthFromBox(boxes.upperDistance, d.settings.unitText);
  t.upperDistance = {-upper.mm, upper.text};
  t.lengthText = boxes.length.empty() ? "0" : boxes.length;
  t.rearText = boxes.rear.empty() ? "0" : boxes.rear;
  const float angle = std::clamp(static_cast<float>(core::NumberFromText(boxes.angle)), -kBoardAngleLimit, kBoardAngleLimit);
  d.rib.boardAngle = angle == 0 ? 0.0f : -angle;
  d.rib.baseMode = core::BaseMode::Tabs;
  d.project.modified = true;
  // Also when the angle went back to 0: the caption must not keep naming the old one.
  core::RecomposeCaption(d, files::CaptionWordsInLanguage(), core::CaptionSource::TabDialog);
  return core::Change::Setup;
}

core::Changes RemoveTabs(core::RibDocument& d) {
  if (d.rib.baseMode != core::BaseMode::Tabs) return {};
  d.rib.baseMode = core::BaseMode::None;
  d.project.modified = true;
  core::RecomposeCaption(d, files::CaptionWordsInLanguage());
  return core::Change::Setup;
}

}  // namespace ribwindows
