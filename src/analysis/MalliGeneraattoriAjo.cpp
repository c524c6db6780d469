// The run: the generated input text read back into the analysis, validated and solved.
#include "analysis/MalliGeneraattori.h"

#include <utility>

int RunAnalysis(std::vector<std::string> input, FEM_kaikki& fem, int& analysisValid,
                std::vector<std::string>& output) {
  output.clear();
  analysisValid = 0;
  fem.Read(std::move(input), 1);
  // A line the reader skipped would be solved as if it were not there.
  if (!fem.ReadNotes().empty()) {
    output = fem.ReadNotes();
    output.push_back("Laskentamallin rivejä jäi lukematta: laskentaa ei tehty.");
    return -1;
  }
  if (fem.Validate() != 0) {
    output = fem.Messages().Lines();
    return -1;
  }
  const int status = fem.Solve();
  // A solution error is written to section 1001; a negative status without one is a
  // failure all the same.
  if (status >= 0 && fem.Messages().LineCount(FEM_kaikki::kSolutionMessages) == 0) {
    analysisValid = 1;
    return 0;
  }
  output = fem.Messages().Lines();
  return -1;
}

int RunAnalysis(std::vector<std::string> input, QELVUX_data& project, FEM_kaikki& fem,
                std::vector<std::string>& output) {
  std::string problem = OwnWeightAnalysisProblem(project);
  if (!problem.empty()) {
    project.AnalysisValid = 0;
    output.assign(1, std::move(problem));
    return -1;
  }
  return RunAnalysis(std::move(input), fem, project.AnalysisValid, output);
}
