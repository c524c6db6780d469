// Sectioned text: headers, index, line look-ups, writing and reading files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/CSVTiedosto.h"

namespace {

namespace fs = std::filesystem;

CSVTiedosto Sample() {
  CSVTiedosto f;
  f.TakeLines({"otsikko ennen osioita", "[ ==== 1 ==== ]", "a", "", "b", "[ ==== 101 ==== ]", "x1",
               "x2", "x3", "x4"});
  return f;
}

TEST(CSVTiedosto, IndexCountsContentLinesBlankIncluded) {
  CSVTiedosto f = Sample();
  EXPECT_EQ(f.SectionCount(), 2);
  EXPECT_EQ(f.LineCount(1), 3);
  EXPECT_EQ(f.LineCount(101), 4);
  EXPECT_EQ(f.LineCount(5), 0);
  EXPECT_TRUE(f.HasSection(101));
  EXPECT_FALSE(f.HasSection(0));
  EXPECT_EQ(f.GetLine(1, 2), "");
  EXPECT_EQ(f.GetLine(101, 4), "x4");
}

TEST(CSVTiedosto, TakenOverLinesReplaceTextNameAndIndex) {
  CSVTiedosto f = Sample();
  f.SetFileName("vanha.txt");
  std::vector<std::string> lines{"[ ==== 7 ==== ]", "r1", "[ ==== 8 ==== ]", "s1", "s2"};
  const std::vector<std::string> expected = lines;
  f.TakeLines(std::move(lines));
  EXPECT_EQ(f.Lines(), expected);
  EXPECT_EQ(f.FileName(), "");
  EXPECT_EQ(f.SectionCount(), 2);
  EXPECT_FALSE(f.HasSection(101));  // the old text's sections are gone
  EXPECT_EQ(f.LineCount(7), 1);
  EXPECT_EQ(f.GetLine(8, 2), "s2");
  // The copying form gives the same, and leaves the caller's list alone.
  CSVTiedosto g;
  g.TakeLines(expected);
  EXPECT_EQ(g.Lines(), f.Lines());
  EXPECT_EQ(g.LineCount(8), 2);
  EXPECT_EQ(expected.size(), 5u);
}

TEST(CSVTiedosto, MissingLinesGiveNoTextAndLeaveTheBufferAlone) {
  CSVTiedosto f = Sample();
  std::string out = "ennallaan";
  EXPECT_EQ(f.GetLine(101, 5, &out), "NO TEXT");
  EXPECT_EQ(f.GetLine(101, 0, &out), "NO TEXT");
  EXPECT_EQ(f.GetLine(7, 1, &out), "NO TEXT");
  EXPECT_EQ(out, "ennallaan");
  EXPECT_EQ(f.GetLine(0, 1, &out), "otsikko ennen osioita");
  EXPECT_EQ(out, "otsikko ennen osioita");
  EXPECT_EQ(f.GetLine(-3, 2), "[ ==== 1 ==== ]");
  EXPECT_EQ(f.GetLine(0, 11), "NO TEXT");
}

TEST(CSVTiedosto, HeaderFormsAndDuplicates) {
  int n = 0;
  EXPECT_TRUE(CSVTiedosto::ParseHeader("[ ==== 7 ==== ]", n));
  EXPECT_EQ(n, 7);
  EXPECT_TRUE(CSVTiedosto::ParseHeader("[ ==== 7", n));
  EXPECT_EQ(n, 7);
  EXPECT_TRUE(CSVTiedosto::ParseHeader("[ ==== abc", n));
  EXPECT_EQ(n, 0);
  EXPECT_FALSE(CSVTiedosto::ParseHeader("[ === 7 ==== ]", n));
  EXPECT_TRUE(CSVTiedosto::ParseHeader("[ ==== 99999999999999999999", n));  // no overflow
  // Only the first 78 characters are read: the 78th is the last digit taken.
  EXPECT_TRUE(CSVTiedosto::ParseHeader("[ ==== " + std::string(69, ' ') + "12 ==== ]", n));
  EXPECT_EQ(n, 12);
  EXPECT_TRUE(CSVTiedosto::ParseHeader("[ ==== " + std::string(70, ' ') + "12 ==== ]", n));
  EXPECT_EQ(n, 1);
  CSVTiedosto f;
  f.TakeLines({"[ ==== 5 ==== ]", "eka", "[ ==== 5", "toka", "kolmas"});
  EXPECT_EQ(f.LineCount(5), 2);  // the last header of a number wins
  EXPECT_EQ(f.GetLine(5, 1), "toka");
}

TEST(CSVTiedosto, WritersAppendSectionsAndLines) {
  CSVTiedosto f;
  EXPECT_EQ(f.AddSection(1), 0);
  EXPECT_EQ(f.AddSection(1), -1);
  f.AddLine(1, "a");
  f.AddLine(101, "b");  // a new section at the end
  f.AddLine(1, "c");    // goes before the header of 101
  f.AddLine(101, "d");
  EXPECT_EQ(f.Lines(),
            (std::vector<std::string>{"[ ==== 1 ==== ]", "a", "c", "[ ==== 101 ==== ]", "b", "d"}));
  EXPECT_EQ(f.LineCount(1), 2);
  EXPECT_EQ(f.LineCount(101), 2);
  EXPECT_EQ(f.GetLine(101, 2), "d");
}

TEST(CSVTiedosto, SaveAndLoadRoundTripInWindows1252) {
  fs::path dir = fs::temp_directory_path() / "qelvux_test_csv";
  fs::create_directories(dir);
  const std::string name = (dir / "projekti.vux").string();
  CSVTiedosto f;
  f.AddLine(1, "Jäykkätuki");
  f.AddLine(2, "");
  EXPECT_EQ(f.Save(name), 0);
  std::ifstream in(name, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "[ ==== 1 ==== ]\r\nJ\xE4ykk\xE4tuki\r\n[ ==== 2 ==== ]\r\n\r\n");
  CSVTiedosto g;
  ASSERT_TRUE(g.LoadFromFile(name));
  EXPECT_EQ(g.Lines(), f.Lines());
  EXPECT_EQ(g.LineCount(2), 1);
  EXPECT_EQ(g.FileName(), name);
  EXPECT_FALSE(g.LoadFromFile((dir / "puuttuu.vux").string()));
}

TEST(CSVTiedosto, SaveWithoutANameWritesNothing) {
  CSVTiedosto f;
  f.AddLine(1, "x");
  EXPECT_EQ(f.Save(), 0);
  EXPECT_EQ(f.FileName(), "");
  f.TakeLines({"y"});
  EXPECT_EQ(f.FileName(), "");
  EXPECT_EQ(f.SectionCount(), 0);
  f.Clear();
  EXPECT_EQ(f.GetLine(0, 1), "NO TEXT");
}

}  // namespace
