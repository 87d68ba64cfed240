#pragma once
// The rib series tools' flows, shared by the series windows and vandrell-cli: the question
// that clears the rib before a series window opens, the series folder choice, writing a
// series and telling the user how it went.
#include <string>

#include "core/ribdocument.h"
#include "files/airfoilfile.h"
#include "files/seriesfiles.h"

namespace commands {

// Tools > series: with an airfoil loaded, asks FrmMainMessage/11 (title /12), No the
// default; Yes clears the rib as View > Clear all data does. False when the user said No.
bool ConfirmSeriesTool(core::RibDocument& d);

// The series folder chosen in the system folder browser (title FrmDefaut/16) becomes the
// settings' series folder, stored in the INI file and the user store. False on cancel.
bool ChooseSeriesFolder(core::RibDocument& d);

// The words of the files from the language in force (`section` FrmTraCevol or
// FrmTraCevol2).
files::SeriesWords SeriesWordsInLanguage(const std::string& section);

// An airfoil read apart from the shared state, as the series keep it.
core::SeriesOutline OutlineOf(const files::AirfoilData& data);

// What both series windows and the batch program hand over: the airfoils with their
// names, the chords as typed, the folder, the words and the unit.
struct SeriesSetup {
  core::SeriesOutline root;
  core::SeriesOutline tip;
  std::string rootName;
  std::string tipName;
  std::string rootChordText;
  std::string tipChordText;
  std::string unitText = " mm";
  std::string folder;
  files::SeriesWords words;
};
// Evenly spaced ribs (n intermediate).
files::SeriesJob EvenSeriesJob(const SeriesSetup& setup, int intermediateCount);
// Ribs placed by the thickness and gap table (slots as in core::LayOutSpacedRibs).
files::SeriesJob SpacedSeriesJob(const SeriesSetup& setup, const core::SlotFloats& thickness,
                                 const core::SlotFloats& gaps, int intermediateCount);
// The panel length as the spaced window shows it: "# ###.###" in the unit in force, with
// no dangling point ("202 mm").
std::string PanelLengthText(float lengthMm, const std::string& unitText);

// Writes the series; on failure the general error report (tag " TracEvol/SaveProfil")
// names the file that failed and how many were written; on success the completion message
// titled `caption`: FrmTraCevol/23 (`section`'s), the folder and, under 13 intermediate
// ribs, each file with its chord.
files::SeriesWriteResult WriteSeriesAndTell(const files::SeriesJob& job, const std::string& section,
                                            const std::string& caption);
// The telling part alone, for callers that write under a busy cursor first.
void TellSeriesResult(const files::SeriesJob& job, const files::SeriesWriteResult& result, const std::string& section,
                      const std::string& caption);
std::string SeriesCompletionText(const files::SeriesJob& job, const std::string& section);
std::string SeriesFailureDescription(const files::SeriesWriteResult& result);

}  // namespace commands
