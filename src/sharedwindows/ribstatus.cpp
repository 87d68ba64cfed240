#include "sharedwindows/ribstatus.h"

#include "commands/keepwork.h"
#include "core/lengths.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace sharedwindows {

using platform::Text;

NewRibStep NewRibDecision(const core::RibDocument& document) {
  if (document.view.formerShown) return NewRibStep::ClearNow;
  if (!document.airfoil.loaded) return NewRibStep::Nothing;
  return document.project.saved ? NewRibStep::ClearNow : NewRibStep::AskFirst;
}

bool ConfirmNewRib(core::RibDocument& document) {
  switch (NewRibDecision(document)) {
    case NewRibStep::ClearNow: return commands::MayReplaceRib(document);
    case NewRibStep::Nothing: return false;
    case NewRibStep::AskFirst:
      return commands::MayReplaceRib(document, Text(keys::NewRibUnsaved), Text(keys::NewRibTitle));
  }
  return false;
}

std::string AirfoilPanelText(const core::RibDocument& document, const std::string& airfoilLabel,
                             const std::string& chordLabel) {
  std::string text = airfoilLabel + " : " + document.airfoil.name + "  " + chordLabel + " : " +
                     document.rib.chord.text + document.settings.unitText;
  if (document.airfoil.title.empty() || document.airfoil.title.front() != '1')
    text += " <> Information : " + document.airfoil.title;
  return text;
}

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

}  // namespace sharedwindows
