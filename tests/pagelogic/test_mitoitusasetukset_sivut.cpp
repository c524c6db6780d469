// Design settings dialog pages: items, shown texts, range checks with their messages, storing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pagelogic/MitoitusAsetuksetSivut.h"
#include "pagelogic/VibrationSettingsPage.h"

namespace {

using namespace mitoitusasetukset;

// ---- page 1 ----

TEST(NurjahdusSivu, EccentricityItems) {
  const std::vector<std::string> items = EccentricityItems();
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items.front(), "L/50");
  EXPECT_EQ(items.back(), "L/400");
  EXPECT_EQ(EccentricityOfItem(4), 250.0);  // "L/250"
  EXPECT_EQ(items[4], "L/250");
  EXPECT_EQ(items[EccentricityItem(400)], "L/400");
  EXPECT_EQ(EccentricityItem(50), 0);
  EXPECT_EQ(EccentricityItem(0), -1);
  EXPECT_EQ(EccentricityItem(450), -1);
  EXPECT_EQ(EccentricityOfItem(8), -1.0);
  EXPECT_FALSE(EccentricityShown(qv::DesignCode::kEc5Env));
  EXPECT_TRUE(EccentricityShown(qv::DesignCode::kLimitState));
  EXPECT_EQ(BucklingFactorItems(), (std::vector<std::string>{"2.5", "1.5", "1.0", "0.85", "0.7"}));
  EXPECT_EQ(LengthModeText(6000.4), "6000");
  EXPECT_EQ(FactorModeText(), "1.00");
}

TEST(NurjahdusSivu, ShowsTheCurrentValues) {
  MitoitusAsetukset s;
  s.YnurjTapa = 2;
  s.LcY = 3500;
  s.NurjKerrZ = 0.85;
  const NurjahdusSivu p = ShowBucklingPage(s);
  EXPECT_TRUE(p.Ynurj);
  EXPECT_FALSE(p.Znurj);
  EXPECT_EQ(p.YMode, 2);
  EXPECT_EQ(p.ZMode, 1);
  EXPECT_EQ(p.YLc, "3500.0");
  EXPECT_EQ(p.ZKerroin, "0.85");
  EXPECT_EQ(p.YKerroin, "1.00");
  EXPECT_EQ(p.YEpakItem, 7);
}

TEST(NurjahdusSivu, BucklingLengthRange) {
  MitoitusAsetukset s;
  NurjahdusSivu p = ShowBucklingPage(s);
  p.YMode = 2;
  p.YLc = "50";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s),
            "Nurjahduspituus Lc [mm]: anna luku väliltä 100 … 100000");
  EXPECT_EQ(s.YnurjTapa, 1);  // nothing stored
  p.YLc = "99,9";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s),
            "Nurjahduspituus Lc [mm]: anna luku väliltä 100 … 100000");
  p.YLc = "100000.1";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s),
            "Nurjahduspituus Lc [mm]: anna luku väliltä 100 … 100000");
  p.YLc = "100";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.YnurjTapa, 2);
  EXPECT_EQ(s.LcY, 100.0);
  p.YLc = "100000";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.LcY, 100000.0);
}

TEST(NurjahdusSivu, FactorRangeOnlyInFactorMode) {
  MitoitusAsetukset s;
  NurjahdusSivu p = ShowBucklingPage(s);
  p.ZKerroin = "0";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s),
            "Kerroin: anna luku väliltä 0.00001 … 10000");
  p.ZKerroin = "10000.5";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s),
            "Kerroin: anna luku väliltä 0.00001 … 10000");
  p.ZKerroin = "0,00001";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.NurjKerrZ, 1e-5);
  p.ZKerroin = "10000";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.NurjKerrZ, 10000.0);
  // In length mode the disabled factor box is not looked at.
  p.ZMode = 2;
  p.ZKerroin = "roskaa";
  p.ZLc = "2500";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.ZnurjTapa, 2);
  EXPECT_EQ(s.LcZ, 2500.0);
  EXPECT_EQ(s.NurjKerrZ, 10000.0);
}

TEST(NurjahdusSivu, StopsAtTheFirstBadFieldAndStoresNothing) {
  MitoitusAsetukset s;
  NurjahdusSivu p = ShowBucklingPage(s);
  p.Znurj = true;
  p.YKerroin = "x";
  p.ZMode = 2;
  p.ZLc = "1";
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kLimitState, s),
            "Kerroin: anna luku väliltä 0.00001 … 10000");
  EXPECT_EQ(s.Znurj, 0);
  EXPECT_EQ(s.ZnurjTapa, 1);
}

TEST(NurjahdusSivu, EccentricityStoredExceptForCode3) {
  MitoitusAsetukset s;
  NurjahdusSivu p = ShowBucklingPage(s);
  p.YEpakItem = 4;
  p.ZEpakItem = 0;
  p.Ynurj = false;
  p.Znurj = true;
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kEc5Env, s), "");
  EXPECT_EQ(s.EpakY, 400.0);
  EXPECT_EQ(s.EpakZ, 400.0);
  EXPECT_EQ(s.Ynurj, 0);
  EXPECT_EQ(s.Znurj, 1);
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kAllowableStress, s), "");
  EXPECT_EQ(s.EpakY, 250.0);
  EXPECT_EQ(s.EpakZ, 50.0);
  p.YEpakItem = -1;  // no choice shown: the value stays
  EXPECT_EQ(StoreBucklingPage(p, qv::DesignCode::kAllowableStress, s), "");
  EXPECT_EQ(s.EpakY, 250.0);
}

// ---- page 2 ----

TEST(KiepahdusSivu, ShowsLkOrTheMemberLength) {
  MitoitusAsetukset s;
  KiepahdusSivu p = ShowLtbPage(s, qv::DesignCode::kLimitState, 5000);
  EXPECT_FALSE(p.UserLk);
  EXPECT_EQ(p.Lk, "5000.0");
  EXPECT_EQ(p.Kerroin, "0.075");
  s.Lk = 1250;
  p = ShowLtbPage(s, qv::DesignCode::kEc5Env, 5000);
  EXPECT_TRUE(p.UserLk);
  EXPECT_EQ(p.Lk, "1250.0");
  EXPECT_EQ(p.Kerroin, "1.150");
}

TEST(KiepahdusSivu, Kk1RangeWithDecimalComma) {
  MitoitusAsetukset s;
  KiepahdusSivu p = ShowLtbPage(s, qv::DesignCode::kLimitState, 5000);
  p.Kerroin = "0,5";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.Kk1, 0.5);
  p.Kerroin = "2";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kLimitState, s), "k_k1: anna luku väliltä 0.01 … 1");
  EXPECT_EQ(s.Kk1, 0.5);
  p.Kerroin = "0.0099";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kAllowableStress, s),
            "k_k1: anna luku väliltä 0.01 … 1");
  p.Kerroin = "0.01";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kAllowableStress, s), "");
  p.Kerroin = "1.0";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kAllowableStress, s), "");
  EXPECT_EQ(s.Kk1, 1.0);
  EXPECT_EQ(s.MRelM, 1.15);
}

TEST(KiepahdusSivu, MRelRangeForCode3) {
  MitoitusAsetukset s;
  KiepahdusSivu p = ShowLtbPage(s, qv::DesignCode::kEc5Env, 5000);
  p.Kerroin = "0.09";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kEc5Env, s), "m_rel,m: anna luku väliltä 0.1 … 10");
  p.Kerroin = "10.01";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kEc5Env, s), "m_rel,m: anna luku väliltä 0.1 … 10");
  p.Kerroin = "0.1";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kEc5Env, s), "");
  EXPECT_EQ(s.MRelM, 0.1);
  p.Kerroin = "10";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kEc5Env, s), "");
  EXPECT_EQ(s.MRelM, 10.0);
  EXPECT_EQ(s.Kk1, 0.075);
}

TEST(KiepahdusSivu, LkOnlyWithTheUserRadioButton) {
  MitoitusAsetukset s;
  KiepahdusSivu p = ShowLtbPage(s, qv::DesignCode::kLimitState, 5000);
  p.UserLk = true;
  p.Lk = "0.5";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kLimitState, s),
            "Lk [mm]: anna luku väliltä 1 … 100000");
  p.Lk = "100000.5";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kLimitState, s),
            "Lk [mm]: anna luku väliltä 1 … 100000");
  p.Lk = "1";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.Lk, 1.0);
  p.Lk = "100000";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.Lk, 100000.0);
  // The other radio button stores 0 whatever the disabled box holds.
  p.UserLk = false;
  p.Lk = "roskaa";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.Lk, 0.0);
  // Lk is checked before the factor.
  p.UserLk = true;
  p.Lk = "0";
  p.Kerroin = "5";
  EXPECT_EQ(StoreLtbPage(p, qv::DesignCode::kLimitState, s),
            "Lk [mm]: anna luku väliltä 1 … 100000");
}

// ---- page 3 ----

TEST(SiirtymaSivu, RelativeLimitItems) {
  const std::vector<std::string> items = RelativeLimitItems();
  ASSERT_EQ(items.size(), 11u);
  EXPECT_EQ(items[0], "Ei tarkastella");
  EXPECT_EQ(items[1], "L/50");
  EXPECT_EQ(items[10], "L/500");
  EXPECT_EQ(RelativeLimitOfItem(6), 300.0);
  EXPECT_EQ(items[RelativeLimitItem(300)], "L/300");
  EXPECT_EQ(RelativeLimitOfItem(0), 0.0);
  EXPECT_EQ(RelativeLimitItem(0), 0);
  EXPECT_EQ(RelativeLimitItem(550), -1);
  EXPECT_EQ(RelativeLimitOfItem(11), -1.0);
  EXPECT_EQ(AbsoluteLimitText(0), "Ei tarkastella");
  EXPECT_EQ(AbsoluteLimitText(12.26), "12.3");
  EXPECT_EQ(CantileverFactorItems(), (std::vector<std::string>{"1.00", "2.00"}));
}

TEST(SiirtymaSivu, ShowAndStoreRoundTrip) {
  MitoitusAsetukset s;
  s.Zabs2 = 15;
  SiirtymaSivu p = ShowDeflectionPage(s);
  EXPECT_EQ(p.RelItem[0][0], 6);  // L/300
  EXPECT_EQ(p.RelItem[1][1], 4);  // L/200
  EXPECT_EQ(p.Abs[0][0], "Ei tarkastella");
  EXPECT_EQ(p.Abs[1][1], "15.0");
  EXPECT_EQ(p.UlokeKerroin, "2.00");

  p.RelItem[0][0] = 0;   // "Ei tarkastella"
  p.RelItem[0][1] = 10;  // L/500
  p.Abs[1][0] = "7,5";
  p.Abs[1][1] = "Ei tarkastella";
  p.UlokeKerroin = "1.00";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.Yrel1, 0.0);
  EXPECT_EQ(s.Zrel1, 500.0);
  EXPECT_EQ(s.Yabs2, 7.5);
  EXPECT_EQ(s.Zabs2, 0.0);
  EXPECT_EQ(s.UlokeKerroin, 1.0);
}

TEST(SiirtymaSivu, AbsoluteLimitMessageNamesTheRow) {
  MitoitusAsetukset s;
  SiirtymaSivu p = ShowDeflectionPage(s);
  p.Abs[0][1] = "0";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kLimitState, s),
            "Sallittu siirtymä (kaikki kuormat): / Absoluuttinen [mm]: anna luku väliltä 0.00001 … "
            "10000");
  p.Abs[0][1] = "10000.01";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kAllowableStress, s),
            "Sallittu siirtymä (kaikki kuormat): / Absoluuttinen [mm]: anna luku väliltä 0.00001 … "
            "10000");
  p.Abs[0][1] = "";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kAllowableStress, s),
            "Sallittu siirtymä (kaikki kuormat): / Absoluuttinen [mm]: anna luku väliltä 0.00001 … "
            "10000");
  p.Abs[0][1] = "0.00001";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kAllowableStress, s), "");
  EXPECT_EQ(s.Zabs1, 1e-5);
  p.Abs[0][1] = "10000";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kAllowableStress, s), "");
  EXPECT_EQ(s.Zabs1, 10000.0);

  p.Abs[2][0] = "-1";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kEc5Env, s),
            "Kaikki kuormat, lopullinen (Unet,fin): / Absoluuttinen [mm]: anna luku väliltä "
            "0.00001 … 10000");
}

TEST(SiirtymaSivu, HiddenThirdRowIsNeitherCheckedNorStored) {
  MitoitusAsetukset s;
  SiirtymaSivu p = ShowDeflectionPage(s);
  p.Abs[2][0] = "roskaa";
  p.RelItem[2][1] = 1;
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.Yabs3, 0.0);
  EXPECT_EQ(s.Zrel3, 200.0);
  p.Abs[2][0] = "3";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kEc5Env, s), "");
  EXPECT_EQ(s.Yabs3, 3.0);
  EXPECT_EQ(s.Zrel3, 50.0);
}

TEST(SiirtymaSivu, CantileverFactorRangeAndNothingStoredOnError) {
  MitoitusAsetukset s;
  SiirtymaSivu p = ShowDeflectionPage(s);
  p.RelItem[0][0] = 2;
  p.UlokeKerroin = "0";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kLimitState, s),
            "Ulokkeiden sallittun siirtymän (suhteellisen) korotuskerroin: anna luku väliltä "
            "0.00001 … 10000");
  EXPECT_EQ(s.Yrel1, 300.0);
  p.UlokeKerroin = "10000.1";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kLimitState, s),
            "Ulokkeiden sallittun siirtymän (suhteellisen) korotuskerroin: anna luku väliltä "
            "0.00001 … 10000");
  p.UlokeKerroin = "10000";
  EXPECT_EQ(StoreDeflectionPage(p, qv::DesignCode::kLimitState, s), "");
  EXPECT_EQ(s.UlokeKerroin, 10000.0);
  EXPECT_EQ(s.Yrel1, 100.0);
}

// ---- page 4 ----

TEST(JannitysSivu, LabelsItemsAndRange) {
  EXPECT_EQ(StressFactorLabel(qv::DesignCode::kAllowableStress),
            "Sallittujen jännitysten korotuskerroin:");
  EXPECT_EQ(StressFactorLabel(qv::DesignCode::kLimitState),
            "Osavarmuuskerroin (jännitystarkastelu):");
  EXPECT_EQ(StressFactorLabel(qv::DesignCode::kEc5Env), "Osavarmuuskerroin (jännitystarkastelu):");
  const std::vector<std::string> raise = StressFactorItems(qv::DesignCode::kAllowableStress);
  ASSERT_EQ(raise.size(), 34u);
  EXPECT_EQ(raise.front(), "1.00");
  EXPECT_EQ(raise[29], "1.29");
  EXPECT_EQ(raise.back(), "1.33");
  EXPECT_EQ(StressFactorItems(qv::DesignCode::kLimitState),
            (std::vector<std::string>{"1.3", "1.17"}));
  EXPECT_EQ(StressFactorItems(qv::DesignCode::kEc5Env), (std::vector<std::string>{"1.3"}));
  EXPECT_EQ(StressFactorText(1.3), "1.30");

  double v = 7.0;
  EXPECT_EQ(ValidateStressFactor("0.09", qv::DesignCode::kLimitState, v),
            "Osavarmuuskerroin (jännitystarkastelu): anna luku väliltä 0.1 … 10");
  EXPECT_EQ(ValidateStressFactor("10.5", qv::DesignCode::kAllowableStress, v),
            "Sallittujen jännitysten korotuskerroin: anna luku väliltä 0.1 … 10");
  EXPECT_EQ(v, 7.0);
  EXPECT_EQ(ValidateStressFactor("0,1", qv::DesignCode::kEc5Env, v), "");
  EXPECT_EQ(v, 0.1);
  EXPECT_EQ(ValidateStressFactor("10", qv::DesignCode::kEc5Env, v), "");
  EXPECT_EQ(v, 10.0);
}

}  // namespace

// The floor vibration page (design code 4): "johdettu" stores the derived mass as 0, a
// decimal comma is read, and a value outside its range is refused with its label and range
// while nothing of the page is stored.
TEST(VarahtelySivu, StoresValidPagesOnly) {
  struct Case {
    const char* mass;
    const char* damping;
    const char* width;
    const char* message;  // "" when stored
    double storedMass;
  };
  const Case cases[] = {
      {"johdettu", "0,02", "4,5", "", 0.0},
      {"120,5", "0.01", "5", "", 120.5},
      {"120", "0", "5", "Vaimennussuhde ζ: anna luku väliltä 0.001 … 0.2", -1.0},
      {"120", "0.01", "0.05", "Lattian leveys B: anna luku väliltä 0.1 … 100", -1.0},
      {"-3", "0.01", "5", "Massa m: anna luku väliltä 0 … 10000", -1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mass);
    FloorVibrationSettings s;
    s.mass = 77.0;
    VarahtelySivu page = ShowVibrationPage(FloorVibrationSettings());
    page.Massa = c.mass;
    page.Vaimennus = c.damping;
    page.LattianLeveys = c.width;
    EXPECT_EQ(StoreVibrationPage(page, s), c.message);
    EXPECT_EQ(s.mass, c.storedMass >= 0.0 ? c.storedMass : 77.0);
  }
}
