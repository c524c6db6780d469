// Numbers read from record lines: exactly the values and codes of ParseNumber, whatever their form.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/FieldHelpers.h"
#include "model/NumberText.h"

namespace {

std::uint64_t Bits(double v) {
  std::uint64_t b = 0;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// The field read as a real and as an integer by SplitFields, against ParseNumber itself.
void ExpectAsParseNumber(const std::string& field) {
  std::vector<std::string> t;
  std::vector<double> r;
  std::vector<int> i;
  double expected = 0.0;
  const int realCode = qv::ParseNumber(field, -qv::kRealFieldLimit, qv::kRealFieldLimit, expected);
  const int rc = qv::SplitFields(';', field + ";x", {2, 2, 1}, t, r, i);
  if (field.empty()) {
    EXPECT_EQ(-1, rc);
    return;
  }
  EXPECT_EQ(realCode == 0 ? 0 : -2, rc) << '"' << field << '"';
  if (realCode == 0 && rc == 0) {
    ASSERT_EQ(1u, r.size());
    EXPECT_EQ(Bits(expected), Bits(r[0])) << '"' << field << "\" " << expected << ' ' << r[0];
  }
  const int intCode = qv::ParseNumber(field, -qv::kIntFieldLimit, qv::kIntFieldLimit, expected);
  const int irc = qv::SplitFields(';', field, {1, 3}, t, r, i);
  EXPECT_EQ(intCode == 0 ? 0 : -2, irc) << '"' << field << '"';
  if (intCode == 0 && irc == 0) {
    ASSERT_EQ(1u, i.size());
    EXPECT_EQ(static_cast<int>(std::floor(expected)), i[0]) << '"' << field << '"';
  }
}

TEST(SplitFieldsNumbers, EveryFormReadsAsParseNumberReadsIt) {
  const char* fields[] = {"0",
                          "-0",
                          "+7",
                          "007",
                          "-0.000",
                          "12.500",
                          "-12.5",
                          "1.",
                          ".5",
                          "-.5",
                          "1,5",
                          "-1,25",
                          " 1",
                          "1 ",
                          "\t2",
                          "1e3",
                          "1E-3",
                          "-2.5e2",
                          "123456789012345",
                          "1234567890123456",
                          "12345678901234567890123",
                          "0.000000000000001",
                          "0.0000000000000001",
                          "99999999999999.9",
                          "9007199254740993",
                          "-2140000000",
                          "2140000000",
                          "2140000001",
                          "-2140000000.5",
                          "2.7",
                          "-2.7",
                          "1e40",
                          "-1e40",
                          "1e-400",
                          "--1",
                          "-+1",
                          "-",
                          "+",
                          ".",
                          "1.2.3",
                          "12a",
                          "a12",
                          "nan",
                          "inf",
                          "-inf",
                          "0x10",
                          " "};
  for (const char* f : fields) ExpectAsParseNumber(f);
}

TEST(SplitFieldsNumbers, WrittenDecimalsReadBackExactly) {
  // Values as the program writes them, with 0 to 6 decimals and 1 to 17 significant digits.
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-8, 16);
  std::uniform_int_distribution<int> decimals(0, 6);
  for (int n = 0; n < 20000; ++n) {
    const double v = mantissa(random) * std::pow(10.0, exponent(random));
    ExpectAsParseNumber(qv::FormatFixed(v, decimals(random)));
  }
}

TEST(SplitFieldsNumbers, FieldsEndAtTheSeparatorOrTheFirstLineFeed) {
  std::vector<std::string> t;
  std::vector<double> r;
  std::vector<int> i;
  const std::vector<int> layout{3, 3, 2, 1};
  EXPECT_EQ(0, qv::SplitFields(';', "5;1.25;ab\ncd;7", layout, t, r, i));
  EXPECT_EQ(std::vector<int>{5}, i);
  EXPECT_EQ(std::vector<double>{1.25}, r);
  EXPECT_EQ(std::vector<std::string>{"ab"}, t);
  EXPECT_EQ(-1, qv::SplitFields(';', "5;1.25\n;ab", layout, t, r, i));  // cut before the text
  EXPECT_EQ(-1, qv::SplitFields(';', "5;1.25;", layout, t, r, i));      // empty last field
  EXPECT_EQ(0, qv::SplitFields(',', "5,1.25,a;b", layout, t, r, i));
  EXPECT_EQ(std::vector<std::string>{"a;b"}, t);
  EXPECT_EQ(0, qv::SplitFields(';', "5;1,25;x", layout, t, r, i));  // a decimal comma
  EXPECT_EQ(std::vector<double>{1.25}, r);
}

}  // namespace
