// What a design did not check, said in one information line each.
#pragma once

#include <string>
#include <vector>

#include "design/DesignResults.h"

class QELVUX_data;

namespace qv {

// The checks switched off (stresses, deflections; buckling of a member in compression, per
// direction; lateral-torsional buckling of a member in bending) and the load cases whose
// loads no combination of a checked kind takes with a factor: a designer must see what
// the utilisations leave out. Empty when everything was checked.
std::vector<std::string> UncheckedNotes(const QELVUX_data& project, const DesignResults& results);

// "Ei tarkastettu: <reason>" for a combination whose checks could not run.
std::string NotRunLine(const CombinationDesign& comb);

}  // namespace qv
