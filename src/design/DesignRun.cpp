// Runs the analysis of the project when needed, then every check, and builds the results tree.
#include "design/DesignRun.h"

#include "analysis/MalliGeneraattori.h"
#include "project/QELVUX_data.h"

namespace qv {

bool AnalysisFollowsProject(const QELVUX_data& project) {
  // Without the own weight the input does not depend on the section or the material, and
  // whoever changes the member or the loads runs the analysis again.
  if (!project.Loads.OwnWeight.on) return true;
  if (!OwnWeightAnalysisProblem(project).empty()) return false;
  return GenerateAnalysisInput(project) == project.Analysis.InputText().Lines();
}

int EnsureAnalysis(QELVUX_data& project, bool always, std::vector<std::string>* messages) {
  if (messages) messages->clear();
  if (!always && project.AnalysisValid == 1 && AnalysisFollowsProject(project)) return 0;
  std::vector<std::string> output;
  const int status = RunAnalysis(GenerateAnalysisInput(project), project, project.Analysis, output);
  if (messages) *messages = std::move(output);
  return status == 0 && project.AnalysisValid == 1 ? 0 : -1;
}

int RunProjectDesign(QELVUX_data& project, bool reanalyse, DesignRunResult& out) {
  out.analysisStatus = EnsureAnalysis(project, reanalyse, &out.analysisMessages);
  out.results = CollectDesignResults(project);
  out.tree = BuildDesignTree(out.results);
  return out.tree.passes ? 1 : 0;
}

}  // namespace qv
