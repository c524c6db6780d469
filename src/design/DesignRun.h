// The whole design of a project in one call: analysis when needed, checks, tree.
#pragma once

#include <string>
#include <vector>

#include "design/DesignResults.h"
#include "design/DesignTree.h"

class QELVUX_data;

namespace qv {

struct DesignRunResult {
  int analysisStatus = 0;  // 0 the analysis is current; -1 it failed (see analysisMessages)
  std::vector<std::string> analysisMessages;
  DesignResults results;
  DesignTree tree;
};

// Generates the analysis input from the project and solves it, setting the project's
// analysis-valid flag. With always = false a current analysis is kept as it is; with the own
// weight on, only while it was made from the input the project makes now (another section or
// material gives another input). Returns 0 when the analysis is current afterwards, -1 with
// the analysis messages otherwise.
int EnsureAnalysis(QELVUX_data& project, bool always, std::vector<std::string>* messages = nullptr);

// The chain of a visit to the design page: the analysis (always, or only when it is not
// current), the checks of every combination and the tree. Returns 1 when the design passes
// (overall utilisation at most 100 %), else 0. A failed analysis leaves every combination
// unchecked: the tree then shows 0 % and out.tree.allChecksRan is false.
int RunProjectDesign(QELVUX_data& project, bool reanalyse, DesignRunResult& out);

// Status bar text while the design runs.
constexpr const char* kDesignStatusText = "Suoritetaan mitoitus, odota hetki...";

}  // namespace qv
