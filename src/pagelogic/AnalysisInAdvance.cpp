// A solve on the design thread and its handing over to the project's analysis.
#include "pagelogic/AnalysisInAdvance.h"

#include <utility>

#include "analysis/MalliGeneraattori.h"
#include "analysis/MemberResults.h"
#include "design/DesignThread.h"

namespace qv {

void AnalysisInAdvance::Start(std::vector<std::string> input, double memberLength,
                              int resultSteps) {
  Drop();
  auto state = std::make_shared<Solve>();
  // The job holds the state itself: a solve dropped meanwhile finishes on what it owns.
  done_ =
      DesignThread::Start([state, lines = std::move(input), memberLength, resultSteps]() mutable {
        state->status =
            RunAnalysis(std::move(lines), state->analysis, state->analysisValid, state->output);
        if (state->status == 0)
          SampleAhead(state->analysis, state->samples, memberLength, resultSteps);
      });
  state_ = std::move(state);
}

bool AnalysisInAdvance::Take(const std::vector<std::string>& input, FEM_kaikki& analysis,
                             FEM_SampleCache& samples, int& analysisValid,
                             std::vector<std::string>& output, int& status) {
  if (!state_) return false;
  const std::shared_ptr<Solve> state = std::move(state_);
  state_.reset();
  try {
    done_.get();
  } catch (...) {
    return false;  // solved again on the caller, where the failure shows as it would
  }
  if (input != state->analysis.InputText().Lines()) return false;
  analysis = std::move(state->analysis);
  samples = std::move(state->samples);
  analysisValid = state->analysisValid;
  output = std::move(state->output);
  status = state->status;
  return true;
}

void AnalysisInAdvance::Drop() {
  state_.reset();
  done_ = std::future<void>();
}

}  // namespace qv
