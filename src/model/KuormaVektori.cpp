// Loads: ordering, queries for drawing and results, and edits that follow the member.
#include "model/KuormaVektori.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "model/TextCodec.h"

namespace {
int IntOf(const QELalkio& r, std::size_t j) { return j < r.ints.size() ? r.ints[j] : 0; }
}  // namespace

KuormaVektori::KuormaVektori() : QELvektori(20, 20) {
  SetLayout(1, 4, 4);
  SetDecimals(0, 5);
  SetDecimals(1, 5);
  // Surface loads are held in N/mm2 (0.734 kN/m2 = 0.000734): five decimals alone would
  // save them as 0.00073, so the values keep ten significant digits as well.
  SetSignificantDigits(0, 10);
  SetSignificantDigits(1, 10);
}

int KuormaVektori::InsertPosition(const QELalkio& record) const {
  const int c = IntOf(record, 0);
  const int kind = IntOf(record, 1);
  // The loads are kept in this order, so the first one after the new load is found by
  // halves: a project of 100 000 loads must not make each one a walk over all before it.
  int low = 0, high = Count();
  while (low < high) {
    const int i = low + (high - low) / 2;
    if (LoadCase(i) > c || (LoadCase(i) == c && qv::ToInt(Kind(i)) > kind))
      high = i;
    else
      low = i + 1;
  }
  return low;
}

int KuormaVektori::AddLoad(const std::string& name, int loadCase, qv::LoadKind kind, int direction,
                           int refLength, double q1, double q2, double x1, double x2) {
  const std::string stored = name.empty() ? std::string(" ") : qv::CutChars(name, 59);
  return AddRecord(std::vector<std::string>{stored}, std::vector<double>{q1, q2, x1, x2},
                   std::vector<int>{loadCase, qv::ToInt(kind), direction, refLength});
}

void KuormaVektori::ClearLoads() {
  ClearRecords();
  CurrentIndex = -1;
  Updating = 0;
}

int KuormaVektori::CountLoads(int loadCase, std::optional<qv::LoadKind> kind) const {
  int n = 0;
  for (int i = 0; i < Count(); ++i) {
    if ((loadCase == -1 || LoadCase(i) == loadCase) && (!kind || Kind(i) == *kind)) ++n;
  }
  return n;
}

int KuormaVektori::FirstLoad(int loadCase, std::optional<qv::LoadKind> kind) const {
  for (int i = 0; i < Count(); ++i) {
    if ((loadCase == -1 || LoadCase(i) == loadCase) && (!kind || Kind(i) == *kind)) return i;
  }
  return -1;
}

double KuormaVektori::LargestLoadValue(int loadCase, std::optional<qv::LoadKind> kind,
                                       bool moments) const {
  double largest = 0.0;
  for (int i = 0; i < Count(); ++i) {
    if (loadCase != -1 && LoadCase(i) != loadCase) continue;
    if (kind && Kind(i) != *kind) continue;
    const int d = std::abs(Direction(i));
    if (moments ? (d < 4 || d > 6) : (d < 1 || d > 3)) continue;
    largest = std::max(largest, std::fabs(Q1(i)));
    if (Kind(i) != kPoint) largest = std::max(largest, std::fabs(Q2(i)));
  }
  return largest;
}

bool KuormaVektori::HasAxialLoads() const {
  for (int i = 0; i < Count(); ++i) {
    if (std::abs(Direction(i)) == 1) return true;
  }
  return false;
}

bool KuormaVektori::HasOutOfPlaneLoads() const {
  for (int i = 0; i < Count(); ++i) {
    const int d = std::abs(Direction(i));
    if (d == 3 || d == 5) return true;
  }
  return false;
}

void KuormaVektori::RemoveLoad(int i) {
  if (RemoveRecord(i) != 0) return;
  if (CurrentIndex == i)
    CurrentIndex = -1;
  else if (CurrentIndex > i)
    --CurrentIndex;
}

void KuormaVektori::CutLoadsAt(double length) {
  for (int i = Count() - 1; i >= 0; --i) {
    const double x1 = X1(i);
    const double x2 = X2(i);
    if (Kind(i) == kPoint) {
      if (x1 > length) RemoveLoad(i);
      continue;
    }
    if (x1 >= length) {
      RemoveLoad(i);
    } else if (x2 > length) {
      // x2 > L > x1, so the span is never zero.
      const double q2 = Q1(i) + (Q2(i) - Q1(i)) * (length - x1) / (x2 - x1);
      SetReal(i, 1, q2);
      SetReal(i, 3, length);
    }
  }
}

bool KuormaVektori::FullLengthLoadsExist(double oldLength) const {
  for (int i = 0; i < Count(); ++i) {
    if (Kind(i) != kPoint && X1(i) <= 0.0 && (X2(i) == oldLength || X2(i) == -1.0)) return true;
  }
  return false;
}

void KuormaVektori::LengthenFullLengthLoads(double oldLength, double newLength) {
  for (int i = 0; i < Count(); ++i) {
    if (Kind(i) != kPoint && X1(i) <= 0.0 && (X2(i) == oldLength || X2(i) == -1.0))
      SetReal(i, 3, newLength);
  }
}

int KuormaVektori::RemoveLoadCase(int k) {
  if (!cases_.IsValid(k)) return -1;
  for (int i = Count() - 1; i >= 0; --i) {
    if (LoadCase(i) == k)
      RemoveLoad(i);
    else if (LoadCase(i) > k)
      SetInt(i, 0, LoadCase(i) - 1);
  }
  combinations_.RemoveLoadCase(k);
  cases_.RemoveRecord(k);
  // The own weight stays in its case; when that case goes, the first permanent one takes it.
  if (OwnWeight.loadCase == k)
    OwnWeight.loadCase = -1;
  else if (OwnWeight.loadCase > k)
    --OwnWeight.loadCase;
  if (k < static_cast<int>(caseCategories_.size()))
    caseCategories_.erase(caseCategories_.begin() + k);
  // The load page keeps showing the same case, or all of them when its case is gone.
  if (VisibleCase == k)
    VisibleCase = -1;
  else if (VisibleCase > k)
    --VisibleCase;
  return 0;
}

qv::LoadCategory KuormaVektori::CaseCategory(int k) const {
  if (k >= 0 && k < static_cast<int>(caseCategories_.size()))
    return caseCategories_[static_cast<std::size_t>(k)];
  return cases_.IsValid(k) && cases_.DurationClass(k) == 0 ? qv::LoadCategory::kPermanent
                                                           : qv::LoadCategory::kImposedA;
}

void KuormaVektori::SetCaseCategory(int k, qv::LoadCategory category) {
  if (!cases_.IsValid(k)) return;
  std::vector<qv::LoadCategory> all = CaseCategories();
  all[static_cast<std::size_t>(k)] = category;
  caseCategories_ = all;
}

std::vector<qv::LoadCategory> KuormaVektori::CaseCategories() const {
  std::vector<qv::LoadCategory> all;
  for (int k = 0; k < cases_.Count(); ++k) all.push_back(CaseCategory(k));
  return all;
}

void KuormaVektori::SetCaseCategories(const std::vector<qv::LoadCategory>& categories) {
  caseCategories_ = categories;
}

std::vector<char> KuormaVektori::LoadedCases() const {
  // Marked in one pass: counted case by case, the loads would be walked once per case, and
  // the design asks this of every combination.
  std::vector<char> loaded(static_cast<std::size_t>(cases_.Count()), 0);
  for (int i = 0; i < Count(); ++i) {
    const int lc = LoadCase(i);
    if (lc >= 0 && lc < cases_.Count()) loaded[static_cast<std::size_t>(lc)] = 1;
  }
  // A case that holds nothing but the own weight is loaded all the same: its combinations
  // must be made and designed.
  const int own = OwnWeightCase();
  if (own >= 0) loaded[static_cast<std::size_t>(own)] = 1;
  return loaded;
}

bool KuormaVektori::IsPermanentCase(int k) const {
  return cases_.IsValid(k) && cases_.DurationClass(k) == 0 &&
         CaseCategory(k) == qv::LoadCategory::kPermanent;
}

int KuormaVektori::OwnWeightCase() const {
  if (!OwnWeight.on) return -1;
  if (IsPermanentCase(OwnWeight.loadCase)) return OwnWeight.loadCase;
  for (int k = 0; k < cases_.Count(); ++k)
    if (IsPermanentCase(k)) return k;
  return -1;
}

int KuormaVektori::GoverningDurationClass(int c, int k) const {
  if (c >= 0 && combinations_.HeaderRow(c) >= 0) {
    const std::vector<char> loaded = LoadedCases();
    const std::vector<double> factors = combinations_.FactorsOf(c, cases_.Count());
    int governing = 1;
    for (int j = 0; j < cases_.Count(); ++j) {
      if (loaded[static_cast<std::size_t>(j)] && factors[static_cast<std::size_t>(j)] != 0.0)
        governing = std::max(governing, cases_.DurationClass(j) + 1);
    }
    return governing;
  }
  return cases_.IsValid(k) ? cases_.DurationClass(k) + 1 : 1;
}
