// Texts the load page's tree, report and dialog share: direction names, kind groups, duration
// classes, shown units.
#pragma once

#include <string>

#include "model/LoadUnits.h"

class QELVUX_data;

namespace qv {


// "PISTEKUORMAT:", "VIIVAKUORMAT:", "PINTAKUORMAT:".
std::string LoadKindGroupName(LoadKind kind);

// Name of the duration class of load case k under the project's design code: the first
// column of line class + 1 of the code's duration-class table; "" when there is none.
std::string CaseDurationClassName(const QELVUX_data& project, int loadCase);
// Name of 0-based duration class under the project's design code, "" when there is none.
std::string DurationClassNameOf(const QELVUX_data& project, int durationClass);

// Case name, a blank and "(class):", as the tree's case nodes and the report read.
std::string LoadCaseTitle(const QELVUX_data& project, int loadCase);

}  // namespace qv
