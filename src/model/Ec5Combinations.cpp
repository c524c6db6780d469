// Reading the combination rules of design code 4 and generating its load combinations.
#include "model/Ec5Combinations.h"

#include <algorithm>
#include <cstdio>

#include "model/FieldHelpers.h"
#include "model/NumberText.h"

namespace qv {
namespace {

constexpr const char* kFileName = "KTjaKY4.dat";

std::string Where(int section, int line) {
  char buf[64];
  std::snprintf(buf, sizeof buf, ", osa %d, rivi %d: ", section, line);
  return kFileName + std::string(buf);
}

// Splits line k of a section by the layout (see SplitFields). False when a field is missing
// or does not read.
bool SplitLine(const CSVTiedosto& file, int section, int k, const std::vector<int>& layout,
               FieldBuffers& f) {
  return SplitFields(';', file.GetLine(section, k), layout, f.texts, f.reals, f.ints) == 0;
}

std::string ReadCategories(const CSVTiedosto& file, CombinationRules& rules) {
  rules.categories.clear();
  const int n = file.LineCount(kCategoryTableSection);
  if (n < kLoadCategoryCount)
    return kFileName + std::string(", osa 321: kuormaluokkia on ") + std::to_string(n) +
           ", tarvitaan " + std::to_string(kLoadCategoryCount);
  FieldBuffers f;
  for (int k = 1; k <= kLoadCategoryCount; ++k) {
    if (!SplitLine(file, kCategoryTableSection, k, {5, 1, 2, 2, 2, 3}, f))
      return Where(kCategoryTableSection, k) + "rivi ei ole luettavissa";
    LoadCategoryRow row{f.texts[0], f.reals[0], f.reals[1], f.reals[2], f.ints[0]};
    for (double psi : {row.psi0, row.psi1, row.psi2}) {
      if (psi < 0.0 || psi > 1.0)
        return Where(kCategoryTableSection, k) + "psi-arvo " + FormatFixed(psi, 2) +
               " ei ole väliltä 0 … 1";
    }
    if (row.durationClass < 0 || row.durationClass > 4)
      return Where(kCategoryTableSection, k) + "aikaluokka ei ole väliltä 0 … 4";
    rules.categories.push_back(row);
  }
  return std::string();
}

// Reads `count` lines "name;value" of a section, each value within (0, 3].
std::string ReadNamedValues(const CSVTiedosto& file, int section, int count,
                            std::vector<double>& values) {
  values.clear();
  FieldBuffers f;
  for (int k = 1; k <= count; ++k) {
    if (k > file.LineCount(section)) return Where(section, k) + "rivi puuttuu";
    if (!SplitLine(file, section, k, {2, 1, 2}, f))
      return Where(section, k) + "rivi ei ole luettavissa";
    if (!(f.reals[0] > 0.0 && f.reals[0] <= 3.0))
      return Where(section, k) + "kerroin " + FormatFixed(f.reals[0], 2) + " ei ole väliltä 0 … 3";
    values.push_back(f.reals[0]);
  }
  return std::string();
}

bool IsVariable(LoadCategory c) { return c != LoadCategory::kPermanent; }
bool IsSnowOrWind(LoadCategory c) {
  return c == LoadCategory::kSnowLow || c == LoadCategory::kSnowHigh || c == LoadCategory::kWind;
}

const LoadCategoryRow* RowOf(const CombinationRules& rules, LoadCategory c) {
  const auto i = static_cast<std::size_t>(ToInt(c));
  return i < rules.categories.size() ? &rules.categories[i] : nullptr;
}

double Psi0(const CombinationRules& rules, LoadCategory c) {
  const LoadCategoryRow* row = RowOf(rules, c);
  return row ? row->psi0 : 0.0;
}

// Whether case i may act together with the leading case (lead < 0: no leading case).
bool MayAct(const std::vector<Ec5LoadCase>& cases, int i, int lead, bool snowOrWindPresent) {
  const LoadCategory c = cases[static_cast<std::size_t>(i)].category;
  if (i == lead) return true;
  if (lead < 0) return c != LoadCategory::kImposedH || !snowOrWindPresent;
  const LoadCategory l = cases[static_cast<std::size_t>(lead)].category;
  if (l == LoadCategory::kImposedH) return !IsSnowOrWind(c);
  if (c == LoadCategory::kImposedH) return !snowOrWindPresent;
  return true;
}

bool Any(const std::vector<char>& marks) {
  return std::find(marks.begin(), marks.end(), 1) != marks.end();
}

std::string Name(std::size_t number, const std::string& text) {
  return "KY" + std::to_string(number) + " " + text;
}

}  // namespace

bool LoadCategoryFromInt(int value, LoadCategory& out) {
  if (value < 0 || value >= kLoadCategoryCount) return false;
  out = static_cast<LoadCategory>(value);
  return true;
}

std::string ReadCombinationRules(const CSVTiedosto& file, CombinationRules& rules) {
  std::string problem = ReadCategories(file, rules);
  if (!problem.empty()) return problem;
  problem = ReadNamedValues(file, kConsequenceSection, 3, rules.kfi);
  if (!problem.empty()) return problem;
  std::vector<double> gamma;
  problem = ReadNamedValues(file, kActionFactorSection, 4, gamma);
  if (!problem.empty()) return problem;
  rules.permanent610a = gamma[0];
  rules.permanent610b = gamma[1];
  rules.permanentFavourable = gamma[2];
  rules.variable = gamma[3];
  return std::string();
}

std::string ReadCaseCategories(const CSVTiedosto& file, int caseCount,
                               std::vector<LoadCategory>& categories) {
  categories.clear();
  FieldBuffers f;
  for (int k = 1; k <= caseCount; ++k) {
    if (k > file.LineCount(kCaseCategorySection))
      return Where(kCaseCategorySection, k) + "kuormaluokka puuttuu";
    LoadCategory c = LoadCategory::kPermanent;
    if (!SplitLine(file, kCaseCategorySection, k, {1, 3}, f) || !LoadCategoryFromInt(f.ints[0], c))
      return Where(kCaseCategorySection, k) + "kuormaluokka ei ole väliltä 0 … 9";
    categories.push_back(c);
  }
  return std::string();
}

double ConsequenceFactor(const CombinationRules& rules, int consequenceClass) {
  if (consequenceClass < 1 || consequenceClass > static_cast<int>(rules.kfi.size())) return 0.0;
  return rules.kfi[static_cast<std::size_t>(consequenceClass) - 1];
}

int ProposedDurationClass(const CombinationRules& rules, LoadCategory category) {
  const LoadCategoryRow* row = RowOf(rules, category);
  return row ? row->durationClass : -1;
}

double QuasiPermanentFactor(const CombinationRules& rules, LoadCategory category) {
  const LoadCategoryRow* row = RowOf(rules, category);
  if (!row) return 0.0;
  return IsVariable(category) ? row->psi2 : 1.0;
}

std::vector<Ec5Combination> GenerateCombinations(const std::vector<Ec5LoadCase>& cases,
                                                 const CombinationRules& rules, double kfi) {
  const int n = static_cast<int>(cases.size());
  bool anyPermanent = false, snowOrWind = false;
  std::vector<int> leads;
  for (int i = 0; i < n; ++i) {
    const Ec5LoadCase& c = cases[static_cast<std::size_t>(i)];
    if (!c.hasLoads) continue;
    if (IsVariable(c.category))
      leads.push_back(i);
    else
      anyPermanent = true;
    snowOrWind = snowOrWind || IsSnowOrWind(c.category);
  }
  std::vector<Ec5Combination> out;
  if (!anyPermanent && leads.empty()) return out;

  // Factors with the permanent cases at g, the lead at `leading` and the cases marked in
  // `with` at psi0 times `accompanying`; or, quasi-permanent, every variable case at its psi2.
  auto make = [&](Ec5CombinationKind kind, const std::string& text, int lead, double g,
                  double leading, double accompanying, const std::vector<char>& with,
                  bool quasiPermanent) {
    Ec5Combination combination{Name(out.size() + 1, text), kind,
                               std::vector<double>(static_cast<std::size_t>(n), 0.0)};
    for (int i = 0; i < n; ++i) {
      const auto k = static_cast<std::size_t>(i);
      const Ec5LoadCase& c = cases[k];
      if (!c.hasLoads) continue;
      double& f = combination.factors[k];
      if (!IsVariable(c.category))
        f = g;
      else if (!MayAct(cases, i, lead, snowOrWind))
        f = 0.0;
      else if (quasiPermanent)
        f = QuasiPermanentFactor(rules, c.category);
      else if (i == lead)
        f = leading;
      else
        f = with[k] ? accompanying * Psi0(rules, c.category) : 0.0;
    }
    out.push_back(combination);
  };

  // The cases that may accompany the lead with a psi0 of their own.
  auto mayAccompany = [&](int lead) {
    std::vector<char> with(static_cast<std::size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
      const Ec5LoadCase& c = cases[static_cast<std::size_t>(i)];
      with[static_cast<std::size_t>(i)] = i != lead && c.hasLoads && IsVariable(c.category) &&
                                          MayAct(cases, i, lead, snowOrWind) &&
                                          Psi0(rules, c.category) != 0.0;
    }
    return with;
  };

  // The accompanying sets of a lead, with the words its name gets. An accompanying action is
  // taken only where it is unfavourable, and kmod follows the shortest action in the
  // combination; so besides all of them, the lead goes without those shorter than itself
  // (the shortest first, each class in turn) and, last, alone.
  struct Variant {
    std::string words;
    std::vector<char> with;
  };
  auto variants = [&](int lead) {
    const std::vector<char> all = mayAccompany(lead);
    std::vector<Variant> list{{" määräävä", all}};
    const int own = cases[static_cast<std::size_t>(lead)].durationClass;
    std::vector<int> shorter;
    for (int i = 0; i < n; ++i) {
      const int d = cases[static_cast<std::size_t>(i)].durationClass;
      if (all[static_cast<std::size_t>(i)] && d > own &&
          std::find(shorter.begin(), shorter.end(), d) == shorter.end())
        shorter.push_back(d);
    }
    std::sort(shorter.rbegin(), shorter.rend());
    std::vector<char> with = all;
    std::string without;
    for (const int d : shorter) {
      for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!with[k] || cases[k].durationClass < d) continue;
        with[k] = 0;
        without += (without.empty() ? "" : " ja ") + cases[k].name;
      }
      if (!Any(with)) break;
      list.push_back({" määräävä, ilman " + without, with});
    }
    if (Any(all)) list.push_back({" yksin", std::vector<char>(static_cast<std::size_t>(n), 0)});
    return list;
  };

  const std::vector<char> none(static_cast<std::size_t>(n), 0);
  const double q = rules.variable * kfi;
  if (anyPermanent)
    make(Ec5CombinationKind::kStress, "6.10a", -1, rules.permanent610a * kfi, 0.0, 0.0, none,
         false);
  for (int j : leads) {
    for (const Variant& v : variants(j)) {
      const std::string lead = "6.10b " + cases[static_cast<std::size_t>(j)].name + v.words;
      make(Ec5CombinationKind::kStress, lead, j, rules.permanent610b * kfi, q, q, v.with, false);
      if (anyPermanent)
        make(Ec5CombinationKind::kStress, lead + ", G edullinen", j, rules.permanentFavourable, q,
             q, v.with, false);
    }
  }
  // Deflections know no kmod: all accompanying actions, or none where any could accompany.
  for (int j : leads) {
    const std::string name = "6.14b " + cases[static_cast<std::size_t>(j)].name;
    const std::vector<char> all = mayAccompany(j);
    make(Ec5CombinationKind::kCharacteristic, name + " määräävä", j, 1.0, 1.0, 1.0, all, false);
    if (Any(all))
      make(Ec5CombinationKind::kCharacteristic, name + " yksin", j, 1.0, 1.0, 1.0, none, false);
  }
  if (leads.empty())
    make(Ec5CombinationKind::kCharacteristic, "6.14b", -1, 1.0, 0.0, 0.0, none, false);
  make(Ec5CombinationKind::kQuasiPermanent, "6.16b pitkäaikainen", -1, 1.0, 0.0, 0.0, none, true);
  return out;
}

}  // namespace qv
