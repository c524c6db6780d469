// Bar loads: equivalent nodal loads, internal forces and displacements along a bar.
#include "analysis/fem/FEM_ElementtiKuormat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "analysis/fem/FEM_ratkaisija.h"

namespace {

// Displacements are not evaluated past the end node by more than this share of L.
constexpr double kEndTolerance = 1.00000001;

// A load brought to local components and to its final range on the bar.
struct Prepared {
  bool point = false;
  double c = 0.0, d = 0.0;  // range (point: c = d = position)
  double qc[6] = {0, 0, 0, 0, 0, 0};
  double qd[6] = {0, 0, 0, 0, 0, 0};
};

// Builds the local component vector and applies the range rules; false when the load
// contributes nothing.
bool PrepareLoad(const FEM_Elementtikuorma& load, const double lambda[3][3], double L,
                 Prepared& p) {
  if (!(L > 0.0)) return false;
  const int dir = std::abs(load.direction);
  if (dir < 1 || dir > 6) return false;
  if (load.type < FEM_KuormaVektori::kPoint || load.type > FEM_KuormaVektori::kTrapezoid)
    return false;

  double comp[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  comp[dir - 1] = load.q1;
  comp[dir + 5] = load.q2;
  double a = load.a < 0.0 ? 0.0 : load.a;
  double b = load.b < 0.0 ? L : load.b;

  if (load.type == FEM_KuormaVektori::kPoint) {
    if (a > L) return false;
    if (load.direction > 0) FEM_ratkaisija::Rotate(comp, 6, lambda, FEM_ratkaisija::kToLocal);
    p.point = true;
    p.c = p.d = a;
    for (int i = 0; i < 6; ++i) p.qc[i] = p.qd[i] = comp[i];
    return true;
  }

  if (load.direction > 0) FEM_ratkaisija::Rotate(comp, 12, lambda, FEM_ratkaisija::kToLocal);
  const bool uniform = load.type == FEM_KuormaVektori::kUniform;
  for (int i = 0; i < 6; ++i) {
    p.qc[i] = comp[i];
    p.qd[i] = uniform ? comp[i] : comp[i + 6];
  }
  // A range given end first means the same load; q1 stays the intensity at a.
  if (b < a) {
    const double t = a;
    a = b;
    b = t;
    for (int i = 0; i < 6; ++i) {
      const double q = p.qc[i];
      p.qc[i] = p.qd[i];
      p.qd[i] = q;
    }
  }
  const double c = a < 0.0 ? 0.0 : (a > L ? L : a);
  const double d = b < 0.0 ? 0.0 : (b > L ? L : b);
  if (!(d > c)) return false;
  // The part of a trapezoid that lies on the bar keeps its intensities.
  if (c != a || d != b) {
    double qc[6], qd[6];
    for (int i = 0; i < 6; ++i) {
      const double slope = (p.qd[i] - p.qc[i]) / (b - a);
      qc[i] = p.qc[i] + slope * (c - a);
      qd[i] = p.qc[i] + slope * (d - a);
    }
    for (int i = 0; i < 6; ++i) {
      p.qc[i] = qc[i];
      p.qd[i] = qd[i];
    }
  }
  p.c = c;
  p.d = d;
  return true;
}

bool Active(const Prepared& p, int i) { return p.qc[i] != 0.0 || p.qd[i] != 0.0; }

// Intensity of component i at t inside the range.
double Intensity(const Prepared& p, int i, double t) {
  if (p.d <= p.c) return p.qc[i];
  return p.qc[i] + (p.qd[i] - p.qc[i]) * (t - p.c) / (p.d - p.c);
}

// Three-point Gauss rule on [-1, 1].
double GaussPoint(int k) {
  static const double kNode = std::sqrt(0.6);
  static const double kPoints[3] = {-kNode, 0.0, kNode};
  return kPoints[k];
}

double GaussWeight(int k) {
  static const double kWeights[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};
  return kWeights[k];
}

// Integral of q(t) g(t) over [c, e] with the three-point Gauss rule: exact for every
// integrand here (linear intensity times a polynomial of degree at most three).
template <class G>
double Integrate(const Prepared& p, int i, double c, double e, G g) {
  if (!(e > c)) return 0.0;
  const double half = 0.5 * (e - c), mid = 0.5 * (e + c);
  double sum = 0.0;
  for (int k = 0; k < 3; ++k) {
    const double t = mid + half * GaussPoint(k);
    sum += GaussWeight(k) * Intensity(p, i, t) * g(t);
  }
  return half * sum;
}

// Shape functions and their derivatives at s: 1-xi, xi, N1..N4, N1'..N4'.
enum Shape { kLin0, kLin1, kN1, kN2, kN3, kN4, kD1, kD2, kD3, kD4, kShapeCount };

void Shapes(double s, double L, double v[kShapeCount]) {
  const double x = s / L;
  v[kLin0] = 1.0 - x;
  v[kLin1] = x;
  v[kN1] = 1.0 - 3.0 * x * x + 2.0 * x * x * x;
  v[kN2] = s * (1.0 - x) * (1.0 - x);
  v[kN3] = 3.0 * x * x - 2.0 * x * x * x;
  v[kN4] = -s * s / L + s * s * s / (L * L);
  v[kD1] = (-6.0 * x + 6.0 * x * x) / L;
  v[kD2] = 1.0 - 4.0 * x + 3.0 * x * x;
  v[kD3] = -v[kD1];
  v[kD4] = -2.0 * x + 3.0 * x * x;
}

// The shape functions at the points a load's weights need (point: its position; else the
// Gauss points of its range), shared by all of its components.
struct LoadShapes {
  int count = 0;
  double t[3] = {0, 0, 0};
  double v[3][kShapeCount];
  double half = 0.0;
  LoadShapes(const Prepared& p, double L) {
    if (p.point) {
      count = 1;
      t[0] = p.c;
      Shapes(p.c, L, v[0]);
      return;
    }
    if (!(p.d > p.c)) return;
    count = 3;
    half = 0.5 * (p.d - p.c);
    const double mid = 0.5 * (p.d + p.c);
    for (int g = 0; g < 3; ++g) {
      t[g] = mid + half * GaussPoint(g);
      Shapes(t[g], L, v[g]);
    }
  }
};

// W[k] = integral of q times shape k over the load (point: P times shape k at a), for the
// shapes first <= k < last that component i acts through; the others are left alone.
void Weights(const Prepared& p, const LoadShapes& shapes, int i, int first, int last,
             double W[kShapeCount]) {
  if (p.point) {
    for (int k = first; k < last; ++k) W[k] = shapes.v[0][k] * p.qc[i];
    return;
  }
  for (int k = first; k < last; ++k) W[k] = 0.0;
  if (shapes.count == 0) return;
  double sum[kShapeCount] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int g = 0; g < 3; ++g) {
    const double wq = GaussWeight(g) * Intensity(p, i, shapes.t[g]);
    for (int k = first; k < last; ++k) sum[k] += wq * shapes.v[g][k];
  }
  for (int k = first; k < last; ++k) W[k] = shapes.half * sum[k];
}

void AddNodal(const Prepared& p, double L, double F[12]) {
  const LoadShapes shapes(p, L);
  for (int i = 0; i < 6; ++i) {
    if (!Active(p, i)) continue;
    // Axial force and torque act through the linear shapes, the transverse forces through
    // the cubic ones, the moments about y and z through their slopes.
    double W[kShapeCount];
    if (i == 0 || i == 3)
      Weights(p, shapes, i, kLin0, kLin1 + 1, W);
    else if (i == 1 || i == 2)
      Weights(p, shapes, i, kN1, kN4 + 1, W);
    else
      Weights(p, shapes, i, kD1, kD4 + 1, W);
    switch (i) {
      case 0:  // force x
      case 3:  // moment x
        F[i] += W[kLin0];
        F[i + 6] += W[kLin1];
        break;
      case 1:  // force y
        F[1] += W[kN1];
        F[5] += W[kN2];
        F[7] += W[kN3];
        F[11] += W[kN4];
        break;
      case 2:  // force z
        F[2] += W[kN1];
        F[4] -= W[kN2];
        F[8] += W[kN3];
        F[10] -= W[kN4];
        break;
      case 4:  // moment y
        F[2] -= W[kD1];
        F[4] += W[kD2];
        F[8] -= W[kD3];
        F[10] += W[kD4];
        break;
      case 5:  // moment z
        F[1] += W[kD1];
        F[5] += W[kD2];
        F[7] += W[kD3];
        F[11] += W[kD4];
        break;
    }
  }
}

// Integral of q(t) (s - t)^n / n! over the part of the load before s; for a point load
// P (s - a)^n / n! when a < s.
double Moment(const Prepared& p, int i, double s, int n) {
  if (!(s > p.c)) return 0.0;
  double fact = 1.0;
  for (int k = 2; k <= n; ++k) fact *= k;
  const double e = s < p.d ? s : p.d;
  if (n == 0) return p.point ? p.qc[i] : Integrate(p, i, p.c, e, [](double) { return 1.0; });
  // pow(x, 1) returns x itself (its result is exact), so the first power skips the call.
  if (n == 1) {
    if (p.point) return p.qc[i] * (s - p.c);
    return Integrate(p, i, p.c, e, [s](double t) { return s - t; });
  }
  if (p.point) return p.qc[i] * std::pow(s - p.c, n) / fact;
  return Integrate(p, i, p.c, e, [&](double t) { return std::pow(s - t, n) / fact; });
}

void InternalPart(const Prepared& p, double s, double out[6]) {
  for (int k = 0; k < 6; ++k) out[k] = 0.0;
  for (int i = 0; i < 6; ++i) {
    if (!Active(p, i)) continue;
    // Forces and the torque add to N, Vy, Vz, Mx; applied moments about y and z, and the
    // lever arms of the y and z forces, add to My and Mz.
    const double resultant = Moment(p, i, s, 0);
    if (i < 5)
      out[i] += resultant;
    else
      out[5] -= resultant;
    if (i == 1) out[5] += Moment(p, i, s, 1);
    if (i == 2) out[4] += Moment(p, i, s, 1);
  }
}

// Equivalent nodal loads of one prepared load alone.
struct NodalLoads {
  double F[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  NodalLoads(const Prepared& p, double L) { AddNodal(p, L, F); }
};

// F: the load's equivalent nodal loads (NodalLoads), the same at every point.
void DisplacementPartOf(const Prepared& p, const double F[12], double L, double EA, double EIz,
                        double EIy, double s, double out[3]) {
  out[0] = out[1] = out[2] = 0.0;
  if (s < 0.0 || s >= kEndTolerance * L) return;
  // Clamped-end reactions are the equivalent nodal loads of the negated load.
  double R[12];
  for (int k = 0; k < 12; ++k) R[k] = -F[k];
  const double s2 = s * s, s3 = s2 * s;
  double u = -R[0] * s, v = R[1] * s3 / 6.0 - R[5] * s2 / 2.0,
         w = R[2] * s3 / 6.0 + R[4] * s2 / 2.0;
  if (Active(p, 0)) u -= Moment(p, 0, s, 1);
  if (Active(p, 1)) v += Moment(p, 1, s, 3);
  if (Active(p, 2)) w += Moment(p, 2, s, 3);
  if (Active(p, 4)) w += Moment(p, 4, s, 2);
  if (Active(p, 5)) v -= Moment(p, 5, s, 2);
  if (EA > 0.0) out[0] = u / EA;
  if (EIz > 0.0) out[1] = v / EIz;
  if (EIy > 0.0) out[2] = w / EIy;
}

bool Matches(const FEM_KuormaVektori& loads, int i, int bar, int caseNumber) {
  return loads.Case(i) == caseNumber && loads.Kind(i) == FEM_KuormaVektori::kElementLoad &&
         loads.Target(i) == bar;
}

std::vector<int> MatchingRecords(const FEM_KuormaVektori& loads, int bar, int caseNumber) {
  std::vector<int> records;
  for (int i = 0; i < loads.Count(); ++i)
    if (Matches(loads, i, bar, caseNumber)) records.push_back(i);
  return records;
}

bool PointXi(const QELvektori& points, int i, double& xi) {
  xi = points.GetReal(i, FEM_ElementtiKuormat::kXi);
  return xi >= 0.0 && xi <= FEM_ElementtiKuormat::kXiLimit;
}

void AddValues(QELvektori& points, int i, const double* v, int count) {
  for (int k = 0; k < count; ++k) {
    const int j = FEM_ElementtiKuormat::kFirstValue + k;
    points.SetReal(i, j, points.GetReal(i, j) + v[k]);
  }
}

void SetValues(QELvektori& points, int i, const double* v, int count) {
  for (int k = 0; k < count; ++k) points.SetReal(i, FEM_ElementtiKuormat::kFirstValue + k, v[k]);
}

}  // namespace

void FEM_ElementtiKuormat::AddEquivalentNodalLoads(const FEM_Elementtikuorma& load,
                                                   const double lambda[3][3], double L,
                                                   double F[12]) {
  Prepared p;
  if (PrepareLoad(load, lambda, L, p)) AddNodal(p, L, F);
}

void FEM_ElementtiKuormat::InternalForcePart(const FEM_Elementtikuorma& load,
                                             const double lambda[3][3], double L, double s,
                                             double out[6]) {
  for (int k = 0; k < 6; ++k) out[k] = 0.0;
  Prepared p;
  if (PrepareLoad(load, lambda, L, p)) InternalPart(p, s, out);
}

void FEM_ElementtiKuormat::DisplacementPart(const FEM_Elementtikuorma& load,
                                            const double lambda[3][3], double L, double E, double A,
                                            double Iz, double Iy, double s, double out[3]) {
  out[0] = out[1] = out[2] = 0.0;
  Prepared p;
  if (PrepareLoad(load, lambda, L, p))
    DisplacementPartOf(p, NodalLoads(p, L).F, L, E * A, E * Iz, E * Iy, s, out);
}

int FEM_ElementtiKuormat::LawChanges(const FEM_Elementtikuorma& load, double L, double at[2],
                                     bool& jump) {
  jump = load.type == FEM_KuormaVektori::kPoint;
  const int dir = std::abs(load.direction);
  if (!(L > 0.0) || dir < 1 || dir > 6) return 0;
  if (load.type < FEM_KuormaVektori::kPoint || load.type > FEM_KuormaVektori::kTrapezoid) return 0;
  const double a = load.a < 0.0 ? 0.0 : load.a;
  if (jump) {
    if (a > L) return 0;
    at[0] = a;
    return 1;
  }
  const double b = load.b < 0.0 ? L : load.b;
  const double c = std::min(std::max(std::min(a, b), 0.0), L);
  const double d = std::min(std::max(std::max(a, b), 0.0), L);
  if (!(d > c)) return 0;
  at[0] = c;
  at[1] = d;
  return 2;
}

FEM_Elementtikuorma FEM_ElementtiKuormat::LoadOf(const FEM_KuormaVektori& loads, int i) {
  FEM_Elementtikuorma load;
  load.type = loads.Type(i);
  load.direction = loads.Direction(i);
  load.q1 = loads.Q1(i);
  load.q2 = loads.Q2(i);
  load.a = loads.A(i);
  load.b = loads.B(i);
  return load;
}

void FEM_ElementtiKuormat::EquivalentNodalLoads(const FEM_KuormaVektori& loads, int bar,
                                                int caseNumber, const double lambda[3][3], double L,
                                                double F[12]) {
  const std::vector<int> records = MatchingRecords(loads, bar, caseNumber);
  EquivalentNodalLoadsOfRecords(loads, records.data(), static_cast<int>(records.size()), lambda, L,
                                F);
}

void FEM_ElementtiKuormat::AddInternalForces(const FEM_KuormaVektori& loads, int bar,
                                             int caseNumber, const double lambda[3][3], double L,
                                             QELvektori& points) {
  const std::vector<int> records = MatchingRecords(loads, bar, caseNumber);
  AddInternalForcesOfRecords(loads, records.data(), static_cast<int>(records.size()), lambda, L,
                             points);
}

void FEM_ElementtiKuormat::AddDisplacements(const FEM_KuormaVektori& loads, int bar, int caseNumber,
                                            const double lambda[3][3], double L, double E, double A,
                                            double Iz, double Iy, QELvektori& points) {
  const std::vector<int> records = MatchingRecords(loads, bar, caseNumber);
  AddDisplacementsOfRecords(loads, records.data(), static_cast<int>(records.size()), lambda, L, E,
                            A, Iz, Iy, points);
}

void FEM_ElementtiKuormat::EquivalentNodalLoadsOfRecords(const FEM_KuormaVektori& loads,
                                                         const int* records, int count,
                                                         const double lambda[3][3], double L,
                                                         double F[12]) {
  for (int k = 0; k < 12; ++k) F[k] = 0.0;
  for (int r = 0; r < count; ++r) AddEquivalentNodalLoads(LoadOf(loads, records[r]), lambda, L, F);
}

void FEM_ElementtiKuormat::AddInternalForcesOfRecords(const FEM_KuormaVektori& loads,
                                                      const int* records, int count,
                                                      const double lambda[3][3], double L,
                                                      QELvektori& points) {
  for (int r = 0; r < count; ++r) {
    Prepared p;
    if (!PrepareLoad(LoadOf(loads, records[r]), lambda, L, p)) continue;
    for (int k = 0; k < points.Count(); ++k) {
      double xi;
      if (!PointXi(points, k, xi)) continue;
      double v[6];
      InternalPart(p, xi * L, v);
      AddValues(points, k, v, 6);
    }
  }
}

void FEM_ElementtiKuormat::AddDisplacementsOfRecords(const FEM_KuormaVektori& loads,
                                                     const int* records, int count,
                                                     const double lambda[3][3], double L, double E,
                                                     double A, double Iz, double Iy,
                                                     QELvektori& points) {
  for (int r = 0; r < count; ++r) {
    Prepared p;
    if (!PrepareLoad(LoadOf(loads, records[r]), lambda, L, p)) continue;
    const NodalLoads nodal(p, L);
    for (int k = 0; k < points.Count(); ++k) {
      double xi;
      if (!PointXi(points, k, xi)) continue;
      double v[3];
      DisplacementPartOf(p, nodal.F, L, E * A, E * Iz, E * Iy, xi * L, v);
      AddValues(points, k, v, 3);
    }
  }
}

void FEM_ElementtiKuormat::EquivalentNodalLoads(const FEM_Elementtikuorma* loads, int loadCount,
                                                const double lambda[3][3], double L, double F[12]) {
  for (int k = 0; k < 12; ++k) F[k] = 0.0;
  for (int r = 0; r < loadCount; ++r) AddEquivalentNodalLoads(loads[r], lambda, L, F);
}

void FEM_ElementtiKuormat::SetEndForceParts(const double f[12], double L, const double* xi,
                                            int count, double* values) {
  for (int k = 0; k < count; ++k) {
    if (!(xi[k] >= 0.0 && xi[k] <= kXiLimit)) continue;
    const double s = xi[k] * L;
    double* v = values + 6 * k;
    v[0] = f[0];
    v[1] = f[1];
    v[2] = f[2];
    v[3] = f[3];
    v[4] = f[4] + s * f[2];
    v[5] = -f[5] + s * f[1];
  }
}

namespace {

// Beyond this many point-load and point pairs the point loads are summed in one sweep along
// the bar instead of load by load: a bar with thousands of point loads is sampled at both
// sides of each, and load by load that would grow with their square.
constexpr long long kSweepPairs = 200000;

// The point loads' share at every point: the loads before a point (c < s) by running sums,
// N, Vy, Vz, Mx and -Mz from the components, and Mz, My from the lever arms s - c.
void AddPointLoadsBySweep(const std::vector<Prepared>& points, double L, const double* xi,
                          int count, double* values) {
  std::vector<int> byPosition(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) byPosition[i] = static_cast<int>(i);
  std::sort(byPosition.begin(), byPosition.end(), [&](int a, int b) {
    return points[static_cast<std::size_t>(a)].c < points[static_cast<std::size_t>(b)].c;
  });
  std::vector<int> order(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) order[static_cast<std::size_t>(k)] = k;
  std::sort(order.begin(), order.end(), [&](int a, int b) { return xi[a] < xi[b]; });
  double sum[6] = {0, 0, 0, 0, 0, 0}, armY = 0.0, armZ = 0.0;
  std::size_t next = 0;
  for (int k : order) {
    if (!(xi[k] >= 0.0 && xi[k] <= FEM_ElementtiKuormat::kXiLimit)) continue;
    const double s = xi[k] * L;
    for (; next < byPosition.size() && s > points[static_cast<std::size_t>(byPosition[next])].c;
         ++next) {
      const Prepared& p = points[static_cast<std::size_t>(byPosition[next])];
      for (int i = 0; i < 6; ++i) sum[i] += p.qc[i];
      armY += p.qc[1] * p.c;
      armZ += p.qc[2] * p.c;
    }
    double* v = values + 6 * k;
    for (int i = 0; i < 5; ++i) v[i] += sum[i];
    v[5] += -sum[5] + (sum[1] * s - armY);
    v[4] += sum[2] * s - armZ;
  }
}

}  // namespace

void FEM_ElementtiKuormat::AddInternalForces(const FEM_Elementtikuorma* loads, int loadCount,
                                             const double lambda[3][3], double L, const double* xi,
                                             int count, double* values) {
  long long pointLoads = 0;
  for (int r = 0; r < loadCount; ++r) pointLoads += loads[r].type == FEM_KuormaVektori::kPoint;
  const bool sweep = pointLoads * count > kSweepPairs;
  std::vector<Prepared> swept;
  for (int r = 0; r < loadCount; ++r) {
    Prepared p;
    if (!PrepareLoad(loads[r], lambda, L, p)) continue;
    if (sweep && p.point) {
      swept.push_back(p);
      continue;
    }
    for (int k = 0; k < count; ++k) {
      if (!(xi[k] >= 0.0 && xi[k] <= kXiLimit)) continue;
      double v[6];
      InternalPart(p, xi[k] * L, v);
      for (int j = 0; j < 6; ++j) values[6 * k + j] += v[j];
    }
  }
  if (!swept.empty()) AddPointLoadsBySweep(swept, L, xi, count, values);
}

void FEM_ElementtiKuormat::SetEndDisplacementParts(const double u[12], double L, const double* xi,
                                                   int count, double* values) {
  if (!(L > 0.0)) return;
  for (int k = 0; k < count; ++k) {
    if (!(xi[k] >= 0.0 && xi[k] <= kXiLimit)) continue;
    double N[kShapeCount];
    Shapes(xi[k] * L, L, N);
    double* v = values + 3 * k;
    v[0] = N[kLin0] * u[0] + N[kLin1] * u[6];
    v[1] = N[kN1] * u[1] + N[kN2] * u[5] + N[kN3] * u[7] + N[kN4] * u[11];
    v[2] = N[kN1] * u[2] - N[kN2] * u[4] + N[kN3] * u[8] - N[kN4] * u[10];
  }
}

void FEM_ElementtiKuormat::AddDisplacements(const FEM_Elementtikuorma* loads, int loadCount,
                                            const double lambda[3][3], double L, double E, double A,
                                            double Iz, double Iy, const double* xi, int count,
                                            double* values) {
  for (int r = 0; r < loadCount; ++r) {
    Prepared p;
    if (!PrepareLoad(loads[r], lambda, L, p)) continue;
    const NodalLoads nodal(p, L);
    for (int k = 0; k < count; ++k) {
      if (!(xi[k] >= 0.0 && xi[k] <= kXiLimit)) continue;
      double v[3];
      DisplacementPartOf(p, nodal.F, L, E * A, E * Iz, E * Iy, xi[k] * L, v);
      for (int j = 0; j < 3; ++j) values[3 * k + j] += v[j];
    }
  }
}

void FEM_ElementtiKuormat::NodeLoads(const FEM_KuormaVektori& loads, int node, int caseNumber,
                                     double out[6]) {
  for (int k = 0; k < 6; ++k) out[k] = 0.0;
  for (int i = 0; i < loads.Count(); ++i) {
    if (loads.Case(i) != caseNumber || loads.Kind(i) != FEM_KuormaVektori::kNodeLoad ||
        loads.Type(i) != FEM_KuormaVektori::kPoint || loads.Target(i) != node)
      continue;
    const int d = loads.Direction(i);
    if (d >= 1 && d <= 6) out[d - 1] += loads.Q1(i);
  }
}

void FEM_ElementtiKuormat::SetEndForceParts(const double f[12], double L, QELvektori& points) {
  for (int k = 0; k < points.Count(); ++k) {
    double xi;
    if (!PointXi(points, k, xi)) continue;
    const double s = xi * L;
    const double v[6] = {f[0], f[1], f[2], f[3], f[4] + s * f[2], -f[5] + s * f[1]};
    SetValues(points, k, v, 6);
  }
}

void FEM_ElementtiKuormat::SetEndDisplacementParts(const double u[12], double L,
                                                   QELvektori& points) {
  if (!(L > 0.0)) return;
  for (int k = 0; k < points.Count(); ++k) {
    double xi;
    if (!PointXi(points, k, xi)) continue;
    double N[kShapeCount];
    Shapes(xi * L, L, N);
    const double v[3] = {N[kLin0] * u[0] + N[kLin1] * u[6],
                         N[kN1] * u[1] + N[kN2] * u[5] + N[kN3] * u[7] + N[kN4] * u[11],
                         N[kN1] * u[2] - N[kN2] * u[4] + N[kN3] * u[8] - N[kN4] * u[10]};
    SetValues(points, k, v, 3);
  }
}
