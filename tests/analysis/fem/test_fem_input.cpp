// Reading the analysis input text into the frame model vectors.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "analysis/fem/FEM_kaikki.h"
#include "model/TextCodec.h"

namespace {

using Lines = std::vector<std::string>;

std::string H(int n) { return "[ ==== " + std::to_string(n) + " ==== ]"; }

// A two-bar beam as the model generator writes it.
Lines BeamText() {
  return {H(101),
          "1;0.000;0.000;0",
          "2;3000.000;0.000;0",
          "3;6000.000;0.000;0",
          H(201),
          "1;1;2;1;1;6111111;6111111;0;0;0",
          "2;2;3;1;1;6111110;6111111;0;0;0",
          H(301),
          "1;1;6111000",
          "2;3;6011000",
          H(401),
          "1;1;1;1;2;2;-1000.0;0;0;0",
          "2;1;2;1;1;-2;-500.0;0;1500.000;0",
          "3;2;2;3;2;-2;-1.50000;-2.50000;0.000;3000.000",
          H(501),
          "1;1;10000;1;1;1;1;1;1;1;1;1",
          H(601),
          "2;1;1000000;1.0;1.0;4000;0;0;0;0;0;0",
          H(999)};
}

TEST(FemInput, GeneratorTextFillsEveryVector) {
  FEM_kaikki fem;
  EXPECT_EQ(fem.Read(BeamText(), 1), 0);
  ASSERT_EQ(fem.Nodes().Count(), 3);
  EXPECT_EQ(fem.Nodes().Number(1), 2);
  EXPECT_DOUBLE_EQ(fem.Nodes().X(2), 6000.0);
  EXPECT_DOUBLE_EQ(fem.Nodes().Y(2), 0.0);

  ASSERT_EQ(fem.Bars().Count(), 2);
  EXPECT_EQ(fem.Bars().NodeI(1), 2);
  EXPECT_EQ(fem.Bars().NodeJ(1), 3);
  EXPECT_EQ(fem.Bars().Material(1), 1);
  EXPECT_EQ(fem.Bars().Profile(1), 1);
  EXPECT_EQ(fem.Bars().ReleaseI(1), 6111110);
  EXPECT_EQ(fem.Bars().ReleaseJ(1), 6111111);
  EXPECT_EQ(fem.Bars().OrigI(1), 0);
  EXPECT_DOUBLE_EQ(fem.Bars().Beta(1), 0.0);

  ASSERT_EQ(fem.Supports().Count(), 2);
  EXPECT_EQ(fem.Supports().Node(1), 3);
  EXPECT_EQ(fem.Supports().Code(1), 6011000);

  ASSERT_EQ(fem.Loads().Count(), 3);
  // Case 1 before case 2; within case 1 the point loads (type 1) in input order.
  EXPECT_EQ(fem.Loads().Number(0), 1);
  EXPECT_EQ(fem.Loads().Kind(0), 1);
  EXPECT_EQ(fem.Loads().Target(0), 2);
  EXPECT_EQ(fem.Loads().Direction(0), 2);
  EXPECT_DOUBLE_EQ(fem.Loads().Q1(0), -1000.0);
  EXPECT_EQ(fem.Loads().Number(1), 2);
  EXPECT_DOUBLE_EQ(fem.Loads().A(1), 1500.0);
  EXPECT_EQ(fem.Loads().Type(2), 3);
  EXPECT_DOUBLE_EQ(fem.Loads().Q2(2), -2.5);
  EXPECT_DOUBLE_EQ(fem.Loads().B(2), 3000.0);
  ASSERT_EQ(fem.Loads().CaseList().Count(), 2);
  EXPECT_EQ(fem.Loads().CaseList()[0], 1.0);
  EXPECT_EQ(fem.Loads().CaseList()[1], 2.0);

  ASSERT_EQ(fem.Materials().Count(), 2);
  const int m = fem.Materials().FindMaterial(1);
  const int p = fem.Materials().FindProfile(1);
  ASSERT_GE(m, 0);
  ASSERT_GE(p, 0);
  EXPECT_DOUBLE_EQ(fem.Materials().E(m), 10000.0);
  EXPECT_DOUBLE_EQ(fem.Materials().Iz(p), 1000000.0);
  EXPECT_DOUBLE_EQ(fem.Materials().Area(p), 4000.0);
  EXPECT_EQ(fem.Couplings().Count(), 0);
  EXPECT_TRUE(fem.ReadNotes().empty());
  EXPECT_EQ(fem.Status(), -1);
}

TEST(FemInput, VectorsOrderOnInsertionAndKeepInputOrderForEqualKeys) {
  FEM_kaikki fem;
  fem.Read({H(101), "30;3;0;0", "10;1;0;0", "20;2;0;0", "10;99;0;0", H(401), "1;7;1;2;10;1;1;0;0;0",
            "2;3;1;1;10;1;2;0;0;0", "3;7;1;1;10;1;3;0;0;0", "4;3;1;1;10;1;4;0;0;0", H(601),
            "2;5;1;1;1;1;0;0;0;0;0;0", "2;1;2;1;1;1;0;0;0;0;0;0", "1;9;3;1;1;1;1;1;1;1;1;1", H(701),
            "5;10;20;6111111", "2;30;20;6111111"});
  const auto& n = fem.Nodes();
  ASSERT_EQ(n.Count(), 4);
  EXPECT_EQ(n.Number(0), 10);
  EXPECT_DOUBLE_EQ(n.X(0), 1.0);
  EXPECT_EQ(n.Number(1), 10);
  EXPECT_DOUBLE_EQ(n.X(1), 99.0);
  EXPECT_EQ(n.Number(3), 30);
  EXPECT_EQ(n.Find(10), 0);  // the first of equal numbers
  EXPECT_EQ(n.Find(20), 2);
  EXPECT_EQ(n.Find(25), -1);

  // Loads: case 3 (types 1, 1 in input order), then case 7 (type 1, then type 2).
  const auto& l = fem.Loads();
  ASSERT_EQ(l.Count(), 4);
  EXPECT_EQ(l.Number(0), 2);
  EXPECT_EQ(l.Number(1), 4);
  EXPECT_EQ(l.Number(2), 3);
  EXPECT_EQ(l.Number(3), 1);
  ASSERT_EQ(l.CaseList().Count(), 2);
  EXPECT_EQ(l.CaseList()[0], 3.0);
  EXPECT_EQ(l.CaseList()[1], 7.0);

  // Materials and profiles in one vector, type first; a type 1 line under 601 is a material.
  const auto& m = fem.Materials();
  ASSERT_EQ(m.Count(), 3);
  EXPECT_EQ(m.Type(0), 1);
  EXPECT_EQ(m.Number(0), 9);
  EXPECT_EQ(m.Number(1), 1);
  EXPECT_EQ(m.Number(2), 5);

  ASSERT_EQ(fem.Couplings().Count(), 2);
  EXPECT_EQ(fem.Couplings().Number(0), 2);
  EXPECT_EQ(fem.Couplings().Slave(0), 30);
  EXPECT_EQ(fem.Couplings().Master(0), 20);
}

TEST(FemInput, UnreadableLinesAreSkippedAndTheRestIsRead) {
  FEM_kaikki fem;
  fem.Read({H(101), "1;0;0;0", "", "x", "2;abc;0;0", "3;1,5;0;0", "4;;0;0", "5;1;2",
            "6;1;2;3;99;extra", "7;12x;0;0", H(401), "1;1;1;1;1;2;5;0;0;0", "2;1;1;1;1;2;5",
            "3;1;2;1;1;-2;7;0;0;0"});
  const auto& n = fem.Nodes();
  ASSERT_EQ(n.Count(), 3);
  EXPECT_EQ(n.Number(0), 1);
  EXPECT_EQ(n.Number(1), 3);
  EXPECT_DOUBLE_EQ(n.X(1), 1.5);  // decimal comma
  EXPECT_EQ(n.Number(2), 6);      // fields beyond the layout are ignored
  EXPECT_DOUBLE_EQ(n.Z(2), 3.0);

  // The seven-field load line is skipped, the loads around it stay.
  ASSERT_EQ(fem.Loads().Count(), 2);
  EXPECT_EQ(fem.Loads().Number(0), 1);
  EXPECT_EQ(fem.Loads().Number(1), 3);

  // Lines shorter than two characters are passed over without a note.
  const Lines expected{"101, rivi 4: pal=-2 (2;abc;0;0)", "101, rivi 6: pal=-1 (4;;0;0)",
                       "101, rivi 7: pal=-1 (5;1;2)", "101, rivi 9: pal=-2 (7;12x;0;0)",
                       "401, rivi 2: pal=-1 (2;1;1;1;1;2;5)"};
  EXPECT_EQ(fem.ReadNotes(), expected);
}

TEST(FemInput, NotesOfSkippedLinesStopAtTheLimit) {
  Lines text{H(101)};
  for (int k = 0; k < 1500; ++k) text.push_back("bad line");
  text.push_back("1;0;0;0");
  FEM_kaikki fem;
  fem.Read(text, 1);
  EXPECT_EQ(fem.Nodes().Count(), 1);
  ASSERT_EQ(fem.ReadNotes().size(), static_cast<std::size_t>(FEM_kaikki::kMaxMessages) + 1);
  EXPECT_EQ(fem.ReadNotes()[999], "101, rivi 1000: pal=-2 (bad line)");
  EXPECT_EQ(fem.ReadNotes().back(), "Liikaa ilmoituksia, loput jätetty pois");
}

TEST(FemInput, NumbersAtTheFieldLimits) {
  FEM_kaikki fem;
  fem.Read({H(101), "1000000;1e36;-1e36;0", "-2140000000;0;0;0", "-2140000001;0;0;0", "5;1e37;0;0",
            "6;nan;0;0", "7;inf;0;0", "8;0;0;1e-320", "9;2.7;0;0", "-0.5;0;0;0",
            "11;1.0000000000000000000000000000000001;0;0", "12;-1e-400;0;0", H(201),
            "2140000000;1;2;1;1;6111111;6111111;0;0;-1e36",
            "2140000001;1;2;1;1;6111111;6111111;0;0;0"});
  const auto& n = fem.Nodes();
  ASSERT_EQ(n.Count(), 7);
  EXPECT_EQ(n.Number(0), -2140000000);
  EXPECT_EQ(n.Number(1), -1);  // -0.5 rounds down
  EXPECT_EQ(n.Number(2), 8);
  EXPECT_EQ(n.Number(3), 9);
  EXPECT_DOUBLE_EQ(n.X(3), 2.7);
  EXPECT_DOUBLE_EQ(n.X(4), 1.0);
  EXPECT_EQ(n.Number(6), 1000000);
  EXPECT_DOUBLE_EQ(n.X(6), 1e36);
  EXPECT_DOUBLE_EQ(n.Y(6), -1e36);
  ASSERT_EQ(fem.Bars().Count(), 1);
  EXPECT_EQ(fem.Bars().Number(0), 2140000000);
  EXPECT_DOUBLE_EQ(fem.Bars().Beta(0), -1e36);
  const Lines expected{"101, rivi 3: pal=-2 (-2140000001;0;0;0)",
                       "101, rivi 4: pal=-2 (5;1e37;0;0)", "101, rivi 5: pal=-2 (6;nan;0;0)",
                       "101, rivi 6: pal=-2 (7;inf;0;0)",
                       "201, rivi 2: pal=-2 (2140000001;1;2;1;1;6111111;6111111;0;0;0)"};
  EXPECT_EQ(fem.ReadNotes(), expected);
}

TEST(FemInput, LongLinesAreSkippedWithoutHarm) {
  FEM_kaikki fem;
  // A valid record 256 characters long: too long for the line buffer, so it is refused
  // rather than cut into a different number.
  std::string padded = "2;1." + std::string(247, '0') + "1;0;0";
  ASSERT_EQ(padded.size(), 256u);
  std::string fits = "3;1." + std::string(246, '0') + "1;0;0";
  ASSERT_EQ(fits.size(), 255u);
  const std::string huge(200000, '7');
  fem.Read({H(101), "1;0;0;0", padded, fits, huge, huge + ";0;0;0"});
  ASSERT_EQ(fem.Nodes().Count(), 2);
  EXPECT_EQ(fem.Nodes().Number(1), 3);
  ASSERT_EQ(fem.ReadNotes().size(), 3u);
  EXPECT_EQ(fem.ReadNotes()[0].rfind("101, rivi 2: pal=-3 (2;1.000", 0), 0u);
  // The note quotes at most the line buffer's worth of the line.
  EXPECT_LT(fem.ReadNotes()[1].size(), 300u);
}

TEST(FemInput, ReservedNodeAndCouplingNumbersAreRefused) {
  FEM_kaikki fem;
  fem.Read({H(101), "1000000;0;0;0", "1000001;1;0;0", "2000000000;2;0;0", H(201),
            "1000001;1000000;1000001;1;1;6111111;6111111;0;0;0", H(701),
            "1000000;1;1000000;6111111", "1000001;1;1000000;6111111"});
  ASSERT_EQ(fem.Nodes().Count(), 1);
  EXPECT_EQ(fem.Nodes().Number(0), 1000000);
  ASSERT_EQ(fem.Bars().Count(), 1);  // bar numbers are not reserved
  ASSERT_EQ(fem.Couplings().Count(), 1);
  EXPECT_EQ(fem.Couplings().Number(0), 1000000);
  const Lines expected{"101, rivi 2: pal=-4 (1000001;1;0;0)",
                       "101, rivi 3: pal=-4 (2000000000;2;0;0)",
                       "701, rivi 2: pal=-4 (1000001;1;1000000;6111111)"};
  EXPECT_EQ(fem.ReadNotes(), expected);
}

TEST(FemInput, ReplaceFlagDecidesWhatAnAbsentSectionLeaves) {
  FEM_kaikki fem;
  fem.Read(BeamText(), 1);
  // Without replace: the present section is replaced, the absent ones stay.
  fem.Read({H(101), "7;0;0;0", "8;1;0;0", H(999)}, 0);
  EXPECT_EQ(fem.Nodes().Count(), 2);
  EXPECT_EQ(fem.Nodes().Number(0), 7);
  EXPECT_EQ(fem.Bars().Count(), 2);
  EXPECT_EQ(fem.Supports().Count(), 2);
  EXPECT_EQ(fem.Loads().Count(), 3);
  EXPECT_EQ(fem.Materials().Count(), 2);

  // 601 alone without replace keeps the materials and swaps the profiles.
  fem.Read({H(601), "2;4;1;1;1;1;0;0;0;0;0;0"}, 0);
  EXPECT_GE(fem.Materials().FindMaterial(1), 0);
  EXPECT_LT(fem.Materials().FindProfile(1), 0);
  EXPECT_GE(fem.Materials().FindProfile(4), 0);

  // A present section with only a blank line still empties its part.
  fem.Read({H(301), ""}, 0);
  EXPECT_EQ(fem.Supports().Count(), 0);
  EXPECT_EQ(fem.Bars().Count(), 2);

  // With replace every part is emptied, present or not.
  fem.Read({H(101), "7;0;0;0"}, 1);
  EXPECT_EQ(fem.Nodes().Count(), 1);
  EXPECT_EQ(fem.Bars().Count(), 0);
  EXPECT_EQ(fem.Loads().Count(), 0);
  EXPECT_EQ(fem.Loads().CaseList().Count(), 0);
  EXPECT_EQ(fem.Materials().Count(), 0);
}

TEST(FemInput, TakenOverTextReadsAsACopiedOne) {
  FEM_kaikki copied;
  const Lines text = BeamText();
  copied.Read(text, 1);
  FEM_kaikki taken;
  taken.Read({H(101), "9;0;0;0"}, 1);
  const unsigned long long before = taken.Revision();
  Lines moved = BeamText();
  moved.insert(moved.begin() + 4, "x;bad");  // one unreadable node line, noted
  copied.Read(Lines(moved), 1);
  EXPECT_EQ(taken.Read(std::move(moved), 1), 0);
  EXPECT_NE(taken.Revision(), before);
  EXPECT_EQ(taken.InputText().Lines(), copied.InputText().Lines());
  EXPECT_EQ(taken.InputText().LineCount(FEM_kaikki::kNodesSection), 4);
  EXPECT_EQ(taken.ReadNotes(), copied.ReadNotes());
  ASSERT_EQ(taken.ReadNotes().size(), 1u);
  EXPECT_EQ(taken.Nodes().Count(), 3);
  EXPECT_EQ(taken.Bars().Count(), 2);
  EXPECT_EQ(taken.Supports().Count(), 2);
  EXPECT_EQ(taken.Loads().Count(), 3);
  EXPECT_EQ(taken.Loads().CaseList().Count(), 2);
  EXPECT_EQ(taken.Materials().Count(), 2);
  EXPECT_EQ(taken.Loads().Q2(2), -2.5);
  // Without replace an absent section keeps its part, as with a copied text.
  EXPECT_EQ(taken.Read(Lines{H(101), "7;0;0;0", "8;1;0;0"}, 0), 0);
  EXPECT_EQ(taken.Nodes().Count(), 2);
  EXPECT_EQ(taken.Bars().Count(), 2);
}

TEST(FemInput, ProfileWrittenUnderTheMaterialSectionIsKept) {
  FEM_kaikki fem;
  fem.Read({H(501), "2;3;1;1;1;1;0;0;0;0;0;0", "1;1;10;1;1;1;1;1;1;1;1;1",
            "4;1;1;1;1;1;1;1;1;1;1;1", H(601), "2;1;5;1;1;1;0;0;0;0;0;0"},
           1);
  EXPECT_GE(fem.Materials().FindProfile(3), 0);
  EXPECT_GE(fem.Materials().FindProfile(1), 0);
  EXPECT_GE(fem.Materials().FindMaterial(1), 0);
  EXPECT_EQ(fem.Materials().Count(), 4);
  // Records of an unknown type do not pile up over repeated reads.
  fem.Read({H(501), "4;1;1;1;1;1;1;1;1;1;1;1"}, 1);
  fem.Read({H(501), "4;1;1;1;1;1;1;1;1;1;1;1"}, 1);
  EXPECT_EQ(fem.Materials().Count(), 1);
}

TEST(FemInput, CarriageReturnsAndRepeatedHeadersAreHandled) {
  FEM_kaikki fem;
  // A second header with the same number is the one read.
  fem.Read({"text before any header", H(101), "1;0;0;0\r", "2;5;0;0\r", H(101), "3;9;0;0",
            "[ ==== 201"});
  ASSERT_EQ(fem.Nodes().Count(), 1);
  EXPECT_EQ(fem.Nodes().Number(0), 3);
  EXPECT_TRUE(fem.ReadNotes().empty());
  fem.Read({H(101), "1;0;0;0\r", "2;5;0;2,5\r"});
  ASSERT_EQ(fem.Nodes().Count(), 2);
  EXPECT_DOUBLE_EQ(fem.Nodes().Z(1), 2.5);
}

TEST(FemInput, ReadsFromANamedFileAndEmptiesOnAMissingOne) {
  const std::string path = ::testing::TempDir() + "fem_input_test.txt";
  Lines text = BeamText();
  text[2] = "2;3000,000;0.000;0";
  ASSERT_TRUE(qv::WriteTextFileLines(path, text));

  FEM_kaikki fem;
  const Lines ignored{H(101), "9;0;0;0"};
  EXPECT_EQ(fem.Read(path, &ignored, 1), 0);
  EXPECT_EQ(fem.Nodes().Count(), 3);
  EXPECT_DOUBLE_EQ(fem.Nodes().X(1), 3000.0);
  EXPECT_EQ(fem.InputText().FileName(), path);

  // A one-character name means "use the lines".
  EXPECT_EQ(fem.Read("x", &ignored, 1), 0);
  ASSERT_EQ(fem.Nodes().Count(), 1);
  EXPECT_EQ(fem.Nodes().Number(0), 9);
  EXPECT_EQ(fem.InputText().Lines(), ignored);

  EXPECT_EQ(fem.Read(path + ".missing", &ignored, 1), -1);
  EXPECT_EQ(fem.Nodes().Count(), 0);
  EXPECT_TRUE(fem.InputText().Lines().empty());
  // A folder is no input file either.
  EXPECT_EQ(fem.Read(::testing::TempDir(), nullptr, 1), -1);
  std::remove(path.c_str());

  // Neither a name nor lines: the text held is read again.
  fem.Read(ignored, 1);
  fem.Read("", nullptr, 1);
  EXPECT_EQ(fem.Nodes().Count(), 1);
}

TEST(FemInput, CodeFlagsAreTheDigitsAfterTheCount) {
  int f[6];
  FEM_KoodinLiput(6111000, f);
  EXPECT_EQ((std::vector<int>(f, f + 6)), (std::vector<int>{1, 1, 1, 0, 0, 0}));
  FEM_KoodinLiput(6121010, f);
  EXPECT_EQ((std::vector<int>(f, f + 6)), (std::vector<int>{1, 2, 1, 0, 1, 0}));
  FEM_KoodinLiput(3101, f);  // three flags; the rest are free
  EXPECT_EQ((std::vector<int>(f, f + 6)), (std::vector<int>{1, 0, 1, 0, 0, 0}));
  FEM_KoodinLiput(0, f);
  EXPECT_EQ((std::vector<int>(f, f + 6)), (std::vector<int>{0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(FEM_KoodiKelpaa(6000000));
  EXPECT_TRUE(FEM_KoodiKelpaa(6111111));
  EXPECT_FALSE(FEM_KoodiKelpaa(5999999));
  EXPECT_FALSE(FEM_KoodiKelpaa(6111112));
}

// Any text a person could type gives messages, never a crash or a hang.
TEST(FemInput, RandomTextNeverBreaksReadingOrValidation) {
  std::mt19937 rng(12345);
  const std::string alphabet = "0123456789;;;;,.-+eE x[]=";
  const int sections[] = {101, 201, 301, 401, 501, 601, 701, 999, 0, -5};
  FEM_kaikki fem;
  for (int round = 0; round < 200; ++round) {
    Lines text;
    const int count = static_cast<int>(rng() % 60);
    for (int k = 0; k < count; ++k) {
      if (rng() % 8 == 0) {
        text.push_back(H(sections[rng() % 10]));
        continue;
      }
      std::string line;
      const int len = static_cast<int>(rng() % 40);
      for (int c = 0; c < len; ++c) line += alphabet[rng() % alphabet.size()];
      text.push_back(line);
    }
    fem.Read(text, static_cast<int>(rng() % 2));
    const int rc = fem.Validate();
    EXPECT_LE(rc, 0);
    EXPECT_EQ(rc == 0, fem.Messages().Lines().empty());
  }
}

// Speed is measured in bench/; here only that a long reversed list ends up ordered.
TEST(FemInput, ManyLinesInReverseOrderEndUpOrdered) {
  Lines text{H(101)};
  for (int k = 10000; k >= 1; --k)
    text.push_back(std::to_string(k) + ";" + std::to_string(k) + ";0;0");
  FEM_kaikki fem;
  fem.Read(text, 1);
  ASSERT_EQ(fem.Nodes().Count(), 10000);
  EXPECT_EQ(fem.Nodes().Number(0), 1);
  EXPECT_EQ(fem.Nodes().Number(9999), 10000);
  EXPECT_EQ(fem.Nodes().Find(1234), 1233);
}

}  // namespace
