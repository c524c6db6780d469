// Checks the solver kernels against beam theory and small systems solved by hand.
#include "analysis/fem/FEM_ratkaisija.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace {

using R = FEM_ratkaisija;

void Full(const double k[78], double m[12][12]) {
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 12; ++j) m[i][j] = k[R::PackedIndex(i, j)];
}

void ExpectRel(double expected, double actual, double tol = 1e-9) {
  EXPECT_NEAR(actual, expected, tol * std::fabs(expected)) << "expected " << expected;
}

TEST(PackedIndex, CoversUpperTriangleOnceAndIsSymmetric) {
  std::set<int> seen;
  for (int i = 0; i < 12; ++i)
    for (int j = i; j < 12; ++j) {
      const int p = R::PackedIndex(i, j);
      EXPECT_EQ(p, R::PackedIndex(j, i));
      seen.insert(p);
    }
  EXPECT_EQ(seen.size(), 78u);
  EXPECT_EQ(*seen.begin(), 0);
  EXPECT_EQ(*seen.rbegin(), 77);
  EXPECT_EQ(R::PackedIndex(0, 1), 1);
  EXPECT_EQ(R::PackedIndex(1, 1), 12);  // row by row
  EXPECT_EQ(R::PackedIndex(-1, 0), -1);
  EXPECT_EQ(R::PackedIndex(0, 12), -1);
}

TEST(ElementStiffness, EntriesFollowBeamTheory) {
  const double Iz = 3.0, Iy = 5.0, It = 7.0, A = 11.0, E = 13.0, G = 17.0, L = 2.0;
  double k[78];
  R::ElementStiffness(Iz, Iy, It, A, E, G, L, k);
  double m[12][12];
  Full(k, m);
  EXPECT_DOUBLE_EQ(m[0][0], E * A / L);
  EXPECT_DOUBLE_EQ(m[0][6], -E * A / L);
  EXPECT_DOUBLE_EQ(m[1][1], 12 * E * Iz / 8);
  EXPECT_DOUBLE_EQ(m[1][5], 6 * E * Iz / 4);
  EXPECT_DOUBLE_EQ(m[5][7], -6 * E * Iz / 4);
  EXPECT_DOUBLE_EQ(m[5][11], 2 * E * Iz / L);
  EXPECT_DOUBLE_EQ(m[2][2], 12 * E * Iy / 8);
  EXPECT_DOUBLE_EQ(m[2][4], -6 * E * Iy / 4);
  EXPECT_DOUBLE_EQ(m[8][10], 6 * E * Iy / 4);
  EXPECT_DOUBLE_EQ(m[10][10], 4 * E * Iy / L);
  EXPECT_DOUBLE_EQ(m[3][9], -G * It / L);
  EXPECT_DOUBLE_EQ(m[0][1], 0.0);
  EXPECT_DOUBLE_EQ(m[1][2], 0.0);
}

// Rigid-body motions of a bar along local x produce no end forces.
TEST(ElementStiffness, RigidBodyMotionsAreFree) {
  const double L = 3000.0;
  double k[78];
  R::ElementStiffness(2e8, 1e8, 5e7, 1e4, 1e4, 600.0, L, k);
  double m[12][12];
  Full(k, m);
  std::vector<std::vector<double>> modes;
  for (int t = 0; t < 3; ++t) {  // translations
    std::vector<double> u(12, 0.0);
    u[t] = u[t + 6] = 1.0;
    modes.push_back(u);
  }
  {  // rotation about x
    std::vector<double> u(12, 0.0);
    u[3] = u[9] = 1.0;
    modes.push_back(u);
  }
  {  // rotation about z: uy grows with x
    std::vector<double> u(12, 0.0);
    u[5] = u[11] = 1.0;
    u[7] = L;
    modes.push_back(u);
  }
  {  // rotation about y: uz falls with x
    std::vector<double> u(12, 0.0);
    u[4] = u[10] = 1.0;
    u[8] = -L;
    modes.push_back(u);
  }
  for (const auto& u : modes)
    for (int i = 0; i < 12; ++i) {
      double f = 0.0;
      for (int j = 0; j < 12; ++j) f += m[i][j] * u[j];
      EXPECT_NEAR(f, 0.0, 1e-6 * m[i][i] + 1e-9);
    }
}

TEST(ElementStiffness, ZeroWithoutModulusOrLength) {
  double k[78];
  R::ElementStiffness(1, 1, 1, 1, 0.0, 1, 1, k);
  for (double v : k) EXPECT_EQ(v, 0.0);
  R::ElementStiffness(1, 1, 1, 1, 1, 1, -1.0, k);
  for (double v : k) EXPECT_EQ(v, 0.0);
}

void ExpectRows(const double lam[3][3], const double x[3], const double y[3], const double z[3]) {
  for (int j = 0; j < 3; ++j) {
    EXPECT_NEAR(lam[0][j], x[j], 1e-14);
    EXPECT_NEAR(lam[1][j], y[j], 1e-14);
    EXPECT_NEAR(lam[2][j], z[j], 1e-14);
  }
}

TEST(Transformation, MemberInVerticalPlaneAtAngle) {
  const double p[3] = {100, 200, 0};
  for (double alpha : {0.0, 30.0, 60.0, 135.0, 200.0}) {
    const double a = alpha * M_PI / 180.0;
    const double q[3] = {100 + 4000 * std::cos(a), 200 + 4000 * std::sin(a), 0};
    double lam[3][3];
    R::Transformation(p, q, 0.0, lam);
    const double x[3] = {std::cos(a), std::sin(a), 0};
    const double y[3] = {-std::sin(a), std::cos(a), 0};
    const double z[3] = {0, 0, 1};
    if (std::cos(a) >= 0) {
      ExpectRows(lam, x, y, z);
    } else {
      // A bar pointing back still has y upward, so z turns to -Z.
      const double yu[3] = {std::sin(a), -std::cos(a), 0};
      const double zd[3] = {0, 0, -1};
      ExpectRows(lam, x, yu, zd);
    }
  }
}

TEST(Transformation, VerticalBarHasYAlongMinusX) {
  const double p[3] = {0, 0, 0}, q[3] = {0, 2500, 0};
  double lam[3][3];
  R::Transformation(p, q, 0.0, lam);
  const double x[3] = {0, 1, 0}, y[3] = {-1, 0, 0}, z[3] = {0, 0, 1};
  ExpectRows(lam, x, y, z);
}

TEST(Transformation, BetaTurnsSectionAboutAxis) {
  const double p[3] = {0, 0, 0}, q[3] = {1000, 0, 0};
  double lam[3][3];
  R::Transformation(p, q, 90.0, lam);
  const double x[3] = {1, 0, 0}, y[3] = {0, 0, -1}, z[3] = {0, 1, 0};
  ExpectRows(lam, x, y, z);
}

TEST(Transformation, GeneralBarGivesRightHandedOrthonormalAxes) {
  const double p[3] = {1, -2, 3}, q[3] = {400, 700, -300};
  double lam[3][3];
  R::Transformation(p, q, 37.0, lam);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double d = 0;
      for (int k = 0; k < 3; ++k) d += lam[i][k] * lam[j][k];
      EXPECT_NEAR(d, i == j ? 1.0 : 0.0, 1e-14);
    }
  const double det = lam[0][0] * (lam[1][1] * lam[2][2] - lam[1][2] * lam[2][1]) -
                     lam[0][1] * (lam[1][0] * lam[2][2] - lam[1][2] * lam[2][0]) +
                     lam[0][2] * (lam[1][0] * lam[2][1] - lam[1][1] * lam[2][0]);
  EXPECT_NEAR(det, 1.0, 1e-14);
  const double L = std::sqrt(399.0 * 399 + 702.0 * 702 + 303.0 * 303);
  EXPECT_NEAR(lam[0][0], 399.0 / L, 1e-14);
}

TEST(Rotate, RoundTripAndKnownComponents) {
  const double p[3] = {0, 0, 0}, q[3] = {0, 10, 0};
  double lam[3][3];
  R::Transformation(p, q, 0.0, lam);
  double v[6] = {1, 0, 0, 0, 0, 5};
  R::Rotate(v, 6, lam, R::kToLocal);
  EXPECT_NEAR(v[0], 0.0, 1e-15);
  EXPECT_NEAR(v[1], -1.0, 1e-15);  // global X is local -y on a vertical bar
  EXPECT_NEAR(v[5], 5.0, 1e-15);
  R::Rotate(v, 6, lam, R::kToGlobal);
  EXPECT_NEAR(v[0], 1.0, 1e-15);
  EXPECT_NEAR(v[1], 0.0, 1e-15);
}

TEST(ToGlobal, VerticalBarMovesAxialStiffnessToY) {
  const double p[3] = {0, 0, 0}, q[3] = {0, 2000, 0};
  double k[78], K[78], lam[3][3];
  R::ElementStiffness(8.0, 3.0, 2.0, 5.0, 7.0, 4.0, 2000.0, k);
  R::Transformation(p, q, 0.0, lam);
  R::ToGlobal(k, lam, K);
  double m[12][12];
  Full(K, m);
  ExpectRel(7.0 * 5.0 / 2000.0, m[1][1]);
  ExpectRel(-7.0 * 5.0 / 2000.0, m[1][7]);
  // Local y is -X: bending about z now couples X with rotation about Z with the sign flipped.
  ExpectRel(12 * 7.0 * 8.0 / 8e9, m[0][0]);
  ExpectRel(-6 * 7.0 * 8.0 / 4e6, m[0][5]);
  EXPECT_NEAR(m[0][1], 0.0, 1e-18);
}

TEST(ToGlobal, IdentityKeepsMatrixAndGeneralBarIsInvariant) {
  double k[78], K[78], lam[3][3];
  R::ElementStiffness(8.0, 3.0, 2.0, 5.0, 7.0, 4.0, 300.0, k);
  const double p[3] = {0, 0, 0}, q[3] = {300, 0, 0};
  R::Transformation(p, q, 0.0, lam);
  R::ToGlobal(k, lam, K);
  for (int i = 0; i < 78; ++i) EXPECT_NEAR(K[i], k[i], 1e-15 * (1 + std::fabs(k[i])));
  // Trace is invariant under an orthonormal change of axes.
  const double q2[3] = {100, 200, -200};
  R::Transformation(p, q2, 25.0, lam);
  R::ToGlobal(k, lam, K);
  double tk = 0, tK = 0;
  for (int i = 0; i < 12; ++i) {
    tk += k[R::PackedIndex(i, i)];
    tK += K[R::PackedIndex(i, i)];
  }
  ExpectRel(tk, tK, 1e-12);
}

// Dense reference for a band store.
std::vector<double> Dense(const std::vector<double>& band, int n, int w) {
  std::vector<double> d(static_cast<size_t>(n * n), 0.0);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < w && r + c < n; ++c) {
      d[r * n + r + c] = band[r * w + c];
      d[(r + c) * n + r] = band[r * w + c];
    }
  return d;
}

TEST(BandSolve, TridiagonalSystemWithTwoRightHandSides) {
  // [2 -1 0 0; -1 2 -1 0; 0 -1 2 -1; 0 0 -1 2] x = f, solutions chosen first.
  const int n = 4, w = 2;
  std::vector<double> band = {2, -1, 2, -1, 2, -1, 2, 0};
  const std::vector<double> x1 = {1, 2, 3, 4}, x2 = {-1, 0.5, 0, 7};
  std::vector<double> f = {0, 0, 0, 5, -2.5, 2, -7.5, 14};
  ASSERT_EQ(R::Factorise(band.data(), n, w), 1);
  ASSERT_EQ(R::Forward(band.data(), f.data(), n, w, 2), 1);
  ASSERT_EQ(R::Back(band.data(), f.data(), n, w, 2), 1);
  for (int i = 0; i < n; ++i) {
    EXPECT_NEAR(f[i], x1[i], 1e-14);
    EXPECT_NEAR(f[n + i], x2[i], 1e-14);
  }
}

TEST(BandSolve, WiderBandAgreesWithDenseProduct) {
  const int n = 6, w = 3;
  std::vector<double> band(n * w, 0.0);
  for (int r = 0; r < n; ++r) {
    band[r * w] = 10.0 + r;
    if (r + 1 < n) band[r * w + 1] = -2.0 + 0.5 * r;
    if (r + 2 < n) band[r * w + 2] = 1.0 - 0.25 * r;
  }
  const std::vector<double> dense = Dense(band, n, w);
  const std::vector<double> x = {1.5, -2, 3, 0.25, -4, 6};
  std::vector<double> f(n, 0.0), y(n, 0.0);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) f[r] += dense[r * n + c] * x[c];
  R::BandMultiply(band.data(), n, w, x.data(), y.data());
  for (int r = 0; r < n; ++r) EXPECT_NEAR(y[r], f[r], 1e-12);
  ASSERT_EQ(R::Factorise(band.data(), n, w), 1);
  R::Forward(band.data(), f.data(), n, w, 1);
  R::Back(band.data(), f.data(), n, w, 1);
  for (int r = 0; r < n; ++r) EXPECT_NEAR(f[r], x[r], 1e-12);
}

TEST(BandSolve, ReturnCodes) {
  std::vector<double> band = {1, 1, 1, 0};  // [1 1; 1 1] is singular
  EXPECT_EQ(R::Factorise(band.data(), 2, 2), -1);
  std::vector<double> zero = {0, 0};
  EXPECT_EQ(R::Factorise(zero.data(), 2, 1), -1);
  EXPECT_EQ(R::Factorise(nullptr, 2, 1), -1);
  EXPECT_EQ(R::Factorise(zero.data(), 0, 1), -1);
  std::vector<double> f = {1, 1};
  EXPECT_EQ(R::Back(zero.data(), f.data(), 2, 1, 1), -31);
  EXPECT_EQ(R::Forward(nullptr, f.data(), 2, 1, 1), -1);
}

// A cantilever assembled from the kernels: clamp by penalty, tip load, closed-form tip values.
TEST(Kernels, InclinedCantileverTipDeflection) {
  const double E = 10000, Iz = 2e7, Iy = 5e6, It = 3e6, A = 2000, G = 600, L = 2500;
  const double a = 30.0 * M_PI / 180.0;
  const double p[3] = {0, 0, 0}, q[3] = {L * std::cos(a), L * std::sin(a), 0};
  double k[78], K[78], lam[3][3];
  R::ElementStiffness(Iz, Iy, It, A, E, G, L, k);
  R::Transformation(p, q, 0.0, lam);
  R::ToGlobal(k, lam, K);
  const int n = 12, w = 12;
  std::vector<double> band(n * w, 0.0);
  for (int i = 0; i < 12; ++i)
    for (int j = i; j < 12; ++j) band[i * w + (j - i)] = K[R::PackedIndex(i, j)];
  for (int i = 0; i < 6; ++i) band[i * w] += 1e20;
  // Tip force P along local y and tip torque T, given in global components.
  const double P = 1000, T = 5e5;
  std::vector<double> f(12, 0.0);
  f[6] = -P * std::sin(a);
  f[7] = P * std::cos(a);
  f[9] = T;  // global X moment: local components T cos a along x, -T sin a along y
  ASSERT_EQ(R::Factorise(band.data(), n, w), 1);
  R::Forward(band.data(), f.data(), n, w, 1);
  ASSERT_EQ(R::Back(band.data(), f.data(), n, w, 1), 1);
  double u[12];
  for (int i = 0; i < 12; ++i) u[i] = f[i];
  R::Rotate(u, 12, lam, R::kToLocal);
  ExpectRel(P * L * L * L / (3 * E * Iz), u[7], 1e-7);
  ExpectRel(P * L * L / (2 * E * Iz), u[11], 1e-7);
  ExpectRel(T * std::cos(a) * L / (G * It), u[9], 1e-7);
  // The y component of the torque bends about y: rotation M L / (E Iy).
  ExpectRel(-T * std::sin(a) * L / (E * Iy), u[10], 1e-7);
  EXPECT_NEAR(u[6], 0.0, 1e-12);
}

}  // namespace
