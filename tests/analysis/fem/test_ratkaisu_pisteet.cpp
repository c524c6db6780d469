// Values along the bars as plain arrays (what the results along the member are sampled from):
// beam theory, agreement with the points lists, and the bar and case look-ups.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "analysis/fem/FEM_kaikki.h"
#include "test_ratkaisu_syote.h"

namespace {

using namespace fem_test;

constexpr double kTol = 1e-9;
constexpr double EIz = kE * kIz;
constexpr double kL = 6000.0, kQ = 2.0, kP = 9000.0;
// Nodes at 0, 2000, 5000 and 6000 mm; bars numbered 10, 20, 30 from the left but given in
// the order 30, 10, 20, so that the solution's own order is not the input's.
constexpr double kNodeX[4] = {0.0, 2000.0, 5000.0, 6000.0};
constexpr int kBarNumber[3] = {10, 20, 30};

// Simply supported over the three bars: case 1 a uniform load on every bar, case 2 one
// point load at x = 3000 (on bar 20, 1000 mm from its start).
void SolveThreeBarBeam(FEM_kaikki& fem) {
  Input in = StandardInput();
  for (int n = 0; n < 4; ++n) in.Node(n + 1, kNodeX[n], 0);
  in.Bar(30, 3, 4).Bar(10, 1, 2).Bar(20, 2, 3);
  in.Support(1, 1, 6111100).Support(2, 4, 6011100);
  for (int b : {30, 10, 20}) in.UniformLoad(1, b, 2, -kQ);
  in.PointLoad(2, 20, 2, -kP, 1000.0);
  in.SolveInto(fem);
}

std::vector<double> Xi() { return {0.0, 0.25, 0.5, 0.75, 1.0}; }

TEST(ValuesAlongBars, FollowBeamTheoryOnEveryBarWhateverItsInputOrder) {
  FEM_kaikki fem;
  SolveThreeBarBeam(fem);
  const std::vector<double> xi = Xi();
  const int n = static_cast<int>(xi.size());
  const double a = 3000.0, b = kL - a;
  for (int k = 0; k < 3; ++k) {
    const double x0 = kNodeX[k], len = kNodeX[k + 1] - kNodeX[k];
    std::vector<double> f(6 * n), u(3 * n), p(6 * n);
    ASSERT_EQ(fem.InternalForcesAt(kBarNumber[k], 1, xi.data(), n, f.data()), 0);
    ASSERT_EQ(fem.DisplacementsAt(kBarNumber[k], 1, xi.data(), n, u.data()), 0);
    ASSERT_EQ(fem.InternalForcesAt(kBarNumber[k], 2, xi.data(), n, p.data()), 0);
    for (int i = 0; i < n; ++i) {
      const double x = x0 + xi[static_cast<std::size_t>(i)] * len;
      EXPECT_NEAR(f[6 * i + 5], kQ * x * (kL - x) / 2, kTol * kQ * kL * kL / 8) << x;
      EXPECT_NEAR(f[6 * i + 1], kQ * kL / 2 - kQ * x, kTol * kQ * kL) << x;
      const double v = -kQ * x * (kL * kL * kL - 2 * kL * x * x + x * x * x) / (24 * EIz);
      EXPECT_NEAR(u[3 * i + 1], v, kTol * 5 * kQ * std::pow(kL, 4) / (384 * EIz)) << x;
      const double m = x <= a ? kP * b * x / kL : kP * a * (kL - x) / kL;
      EXPECT_NEAR(p[6 * i + 5], m, kTol * kP * kL) << x;
    }
  }
}

// The design samples the arrays, the results page and the report the points lists: the two
// must give the same numbers to the last bit.
TEST(ValuesAlongBars, AgreeExactlyWithThePointsLists) {
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, 3000, 1000).Node(3, 7000, 1000);
  in.Bar(1, 1, 2).Bar(2, 2, 3, 6111111, 6111110);
  in.Support(1, 1, 6111111).Support(2, 3, 6111100);
  in.LineLoad(1, 1, 2, -1.5, -3.0, 500.0, 2500.0).PointLoad(1, 1, -2, -4000.0, 1200.0);
  in.UniformLoad(1, 2, 3, 0.8).LineLoad(1, 2, -1, 0.4, 0.1).PointLoad(2, 2, 6, 2.0e5, 900.0);
  in.UniformLoad(2, 1, 2, -1.0, 2000.0, 700.0);  // a range given end first
  in.SolveInto(fem);
  const int n = 7;
  std::vector<double> xi(n);
  for (int i = 0; i < n; ++i) xi[static_cast<std::size_t>(i)] = static_cast<double>(i) / (n - 1);
  for (int bar : {1, 2}) {
    for (int cs : {1, 2}) {
      const QELvektori f = Forces(fem, bar, cs, n - 1);
      const QELvektori u = Displacements(fem, bar, cs, n - 1);
      std::vector<double> fa(6 * n), ua(3 * n);
      ASSERT_EQ(fem.InternalForcesAt(bar, cs, xi.data(), n, fa.data()), 0);
      ASSERT_EQ(fem.DisplacementsAt(bar, cs, xi.data(), n, ua.data()), 0);
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < 6; ++j) EXPECT_EQ(fa[6 * i + j], f.GetReal(i, j + 1)) << bar << cs << i;
        for (int j = 0; j < 3; ++j) EXPECT_EQ(ua[3 * i + j], u.GetReal(i, j + 1)) << bar << cs << i;
      }
    }
  }
}

TEST(ValuesAlongBars, MissingBarCaseOrSolutionGiveZerosAndPositionsOffTheBarAreLeftOut) {
  FEM_kaikki unsolved;
  const double xi[3] = {-0.5, 0.5, 1.5};
  std::vector<double> f(18, 7.0), u(9, 7.0);
  EXPECT_EQ(unsolved.InternalForcesAt(10, 1, xi, 3, f.data()), -1);
  EXPECT_EQ(unsolved.DisplacementsAt(10, 1, xi, 3, u.data()), -1);
  for (double v : f) EXPECT_EQ(v, 0.0);
  for (double v : u) EXPECT_EQ(v, 0.0);

  FEM_kaikki fem;
  SolveThreeBarBeam(fem);
  for (int bar : {5, 15, 25, 35}) {
    f.assign(18, 7.0);
    EXPECT_EQ(fem.InternalForcesAt(bar, 1, xi, 3, f.data()), -1) << bar;
    for (double v : f) EXPECT_EQ(v, 0.0);
  }
  EXPECT_EQ(fem.DisplacementsAt(20, 3, xi, 3, u.data()), -1);

  ASSERT_EQ(fem.InternalForcesAt(20, 1, xi, 3, f.data()), 0);
  ASSERT_EQ(fem.DisplacementsAt(20, 1, xi, 3, u.data()), 0);
  for (int j = 0; j < 6; ++j) {
    EXPECT_EQ(f[static_cast<std::size_t>(j)], 0.0);
    EXPECT_EQ(f[static_cast<std::size_t>(12 + j)], 0.0);
  }
  EXPECT_NEAR(f[6 + 5], kQ * 3500.0 * (kL - 3500.0) / 2, kTol * kQ * kL * kL);
  EXPECT_EQ(u[0], 0.0);
  EXPECT_EQ(u[8], 0.0);
  EXPECT_LT(u[4], 0.0);
}

}  // namespace
