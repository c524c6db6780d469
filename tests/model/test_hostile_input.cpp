// Readers of outside text fed what the fuzz targets found: header-looking lines, extreme
// section numbers and digit codes.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "model/CSVTiedosto.h"
#include "model/FieldHelpers.h"

namespace {

// What a file holds once its lines are written and read again.
CSVTiedosto Reread(const CSVTiedosto& file) {
  std::vector<std::string> lines;
  file.GiveLines(lines);
  CSVTiedosto again;
  again.TakeLines(lines);
  return again;
}

TEST(HostileInput, HeaderLookingLineStaysInItsSectionAfterRereading) {
  // Into the last section, into one followed by another, and into a new section.
  for (int target : {2, 1, 3}) {
    CSVTiedosto file;
    file.AddLine(1, "a");
    file.AddLine(2, "b");
    if (target == 3) file.AddSection(2);
    file.AddLine(target, "[ ==== 7 ==== ]");
    const int lines = target == 3 ? 1 : 2;

    ASSERT_EQ(file.LineCount(target), lines) << target;
    EXPECT_EQ(file.GetLine(target, lines), " [ ==== 7 ==== ]");
    EXPECT_FALSE(file.HasSection(7));

    const CSVTiedosto again = Reread(file);
    EXPECT_EQ(again.SectionCount(), file.SectionCount()) << target;
    EXPECT_EQ(again.LineCount(target), lines);
    EXPECT_FALSE(again.HasSection(7));
  }
}

TEST(HostileInput, OnlyTrueHeaderPrefixesAreEscaped) {
  CSVTiedosto file;
  for (const char* text : {"[ ====7", " [ ==== 7 ==== ]", "[ ===", "[ ==== "})
    file.AddLine(5, text);
  EXPECT_EQ(file.GetLine(5, 1), "[ ====7");
  EXPECT_EQ(file.GetLine(5, 2), " [ ==== 7 ==== ]");
  EXPECT_EQ(file.GetLine(5, 3), "[ ===");
  // A bare prefix reads as a header (of section 0), so it is escaped too.
  EXPECT_EQ(file.GetLine(5, 4), " [ ==== ");
  EXPECT_EQ(Reread(file).LineCount(5), 4);
}

TEST(HostileInput, EveryIntSectionNumberReadsBack) {
  for (int n : {INT_MIN, INT_MIN + 1, -1, 0, INT_MAX}) {
    int back = 12345;
    ASSERT_TRUE(CSVTiedosto::ParseHeader(CSVTiedosto::HeaderLine(n), back));
    EXPECT_EQ(back, n);
  }
  // Past the int range a number is clamped to the nearest end.
  int n = 0;
  ASSERT_TRUE(CSVTiedosto::ParseHeader("[ ==== -99999999999999999999 ==== ]", n));
  EXPECT_EQ(n, INT_MIN);
  ASSERT_TRUE(CSVTiedosto::ParseHeader("[ ==== 99999999999999999999 ==== ]", n));
  EXPECT_EQ(n, INT_MAX);
}

TEST(HostileInput, DigitCodeOfEveryLongLong) {
  // The most negative value has no positive counterpart: its digits are still read.
  std::vector<int> digits;
  EXPECT_EQ(qv::DecodeDigitCode(LLONG_MIN, digits), 9);  // 9223372036854775808
  EXPECT_EQ(digits, (std::vector<int>{0, 2, 2, 3, 3, 7, 2, 0, 3, 6}));
  EXPECT_EQ(qv::DecodeDigitCode(-6111011LL, digits), 6);
  EXPECT_EQ(digits[6], 1);
  EXPECT_EQ(digits[4], 0);
  EXPECT_EQ(qv::DecodeDigitCode(LLONG_MAX, digits), 9);
}

}  // namespace
