#include "files/seriesfiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "core/lengths.h"
#include "core/numformat.h"
#include "files/coordinatefile.h"
#include "platform/fileio.h"

namespace files {

namespace {

bool Inches(const SeriesJob& job) { return job.unitText == " in"; }

std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

std::string Chord(double mm) { return core::FormatNumber(mm, "# ###0.00"); }

std::string FloatText(float value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(value));
  return buf;
}

std::string InFolder(const std::string& folder, const std::string& name) {
  return (std::filesystem::path(folder) / name).string();
}

}  // namespace

std::string RibFileName(const SeriesJob& job, int number) {
  std::string name = job.rootName + "&" + job.tipName;
  if (!job.words.ribWord.empty()) {
    // The first character, whole even when it takes several bytes.
    std::size_t len = 1;
    while (len < job.words.ribWord.size() && (static_cast<unsigned char>(job.words.ribWord[len]) & 0xC0) == 0x80) ++len;
    name += job.words.ribWord.substr(0, len);
  }
  return name + TwoDigits(number) + (Inches(job) ? "in.dat" : ".dat");
}

std::string RibTitle(const SeriesJob& job, const core::SeriesRib& rib) {
  std::string title = job.words.ribWord + " " + std::to_string(rib.number) + " " + job.words.chordLabel + " : ";
  if (!Inches(job)) return title + Chord(rib.chordMm);
  std::string typed;
  if (rib.end == core::SeriesRib::End::Root) typed = job.rootChordText;
  else if (rib.end == core::SeriesRib::End::Tip) typed = job.tipChordText;
  else typed = core::LengthToText(static_cast<float>(rib.chordMm), " in");
  return title + typed + " in";
}

std::string RibFileText(const SeriesJob& job, const core::SeriesRib& rib) {
  const std::vector<double> y = core::RibOrdinates(job.stations, rib);
  const char* separator = rib.end == core::SeriesRib::End::Middle ? "   " : "  ";
  std::string text = RibTitle(job, rib) + kLineEnd;
  text.reserve(text.size() + job.stations.x.size() * 24);
  static const core::NumberPattern kOrdinate("0.0000000");
  for (std::size_t j = 0; j < job.stations.x.size(); ++j) {
    core::AppendNumber(text, job.stations.x[j], kOrdinate);
    text += separator;
    core::AppendNumber(text, y[j], kOrdinate);
    text += kLineEnd;
  }
  return text;
}

std::string SummaryFileName(const SeriesJob& job) {
  return job.rootName + "&" + job.tipName + "_" + FloatText(job.rootChordMm) + "_" + FloatText(job.tipChordMm) + "_" +
         std::to_string(job.ribs.size()) + ".txt";
}

std::string SummaryText(const SeriesJob& job) {
  std::string text = job.words.summaryTitle + " " + job.words.summaryUnit + " : " + job.unitText + kLineEnd + kLineEnd;
  for (const core::SeriesRib& rib : job.ribs)
    text += job.words.ribWord + " #" + TwoDigits(rib.number) + " " + job.words.chordLabel + " : " + Chord(rib.chordMm) +
            kLineEnd;
  if (!job.thicknessMm.empty()) {
    // The spaced series' table, in millimetres like the chords.
    text += kLineEnd;
    for (std::size_t i = 0; i < job.thicknessMm.size() && i < job.ribs.size(); ++i) {
      text += job.words.ribWord + " #" + TwoDigits(job.ribs[i].number) + " " + job.words.thicknessLabel + " = " +
              Chord(job.thicknessMm[i]) + kLineEnd;
      if (i < job.gapMm.size() && i + 1 < job.ribs.size())
        text += job.words.gapLabel + " #" + TwoDigits(job.ribs[i].number) + "-#" + TwoDigits(job.ribs[i + 1].number) +
                " =" + " " + Chord(job.gapMm[i]) + kLineEnd;
    }
  }
  return text;
}

namespace {

// "ROOT&TIP_C0_C1_N.txt": the rib files' names start with what precedes the last three "_".
bool TakeNamesFromFileName(const std::string& path, SeriesJob& job) {
  const std::filesystem::path file(path);
  job.folder = file.parent_path().string();
  std::string prefix = file.stem().string();
  for (int i = 0; i < 3; ++i) {
    const std::size_t cut = prefix.rfind('_');
    if (cut == std::string::npos) return false;
    prefix.resize(cut);
  }
  const std::size_t amp = prefix.find('&');
  job.rootName = amp == std::string::npos ? prefix : prefix.substr(0, amp);
  job.tipName = amp == std::string::npos ? std::string() : prefix.substr(amp + 1);
  return true;
}

// The ends, and where each rib lies along the panel: by the spaced table when it is whole,
// else evenly.
void PlaceRibs(SeriesJob& job, const std::vector<float>& thickness, const std::vector<float>& gaps) {
  job.ribs.front().end = core::SeriesRib::End::Root;
  if (job.ribs.size() > 1) job.ribs.back().end = core::SeriesRib::End::Tip;
  const std::size_t n = job.ribs.size();
  if (thickness.size() == n && gaps.size() + 1 == n) {
    // Mid-plane positions, as the spaced series placed them.
    job.thicknessMm = thickness;
    job.gapMm = gaps;
    double position = 0;
    for (std::size_t i = 1; i < n; ++i) {
      position += thickness[i - 1] / 2.0 + gaps[i - 1] + thickness[i] / 2.0;
      job.ribs[i].positionMm = position;
    }
    for (core::SeriesRib& rib : job.ribs) rib.fraction = position > 0 ? rib.positionMm / position : 0;
  } else {
    for (std::size_t i = 0; i < n; ++i) job.ribs[i].fraction = n > 1 ? static_cast<double>(i) / (n - 1) : 0;
  }
}

}  // namespace

SummaryReadResult ReadSeriesSummary(const std::string& path, SeriesJob& job) {
  SummaryReadResult result;
  const platform::ReadOutcome read = platform::ReadWholeFile(path);
  if (!read.ok()) {
    result.problem = SummaryProblem::Unreadable;
    result.file = read;
    return result;
  }
  result.problem = SummaryProblem::NotASummary;
  std::istringstream in(read.bytes);
  job = SeriesJob();
  if (!TakeNamesFromFileName(path, job)) return result;

  std::vector<float> thickness, gaps;
  std::string line;
  bool first = true;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (first) {
      first = false;
      if (line.size() >= 3 && line.compare(line.size() - 3, 3, " in") == 0) job.unitText = " in";
      continue;
    }
    const std::size_t hash = line.find(" #");
    const std::size_t colon = line.find(" : ");
    const std::size_t equals = line.find(" =");
    if (hash == std::string::npos || hash + 4 > line.size()) continue;
    if (colon != std::string::npos && equals == std::string::npos) {
      core::SeriesRib rib;
      for (std::size_t d = hash + 2; d < line.size() && line[d] >= '0' && line[d] <= '9' && rib.number < 10000; ++d)
        rib.number = (d == hash + 2 ? 0 : rib.number * 10) + (line[d] - '0');
      rib.chordMm = core::LeadingNumber(line.substr(colon + 3));
      if (job.ribs.empty()) {
        job.words.ribWord = line.substr(0, hash);
        const std::size_t label = line.find(' ', hash + 2);
        job.words.chordLabel = label < colon ? line.substr(label + 1, colon - label - 1) : std::string();
      }
      if (job.ribs.size() == static_cast<std::size_t>(core::kMaxSeriesRibs)) {
        // Not a series of ours: nothing of it is kept.
        job.ribs.clear();
        result.problem = SummaryProblem::TooManyRibs;
        return result;
      }
      job.ribs.push_back(rib);
    } else if (equals != std::string::npos) {
      const float value = static_cast<float>(core::LeadingNumber(line.substr(equals + 2)));
      std::vector<float>& table = line.find("-#", hash) != std::string::npos ? gaps : thickness;
      if (table.size() <= static_cast<std::size_t>(core::kMaxSeriesRibs)) table.push_back(value);
    }
  }
  if (job.ribs.empty()) return result;
  PlaceRibs(job, thickness, gaps);
  result.problem = SummaryProblem::None;
  return result;
}

std::vector<std::string> SeriesPaths(const SeriesJob& job) {
  std::vector<std::string> paths;
  paths.reserve(job.ribs.size() + 1);
  for (const core::SeriesRib& rib : job.ribs) paths.push_back(InFolder(job.folder, RibFileName(job, rib.number)));
  paths.push_back(InFolder(job.folder, SummaryFileName(job)));
  return paths;
}

std::vector<std::string> ExistingSeriesFiles(const SeriesJob& job) {
  std::vector<std::string> existing;
  for (const std::string& path : SeriesPaths(job))
    if (platform::KindOfPath(path) == platform::FileKind::Regular) existing.push_back(path);
  return existing;
}

namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "A&B" + a letter of the rib word + a number (+ "in") + ".dat", as RibFileName makes them
// in any language; "A&B_C0_C1_N.txt" as SummaryFileName does.
bool NamedAsSeriesFile(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
  std::string_view rest = std::string_view(name).substr(prefix.size());
  if (rest.size() > 4 && rest.substr(rest.size() - 4) == ".txt" && rest.front() == '_') {
    rest = rest.substr(1, rest.size() - 5);
    const std::size_t last = rest.rfind('_');
    return last != std::string_view::npos && AllDigits(rest.substr(last + 1)) &&
           std::count(rest.begin(), rest.end(), '_') == 2;
  }
  if (rest.size() < 6 || rest.substr(rest.size() - 4) != ".dat") return false;
  rest = rest.substr(0, rest.size() - 4);
  if (rest.size() > 2 && rest.substr(rest.size() - 2) == "in") rest = rest.substr(0, rest.size() - 2);
  // The rib word's first character, whole (one to four bytes), then the number.
  std::size_t digits = rest.size();
  while (digits > 0 && rest[digits - 1] >= '0' && rest[digits - 1] <= '9') --digits;
  if (digits == 0 || digits == rest.size()) return false;
  const auto lead = static_cast<unsigned char>(rest[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  return digits == length;
}

}  // namespace

std::vector<std::string> EarlierSeriesFiles(const SeriesJob& job) {
  std::vector<std::string> found;
  const std::vector<std::string> ours = SeriesPaths(job);
  const std::string prefix = job.rootName + "&" + job.tipName;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(job.folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!NamedAsSeriesFile(name, prefix) || !it->is_regular_file(ec)) continue;
    const std::string path = InFolder(job.folder, name);
    if (std::find(ours.begin(), ours.end(), path) == ours.end()) found.push_back(path);
  }
  std::sort(found.begin(), found.end());
  return found;
}

SeriesWriteResult WriteSeries(const SeriesJob& job, SeriesWriteMode mode, platform::ReadOnlyFiles readOnly) {
  SeriesWriteResult result;
  const std::vector<std::string> paths = SeriesPaths(job);
  std::vector<platform::FileToWrite> files;
  files.reserve(paths.size());
  for (std::size_t i = 0; i < job.ribs.size(); ++i) files.push_back({paths[i], RibFileText(job, job.ribs[i])});
  files.push_back({paths.back(), SummaryText(job)});
  const platform::SetWriteOutcome written = platform::WriteFilesAtomically(
      files, mode == SeriesWriteMode::AllOrNothing ? platform::SetWriteMode::AllOrNothing
                                                   : platform::SetWriteMode::KeepBefore,
      readOnly);
  const std::size_t ribFiles = std::min(written.written, job.ribs.size());
  result.paths.assign(paths.begin(), paths.begin() + static_cast<std::ptrdiff_t>(ribFiles));
  result.written = static_cast<int>(ribFiles);
  if (written.written > job.ribs.size()) result.summaryPath = paths.back();
  if (!written.outcome.ok()) {
    result.failedPath = paths[written.failed];
    result.error = platform::WriteErrorInfo(written.outcome, result.failedPath);
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace files
