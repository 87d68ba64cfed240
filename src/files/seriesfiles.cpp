#include "files/seriesfiles.h"

#include <cstdio>
#include <filesystem>

#include "core/lengths.h"
#include "core/numformat.h"
#include "files/ini.h"

namespace files {

namespace {

constexpr const char* kLineEnd = "\r\n";

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
  for (std::size_t j = 0; j < job.stations.x.size(); ++j) {
    text += core::FormatNumber(job.stations.x[j], "0.0000000");
    text += separator;
    text += core::FormatNumber(y[j], "0.0000000");
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
      if (i + 1 < job.gapMm.size() && i + 1 < job.ribs.size())
        text += job.words.gapLabel + " #" + TwoDigits(job.ribs[i].number) + "-#" + TwoDigits(job.ribs[i + 1].number) +
                " =" + " " + Chord(job.gapMm[i + 1]) + kLineEnd;
    }
  }
  return text;
}

SeriesWriteResult WriteSeries(const SeriesJob& job) {
  SeriesWriteResult result;
  std::error_code ec;
  if (!std::filesystem::is_directory(job.folder, ec)) {
    result.failedPath = InFolder(job.folder, job.ribs.empty() ? SummaryFileName(job) : RibFileName(job, 1));
    result.error = {platform::kErrPathNotFound, "Path not found"};
    return result;
  }
  for (const core::SeriesRib& rib : job.ribs) {
    const std::string path = InFolder(job.folder, RibFileName(job, rib.number));
    if (!WriteFileAtomically(path, RibFileText(job, rib))) {
      result.failedPath = path;
      result.error = {platform::kErrPermissionDenied, "Permission denied"};
      return result;
    }
    result.paths.push_back(path);
    ++result.written;
  }
  const std::string summary = InFolder(job.folder, SummaryFileName(job));
  if (!WriteFileAtomically(summary, SummaryText(job))) {
    result.failedPath = summary;
    result.error = {platform::kErrPermissionDenied, "Permission denied"};
    return result;
  }
  result.summaryPath = summary;
  result.ok = true;
  return result;
}

}  // namespace files
