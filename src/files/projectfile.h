#pragma once
// Project files (.vdl): one rib set-up, one value a line, CR LF, Windows-1252. Lengths are
// kept as typed; the reader converts them with the unit in force. The airfoil itself is
// not stored: the reader looks its file up again by name in the airfoil directories. A
// file read is written back as it was wherever its values did not change (projectwriter).
#include <string>
#include <string_view>
#include <vector>

#include "core/ribdocument.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"

namespace files {

inline constexpr const char* kProjectHeader = "VDL V3.0 -02 Caution don't delete this file !!";
inline constexpr const char* kProjectEndLine = "End of File V 3.0.02 modif 02/10/2002";

// ---- Writer ----

// The lines of the current layout for the set-up in `document`. A value that is still the one
// read from the rib's file (`document.project.asRead`) keeps that file's line as it was, line end
// included, and whatever followed the end line stays after it: a project opened and saved
// again is the same file, byte for byte. Lines whose value changed are written afresh.
core::ProjectFileLines ProjectLines(const core::RibDocument& document);
std::string BytesOf(const core::ProjectFileLines& lines);
// The lines as the writer makes them from the values alone, whatever file the rib came from.
std::vector<core::ProjectFileLine> LinesAfresh(const core::RibDocument& document);
// The bytes of ProjectLines.
std::string ProjectFileText(const core::RibDocument& document);
// Writes ProjectFileText to `path` atomically: on failure the previous file is whole and
// `error` says why; on success `written` (when given) holds the lines as now in the file.
// A file marked read-only is refused ("read-only") unless `readOnly` says to replace it.
bool WriteProject(const core::RibDocument& document, const std::string& path, platform::ErrorInfo* error = nullptr,
                  core::ProjectFileLines* written = nullptr,
                  platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse);

// The folder part of a path, up to and including its last separator, and the rest.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);

// ---- Reader ----

struct ProjectReadResult {
  bool ok = false;
  bool fileRead = false;        // the bytes were read: a failure after that is a damaged file
  bool olderLayout = false;
  bool rewritten = false;       // an older-layout file now holds the current layout
  std::string airfoilFileName;  // the name the airfoil search looks for
  platform::ErrorInfo error;    // when !ok
};

// Reads file contents over the rib set-up of `document`, which should hold a new rib, and keeps
// the lines as read in `document.project.asRead` (none for the older layout). On failure `document` is
// left exactly as it was: a damaged file never leaves a half-read set-up.
ProjectReadResult ReadProjectText(std::string_view bytes, core::RibDocument& document);
// What becomes of an older-layout file once it has been read whole: rewritten in the
// current layout where it lies (atomically), or left as it is.
enum class OlderLayout { Rewrite, Keep };
// Reads the file at `path`. An older layout opens whether or not it can be rewritten: a
// file that may not be written (read-only, a full disk) is simply left in its layout and
// is written in the current one at the next save; a rewritten one is kept as written. On
// failure `document` is unchanged.
ProjectReadResult ReadProjectFile(const std::string& path, core::RibDocument& document,
                                  OlderLayout older = OlderLayout::Rewrite);

// ---- Airfoil search ----

// Depth-first search of `dir` and its subfolders (in name order) for `fileName`; every
// match replaces the previous one, so the last found wins. "" when none.
std::string SearchAirfoil(const std::string& dir, const std::string& fileName);
// airfoilDir first, then seriesAirfoilDir.
std::string FindProjectAirfoil(const core::RibDocument& document, const std::string& fileName);

}  // namespace files
