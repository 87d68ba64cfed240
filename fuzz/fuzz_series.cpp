// The series table opens summaries and the coordinates editor opens point files that the
// user picks, written by us, edited by hand or not ours at all. Reading one must never
// fail; a summary read back names no more ribs than a series can have.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "core/ribseries.h"
#include "files/coordinatefile.h"
#include "files/seriesfiles.h"

namespace {

const std::string& ScratchFile() {
  // A summary's name carries the root and tip names and the chords.
  static const std::string path = [] {
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("fuzz_series_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir, ec);
    return (dir / "root&tip_200_100_3.txt").string();
  }();
  static const bool removedAtExit = std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(ScratchFile()).parent_path(), ec);
  }) == 0;
  (void)removedAtExit;
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& file = ScratchFile();
  std::FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) std::abort();
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);

  files::SeriesJob job;
  if (files::ReadSeriesSummary(file, job).ok() && job.ribs.size() > static_cast<std::size_t>(core::kMaxSeriesRibs))
    std::abort();
  std::vector<std::string> lines;
  platform::ErrorInfo error;
  if (files::ReadCoordinateLines(file, lines, error) && lines.size() > size + 1) std::abort();
  return 0;
}
