// Whether a project that reads well also holds together: loads, member points and combinations that
// belong.
#pragma once

#include <string>

class CSVTiedosto;
class QELVUX_data;

namespace qv {

// Largest magnitude of a load value (N, N·mm and per mm or mm²) a project may carry: the
// load dialog's 1 000 000 in its largest unit (kNm).
constexpr double kMaxLoadValue = 1e12;

// Checks the loads (section 501: an existing load case, a known kind and direction, a finite value
// within kMaxLoadValue, a position on the member), the member points (211: on the member) and the
// combinations (401: every row under a header, headers numbered from KY1 on without gaps, a known
// design kind, factors of existing load cases) of a project just read from file. Returns 0, or
// minus the section of the first line that does not belong with message "501, rivi 3: <why>
// (<line>)".
int CheckProjectMeaning(const QELVUX_data& project, const CSVTiedosto& file, std::string& message);

}  // namespace qv
