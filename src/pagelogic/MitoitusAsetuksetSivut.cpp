// Design settings dialog pages: shown texts and items, range checks and storing of each page.
#include "pagelogic/MitoitusAsetuksetSivut.h"

#include "model/NumberText.h"

namespace mitoitusasetukset {

namespace {

bool Parse(const std::string& text, double min, double max, double& value) {
  return qv::ParseNumber(text, min, max, value) == 0;
}

// One direction of page 1: mode, factor or length. "" when valid.
std::string CheckBucklingLength(int mode, const std::string& factorText, const std::string& lcText,
                                double& factor, double& lc) {
  if (mode == MitoitusAsetukset::kLengthMode) {
    if (!Parse(lcText, kLcMin, kLcMax, lc)) return qv::RangeText(kLcLabel, kLcMin, kLcMax);
  } else if (!Parse(factorText, kFactorMin, kFactorMax, factor)) {
    return qv::RangeText(kFactorLabel, kFactorMin, kFactorMax);
  }
  return std::string();
}

// Settings fields of a condition (1..3) and column (0 = y, 1 = z).
double& RelField(MitoitusAsetukset& s, int condition, int column) {
  switch (condition * 2 + column) {
    case 2:
      return s.Yrel1;
    case 3:
      return s.Zrel1;
    case 4:
      return s.Yrel2;
    case 5:
      return s.Zrel2;
    case 6:
      return s.Yrel3;
    default:
      return s.Zrel3;
  }
}

double& AbsField(MitoitusAsetukset& s, int condition, int column) {
  switch (condition * 2 + column) {
    case 2:
      return s.Yabs1;
    case 3:
      return s.Zabs1;
    case 4:
      return s.Yabs2;
    case 5:
      return s.Zabs2;
    case 6:
      return s.Yabs3;
    default:
      return s.Zabs3;
  }
}

}  // namespace

std::string PageCaption(int page) {
  switch (page) {
    case kBucklingPage:
      return "Nurjahdusasetukset";
    case kLtbPage:
      return "Kiepahdusasetukset";
    case kDeflectionPage:
      return "Sallitut siirtymät";
    case kStressPage:
      return "Jännitystarkastelu";
    case kVibrationPage:
      return "Värähtelytarkastelu";
    default:
      return std::string();
  }
}

int HelpContext(int page) {
  switch (page) {
    case kBucklingPage:
      return 342;
    case kLtbPage:
      return 343;
    case kDeflectionPage:
      return 344;
    case kStressPage:
      return 341;
    case kVibrationPage:
      return 345;
    default:
      return 0;
  }
}

// ---- Page 1 ----

std::vector<std::string> BucklingFactorItems() { return {"2.5", "1.5", "1.0", "0.85", "0.7"}; }

std::vector<std::string> EccentricityItems() {
  std::vector<std::string> items;
  for (int i = 0; i < kEccentricityItems; ++i) items.push_back("L/" + std::to_string(50 * (i + 1)));
  return items;
}

int EccentricityItem(double n) {
  if (!(n >= 0.0 && n < 1e6)) return -1;
  const int item = static_cast<int>(n * 0.02) - 1;
  return item >= 0 && item < kEccentricityItems ? item : -1;
}

bool EccentricityShown(qv::DesignCode code) {
  switch (code) {
    case qv::DesignCode::kAllowableStress:
    case qv::DesignCode::kLimitState:
      return true;
    case qv::DesignCode::kEc5Env:
    case qv::DesignCode::kEc5:  // kc holds the imperfections
      return false;
  }
  return true;
}

std::string LengthModeText(double memberLength) { return qv::FormatFixed(memberLength, 0); }

std::string FactorModeText() { return "1.00"; }

NurjahdusSivu ShowBucklingPage(const MitoitusAsetukset& s) {
  NurjahdusSivu p;
  p.Ynurj = s.Ynurj != 0;
  p.Znurj = s.Znurj != 0;
  p.YMode = s.YnurjTapa == MitoitusAsetukset::kLengthMode ? 2 : 1;
  p.ZMode = s.ZnurjTapa == MitoitusAsetukset::kLengthMode ? 2 : 1;
  p.YKerroin = qv::FormatFixed(s.NurjKerrY, 2);
  p.ZKerroin = qv::FormatFixed(s.NurjKerrZ, 2);
  p.YLc = qv::FormatFixed(s.LcY, 1);
  p.ZLc = qv::FormatFixed(s.LcZ, 1);
  p.YEpakItem = EccentricityItem(s.EpakY);
  p.ZEpakItem = EccentricityItem(s.EpakZ);
  return p;
}

std::string StoreBucklingPage(const NurjahdusSivu& page, qv::DesignCode code,
                              MitoitusAsetukset& s) {
  double yFactor = s.NurjKerrY, yLc = s.LcY, zFactor = s.NurjKerrZ, zLc = s.LcZ;
  std::string msg = CheckBucklingLength(page.YMode, page.YKerroin, page.YLc, yFactor, yLc);
  if (msg.empty()) msg = CheckBucklingLength(page.ZMode, page.ZKerroin, page.ZLc, zFactor, zLc);
  if (!msg.empty()) return msg;

  s.Ynurj = page.Ynurj ? 1 : 0;
  s.Znurj = page.Znurj ? 1 : 0;
  s.YnurjTapa = page.YMode == MitoitusAsetukset::kLengthMode ? 2 : 1;
  s.ZnurjTapa = page.ZMode == MitoitusAsetukset::kLengthMode ? 2 : 1;
  s.NurjKerrY = yFactor;
  s.LcY = yLc;
  s.NurjKerrZ = zFactor;
  s.LcZ = zLc;
  // Hidden boxes (EC5) and an empty choice leave the eccentricities as they were.
  if (EccentricityShown(code)) {
    if (EccentricityOfItem(page.YEpakItem) > 0.0) s.EpakY = EccentricityOfItem(page.YEpakItem);
    if (EccentricityOfItem(page.ZEpakItem) > 0.0) s.EpakZ = EccentricityOfItem(page.ZEpakItem);
  }
  return std::string();
}

// ---- Page 2 ----

std::vector<std::string> LkItems(double memberLength) {
  std::vector<std::string> items;
  for (int i = 1; i <= 10; ++i) items.push_back(qv::FormatFixed(0.1 * i * memberLength, 1));
  return items;
}

std::vector<std::string> LtbFactorItems(qv::DesignCode code) {
  switch (LtbFactorOf(code)) {
    case LtbFactor::kKk1:
      return {"0.075", "0.070", "0.065", "0.050", "0.045", "0.040"};
    case LtbFactor::kMRelM:
      return {"1.15", "1.11", "1.02", "0.85", "0.80", "0.68", "0.66", "0.50", "0.45"};
    case LtbFactor::kTable61:
      // Simply supported: constant moment, uniform load, point load at mid-span; cantilever:
      // uniform load 0.5, point load at the end 0.8.
      return {"1.0", "0.9", "0.8", "0.5"};
  }
  return {};
}

std::string LtbFactorSource(qv::DesignCode code) {
  switch (LtbFactorOf(code)) {
    case LtbFactor::kKk1:
      return "(RakMK B10, s. 8)";
    case LtbFactor::kMRelM:
      return "(EC5, taulukko 5.2.2)";
    case LtbFactor::kTable61:
      return "(SFS-EN 1995-1-1, taulukko 6.1)";
  }
  return "";
}

namespace {

// The field of the page's factor; const settings give a const field.
template <typename Settings>
auto& LtbFactorField(Settings& s, qv::DesignCode code) {
  switch (LtbFactorOf(code)) {
    case LtbFactor::kKk1:
      return s.Kk1;
    case LtbFactor::kMRelM:
      return s.MRelM;
    case LtbFactor::kTable61:
      return s.ec5.ltbFactor;
  }
  return s.Kk1;
}

void LtbFactorRange(qv::DesignCode code, double& min, double& max) {
  switch (LtbFactorOf(code)) {
    case LtbFactor::kKk1:
      min = kKk1Min, max = kKk1Max;
      return;
    case LtbFactor::kMRelM:
      min = kMRelMin, max = kMRelMax;
      return;
    case LtbFactor::kTable61:
      min = kTable61Min, max = kTable61Max;
      return;
  }
}

}  // namespace

std::vector<std::string> LoadPositionItems() {
  return {"Akselilla", "Puristetulla reunalla (+2h)", "Vedetyllä reunalla (-0.5h)"};
}

KiepahdusSivu ShowLtbPage(const MitoitusAsetukset& s, qv::DesignCode code, double memberLength) {
  KiepahdusSivu p;
  p.LoadPosition = s.ec5.loadPosition;
  p.UserLk = s.Lk != 0.0;
  p.Lk = qv::FormatFixed(p.UserLk ? s.Lk : memberLength, 1);
  p.Kerroin = qv::FormatFixed(LtbFactorField(s, code), 3);
  return p;
}

std::string StoreLtbPage(const KiepahdusSivu& page, qv::DesignCode code, MitoitusAsetukset& s) {
  double lk = 0.0;
  if (page.UserLk && !Parse(page.Lk, kLkMin, kLkMax, lk))
    return qv::RangeText(kLkLabel, kLkMin, kLkMax);
  double factor = 0.0, min = 0.0, max = 0.0;
  LtbFactorRange(code, min, max);
  if (!Parse(page.Kerroin, min, max, factor)) return qv::RangeText(LtbFactorLabel(code), min, max);
  s.Lk = lk;
  LtbFactorField(s, code) = factor;
  if (code == qv::DesignCode::kEc5 && page.LoadPosition >= 0 && page.LoadPosition <= 2)
    s.ec5.loadPosition = page.LoadPosition;
  return std::string();
}

// ---- Page 3 ----

std::vector<std::string> RelativeLimitItems() {
  std::vector<std::string> items{kNotChecked};
  for (int i = 1; i < kRelativeLimitItems; ++i) items.push_back("L/" + std::to_string(50 * i));
  return items;
}

int RelativeLimitItem(double n) {
  if (!(n >= 0.0 && n < 1e6)) return -1;
  const int item = static_cast<int>(n * 0.02);
  return item < kRelativeLimitItems ? item : -1;
}

std::string AbsoluteLimitText(double limit) {
  return limit != 0.0 ? qv::FormatFixed(limit, 1) : std::string(kNotChecked);
}

std::vector<std::string> CantileverFactorItems() { return {"1.00", "2.00"}; }

std::string DeflectionRowLabel(qv::DesignCode code, int condition) {
  switch (code) {
    case qv::DesignCode::kAllowableStress:
    case qv::DesignCode::kLimitState:
      switch (condition) {
        case 1:
          return "Sallittu siirtymä (kaikki kuormat):";
        case 2:
          return "Sallittu siirtymä (muuttuvat kuormat):";
        default:
          return std::string();
      }
    case qv::DesignCode::kEc5Env:
      switch (condition) {
        case 1:
          return "Muuttuvat kuormat, hetkellinen (U2,inst):";
        case 2:
          return "Muuttuvat kuormat, lopullinen (U2,fin):";
        case 3:
          return "Kaikki kuormat, lopullinen (Unet,fin):";
        default:
          return std::string();
      }
    case qv::DesignCode::kEc5:
      switch (condition) {
        case 1:
          return "Hetkellinen taipuma (w_inst):";
        case 2:
          return "Lopullinen nettotaipuma (w_net,fin):";
        case 3:
          return "Lopullinen taipuma (w_fin):";
        default:
          return std::string();
      }
  }
  return std::string();
}

int DeflectionRowsShown(qv::DesignCode code) { return DeflectionConditionCount(code); }

SiirtymaSivu ShowDeflectionPage(const MitoitusAsetukset& s, qv::DesignCode code) {
  SiirtymaSivu p;
  for (int c = 0; c < 3; ++c) {
    for (int col = 0; col < 2; ++col) {
      p.RelItem[c][col] = RelativeLimitItem(RelLimitOf(s, code, Direction(col), c + 1));
      p.Abs[c][col] = AbsoluteLimitText(AbsLimitOf(s, code, Direction(col), c + 1));
    }
  }
  p.UlokeKerroin = qv::FormatFixed(s.UlokeKerroin, 2);
  return p;
}

std::string StoreDeflectionPage(const SiirtymaSivu& page, qv::DesignCode code,
                                MitoitusAsetukset& s) {
  const int rows = DeflectionRowsShown(code);
  double abs[3][2] = {};
  for (int c = 0; c < rows; ++c) {
    for (int col = 0; col < 2; ++col) {
      const std::string& text = page.Abs[c][col];
      if (text == kNotChecked) continue;
      if (!Parse(text, kAbsMin, kAbsMax, abs[c][col]))
        return qv::RangeText(DeflectionRowLabel(code, c + 1) + " / " + kAbsoluteLabel, kAbsMin,
                             kAbsMax);
    }
  }
  double raise = 0.0;
  if (!Parse(page.UlokeKerroin, kFactorMin, kFactorMax, raise))
    return qv::RangeText(kCantileverLabel, kFactorMin, kFactorMax);

  if (code == qv::DesignCode::kEc5) {
    // One L/x per deflection, both directions alike; 0 ("Ei tarkastella") checks nothing.
    double* limits[3] = {&s.ec5.winstLimit, &s.ec5.wnetfinLimit, &s.ec5.wfinLimit};
    for (int c = 0; c < 3; ++c) {
      const double rel = RelativeLimitOfItem(page.RelItem[c][0]);
      if (rel >= 0.0) *limits[c] = rel;
    }
    s.UlokeKerroin = raise;
    return std::string();
  }
  // A hidden row keeps what it had.
  for (int c = 0; c < rows; ++c) {
    for (int col = 0; col < 2; ++col) {
      const double rel = RelativeLimitOfItem(page.RelItem[c][col]);
      if (rel >= 0.0) RelField(s, c + 1, col) = rel;
      AbsField(s, c + 1, col) = abs[c][col];
    }
  }
  s.UlokeKerroin = raise;
  return std::string();
}

// ---- Page 4 ----

std::vector<std::string> StressFactorItems(qv::DesignCode code) {
  switch (code) {
    case qv::DesignCode::kAllowableStress: {
      std::vector<std::string> items;
      for (int i = 100; i <= 133; ++i) items.push_back(qv::FormatFixed(i / 100.0, 2));
      return items;
    }
    case qv::DesignCode::kLimitState:
      return {"1.3", "1.17"};
    case qv::DesignCode::kEc5Env:
      return {"1.3"};
    case qv::DesignCode::kEc5:
      return {};  // gamma_M of the material's family, from the table
  }
  return {};
}

std::string StressFactorText(double factor) { return qv::FormatFixed(factor, 2); }

std::vector<std::string> Kc90Items() { return {"1.00", "1.25", "1.50", "1.75"}; }

std::string ValidateKc90(const std::string& text, double& value) {
  double v = 0.0;
  if (!Parse(text, kKc90Min, kKc90Max, v)) return qv::RangeText(kKc90Label, kKc90Min, kKc90Max);
  value = v;
  return std::string();
}

std::string ValidateStressFactor(const std::string& text, qv::DesignCode code, double& value) {
  double v = 0.0;
  if (!Parse(text, kStressMin, kStressMax, v))
    return qv::RangeText(StressFactorLabel(code), kStressMin, kStressMax);
  value = v;
  return std::string();
}

}  // namespace mitoitusasetukset
