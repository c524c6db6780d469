// The stress and stability checks fed from the project record and its analysis results.
#include "analysis/MemberResults.h"
#include "design/CheckStresses.h"
#include "project/QELVUX_data.h"

namespace qv {

std::vector<double> SpanBoundaries(const RakenneVektori& member) {
  QELlukuvektori bounds(20, 20, 1);
  const double length = member.Length;
  bounds.Add(0.0);
  // The supports come in order along the member, so each goes last at once; the end after them.
  for (int i = 0; i < member.Count(); ++i) {
    if (member.Kind(i) != RakenneVektori::kSupport) continue;
    // A support outside the member (possible in a hand-edited file) makes no span.
    const double x = member.X(i);
    if (x > 0.0 && x < length) bounds.Add(x);
  }
  if (length > 0.0) bounds.Add(length);
  return bounds.Values();
}

StabilityContext StabilityContextOf(const QELVUX_data& project) {
  StabilityContext c;
  c.code = project.DesignCode;
  c.materialType = project.Materials.MaterialType(project.DesignCode);
  c.settings = project.Settings;
  return c;
}

bool StressCheckInputOf(const QELVUX_data& project, int c, QELvektori& forces,
                        StressCheckInput& in) {
  const KuormaVektori& loads = project.Loads;
  if (c < 0 || c >= loads.Combinations().CombinationCount()) return false;
  if (!project.Profiles.HasCurrent() || project.AnalysisValid != 1) return false;
  in.context = StabilityContextOf(project);
  in.section = project.CurrentSection();
  if (project.SectionValues(loads.GoverningDurationClass(c, -1), MateriaaliTiedot::kDesign,
                            in.values) != 0) {
    return false;
  }
  in.spanBounds = SpanBoundaries(project.Member);
  if (MemberForces(project, c, -1, forces) == 0) return false;
  in.forces = &forces;
  return true;
}

int CheckStresses(const QELVUX_data& project, int c, CheckRowVektori& rows) {
  rows.ClearRecords();
  QELvektori forces;
  StressCheckInput in;
  if (!StressCheckInputOf(project, c, forces, in)) return 0;
  return CheckStresses(in, rows);
}

}  // namespace qv
