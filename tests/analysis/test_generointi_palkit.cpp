// Generate + run on classic beams and columns, checked against closed-form beam theory (E·I = 1).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/MalliGeneraattori.h"
#include "analysis/fem/FEM_kaikki.h"
#include "model/KuormaVektori.h"
#include "model/QELvektori.h"
#include "model/RakenneVektori.h"
#include "project/QELVUX_data.h"

namespace {

constexpr int P = RakenneVektori::kPinned;
constexpr int SX = RakenneVektori::kSlidingX;
constexpr int SY = RakenneVektori::kSlidingY;
constexpr int F = RakenneVektori::kFixed;
constexpr qv::LoadKind kLine = KuormaVektori::kLine;
constexpr qv::LoadKind kPoint = KuormaVektori::kPoint;
constexpr double kRel = 1e-9;
const double kPi = std::acos(-1.0);

// Values of internal forces and displacements as the points lists hold them.
enum { N = 0, Vy = 1, Vz = 2, Mx = 3, My = 4, Mz = 5 };
enum { Ux = 0, Uy = 1, Uz = 2 };
enum { FX = 0, FY = 1, FZ = 2, MX = 3, MY = 4, MZ = 5 };

// One member with its loads, generated, run and asked for results by member position.
class Malli {
 public:
  explicit Malli(double length, double angle = 0.0) {
    member.Reset();
    member.ClearRecords();
    member.Length = length;
    member.Angle = angle;
  }
  Malli& Support(double x, int code) {
    member.AddPoint(" ", RakenneVektori::kSupport, code, x);
    return *this;
  }
  Malli& Hinge(double x) {
    member.AddPoint(" ", RakenneVektori::kHinge, RakenneVektori::kHingeZ, x);
    return *this;
  }
  // Load-case index k is analysis case k + 1.
  Malli& Point(int k, int direction, double value, double x) {
    loads.AddLoad(" ", k, kPoint, direction, 1, value, 0.0, x, 0.0);
    return *this;
  }
  Malli& Line(int k, int direction, double q1, double q2, double x1, double x2,
              int reference = KuormaVektori::kPerLength) {
    loads.AddLoad(" ", k, kLine, direction, reference, q1, q2, x1, x2);
    return *this;
  }

  int Run() {
    MalliGeneraattori generator(member, loads);
    input = generator.Generate();
    nodeX = generator.NodePositions();
    return RunAnalysis(input, fem, valid, output);
  }

  // N, Vy, Vz, Mx, My, Mz at member position x; at a node the bar on its left, or on its
  // right with right = true.
  std::array<double, 6> Forces(int caseNumber, double x, bool right = false) {
    double xi = 0.0;
    const int bar = BarAt(x, right, xi);
    QELvektori points;
    points.SetLayout(0, 0, 7);
    const std::vector<double> start{xi, 0, 0, 0, 0, 0, 0};
    points.AddRecord(nullptr, &start, nullptr);
    std::array<double, 12> ends{};
    fem.EndForces(bar, caseNumber, ends, &points);
    std::array<double, 6> out{};
    for (int i = 0; i < 6; ++i) out[static_cast<std::size_t>(i)] = points.GetReal(0, i + 1);
    return out;
  }
  double Moment(int caseNumber, double x, bool right = false) {
    return Forces(caseNumber, x, right)[Mz];
  }

  std::array<double, 3> Displacements(int caseNumber, double x) {
    double xi = 0.0;
    const int bar = BarAt(x, false, xi);
    QELvektori points;
    points.SetLayout(0, 0, 4);
    const std::vector<double> start{xi, 0, 0, 0};
    points.AddRecord(nullptr, &start, nullptr);
    std::array<double, 12> ends{};
    fem.LocalDisplacements(bar, caseNumber, ends, &points);
    return {points.GetReal(0, 1), points.GetReal(0, 2), points.GetReal(0, 3)};
  }
  std::array<double, 12> EndDisplacements(int bar, int caseNumber) {
    std::array<double, 12> out{};
    fem.LocalDisplacements(bar, caseNumber, out);
    return out;
  }
  std::array<double, 12> EndForces(int bar, int caseNumber) {
    std::array<double, 12> out{};
    fem.EndForces(bar, caseNumber, out);
    return out;
  }
  std::array<double, 6> Reaction(int support, int caseNumber) {
    std::array<double, 6> out{};
    fem.Reactions(support, caseNumber, out);
    return out;
  }

  RakenneVektori member;
  KuormaVektori loads;
  FEM_kaikki fem;
  std::vector<std::string> input;
  std::vector<std::string> output;
  std::vector<double> nodeX;
  int valid = 0;

 private:
  int BarAt(double x, bool right, double& xi) const {
    const int bars = static_cast<int>(nodeX.size()) - 1;
    int j = 0;
    while (j < bars - 1 && (right ? x >= nodeX[j + 1] : x > nodeX[j + 1])) ++j;
    xi = (x - nodeX[j]) / (nodeX[j + 1] - nodeX[j]);
    return j + 1;
  }
};

#define NEAR(actual, expected, scale) EXPECT_NEAR((actual), (expected), kRel*(scale))

// Sagging moment of a simply supported span under a trapezoid q1..q2 (downward positive)
// over [a, b], at x.
double TrapezoidMoment(double L, double q1, double q2, double a, double b, double x) {
  const double W = (q1 + q2) * (b - a) / 2.0;
  const double centroid = a + (b - a) * (q1 + 2.0 * q2) / (3.0 * (q1 + q2));
  const double ra = W * (L - centroid) / L;
  const double k = (q2 - q1) / (b - a);
  const double r = std::min(std::max(x - a, 0.0), b - a);
  // Load left of x: uniform q1 and the ramp k over r, plus its lever beyond b.
  const double part = q1 * r * (x - a - r / 2.0) + k * r * r / 2.0 * (x - a - 2.0 * r / 3.0);
  return ra * x - part;
}

}  // namespace

TEST(PalkitYksiaukkoinen, UniformLoad) {
  const double L = 6000.0, q = 2.0;
  Malli m(L);
  m.Support(0.0, P).Support(L, P).Line(0, 2, -q, -q, 0.0, L);
  ASSERT_EQ(m.Run(), 0);
  EXPECT_EQ(m.valid, 1);
  EXPECT_TRUE(m.output.empty());
  const double M0 = q * L * L / 8.0;
  NEAR(m.Reaction(1, 1)[FY], q * L / 2.0, q * L);
  NEAR(m.Reaction(2, 1)[FY], q * L / 2.0, q * L);
  NEAR(m.Reaction(1, 1)[FX], 0.0, q * L);
  NEAR(m.Moment(1, 0.0), 0.0, M0);
  NEAR(m.Moment(1, 1500.0), q * 1500.0 * 4500.0 / 2.0, M0);
  NEAR(m.Moment(1, 3000.0), M0, M0);
  NEAR(m.Forces(1, 0.0)[Vy], q * L / 2.0, q * L);
  NEAR(m.Forces(1, 1500.0)[Vy], q * (L / 2.0 - 1500.0), q * L);
  const double v = 5.0 * q * std::pow(L, 4) / 384.0;
  NEAR(m.Displacements(1, 3000.0)[Uy], -v, v);
  // End rotations q·L³/24, clockwise at the start.
  const double theta = q * std::pow(L, 3) / 24.0;
  NEAR(m.EndDisplacements(1, 1)[5], -theta, theta);
  NEAR(m.EndDisplacements(1, 1)[11], theta, theta);
}

TEST(PalkitYksiaukkoinen, PartialAndTrapezoidalLoadsSplitOverANode) {
  // A support sliding in Y holds only X on a horizontal beam: it adds a node at 2500 without
  // changing the vertical statics, so the loads are split over two bars. The ordinates at
  // the split (2.25 and 3.5) are exact in the five decimals the text carries.
  const double L = 6000.0;
  Malli m(L);
  m.Support(0.0, P).Support(2500.0, SY).Support(L, P);
  m.Line(0, 2, -2.0, -2.0, 1000.0, 4000.0);   // partial uniform
  m.Line(1, 2, -1.0, -4.0, 0.0, L);           // trapezoid over the whole span
  m.Line(2, -2, -2.0, -5.0, 1000.0, 4000.0);  // partial trapezoid, local y = Y here
  ASSERT_EQ(m.Run(), 0);
  const struct {
    double q1, q2, a, b;
  } cases[] = {{2.0, 2.0, 1000.0, 4000.0}, {1.0, 4.0, 0.0, L}, {2.0, 5.0, 1000.0, 4000.0}};
  for (int c = 0; c < 3; ++c) {
    const auto& k = cases[c];
    const double W = (k.q1 + k.q2) * (k.b - k.a) / 2.0;
    const double centroid = k.a + (k.b - k.a) * (k.q1 + 2.0 * k.q2) / (3.0 * (k.q1 + k.q2));
    const double scale = W * L / 4.0;
    SCOPED_TRACE(c + 1);
    NEAR(m.Reaction(1, c + 1)[FY], W * (L - centroid) / L, W);
    NEAR(m.Reaction(3, c + 1)[FY], W * centroid / L, W);
    NEAR(m.Reaction(2, c + 1)[FY], 0.0, W);
    for (double x : {500.0, 1000.0, 2000.0, 2500.0, 3000.0, 3999.0, 5000.0}) {
      NEAR(m.Moment(c + 1, x), TrapezoidMoment(L, k.q1, k.q2, k.a, k.b, x), scale);
    }
    NEAR(m.Moment(c + 1, 2500.0, true), TrapezoidMoment(L, k.q1, k.q2, k.a, k.b, 2500.0), scale);
  }
  // By hand: partial uniform, R_A = 2·3000·3500/6000 = 3500, M(3000) = 3500·3000 - 2·2000²/2.
  NEAR(m.Reaction(1, 1)[FY], 3500.0, 6000.0);
  NEAR(m.Moment(1, 3000.0), 6.5e6, 1e7);
  // Full trapezoid 1..4: R_A = 3000 + 3000, M(3000) = 18e6 - 4.5e6 - 3·3000³/(6·6000).
  NEAR(m.Moment(2, 3000.0), 11.25e6, 1e7);
}

TEST(PalkitYksiaukkoinen, PointLoadsInsideABarAndAtANode) {
  const double L = 6000.0, F0 = 10000.0, a = 2000.0, b = L - a;
  // The same load as an element load, and as a node load where a sliding support makes a node.
  Malli inside(L), atNode(L);
  inside.Support(0.0, P).Support(L, P).Point(0, 2, -F0, a).Point(1, -2, -F0, a);
  atNode.Support(0.0, P).Support(a, SY).Support(L, P).Point(0, 2, -F0, a).Point(1, -2, -F0, a);
  ASSERT_EQ(inside.Run(), 0);
  ASSERT_EQ(atNode.Run(), 0);
  const double Mmax = F0 * a * b / L;
  const double v = F0 * a * a * b * b / (3.0 * L);
  for (Malli* m : {&inside, &atNode}) {
    const int last = m == &inside ? 2 : 3;
    for (int c = 1; c <= 2; ++c) {
      SCOPED_TRACE(c);
      NEAR(m->Reaction(1, c)[FY], F0 * b / L, F0);
      NEAR(m->Reaction(last, c)[FY], F0 * a / L, F0);
      NEAR(m->Moment(c, a), Mmax, Mmax);
      NEAR(m->Moment(c, 1000.0), F0 * b / L * 1000.0, Mmax);
      NEAR(m->Moment(c, 5000.0), F0 * a / L * 1000.0, Mmax);
      NEAR(m->Displacements(c, a)[Uy], -v, v);
    }
  }
}

TEST(PalkitYksiaukkoinen, PointMomentInsideTheSpan) {
  // A counter-clockwise couple M0 at a: R_A = M0/L, M = M0·x/L before a, -M0(L-x)/L after.
  const double L = 6000.0, M0 = 1.0e6, a = 2000.0;
  Malli m(L);
  m.Support(0.0, P).Support(L, P).Point(0, 6, M0, a);
  ASSERT_EQ(m.Run(), 0);
  NEAR(m.Reaction(1, 1)[FY], M0 / L, M0 / L);
  NEAR(m.Reaction(2, 1)[FY], -M0 / L, M0 / L);
  NEAR(m.Moment(1, 1000.0), M0 * 1000.0 / L, M0);
  NEAR(m.Moment(1, 4000.0), -M0 * 2000.0 / L, M0);
}

TEST(PalkitUlokkeet, PointUniformAndEndMoment) {
  const double L = 3000.0, F0 = 1000.0, q = 2.0, M0 = 1.0e6;
  Malli m(L);
  m.Support(0.0, F).Point(0, 2, -F0, L).Line(1, 2, -q, -q, 0.0, L).Point(2, 6, M0, L);
  ASSERT_EQ(m.Run(), 0);
  // Point load at the tip: M = -F(L - x), tip deflection F·L³/3, tip rotation F·L²/2.
  NEAR(m.Reaction(1, 1)[FY], F0, F0);
  NEAR(m.Reaction(1, 1)[MZ], F0 * L, F0 * L);
  NEAR(m.Moment(1, 0.0), -F0 * L, F0 * L);
  NEAR(m.Moment(1, 1000.0), -F0 * 2000.0, F0 * L);
  auto tip = m.EndDisplacements(1, 1);
  NEAR(tip[7], -F0 * std::pow(L, 3) / 3.0, F0 * std::pow(L, 3) / 3.0);
  NEAR(tip[11], -F0 * L * L / 2.0, F0 * L * L / 2.0);
  // Uniform load: M = -q(L - x)²/2, tip deflection q·L⁴/8.
  NEAR(m.Reaction(1, 2)[FY], q * L, q * L);
  NEAR(m.Reaction(1, 2)[MZ], q * L * L / 2.0, q * L * L);
  NEAR(m.Moment(2, 1000.0), -q * 2000.0 * 2000.0 / 2.0, q * L * L);
  NEAR(m.Displacements(2, L)[Uy], -q * std::pow(L, 4) / 8.0, q * std::pow(L, 4) / 8.0);
  // End couple: constant sagging M0, tip rotation M0·L, tip deflection M0·L²/2 upward.
  NEAR(m.Reaction(1, 3)[MZ], -M0, M0);
  NEAR(m.Moment(3, 0.0), M0, M0);
  NEAR(m.Moment(3, 2000.0), M0, M0);
  tip = m.EndDisplacements(1, 3);
  NEAR(tip[11], M0 * L, M0 * L);
  NEAR(tip[7], M0 * L * L / 2.0, M0 * L * L / 2.0);
}

TEST(PalkitUlokkeet, FixedAtTheEndLoadedAtTheStart) {
  const double L = 2500.0, F0 = 3000.0;
  Malli m(L);
  m.Support(L, F).Point(0, -2, -F0, 0.0);
  ASSERT_EQ(m.Run(), 0);
  NEAR(m.Moment(1, L), -F0 * L, F0 * L);
  NEAR(m.Moment(1, 1000.0), -F0 * 1000.0, F0 * L);
  NEAR(m.Reaction(1, 1)[FY], F0, F0);
  NEAR(m.EndDisplacements(1, 1)[1], -F0 * std::pow(L, 3) / 3.0, F0 * std::pow(L, 3) / 3.0);
}

TEST(PalkitJatkuvat, ProppedCantilever) {
  const double L = 5000.0, q = 2.0, F0 = 8000.0;
  Malli m(L);
  m.Support(0.0, F).Support(L, P).Line(0, 2, -q, -q, 0.0, L).Point(1, 2, -F0, L / 2.0);
  ASSERT_EQ(m.Run(), 0);
  const double qs = q * L * L;
  NEAR(m.Reaction(2, 1)[FY], 3.0 * q * L / 8.0, q * L);
  NEAR(m.Reaction(1, 1)[FY], 5.0 * q * L / 8.0, q * L);
  NEAR(m.Moment(1, 0.0), -qs / 8.0, qs);
  NEAR(m.Moment(1, 5.0 * L / 8.0), 9.0 * qs / 128.0, qs);
  const double ps = F0 * L;
  NEAR(m.Reaction(2, 2)[FY], 5.0 * F0 / 16.0, F0);
  NEAR(m.Moment(2, 0.0), -3.0 * ps / 16.0, ps);
  NEAR(m.Moment(2, L / 2.0), 5.0 * ps / 32.0, ps);
}

TEST(PalkitJatkuvat, TwoSpansUnequal) {
  // Three-moment equation: M_B = -q(l1³ + l2³)/(8(l1 + l2)).
  const double l1 = 4000.0, l2 = 2000.0, q = 2.0;
  Malli m(l1 + l2);
  m.Support(0.0, P).Support(l1, SX).Support(l1 + l2, SX).Line(0, 2, -q, -q, 0.0, l1 + l2);
  ASSERT_EQ(m.Run(), 0);
  const double MB = -q * (std::pow(l1, 3) + std::pow(l2, 3)) / (8.0 * (l1 + l2));
  const double scale = q * l1 * l1 / 8.0;
  NEAR(MB, -3.0e6, 1.0);  // the hand value
  NEAR(m.Moment(1, l1), MB, scale);
  NEAR(m.Moment(1, l1, true), MB, scale);
  const double RA = q * l1 / 2.0 + MB / l1, RC = q * l2 / 2.0 + MB / l2;
  NEAR(m.Reaction(1, 1)[FY], RA, q * l1);
  NEAR(m.Reaction(3, 1)[FY], RC, q * l1);
  NEAR(m.Reaction(2, 1)[FY], q * (l1 + l2) - RA - RC, q * l1);
  NEAR(m.Moment(1, RA / q), RA * RA / (2.0 * q), scale);  // largest sagging in span 1
}

TEST(PalkitJatkuvat, ThreeSpansUniformAndPointLoad) {
  const double l1 = 3000.0, l2 = 4000.0, l3 = 2500.0, q = 2.0, F0 = 5000.0, a = 1500.0;
  const double b = l2 - a;
  Malli m(l1 + l2 + l3);
  m.Support(0.0, P).Support(l1, SX).Support(l1 + l2, SX).Support(l1 + l2 + l3, SX);
  m.Line(0, 2, -q, -q, 0.0, l1 + l2 + l3).Point(1, 2, -F0, l1 + a);
  ASSERT_EQ(m.Run(), 0);
  // Three-moment equations at B and C, solved by Cramer's rule:
  //   2 M_B (l1 + l2) + M_C l2 = r_B,  M_B l2 + 2 M_C (l2 + l3) = r_C.
  const double a11 = 2.0 * (l1 + l2), a12 = l2, a22 = 2.0 * (l2 + l3);
  const double rB[2] = {-q * (std::pow(l1, 3) + std::pow(l2, 3)) / 4.0,
                        -F0 * b * (l2 * l2 - b * b) / l2};
  const double rC[2] = {-q * (std::pow(l2, 3) + std::pow(l3, 3)) / 4.0,
                        -F0 * a * (l2 * l2 - a * a) / l2};
  const double det = a11 * a22 - a12 * a12;
  for (int c = 0; c < 2; ++c) {
    SCOPED_TRACE(c + 1);
    const double MB = (rB[c] * a22 - a12 * rC[c]) / det;
    const double MC = (a11 * rC[c] - a12 * rB[c]) / det;
    const double scale = c == 0 ? q * l2 * l2 / 8.0 : F0 * l2 / 4.0;
    NEAR(m.Moment(c + 1, l1), MB, scale);
    NEAR(m.Moment(c + 1, l1 + l2), MC, scale);
    NEAR(m.Moment(c + 1, l1 + l2, true), MC, scale);
    // Span reactions from the end moments: left end R = simple + (M_R - M_L)/l.
    const double W = c == 0 ? q : 0.0;
    const double RA = W * l1 / 2.0 + MB / l1;
    const double RD = W * l3 / 2.0 + MC / l3;
    const double span2Left = (c == 0 ? W * l2 / 2.0 : F0 * b / l2) + (MC - MB) / l2;
    const double span2Right = (c == 0 ? W * l2 / 2.0 : F0 * a / l2) - (MC - MB) / l2;
    const double RB = W * l1 / 2.0 - MB / l1 + span2Left;
    const double RC = span2Right + W * l3 / 2.0 - MC / l3;
    const double total = c == 0 ? q * (l1 + l2 + l3) : F0;
    NEAR(m.Reaction(1, c + 1)[FY], RA, total);
    NEAR(m.Reaction(2, c + 1)[FY], RB, total);
    NEAR(m.Reaction(3, c + 1)[FY], RC, total);
    NEAR(m.Reaction(4, c + 1)[FY], RD, total);
  }
}

TEST(PalkitJatkuvat, GerberBeamWithAnInnerHinge) {
  // Pinned at 0, rollers at 5000 and 8000, hinge at 6000 in the second span. The part
  // 6000..8000 hangs on the hinge: V_h = q·2000/2; M_B = -(q·1000²/2 + V_h·1000).
  const double q = 2.0;
  Malli m(8000.0);
  m.Support(0.0, P).Support(5000.0, SX).Support(8000.0, SX).Hinge(6000.0);
  m.Line(0, 2, -q, -q, 0.0, 8000.0);
  ASSERT_EQ(m.Run(), 0);
  const double Vh = q * 1000.0;
  const double MB = -(q * 1000.0 * 1000.0 / 2.0 + Vh * 1000.0);
  const double RA = (q * 5000.0 * 5000.0 / 2.0 + MB) / 5000.0;
  const double scale = q * 5000.0 * 5000.0 / 8.0;
  NEAR(RA, 4400.0, 1.0);
  NEAR(m.Reaction(1, 1)[FY], RA, q * 8000.0);
  NEAR(m.Reaction(3, 1)[FY], Vh, q * 8000.0);
  NEAR(m.Reaction(2, 1)[FY], q * 8000.0 - RA - Vh, q * 8000.0);
  NEAR(m.Moment(1, 5000.0), MB, scale);
  NEAR(m.Moment(1, RA / q), RA * RA / (2.0 * q), scale);
  NEAR(m.Moment(1, 7000.0), q * 2000.0 * 2000.0 / 8.0, scale);
  // No moment at the hinge, on either side.
  NEAR(m.Moment(1, 6000.0), 0.0, scale);
  NEAR(m.Moment(1, 6000.0, true), 0.0, scale);
  NEAR(m.EndForces(2, 1)[11], 0.0, scale);
  NEAR(m.EndForces(3, 1)[5], 0.0, scale);
}

TEST(PalkitVinot, RafterUnderGravityPerProjectionAndPerLength) {
  // Coordinates are written to 0.001 mm: at 6377 mm both x·cos 60 and x·sin 60 fall within
  // 1e-7 mm of what is written, so the written rafter is the exact one.
  const double L = 6377.0, alpha = 60.0 * kPi / 180.0;
  Malli m(L, 60.0);
  m.Support(0.0, P).Support(L, SX);
  m.Line(0, 2, -2.0, -2.0, 0.0, L, KuormaVektori::kPerHorizontal);
  m.Line(1, 2, -2.0, -2.0, 0.0, L, KuormaVektori::kPerLength);
  ASSERT_EQ(m.Run(), 0);
  const double span = L * std::cos(alpha);
  // Per horizontal projection: the moment of the horizontal span, W = q·span.
  double W = 2.0 * span;
  NEAR(m.Reaction(1, 1)[FY], W / 2.0, W);
  NEAR(m.Reaction(2, 1)[FY], W / 2.0, W);
  NEAR(m.Reaction(1, 1)[FX], 0.0, W);
  NEAR(m.Moment(1, L / 2.0), 2.0 * span * span / 8.0, W * span);
  NEAR(m.Forces(1, 0.0)[N], W / 2.0 * std::sin(alpha), W);
  NEAR(m.Forces(1, L)[N], -W / 2.0 * std::sin(alpha), W);
  NEAR(m.Forces(1, 0.0)[Vy], W / 2.0 * std::cos(alpha), W);
  // Per member length: W = q·L, the transverse part q·cos α bends the rafter.
  W = 2.0 * L;
  NEAR(m.Reaction(1, 2)[FY], W / 2.0, W);
  NEAR(m.Moment(2, L / 2.0), 2.0 * std::cos(alpha) * L * L / 8.0, W * L);
  NEAR(m.Moment(2, L / 4.0), 2.0 * std::cos(alpha) * (L / 4.0) * (3.0 * L / 4.0) / 2.0, W * L);
}

TEST(PalkitVinot, RafterUnderWindPerVerticalProjection) {
  // 2 N/mm along X per vertical projection on a 30° rafter: q = 2·sin 30 = 1 per member
  // length; the transverse part q·sin α bends it, and the pinned foot takes all of X.
  const double L = 6377.0, alpha = 30.0 * kPi / 180.0, qv = 2.0;
  Malli m(L, 30.0);
  m.Support(0.0, P).Support(L, SX).Line(0, 1, qv, qv, 0.0, L, KuormaVektori::kPerVertical);
  ASSERT_EQ(m.Run(), 0);
  const double s = std::sin(alpha);
  const double W = qv * s * L;
  NEAR(m.Reaction(1, 1)[FX], -W, W);
  NEAR(m.Reaction(2, 1)[FY], qv * s * s * L / (2.0 * std::cos(alpha)), W);
  NEAR(m.Reaction(1, 1)[FY], -qv * s * s * L / (2.0 * std::cos(alpha)), W);
  NEAR(m.Moment(1, L / 2.0), qv * s * s * L * L / 8.0, W * L);
}

TEST(PalkitPilari, AxialAndLateralLoads) {
  // Column: pinned foot, top sliding along Y, so the axial load goes to the foot alone.
  const double L = 3000.0, F0 = 5000.0, q = 2.0;
  Malli m(L, 90.0);
  m.Support(0.0, P).Support(L, SY);
  m.Point(0, 2, -F0, L);                                    // on top, downward
  m.Line(1, 1, q, q, 0.0, L);                               // lateral, along X
  m.Point(2, -1, -4000.0, 1000.0);                          // along the axis, downward
  m.Line(3, 1, q, q, 0.0, L, KuormaVektori::kPerVertical);  // the same as case 2
  ASSERT_EQ(m.Run(), 0);
  NEAR(m.Forces(1, 500.0)[N], F0, F0);
  NEAR(m.Forces(1, 2500.0)[N], F0, F0);
  NEAR(m.Reaction(1, 1)[FY], F0, F0);
  NEAR(m.Reaction(2, 1)[FY], 0.0, F0);
  NEAR(m.Moment(1, 1500.0), 0.0, F0 * L);
  // Lateral: a simply supported span; +X is local -y on a column, so the moment sags.
  for (int c : {2, 4}) {
    SCOPED_TRACE(c);
    NEAR(m.Reaction(1, c)[FX], -q * L / 2.0, q * L);
    NEAR(m.Reaction(2, c)[FX], -q * L / 2.0, q * L);
    NEAR(m.Moment(c, L / 2.0), q * L * L / 8.0, q * L * L);
    NEAR(m.Displacements(c, L / 2.0)[Uy], -5.0 * q * std::pow(L, 4) / 384.0,
         5.0 * q * std::pow(L, 4) / 384.0);
    NEAR(m.Forces(c, L / 2.0)[N], 0.0, q * L);
  }
  // Axial point load inside the bar: compression below it, nothing above.
  NEAR(m.Forces(3, 500.0)[N], 4000.0, 4000.0);
  NEAR(m.Forces(3, 2000.0)[N], 0.0, 4000.0);
  // Shortening below the load: N·x/(E·A) with E·A = 1.
  NEAR(m.Displacements(3, 1000.0)[Ux], -4000.0 * 1000.0, 4000.0 * 1000.0);
}

TEST(PalkitTasonUlkoiset, TorsionAndOutOfPlaneLoads) {
  // Horizontal beam on fork supports (torsion held at both ends).
  const double L = 6000.0, q = 2.0, T = 1.0e6, a = 2000.0, t = 100.0, M0 = 1.0e6;
  Malli m(L);
  m.Support(0.0, P).Support(L, P);
  m.Line(0, 3, q, q, 0.0, L);   // out of plane, +Z
  m.Point(1, 4, T, a);          // torque about the axis
  m.Line(2, -4, t, t, 0.0, L);  // torque per length, local x
  m.Point(3, 5, M0, a);         // couple about Y
  ASSERT_EQ(m.Run(), 0);
  // +Z uniform: My = -q·x(L - x)/2, uz = 5qL⁴/384 with E·Iy = 1.
  NEAR(m.Reaction(1, 1)[FZ], -q * L / 2.0, q * L);
  NEAR(m.Reaction(2, 1)[FZ], -q * L / 2.0, q * L);
  NEAR(m.Forces(1, L / 2.0)[My], -q * L * L / 8.0, q * L * L);
  NEAR(m.Forces(1, L / 2.0)[Mz], 0.0, q * L * L);
  NEAR(m.Displacements(1, L / 2.0)[Uz], 5.0 * q * std::pow(L, 4) / 384.0,
       5.0 * q * std::pow(L, 4) / 384.0);
  // Torque between two torsion restraints: shared in proportion to the far distances.
  NEAR(m.Reaction(1, 2)[MX], -T * (L - a) / L, T);
  NEAR(m.Reaction(2, 2)[MX], -T * a / L, T);
  NEAR(m.Forces(2, 1000.0)[Mx], -T * (L - a) / L, T);
  NEAR(m.Forces(2, 4000.0)[Mx], T * a / L, T);
  // Uniform torque: Mx = t(x - L/2).
  NEAR(m.Reaction(1, 3)[MX], -t * L / 2.0, t * L);
  NEAR(m.Forces(3, 1000.0)[Mx], t * (1000.0 - L / 2.0), t * L);
  // Couple about Y: FZ = ∓M0/L, My = -M0·x/L before it, M0(1 - x/L) after.
  NEAR(m.Reaction(1, 4)[FZ], -M0 / L, M0 / L);
  NEAR(m.Reaction(2, 4)[FZ], M0 / L, M0 / L);
  NEAR(m.Forces(4, 1000.0)[My], -M0 * 1000.0 / L, M0);
  NEAR(m.Forces(4, 4000.0)[My], M0 * (1.0 - 4000.0 / L), M0);
}

TEST(PalkitTasonUlkoiset, CantileverTwistAtTheTip) {
  // Torque at the free end: rotation T·L/(G·It) with G·It = 1.
  const double L = 2000.0, T = 5.0e5;
  Malli m(L);
  m.Support(0.0, F).Point(0, -4, T, L);
  ASSERT_EQ(m.Run(), 0);
  NEAR(m.EndDisplacements(1, 1)[9], T * L, T * L);
  NEAR(m.Reaction(1, 1)[MX], -T, T);
}

TEST(PalkitMekanismi, HingedSpanGivesHugeDisplacementsNotAnError) {
  // Two pinned supports and a hinge between them: a mechanism. The run still succeeds;
  // the hinge sags by orders of magnitude more than the continuous beam would.
  const double L = 6000.0, F0 = 1000.0;
  Malli m(L);
  m.Support(0.0, P).Support(L, P).Hinge(3000.0).Point(0, 2, -F0, 3000.0);
  EXPECT_EQ(m.Run(), 0);
  EXPECT_EQ(m.valid, 1);
  const double beam = F0 * std::pow(L, 3) / 48.0;
  // Its sign is left to rounding; only its size tells.
  const double sag = m.EndDisplacements(1, 1)[7];
  EXPECT_TRUE(std::isfinite(sag));
  EXPECT_GT(std::fabs(sag), 1e6 * beam);
}

TEST(PalkitAjo, FailuresClearTheValidFlagAndShowTheMessages) {
  Malli m(6000.0);
  m.Support(0.0, P).Support(6000.0, P).Line(0, 2, -1.0, -1.0, 0.0, 6000.0);
  ASSERT_EQ(m.Run(), 0);
  EXPECT_EQ(m.valid, 1);
  // No loads: the model does not validate, and the earlier success no longer counts.
  m.loads.ClearLoads();
  EXPECT_EQ(m.Run(), -1);
  EXPECT_EQ(m.valid, 0);
  ASSERT_EQ(m.output.size(), 2u);
  EXPECT_EQ(m.output[0], "[ ==== 400 ==== ]");
  EXPECT_EQ(m.output[1], "Kuormia liian vähän (<1)");
  std::array<double, 6> r{};
  EXPECT_EQ(m.fem.Reactions(1, 1, r), -1);
  // An empty text lists every missing part.
  std::vector<std::string> out{"left over"};
  int valid = 1;
  FEM_kaikki fem;
  EXPECT_EQ(RunAnalysis({}, fem, valid, out), -1);
  EXPECT_EQ(valid, 0);
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out[0], "[ ==== 100 ==== ]");
  EXPECT_EQ(out[1], "Solmuja liian vähän (< 2)");
}

TEST(PalkitAjo, ProjectRecordDrivesGenerateAndRun) {
  QELVUX_data project("/nonexistent/folder/qelvux");
  project.Loads.ClearLoads();
  project.Loads.AddLoad("Lumi", 1, kLine, 2, 1, -3.0, -3.0, 0.0, 6000.0);
  const auto lines = GenerateAnalysisInput(project);
  EXPECT_EQ(lines, GenerateAnalysisInput(project.Member, project.Loads));
  FEM_kaikki fem;
  std::vector<std::string> out;
  project.AnalysisValid = 0;
  ASSERT_EQ(RunAnalysis(lines, project, fem, out), 0);
  EXPECT_EQ(project.AnalysisValid, 1);
  // The analysis keeps its own text; a list passed as it stands is the caller's still.
  EXPECT_EQ(lines, GenerateAnalysisInput(project));
  EXPECT_EQ(fem.InputText().Lines(), lines);
  // Handed over, the text ends up in the analysis whole.
  std::vector<std::string> handed = lines;
  FEM_kaikki other;
  ASSERT_EQ(RunAnalysis(std::move(handed), project, other, out), 0);
  EXPECT_EQ(other.InputText().Lines(), lines);
  EXPECT_EQ(other.Loads().Count(), fem.Loads().Count());
  std::array<double, 6> r{};
  fem.Reactions(2, 2, r);  // load-case index 1 is case 2
  EXPECT_NEAR(r[FY], 9000.0, 9000.0 * kRel);
  project.Loads.ClearLoads();
  EXPECT_EQ(RunAnalysis(GenerateAnalysisInput(project), project, fem, out), -1);
  EXPECT_EQ(project.AnalysisValid, 0);
}
