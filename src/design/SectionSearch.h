// "Etsi seuraava sopiva": walks the section library forward to the first section that passes the
// design.
#pragma once

#include <functional>

#include "design/DesignRun.h"

class QELVUX_data;

namespace qv {

struct SectionSearchResult {
  bool searched = false;   // false when no section follows the current one: nothing was done
  int found = -1;          // index of the first suitable section, -1 when none passed
  int designed = 0;        // number of sections designed
  int analysisStatus = 0;  // 0, or -1 when the analysis could not be made current
  // The message of a search that ran to the end of the library.
  bool NotFound() const { return searched && found < 0; }
};

// Called after each section is designed, the project's current section being that one:
// the page selects it, refreshes the section information and shows the tree and light.
using SectionDesignedCallback = std::function<void(int index, const DesignRunResult& run)>;
// Designs the project's current section (index given) and says whether it is suitable.
using SectionEvaluator = std::function<bool(QELVUX_data& project, int index)>;

// The walk itself: from the section after the current one (an invalid current index counts
// as 0) to the end of the library, never wrapping and never going back; each section in
// turn becomes the project's current section and is evaluated; the walk stops at the first
// suitable one. When none is suitable the last section stays chosen. With the current
// section last (or an empty library) nothing changes.
SectionSearchResult SearchSections(QELVUX_data& project, const SectionEvaluator& suitable);

// The search of the design page: the analysis is made current once (it does not depend on
// the section: the results are scaled to each section's stiffness), then each section is
// designed. With the own weight on, each section is solved with its own weight. A section is
// suitable when its overall utilisation is at most 100 % and every combination of an enabled check
// group could actually be checked.
SectionSearchResult SearchNextSection(QELVUX_data& project,
                                      const SectionDesignedCallback& onDesigned = {});

// Texts of the search.
constexpr const char* kSearchStatusText = "Etsitään kelpaavaa poikkileikkausta, odota hetki...";
constexpr const char* kSearchNotFoundText = "Kelpaavaa poikkileikkausta ei löytynyt!";
constexpr const char* kSearchNotFoundCaption = "Viimeinen poikkileikkaus";

}  // namespace qv
