// The load block of the report ("KUORMITUSTIEDOT:" and "KUORMITUSYHDISTELMÄT:") as plain lines.
#pragma once

#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

// Every load case with its loads by kind (whatever case the page shows), then every
// combination with its formula line. Tabs are literal; the block has no closing rule.
std::vector<std::string> LoadReportLines(const QELVUX_data& project);

// The formula of combination c: "1.20*Omapaino + 1.60*Hyötykuorma - 0.50*Tuuli", or
// "(Yhdistelmä ei sisällä yhtään kuormitustapausta!)" when no factor is nonzero.
std::string CombinationFormula(const QELVUX_data& project, int combination);

}  // namespace qv
