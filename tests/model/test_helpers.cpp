// Number parsing and formatting (also under a comma locale), fields, digit codes, paths, codec.
#include <gtest/gtest.h>

#include <clocale>

#include "model/FieldHelpers.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"

namespace {

int Parse(const std::string& t, double& v, double lo = -1e36, double hi = 1e36) {
  return qv::ParseNumber(t, lo, hi, v);
}

TEST(ParseNumber, AcceptsDecimalCommaAndRejectsLeftovers) {
  double v = -1;
  EXPECT_EQ(Parse("12,5", v), 0);
  EXPECT_EQ(v, 12.5);
  EXPECT_EQ(Parse("-3.25e2", v), 0);
  EXPECT_EQ(v, -325.0);
  EXPECT_EQ(Parse(" 7", v), 0);  // leading blanks are allowed as in C
  EXPECT_EQ(v, 7.0);
  EXPECT_EQ(Parse("8\nroska", v), 0);  // cut at the line feed
  EXPECT_EQ(v, 8.0);
  v = 99;
  EXPECT_EQ(Parse("", v), -1);
  EXPECT_EQ(Parse(" ", v), -1);
  EXPECT_EQ(Parse("12x", v), -1);
  EXPECT_EQ(Parse("12 ", v), -1);
  EXPECT_EQ(Parse("1,2,3", v), -1);  // only the first comma is a decimal point
  EXPECT_EQ(Parse("--1", v), -1);
  EXPECT_EQ(Parse("abc", v), -1);
  EXPECT_EQ(v, 99);  // failures leave the value alone
}

TEST(ParseNumber, RangeIsInclusiveAndNonFiniteIsOutOfRange) {
  double v = 0;
  EXPECT_EQ(Parse("1e40", v), -2);
  EXPECT_EQ(Parse("1e400", v), -2);
  EXPECT_EQ(Parse("inf", v), -2);
  EXPECT_EQ(Parse("nan", v), -2);
  EXPECT_EQ(Parse("5", v, 0, 5), 0);
  EXPECT_EQ(Parse("0", v, 0, 5), 0);
  EXPECT_EQ(Parse("5,0001", v, 0, 5), -2);
  EXPECT_EQ(Parse("1e-400", v), 0);
  EXPECT_EQ(v, 0.0);
}

TEST(NumberText, FormatsWithAPoint) {
  EXPECT_EQ(qv::FormatFixed(12.345, 2), "12.35");
  EXPECT_EQ(qv::FormatFixed(-0.0004, 3), "-0.000");
  EXPECT_EQ(qv::FormatFixed(6000, 0), "6000");
  EXPECT_EQ(qv::FormatExp(0.00123), "1.230000E-03");
  EXPECT_EQ(qv::FormatReal(1e10, -1), "1.000000E+10");
}

// A refused entry names its range with limits a user can type back.
TEST(NumberText, RangeTextNamesTheLimits) {
  struct Case {
    const char* label;
    double min, max;
    const char* text;
  };
  const Case cases[] = {
      {"Pituus L [mm]:", 100.0, 100000.0, "Pituus L [mm]: anna luku väliltä 100 … 100000"},
      {"Kerroin", 1e-5, 10000.0, "Kerroin: anna luku väliltä 0.00001 … 10000"},
      {"q1 [kN/m]:", -1e6, 1e6, "q1 [kN/m]: anna luku väliltä -1000000 … 1000000"},
      {"x1 [mm]:", 0.0, 5999.25, "x1 [mm]: anna luku väliltä 0 … 5999.25"},
      {"k_k1:", 0.01, 1.0, "k_k1: anna luku väliltä 0.01 … 1"},
  };
  for (const Case& c : cases) EXPECT_EQ(qv::RangeText(c.label, c.min, c.max), c.text);
}

TEST(NumberText, IndependentOfACommaLocale) {
  // Any installed locale with a decimal comma will do; skip when none exists.
  const char* names[] = {"fi_FI.UTF-8", "fi_FI.utf8", "de_DE.UTF-8", "de_DE.utf8"};
  const char* got = nullptr;
  for (const char* n : names) {
    if (std::setlocale(LC_ALL, n)) {
      got = n;
      break;
    }
  }
  if (!got) GTEST_SKIP() << "no comma locale installed";
  double v = 0;
  EXPECT_EQ(qv::ParseNumber("12.5", -1e36, 1e36, v), 0);
  EXPECT_EQ(v, 12.5);
  EXPECT_EQ(qv::ParseNumber("12,5", -1e36, 1e36, v), 0);
  EXPECT_EQ(v, 12.5);
  EXPECT_EQ(qv::FormatFixed(12.5, 3), "12.500");
  EXPECT_EQ(qv::FormatExp(12.5), "1.250000E+01");
  std::setlocale(LC_ALL, "C");
}

TEST(SplitFields, StopsAtTheFirstEmptyOrBadField) {
  std::vector<std::string> t;
  std::vector<double> r;
  std::vector<int> i;
  const std::vector<int> layout{3, 1, 2, 3};
  EXPECT_EQ(qv::SplitFields(';', "a;;3", layout, t, r, i), -1);
  EXPECT_EQ(qv::SplitFields(';', "a;1.5", layout, t, r, i), -1);
  EXPECT_EQ(qv::SplitFields(';', "a;x;3", layout, t, r, i), -2);
  EXPECT_EQ(qv::SplitFields(';', "a;1.5;2.7", layout, t, r, i), 0);
  EXPECT_EQ(t, std::vector<std::string>{"a"});
  EXPECT_EQ(r, std::vector<double>{1.5});
  EXPECT_EQ(i, std::vector<int>{2});
  EXPECT_EQ(qv::SplitFields(';', "b;1;-2140000000", layout, t, r, i), 0);
  EXPECT_EQ(i, std::vector<int>{-2140000000});
  EXPECT_EQ(qv::SplitFields(';', "b;1;-2140000001", layout, t, r, i), -2);
}

TEST(DecodeDigitCode, CountThenDigits) {
  std::vector<int> out{42};
  EXPECT_EQ(qv::DecodeDigitCode(6111000LL, out), 6);
  EXPECT_EQ(out, (std::vector<int>{42, 1, 1, 1, 0, 0, 0}));
  EXPECT_EQ(qv::DecodeDigitCode("3101", out), 3);
  EXPECT_EQ(out[1], 1);
  EXPECT_EQ(out[2], 0);
  EXPECT_EQ(out[3], 1);
  EXPECT_EQ(qv::DecodeDigitCode("21", out), 2);  // missing digit reads as 0
  EXPECT_EQ(out[2], 0);
}

TEST(ShortenPath, KeepsStartAndFileName) {
  EXPECT_EQ(qv::ShortenPath("C:\\Projektit\\Talo\\palkki.vux", 10), "C:\\...\\palkki.vux");
  EXPECT_EQ(qv::ShortenPath("/home/user/projektit/palkki.vux", 10), "/ho.../palkki.vux");
  EXPECT_EQ(qv::ShortenPath("pitka_nimi_ilman_kansiota.vux", 10), "pitka_nimi_ilman_kansiota.vux");
  EXPECT_EQ(qv::ShortenPath("/a/b.vux", 10), "/a/b.vux");
  EXPECT_EQ(qv::ShortenPath("/home/user/palkki.vux", -1), "palkki.vux");
  EXPECT_EQ(qv::ShortenPath("D:\\x\\y.pl1", -1), "y.pl1");
  EXPECT_EQ(qv::ShortenPath(std::string(400, 'a'), 0).size(), 255u);
}

TEST(TextCodec, Windows1252RoundTripAndDetection) {
  const std::string utf8 = "Jäykkätuki Ö € – ”";
  const std::string cp = qv::Utf8ToCp1252(utf8);
  EXPECT_EQ(cp, "J\xE4ykk\xE4tuki \xD6 \x80 \x96 \x94");
  EXPECT_EQ(qv::Cp1252ToUtf8(cp), utf8);
  EXPECT_FALSE(qv::IsValidUtf8(cp));
  EXPECT_EQ(qv::DecodeFileText(cp), utf8);
  EXPECT_EQ(qv::DecodeFileText(utf8), utf8);  // a UTF-8 file is taken as it is
  EXPECT_EQ(qv::Utf8ToCp1252("日本"), "??");
}

TEST(TextCodec, LinesAndCharacterCuts) {
  EXPECT_EQ(qv::SplitLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(qv::SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(qv::SplitLines("").empty());
  EXPECT_EQ(qv::CharCount("ääkkö"), 5u);
  EXPECT_EQ(qv::CutChars("ääkkö", 2), "ää");
  EXPECT_EQ(qv::CutChars("abc", 10), "abc");
}

}  // namespace
