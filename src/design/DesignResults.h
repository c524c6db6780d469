// Results of the whole design of a project, gathered once and turned into tree and report lines.
#pragma once

#include <string>
#include <vector>

#include "design/CheckRowVektori.h"
#include "design/Ec5Checks.h"
#include "design/FloorVibrationDesign.h"
#include "design/data/DesignValues.h"
#include "design/data/MitoitusAsetukset.h"
#include "model/QELvektori.h"

class QELVUX_data;

namespace qv {

// One combination of design kind stresses or deflections with its check results.
struct CombinationDesign {
  int index = -1;  // combination index; "Ei mitoitusta" ones are counted too
  CombinationKind kind = CombinationKind::kStress;
  std::string name;           // header name, e.g. "KY1"
  std::string durationName;   // name of the combination's duration class
  double ownLimit = 0.0;      // the combination's own allowed deflection in mm, 0 when none
  bool ec5 = false;           // design code 4: its stresses are checked into ec5Checks
  Ec5MemberChecks ec5Checks;  // code 4, stresses: each check with its clause, per span stability
  std::vector<Ec5BearingResult> ec5Bearing;  // code 4, stresses: least bearing lengths (6.1.5)
  CheckRowVektori checks;     // stresses: the check rows; empty when the checks could not run
  QELvektori spans;           // deflections: one deflection row per span; empty likewise
  std::vector<double> utilY;  // deflections: utilisation (%) of each span row in y and z
  std::vector<double> utilZ;
  std::string notRun;  // why the checks could not run, when it is known

  // The checks ran and every number they gave is a number.
  bool Ran() const;
};

// Everything the design tree and the design report show.
struct DesignResults {
  DesignCode code = DesignCode::kLimitState;
  int infoDisplay = 0;
  int treeExpansion = 0;
  MitoitusAsetukset settings;
  DesignValues characteristic;            // codes that have them, duration class of combination 0
  std::vector<CombinationDesign> stress;  // kind 1, in combination order
  std::vector<CombinationDesign> deflection;  // kind 2, in combination order
  std::vector<std::string> notes;             // what was not checked (UncheckedNotes)
  bool vibrationOn = false;                   // code 4 with the floor vibration check on
  FloorVibrationDesign vibration;             // its spans, when on

  // True when every combination of an enabled group could be checked and something was.
  bool AllChecksRan() const;
  // True when no combination was checked at all: no combination of an enabled kind, or
  // every check switched off.
  bool NothingChecked() const { return stress.empty() && deflection.empty() && !vibrationOn; }
};

// Runs the stress checks of every kind-1 combination (when stress checks are on) and the
// deflection checks of every kind-2 combination (when deflection checks are on), and for
// design code 4 the floor vibration check when it is on, on the project's current analysis
// and section, one after the other on the caller's thread.
DesignResults CollectDesignResults(const QELVUX_data& project);

}  // namespace qv
