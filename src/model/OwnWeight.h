// The member's own weight as a setting of the loads: on or off, the density used where the
// material table gives none, and the load case that carries it.
#pragma once

namespace qv {

// Used where the material table gives no density: at or above the mean density of every
// sawn strength class C14-C40 (EN 338) and glulam class GL20h-GL32h (EN 14080), so that the
// weight of a member of unknown class is not underestimated.
constexpr double kDefaultOwnWeightDensity = 500.0;  // kg/m3
constexpr double kOwnWeightDensityMin = 100.0;
constexpr double kOwnWeightDensityMax = 2000.0;
constexpr double kOwnWeightGravity = 9.81;  // m/s2

// The weight is never one of the load records: it is added when the analysis input is made,
// so that it always follows the section and the material.
struct OwnWeightSetting {
  bool on = false;
  double density = kDefaultOwnWeightDensity;  // kg/m3
  int loadCase = -1;                          // chosen case; -1 = the first permanent one
};

// g·rho·A in N/mm for a density in kg/m3 and an area in mm2: kg/m3 · m/s2 = N/m3, times
// 1e-6 m2/mm2 gives N/m, times 1e-3 N/mm.
inline double OwnWeightLineLoad(double density, double area) {
  return density * kOwnWeightGravity * area * 1e-9;
}

}  // namespace qv
