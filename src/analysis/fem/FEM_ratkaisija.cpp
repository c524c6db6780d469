// Numerical kernels of the frame solver: bar stiffness, axis transformation, banded elimination.
#include "analysis/fem/FEM_ratkaisija.h"

#include <cmath>

namespace {

constexpr double kPivotLimit = 1e-80;
constexpr double kBackPivotLimit = 1e-100;
constexpr double kPi = 3.14159265358979323846;

void Unpack(const double k[FEM_ratkaisija::kPacked], double full[12][12]) {
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 12; ++j) full[i][j] = k[FEM_ratkaisija::PackedIndex(i, j)];
}

// Sets one entry given with the 1-based row and column names used for the bar matrix.
void Put(double k[FEM_ratkaisija::kPacked], int row, int col, double value) {
  k[FEM_ratkaisija::PackedIndex(row - 1, col - 1)] = value;
}

}  // namespace

int FEM_ratkaisija::PackedIndex(int i, int j) {
  if (i < 0 || j < 0 || i > 11 || j > 11) return -1;
  if (i > j) {
    const int t = i;
    i = j;
    j = t;
  }
  // Rows before i hold 12, 11, ... entries.
  return i * 12 - i * (i - 1) / 2 + (j - i);
}

void FEM_ratkaisija::ElementStiffness(double Iz, double Iy, double It, double A, double E, double G,
                                      double L, double k[kPacked]) {
  for (int i = 0; i < kPacked; ++i) k[i] = 0.0;
  if (E <= 0.0 || L <= 0.0) return;
  const double L2 = L * L;
  const double L3 = L2 * L;

  const double ea = E * A / L;
  Put(k, 1, 1, ea);
  Put(k, 7, 7, ea);
  Put(k, 1, 7, -ea);

  const double z12 = 12.0 * E * Iz / L3, z6 = 6.0 * E * Iz / L2;
  const double z4 = 4.0 * E * Iz / L, z2 = 2.0 * E * Iz / L;
  Put(k, 2, 2, z12);
  Put(k, 8, 8, z12);
  Put(k, 2, 8, -z12);
  Put(k, 2, 6, z6);
  Put(k, 2, 12, z6);
  Put(k, 6, 8, -z6);
  Put(k, 8, 12, -z6);
  Put(k, 6, 6, z4);
  Put(k, 12, 12, z4);
  Put(k, 6, 12, z2);

  const double y12 = 12.0 * E * Iy / L3, y6 = 6.0 * E * Iy / L2;
  const double y4 = 4.0 * E * Iy / L, y2 = 2.0 * E * Iy / L;
  Put(k, 3, 3, y12);
  Put(k, 9, 9, y12);
  Put(k, 3, 9, -y12);
  Put(k, 3, 5, -y6);
  Put(k, 3, 11, -y6);
  Put(k, 5, 9, y6);
  Put(k, 9, 11, y6);
  Put(k, 5, 5, y4);
  Put(k, 11, 11, y4);
  Put(k, 5, 11, y2);

  const double gt = G * It / L;
  Put(k, 4, 4, gt);
  Put(k, 10, 10, gt);
  Put(k, 4, 10, -gt);
}

void FEM_ratkaisija::Transformation(const double p[3], const double q[3], double betaDeg,
                                    double lambda[3][3]) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) lambda[i][j] = (i == j) ? 1.0 : 0.0;

  const double d[3] = {q[0] - p[0], q[1] - p[1], q[2] - p[2]};
  const double L = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  if (!(L > 0.0)) return;
  const double h = std::sqrt(d[0] * d[0] + d[2] * d[2]);
  double cx = 1.0, cz = 0.0;
  if (h > 0.0) {
    cx = d[0] / h;
    cz = d[2] / h;
  }
  const double beta = betaDeg * kPi / 180.0;
  const double cb = std::cos(beta), sb = std::sin(beta);
  const double g[3] = {-d[1] * cx * cb + L * cz * sb, h * cb, -d[1] * cz * cb - L * cx * sb};

  double x[3], y[3];
  const double dg = d[0] * g[0] + d[1] * g[1] + d[2] * g[2];
  for (int i = 0; i < 3; ++i) {
    x[i] = d[i] / L;
    y[i] = L * L * g[i] - dg * d[i];
  }
  const double ylen = std::sqrt(y[0] * y[0] + y[1] * y[1] + y[2] * y[2]);
  if (ylen > 0.0)
    for (double& c : y) c /= ylen;
  const double z[3] = {x[1] * y[2] - x[2] * y[1], x[2] * y[0] - x[0] * y[2],
                       x[0] * y[1] - x[1] * y[0]};
  for (int j = 0; j < 3; ++j) {
    lambda[0][j] = x[j];
    lambda[1][j] = y[j];
    lambda[2][j] = z[j];
  }
}

void FEM_ratkaisija::ToGlobal(const double k[kPacked], const double lambda[3][3],
                              double K[kPacked]) {
  double full[12][12];
  Unpack(k, full);
  // kt = k T, then K = T' kt; T is block diagonal so each 3 x 3 block goes on its own.
  double kt[12][12];
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 12; ++j) {
      const int jb = (j / 3) * 3, jj = j % 3;
      double s = 0.0;
      for (int m = 0; m < 3; ++m) s += full[i][jb + m] * lambda[m][jj];
      kt[i][j] = s;
    }
  for (int i = 0; i < 12; ++i)
    for (int j = i; j < 12; ++j) {
      const int ib = (i / 3) * 3, ii = i % 3;
      double s = 0.0;
      for (int m = 0; m < 3; ++m) s += lambda[m][ii] * kt[ib + m][j];
      K[PackedIndex(i, j)] = s;
    }
}

void FEM_ratkaisija::Rotate(double* v, int count, const double lambda[3][3], Direction direction) {
  if (v == nullptr) return;
  double m[3][3];
  if (direction == kToLocal) {
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) m[i][j] = lambda[i][j];
  } else {
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) m[i][j] = lambda[j][i];
  }
  for (int t = 0; t + 2 < count; t += 3) {
    const double a0 = v[t], a1 = v[t + 1], a2 = v[t + 2];
    for (int i = 0; i < 3; ++i) {
      // Summed from 0.0 in this order, as the results have always been.
      double s = 0.0;
      s += m[i][0] * a0;
      s += m[i][1] * a1;
      s += m[i][2] * a2;
      v[t + i] = s;
    }
  }
}

int FEM_ratkaisija::Factorise(double* band, int n, int w) {
  if (band == nullptr || n < 1 || w < 1) return -1;
  for (int i = 0; i < n; ++i) {
    double* row = band + static_cast<long>(i) * w;
    const double pivot = row[0];
    if (std::fabs(pivot) < kPivotLimit) return -1;
    for (int j = 1; j < w; ++j) {
      if (row[j] == 0.0) continue;
      const double m = row[j] / pivot;
      if (i + j < n) {
        double* target = band + static_cast<long>(i + j) * w;
        for (int k = 0; k <= w - 1 - j; ++k) target[k] -= m * row[j + k];
      }
      row[j] = m;
    }
  }
  for (int i = 0; i < n; ++i)
    if (std::fabs(band[static_cast<long>(i) * w]) < kPivotLimit) return -2;
  return 1;
}

int FEM_ratkaisija::Forward(const double* band, double* vectors, int n, int w, int count) {
  if (band == nullptr || vectors == nullptr || n < 1 || w < 1 || count < 0) return -1;
  for (int c = 0; c < count; ++c) {
    double* f = vectors + static_cast<long>(c) * n;
    for (int i = 0; i < n; ++i) {
      const double* row = band + static_cast<long>(i) * w;
      for (int j = 1; j < w && i + j < n; ++j)
        if (row[j] != 0.0) f[i + j] -= row[j] * f[i];
      f[i] /= row[0];
    }
  }
  return 1;
}

int FEM_ratkaisija::Back(const double* band, double* vectors, int n, int w, int count) {
  if (band == nullptr || vectors == nullptr || n < 1 || w < 1 || count < 0) return -1;
  for (int c = 0; c < count; ++c) {
    double* f = vectors + static_cast<long>(c) * n;
    for (int i = n - 1; i >= 0; --i) {
      const double* row = band + static_cast<long>(i) * w;
      if (std::fabs(row[0]) < kBackPivotLimit) return -31;
      for (int j = 1; j < w && i + j < n; ++j)
        if (row[j] != 0.0) f[i] -= row[j] * f[i + j];
    }
  }
  return 1;
}

void FEM_ratkaisija::BandMultiply(const double* band, int n, int w, const double* x, double* y) {
  if (band == nullptr || x == nullptr || y == nullptr || n < 1 || w < 1) return;
  for (int i = 0; i < n; ++i) y[i] = 0.0;
  for (int i = 0; i < n; ++i) {
    const double* row = band + static_cast<long>(i) * w;
    y[i] += row[0] * x[i];
    for (int j = 1; j < w && i + j < n; ++j) {
      y[i] += row[j] * x[i + j];
      y[i + j] += row[j] * x[i];
    }
  }
}
