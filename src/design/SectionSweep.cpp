// Designs every section of one or all section libraries and lists them lightest first.
#include "design/SectionSweep.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "design/DesignLines.h"
#include "design/DesignResults.h"
#include "design/DesignRun.h"
#include "design/GoverningCheck.h"
#include "design/SectionProperties.h"
#include "design/UncheckedNotes.h"
#include "model/NumberText.h"
#include "project/ProjectOwnWeight.h"
#include "project/QELVUX_data.h"

namespace qv {

bool SweepRow::Passes() const { return allChecksRan && utilisation <= kUtilisationLimit; }

const char* SweepVerdictText(const SweepRow& row) {
  if (!row.allChecksRan) return kSweepNotCheckedText;
  return row.Passes() ? kSweepPassText : kSweepFailText;
}

namespace {

// The overall utilisation and the check that gives it, as the design tree takes it.
void Govern(const DesignResults& r, SweepRow& row) {
  const GoverningCheck g = FindGoverningCheck(r);
  row.governingCheck = g.check;
  row.governingCombination = g.combination;
  row.utilisation = g.utilisation;
  row.allChecksRan = r.AllChecksRan();
  if (r.NothingChecked()) {
    row.notRun = "mitään ei tarkastettu";
    return;
  }
  for (const auto* group : {&r.stress, &r.deflection}) {
    for (const CombinationDesign& comb : *group) {
      if (!comb.Ran() && row.notRun.empty()) row.notRun = comb.name + ": " + NotRunLine(comb);
    }
  }
  if (row.notRun.empty() && r.vibrationOn && !r.vibration.ran)
    row.notRun = "Värähtelytarkastelu: " + r.vibration.notRun;
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Designs every section of the project's library as it stands, appending rows.
void SweepLibrary(QELVUX_data& p, const std::string& libraryPath, std::optional<double> density,
                  std::vector<SweepRow>& rows, int& analysisStatus) {
  ProfiiliVektori& sections = p.Profiles;
  const std::string library =
      sections.FileName().size() > 1 ? BaseName(sections.FileName()) : std::string("-");
  for (int i = 0; i < sections.Count(); ++i) {
    sections.CurrentIndex = i;
    SweepRow row;
    row.name = sections.Name(i);
    row.library = library;
    row.libraryPath = libraryPath;
    row.index = i;
    row.area = ComputeSectionProperties(p.CurrentSection()).A;
    // kg/m3 * mm2 * 1e-6 m2/mm2 = kg/m
    if (density) row.massPerMetre = *density * row.area * 1e-6;
    // The own weight follows the section: each one is solved with its own.
    if (p.Loads.OwnWeight.on) {
      if (EnsureAnalysis(p, true) != 0) analysisStatus = -1;
      const ProjectOwnWeight weight = OwnWeightOf(p);
      if (weight.Applies()) row.ownWeight = weight.lineLoad;
    }
    Govern(CollectDesignResults(p), row);
    rows.push_back(std::move(row));
  }
}

// The section libraries of the data folder in name order, the project's own left out.
std::vector<std::string> OtherLibraries(const QELVUX_data& p) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path own = fs::weakly_canonical(fs::path(p.Profiles.FileName()), ec);
  std::vector<std::string> found;
  const std::string folder = p.DataFolder().empty() ? std::string(".") : p.DataFolder();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& path = it->path();
    if (path.extension() != ".pl1" || !it->is_regular_file(ec)) continue;
    std::error_code same;
    if (fs::weakly_canonical(path, same) == own) continue;
    found.push_back(path.string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace

SectionSweep SweepSections(QELVUX_data& project, bool allLibraries) {
  SectionSweep sweep;
  sweep.analysisStatus = EnsureAnalysis(project, false);
  const std::optional<double> density = TableMeanDensity(project);
  sweep.byMass = density.has_value();

  const int chosen = project.Profiles.CurrentIndex;
  SweepLibrary(project, "", density, sweep.rows, sweep.analysisStatus);
  if (allLibraries) {
    ProfiiliVektori own = project.Profiles;
    for (const std::string& path : OtherLibraries(project)) {
      ProfiiliVektori other;
      other.ReadLibrary(path);
      project.Profiles = std::move(other);
      SweepLibrary(project, path, density, sweep.rows, sweep.analysisStatus);
    }
    project.Profiles = std::move(own);
  }
  project.Profiles.CurrentIndex = chosen;
  // The analysis belongs to the chosen section again.
  if (project.Loads.OwnWeight.on && EnsureAnalysis(project, false) != 0) sweep.analysisStatus = -1;

  std::stable_sort(sweep.rows.begin(), sweep.rows.end(), [&](const SweepRow& a, const SweepRow& b) {
    if (sweep.byMass) return a.massPerMetre.value_or(0.0) < b.massPerMetre.value_or(0.0);
    return a.area < b.area;
  });
  for (std::size_t i = 0; i < sweep.rows.size(); ++i) {
    if (sweep.rows[i].Passes()) {
      sweep.rows[i].lightestPassing = true;
      sweep.lightest = static_cast<int>(i);
      break;
    }
  }
  return sweep;
}

int ChooseSweepRow(QELVUX_data& project, const SweepRow& row) {
  if (row.libraryPath.empty()) {
    ProfiiliVektori& sections = project.Profiles;
    if (!sections.IsValidIndex(row.index) || sections.Name(row.index) != row.name) return -1;
    sections.CurrentIndex = row.index;
    return 0;
  }
  // Another library becomes the project's, as when it is opened from the design page; a
  // file changed since the sweep is not trusted.
  ProfiiliVektori other;
  other.ReadLibrary(row.libraryPath);
  if (!other.IsValidIndex(row.index) || other.Name(row.index) != row.name) return -1;
  other.CurrentIndex = row.index;
  project.Profiles = std::move(other);
  return 0;
}

std::string NoPassingSectionText(const SectionSweep& sweep) {
  const SweepRow* least = nullptr;
  for (const SweepRow& row : sweep.rows) {
    if (row.allChecksRan && (!least || row.utilisation < least->utilisation)) least = &row;
  }
  std::string text = "Kelpaavaa poikkileikkausta ei löytynyt!";
  if (least) {
    text +=
        "\nPienin käyttöaste on poikkileikkauksella " + least->name + " (" +
        FormatFixed(least->utilisation, 0) + " %); määräävä tarkastelu: " +
        (least->governingCheck.empty() ? std::string("-") : least->governingCheck) +
        (least->governingCombination.empty() ? std::string() : ", " + least->governingCombination) +
        ".";
  } else if (!sweep.rows.empty()) {
    text += "\nYhdenkään poikkileikkauksen tarkasteluja ei voitu tehdä";
    const std::string& why = sweep.rows.front().notRun;
    text += why.empty() ? "." : ": " + why;
  }
  return text;
}

}  // namespace qv
