#pragma once
// Project files (.vdl): one rib set-up, one value a line, CR LF, Windows-1252. Lengths are
// kept as typed; the reader converts them with the unit in force. The airfoil itself is
// not stored: the reader looks its file up again by name in the airfoil directories.
#include <string>
#include <string_view>

#include "core/ribstate.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"

namespace files {

inline constexpr const char* kProjectHeader = "VDL V3.0 -02 Caution don't delete this file !!";
inline constexpr const char* kProjectEndLine = "End of File V 3.0.02 modif 02/10/2002";
// Tags of the general error report for a failed open and a failed save.
inline constexpr const char* kOpenProjectTag = " LireEcrire/newVdl";
inline constexpr const char* kSaveProjectTag = " Main/mnu_filesaveas";

// ---- Writer ----

// The bytes of the current layout for the set-up in `s`.
std::string ProjectFileText(const core::SharedState& s);
// Writes the current layout to `path` atomically: on failure the previous file is whole
// and `error` says why.
bool WriteProject(const core::SharedState& s, const std::string& path, platform::ErrorInfo* error = nullptr);

// The save-as command after its dialog: projectPath and projectTitle from `path`, the
// file written, projectModified cleared, projectSaved set, the folder stored under
// Repertoires/LastOpenVdl. A failed write shows the general error report and changes
// none of the flags.
bool SaveProjectAs(core::SharedState& s, const std::string& path);
// The request of the save-as dialog.
platform::FileDialogRequest SaveProjectRequest(const core::SharedState& s);

// ---- Reader ----

struct ProjectReadResult {
  bool ok = false;
  bool olderLayout = false;
  std::string airfoilFileName;  // the name the airfoil search looks for
  platform::ErrorInfo error;    // when !ok
};

// Reads file contents over the rib set-up of `s`, which should hold a new rib. On failure
// `s` is left exactly as it was: a damaged file never leaves a half-read set-up.
ProjectReadResult ReadProjectText(std::string_view bytes, core::SharedState& s);
// Reads the file at `path`; an older-layout file is rewritten in the current layout in
// place (atomically) once it has been read whole. On failure `s` is unchanged.
ProjectReadResult ReadProjectFile(const std::string& path, core::SharedState& s);

// ---- Airfoil search ----

// Depth-first search of `dir` and its subfolders (in name order) for `fileName`; every
// match replaces the previous one, so the last found wins. "" when none.
std::string SearchAirfoil(const std::string& dir, const std::string& fileName);
// airfoilDir first, then seriesAirfoilDir.
std::string FindProjectAirfoil(const core::SharedState& s, const std::string& fileName);

// ---- Opening a project ----

// What the main window does around opening a project.
class ProjectWindow {
 public:
  virtual ~ProjectWindow() = default;
  // The new-rib reset of the main window (view cleared, set-up of a new project).
  virtual void NewRib(core::SharedState& s) = 0;
  // Clears the picture only.
  virtual void ClearView() = 0;
  virtual void SetBusy(bool busy) = 0;  // hourglass pointer
  virtual void SetCaption(const std::string& caption) = 0;
};

// The state-only window of the batch program and the tests: NewRib is core::ClearRib.
class StateOnlyProjectWindow : public ProjectWindow {
 public:
  void NewRib(core::SharedState& s) override;
  void ClearView() override {}
  void SetBusy(bool) override {}
  void SetCaption(const std::string& caption) override { this->caption = caption; }
  std::string caption;
};

enum class OpenProjectOutcome { Cancelled, Opened, AirfoilMissing, AirfoilUnreadable, Failed };

// The request of the open dialog: starts in Repertoires/LastOpenVdl, else airfoilDir.
platform::FileDialogRequest OpenProjectRequest(const core::SharedState& s);

// Opens the project at `path` as the File menu's open command does once the file is
// chosen: resets to a new rib, reads the file, finds and reads the airfoil, prepares it
// and sets the caption. Failures are reported to the user here.
OpenProjectOutcome OpenProjectFile(core::SharedState& s, const std::string& path, ProjectWindow& window);
// The whole command: the open dialog, the chosen folder stored under
// Repertoires/LastOpenVdl, then OpenProjectFile. A cancelled dialog changes nothing and
// shows nothing.
OpenProjectOutcome NewVdl(core::SharedState& s, ProjectWindow& window);

}  // namespace files
