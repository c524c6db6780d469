// The units a load is shown in: stored values are N and mm, the user sees kN and m.
#pragma once

#include <string>

#include "model/Kinds.h"

class KuormaVektori;

namespace qv {

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
