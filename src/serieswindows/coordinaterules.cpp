#include "serieswindows/coordinaterules.h"

#include "core/typednumber.h"
#include "core/numformat.h"
#include "files/coordinatefile.h"

namespace serieswindows {

std::string ScaleBoxText(const std::string& typed) {
  std::string digits;
  for (char c : typed)
    if (c >= '0' && c <= '9') digits += c;
  // Leading zeros say nothing; a lone 0 stays so that the user sees what was typed.
  const std::size_t first = digits.find_first_not_of('0');
  digits = first == std::string::npos ? digits.substr(0, digits.empty() ? 0 : 1) : digits.substr(first);
  if (digits.size() > 9) digits.resize(9);
  std::string grouped;
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) grouped += ' ';
    grouped += digits[i];
  }
  return grouped;
}

double ScaleFromBox(const std::string& text) { return core::NumberFromText(text); }

std::string EnteredPointLine(const std::string& xText, const std::string& yText, double scale) {
  return files::PointLine(core::NumberFromText(xText) / scale, core::NumberFromText(yText) / scale);
}

}  // namespace serieswindows
