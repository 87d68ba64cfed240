#include "core/lengths.h"

#include <cfloat>
#include <cmath>

#include "core/numformat.h"
#include "core/typednumber.h"

namespace core {

namespace {

bool IsInches(std::string_view unitText) { return unitText != " mm"; }

// Values a float cannot hold (typed or read from a file) count as 0 rather than overflow.
float FloatOrZero(double v) {
  if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) return 0.0f;
  return static_cast<float>(v);
}

}  // namespace

LengthReading ReadLength(std::string_view text, std::string_view unitText) {
  if (text == "0") return {};
  const bool inches = IsInches(unitText);
  const NumberReading r = inches ? ReadInchNumber(text) : ReadNumber(text);
  if (r.malformed) return {0.0f, true};
  return {FloatOrZero(inches ? r.value * kMmPerInch : r.value), false};
}

float LengthFromText(std::string_view text, std::string_view unitText) { return ReadLength(text, unitText).mm; }

Length TypedLength(std::string_view text, std::string_view unitText) {
  return {LengthFromText(text, unitText), std::string(text)};
}

std::string LengthToText(float mm, std::string_view unitText) {
  if (mm == 0.0f) return "0";
  if (!IsInches(unitText)) return PlainNumberText(mm);

  // Single precision on purpose: 38.1 mm must come out as exactly 1.5 in.
  float v = mm / 25.4f;
  bool negative = v < 0;
  float a = std::fabs(v);
  float whole = std::trunc(a);
  float f = a - whole;
  if (f != 0.0f) {
    float doubled = f;
    for (int k = 1, denominator = 2; k <= 6; ++k, denominator *= 2) {
      doubled *= 2.0f;
      if (doubled == std::trunc(doubled)) {
        std::string text = std::to_string(static_cast<long>(whole)) + "." +
                           std::to_string(static_cast<long>(doubled)) + "/" + std::to_string(denominator);
        return negative ? "-" + text : text;
      }
    }
  }
  return ScreenNumberText(FormatNumber(static_cast<double>(v), "# ###.###"));
}

std::string UnitNumberText(double mm, std::string_view unitText) {
  const bool inches = unitText == " in";
  const double value = inches ? mm / kMmPerInch : mm;
  std::string text = FormatNumber(value, inches ? "# ###.000" : "# ###.00");
  // "-.50" and ".50" read badly in a box.
  if (text.rfind("-.", 0) == 0) text.insert(1, "0");
  return ScreenNumberText(text);
}

LengthReading ReadPosition(std::string_view text, float chordMm, std::string_view unitText) {
  std::string_view t = text;
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  if (!t.empty() && t.back() == '%') {
    t.remove_suffix(1);
    // "25 %" as French sets it is 25 %; "%" alone is no percentage.
    if (t.find_first_not_of(' ') == std::string_view::npos) return {0.0f, true};
    const NumberReading r = ReadNumber(t);
    if (r.malformed) return {0.0f, true};
    return {FloatOrZero(r.value * static_cast<double>(chordMm) / 100.0), false};
  }
  return ReadLength(text, unitText);
}

float PercentLength(std::string_view text, float chordMm, std::string_view unitText) {
  return ReadPosition(text, chordMm, unitText).mm;
}

float PercentLengthFromTE(std::string_view text, float chordMm, std::string_view unitText) {
  return chordMm - PercentLength(text, chordMm, unitText);
}

double StationFromLE(double mm, double chord) { return std::fabs(400.0 - 400.0 * mm / chord); }

double StationFromTE(double mm, double chord) { return std::fabs(400.0 * mm / chord); }

int NearestStation(double station) {
  if (!std::isfinite(station)) return 0;
  long k = RoundHalfEven(station);
  if (k < 0) return 0;
  if (k > 400) return 400;
  return static_cast<int>(k);
}

double Radians(double degrees) { return degrees * kPi / 180.0; }

std::string LengthKeys(std::string_view unitText, bool negativeAllowed) {
  // "-" joins whole inches to a fraction ("7-1/2") as the blank does.
  if (IsInches(unitText)) return NumberKeys() + "/-";
  return negativeAllowed ? NumberKeys() + "-" : NumberKeys();
}

std::optional<float> ChordInTitleMm(std::string_view title) {
  const std::size_t colon = title.rfind(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::string_view value = title.substr(colon + 1);
  auto trim = [&value] {
    while (!value.empty() && (value.back() == ' ' || value.back() == '\r' || value.back() == '\t'))
      value.remove_suffix(1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  };
  trim();
  std::string_view unit = " mm";
  auto endsWith = [&value](std::string_view end) { return value.size() > end.size() && value.ends_with(end); };
  if (endsWith(" in") || endsWith(" IN")) {
    unit = " in";
    value.remove_suffix(3);
  } else if (endsWith(" mm")) {
    value.remove_suffix(3);
  } else if (!value.empty() && value.back() == '"') {
    unit = " in";
    value.remove_suffix(1);
  }
  trim();
  if (value.empty() || value.find_first_not_of("0123456789./ ") != std::string_view::npos || value[0] < '0' ||
      value[0] > '9')
    return std::nullopt;
  const LengthReading chord = ReadLength(value, unit);
  if (chord.malformed || !(chord.mm > 0) || !std::isfinite(chord.mm)) return std::nullopt;
  return chord.mm;
}

}  // namespace core
