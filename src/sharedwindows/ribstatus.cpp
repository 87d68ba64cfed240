#include "sharedwindows/ribstatus.h"

#include "commands/keepwork.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace sharedwindows {

using platform::Text;

NewRibStep NewRibDecision(const core::RibDocument& s) {
  if (s.view.formerShown) return NewRibStep::ClearNow;
  if (!s.airfoil.loaded) return NewRibStep::Nothing;
  return s.project.saved ? NewRibStep::ClearNow : NewRibStep::AskFirst;
}

bool ConfirmNewRib(core::RibDocument& s) {
  switch (NewRibDecision(s)) {
    case NewRibStep::ClearNow: return commands::MayReplaceRib(s);
    case NewRibStep::Nothing: return false;
    case NewRibStep::AskFirst: return commands::MayReplaceRib(s, Text("FrmMainMessage", "5"), Text("FrmMainMessage", "6"));
  }
  return false;
}

std::string AirfoilPanelText(const core::RibDocument& s, const std::string& airfoilLabel,
                             const std::string& chordLabel) {
  std::string text = airfoilLabel + " : " + s.airfoil.name + "  " + chordLabel + " : " + s.rib.chord.text + s.settings.unitText;
  if (s.airfoil.title.empty() || s.airfoil.title.front() != '1') text += " <> Information : " + s.airfoil.title;
  return text;
}

}  // namespace sharedwindows
