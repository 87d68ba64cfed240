#include "sharedwindows/ribstatus.h"

#include "commands/keepwork.h"
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

}  // namespace sharedwindows
