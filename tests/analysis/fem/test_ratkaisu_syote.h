// Builds analysis input texts by hand for the solver tests, and checks common to them.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/fem/FEM_kaikki.h"
#include "analysis/fem/FEM_ratkaisija.h"
#include "model/NumberText.h"

namespace fem_test {

inline std::string Num(double v) { return qv::FormatFixed(v, 6); }

// One line per call, in the sections of the input text; material 1 and profile 1 default.
class Input {
 public:
  Input& Node(int n, double x, double y, double z = 0.0) {
    nodes_.push_back(std::to_string(n) + ";" + Num(x) + ";" + Num(y) + ";" + Num(z));
    return *this;
  }
  Input& Bar(int b, int i, int j, int relI = 6111111, int relJ = 6111111, double beta = 0.0,
             int material = 1, int profile = 1) {
    bars_.push_back(std::to_string(b) + ";" + std::to_string(i) + ";" + std::to_string(j) + ";" +
                    std::to_string(material) + ";" + std::to_string(profile) + ";" +
                    std::to_string(relI) + ";" + std::to_string(relJ) + ";0;0;" + Num(beta));
    return *this;
  }
  Input& Support(int s, int node, int code) {
    supports_.push_back(std::to_string(s) + ";" + std::to_string(node) + ";" +
                        std::to_string(code));
    return *this;
  }
  Input& NodeLoad(int cs, int node, int dir, double v) {
    return Load(cs, 1, 1, node, dir, v, 0.0, 0.0, 0.0);
  }
  Input& PointLoad(int cs, int bar, int dir, double v, double a) {
    return Load(cs, 2, 1, bar, dir, v, 0.0, a, 0.0);
  }
  Input& LineLoad(int cs, int bar, int dir, double q1, double q2, double a = 0.0, double b = -1.0) {
    return Load(cs, 2, 3, bar, dir, q1, q2, a, b);
  }
  Input& UniformLoad(int cs, int bar, int dir, double q, double a = 0.0, double b = -1.0) {
    return Load(cs, 2, 2, bar, dir, q, 0.0, a, b);
  }
  Input& Load(int cs, int kind, int type, int target, int dir, double q1, double q2, double a,
              double b) {
    loads_.push_back(std::to_string(++loadNumber_) + ";" + std::to_string(cs) + ";" +
                     std::to_string(kind) + ";" + std::to_string(type) + ";" +
                     std::to_string(target) + ";" + std::to_string(dir) + ";" + Num(q1) + ";" +
                     Num(q2) + ";" + Num(a) + ";" + Num(b));
    return *this;
  }
  Input& Material(int m, double E, double G) {
    materials_.push_back("1;" + std::to_string(m) + ";" + Num(E) + ";" + Num(G) +
                         ";1;1;1;1;1;1;1;1");
    return *this;
  }
  Input& Profile(int p, double Iz, double Iy, double It, double A, double beta0 = 0.0) {
    profiles_.push_back("2;" + std::to_string(p) + ";" + Num(Iz) + ";" + Num(Iy) + ";" + Num(It) +
                        ";" + Num(A) + ";" + Num(beta0) + ";0;0;0;0;0");
    return *this;
  }
  Input& Coupling(int c, int slave, int master, int code) {
    couplings_.push_back(std::to_string(c) + ";" + std::to_string(slave) + ";" +
                         std::to_string(master) + ";" + std::to_string(code));
    return *this;
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> out;
    auto section = [&](int n, const std::vector<std::string>& lines) {
      out.push_back("[ ==== " + std::to_string(n) + " ==== ]");
      out.insert(out.end(), lines.begin(), lines.end());
    };
    section(101, nodes_);
    section(201, bars_);
    section(301, supports_);
    section(401, loads_);
    section(501, materials_);
    section(601, profiles_);
    if (!couplings_.empty()) section(701, couplings_);
    out.push_back("[ ==== 999 ==== ]");
    return out;
  }

  // Reads and solves; the status must be as expected.
  void SolveInto(FEM_kaikki& fem, int expected = 0) const {
    fem.Read(Lines(), 1);
    ASSERT_EQ(fem.Solve(), expected);
  }

 private:
  std::vector<std::string> nodes_, bars_, supports_, loads_, materials_, profiles_, couplings_;
  int loadNumber_ = 0;
};

// Section and material of the reference cases: E = 10000 MPa, a 200 x 300 mm-like profile.
constexpr double kE = 10000.0, kG = 600.0;
constexpr double kIz = 4.5e8, kIy = 2.0e8, kIt = 1.5e8, kA = 6.0e4;

inline Input StandardInput() {
  Input in;
  in.Material(1, kE, kG).Profile(1, kIz, kIy, kIt, kA);
  return in;
}

inline void ExpectRel(double expected, double actual, double tol, const char* what = "") {
  EXPECT_NEAR(actual, expected, tol * std::fabs(expected)) << what;
}

// A points list with n + 1 evenly spaced points and room for values.
inline QELvektori Points(int n, int values) {
  QELvektori pts;
  pts.SetLayout(0, 0, 1 + values);
  for (int i = 0; i <= n; ++i) {
    const std::vector<double> xi{static_cast<double>(i) / n};
    pts.AddRecord(nullptr, &xi, nullptr);
  }
  return pts;
}

// Internal forces along a bar (N, Vy, Vz, Mx, My, Mz at reals 1..6).
inline QELvektori Forces(const FEM_kaikki& fem, int bar, int cs, int n) {
  QELvektori pts = Points(n, 6);
  std::array<double, 12> f{};
  EXPECT_EQ(fem.EndForces(bar, cs, f, &pts), 0);
  return pts;
}

// Displacements along a bar (ux, uy, uz at reals 1..3).
inline QELvektori Displacements(const FEM_kaikki& fem, int bar, int cs, int n) {
  QELvektori pts = Points(n, 3);
  std::array<double, 12> u{};
  EXPECT_EQ(fem.LocalDisplacements(bar, cs, u, &pts), 0);
  return pts;
}

// Relative equilibrium residual |K u - F| of a case, node by node: the forces the nodes
// exert on the bars (end forces turned to global axes) must equal the node loads plus the
// support reactions on every equation. Measured against |node loads + reactions|.
inline double Residual(const FEM_kaikki& fem, int cs) {
  const int n = fem.EquationCount();
  std::vector<double> r(static_cast<std::size_t>(n), 0.0), f(static_cast<std::size_t>(n), 0.0);
  const QELvektori& bf = fem.BarFreedoms();
  const FEM_SolmuVektori& nodes = fem.Nodes();
  for (int b = 0; b < bf.Count(); ++b) {
    const int ni = bf.GetInt(b, FEM_kaikki::kBfNodeIIndex);
    const int nj = bf.GetInt(b, FEM_kaikki::kBfNodeJIndex);
    const double p[3] = {nodes.X(ni), nodes.Y(ni), nodes.Z(ni)};
    const double q[3] = {nodes.X(nj), nodes.Y(nj), nodes.Z(nj)};
    const int bi = bf.GetInt(b, FEM_kaikki::kBfBarIndex);
    const int pi = bf.GetInt(b, FEM_kaikki::kBfProfileIndex);
    double lam[3][3];
    FEM_ratkaisija::Transformation(p, q, fem.Bars().Beta(bi) + fem.Materials().Beta0(pi), lam);
    std::array<double, 12> e{};
    fem.EndForces(bf.GetInt(b, FEM_kaikki::kBfBar), cs, e);
    double F[12];
    for (int k = 0; k < 12; ++k) F[k] = e[static_cast<std::size_t>(k)];
    FEM_ratkaisija::Rotate(F, 12, lam, FEM_ratkaisija::kToGlobal);
    for (int k = 0; k < 12; ++k)
      r[static_cast<std::size_t>(bf.GetInt(b, FEM_kaikki::kBfEqI + k) - 1)] += F[k];
  }
  const FEM_KuormaVektori& loads = fem.Loads();
  const QELvektori& nf = fem.NodeFreedoms();
  auto eqOf = [&](int node, int k) {
    for (int i = 0; i < nf.Count(); ++i)
      if (nf.GetInt(i, FEM_kaikki::kNfNode) == node) return nf.GetInt(i, FEM_kaikki::kNfEq + k);
    return 0;
  };
  for (int i = 0; i < loads.Count(); ++i) {
    if (loads.Case(i) != cs) continue;
    if (loads.Kind(i) != 1 || loads.Direction(i) < 1 || loads.Direction(i) > 6) continue;
    const int eq = eqOf(loads.Target(i), loads.Direction(i) - 1);
    if (eq > 0) f[static_cast<std::size_t>(eq - 1)] += loads.Q1(i);
  }
  const FEM_TuetVektori& sup = fem.Supports();
  for (int s = 0; s < sup.Count(); ++s) {
    std::array<double, 6> R{};
    fem.Reactions(sup.Number(s), cs, R);
    for (int k = 0; k < 6; ++k) {
      const int eq = eqOf(sup.Node(s), k);
      if (eq > 0) f[static_cast<std::size_t>(eq - 1)] += R[static_cast<std::size_t>(k)];
    }
  }
  double res = 0.0, ref = 0.0;
  for (int k = 0; k < n; ++k) {
    res += (r[static_cast<std::size_t>(k)] - f[static_cast<std::size_t>(k)]) *
           (r[static_cast<std::size_t>(k)] - f[static_cast<std::size_t>(k)]);
    ref += f[static_cast<std::size_t>(k)] * f[static_cast<std::size_t>(k)];
  }
  return ref > 0.0 ? std::sqrt(res / ref) : std::sqrt(res);
}

}  // namespace fem_test
