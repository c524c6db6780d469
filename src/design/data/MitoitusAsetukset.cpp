// Design settings: field access by number, check switches and deflection utilisations.
#include "design/data/MitoitusAsetukset.h"

#include <algorithm>
#include <cmath>

namespace {

using RealField = double MitoitusAsetukset::*;
using IntField = int MitoitusAsetukset::*;

// Field n lives in exactly one of the two tables (the other holds null).
struct FieldSlot {
  RealField real;
  IntField integer;
};

const FieldSlot kFields[MitoitusAsetukset::kFieldCount] = {
    {&MitoitusAsetukset::UlokeKerroin, nullptr}, {&MitoitusAsetukset::Yrel1, nullptr},
    {&MitoitusAsetukset::Yabs1, nullptr},        {&MitoitusAsetukset::Zrel1, nullptr},
    {&MitoitusAsetukset::Zabs1, nullptr},        {&MitoitusAsetukset::Yrel2, nullptr},
    {&MitoitusAsetukset::Yabs2, nullptr},        {&MitoitusAsetukset::Zrel2, nullptr},
    {&MitoitusAsetukset::Zabs2, nullptr},        {&MitoitusAsetukset::Yrel3, nullptr},
    {&MitoitusAsetukset::Yabs3, nullptr},        {&MitoitusAsetukset::Zrel3, nullptr},
    {&MitoitusAsetukset::Zabs3, nullptr},        {nullptr, &MitoitusAsetukset::Jannitys},
    {nullptr, &MitoitusAsetukset::Siirtyma},     {nullptr, &MitoitusAsetukset::Nurjahdus},
    {nullptr, &MitoitusAsetukset::Kiepahdus},    {nullptr, &MitoitusAsetukset::Ynurj},
    {nullptr, &MitoitusAsetukset::Znurj},        {nullptr, &MitoitusAsetukset::YnurjTapa},
    {nullptr, &MitoitusAsetukset::ZnurjTapa},    {&MitoitusAsetukset::NurjKerrY, nullptr},
    {&MitoitusAsetukset::NurjKerrZ, nullptr},    {&MitoitusAsetukset::LcY, nullptr},
    {&MitoitusAsetukset::LcZ, nullptr},          {&MitoitusAsetukset::EpakY, nullptr},
    {&MitoitusAsetukset::EpakZ, nullptr},        {&MitoitusAsetukset::Lk, nullptr},
    {&MitoitusAsetukset::Kk1, nullptr},          {&MitoitusAsetukset::MRelM, nullptr},
};

// Field number of the relative limit of a direction and condition (the absolute one
// follows it), or 0.
int RelFieldNumber(int direction, int condition) {
  if (condition < 1 || condition > 3) return 0;
  if (direction == MitoitusAsetukset::kDirectionY) return 2 + 4 * (condition - 1);
  if (direction == MitoitusAsetukset::kDirectionZ) return 4 + 4 * (condition - 1);
  return 0;
}

}  // namespace

double MitoitusAsetukset::Field(int n) const {
  if (n < 1 || n > kFieldCount) return 0.0;
  const FieldSlot& f = kFields[n - 1];
  return f.real ? this->*f.real : static_cast<double>(this->*f.integer);
}

int MitoitusAsetukset::SetField(int n, double value) {
  if (n < 1 || n > kFieldCount || !std::isfinite(value)) return -1;
  const FieldSlot& f = kFields[n - 1];
  if (f.real) {
    this->*f.real = value;
    return 0;
  }
  if (std::fabs(value) > 2.0e9) return -1;
  this->*f.integer = static_cast<int>(value);
  return 0;
}

double MitoitusAsetukset::RelLimit(int direction, int condition) const {
  const int n = RelFieldNumber(direction, condition);
  return n ? Field(n) : 0.0;
}

double MitoitusAsetukset::AbsLimit(int direction, int condition) const {
  const int n = RelFieldNumber(direction, condition);
  return n ? Field(n + 1) : 0.0;
}

void MitoitusAsetukset::SetCheckGroups(bool jannitys, bool siirtyma, bool nurjahdus,
                                       bool kiepahdus) {
  Jannitys = jannitys ? 1 : 0;
  Siirtyma = siirtyma ? 1 : 0;
  Nurjahdus = (nurjahdus && jannitys) ? 1 : 0;
  Kiepahdus = (kiepahdus && jannitys) ? 1 : 0;
}

MitoitusCheckEnables CheckEnables(bool jannitys, bool siirtyma, bool nurjahdus, bool kiepahdus) {
  MitoitusCheckEnables e;
  e.NurjahdusCheck = jannitys;
  e.KiepahdusCheck = jannitys;
  e.JannAseBTN = jannitys;
  e.NurjAseBTN = jannitys && nurjahdus;
  e.KiepAseBTN = jannitys && kiepahdus;
  e.SiirAseBTN = siirtyma;
  return e;
}

double RelLimitOf(const MitoitusAsetukset& settings, qv::DesignCode code, int direction,
                  int condition) {
  switch (code) {
    case qv::DesignCode::kAllowableStress:
    case qv::DesignCode::kLimitState:
    case qv::DesignCode::kEc5Env:
      return settings.RelLimit(direction, condition);
    case qv::DesignCode::kEc5:
      if (direction != MitoitusAsetukset::kDirectionY &&
          direction != MitoitusAsetukset::kDirectionZ)
        return 0.0;
      switch (condition) {
        case 1:
          return settings.ec5.winstLimit;
        case 2:
          return settings.ec5.wnetfinLimit;
        case 3:
          return settings.ec5.wfinLimit;
        default:
          return 0.0;
      }
  }
  return 0.0;
}

double AbsLimitOf(const MitoitusAsetukset& settings, qv::DesignCode code, int direction,
                  int condition) {
  return code == qv::DesignCode::kEc5 ? 0.0 : settings.AbsLimit(direction, condition);
}

double DeflectionConditionUtilisation(const MitoitusAsetukset& settings, qv::DesignCode code,
                                      int direction, int condition, double spanLength, double u,
                                      int cantilever) {
  const double g = cantilever ? settings.UlokeKerroin : 1.0;
  const double rel = RelLimitOf(settings, code, direction, condition);
  const double abs = AbsLimitOf(settings, code, direction, condition);
  const double size = std::fabs(u);
  double result = 0.0;
  // A span or raise factor of zero leaves no relative limit to measure against.
  const double raisedLength = g * spanLength;
  if (rel > 0.0 && raisedLength > 0.0)
    result = std::max(result, size * 100.0 / (raisedLength / rel));
  if (abs > 0.0) result = std::max(result, size * 100.0 / abs);
  return result;
}

int DeflectionConditionCount(qv::DesignCode code) {
  switch (code) {
    case qv::DesignCode::kAllowableStress:
    case qv::DesignCode::kLimitState:
      return 2;
    case qv::DesignCode::kEc5Env:
    case qv::DesignCode::kEc5:
      return 3;
  }
  return 2;
}

double DeflectionUtilisation(const MitoitusAsetukset& settings, qv::DesignCode code, int direction,
                             double spanLength, double u1, double u2, double u3, int cantilever) {
  if (direction != MitoitusAsetukset::kDirectionY && direction != MitoitusAsetukset::kDirectionZ)
    return 0.0;
  const double u[3] = {u1, u2, u3};
  const int conditions = DeflectionConditionCount(code);
  double result = 0.0;
  for (int c = 1; c <= conditions; ++c) {
    result = std::max(result, DeflectionConditionUtilisation(settings, code, direction, c,
                                                             spanLength, u[c - 1], cantilever));
  }
  return result;
}

bool HasDeflectionLimit(const MitoitusAsetukset& settings, qv::DesignCode code, int direction,
                        int condition) {
  if (condition == 0) {
    for (int c = 1; c <= 3; ++c) {
      if (HasDeflectionLimit(settings, code, direction, c)) return true;
    }
    return false;
  }
  if (condition < 1 || condition > 3 || condition > DeflectionConditionCount(code)) return false;
  return RelLimitOf(settings, code, direction, condition) > 0.0 ||
         AbsLimitOf(settings, code, direction, condition) > 0.0;
}
