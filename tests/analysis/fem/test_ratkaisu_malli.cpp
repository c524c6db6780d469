// Preparation of the frame model and the solver's edge cases: releases, numbering, cases,
// supports, failures, mechanisms and overall equilibrium.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "analysis/fem/FEM_kaikki.h"
#include "test_ratkaisu_syote.h"

namespace {

using namespace fem_test;

bool AllZero(const std::array<double, 12>& a) {
  for (double v : a)
    if (v != 0.0) return false;
  return true;
}

std::vector<int> NodeEquations(const FEM_kaikki& fem, int node) {
  const QELvektori& nf = fem.NodeFreedoms();
  for (int i = 0; i < nf.Count(); ++i)
    if (nf.GetInt(i, FEM_kaikki::kNfNode) == node) {
      std::vector<int> eq;
      for (int k = 0; k < 6; ++k) eq.push_back(nf.GetInt(i, FEM_kaikki::kNfEq + k));
      return eq;
    }
  return {};
}

Input HingedBeam() {
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, 3000, 0).Node(3, 7000, 0);
  in.Bar(1, 1, 2, 6111111, 6111110).Bar(2, 2, 3);
  in.Support(1, 1, 6111111).Support(2, 3, 6111100);
  in.LineLoad(1, 1, 2, -2, -2).LineLoad(1, 2, 2, -2, -2);
  return in;
}

TEST(Releases, HingeBecomesGeneratedNodeAndCoupling) {
  FEM_kaikki fem;
  HingedBeam().SolveInto(fem);
  const FEM_SolmuVektori& nodes = fem.Nodes();
  ASSERT_EQ(nodes.Count(), 4);
  const int g = nodes.Find(1000001);
  ASSERT_GE(g, 0);
  EXPECT_EQ(nodes.X(g), 3000.0);
  ASSERT_EQ(fem.Couplings().Count(), 1);
  EXPECT_EQ(fem.Couplings().Number(0), 1000001);
  EXPECT_EQ(fem.Couplings().Slave(0), 1000001);
  EXPECT_EQ(fem.Couplings().Master(0), 2);
  EXPECT_EQ(fem.Couplings().Code(0), 6111110);
  EXPECT_EQ(fem.Bars().NodeJ(0), 1000001);
  EXPECT_EQ(fem.Bars().OrigJ(0), 2);
  EXPECT_EQ(fem.Bars().NodeI(1), 2);  // the bar to the right stays on the node

  // The slave shares the master's first five equations and gets its own rz right after it.
  EXPECT_EQ(NodeEquations(fem, 1), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(NodeEquations(fem, 2), (std::vector<int>{7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(NodeEquations(fem, 1000001), (std::vector<int>{7, 8, 9, 10, 11, 13}));
  EXPECT_EQ(NodeEquations(fem, 3), (std::vector<int>{14, 15, 16, 17, 18, 19}));
  EXPECT_EQ(fem.EquationCount(), 19);
  EXPECT_EQ(fem.HalfBandwidth(), 13);
}

TEST(Releases, SolvingAgainRemovesThePreviousGeneratedItems) {
  FEM_kaikki fem;
  HingedBeam().SolveInto(fem);
  std::array<double, 12> first{}, again{};
  fem.EndForces(1, 1, first);
  ASSERT_EQ(fem.Solve(), 0);
  EXPECT_EQ(fem.Nodes().Count(), 4);
  EXPECT_EQ(fem.Couplings().Count(), 1);
  EXPECT_GE(fem.Nodes().Find(1000001), 0);
  EXPECT_LT(fem.Nodes().Find(1000002), 0);
  EXPECT_EQ(fem.EquationCount(), 19);
  fem.EndForces(1, 1, again);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(first[i], again[i]);
}

TEST(Releases, BothEndsAndInputCouplingsNumberOnward) {
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, 3000, 0).Node(3, 6000, 0).Node(4, 3000, 0);
  in.Bar(1, 1, 2).Bar(2, 4, 3, 6111110, 6111110);
  // Node 4 follows node 2 in every freedom: the joint is made by a coupling.
  in.Coupling(5, 4, 2, 6111111);
  in.Support(1, 1, 6111111).Support(2, 3, 6111100).NodeLoad(1, 2, 2, -1000);
  in.SolveInto(fem);
  EXPECT_GE(fem.Nodes().Find(1000001), 0);
  EXPECT_GE(fem.Nodes().Find(1000002), 0);
  EXPECT_EQ(fem.Couplings().Count(), 3);
  EXPECT_GE(fem.Couplings().Find(1000001), 0);
  EXPECT_GE(fem.Couplings().Find(1000002), 0);
  // Bar 2 hangs on node 4, itself a slave: it must still be assembled. Hinged at both ends
  // and unloaded, it carries nothing, and bar 1 is a plain cantilever.
  EXPECT_EQ(fem.BarFreedoms().Count(), 2);
  std::array<double, 12> f{};
  ASSERT_EQ(fem.EndForces(2, 1, f), 0);
  EXPECT_NEAR(f[1], 0.0, 1e-9);
  EXPECT_NEAR(f[5], 0.0, 1e-6);
  EXPECT_NEAR(f[11], 0.0, 1e-6);
  std::array<double, 12> u{};
  fem.LocalDisplacements(1, 1, u);
  ExpectRel(-1000 * 2.7e10 / (3 * kE * kIz), u[7], 1e-9);
  EXPECT_LT(Residual(fem, 1), 1e-12);
}

TEST(Numbering, AscendingNodeNumbersSetTheBand) {
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(5, 6000, 0).Node(1, 0, 0).Node(3, 3000, 0);
  in.Bar(1, 1, 5).Support(1, 1, 6111111).NodeLoad(1, 5, 2, -100);
  in.SolveInto(fem);
  EXPECT_EQ(NodeEquations(fem, 1), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(NodeEquations(fem, 3), (std::vector<int>{7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(NodeEquations(fem, 5), (std::vector<int>{13, 14, 15, 16, 17, 18}));
  EXPECT_EQ(fem.EquationCount(), 18);
  EXPECT_EQ(fem.HalfBandwidth(), 18);
  // Node 3 has no bar: its unit diagonals keep the system solvable.
  std::array<double, 12> u{};
  fem.LocalDisplacements(1, 1, u);
  ExpectRel(-100 * std::pow(6000.0, 3) / (3 * kE * kIz), u[7], 1e-9);
  EXPECT_DOUBLE_EQ(fem.BarLength(1), 6000.0);
  EXPECT_EQ(fem.BarLength(2), 0.0);
}

TEST(Cases, OneVectorPerDistinctCaseNumberAndZerosForOthers) {
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, 4000, 0).Bar(1, 1, 2).Support(1, 1, 6111100).Support(2, 2, 6111100);
  in.UniformLoad(7, 1, 2, -1.0).PointLoad(3, 1, 2, -500, 1000).UniformLoad(7, 1, 2, -1.0);
  in.SolveInto(fem);
  EXPECT_EQ(fem.CaseCount(), 2);
  std::array<double, 12> f{};
  std::array<double, 6> r{};
  ASSERT_EQ(fem.EndForces(1, 7, f), 0);
  ExpectRel(4000.0, f[1], 1e-9);  // both uniform loads of case 7
  ASSERT_EQ(fem.EndForces(1, 3, f), 0);
  ExpectRel(375.0, f[1], 1e-9);
  EXPECT_EQ(fem.EndForces(1, 5, f), -1);
  EXPECT_TRUE(AllZero(f));
  EXPECT_EQ(fem.LocalDisplacements(1, 5, f), -1);
  EXPECT_TRUE(AllZero(f));
  EXPECT_EQ(fem.Reactions(1, 5, r), -1);
  EXPECT_EQ(fem.EndForces(9, 7, f), -1);
  EXPECT_TRUE(AllZero(f));
  EXPECT_EQ(fem.Reactions(9, 7, r), -1);
  for (double v : r) EXPECT_EQ(v, 0.0);
  // A points list is left alone when nothing is known.
  QELvektori pts = Points(2, 6);
  pts.SetReal(1, 6, 42.0);
  EXPECT_EQ(fem.EndForces(1, 5, f, &pts), -1);
  EXPECT_EQ(pts.GetReal(1, 6), 42.0);
}

TEST(Supports, TwoOnOneNodeUseTheFirstCodeAndShareTheReaction) {
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, 3000, 0).Bar(1, 1, 2);
  in.Support(1, 1, 6111111).Support(2, 1, 6000000).NodeLoad(1, 2, 2, -1000);
  in.SolveInto(fem);
  std::array<double, 6> r1{}, r2{};
  fem.Reactions(1, 1, r1);
  fem.Reactions(2, 1, r2);
  for (int k = 0; k < 6; ++k) EXPECT_DOUBLE_EQ(r1[k], r2[k]);
  ExpectRel(1000.0, r1[1] + r2[1], 1e-9);
  ExpectRel(3e6, r1[5] + r2[5], 1e-9);
  EXPECT_LT(Residual(fem, 1), 1e-12);
}

TEST(Supports, FlagTwoDoesNotRestrain) {
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, 3000, 0).Bar(1, 1, 2);
  in.Support(1, 1, 6111111).Support(2, 2, 6102000).NodeLoad(1, 2, 3, 1000);
  in.SolveInto(fem);
  std::array<double, 6> r{};
  fem.Reactions(2, 1, r);
  EXPECT_EQ(r[2], 0.0);  // uz of support 2 is free: the bar is a cantilever along Z
  std::array<double, 12> u{};
  fem.LocalDisplacements(1, 1, u);
  ExpectRel(1000 * 2.7e10 / (3 * kE * kIy), u[8], 1e-9);
}

TEST(Failures, ValidationErrorPreparesNothing) {
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, 3000, 0).Bar(1, 1, 2, 6111111, 6111110).NodeLoad(1, 2, 2, -1000);
  fem.Read(in.Lines(), 1);
  EXPECT_EQ(fem.Solve(), -306);  // no supports
  EXPECT_EQ(fem.Status(), -306);
  EXPECT_EQ(fem.EquationCount(), 0);
  EXPECT_EQ(fem.Nodes().Count(), 2);
  EXPECT_FALSE(fem.Messages().HasSection(1001));
  std::array<double, 12> f{};
  EXPECT_EQ(fem.EndForces(1, 1, f), -1);
  EXPECT_TRUE(AllZero(f));
}

TEST(Failures, ZeroPivotStopsWithMessageAndZeros) {
  // Nothing holds the bar along its axis: the second axial pivot cancels exactly.
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, 5000, 0).Bar(1, 1, 2);
  in.Support(1, 1, 6011111).Support(2, 2, 6011111).NodeLoad(1, 2, 2, -1000);
  in.SolveInto(fem, -1);
  EXPECT_EQ(fem.Status(), -1);
  EXPECT_EQ(fem.Messages().LineCount(1001), 1);
  EXPECT_EQ(fem.Messages().GetLine(1001, 1), "Gaussin eliminoinnissa virhe (-1)");
  std::array<double, 12> f{};
  std::array<double, 6> r{};
  EXPECT_EQ(fem.EndForces(1, 1, f), -1);
  EXPECT_TRUE(AllZero(f));
  EXPECT_EQ(fem.LocalDisplacements(1, 1, f), -1);
  EXPECT_EQ(fem.Reactions(1, 1, r), -1);
  for (double v : r) EXPECT_EQ(v, 0.0);
}

TEST(Failures, OversizedBandIsRefused) {
  // A bar from the first to the last of 800 nodes would need a 4800 x 4800 band.
  FEM_kaikki fem;
  Input in = StandardInput();
  for (int i = 1; i <= 800; ++i) in.Node(i, 10.0 * i, 0);
  in.Bar(1, 1, 800).Support(1, 1, 6111111).NodeLoad(1, 800, 2, -1);
  in.SolveInto(fem, FEM_kaikki::kTooLarge);
  EXPECT_EQ(fem.Messages().GetLine(1001, 1), "Laskentamalli liian suuri (4800)");
  std::array<double, 12> f{};
  EXPECT_EQ(fem.EndForces(1, 1, f), -1);
}

TEST(Mechanism, FreedomWithoutStiffnessMovesFreely) {
  // No torsion stiffness and no torsion restraint: the unit diagonal lets the torque turn
  // the bar by T radians, a plainly impossible value, while bending stays right.
  FEM_kaikki fem;
  Input in;
  in.Material(1, kE, kG).Profile(1, kIz, kIy, 0.0, kA);
  in.Node(1, 0, 0).Node(2, 5000, 0).Bar(1, 1, 2).Support(1, 1, 6111000).Support(2, 2, 6111000);
  in.NodeLoad(1, 2, 4, 1e6).UniformLoad(1, 1, 2, -2.0);
  in.SolveInto(fem);
  EXPECT_FALSE(fem.Messages().HasSection(1001));
  std::array<double, 12> u{};
  fem.LocalDisplacements(1, 1, u);
  EXPECT_NEAR(u[9], 1e6, 1e-3);
  ExpectRel(2.0 * 5000 * 5000 / 8, Forces(fem, 1, 1, 2).GetReal(1, 6), 1e-9);
}

TEST(Mechanism, UnstableBarShowsHugeDisplacementsNotAnError) {
  // A rafter on one pin turns about it; round-off keeps the last pivot from vanishing.
  const double L = 5000, al = 30.0 * M_PI / 180.0;
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, L * std::cos(al), L * std::sin(al)).Bar(1, 1, 2);
  in.Support(1, 1, 6111100).NodeLoad(1, 2, 2, -1000);
  in.SolveInto(fem);
  EXPECT_EQ(fem.Status(), 0);
  EXPECT_FALSE(fem.Messages().HasSection(1001));
  std::array<double, 12> u{};
  fem.LocalDisplacements(1, 1, u);
  EXPECT_GT(std::fabs(u[7]), 1e6);  // a real beam of this size moves millimetres
}

// A three-dimensional frame: reactions must balance the loads in force and moment.
TEST(Equilibrium, ReactionsBalanceLoadsOfSpaceFrame) {
  FEM_kaikki fem;
  Input in = StandardInput();
  in.Node(1, 0, 0).Node(2, 0, 3000).Node(3, 4000, 3000).Node(4, 4000, 0).Node(5, 4000, 3000, 2000);
  in.Bar(1, 1, 2).Bar(2, 2, 3).Bar(3, 4, 3).Bar(4, 3, 5, 6111111, 6111111, 30.0);
  in.Support(1, 1, 6111111).Support(2, 4, 6111111).Support(3, 5, 6111000);
  in.NodeLoad(1, 2, 1, 5000).NodeLoad(1, 3, 6, 2e6);
  in.LineLoad(1, 2, 2, -3.0, -1.0);        // 8000 N, centroid at 4000/3 * (3+2)/... below
  in.PointLoad(1, 4, 2, -2000, 1000);      // at (4000, 3000, 1000)
  in.UniformLoad(1, 1, -3, 0.5, 0, 3000);  // local z of the column is global Z
  in.SolveInto(fem);

  // Loads as forces at points: (point, force); moments separately.
  struct F {
    double p[3], f[3];
  };
  // Trapezoid 3 -> 1 N/mm over 4000: resultant 8000 at x = 4000 (3 + 2 * 1) / (3 (3 + 1)).
  const double xc = 4000.0 * (3.0 + 2.0 * 1.0) / (3.0 * (3.0 + 1.0));
  const F loads[] = {{{0, 3000, 0}, {5000, 0, 0}},
                     {{xc, 3000, 0}, {0, -8000, 0}},
                     {{4000, 3000, 1000}, {0, -2000, 0}},
                     {{0, 1500, 0}, {0, 0, 1500}}};
  double sumF[3] = {0, 0, 0}, sumM[3] = {0, 0, 2e6};
  auto addMoment = [&](const double p[3], const double f[3]) {
    sumM[0] += p[1] * f[2] - p[2] * f[1];
    sumM[1] += p[2] * f[0] - p[0] * f[2];
    sumM[2] += p[0] * f[1] - p[1] * f[0];
  };
  for (const F& l : loads) {
    for (int k = 0; k < 3; ++k) sumF[k] += l.f[k];
    addMoment(l.p, l.f);
  }
  const double at[3][3] = {{0, 0, 0}, {4000, 0, 0}, {4000, 3000, 2000}};
  for (int s = 1; s <= 3; ++s) {
    std::array<double, 6> r{};
    ASSERT_EQ(fem.Reactions(s, 1, r), 0);
    const double f[3] = {r[0], r[1], r[2]};
    for (int k = 0; k < 3; ++k) {
      sumF[k] += r[static_cast<std::size_t>(k)];
      sumM[k] += r[static_cast<std::size_t>(k + 3)];
    }
    addMoment(at[s - 1], f);
  }
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(sumF[k], 0.0, 1e-9 * 8000) << k;
    EXPECT_NEAR(sumM[k], 0.0, 1e-9 * 8000 * 4000) << k;
  }
  EXPECT_LT(Residual(fem, 1), 1e-12);
}

}  // namespace
