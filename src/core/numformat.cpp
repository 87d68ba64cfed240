#include "core/numformat.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace core {

NumberPattern::NumberPattern(std::string_view pattern) {
  std::size_t dot = pattern.find('.');
  std::string_view intPart = pattern.substr(0, dot);
  for (char c : intPart) {
    if (c == '0') ++minIntDigits;
    if (c == ' ') group = true;
  }
  if (dot != std::string_view::npos) {
    hasPoint = true;
    for (char c : pattern.substr(dot + 1)) {
      if (c == '0') ++requiredDecimals;
      if (c == '#') ++optionalDecimals;
    }
  }
}

namespace {

// Powers of ten up to 10^15, the most decimals the exact path takes.
constexpr std::uint64_t kPowersOfTen[16] = {
    1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL, 10000000ULL, 100000000ULL,
    1000000000ULL, 10000000000ULL, 100000000000ULL, 1000000000000ULL, 10000000000000ULL,
    100000000000000ULL, 1000000000000000ULL};

// The exact binary value of `magnitude` (not negative) times 10^decimals, rounded half to
// even as printf rounds it. False where that takes more than 64 bits or the compiler has no
// 128-bit integers: std::to_chars writes those. The writers call this hundreds of thousands
// of times, and to_chars' general method was most of a DXF file's time.
bool ScaledExactly(double magnitude, int decimals, std::uint64_t& scaled) {
#ifdef __SIZEOF_INT128__
  using Wide = unsigned __int128;
  if (decimals < 0 || decimals > 15) return false;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = -1074;  // subnormal
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  const Wide product = Wide{mantissa} * kPowersOfTen[decimals];  // below 2^53 * 10^15 < 2^103
  Wide rounded = 0;
  if (exponent >= 0) {
    if (exponent > 11) return false;
    rounded = product << exponent;
  } else if (-exponent < 110) {  // beyond, the value is below half a unit: it rounds to 0
    const int shift = -exponent;
    const Wide quotient = product >> shift;
    const Wide rest = product - (quotient << shift);
    const Wide half = Wide{1} << (shift - 1);
    rounded = quotient + ((rest > half || (rest == half && (quotient & 1) != 0)) ? 1 : 0);
  }
  if (rounded > std::numeric_limits<std::uint64_t>::max()) return false;
  scaled = static_cast<std::uint64_t>(rounded);
  return true;
#else
  (void)magnitude;
  (void)decimals;
  (void)scaled;
  return false;
#endif
}

// `magnitude` with exactly `decimals` decimals, as printf's "%.*f" writes it; returns the end.
char* FixedText(char* begin, char* end, double magnitude, int decimals) {
  std::uint64_t scaled = 0;
  if (!ScaledExactly(magnitude, decimals, scaled))
    return std::to_chars(begin, end, magnitude, std::chars_format::fixed, decimals).ptr;
  const std::size_t places = static_cast<std::size_t>(decimals);
  char raw[24];
  const std::size_t count = static_cast<std::size_t>(std::to_chars(raw, raw + sizeof raw, scaled).ptr - raw);
  char* out = begin;
  if (count > places) {
    out = std::copy(raw, raw + (count - places), out);
  } else {
    *out++ = '0';
  }
  if (places > 0) {
    *out++ = '.';
    const std::size_t shown = std::min(count, places);
    out = std::fill_n(out, places - shown, '0');
    out = std::copy(raw + (count - shown), raw + count, out);
  }
  return out;
}

}  // namespace

void AppendNumber(std::string& out, double value, std::string_view pattern) {
  AppendNumber(out, value, NumberPattern(pattern));
}

void AppendNumber(std::string& out, double value, const NumberPattern& p) {
  if (!std::isfinite(value)) {
    out += '0';
    return;
  }
  const bool negative = std::signbit(value) && value != 0.0;
  // Rounded from the exact binary value like printf, but never following the C locale.
  char buf[400];
  const char* end = FixedText(buf, buf + sizeof buf, std::fabs(value), p.requiredDecimals + p.optionalDecimals);
  const std::string_view fixed(buf, static_cast<std::size_t>(end - buf));
  const std::size_t dot = fixed.find('.');
  std::string_view intDigits = fixed.substr(0, dot);
  std::string_view frac = dot == std::string_view::npos ? std::string_view() : fixed.substr(dot + 1);
  while (static_cast<int>(frac.size()) > p.requiredDecimals && !frac.empty() && frac.back() == '0') frac.remove_suffix(1);
  if (intDigits == "0" && p.minIntDigits == 0) intDigits = {};
  const std::size_t padding =
      static_cast<std::size_t>(std::max(0, p.minIntDigits - static_cast<int>(intDigits.size())));
  const std::size_t digits = padding + intDigits.size();

  // Composed here and added at once: the DXF and series writers format hundreds of
  // thousands of numbers. The sign, the digits with a blank for every three, the point.
  const std::size_t needed = 2 + digits + digits / 3 + frac.size();
  char onStack[512];
  std::string onHeap;  // only for a pattern of hundreds of required digits
  char* text = onStack;
  if (needed > sizeof onStack) {
    onHeap.resize(needed);
    text = onHeap.data();
  }
  char* t = text;
  if (negative) *t++ = '-';
  for (std::size_t i = 0; i < digits; ++i) {
    if (p.group && i > 0 && (digits - i) % 3 == 0) *t++ = ' ';  // thousands apart
    *t++ = i < padding ? '0' : intDigits[i - padding];
  }
  if (p.hasPoint) {
    *t++ = '.';
    t = std::copy(frac.begin(), frac.end(), t);
  }
  out.append(text, static_cast<std::size_t>(t - text));
}

std::string FormatNumber(double value, std::string_view pattern) {
  std::string out;
  AppendNumber(out, value, pattern);
  return out;
}

std::string IntegerText(long value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string ScreenNumberText(std::string text) {
  if (!text.empty() && text.front() == '.') text.insert(text.begin(), '0');
  else if (text.size() >= 2 && text[0] == '-' && text[1] == '.') text.insert(text.begin() + 1, '0');
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

namespace {
std::string GeneralText(double value, int significant) {
  if (!std::isfinite(value)) return "0";
  if (value == 0) return "0";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, significant);
  std::string s(buf, res.ptr);
  std::size_t e = s.find('e');
  std::string mantissa = s.substr(0, e);
  std::string exponent = e == std::string::npos ? std::string() : s.substr(e);
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  if (!exponent.empty()) {
    // "1e-08" -> "1E-08"
    exponent[0] = 'E';
  }
  return mantissa + exponent;
}
}  // namespace

std::string PlainNumberText(float value) { return GeneralText(static_cast<double>(value), 7); }
std::string PlainNumberText(double value) { return GeneralText(value, 15); }

double LeadingNumber(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  std::size_t i = 0;
  std::string num;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) num += s[i++];
  bool digits = false;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { num += s[i++]; digits = true; }
  if (i < s.size() && s[i] == '.') {
    num += s[i++];
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { num += s[i++]; digits = true; }
  }
  if (!digits) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
    bool expDigits = false;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) { exp += s[j++]; expDigits = true; }
    if (expDigits) num += exp;
  }
  double v = 0;
  const char* first = num.c_str();
  if (*first == '+') ++first;
  std::from_chars(first, num.c_str() + num.size(), v);
  return std::isfinite(v) ? v : 0.0;
}

long RoundHalfEven(double value) {
  if (!std::isfinite(value)) return 0;
  if (value > 2e9) return 2000000000L;
  if (value < -2e9) return -2000000000L;
  return std::lrint(value);  // the default rounding mode sends halves to even
}

}  // namespace core
