#include "files/coordinatefile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/numformat.h"
#include "files/ini.h"

namespace files {

std::string PointLine(double x, double y) {
  return core::FormatNumber(x, "0.000000") + (y < 0 ? "   " : "    ") + core::FormatNumber(y, "0.000000");
}

bool ReadCoordinateLines(const std::string& path, std::vector<std::string>& lines, platform::ErrorInfo& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = {platform::kErrFileNotFound, "File not found\n" + path};
    return false;
  }
  std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = {platform::kErrDeviceIo, "Device I/O error\n" + path};
    return false;
  }
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
  std::string text = title + "\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

bool WriteCoordinateFile(const std::string& path, const std::string& title, const std::vector<std::string>& lines,
                         platform::ErrorInfo& error) {
  if (WriteFileAtomically(path, CoordinateFileText(title, lines))) return true;
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty() && !std::filesystem::is_directory(folder, ec))
    error = {platform::kErrPathNotFound, "Path not found\n" + path};
  else
    error = {platform::kErrPermissionDenied, "Permission denied\n" + path};
  return false;
}

}  // namespace files
