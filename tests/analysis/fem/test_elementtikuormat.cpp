// Checks bar loads against fixed-end forces, statics and deflections from beam tables.
#include "analysis/fem/FEM_ElementtiKuormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/fem/FEM_ratkaisija.h"

namespace {

using EK = FEM_ElementtiKuormat;

const double kIdentity[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

FEM_Elementtikuorma Load(int type, int dir, double q1, double q2, double a, double b) {
  FEM_Elementtikuorma l;
  l.type = type;
  l.direction = dir;
  l.q1 = q1;
  l.q2 = q2;
  l.a = a;
  l.b = b;
  return l;
}

std::vector<double> Nodal(const FEM_Elementtikuorma& l, double L,
                          const double lam[3][3] = kIdentity) {
  double F[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EK::AddEquivalentNodalLoads(l, lam, L, F);
  return std::vector<double>(F, F + 12);
}

// Expected values given as (1-based entry, value); all other entries must be 0.
void ExpectNodal(const std::vector<double>& F, std::vector<std::pair<int, double>> expected,
                 double scale) {
  std::vector<double> e(12, 0.0);
  for (const auto& p : expected) e[p.first - 1] = p.second;
  for (int i = 0; i < 12; ++i) EXPECT_NEAR(F[i], e[i], 1e-12 * scale) << "F" << (i + 1);
}

constexpr double L = 6000.0;

TEST(EquivalentNodalLoads, UniformLoadOverWholeBar) {
  const double q = 2.5;
  ExpectNodal(Nodal(Load(2, -2, -q, 99.0, 0, -1), L),
              {{2, -q * L / 2}, {8, -q * L / 2}, {6, -q * L * L / 12}, {12, q * L * L / 12}},
              q * L * L);
  // Along local z the moments change sign with the axis convention.
  ExpectNodal(Nodal(Load(3, -3, q, q, 0, L), L),
              {{3, q * L / 2}, {9, q * L / 2}, {5, -q * L * L / 12}, {11, q * L * L / 12}},
              q * L * L);
  ExpectNodal(Nodal(Load(2, -1, q, 0, 0, L), L), {{1, q * L / 2}, {7, q * L / 2}}, q * L);
  ExpectNodal(Nodal(Load(2, -4, q, 0, 0, L), L), {{4, q * L / 2}, {10, q * L / 2}}, q * L);
}

TEST(EquivalentNodalLoads, PointLoadsOfEveryComponent) {
  const double P = 1500.0, a = 2000.0, b = L - a;
  const double L2 = L * L, L3 = L2 * L;
  ExpectNodal(Nodal(Load(1, -2, P, 0, a, 0), L),
              {{2, P * b * b * (L + 2 * a) / L3},
               {6, P * a * b * b / L2},
               {8, P * a * a * (L + 2 * b) / L3},
               {12, -P * a * a * b / L2}},
              P * L);
  ExpectNodal(Nodal(Load(1, -3, P, 0, a, 0), L),
              {{3, P * b * b * (L + 2 * a) / L3},
               {5, -P * a * b * b / L2},
               {9, P * a * a * (L + 2 * b) / L3},
               {11, P * a * a * b / L2}},
              P * L);
  ExpectNodal(Nodal(Load(1, -1, P, 0, a, 0), L), {{1, P * b / L}, {7, P * a / L}}, P);
  ExpectNodal(Nodal(Load(1, -4, P, 0, a, 0), L), {{4, P * b / L}, {10, P * a / L}}, P);
  const double M = 2e6;
  // A moment at midspan of a clamped beam: end moments -M/4 each, end shears 3M/(2L).
  ExpectNodal(Nodal(Load(1, -6, M, 0, L / 2, 0), L),
              {{2, -1.5 * M / L}, {8, 1.5 * M / L}, {6, -M / 4}, {12, -M / 4}}, M);
  ExpectNodal(Nodal(Load(1, -6, M, 0, a, 0), L),
              {{2, -6 * M * a * b / L3},
               {8, 6 * M * a * b / L3},
               {6, M * (b / L) * (1 - 3 * a / L)},
               {12, M * (a / L) * (1 - 3 * b / L)}},
              M);
  ExpectNodal(Nodal(Load(1, -5, M, 0, a, 0), L),
              {{3, 6 * M * a * b / L3},
               {9, -6 * M * a * b / L3},
               {5, M * (b / L) * (1 - 3 * a / L)},
               {11, M * (a / L) * (1 - 3 * b / L)}},
              M);
}

TEST(EquivalentNodalLoads, RangeRulesOfPointLoads) {
  const double P = 700.0;
  ExpectNodal(Nodal(Load(1, -2, P, 0, L, 0), L), {{8, P}}, P * L);
  ExpectNodal(Nodal(Load(1, -2, P, 0, L + 1, 0), L), {}, P * L);
  ExpectNodal(Nodal(Load(1, -2, P, 0, -5, 0), L), {{2, P}}, P * L);
}

TEST(EquivalentNodalLoads, PartialAndTrapezoidalLoads) {
  const double q = 3.0;
  // Uniform load on the left half: 13qL/32, 3qL/32, 11qL^2/192, -5qL^2/192.
  ExpectNodal(Nodal(Load(2, -2, q, 0, 0, L / 2), L),
              {{2, 13 * q * L / 32},
               {8, 3 * q * L / 32},
               {6, 11 * q * L * L / 192},
               {12, -5 * q * L * L / 192}},
              q * L * L);
  // Triangle rising from 0 at the start to q at the end: 3qL/20, 7qL/20, qL^2/30, -qL^2/20.
  const auto tri = Nodal(Load(3, -2, 0.0, q, 0, L), L);
  ExpectNodal(
      tri, {{2, 3 * q * L / 20}, {8, 7 * q * L / 20}, {6, q * L * L / 30}, {12, -q * L * L / 20}},
      q * L * L);
  // A trapezoid is a uniform load plus a triangle.
  const double q1 = 1.0, q2 = 4.0;
  const auto trap = Nodal(Load(3, -3, q1, q2, 0, L), L);
  const auto uni = Nodal(Load(2, -3, q1, 0, 0, L), L);
  const auto tri3 = Nodal(Load(3, -3, 0, q2 - q1, 0, L), L);
  for (int i = 0; i < 12; ++i) EXPECT_NEAR(trap[i], uni[i] + tri3[i], 1e-9 * q2 * L * L);
  // Partial uniform load from a to b against the textbook end moments.
  const double a = 1000, b = 4500, c = b - a;
  const double e = (a + b) / 2, f = L - e;  // load centre from each end
  const auto part = Nodal(Load(2, -2, q, 0, a, b), L);
  const double MA = q * c / (12 * L * L) * (12 * e * f * f + c * c * (L - 3 * f));
  const double MB = q * c / (12 * L * L) * (12 * e * e * f + c * c * (L - 3 * e));
  EXPECT_NEAR(part[5], MA, 1e-9 * q * L * L);
  EXPECT_NEAR(part[11], -MB, 1e-9 * q * L * L);
  EXPECT_NEAR(part[1] + part[7], q * c, 1e-9 * q * L);
  EXPECT_NEAR(part[7] * L + part[5] + part[11], q * c * e, 1e-9 * q * L * L);
}

TEST(EquivalentNodalLoads, RangeRulesOfLineLoads) {
  const double q = 2.0;
  const auto whole = Nodal(Load(2, -2, q, 0, 0, L), L);
  const auto beyond = Nodal(Load(2, -2, q, 0, 0, 2 * L), L);
  const auto negative = Nodal(Load(2, -2, q, 0, -3, -1), L);
  const auto reversed = Nodal(Load(2, -2, q, 0, L, 0), L);
  for (int i = 0; i < 12; ++i) {
    EXPECT_NEAR(beyond[i], whole[i], 1e-9 * q * L * L);
    EXPECT_NEAR(negative[i], whole[i], 1e-9 * q * L * L);
    EXPECT_NEAR(reversed[i], whole[i], 1e-9 * q * L * L);
  }
  ExpectNodal(Nodal(Load(2, -2, q, 0, 3000, 3000), L), {}, q * L * L);
  ExpectNodal(Nodal(Load(3, -2, q, q, L + 5, L + 50), L), {}, q * L * L);
  // The part of a trapezoid on the bar keeps its intensities: 0..2L with 0..2q is 0..L with 0..q.
  const auto tri = Nodal(Load(3, -2, 0, q, 0, L), L);
  const auto longer = Nodal(Load(3, -2, 0, 2 * q, 0, 2 * L), L);
  for (int i = 0; i < 12; ++i) EXPECT_NEAR(longer[i], tri[i], 1e-9 * q * L * L);
  // Reversed trapezoid: q1 stays the intensity at a.
  const auto rev = Nodal(Load(3, -2, q, 0, L, 0), L);
  for (int i = 0; i < 12; ++i) EXPECT_NEAR(rev[i], tri[i], 1e-9 * q * L * L);
}

TEST(EquivalentNodalLoads, NothingFromBadInput) {
  ExpectNodal(Nodal(Load(4, -2, 1, 1, 0, L), L), {}, 1);
  ExpectNodal(Nodal(Load(2, 7, 1, 1, 0, L), L), {}, 1);
  ExpectNodal(Nodal(Load(2, 0, 1, 1, 0, L), L), {}, 1);
  ExpectNodal(Nodal(Load(2, -2, 1, 1, 0, L), 0.0), {}, 1);
}

TEST(EquivalentNodalLoads, GlobalComponentsOnInclinedBar) {
  const double al = 30.0 * M_PI / 180.0, q = 2.0;
  const double p[3] = {0, 0, 0}, e[3] = {L * std::cos(al), L * std::sin(al), 0};
  double lam[3][3];
  FEM_ratkaisija::Transformation(p, e, 0.0, lam);
  // Global -Y load along the bar: local x part -q sin a, local y part -q cos a.
  const auto F = Nodal(Load(3, 2, -q, -q, 0, L), L, lam);
  ExpectNodal(F,
              {{1, -q * std::sin(al) * L / 2},
               {7, -q * std::sin(al) * L / 2},
               {2, -q * std::cos(al) * L / 2},
               {8, -q * std::cos(al) * L / 2},
               {6, -q * std::cos(al) * L * L / 12},
               {12, q * std::cos(al) * L * L / 12}},
              q * L * L);
  // A point force along global X has local y part -P sin a.
  const auto G = Nodal(Load(1, 1, 100.0, 0, L / 2, 0), L, lam);
  EXPECT_NEAR(G[1], -100.0 * std::sin(al) / 2, 1e-12);
  EXPECT_NEAR(G[0], 100.0 * std::cos(al) / 2, 1e-12);
}

// A points list with n + 1 points at xi = i / n and room for values.
QELvektori Points(int n, int values) {
  QELvektori pts;
  pts.SetLayout(0, 0, 1 + values);
  for (int i = 0; i <= n; ++i) {
    std::vector<double> r(static_cast<size_t>(1 + values), 0.0);
    r[0] = static_cast<double>(i) / n;
    pts.AddRecord(nullptr, &r, nullptr);
  }
  return pts;
}

FEM_KuormaVektori Loads(const std::vector<FEM_Elementtikuorma>& list, int bar = 1,
                        int caseNumber = 1) {
  FEM_KuormaVektori v;
  int number = 1;
  for (const auto& l : list) {
    const std::vector<int> ints = {number++, caseNumber, 2, l.type, bar, l.direction};
    const std::vector<double> reals = {l.q1, l.q2, l.a, l.b};
    v.AddRecord(nullptr, &reals, &ints);
  }
  return v;
}

// Simply supported bar: end forces from statics, then the load parts along the bar.
TEST(InternalForces, SimplySupportedUniformLoad) {
  const double q = 2.0;  // downward, local -y
  const auto loads = Loads({Load(2, -2, -q, 0, 0, L)});
  const double f[12] = {0, q * L / 2, 0, 0, 0, 0, 0, q * L / 2, 0, 0, 0, 0};
  QELvektori pts = Points(8, 6);
  EK::SetEndForceParts(f, L, pts);
  EK::AddInternalForces(loads, 1, 1, kIdentity, L, pts);
  for (int i = 0; i < pts.Count(); ++i) {
    const double s = pts.GetReal(i, 0) * L;
    EXPECT_NEAR(pts.GetReal(i, 6), q * s * (L - s) / 2, 1e-9 * q * L * L);
    EXPECT_NEAR(pts.GetReal(i, 2), q * L / 2 - q * s, 1e-9 * q * L);
    EXPECT_EQ(pts.GetReal(i, 1), 0.0);
  }
}

TEST(InternalForces, PointLoadIsCountedJustAfterItsPosition) {
  const double P = 1000.0, a = 1500.0;  // downward at a = L / 4
  const auto loads = Loads({Load(1, -2, -P, 0, a, 0)});
  const double fa = P * (L - a) / L, fb = P * a / L;
  const double f[12] = {0, fa, 0, 0, 0, 0, 0, fb, 0, 0, 0, 0};
  QELvektori pts = Points(4, 6);  // xi = 0.25 lies on the load
  EK::SetEndForceParts(f, L, pts);
  EK::AddInternalForces(loads, 1, 1, kIdentity, L, pts);
  EXPECT_NEAR(pts.GetReal(1, 2), fa, 1e-9);  // shear just before the load
  EXPECT_NEAR(pts.GetReal(2, 2), fa - P, 1e-9);
  EXPECT_NEAR(pts.GetReal(1, 6), fa * a, 1e-6);
  EXPECT_NEAR(pts.GetReal(2, 6), fb * (L - L / 2), 1e-6);
  EXPECT_NEAR(pts.GetReal(4, 6), 0.0, 1e-6);
}

TEST(InternalForces, TriangularLoadAndOutOfPlaneLoad) {
  const double q = 3.0;  // downward, 0 at the start rising to q at the end
  const auto loads = Loads({Load(3, -2, 0, -q, 0, L), Load(2, -3, -q, 0, 0, L)});
  const double f[12] = {0, q * L / 6, q * L / 2, 0, 0, 0, 0, q * L / 3, q * L / 2, 0, 0, 0};
  QELvektori pts = Points(10, 6);
  EK::SetEndForceParts(f, L, pts);
  EK::AddInternalForces(loads, 1, 1, kIdentity, L, pts);
  for (int i = 0; i < pts.Count(); ++i) {
    const double s = pts.GetReal(i, 0) * L;
    EXPECT_NEAR(pts.GetReal(i, 6), q * L * s / 6 * (1 - s * s / (L * L)), 1e-9 * q * L * L);
    EXPECT_NEAR(pts.GetReal(i, 2), q * L / 6 - q * s * s / (2 * L), 1e-9 * q * L);
    EXPECT_NEAR(pts.GetReal(i, 5), q * s * (L - s) / 2, 1e-9 * q * L * L);
    EXPECT_NEAR(pts.GetReal(i, 3), q * L / 2 - q * s, 1e-9 * q * L);
  }
}

TEST(InternalForces, AxialTorsionAndAppliedMoments) {
  const double H = 500.0, t = 0.2, M = 3e6, a = 2000.0;
  // Bar held at its start: axial point load and a uniform torque, plus a moment about z at a
  // on a simply supported span (end shears M/L).
  const auto loads = Loads({Load(1, -1, -H, 0, a, 0), Load(2, -4, t, 0, 0, L),
                            Load(1, -6, M, 0, a, 0), Load(1, -5, M, 0, a, 0)});
  const double f[12] = {H, M / L, -M / L, -t * L, 0, 0, 0, -M / L, M / L, 0, 0, 0};
  QELvektori pts = Points(6, 6);  // xi = 1/3 lies on a
  EK::SetEndForceParts(f, L, pts);
  EK::AddInternalForces(loads, 1, 1, kIdentity, L, pts);
  for (int i = 0; i < pts.Count(); ++i) {
    const double s = pts.GetReal(i, 0) * L;
    const bool after = s > a;
    EXPECT_NEAR(pts.GetReal(i, 1), after ? 0.0 : H, 1e-9) << s;  // compression before a
    EXPECT_NEAR(pts.GetReal(i, 4), -t * L + t * s, 1e-9);
    EXPECT_NEAR(pts.GetReal(i, 6), after ? -M * (L - s) / L : M * s / L, 1e-6) << s;
    EXPECT_NEAR(pts.GetReal(i, 5), after ? M * (L - s) / L : -M * s / L, 1e-6) << s;
  }
}

TEST(InternalForces, OnlyMatchingLoadsAndPointsInRange) {
  auto loads = Loads({Load(2, -2, -1.0, 0, 0, L)}, 2, 1);  // bar 2
  QELvektori pts = Points(2, 6);
  pts.SetReal(2, 0, 1.1);  // beyond the end: untouched
  pts.SetReal(2, 6, 42.0);
  EK::AddInternalForces(loads, 1, 1, kIdentity, L, pts);  // bar 1: nothing
  EK::AddInternalForces(loads, 2, 3, kIdentity, L, pts);  // case 3: nothing
  EXPECT_EQ(pts.GetReal(1, 6), 0.0);
  EK::AddInternalForces(loads, 2, 1, kIdentity, L, pts);
  EXPECT_NEAR(pts.GetReal(1, 6), -L * L / 8, 1e-6);
  EXPECT_EQ(pts.GetReal(2, 6), 42.0);
}

double Disp(const FEM_Elementtikuorma& l, int comp, double s, double E = 1.0, double A = 1.0,
            double Iz = 1.0, double Iy = 1.0) {
  double out[3];
  EK::DisplacementPart(l, kIdentity, L, E, A, Iz, Iy, s, out);
  return out[comp];
}

TEST(Displacements, ClampedBarAgainstBeamTables) {
  const double E = 11000.0, Iz = 3.6e8, Iy = 1.2e8, A = 1.2e4, P = 2000.0, q = 1.5;
  const double L3 = L * L * L, L4 = L3 * L;
  const auto cp = Load(1, -2, P, 0, L / 2, 0);
  EXPECT_NEAR(Disp(cp, 1, L / 2, E, A, Iz, Iy), P * L3 / (192 * E * Iz), 1e-9 * P * L3 / (E * Iz));
  EXPECT_NEAR(Disp(cp, 1, L, E, A, Iz, Iy), 0.0, 1e-12 * P * L3 / (E * Iz));
  const auto uq = Load(2, -3, q, 0, 0, L);
  EXPECT_NEAR(Disp(uq, 2, L / 2, E, A, Iz, Iy), q * L4 / (384 * E * Iy), 1e-9 * q * L4 / (E * Iy));
  // Axial point load between clamps: both parts act as springs in parallel.
  const double a = 2000.0;
  const auto ax = Load(1, -1, P, 0, a, 0);
  EXPECT_NEAR(Disp(ax, 0, a, E, A, Iz, Iy), P * a * (L - a) / (L * E * A), 1e-12);
  // A clamped point load off centre: deflection under it P a^3 b^3 / (3 E I L^3).
  const auto off = Load(1, -3, P, 0, a, 0);
  const double b = L - a;
  EXPECT_NEAR(Disp(off, 2, a, E, A, Iz, Iy), P * a * a * a * b * b * b / (3 * E * Iy * L3),
              1e-9 * P * L3 / (E * Iy));
}

// The particular solution must close at the far clamp, value and slope, for every kind.
TEST(Displacements, EveryLoadClosesAtTheFarClamp) {
  const std::vector<FEM_Elementtikuorma> loads = {
      Load(1, -1, 10, 0, 1000, 0),    Load(1, -2, 10, 0, 1000, 0),  Load(1, -3, 10, 0, 4000, 0),
      Load(1, -5, 1e4, 0, 2500, 0),   Load(1, -6, 1e4, 0, 2500, 0), Load(2, -1, 1, 0, 500, 3500),
      Load(2, -2, 1, 0, 500, 3500),   Load(3, -3, 1, 5, 500, 5500), Load(3, -5, 2, -1, 0, 4000),
      Load(3, -6, -3, 1, 1000, 6000), Load(3, -2, 0, 4, 0, L)};
  const double h = 1.0;
  for (const auto& l : loads) {
    double mid = 0.0;
    for (int c = 0; c < 3; ++c) {
      const double scale = 1.0 + std::fabs(Disp(l, c, L / 3));
      const double end = Disp(l, c, L);
      const double slope = (3 * end - 4 * Disp(l, c, L - h) + Disp(l, c, L - 2 * h)) / (2 * h);
      mid += scale - 1.0;
      EXPECT_NEAR(end, 0.0, 1e-9 * scale) << "dir " << l.direction << " comp " << c;
      // Bending closes with zero slope as well; slopes scale as displacement / L.
      if (c > 0) {
        EXPECT_NEAR(slope, 0.0, 1e-4 * scale / L) << "dir " << l.direction << " comp " << c;
      }
    }
    if (l.direction != -4) {
      EXPECT_GT(mid, 0.0) << "dir " << l.direction;
    }
  }
  // Torsion gives no displacement part; stiffness 0 gives nothing; beyond L nothing.
  EXPECT_EQ(Disp(Load(2, -4, 1, 0, 0, L), 1, L / 2), 0.0);
  EXPECT_EQ(Disp(Load(2, -2, 1, 0, 0, L), 1, L / 2, 0.0), 0.0);
  EXPECT_EQ(Disp(Load(2, -2, 1, 0, 0, L), 1, L * 1.001), 0.0);
}

TEST(Displacements, EndPartsFollowCubicShape) {
  // Cantilever tip values of a tip load P: the cubic reproduces P s^2 (3L - s) / (6 E I).
  const double P = 1000.0, EI = 5e12;
  const double d = P * L * L * L / (3 * EI), th = P * L * L / (2 * EI);
  const double u[12] = {0, 0, 0, 0, 0, 0, 0.5, d, d, 0, -th, th};
  QELvektori pts = Points(6, 3);
  EK::SetEndDisplacementParts(u, L, pts);
  for (int i = 0; i < pts.Count(); ++i) {
    const double s = pts.GetReal(i, 0) * L;
    const double v = P * s * s * (3 * L - s) / (6 * EI);
    EXPECT_NEAR(pts.GetReal(i, 2), v, 1e-12 * d);
    EXPECT_NEAR(pts.GetReal(i, 3), v, 1e-12 * d);
    EXPECT_NEAR(pts.GetReal(i, 1), 0.5 * s / L, 1e-15);
  }
}

TEST(Displacements, SimplySupportedUniformLoadFromEndsPlusLoadPart) {
  const double q = 2.0, E = 1.0, I = 1.0;  // downward
  const double th = q * L * L * L / (24 * E * I);
  const double u[12] = {0, 0, 0, 0, 0, -th, 0, 0, 0, 0, 0, th};
  const auto loads = Loads({Load(2, -2, -q, 0, 0, L)});
  QELvektori pts = Points(4, 3);
  EK::SetEndDisplacementParts(u, L, pts);
  EK::AddDisplacements(loads, 1, 1, kIdentity, L, E, 1.0, I, 1.0, pts);
  for (int i = 0; i < pts.Count(); ++i) {
    const double s = pts.GetReal(i, 0) * L;
    const double v = -q * s * (L * L * L - 2 * L * s * s + s * s * s) / (24 * E * I);
    EXPECT_NEAR(pts.GetReal(i, 2), v, 1e-9 * q * L * L * L * L / (E * I));
  }
  EXPECT_NEAR(pts.GetReal(2, 2), -5 * q * L * L * L * L / (384 * E * I), 1e-9 * q * L * L * L * L);
}

TEST(NodeLoads, SumsPointLoadsOfTheNodeAndCase) {
  FEM_KuormaVektori v;
  auto add = [&](int cs, int kind, int type, int target, int dir, double q1) {
    const std::vector<int> ints = {v.Count() + 1, cs, kind, type, target, dir};
    const std::vector<double> reals = {q1, 0, 0, 0};
    v.AddRecord(nullptr, &reals, &ints);
  };
  add(1, 1, 1, 3, 2, -100.0);
  add(1, 1, 1, 3, 2, -50.0);
  add(1, 1, 1, 3, 6, 7.0);
  add(2, 1, 1, 3, 2, -1.0);   // other case
  add(1, 1, 2, 3, 2, -1.0);   // not a point load
  add(1, 1, 1, 4, 2, -1.0);   // other node
  add(1, 2, 1, 3, 2, -1.0);   // element load on bar 3
  add(1, 1, 1, 3, -2, -1.0);  // no such direction for node loads
  double out[6];
  EK::NodeLoads(v, 3, 1, out);
  EXPECT_EQ(out[1], -150.0);
  EXPECT_EQ(out[5], 7.0);
  EXPECT_EQ(out[0] + out[2] + out[3] + out[4], 0.0);
}

}  // namespace
