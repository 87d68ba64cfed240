#pragma once
// Telling the user why an airfoil file was refused: the reader only says what it found.
#include <string>

#include "files/airfoilfile.h"
#include "platform/messages.h"

namespace commands {

// The box a refusal is told in: information for the layout faults of a coordinate file,
// a plain box for a doubled point, an exclamation for a file that is no coordinate file or
// cannot be read at all.
platform::BoxIcon AirfoilRefusalIcon(files::AirfoilReadStatus status);

// Shows the refusal's box titled with `caption` (the open window's caption), or the
// general error report for an unexpected error. Returns the text shown; nothing for a
// file read whole.
std::string ShowAirfoilReadFailure(const files::AirfoilReadResult& result, const std::string& caption);

}  // namespace commands
