#pragma once
// File, Export as DXF: asks where, then writes the current rib.
#include <optional>
#include <string>

#include "core/ribdocument.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"

namespace commands {

enum class DxfCommandResult { Written, RefusedInverted, Cancelled, NoAirfoil, Failed };

// The name the save dialog proposes: the open project's name when there is one, else the
// airfoil's.
std::string DxfDefaultFileName(const core::RibDocument& document);

// A rib shown upside down is not exported: the user's text why (filedxf/1), or nothing.
std::optional<std::string> DxfRefusal(const core::RibDocument& document);

// The rib's DXF written to `path`, refused as DxfRefusal says; tells nobody.
struct DxfWriteResult {
  DxfCommandResult outcome = DxfCommandResult::Failed;
  std::string refusal;        // RefusedInverted: why
  platform::ErrorInfo error;  // Failed
};
DxfWriteResult WriteDxfFile(const core::RibDocument& document, const std::string& path,
                            platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse);

// Refuses while the rib is shown upside down; asks for the file through the platform's
// save dialog, starting in the last DXF folder (settings Repertoires/RepDxf, else the
// series airfoil folder, unless hidden in the program's data: ProposedOutputFolder), which
// it stores again; writes the file. A failure ends in the
// general error report. Sets the project's dxfPath.
DxfCommandResult ExportDxf(core::RibDocument& document);

}  // namespace commands
