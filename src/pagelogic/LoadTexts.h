// Texts the load page's tree, report and dialog share: direction names, kind groups, duration classes, shown units.
#pragma once

#include <string>

class QELVUX_data;

namespace qv {

// Direction name index of a direction code: d - 1 for 1..6, |d| + 5 for -1..-6, -1 otherwise.
int DirectionNameIndex(int code);
// "FY (pääkoord)", "Mz (paikalliskoord)" ...; "" for a code that is no direction.
std::string DirectionTreeName(int code);
// "FY", "Mz" ...; "" for a code that is no direction.
std::string DirectionReportName(int code);

// A direction code above 3 in absolute value is a moment.
inline bool IsMomentDirection(int code) { return code > 3 || code < -3; }

// "PISTEKUORMAT:", "VIIVAKUORMAT:", "PINTAKUORMAT:" for kinds 1..3, "" otherwise.
std::string LoadKindGroupName(int kind);

// Stored value = shown value x factor: point 1000 (kN) / 1000000 (kNm), line 1 (kN/m) /
// 1000 (kNm/m), surface 0.001 (kN/m2) / 1 (kNm/m2). 1 for an unknown kind.
double LoadUnitFactor(int kind, bool moment);
// The stored value of load kind and direction in the units shown to the user.
double ShownLoadValue(int kind, int direction, double stored);

// Name of the duration class of load case k under the project's design code: the first
// column of line class + 1 of the code's duration-class table; "" when there is none.
std::string CaseDurationClassName(const QELVUX_data& project, int loadCase);
// Name of 0-based duration class under the project's design code, "" when there is none.
std::string DurationClassNameOf(const QELVUX_data& project, int durationClass);

// Case name, a blank and "(class):", as the tree's case nodes and the report read.
std::string LoadCaseTitle(const QELVUX_data& project, int loadCase);

}  // namespace qv
