#include "files/coordinatefile.h"

#include "core/numformat.h"
#include "files/ini.h"
#include "platform/fileio.h"

namespace files {

std::string PointLine(double x, double y) {
  return core::FormatNumber(x, "0.000000") + (y < 0 ? "   " : "    ") + core::FormatNumber(y, "0.000000");
}

bool ReadCoordinateLines(const std::string& path, std::vector<std::string>& lines, platform::ErrorInfo& error) {
  const platform::ReadOutcome file = platform::ReadWholeFile(path);
  if (!file.ok()) {
    error = platform::ReadErrorInfo(file, path);
    return false;
  }
  std::string raw = file.bytes;
  if (!IsValidUtf8(raw)) raw = Cp1252ToUtf8(raw);
  lines.clear();
  std::size_t pos = 0;
  while (pos < raw.size()) {
    const std::size_t end = raw.find_first_of("\r\n", pos);
    if (end == std::string::npos) {
      lines.push_back(raw.substr(pos));
      break;
    }
    lines.push_back(raw.substr(pos, end - pos));
    pos = end + 1;
    if (raw[end] == '\r' && pos < raw.size() && raw[pos] == '\n') ++pos;
  }
  return true;
}

std::string CoordinateFileText(const std::string& title, const std::vector<std::string>& lines) {
  std::string text = title + kLineEnd;
  for (const std::string& line : lines) text += line + kLineEnd;
  return text;
}

bool WriteCoordinateFile(const std::string& path, const std::string& title, const std::vector<std::string>& lines,
                         platform::ErrorInfo& error) {
  const platform::FileOutcome written = platform::WriteFileAtomically(path, CoordinateFileText(title, lines));
  if (written.ok()) return true;
  error = platform::WriteErrorInfo(written, path);
  return false;
}

}  // namespace files
