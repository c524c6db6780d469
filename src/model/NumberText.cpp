// Number parsing and formatting with std::from_chars / std::to_chars (never the C locale).
#include "model/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace qv {

int ParseNumber(const std::string& input, double min, double max, double& value) {
  std::string text = input.substr(0, input.find('\n'));
  const auto comma = text.find(',');
  if (comma != std::string::npos) text[comma] = '.';
  if (text.empty() || text == " ") return -1;

  // As a C literal: leading white space and a sign are allowed, nothing may follow.
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' ||
                             text[i] == '\v' || text[i] == '\f'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= text.size() || text[i] == '+' || text[i] == '-') return -1;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  double v = 0.0;
  auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
  if (ptr != last) return -1;
  if (ec == std::errc::result_out_of_range) {
    // Too large a magnitude is out of any range; too small a one (negative exponent) is zero.
    const std::string_view digits(first, static_cast<std::size_t>(last - first));
    const auto e = digits.find_first_of("eE");
    const bool underflow =
        e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
    v = underflow ? 0.0 : HUGE_VAL;
  } else if (ec != std::errc()) {
    return -1;
  }
  if (negative) v = -v;
  if (!(v >= min && v <= max)) return -2;
  value = v;
  return 0;
}

std::string FormatFixed(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  char buf[400];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return FormatExp(value);
  return std::string(buf, ptr);
}

std::string FormatExp(double value) {
  char buf[64];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 6);
  if (ec != std::errc()) return "0.000000E+00";
  std::string s(buf, ptr);
  for (auto& c : s) {
    if (c == 'e') c = 'E';
  }
  return s;
}

std::string FormatReal(double value, int decimals) {
  return decimals < 0 ? FormatExp(value) : FormatFixed(value, decimals);
}

std::string FormatFixedSignificant(double value, int decimals, int significant) {
  if (decimals < 0 || significant <= 0 || !std::isfinite(value) || value == 0.0)
    return FormatFixed(value, decimals);
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int needed = std::min(significant - 1 - magnitude, 17);
  if (needed <= decimals) return FormatFixed(value, decimals);
  std::string text = FormatFixed(value, needed);
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return text;
  const std::size_t shortest = point + 1 + static_cast<std::size_t>(decimals);
  while (text.size() > shortest && text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

namespace {

std::string ShortNumber(double value) {
  if (value != 0.0 && std::fabs(value) < 0.001) return FormatFixedSignificant(value, 0, 3);
  std::string text = FormatFixed(value, 3);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

}  // namespace

std::string RangeText(const std::string& label, double min, double max) {
  std::string text = label;
  if (!text.empty() && text.back() != ':') text += ':';
  return text + " anna luku väliltä " + ShortNumber(min) + " … " + ShortNumber(max);
}

}  // namespace qv
