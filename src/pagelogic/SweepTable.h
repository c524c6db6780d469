// The table of "Kaikki poikkileikkaukset...": its columns, the cells of each row, and the same
// table as aligned text lines for the command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/SectionSweep.h"

namespace qv {

enum class SweepColumn {
  kMark,         // "KEVYIN" on the lightest passing section
  kName,         // "Poikkileikkaus"
  kMass,         // "m [kg/m]"
  kArea,         // "A [mm²]"
  kUtilisation,  // "Käyttöaste [%]"
  kVerdict,      // "kelpaa", "EI KELPAA" or "EI TARKASTETTU"
  kCheck,        // "Määräävä tarkastelu"
  kCombination,  // "Yhdistelmä"
  kChecked,      // "Tarkastettu": whether every check ran
  kLibrary,      // "Kirjasto"
};
constexpr int kSweepColumnCount = 10;

// Column headings in the order of SweepColumn.
std::vector<std::string> SweepHeaders();
// The texts of a row's cells in the order of SweepColumn; an unknown mass is "-".
std::vector<std::string> SweepCells(const SweepRow& row);
// The number a numeric column sorts by (area, mass, utilisation); none for text columns and
// an unknown mass.
std::optional<double> SweepSortValue(const SweepRow& row, SweepColumn column);

// "Lajiteltu kevyimmästä painavimpaan: massa metriä kohden" (or "pinta-ala" when the material
// table gives no density).
std::string SweepOrderText(const SectionSweep& sweep);
// The whole table as text: the order line, the headings and one line per row, columns
// padded to their widest cell.
std::vector<std::string> SweepTableLines(const SectionSweep& sweep);

}  // namespace qv
