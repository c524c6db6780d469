// Cells and text lines of the table of every section designed.
#include "pagelogic/SweepTable.h"

#include <algorithm>

#include "model/NumberText.h"
#include "model/TextCodec.h"

namespace qv {

std::vector<std::string> SweepHeaders() {
  return {"",      "Poikkileikkaus",      "m [kg/m]",   "A [mm²]",     "Käyttöaste [%]",
          "Tulos", "Määräävä tarkastelu", "Yhdistelmä", "Tarkastettu", "Kirjasto"};
}

std::vector<std::string> SweepCells(const SweepRow& row) {
  return {row.lightestPassing ? kSweepLightestMark : "",
          row.name,
          row.massPerMetre ? FormatFixed(*row.massPerMetre, 2) : "-",
          FormatFixed(row.area, 0),
          FormatFixed(row.utilisation, 1),
          SweepVerdictText(row),
          row.governingCheck.empty() ? "-" : row.governingCheck,
          row.governingCombination.empty() ? "-" : row.governingCombination,
          row.allChecksRan ? "kyllä" : "ei",
          row.library};
}

std::optional<double> SweepSortValue(const SweepRow& row, SweepColumn column) {
  switch (column) {
    case SweepColumn::kArea:
      return row.area;
    case SweepColumn::kMass:
      return row.massPerMetre;
    case SweepColumn::kUtilisation:
      return row.utilisation;
    default:
      return std::nullopt;
  }
}

std::string SweepOrderText(const SectionSweep& sweep) {
  return std::string("Lajiteltu kevyimmästä painavimpaan: ") +
         (sweep.byMass ? "massa metriä kohden" : "pinta-ala");
}

std::vector<std::string> SweepTableLines(const SectionSweep& sweep) {
  std::vector<std::vector<std::string>> table{SweepHeaders()};
  for (const SweepRow& row : sweep.rows) table.push_back(SweepCells(row));
  std::vector<std::size_t> width(kSweepColumnCount, 0);
  for (const auto& cells : table)
    for (std::size_t c = 0; c < cells.size() && c < width.size(); ++c)
      width[c] = std::max(width[c], CharCount(cells[c]));
  std::vector<std::string> lines{SweepOrderText(sweep)};
  for (const auto& cells : table) {
    std::string line;
    for (std::size_t c = 0; c < cells.size() && c < width.size(); ++c) {
      if (c > 0) line += "  ";
      const std::string pad(width[c] - CharCount(cells[c]), ' ');
      // Numbers line up at the right, texts at the left.
      const auto column = static_cast<SweepColumn>(c);
      const bool number = column == SweepColumn::kArea || column == SweepColumn::kMass ||
                          column == SweepColumn::kUtilisation;
      line += number ? pad + cells[c] : cells[c] + (c + 1 < cells.size() ? pad : "");
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace qv
