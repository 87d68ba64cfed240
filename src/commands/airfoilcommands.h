#pragma once
// Opening an airfoil file: from the open window, a recent-files entry, a file dropped on the
// window or named to the batch program.
#include <string>

#include "commands/openoutcome.h"
#include "core/ribdocument.h"
#include "files/airfoilfile.h"

namespace commands {

// The chord written after the first ":" of the title line, in the unit in force. A text
// that gives no positive length leaves the chord as it is.
void ChordFromTitle(core::RibDocument& document);

// Whether an opened airfoil joins the recent files (the batch program writes no settings).
enum class RecentFiles { Record, Leave };

// The airfoil at `path` read whole, or why it cannot be opened: the reader's refusal (keys
// as files::StatusName) in the open window's words, too few points to prepare
// ("too-few-points"), or the general error report.
OpenOutcome ReadAirfoilToOpen(const std::string& path, files::AirfoilData& data);

// Puts an airfoil read whole from `path` into the document: a new rib on it (tab board and
// angle cleared, the chord its title gives), prepared and settled, then announced. The
// document changes only once all of it succeeded. Shows nothing.
OpenOutcome InstallAirfoil(core::RibDocument& document, const std::string& path, files::AirfoilData data,
                           RecentFiles recent = RecentFiles::Record);
// The airfoil at `path` read and installed; on any failure the document is as it was.
OpenOutcome OpenAirfoilFile(core::RibDocument& document, const std::string& path,
                            RecentFiles recent = RecentFiles::Record);

// The open window's road: InstallAirfoil, an unexpected failure told to the user.
void InstallOpenedAirfoil(core::RibDocument& document, const std::string& path, files::AirfoilData data);

// The recent-files entry (an airfoil, or a project opened as a project): asks before
// reading from drive a:, does nothing when the file is gone, tells why a file cannot be
// opened and then keeps the current airfoil.
void OpenRecentAirfoil(core::RibDocument& document, const std::string& path);

// What a file given on the command line or dropped on the window is, by its extension.
enum class FileKind { Airfoil, Project, Other };
FileKind KindOfFile(const std::string& path);

// Opens an airfoil file (.dat, .cor) or a project (.vdl) as the File menu's commands do
// once the file is chosen; refusals are told to the user. True when it opened.
bool OpenFile(core::RibDocument& document, const std::string& path);

}  // namespace commands
