// Displacements along the member scaled to the real section: elastic curves, duration class of E,
// creep, permanent loads left out.
#include <gtest/gtest.h>

#include "analysis/MemberTestProject.h"

namespace {

using F = MemberResultField;
using P = MemberTestProject;

constexpr int kPinned = RakenneVektori::kPinned;
constexpr double kL = 4000.0;

// Elastic curve of a simply supported beam under a uniform load q, at s.
double UniformDeflection(double q, double L, double EI, double s) {
  return q * s * (L * L * L - 2 * L * s * s + s * s * s) / (24 * EI);
}
double MidspanDeflection(double q, double EI) { return 5 * q * kL * kL * kL * kL / (384 * EI); }

void SimplySupported(P& t) { t.SetMember(kL, {{0.0, kPinned}, {kL, kPinned}}); }

TEST(MemberDisplacements, ElasticCurveInTheMemberPlane) {
  P t(2);
  SimplySupported(t);
  t.AddCase("G", 0);
  t.AddLine(0, P::kDown, -2.0, 0.0, kL);
  ASSERT_EQ(0, t.Solve());
  QELvektori u;
  ASSERT_EQ(41, MemberDisplacements(*t.project, -1, 0, u, 0, 1));
  EXPECT_EQ(4, u.RealCount());
  const double ei = P::kE * P::IStrong();
  for (int i = 0; i < u.Count(); ++i) {
    const double s = u.GetReal(i, F::kX);
    EXPECT_NEAR(-UniformDeflection(2.0, kL, ei, s), u.GetReal(i, F::kUy), 1e-9) << s;
    EXPECT_NEAR(0.0, u.GetReal(i, F::kUx), 1e-12);
    EXPECT_NEAR(0.0, u.GetReal(i, F::kUz), 1e-12);
  }
  // 5qL^4/(384 E I) = 18.18 mm for 2 kN/m over 4 m on 50 x 200 C24.
  EXPECT_NEAR(-MidspanDeflection(2.0, ei), u.GetReal(20, F::kUy), 1e-9);
  EXPECT_NEAR(18.1818, MidspanDeflection(2.0, ei), 1e-4);
}

TEST(MemberDisplacements, AxialAndOutOfPlaneUseTheirOwnStiffness) {
  P t(2);
  // Sliding along X at the far end, so an end force along the member stretches it.
  t.SetMember(kL, {{0.0, kPinned}, {kL, RakenneVektori::kSlidingX}});
  t.AddCase("N", 0);
  t.AddCase("Z", 0);
  t.AddPoint(0, 1, 10000.0, kL);
  t.AddLine(1, 3, 0.1, 0.0, kL);
  ASSERT_EQ(0, t.Solve());
  QELvektori u;
  ASSERT_EQ(41, MemberDisplacements(*t.project, -1, 0, u, 0, 1));
  const double ea = P::kE * P::Area();
  for (int i = 0; i < u.Count(); ++i)
    EXPECT_NEAR(10000.0 * u.GetReal(i, F::kX) / ea, u.GetReal(i, F::kUx), 1e-9);
  EXPECT_NEAR(10000.0 * kL / ea, u.GetReal(40, F::kUx), 1e-9);

  ASSERT_EQ(41, MemberDisplacements(*t.project, -1, 1, u, 0, 1));
  const double eiWeak = P::kE * P::IWeak();
  for (int i = 0; i < u.Count(); ++i) {
    const double s = u.GetReal(i, F::kX);
    EXPECT_NEAR(UniformDeflection(0.1, kL, eiWeak, s), u.GetReal(i, F::kUz), 1e-9) << s;
    EXPECT_NEAR(0.0, u.GetReal(i, F::kUy), 1e-9);
  }
}

// Each case deflects with the modulus of its own duration class, so adding a load of
// another class to a combination only adds its own share (never shrinks the deflection).
TEST(MemberDisplacements, ModulusOfEachCasesOwnDurationClass) {
  P t(2);
  SimplySupported(t);
  t.AddCase("G", 0);
  t.AddCase("W", 2);  // instantaneous: deflection modulus factor 0.8 under code 2
  t.AddCombination(KuormaYhdVektori::kDeflection, {1.0});
  t.AddCombination(KuormaYhdVektori::kDeflection, {1.0, 1.0});
  t.AddLine(0, P::kDown, -1.0, 0.0, kL);
  t.AddLine(1, P::kDown, -0.5, 0.0, kL);
  ASSERT_EQ(0, t.Solve());
  const double ei = P::kE * P::IStrong();
  const double eiShort = P::kShortTermFactor * ei;
  QELvektori u;
  MemberDisplacements(*t.project, 0, -1, u, 0, 1);
  EXPECT_NEAR(-MidspanDeflection(1.0, ei), u.GetReal(20, F::kUy), 1e-9);
  MemberDisplacements(*t.project, 1, -1, u, 0, 1);
  EXPECT_NEAR(-MidspanDeflection(1.0, ei) - MidspanDeflection(0.5, eiShort), u.GetReal(20, F::kUy),
              1e-9);
  // Without the permanent loads only W is left, with its own modulus.
  MemberDisplacements(*t.project, 1, -1, u, 0, 0);
  EXPECT_NEAR(-MidspanDeflection(0.5, eiShort), u.GetReal(20, F::kUy), 1e-9);
  // A single case uses its own class.
  MemberDisplacements(*t.project, -1, 1, u, 0, 1);
  EXPECT_NEAR(-MidspanDeflection(0.5, eiShort), u.GetReal(20, F::kUy), 1e-9);
  // A permanent case alone without the permanent loads: the points, all zero.
  ASSERT_EQ(41, MemberDisplacements(*t.project, -1, 0, u, 0, 0));
  EXPECT_EQ(0.0, u.GetReal(20, F::kUy));
}

TEST(MemberDisplacements, FinalFlagHasNoEffectOutsideEc5) {
  for (int code : {1, 2}) {
    P t(code);
    SimplySupported(t);
    t.AddCase("G", 0);
    t.AddCombination(KuormaYhdVektori::kDeflection, {1.0});
    t.AddLine(0, P::kDown, -1.0, 0.0, kL);
    ASSERT_EQ(0, t.Solve());
    QELvektori u0, u1;
    MemberDisplacements(*t.project, 0, -1, u0, 0, 1);
    MemberDisplacements(*t.project, 0, -1, u1, 1, 1);
    ASSERT_EQ(u0.Count(), u1.Count());
    EXPECT_NEAR(-MidspanDeflection(1.0, P::kE * P::IStrong()), u0.GetReal(20, F::kUy), 1e-9)
        << code;
    for (int i = 0; i < u0.Count(); ++i) EXPECT_EQ(u0.GetReal(i, F::kUy), u1.GetReal(i, F::kUy));
  }
}

TEST(MemberDisplacements, Ec5CreepPerCaseDurationClass) {
  P t(3);
  SimplySupported(t);
  t.AddCase("G", 0);  // kdef 0.6
  t.AddCase("Q", 1);  // kdef 0.25
  t.AddCombination(KuormaYhdVektori::kDeflection, {1.0, 1.5});
  t.AddLine(0, P::kDown, -1.0, 0.0, kL);
  t.AddLine(1, P::kDown, -2.0, 0.0, kL);
  ASSERT_EQ(0, t.Solve());
  const double ei = P::kE * P::IStrong();  // E0,mean without kmod or partial factor
  const double g = MidspanDeflection(1.0, ei);
  const double q = MidspanDeflection(1.5 * 2.0, ei);
  QELvektori u;
  MemberDisplacements(*t.project, 0, -1, u, 0, 1);
  EXPECT_NEAR(-(g + q), u.GetReal(20, F::kUy), 1e-9);
  MemberDisplacements(*t.project, 0, -1, u, 1, 1);
  EXPECT_NEAR(-(g * (1 + P::kKdef[0]) + q * (1 + P::kKdef[1])), u.GetReal(20, F::kUy), 1e-9);
  MemberDisplacements(*t.project, 0, -1, u, 1, 0);
  EXPECT_NEAR(-q * (1 + P::kKdef[1]), u.GetReal(20, F::kUy), 1e-9);
  MemberDisplacements(*t.project, 0, -1, u, 0, 0);
  EXPECT_NEAR(-q, u.GetReal(20, F::kUy), 1e-9);
}

TEST(MemberDisplacements, NoSectionNoDisplacement) {
  P t(2);
  SimplySupported(t);
  t.AddCase("G", 0);
  t.AddLine(0, P::kDown, -1.0, 0.0, kL);
  ASSERT_EQ(0, t.Solve());
  t.project->Profiles.CurrentIndex = -1;
  QELvektori u;
  ASSERT_EQ(41, MemberDisplacements(*t.project, -1, 0, u, 0, 1));
  for (int i = 0; i < u.Count(); ++i)
    for (int j = F::kUx; j <= F::kUz; ++j) EXPECT_EQ(0.0, u.GetReal(i, j));
}

}  // namespace
