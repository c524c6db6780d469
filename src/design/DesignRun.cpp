// Runs the analysis of the project when needed, then every check, and builds the results tree.
#include "design/DesignRun.h"

#include "analysis/MalliGeneraattori.h"
#include "project/QELVUX_data.h"

namespace qv {

int EnsureAnalysis(QELVUX_data& project, bool always, std::vector<std::string>* messages) {
  if (messages) messages->clear();
  std::vector<std::string> input;
  if (!always && project.AnalysisValid == 1) {
    // Without the own weight the input does not depend on the section or the material, and
    // whoever changes the member or the loads runs the analysis again. With it, the analysis
    // is current only while it was made from the input the project makes now.
    if (!project.Loads.OwnWeight.on) return 0;
    if (OwnWeightAnalysisProblem(project).empty()) {
      input = GenerateAnalysisInput(project);
      if (input == project.Analysis.InputText().Lines()) return 0;
    }
  }
  if (input.empty()) input = GenerateAnalysisInput(project);
  std::vector<std::string> output;
  const int status = RunAnalysis(std::move(input), project, project.Analysis, output);
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
