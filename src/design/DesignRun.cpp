// Runs the analysis of the project when needed, then every check, and builds the results tree.
#include "design/DesignRun.h"

#include "analysis/MalliGeneraattori.h"
#include "project/QELVUX_data.h"

namespace qv {

int EnsureAnalysis(QELVUX_data& project, bool always, std::vector<std::string>* messages) {
  if (messages) messages->clear();
  if (!always && project.AnalysisValid == 1) return 0;
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
