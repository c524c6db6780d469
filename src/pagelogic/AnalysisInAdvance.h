// An analysis solved on the design thread before a page asks for it, e.g. straight after a project
// is opened.
#pragma once

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "analysis/fem/FEM_SampleCache.h"
#include "analysis/fem/FEM_kaikki.h"

namespace qv {

// The solution depends on the analysis input text alone, so it can be worked out while the
// user is still looking at the structure: Start() solves a generated input on the design
// thread, and the first page that needs the analysis takes the solution over with Take()
// when the input it generates then is still the same text. Nothing of the project is read
// on the design thread.
class AnalysisInAdvance {
 public:
  AnalysisInAdvance() = default;
  AnalysisInAdvance(const AnalysisInAdvance&) = delete;
  AnalysisInAdvance& operator=(const AnalysisInAdvance&) = delete;

  // Starts solving input on the design thread, in place of any solve started before, and
  // then sampling the solution's bars there as a design of a member of this length and
  // result steps will ask for them (kept beside the solution, and taken over with it).
  void Start(std::vector<std::string> input, double memberLength, int resultSteps);

  // Waits for the started solve. When its input equals input, moves its solution into
  // analysis and its samples into samples, sets analysisValid and output as RunAnalysis
  // would and returns true with its status (0 or -1). Otherwise, or when nothing was started or the
  // solve failed with an exception, leaves them alone and returns false. Either way the solve is
  // forgotten.
  bool Take(const std::vector<std::string>& input, FEM_kaikki& analysis, FEM_SampleCache& samples,
            int& analysisValid, std::vector<std::string>& output, int& status);

  // Forgets a started solve (it finishes on the design thread unseen).
  void Drop();

  bool Started() const { return state_ != nullptr; }

 private:
  struct Solve {
    FEM_kaikki analysis;
    FEM_SampleCache samples;
    int analysisValid = 0;
    int status = -1;
    std::vector<std::string> output;
  };
  std::shared_ptr<Solve> state_;
  std::future<void> done_;
};

}  // namespace qv
