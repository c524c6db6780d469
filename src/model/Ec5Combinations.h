// Load categories of EN 1990 with the Finnish annex, and the load combinations generated from
// them for design code 4. Every factor comes from the default load file "KTjaKY4.dat".
#pragma once

#include <string>
#include <vector>

#include "model/CSVTiedosto.h"

namespace qv {

// Category of a load case as the files store it (0-based code).
enum class LoadCategory {
  kPermanent = 0,  // G
  kImposedA = 1,   // domestic
  kImposedB = 2,   // offices
  kImposedC = 3,   // congregation
  kImposedD = 4,   // shopping
  kImposedE = 5,   // storage
  kImposedH = 6,   // roofs
  kSnowLow = 7,    // snow, sk < 2.75 kN/m2
  kSnowHigh = 8,   // snow, sk >= 2.75 kN/m2
  kWind = 9,
};
constexpr int kLoadCategoryCount = 10;

bool LoadCategoryFromInt(int value, LoadCategory& out);
constexpr int ToInt(LoadCategory c) { return static_cast<int>(c); }

// Sections of "KTjaKY4.dat" beside 301 and 401.
constexpr int kCaseCategorySection = 311;   // category code per load case, in the order of 301
constexpr int kCategoryTableSection = 321;  // name;psi0;psi1;psi2;duration class, per code
constexpr int kConsequenceSection = 331;    // name;K_FI, per consequence class CC1..CC3
constexpr int kActionFactorSection = 341;   // name;factor, the four partial factors below

// One line of the category table. The psi values of the permanent category are not used.
struct LoadCategoryRow {
  std::string name;
  double psi0 = 0.0;
  double psi1 = 0.0;
  double psi2 = 0.0;
  int durationClass = 0;  // proposed, 0-based line of the material table's duration classes
};

// The nationally determined values the combinations are made of.
struct CombinationRules {
  std::vector<LoadCategoryRow> categories;  // index = category code
  std::vector<double> kfi;                  // index = consequence class - 1
  double permanent610a = 0.0;               // gamma_G of 6.10a (times K_FI)
  double permanent610b = 0.0;               // gamma_G, unfavourable, of 6.10b (times K_FI)
  double permanentFavourable = 0.0;         // gamma_G, favourable (without K_FI)
  double variable = 0.0;                    // gamma_Q (times K_FI)
};

// Reads sections 321, 331 and 341. "" on success, else what is wrong in the program's words
// ("KTjaKY4.dat, osa 321, rivi 3: psi2 ei ole luettavissa"); rules then holds what was read.
std::string ReadCombinationRules(const CSVTiedosto& file, CombinationRules& rules);

// Reads section 311: one category per load case. "" on success, else the message.
std::string ReadCaseCategories(const CSVTiedosto& file, int caseCount,
                               std::vector<LoadCategory>& categories);

// K_FI of consequence class 1..3, 0 when the class is not in the table.
double ConsequenceFactor(const CombinationRules& rules, int consequenceClass);

// Proposed duration class of a category, -1 when it is not in the table.
int ProposedDurationClass(const CombinationRules& rules, LoadCategory category);

// Factor of a case in the quasi-permanent combination: psi2 of a variable category, 1 for the
// permanent one, 0 when the category is not in the table.
double QuasiPermanentFactor(const CombinationRules& rules, LoadCategory category);

struct Ec5LoadCase {
  std::string name;
  LoadCategory category = LoadCategory::kPermanent;
  bool hasLoads = false;
  int durationClass = 0;  // 0 permanent ... 4 instantaneous
};

// Design kind of a generated combination; the numbers are those of a 401 header row.
enum class Ec5CombinationKind {
  kStress = 1,          // "Jännitystarkastelu", ULS 6.10a/6.10b
  kCharacteristic = 2,  // "Siirtymätarkastelu", SLS characteristic 6.14b
  kQuasiPermanent = 4,  // "Pitkäaikaistarkastelu", SLS quasi-permanent 6.16b
};

struct Ec5Combination {
  std::string name;  // "KY3 6.10b Lumikuorma määräävä"
  Ec5CombinationKind kind = Ec5CombinationKind::kStress;
  std::vector<double> factors;  // one per load case; 0 = not in the combination
};

// The combinations of EN 1990 (6.10a, 6.10b, 6.14b, 6.16b) for the cases, in that order, one
// 6.16b last. Each leading variable case gets 6.10b pairs (G unfavourable, then favourable):
// with every accompanying case at psi0 ("määräävä"); without the accompanying cases of a
// shorter duration class than its own, the shortest first ("määräävä, ilman Tuuli"), since kmod
// follows the shortest action; and alone ("yksin"), since an accompanying action that is
// favourable (wind uplift beside snow) must be left out. Its 6.14b comes with all of them and,
// where any could accompany, alone. Cases without loads get 0 everywhere. Roof imposed load
// (H) never acts with snow or wind: when H leads they get 0, otherwise H gets 0 when any snow
// or wind case is present. Without a permanent case 6.10a and the favourable twins are left
// out; without any case holding loads the list is empty.
std::vector<Ec5Combination> GenerateCombinations(const std::vector<Ec5LoadCase>& cases,
                                                 const CombinationRules& rules, double kfi);

}  // namespace qv
