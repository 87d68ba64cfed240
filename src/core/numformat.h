#pragma once
// Number texts. Every display and file pattern of the program goes through here so that
// the same number is written the same way everywhere. "." is always the decimal mark.
//
// Pattern meaning: "0" a required digit, "#" an optional one; a blank in the integer part
// groups thousands by a blank; rounding to the last decimal is printf's on the exact
// binary value; optional decimals drop trailing zeros; an optional integer part drops a
// lone zero and the point stays when no decimal is left ("# ###.###": 202 -> "202.",
// 0.5 -> ".5"); a negative value keeps its sign even when it rounds to zero.
#include <string>
#include <string_view>

namespace core {

std::string FormatNumber(double value, std::string_view pattern);
// The same text added to the end of `out`, for writers that format many numbers.
void AppendNumber(std::string& out, double value, std::string_view pattern);

// A pattern read once, for a writer that formats many numbers with it.
struct NumberPattern {
  explicit NumberPattern(std::string_view pattern);
  int minIntDigits = 0;
  bool group = false;  // thousands apart
  bool hasPoint = false;
  int requiredDecimals = 0;
  int optionalDecimals = 0;
};
void AppendNumber(std::string& out, double value, const NumberPattern& pattern);

// The integer form with one leading blank for non-negative numbers (" 7", "-7").
std::string IntegerText(long value);

// A file text as shown on screen: a leading "." gets a "0", a trailing "." is dropped.
std::string ScreenNumberText(std::string text);

// The plain conversion of a single-precision number to text (up to 7 significant digits,
// no trailing zeros, "." as decimal mark), as the program writes a stored length.
std::string PlainNumberText(float value);
// The same for doubles (up to 15 significant digits).
std::string PlainNumberText(double value);

// Reads the longest numeric prefix after dropping blanks, tabs and line feeds anywhere:
// "0,5" reads 0, "abc" reads 0, " 1 2" reads 12.
double LeadingNumber(std::string_view text);

// Nearest whole number, halves to even.
long RoundHalfEven(double value);

}  // namespace core
