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

// A plain decimal as this program writes them ("-12.500", "6111111").
struct PlainNumber {
  double value = 0.0;
  long long whole = 0;  // the integer when there are no decimals
  bool integral = false;
};

// Reads a plain decimal from p up to end or the first stop character, and returns where it
// stopped (end or the stop character); nullptr when the text there is anything else
// (blanks, a decimal comma, an exponent, more than 15 digits), which is left to ParseNumber.
// A mantissa of at most 15 digits divided by a power of ten (exact up to 1e22) is the
// correctly rounded value, the same one ParseNumber gives.
const char* ScanPlainDecimal(const char* p, const char* end, char stop, PlainNumber& out) {
  static constexpr double kTens[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  bool negative = false;
  if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
  const char* const first = p;
  std::uint64_t mantissa = 0;
  while (p < end && static_cast<unsigned>(*p - '0') <= 9u)
    mantissa = mantissa * 10u + static_cast<unsigned>(*p++ - '0');
  const std::ptrdiff_t integerDigits = p - first;
  std::ptrdiff_t decimals = 0;
  if (p < end && *p == '.') {
    const char* const fraction = ++p;
    while (p < end && static_cast<unsigned>(*p - '0') <= 9u)
      mantissa = mantissa * 10u + static_cast<unsigned>(*p++ - '0');
    decimals = p - fraction;
    if (decimals == 0) return nullptr;
  }
  if (p < end && *p != stop) return nullptr;
  if (integerDigits == 0 || integerDigits + decimals > 15) return nullptr;
  out.value = static_cast<double>(mantissa) / kTens[decimals];
  if (negative) out.value = -out.value;
  out.integral = decimals == 0;
  out.whole = negative ? -static_cast<long long>(mantissa) : static_cast<long long>(mantissa);
  return p;
}

// A separator that cannot be part of a plain decimal lets the number be read while the
// field end is looked for.
bool NumberSafe(char separator) {
  return !(separator >= '0' && separator <= '9') && separator != '.' && separator != '+' &&
         separator != '-';
}

int StoreReal(const PlainNumber& n, std::vector<double>& reals) {
  if (!(n.value >= -kRealFieldLimit && n.value <= kRealFieldLimit)) return -2;
  reals.push_back(n.value);
  return 0;
}

int StoreInt(const PlainNumber& n, std::vector<int>& ints) {
  if (!(n.value >= -kIntFieldLimit && n.value <= kIntFieldLimit)) return -2;
  // Integers are rounded toward minus infinity; a whole number needs no rounding.
  ints.push_back(n.integral ? static_cast<int>(n.whole) : static_cast<int>(std::floor(n.value)));
  return 0;
}

// A numeric field of any other form, through ParseNumber.
int StoreParsed(std::string_view field, int kind, std::vector<double>& reals,
                std::vector<int>& ints) {
  const double limit = kind == 2 ? kRealFieldLimit : kIntFieldLimit;
  PlainNumber n;
  if (ParseNumber(std::string(field), -limit, limit, n.value) != 0) return -2;
  return kind == 2 ? StoreReal(n, reals) : StoreInt(n, ints);
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
  const bool numberSafe = NumberSafe(separator);
  bool lastTaken = false;
  const int fields = layout.empty() ? 0 : layout[0];
  for (int f = 1; f <= fields && f < static_cast<int>(layout.size()); ++f) {
    if (lastTaken) return -1;  // fewer fields on the line than the layout asks
    const int kind = layout[static_cast<std::size_t>(f)];
    // A plain number is read in the same pass that finds the end of its field.
    PlainNumber number;
    const char* fieldEnd = nullptr;
    if ((kind == 2 || kind == 3) && numberSafe)
      fieldEnd = ScanPlainDecimal(at, bodyEnd, separator, number);
    const bool plain = fieldEnd != nullptr;
    if (!plain) {
      const void* separatorAt = std::memchr(at, separator, static_cast<std::size_t>(bodyEnd - at));
      fieldEnd = separatorAt ? static_cast<const char*>(separatorAt) : bodyEnd;
    }
    lastTaken = fieldEnd == bodyEnd;
    const std::string_view field(at, static_cast<std::size_t>(fieldEnd - at));
    at = fieldEnd + (lastTaken ? 0 : 1);
    if (field.empty()) return -1;
    int rc = 0;
    switch (kind) {
      case 1:
        texts.emplace_back(field);
        break;
      case 2:
        rc = plain ? StoreReal(number, reals) : StoreParsed(field, kind, reals, ints);
        break;
      case 3:
        rc = plain ? StoreInt(number, ints) : StoreParsed(field, kind, reals, ints);
        break;
      default:
        break;
    }
    if (rc != 0) return rc;
  }
  return 0;
}

int DecodeDigitCode(const std::string& digits, std::vector<int>& out) {
  if (digits.empty() || digits[0] < '0' || digits[0] > '9') return 0;
  int n = digits[0] - '0';
  if (static_cast<int>(out.size()) < n + 1) out.resize(static_cast<std::size_t>(n + 1), 0);
  for (int k = 1; k <= n; ++k) {
    const std::size_t pos = static_cast<std::size_t>(k);
    out[pos] =
        (pos < digits.size() && digits[pos] >= '0' && digits[pos] <= '9') ? digits[pos] - '0' : 0;
  }
  return n;
}

int DecodeDigitCode(long long code, std::vector<int>& out) {
  // The magnitude as unsigned: negating the most negative value overflows.
  const unsigned long long magnitude = code < 0 ? 0ULL - static_cast<unsigned long long>(code)
                                                : static_cast<unsigned long long>(code);
  return DecodeDigitCode(std::to_string(magnitude), out);
}

std::string ShortenPath(const std::string& path, int keep) {
  const std::size_t last = path.find_last_of("/\\");
  std::string result = path;
  if (keep == -1) {
    if (last != std::string::npos) result = path.substr(last + 1);
  } else if (keep > 0 && CharCount(path) > static_cast<std::size_t>(keep) &&
             last != std::string::npos) {
    result = CutChars(path, 3) + "..." + path.substr(last);
  }
  return CutChars(result, 255);
}

}  // namespace qv
