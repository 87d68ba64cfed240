#pragma once
// Profile-string access to INI files (the settings file and the language files).
// Section and key names compare without regard to case; spaces around a value are
// dropped; a value reads back at most 199 characters; a missing file, section or key
// reads as "". A write creates the file, section or key as needed, replaces a value in
// place and keeps every other line. Files may use CR LF or LF; they are read as UTF-8,
// or as Windows-1252 when they are not valid UTF-8. Values are returned as UTF-8.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace files {

inline constexpr std::size_t kIniValueMax = 199;

std::string GetINIFile(std::string_view section, std::string_view key, const std::string& file);

// Writes atomically (a temporary file, then a rename): a failure leaves the old file whole.
// A value that is not valid UTF-8 is taken as Windows-1252. Refused (false, file
// untouched): a value, section or key holding a line break, an empty or malformed name,
// and a file that exists but cannot be read (writing would lose its other lines).
bool WriteINIFile(std::string_view section, std::string_view key, std::string_view value, const std::string& file);

// Several keys of one section in a single rewrite of the file, in the given order.
using IniEntries = std::vector<std::pair<std::string, std::string>>;
bool WriteINIEntries(std::string_view section, const IniEntries& entries, const std::string& file);

// True when `value` written and read back gives the same text (UTF-8 with no surrounding
// blanks, no line break, at most 199 characters).
bool FitsIniValue(std::string_view value);

// Windows-1252 <-> UTF-8. The five bytes 1252 leaves undefined map to U+0081, U+008D,
// U+008F, U+0090 and U+009D so that a round trip keeps every byte; characters 1252
// cannot hold become "?".
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);
bool IsValidUtf8(std::string_view text);

// platform::WriteFileAtomically without the cause of a failure; new writers call that one,
// so that the user is told why a save failed.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace files
