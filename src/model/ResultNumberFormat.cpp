// Locale-free number texts of the results page.
#include "model/ResultNumberFormat.h"

#include <cmath>

#include "model/NumberText.h"

namespace qv {

namespace {

bool AllZeroDigits(const std::string& s) {
  for (char c : s)
    if (c >= '1' && c <= '9') return false;
  return true;
}

}  // namespace

std::string FormatFixedClean(double value, int decimals) {
  std::string s = FormatFixed(value, decimals);
  if (!s.empty() && s[0] == '-' && AllZeroDigits(s)) s.erase(0, 1);
  return s;
}

std::string FormatChartNumber(double value, const std::string& groupSeparator,
                              const std::string& decimalSeparator) {
  if (!std::isfinite(value)) return FormatFixed(value, 2);
  std::string s = FormatFixedClean(value, 3);  // digits with '.' and exactly 3 decimals
  std::string sign;
  if (!s.empty() && s[0] == '-') {
    sign = "-";
    s.erase(0, 1);
  }
  const std::size_t dot = s.find('.');
  if (dot == std::string::npos) return sign + s;  // too large for fixed form: as it came
  const std::string whole = s.substr(0, dot);
  std::string decimals = s.substr(dot + 1);
  if (decimals.size() == 3 && decimals[2] == '0') decimals.erase(2);  // the optional '#'
  std::string grouped;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += groupSeparator;
    grouped += whole[i];
  }
  return sign + grouped + decimalSeparator + decimals;
}

}  // namespace qv
