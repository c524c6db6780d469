// Insertion order, look-ups and code helpers of the frame model vectors.
#include "analysis/fem/FEM_Vektorit.h"

#include <utility>

#include "model/FieldHelpers.h"

namespace {

int IntAt(const QELalkio& r, int j) {
  return j >= 0 && j < static_cast<int>(r.ints.size()) ? r.ints[static_cast<std::size_t>(j)] : 0;
}

// First index whose key is greater than the new key: equal keys keep their input order.
// The vectors are always sorted, so halving finds the same place as a scan from the start.
template <typename KeyOf>
int UpperBound(const QELvektori& v, const QELalkio& record, KeyOf keyOf) {
  const auto key = keyOf(record);
  // Records mostly arrive in order: a key not below the last one goes to the end.
  if (v.Count() == 0 || !(key < keyOf(*v.Record(v.Count() - 1)))) return v.Count();
  int lo = 0;
  int hi = v.Count();
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (key < keyOf(*v.Record(mid)))
      hi = mid;
    else
      lo = mid + 1;
  }
  return lo;
}

// First index with the given key, or -1. Searches by halves, and by a plain scan when that
// misses, so that a vector whose order was disturbed still answers correctly.
template <typename Key, typename KeyOf>
int FindKey(const QELvektori& v, const Key& key, KeyOf keyOf) {
  int lo = 0;
  int hi = v.Count();
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (keyOf(*v.Record(mid)) < key)
      lo = mid + 1;
    else
      hi = mid;
  }
  if (lo < v.Count() && keyOf(*v.Record(lo)) == key) return lo;
  for (int i = 0; i < v.Count(); ++i)
    if (keyOf(*v.Record(i)) == key) return i;
  return -1;
}

auto ByFirstInt = [](const QELalkio& r) { return IntAt(r, 0); };

int MaxFirstInt(const QELvektori& v) {
  int m = 0;
  for (int i = 0; i < v.Count(); ++i) m = std::max(m, v.GetInt(i, 0));
  return m;
}

}  // namespace

FEM_SolmuVektori::FEM_SolmuVektori() : QELvektori(20, 20) { SetLayout(0, 1, 3); }

int FEM_SolmuVektori::InsertPosition(const QELalkio& record) const {
  return UpperBound(*this, record, ByFirstInt);
}

int FEM_SolmuVektori::Find(int number) const { return FindKey(*this, number, ByFirstInt); }

int FEM_SolmuVektori::Add(int number, double x, double y, double z) {
  const std::vector<int> ints{number};
  const std::vector<double> reals{x, y, z};
  return AddRecord(nullptr, &reals, &ints);
}

int FEM_SolmuVektori::MaxNumber() const { return MaxFirstInt(*this); }

FEM_SauvaVektori::FEM_SauvaVektori() : QELvektori(20, 20) { SetLayout(0, 9, 1); }

int FEM_SauvaVektori::InsertPosition(const QELalkio& record) const {
  return UpperBound(*this, record, ByFirstInt);
}

int FEM_SauvaVektori::Find(int number) const { return FindKey(*this, number, ByFirstInt); }

FEM_TuetVektori::FEM_TuetVektori() : QELvektori(20, 20) { SetLayout(0, 3, 0); }

int FEM_TuetVektori::InsertPosition(const QELalkio& record) const {
  return UpperBound(*this, record, ByFirstInt);
}

int FEM_TuetVektori::Find(int number) const { return FindKey(*this, number, ByFirstInt); }

int FEM_TuetVektori::FindFirstOnNode(int node) const {
  for (int i = 0; i < Count(); ++i)
    if (Node(i) == node) return i;
  return -1;
}

FEM_KuormaVektori::FEM_KuormaVektori() : QELvektori(20, 20) { SetLayout(0, 6, 4); }

int FEM_KuormaVektori::InsertPosition(const QELalkio& record) const {
  return UpperBound(*this, record, [](const QELalkio& r) {
    return std::make_pair(IntAt(r, kCase), IntAt(r, kType));
  });
}

void FEM_KuormaVektori::RebuildCaseList() {
  caseList_.Clear();
  for (int i = 0; i < Count(); ++i) caseList_.Add(Case(i));
}

FEM_MateriaaliVektori::FEM_MateriaaliVektori() : QELvektori(20, 20) { SetLayout(0, 2, 10); }

int FEM_MateriaaliVektori::InsertPosition(const QELalkio& record) const {
  return UpperBound(*this, record, [](const QELalkio& r) {
    return std::make_pair(IntAt(r, kType), IntAt(r, kNumber));
  });
}

int FEM_MateriaaliVektori::Find(int type, int number) const {
  return FindKey(*this, std::make_pair(type, number), [](const QELalkio& r) {
    return std::make_pair(IntAt(r, kType), IntAt(r, kNumber));
  });
}

int FEM_MateriaaliVektori::CountType(int type) const {
  int n = 0;
  for (int i = 0; i < Count(); ++i)
    if (Type(i) == type) ++n;
  return n;
}

void FEM_MateriaaliVektori::RemoveType(int type) {
  for (int i = Count() - 1; i >= 0; --i)
    if (Type(i) == type) RemoveRecord(i);
}

FEM_KytkennatVektori::FEM_KytkennatVektori() : QELvektori(20, 20) { SetLayout(0, 4, 0); }

int FEM_KytkennatVektori::InsertPosition(const QELalkio& record) const {
  return UpperBound(*this, record, ByFirstInt);
}

int FEM_KytkennatVektori::Find(int number) const { return FindKey(*this, number, ByFirstInt); }

int FEM_KytkennatVektori::Add(int number, int slave, int master, int code) {
  const std::vector<int> ints{number, slave, master, code};
  return AddRecord(nullptr, nullptr, &ints);
}

int FEM_KytkennatVektori::MaxNumber() const { return MaxFirstInt(*this); }

bool FEM_KoodiKelpaa(long long code) { return code >= 6000000 && code <= 6111111; }

void FEM_KoodinLiput(long long code, int flags[6]) {
  std::vector<int> digits(10, 0);
  const int n = code > 0 ? qv::DecodeDigitCode(code, digits) : 0;
  for (int k = 0; k < 6; ++k)
    flags[k] = k < n && k + 1 < static_cast<int>(digits.size())
                   ? digits[static_cast<std::size_t>(k) + 1]
                   : 0;
}
