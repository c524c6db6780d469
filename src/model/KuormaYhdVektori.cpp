// Load combination rows kept grouped per combination, with renumbering on removal.
#include "model/KuormaYhdVektori.h"

#include <cstdio>
#include <map>
#include <vector>

namespace {
int IntOf(const QELalkio& r, std::size_t j) { return j < r.ints.size() ? r.ints[j] : 0; }
}  // namespace

KuormaYhdVektori::KuormaYhdVektori() : QELvektori(20, 20) { SetLayout(1, 3, 1); }

int KuormaYhdVektori::InsertPosition(const QELalkio& record) const {
  const int c = IntOf(record, 0);
  const bool header = IntOf(record, 1) != 0;
  const int k = IntOf(record, 2);
  // A header also goes before factor rows of its own combination read ahead of it, so a
  // combination always starts with its header whatever order the lines came in.
  for (int i = 0; i < Count(); ++i) {
    if (Combination(i) > c) return i;
    if (Combination(i) != c || IsHeader(i)) continue;
    if (header || LoadCase(i) > k) return i;
  }
  return Count();
}

void KuormaYhdVektori::Clear() {
  ClearRecords();
  CurrentIndex = -1;
}

std::string KuormaYhdVektori::CombinationName(int c) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "KY%d", c + 1);
  return buf;
}

int KuormaYhdVektori::AddHeader(int c, qv::CombinationKind designKind, double value) {
  return AddRecord(std::vector<std::string>{CombinationName(c)}, std::vector<double>{value},
                   std::vector<int>{c, qv::ToInt(designKind), 0});
}

int KuormaYhdVektori::AddFactor(int c, int k, double factor) {
  if (factor == 0.0) return -1;
  return AddRecord(std::vector<std::string>{CombinationName(c)}, std::vector<double>{factor},
                   std::vector<int>{c, 0, k});
}

int KuormaYhdVektori::CombinationCount() const {
  int n = 0;
  for (int i = 0; i < Count(); ++i) n += IsHeader(i) ? 1 : 0;
  return n;
}

int KuormaYhdVektori::HeaderRow(int c) const {
  for (int i = 0; i < Count(); ++i) {
    if (IsHeader(i) && (c == -1 || Combination(i) == c)) return i;
  }
  return -1;
}

std::optional<qv::CombinationKind> KuormaYhdVektori::HeaderKind(int i) const {
  qv::CombinationKind kind;
  if (i < 0 || i >= Count() || !qv::CombinationKindFromInt(RowKind(i), kind)) return std::nullopt;
  return kind;
}

std::optional<qv::CombinationKind> KuormaYhdVektori::DesignKind(int c) const {
  const int h = c >= 0 ? HeaderRow(c) : -1;
  return HeaderKind(h);
}

double KuormaYhdVektori::OwnDeflectionLimit(int c) const {
  const int h = c >= 0 ? HeaderRow(c) : -1;
  return h >= 0 && Value(h) < 0.0 ? -Value(h) : 0.0;
}

double KuormaYhdVektori::Factor(int c, int k) const {
  for (int i = 0; i < Count(); ++i) {
    if (!IsHeader(i) && Combination(i) == c && LoadCase(i) == k) return Value(i);
  }
  return 0.0;
}

std::vector<double> KuormaYhdVektori::FactorsOf(int c, int caseCount) const {
  std::vector<double> factors(static_cast<std::size_t>(caseCount > 0 ? caseCount : 0), 0.0);
  for (int i = 0; i < Count(); ++i) {
    const int k = LoadCase(i);
    if (!IsHeader(i) && Combination(i) == c && k >= 0 && k < caseCount)
      factors[static_cast<std::size_t>(k)] = Value(i);
  }
  return factors;
}

int KuormaYhdVektori::NthCombinationOfKind(std::optional<qv::CombinationKind> kind, int n) const {
  int seen = 0;
  for (int i = 0; i < Count(); ++i) {
    if (!IsHeader(i) || (kind && HeaderKind(i) != kind)) continue;
    if (seen == n) return Combination(i);
    ++seen;
  }
  return -1;
}

void KuormaYhdVektori::RemoveCombination(int c, bool membersOnly) {
  for (int i = Count() - 1; i >= 0; --i) {
    const bool ofC = c == -1 || Combination(i) == c;
    if (ofC && (!membersOnly || !IsHeader(i))) RemoveRecord(i);
  }
  if (membersOnly) return;
  // Numbers in order of first appearance, so rows stay with their own combination.
  std::map<int, int> renumber;
  for (int i = 0; i < Count(); ++i) {
    const int old = Combination(i);
    auto it = renumber.find(old);
    if (it == renumber.end()) it = renumber.emplace(old, static_cast<int>(renumber.size())).first;
    SetInt(i, 0, it->second);
    SetText(i, 0, Renumbered(TextOr(i, 0), it->second));
  }
}

std::string KuormaYhdVektori::Renumbered(const std::string& name, int c) {
  // "KY7 6.10b Lumikuorma määräävä" keeps what follows its number.
  std::size_t end = 0;
  if (name.compare(0, 2, "KY") == 0) {
    end = 2;
    while (end < name.size() && name[end] >= '0' && name[end] <= '9') ++end;
  }
  if (end <= 2 || (end < name.size() && name[end] != ' ')) return CombinationName(c);
  return CombinationName(c) + name.substr(end);
}

void KuormaYhdVektori::RemoveLoadCase(int k) {
  for (int i = Count() - 1; i >= 0; --i) {
    if (IsHeader(i)) continue;
    if (LoadCase(i) == k)
      RemoveRecord(i);
    else if (LoadCase(i) > k)
      SetInt(i, 2, LoadCase(i) - 1);
  }
}
