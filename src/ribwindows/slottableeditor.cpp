#include "ribwindows/slottableeditor.h"

#include "core/lengths.h"

namespace ribwindows {

SlotLabel SlotLabelFor(int label, int pending, std::optional<int> selected) {
  SlotLabel l;
  if (label < 0 || label > pending) return l;
  l.caption = std::to_string(label + 1);
  if (selected) l.look = *selected == label ? LabelLook::Selected : LabelLook::Plain;
  else l.look = label == pending ? LabelLook::Pending : LabelLook::Plain;
  return l;
}

bool IsBlankPosition(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

float PositionMm(const std::string& text, bool fromTrailingEdge, const core::RibDocument& document) {
  const std::string& unit = document.settings.unitText;
  return fromTrailingEdge ? core::PercentLengthFromTE(text, document.rib.chord.mm, unit)
                          : core::PercentLength(text, document.rib.chord.mm, unit);
}

bool IsMalformedPosition(const std::string& text, const std::string& unitText) {
  return core::ReadPosition(text, 100, unitText).malformed;
}

PositionCheck CheckPosition(const std::string& text, bool fromTrailingEdge, const core::RibDocument& document,
                            bool committing) {
  if (IsBlankPosition(text)) return {true, !committing, 0};
  if (IsMalformedPosition(text, document.settings.unitText)) return {true, false, 0};
  const float mm = PositionMm(text, fromTrailingEdge, document);
  if (committing && mm == 0) return {true, false, mm};
  return {false, false, mm};
}

std::uint8_t KeptEdge(const std::string& position, bool fromTrailingEdge) {
  return fromTrailingEdge && !IsBlankPosition(position) ? 1 : 0;
}


}  // namespace ribwindows
