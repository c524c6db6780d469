// The project record's parts gathered for the results along the member.
#include "analysis/MemberResults.h"
#include "project/QELVUX_data.h"

MemberResultSource ResultSourceOf(const QELVUX_data& project) {
  MemberResultSource s;
  s.fem = &project.Analysis;
  s.analysisValid = project.AnalysisValid;
  s.member = &project.Member;
  s.length = project.Member.Length;
  s.resultSteps = project.ResultSteps;
  s.loads = &project.Loads;
  s.designCode = project.DesignCode;
  s.materials = &project.Materials;
  s.section = project.CurrentSection();
  s.samples = &project.AnalysisSamples;
  return s;
}

int MemberForces(const QELVUX_data& project, int c, int k, QELvektori& table) {
  return MemberForces(ResultSourceOf(project), c, k, table);
}

int MemberDisplacements(const QELVUX_data& project, int c, int k, QELvektori& table, int final,
                        int allLoads) {
  return MemberDisplacements(ResultSourceOf(project), c, k, table, final, allLoads);
}

int SupportReactions(const QELVUX_data& project, int c, int k, QELvektori& table) {
  return SupportReactions(ResultSourceOf(project), c, k, table);
}
