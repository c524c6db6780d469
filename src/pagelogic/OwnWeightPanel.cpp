// The own-weight panel of the load page: its texts and the settings it changes.
#include "pagelogic/OwnWeightPanel.h"

#include <cmath>

#include "model/NumberText.h"
#include "project/ProjectOwnWeight.h"
#include "project/QELVUX_data.h"

namespace qv {

OwnWeightPanel ShowOwnWeightPanel(const QELVUX_data& p) {
  OwnWeightPanel panel;
  const KuormaVektori& loads = p.Loads;
  panel.on = loads.OwnWeight.on;
  // The density used: the table's where it has one (not the user's to change), else the
  // project's.
  const std::optional<double> table = TableMeanDensity(p);
  panel.densityText = FormatFixed(table ? *table : loads.OwnWeight.density, 0);
  panel.densityEditable = !table.has_value();
  panel.densityNote = table ? "materiaalitaulukosta (rho,mean)" : "materiaalitaulukossa ei ole";
  const int carrying = loads.OwnWeightCase();
  for (int k = 0; k < loads.Cases().Count(); ++k) {
    if (!loads.IsPermanentCase(k)) continue;
    if (k == carrying) panel.selectedCase = static_cast<int>(panel.caseItems.size());
    panel.caseItems.push_back("KT" + std::to_string(k + 1) + ": " + loads.Cases().Name(k));
    panel.caseIndexes.push_back(k);
  }
  if (panel.selectedCase < 0 && !panel.caseItems.empty()) panel.selectedCase = 0;
  if (panel.on) panel.weightText = OwnWeightLabel(OwnWeightOf(p));
  return panel;
}

std::string SetOwnWeightOn(QELVUX_data& p, bool on) {
  OwnWeightSetting s = p.Loads.OwnWeight;
  if (s.on == on) return std::string();
  s.on = on;
  if (on) {
    // Checked before it is switched on: a weight with nowhere to go would stop the analysis.
    int first = -1;
    for (int k = 0; k < p.Loads.Cases().Count() && first < 0; ++k)
      if (p.Loads.IsPermanentCase(k)) first = k;
    if (first < 0) return kOwnWeightNoCaseText;
    if (!p.Loads.IsPermanentCase(s.loadCase)) s.loadCase = first;
  }
  return ApplyOwnWeightSetting(p, s);
}

std::string SetOwnWeightDensity(QELVUX_data& p, const std::string& text) {
  double v = 0.0;
  if (ParseNumber(text, kOwnWeightDensityMin, kOwnWeightDensityMax, v) != 0)
    return RangeText(kOwnWeightDensityLabel, kOwnWeightDensityMin, kOwnWeightDensityMax);
  OwnWeightSetting s = p.Loads.OwnWeight;
  // The project file keeps whole kilograms per cubic metre.
  s.density = std::round(v);
  if (s.density != p.Loads.OwnWeight.density) ApplyOwnWeightSetting(p, s);
  return std::string();
}

std::string SetOwnWeightCase(QELVUX_data& p, int item) {
  const OwnWeightPanel panel = ShowOwnWeightPanel(p);
  if (item < 0 || item >= static_cast<int>(panel.caseIndexes.size())) return std::string();
  OwnWeightSetting s = p.Loads.OwnWeight;
  s.loadCase = panel.caseIndexes[static_cast<std::size_t>(item)];
  if (s.loadCase == p.Loads.OwnWeightCase() && s.loadCase == p.Loads.OwnWeight.loadCase)
    return std::string();
  return ApplyOwnWeightSetting(p, s);
}

}  // namespace qv
