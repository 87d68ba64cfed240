#include "commands/projectcommands.h"

#include <filesystem>

#include "commands/newrib.h"
#include "commands/windowtitle.h"
#include "core/airfoilprep.h"
#include "core/caption.h"
#include "core/newrib.h"
#include "files/airfoilfile.h"
#include "files/captions.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "platform/desktop.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace commands {

using platform::Text;

namespace {

platform::FileDialogRequest ProjectDialogRequest(const core::RibDocument& d) {
  platform::FileDialogRequest r;
  r.filter = Text("MainTolbar", "26") + " Vandrell" + " (*.vdl)|*.vdl|";
  r.initialDir =
      d.settings.iniFile.empty() ? std::string() : files::GetINIFile("Repertoires", "LastOpenVdl", d.settings.iniFile);
  if (r.initialDir.empty()) r.initialDir = d.settings.airfoilDir;
  return r;
}

}  // namespace

platform::FileDialogRequest SaveProjectRequest(const core::RibDocument& d) {
  platform::FileDialogRequest r = ProjectDialogRequest(d);
  r.defaultExt = "vdl";
  r.overwritePrompt = true;
  // The project's own name again, else the airfoil's: a file name, no folder in it.
  std::string name = d.project.saved ? std::filesystem::path(d.project.title).stem().string() : d.airfoil.name;
  for (char& c : name)
    if (c == '/' || c == '\\') c = '_';
  if (!name.empty()) r.fileName = name + ".vdl";
  return r;
}

platform::FileDialogRequest OpenProjectRequest(const core::RibDocument& d) {
  platform::FileDialogRequest r = ProjectDialogRequest(d);
  r.title = Text("fileopen", "2");
  return r;
}

bool SaveProjectAs(core::RibDocument& d, const std::string& path) {
  d.project.path = path;
  d.project.title = files::FileNameOf(path);
  platform::ErrorInfo error;
  if (!files::WriteProject(d, path, &error)) {
    platform::ReportGeneralError(kSaveProjectTag, error);
    return false;
  }
  d.project.modified = false;
  d.project.saved = true;
  d.project.windowTitle = WindowTitle(TitleForm::Project, d);
  if (!d.settings.iniFile.empty())
    files::WriteINIFile("Repertoires", "LastOpenVdl", files::FolderOf(path), d.settings.iniFile);
  d.changes.Announce(core::Change::Project);
  return true;
}

bool SaveProject(core::RibDocument& d) {
  std::string path;
  if (!platform::CurrentFileDialogs().Save(SaveProjectRequest(d), path)) return false;
  return SaveProjectAs(d, path);
}

bool SaveProjectAgain(core::RibDocument& d) {
  // An opened project keeps only its file name; a save as gives the whole path.
  if (d.project.saved && std::filesystem::path(d.project.path).is_absolute()) return SaveProjectAs(d, d.project.path);
  return SaveProject(d);
}

OpenProjectOutcome OpenProjectFile(core::RibDocument& d, const std::string& path, Opener opener) {
  // What is no project at all is refused before the rib is given up for it.
  const platform::FileOutcome check = platform::CheckReadable(path);
  if (check.refused()) {
    platform::Inform(platform::RefusalText(check, path), Text("fileopen", "2"), platform::BoxIcon::Exclamation);
    return OpenProjectOutcome::Refused;
  }
  d.project.path = path;
  if (opener == Opener::Program) NewRib(d);
  else core::ClearRib(d);
  platform::BusyPointer busy;

  files::ProjectReadResult read = files::ReadProjectFile(path, d);
  if (!read.ok && !read.error.refusal.empty()) {
    // Replaced by a folder or a pipe since the look above.
    platform::Inform(read.error.description, Text("fileopen", "2"), platform::BoxIcon::Exclamation);
    return OpenProjectOutcome::Refused;
  }
  if (!read.ok) {
    platform::ReportGeneralError(kOpenProjectTag, read.error);
    return OpenProjectOutcome::Failed;
  }

  core::RecogniseReadCaption(d, files::CaptionWordsInLanguage());
  d.airfoil.path = files::FindProjectAirfoil(d, read.airfoilFileName);
  if (d.airfoil.path.empty()) {
    platform::Inform(Text("fileopen", "3") + " " + read.airfoilFileName + "\n" + " " + Text("fileopen", "4") + " " +
                         "\n" + d.settings.airfoilDir + " " + Text("fileopen", "5") + " " +
                         d.settings.seriesAirfoilDir,
                     platform::kProgramTitle);
    return OpenProjectOutcome::AirfoilMissing;
  }

  files::AirfoilReadResult airfoil = files::ReadAirfoilInto(d.airfoil);
  if (!airfoil.ok()) {
    files::ShowAirfoilReadFailure(airfoil, Text("frmopen", "1"));
    return OpenProjectOutcome::AirfoilUnreadable;
  }
  // The open dialog refuses such files too; the preparation needs five points.
  if (d.airfoil.pointCount < 5) {
    platform::Inform(Text("frmopen", "23"), Text("frmopen", "1"));
    return OpenProjectOutcome::AirfoilUnreadable;
  }

  const std::string projectFile = files::FileNameOf(path);
  d.project.path = projectFile;
  d.airfoil.loaded = true;
  d.project.modified = false;
  d.project.windowTitle = WindowTitle(TitleForm::Project, d);
  core::InstallPreparedAirfoil(d);
  d.changes.Announce(core::Change::Airfoil | core::Change::Setup | core::Change::Project);
  return OpenProjectOutcome::Opened;
}

OpenProjectOutcome OpenProject(core::RibDocument& d) {
  std::string path;
  if (!platform::CurrentFileDialogs().Open(OpenProjectRequest(d), path)) return OpenProjectOutcome::Cancelled;
  files::WriteINIFile("Repertoires", "LastOpenVdl", files::FolderOf(path), d.settings.iniFile);
  return OpenProjectFile(d, path);
}

}  // namespace commands
