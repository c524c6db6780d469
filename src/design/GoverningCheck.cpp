// The governing check of a design, named in the words of the design page.
#include "design/GoverningCheck.h"

#include <algorithm>

#include "design/DesignLines.h"
#include "design/FloorVibration.h"

namespace qv {
namespace {

void Consider(double u, const std::string& check, const std::string& combination,
              GoverningCheck& g) {
  if (u > g.utilisation) g = {check, combination, u};
}
void Consider(double u, const std::string& check, const CombinationDesign& comb,
              GoverningCheck& g) {
  Consider(u, check, comb.name, g);
}

// "Ominaistaajuus (7.3): f1 = ..." names "Ominaistaajuus (7.3)".
std::string VibrationCheckName(const std::string& line) {
  const std::size_t clause = line.find("(7.3)");
  return clause == std::string::npos ? line : line.substr(0, clause + 5);
}

// The design page's line is "name = value (u %)"; the name is what tells the checks apart.
std::string CheckName(const std::string& line) { return line.substr(0, line.find(" = ")); }

}  // namespace

GoverningCheck FindGoverningCheck(const DesignResults& r) {
  GoverningCheck g;
  // The first of the largest governs, so a combination whose lines cannot exceed the largest
  // found before it, nor reach the largest deflection after it, cannot govern: its lines,
  // numbers written as text, are not written.
  double deflections = 0.0;
  for (const CombinationDesign& comb : r.deflection) {
    for (std::size_t s = 0; s < comb.utilY.size() && s < comb.utilZ.size(); ++s)
      deflections = std::max({deflections, comb.utilY[s], comb.utilZ[s]});
  }
  for (const CombinationDesign& comb : r.stress) {
    if (comb.ec5) {
      for (const Ec5CheckResult& c : comb.ec5Checks.results)
        Consider(c.utilisation,
                 std::string(Ec5CheckName(c.check)) + " (" + Ec5Clause(c.check) + ")", comb, g);
      continue;
    }
    const double bound = StressLinesUtilisationBound(comb);
    if (bound <= g.utilisation || bound < deflections) continue;
    for (const DesignLine& line : StressLines(r, comb, DesignLineStyle::kTree))
      if (line.kind == DesignLineKind::kUtilisation)
        Consider(line.utilisation, CheckName(line.text), comb, g);
  }
  for (const CombinationDesign& comb : r.deflection) {
    for (std::size_t s = 0; s < comb.utilY.size() && s < comb.utilZ.size(); ++s) {
      const std::string span = ", aukko " + std::to_string(s + 1);
      Consider(comb.utilY[s], "Siirtymä y" + span, comb, g);
      Consider(comb.utilZ[s], "Siirtymä z" + span, comb, g);
    }
  }
  if (r.vibrationOn && r.vibration.ran) {
    for (const FloorVibrationSpan& s : r.vibration.spans) {
      if (s.cantilever) continue;
      for (const FloorVibrationLine& line : FloorVibrationLines(s.result, s.input))
        Consider(line.utilisation,
                 VibrationCheckName(line.text) + ", aukko " + std::to_string(s.span),
                 "Värähtelytarkastelu", g);
    }
  }
  return g;
}

}  // namespace qv
