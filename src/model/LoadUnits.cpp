// Load values in the units shown to the user.
#include "model/LoadUnits.h"

#include "model/KuormaVektori.h"
#include "model/NumberText.h"

namespace qv {

double LoadUnitFactor(LoadKind kind, bool moment) {
  switch (kind) {
    case KuormaVektori::kPoint:
      return moment ? 1000000.0 : 1000.0;
    case KuormaVektori::kLine:
      return moment ? 1000.0 : 1.0;
    case KuormaVektori::kSurface:
      return moment ? 1.0 : 0.001;
  }
  return 1.0;
}

double ShownLoadValue(LoadKind kind, int direction, double stored) {
  return stored / LoadUnitFactor(kind, IsMomentDirection(direction));
}

namespace {

std::string Number(LoadKind kind, int direction, double stored) {
  const double shown = ShownLoadValue(kind, direction, stored);
  return IsMomentDirection(direction) ? FormatFixed(shown, 3) : FormatFixedSignificant(shown, 1, 3);
}

const char* Unit(LoadKind kind, bool moment) {
  switch (kind) {
    case KuormaVektori::kPoint:
      return moment ? " kNm" : " kN";
    case KuormaVektori::kSurface:
      return moment ? " kNm/m2" : " kN/m2";
    case KuormaVektori::kLine:
      break;
  }
  return moment ? " kNm/m" : " kN/m";
}

}  // namespace

std::string LoadValueText(LoadKind kind, int direction, double stored) {
  return Number(kind, direction, stored) + Unit(kind, IsMomentDirection(direction));
}

std::string LoadIntensityText(const KuormaVektori& loads, int i) {
  const LoadKind kind = loads.Kind(i);
  const int dir = loads.Direction(i);
  if (kind == KuormaVektori::kPoint || loads.Q2(i) == loads.Q1(i))
    return LoadValueText(kind, dir, loads.Q1(i));
  return Number(kind, dir, loads.Q1(i)) + " … " + LoadValueText(kind, dir, loads.Q2(i));
}

}  // namespace qv
