// Text lines of the design results: checks, stability factors, material values, deflections.
#pragma once

#include <string>
#include <vector>

#include "design/DesignResults.h"

namespace qv {

// How a line of a combination is meant.
enum class DesignLineKind {
  kUtilisation,      // a check with its utilisation
  kForceMax,         // largest internal force
  kStability,        // slenderness, buckling and lateral-torsional factors per span
  kMaterialHeading,  // "MATERIAALITIEDOT (Laskenta-arvot):"
  kMaterialValue,    // one design value
};

// The tree writes "name = value", the report "name:\tvalue" and longer stability labels.
enum class DesignLineStyle { kTree, kReport };

struct DesignLine {
  DesignLineKind kind = DesignLineKind::kUtilisation;
  std::string text;
  double utilisation = 0.0;  // kUtilisation only
};

// The lines of a stress combination in the order of its check rows, every line whose
// condition holds (the caller filters by kind: info display, report options).
std::vector<DesignLine> StressLines(const DesignResults& results, const CombinationDesign& comb,
                                    DesignLineStyle style);
// Name of a code 1 to 3 stress check or interaction row ("Leikkaus" ... "Taivutus + puristus"),
// nullptr for any other row.
const char* CheckLabel(int code);
// Whether check row i of a code 1 to 3 combination is shown as a utilisation line: a stress
// check above 0, an interaction above 0 whose two parts are shown, the slenderness limit when
// it is passed.
bool ShowsUtilisation(const CheckRowVektori& rows, int i);
// Largest utilisation of the kUtilisation lines, 0 when there are none.
double LargestUtilisation(const std::vector<DesignLine>& lines);
// No kUtilisation line StressLines writes for a combination without code 4's checks carries
// more than this (a line that is not a number aside), found without writing the lines.
double StressLinesUtilisationBound(const CombinationDesign& comb);

// "Aukko %d (x = %.1f - %.1f)"
std::string SpanHeading(int span, double x1, double x2);
// The y (direction 2) or z (3) line of span row `row`, with the utilisation given.
std::string DeflectionLine(DesignCode code, int direction, const QELvektori& spans, int row,
                           double utilisation);
// Largest span utilisation of a deflection combination (y and z lines above 0).
double DeflectionCombinationUtilisation(const CombinationDesign& comb);

// "%.80s (%.0f %%)", for a combination with its own limit ", KY:llä oma Usall (=%.2f mm)",
// and ", Aikaluokka = %s" when the utilisation is above 0.
std::string CombinationHeading(const CombinationDesign& comb, double utilisation);

// Labels of the nine values in the order of rows 41 to 49 (quantities 1, 8, 2, 3, 4, 5, 9,
// 6, 7): design values, or characteristic values. Null for a code without such labels.
const char* const* DesignValueLabels(DesignCode code);
const char* const* CharacteristicLabels(DesignCode code);
// "label = value MPa" (tree) or "label:\tvalue MPa" (report); the two moduli (positions 7
// and 8 of the order) with no decimals, the strengths with two.
std::string MaterialValueLine(const char* label, int position, double value, DesignLineStyle style);
// Quantity shown at position 0..8 of the order.
int MaterialOrderQuantity(int position);

// Utilisation (%) above which a check is exceeded.
constexpr double kUtilisationLimit = 100.0;
// Images of the design tree: exceeded, satisfied, information.
constexpr int kImageExceeded = 1;
constexpr int kImageSatisfied = 2;
constexpr int kImageInfo = 3;
inline int UtilisationImage(double utilisation) {
  return utilisation > kUtilisationLimit ? kImageExceeded : kImageSatisfied;
}

// The floor vibration group (code 4) and its line of the mass used:
// "Massa m = 62.9 kg/m² (pysyvistä kuormista 0.129 kN/m ja 30 kg/m² hyötykuormaa)".
constexpr const char* kVibrationTitle = "Värähtelytarkastelu";
std::string VibrationMassLine(const FloorVibrationDesign& v);

// Name of the design code in the report.
std::string DesignCodeName(DesignCode code);

}  // namespace qv
