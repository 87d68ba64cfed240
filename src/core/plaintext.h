#pragma once
// Small text rules shared by the readers: trimming and case-blind comparison of ASCII
// names (settings keys, file names), the way the program's files were written; counts in
// the English of the batch program and the kit's list.
#include <string>
#include <string_view>

namespace core {

inline constexpr std::string_view kSpaces = " ";
inline constexpr std::string_view kBlanks = " \t";

// `s` without the leading and trailing characters of `chars`.
std::string_view Trimmed(std::string_view s, std::string_view chars = kSpaces);

constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Whether `text` ends with `end`, letters compared without regard to case.
bool EndsWithIgnoringCase(std::string_view text, std::string_view end);
// "1 rib", "3 ribs": a count with the English word that agrees with it.
std::string CountOf(long long count, const char* one, const char* many);

}  // namespace core
