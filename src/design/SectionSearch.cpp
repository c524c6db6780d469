// Walks the section library forward from the current section to the first one that passes the
// design.
#include "design/SectionSearch.h"

#include "project/QELVUX_data.h"

namespace qv {

SectionSearchResult SearchSections(QELVUX_data& project, const SectionEvaluator& suitable) {
  SectionSearchResult result;
  ProfiiliVektori& sections = project.Profiles;
  // The page's list shows an invalid choice as its first entry.
  sections.ClampCurrentIndex();
  const int n = sections.Count();
  const int first = sections.CurrentIndex + 1;
  if (n <= 0 || first >= n) return result;
  result.searched = true;
  for (int i = first; i < n; ++i) {
    sections.CurrentIndex = i;
    ++result.designed;
    if (suitable && suitable(project, i)) {
      result.found = i;
      break;
    }
  }
  return result;
}

SectionSearchResult SearchNextSection(QELVUX_data& project,
                                      const SectionDesignedCallback& onDesigned) {
  int analysisStatus = 0;
  bool analysed = false;
  // The own weight follows the section: each one is then solved with its own.
  const bool perSection = project.Loads.OwnWeight.on;
  SectionSearchResult result = SearchSections(project, [&](QELVUX_data& p, int index) {
    if (perSection) {
      if (EnsureAnalysis(p, true) != 0) analysisStatus = -1;
    } else if (!analysed) {
      analysisStatus = EnsureAnalysis(p, false);
      analysed = true;
    }
    DesignRunResult run;
    run.analysisStatus = analysisStatus;
    run.results = CollectDesignResults(p);
    run.tree = BuildDesignTree(run.results);
    if (onDesigned) onDesigned(index, run);
    // A section whose checks could not run shows 0 %, which proves nothing about it.
    return run.tree.passes && run.tree.allChecksRan;
  });
  result.analysisStatus = analysisStatus;
  return result;
}

}  // namespace qv
