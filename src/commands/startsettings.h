#pragma once
// The settings at start-up, and the alert about the airfoil folders that follows them and
// every new rib.
#include "core/ribdocument.h"

namespace commands {

// Alert A when an airfoil folder is missing, else alert B when one is the program folder
// itself; only the first finding is shown.
void CheckAirfoilDirectories(const core::RibDocument& document);

// The settings part of the main window's load (files::StartSettings); a later start then
// checks the airfoil folders. A first run has just chosen them and says nothing.
void StartSettings(core::RibDocument& document);

}  // namespace commands
