// The Eurocode 5 checks (design code 4) of one combination fed from the project record and its
// analysis results.
#pragma once

#include "design/Ec5Checks.h"

class QELVUX_data;
class RakenneVektori;

namespace qv {

// The input of combination c (0-based): the chosen section, the design strengths of the
// combination's governing duration class (kmod of the service class, gamma_M and kh of the
// material's family), the stability settings with the Table 6.1 factor and load position, the
// spans and the sampled forces (kept in forces, which must outlive the input). False when c
// is no combination, no section is chosen, the analysis is not current or a table value is
// missing.
bool Ec5CheckInputOf(const QELVUX_data& project, int c, QELvektori& forces, Ec5CheckInput& in);

// Per support of the member, in its order (that of the reactions): whether it stands at an end
// of the member (lef = l + 30 mm in 6.1.5) rather than inside it (+ 60 mm).
std::vector<bool> EndSupports(const RakenneVektori& member);

// The checks of combination c, and the least bearing lengths (6.1.5) at the supports its
// reactions press on when the member is horizontal; false (both empty) when the checks
// cannot run.
bool CheckEc5Combination(const QELVUX_data& project, int c, Ec5MemberChecks& out,
                         std::vector<Ec5BearingResult>& bearing);

}  // namespace qv
