// JSON of the sweep over every section of the library.
#include "cli/CliSweep.h"

#include <ostream>

#include "cli/CliJson.h"
#include "cli/CommandLineDesigner.h"
#include "design/SectionSweep.h"
#include "pagelogic/SweepTable.h"

namespace qv {

std::string SweepJson(const SectionSweep& sweep) {
  std::string j = "{\n";
  j += std::string("  \"sortedBy\": ") + (sweep.byMass ? "\"mass\"" : "\"area\"") + ",\n";
  j += "  \"lightestPassing\": " +
       (sweep.lightest >= 0 ? JsonString(sweep.rows[static_cast<std::size_t>(sweep.lightest)].name)
                            : std::string("null")) +
       ",\n";
  j += "  \"rows\": [";
  for (std::size_t i = 0; i < sweep.rows.size(); ++i) {
    const SweepRow& r = sweep.rows[i];
    j += std::string(i ? "," : "") + "\n    {\"name\": " + JsonString(r.name) +
         ", \"library\": " + JsonString(r.library) + ", \"index\": " + std::to_string(r.index) +
         ", \"area\": " + JsonNumber(r.area) +
         ", \"massPerMetre\": " + (r.massPerMetre ? JsonNumber(*r.massPerMetre) : "null") +
         (r.ownWeight ? ", \"ownWeight\": " + JsonNumber(*r.ownWeight) : std::string()) +
         ", \"utilisation\": " + JsonNumber(r.utilisation) +
         ", \"governingCheck\": " + JsonString(r.governingCheck) +
         ", \"governingCombination\": " + JsonString(r.governingCombination) +
         ", \"allChecksRan\": " + (r.allChecksRan ? "true" : "false") +
         (r.notRun.empty() ? std::string() : ", \"notRun\": " + JsonString(r.notRun)) +
         ", \"passes\": " + (r.Passes() ? "true" : "false") +
         ", \"lightestPassing\": " + (r.lightestPassing ? "true" : "false") + "}";
  }
  j += sweep.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return j;
}

int SweepAndChoose(QELVUX_data& project, bool table, bool lightest, bool allLibraries, bool json,
                   std::ostream& out, std::ostream& err) {
  const SectionSweep sweep = SweepSections(project, allLibraries);
  if (sweep.analysisStatus != 0) {
    err << "qelvux-cli: laskenta epäonnistui.\n";
    return kCliError;
  }
  if (lightest) {
    if (sweep.lightest < 0) {
      err << NoPassingSectionText(sweep) << "\n";
    } else {
      const SweepRow& row = sweep.rows[static_cast<std::size_t>(sweep.lightest)];
      if (ChooseSweepRow(project, row) != 0) {
        err << "qelvux-cli: kirjastoa " << row.libraryPath << " ei voitu lukea.\n";
        return kCliError;
      }
      (table || json ? err : out) << "Poikkileikkaus: " << row.name << " (" << row.library << ")\n"
                                  << OwnWeightLine(project);
    }
  }
  if (table) {
    if (json) {
      out << SweepJson(sweep);
    } else {
      for (const std::string& line : SweepTableLines(sweep)) out << line << "\n";
      if (sweep.lightest < 0 && !lightest) err << NoPassingSectionText(sweep) << "\n";
    }
  }
  return sweep.lightest >= 0 ? kCliPass : kCliFail;
}

}  // namespace qv
