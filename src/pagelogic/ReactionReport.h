// The support-reaction block of the report: every combination and every load case with its reaction
// table.
#pragma once

#include <string>
#include <vector>

#include "pagelogic/ReactionTable.h"

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

// The support column of combination c's reaction table, when it has one: a horizontal
// rectangular member, a stress combination, vertical reactions alone. Design code 4 gives the
// least contact length of 6.1.5 in it.
bool SupportColumnOf(const QELVUX_data& project, int c, const QELvektori& reactions,
                     SupportWidthInput& width);

}  // namespace qv
