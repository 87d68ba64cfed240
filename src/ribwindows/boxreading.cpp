#include "ribwindows/boxreading.h"

#include "core/lengths.h"
#include "core/numformat.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace ribwindows {

namespace {

bool SignedText(const std::string& typed) {
  const std::size_t first = typed.find_first_not_of(' ');
  return first != std::string::npos && typed[first] == '-';
}

}  // namespace

core::Length LengthFromBox(const std::string& typed, const std::string& unitText) {
  return {core::ReadLength(typed, unitText).mm, typed};
}

bool UnreadableLength(const std::string& typed, const std::string& unitText, bool negativeAllowed) {
  return core::ReadLength(typed, unitText).malformed || (!negativeAllowed && SignedText(typed));
}

bool UnreadablePosition(const std::string& typed, const std::string& unitText) {
  // The chord plays no part in whether a text reads.
  return core::ReadPosition(typed, 100, unitText).malformed || SignedText(typed);
}

std::string UnreadableText(const std::string& typed, const std::string& unitText) {
  return platform::Text(keys::NumberUnreadable) + " \"" + typed + "\"\n" + AcceptedFormsText(unitText != " mm");
}

std::string AcceptedFormsText(bool inches) {
  std::string text = platform::Text(keys::NumberForms);
  if (inches) text += " " + platform::Text(keys::InchForms);
  return text;
}

std::string AngleText(float degrees) { return degrees == 0 ? "0" : core::PlainNumberText(degrees); }

std::string ChordWindowTitle(const char* section, const core::RibDocument& document) {
  return platform::Text(section, "1") + " " + document.rib.chord.text + document.settings.unitText;
}

std::string LengthLabelText(double mm, const std::string& unitText) {
  return core::LengthToText(static_cast<float>(mm), unitText) + unitText;
}

}  // namespace ribwindows
