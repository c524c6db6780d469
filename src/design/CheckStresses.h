// Stress and stability checks of the member for one load combination, written as check rows.
#pragma once

#include <vector>

#include "design/CheckRowVektori.h"
#include "design/StabilityFactors.h"
#include "design/data/DesignValues.h"
#include "model/QELvektori.h"

class QELVUX_data;
class RakenneVektori;

namespace qv {

// Everything one run of the checks reads, gathered from the project (or built by hand).
struct StressCheckInput {
  StabilityContext context;  // design code, material type, design settings
  SectionSize section;
  DesignValues values;                 // design values of the combination's duration class
  std::vector<double> spanBounds;      // ascending: 0, the supports, the member length
  const QELvektori* forces = nullptr;  // rows x, N, Vy, Vz, Mx, My, Mz (N, Nmm)
};

// Where one check found its largest utilisation: the row of the forces table and the stability
// factors of the span it was examined in (1 where a check is off). found is false when the
// check never rose above 0.
struct StressCheckPoint {
  bool found = false;
  int row = -1;
  int span = 0;
  double kcritY = 1.0, kcritZ = 1.0;
  double ky = 1.0, kz = 1.0;
};

// The governing points of the checks, for writing each out with its numbers.
struct StressCheckPoints {
  StressCheckPoint shear, torsion, tension, compression, bending, bendingTension,
      bendingCompression;
};

// Span boundaries of the member: 0, its length and the x of every support inside it,
// ascending and without repeats.
std::vector<double> SpanBoundaries(const RakenneVektori& member);

// Code, material type and settings of the project.
StabilityContext StabilityContextOf(const QELVUX_data& project);

// Clears rows and writes the check rows: per span 31, 21, 22, 23 as they apply, then 1, 8,
// 2, 3, 4, 5, 6, 7 (B10 codes, slenderness above 170 only), 11 to 16 and 41 to 49.
// Nothing is written when the section is not valid, a design value is not above 0, the
// values are not all above 0 or there are no forces or spans. Returns the number of rows.
// When points is given it receives where each check governs.
int CheckStresses(const StressCheckInput& input, CheckRowVektori& rows,
                  StressCheckPoints* points = nullptr);

// The input of combination c (0-based) of the project, its forces kept in forces (which must
// outlive the input): false when c is no combination, no section is chosen, a design value is
// missing or the analysis is not current.
bool StressCheckInputOf(const QELVUX_data& project, int c, QELvektori& forces,
                        StressCheckInput& in);

// The same for combination c (0-based) of the project: nothing when c is no combination,
// no section is chosen, a design value is missing or the analysis is not current. Whether
// the material table holds plausible values is asked once per design (CollectDesignResults).
int CheckStresses(const QELVUX_data& project, int c, CheckRowVektori& rows);

}  // namespace qv
