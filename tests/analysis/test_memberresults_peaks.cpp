// The largest moment along the member is the true one wherever the loads put it, not the largest
// sampled.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/MemberTestProject.h"

namespace {

using F = MemberResultField;
constexpr int kPinned = RakenneVektori::kPinned;

double LargestAbsMz(const QELvektori& t) {
  double m = 0.0;
  for (int i = 0; i < t.Count(); ++i) m = std::max(m, std::fabs(t.GetReal(i, F::kMz)));
  return m;
}

// A load on a beam: a point load (x2 < 0) or a uniform load from x1 to x2, N and N/mm, downward.
struct Load {
  double value, x1, x2;
};

// Largest |Mz| of a continuous beam of two spans L1, L2 (L2 = 0: simply supported on L1)
// under downward loads, from the three-moment equation and statics span by span, taking
// the moment at the stationary points of each piece, at the point loads and at the support.
double ReferenceMax(double L1, double L2, const std::vector<Load>& loads) {
  // The support moment (hogging negative): 2 M1 (L1 + L2) = -(6 A a / L) of the two spans.
  double M1 = 0.0;
  auto spanOf = [&](double x) { return x < L1 || L2 == 0.0 ? 1 : 2; };
  if (L2 > 0.0) {
    double rhs = 0.0;
    for (const Load& l : loads) {
      if (l.x2 < 0.0) {
        // Point load P at a from the span's far end: P a b (L + a) / L.
        const bool first = spanOf(l.x1) == 1;
        const double L = first ? L1 : L2;
        const double a = first ? l.x1 : L1 + L2 - l.x1;
        rhs += l.value * a * (L - a) * (L + a) / L;
      } else {
        const bool first = spanOf(0.5 * (l.x1 + l.x2)) == 1;
        const double L = first ? L1 : L2;
        rhs += l.value * L * L * L / 4.0;  // used only for loads over a whole span
      }
    }
    M1 = -rhs / (2.0 * (L1 + L2));
  }
  // Each span as a simple beam with the end moments; M(s) from its left end.
  double largest = std::fabs(M1);
  for (int span = 1; span <= (L2 > 0.0 ? 2 : 1); ++span) {
    const double x0 = span == 1 ? 0.0 : L1, L = span == 1 ? L1 : L2;
    const double mLeft = span == 1 ? 0.0 : M1, mRight = span == 1 ? M1 : 0.0;
    std::vector<Load> on;
    for (const Load& l : loads) {
      const double mid = l.x2 < 0.0 ? l.x1 : 0.5 * (l.x1 + l.x2);
      if (spanOf(mid) == span) on.push_back({l.value, l.x1 - x0, l.x2 < 0.0 ? -1.0 : l.x2 - x0});
    }
    double R = (mRight - mLeft) / L;  // left reaction, upward
    for (const Load& l : on) {
      if (l.x2 < 0.0)
        R += l.value * (L - l.x1) / L;
      else
        R += l.value * (l.x2 - l.x1) * (L - 0.5 * (l.x1 + l.x2)) / L;
    }
    auto M = [&](double s) {
      double m = mLeft + R * s;
      for (const Load& l : on) {
        if (l.x2 < 0.0)
          m -= s > l.x1 ? l.value * (s - l.x1) : 0.0;
        else if (s > l.x1) {
          const double e = std::min(s, l.x2);
          m -= l.value * (e - l.x1) * (s - 0.5 * (l.x1 + e));
        }
      }
      return m;
    };
    auto V = [&](double s) {
      double v = R;
      for (const Load& l : on) {
        if (l.x2 < 0.0)
          v -= s > l.x1 ? l.value : 0.0;
        else if (s > l.x1)
          v -= l.value * (std::min(s, l.x2) - l.x1);
      }
      return v;
    };
    // Breakpoints split the span into pieces where V is linear; its root in a piece is exact.
    std::vector<double> at{0.0, L};
    for (const Load& l : on) {
      at.push_back(l.x1);
      if (l.x2 >= 0.0) at.push_back(l.x2);
    }
    std::sort(at.begin(), at.end());
    for (std::size_t i = 0; i + 1 < at.size(); ++i) {
      const double a = at[i], b = at[i + 1];
      if (!(b > a)) continue;
      largest = std::max({largest, std::fabs(M(a)), std::fabs(M(b))});
      const double va = V(a + 1e-9 * (b - a)), vb = V(b - 1e-9 * (b - a));
      if (va * vb < 0.0) largest = std::max(largest, std::fabs(M(a + (b - a) * va / (va - vb))));
    }
  }
  return largest;
}

struct PeakCase {
  const char* name;
  double L1, L2;
  std::vector<Load> loads;
};

// Simply supported beams under point loads between the sampling points, a partial uniform
// load, and two-span beams (three-moment equation), at 40 and at 10 divisions.
TEST(MemberForcesPeaks, LargestMomentIsTheTrueMaximum) {
  std::vector<PeakCase> cases = {
      {"P at 3075 of 6000", 6000.0, 0.0, {{15000.0, 3075.0, -1.0}}},
      {"P near the support", 6000.0, 0.0, {{15000.0, 17.25, -1.0}}},
      {"P off the grid", 5123.0, 0.0, {{8000.0, 1234.567, -1.0}}},
      {"two point loads", 6000.0, 0.0, {{10000.0, 1111.0, -1.0}, {4000.0, 4321.0, -1.0}}},
      {"partial uniform load", 6000.0, 0.0, {{2.0, 1130.0, 3370.0}}},
      {"uniform and point load", 4500.0, 0.0, {{1.5, 0.0, 4500.0}, {6000.0, 2999.0, -1.0}}},
      {"two spans, point load", 4500.0, 3000.0, {{12000.0, 1730.0, -1.0}}},
      {"two spans, uniform load", 4200.0, 3100.0, {{1.0, 0.0, 4200.0}, {1.0, 4200.0, 7300.0}}},
      {"two spans, both",
       3700.0,
       4900.0,
       {{1.0, 0.0, 3700.0}, {1.0, 3700.0, 8600.0}, {9000.0, 5555.0, -1.0}}},
  };
  // Hundreds of point loads on one bar are summed in one sweep along it: the same maxima.
  PeakCase many{"600 point loads", 6000.0, 0.0, {}};
  for (int i = 0; i < 600; ++i)
    many.loads.push_back({100.0 + (i * 37) % 91, 7.0 + (i * 9973) % 5986, -1.0});
  cases.push_back(many);
  for (const PeakCase& c : cases) {
    for (int steps : {40, 10}) {
      MemberTestProject t;
      std::vector<std::pair<double, int>> supports = {{0.0, kPinned}, {c.L1, kPinned}};
      if (c.L2 > 0.0) supports.push_back({c.L1 + c.L2, kPinned});
      t.SetMember(c.L1 + c.L2, supports);
      t.project->ResultSteps = steps;
      t.AddCase("Q", 1);
      t.AddCombination(KuormaYhdVektori::kStress, {1.0});
      for (const Load& l : c.loads) {
        if (l.x2 < 0.0)
          t.AddPoint(0, MemberTestProject::kDown, -l.value, l.x1);
        else
          t.AddLine(0, MemberTestProject::kDown, -l.value, l.x1, l.x2);
      }
      ASSERT_EQ(0, t.Solve()) << c.name;
      QELvektori forces;
      ASSERT_GT(MemberForces(*t.project, 0, -1, forces), 0);
      const double expected = ReferenceMax(c.L1, c.L2, c.loads);
      EXPECT_NEAR(expected, LargestAbsMz(forces), 1e-6 * expected) << c.name << ", " << steps;
      // Positions stay in order along the member (the checks find a span's points so).
      for (int i = 1; i < forces.Count(); ++i)
        ASSERT_LE(forces.GetReal(i - 1, F::kX), forces.GetReal(i, F::kX)) << c.name;
    }
  }
}

// A point moment inside a bar: the moment jumps there, and both sides are sampled.
TEST(MemberForcesPeaks, BothSidesOfAPointMoment) {
  MemberTestProject t;
  const double L = 5000.0, a = 1837.0, M0 = 2.0e7;
  t.SetMember(L, {{0.0, kPinned}, {L, kPinned}});
  t.AddCase("M", 1);
  t.AddCombination(KuormaYhdVektori::kStress, {1.0});
  t.AddPoint(0, 6, M0, a);  // moment about global Z
  ASSERT_EQ(0, t.Solve());
  QELvektori forces;
  ASSERT_GT(MemberForces(*t.project, 0, -1, forces), 0);
  // Simply supported beam with a moment M0 at a: |M| is M0 a / L just before it and
  // M0 b / L just after it, of opposite signs.
  EXPECT_NEAR(M0 * (L - a) / L, LargestAbsMz(forces), 1e-6 * M0);
  bool before = false, after = false;
  for (int i = 0; i < forces.Count(); ++i) {
    if (std::fabs(forces.GetReal(i, F::kX) - a) > 1e-3) continue;
    const double m = std::fabs(forces.GetReal(i, F::kMz));
    before = before || std::fabs(m - M0 * a / L) < 1e-6 * M0;
    after = after || std::fabs(m - M0 * (L - a) / L) < 1e-6 * M0;
  }
  EXPECT_TRUE(before);
  EXPECT_TRUE(after);
}

}  // namespace
