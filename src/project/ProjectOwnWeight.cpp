// The own weight of the chosen section and material, and the load record the analysis gets.
#include "project/ProjectOwnWeight.h"

#include "model/NumberText.h"
#include "project/QELVUX_data.h"

namespace qv {

std::optional<double> TableMeanDensity(const QELVUX_data& p) {
  // Only design code 4's table carries densities.
  if (p.DesignCode != DesignCode::kEc5) return std::nullopt;
  const auto& materials = p.Materials.Ec5Extra().materials;
  const int m = p.Materials.Material(p.DesignCode);
  if (m < 1 || m > static_cast<int>(materials.size())) return std::nullopt;
  const double rho = materials[static_cast<std::size_t>(m - 1)].meanDensity;
  if (!(rho > 0.0)) return std::nullopt;
  return rho;
}

ProjectOwnWeight OwnWeightOf(const QELVUX_data& p) {
  ProjectOwnWeight w;
  w.on = p.Loads.OwnWeight.on;
  if (!w.on) return w;
  const std::optional<double> table = TableMeanDensity(p);
  w.densityFromTable = table.has_value();
  w.density = table ? *table : p.Loads.OwnWeight.density;
  w.area = p.Profiles.HasCurrent() ? p.CurrentSection().Area() : 0.0;
  w.lineLoad = OwnWeightLineLoad(w.density, w.area);
  w.loadCase = p.Loads.OwnWeightCase();
  if (w.loadCase < 0)
    w.problem = kOwnWeightNoCaseText;
  else if (!(w.lineLoad > 0.0))
    w.problem = kOwnWeightNoSectionText;
  return w;
}

std::string ApplyOwnWeightSetting(QELVUX_data& p, const OwnWeightSetting& setting) {
  const OwnWeightSetting before = p.Loads.OwnWeight;
  p.Loads.OwnWeight = setting;
  p.AnalysisValid = 0;
  if (before.on == setting.on && before.loadCase == setting.loadCase) return std::string();
  return p.RegenerateEc5Combinations();
}

int AddOwnWeightRecord(KuormaVektori& loads, const ProjectOwnWeight& w, double length) {
  if (!w.Applies()) return -1;
  const double q = -w.lineLoad;
  return loads.AddLoad(kOwnWeightName, w.loadCase, KuormaVektori::kLine, 2,
                       KuormaVektori::kPerLength, q, q, 0.0, length);
}

std::string OwnWeightLabel(const ProjectOwnWeight& w) {
  if (!w.problem.empty()) return w.problem;
  return std::string(kOwnWeightName) + " " + FormatFixed(w.lineLoad, 3) + " kN/m (tiheys " +
         FormatFixed(w.density, 0) + " kg/m3)";
}

std::string OwnWeightDensitySource(const ProjectOwnWeight& w) {
  return w.densityFromTable ? "materiaalitaulukosta" : "projektin asetus";
}

}  // namespace qv
