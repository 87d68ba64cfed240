#include "commands/airfoilcommands.h"

#include <exception>
#include <filesystem>

#include "commands/airfoilreadfailure.h"
#include "commands/projectcommands.h"
#include "core/airfoilprep.h"
#include "core/plaintext.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/settle.h"
#include "files/captions.h"
#include "files/settings.h"
#include "platform/desktop.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

using platform::Text;

void ChordFromTitle(core::RibDocument& document) {
  // A series' rib file names its chord: the rib opens at that chord, shown in the unit in force.
  if (const std::optional<float> chord = core::ChordInTitleMm(document.airfoil.title))
    document.rib.chord = {*chord, core::LengthToText(*chord, document.settings.unitText)};
}

OpenOutcome ReadAirfoilToOpen(const std::string& path, files::AirfoilData& data) {
  const files::AirfoilReadResult read = files::ReadAirfoilFile(path, data);
  if (read.status == files::AirfoilReadStatus::Error) return ReportedOpen("", " Open/FichierLecture", read.error);
  if (!read.ok())
    return RefusedOpen(files::StatusName(read.status), read.boxText, Text(keys::OpenAirfoilCaption),
                       AirfoilRefusalIcon(read.status));
  // The open window refuses such files too; the preparation needs five points.
  if (files::TooFewPoints(data.points.size()))
    return RefusedOpen("too-few-points", Text(keys::TooFewPoints), Text(keys::OpenAirfoilCaption));
  return {};
}

OpenOutcome InstallAirfoil(core::RibDocument& document, const std::string& path, files::AirfoilData data,
                           RecentFiles recent) {
  platform::BusyPointer busy;
  try {
    core::RibDocument fresh = document;
    fresh.airfoil = std::move(data);
    fresh.airfoil.path = path;
    files::SplitAirfoilFileName(path, fresh.airfoil.name, fresh.airfoil.ext);
    fresh.airfoil.loaded = true;
    fresh.view.formerShown = false;
    fresh.project.titleNames = core::TitleNames::Airfoil;
    fresh.rib.tabs.lowerDistance = {0, "0"};
    fresh.rib.tabs.upperDistance = {0, "0"};
    fresh.rib.boardAngle = 0;
    fresh.rib.tabs.board = core::TabBoard::UnderLowerSurface;
    fresh.project.modified = true;
    fresh.project.saved = false;
    // A new rib: the project it replaces is no longer its file.
    fresh.project.path.clear();
    fresh.project.asRead = {};
    fresh.project.title = fresh.airfoil.name;
    ChordFromTitle(fresh);
    core::InstallPreparedAirfoil(fresh);
    core::Settle(fresh, core::Change::Airfoil | core::Change::Setup, files::CaptionWordsInLanguage());
    document = std::move(fresh);
  } catch (const std::exception& e) {
    return ReportedOpen("", " Main/FileMru", {platform::kErrInvalidCall, e.what()});
  }
  core::Changes what = core::Change::Airfoil | core::Change::Setup | core::Change::Project;
  if (recent == RecentFiles::Record) {
    files::AddRecentFile(document, path);
    what = what | core::Change::Settings;
  }
  document.changes.Announce(what);
  return {};
}

OpenOutcome OpenAirfoilFile(core::RibDocument& document, const std::string& path, RecentFiles recent) {
  files::AirfoilData data;
  OpenOutcome read = ReadAirfoilToOpen(path, data);
  if (!read.Opened()) return read;
  return InstallAirfoil(document, path, std::move(data), recent);
}

void InstallOpenedAirfoil(core::RibDocument& document, const std::string& path, files::AirfoilData data) {
  TellOpenOutcome(InstallAirfoil(document, path, std::move(data)));
}

void OpenRecentAirfoil(core::RibDocument& document, const std::string& path) {
  if (path.size() >= 3 && (path[0] == 'a' || path[0] == 'A') && path[1] == ':' &&
      (path[2] == '\\' || path[2] == '/')) {
    if (platform::AskYesNo(Text(keys::RecentFileOnDriveA), "Open Airfoil components", platform::BoxIcon::Question,
                           true) == platform::BoxAnswer::No)
      return;
  }
  // An entry whose file is gone does nothing; one that has become a folder or a pipe is
  // refused by the reader, with the message that says so. A project opens as a project.
  if (platform::KindOfPath(path) == platform::FileKind::Missing) return;
  if (KindOfFile(path) == FileKind::Project) {
    OpenFile(document, path);
    return;
  }
  TellOpenOutcome(OpenAirfoilFile(document, path));
}

FileKind KindOfFile(const std::string& path) {
  const std::string ext = std::filesystem::path(path).extension().string();
  if (core::EqualsIgnoringCase(ext, ".dat") || core::EqualsIgnoringCase(ext, ".cor")) return FileKind::Airfoil;
  if (core::EqualsIgnoringCase(ext, ".vdl")) return FileKind::Project;
  return FileKind::Other;
}

bool OpenFile(core::RibDocument& document, const std::string& path) {
  OpenOutcome outcome;
  switch (KindOfFile(path)) {
    case FileKind::Project: outcome = OpenProjectFile(document, path); break;
    case FileKind::Airfoil: outcome = OpenAirfoilFile(document, path); break;
    case FileKind::Other: return false;
  }
  TellOpenOutcome(outcome);
  if (outcome.Opened() && KindOfFile(path) == FileKind::Project) RecordRecentProject(document);
  return outcome.Opened();
}

}  // namespace commands
