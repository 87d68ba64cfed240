#include "files/seriesfiles.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

#include "core/lengths.h"
#include "core/numformat.h"

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

namespace {

// One file of the series on its way to the disk.
struct PendingFile {
  std::string target;
  std::string temp;
  bool tempWritten = false;
};

// What went wrong, in the words of the general error report.
platform::ErrorInfo ErrorFor(int code) {
  if (code == ENOSPC) return {platform::kErrDiskFull, "Disk full"};
  if (code == EACCES || code == EPERM || code == EROFS || code == EISDIR || code == ENOTEMPTY || code == EEXIST)
    return {platform::kErrPermissionDenied, "Permission denied"};
  if (code == ENOENT || code == ENOTDIR) return {platform::kErrPathNotFound, "Path not found"};
  return {platform::kErrDeviceIo, "Device I/O error"};
}

bool WriteTemporary(PendingFile& f, const std::string& contents) {
  errno = 0;
  std::FILE* out = std::fopen(f.temp.c_str(), "wb");
  if (!out) return false;
  f.tempWritten = true;  // from here on it is ours to remove
  bool ok = contents.empty() || std::fwrite(contents.data(), 1, contents.size(), out) == contents.size();
  ok = std::fflush(out) == 0 && ok;
#if defined(__unix__) && !defined(__linux__)
  ok = ::fsync(::fileno(out)) == 0 && ok;
#endif
  ok = std::fclose(out) == 0 && ok;
  return ok;
}

// Everything written so far on its way to the disk in one go: a sync per file would cost a
// journal commit each, ten milliseconds a file on a usual disk.
bool SyncFolder(const std::string& folder) {
#if defined(__linux__)
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  const bool ok = ::syncfs(fd) == 0;
  ::close(fd);
  return ok;
#else
  (void)folder;
  return true;
#endif
}

}  // namespace

SeriesWriteResult WriteSeries(const SeriesJob& job) {
  SeriesWriteResult result;
  std::error_code ec;
  if (!std::filesystem::is_directory(job.folder, ec)) {
    result.failedPath = InFolder(job.folder, job.ribs.empty() ? SummaryFileName(job) : RibFileName(job, 1));
    result.error = {platform::kErrPathNotFound, "Path not found"};
    return result;
  }
  // Every file goes to a temporary name first; all reach the disk together, and only then
  // take their names in order. A failure keeps the files before it and no part of any other.
  std::vector<PendingFile> files;
  files.reserve(job.ribs.size() + 1);
  for (const core::SeriesRib& rib : job.ribs) files.push_back({InFolder(job.folder, RibFileName(job, rib.number)), {}});
  files.push_back({InFolder(job.folder, SummaryFileName(job)), {}});
  for (PendingFile& f : files) f.temp = f.target + ".tmp~";

  std::size_t failed = files.size();
  for (std::size_t i = 0; i < files.size() && failed == files.size(); ++i) {
    const bool ok = i < job.ribs.size() ? WriteTemporary(files[i], RibFileText(job, job.ribs[i]))
                                        : WriteTemporary(files[i], SummaryText(job));
    if (!ok) {
      failed = i;
      result.error = ErrorFor(errno);
    }
  }
  if (failed > 0 && !SyncFolder(job.folder)) {
    result.error = ErrorFor(errno);
    failed = 0;
  }
  for (std::size_t i = 0; i < failed; ++i) {
    std::filesystem::rename(files[i].temp, files[i].target, ec);
    if (ec) {
      result.error = ErrorFor(ec.value());
      failed = i;
      break;
    }
    files[i].tempWritten = false;
    if (i < job.ribs.size()) {
      result.paths.push_back(files[i].target);
      ++result.written;
    } else {
      result.summaryPath = files[i].target;
    }
  }
  for (PendingFile& f : files)
    if (f.tempWritten) std::filesystem::remove(f.temp, ec);
  if (failed < files.size()) {
    result.failedPath = files[failed].target;
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace files
