// Deflection checks: the largest displacements per span of a combination and their utilisation.
#pragma once

#include <string>
#include <vector>

#include "analysis/MemberResults.h"
#include "model/QELvektori.h"

class KuormaYhdVektori;
class QELVUX_data;
class RakenneVektori;
struct MitoitusAsetukset;

// One row per span of a QELvektori with eleven reals: the span ends, then the largest
// absolute displacement (mm) of set 1, 2 and 3 in the local directions x, y, z.
struct DeflectionRow {
  static constexpr int kX1 = 0;
  static constexpr int kX2 = 1;
  static constexpr int kFieldCount = 11;
  // Directions as the limits number them.
  static constexpr int kDirectionX = 1;
  static constexpr int kDirectionY = 2;
  static constexpr int kDirectionZ = 3;

  // Real field of set (1..3) in direction (1 = x, 2 = y, 3 = z); -1 outside.
  static int Field(int set, int direction) {
    if (set < 1 || set > 3 || direction < 1 || direction > 3) return -1;
    return 2 + 3 * (set - 1) + (direction - 1);
  }
};

// The switches of MemberDisplacements for one displacement set.
//   B10 codes:  set 1 = all loads ("tot"), set 2 = variable loads ("muuttuva");
//   EC5:        set 1 = variable, instantaneous; set 2 = variable, final;
//               set 3 = all loads, final.
struct DeflectionSet {
  int final = 0;
  int allLoads = 1;
};
int DeflectionSetCount(qv::DesignCode code);  // DeflectionConditionCount
DeflectionSet DeflectionSetSwitches(qv::DesignCode code, int set);

// A table point counts in a span when it lies within this of the span (the sampled x is
// summed from bar lengths between nodes written with three decimals).
constexpr double kSpanPointTolerance = 0.01;

// Clears rows and writes one row per span (neighbouring boundaries, ascending) with the
// per-set maxima of the given
// displacement tables (rows of x, ux, uy, uz, all with the same points). Sets beyond
// sets.size() (at most 3) stay 0. Returns the number of rows.
int SpanMaxima(const std::vector<double>& boundaries, const std::vector<const QELvektori*>& sets,
               QELvektori& rows);

// Clears rows; for a valid combination c and a current analysis fetches the two or three
// displacement sets of the code and writes one row per span, the spans being those of the
// stress checks (qv::SpanBoundaries). Returns the number of rows.
// Nothing is written when a loaded case of the combination has no stiffness (see
// MissingDeflectionStiffness, whose text goes to notRun when given): a deflection of 0 mm
// from a stiffness of 0 proves nothing.
int CollectDeflections(const MemberResultSource& source, int c, QELvektori& rows,
                       std::string* notRun = nullptr);
int CollectDeflections(const QELVUX_data& project, int c, QELvektori& rows);

// Why the deflections of combination c cannot be computed, in the program's words: no
// valid section, or no deflection modulus above 0 for the duration class of a case that
// carries loads and has a factor in the combination. Empty when they can.
std::string MissingDeflectionStiffness(const MemberResultSource& source, int c);

// A span is a cantilever span when one of its ends has no support within 0.1 mm.
bool IsCantileverSpan(const RakenneVektori& member, double x1, double x2);

// Utilisation (%) of row `row` in direction 2 (y) or 3 (z): against the combination's own
// allowed deflection when it has one (largest of the sets rated by the code), otherwise
// against the settings' limits with the cantilever raise factor on cantilever spans.
// 0 for a row or direction that does not exist.
double DeflectionSpanUtilisation(const MitoitusAsetukset& settings, qv::DesignCode code,
                                 const KuormaYhdVektori& combinations, int c,
                                 const RakenneVektori& member, const QELvektori& rows, int row,
                                 int direction);
// The same with the project's settings, code, combinations and member.
double DeflectionSpanUtilisation(const QELVUX_data& project, int c, const QELvektori& rows, int row,
                                 int direction);
