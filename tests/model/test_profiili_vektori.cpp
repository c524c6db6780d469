// Section library: order, library files, dropped unusable sections, start-up library, shipped
// files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/ProfiiliVektori.h"
#include "TempFiles.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> NamesOf(const ProfiiliVektori& v) {
  std::vector<std::string> names;
  for (int i = 0; i < v.Count(); ++i) names.push_back(v.Name(i));
  return names;
}

struct Sample {
  std::string name;
  qv::SectionShape shape;
  double b, h;
};

// ---- order ----

TEST(ProfiiliVektoriOrder, AnyAdditionOrderListsRectanglesByBThenHThenCircles) {
  std::vector<Sample> s = {{"100*200", qv::SectionShape::kRectangle, 100, 200},
                           {"50*100", qv::SectionShape::kRectangle, 50, 100},
                           {"50*150", qv::SectionShape::kRectangle, 50, 150},
                           {"d 120", qv::SectionShape::kCircle, 120, 0}};
  std::sort(s.begin(), s.end(), [](const Sample& a, const Sample& b) { return a.name < b.name; });
  const std::vector<std::string> expected = {"50*100", "50*150", "100*200", "d 120"};
  do {
    ProfiiliVektori v;
    for (const auto& x : s) v.AddSection(x.name, x.shape, x.b, x.h);
    EXPECT_EQ(NamesOf(v), expected);
  } while (std::next_permutation(s.begin(), s.end(),
                                 [](const Sample& a, const Sample& b) { return a.name < b.name; }));
}

TEST(ProfiiliVektoriOrder, EqualSectionGoesAfterAndCirclesIgnoreH) {
  ProfiiliVektori v;
  EXPECT_EQ(v.AddSection("A", qv::SectionShape::kRectangle, 50, 100), 0);
  EXPECT_EQ(v.AddSection("B", qv::SectionShape::kRectangle, 50, 100), 1);
  EXPECT_EQ(v.AddSection("C", qv::SectionShape::kRectangle, 50, 75), 0);
  // A circle's h is dropped, so it cannot push a circle of the same d ahead.
  EXPECT_EQ(v.AddSection("d1", qv::SectionShape::kCircle, 150, 999), 3);
  EXPECT_EQ(v.AddSection("d2", qv::SectionShape::kCircle, 150, 0), 4);
  EXPECT_EQ(v.AddSection("d0", qv::SectionShape::kCircle, 100, 0), 3);
  EXPECT_EQ(NamesOf(v), (std::vector<std::string>{"C", "A", "B", "d0", "d1", "d2"}));
  EXPECT_EQ(v.H(4), 0.0);
}

TEST(ProfiiliVektoriOrder, NamesAreCutTo79CharactersAndEmptyBecomesBlank) {
  ProfiiliVektori v;
  std::string longName;
  for (int i = 0; i < 90; ++i) longName += "ä";
  v.AddSection(longName, qv::SectionShape::kRectangle, 10, 10);
  v.AddSection("", qv::SectionShape::kRectangle, 20, 20);
  std::string expected;
  for (int i = 0; i < 79; ++i) expected += "ä";
  EXPECT_EQ(v.Name(0), expected);
  EXPECT_EQ(v.Name(1), " ");
  for (int j = 2; j < 10; ++j) EXPECT_EQ(v.GetReal(0, j), 0.0);
}

// ---- files ----

TEST(ProfiiliVektoriFile, WritesTheLibraryLayoutInWindows1252WithCrLf) {
  TempDir dir;
  ProfiiliVektori v;
  v.HeaderComments = {"// Kirjasto"};
  v.AddSection("Pyöreä", qv::SectionShape::kCircle, 120, 0);
  v.AddSection("45*95", qv::SectionShape::kRectangle, 45, 95);
  ASSERT_EQ(v.WriteLibrary(dir.File("k.pl1")), 0);
  EXPECT_EQ(ReadBytes(dir.File("k.pl1")),
            "// Kirjasto\r\n"
            "45*95;1;45.000;95.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000\r\n"
            "Py\xF6re\xE4;2;120.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000\r\n");
}

TEST(ProfiiliVektoriFile, RoundTripKeepsSectionsOrderAndHeader) {
  TempDir dir;
  ProfiiliVektori v;
  v.HeaderComments = {"// Höylätty", "// toinen rivi"};
  v.AddSection("66*145", qv::SectionShape::kRectangle, 66, 145);
  v.AddSection("d 200", qv::SectionShape::kCircle, 200, 0);
  v.AddSection("45*95", qv::SectionShape::kRectangle, 45, 95.5);
  ASSERT_EQ(v.WriteLibrary(dir.File("r.pl1")), 0);

  ProfiiliVektori back;
  EXPECT_EQ(back.ReadLibrary(dir.File("r.pl1")), 0);
  EXPECT_EQ(back.FileName(), dir.File("r.pl1"));
  EXPECT_EQ(back.HeaderComments, v.HeaderComments);
  ASSERT_EQ(back.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(back.Name(i), v.Name(i));
    EXPECT_EQ(back.Shape(i), v.Shape(i));
    EXPECT_DOUBLE_EQ(back.B(i), v.B(i));
    EXPECT_DOUBLE_EQ(back.H(i), v.H(i));
  }
}

TEST(ProfiiliVektoriFile, ReadsLfAndDecimalCommaAndSortsWhatItReads) {
  TempDir dir;
  WriteBytes(dir.File("x.pl1"), "b;1;100;200;0;0;0;0;0;0;0;0\na;1;50,5;100;0;0;0;0;0;0;0;0\n");
  ProfiiliVektori v;
  EXPECT_EQ(v.ReadLibrary(dir.File("x.pl1")), 0);
  EXPECT_EQ(NamesOf(v), (std::vector<std::string>{"a", "b"}));
  EXPECT_DOUBLE_EQ(v.B(0), 50.5);
}

// Sections the program cannot choose are left out of the list and reported, but the file
// keeps them when the library is written back; a comment of any length is no reason to
// refuse the file.
TEST(ProfiiliVektoriFile, UnusableSectionsAreLeftOutYetKeptInTheFile) {
  TempDir dir;
  WriteBytes(dir.File("bad.pl1"), "//" + std::string(300, 'k') +
                                      "\r\n"
                                      "ok;1;50;100;0;0;0;0;0;0;0;0\r\n"
                                      "nolla;1;0;100;0;0;0;0;0;0;0;0\r\n"
                                      "muoto;3;50;100;0;0;0;0;0;0;0;0\r\n"
                                      "liian;1;50;10001;0;0;0;0;0;0;0;0\r\n"
                                      "ympyra;2;120;0;0;0;0;0;0;0;0;0\r\n"
                                      "raja;1;1;10000;0;0;0;0;0;0;0;0\r\n");
  ProfiiliVektori v;
  EXPECT_EQ(v.ReadLibrary(dir.File("bad.pl1")), -2);
  EXPECT_EQ(NamesOf(v), (std::vector<std::string>{"raja", "ok", "ympyra"}));
  ASSERT_EQ(v.WriteLibrary(), 0);
  const std::string written = ReadBytes(dir.File("bad.pl1"));
  for (const char* kept : {"nolla;1;", "muoto;3;", "liian;1;", "//kkk"})
    EXPECT_NE(written.find(kept), std::string::npos) << kept;
  ProfiiliVektori again;
  EXPECT_EQ(again.ReadLibrary(dir.File("bad.pl1")), -2);
  EXPECT_EQ(NamesOf(again), NamesOf(v));
}

TEST(ProfiiliVektoriFile, MissingOrBrokenFileGivesTheReaderCode) {
  TempDir dir;
  ProfiiliVektori v;
  v.AddSection("vanha", qv::SectionShape::kRectangle, 50, 50);
  EXPECT_EQ(v.ReadLibrary(dir.File("ei_ole.pl1")), -1);
  EXPECT_EQ(v.Count(), 0);

  WriteBytes(dir.File("b.pl1"),
             "a;1;50;100;0;0;0;0;0;0;0;0\r\nb;1;xx;100;0;0;0;0;0;0;0;0\r\n"
             "c;1;60;100;0;0;0;0;0;0;0;0\r\n");
  EXPECT_EQ(v.ReadLibrary(dir.File("b.pl1")), -2);
  EXPECT_EQ(NamesOf(v), (std::vector<std::string>{"a"}));

  WriteBytes(dir.File("e.pl1"), "");
  EXPECT_EQ(v.ReadLibrary(dir.File("e.pl1")), 0);
  EXPECT_EQ(v.Count(), 0);
}

TEST(ProfiiliVektoriFile, LoadLibraryChoosesFirstAndKeepsOldWhenNothingReads) {
  TempDir dir;
  WriteBytes(dir.File("a.pl1"), "z;1;80;80;0;0;0;0;0;0;0;0\r\ny;1;40;80;0;0;0;0;0;0;0;0\r\n");
  WriteBytes(dir.File("tyhja.pl1"), "// vain kommentti\r\n");
  ProfiiliVektori v;
  v.SetSingleSection(ProfiiliVektori::kFallbackSectionLine);
  EXPECT_EQ(v.LoadLibrary(dir.File("tyhja.pl1")), -1);
  EXPECT_EQ(NamesOf(v), (std::vector<std::string>{"50*100"}));
  EXPECT_EQ(v.LoadLibrary(dir.File("puuttuu.pl1")), -1);
  EXPECT_EQ(v.CurrentIndex, 0);

  v.CurrentIndex = 0;
  EXPECT_EQ(v.LoadLibrary(dir.File("a.pl1")), 0);
  EXPECT_EQ(NamesOf(v), (std::vector<std::string>{"y", "z"}));
  EXPECT_EQ(v.CurrentIndex, 0);
  EXPECT_EQ(v.FileName(), dir.File("a.pl1"));
}

// ---- start-up library ----

TEST(ProfiiliVektoriDefault, DefaultLibraryOfTheProgramFolderWithFirstChosen) {
  TempDir dir;
  WriteBytes(dir.File("Sahattu_puutavara.pl1"),
             "// oletus\r\n75*150;1;75;150;0;0;0;0;0;0;0;0\r\n50*50;1;50;50;0;0;0;0;0;0;0;0\r\n");
  ProfiiliVektori v;
  EXPECT_EQ(v.LoadDefaultLibrary(dir.Path()), 0);
  EXPECT_EQ(NamesOf(v), (std::vector<std::string>{"50*50", "75*150"}));
  EXPECT_EQ(v.CurrentIndex, 0);
  EXPECT_EQ(v.FileName(), dir.File("Sahattu_puutavara.pl1"));
  // A folder written with a trailing separator names the same file.
  ProfiiliVektori w;
  EXPECT_EQ(w.LoadDefaultLibrary(dir.Path() + "/"), 0);
  EXPECT_EQ(w.Count(), 2);
}

TEST(ProfiiliVektoriDefault, MissingDefaultGivesTheSingleSection50x100) {
  TempDir dir;
  ProfiiliVektori v;
  v.AddSection("vanha", qv::SectionShape::kRectangle, 10, 10);
  EXPECT_EQ(v.LoadDefaultLibrary(dir.Path()), 1);
  ASSERT_EQ(v.Count(), 1);
  EXPECT_EQ(v.Name(0), "50*100");
  EXPECT_EQ(v.Shape(0), qv::SectionShape::kRectangle);
  EXPECT_EQ(v.B(0), 50.0);
  EXPECT_EQ(v.H(0), 100.0);
  EXPECT_EQ(v.CurrentIndex, 0);
  EXPECT_EQ(v.FileName(), "?");
  EXPECT_EQ(v.FormatRecord(0),
            "50*100;1;50.000;100.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000");
}

TEST(ProfiiliVektoriDefault, DefaultWithoutSectionsAlsoFallsBack) {
  TempDir dir;
  WriteBytes(dir.File("Sahattu_puutavara.pl1"), "// tyhjä\r\n");
  ProfiiliVektori v;
  EXPECT_EQ(v.LoadDefaultLibrary(dir.Path()), 1);
  EXPECT_EQ(NamesOf(v), (std::vector<std::string>{"50*100"}));
  EXPECT_EQ(v.FileName(), "?");
}

TEST(ProfiiliVektoriIndex, ClampAndFindSame) {
  ProfiiliVektori v;
  v.ClampCurrentIndex();
  EXPECT_EQ(v.CurrentIndex, -1);
  v.AddSection("a", qv::SectionShape::kRectangle, 50, 100);
  v.AddSection("b", qv::SectionShape::kRectangle, 50, 150);
  v.CurrentIndex = 5;
  v.ClampCurrentIndex();
  EXPECT_EQ(v.CurrentIndex, 0);
  v.CurrentIndex = 1;
  v.ClampCurrentIndex();
  EXPECT_EQ(v.CurrentIndex, 1);

  ProfiiliVektori w;
  w.AddSection("x", qv::SectionShape::kRectangle, 40, 40);
  w.AddSection("b", qv::SectionShape::kRectangle, 50, 150);
  EXPECT_EQ(w.FindSame(v, 1), 1);
  EXPECT_EQ(w.FindSame(v, 0), -1);
  EXPECT_EQ(w.FindSame(v, 7), -1);
}

TEST(ProfiiliVektoriPaths, FolderAndFileHelpers) {
  EXPECT_EQ(ProfiiliVektori::PathInFolder("/a/b", "c.pl1"), "/a/b/c.pl1");
  EXPECT_EQ(ProfiiliVektori::PathInFolder("/a/b/", "c.pl1"), "/a/b/c.pl1");
  EXPECT_EQ(ProfiiliVektori::PathInFolder("", "c.pl1"), "c.pl1");
  EXPECT_EQ(ProfiiliVektori::FolderOf("/a/b/c.pl1"), "/a/b");
  EXPECT_EQ(ProfiiliVektori::FolderOf("C:\\x\\c.pl1"), "C:\\x");
  EXPECT_EQ(ProfiiliVektori::FolderOf("c.pl1"), "");
  EXPECT_EQ(ProfiiliVektori::FolderOf("/c.pl1"), "/");
  EXPECT_FALSE(ProfiiliVektori::FileExists(""));
  EXPECT_FALSE(ProfiiliVektori::FileExists(fs::temp_directory_path().string()));
}

// ---- shipped libraries ----

std::string Shipped(const std::string& name) {
  return std::string(QELVUX_SOURCE_DATA_DIR) + "/" + name;
}

TEST(ProfiiliVektoriShipped, SawnDefaultHoldsTheCommonSizesInOrder) {
  ProfiiliVektori v;
  ASSERT_EQ(v.ReadLibrary(Shipped("Sahattu_puutavara.pl1")), 0);
  ASSERT_EQ(v.Count(), 31);  // 24 rectangles, d 100 ... d 250 in steps of 25
  EXPECT_EQ(v.Name(0), "50*50");
  EXPECT_EQ(v.Name(23), "150*150");
  EXPECT_EQ(v.Name(24), "d 100");
  EXPECT_EQ(v.Name(30), "d 250");
  EXPECT_FALSE(v.HeaderComments.empty());
  for (int i = 0; i < v.Count(); ++i) {
    if (v.Shape(i) == qv::SectionShape::kRectangle) {
      // The name tells b*h, b the smaller side.
      const std::string name = v.Name(i);
      const auto star = name.find('*');
      ASSERT_NE(star, std::string::npos) << name;
      EXPECT_EQ(std::stod(name.substr(0, star)), v.B(i)) << name;
      EXPECT_EQ(std::stod(name.substr(star + 1)), v.H(i)) << name;
      EXPECT_LE(v.B(i), v.H(i)) << name;
    } else {
      EXPECT_EQ("d " + std::to_string(static_cast<int>(v.D(i))), v.Name(i));
      EXPECT_EQ(v.D(i), 100.0 + 25.0 * (i - 24));
    }
  }
}

TEST(ProfiiliVektoriShipped, FilesAreCrLfAndWrittenAsTheProgramWritesThem) {
  for (const char* name : {"Sahattu_puutavara.pl1", "Hoylatty_puutavara.pl1", "Liimapuu.pl1"}) {
    const std::string bytes = ReadBytes(Shipped(name));
    ASSERT_FALSE(bytes.empty()) << name;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n') {
        EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " at " << i;
      }
    }
    ProfiiliVektori v;
    ASSERT_EQ(v.ReadLibrary(Shipped(name)), 0) << name;
    EXPECT_GT(v.Count(), 10) << name;
    // Writing it again reproduces the file byte for byte: sorted, "%.3f", header kept.
    TempDir dir;
    ASSERT_EQ(v.WriteLibrary(dir.File(name)), 0);
    EXPECT_EQ(ReadBytes(dir.File(name)), bytes) << name;
  }
}

TEST(ProfiiliVektoriShipped, GlulamSizesFollowThe45mmGrid) {
  ProfiiliVektori v;
  ASSERT_EQ(v.ReadLibrary(Shipped("Liimapuu.pl1")), 0);
  for (int i = 0; i < v.Count(); ++i) {
    EXPECT_EQ(v.Shape(i), qv::SectionShape::kRectangle);
    EXPECT_GE(v.B(i), 42.0);
    EXPECT_LE(v.B(i), 215.0);
    EXPECT_GE(v.H(i), 90.0);
    EXPECT_LE(v.H(i), 1260.0);
    EXPECT_EQ(static_cast<int>(v.H(i) - 90.0) % 45, 0) << v.Name(i);
  }
}

}  // namespace
