#include "ribwindows/boxreading.h"

#include <cmath>

#include "core/lengths.h"
#include "core/numformat.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace ribwindows {

core::Length LengthFromBox(const std::string& typed, const std::string& unitText) {
  const core::LengthReading reading = core::ReadLength(typed, unitText);
  if (reading.malformed)
    platform::Inform(platform::Text("Message", "20") + "\r\n" + "xx.yy/zz ou xx.yy", "Enter error");
  return {reading.mm, typed};
}

std::string AngleText(float degrees) { return degrees == 0 ? "0" : core::PlainNumberText(degrees); }

}  // namespace ribwindows
