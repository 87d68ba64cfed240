#include "core/typednumber.h"

#include <charconv>
#include <cmath>

#include "core/plaintext.h"

namespace core {

namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }
constexpr std::string_view kBlanks = " \t\n\r";
bool IsNumberBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }

bool AllDigits(std::string_view t) {
  for (char c : t)
    if (!IsDecimalDigit(c)) return false;
  return true;
}

// Whole digits, perhaps grouped by thousands with single blanks ("1 234"), onto `digits`.
bool ReadWhole(std::string_view t, std::string& digits) {
  std::size_t blank = t.find(' ');
  std::string_view head = t.substr(0, blank);
  if (head.empty() || !AllDigits(head) || (blank != std::string_view::npos && head.size() > 3)) return false;
  digits += head;
  while (blank != std::string_view::npos) {
    t.remove_prefix(blank + 1);
    blank = t.find(' ');
    std::string_view group = t.substr(0, blank);
    if (group.size() != 3 || !AllDigits(group)) return false;
    digits += group;
  }
  return true;
}

// A number with no sign: whole part, separator, decimals, exponent.
NumberReading ReadUnsigned(std::string_view t) {
  std::string number;
  std::size_t e = t.find_first_of("eE");
  std::string_view exponent = e == std::string_view::npos ? std::string_view() : t.substr(e + 1);
  std::string_view mantissa = t.substr(0, e);
  const std::size_t separator = mantissa.find_first_of(".,");
  std::string_view whole = mantissa.substr(0, separator);
  std::string_view decimals = separator == std::string_view::npos ? std::string_view() : mantissa.substr(separator + 1);
  if (!AllDigits(decimals)) return {0, true};
  if (whole.empty()) {
    if (decimals.empty()) return {0, true};
    number = "0";
  } else if (!ReadWhole(whole, number)) {
    return {0, true};
  }
  if (!decimals.empty()) number.append(".").append(decimals);
  if (e != std::string_view::npos) {
    number += 'e';
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
      if (exponent.front() == '-') number += '-';
      exponent.remove_prefix(1);
    }
    if (exponent.empty() || !AllDigits(exponent)) return {0, true};
    number.append(exponent);
  }
  double v = 0;
  // Out of a double's range reads as 0 rather than infinity.
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), v);
  if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(v)) v = 0;
  return {v, false};
}

// The sign, then what `body` reads; a blank between sign and number is not a number.
template <class Body>
NumberReading ReadSigned(std::string_view text, Body body) {
  std::string_view t = Trimmed(text, kBlanks);
  if (t.empty()) return {};
  bool negative = false;
  if (t.front() == '-' || t.front() == '+') {
    negative = t.front() == '-';
    t.remove_prefix(1);
    if (t.empty() || IsNumberBlank(t.front())) return {0, true};
  }
  NumberReading r = body(t);
  if (r.malformed) return {0, true};
  if (negative && r.value != 0) r.value = -r.value;
  return r;
}

// "n/d", or whole inches, one joint and "n/d"; a text without "/" is a decimal number.
NumberReading ReadInchBody(std::string_view t) {
  const std::size_t slash = t.find('/');
  if (slash == std::string_view::npos) return ReadUnsigned(t);
  const std::string_view denominatorText = t.substr(slash + 1);
  if (denominatorText.empty() || !AllDigits(denominatorText)) return {0, true};
  std::size_t start = slash;
  while (start > 0 && IsDecimalDigit(t[start - 1])) --start;
  const std::string_view numeratorText = t.substr(start, slash - start);
  if (numeratorText.empty()) return {0, true};
  const double denominator = ReadUnsigned(denominatorText).value;
  if (denominator == 0) return {0, true};
  const double fraction = ReadUnsigned(numeratorText).value / denominator;

  std::string_view before = t.substr(0, start);
  if (before.empty()) return {fraction, false};
  const char joint = before.back();
  before.remove_suffix(1);
  if (joint == ' ') {
    while (!before.empty() && before.back() == ' ') before.remove_suffix(1);
  } else if (joint == '-') {
    if (before.empty()) return {0, true};
  } else if (joint != '.' && joint != ',') {
    return {0, true};
  }
  // ".3/8": no whole inches.
  if (before.empty()) return {fraction, false};
  std::string whole;
  if (!ReadWhole(before, whole)) return {0, true};
  return {ReadUnsigned(whole).value + fraction, false};
}

}  // namespace

NumberReading ReadNumber(std::string_view text) { return ReadSigned(text, ReadUnsigned); }

NumberReading ReadInchNumber(std::string_view text) { return ReadSigned(text, ReadInchBody); }

double NumberFromText(std::string_view text) { return ReadNumber(text).value; }

// The blank: pasted texts carry blanks around them, and lengths of a thousand and more
// show grouped ("1 234.5").
std::string NumberKeys() { return "1234567890., "; }

}  // namespace core
