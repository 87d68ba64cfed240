#pragma once
// The building-tab window's rules: what it shows, how typing is read and corrected, and
// what Apply stores. Plain functions so they are tested without a screen.
#include <string>

#include "commands/ribedit.h"
#include "core/changes.h"
#include "core/ribdocument.h"
#include "ribwindows/boardrules.h"

namespace ribwindows {

using commands::TabBoxes;

// What the window shows when it opens; a zero distance on a parallel board is offered at
// its default.
TabBoxes TabBoxesFromDocument(const core::RibDocument& document);

// Tab length or distance from the trailing edge, in millimetres; beyond the chord it is
// set back to 0. An empty box reads 0.
TypedValue TypedTabPosition(const std::string& typed, const core::RibDocument& document);
// The board angle in degrees; beyond 20 either way it is told (FrmTalon/4, title
// FrmTalon/2) and clamped with its sign.
TypedValue TypedTabAngle(const std::string& typed);

// Apply through commands::ApplyEdit: the rib goes on its tabs, or a refusal is told in a
// box titled `windowTitle`. Returns what changed and was announced (nothing after a
// refusal).
core::Changes ApplyTabs(core::RibDocument& document, const TabBoxes& boxes, const std::string& windowTitle);

}  // namespace ribwindows
