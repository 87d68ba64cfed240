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

std::string UnitNumberText(double mm, const std::string& unitText) {
  const bool inches = unitText == " in";
  const double value = inches ? mm / core::kMmPerInch : mm;
  std::string text = core::FormatNumber(value, inches ? "# ###.000" : "# ###.00");
  // "-.50" and ".50" read badly in a box.
  if (text.rfind("-.", 0) == 0) text.insert(1, "0");
  return core::ScreenNumberText(text);
}

std::string AngleText(float degrees) { return degrees == 0 ? "0" : core::PlainNumberText(degrees); }

}  // namespace ribwindows
