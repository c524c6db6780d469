// EN 1995-1-1 member checks along hand-built force tables, against hand calculations and
// published worked examples.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design/Ec5Checks.h"

namespace {

using qv::Ec5Check;

// One record per sampling point: x, N, Vy, Vz, Mx, My, Mz.
struct Forces {
  QELvektori table;
  Forces() { table.SetLayout(0, 0, 7); }
  void Add(double x, double n, double vy, double vz, double mx, double my, double mz) {
    const std::vector<double> reals{x, n, vy, vz, mx, my, mz};
    table.AddRecord(nullptr, &reals, nullptr);
  }
};

qv::SectionSize Rect(double b, double h) {
  return qv::SectionSize{qv::SectionShape::kRectangle, b, h};
}
qv::SectionSize Circle(double d) { return qv::SectionSize{qv::SectionShape::kCircle, d, 0.0}; }

// Sawn timber as the material table has it: gamma_M 1.4, kh (150/h)^0.2 <= 1.3, beta_c 0.2,
// kcr 0.67, km 0.7 / 1.0; C24 fm,k 24, ft,0,k 14.5, fc,0,k 21, fc,90,k 2.5, fv,k 4, E0,05 7400.
// Stability checks off unless a test turns them on.
qv::Ec5CheckInput Input(const qv::SectionSize& section, double kmod, const Forces& forces,
                        std::vector<double> bounds) {
  qv::Ec5CheckInput in;
  in.section = section;
  in.family = qv::Ec5FamilyValues{1.4, {150.0, 0.2, 1.3}, 0.2, 0.67, 0.7, 1.0};
  in.strengths = qv::Ec5DesignStrengths({24.0, 14.5, 21.0, 2.5, 4.0}, kmod, in.family, section);
  in.material = {24.0, 21.0, 7400.0};
  in.stability.lateral = false;
  in.spanBounds = std::move(bounds);
  in.forces = &forces.table;
  return in;
}

const qv::Ec5CheckResult* Find(const qv::Ec5MemberChecks& r, Ec5Check c) {
  for (const qv::Ec5CheckResult& x : r.results)
    if (x.check == c) return &x;
  return nullptr;
}

// Simply supported C24 45 x 220, span 4000, q = 1.5 N/mm on the compression edge, medium term,
// service class 2 (kmod 0.8), gamma_M 1.4: fm,d = 0.8 · 24 / 1.4 = 13.7143, fv,d = 2.2857.
// M = 1.5 · 4000² / 8 = 3.0e6 at x 2000, W = 45 · 220² / 6 = 363000, sigma = 8.26446:
//   6.11 8.26446 / 13.7143 = 60.262 %, 6.12 0.7 · 60.262 = 42.183 %.
// V = 3000 at both ends, the first kept: 1.5 · 3000 / (0.67 · 45 · 220) = 0.678426, 29.681 %.
// lef = 0.9 · 4000 + 2 · 220 = 4040; sigma_m,crit = 0.78 · 45² · 7400 / (220 · 4040) = 13.15065;
// lambda_rel,m = sqrt(24 / 13.15065) = 1.350927; kcrit = 1.56 - 0.75 · 1.350927 = 0.546805;
//   6.33 8.26446 / (0.546805 · 13.7143) = 110.207 %.
TEST(Ec5Checks, UniformBeamBendingShearAndLateralBuckling) {
  Forces f;
  const double q = 1.5, length = 4000.0;
  for (int i = 0; i <= 20; ++i) {
    const double x = length * i / 20;
    f.Add(x, 0, q * (length / 2 - x), 0, 0, 0, q * x * (length - x) / 2);
  }
  qv::Ec5CheckInput in = Input(Rect(45, 220), 0.8, f, {0.0, length});
  in.stability.lateral = true;
  in.stability.a = 0.9;
  in.stability.position = qv::LoadPosition::kCompressionEdge;
  qv::Ec5MemberChecks r;
  ASSERT_TRUE(qv::CheckEc5Member(in, r));
  const struct {
    Ec5Check check;
    double utilisation, x;
  } expected[] = {{Ec5Check::kShearY, 29.681140, 0.0},
                  {Ec5Check::kBendingY, 60.261708, 2000.0},
                  {Ec5Check::kBendingZ, 42.183196, 2000.0},
                  {Ec5Check::kLateral, 110.207035, 2000.0}};
  ASSERT_EQ(4u, r.results.size());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(expected[i].check, r.results[i].check) << i;
    EXPECT_NEAR(expected[i].utilisation, r.results[i].utilisation, 5e-5) << i;
    EXPECT_EQ(expected[i].x, r.results[i].x) << i;
  }
  ASSERT_EQ(1u, r.spans.size());
  const qv::Ec5SpanStability& s = r.spans[0];
  EXPECT_NEAR(110.207035, r.LargestUtilisation(), 5e-5);
  // What the design tree shows.
  EXPECT_EQ("Taivutus (6.11): 60 %", qv::Ec5CheckLine(r.results[1]));
  EXPECT_EQ("Kiepahdus (6.33): 110 %", qv::Ec5CheckLine(r.results[3]));
  EXPECT_EQ((std::vector<std::string>{"Kiepahduspituus lef = 4040 mm (aukko 1)",
                                      "Kriittinen taivutusjännitys sm,crit = 13.15 MPa (aukko 1)",
                                      "Hoikkuus,rel,m = 1.35 (aukko 1)",
                                      "Kiepahduskerroin kcrit = 0.55 (aukko 1)"}),
            qv::Ec5StabilityLines(s));
}

// Porteous & Kermani, Structural Timber Design to Eurocode 5, Example 5.7.3 (excerpted on
// eurocode.us, structural-timber-design pages): C24 100 x 200, service class 2, medium term,
// UK gamma_M 1.3, kmod 0.8; Nd = 1.35 · 10 + 1.5 · 17.5 = 39.75 kN at 25 mm from y-y and
// 10 mm from z-z, pinned both ways, 3750 mm. The example prints lambda_z = 129.9 and notes that
// lambda_rel,m of y-y stays below 0.75 (kcrit 1). By hand: fc,0,d = 0.8 · 21 / 1.3 = 12.9231,
// fm,y,d = 0.8 · 24 / 1.3 = 14.7692, fm,z,d with kh(100) = 1.084472: 16.0168; sigma_c = 1.9875,
// sigma_m,y = 993750 / 666667 = 1.490625, sigma_m,z = 397500 / 333333 = 1.1925.
// 3750: lambda 64.952, 129.904; lambda_rel 1.101377, 2.202753 (> 0.3: 6.23/6.24);
//   kc,y = 0.614111, kc,z = 0.187944;
//   6.23 1.9875 / (0.614111 · 12.9231) + 1.490625 / 14.7692 + 0.7 · 1.1925 / 16.0168 = 40.348 %,
//   6.24 1.9875 / (0.187944 · 12.9231) + 0.7 · 0.100928 + 0.074453 = 96.340 %;
//   lef = 3750 (a 1.0, at the axis), sigma_m,crit = 0.78 · 100² · 7400 / (200 · 3750) = 76.96,
//   lambda_rel,m = 0.558436, kcrit 1: 6.35 0.100928² + 1.9875 / (0.187944 · 12.9231) = 82.849 %.
// The same column 500 long: lambda_rel 0.146850, 0.293700 (both <= 0.3: 6.19/6.20), kc 1;
//   6.19 (1.9875 / 12.9231)² + 0.100928 + 0.7 · 0.074453 = 17.670 %, 6.20 16.876 %;
//   6.35 0.100928² + 1.9875 / 12.9231 = 16.398 %.
TEST(Ec5Checks, ColumnSwitchesToBucklingAboveRelativeSlenderness03) {
  struct Case {
    double length, lambdaRelY, lambdaRelZ;
    Ec5Check formY, formZ, absent;
    double uY, uZ, u635;
  } cases[] = {
      {3750, 1.101377, 2.202753, Ec5Check::kBucklingY, Ec5Check::kBucklingZ,
       Ec5Check::kCompressionBendingY, 40.347950, 96.340476, 82.848874},
      {500, 0.146850, 0.293700, Ec5Check::kCompressionBendingY, Ec5Check::kCompressionBendingZ,
       Ec5Check::kBucklingY, 17.669763, 16.875522, 16.398105},
  };
  for (const Case& c : cases) {
    Forces f;
    const double n = 39750.0;
    f.Add(0, n, 0, 0, 0, n * 10, n * 25);
    f.Add(c.length, n, 0, 0, 0, n * 10, n * 25);
    qv::Ec5CheckInput in = Input(Rect(100, 200), 0.8, f, {0.0, c.length});
    in.strengths.fc0 = 0.8 * 21 / 1.3;
    in.strengths.fmY = 0.8 * 24 / 1.3;
    in.strengths.fmZ = 0.8 * 1.0844717711976986 * 24 / 1.3;
    in.stability = {{true, 1.0, 0.0}, {true, 1.0, 0.0}, true, 0.0, 1.0, qv::LoadPosition::kAxis};
    qv::Ec5MemberChecks r;
    ASSERT_TRUE(qv::CheckEc5Member(in, r)) << c.length;
    const qv::Ec5SpanStability& s = r.spans[0];
    EXPECT_NEAR(c.lambdaRelY, s.lambdaRelY, 5e-6) << c.length;
    EXPECT_NEAR(c.lambdaRelZ, s.lambdaRelZ, 5e-6) << c.length;
    EXPECT_EQ(1.0, s.kcrit) << c.length;
    EXPECT_EQ(nullptr, Find(r, c.absent)) << c.length;
    const std::pair<Ec5Check, double> expected[] = {
        {c.formY, c.uY}, {c.formZ, c.uZ}, {Ec5Check::kLateralCompression, c.u635}};
    for (const auto& e : expected) {
      ASSERT_NE(nullptr, Find(r, e.first)) << qv::Ec5Clause(e.first);
      EXPECT_NEAR(e.second, Find(r, e.first)->utilisation, 5e-5) << qv::Ec5Clause(e.first);
    }
  }
}

// The buckling and lateral support settings of codes 1 to 3 read for code 4, C24 100 x 200 on
// a 5000 span: y by the factor 0.7: lambda_y = 3500 / (200 / sqrt 12) = 60.622, lambda_rel,y =
// 60.622 / pi · sqrt(21 / 7400) = 1.027951, kc,y 0.668504; z by the given 1200: lambda_z =
// 41.569, lambda_rel,z = 0.704881, kc,z 0.874721; lateral supports Lk 1500, a 0.8 on the tension
// edge: lef = 1200 - 0.5 · 200 = 1100, sigma_m,crit = 0.78 · 100² · 7400 / (200 · 1100) =
// 262.364, lambda_rel,m = sqrt(24 / 262.364) = 0.302450, kcrit 1. With the buckling and lateral
// checks off nothing is shown.
TEST(Ec5Checks, StabilityFromTheDesignSettings) {
  MitoitusAsetukset on;
  on.Ynurj = on.Znurj = 1;
  on.NurjKerrY = 0.7;
  on.ZnurjTapa = MitoitusAsetukset::kLengthMode;
  on.LcZ = 1200;
  on.Lk = 1500;
  MitoitusAsetukset off = on;
  off.Nurjahdus = off.Kiepahdus = 0;
  const struct {
    MitoitusAsetukset settings;
    std::vector<std::string> lines;
  } cases[] = {
      {on,
       {"Hoikkuus,rel,y = 1.03 (aukko 1)", "Hoikkuus,rel,z = 0.70 (aukko 1)",
        "Nurjahduskerroin kc,y = 0.67 (aukko 1)", "Nurjahduskerroin kc,z = 0.87 (aukko 1)",
        "Kiepahduspituus lef = 1100 mm (aukko 1)",
        "Kriittinen taivutusjännitys sm,crit = 262.36 MPa (aukko 1)",
        "Hoikkuus,rel,m = 0.30 (aukko 1)", "Kiepahduskerroin kcrit = 1.00 (aukko 1)"}},
      {off, {}},
  };
  for (const auto& c : cases) {
    Forces f;
    f.Add(2500, 10000, 0, 0, 0, 0, 1e6);
    qv::Ec5CheckInput in = Input(Rect(100, 200), 0.8, f, {0.0, 5000.0});
    in.stability = qv::Ec5StabilityFromSettings(c.settings, 0.8, qv::LoadPosition::kTensionEdge);
    qv::Ec5MemberChecks r;
    ASSERT_TRUE(qv::CheckEc5Member(in, r));
    EXPECT_EQ(c.lines, qv::Ec5StabilityLines(r.spans[0]));
  }
}

// One sampled point, one check each; strengths from C24 with gamma_M 1.4.
// Tension: 45 x 145, kmod 0.9; kh(145) = (150/145)^0.2 = 1.006803, kh(45) = 1.272260:
//   fm,y,d = 0.9 · 1.006803 · 24 / 1.4 = 15.53354, fm,z,d = 19.62915, ft,0,d (kh on 145) =
//   9.384846. N = -20 kN, Mz = 1 kNm, My = 0.2 kNm: sigma_t = 20000 / 6525 = 3.065134,
//   sigma_m,y = 1e6 / 157687.5 = 6.341657, sigma_m,z = 0.2e6 / 48937.5 = 4.086845.
//   6.1.2 32.660 %; 6.17 0.326605 + 0.408255 + 0.7 · 0.208202 = 88.060 %; 6.18 82.059 %.
// Torsion, kmod 0.8, fv,d = 2.285714: 100 x 220, side ratio 2.2 reads alpha 0.246 (the row of
//   2.0), tau = 1e6 / (0.246 · 220 · 100²) = 1.847746, kshape = 1 + 0.15 · 2.2 = 1.33:
//   60.781 %. Circle d 200: tau = 2 · 1e6 / (pi · 100³) = 0.636620, kshape 1.2: 23.210 %.
TEST(Ec5Checks, CrossSectionChecksAtOnePoint) {
  struct Case {
    qv::SectionSize section;
    double kmod;
    double n, mx, my, mz;
    Ec5Check check;
    double expected;
  } cases[] = {
      {Rect(45, 145), 0.9, -20000, 0, 0.2e6, 1e6, Ec5Check::kTension, 32.660464},
      {Rect(45, 145), 0.9, -20000, 0, 0.2e6, 1e6, Ec5Check::kTensionBendingY, 88.060247},
      {Rect(45, 145), 0.9, -20000, 0, 0.2e6, 1e6, Ec5Check::kTensionBendingZ, 82.058659},
      {Rect(100, 220), 0.8, 0, 1e6, 0, 0, Ec5Check::kTorsion, 60.781110},
      {Circle(200), 0.8, 0, 1e6, 0, 0, Ec5Check::kTorsion, 23.210096},
  };
  for (const Case& c : cases) {
    Forces f;
    f.Add(1000, c.n, 0, 0, c.mx, c.my, c.mz);
    qv::Ec5CheckInput in = Input(c.section, c.kmod, f, {0.0, 4000.0});
    qv::Ec5MemberChecks r;
    ASSERT_TRUE(qv::CheckEc5Member(in, r));
    const qv::Ec5CheckResult* found = Find(r, c.check);
    ASSERT_NE(nullptr, found) << qv::Ec5Clause(c.check);
    EXPECT_NEAR(c.expected, found->utilisation, 5e-5) << qv::Ec5Clause(c.check);
    EXPECT_EQ(1, found->span);
    EXPECT_EQ(1000.0, found->x);
  }
}

// TU Delft TeachBooks, "Structural Design Essentials", calculation examples, timber: pre-design
// of a timber hall, column GL24h 250 x 500, 10 m, with the example's own strengths
// fm,d = fc,0,d = 24 · 0.7 = 16.8 N/mm2. Printed: Nd = 72 kN, sigma_c,0,d = 72e3 / (250 · 500)
// = 0.6 N/mm2; wind qw,d = 8.3 kN/m, Md = 1/8 · 8.3 · 10² = 103 kNm, sigma_m,d = 9.9 N/mm2
// < 16.8. Our utilisations times the strength give the printed stresses back.
TEST(Ec5Checks, TeachBooksTimberHallColumn) {
  Forces f;
  const double q = 8.25, length = 10000.0, n = 72000.0;
  for (int i = 0; i <= 10; ++i) {
    const double x = length * i / 10;
    f.Add(x, n, q * (length / 2 - x), 0, 0, 0, q * x * (length - x) / 2);
  }
  qv::Ec5CheckInput in = Input(Rect(250, 500), 0.8, f, {0.0, length});
  in.strengths.fmY = in.strengths.fmZ = in.strengths.fc0 = 16.8;
  qv::Ec5MemberChecks r;
  ASSERT_TRUE(qv::CheckEc5Member(in, r));
  ASSERT_NE(nullptr, Find(r, Ec5Check::kCompression));
  ASSERT_NE(nullptr, Find(r, Ec5Check::kBendingY));
  EXPECT_NEAR(0.6, Find(r, Ec5Check::kCompression)->utilisation / 100 * 16.8, 0.05);
  EXPECT_NEAR(9.9, Find(r, Ec5Check::kBendingY)->utilisation / 100 * 16.8, 0.05);
  EXPECT_EQ(5000.0, Find(r, Ec5Check::kBendingY)->x);
}

// C24, kmod 0.8, gamma_M 1.4: fc,90,d = 1.428571; b 100, kc,90 1: 30 kN needs
// 30000 / (100 · 1.428571) = 210 mm of lef: 210 - 30 = 180 at an end, 210 - 60 = 150 inside;
// a reaction that lifts the member off its support is no bearing.
TEST(Ec5Checks, BearingLengthsAtEndAndInnerSupports) {
  const std::vector<qv::Ec5BearingResult> r = qv::Ec5BearingLengths(
      {{0.0, 30000.0, true}, {4000.0, 30000.0, false}, {8000.0, -2000.0, true}}, 100.0, 1.0,
      0.8 * 2.5 / 1.4);
  const std::vector<std::string> expected = {
      "Tukipinnan vähimmäispituus (6.1.5), päätytuki x = 0 mm: 180 mm (F = 30.00 kN)",
      "Tukipinnan vähimmäispituus (6.1.5), välituki x = 4000 mm: 150 mm (F = 30.00 kN)"};
  ASSERT_EQ(expected.size(), r.size());
  for (std::size_t i = 0; i < r.size(); ++i) EXPECT_EQ(expected[i], qv::Ec5BearingLine(r[i]));
}

// A force that is no number, a missing section or strength: no result rather than a pass.
TEST(Ec5Checks, RefusesWhatCannotBeChecked) {
  Forces good, nan;
  good.Add(0, 0, 0, 0, 0, 0, 1e6);
  nan.Add(0, 0, 0, 0, 0, 0, std::nan(""));
  qv::Ec5CheckInput inputs[] = {Input(Rect(45, 220), 0.8, nan, {0.0, 4000.0}),
                                Input(Rect(0, 220), 0.8, good, {0.0, 4000.0}),
                                Input(Rect(45, 220), 0.0, good, {0.0, 4000.0})};
  for (const qv::Ec5CheckInput& in : inputs) {
    qv::Ec5MemberChecks r;
    EXPECT_FALSE(qv::CheckEc5Member(in, r));
    EXPECT_TRUE(r.results.empty());
  }
}

}  // namespace
