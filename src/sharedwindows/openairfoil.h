#pragma once
// The rules of the open-airfoil window `frmopen` apart from the window: the file-type
// filters, what a chosen file reads as, whether it may be opened, and the preview.
#include <string>
#include <vector>

#include "files/airfoilfile.h"
#include "platform/drawtarget.h"

namespace sharedwindows {

// The file-type list's entries, as the file dialog's name filters.
std::vector<std::string> AirfoilFileTypes();

// A file highlighted or typed, read apart from the shared state. Highlighting and Open
// read it the same way, so a file is judged the same whichever the user did.
struct FileChoice {
  std::string path;
  std::string name;   // without its last four characters
  std::string ext;    // its last three characters
  files::AirfoilData data;
  files::AirfoilReadResult result;
  std::string summary;         // title, file name or refusal
  std::string pointCountText;  // point count
  // Why the file cannot be opened, in the user's words; empty for a file Open accepts.
  std::string problem;
};
FileChoice ChooseFile(const std::string& path);

// The preview, millimetres on a picture the window scales to its width: the chord line from
// (8, 100) to (116, 100) in black and the outline in red, a point (x, y) at
// (12 + 100 x, 100 - 100 y).
void DrawAirfoilPreview(platform::DrawTarget& target, const files::AirfoilData& data);

}  // namespace sharedwindows
