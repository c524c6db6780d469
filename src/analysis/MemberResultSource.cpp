// The project record's parts gathered for the results along the member.
#include "analysis/MemberResults.h"
#include "design/data/MateriaaliTiedot.h"
#include "project/QELVUX_data.h"

MemberResultSource ResultSourceOf(const QELVUX_data& project, const FEM_kaikki& fem,
                                  const MateriaaliTiedot& materials,
                                  const ProfiiliVektori& profiles) {
  MemberResultSource s;
  s.fem = &fem;
  s.analysisValid = project.AnalysisValid;
  s.member = &project.Member;
  s.length = project.Member.Length;
  s.resultSteps = project.ResultSteps;
  s.loads = &project.Loads;
  s.designCode = project.DesignCode;
  s.materials = &materials;
  s.section = MateriaaliTiedot::CurrentSection(profiles);
  return s;
}
