// What the command-line designer prints for --sweep: the table, or its rows as JSON.
#pragma once

#include <iosfwd>
#include <string>

class QELVUX_data;

namespace qv {
struct SectionSweep;

// {"sortedBy": "mass"|"area", "lightestPassing": name or null, "rows": [...]}, each row with
// its name, library, area, mass per metre (null when unknown), utilisation, governing check
// and combination, whether every check ran, whether it passes and whether it is the lightest
// passing one.
std::string SweepJson(const SectionSweep& sweep);

// --sweep and --lightest on a project whose analysis is current: designs every section; with
// lightest the lightest passing one becomes the project's section (named on err when the
// table or JSON goes to out, else on out), or the message says why none passes; with table
// the table (or with json its JSON) goes to out. Returns 0 when a section passes, 1 when
// none does, 2 when the analysis or the choice failed.
int SweepAndChoose(QELVUX_data& project, bool table, bool lightest, bool allLibraries, bool json,
                   std::ostream& out, std::ostream& err);

}  // namespace qv
