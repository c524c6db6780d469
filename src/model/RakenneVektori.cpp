// The member and its ordered support and hinge points.
#include "model/RakenneVektori.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/TextCodec.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

RakenneVektori::RakenneVektori() : QELvektori(20, 20) { SetLayout(1, 2, 1); }

int RakenneVektori::InsertPosition(const QELalkio& record) const {
  const int kind = record.ints.size() > kIntKind ? record.ints[kIntKind] : 0;
  const double x = record.reals.empty() ? 0.0 : record.reals[kRealX];
  // Kept in this order: the first point after the new one is found by halves.
  int low = 0, high = Count();
  while (low < high) {
    const int i = low + (high - low) / 2;
    if (Kind(i) > kind || (Kind(i) == kind && X(i) > x))
      high = i;
    else
      low = i + 1;
  }
  return low;
}

void RakenneVektori::Reset() {
  ClearRecords();
  Angle = 0.0;
  Length = 6000.0;
  RidgeX = -1.0;
  Name = "Palkki";
  CurrentIndex = -1;
  TreeRebuilding = 0;
  AddPoint(" ", kSupport, kPinned, 0.0);
  AddPoint(" ", kSupport, kPinned, Length);
}

int RakenneVektori::AddPoint(const std::string& name, int kind, int code, double x) {
  const std::string stored = name.empty() ? std::string(" ") : qv::CutChars(name, 59);
  return AddRecord(std::vector<std::string>{stored}, std::vector<double>{x},
                   std::vector<int>{kind, code});
}

int RakenneVektori::FindPoint(int kind, double x, double tolerance) const {
  // The points are kept by kind and x: the first one of the kind from x - tolerance on is
  // found by halves (the generator asks this of every node of a long member).
  int low = 0, high = Count();
  while (low < high) {
    const int i = low + (high - low) / 2;
    if (Kind(i) < kind || (Kind(i) == kind && X(i) < x - tolerance))
      low = i + 1;
    else
      high = i;
  }
  if (low < Count() && Kind(low) == kind && std::fabs(X(low) - x) <= tolerance) return low;
  return -1;
}

void RakenneVektori::RemovePointsBeyond(double x) {
  // The selection follows its point, or is dropped with it.
  for (int i = Count() - 1; i >= 0; --i) {
    if (X(i) <= x) continue;
    RemoveRecord(i);
    if (CurrentIndex == i)
      CurrentIndex = -1;
    else if (CurrentIndex > i)
      --CurrentIndex;
  }
}

int RakenneVektori::CountOfKind(int kind) const {
  int n = 0;
  for (int i = 0; i < Count(); ++i) n += Kind(i) == kind ? 1 : 0;
  return n;
}

int RakenneVektori::FirstIndexOfKind(int kind) const {
  for (int i = 0; i < Count(); ++i) {
    if (Kind(i) == kind) return i;
  }
  return -1;
}

void RakenneVektori::Extent(double& minX, double& minY, double& maxX, double& maxY) const {
  const double a = Angle * kPi / 180.0;
  const double c = std::cos(a);
  const double s = std::sin(a);
  minX = std::min(0.0, Length * c);
  minY = std::min(0.0, Length * s);
  maxX = std::max(0.0, Length * c);
  maxY = std::max(0.0, Length * s);
  for (int i = 0; i < Count(); ++i) {
    minX = std::min(minX, X(i) * c);
    minY = std::min(minY, X(i) * s);
    maxX = std::max(maxX, X(i) * c);
    maxY = std::max(maxY, X(i) * s);
  }
}
