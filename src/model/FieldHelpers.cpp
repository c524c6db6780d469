// Field splitting of record lines, digit codes and display paths.
#include "model/FieldHelpers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "model/NumberText.h"
#include "model/TextCodec.h"

namespace qv {

namespace {

// Reads the plain decimals this program writes ("-12.500", "6111111") without copying the
// field: a mantissa of at most 15 digits divided by a power of ten (exact up to 1e22) is
// the correctly rounded value, the same one ParseNumber gives. Anything else (blanks, a
// decimal comma, an exponent, long mantissas) is left to ParseNumber. A number without
// decimals also gives its integer (|value| < 1e15).
bool PlainDecimal(std::string_view f, double& v, long long* whole) {
  static constexpr double kTens[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = f.data();
  const char* const end = p + f.size();
  bool negative = false;
  if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
  const char* const first = p;
  std::uint64_t mantissa = 0;
  while (p < end && static_cast<unsigned>(*p - '0') <= 9u)
    mantissa = mantissa * 10u + static_cast<unsigned>(*p++ - '0');
  const std::ptrdiff_t integerDigits = p - first;
  std::ptrdiff_t decimals = 0;
  if (p < end) {
    if (*p != '.') return false;
    const char* const fraction = ++p;
    while (p < end && static_cast<unsigned>(*p - '0') <= 9u)
      mantissa = mantissa * 10u + static_cast<unsigned>(*p++ - '0');
    decimals = p - fraction;
    if (decimals == 0 || p != end) return false;
  }
  if (integerDigits == 0 || integerDigits + decimals > 15) return false;
  v = static_cast<double>(mantissa) / kTens[decimals];
  if (negative) v = -v;
  if (whole != nullptr) {
    if (decimals != 0) return false;
    *whole = negative ? -static_cast<long long>(mantissa) : static_cast<long long>(mantissa);
  }
  return true;
}

int ReadReal(std::string_view field, double& value) {
  double v = 0.0;
  if (!PlainDecimal(field, v, nullptr))
    return ParseNumber(std::string(field), -kRealFieldLimit, kRealFieldLimit, value);
  if (!(v >= -kRealFieldLimit && v <= kRealFieldLimit)) return -2;
  value = v;
  return 0;
}

int ReadInt(std::string_view field, int& value) {
  double v = 0.0;
  long long whole = 0;
  if (PlainDecimal(field, v, &whole)) {
    // An integer needs no rounding.
    if (!(v >= -kIntFieldLimit && v <= kIntFieldLimit)) return -2;
    value = static_cast<int>(whole);
    return 0;
  }
  if (ParseNumber(std::string(field), -kIntFieldLimit, kIntFieldLimit, v) != 0) return -2;
  value = static_cast<int>(std::floor(v));
  return 0;
}

}  // namespace

int SplitFields(char separator, const std::string& line, const std::vector<int>& layout,
                std::vector<std::string>& texts, std::vector<double>& reals,
                std::vector<int>& ints) {
  texts.clear();
  reals.clear();
  ints.clear();
  // The line is cut at its first line feed.
  const char* at = line.data();
  const void* feed = std::memchr(at, '\n', line.size());
  const char* const bodyEnd = feed ? static_cast<const char*>(feed) : at + line.size();
  bool lastTaken = false;
  const int fields = layout.empty() ? 0 : layout[0];
  for (int f = 1; f <= fields && f < static_cast<int>(layout.size()); ++f) {
    if (lastTaken) return -1;  // fewer fields on the line than the layout asks
    const void* separatorAt = std::memchr(at, separator, static_cast<std::size_t>(bodyEnd - at));
    const char* fieldEnd = bodyEnd;
    if (separatorAt)
      fieldEnd = static_cast<const char*>(separatorAt);
    else
      lastTaken = true;
    const std::string_view field(at, static_cast<std::size_t>(fieldEnd - at));
    at = fieldEnd + (lastTaken ? 0 : 1);
    if (field.empty()) return -1;
    switch (layout[static_cast<std::size_t>(f)]) {
      case 1:
        texts.emplace_back(field);
        break;
      case 2: {
        double v = 0.0;
        if (ReadReal(field, v) != 0) return -2;
        reals.push_back(v);
        break;
      }
      case 3: {
        int v = 0;
        if (ReadInt(field, v) != 0) return -2;
        ints.push_back(v);
        break;
      }
      default:
        break;
    }
  }
  return 0;
}

int DecodeDigitCode(const std::string& digits, std::vector<int>& out) {
  if (digits.empty() || digits[0] < '0' || digits[0] > '9') return 0;
  int n = digits[0] - '0';
  if (static_cast<int>(out.size()) < n + 1) out.resize(static_cast<std::size_t>(n + 1), 0);
  for (int k = 1; k <= n; ++k) {
    const std::size_t pos = static_cast<std::size_t>(k);
    out[pos] = (pos < digits.size() && digits[pos] >= '0' && digits[pos] <= '9') ? digits[pos] - '0' : 0;
  }
  return n;
}

int DecodeDigitCode(long long code, std::vector<int>& out) {
  return DecodeDigitCode(std::to_string(code < 0 ? -code : code), out);
}

std::string ShortenPath(const std::string& path, int keep) {
  const std::size_t last = path.find_last_of("/\\");
  std::string result = path;
  if (keep == -1) {
    if (last != std::string::npos) result = path.substr(last + 1);
  } else if (keep > 0 && CharCount(path) > static_cast<std::size_t>(keep) && last != std::string::npos) {
    result = CutChars(path, 3) + "..." + path.substr(last);
  }
  return CutChars(result, 255);
}

}  // namespace qv
