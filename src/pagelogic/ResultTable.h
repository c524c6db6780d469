// The value table of a diagram (TulosTaulukkoRE) as plain lines, with its two row selections.
#pragma once

#include <string>
#include <vector>

#include "pagelogic/ResultCurves.h"

namespace qv {

// All values: every point, but not a point whose x (within 1e-8) and values (within 0.00001)
// repeat the row before it. Indices into the curves' points, in order.
std::vector<int> AllValueRows(const ResultCurves& curves);

// Only maxima: every point standing at a position of interest of some curve group, but not a
// point whose x and values repeat the row before within 1e-8.
std::vector<int> MaximumRows(const ResultCurves& curves);

// The header "X [mm]\tArvo [kNm]" or "X [mm]\tU1 [mm]\tU2 [mm]" ...
std::string ResultTableHeader(const ResultCurves& curves);
// One row: x "%.0f", then each value "%.3f" (forces) or "%.2f" (displacements).
std::string ResultTableRow(const ResultCurves& curves, int point);

// The table as the page shows it: the title, the foot text when there is one, the legend of
// the displacement curves, an empty line, the header and the rows of the chosen selection
// (showAll: kShowAll or kShowMaxima). Tabs are literal.
std::vector<std::string> ResultTableLines(const ResultCurves& curves, int showAll);

}  // namespace qv
