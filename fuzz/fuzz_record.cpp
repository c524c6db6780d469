// Fuzz target: numbers, record lines of every record layout and the field helpers.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "model/FieldHelpers.h"
#include "model/KuormaVektori.h"
#include "model/KuormaYhdVektori.h"
#include "model/KuormitustapausVektori.h"
#include "model/NumberText.h"
#include "model/ProfiiliVektori.h"
#include "model/QELvektori.h"
#include "model/RakenneVektori.h"
#include "model/TextCodec.h"
#include "FuzzSupport.h"

namespace {

using fuzz::Check;

const double kInf = std::numeric_limits<double>::infinity();

// A number that parsed must survive being written and read again: exactly with enough
// decimals, and as the same text at the program's own precisions.
void CheckNumber(const std::string& text) {
  double v = 0.0;
  const int rc = qv::ParseNumber(text, -kInf, kInf, v);
  Check(rc == 0 || rc == -1 || rc == -2);  // -2: "nan", outside any range
  if (rc != 0) return;
  double limited = 0.0;
  const int rcLimited = qv::ParseNumber(text, -qv::kRealFieldLimit, qv::kRealFieldLimit, limited);
  Check(rcLimited == (std::fabs(v) <= qv::kRealFieldLimit ? 0 : -2));
  if (std::isinf(v)) return;
  if (v == 0.0 || std::fabs(v) >= 1e-12) {
    double back = 0.0;
    Check(qv::ParseNumber(qv::FormatFixed(v, 30), -kInf, kInf, back) == 0 && back == v);
  }
  for (int decimals : {-1, 0, 3, 5}) {
    const std::string once = qv::FormatReal(v, decimals);
    double w = 0.0;
    Check(qv::ParseNumber(once, -kInf, kInf, w) == 0);
    Check(qv::FormatReal(w, decimals) == once);
  }
}

// The fields as a plain reading of the layout gives them: cut at every separator, each
// number through ParseNumber. SplitFields' fast path must agree with it.
int ReferenceSplit(char separator, const std::string& line, const std::vector<int>& layout,
                   std::vector<std::string>& texts, std::vector<double>& reals,
                   std::vector<int>& ints) {
  texts.clear();
  reals.clear();
  ints.clear();
  std::vector<std::string> cut;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = line.find(separator, start);
    cut.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  for (int f = 1; f <= layout[0]; ++f) {
    if (f > static_cast<int>(cut.size())) return -1;
    const std::string& field = cut[static_cast<std::size_t>(f - 1)];
    if (field.empty()) return -1;
    const int kind = layout[static_cast<std::size_t>(f)];
    if (kind == QEL_TEXT) {
      texts.push_back(field);
      continue;
    }
    const double limit = kind == QEL_REAL ? qv::kRealFieldLimit : qv::kIntFieldLimit;
    double v = 0.0;
    if (qv::ParseNumber(field, -limit, limit, v) != 0) return -2;
    if (kind == QEL_REAL)
      reals.push_back(v);
    else
      ints.push_back(static_cast<int>(std::floor(v)));
  }
  return 0;
}

void CheckSplit(char separator, const std::string& line, const std::vector<int>& layout) {
  std::vector<std::string> t1, t2;
  std::vector<double> r1, r2;
  std::vector<int> i1, i2;
  const int rc = qv::SplitFields(separator, line, layout, t1, r1, i1);
  const int ref = ReferenceSplit(separator, line, layout, t2, r2, i2);
  Check(rc == ref);
  if (rc == 0) Check(t1 == t2 && r1 == r2 && i1 == i2);
}

// Reading lines into a vector, writing them and reading them again: the second writing must
// read back to itself (the first may round numbers to the written decimals).
void CheckRecords(QELvektori& first, QELvektori& second, QELvektori& third,
                  const std::vector<std::string>& lines) {
  for (const auto& line : lines) {
    const int rc = first.ParseRecord(line);
    Check(rc == 1 || rc == -1 || rc == -2);
    CheckSplit(first.Separator(), line, first.FieldLayout());
  }
  for (int i = 0; i < first.Count(); ++i) Check(second.ParseRecord(first.FormatRecord(i)) == 1);
  for (int i = 0; i < second.Count(); ++i) {
    const std::string line = second.FormatRecord(i);
    Check(line.find('\n') == std::string::npos && line.find('\r') == std::string::npos);
    Check(third.ParseRecord(line) == 1);
  }
  Check(second.Count() == third.Count());
  for (int i = 0; i < second.Count(); ++i) Check(second.FormatRecord(i) == third.FormatRecord(i));
  // Getters past either end answer quietly.
  Check(first.GetText(first.Count(), 0) == nullptr && first.GetReal(-1, 0) == 0.0 &&
        first.GetInt(0, -1) == 0);
}

template <class V>
void CheckLayout(const std::vector<std::string>& lines) {
  V a, b, c;
  CheckRecords(a, b, c, lines);
}

// Any 64-bit code, from the first eight bytes of the input.
void CheckDigitCode(const std::string& bytes) {
  unsigned long long bits = 0;
  for (std::size_t i = 0; i < bytes.size() && i < 8; ++i)
    bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
  std::vector<int> digits;
  const int n = qv::DecodeDigitCode(static_cast<long long>(bits), digits);
  Check(n >= 0 && n <= 9 && static_cast<int>(digits.size()) >= n + 1);
}

void CheckHelpers(const std::string& line, int keep) {
  std::vector<int> digits(3, 7);
  const int n = qv::DecodeDigitCode(line, digits);
  Check(n >= 0 && n <= 9 && static_cast<int>(digits.size()) >= n + 1);

  const std::string shortened = qv::ShortenPath(line, keep);
  Check(qv::CharCount(shortened) <= 255);
  if (keep == 0) Check(shortened == qv::CutChars(line, 255));
}

void CheckCodec(const std::string& bytes) {
  const std::string text = qv::DecodeFileText(bytes);
  Check(qv::IsValidUtf8(text));
  Check(qv::Utf8ToCp1252(qv::Cp1252ToUtf8(bytes)) == bytes);
  if (qv::IsValidUtf8(bytes)) Check(text == bytes);
  const std::string cut = qv::CutChars(text, 59);
  Check(qv::IsValidUtf8(cut) && qv::CharCount(cut) <= 59);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 16384) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckCodec(bytes);
  CheckDigitCode(bytes);
  const std::vector<std::string> lines = qv::SplitLines(qv::DecodeFileText(bytes));
  int keep = 0;
  for (const auto& line : lines) {
    CheckNumber(line);
    CheckHelpers(line, keep);
    keep = keep == 60 ? -1 : keep + 30;
    // Any character may be a separator of a layout.
    if (!line.empty()) {
      const std::vector<int> layout{3, QEL_REAL, QEL_INT, QEL_TEXT};
      CheckSplit(line[0], line.substr(1), layout);
    }
  }
  CheckLayout<RakenneVektori>(lines);
  CheckLayout<KuormaVektori>(lines);
  CheckLayout<KuormitustapausVektori>(lines);
  CheckLayout<KuormaYhdVektori>(lines);
  CheckLayout<ProfiiliVektori>(lines);
  return 0;
}
