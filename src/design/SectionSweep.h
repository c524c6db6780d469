// "Kevyin sopiva": every section of the library (or of every library in the data folder)
// designed at once, listed lightest first, the lightest passing one marked.
#pragma once

#include <optional>
#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

// One designed section.
struct SweepRow {
  std::string name;
  std::string library;      // file name of its library, without the folder
  std::string libraryPath;  // the library file as read ("" for the project's own library)
  int index = -1;           // position in its library
  double area = 0.0;        // mm2
  std::optional<double> massPerMetre;  // kg/m, when the material table gives a density
  std::optional<double> ownWeight;     // kN/m designed with, when "Oma paino automaattisesti"
  double utilisation = 0.0;            // overall utilisation (%), as the design page shows it
  std::string governingCheck;          // the check of the largest utilisation ("" when none)
  std::string governingCombination;    // its combination
  bool allChecksRan = false;           // every combination of an enabled group was checked
  std::string notRun;                  // why a combination could not be checked, when one was not
  bool lightestPassing = false;

  // At most 100 % and every check ran: a section whose checks could not all run proves nothing.
  bool Passes() const;
};

struct SectionSweep {
  std::vector<SweepRow> rows;  // lightest first; equal ones in library order
  int lightest = -1;           // row of the lightest passing section, -1 when none passes
  bool byMass = false;         // sorted by mass per metre; by area when the density is unknown
  int analysisStatus = 0;      // 0, or -1 when the analysis could not be made current
};

// Designs every section of the project's library; with allLibraries also every section
// library (".pl1") of the program's data folder, the project's own library first. The
// analysis is made current once (it does not depend on the section), or with the own weight
// on solved for each section with its own weight. The project's library
// and chosen section are the same afterwards as before.
SectionSweep SweepSections(QELVUX_data& project, bool allLibraries = false);

// Makes the section of a row the project's chosen one, reading its library when it is
// another than the project's. Returns 0, or -1 when the library could not be read or the
// row names no section in it.
int ChooseSweepRow(QELVUX_data& project, const SweepRow& row);

// The message when no section passes: which check governs the least-utilised section that
// could be checked, or why none could.
std::string NoPassingSectionText(const SectionSweep& sweep);

// Texts of the sweep.
constexpr const char* kLightestButtonText = "Kevyin sopiva";
constexpr const char* kSweepButtonText = "Kaikki poikkileikkaukset...";
constexpr const char* kSweepStatusText = "Mitoitetaan kaikki poikkileikkaukset, odota hetki...";
constexpr const char* kSweepPassText = "kelpaa";
constexpr const char* kSweepFailText = "EI KELPAA";
constexpr const char* kSweepNotCheckedText = "EI TARKASTETTU";
constexpr const char* kSweepLightestMark = "KEVYIN";

// "kelpaa", "EI KELPAA" or "EI TARKASTETTU" for a row.
const char* SweepVerdictText(const SweepRow& row);

}  // namespace qv
