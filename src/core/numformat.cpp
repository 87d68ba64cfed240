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

// `magnitude` with `decimals` decimals, as printf's "%.*f" writes it: the integer digits
// into `whole`, the decimals into `part` (both views into `buffer`).
void FixedDigits(double magnitude, int decimals, char (&buffer)[400], std::string_view& whole, std::string_view& part) {
  std::uint64_t scaled = 0;
  if (!ScaledExactly(magnitude, decimals, scaled)) {
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals).ptr;
    const std::string_view fixed(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t dot = fixed.find('.');
    whole = fixed.substr(0, dot);
    part = dot == std::string_view::npos ? std::string_view() : fixed.substr(dot + 1);
    return;
  }
  const std::size_t places = static_cast<std::size_t>(decimals);
  std::uint64_t decimalsValue = scaled % kPowersOfTen[decimals];
  for (std::size_t k = places; k-- > 0; decimalsValue /= 10) buffer[k] = static_cast<char>('0' + decimalsValue % 10);
  part = std::string_view(buffer, places);
  char* const wholeBegin = buffer + places;
  const char* wholeEnd = std::to_chars(wholeBegin, buffer + sizeof buffer, scaled / kPowersOfTen[decimals]).ptr;
  whole = std::string_view(wholeBegin, static_cast<std::size_t>(wholeEnd - wholeBegin));
}

// The usual patterns (no thousands apart, at most one required integer digit) from the
// scaled value straight: the decimals are its remainder, trailing optional zeros divided away.
void AppendScaled(std::string& out, bool negative, std::uint64_t scaled, int decimals, const NumberPattern& p) {
  const std::uint64_t whole = scaled / kPowersOfTen[decimals];
  std::uint64_t part = scaled % kPowersOfTen[decimals];
  int shown = decimals;
  while (shown > p.requiredDecimals && part % 10 == 0) {
    part /= 10;
    --shown;
  }
  char text[48];  // a sign, 20 integer digits, the point, 15 decimals
  char* t = text;
  if (negative) *t++ = '-';
  if (whole != 0 || p.minIntDigits == 1) t = std::to_chars(t, text + sizeof text, whole).ptr;
  if (p.hasPoint) {
    *t++ = '.';
    for (int k = shown; k-- > 0; part /= 10) t[k] = static_cast<char>('0' + part % 10);
    t += shown;
  }
  out.append(text, static_cast<std::size_t>(t - text));
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
  std::uint64_t scaled = 0;
  if (!p.group && p.minIntDigits <= 1 &&
      ScaledExactly(std::fabs(value), p.requiredDecimals + p.optionalDecimals, scaled)) {
    AppendScaled(out, negative, scaled, p.requiredDecimals + p.optionalDecimals, p);
    return;
  }
  // Rounded from the exact binary value like printf, but never following the C locale.
  char buf[400];
  std::string_view intDigits, frac;
  FixedDigits(std::fabs(value), p.requiredDecimals + p.optionalDecimals, buf, intDigits, frac);
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
  if (!p.group && padding == 0) {
    t = std::copy(intDigits.begin(), intDigits.end(), t);
  } else {
    for (std::size_t i = 0; i < digits; ++i) {
      if (p.group && i > 0 && (digits - i) % 3 == 0) *t++ = ' ';  // thousands apart
      *t++ = i < padding ? '0' : intDigits[i - padding];
    }
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
