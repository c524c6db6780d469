// Runs the checks of every combination marked for design and keeps their rows for the page and
// report.
#include "design/DesignResults.h"

#include <cmath>

#include "design/CheckStresses.h"
#include "design/Deflections.h"
#include "design/Ec5Design.h"
#include "design/UncheckedNotes.h"
#include "design/data/MateriaaliTiedot.h"
#include "project/QELVUX_data.h"

namespace qv {

bool CombinationDesign::Ran() const {
  if (kind == CombinationKind::kStress && ec5) return !ec5Checks.results.empty();
  if (kind == CombinationKind::kStress) {
    if (checks.Count() == 0) return false;
    for (int i = 0; i < checks.Count(); ++i)
      if (!std::isfinite(checks.Value1(i)) || !std::isfinite(checks.Value2(i))) return false;
    return true;
  }
  if (spans.Count() == 0) return false;
  for (const std::vector<double>* u : {&utilY, &utilZ})
    for (double v : *u)
      if (!std::isfinite(v)) return false;
  for (int i = 0; i < spans.Count(); ++i)
    for (int j = 0; j < spans.RealCount(); ++j)
      if (!std::isfinite(spans.GetReal(i, j))) return false;
  return true;
}

bool DesignResults::AllChecksRan() const {
  if (NothingChecked()) return false;
  if (settings.Jannitys) {
    for (const CombinationDesign& c : stress) {
      if (!c.Ran()) return false;
    }
  }
  if (settings.Siirtyma) {
    for (const CombinationDesign& c : deflection) {
      if (!c.Ran()) return false;
    }
  }
  return !vibrationOn || vibration.ran;
}

namespace {

CombinationDesign Header(const QELVUX_data& project, int c, CombinationKind kind) {
  const KuormaYhdVektori& combinations = project.Loads.Combinations();
  CombinationDesign d;
  d.index = c;
  d.kind = kind;
  d.name = combinations.TextOr(combinations.HeaderRow(c), 0, " ");
  d.durationName = project.Materials.DurationClassName(project.DesignCode,
                                                       project.Loads.GoverningDurationClass(c, -1));
  d.ownLimit = combinations.OwnDeflectionLimit(c);
  d.ec5 = project.DesignCode == DesignCode::kEc5;
  return d;
}

void RunDeflections(const QELVUX_data& project, CombinationDesign& d) {
  CollectDeflections(ResultSourceOf(project), d.index, d.spans, &d.notRun);
  const int n = d.spans.Count();
  d.utilY.assign(static_cast<std::size_t>(n), 0.0);
  d.utilZ.assign(static_cast<std::size_t>(n), 0.0);
  for (int r = 0; r < n; ++r) {
    d.utilY[static_cast<std::size_t>(r)] =
        DeflectionSpanUtilisation(project, d.index, d.spans, r, DeflectionRow::kDirectionY);
    d.utilZ[static_cast<std::size_t>(r)] =
        DeflectionSpanUtilisation(project, d.index, d.spans, r, DeflectionRow::kDirectionZ);
  }
}

}  // namespace

DesignResults CollectDesignResults(const QELVUX_data& project) {
  DesignResults r;
  r.code = project.DesignCode;
  r.infoDisplay = project.InfoDisplay;
  r.treeExpansion = project.TreeExpansion;
  r.settings = project.Settings;
  if (MateriaaliTiedot::HasCharacteristicValues(r.code)) {
    // Without a valid section the values stay zero.
    project.SectionValues(project.Loads.GoverningDurationClass(0, -1),
                          MateriaaliTiedot::kCharacteristic, r.characteristic);
  }

  const KuormaYhdVektori& combinations = project.Loads.Combinations();
  const int count = combinations.CombinationCount();
  // Room for every combination first: a combination's results are not moved but copied
  // whole when the list grows.
  if (count > 0) {
    r.stress.reserve(static_cast<std::size_t>(count));
    r.deflection.reserve(static_cast<std::size_t>(count));
  }
  for (int c = 0; c < count; ++c) {
    const auto kind = combinations.DesignKind(c);
    if (kind == KuormaYhdVektori::kStress && r.settings.Jannitys) {
      r.stress.push_back(Header(project, c, *kind));
    } else if (kind == KuormaYhdVektori::kDeflection && r.settings.Siirtyma) {
      r.deflection.push_back(Header(project, c, *kind));
    }
  }
  r.vibrationOn = r.code == DesignCode::kEc5 && r.settings.ec5.vibration.on;
  // A table that lacks a value of the material, or holds an implausible one, checks
  // nothing: every combination is left unchecked with the table's word.
  const std::string table = project.Materials.SelectionProblem(project.DesignCode);
  if (!table.empty()) {
    for (auto* group : {&r.stress, &r.deflection})
      for (CombinationDesign& d : *group) d.notRun = table;
    r.vibration.notRun = table;
  } else {
    if (r.vibrationOn) r.vibration = CheckProjectFloorVibration(project);
    // One after the other: run beside each other on two threads, the stress checks and the
    // deflections of the 100 m test member took as long as this (bench_scale BM_Design).
    for (CombinationDesign& d : r.stress) {
      if (d.ec5)
        CheckEc5Combination(project, d.index, d.ec5Checks, d.ec5Bearing);
      else
        CheckStresses(project, d.index, d.checks);
    }
    for (CombinationDesign& d : r.deflection) RunDeflections(project, d);
  }
  // Why a combination could not be checked, where the check itself did not say.
  const std::string reason = project.AnalysisValid != 1       ? "laskentamallia ei voitu ratkaista"
                             : !project.Profiles.HasCurrent() ? "poikkileikkausta ei ole valittu"
                                                              : "materiaalin laskenta-arvo puuttuu";
  for (auto* group : {&r.stress, &r.deflection}) {
    for (CombinationDesign& d : *group)
      if (!d.Ran() && d.notRun.empty()) d.notRun = reason;
  }
  r.notes = UncheckedNotes(project, r);
  return r;
}

}  // namespace qv
