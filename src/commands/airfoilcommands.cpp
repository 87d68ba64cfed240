#include "commands/airfoilcommands.h"

#include <exception>
#include <filesystem>

#include "commands/projectcommands.h"
#include "commands/windowtitle.h"
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
#include "platform/texts.h"

namespace commands {

using platform::Text;

void ChordFromTitle(core::RibDocument& s) {
  const std::size_t colon = s.airfoil.title.find(':');
  if (colon == std::string::npos) return;
  std::string text = s.airfoil.title.substr(colon + 1);
  if (s.settings.unitText == " mm") {
    const float chord = core::LengthFromText(text, s.settings.unitText);
    // A title such as "E387: low Reynolds" names no chord; a zero chord would break the rib.
    if (!(chord > 0)) return;
    s.rib.chord.mm = chord;
    s.rib.chord.text = core::PlainNumberText(chord);
  } else {
    if (!text.empty()) text.pop_back();  // the inch mark
    const float chord = core::LengthFromText(text, s.settings.unitText);
    if (!(chord > 0)) return;
    s.rib.chord.mm = chord;
    s.rib.chord.text = core::LengthToText(chord, s.settings.unitText);
  }
}

void InstallOpenedAirfoil(core::RibDocument& s, const std::string& path, files::AirfoilData data) {
  platform::BusyPointer busy;
  try {
    s.airfoil.path = path;
    s.airfoil.title = std::move(data.title);
    s.airfoil.x = std::move(data.x);
    s.airfoil.y = std::move(data.y);
    s.airfoil.pointCount = data.pointCount;
    files::SplitAirfoilFileName(path, s.airfoil.name, s.airfoil.ext);
    s.airfoil.loaded = true;
    s.project.windowTitle = WindowTitle(TitleForm::Airfoil, s);
    s.rib.tabs.lowerDistance.mm = 0;
    s.rib.tabs.lowerDistance.text = "0";
    s.rib.tabs.upperDistance.mm = 0;
    s.rib.tabs.upperDistance.text = "0";
    s.rib.boardAngle = 0;
    s.rib.tabs.board = core::TabBoard::UnderLowerSurface;
    files::AddRecentFile(s, path);
    s.project.modified = true;
    s.project.saved = false;
    s.project.title = s.airfoil.name;
    ChordFromTitle(s);
    core::InstallPreparedAirfoil(s);
    core::Settle(s, core::Change::Airfoil | core::Change::Setup, files::CaptionWordsInLanguage());
    s.changes.Announce(core::Change::Airfoil | core::Change::Setup | core::Change::Project | core::Change::Settings);
  } catch (const std::exception& e) {
    platform::ReportGeneralError(" Main/FileMru", {platform::kErrInvalidCall, e.what()});
  }
}

void OpenRecentAirfoil(core::RibDocument& s, const std::string& path) {
  if (path.size() >= 3 && (path[0] == 'a' || path[0] == 'A') && path[1] == ':' &&
      (path[2] == '\\' || path[2] == '/')) {
    if (platform::AskYesNo(Text("frmopen", "30"), "Open Airfoil components", platform::BoxIcon::Question,
                           true) == platform::BoxAnswer::No)
      return;
  }
  // An entry whose file is gone does nothing; one that has become a folder or a pipe is
  // refused by the reader, with the message that says so.
  if (platform::KindOfPath(path) == platform::FileKind::Missing) return;
  s.view.formerShown = false;
  files::AirfoilData data;
  files::AirfoilReadResult result = files::ReadAirfoilFile(path, data);
  if (!result.ok()) {
    files::ShowAirfoilReadFailure(result, Text("frmopen", "1"));
    return;
  }
  InstallOpenedAirfoil(s, path, std::move(data));
}

FileKind KindOfFile(const std::string& path) {
  const std::string ext = std::filesystem::path(path).extension().string();
  if (core::EqualsIgnoringCase(ext, ".dat") || core::EqualsIgnoringCase(ext, ".cor")) return FileKind::Airfoil;
  if (core::EqualsIgnoringCase(ext, ".vdl")) return FileKind::Project;
  return FileKind::Other;
}

bool OpenFile(core::RibDocument& d, const std::string& path) {
  switch (KindOfFile(path)) {
    case FileKind::Project: return OpenProjectFile(d, path) == OpenProjectOutcome::Opened;
    case FileKind::Other: return false;
    case FileKind::Airfoil: break;
  }
  d.view.formerShown = false;
  files::AirfoilData data;
  const files::AirfoilReadResult result = files::ReadAirfoilFile(path, data);
  if (!result.ok()) {
    files::ShowAirfoilReadFailure(result, Text("frmopen", "1"));
    return false;
  }
  // The open window refuses such files too; the preparation needs five points.
  if (data.pointCount < 5) {
    platform::Inform(Text("frmopen", "23"), Text("frmopen", "1"));
    return false;
  }
  InstallOpenedAirfoil(d, path, std::move(data));
  return true;
}

}  // namespace commands
