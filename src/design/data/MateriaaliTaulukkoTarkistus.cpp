// Checks the values of the chosen material in a table: every one a design may ask for is there and
// plausible.
#include <cmath>
#include <cstdio>

#include "design/data/MateriaaliTiedot.h"
#include "model/NumberText.h"

namespace {

// Plausible bounds of the table values: strengths and moduli in MPa, the factors.
constexpr double kMaxStrength = 500.0;
constexpr double kMaxModulus = 100000.0;
constexpr double kMaxKmod = 2.0;
constexpr double kMaxKdef = 10.0;

bool IsModulus(int q) {
  return q == DesignValues::kModulusStrength || q == DesignValues::kModulusDeflection;
}

}  // namespace

std::string MateriaaliTiedot::SelectionProblem(qv::DesignCode code) const {
  const CSVTiedosto& t = Table(code);
  const std::string file = kFileNames[IndexOf(code)];
  const int durations = t.LineCount(kDurationSection);
  const int moistures = t.LineCount(kMoistureSection);
  const int materials = t.LineCount(kMaterialSection);
  if (durations < 1 || moistures < 1 || materials < 1)
    return file + " puuttuu tai siitä puuttuvat aikaluokat, kosteusluokat tai materiaalit";
  const int material = Material(code), moisture = MoistureClass(code);
  if (material < 1 || material > materials)
    return file + ": materiaalia " + std::to_string(material) + " ei ole taulukossa";
  if (moisture < 1 || moisture > moistures)
    return file + ": kosteusluokkaa " + std::to_string(moisture) + " ei ole taulukossa";
  // Field `field` of a line of `fields` within (0, high] ([0, high] when zero is allowed).
  auto check = [&](int section, int line, int fields, int field, double high, bool zeroAllowed,
                   const char* what) -> std::string {
    double v = 0.0;
    const Read r = ReadField(code, section, line, fields, field, v);
    // Every design asks this of each value: the place is written only for a problem.
    if (r == Read::kOk && std::isfinite(v) && v <= high && (v > 0.0 || (zeroAllowed && v == 0.0)))
      return std::string();
    char where[64];
    std::snprintf(where, sizeof where, ", osa %d, rivi %d: ", section, line);
    if (r == Read::kMissing) return file + where + what + " puuttuu";
    if (r == Read::kBad) return file + where + what + ": rivi ei ole luettavissa";
    if (!std::isfinite(v) || v > high || v < 0.0 || (!zeroAllowed && v == 0.0))
      return file + where + what + " " + qv::FormatFixed(v, 3) + " ei ole uskottava (enintään " +
             qv::FormatFixed(high, 0) + ")";
    return std::string();
  };
  std::string problem;
  for (int d = 1; d <= durations && problem.empty(); ++d) {
    // Only the allowable-stress table has a line per duration and moisture class.
    const bool perDuration = code == qv::DesignCode::kAllowableStress;
    const int line = perDuration ? moisture + moistures * (d - 1) : 1;
    // The other tables' one line was checked with the first duration class.
    for (int q = 1; q <= DesignValues::kCount && problem.empty() && (perDuration || d == 1); ++q) {
      problem = check(kQuantityBase + q, line, materials, material,
                      IsModulus(q) ? kMaxModulus : kMaxStrength, false,
                      IsModulus(q) ? "kimmomoduuli" : "lujuus");
    }
    switch (code) {
      case qv::DesignCode::kAllowableStress:
        break;
      case qv::DesignCode::kLimitState:
        if (problem.empty())
          problem = check(kKmodBase + 1, d, moistures, moisture, kMaxKmod, false, "kmod");
        if (problem.empty())
          problem =
              check(kKmodBase + 2, d, moistures, moisture, kMaxKmod, false, "taipuman kerroin");
        break;
      case qv::DesignCode::kEc5Env:
      case qv::DesignCode::kEc5:
        if (problem.empty())
          problem = check(Ec5FactorSection(code, kKmodBase, material), d, moistures, moisture,
                          kMaxKmod, false, "kmod");
        if (problem.empty())
          problem = check(Ec5FactorSection(code, kKdefBase, material), d, moistures, moisture,
                          kMaxKdef, true, "kdef");
        break;
    }
  }
  // Code 4 also needs its family factors (gamma_M, kh, beta_c, kcr, km) and densities.
  if (problem.empty() && code == qv::DesignCode::kEc5) problem = Ec5ExtraProblem();
  return problem;
}
