#pragma once
// The rules of the open-airfoil window `frmopen` apart from the window: the directory and
// file lists, the file-type filters, the path shown, what a chosen file reads as, what Open
// decides, and the preview.
#include <string>
#include <vector>

#include "files/airfoilfile.h"
#include "platform/drawtarget.h"

namespace sharedwindows {

// The file-type list's entries and the pattern each gives: the five characters before
// the closing parenthesis.
const std::vector<std::string>& AirfoilFileTypes();
std::string FilterPattern(const std::string& entry);

// A path of fewer than 31 characters whole, else its first 12, "..." and its last 10.
std::string AbbreviatedPath(const std::string& path);

// The files of `dir` matching a "*.ext" pattern, whatever the case, sorted by name.
std::vector<std::string> MatchingFiles(const std::string& dir, const std::string& pattern);

// The directory list: the folders from the root down to `dir` (each open), then the
// folders inside `dir`, each indented by its depth.
struct DirEntry {
  std::string path;
  std::string label;
  int depth = 0;
  bool current = false;
};
std::vector<DirEntry> DirectoryEntries(const std::string& dir);

// The mounted volume whose root holds `path` (the longest matching root); -1 when none.
int VolumeIndexFor(const std::vector<std::string>& roots, const std::string& path);

// A file chosen in the list, read apart from the shared state.
struct FileChoice {
  std::string path;
  std::string name;   // without its last four characters
  std::string ext;    // its last three characters
  files::AirfoilData data;
  files::AirfoilReadResult result;
  std::string summary;         // title, file name or refusal
  std::string pointCountText;  // point count
};
FileChoice ChooseFile(const std::string& dir, const std::string& fileName);

// What Open does with the last file read.
enum class OpenDecision { NoFileChosen, Accept, TooFewPoints };
OpenDecision DecideOpen(const FileChoice* choice);

// The preview in the window's own twips: the chord line from (400, 5000) to (5800, 5000)
// in black and the outline in red, a point (x, y) at (600 + 5000 x, 5000 - 5000 y).
void DrawAirfoilPreview(platform::DrawTarget& target, const files::AirfoilData& data);

}  // namespace sharedwindows
