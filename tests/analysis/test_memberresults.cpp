// Internal forces and reactions along the member: sampling points, case weights, closed-form beam
// values.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/MemberTestProject.h"

namespace {

using F = MemberResultField;

constexpr int kPinned = RakenneVektori::kPinned;

// First record at x (the forces also hold the sides of point loads and the moment's
// stationary points besides the equal steps), or -1.
int FirstAt(const QELvektori& t, double x) {
  for (int i = 0; i < t.Count(); ++i)
    if (std::fabs(t.GetReal(i, MemberResultField::kX) - x) < 1e-6) return i;
  return -1;
}
constexpr double kL = 4000.0;

// Simply supported beam under a uniform load q (downward), at s from the left support.
double UniformMz(double q, double L, double s) { return q * s * (L - s) / 2.0; }
double UniformVy(double q, double L, double s) { return q * (L / 2.0 - s); }
// The same under a point load P (downward) at a; at s = a the load is not yet counted.
double PointMz(double P, double a, double L, double s) {
  return s <= a ? P * (L - a) * s / L : P * a * (L - s) / L;
}
double PointVy(double P, double a, double L, double s) {
  return s <= a ? P * (L - a) / L : -P * a / L;
}

// Values of a simply supported beam: KT1 a uniform load of 1 N/mm, KT2 a point load of
// 5000 N at 1050 mm, KY1 = 1.2 KT1 + 1.6 KT2.
class SimpleBeam : public ::testing::Test {
 protected:
  void SetUp() override {
    t.SetMember(kL, {{0.0, kPinned}, {kL, kPinned}});
    t.AddCase("Omapaino", 0);
    t.AddCase("Hyötykuorma", 1);
    t.AddCase("Tyhjä", 1);
    t.AddCombination(KuormaYhdVektori::kStress, {1.2, 1.6});
    t.AddLine(0, MemberTestProject::kDown, -kQ, 0.0, kL);
    t.AddPoint(1, MemberTestProject::kDown, -kP, kA);
    ASSERT_EQ(0, t.Solve());
  }
  static constexpr double kQ = 1.0;
  static constexpr double kP = 5000.0;
  static constexpr double kA = 1050.0;
  static constexpr double kTol = 1e-4;  // N and N·mm against values up to 1e7
  MemberTestProject t;
};

TEST(MemberResultSampling, StepAndDivisions) {
  EXPECT_DOUBLE_EQ(100.0, SamplingStep(4000.1, 40));
  EXPECT_EQ(40, SamplingDivisions(4000.1, 100.0));
  EXPECT_EQ(2, SamplingDivisions(30.0, 99.9975));  // a short bar still gets three points
  EXPECT_EQ(2, SamplingDivisions(150.0, 99.9975));
  EXPECT_EQ(2, SamplingDivisions(0.0, 100.0));
  // A member no longer than 0.1 mm has no step; its bars get the least division.
  EXPECT_EQ(2, SamplingDivisions(0.05, SamplingStep(0.05, 40)));
  EXPECT_EQ(2, SamplingDivisions(0.1, SamplingStep(0.1, 40)));
  // Counts outside 10..200 (from a file) are held to that range, never divided by 0.
  EXPECT_DOUBLE_EQ((4000.0 - 0.1) / 10, SamplingStep(4000.0, 0));
  EXPECT_DOUBLE_EQ((4000.0 - 0.1) / 200, SamplingStep(4000.0, 5000));
}

TEST(MemberResultSampling, SingleBarOfLength4000point1) {
  MemberTestProject t;
  t.SetMember(4000.1, {{0.0, kPinned}, {4000.1, kPinned}});
  t.AddCase("G", 0);
  t.AddLine(0, MemberTestProject::kDown, -1.0, 0.0, 4000.1);
  ASSERT_EQ(0, t.Solve());
  QELvektori table;
  ASSERT_EQ(41, MemberForces(*t.project, -1, 0, table));
  EXPECT_EQ(7, table.RealCount());
  EXPECT_DOUBLE_EQ(0.0, table.GetReal(0, F::kX));
  EXPECT_NEAR(100.0025, table.GetReal(1, F::kX), 1e-9);
  EXPECT_NEAR(4000.1, table.GetReal(40, F::kX), 1e-9);
}

TEST(MemberResultSampling, InnerNodesAppearTwiceAndShortBarsGetThreePoints) {
  MemberTestProject t;
  // Supports at 0, 30, 2000 and 5000: bars of 30, 1970 and 3000 mm; t = 4999.9/40.
  t.SetMember(5000.0, {{0.0, kPinned}, {30.0, kPinned}, {2000.0, kPinned}, {5000.0, kPinned}});
  t.AddCase("G", 0);
  t.AddLine(0, MemberTestProject::kDown, -1.0, 0.0, 5000.0);
  ASSERT_EQ(0, t.Solve());
  QELvektori table;
  const int n2 = static_cast<int>(std::floor(1970.0 / (4999.9 / 40)));  // 15
  const int n3 = static_cast<int>(std::floor(3000.0 / (4999.9 / 40)));  // 24
  // The equal steps, as the displacements have them.
  ASSERT_EQ(3 + (n2 + 1) + (n3 + 1), MemberDisplacements(*t.project, -1, 0, table, 0, 1));
  EXPECT_DOUBLE_EQ(0.0, table.GetReal(0, F::kX));
  EXPECT_NEAR(15.0, table.GetReal(1, F::kX), 1e-9);
  EXPECT_NEAR(30.0, table.GetReal(2, F::kX), 1e-9);
  EXPECT_NEAR(30.0, table.GetReal(3, F::kX), 1e-9);
  const int last2 = 3 + n2;
  EXPECT_NEAR(2000.0, table.GetReal(last2, F::kX), 1e-9);
  EXPECT_NEAR(2000.0, table.GetReal(last2 + 1, F::kX), 1e-9);
  EXPECT_NEAR(5000.0, table.GetReal(table.Count() - 1, F::kX), 1e-9);
  // Over the inner support at 2000 the shear changes sign between the two records.
  MemberForces(*t.project, -1, 0, table);
  const int at = FirstAt(table, 2000.0);
  ASSERT_GE(at, 0);
  EXPECT_NEAR(2000.0, table.GetReal(at + 1, F::kX), 1e-9);
  EXPECT_LT(table.GetReal(at, F::kVy), 0.0);
  EXPECT_GT(table.GetReal(at + 1, F::kVy), 0.0);
  EXPECT_NEAR(table.GetReal(at, F::kMz), table.GetReal(at + 1, F::kMz), 1e-3);
}

TEST_F(SimpleBeam, SingleLoadCasesMatchClosedForm) {
  QELvektori g, p;
  ASSERT_GE(MemberForces(*t.project, -1, 0, g), 41);
  ASSERT_GE(MemberForces(*t.project, -1, 1, p), 41);
  for (int i = 0; i < g.Count(); ++i) {
    const double s = g.GetReal(i, F::kX);
    EXPECT_NEAR(UniformMz(kQ, kL, s), g.GetReal(i, F::kMz), kTol) << s;
    EXPECT_NEAR(UniformVy(kQ, kL, s), g.GetReal(i, F::kVy), kTol) << s;
    for (int j : {F::kN, F::kVz, F::kMx, F::kMy}) EXPECT_NEAR(0.0, g.GetReal(i, j), kTol);
  }
  for (int i = 0; i < p.Count(); ++i) {
    const double s = p.GetReal(i, F::kX);
    EXPECT_NEAR(PointMz(kP, kA, kL, s), p.GetReal(i, F::kMz), kTol) << s;
    EXPECT_NEAR(PointVy(kP, kA, kL, s), p.GetReal(i, F::kVy), kTol) << s;
    for (int j : {F::kN, F::kVz, F::kMx, F::kMy}) EXPECT_NEAR(0.0, p.GetReal(i, j), kTol);
  }
  for (int i = 0; i <= 40; ++i) EXPECT_GE(FirstAt(g, i * 100.0), 0) << i;
  EXPECT_NEAR(kQ * kL * kL / 8.0, g.GetReal(FirstAt(g, 2000.0), F::kMz), kTol);
}

TEST_F(SimpleBeam, CombinationIsTheFactoredSumAtEveryPoint) {
  QELvektori ky, g, p;
  ASSERT_GE(MemberForces(*t.project, 0, -1, ky), 41);
  MemberForces(*t.project, -1, 0, g);
  MemberForces(*t.project, -1, 1, p);
  for (int i = 0; i < ky.Count(); ++i) {
    const double s = ky.GetReal(i, F::kX);
    // Both sides of the point load stand at its x: those two are checked below.
    const int k = FirstAt(g, s);
    if (k >= 0 && FirstAt(p, s) == k && std::fabs(s - kA) > 1e-3) {
      for (int j = F::kN; j <= F::kMz; ++j)
        EXPECT_NEAR(1.2 * g.GetReal(k, j) + 1.6 * p.GetReal(k, j), ky.GetReal(i, j), kTol);
    }
    EXPECT_NEAR(1.2 * UniformMz(kQ, kL, s) + 1.6 * PointMz(kP, kA, kL, s), ky.GetReal(i, F::kMz),
                kTol);
    EXPECT_NEAR(1.2 * UniformVy(kQ, kL, s) + 1.6 * PointVy(kP, kA, kL, s), ky.GetReal(i, F::kVy),
                kTol);
  }
}

TEST_F(SimpleBeam, SelectionRules) {
  QELvektori table;
  // The combination index wins while it is valid; beyond the combinations the case counts.
  MemberForces(*t.project, 0, 1, table);
  EXPECT_NEAR(1.2 * UniformMz(kQ, kL, 2000) + 1.6 * PointMz(kP, kA, kL, 2000),
              table.GetReal(FirstAt(table, 2000.0), F::kMz), kTol);
  MemberForces(*t.project, 1, 1, table);
  EXPECT_NEAR(PointMz(kP, kA, kL, 2000), table.GetReal(FirstAt(table, 2000.0), F::kMz), kTol);
  // Neither valid: nothing, and an earlier table is emptied.
  EXPECT_EQ(0, MemberForces(*t.project, -1, -1, table));
  EXPECT_EQ(0, table.Count());
  MemberForces(*t.project, -1, 0, table);
  EXPECT_EQ(0, MemberForces(*t.project, -1, 3, table));
  EXPECT_EQ(0, table.Count());
  // A case the analysis does not know (no loads) gives the points with zeros.
  ASSERT_GE(MemberForces(*t.project, -1, 2, table), 41);
  for (int i = 0; i < table.Count(); ++i)
    for (int j = F::kN; j <= F::kMz; ++j) EXPECT_EQ(0.0, table.GetReal(i, j));
}

TEST_F(SimpleBeam, NothingWithoutValidAnalysis) {
  QELvektori table;
  MemberForces(*t.project, 0, -1, table);
  ASSERT_GT(table.Count(), 0);
  t.project->AnalysisValid = 0;
  EXPECT_EQ(0, MemberForces(*t.project, 0, -1, table));
  EXPECT_EQ(0, table.Count());
  EXPECT_EQ(0, MemberDisplacements(*t.project, 0, -1, table, 0, 1));
  EXPECT_EQ(0, table.Count());
}

// Two equal spans of 4000 mm: G a uniform 2 N/mm, Q 5000 N at the middle of span 1.
class TwoSpanBeam : public ::testing::Test {
 protected:
  void SetUp() override {
    t.SetMember(2 * kL, {{0.0, kPinned}, {kL, kPinned}, {2 * kL, kPinned}});
    t.AddCase("G", 0);
    t.AddCase("Q", 1);
    t.AddCombination(KuormaYhdVektori::kStress, {1.2, 1.6});
    t.AddLine(0, MemberTestProject::kDown, -kQ, 0.0, 2 * kL);
    t.AddPoint(1, MemberTestProject::kDown, -kP, kL / 2);
    ASSERT_EQ(0, t.Solve());
  }
  static constexpr double kQ = 2.0;
  static constexpr double kP = 5000.0;
  MemberTestProject t;
};

TEST_F(TwoSpanBeam, MomentAndShearOverTheInnerSupport) {
  QELvektori table;
  ASSERT_GE(MemberForces(*t.project, -1, 0, table), 42);  // 2 x 21 points and more
  const int at = FirstAt(table, kL);
  ASSERT_GE(at, 0);
  EXPECT_NEAR(kL, table.GetReal(at + 1, F::kX), 1e-9);
  for (int i : {at, at + 1}) EXPECT_NEAR(-kQ * kL * kL / 8, table.GetReal(i, F::kMz), 1e-3);
  EXPECT_NEAR(-5 * kQ * kL / 8, table.GetReal(at, F::kVy), 1e-4);
  EXPECT_NEAR(5 * kQ * kL / 8, table.GetReal(at + 1, F::kVy), 1e-4);
  EXPECT_NEAR(3 * kQ * kL / 8, table.GetReal(0, F::kVy), 1e-4);
}

TEST_F(TwoSpanBeam, ReactionsPerCaseAndCombination) {
  QELvektori g, q, ky;
  ASSERT_EQ(3, SupportReactions(*t.project, -1, 0, g));
  ASSERT_EQ(3, SupportReactions(*t.project, -1, 1, q));
  ASSERT_EQ(3, SupportReactions(*t.project, 0, -1, ky));
  EXPECT_EQ(6, g.RealCount());
  const double rg[3] = {0.375 * kQ * kL, 1.25 * kQ * kL, 0.375 * kQ * kL};
  // Point load at mid-span 1: R_A = 13P/32, R_B = 11P/16, R_C = -3P/32.
  const double rq[3] = {13 * kP / 32, 11 * kP / 16, -3 * kP / 32};
  for (int s = 0; s < 3; ++s) {
    EXPECT_NEAR(rg[s], g.GetReal(s, 1), 1e-4) << s;
    EXPECT_NEAR(rq[s], q.GetReal(s, 1), 1e-4) << s;
    EXPECT_NEAR(1.2 * rg[s] + 1.6 * rq[s], ky.GetReal(s, 1), 1e-4) << s;
    EXPECT_NEAR(0.0, ky.GetReal(s, 0), 1e-6);
  }
  // No selection: the table is emptied, not left with the reactions of before.
  EXPECT_EQ(0, SupportReactions(*t.project, -1, -1, ky));
  EXPECT_EQ(0, ky.Count());
}

}  // namespace
