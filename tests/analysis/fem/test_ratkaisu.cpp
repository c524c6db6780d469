// Solves hand-written frame models and compares with closed-form beam theory.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "analysis/fem/FEM_kaikki.h"
#include "test_ratkaisu_syote.h"

namespace {

using namespace fem_test;

constexpr double kTol = 1e-9;
constexpr double EIz = kE * kIz, EIy = kE * kIy, GIt = kG * kIt;

double Mz(const QELvektori& p, int i) { return p.GetReal(i, 6); }
double S(const QELvektori& p, int i, double L) { return p.GetReal(i, 0) * L; }

// --- simply supported beams: pins with torsion held at both ends -------------------------

Input SimpleBeam(double L) {
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, L, 0).Bar(1, 1, 2).Support(1, 1, 6111100).Support(2, 2, 6111100);
  return in;
}

TEST(SimplySupportedBeam, UniformLoad) {
  const double L = 6000, q = 2.0;
  FEM_kaikki fem;
  SimpleBeam(L).LineLoad(1, 1, 2, -q, -q).SolveInto(fem);
  EXPECT_EQ(fem.EquationCount(), 12);
  EXPECT_EQ(fem.HalfBandwidth(), 12);

  std::array<double, 6> r1{}, r2{};
  fem.Reactions(1, 1, r1);
  fem.Reactions(2, 1, r2);
  ExpectRel(q * L / 2, r1[1], kTol);
  ExpectRel(q * L / 2, r2[1], kTol);
  EXPECT_NEAR(r1[0], 0.0, 1e-9 * q * L);

  const QELvektori f = Forces(fem, 1, 1, 8);
  const QELvektori u = Displacements(fem, 1, 1, 8);
  for (int i = 0; i <= 8; ++i) {
    const double s = S(f, i, L);
    EXPECT_NEAR(Mz(f, i), q * s * (L - s) / 2, kTol * q * L * L / 8) << s;
    EXPECT_NEAR(f.GetReal(i, 2), q * L / 2 - q * s, kTol * q * L) << s;
    const double v = -q * s * (L * L * L - 2 * L * s * s + s * s * s) / (24 * EIz);
    EXPECT_NEAR(u.GetReal(i, 2), v, kTol * 5 * q * L * L * L * L / (384 * EIz)) << s;
  }
  std::array<double, 12> ue{};
  fem.LocalDisplacements(1, 1, ue);
  ExpectRel(-q * L * L * L / (24 * EIz), ue[5], kTol);
  ExpectRel(q * L * L * L / (24 * EIz), ue[11], kTol);
  EXPECT_LT(Residual(fem, 1), 1e-12);
}

TEST(SimplySupportedBeam, PointLoadsInTwoCasesSolvedTogether) {
  const double L = 6000, P = 10000, a = 2000, b = L - a;
  FEM_kaikki fem;
  // Case 7: global -Y at a; case 3: local -y at midspan.
  SimpleBeam(L).PointLoad(7, 1, 2, -P, a).PointLoad(3, 1, -2, -P, L / 2).SolveInto(fem);
  EXPECT_EQ(fem.CaseCount(), 2);

  const QELvektori u7 = Displacements(fem, 1, 7, 3);  // xi = 1/3 lies under the load
  ExpectRel(-P * a * a * b * b / (3 * EIz * L), u7.GetReal(1, 2), kTol);
  const QELvektori f7 = Forces(fem, 1, 7, 3);
  ExpectRel(P * a * b / L, Mz(f7, 1), kTol);
  ExpectRel(P * b / L, f7.GetReal(1, 2), kTol);  // shear just before the load
  ExpectRel(-P * a / L, f7.GetReal(2, 2), kTol);

  const QELvektori u3 = Displacements(fem, 1, 3, 2);
  ExpectRel(-P * L * L * L / (48 * EIz), u3.GetReal(1, 2), kTol);
  ExpectRel(P * L / 4, Mz(Forces(fem, 1, 3, 2), 1), kTol);

  std::array<double, 6> r{};
  fem.Reactions(1, 7, r);
  ExpectRel(P * b / L, r[1], kTol);
  fem.Reactions(2, 7, r);
  ExpectRel(P * a / L, r[1], kTol);
  EXPECT_LT(Residual(fem, 7), 1e-12);
  EXPECT_LT(Residual(fem, 3), 1e-12);
}

TEST(SimplySupportedBeam, PartialUniformLoad) {
  const double L = 6000, q = 1.5, a = 1000, b = 4000;
  FEM_kaikki fem;
  SimpleBeam(L).UniformLoad(1, 1, 2, -q, a, b).SolveInto(fem);
  const double c = b - a, e = (a + b) / 2;
  const double R1 = q * c * (L - e) / L;
  const QELvektori f = Forces(fem, 1, 1, 12);
  const QELvektori u = Displacements(fem, 1, 1, 12);
  // Macaulay: EI v = R1 s^3/6 - q<s-a>^4/24 + q<s-b>^4/24 + C s, with v(L) = 0.
  auto mac = [](double x, int n) { return x > 0 ? std::pow(x, n) : 0.0; };
  const double C = -(R1 * L * L * L / 6 - q * mac(L - a, 4) / 24 + q * mac(L - b, 4) / 24) / L;
  for (int i = 0; i <= 12; ++i) {
    const double s = S(f, i, L);
    const double M = R1 * s - q * mac(s - a, 2) / 2 + q * mac(s - b, 2) / 2;
    EXPECT_NEAR(Mz(f, i), M, kTol * q * c * L / 4) << s;
    const double v =
        (R1 * s * s * s / 6 - q * mac(s - a, 4) / 24 + q * mac(s - b, 4) / 24 + C * s) / EIz;
    EXPECT_NEAR(u.GetReal(i, 2), v, kTol * q * c * L * L * L / (48 * EIz)) << s;
  }
  std::array<double, 6> r{};
  fem.Reactions(2, 1, r);
  ExpectRel(q * c * e / L, r[1], kTol);
}

TEST(SimplySupportedBeam, TrapezoidalLoad) {
  const double L = 6000, q1 = 1.0, q2 = 3.0;
  FEM_kaikki fem;
  SimpleBeam(L).LineLoad(1, 1, -2, -q1, -q2).LineLoad(2, 1, 2, 0.0, -q2).SolveInto(fem);
  const QELvektori f = Forces(fem, 1, 1, 10);
  for (int i = 0; i <= 10; ++i) {
    const double s = S(f, i, L);
    const double M = q1 * s * (L - s) / 2 + (q2 - q1) * L * s / 6 * (1 - s * s / (L * L));
    EXPECT_NEAR(Mz(f, i), M, kTol * q2 * L * L / 8) << s;
  }
  // Triangle rising to q2: v = -q2 s (7L^4 - 10 L^2 s^2 + 3 s^4) / (360 L EI).
  const QELvektori u = Displacements(fem, 1, 2, 10);
  for (int i = 0; i <= 10; ++i) {
    const double s = S(u, i, L);
    const double v =
        -q2 * s * (7 * std::pow(L, 4) - 10 * L * L * s * s + 3 * std::pow(s, 4)) / (360 * L * EIz);
    EXPECT_NEAR(u.GetReal(i, 2), v, kTol * q2 * std::pow(L, 4) / (100 * EIz)) << s;
  }
  std::array<double, 6> r{};
  fem.Reactions(1, 2, r);
  ExpectRel(q2 * L / 6, r[1], kTol);
  fem.Reactions(2, 2, r);
  ExpectRel(q2 * L / 3, r[1], kTol);
}

// --- cantilevers: clamped at node 1 ----------------------------------------------------

TEST(Cantilever, TipLoadUniformLoadEndMomentAndSpanLoad) {
  const double L = 3000, P = 5000, q = 2.0, M = 1e7;
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, L, 0).Bar(1, 1, 2).Support(1, 1, 6111111);
  in.NodeLoad(1, 2, 2, -P).UniformLoad(2, 1, 2, -q).NodeLoad(3, 2, 6, M);
  in.PointLoad(4, 1, -2, -P, L / 2);
  in.SolveInto(fem);

  std::array<double, 12> u{};
  std::array<double, 6> r{};
  fem.LocalDisplacements(1, 1, u);
  ExpectRel(-P * L * L * L / (3 * EIz), u[7], kTol);
  ExpectRel(-P * L * L / (2 * EIz), u[11], kTol);
  fem.Reactions(1, 1, r);
  ExpectRel(P, r[1], kTol);
  ExpectRel(P * L, r[5], kTol);

  fem.LocalDisplacements(1, 2, u);
  ExpectRel(-q * std::pow(L, 4) / (8 * EIz), u[7], kTol);
  ExpectRel(-q * L * L * L / (6 * EIz), u[11], kTol);
  fem.Reactions(1, 2, r);
  ExpectRel(q * L, r[1], kTol);
  ExpectRel(q * L * L / 2, r[5], kTol);
  const QELvektori f2 = Forces(fem, 1, 2, 6);
  const QELvektori d2 = Displacements(fem, 1, 2, 6);
  for (int i = 0; i <= 6; ++i) {
    const double s = S(f2, i, L);
    EXPECT_NEAR(Mz(f2, i), -q * (L - s) * (L - s) / 2, kTol * q * L * L / 2) << s;
    const double v = -q * s * s * (6 * L * L - 4 * L * s + s * s) / (24 * EIz);
    EXPECT_NEAR(d2.GetReal(i, 2), v, kTol * q * std::pow(L, 4) / (8 * EIz)) << s;
  }

  fem.LocalDisplacements(1, 3, u);
  ExpectRel(M * L * L / (2 * EIz), u[7], kTol);
  ExpectRel(M * L / EIz, u[11], kTol);
  fem.Reactions(1, 3, r);
  ExpectRel(-M, r[5], kTol);

  fem.LocalDisplacements(1, 4, u);
  const double a = L / 2;
  ExpectRel(-P * a * a * (3 * L - a) / (6 * EIz), u[7], kTol);
  for (int c = 1; c <= 4; ++c) EXPECT_LT(Residual(fem, c), 1e-12) << c;
}

TEST(ProppedCantilever, UniformLoad) {
  const double L = 5000, q = 3.0;
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, L, 0).Bar(1, 1, 2).Support(1, 1, 6111111).Support(2, 2, 6111100);
  in.LineLoad(1, 1, 2, -q, -q).SolveInto(fem);
  std::array<double, 6> r1{}, r2{};
  fem.Reactions(1, 1, r1);
  fem.Reactions(2, 1, r2);
  ExpectRel(5 * q * L / 8, r1[1], kTol);
  ExpectRel(3 * q * L / 8, r2[1], kTol);
  ExpectRel(q * L * L / 8, r1[5], kTol);
  const QELvektori f = Forces(fem, 1, 1, 8);
  const QELvektori u = Displacements(fem, 1, 1, 8);
  ExpectRel(-q * L * L / 8, Mz(f, 0), kTol);
  for (int i = 0; i <= 8; ++i) {
    const double s = S(u, i, L);
    const double v = -q * s * s * (3 * L * L - 5 * L * s + 2 * s * s) / (48 * EIz);
    EXPECT_NEAR(u.GetReal(i, 2), v, kTol * q * std::pow(L, 4) / (185 * EIz)) << s;
    EXPECT_NEAR(Mz(f, i), 5 * q * L * s / 8 - q * L * L / 8 - q * s * s / 2, kTol * q * L * L / 8);
  }
}

// Two unequal spans: the three-moment equation gives the support moment.
TEST(ContinuousBeam, TwoSpansUniformLoad) {
  const double L1 = 4000, L2 = 6000, q = 2.0;
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, L1, 0).Node(3, L1 + L2, 0).Bar(1, 1, 2).Bar(2, 2, 3);
  in.Support(1, 1, 6111100).Support(2, 2, 6011100).Support(3, 3, 6011100);
  in.LineLoad(1, 1, 2, -q, -q).LineLoad(1, 2, 2, -q, -q).SolveInto(fem);
  EXPECT_EQ(fem.EquationCount(), 18);
  const double MB = -q * (L1 * L1 * L1 + L2 * L2 * L2) / (8 * (L1 + L2));
  ExpectRel(MB, Mz(Forces(fem, 1, 1, 2), 2), kTol);
  ExpectRel(MB, Mz(Forces(fem, 2, 1, 2), 0), kTol);
  const double RA = q * L1 / 2 + MB / L1, RC = q * L2 / 2 + MB / L2;
  std::array<double, 6> r{};
  fem.Reactions(1, 1, r);
  ExpectRel(RA, r[1], kTol);
  fem.Reactions(3, 1, r);
  ExpectRel(RC, r[1], kTol);
  fem.Reactions(2, 1, r);
  ExpectRel(q * (L1 + L2) - RA - RC, r[1], kTol);
  EXPECT_LT(Residual(fem, 1), 1e-12);
}

// A cantilever carrying a suspended span through a hinge.
TEST(HingedBeam, MomentVanishesAtTheHinge) {
  const double L1 = 3000, L2 = 4000, q = 2.0;
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, L1, 0).Node(3, L1 + L2, 0);
  in.Bar(1, 1, 2, 6111111, 6111110).Bar(2, 2, 3);
  in.Support(1, 1, 6111111).Support(2, 3, 6111100);
  in.LineLoad(1, 1, 2, -q, -q).LineLoad(1, 2, 2, -q, -q).SolveInto(fem);

  EXPECT_EQ(fem.EquationCount(), 19);
  const QELvektori f1 = Forces(fem, 1, 1, 6), f2 = Forces(fem, 2, 1, 8);
  EXPECT_NEAR(Mz(f1, 6), 0.0, kTol * q * L1 * L1);
  EXPECT_NEAR(Mz(f2, 0), 0.0, kTol * q * L1 * L1);
  for (int i = 0; i <= 8; ++i) {
    const double s = S(f2, i, L2);
    EXPECT_NEAR(Mz(f2, i), q * s * (L2 - s) / 2, kTol * q * L2 * L2 / 8);
  }
  const double V = q * L2 / 2;  // carried by the hinge
  for (int i = 0; i <= 6; ++i) {
    const double s = S(f1, i, L1);
    EXPECT_NEAR(Mz(f1, i), -(q * (L1 - s) * (L1 - s) / 2 + V * (L1 - s)), kTol * q * L1 * L1 * 4);
  }
  std::array<double, 6> r{};
  fem.Reactions(1, 1, r);
  ExpectRel(q * L1 + V, r[1], kTol);
  ExpectRel(q * L1 * L1 / 2 + V * L1, r[5], kTol);
  fem.Reactions(2, 1, r);
  ExpectRel(V, r[1], kTol);

  std::array<double, 12> u1{}, u2{};
  fem.LocalDisplacements(1, 1, u1);
  fem.LocalDisplacements(2, 1, u2);
  const double tip = -(V * L1 * L1 * L1 / (3 * EIz) + q * std::pow(L1, 4) / (8 * EIz));
  ExpectRel(tip, u1[7], kTol);
  ExpectRel(tip, u2[1], kTol);
  // The hinge lets the two bars turn apart.
  EXPECT_GT(std::fabs(u1[11] - u2[5]), 1e-3 * std::fabs(u1[11]));
  EXPECT_LT(Residual(fem, 1), 1e-12);
}

TEST(InclinedBar, GlobalVerticalLoadOnSimplySupportedRafter) {
  const double L = 5000, q = 2.0, al = 30.0 * M_PI / 180.0;
  const double c = std::cos(al), s30 = std::sin(al);
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, L * c, L * s30).Bar(1, 1, 2);
  in.Support(1, 1, 6111100).Support(2, 2, 6011100);  // horizontal roller at the top
  in.LineLoad(1, 1, 2, -q, -q).SolveInto(fem);
  std::array<double, 6> r{};
  fem.Reactions(1, 1, r);
  ExpectRel(q * L / 2, r[1], kTol);
  EXPECT_NEAR(r[0], 0.0, kTol * q * L);
  fem.Reactions(2, 1, r);
  ExpectRel(q * L / 2, r[1], kTol);
  const QELvektori f = Forces(fem, 1, 1, 10);
  for (int i = 0; i <= 10; ++i) {
    const double x = S(f, i, L);
    EXPECT_NEAR(Mz(f, i), q * c * x * (L - x) / 2, kTol * q * L * L / 8) << x;
    EXPECT_NEAR(f.GetReal(i, 1), q * s30 * (L / 2 - x), kTol * q * L) << x;  // N
    EXPECT_NEAR(f.GetReal(i, 2), q * c * (L / 2 - x), kTol * q * L) << x;
  }
  // Bending relative to the chord: the top roller lets the chord turn.
  const QELvektori u = Displacements(fem, 1, 1, 2);
  const double rel = u.GetReal(1, 2) - (u.GetReal(0, 2) + u.GetReal(2, 2)) / 2;
  ExpectRel(-5 * q * c * std::pow(L, 4) / (384 * EIz), rel, kTol);
  EXPECT_LT(Residual(fem, 1), 1e-12);
}

TEST(OutOfPlane, TorsionAndLoadsAlongZOnCantilever) {
  const double L = 4000, T = 2e6, t = 100.0, P = 1000, q = 1.0;
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, L, 0).Bar(1, 1, 2).Support(1, 1, 6111111);
  in.NodeLoad(1, 2, 4, T).UniformLoad(2, 1, -4, t).NodeLoad(3, 2, 3, P).UniformLoad(4, 1, -3, q);
  in.SolveInto(fem);
  std::array<double, 12> u{};
  std::array<double, 6> r{};

  fem.LocalDisplacements(1, 1, u);
  ExpectRel(T * L / GIt, u[9], kTol);
  fem.Reactions(1, 1, r);
  ExpectRel(-T, r[3], kTol);
  ExpectRel(-T, Forces(fem, 1, 1, 2).GetReal(1, 4), kTol);

  fem.LocalDisplacements(1, 2, u);
  ExpectRel(t * L * L / (2 * GIt), u[9], kTol);
  fem.Reactions(1, 2, r);
  ExpectRel(-t * L, r[3], kTol);
  ExpectRel(-t * L / 2, Forces(fem, 1, 2, 2).GetReal(1, 4), kTol);

  fem.LocalDisplacements(1, 3, u);
  ExpectRel(P * L * L * L / (3 * EIy), u[8], kTol);
  ExpectRel(-P * L * L / (2 * EIy), u[10], kTol);
  fem.Reactions(1, 3, r);
  ExpectRel(-P, r[2], kTol);
  ExpectRel(P * L, r[4], kTol);

  const QELvektori f4 = Forces(fem, 1, 4, 4), d4 = Displacements(fem, 1, 4, 4);
  for (int i = 0; i <= 4; ++i) {
    const double s = S(f4, i, L);
    EXPECT_NEAR(f4.GetReal(i, 5), q * (L - s) * (L - s) / 2, kTol * q * L * L / 2) << s;
    const double w = q * s * s * (6 * L * L - 4 * L * s + s * s) / (24 * EIy);
    EXPECT_NEAR(d4.GetReal(i, 3), w, kTol * q * std::pow(L, 4) / (8 * EIy)) << s;
  }
  for (int c = 1; c <= 4; ++c) EXPECT_LT(Residual(fem, c), 1e-12) << c;
}

// Turning the section by 90 degrees, on the bar, on its profile or half on each, puts a
// vertical load on the weak axis: local z is then global Y.
TEST(SectionRotation, BetaOfBarAndProfileAddUp) {
  const double L = 3000, P = 1000;
  const double betas[3][2] = {{90.0, 0.0}, {0.0, 90.0}, {45.0, 45.0}};
  for (const auto& beta : betas) {
    Input in;
    in.Material(1, kE, kG).Profile(1, kIz, kIy, kIt, kA, beta[1]);
    in.Node(1, 0, 0).Node(2, L, 0).Support(1, 1, 6111111).NodeLoad(1, 2, 2, -P);
    in.Bar(1, 1, 2, 6111111, 6111111, beta[0]);
    FEM_kaikki fem;
    in.SolveInto(fem);
    std::array<double, 12> u{};
    fem.LocalDisplacements(1, 1, u);
    ExpectRel(-P * L * L * L / (3 * EIy), u[8], kTol);
    EXPECT_NEAR(u[7], 0.0, kTol * std::fabs(u[8]));
    // The global deflection is the same bar bent about its weak axis.
    std::array<double, 6> r{};
    fem.Reactions(1, 1, r);
    ExpectRel(P * L, r[5], kTol);
  }
}

}  // namespace
