#include "commands/ribwarningtext.h"

#include "core/lengths.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

using platform::Text;

std::string RibWarningText(const core::RibWarningAt& warning, const std::string& unitText) {
  // The number keeps its unit on its line where the text wraps (a no-break space).
  const std::string unit = unitText.empty() || unitText.front() != ' ' ? unitText : "\u00a0" + unitText.substr(1);
  const std::string thickness = " (" + core::UnitNumberText(warning.thicknessMm, unitText) + unit + ").";
  const std::string number = " " + std::to_string(warning.row + 1) + " \u2013 ";
  switch (warning.what) {
    case core::RibWarning::None: return {};
    case core::RibWarning::EdgesLongerThanChord:
      return Text(keys::EdgesLongerThanChord);
    case core::RibWarning::SheetingFillsRib:
      return Text(keys::SheetingTooThick) + thickness;
    case core::RibWarning::SparWithoutWidth:
      return Text(keys::SparFrame) + number + Text(keys::SparCutWithoutWidth) + ".";
    case core::RibWarning::SparThroughRib:
      return Text(keys::SparFrame) + number + Text(keys::SparCutsTooDeep) + thickness;
    case core::RibWarning::HoleOutsideRib:
      return Text(keys::HoleFrame) + number + Text(keys::HolePastContour) + thickness;
  }
  return {};
}

std::string RibWarningsText(const std::vector<core::RibWarningAt>& warnings, const std::string& unitText) {
  if (warnings.empty()) return {};
  std::string text = RibWarningText(warnings.front(), unitText);
  if (warnings.size() > 1) text += " (+" + std::to_string(warnings.size() - 1) + ")";
  return text;
}

}  // namespace commands
