#include "commands/ribseries.h"

#include <filesystem>

#include "commands/keepwork.h"
#include "commands/newrib.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "files/settings.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "platform/userstore.h"

namespace commands {

bool ConfirmSeriesTool(core::RibDocument& d) {
  if (!d.airfoil.loaded) return true;
  if (!MayReplaceRib(d, platform::Text("FrmMainMessage", "11"), platform::Text("FrmMainMessage", "12"))) return false;
  NewRib(d);
  return true;
}

bool ChooseSeriesFolder(core::RibDocument& d) {
  std::string folder = d.settings.seriesAirfoilDir;
  if (!platform::CurrentFileDialogs().BrowseForFolder(platform::Text("FrmDefaut", "16"), folder)) return false;
  d.settings.seriesAirfoilDir = folder;
  files::WriteDirectorySettings(d);
  platform::CurrentUserStore().Set(platform::kUserStoreInstall, platform::kUserSeriesDir, folder);
  return true;
}

files::SeriesWords SeriesWordsInLanguage(const std::string& section) {
  files::SeriesWords w;
  w.ribWord = platform::Text("MainTolbar", "25");
  w.chordLabel = platform::Text("MainTolbar", "13");
  w.summaryTitle = platform::Text(section, "21");
  w.summaryUnit = platform::Text(section, "22");
  w.thicknessLabel = platform::Text("FrmTraCevol2", "32");
  w.gapLabel = platform::Text("FrmTraCevol2", "33");
  return w;
}

core::SeriesOutline OutlineOf(const files::AirfoilData& data) {
  core::SeriesOutline o;
  o.x = data.x;
  o.y = data.y;
  o.count = data.pointCount;
  return o;
}

namespace {

files::SeriesJob JobBase(const SeriesSetup& setup) {
  files::SeriesJob job;
  job.folder = setup.folder;
  job.rootName = setup.rootName;
  job.tipName = setup.tipName;
  job.words = setup.words;
  job.unitText = setup.unitText;
  job.rootChordText = setup.rootChordText;
  job.tipChordText = setup.tipChordText;
  job.rootChordMm = core::LengthFromText(setup.rootChordText, setup.unitText);
  job.tipChordMm = core::LengthFromText(setup.tipChordText, setup.unitText);
  job.stations = core::CommonStationsOf(setup.root, setup.tip);
  return job;
}

}  // namespace

files::SeriesJob EvenSeriesJob(const SeriesSetup& setup, int n) {
  files::SeriesJob job = JobBase(setup);
  job.ribs = core::EvenSeriesRibs(job.rootChordMm, job.tipChordMm, n);
  return job;
}

files::SeriesJob SpacedSeriesJob(const SeriesSetup& setup, const core::SlotFloats& thickness,
                                 const core::SlotFloats& gaps, int n) {
  files::SeriesJob job = JobBase(setup);
  const core::SpacedLayout layout = core::LayOutSpacedRibs(thickness, gaps, n);
  job.ribs = core::SpacedSeriesRibs(layout, job.rootChordMm, job.tipChordMm, n);
  for (int i = 0; i <= n; ++i) job.thicknessMm.push_back(thickness[static_cast<std::size_t>(i)]);
  job.thicknessMm.push_back(thickness[core::kTipSlot]);
  job.gapMm.push_back(0);
  for (int i = 1; i <= n + 1; ++i) job.gapMm.push_back(gaps[static_cast<std::size_t>(i)]);
  return job;
}

std::string PanelLengthText(float lengthMm, const std::string& unitText) {
  const double shown = unitText == " in" ? lengthMm / core::kMmPerInch : lengthMm;
  std::string text = core::FormatNumber(shown, "# ###.###");
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (!text.empty() && text.front() == '.') text.insert(text.begin(), '0');
  if (text.empty()) text = "0";
  return text + unitText;
}

std::string SeriesFailureDescription(const files::SeriesWriteResult& result) {
  return result.error.description + "\n" + result.failedPath + "\n" + platform::Text("FrmTraCevol", "34") + " " +
         std::to_string(result.written);
}

std::string SeriesCompletionText(const files::SeriesJob& job, const std::string& section) {
  std::string text = platform::Text(section, "23") + "\n\n" + platform::Text("FrmConfig", "3") + " : " + job.folder;
  const std::size_t intermediates = job.ribs.size() >= 2 ? job.ribs.size() - 2 : 0;
  if (intermediates < 13) {
    text += "\n";
    for (const core::SeriesRib& rib : job.ribs)
      text += "\n" + files::RibFileName(job, rib.number) + "   " + job.words.chordLabel + " : " +
              core::FormatNumber(rib.chordMm, "# ###0.00") + " mm";
  }
  return text;
}

void TellSeriesResult(const files::SeriesJob& job, const files::SeriesWriteResult& result, const std::string& section,
                      const std::string& caption) {
  if (!result.ok) {
    platform::ErrorInfo error = result.error;
    error.description = SeriesFailureDescription(result);
    platform::ReportGeneralError(" TracEvol/SaveProfil", error);
    return;
  }
  platform::Inform(SeriesCompletionText(job, section), caption);
}

files::SeriesWriteResult WriteSeriesAndTell(const files::SeriesJob& job, const std::string& section,
                                            const std::string& caption) {
  files::SeriesWriteResult result = files::WriteSeries(job);
  TellSeriesResult(job, result, section, caption);
  return result;
}

}  // namespace commands
