#pragma once
// File > Open and Save as for project files: the dialogs' set-up, the reading and writing,
// the airfoil search and what the user is told when something fails.
#include <string>

#include "commands/openoutcome.h"
#include "core/ribdocument.h"
#include "files/projectfile.h"
#include "platform/filedialogs.h"
#include "platform/fileio.h"

namespace commands {

// Tags of the general error report for a failed open and a failed save.
inline constexpr const char* kOpenProjectTag = " LireEcrire/newVdl";
inline constexpr const char* kSaveProjectTag = " Main/mnu_filesaveas";

// The request of the save-as dialog.
platform::FileDialogRequest SaveProjectRequest(const core::RibDocument& document);
// The request of the open dialog: starts in Repertoires/LastOpenVdl, else airfoilDir.
platform::FileDialogRequest OpenProjectRequest(const core::RibDocument& document);

// Writes the project to `path` (atomically, the lines the user did not change as the rib's
// file had them) and makes it the rib's file: path and title from `path`, modified cleared,
// saved set, announced. Asks nothing and tells no one: a failed write leaves `error` and
// changes neither the path nor the flags.
bool WriteProjectFile(core::RibDocument& document, const std::string& path, platform::ErrorInfo& error,
                      platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse);
// Save as, after its dialog: WriteProjectFile, the file written (atomically, the lines the user did not
// change as the rib's file had them), then the project's path and title from `path`,
// modified cleared, saved set, the folder stored under Repertoires/LastOpenVdl. A failed
// write shows the general error report and changes neither the path nor the flags.
bool SaveProjectAs(core::RibDocument& document, const std::string& path);
// Save as: the dialog, proposing the project's name and folder (else the airfoil's name),
// then SaveProjectAs. False when cancelled or failed.
bool SaveProject(core::RibDocument& document);
// File > Save and the Save of the questions before the rib goes: in place, to the file the
// rib was opened from or last saved to, without a dialog; a rib of no file as SaveProject.
bool SaveProjectAgain(core::RibDocument& document);

// How a project is opened besides its path.
struct ProjectOpening {
  // A new rib's defaults: read again from the settings file (the program), or those the
  // document holds (the batch program read them at its start, with the unit it was given).
  bool defaultsFromSettings = true;
  // An older layout is rewritten in the current one where it lies (when the file may be
  // written), as opening it in the program does; the batch program's drawings leave it.
  files::OlderLayout olderLayout = files::OlderLayout::Rewrite;
  // The kit's template is a set-up only: its airfoil is neither looked for nor read.
  bool airfoilNeeded = true;
};

// Opens the project at `path` as File > Open does once the file is chosen. The project and
// its airfoil are read into a fresh rib, which replaces the document's only when all went
// well: the airfoil found, read and prepared, the window title set; the windows are told
// of a new rib with its airfoil. Nothing is settled: the rib is the one the file
// describes, and the document keeps the file's whole path and its lines as read.
// Otherwise the document stays as it was and the outcome says why (refusal keys:
// not-a-file, too-large, unreadable, project, airfoil-missing, airfoil-unreadable). Shows
// nothing and never writes the settings file.
OpenOutcome OpenProjectFile(core::RibDocument& document, const std::string& path, const ProjectOpening& how = {});
// The whole command: the open dialog, OpenProjectFile, the user told why it failed; the
// chosen folder is stored under Repertoires/LastOpenVdl once the project opened.
OpenOutcome OpenProject(core::RibDocument& document);
// The project just opened, first among the recent files (the windows' roads; the batch
// program keeps no list).
void RecordRecentProject(core::RibDocument& document);

}  // namespace commands
