#include "commands/projectcommands.h"

#include <filesystem>

#include "commands/airfoilcommands.h"
#include "core/airfoilprep.h"
#include "core/caption.h"
#include "core/newrib.h"
#include "files/airfoilfile.h"
#include "files/captions.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "files/settings.h"
#include "platform/desktop.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

using platform::Text;

namespace {

platform::FileDialogRequest ProjectDialogRequest(const core::RibDocument& document) {
  platform::FileDialogRequest r;
  r.filter = Text(keys::FilesWord) + " Vandrell" + " (*.vdl)|*.vdl|";
  r.initialDir = document.settings.iniFile.empty()
                     ? std::string()
                     : files::GetINIFile("Repertoires", "LastOpenVdl", document.settings.iniFile);
  if (r.initialDir.empty()) r.initialDir = document.settings.airfoilDir;
  return r;
}

// The project's file stays the same file whatever the working folder becomes.
std::string WholePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error);
  return error ? path : whole.lexically_normal().string();
}

// The airfoil the project names, found and read into `fresh`.
OpenOutcome ReadProjectAirfoil(core::RibDocument& fresh, const std::string& airfoilFileName) {
  fresh.airfoil.path = files::FindProjectAirfoil(fresh, airfoilFileName);
  if (fresh.airfoil.path.empty())
    return RefusedOpen("airfoil-missing",
                       Text(keys::ProjectAirfoilMissingBefore) + " " + airfoilFileName + "\n" + " " +
                           Text(keys::ProjectAirfoilMissingAfter) + " " + "\n" + fresh.settings.airfoilDir + " " +
                           Text(keys::ProjectAirfoilMissingBetween) + " " + fresh.settings.seriesAirfoilDir,
                       platform::kProgramTitle);
  files::AirfoilData data;
  OpenOutcome airfoil = ReadAirfoilToOpen(fresh.airfoil.path, data);
  if (!airfoil.Opened()) {
    // The input is the project: its airfoil is what cannot be read.
    if (airfoil.status == OpenStatus::Refused) airfoil.refusal = "airfoil-unreadable";
    return airfoil;
  }
  fresh.airfoil.title = std::move(data.title);
  fresh.airfoil.points = std::move(data.points);
  fresh.airfoil.loaded = true;
  return {};
}

}  // namespace

platform::FileDialogRequest SaveProjectRequest(const core::RibDocument& document) {
  platform::FileDialogRequest r = ProjectDialogRequest(document);
  r.defaultExt = "vdl";
  r.overwritePrompt = true;
  // The project's own name and folder again, else the airfoil's name: a file name, no
  // folder in it.
  std::string name = document.airfoil.name;
  if (!document.project.path.empty()) {
    name = std::filesystem::path(document.project.path).stem().string();
    r.initialDir = files::FolderOf(document.project.path);
  }
  for (char& c : name)
    if (c == '/' || c == '\\') c = '_';
  if (!name.empty()) r.fileName = name + ".vdl";
  return r;
}

platform::FileDialogRequest OpenProjectRequest(const core::RibDocument& document) {
  platform::FileDialogRequest r = ProjectDialogRequest(document);
  r.title = Text(keys::OpenProjectTitle);
  return r;
}

bool WriteProjectFile(core::RibDocument& document, const std::string& path, platform::ErrorInfo& error,
                      platform::ReadOnlyFiles readOnly) {
  core::ProjectFileLines written;
  if (!files::WriteProject(document, path, &error, &written, readOnly)) return false;
  document.project.path = WholePath(path);
  document.project.title = files::FileNameOf(path);
  document.project.asRead = std::move(written);
  document.project.modified = false;
  document.project.saved = true;
  document.project.titleNames = core::TitleNames::Project;
  document.changes.Announce(core::Change::Project);
  return true;
}

bool SaveProjectAs(core::RibDocument& document, const std::string& path) {
  platform::ErrorInfo error;
  bool ok = WriteProjectFile(document, path, error);
  // A project the user marked read-only is replaced only on their word.
  if (!ok && error.refusal == "read-only") {
    if (!platform::AskReplaceReadOnly(path, platform::kProgramTitle)) return false;
    ok = WriteProjectFile(document, path, error, platform::ReadOnlyFiles::Replace);
  }
  if (!ok) {
    platform::ReportGeneralError(kSaveProjectTag, error);
    return false;
  }
  if (!document.settings.iniFile.empty()) {
    files::WriteINIFile("Repertoires", "LastOpenVdl", files::FolderOf(path), document.settings.iniFile);
    files::AddRecentFile(document, document.project.path);
    document.changes.Announce(core::Change::Settings);
  }
  return true;
}

bool SaveProject(core::RibDocument& document) {
  std::string path;
  if (!platform::CurrentFileDialogs().Save(SaveProjectRequest(document), path)) return false;
  return SaveProjectAs(document, path);
}

bool SaveProjectAgain(core::RibDocument& document) {
  if (!document.project.path.empty()) return SaveProjectAs(document, document.project.path);
  return SaveProject(document);
}

OpenOutcome OpenProjectFile(core::RibDocument& document, const std::string& path, const ProjectOpening& how) {
  platform::BusyPointer busy;
  // The document is given up only for a project that opened whole.
  core::RibDocument fresh = document;
  core::ClearRib(fresh);
  if (how.defaultsFromSettings) files::ReadDefaultSettings(fresh);

  const files::ProjectReadResult read = files::ReadProjectFile(path, fresh, how.olderLayout);
  if (!read.ok && !read.error.refusal.empty())
    return RefusedOpen(read.error.refusal, read.error.description, Text(keys::OpenProjectTitle),
                       platform::BoxIcon::Exclamation);
  if (!read.ok && !read.fileRead) {
    OpenOutcome outcome = ReportedOpen("unreadable", kOpenProjectTag, read.error);
    outcome.text = read.error.description;
    return outcome;
  }
  if (!read.ok) return ReportedOpen("project", kOpenProjectTag, read.error);

  const core::CaptionWords words = files::CaptionWordsInLanguage();
  core::RecogniseReadCaption(fresh, words);
  if (how.airfoilNeeded) {
    OpenOutcome airfoil = ReadProjectAirfoil(fresh, read.airfoilFileName);
    if (!airfoil.Opened()) return airfoil;
  }
  fresh.project.path = WholePath(path);
  fresh.project.title = files::FileNameOf(path);
  fresh.project.modified = false;
  fresh.project.titleNames = core::TitleNames::Project;
  // Opening is no change of the user's: the rib is the one the file's lines describe, so
  // nothing is settled (an empty caption stays empty, tab distances of 0 stay 0).
  if (how.airfoilNeeded) core::InstallPreparedAirfoil(fresh);
  document = std::move(fresh);
  document.changes.Announce(core::Change::NewRib | core::Change::Airfoil | core::Change::Setup | core::Change::Project);
  return {};
}

OpenOutcome OpenProject(core::RibDocument& document) {
  std::string path;
  if (!platform::CurrentFileDialogs().Open(OpenProjectRequest(document), path)) {
    OpenOutcome cancelled;
    cancelled.status = OpenStatus::Cancelled;
    return cancelled;
  }
  OpenOutcome outcome = OpenProjectFile(document, path);
  TellOpenOutcome(outcome);
  // The dialog starts where the last project came from.
  if (outcome.Opened() && !document.settings.iniFile.empty())
    files::WriteINIFile("Repertoires", "LastOpenVdl", files::FolderOf(path), document.settings.iniFile);
  if (outcome.Opened()) RecordRecentProject(document);
  return outcome;
}

void RecordRecentProject(core::RibDocument& document) {
  if (document.settings.iniFile.empty() || document.project.path.empty()) return;
  files::AddRecentFile(document, document.project.path);
  document.changes.Announce(core::Change::Settings);
}

}  // namespace commands
