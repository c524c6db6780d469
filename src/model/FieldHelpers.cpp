// Field splitting of record lines, digit codes and display paths.
#include "model/FieldHelpers.h"

#include <cmath>
#include <cstdio>

#include "model/NumberText.h"
#include "model/TextCodec.h"

namespace qv {

int SplitFields(char separator, const std::string& line, const std::vector<int>& layout,
                std::vector<std::string>& texts, std::vector<double>& reals,
                std::vector<int>& ints) {
  texts.clear();
  reals.clear();
  ints.clear();
  const std::string body = line.substr(0, line.find('\n'));
  const int fields = layout.empty() ? 0 : layout[0];
  std::size_t start = 0;
  for (int f = 1; f <= fields && f < static_cast<int>(layout.size()); ++f) {
    if (start > body.size()) return -1;  // fewer fields on the line than the layout asks
    std::size_t end = body.find(separator, start);
    if (end == std::string::npos) end = body.size();
    const std::string field = body.substr(start, end - start);
    start = end + 1;
    if (field.empty()) return -1;
    double v = 0.0;
    switch (layout[static_cast<std::size_t>(f)]) {
      case 1:
        texts.push_back(field);
        break;
      case 2:
        if (ParseNumber(field, -kRealFieldLimit, kRealFieldLimit, v) != 0) return -2;
        reals.push_back(v);
        break;
      case 3:
        if (ParseNumber(field, -kIntFieldLimit, kIntFieldLimit, v) != 0) return -2;
        ints.push_back(static_cast<int>(std::floor(v)));
        break;
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
