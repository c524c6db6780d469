// Information lines on what a design left unchecked: switched-off checks and load cases no
// combination takes.
#include "design/UncheckedNotes.h"

#include "model/KuormaVektori.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

// True when a row of the code carries a value above 0 (column 1 or 2) in a stress combination.
bool AnyRowAbove(const DesignResults& r, int code, bool utilisation) {
  for (const CombinationDesign& c : r.stress) {
    const int i = c.checks.Find(code, 0);
    if (i >= 0 && (utilisation ? c.checks.Value2(i) : c.checks.Value1(i)) > 0.0) return true;
  }
  return false;
}

// Loaded load cases without a non-zero factor in any combination of the kind.
void UntakenCases(const KuormaVektori& loads, qv::CombinationKind kind, const char* what,
                  std::vector<std::string>& notes) {
  const KuormaYhdVektori& combinations = loads.Combinations();
  const int cases = loads.Cases().Count();
  const std::vector<char> loaded = loads.LoadedCases();
  // One walk over the rows: a large project has thousands of cases and combinations.
  std::vector<std::optional<qv::CombinationKind>> kindOf(
      static_cast<std::size_t>(combinations.CombinationCount()));
  bool anyOfKind = false;
  for (int i = 0; i < combinations.Count(); ++i) {
    const int c = combinations.Combination(i);
    if (!combinations.IsHeader(i) || c < 0 || c >= static_cast<int>(kindOf.size())) continue;
    kindOf[static_cast<std::size_t>(c)] = combinations.HeaderKind(i);
    anyOfKind = anyOfKind || combinations.HeaderKind(i) == kind;
  }
  if (!anyOfKind) return;
  std::vector<char> taken(loaded.size(), 0);
  for (int i = 0; i < combinations.Count(); ++i) {
    const int c = combinations.Combination(i), k = combinations.LoadCase(i);
    if (combinations.IsHeader(i) || c < 0 || c >= static_cast<int>(kindOf.size()) || k < 0 ||
        k >= cases || combinations.Value(i) == 0.0)
      continue;
    if (kindOf[static_cast<std::size_t>(c)] == kind) taken[static_cast<std::size_t>(k)] = 1;
  }
  for (int k = 0; k < cases; ++k) {
    if (!loaded[static_cast<std::size_t>(k)] || taken[static_cast<std::size_t>(k)]) continue;
    notes.push_back("Kuormitustapauksen KT" + std::to_string(k + 1) + " (" + loads.Cases().Name(k) +
                    ") kuormat eivät ole mukana yhdessäkään " + what + " kuormitusyhdistelmässä.");
  }
}

}  // namespace

std::vector<std::string> UncheckedNotes(const QELVUX_data& project, const DesignResults& r) {
  std::vector<std::string> notes;
  const MitoitusAsetukset& s = r.settings;
  if (!s.Jannitys) {
    notes.push_back(
        "Jännitystarkastelut on kytketty pois: lujuutta ja stabiilisuutta ei ole "
        "tarkastettu.");
  } else {
    if (AnyRowAbove(r, CheckRowVektori::kCompression, true)) {
      if (!s.Nurjahdus) {
        notes.push_back(
            "Nurjahdustarkastelu on kytketty pois: puristetun sauvan nurjahdusta ei "
            "ole tarkastettu.");
      } else {
        if (!s.Ynurj) notes.push_back("y-akselin suuntaista nurjahdusta ei ole tarkastettu.");
        if (!s.Znurj) notes.push_back("z-akselin suuntaista nurjahdusta ei ole tarkastettu.");
      }
    }
    if (!s.Kiepahdus && (AnyRowAbove(r, CheckRowVektori::kMaxMz, false) ||
                         AnyRowAbove(r, CheckRowVektori::kMaxMy, false))) {
      notes.push_back("Kiepahdustarkastelu on kytketty pois: kiepahdusta ei ole tarkastettu.");
    }
    UntakenCases(project.Loads, KuormaYhdVektori::kStress, "jännitystarkastelun", notes);
  }
  if (!s.Siirtyma) {
    notes.push_back("Siirtymätarkastelut on kytketty pois: taipumia ei ole tarkastettu.");
  } else {
    UntakenCases(project.Loads, KuormaYhdVektori::kDeflection, "siirtymätarkastelun", notes);
  }
  return notes;
}

std::string NotRunLine(const CombinationDesign& comb) {
  return "Ei tarkastettu: " +
         (comb.notRun.empty() ? std::string("materiaalin laskenta-arvo tai poikkileikkaus puuttuu")
                              : comb.notRun) +
         ".";
}

}  // namespace qv
