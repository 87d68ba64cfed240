#pragma once
// The coordinates editor's files: a title line, then the editor's lines as they stand,
// each ended by CR LF.
#include <string>
#include <vector>

#include "platform/errorreport.h"

namespace files {

// How the coordinate, derived-airfoil and series files end their lines.
inline constexpr const char* kLineEnd = "\r\n";

// A point line: x and y each "0.000000" (always with "." whatever the system's mark, as
// the airfoil reader wants it), four blanks between them, three before a negative y so
// that the columns line up.
std::string PointLine(double x, double y);

// Every line of the file in order (CR LF, LF or CR ends; a last line end adds no empty
// line); text that is not UTF-8 is read as Windows-1252. False when the file cannot be read.
bool ReadCoordinateLines(const std::string& path, std::vector<std::string>& lines, platform::ErrorInfo& error);

std::string CoordinateFileText(const std::string& title, const std::vector<std::string>& lines);
// Written atomically: a failure leaves any earlier file whole.
bool WriteCoordinateFile(const std::string& path, const std::string& title, const std::vector<std::string>& lines,
                         platform::ErrorInfo& error);

}  // namespace files
