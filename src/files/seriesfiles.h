#pragma once
// The files of a rib series: one airfoil coordinate file per rib and a summary text file,
// all in one folder, every line ended by CR LF.
#include <string>
#include <vector>

#include "core/ribseries.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"

namespace files {

// The words the files carry, from the window's language (the batch program's defaults are
// the English texts).
struct SeriesWords {
  std::string ribWord = "Rib";
  std::string chordLabel = "Chord";
  std::string summaryTitle = "Ribs";   // the summary's first words
  std::string summaryUnit = "Unit";    // then this, " : " and the unit
  std::string thicknessLabel = "Thickness";
  std::string gapLabel = "Gap";
};

struct SeriesJob {
  std::string folder;
  std::string rootName;  // the airfoil file names without extension
  std::string tipName;
  SeriesWords words;
  std::string unitText = " mm";
  float rootChordMm = 0;
  float tipChordMm = 0;
  std::string rootChordText;  // as typed: the inch titles of the end ribs show it
  std::string tipChordText;
  core::CommonStations stations;
  std::vector<core::SeriesRib> ribs;
  // The spaced series' table (empty for an even series), in millimetres: per rib its
  // thickness, and per pair of neighbouring ribs the gap between them (gapMm[i] after rib i).
  std::vector<float> thicknessMm;
  std::vector<float> gapMm;
};

// "A&BR01.dat": root name, "&", tip name, the rib word's first letter, the two-digit number
// (plain from 10), ".dat" or "in.dat" in inches.
std::string RibFileName(const SeriesJob& job, int number);
// "Rib 3 Chord : 150.00", or in inches "Rib 1 Chord : 8 in" with the typed text at the ends.
std::string RibTitle(const SeriesJob& job, const core::SeriesRib& rib);
std::string RibFileText(const SeriesJob& job, const core::SeriesRib& rib);
// Root name, "&", tip name, "_", the chords as "%.7g" of their 32-bit values, "_", the rib count.
std::string SummaryFileName(const SeriesJob& job);
std::string SummaryText(const SeriesJob& job);

struct SeriesWriteResult {
  bool ok = false;
  int written = 0;                  // rib files written (the summary not counted)
  std::vector<std::string> paths;   // the rib files written, in order
  std::string summaryPath;
  std::string failedPath;           // the file that could not be written
  platform::ErrorInfo error;
};
// A summary read back (as SummaryText writes it): the ribs with their chords and, for a
// spaced series, thicknesses and gaps; the folder, names, words and unit that give the rib
// files' names beside it. Positions and fractions are worked out again from the table.
enum class SummaryProblem {
  None,
  Unreadable,   // the file could not be read (`file` says why)
  NotASummary,  // no rib line, or a name not made as a summary's
  TooManyRibs,  // more rib lines than a series can have (core::kMaxSeriesRibs)
};
struct SummaryReadResult {
  SummaryProblem problem = SummaryProblem::None;
  platform::FileOutcome file;
  bool ok() const { return problem == SummaryProblem::None; }
};
SummaryReadResult ReadSeriesSummary(const std::string& path, SeriesJob& job);

// The files of the series in the order they are written: the rib files, then the summary.
std::vector<std::string> SeriesPaths(const SeriesJob& job);
// Those of them that are there already as files (a link to a file counts).
std::vector<std::string> ExistingSeriesFiles(const SeriesJob& job);

// Files in the folder from an earlier series of the same root and tip that this one does not
// write: rib files of other numbers or in the other unit, and other summaries. Sorted.
std::vector<std::string> EarlierSeriesFiles(const SeriesJob& job);

// Writes the rib files in order, then the summary, through the one atomic writer: a file
// replaced keeps its mode and a link stays a link. A folder that does not exist is a
// failure before anything is written. After a failure the files before the failed one
// stay, or, all or nothing, none is written; no file is ever half written.
enum class SeriesWriteMode { KeepWritten, AllOrNothing };
SeriesWriteResult WriteSeries(const SeriesJob& job, SeriesWriteMode mode = SeriesWriteMode::KeepWritten,
                              platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse);

}  // namespace files
