// The ranges the design settings accept, and the check of settings read from a project file.
#include "design/data/MitoitusAsetuksetRajat.h"

#include "model/NumberText.h"

namespace mitoitusasetukset {

double EccentricityOfItem(int item) {
  return item >= 0 && item < kEccentricityItems ? 50.0 * (item + 1) : -1.0;
}

double RelativeLimitOfItem(int item) {
  return item >= 0 && item < kRelativeLimitItems ? 50.0 * item : -1.0;
}

int Direction(int column) {
  return column == 0 ? MitoitusAsetukset::kDirectionY : MitoitusAsetukset::kDirectionZ;
}

LtbFactor LtbFactorOf(qv::DesignCode code) {
  switch (code) {
    case qv::DesignCode::kAllowableStress:
    case qv::DesignCode::kLimitState:
      return LtbFactor::kKk1;
    case qv::DesignCode::kEc5Env:
      return LtbFactor::kMRelM;
    case qv::DesignCode::kEc5:
      return LtbFactor::kTable61;
  }
  return LtbFactor::kKk1;
}

std::string LtbFactorLabel(qv::DesignCode code) {
  switch (LtbFactorOf(code)) {
    case LtbFactor::kKk1:
      return "k_k1:";
    case LtbFactor::kMRelM:
      return "m_rel,m:";
    case LtbFactor::kTable61:
      return "a (taulukko 6.1):";
  }
  return "k_k1:";
}

std::string StressFactorLabel(qv::DesignCode code) {
  switch (code) {
    case qv::DesignCode::kAllowableStress:
      return "Sallittujen jännitysten korotuskerroin:";
    case qv::DesignCode::kLimitState:
    case qv::DesignCode::kEc5Env:
      return "Osavarmuuskerroin (jännitystarkastelu):";
    case qv::DesignCode::kEc5:
      return "Osavarmuuskerroin gamma_M (materiaalitaulukosta):";
  }
  return std::string();
}

namespace {

bool Within(double v, double min, double max) { return v >= min && v <= max; }
// 0 (not used) or within the range.
bool OffOrWithin(double v, double min, double max) { return v == 0.0 || Within(v, min, max); }

std::string Shown(const std::string& label, double v) {
  return label + " " + qv::FormatFixed(v, 6);
}

}  // namespace

std::string SettingOutOfRange(const MitoitusAsetukset& s, double limitStateFactor,
                              double raiseFactor, double ec5Factor, int& section) {
  section = 601;
  if (!Within(s.UlokeKerroin, kFactorMin, kFactorMax))
    return Shown(kCantileverLabel, s.UlokeKerroin);
  for (int c = 1; c <= 3; ++c) {
    section = 601 + c;
    for (int col = 0; col < 2; ++col) {
      const std::string row =
          "Sallittu siirtymä " + std::to_string(c) + (col == 0 ? " (y)" : " (z)");
      const double rel = s.RelLimit(Direction(col), c);
      if (!OffOrWithin(rel, RelativeLimitOfItem(1), RelativeLimitOfItem(kRelativeLimitItems - 1)))
        return Shown(row + " L/n:", rel);
      const double abs = s.AbsLimit(Direction(col), c);
      if (!OffOrWithin(abs, kAbsMin, kAbsMax)) return Shown(row + " / " + kAbsoluteLabel, abs);
    }
  }
  section = 605;
  for (int flag : {s.Jannitys, s.Siirtyma, s.Nurjahdus, s.Kiepahdus}) {
    if (flag != 0 && flag != 1) return Shown("Tarkastelun valinta:", flag);
  }
  section = 606;
  for (int flag : {s.Ynurj, s.Znurj}) {
    if (flag != 0 && flag != 1) return Shown("Nurjahdussuunnan valinta:", flag);
  }
  for (int mode : {s.YnurjTapa, s.ZnurjTapa}) {
    if (mode != MitoitusAsetukset::kFactorMode && mode != MitoitusAsetukset::kLengthMode)
      return Shown("Nurjahduspituuden määritys:", mode);
  }
  section = 607;
  for (double f : {s.NurjKerrY, s.NurjKerrZ})
    if (!Within(f, kFactorMin, kFactorMax)) return Shown(kFactorLabel, f);
  const double lc[2] = {s.LcY, s.LcZ};
  const int mode[2] = {s.YnurjTapa, s.ZnurjTapa};
  for (int i = 0; i < 2; ++i) {
    const bool used = mode[i] == MitoitusAsetukset::kLengthMode;
    if (used ? !Within(lc[i], kLcMin, kLcMax) : !OffOrWithin(lc[i], kLcMin, kLcMax))
      return Shown(kLcLabel, lc[i]);
  }
  for (double n : {s.EpakY, s.EpakZ}) {
    if (!Within(n, EccentricityOfItem(0), EccentricityOfItem(kEccentricityItems - 1)))
      return Shown("Epäkeskisyys L/n:", n);
  }
  section = 608;
  if (!OffOrWithin(s.Lk, kLkMin, kLkMax)) return Shown(kLkLabel, s.Lk);
  if (!Within(s.Kk1, kKk1Min, kKk1Max))
    return Shown(LtbFactorLabel(qv::DesignCode::kLimitState), s.Kk1);
  if (!Within(s.MRelM, kMRelMin, kMRelMax))
    return Shown(LtbFactorLabel(qv::DesignCode::kEc5Env), s.MRelM);
  section = 609;
  if (!Within(limitStateFactor, kStressMin, kStressMax))
    return Shown(StressFactorLabel(qv::DesignCode::kLimitState), limitStateFactor);
  if (!Within(raiseFactor, kStressMin, kStressMax))
    return Shown(StressFactorLabel(qv::DesignCode::kAllowableStress), raiseFactor);
  if (!Within(ec5Factor, kStressMin, kStressMax))
    return Shown(StressFactorLabel(qv::DesignCode::kEc5Env), ec5Factor);
  section = 0;
  return std::string();
}

}  // namespace mitoitusasetukset
