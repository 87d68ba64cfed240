#include "core/lengths.h"

#include <cfloat>
#include <cmath>

#include "core/numformat.h"

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
  if (!IsInches(unitText)) return {FloatOrZero(LeadingNumber(text)), false};

  std::string t(text);
  if (t.find("./") != std::string::npos || (!t.empty() && t.front() == '/')) {
    return {0.0f, true};
  }
  if (!t.empty() && t.front() == '.') t.insert(t.begin(), '0');
  std::size_t slash = t.find('/');
  if (slash == std::string::npos) {
    if (!t.empty() && t.back() == '.') t.pop_back();
    return {FloatOrZero(LeadingNumber(t) * kMmPerInch), false};
  }
  std::size_t dot = t.find('.');
  double whole = 0;
  std::string numerator;
  if (dot != std::string::npos && dot < slash) {
    whole = LeadingNumber(t.substr(0, dot));
    numerator = t.substr(dot + 1, slash - dot - 1);
  } else {
    // "1/16": a fraction with no whole part.
    numerator = t.substr(0, slash);
  }
  double denominator = LeadingNumber(t.substr(slash + 1));
  if (denominator == 0) {
    return {0.0f, true};
  }
  return {FloatOrZero((whole + LeadingNumber(numerator) / denominator) * kMmPerInch), false};
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

float PercentLength(std::string_view text, float chordMm, std::string_view unitText) {
  if (!text.empty() && text.back() == '%') {
    return FloatOrZero(LeadingNumber(text.substr(0, text.size() - 1)) * static_cast<double>(chordMm) / 100.0);
  }
  return LengthFromText(text, unitText);
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

std::string LengthKeys(std::string_view unitText) { return IsInches(unitText) ? "1234567890./" : "1234567890."; }

}  // namespace core
