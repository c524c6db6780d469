// The design chapter of the printable report as plain UTF-8 lines.
#pragma once

#include <string>
#include <vector>

#include "design/DesignResults.h"

class QELVUX_data;

namespace qv {

// The report's own switches for the design chapter.
struct DesignReportOptions {
  bool stability = false;     // "Nurjahdus/kiepahduskert."
  bool designValues = false;  // "Materiaalin laskenta-arvot"
};
// The two switches from the project's report switches.
DesignReportOptions DesignReportOptionsOf(const QELVUX_data& project);

// Lines of the design chapter, tabs as '\t': the heading with the design code and the
// overall utilisation, the stress group (force maxima whatever the info display) and the
// deflection group with the allowed deflections. The headings whose values are known only
// at the end are written with their final texts.
std::vector<std::string> WriteDesignReport(const DesignResults& results,
                                           const DesignReportOptions& options);
// Runs the checks on the project's current analysis and writes the chapter.
std::vector<std::string> WriteDesignReport(const QELVUX_data& project);

// The allowed deflections of one direction (2 = y, 3 = z): the heading and one line per
// condition with a limit; nothing when the direction has no limit.
std::vector<std::string> AllowedDeflectionLines(const MitoitusAsetukset& settings, DesignCode code,
                                                int direction);

}  // namespace qv
