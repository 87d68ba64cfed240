#pragma once
// The rib's warnings in the user's words, as the status bar, the rib windows and the
// command line say them.
#include <string>
#include <vector>

#include "core/ribwarnings.h"

namespace commands {

// A warning in the user's words: "Spar 2 – … (15.00 mm)."; empty for none.
std::string RibWarningText(const core::RibWarningAt& warning, const std::string& unitText);
// The status bar's warning: the first one, and "(+N)" for the others.
std::string RibWarningsText(const std::vector<core::RibWarningAt>& warnings, const std::string& unitText);

}  // namespace commands
