// The structure block of the report ("RAKENNETIEDOT:") as plain lines.
#pragma once

#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

// The lines of the structure block, tabs literal: member, section, moisture class and
// material, the characteristic values (codes 2 and 3), the supports and the hinges.
std::vector<std::string> StructureReportLines(const QELVUX_data& project);

}  // namespace qv
