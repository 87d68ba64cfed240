#pragma once
// What the main window and the tools that take the rib's place share: whether dropping the
// rib asks first, the status bar's airfoil panel. Plain functions, tested without a screen.
#include <string>

#include "core/ribdocument.h"

namespace sharedwindows {

// What a new rib, or a tool that replaces the rib, does before clearing.
enum class NewRibStep { ClearNow, AskFirst, Nothing };
NewRibStep NewRibDecision(const core::RibDocument& document);
// Save, Discard or Cancel while the rib is modified, else FrmMainMessage/5 and /6 when
// needed; true when the rib is to be cleared.
bool ConfirmNewRib(core::RibDocument& document);

// Airfoil and chord; the file's title follows unless it begins with "1" (no title line).
// `airfoilLabel` and `chordLabel` are the language's labels.
std::string AirfoilPanelText(const core::RibDocument& document, const std::string& airfoilLabel,
                             const std::string& chordLabel);

}  // namespace sharedwindows
