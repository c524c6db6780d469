// Putting the generated load combinations of design code 4 into the loads.
#include "model/Ec5CombinationUpdate.h"

#include <vector>

#include "model/KuormaVektori.h"

namespace qv {

bool IsGeneratedCombinationName(const std::string& name) {
  const std::size_t space = name.find(' ');
  if (name.compare(0, 2, "KY") != 0 || space == std::string::npos || space <= 2) return false;
  for (std::size_t i = 2; i < space; ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  const std::string rest = name.substr(space + 1);
  for (const char* clause : {"6.10a", "6.10b", "6.14b", "6.16b"}) {
    const std::string c = clause;
    if (rest.compare(0, c.size(), c) == 0 && (rest.size() == c.size() || rest[c.size()] == ' '))
      return true;
  }
  return false;
}

namespace {

CombinationKind KindOf(Ec5CombinationKind kind) {
  switch (kind) {
    case Ec5CombinationKind::kStress:
      return CombinationKind::kStress;
    case Ec5CombinationKind::kCharacteristic:
      return CombinationKind::kDeflection;
    case Ec5CombinationKind::kQuasiPermanent:
      return CombinationKind::kLongTerm;
  }
  return CombinationKind::kStress;
}

}  // namespace

int RegenerateCombinations(KuormaVektori& loads, const CombinationRules& rules,
                           int consequenceClass) {
  const double kfi = ConsequenceFactor(rules, consequenceClass);
  if (!(kfi > 0.0)) return -1;
  KuormaYhdVektori& all = loads.Combinations();
  const int cases = loads.Cases().Count();
  const std::vector<char> loaded = loads.LoadedCases();
  std::vector<Ec5LoadCase> input;
  for (int k = 0; k < cases; ++k)
    input.push_back({loads.Cases().Name(k), loads.CaseCategory(k),
                     loaded[static_cast<std::size_t>(k)] != 0, loads.Cases().DurationClass(k)});
  const std::vector<Ec5Combination> generated = GenerateCombinations(input, rules, kfi);

  // The hand-made ones as they are: kind, own limit, factors and name.
  struct Kept {
    std::string name;
    CombinationKind kind;
    double value;
    std::vector<double> factors;
  };
  std::vector<Kept> kept;
  for (int c = 0; c < all.CombinationCount(); ++c) {
    const int h = all.HeaderRow(c);
    if (h < 0 || IsGeneratedCombinationName(all.TextOr(h, 0))) continue;
    kept.push_back({all.TextOr(h, 0), all.DesignKind(c).value_or(CombinationKind::kStress),
                    all.Value(h), all.FactorsOf(c, cases)});
  }
  all.Clear();
  int c = 0;
  for (const Ec5Combination& g : generated) {
    all.SetText(all.AddHeader(c, KindOf(g.kind)), 0, g.name);
    for (int k = 0; k < cases; ++k) all.AddFactor(c, k, g.factors[static_cast<std::size_t>(k)]);
    ++c;
  }
  for (const Kept& h : kept) {
    all.SetText(all.AddHeader(c, h.kind, h.value), 0, KuormaYhdVektori::Renumbered(h.name, c));
    for (int k = 0; k < cases; ++k) all.AddFactor(c, k, h.factors[static_cast<std::size_t>(k)]);
    ++c;
  }
  all.CurrentIndex = all.CombinationCount() > 0 ? 0 : -1;
  return static_cast<int>(generated.size());
}

}  // namespace qv
