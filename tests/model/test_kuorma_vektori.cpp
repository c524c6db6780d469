// Loads: order, queries, cutting and lengthening with the member, removing a load case.
#include <gtest/gtest.h>

#include "model/KuormaOletukset.h"
#include "model/KuormaVektori.h"

namespace {

using K = KuormaVektori;

// A load with only the fields a test cares about.
int Add(K& v, const char* name, int c, qv::LoadKind kind, double q1 = 1.0, double q2 = 1.0,
        double x1 = 0.0, double x2 = 0.0, int dir = -2) {
  return v.AddLoad(name, c, kind, dir, K::kPerLength, q1, q2, x1, x2);
}

TEST(KuormaVektori, OrderIsCaseThenKindThenAddition) {
  K v;
  Add(v, "a", 1, K::kLine);
  Add(v, "b", 0, K::kPoint);
  Add(v, "c", 1, K::kPoint);
  ASSERT_EQ(v.Count(), 3);
  EXPECT_STREQ(v.GetText(0, 0), "b");
  EXPECT_STREQ(v.GetText(1, 0), "c");
  EXPECT_STREQ(v.GetText(2, 0), "a");
  Add(v, "d", 1, K::kPoint);  // after c, before the line load
  EXPECT_STREQ(v.GetText(2, 0), "d");
  EXPECT_EQ(v.ParseRecord("e;0;3;-2;1;1.0;1.0;0;100"), 1);
  EXPECT_STREQ(v.GetText(1, 0), "e");
}

TEST(KuormaVektori, RecordLineFormAndNames) {
  K v;
  v.AddLoad("", 2, K::kLine, -2, K::kPerLength, -1.5, -2.25, 100.0, 2500.0);
  EXPECT_EQ(v.FormatRecord(0), " ;2;2;-2;1;-1.50000;-2.25000;100.000;2500.000");
  v.AddLoad(std::string(70, 'x'), 0, K::kPoint, 2, K::kPerLength, 1.0, 0.0, 0.0, 0.0);
  EXPECT_EQ(std::string(v.GetText(0, 0)), std::string(59, 'x'));
}

TEST(KuormaVektori, SeparatorInNameDoesNotBreakOtherRecords) {
  K v;
  Add(v, "eka", 0, K::kPoint, 1000.0, 0.0, 500.0, 0.0);
  v.AddLoad("a;b", 1, K::kLine, -2, K::kPerHorizontal, -2.5, -3.5, 0.0, 6000.0);
  Add(v, "kolmas", 2, K::kSurface, 0.001, 0.002, 10.0, 20.0);

  K back;
  for (int i = 0; i < v.Count(); ++i) ASSERT_EQ(back.ParseRecord(v.FormatRecord(i)), 1) << i;
  ASSERT_EQ(back.Count(), 3);
  EXPECT_STREQ(back.GetText(1, 0), "a,b");
  for (int i = 0; i < 3; ++i) {
    if (i != 1) {
      EXPECT_STREQ(back.GetText(i, 0), v.GetText(i, 0));
    }
    EXPECT_EQ(back.LoadCase(i), v.LoadCase(i));
    EXPECT_EQ(back.Kind(i), v.Kind(i));
    EXPECT_EQ(back.Direction(i), v.Direction(i));
    EXPECT_EQ(back.RefLength(i), v.RefLength(i));
    EXPECT_DOUBLE_EQ(back.Q1(i), v.Q1(i));
    EXPECT_DOUBLE_EQ(back.Q2(i), v.Q2(i));
    EXPECT_DOUBLE_EQ(back.X1(i), v.X1(i));
    EXPECT_DOUBLE_EQ(back.X2(i), v.X2(i));
  }
}

TEST(KuormaVektori, CountsFirstAndLargest) {
  K v;
  v.AddLoad("p", 0, K::kPoint, 2, 1, -3000.0, 99999.0, 10.0, 0.0);  // Q2 of a point load ignored
  v.AddLoad("m", 0, K::kPoint, -6, 1, 5e6, 0.0, 10.0, 0.0);
  v.AddLoad("l", 1, K::kLine, -2, 1, 1.0, -7.0, 0.0, 100.0);
  v.AddLoad("s", 1, K::kSurface, 3, 1, 0.5, 0.25, 0.0, 100.0);
  EXPECT_EQ(v.CountLoads(-1, std::nullopt), 4);
  EXPECT_EQ(v.CountLoads(0, K::kPoint), 2);
  EXPECT_EQ(v.CountLoads(-1, K::kLine), 1);
  EXPECT_EQ(v.CountLoads(2, std::nullopt), 0);
  EXPECT_EQ(v.FirstLoad(1, std::nullopt), 2);
  EXPECT_EQ(v.FirstLoad(1, K::kSurface), 3);
  EXPECT_EQ(v.FirstLoad(0, K::kLine), -1);
  EXPECT_DOUBLE_EQ(v.LargestLoadValue(-1, std::nullopt, false), 3000.0);
  EXPECT_DOUBLE_EQ(v.LargestLoadValue(-1, std::nullopt, true), 5e6);
  EXPECT_DOUBLE_EQ(v.LargestLoadValue(1, K::kLine, false), 7.0);
  EXPECT_DOUBLE_EQ(v.LargestLoadValue(1, std::nullopt, true), 0.0);
  EXPECT_FALSE(v.HasAxialLoads());
  EXPECT_TRUE(v.HasOutOfPlaneLoads());  // the surface load along Z

  K w;
  w.AddLoad("n", 0, K::kPoint, -1, 1, 1.0, 0.0, 0.0, 0.0);
  w.AddLoad("my", 0, K::kPoint, 5, 1, 1.0, 0.0, 0.0, 0.0);
  EXPECT_TRUE(w.HasAxialLoads());
  EXPECT_TRUE(w.HasOutOfPlaneLoads());
  w.ClearRecords();
  w.AddLoad("mz", 0, K::kPoint, -6, 1, 1.0, 0.0, 0.0, 0.0);
  EXPECT_FALSE(w.HasOutOfPlaneLoads());
}

TEST(KuormaVektori, CutLoadsAtShorterLength) {
  K v;
  Add(v, "cut", 0, K::kLine, 1.0, 5.0, 1000.0, 5000.0);
  Add(v, "pointAtL", 0, K::kPoint, 1.0, 0.0, 3000.0, 0.0);
  Add(v, "pointBeyond", 0, K::kPoint, 1.0, 0.0, 3000.5, 0.0);
  Add(v, "lineAtL", 0, K::kLine, 1.0, 1.0, 3000.0, 4000.0);
  Add(v, "surfaceInside", 1, K::kSurface, 2.0, 4.0, 0.0, 3000.0);
  Add(v, "surfaceOver", 1, K::kSurface, -2.0, 2.0, 2000.0, 4000.0);
  v.CurrentIndex = 5;  // surfaceOver, which stays
  v.CutLoadsAt(3000.0);

  ASSERT_EQ(v.Count(), 4);
  EXPECT_STREQ(v.GetText(0, 0), "pointAtL");
  EXPECT_STREQ(v.GetText(1, 0), "cut");
  EXPECT_DOUBLE_EQ(v.X2(1), 3000.0);
  EXPECT_DOUBLE_EQ(v.Q2(1), 3.0);  // 1 + 4 * 2000 / 4000
  EXPECT_DOUBLE_EQ(v.Q1(1), 1.0);
  EXPECT_DOUBLE_EQ(v.X2(2), 3000.0);
  EXPECT_DOUBLE_EQ(v.Q2(2), 4.0);
  EXPECT_DOUBLE_EQ(v.Q2(3), 0.0);  // halfway from -2 to 2
  EXPECT_STREQ(v.GetText(v.CurrentIndex, 0), "surfaceOver");

  v.CurrentIndex = 0;
  v.CutLoadsAt(2999.0);  // removes pointAtL
  EXPECT_EQ(v.CurrentIndex, -1);
}

TEST(KuormaVektori, FullLengthLoadsFollowLongerMember) {
  K v;
  Add(v, "full", 0, K::kLine, 1.0, 1.0, 0.0, 6000.0);
  Add(v, "marked", 0, K::kSurface, 1.0, 1.0, 0.0, -1.0);
  Add(v, "partial", 0, K::kLine, 1.0, 1.0, 10.0, 6000.0);
  Add(v, "point", 0, K::kPoint, 1.0, 0.0, 0.0, 6000.0);
  EXPECT_TRUE(v.FullLengthLoadsExist(6000.0));
  v.LengthenFullLengthLoads(6000.0, 8000.0);
  EXPECT_DOUBLE_EQ(v.X2(1), 8000.0);  // full
  EXPECT_DOUBLE_EQ(v.X2(2), 6000.0);  // partial
  EXPECT_DOUBLE_EQ(v.X2(3), 8000.0);  // marked
  EXPECT_DOUBLE_EQ(v.X2(0), 6000.0);  // point loads never
  EXPECT_FALSE(v.FullLengthLoadsExist(6000.0));
  EXPECT_TRUE(v.FullLengthLoadsExist(8000.0));

  K w;
  Add(w, "partial", 0, K::kLine, 1.0, 1.0, 10.0, 6000.0);
  EXPECT_FALSE(w.FullLengthLoadsExist(6000.0));
}

TEST(KuormaVektori, RemoveFirstLoadCaseOfEc5Defaults) {
  K v;
  v.LoadDefaults("", qv::DesignCode::kEc5Env);
  Add(v, "g", 0, K::kPoint);
  Add(v, "q", 2, K::kLine);
  Add(v, "w", 5, K::kPoint);
  v.VisibleCase = 5;
  v.CurrentIndex = 1;  // "q"

  EXPECT_EQ(v.RemoveLoadCase(0), 0);
  const auto& kt = v.Cases();
  ASSERT_EQ(kt.Count(), 5);
  EXPECT_EQ(kt.Name(0), "Varastokuorma");
  EXPECT_EQ(kt.Name(4), "Tuulikuorma");
  ASSERT_EQ(v.Count(), 2);
  EXPECT_STREQ(v.GetText(0, 0), "q");
  EXPECT_EQ(v.LoadCase(0), 1);
  EXPECT_EQ(v.LoadCase(1), 4);
  EXPECT_EQ(v.VisibleCase, 4);
  EXPECT_EQ(v.CurrentIndex, 0);

  // KY1 had factors for cases 0, 2, 3, 4, 5: now cases 1..4 with 1.5, 1.05, 1.05, 0.75.
  const auto& ky = v.Combinations();
  EXPECT_EQ(ky.CombinationCount(), 2);
  EXPECT_DOUBLE_EQ(ky.Factor(0, 0), 0.0);
  EXPECT_DOUBLE_EQ(ky.Factor(0, 1), 1.5);
  EXPECT_DOUBLE_EQ(ky.Factor(0, 2), 1.05);
  EXPECT_DOUBLE_EQ(ky.Factor(0, 3), 1.05);
  EXPECT_DOUBLE_EQ(ky.Factor(0, 4), 0.75);
  EXPECT_DOUBLE_EQ(ky.Factor(1, 0), 1.0);  // former Varastokuorma
  EXPECT_DOUBLE_EQ(ky.Factor(1, 4), 0.3);
  EXPECT_EQ(ky.Count(), 2 + 4 + 5);
  ASSERT_EQ(ky.HeaderRow(0), 0);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(ky.LoadCase(i), i);

  EXPECT_EQ(v.RemoveLoadCase(5), -1);
  EXPECT_EQ(v.RemoveLoadCase(-1), -1);
  v.VisibleCase = 1;
  v.RemoveLoadCase(1);
  EXPECT_EQ(v.VisibleCase, -1);
}

TEST(KuormaVektori, GoverningDurationClass) {
  K v;
  v.LoadDefaults("", qv::DesignCode::kEc5Env);  // classes 0 1 2 2 3 3
  // No loads at all: 1 for any combination.
  EXPECT_EQ(v.GoverningDurationClass(0, 5), 1);
  Add(v, "g", 0, K::kPoint);
  Add(v, "s", 3, K::kLine);
  Add(v, "varasto", 1, K::kLine);
  // KY1 has no factor for case 1, so its load does not count.
  EXPECT_EQ(v.GoverningDurationClass(0, -1), 3);
  EXPECT_EQ(v.GoverningDurationClass(1, -1), 3);
  Add(v, "w", 5, K::kPoint);
  EXPECT_EQ(v.GoverningDurationClass(0, -1), 4);
  // Not a combination: the class of the case.
  EXPECT_EQ(v.GoverningDurationClass(-1, 4), 4);
  EXPECT_EQ(v.GoverningDurationClass(7, 1), 2);
  EXPECT_EQ(v.GoverningDurationClass(-1, 6), 1);
}

TEST(KuormaVektori, ClearLoadsKeepsCasesAndCombinations) {
  K v;
  v.LoadDefaults("", qv::DesignCode::kLimitState);
  Add(v, "a", 0, K::kPoint);
  v.CurrentIndex = 0;
  v.Updating = 1;
  v.ClearLoads();
  EXPECT_EQ(v.Count(), 0);
  EXPECT_EQ(v.CurrentIndex, -1);
  EXPECT_EQ(v.Updating, 0);
  EXPECT_EQ(v.Cases().Count(), 4);
  EXPECT_EQ(v.Combinations().CombinationCount(), 4);
}

}  // namespace
