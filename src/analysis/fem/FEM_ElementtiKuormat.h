// Bar loads: equivalent nodal loads, internal forces and displacements along a bar.
#pragma once

#include "analysis/fem/FEM_Vektorit.h"
#include "model/QELvektori.h"

// One element load as it stands on a load line.
struct FEM_Elementtikuorma {
  int type = FEM_KuormaVektori::kPoint;  // 1 point, 2 uniform, 3 trapezoid
  int direction = 0;                     // 1..6 main-system components, -1..-6 the bar's local ones
  double q1 = 0.0;                       // point value, or intensity at a
  double q2 = 0.0;                       // intensity at b (trapezoid only)
  double a = 0.0;                        // from the start node; negative = 0
  double b = 0.0;                        // from the start node; negative = bar length
};

// Everything is in the bar's local axes; lambda is the bar's axis matrix (rows x, y, z in
// main-system components) and L its length. Twelve-value arrays are ordered start node
// (force x, y, z, moment x, y, z), then end node.
//
// Points lists are QELvektori records whose real 0 is the position xi (0 at the start node,
// 1 at the end) and whose reals 1.. hold the values: N, Vy, Vz, Mx, My, Mz for internal
// forces, ux, uy, uz for displacements. Records with fewer reals get what fits.
class FEM_ElementtiKuormat {
 public:
  enum PointField { kXi = 0, kFirstValue = 1 };
  // Points beyond this xi are left alone.
  static constexpr double kXiLimit = 1.00001;

  // --- one load ---
  // Adds the load's equivalent nodal loads to F.
  static void AddEquivalentNodalLoads(const FEM_Elementtikuorma& load, const double lambda[3][3],
                                      double L, double F[12]);
  // The load's share of N, Vy, Vz, Mx, My, Mz at distance s from the start node (the part
  // of the load before s; a point load exactly at s is not yet counted).
  static void InternalForcePart(const FEM_Elementtikuorma& load, const double lambda[3][3],
                                double L, double s, double out[6]);
  // The displacement ux, uy, uz at s of the bar clamped at both ends under this load.
  // Components whose stiffness (E*A, E*Iz, E*Iy) is not above 0 get nothing.
  static void DisplacementPart(const FEM_Elementtikuorma& load, const double lambda[3][3], double L,
                               double E, double A, double Iz, double Iy, double s, double out[3]);

  // Where the load's values change their law along the bar, as distances from the start
  // node after the range rules: a point load's position (jump = true: the internal forces
  // jump there) or a line load's two ends. Returns how many of at[0..1] were set; 0 when
  // the load gives nothing.
  static int LawChanges(const FEM_Elementtikuorma& load, double L, double at[2], bool& jump);

  // --- the matching loads of a vector: case number, kind 2 and bar number ---
  static void EquivalentNodalLoads(const FEM_KuormaVektori& loads, int bar, int caseNumber,
                                   const double lambda[3][3], double L, double F[12]);
  static void AddInternalForces(const FEM_KuormaVektori& loads, int bar, int caseNumber,
                                const double lambda[3][3], double L, QELvektori& points);
  static void AddDisplacements(const FEM_KuormaVektori& loads, int bar, int caseNumber,
                               const double lambda[3][3], double L, double E, double A, double Iz,
                               double Iy, QELvektori& points);
  // The same over the given records of the vector, in that order: the caller has matched
  // them (a solution groups its loads by bar and case once).
  static void EquivalentNodalLoadsOfRecords(const FEM_KuormaVektori& loads, const int* records,
                                            int count, const double lambda[3][3], double L,
                                            double F[12]);
  static void AddInternalForcesOfRecords(const FEM_KuormaVektori& loads, const int* records,
                                         int count, const double lambda[3][3], double L,
                                         QELvektori& points);
  static void AddDisplacementsOfRecords(const FEM_KuormaVektori& loads, const int* records,
                                        int count, const double lambda[3][3], double L, double E,
                                        double A, double Iz, double Iy, QELvektori& points);
  // Sums q1 of the node point loads at node in the case, by direction 1..6.
  static void NodeLoads(const FEM_KuormaVektori& loads, int node, int caseNumber, double out[6]);
  // The load of record i of the vector.
  static FEM_Elementtikuorma LoadOf(const FEM_KuormaVektori& loads, int i);

  // --- the loads of one bar and case given as they stand, in order (a solution keeps
  // them so, bar by bar), evaluated at count positions xi along the bar (0..1; others are
  // left alone) into values: point k at values[k * 6] (N, Vy, Vz, Mx, My, Mz) or
  // values[k * 3] (ux, uy, uz). The same numbers as the calls above.
  static void EquivalentNodalLoads(const FEM_Elementtikuorma* loads, int loadCount,
                                   const double lambda[3][3], double L, double F[12]);
  static void SetEndForceParts(const double f[12], double L, const double* xi, int count,
                               double* values);
  static void AddInternalForces(const FEM_Elementtikuorma* loads, int loadCount,
                                const double lambda[3][3], double L, const double* xi, int count,
                                double* values);
  static void SetEndDisplacementParts(const double u[12], double L, const double* xi, int count,
                                      double* values);
  static void AddDisplacements(const FEM_Elementtikuorma* loads, int loadCount,
                               const double lambda[3][3], double L, double E, double A, double Iz,
                               double Iy, const double* xi, int count, double* values);

  // --- the parts that come from the bar ends ---
  // Sets the six values of every point from the end forces f (forces the nodes exert on
  // the bar): N = f1, Vy = f2, Vz = f3, Mx = f4, My = f5 + s f3, Mz = -f6 + s f2.
  static void SetEndForceParts(const double f[12], double L, QELvektori& points);
  // Sets the three values of every point from the local end displacements u by the
  // linear (axial) and cubic (bending) shape functions.
  static void SetEndDisplacementParts(const double u[12], double L, QELvektori& points);
};
