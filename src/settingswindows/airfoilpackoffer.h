#pragma once
// The offer of the companion airfoil pack (`OfferAirfoilPack` of the configuration
// window): asks whether to run the pack's program, lets the user find it, starts it.
#include <string>

#include "core/ribdocument.h"

namespace settingswindows {

// The pack program's file name on this platform.
std::string KaldrexProgramName();

// Runs the offer through the message boxes, the folder chooser and the desktop.
void OfferAirfoilPack(const core::RibDocument& s);

}  // namespace settingswindows
