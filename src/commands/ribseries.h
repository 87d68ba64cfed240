#pragma once
// The rib series tools' flows, shared by the series windows and vandrell-cli: the question
// that clears the rib before a series window opens, the series folder choice, and the one
// road from what the user typed to the files of a series.
#include <optional>
#include <string>
#include <vector>

#include "core/ribdocument.h"
#include "files/airfoilfile.h"
#include "files/seriesfiles.h"

namespace commands {

// Tools > series: with an airfoil loaded, asks FrmMainMessage/11 (title /12), No the
// default; Yes clears the rib as View > Clear all data does. False when the user said No.
bool ConfirmSeriesTool(core::RibDocument& document);

// The series folder chosen in the system folder browser (title FrmDefaut/16) becomes the
// settings' series folder, stored in the INI file and the user store. False on cancel.
bool ChooseSeriesFolder(core::RibDocument& document);
// The settings' series folder kept for the next start (a series was written there).
void RememberSeriesFolder(core::RibDocument& document);

enum class SeriesKind { Even, Spaced };
// The language section of a series' texts: FrmTraCevol or FrmTraCevol2.
const char* SeriesSection(SeriesKind kind);

// The words of the files from the language in force.
files::SeriesWords SeriesWordsInLanguage(SeriesKind kind);


// An airfoil of the series: its file name without extension and its points.
struct SeriesAirfoil {
  std::string name;
  core::SeriesOutline outline;
};

// Everything a series is made from, as typed in a series window or given to vandrell-cli.
struct SeriesRequest {
  SeriesKind kind = SeriesKind::Even;
  std::optional<SeriesAirfoil> root;  // none: not loaded
  std::optional<SeriesAirfoil> tip;
  std::string ribCount;  // the intermediate ribs, as typed
  std::string rootChord;  // as typed, in `unitText`
  std::string tipChord;
  std::string unitText = " mm";
  // The spaced series' table, as typed: the root and tip ribs' thickness, each
  // intermediate rib's (an empty list: each as thick as the ends), and the gaps before
  // each intermediate rib and before the tip rib.
  std::string endThickness;
  std::vector<std::string> thickness;
  std::vector<std::string> gaps;
  std::string folder;
  files::SeriesWords words;
  // False: files of the series already in the folder stop it before anything is written.
  bool replace = false;
  files::SeriesWriteMode mode = files::SeriesWriteMode::KeepWritten;
  // Files marked read-only are replaced only when the user said so.
  platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse;
};

enum class SeriesOutcome {
  Written,
  Refused,        // a check failed (`refusal`); nothing written
  TableMismatch,  // a count of thicknesses or gaps that does not fit the rib count
  NoFolder,       // the folder is not there or may not be written (`folder`); nothing written
  FilesExist,     // files of the series are there (`existing`) and replacing was not asked
  Failed,         // a file could not be written (`written` says which)
};

struct SeriesResult {
  SeriesOutcome outcome = SeriesOutcome::Failed;
  core::SeriesRefusal refusal;
  int intermediateCount = 0;
  float panelLengthMm = 0;            // the spaced series' panel length
  files::SeriesJob job;               // what was or would have been written
  std::vector<std::string> existing;  // files of the series there before (replaced when Written)
  // Files of an earlier series of the same airfoils that this one leaves beside it
  // (files::EarlierSeriesFiles), looked at when `existing` is not empty.
  std::vector<std::string> leftBeside;
  int leftRemoved = 0;  // of those, removed at the user's word once the series was written
  files::SeriesWriteResult written;
  platform::FileOutcome folder;       // why the folder cannot be written into
};

// Checks the request in the windows' order, works out the ribs and writes the files.
// Asks and tells nobody.
SeriesResult GenerateSeries(const SeriesRequest& request);

// The windows' Generate: GenerateSeries, asking first when files of the series are in the
// folder (how many, and where, and which files of an earlier series would stay beside the
// new one: Replace, Choose another folder, Cancel; another folder becomes the settings'
// series folder and is looked at in turn; after Replace, whether to remove the files that
// would stay, which goes only once the series is written) and before a file marked
// read-only is replaced, then telling how it went
// in a box titled `caption`: the completion message, or the general error report (tag
// " TracEvol/SaveProfil"). A refusal is left to the window, which points at the box.
SeriesResult GenerateSeriesAsking(core::RibDocument& document, SeriesRequest request, const std::string& caption);

// The series of an earlier summary, with the paths of its rib files beside it; or, when
// the file is not a summary that can be opened, why, in the user's words with the path.
struct OpenedSummary {
  std::optional<files::SeriesJob> job;
  std::vector<std::string> paths;
  std::string refusal;
};
OpenedSummary OpenSeriesSummary(const std::string& path);

// The panel length as the spaced window shows it: "# ###.###" in the unit in force, with
// no dangling point ("202 mm").
std::string PanelLengthText(float lengthMm, const std::string& unitText);

// FrmTraCevol/23 (`kind`'s section), the folder and, under 13 intermediate ribs, each
// file with its chord.
std::string SeriesCompletionText(const files::SeriesJob& job, SeriesKind kind);
// What failed, where, and what the folder holds now: the rib files written before the
// failure, or, all or nothing, the files it held before.
std::string SeriesFailureDescription(const files::SeriesWriteResult& result, files::SeriesWriteMode mode);

}  // namespace commands
