#pragma once
// What a step of the rib's history is called: the menu says "Undo chord", "Redo spar", ...
// Plain rules so they are tested without a screen.
#include <string>

#include "core/ribdocument.h"

namespace mainwindow {

// The [MenuEdit] key of the name of the change from `before` to `after`. When several
// things changed at once, the one the user acted on comes first: the chord and the sheeting
// before the board distances that follow them, the automatic caption last.
const char* StepNameKey(const core::RibSetup& before, const core::RibSetup& after);

// "&Undo chord", or "&Undo" alone when there is nothing to undo (`stepName` empty).
std::string UndoMenuText(const std::string& verb, const std::string& stepName);

}  // namespace mainwindow
