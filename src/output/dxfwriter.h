#pragma once
// The rib as an ASCII DXF drawing (version AC1004): a fixed header, the viewport, line-type
// and layer tables, and one entity per element of the rib's construction, in the user's
// unit (millimetres, or inches), the leading edge on the X axis, Y up.
#include <string>

#include "core/ribdocument.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"

namespace output {

// 1 for millimetres, 25.4 when the unit in force is inches.
double DxfUnitDivisor(const core::RibDocument& document);

struct DxfBuild {
  std::string text;
  // False when some value of the rib could not be computed (a zero chord, a degenerate
  // airfoil): such a file must not be written.
  bool finite = true;
};

// Builds the rib's construction from the current state and the whole file from it.
DxfBuild BuildDxf(const core::RibDocument& document);

// Builds and writes the file atomically (an existing file is replaced whole or not at all).
// On failure `error` says why and nothing is written.
// A file marked read-only is refused ("read-only") unless `readOnly` says to replace it.
bool WriteDxf(const core::RibDocument& document, const std::string& path, platform::ErrorInfo& error,
              platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse);

}  // namespace output
