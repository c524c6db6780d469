// Deflection checks: span maxima of the displacement sets per code, cantilever spans and the worked
// utilisations.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/MemberTestProject.h"
#include "design/Deflections.h"

namespace {

using P = MemberTestProject;
using R = DeflectionRow;

constexpr int kPinned = RakenneVektori::kPinned;
constexpr int kFixed = RakenneVektori::kFixed;
constexpr double kL = 4000.0;

double Midspan(double q, double L) { return 5 * q * std::pow(L, 4) / (384 * P::kE * P::IStrong()); }
double Tip(double q, double L) { return q * std::pow(L, 4) / (8 * P::kE * P::IStrong()); }

double Get(const QELvektori& rows, int row, int set, int direction) {
  return rows.GetReal(row, R::Field(set, direction));
}

// One row (x1, x2, set values in y) for the rating tests.
QELvektori SpanRow(double x1, double x2, double u1, double u2, double u3) {
  QELvektori rows;
  rows.SetLayout(0, 0, R::kFieldCount);
  std::vector<double> v(R::kFieldCount, 0.0);
  v[R::kX1] = x1;
  v[R::kX2] = x2;
  v[R::Field(1, 2)] = u1;
  v[R::Field(2, 2)] = u2;
  v[R::Field(3, 2)] = u3;
  rows.AddRecord(nullptr, &v, nullptr);
  return rows;
}

TEST(DeflectionSpans, CantileverSpans) {
  RakenneVektori m;
  m.ClearRecords();
  m.Length = 5000.0;
  m.AddPoint(" ", RakenneVektori::kSupport, kPinned, 4000.0);
  m.AddPoint(" ", RakenneVektori::kSupport, kPinned, 1000.0);
  m.AddPoint(" ", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 2500.0);
  EXPECT_TRUE(IsCantileverSpan(m, 0.0, 1000.0));
  EXPECT_FALSE(IsCantileverSpan(m, 1000.0, 4000.0));
  EXPECT_FALSE(IsCantileverSpan(m, 1000.05, 3999.95));  // within 0.1 mm
  EXPECT_TRUE(IsCantileverSpan(m, 4000.0, 5000.0));
  EXPECT_TRUE(IsCantileverSpan(m, 1000.0, 2500.0));  // a hinge is no support
}

TEST(DeflectionSpans, MaximaPerSpanFromTheSharedPoints) {
  // Points 0, 1000, 2000 | 2000, 3000, 4000.0004 (x summed from rounded bar lengths).
  QELvektori a, b;
  a.SetLayout(0, 0, 4);
  b.SetLayout(0, 0, 4);
  const double x[6] = {0, 1000, 2000, 2000, 3000, 4000.0004};
  const double uy[6] = {0, -3, 0.5, 0.7, 2, -4};
  for (int i = 0; i < 6; ++i) {
    std::vector<double> ra{x[i], 0.1 * i, uy[i], 0.0};
    std::vector<double> rb{x[i], 0.0, uy[i] / 2, -1.0};
    a.AddRecord(nullptr, &ra, nullptr);
    b.AddRecord(nullptr, &rb, nullptr);
  }
  QELvektori rows;
  ASSERT_EQ(2, SpanMaxima({0.0, 2000.0, 4000.0}, {&a, &b}, rows));
  EXPECT_EQ(11, rows.RealCount());
  EXPECT_EQ(2000.0, rows.GetReal(0, R::kX2));
  EXPECT_DOUBLE_EQ(3.0, Get(rows, 0, 1, 2));
  EXPECT_DOUBLE_EQ(1.5, Get(rows, 0, 2, 2));
  // Both points at 2000 count in both spans; the end point just past 4000 counts too.
  EXPECT_DOUBLE_EQ(0.3, Get(rows, 0, 1, 1));
  EXPECT_DOUBLE_EQ(4.0, Get(rows, 1, 1, 2));
  EXPECT_DOUBLE_EQ(2.0, Get(rows, 1, 2, 2));
  EXPECT_DOUBLE_EQ(0.5, Get(rows, 1, 1, 1));
  EXPECT_DOUBLE_EQ(1.0, Get(rows, 1, 2, 3));
  EXPECT_DOUBLE_EQ(0.0, Get(rows, 1, 3, 2));

  // The same points in another order: every span still finds its own.
  QELvektori c;
  c.SetLayout(0, 0, 4);
  for (int i : {4, 0, 5, 2, 1, 3}) {
    std::vector<double> rc{x[i], 0.1 * i, uy[i], 0.0};
    c.AddRecord(nullptr, &rc, nullptr);
  }
  ASSERT_EQ(2, SpanMaxima({0.0, 2000.0, 4000.0}, {&c}, rows));
  EXPECT_DOUBLE_EQ(3.0, Get(rows, 0, 1, 2));
  EXPECT_DOUBLE_EQ(0.3, Get(rows, 0, 1, 1));
  EXPECT_DOUBLE_EQ(4.0, Get(rows, 1, 1, 2));
  EXPECT_DOUBLE_EQ(0.5, Get(rows, 1, 1, 1));
}

TEST(CollectDeflections, Code2AllAndVariableLoads) {
  P t(2);
  t.SetMember(kL, {{0.0, kPinned}, {kL, kPinned}});
  t.AddCase("G", 0);
  t.AddCase("Q", 1);
  const int c = t.AddCombination(KuormaYhdVektori::kDeflection, {1.0, 1.0});
  t.AddLine(0, P::kDown, -1.0, 0.0, kL);
  t.AddLine(1, P::kDown, -2.0, 0.0, kL);
  ASSERT_EQ(0, t.Solve());
  QELvektori rows;
  ASSERT_EQ(1, CollectDeflections(*t.project, c, rows));
  EXPECT_EQ(0.0, rows.GetReal(0, R::kX1));
  EXPECT_EQ(kL, rows.GetReal(0, R::kX2));
  const double u1 = Midspan(3.0, kL), u2 = Midspan(2.0, kL);
  EXPECT_NEAR(u1, Get(rows, 0, 1, 2), 1e-9);  // Uy,tot
  EXPECT_NEAR(u2, Get(rows, 0, 2, 2), 1e-9);  // Uy,muuttuva
  for (int d : {1, 3}) EXPECT_NEAR(0.0, Get(rows, 0, 1, d), 1e-9);
  for (int d = 1; d <= 3; ++d) EXPECT_EQ(0.0, Get(rows, 0, 3, d));
  // Settings L/300 for all loads and L/200 for variable loads.
  const double expected = std::max(u1 * 100 / (kL / 300), u2 * 100 / (kL / 200));
  EXPECT_NEAR(expected, DeflectionSpanUtilisation(*t.project, c, rows, 0, 2), 1e-9);
  EXPECT_EQ(0.0, DeflectionSpanUtilisation(*t.project, c, rows, 0, 3));
  EXPECT_EQ(0.0, DeflectionSpanUtilisation(*t.project, c, rows, 1, 2));
}

TEST(CollectDeflections, Code3CreepSets) {
  P t(3);
  t.SetMember(kL, {{0.0, kPinned}, {kL, kPinned}});
  t.AddCase("G", 0);  // kdef 0.6
  t.AddCase("Q", 1);  // kdef 0.25
  const int c = t.AddCombination(KuormaYhdVektori::kDeflection, {1.0, 1.0});
  t.AddLine(0, P::kDown, -1.0, 0.0, kL);
  t.AddLine(1, P::kDown, -2.0, 0.0, kL);
  ASSERT_EQ(0, t.Solve());
  QELvektori rows;
  ASSERT_EQ(1, CollectDeflections(*t.project, c, rows));
  const double g = Midspan(1.0, kL), q = Midspan(2.0, kL);
  const double inst = q, fin = q * (1 + P::kKdef[1]), net = g * (1 + P::kKdef[0]) + fin;
  EXPECT_NEAR(inst, Get(rows, 0, 1, 2), 1e-9);  // Uy2,inst
  EXPECT_NEAR(fin, Get(rows, 0, 2, 2), 1e-9);   // Uy2,fin
  EXPECT_NEAR(net, Get(rows, 0, 3, 2), 1e-9);   // Uynet,fin
  const double expected =
      std::max({inst * 100 / (kL / 300), fin * 100 / (kL / 200), net * 100 / (kL / 200)});
  EXPECT_NEAR(expected, DeflectionSpanUtilisation(*t.project, c, rows, 0, 2), 1e-9);
}

TEST(CollectDeflections, CantileverTipAndRaisedLimit) {
  for (double angle : {0.0, 30.0}) {
    P t(2);
    t.SetMember(2000.0, {{0.0, kFixed}}, {}, angle);
    t.AddCase("G", 0);
    const int c = t.AddCombination(KuormaYhdVektori::kDeflection, {1.0});
    t.AddLine(0, P::kLocalY, -1.0, 0.0, 2000.0);
    ASSERT_EQ(0, t.Solve());
    QELvektori rows;
    ASSERT_EQ(1, CollectDeflections(*t.project, c, rows));
    const double tip = Tip(1.0, 2000.0);
    // On the inclined member the bar is 0.0002 mm longer than the member (node coordinates
    // have three decimals): the tip's x lies past the span end and must still count.
    EXPECT_NEAR(tip, Get(rows, 0, 1, 2), 1e-6 * tip) << angle;
    EXPECT_NEAR(0.0, Get(rows, 0, 2, 2), 1e-12);
    const double rated = tip * 100 / (2.0 * 2000.0 / 300);
    EXPECT_NEAR(rated, DeflectionSpanUtilisation(*t.project, c, rows, 0, 2), 1e-6 * rated) << angle;
  }
}

TEST(CollectDeflections, SpansOfAContinuousBeam) {
  P t(2);
  t.SetMember(2 * kL, {{0.0, kPinned}, {kL, kPinned}, {2 * kL, kPinned}});
  t.AddCase("Q", 1);
  const int c = t.AddCombination(KuormaYhdVektori::kDeflection, {1.0});
  t.AddLine(0, P::kDown, -2.0, 0.0, 2 * kL);
  ASSERT_EQ(0, t.Solve());
  QELvektori rows;
  ASSERT_EQ(2, CollectDeflections(*t.project, c, rows));
  EXPECT_EQ(kL, rows.GetReal(0, R::kX2));
  EXPECT_EQ(kL, rows.GetReal(1, R::kX1));
  EXPECT_NEAR(Get(rows, 0, 1, 2), Get(rows, 1, 1, 2), 1e-9);
  // Less than the simply supported span, more than the clamped one.
  EXPECT_LT(Get(rows, 0, 1, 2), Midspan(2.0, kL));
  EXPECT_GT(Get(rows, 0, 1, 2), Midspan(2.0, kL) / 5);
  EXPECT_FALSE(IsCantileverSpan(t.project->Member, kL, 2 * kL));
}

TEST(CollectDeflections, EmptyWithoutCombinationOrAnalysis) {
  P t(2);
  t.SetMember(kL, {{0.0, kPinned}, {kL, kPinned}});
  t.AddCase("G", 0);
  t.AddCombination(KuormaYhdVektori::kDeflection, {1.0});
  t.AddLine(0, P::kDown, -1.0, 0.0, kL);
  ASSERT_EQ(0, t.Solve());
  QELvektori rows;
  ASSERT_EQ(1, CollectDeflections(*t.project, 0, rows));
  EXPECT_EQ(0, CollectDeflections(*t.project, 1, rows));
  EXPECT_EQ(0, rows.Count());
  CollectDeflections(*t.project, 0, rows);
  EXPECT_EQ(0, CollectDeflections(*t.project, -1, rows));
  EXPECT_EQ(0, rows.Count());
  CollectDeflections(*t.project, 0, rows);
  t.project->AnalysisValid = 0;
  EXPECT_EQ(0, CollectDeflections(*t.project, 0, rows));
  EXPECT_EQ(0, rows.Count());
}

// The worked cases: code 2, one 4000 mm span, L/300 and L/200, 12 mm and 8 mm.
class WorkedRating : public ::testing::Test {
 protected:
  void SetUp() override {
    t.SetMember(kL, {{0.0, kPinned}, {kL, kPinned}});
    t.AddCase("G", 0);
    plain = t.AddCombination(KuormaYhdVektori::kDeflection, {1.0});
    own = t.AddCombination(KuormaYhdVektori::kDeflection, {1.0}, 10.0);
  }
  double Rate(int c, const QELvektori& rows) {
    return DeflectionSpanUtilisation(*t.project, c, rows, 0, 2);
  }
  P t{2};
  int plain = 0;
  int own = 0;
};

TEST_F(WorkedRating, SettingsLimits) {
  const QELvektori rows = SpanRow(0.0, kL, 12.0, 8.0, 0.0);
  EXPECT_NEAR(90.0, Rate(plain, rows), 1e-9);
  t.project->Settings.Yrel1 = 0.0;  // "Ei tarkastella" for all loads
  EXPECT_NEAR(40.0, Rate(plain, rows), 1e-9);
}

TEST_F(WorkedRating, CombinationsOwnLimit) {
  EXPECT_NEAR(120.0, Rate(own, SpanRow(0.0, kL, 12.0, 8.0, 0.0)), 1e-9);
  // Codes 1 and 2 never look at set 3; code 3 does.
  EXPECT_NEAR(120.0, Rate(own, SpanRow(0.0, kL, 12.0, 8.0, 15.0)), 1e-9);
  t.project->DesignCode = qv::DesignCode::kEc5Env;
  EXPECT_NEAR(150.0, Rate(own, SpanRow(0.0, kL, 12.0, 8.0, 15.0)), 1e-9);
}

TEST_F(WorkedRating, CantileverRaisesOnlyRelativeLimits) {
  t.SetMember(kL, {{0.0, kFixed}});
  const QELvektori rows = SpanRow(0.0, kL, 12.0, 8.0, 0.0);
  EXPECT_NEAR(45.0, Rate(plain, rows), 1e-9);
  t.project->Settings.Yabs1 = 20.0;
  EXPECT_NEAR(60.0, Rate(plain, rows), 1e-9);
  // The combination's own limit ignores the raise factor.
  EXPECT_NEAR(120.0, Rate(own, rows), 1e-9);
}

}  // namespace
