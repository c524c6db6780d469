// How a load's direction and value are shown: stored values are N and mm, the user sees kN
// and m; direction codes have their names.
#pragma once

#include <string>

#include "model/Kinds.h"

class KuormaVektori;

namespace qv {

// Direction codes: 1..3 force along, 4..6 moment about global axis X, Y, Z; negative the
// same about the member's local axes.

// Force or moment, in the order of the load dialog's type list.
constexpr int kKuormaForce = 0;
constexpr int kKuormaMoment = 1;

// Direction code of type and direction item: 3t + d + 1 for items 0..2 (global axes),
// 2 - 3t - d for items 3..5 (local axes, negative). 0 for anything else.
int KuormaDirectionCode(int type, int direction);
// Type and direction item of a code; false (force in Y) for a code that is no direction.
bool KuormaDirectionFromCode(int code, int& type, int& direction);

// Direction name index of a direction code: d - 1 for 1..6, |d| + 5 for -1..-6, -1 otherwise.
int DirectionNameIndex(int code);
// "FY (pääkoord)", "Mz (paikalliskoord)" ...; "" for a code that is no direction.
std::string DirectionTreeName(int code);
// "FY", "Mz" ...; "" for a code that is no direction.
std::string DirectionReportName(int code);

// A direction code above 3 in absolute value is a moment.
inline bool IsMomentDirection(int code) { return code > 3 || code < -3; }

// Stored value = shown value x factor: point 1000 (kN) / 1000000 (kNm), line 1 (kN/m) /
// 1000 (kNm/m), surface 0.001 (kN/m2) / 1 (kNm/m2).
double LoadUnitFactor(LoadKind kind, bool moment);
// The stored value of load kind and direction in the units shown to the user.
double ShownLoadValue(LoadKind kind, int direction, double stored);

// A stored value as the user reads it, with its unit: "-0.05 kN/m", "12.0 kN", "3.000 kNm".
// Forces keep three significant digits at the least, so that a small load does not read as
// a rounder one.
std::string LoadValueText(LoadKind kind, int direction, double stored);

// Load i's intensity: "-2.0 kN/m" when even, "-1.0 … -2.0 kN/m" when it varies; a point
// load's force or moment.
std::string LoadIntensityText(const KuormaVektori& loads, int i);

}  // namespace qv
