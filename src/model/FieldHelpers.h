// Splitting record lines into typed fields, digit codes and shortened paths.
#pragma once

#include <string>
#include <vector>

namespace qv {

constexpr double kRealFieldLimit = 1e36;
constexpr double kIntFieldLimit = 2140000000.0;

// Cuts line into fields by the layout (element 0 = count, then kinds 1 text, 2 real,
// 3 integer). Returns 0, -1 on an empty field, -2 on a number that does not parse or is
// out of range. Integers are rounded toward minus infinity.
int SplitFields(char separator, const std::string& line, const std::vector<int>& layout,
                std::vector<std::string>& texts, std::vector<double>& reals,
                std::vector<int>& ints);

// The field lists of one line, kept by a reader of many lines so that they are reused, not
// built for each line.
struct FieldBuffers {
  std::vector<std::string> texts;
  std::vector<double> reals;
  std::vector<int> ints;
};

// First digit = count n (at most 9); the next n digits go to out[1..n]; out[0] untouched.
// out is grown to n + 1 elements when shorter. Returns n.
int DecodeDigitCode(long long code, std::vector<int>& out);
int DecodeDigitCode(const std::string& digits, std::vector<int>& out);

// A path longer than keep (keep > 0) with a separator becomes its first three characters,
// "..." and the part from its last separator on; keep = -1 gives the text after the last
// separator. '/' and '\' both separate. At most 255 characters.
std::string ShortenPath(const std::string& path, int keep);

}  // namespace qv
