#include "core/plaintext.h"

namespace core {

std::string_view Trimmed(std::string_view s, std::string_view chars) {
  std::size_t b = s.find_first_not_of(chars);
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(chars);
  return s.substr(b, e - b + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualsIgnoringCase(text.substr(text.size() - end.size()), end);
}

std::string CountOf(long long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace core
