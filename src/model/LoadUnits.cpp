// Load values in the units shown to the user.
#include "model/LoadUnits.h"

#include <cstdlib>

#include "model/KuormaVektori.h"
#include "model/NumberText.h"

namespace qv {

namespace {

const char* const kTreeNames[12] = {
    "FX (pääkoord.)",      "FY (pääkoord)",        "FZ (pääkoord)",        "MX (pääkoord.)",
    "MY (pääkoord)",       "MZ (pääkoord)",        "Fx (paikalliskoord.)", "Fy (paikalliskoord)",
    "Fz (paikalliskoord)", "Mx (paikalliskoord.)", "My (paikalliskoord)",  "Mz (paikalliskoord)"};
const char* const kReportNames[12] = {"FX", "FY", "FZ", "MX", "MY", "MZ",
                                      "Fx", "Fy", "Fz", "Mx", "My", "Mz"};

}  // namespace

int KuormaDirectionCode(int type, int direction) {
  if ((type != kKuormaForce && type != kKuormaMoment) || direction < 0 || direction > 5) return 0;
  return direction <= 2 ? 3 * type + direction + 1 : 2 - 3 * type - direction;
}

bool KuormaDirectionFromCode(int code, int& type, int& direction) {
  const int m = std::abs(code);
  if (m < 1 || m > 6) {
    type = kKuormaForce;
    direction = 1;
    return false;
  }
  if (m > 3) {
    type = kKuormaMoment;
    direction = code > 0 ? code - 4 : m - 1;
  } else {
    type = kKuormaForce;
    direction = code > 0 ? code - 1 : m + 2;
  }
  return true;
}

int DirectionNameIndex(int code) {
  if (code >= 1 && code <= 6) return code - 1;
  if (code <= -1 && code >= -6) return -code + 5;
  return -1;
}

std::string DirectionTreeName(int code) {
  const int i = DirectionNameIndex(code);
  return i < 0 ? std::string() : kTreeNames[i];
}

std::string DirectionReportName(int code) {
  const int i = DirectionNameIndex(code);
  return i < 0 ? std::string() : kReportNames[i];
}

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
