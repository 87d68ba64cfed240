#include "commands/airfoiltools.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "commands/airfoilcommands.h"
#include "commands/newrib.h"
#include "commands/outputfolder.h"
#include "core/typednumber.h"
#include "core/airfoilprep.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "files/derivedairfoil.h"
#include "files/settings.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/notices.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

using platform::Text;

namespace {

std::string TwoDecimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

}  // namespace

ThicknessCamberApplied ApplyThicknessCamber(core::RibDocument& document, const std::string& thicknessText,
                                            const std::string& camberText, const std::string& caption) {
  ThicknessCamberApplied out;
  out.thicknessText = thicknessText;
  out.camberText = camberText;
  document.view.thicknessCamberShown = false;
  const ThicknessCamberOutcome scaled = ScaleThicknessCamber(document.prepared, thicknessText, camberText);
  const core::ThicknessCamberResult& r = scaled.result;
  using enum core::ThicknessCamberCheck;
  // A camber refused leaves both boxes as typed; past it, the camber box shows what it became.
  if (r.check != CamberTooLarge) {
    if (!scaled.notice.empty()) platform::Inform(scaled.notice, caption, platform::BoxIcon::Information);
    out.camberText = scaled.camberText;
  }
  if (scaled.refusal) {
    platform::Inform(scaled.refusal->text, caption,
                     r.check == ThicknessTooLarge ? platform::BoxIcon::Warning : platform::BoxIcon::Information);
  } else if (scaled.error) {
    platform::ReportGeneralError(" frmEpCourb/CmdApply", *scaled.error);
  } else {
    document.rib.reshape.newThickness = r.newThickness;
    document.rib.reshape.newCamber = r.newCamber;
    document.rib.reshape.upperAt = r.upperAt;
    document.rib.reshape.lowerAt = r.lowerAt;
    document.view.thicknessCamberShown = true;
    out.thicknessText = scaled.thicknessText;
    out.ok = true;
  }
  document.changes.Announce(core::Change::View);
  return out;
}

std::string ThicknessCamberContents(const core::RibDocument& document, const std::string& thicknessText,
                                    const std::string& camberText) {
  const ThicknessCamberWords words = ThicknessCamberWordsInLanguage();
  return files::ThicknessCamberFileText(document.airfoil.name, words.thickness, thicknessText, words.camber, camberText,
                                        document.rib.reshape.upperAt, document.rib.reshape.lowerAt);
}

std::string ThicknessCamberPanelText(const core::RibDocument& document) {
  return Text(keys::AirfoilLabel) + " : " + document.airfoil.name + " + " + document.airfoil.name + " " +
         Text(keys::ThicknessWord) + " : " + core::PercentText(document.rib.reshape.newThickness) + " " +
         Text(keys::CamberWord) + " : " + core::PercentText(document.rib.reshape.newCamber) + " " +
         Text(keys::ChordLabel) + " : " + document.rib.chord.text + document.settings.unitText;
}

void EndThicknessCamber(core::RibDocument& document) {
  document.view.thicknessCamberShown = false;
  document.rib.reshape.newThickness = 0;
  document.rib.reshape.newCamber = 0;
  document.changes.Announce(core::Change::View);
}

std::string SaveDerivedAirfoil(const core::RibDocument& document, DerivedAirfoilTool tool, const std::string& title,
                               const std::string& filterText, const std::string& proposedName,
                               const std::string& contents) {
  static std::map<DerivedAirfoilTool, std::string> lastFolders;
  std::string& lastFolder = lastFolders[tool];
  platform::FileDialogRequest request;
  request.title = title;
  request.filter = filterText + " *.dat|*.dat|";
  request.defaultExt = "dat";
  request.initialDir = ProposedOutputFolder(lastFolder, document);
  request.fileName = proposedName;
  // The question below asks before a file is replaced.
  request.overwritePrompt = false;
  std::string path;
  if (!platform::CurrentFileDialogs().Save(request, path)) return std::string();
  platform::ErrorInfo error;
  files::DerivedWrite written = files::WriteDerivedAirfoil(path, contents, false, &error);
  if (written == files::DerivedWrite::Exists) {
    if (platform::AskYesNo(Text(keys::ReplaceDerivedAirfoil) + "\n" + path, title, platform::BoxIcon::Question, true) !=
        platform::BoxAnswer::Yes)
      return std::string();
    written = files::WriteDerivedAirfoil(path, contents, true, &error);
  }
  if (written != files::DerivedWrite::Written) {
    // The cause (a full disk, a folder in the file's place) and the file, under the tool's text.
    platform::Inform(Text(keys::DerivedAirfoilNotWritten) + "\n" + error.description, title,
                     platform::BoxIcon::Exclamation);
    return std::string();
  }
  lastFolder = FolderOfWritten(path);
  platform::TellWritten(path);
  return path;
}

void ShowComparison(core::RibDocument& document, core::AirfoilComparison& comparison, const core::Length& chord,
                    const std::string& firstPath, files::AirfoilData first, const std::string& secondPath,
                    files::AirfoilData second) {
  auto prepare = [](const std::string& path, files::AirfoilData& data, core::PreparedAirfoil& into, std::string& name) {
    core::AirfoilAsRead a;
    a.path = path;
    a.points = std::move(data.points);
    std::string ext;
    files::SplitAirfoilFileName(path, name, ext);
    into = core::PrepareAirfoil(a);
  };
  core::AirfoilComparison c;
  prepare(firstPath, first, c.first, c.firstName);
  prepare(secondPath, second, c.second, c.secondName);
  c.yMax = std::max(c.first.yMax, c.second.yMax);
  comparison = std::move(c);

  ClearRibState(document);
  document.rib.chord = chord;
  document.prepared.yMax = comparison.yMax;
  document.view.compareShown = true;
  files::AddRecentFile(document, firstPath);
  files::AddRecentFile(document, secondPath);
  document.project.titleNames = core::TitleNames::Comparison;
  document.project.comparedFirst = comparison.firstName;
  document.project.comparedSecond = comparison.secondName;
  document.changes.Announce(core::Change::NewRib | core::Change::Setup | core::Change::Project |
                            core::Change::Settings);
}

std::string ComparisonPanelText(const core::RibDocument& document, const core::AirfoilComparison& c) {
  const std::string airfoil = Text(keys::AirfoilLabel);
  // Where along the chord each greatest value lies is left to the rib's own view, and each
  // airfoil has a line of its own: on one line, two long names and their figures ran past
  // the status bar of a small screen, in the longer words of French.
  auto figures = [](const core::PreparedAirfoil& p) {
    return " (" + Text(keys::ThicknessWord) + " " + TwoDecimals(p.maxThickness * 100) + " %, " +
           Text(keys::CamberWord) + " " + TwoDecimals(p.maxCamber * 100) + " %)";
  };
  return airfoil + " #1 :  " + c.firstName + figures(c.first) + "\n" + airfoil + " #2 :  " + c.secondName +
         figures(c.second) + "  " + Text(keys::ChordLabel) + " : " + document.rib.chord.text +
         document.settings.unitText;
}

void ShowFormer(core::RibDocument& document, const std::string& path, files::AirfoilData data) {
  ClearRibState(document);
  document.airfoil = std::move(data);
  document.airfoil.path = path;
  files::SplitAirfoilFileName(path, document.airfoil.name, document.airfoil.ext);
  ChordFromTitle(document);
  // A former need not be listed as an airfoil is: its extremes over every point.
  document.prepared.yMax = 0;
  document.prepared.yMin = 0;
  for (const core::Point& p : document.airfoil.points) {
    document.prepared.yMax = std::max(document.prepared.yMax, p.y);
    document.prepared.yMin = std::min(document.prepared.yMin, p.y);
  }
  document.view.formerShown = true;
  document.project.titleNames = core::TitleNames::Former;
  document.changes.Announce(core::Change::NewRib | core::Change::Setup | core::Change::Project);
}

}  // namespace commands
