// The support-reaction block of the report: every combination and every load case with its reaction
// table.
#pragma once

#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

// "TUKIREAKTIOT, KUORMITUSYHDISTELMÄT:" with a table per combination (switch "Tukireaktiot
// (KY)"), then "TUKIREAKTIOT, KUORMITUSTAPAUKSET:" with a table per load case (switch
// "Tukireaktiot (KT)"). A combination table gets the minimum support width after FY when the
// member is horizontal, the section rectangular, the combination one of stress checks and FY
// the only column. The analysis must be current; without it the tables have no rows.
std::vector<std::string> ReactionReportLines(const QELVUX_data& project);

// The same for one combination: "KY%d:\t(%s)" and its table, after the rule line.
std::vector<std::string> CombinationReactionLines(const QELVUX_data& project, int c);

}  // namespace qv
