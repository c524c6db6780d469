// The floor vibration check (design code 4, EN 1995-1-1 7.3) fed from the project record: the
// joists' stiffness from the chosen section and material, the spacing from the gathering
// width, each span between two supports checked as simply supported.
#pragma once

#include <string>
#include <vector>

#include "design/FloorVibration.h"

class QELVUX_data;

namespace qv {

struct FloorVibrationSpan {
  int span = 0;  // 1-based, as the spans of the other checks
  double x1 = 0.0, x2 = 0.0;
  bool cantilever = false;  // a free end: not checked
  FloorVibrationInput input;
  FloorVibrationResult result;
};

struct FloorVibrationDesign {
  bool ran = false;
  std::string notRun;    // why nothing was checked
  double eMean = 0.0;    // E0,mean, N/mm²
  double inertia = 0.0;  // I, mm⁴
  double mass = 0.0;     // m used, kg/m²
  bool massDerived = false;
  double permanentLoad = 0.0;  // derived mass: the permanent loads, kN/m of member
  int supportedSpans = 0;      // spans between two supports
  std::vector<FloorVibrationSpan> spans;

  double Largest() const;
};

// Imposed load Finnish practice adds to the derived mass, kg/m².
constexpr double kVibrationImposedMass = 30.0;
constexpr double kGravity = 9.81;

// Derived mass: the permanent loads per metre of member (the load cases of category G, as
// their vertical support reactions over the member length) over the spacing and g, plus the
// imposed mass. permanentLoad receives the load in kN/m.
double DerivedFloorMass(double permanentLoadPerMetre, double spacing);

// Runs the check on the project's current analysis and section; ran = false with notRun
// when the section, the material's E0,mean, the spacing or the analysis is missing.
FloorVibrationDesign CheckProjectFloorVibration(const QELVUX_data& project);

// The settings and values the spans share, for the report: B, (EI)_B, (EI)_l, m and how it
// was derived, zeta, b_v, the limits; the note on several spans.
std::vector<std::string> FloorVibrationInputLines(const FloorVibrationDesign& d);
// Said of a member with several spans.
constexpr const char* kSeveralSpansNote =
    "Jokainen aukko on tarkasteltu vapaasti tuettuna (jatkuvalla palkilla likimääräinen, "
    "varmalla puolella oleva tarkastelu)";
// Said of a span with a free end.
constexpr const char* kCantileverNote = "uloke, ei tarkasteltu";

}  // namespace qv
