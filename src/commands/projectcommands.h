#pragma once
// File > Open and Save as for project files: the dialogs' set-up, the reading and writing,
// the airfoil search and what the user is told when something fails.
#include <string>

#include "core/ribdocument.h"
#include "platform/filedialogs.h"

namespace commands {

// Tags of the general error report for a failed open and a failed save.
inline constexpr const char* kOpenProjectTag = " LireEcrire/newVdl";
inline constexpr const char* kSaveProjectTag = " Main/mnu_filesaveas";

// The request of the save-as dialog.
platform::FileDialogRequest SaveProjectRequest(const core::RibDocument& d);
// The request of the open dialog: starts in Repertoires/LastOpenVdl, else airfoilDir.
platform::FileDialogRequest OpenProjectRequest(const core::RibDocument& d);

// Save as, after its dialog: the project's path and title from `path`, the file written,
// modified cleared, saved set, the folder stored under Repertoires/LastOpenVdl. A failed
// write shows the general error report and changes none of the flags.
bool SaveProjectAs(core::RibDocument& d, const std::string& path);
// The whole command: the dialog, then SaveProjectAs. False when cancelled or failed.
bool SaveProject(core::RibDocument& d);
// File > Save: again to the file saved to in this session, else as SaveProject.
bool SaveProjectAgain(core::RibDocument& d);

// Refused: the path is not a file (a folder, a pipe, a device) or is far too large; the
// user has been told and the rib is the one there was.
enum class OpenProjectOutcome { Cancelled, Opened, AirfoilMissing, AirfoilUnreadable, Failed, Refused };

// Who opens: the program starts from a new rib as View > Clear all data makes it (settings
// written and folders checked); a batch command only clears the rib and writes nothing.
enum class Opener { Program, Batch };

// Opens the project at `path` as File > Open does once the file is chosen: a new rib,
// the file read, its airfoil found, read and prepared, the window title set. Failures are
// told to the user here; the set-up read stays, with no airfoil.
OpenProjectOutcome OpenProjectFile(core::RibDocument& d, const std::string& path, Opener opener = Opener::Program);
// The whole command: the open dialog, the chosen folder stored under
// Repertoires/LastOpenVdl, then OpenProjectFile. A cancelled dialog changes nothing.
OpenProjectOutcome OpenProject(core::RibDocument& d);

}  // namespace commands
