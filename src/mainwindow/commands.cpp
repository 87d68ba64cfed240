#include "mainwindow/commands.h"

#include <exception>
#include <filesystem>

#include "core/airfoilprep.h"
#include "core/lengths.h"
#include "core/newrib.h"
#include "core/numformat.h"
#include "files/ini.h"
#include "files/settings.h"
#include "platform/desktop.h"
#include "platform/errorreport.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace mainwindow {

using platform::Text;

const std::vector<std::string>& AirfoilCommands() {
  static const std::vector<std::string> names = {
      "mnu_filesaveas", "mnu_filedxf", "mnu_filepage", "mnu_fileprint",
      "mnu_affinver", "mnu_affhautba", "mnu_affhautbf", "mnu_affepr", "mnu_affInstxt", "mnu_affTrac",
      "mnu_affclear", "mnu_profilcorde", "mnu_profilepcoffrage", "mnu_profilba", "mnu_profilbaD",
      "mnu_profilbaC", "mnu_profillongeron", "mnu_profiltrou", "mnu_profilbf", "mnu_profilTalon",
      "mnu_paramrep", "mnu_parambloc", "mnu_outilEpCourb", "mnu_outilAngle", "mnu_outilInclinaison",
      "cmdcorde", "cmdba", "cmdlongeron", "cmdtrou", "cmdbf"};
  return names;
}

const std::vector<std::string>& NewRibEnables() {
  static const std::vector<std::string> names = {"cmdcorde",      "cmdba",        "cmdlongeron",
                                                 "mnu_affinver",  "mnu_affhautba", "mnu_affhautbf",
                                                 "mnu_affepr",    "mnu_affInstxt", "mnu_affTrac",
                                                 "mnu_affclear"};
  return names;
}

const std::vector<std::string>& DisplayToggles() {
  static const std::vector<std::string> names = {"mnu_affinver", "mnu_affhautba", "mnu_affhautbf",
                                                 "mnu_affepr", "mnu_affTrac"};
  return names;
}

std::string ShutdownQuestion(const core::SharedState& s) {
  if (s.projectModified && !s.compareShown) return Text("FrmMainMessage", "4");
  return Text("TextButton", "17") + " " + platform::kProgramTitle + " ? ";
}

bool AskToQuit(const core::SharedState& s) {
  return platform::AskYesNo(ShutdownQuestion(s), platform::kProgramTitle, platform::BoxIcon::Question, true) ==
         platform::BoxAnswer::Yes;
}

bool SessionMayEnd(const core::SharedState& s, bool mayAsk) {
  return mayAsk ? AskToQuit(s) : !s.projectModified;
}

NewRibStep NewRibDecision(const core::SharedState& s) {
  if (s.formerShown) return NewRibStep::ClearNow;
  if (!s.airfoilLoaded) return NewRibStep::Nothing;
  return s.projectSaved ? NewRibStep::ClearNow : NewRibStep::AskFirst;
}

bool ConfirmNewRib(const core::SharedState& s) {
  switch (NewRibDecision(s)) {
    case NewRibStep::ClearNow: return true;
    case NewRibStep::Nothing: return false;
    case NewRibStep::AskFirst:
      return platform::AskYesNo(Text("FrmMainMessage", "5"), Text("FrmMainMessage", "6"),
                                platform::BoxIcon::Question, true) != platform::BoxAnswer::No;
  }
  return false;
}

void ChordFromTitle(core::SharedState& s) {
  const std::size_t colon = s.airfoilTitle.find(':');
  if (colon == std::string::npos) return;
  std::string text = s.airfoilTitle.substr(colon + 1);
  if (s.unitText == " mm") {
    const float chord = core::LengthFromText(text, s.unitText);
    // A title such as "E387: low Reynolds" names no chord; a zero chord would break the rib.
    if (!(chord > 0)) return;
    s.chord = chord;
    s.chordText = core::PlainNumberText(chord);
  } else {
    if (!text.empty()) text.pop_back();  // the inch mark
    const float chord = core::LengthFromText(text, s.unitText);
    if (!(chord > 0)) return;
    s.chord = chord;
    s.chordText = core::LengthToText(chord, s.unitText);
  }
}

void InstallOpenedAirfoil(core::SharedState& s, const std::string& path, files::AirfoilData data,
                          AirfoilRoadView& view) {
  platform::BusyPointer busy;
  try {
    s.airfoilPath = path;
    s.airfoilTitle = std::move(data.title);
    s.airfoilX = std::move(data.x);
    s.airfoilY = std::move(data.y);
    s.pointCount = data.pointCount;
    s.readOk = true;
    files::SplitAirfoilFileName(path, s.airfoilName, s.airfoilExt);
    s.airfoilLoaded = true;
    s.quietRead = false;
    view.SetCaption(std::string(platform::kProgramTitle) + " " + Text("MainTolbar", "11") + " : " +
                    s.airfoilName);
    s.tabLowerDist = 0;
    s.tabLowerDistText = "0";
    s.tabUpperDist = 0;
    s.tabUpperDistText = "0";
    s.boardAngle = 0;
    s.tabSide = 0;
    view.RecentFileOpened(path);
    s.projectModified = true;
    s.projectSaved = false;
    s.projectTitle = s.airfoilName;
    ChordFromTitle(s);
    core::PrepareAirfoil(s);
  } catch (const std::exception& e) {
    s.messageText = platform::ReportGeneralError(" Main/FileMru", {platform::kErrInvalidCall, e.what()});
  }
}

void OpenRecentAirfoil(core::SharedState& s, const std::string& path, AirfoilRoadView& view) {
  if (path.size() >= 3 && (path[0] == 'a' || path[0] == 'A') && path[1] == ':' &&
      (path[2] == '\\' || path[2] == '/')) {
    if (platform::AskYesNo(Text("frmopen", "30"), "Open Airfoil components", platform::BoxIcon::Question,
                           true) == platform::BoxAnswer::No)
      return;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return;
  s.formerShown = false;
  files::AirfoilData data;
  files::AirfoilReadResult result = files::ReadAirfoilFile(path, data);
  if (!result.ok()) {
    std::string shown = files::ShowAirfoilReadFailure(result, Text("frmopen", "1"));
    if (result.status == files::AirfoilReadStatus::Error) s.messageText = shown;
    return;
  }
  InstallOpenedAirfoil(s, path, std::move(data), view);
}

void ClearRibState(core::SharedState& s) {
  core::ClearRib(s);
  s.iniWriteOk = files::WriteINIFile(files::kSectionInsText, files::kKeyTextSize,
                                     core::PlainNumberText(s.textFontSize), s.iniFile);
  files::ReadDefaultSettings(s);
}

const char* const kVersionPageUrl = VANDRELL_VERSION_URL;

void StartCalculator() {
  if (platform::CurrentDesktop().StartCalculator()) return;
  std::string text = Text("Erreur", "6");
  if (text.empty()) text = "The windows Calculator does not exist";
  platform::Inform(text, std::string(platform::kProgramTitle) + " No-Calc", platform::BoxIcon::Information);
}

bool DecimalMarkRefused(char decimalMark) {
  if (decimalMark == '.') return false;
  std::string text;
  for (int key = 10; key <= 15; ++key) {
    if (key > 10) text += "\r\r";
    text += Text("Message", std::to_string(key));
  }
  return platform::AskYesNo(text, Text("Message", "16"), platform::BoxIcon::Critical, false) ==
         platform::BoxAnswer::Yes;
}

}  // namespace mainwindow
