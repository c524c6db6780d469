// Numerical kernels of the frame solver: bar stiffness, axis transformation, banded elimination.
#pragma once

// Stateless; every routine works on arrays the caller owns.
//
// Packed 12 x 12 matrices hold the upper triangle row by row (78 reals). Local freedoms are
// ordered ux, uy, uz, rx, ry, rz of the start node, then the same of the end node.
//
// Band store: n rows of w reals, row r entry c holds K(r, r + c); entries that would lie
// past row n - 1 are kept 0. Load vectors lie one after another, n reals each.
class FEM_ratkaisija {
 public:
  static constexpr int kPacked = 78;
  enum Direction { kToLocal = 1, kToGlobal = 2 };

  // Position of (i, j) (0-based, either order) in a packed matrix; -1 when outside 0..11.
  static int PackedIndex(int i, int j);

  // Euler-Bernoulli bar in local axes, no shear deformation. All zeros when E <= 0 or L <= 0.
  static void ElementStiffness(double Iz, double Iy, double It, double A, double E, double G,
                               double L, double k[kPacked]);

  // Rows of lambda are the local x, y, z axes in main-system components, for a bar from p
  // to q turned by betaDeg degrees about its axis. With beta 0 local y points upward in the
  // vertical plane through the bar (-X for a vertical bar). A bar of zero length gives the
  // identity.
  static void Transformation(const double p[3], const double q[3], double betaDeg,
                             double lambda[3][3]);

  // K = T' k T with T = diag(lambda, lambda, lambda, lambda), both packed.
  static void ToGlobal(const double k[kPacked], const double lambda[3][3], double K[kPacked]);

  // Turns count / 3 triples of v in place: kToLocal multiplies by lambda, kToGlobal by its
  // transpose.
  static void Rotate(double* v, int count, const double lambda[3][3], Direction direction);

  // In-place symmetric band elimination: 1, -1 for a pivot below 1e-80 during elimination,
  // -2 when a diagonal is below 1e-80 afterwards. Bad arguments (no store, n or w < 1) give -1.
  static int Factorise(double* band, int n, int w);
  // Forward reduction of count vectors against the factorised store: 1 (-1 on bad arguments).
  static int Forward(const double* band, double* vectors, int n, int w, int count);
  // Back substitution; the vectors then hold the solutions: 1, -31 for a diagonal below
  // 1e-100 (-1 on bad arguments).
  static int Back(const double* band, double* vectors, int n, int w, int count);

  // y = K x for an unfactorised band store (symmetric, upper half stored).
  static void BandMultiply(const double* band, int n, int w, const double* x, double* y);
};
