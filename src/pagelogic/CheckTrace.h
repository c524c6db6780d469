// Traceable checks for the calculation document: each check of a combination as its formula
// with the numbers put in, the design strengths with their factors, and the source values.
#pragma once

#include <string>
#include <vector>

#include "design/DesignResults.h"

class QELVUX_data;

namespace qv {

// Design code 4 with a rectangular section: the design strengths of the combination's
// duration class as kmod · kh · Xk / gamma_M with the numbers, then each check that arose
// (shear, tension, compression, bending, lateral-torsional buckling) at its governing point
// with the stresses from the forces there and the ratio it gives. Interactions with
// compression and torsion get their clause and utilisation only. Nothing for the other codes
// or when the combination's checks did not run.
std::vector<std::string> CheckTraceLines(const QELVUX_data& project, const DesignResults& results,
                                         const CombinationDesign& comb);

// "LÄHTÖARVOT:": material, service or moisture class, section and the files the values come
// from (the code's material table, the section library).
std::vector<std::string> SourceValueLines(const QELVUX_data& project);

}  // namespace qv
