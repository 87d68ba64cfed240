#pragma once
// File, Export as DXF: asks where, then writes the current rib.
#include <string>

#include "core/ribdocument.h"

namespace commands {

enum class DxfCommandResult { Written, RefusedInverted, Cancelled, NoAirfoil, Failed };

// The name the save dialog proposes: the open project's name when there is one, else the
// airfoil's.
std::string DxfDefaultFileName(const core::RibDocument& s);

// Refuses while the rib is shown upside down; asks for the file through the platform's
// save dialog, starting in the last DXF folder (settings Repertoires/RepDxf, else the
// series airfoil folder), which it stores again; writes the file. A failure ends in the
// general error report. Sets the project's dxfPath.
DxfCommandResult ExportDxf(core::RibDocument& s);

}  // namespace commands
