#pragma once
// Helpers of the project-file tests: a new rib, files taken apart into lines and put back,
// language texts that name themselves.
#include <string>
#include <string_view>
#include <vector>

#include "core/newrib.h"
#include "core/ribdocument.h"
#include "platform/texts.h"

namespace testsupport {

inline core::RibDocument NewRib(const char* unit = " mm") {
  core::RibDocument s;
  s.settings.unitText = unit;
  core::ClearRib(s);
  return s;
}

inline std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string out;
  for (const std::string& l : lines) out += l + end;
  return out;
}

inline std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> out;
  for (std::size_t pos = 0, end; pos < bytes.size(); pos = end + 2) {
    end = bytes.find("\r\n", pos);
    out.push_back(bytes.substr(pos, end - pos));
  }
  return out;
}

// Line `index` (0-based) of a CR LF file replaced by `text`; without `text`, removed.
inline std::string WithLine(const std::string& bytes, std::size_t index, const char* text) {
  std::vector<std::string> lines = Lines(bytes);
  if (text) lines.at(index) = text;
  else lines.erase(lines.begin() + static_cast<long>(index));
  return Join(lines);
}

// Language texts that name themselves, so a test sees which text went where.
struct SelfNamingTexts {
  SelfNamingTexts() {
    platform::SetTextLookup([](std::string_view section, std::string_view key) {
      return std::string(section) + "/" + std::string(key);
    });
  }
  ~SelfNamingTexts() { platform::SetTextLookup(nullptr); }
};

}  // namespace testsupport
