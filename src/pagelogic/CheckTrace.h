// Traceable checks for the calculation document: each check of a combination as its formula
// with the numbers put in, the design strengths with their factors, and the source values.
#pragma once

#include <string>
#include <vector>

#include "design/DesignResults.h"

class QELVUX_data;

namespace qv {

// The section and the design strengths of the combination's duration class with their factors
// (kmod, kh, gamma_M; code 1 the table value and its raise factor), the stability factors of
// each span (code 4), then each check the design chapter shows with a utilisation, at its
// governing point: the stresses from the forces there and the formula with the numbers put
// in, ending in that utilisation. Nothing when the combination's checks did not run.
std::vector<std::string> CheckTraceLines(const QELVUX_data& project, const DesignResults& results,
                                         const CombinationDesign& comb);

// "LÄHTÖARVOT:": material, service or moisture class, section and the files the values come
// from (the code's material table, the section library).
std::vector<std::string> SourceValueLines(const QELVUX_data& project);

}  // namespace qv
