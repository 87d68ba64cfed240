#include "commands/ribseries.h"

#include <filesystem>

#include "commands/keepwork.h"
#include "commands/kitchoices.h"
#include "commands/newrib.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "files/settings.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/fileio.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "platform/userstore.h"

namespace commands {

bool ConfirmSeriesTool(core::RibDocument& document) {
  if (!document.airfoil.loaded) return true;
  if (!MayReplaceRib(document, platform::Text(keys::SeriesAirfoilLoaded), platform::Text(keys::SeriesQuestionTitle)))
    return false;
  // The series' kit wants the rib's notches, holes and edges, which clearing takes away.
  const core::RibSetup before = document.rib;
  NewRib(document);
  KeepSetupBeforeSeries(before, document);
  return true;
}

bool ChooseSeriesFolder(core::RibDocument& document) {
  std::string folder = document.settings.seriesAirfoilDir;
  if (!platform::CurrentFileDialogs().BrowseForFolder(platform::Text(keys::FolderChooserTitle), folder)) return false;
  document.settings.seriesAirfoilDir = folder;
  RememberSeriesFolder(document);
  return true;
}

void RememberSeriesFolder(core::RibDocument& document) {
  files::WriteDirectorySettings(document);
  platform::CurrentUserStore().Set(platform::kUserStoreInstall, platform::kUserSeriesDir,
                                   document.settings.seriesAirfoilDir);
}

const char* SeriesSection(SeriesKind kind) { return kind == SeriesKind::Spaced ? "FrmTraCevol2" : "FrmTraCevol"; }

files::SeriesWords SeriesWordsInLanguage(SeriesKind kind) {
  const char* section = SeriesSection(kind);
  files::SeriesWords w;
  w.ribWord = platform::Text(keys::RibWord);
  w.chordLabel = platform::Text(keys::ChordLabel);
  w.summaryTitle = platform::Text(section, "21");
  w.summaryUnit = platform::Text(section, "22");
  w.thicknessLabel = platform::Text(keys::ThicknessWordInSummary);
  w.gapLabel = platform::Text(keys::GapWordInSummary);
  return w;
}

namespace {

files::SeriesJob JobOf(const SeriesRequest& r) {
  files::SeriesJob job;
  job.folder = r.folder;
  job.rootName = r.root->name;
  job.tipName = r.tip->name;
  job.words = r.words;
  job.unitText = r.unitText;
  job.rootChordText = r.rootChord;
  job.tipChordText = r.tipChord;
  job.rootChordMm = core::LengthFromText(r.rootChord, r.unitText);
  job.tipChordMm = core::LengthFromText(r.tipChord, r.unitText);
  job.stations = core::CommonStationsOf(r.root->outline, r.tip->outline);
  return job;
}

// The spaced table in slots (0 the root rib, 13 the tip rib); false when the counts of
// thicknesses or gaps do not fit `n` intermediate ribs.
bool SpacedTable(const SeriesRequest& r, int n, core::SlotFloats& thickness, core::SlotFloats& gaps) {
  if ((!r.thickness.empty() && static_cast<int>(r.thickness.size()) != n) ||
      static_cast<int>(r.gaps.size()) != n + 1)
    return false;
  const float ends = core::LengthFromText(r.endThickness, r.unitText);
  thickness = {};
  gaps = {};
  thickness[0] = thickness[core::kTipSlot] = ends;
  for (int i = 1; i <= n; ++i)
    thickness[static_cast<std::size_t>(i)] =
        r.thickness.empty() ? ends : core::LengthFromText(r.thickness[static_cast<std::size_t>(i - 1)], r.unitText);
  for (int i = 1; i <= n + 1; ++i)
    gaps[static_cast<std::size_t>(i)] = core::LengthFromText(r.gaps[static_cast<std::size_t>(i - 1)], r.unitText);
  return true;
}

}  // namespace

SeriesResult GenerateSeries(const SeriesRequest& r) {
  SeriesResult result;
  const bool spaced = r.kind == SeriesKind::Spaced;
  core::SeriesEntries entries;
  // Older language files lack the words: the English ones stand.
  if (std::string word = platform::Text(keys::RibsWord); !word.empty()) entries.ribsWord = word;
  if (std::string word = platform::Text(keys::InchesWord); !word.empty()) entries.inchesWord = word;
  entries.ribCount = r.ribCount;
  entries.rootChord = r.rootChord;
  entries.tipChord = r.tipChord;
  entries.unitText = r.unitText;
  entries.airfoilsLoaded = r.root && r.tip;
  entries.maxRibs = spaced ? core::kMaxSpacedRibs : core::kMaxEvenRibs;
  if (std::optional<core::SeriesRefusal> refusal = core::CheckSeriesEntries(entries)) {
    result.outcome = SeriesOutcome::Refused;
    result.refusal = *refusal;
    return result;
  }
  const int n = static_cast<int>(core::RibCountFromText(r.ribCount));
  result.intermediateCount = n;

  core::SlotFloats thickness{}, gaps{};
  if (spaced) {
    if (!SpacedTable(r, n, thickness, gaps)) {
      result.outcome = SeriesOutcome::TableMismatch;
      return result;
    }
    if (std::optional<core::SeriesRefusal> refusal = core::CheckSpacing(thickness, gaps, n)) {
      result.outcome = SeriesOutcome::Refused;
      result.refusal = *refusal;
      return result;
    }
  }
  result.folder = platform::CheckWritableFolder(r.folder);
  if (!result.folder.ok()) {
    result.outcome = SeriesOutcome::NoFolder;
    return result;
  }

  result.job = JobOf(r);
  files::SeriesJob& job = result.job;
  if (spaced) {
    const core::SpacedLayout layout = core::LayOutSpacedRibs(thickness, gaps, n);
    result.panelLengthMm = layout.length;
    job.ribs = core::SpacedSeriesRibs(layout, job.rootChordMm, job.tipChordMm, n);
    for (int i = 0; i <= n; ++i) job.thicknessMm.push_back(thickness[static_cast<std::size_t>(i)]);
    job.thicknessMm.push_back(thickness[core::kTipSlot]);
    // The slot table keeps the gap before rib i in slot i; the job's list starts at the first.
    for (int i = 1; i <= n + 1; ++i) job.gapMm.push_back(gaps[static_cast<std::size_t>(i)]);
  } else {
    job.ribs = core::EvenSeriesRibs(job.rootChordMm, job.tipChordMm, n);
  }
  result.existing = files::ExistingSeriesFiles(job);
  if (!result.existing.empty()) result.leftBeside = files::EarlierSeriesFiles(job);
  if (!r.replace && !result.existing.empty()) {
    result.outcome = SeriesOutcome::FilesExist;
    return result;
  }
  result.written = files::WriteSeries(job, r.mode, r.readOnly);
  result.outcome = result.written.ok ? SeriesOutcome::Written : SeriesOutcome::Failed;
  return result;
}

namespace {

enum class ReplaceAnswer { Replace, OtherFolder, Cancel };

// The names of files that stay, a few of them and how many more.
std::string FileNamesText(const std::vector<std::string>& paths) {
  constexpr std::size_t kShown = 6;
  std::string text;
  for (std::size_t i = 0; i < paths.size() && i < kShown; ++i)
    text += "  " + std::filesystem::path(paths[i]).filename().string() + "\n";
  if (paths.size() > kShown) text += "  ... (+" + std::to_string(paths.size() - kShown) + ")\n";
  return text;
}

ReplaceAnswer AskReplace(const SeriesResult& found, const std::string& folder, const std::string& caption) {
  platform::BoxRequest box;
  box.text = platform::Text(keys::SeriesFilesThereBefore) + " " + std::to_string(found.existing.size()) + "\n" +
             folder + "\n\n";
  // Replacing a longer series leaves its last ribs and its summary: the user must know.
  if (!found.leftBeside.empty())
    box.text += platform::Text(keys::EarlierSeriesFilesStay) + " " + std::to_string(found.leftBeside.size()) + "\n" +
                FileNamesText(found.leftBeside) + "\n";
  box.text += platform::Text(keys::SeriesReplaceOrElsewhere);
  box.title = caption;
  box.icon = platform::BoxIcon::Question;
  box.buttons = platform::BoxButtons::YesNoCancel;
  box.labels = {platform::Text(keys::SeriesReplaceButton), platform::Text(keys::SeriesOtherFolderButton),
                platform::Text(keys::CancelButton)};
  box.defaultButton = 3;  // nothing is replaced by a stray Enter
  switch (platform::CurrentMessages().Show(box)) {
    case platform::BoxAnswer::Yes: return ReplaceAnswer::Replace;
    case platform::BoxAnswer::No: return ReplaceAnswer::OtherFolder;
    default: return ReplaceAnswer::Cancel;
  }
}

bool AskRemoveLeftBeside(const std::vector<std::string>& paths, const std::string& caption) {
  platform::BoxRequest box;
  box.text = platform::Text(keys::RemoveEarlierSeriesFiles) + "\n" + FileNamesText(paths);
  box.title = caption;
  box.icon = platform::BoxIcon::Question;
  box.buttons = platform::BoxButtons::YesNo;
  box.defaultButton = 2;  // removing is never the stray Enter's
  return platform::CurrentMessages().Show(box) == platform::BoxAnswer::Yes;
}

int RemoveFiles(const std::vector<std::string>& paths) {
  int removed = 0;
  for (const std::string& path : paths) {
    std::error_code ec;
    if (std::filesystem::remove(path, ec)) ++removed;
  }
  return removed;
}

}  // namespace

SeriesResult GenerateSeriesAsking(core::RibDocument& document, SeriesRequest request, const std::string& caption) {
  std::vector<std::string> toRemove;
  while (true) {
    SeriesResult result;
    {
      platform::BusyPointer busy;
      result = GenerateSeries(request);
    }
    switch (result.outcome) {
      case SeriesOutcome::FilesExist:
        switch (AskReplace(result, request.folder, caption)) {
          case ReplaceAnswer::Replace:
            request.replace = true;
            if (!result.leftBeside.empty() && AskRemoveLeftBeside(result.leftBeside, caption))
              toRemove = result.leftBeside;
            continue;
          case ReplaceAnswer::OtherFolder:
            if (!ChooseSeriesFolder(document)) return result;
            request.folder = document.settings.seriesAirfoilDir;
            continue;
          case ReplaceAnswer::Cancel: return result;
        }
        return result;
      case SeriesOutcome::NoFolder:
        platform::ReportGeneralError(" TracEvol/SaveProfil", platform::WriteErrorInfo(result.folder, request.folder));
        return result;
      case SeriesOutcome::Failed: {
        if (result.written.error.refusal == platform::RefusalName(platform::FileProblem::ReadOnly) &&
            request.readOnly == platform::ReadOnlyFiles::Refuse) {
          if (!platform::AskReplaceReadOnly(result.written.failedPath, caption)) return result;
          request.readOnly = platform::ReadOnlyFiles::Replace;
          continue;
        }
        platform::ErrorInfo error = result.written.error;
        error.description = SeriesFailureDescription(result.written, request.mode);
        platform::ReportGeneralError(" TracEvol/SaveProfil", error);
        return result;
      }
      case SeriesOutcome::Written:
        // Only a whole new series takes the old files' place.
        result.leftRemoved = RemoveFiles(toRemove);
        platform::Inform(SeriesCompletionText(result.job, request.kind), caption);
        return result;
      default: return result;
    }
  }
}

OpenedSummary OpenSeriesSummary(const std::string& path) {
  OpenedSummary opened;
  files::SeriesJob job;
  const files::SummaryReadResult read = files::ReadSeriesSummary(path, job);
  switch (read.problem) {
    case files::SummaryProblem::None:
      for (const core::SeriesRib& rib : job.ribs)
        opened.paths.push_back((std::filesystem::path(job.folder) / files::RibFileName(job, rib.number)).string());
      opened.job = std::move(job);
      break;
    case files::SummaryProblem::Unreadable:
      opened.refusal = platform::ReadErrorInfo(read.file, path).description;
      break;
    case files::SummaryProblem::TooManyRibs:
      opened.refusal =
          platform::Text(keys::SummaryTooManyRibs) + " " + std::to_string(core::kMaxSeriesRibs) + "\n" + path;
      break;
    case files::SummaryProblem::NotASummary:
      opened.refusal = platform::Text(keys::NotASeriesSummary) + "\n" + path;
      break;
  }
  return opened;
}

std::string PanelLengthText(float lengthMm, const std::string& unitText) {
  const double shown = unitText == " in" ? lengthMm / core::kMmPerInch : lengthMm;
  std::string text = core::FormatNumber(shown, "# ###.###");
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (!text.empty() && text.front() == '.') text.insert(text.begin(), '0');
  if (text.empty()) text = "0";
  return text + unitText;
}

std::string SeriesFailureDescription(const files::SeriesWriteResult& result, files::SeriesWriteMode mode) {
  // The writer's description names the file already.
  if (mode == files::SeriesWriteMode::AllOrNothing && result.written == 0 && result.summaryPath.empty())
    return result.error.description + "\n" + platform::Text(keys::SeriesFolderHoldsEarlierFiles);
  return result.error.description + "\n" + platform::Text(keys::SeriesFilesWrittenBefore) + " " +
         std::to_string(result.written);
}

std::string SeriesCompletionText(const files::SeriesJob& job, SeriesKind kind) {
  std::string text =
      platform::Text(SeriesSection(kind), "23") + "\n\n" + platform::Text(keys::FolderLabel) + " : " + job.folder;
  const std::size_t intermediates = job.ribs.size() >= 2 ? job.ribs.size() - 2 : 0;
  if (intermediates < 13) {
    text += "\n";
    for (const core::SeriesRib& rib : job.ribs)
      text += "\n" + files::RibFileName(job, rib.number) + "   " + job.words.chordLabel + " : " +
              core::FormatNumber(rib.chordMm, "# ###0.00") + " mm";
  }
  return text;
}

}  // namespace commands
