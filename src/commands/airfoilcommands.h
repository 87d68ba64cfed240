#pragma once
// Opening an airfoil file: from the open window or a recent-files entry.
#include <string>

#include "core/ribdocument.h"
#include "files/airfoilfile.h"

namespace commands {

// The chord written after the first ":" of the title line, in the unit in force. A text
// that gives no positive length leaves the chord as it is.
void ChordFromTitle(core::RibDocument& d);

// Puts an airfoil read whole from `path` into the document and prepares it; records it
// among the recent files. The previous airfoil stays in place until the new one is read
// whole, so a failure never leaves a half-changed rib. Errors end in the general error
// report. Announces the new airfoil.
void InstallOpenedAirfoil(core::RibDocument& d, const std::string& path, files::AirfoilData data);

// The recent-files entry: asks before reading from drive a:, does nothing when the file
// is gone, shows the reader's refusal and keeps the current airfoil on failure.
void OpenRecentAirfoil(core::RibDocument& d, const std::string& path);

// What a file given on the command line or dropped on the window is, by its extension.
enum class FileKind { Airfoil, Project, Other };
FileKind KindOfFile(const std::string& path);

// Opens an airfoil file (.dat, .cor) or a project (.vdl) as the File menu's commands do
// once the file is chosen; refusals are told to the user. True when it opened.
bool OpenFile(core::RibDocument& d, const std::string& path);

}  // namespace commands
