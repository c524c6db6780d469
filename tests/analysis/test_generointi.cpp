// The analysis input text written for members, supports, hinges and loads, checked line by line.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "analysis/MalliGeneraattori.h"
#include "model/KuormaVektori.h"
#include "model/RakenneVektori.h"

namespace {

using Lines = std::vector<std::string>;

// Member of length L at an angle with the given supports (x, code) and hinges.
RakenneVektori MakeMember(double length, double angle,
                          const std::vector<std::pair<double, int>>& supports,
                          const std::vector<double>& hinges = {}) {
  RakenneVektori m;
  m.Reset();
  m.ClearRecords();
  m.Length = length;
  m.Angle = angle;
  for (const auto& s : supports) m.AddPoint(" ", RakenneVektori::kSupport, s.second, s.first);
  for (double h : hinges) m.AddPoint(" ", RakenneVektori::kHinge, RakenneVektori::kHingeZ, h);
  return m;
}

// Content lines of one section of the generated text.
Lines Section(const Lines& text, int n) {
  const std::string header = "[ ==== " + std::to_string(n) + " ==== ]";
  Lines out;
  bool inside = false;
  for (const auto& line : text) {
    if (line.rfind("[ ==== ", 0) == 0) {
      inside = line == header;
      continue;
    }
    if (inside) out.push_back(line);
  }
  return out;
}

Lines Generate(const RakenneVektori& m, const KuormaVektori& loads) {
  return GenerateAnalysisInput(m, loads);
}

constexpr int P = RakenneVektori::kPinned;
constexpr int SX = RakenneVektori::kSlidingX;
constexpr int SY = RakenneVektori::kSlidingY;
constexpr int F = RakenneVektori::kFixed;

}  // namespace

TEST(GenerointiRakenne, ResetMemberTextLineByLine) {
  RakenneVektori m;
  m.Reset();
  KuormaVektori loads;
  const Lines expected = {
      "[ ==== 101 ==== ]",
      "1;0.000000000;0.000000000;0",
      "2;6000.000000000;0.000000000;0",
      "[ ==== 201 ==== ]",
      "1;1;2;1;1;6111111;6111111;0;0;0",
      "[ ==== 301 ==== ]",
      "1;1;6111100",
      "2;2;6111100",
      "[ ==== 401 ==== ]",
      "[ ==== 501 ==== ]",
      "1;1;1;1;1;1;1;1;1;1;1;1",
      "[ ==== 601 ==== ]",
      "2;1;1;1.0;1.0;1;0;0;0;0;0;0",
      "[ ==== 999 ==== ]",
  };
  EXPECT_EQ(Generate(m, loads), expected);
}

TEST(GenerointiRakenne, NodesAtEveryDistinctPointInclinedCoordinates) {
  // Support and hinge at the same x share one node; a point 0.01 mm away gets its own.
  const auto m =
      MakeMember(5000.0, 30.0, {{0.0, P}, {2000.0, P}, {5000.0, P}}, {2000.0, 3000.0, 3000.01});
  const Lines nodes = Section(Generate(m, KuormaVektori()), 101);
  // x·cos 30 and x·sin 30, by hand to nine decimals.
  const Lines expected = {"1;0.000000000;0.000000000;0", "2;1732.050807569;1000.000000000;0",
                          "3;2598.076211353;1500.000000000;0", "4;2598.084871607;1500.005000000;0",
                          "5;4330.127018922;2500.000000000;0"};
  EXPECT_EQ(nodes, expected);
}

TEST(GenerointiRakenne, ColumnStandsOnTheYAxis) {
  const auto m = MakeMember(3000.0, 90.0, {{0.0, P}, {3000.0, P}});
  const Lines expected = {"1;0.000000000;0.000000000;0", "2;0.000000000;3000.000000000;0"};
  EXPECT_EQ(Section(Generate(m, KuormaVektori()), 101), expected);
}

TEST(GenerointiRakenne, HingesReleaseTheBarOnTheirLeft) {
  // Hinge at 2000 of 5000: bar 1 ends released, bar 2 starts connected.
  auto m = MakeMember(5000.0, 0.0, {{0.0, P}, {5000.0, P}}, {2000.0});
  Lines bars = Section(Generate(m, KuormaVektori()), 201);
  Lines expected = {"1;1;2;1;1;6111111;6111110;0;0;0", "2;2;3;1;1;6111111;6111111;0;0;0"};
  EXPECT_EQ(bars, expected);

  // Hinges over fixed supports at both ends and one inside a span: the hinge at 0
  // releases the start of bar 1, the others the end of the bar on their left.
  m = MakeMember(6000.0, 0.0, {{0.0, F}, {2000.0, P}, {6000.0, F}}, {0.0, 3999.5, 6000.0});
  bars = Section(Generate(m, KuormaVektori()), 201);
  expected = {"1;1;2;1;1;6111110;6111111;0;0;0", "2;2;3;1;1;6111111;6111110;0;0;0",
              "3;3;4;1;1;6111111;6111110;0;0;0"};
  EXPECT_EQ(bars, expected);
}

TEST(GenerointiRakenne, SupportTypesAndTorsionRestraintByAngle) {
  const std::vector<std::pair<double, int>> supports = {
      {0.0, P}, {1500.0, SX}, {3000.0, SY}, {6000.0, F}};
  // Horizontal: rx added wherever it is free.
  Lines s = Section(Generate(MakeMember(6000.0, 0.0, supports), KuormaVektori()), 301);
  EXPECT_EQ(s, (Lines{"1;1;6111100", "2;2;6011100", "3;3;6101100", "4;4;6111111"}));
  // Vertical: ry added wherever it is free.
  s = Section(Generate(MakeMember(6000.0, 90.0, supports), KuormaVektori()), 301);
  EXPECT_EQ(s, (Lines{"1;1;6111010", "2;2;6011010", "3;3;6101010", "4;4;6111111"}));
  // Inclined: only the first support gets rx.
  s = Section(Generate(MakeMember(6000.0, 30.0, supports), KuormaVektori()), 301);
  EXPECT_EQ(s, (Lines{"1;1;6111100", "2;2;6011000", "3;3;6101000", "4;4;6111111"}));
}

TEST(GenerointiRakenne, SupportNumbersFollowNodesNotHinges) {
  // Nodes 1..4 at 0, 1000 (hinge only), 3000, 6000; support numbers count written supports.
  auto m = MakeMember(6000.0, 30.0, {{3000.0, SX}, {6000.0, P}}, {1000.0});
  Lines s = Section(Generate(m, KuormaVektori()), 301);
  EXPECT_EQ(s, (Lines{"1;3;6011100", "2;4;6111000"}));
  // A fixed first support keeps its code; the second stays unchanged.
  m = MakeMember(6000.0, 30.0, {{0.0, F}, {6000.0, P}});
  s = Section(Generate(m, KuormaVektori()), 301);
  EXPECT_EQ(s, (Lines{"1;1;6111111", "2;2;6111000"}));
  // Angles outside 0..90 get no addition.
  m = MakeMember(6000.0, 120.0, {{0.0, P}, {6000.0, P}});
  s = Section(Generate(m, KuormaVektori()), 301);
  EXPECT_EQ(s, (Lines{"1;1;6111000", "2;2;6111000"}));
}

TEST(GenerointiPistekuormat, GlobalAtNodesAndInsideBars) {
  const auto m = MakeMember(6000.0, 0.0, {{0.0, P}, {2000.0, P}, {6000.0, P}});
  KuormaVektori loads;
  loads.AddLoad("a", 0, KuormaVektori::kPoint, 2, 1, -10000.0, 0, 2000.0, 0);
  loads.AddLoad("b", 0, KuormaVektori::kPoint, 6, 1, 2.5e6, 0, 0.0, 0);
  loads.AddLoad("c", 1, KuormaVektori::kPoint, -2, 1, -7000.0, 0, 3500.0, 0);
  loads.AddLoad("d", 1, KuormaVektori::kPoint, 1, 1, 1234.56, 0, 1999.9995, 0);
  loads.AddLoad("outside", 1, KuormaVektori::kPoint, 2, 1, 1.0, 0, 6000.5, 0);
  loads.AddLoad("before", 1, KuormaVektori::kPoint, 2, 1, 1.0, 0, -0.5, 0);
  loads.AddLoad("tiny", 2, KuormaVektori::kPoint, 2, 1, 0.04, 0, 6000.0, 0);
  const Lines expected = {
      "1;1;1;1;2;2;-10000.0;0;0;0",
      "2;1;1;1;1;6;2500000.0;0;0;0",
      // Local codes stay local inside a bar; a measured from the bar's start node.
      "3;2;2;1;2;-2;-7000.0;0;1500.000;0",
      "4;2;2;1;1;1;1234.6;0;1999.999;0",  // 1999.9995 written to three decimals
      "5;3;1;1;3;2;0.0;0;0;0",
  };
  EXPECT_EQ(Section(Generate(m, loads), 401), expected);
}

TEST(GenerointiPistekuormat, LocalAtNodesSplitByAngle) {
  auto m = MakeMember(6000.0, 30.0, {{0.0, P}, {6000.0, P}});
  KuormaVektori loads;
  loads.AddLoad(" ", 0, KuormaVektori::kPoint, -2, 1, 10000.0, 0, 6000.0, 0);
  loads.AddLoad(" ", 0, KuormaVektori::kPoint, -1, 1, 10000.0, 0, 6000.0, 0);
  loads.AddLoad(" ", 0, KuormaVektori::kPoint, -5, 1, 1.0e6, 0, 0.0, 0);
  loads.AddLoad(" ", 0, KuormaVektori::kPoint, -4, 1, 1.0e6, 0, 0.0, 0);
  loads.AddLoad(" ", 0, KuormaVektori::kPoint, -3, 1, 500.0, 0, 0.0, 0);
  loads.AddLoad(" ", 0, KuormaVektori::kPoint, -6, 1, 700.0, 0, 0.0, 0);
  // Local y = (-sin, cos), local x = (cos, sin); Y component first, then X.
  const Lines expected = {
      "1;1;1;1;2;2;8660.3;0;0;0",   "2;1;1;1;2;1;-5000.0;0;0;0",  "3;1;1;1;2;2;5000.0;0;0;0",
      "4;1;1;1;2;1;8660.3;0;0;0",   "5;1;1;1;1;5;866025.4;0;0;0", "6;1;1;1;1;4;-500000.0;0;0;0",
      "7;1;1;1;1;5;500000.0;0;0;0", "8;1;1;1;1;4;866025.4;0;0;0", "9;1;1;1;1;3;500.0;0;0;0",
      "10;1;1;1;1;6;700.0;0;0;0",
  };
  EXPECT_EQ(Section(Generate(m, loads), 401), expected);

  // Zero components are left out: horizontal and vertical members give one line each.
  KuormaVektori one;
  one.AddLoad(" ", 0, KuormaVektori::kPoint, -2, 1, -1000.0, 0, 6000.0, 0);
  one.AddLoad(" ", 0, KuormaVektori::kPoint, -1, 1, -1000.0, 0, 6000.0, 0);
  m.Angle = 0.0;
  EXPECT_EQ(Section(Generate(m, one), 401),
            (Lines{"1;1;1;1;2;2;-1000.0;0;0;0", "2;1;1;1;2;1;-1000.0;0;0;0"}));
  m.Angle = 90.0;
  EXPECT_EQ(Section(Generate(m, one), 401),
            (Lines{"1;1;1;1;2;1;1000.0;0;0;0", "2;1;1;1;2;2;-1000.0;0;0;0"}));
}

TEST(GenerointiViivakuormat, SplitOverBarsWithOrdinatesAtTheNodes) {
  // Nodes 0, 2000, 5000; 2.0..5.0 N/mm from 1000 to 4000: 3.0 at the node at 2000.
  auto m = MakeMember(5000.0, 0.0, {{0.0, P}, {2000.0, P}, {5000.0, P}});
  KuormaVektori loads;
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, 1, 2.0, 5.0, 1000.0, 4000.0);
  EXPECT_EQ(Section(Generate(m, loads), 401),
            (Lines{"1;1;2;3;1;2;2.00000;3.00000;1000.000;2000.000",
                   "2;1;2;3;2;2;3.00000;5.00000;0.000;2000.000"}));

  // Over three bars, 0..8 N/mm from 1000 to 5000: slope 0.002, so 2 at 2000 and 6 at 4000.
  m = MakeMember(6000.0, 0.0, {{0.0, P}, {2000.0, P}, {4000.0, P}, {6000.0, P}});
  loads.ClearLoads();
  loads.AddLoad(" ", 0, KuormaVektori::kLine, -2, 1, 0.0, 8.0, 1000.0, 5000.0);
  EXPECT_EQ(Section(Generate(m, loads), 401),
            (Lines{"1;1;2;3;1;-2;0.00000;2.00000;1000.000;2000.000",
                   "2;1;2;3;2;-2;2.00000;6.00000;0.000;2000.000",
                   "3;1;2;3;3;-2;6.00000;8.00000;0.000;1000.000"}));

  // Ending exactly at a node stays on the bar before it; starting there, on the bar after.
  loads.ClearLoads();
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 6, 1, -3.0, -3.0, 0.0, 2000.0);
  loads.AddLoad(" ", 1, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 4000.0, 6000.0);
  EXPECT_EQ(Section(Generate(m, loads), 401),
            (Lines{"1;1;2;3;1;6;-3.00000;-3.00000;0.000;2000.000",
                   "2;2;2;3;3;2;-1.00000;-1.00000;0.000;2000.000"}));
}

TEST(GenerointiViivakuormat, ProjectionsBecomeLoadsPerMemberLength) {
  KuormaVektori loads;
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, KuormaVektori::kPerHorizontal, -2.0, -4.0, 0.0,
                6000.0);
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 1, KuormaVektori::kPerVertical, 2.0, 2.0, 0.0,
                6000.0);
  // Projections that do not match the direction are used as entered.
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 1, KuormaVektori::kPerHorizontal, 2.0, 2.0, 0.0,
                6000.0);
  loads.AddLoad(" ", 0, KuormaVektori::kLine, -2, KuormaVektori::kPerHorizontal, 2.0, 2.0, 0.0,
                6000.0);
  auto m = MakeMember(6000.0, 60.0, {{0.0, P}, {6000.0, P}});
  // cos 60 = 0.5, sin 60 = 0.8660254.
  EXPECT_EQ(Section(Generate(m, loads), 401),
            (Lines{"1;1;2;3;1;2;-1.00000;-2.00000;0.000;6000.000",
                   "2;1;2;3;1;1;1.73205;1.73205;0.000;6000.000",
                   "3;1;2;3;1;1;2.00000;2.00000;0.000;6000.000",
                   "4;1;2;3;1;-2;2.00000;2.00000;0.000;6000.000"}));
  m.Angle = 0.0;  // a horizontal beam: per horizontal projection = per length
  EXPECT_EQ(Section(Generate(m, loads), 401)[0], "1;1;2;3;1;2;-2.00000;-4.00000;0.000;6000.000");
}

TEST(GenerointiViivakuormat, SurfaceLoadsTimesTheLoadWidth) {
  auto m = MakeMember(6000.0, 0.0, {{0.0, P}, {6000.0, P}});
  KuormaVektori loads;
  loads.AddLoad(" ", 0, KuormaVektori::kSurface, 2, 1, -0.0015, -0.0025, 0.0, 6000.0);
  m.LoadWidth = 1200.0;
  EXPECT_EQ(Section(Generate(m, loads), 401),
            (Lines{"1;1;2;3;1;2;-1.80000;-3.00000;0.000;6000.000"}));
  m.LoadWidth = 0.0;  // no width given: 1000 mm
  EXPECT_EQ(Section(Generate(m, loads), 401),
            (Lines{"1;1;2;3;1;2;-1.50000;-2.50000;0.000;6000.000"}));
  m.LoadWidth = -5.0;
  EXPECT_EQ(Section(Generate(m, loads), 401)[0], "1;1;2;3;1;2;-1.50000;-2.50000;0.000;6000.000");
  // Width first, then the projection: 0.002·900·cos 60 = 0.9.
  m.LoadWidth = 900.0;
  m.Angle = 60.0;
  loads.ClearLoads();
  loads.AddLoad(" ", 0, KuormaVektori::kSurface, 2, KuormaVektori::kPerHorizontal, 0.002, 0.002,
                0.0, 6000.0);
  EXPECT_EQ(Section(Generate(m, loads), 401)[0], "1;1;2;3;1;2;0.90000;0.90000;0.000;6000.000");
}

TEST(GenerointiViivakuormat, PositionsOutsideTheMember) {
  auto m = MakeMember(6000.0, 0.0, {{0.0, P}, {3000.0, P}, {6000.0, P}});
  KuormaVektori loads;
  // Negative end = to the member end; negative start = from the member start.
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, -1.0);
  loads.AddLoad(" ", 1, KuormaVektori::kLine, 2, 1, -2.0, -2.0, -1.0, 1000.0);
  // Past L: cut there at the linear value, 1 + (6000-4000)·(5-1)/4000 = 3.
  loads.AddLoad(" ", 2, KuormaVektori::kLine, 2, 1, 1.0, 5.0, 4000.0, 8000.0);
  // End before start: the positions are swapped as the load dialog does.
  loads.AddLoad(" ", 3, KuormaVektori::kLine, 2, 1, 1.0, 2.0, 2000.0, 1000.0);
  // Starting at or beyond L, or of no length: nothing.
  loads.AddLoad(" ", 4, KuormaVektori::kLine, 2, 1, 1.0, 1.0, 6000.0, 7000.0);
  loads.AddLoad(" ", 4, KuormaVektori::kLine, 2, 1, 1.0, 1.0, 1000.0, 1000.0);
  EXPECT_EQ(Section(Generate(m, loads), 401),
            (Lines{"1;1;2;3;1;2;-1.00000;-1.00000;0.000;3000.000",
                   "2;1;2;3;2;2;-1.00000;-1.00000;0.000;3000.000",
                   "3;2;2;3;1;2;-2.00000;-2.00000;0.000;1000.000",
                   "4;3;2;3;2;2;1.00000;3.00000;1000.000;3000.000",
                   "5;4;2;3;1;2;1.00000;2.00000;1000.000;2000.000"}));
}

TEST(GenerointiKuormat, NumberingRunsAcrossCasesAndKinds) {
  const auto m = MakeMember(6000.0, 0.0, {{0.0, P}, {6000.0, P}});
  KuormaVektori loads;
  loads.AddLoad(" ", 2, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
  loads.AddLoad(" ", 0, KuormaVektori::kSurface, 2, 1, -0.001, -0.001, 0.0, 6000.0);
  loads.AddLoad(" ", 0, KuormaVektori::kPoint, 2, 1, -500.0, 0, 3000.0, 0);
  // A record of an unknown kind, as no reader lets in: not written.
  loads.AddRecord({" "}, {-500.0, 0.0, 3000.0, 0.0}, {7, 9, 2, 1});
  EXPECT_EQ(
      Section(Generate(m, loads), 401),
      (Lines{"1;1;2;1;1;2;-500.0;0;3000.000;0", "2;1;2;3;1;2;-1.00000;-1.00000;0.000;6000.000",
             "3;3;2;3;1;2;-1.00000;-1.00000;0.000;6000.000"}));
}

TEST(GenerointiKuormat, EmptyAndDegenerateMembersStillWriteEveryHeader) {
  RakenneVektori m;
  m.Reset();
  m.ClearRecords();
  m.Length = 0.0;  // one node, no bars, no supports
  const Lines text = Generate(m, KuormaVektori());
  EXPECT_EQ(text, (Lines{"[ ==== 101 ==== ]", "1;0.000000000;0.000000000;0", "[ ==== 201 ==== ]",
                         "[ ==== 301 ==== ]", "[ ==== 401 ==== ]", "[ ==== 501 ==== ]",
                         "1;1;1;1;1;1;1;1;1;1;1;1", "[ ==== 601 ==== ]",
                         "2;1;1;1.0;1.0;1;0;0;0;0;0;0", "[ ==== 999 ==== ]"}));
  // Loads on it find no bar and write nothing.
  KuormaVektori loads;
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, 1, 1.0, 1.0, 0.0, 100.0);
  loads.AddLoad(" ", 0, KuormaVektori::kPoint, 2, 1, 1.0, 0, 50.0, 0);
  EXPECT_TRUE(Section(Generate(m, loads), 401).empty());
}
