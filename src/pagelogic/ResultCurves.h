// The curves of one diagram (an internal force or the displacements along the member) and their
// positions of interest.
#pragma once

#include <string>
#include <vector>

#include "model/Kinds.h"

class QELVUX_data;

namespace qv {

// Everything the chart and the value table show of one diagram kind and choice, in the
// units shown (kNm, kN, mm); x in millimetres along the member.
struct ResultCurves {
  int kind = 0;
  DesignCode designCode = DesignCode::kLimitState;
  std::string unit;                 // "kNm", "kN" or "mm"
  std::string title;                // "Mz (Momentti) [kNm], KY1 (Jännitystarkastelu)"
  std::string footText;             // "" or the text telling that no combination exists
  std::vector<std::string> legend;  // displacements: what each curve is
  std::vector<std::string> names;   // column names: "Arvo", or "U1", "U2", or the three EC5 ones
  std::vector<double> x;            // sampling points, inner nodes twice
  std::vector<std::vector<double>> values;  // one per curve, each as long as x
  std::vector<double> memberPoints;         // sampled x of every support and hinge on the member

  int CurveCount() const { return static_cast<int>(values.size()); }
  int PointCount() const { return static_cast<int>(x.size()); }
};

// The kind's curves for the stored list position (the n-th combination of the kind's design
// kind): forces from MemberForces; displacements as U2,inst, U2,fin and Ufin under EC5 and as
// U1 and U2 otherwise. Without a combination or a valid analysis the curves are empty but the
// titles are there. A kind that is no diagram gives empty curves and titles.
ResultCurves BuildResultCurves(const QELVUX_data& project, int kind, int position);

// Curves sharing one set of positions of interest: the force curve alone; the first two
// displacement curves, and under EC5 the third one apart.
struct InterestGroup {
  std::vector<int> curves;
  std::vector<double> positions;  // sampled x values, ascending, distinct
};
// The first and last points, every strict local extremum of a curve of the group (for
// displacements only when its magnitude exceeds 0.0001 mm) and every member point.
std::vector<InterestGroup> InterestGroups(const ResultCurves& curves);

// True when x is one of the positions (exact, as they are sampled values).
bool IsPositionOf(const std::vector<double>& positions, double x);

}  // namespace qv
