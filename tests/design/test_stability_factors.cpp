// Section values, column buckling and lateral-torsional buckling factors against hand calculations.
#include <gtest/gtest.h>

#include <cmath>

#include "design/SectionProperties.h"
#include "design/StabilityFactors.h"
#include "CodeOf.h"

namespace {

qv::SectionSize Rect(double b, double h) {
  return qv::SectionSize{qv::SectionShape::kRectangle, b, h};
}
qv::SectionSize Circle(double d) { return qv::SectionSize{qv::SectionShape::kCircle, d, 0.0}; }

// f1 bending z, f2 compression, f6 modulus, f8 bending y; the rest only need to exist.
DesignValues Values(double f1, double f2, double f6, double f8) {
  DesignValues v;
  for (int q = 1; q <= DesignValues::kCount; ++q) v.Set(q, 1.0);
  v.Set(DesignValues::kBendingZ, f1);
  v.Set(DesignValues::kCompression, f2);
  v.Set(DesignValues::kModulusStrength, f6);
  v.Set(DesignValues::kBendingY, f8);
  return v;
}

qv::StabilityContext Context(int code, int type = 1) {
  qv::StabilityContext c;
  c.code = CodeOf(code);
  c.materialType = type;
  return c;
}

TEST(SectionProperties, RectangleFromClosedForms) {
  const qv::SectionProperties p = qv::ComputeSectionProperties(Rect(100, 200));
  ASSERT_TRUE(p.valid);
  EXPECT_DOUBLE_EQ(p.A, 20000.0);
  EXPECT_NEAR(p.Wz, 666666.667, 1e-3);  // 100*200^2/6
  EXPECT_NEAR(p.Wy, 333333.333, 1e-3);  // 200*100^2/6
  EXPECT_NEAR(p.iY, 57.7350, 1e-4);     // 200/sqrt(12)
  EXPECT_NEAR(p.iZ, 28.8675, 1e-4);     // 100/sqrt(12)
  EXPECT_DOUBLE_EQ(p.depth, 200.0);     // h for both directions
  EXPECT_DOUBLE_EQ(p.ltbDepth, 200.0);
  EXPECT_DOUBLE_EQ(p.ltbWidth, 100.0);
}

TEST(SectionProperties, CircleFromClosedForms) {
  const qv::SectionProperties p = qv::ComputeSectionProperties(Circle(200));
  ASSERT_TRUE(p.valid);
  EXPECT_NEAR(p.A, 31415.9265, 1e-4);
  EXPECT_NEAR(p.Wz, 785398.163, 1e-3);  // pi*100^3/4
  EXPECT_DOUBLE_EQ(p.Wz, p.Wy);
  EXPECT_NEAR(p.kt, 6.3662e-7, 1e-11);  // 2/(pi*100^3)
  EXPECT_DOUBLE_EQ(p.iY, 50.0);
  EXPECT_DOUBLE_EQ(p.iZ, 50.0);
  EXPECT_DOUBLE_EQ(p.depth, 200.0);
  EXPECT_NEAR(p.ltbDepth, 141.4214, 1e-4);  // d/sqrt(2)
  EXPECT_DOUBLE_EQ(p.ltbWidth, p.ltbDepth);
}

TEST(SectionProperties, InvalidSectionGivesNothing) {
  EXPECT_FALSE(qv::ComputeSectionProperties(Rect(0, 200)).valid);
  EXPECT_EQ(qv::TorsionFactor(Rect(100, -1)), 0.0);
}

TEST(TorsionFactor, AlphaStepsOnlyWhenTheRatioIsStrictlyGreater) {
  EXPECT_DOUBLE_EQ(qv::TorsionAlpha(1.0), 0.208);
  EXPECT_DOUBLE_EQ(qv::TorsionAlpha(1.5), 0.208);
  EXPECT_DOUBLE_EQ(qv::TorsionAlpha(1.6), 0.231);
  EXPECT_DOUBLE_EQ(qv::TorsionAlpha(2.0), 0.239);
  EXPECT_DOUBLE_EQ(qv::TorsionAlpha(2.01), 0.246);
  EXPECT_DOUBLE_EQ(qv::TorsionAlpha(10.0), 0.307);
  EXPECT_DOUBLE_EQ(qv::TorsionAlpha(25.0), 0.313);
}

TEST(TorsionFactor, RectangleUsesTheSmallerSideSquared) {
  // 100 x 200: ratio 2.0, alpha 0.239, kt = 1/(0.239*200*100^2).
  EXPECT_NEAR(qv::TorsionFactor(Rect(100, 200)), 2.092050e-6, 1e-12);
  // The same section lying flat gives the same kt.
  EXPECT_DOUBLE_EQ(qv::TorsionFactor(Rect(200, 100)), qv::TorsionFactor(Rect(100, 200)));
  // Square 100 x 100: 1/(0.208*100^3).
  EXPECT_NEAR(qv::TorsionFactor(Rect(100, 100)), 4.807692e-6, 1e-12);
}

// Codes 1 and 2, rectangle 100 x 200, buckling in y over a 3000 mm span:
// lambda = 3000/(200/sqrt 12) = 51.96, f2 = 8, f1 = 12, f6 = 7000, n = 400.
TEST(BucklingValue, Code1AndCode2InTheYDirection) {
  const DesignValues v = Values(12, 8, 7000, 10);
  const qv::SectionSize s = Rect(100, 200);
  EXPECT_NEAR(
      qv::BucklingValue(Context(1), qv::kBucklingSlenderness, qv::kDirectionY, v, s, 0, 3000),
      51.9615, 1e-4);
  // q = 1.5377, a = 2.7684
  EXPECT_NEAR(qv::BucklingValue(Context(1), qv::kBucklingFactor, qv::kDirectionY, v, s, 0, 3000),
              0.7692, 5e-5);
  // without 2.08: q = 3.1985, a = 4.6783
  EXPECT_NEAR(qv::BucklingValue(Context(2), qv::kBucklingFactor, qv::kDirectionY, v, s, 0, 3000),
              0.8315, 5e-5);
  // The span may start anywhere along the member.
  EXPECT_NEAR(qv::BucklingValue(Context(2), qv::kBucklingFactor, qv::kDirectionY, v, s, 2000, 5000),
              0.8315, 5e-5);
  // Relative slenderness is a code 3 quantity only.
  EXPECT_EQ(qv::BucklingValue(Context(2), qv::kBucklingRelativeSlenderness, qv::kDirectionY, v, s,
                              0, 3000),
            0.0);
}

// Code 2, the same section buckling in z: i = 100/sqrt 12, lambda = 103.92, fb = f8 = 10 and
// the depth term stays h = 200: q = 0.79962, e-term = 0.72001, a = 2.37535, factor 0.40604.
TEST(BucklingValue, Code2InTheZDirectionUsesF8AndTheHeight) {
  const DesignValues v = Values(12, 8, 7000, 10);
  const qv::SectionSize s = Rect(100, 200);
  EXPECT_NEAR(
      qv::BucklingValue(Context(2), qv::kBucklingSlenderness, qv::kDirectionZ, v, s, 0, 3000),
      103.9230, 1e-4);
  EXPECT_NEAR(qv::BucklingValue(Context(2), qv::kBucklingFactor, qv::kDirectionZ, v, s, 0, 3000),
              0.40604, 5e-6);
}

TEST(BucklingValue, LengthModesAndNoLength) {
  const DesignValues v = Values(12, 8, 7000, 10);
  const qv::SectionSize s = Rect(100, 200);
  qv::StabilityContext c = Context(2);
  c.settings.YnurjTapa = 2;
  c.settings.LcY = 3000;  // the given length, not the 1000 mm span
  EXPECT_NEAR(qv::BucklingValue(c, qv::kBucklingFactor, qv::kDirectionY, v, s, 0, 1000), 0.8315,
              5e-5);
  c.settings.YnurjTapa = 1;
  c.settings.NurjKerrY = 0.5;  // 0.5 x 6000 = 3000
  EXPECT_NEAR(qv::BucklingValue(c, qv::kBucklingSlenderness, qv::kDirectionY, v, s, 0, 6000),
              51.9615, 1e-4);
  c.settings.NurjKerrY = 0.0;
  EXPECT_EQ(qv::BucklingValue(c, qv::kBucklingFactor, qv::kDirectionY, v, s, 0, 6000), 1.0);
  EXPECT_EQ(qv::BucklingValue(c, qv::kBucklingSlenderness, qv::kDirectionY, v, s, 0, 6000), 0.0);
  c.settings.YnurjTapa = 2;
  c.settings.LcY = 0.0;
  EXPECT_EQ(qv::BucklingValue(c, qv::kBucklingFactor, qv::kDirectionY, v, s, 0, 6000), 1.0);
  // The z direction reads its own mode and length: 3000/(100/sqrt 12) = 103.92.
  c.settings.ZnurjTapa = 2;
  c.settings.LcZ = 3000;
  EXPECT_NEAR(qv::BucklingValue(c, qv::kBucklingSlenderness, qv::kDirectionZ, v, s, 0, 1000),
              103.9230, 1e-4);
}

TEST(BucklingValue, WithoutEccentricityTheFactorIsTheEulerRatioCappedAtOne) {
  // a = 1 + q, so the smaller root is min(1, q).
  EXPECT_NEAR(
      qv::ColumnFactorB10(qv::DesignCode::kLimitState, 51.9615, 57.735, 200, 8, 7000, 12, 0), 1.0,
      1e-12);
  // lambda 200, code 2: q = pi^2*7000/(40000*8) = 0.215898
  EXPECT_NEAR(qv::ColumnFactorB10(qv::DesignCode::kLimitState, 200, 57.735, 200, 8, 7000, 12, 0),
              0.215898, 1e-6);
}

// Code 3, circle d = 400 (i = 100) over 10000 mm: lambda = 100, f2 = 10, f6 = 5000:
// lambda_rel = 1.4235; type 1: beta 0.2, k = 1.6056, factor 0.4259; type 2: beta 0.1,
// k = 1.5594, factor 0.4554.
TEST(BucklingValue, Code3RelativeSlendernessAndFactor) {
  const DesignValues v = Values(20, 10, 5000, 20);
  const qv::SectionSize s = Circle(400);
  EXPECT_NEAR(
      qv::BucklingValue(Context(3), qv::kBucklingSlenderness, qv::kDirectionY, v, s, 0, 10000),
      100.0, 1e-9);
  EXPECT_NEAR(qv::BucklingValue(Context(3), qv::kBucklingRelativeSlenderness, qv::kDirectionY, v, s,
                                0, 10000),
              1.4235, 5e-5);
  EXPECT_NEAR(
      qv::BucklingValue(Context(3, 1), qv::kBucklingFactor, qv::kDirectionY, v, s, 0, 10000),
      0.4259, 5e-5);
  EXPECT_NEAR(
      qv::BucklingValue(Context(3, 2), qv::kBucklingFactor, qv::kDirectionY, v, s, 0, 10000),
      0.4554, 5e-5);
  EXPECT_DOUBLE_EQ(qv::BucklingValue(Context(3, 1), qv::kBucklingImperfection, 0, v, s, 0, 0), 0.2);
  EXPECT_DOUBLE_EQ(qv::BucklingValue(Context(3, 4), qv::kBucklingImperfection, 0, v, s, 0, 0), 0.1);
}

TEST(BucklingValue, Code3FactorIsOneUpToRelativeSlendernessOneHalf) {
  EXPECT_EQ(qv::ColumnFactorEc5(0.5, 0.2), 1.0);
  EXPECT_EQ(qv::ColumnFactorEc5(0.3, 0.2), 1.0);
  // 0.6: k = 0.69, factor = 1/(0.69 + sqrt(0.4761 - 0.36)) = 0.97018
  EXPECT_NEAR(qv::ColumnFactorEc5(0.6, 0.2), 0.97018, 5e-6);
  EXPECT_LT(qv::ColumnFactorEc5(0.5001, 0.2), 1.0);
}

// Codes 1 and 2, k_k1 = 0.075, rectangle 100 x 300, Lk = 6000:
// lambda = 0.075*sqrt(6000*300)/100 = 1.0062, factor 1.56 - 0.75*1.0062 = 0.8053.
TEST(LateralBucklingValue, Code1And2AboutZ) {
  const DesignValues v = Values(12, 8, 7000, 10);
  const qv::SectionSize s = Rect(100, 300);
  for (int code : {1, 2}) {
    qv::StabilityContext c = Context(code);
    c.settings.Lk = 6000;
    EXPECT_NEAR(qv::LateralBucklingValue(c, qv::kLateralSlenderness, qv::kLateralMz, v, s, 0, 2000),
                1.0062, 5e-5);
    EXPECT_NEAR(qv::LateralBucklingValue(c, qv::kLateralFactor, qv::kLateralMz, v, s, 0, 2000),
                0.8053, 5e-5);
    // About y the section is wide and stocky: 0.075*sqrt(6000*100)/300 = 0.1936, factor 1.
    EXPECT_NEAR(qv::LateralBucklingValue(c, qv::kLateralSlenderness, qv::kLateralMy, v, s, 0, 2000),
                0.19365, 5e-6);
    EXPECT_EQ(qv::LateralBucklingValue(c, qv::kLateralFactor, qv::kLateralMy, v, s, 0, 2000), 1.0);
  }
}

TEST(LateralBucklingValue, SpanLengthStandsInWithoutSpacing) {
  const DesignValues v = Values(12, 8, 7000, 10);
  qv::StabilityContext c = Context(2);
  c.settings.Lk = 0.0;
  EXPECT_NEAR(qv::LateralBucklingValue(c, qv::kLateralFactor, qv::kLateralMz, v, Rect(100, 300),
                                       1000, 7000),
              0.8053, 5e-5);
  // A span of no length has no slenderness.
  EXPECT_EQ(qv::LateralBucklingValue(c, qv::kLateralFactor, qv::kLateralMz, v, Rect(100, 300), 3000,
                                     3000),
            1.0);
  EXPECT_EQ(qv::LateralBucklingValue(c, qv::kLateralSlenderness, qv::kLateralMz, v, Rect(100, 300),
                                     3000, 3000),
            0.0);
}

// Code 3, rectangle 100 x 300, Lk = 6000, f1 = 20, f6 = 8000, m_rel,m = 1.15:
// lambda = sqrt(6000*300)*sqrt(20/8000)*1.15/100 = 0.77144, factor 0.98142.
TEST(LateralBucklingValue, Code3UsesStrengthOverModulus) {
  const DesignValues v = Values(20, 8, 8000, 30);
  qv::StabilityContext c = Context(3);
  c.settings.Lk = 6000;
  EXPECT_NEAR(qv::LateralBucklingValue(c, qv::kLateralSlenderness, qv::kLateralMz, v,
                                       Rect(100, 300), 0, 6000),
              0.77144, 5e-6);
  EXPECT_NEAR(
      qv::LateralBucklingValue(c, qv::kLateralFactor, qv::kLateralMz, v, Rect(100, 300), 0, 6000),
      0.98142, 5e-6);
  // About y with f8: sqrt(6000*100)*sqrt(30/8000)*1.15/300 = 0.18183
  EXPECT_NEAR(qv::LateralBucklingValue(c, qv::kLateralSlenderness, qv::kLateralMy, v,
                                       Rect(100, 300), 0, 6000),
              0.18183, 5e-6);
}

TEST(LateralFactor, BoundariesLieOnDifferentSidesPerCode) {
  for (int code : {1, 2}) {
    EXPECT_EQ(qv::LateralFactor(CodeOf(code), 0.7499), 1.0);
    EXPECT_NEAR(qv::LateralFactor(CodeOf(code), 0.75), 0.9975, 1e-12);
    EXPECT_NEAR(qv::LateralFactor(CodeOf(code), 1.3999), 1.56 - 0.75 * 1.3999, 1e-12);
    EXPECT_NEAR(qv::LateralFactor(CodeOf(code), 1.4), 1.0 / 1.96, 1e-12);
  }
  EXPECT_EQ(qv::LateralFactor(qv::DesignCode::kEc5Env, 0.75), 1.0);
  EXPECT_NEAR(qv::LateralFactor(qv::DesignCode::kEc5Env, 0.7501), 1.56 - 0.75 * 0.7501, 1e-12);
  EXPECT_NEAR(qv::LateralFactor(qv::DesignCode::kEc5Env, 1.4), 0.51, 1e-12);
  EXPECT_NEAR(qv::LateralFactor(qv::DesignCode::kEc5Env, 1.4001), 1.0 / (1.4001 * 1.4001), 1e-12);
  EXPECT_NEAR(qv::LateralFactor(qv::DesignCode::kEc5Env, 2.0), 0.25, 1e-12);
}

}  // namespace
