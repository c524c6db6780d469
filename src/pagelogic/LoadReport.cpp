// Load report lines: the load cases with their loads, and the combinations as formulas.
#include "pagelogic/LoadReport.h"

#include <cmath>

#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "pagelogic/LoadTexts.h"
#include "project/ProjectOwnWeight.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

using KV = KuormaVektori;
using KY = KuormaYhdVektori;

const char* const kRule = "====================================";
const char* const kThinRule = "------------------------------------";

std::string ValueText(LoadKind kind, int dir, double stored) {
  const bool moment = IsMomentDirection(dir);
  const double shown = ShownLoadValue(kind, dir, stored);
  if (kind == KV::kPoint)
    return moment ? FormatFixed(shown, 3) + " kNm" : FormatFixed(shown, 2) + " kN";
  const char* unit =
      kind == KV::kSurface ? (moment ? " kNm/m2" : " kN/m2") : (moment ? " kNm/m" : " kN/m");
  return FormatFixed(shown, 3) + unit;
}

std::string LoadLine(const QELVUX_data& p, int i, int number) {
  const KV& loads = p.Loads;
  const LoadKind kind = loads.Kind(i);
  const int dir = loads.Direction(i);
  std::string line = std::to_string(number) + ":\t" + DirectionReportName(dir);
  line += "\t" + ValueText(kind, dir, loads.Q1(i));
  if (kind == KV::kPoint) {
    line += "\t" + FormatFixed(loads.X1(i), 1);
  } else {
    line += "\t" + ValueText(kind, dir, loads.Q2(i));
    line += "\t" + (loads.X1(i) < 0.0 ? std::string("0.0") : FormatFixed(loads.X1(i), 1));
    line += "\t" + FormatFixed(loads.X2(i) < 0.0 ? p.Member.Length : loads.X2(i), 1);
  }
  return line + "\t" + loads.TextOr(i, 0);
}

// The own weight as the analysis gets it, with the density and area it was worked out from.
void AppendOwnWeight(const QELVUX_data& p, const ProjectOwnWeight& w,
                     std::vector<std::string>& out) {
  out.push_back("OMA PAINO (automaattisesti, seuraa poikkileikkausta ja materiaalia):");
  // The columns of the line loads; it is none of them, so it has no number.
  out.push_back("Nro:\tSuunta:\tQ1:\tQ2:\tx1 [mm]:\tx2 [mm]:");
  const std::string q = FormatFixed(-w.lineLoad, 3) + " kN/m";
  out.push_back("-\t" + DirectionReportName(2) + "\t" + q + "\t" + q + "\t0.0\t" +
                FormatFixed(p.Member.Length, 1) + "\t" + kOwnWeightName);
  out.push_back("g x tiheys x A = " + FormatFixed(kOwnWeightGravity, 2) + " m/s2 x " +
                FormatFixed(w.density, 0) + " kg/m3 (" + OwnWeightDensitySource(w) + ") x " +
                FormatFixed(w.area, 0) + " mm2");
}

void AppendCase(const QELVUX_data& p, int k, const ProjectOwnWeight& own,
                std::vector<std::string>& out) {
  const KV& loads = p.Loads;
  out.push_back(kThinRule);
  out.push_back("KT" + std::to_string(k + 1) + ":\t" + LoadCaseTitle(p, k));
  bool any = false;
  for (LoadKind kind : kLoadKinds) {
    const int count = loads.CountLoads(k, kind);
    if (count == 0) continue;
    out.push_back(LoadKindGroupName(kind) + " (" + std::to_string(count) + " kpl)");
    out.push_back(kind == KV::kPoint ? "Nro:\tSuunta:\tSuuruus:\tx [mm]:"
                                     : "Nro:\tSuunta:\tQ1:\tQ2:\tx1 [mm]:\tx2 [mm]:");
    int number = 0;
    for (int i = 0; i < loads.Count(); ++i) {
      if (loads.LoadCase(i) != k || loads.Kind(i) != kind) continue;
      out.push_back(LoadLine(p, i, ++number));
      any = true;
    }
  }
  if (own.Applies() && own.loadCase == k) {
    AppendOwnWeight(p, own, out);
    any = true;
  }
  if (!any) out.push_back("(Ei kuormitusta)");
}

const char* KindSuffix(std::optional<CombinationKind> designKind) {
  if (!designKind) return ":";
  switch (*designKind) {
    case KY::kStress:
      return " (Jännitystarkastelu):";
    case KY::kDeflection:
      return " (Siirtymätarkastelu):";
    case KY::kNoDesign:
      return " (Ei mitoitusta):";
    case KY::kLongTerm:
      return " (Pitkäaikaistarkastelu):";
  }
  return ":";
}

}  // namespace

std::string CombinationFormula(const QELVUX_data& project, int combination) {
  const KV& loads = project.Loads;
  std::string formula;
  for (int k = 0; k < loads.Cases().Count(); ++k) {
    const double f = loads.Combinations().Factor(combination, k);
    if (f == 0.0) continue;
    const std::string name = loads.Cases().Name(k);
    if (formula.empty())
      formula = FormatFixed(f, 2) + "*" + name;
    else
      formula += (f < 0.0 ? " - " : " + ") + FormatFixed(std::fabs(f), 2) + "*" + name;
  }
  return formula.empty() ? "(Yhdistelmä ei sisällä yhtään kuormitustapausta!)" : formula;
}

std::vector<std::string> LoadReportLines(const QELVUX_data& project) {
  std::vector<std::string> out{kRule, "KUORMITUSTIEDOT:"};
  const ProjectOwnWeight own = OwnWeightOf(project);
  for (int k = 0; k < project.Loads.Cases().Count(); ++k) AppendCase(project, k, own, out);
  if (own.on && !own.Applies()) out.push_back(own.problem);
  out.push_back(kRule);
  out.push_back("KUORMITUSYHDISTELMÄT:");
  const KY& ky = project.Loads.Combinations();
  for (int i = 0; i < ky.Count(); ++i) {
    if (!ky.IsHeader(i)) continue;
    out.push_back(kThinRule);
    out.push_back(CutChars(ky.TextOr(i, 0), 80) + KindSuffix(ky.HeaderKind(i)));
    out.push_back(CombinationFormula(project, ky.Combination(i)));
  }
  return out;
}

}  // namespace qv
