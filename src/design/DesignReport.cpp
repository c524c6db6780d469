// Writes the design chapter of the report from the checks of every combination.
#include "design/DesignReport.h"

#include <algorithm>

#include "design/Deflections.h"
#include "design/DesignLines.h"
#include "design/UncheckedNotes.h"
#include "model/NumberText.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

const char* const kDoubleRule = "====================================";
const char* const kRule = "------------------------------------";

// Lines with placeholders: a heading is written first and replaced once its value is known.
class ReportWriter {
 public:
  explicit ReportWriter(std::vector<std::string>& lines) : lines_(lines) {}
  int Add(const std::string& text) {
    lines_.push_back(text);
    return static_cast<int>(lines_.size()) - 1;
  }
  void Replace(int i, const std::string& text) { lines_[static_cast<std::size_t>(i)] = text; }

 private:
  std::vector<std::string>& lines_;
};

bool Shown(DesignLineKind kind, const DesignReportOptions& options) {
  switch (kind) {
    case DesignLineKind::kUtilisation:
    case DesignLineKind::kForceMax:
      return true;
    case DesignLineKind::kStability:
      return options.stability;
    default:
      return options.designValues;
  }
}

double WriteStressGroup(const DesignResults& r, const DesignReportOptions& options,
                        ReportWriter& out) {
  out.Add(kDoubleRule);
  const int heading = out.Add("MITOITUS, JÄNNITYSTARKASTELUT:");
  double group = 0.0;
  for (const CombinationDesign& comb : r.stress) {
    const int name = out.Add(comb.name);
    out.Add(kRule);
    const std::vector<DesignLine> lines = StressLines(r, comb, DesignLineStyle::kReport);
    for (const DesignLine& line : lines) {
      if (Shown(line.kind, options)) out.Add(line.text);
    }
    if (!comb.Ran()) out.Add(NotRunLine(comb));
    const double u = LargestUtilisation(lines);
    out.Replace(name, CombinationHeading(comb, u));
    group = std::max(group, u);
  }
  out.Replace(heading, "MITOITUS, JÄNNITYSTARKASTELUT: (KA = " + FormatFixed(group, 0) + " %)");
  return group;
}

double WriteDeflectionGroup(const DesignResults& r, ReportWriter& out) {
  out.Add(kDoubleRule);
  const int heading = out.Add("MITOITUS, SIIRTYMÄTARKASTELUT:");
  out.Add(kRule);
  for (int direction : {MitoitusAsetukset::kDirectionY, MitoitusAsetukset::kDirectionZ}) {
    for (const std::string& line : AllowedDeflectionLines(r.settings, r.code, direction))
      out.Add(line);
  }
  double group = 0.0;
  for (const CombinationDesign& comb : r.deflection) {
    const int name = out.Add(comb.name);
    out.Add(kRule);
    for (int s = 0; s < comb.spans.Count(); ++s) {
      out.Add(SpanHeading(s + 1, comb.spans.GetReal(s, DeflectionRow::kX1),
                          comb.spans.GetReal(s, DeflectionRow::kX2)));
      const double uy = comb.utilY[static_cast<std::size_t>(s)];
      const double uz = comb.utilZ[static_cast<std::size_t>(s)];
      if (uy > 0.0) out.Add(DeflectionLine(r.code, DeflectionRow::kDirectionY, comb.spans, s, uy));
      if (uz > 0.0) out.Add(DeflectionLine(r.code, DeflectionRow::kDirectionZ, comb.spans, s, uz));
    }
    if (!comb.Ran()) out.Add(NotRunLine(comb));
    const double u = DeflectionCombinationUtilisation(comb);
    out.Replace(name, CombinationHeading(comb, u));
    group = std::max(group, u);
  }
  out.Replace(heading, "MITOITUS, SIIRTYMÄTARKASTELUT: (KA = " + FormatFixed(group, 0) + " %)");
  return group;
}

// Code 4's floor vibration after the deflections: what the spans share, then each span.
double WriteVibrationGroup(const DesignResults& r, ReportWriter& out) {
  const FloorVibrationDesign& v = r.vibration;
  out.Add(kDoubleRule);
  const int heading = out.Add("MITOITUS, VÄRÄHTELYTARKASTELU (7.3):");
  out.Add(kRule);
  if (!v.ran) {
    out.Add("Ei tarkastettu: " + v.notRun);
    return 0.0;
  }
  for (const std::string& line : FloorVibrationInputLines(v)) out.Add(line);
  for (const FloorVibrationSpan& s : v.spans) {
    const std::string title = SpanHeading(s.span, s.x1, s.x2);
    if (s.cantilever) {
      out.Add(title + ": " + kCantileverNote);
      continue;
    }
    out.Add(title + ", l = " + FormatFixed(s.input.span, 3) + " m");
    for (const FloorVibrationLine& line : FloorVibrationLines(s.result, s.input))
      out.Add(line.text);
  }
  const double u = v.Largest();
  out.Replace(heading, "MITOITUS, VÄRÄHTELYTARKASTELU (7.3): (KA = " + FormatFixed(u, 0) + " %)");
  return u;
}

std::string ConditionLabel(DesignCode code, int condition) {
  if (code == DesignCode::kEc5) {
    // The three deflections of EN 1995-1-1 2.2.3 and 7.2.
    if (condition == 1) return "Hetkellinen taipuma w_inst:\t";
    if (condition == 2) return "Lopullinen nettotaipuma w_net,fin:\t";
    return "Lopullinen taipuma w_fin:\t";
  }
  if (condition != 1 && condition != 2) return "Kaikki kuormat, lopullinen:\t";
  switch (code) {
    case DesignCode::kAllowableStress:
    case DesignCode::kLimitState:
      return condition == 1 ? "Kaikki kuormat:\t" : "Muuttuvat kuormat:\t";
    case DesignCode::kEc5Env:
      return condition == 1 ? "Muuttuvat kuormat, hetkellinen:\t"
                            : "Muuttuvat kuormat, lopullinen:\t";
    case DesignCode::kEc5:
      break;
  }
  return std::string();
}

}  // namespace

DesignReportOptions DesignReportOptionsOf(const QELVUX_data& project) {
  DesignReportOptions o;
  o.stability = project.ReportSwitches[7] != 0;
  o.designValues = project.ReportSwitches[8] != 0;
  return o;
}

std::vector<std::string> AllowedDeflectionLines(const MitoitusAsetukset& settings, DesignCode code,
                                                int direction) {
  std::vector<std::string> lines;
  if (!HasDeflectionLimit(settings, code, direction, 0)) return lines;
  lines.push_back(direction == MitoitusAsetukset::kDirectionZ ? "Sallitut siirtymät (z-suunta):"
                                                              : "Sallitut siirtymät (y-suunta):");
  const int conditions = DeflectionConditionCount(code);
  for (int c = 1; c <= conditions; ++c) {
    const double rel = RelLimitOf(settings, code, direction, c);
    const double abs = AbsLimitOf(settings, code, direction, c);
    if (!(rel > 0.0) && !(abs > 0.0)) continue;
    std::string line = ConditionLabel(code, c);
    if (rel > 0.0) line += "L/" + FormatFixed(rel, 0);
    if (rel > 0.0 && abs > 0.0) line += " tai ";
    if (abs > 0.0) line += FormatFixed(abs, 1) + " mm";
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> WriteDesignReport(const DesignResults& results,
                                           const DesignReportOptions& options) {
  std::vector<std::string> lines;
  ReportWriter out(lines);
  out.Add(kDoubleRule);
  out.Add("MITOITUS:");
  out.Add(kRule);
  out.Add("Mitoitusnormi:\t" + DesignCodeName(results.code));
  const int total = out.Add("Kokonaiskäyttöaste = ?");
  for (const std::string& note : results.notes) out.Add("Huom: " + note);
  double stress = 0.0;
  double deflection = 0.0;
  double vibration = 0.0;
  if (results.settings.Jannitys) stress = WriteStressGroup(results, options, out);
  if (results.settings.Siirtyma) deflection = WriteDeflectionGroup(results, out);
  if (results.vibrationOn) vibration = WriteVibrationGroup(results, out);
  // A design whose checks could not all run proves nothing: no percentage.
  out.Replace(
      total,
      results.AllChecksRan()
          ? "Kokonaiskäyttöaste:\t" + FormatFixed(std::max({stress, deflection, vibration}), 1) +
                " %"
          : std::string(results.NothingChecked()
                            ? "Kokonaiskäyttöaste:\t? (mitään ei tarkastettu)"
                            : "Kokonaiskäyttöaste:\t? (kaikkia tarkasteluja ei voitu tehdä)"));
  return lines;
}

std::vector<std::string> WriteDesignReport(const QELVUX_data& project) {
  return WriteDesignReport(CollectDesignResults(project), DesignReportOptionsOf(project));
}

}  // namespace qv
