#include "ribwindows/boardrules.h"

#include "commands/ribedit.h"
#include "core/typednumber.h"
#include "platform/messages.h"
#include "ribwindows/boxreading.h"

namespace ribwindows {

TypedValue TypedBoardAngle(const std::string& typed, const AngleLimitWords& words) {
  const double angle = core::NumberFromText(typed);
  if (angle > kBoardAngleLimit) {
    platform::Inform(words.above, words.title);
    return {kBoardAngleLimit, "20"};
  }
  // A board tilted the other way stays tilted that way.
  if (angle < -kBoardAngleLimit) {
    platform::Inform(words.below, words.title);
    return {-kBoardAngleLimit, "-20"};
  }
  return {angle, ""};
}

std::string ShownBoardAngle(const core::RibDocument& document) { return AngleText(-document.rib.boardAngle); }

core::Changes TakeRibOffBase(core::RibDocument& document, core::BaseMode base) {
  return commands::ApplyEdit(document, commands::TakeOffBase{base}).changed;
}

}  // namespace ribwindows
