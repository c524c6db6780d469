// Design settings: defaults, field numbers, check switches, deflection utilisations and limits.
#include <gtest/gtest.h>

#include <cmath>

#include "design/data/MitoitusAsetukset.h"

namespace {

constexpr int Y = MitoitusAsetukset::kDirectionY;
constexpr int Z = MitoitusAsetukset::kDirectionZ;

TEST(MitoitusAsetukset, DefaultsOfAllThirtyFields) {
  const double expected[MitoitusAsetukset::kFieldCount] = {
      2.0, 300, 0, 300, 0,   200, 0, 200,   0,   200, 0, 200, 0,  // 1..13
      1,   1,   1, 1,   1,   0,   1, 1,                           // 14..21
      1.0, 1.0, 0, 0,   400, 400, 0, 0.075, 1.15};                // 22..30
  MitoitusAsetukset s;
  for (int n = 1; n <= MitoitusAsetukset::kFieldCount; ++n) {
    EXPECT_DOUBLE_EQ(s.Field(n), expected[n - 1]) << "field " << n;
  }
  EXPECT_EQ(s.Field(0), 0.0);
  EXPECT_EQ(s.Field(31), 0.0);
}

TEST(MitoitusAsetukset, FieldNumbersReachTheNamedFields) {
  MitoitusAsetukset s;
  EXPECT_EQ(s.SetField(7, 12.5), 0);
  EXPECT_EQ(s.Yabs2, 12.5);
  EXPECT_EQ(s.SetField(19, 1.9), 0);  // integer fields are truncated
  EXPECT_EQ(s.Znurj, 1);
  EXPECT_EQ(s.SetField(21, 2.0), 0);
  EXPECT_EQ(s.ZnurjTapa, 2);
  EXPECT_EQ(s.SetField(28, 3000), 0);
  EXPECT_EQ(s.Lk, 3000.0);
  EXPECT_EQ(s.SetField(30, 0.85), 0);
  EXPECT_EQ(s.MRelM, 0.85);
  EXPECT_EQ(s.SetField(31, 1), -1);
  EXPECT_EQ(s.SetField(0, 1), -1);
  EXPECT_EQ(s.SetField(14, std::nan("")), -1);
  EXPECT_EQ(s.SetField(15, 1e12), -1);
  EXPECT_EQ(s.Jannitys, 1);
  EXPECT_EQ(s.Siirtyma, 1);
}

TEST(MitoitusAsetukset, LimitsByDirectionAndCondition) {
  MitoitusAsetukset s;
  for (int n = 2; n <= 13; ++n) s.SetField(n, 1000 + n);
  EXPECT_EQ(s.RelLimit(Y, 1), 1002);
  EXPECT_EQ(s.AbsLimit(Y, 1), 1003);
  EXPECT_EQ(s.RelLimit(Z, 1), 1004);
  EXPECT_EQ(s.AbsLimit(Z, 1), 1005);
  EXPECT_EQ(s.RelLimit(Y, 2), 1006);
  EXPECT_EQ(s.AbsLimit(Z, 2), 1009);
  EXPECT_EQ(s.RelLimit(Y, 3), 1010);
  EXPECT_EQ(s.AbsLimit(Z, 3), 1013);
  EXPECT_EQ(s.RelLimit(1, 1), 0.0);
  EXPECT_EQ(s.RelLimit(Y, 4), 0.0);
  EXPECT_EQ(s.AbsLimit(Y, 0), 0.0);
}

TEST(MitoitusAsetukset, CheckBoxesOfTheDesignPage) {
  MitoitusAsetukset s;
  s.SetCheckGroups(false, true, true, true);
  EXPECT_EQ(s.Jannitys, 0);
  EXPECT_EQ(s.Nurjahdus, 0);  // buckling runs only with the stress checks
  EXPECT_EQ(s.Kiepahdus, 0);
  EXPECT_EQ(s.Siirtyma, 1);
  s.SetCheckGroups(true, false, true, false);
  EXPECT_EQ(s.Jannitys, 1);
  EXPECT_EQ(s.Nurjahdus, 1);
  EXPECT_EQ(s.Kiepahdus, 0);
  EXPECT_EQ(s.Siirtyma, 0);

  MitoitusCheckEnables off = CheckEnables(false, true, true, true);
  EXPECT_FALSE(off.NurjahdusCheck);
  EXPECT_FALSE(off.KiepahdusCheck);
  EXPECT_FALSE(off.JannAseBTN);
  EXPECT_FALSE(off.NurjAseBTN);
  EXPECT_FALSE(off.KiepAseBTN);
  EXPECT_TRUE(off.SiirAseBTN);
  MitoitusCheckEnables on = CheckEnables(true, false, false, true);
  EXPECT_TRUE(on.NurjahdusCheck);
  EXPECT_TRUE(on.JannAseBTN);
  EXPECT_FALSE(on.NurjAseBTN);  // its own box is cleared
  EXPECT_TRUE(on.KiepAseBTN);
  EXPECT_FALSE(on.SiirAseBTN);
}

// ---- deflection utilisation: 4000 mm span, hand-worked percentages ----

MitoitusAsetukset Code2Settings() {
  MitoitusAsetukset s;
  s.Yrel1 = 300;  // L/300 all loads
  s.Yrel2 = 0;    // "Ei tarkastella" for variable loads
  return s;
}

TEST(DeflectionUtilisation, RelativeLimitOfASpanBetweenSupports) {
  // 12 mm against 4000/300 = 13.33 mm.
  EXPECT_NEAR(
      DeflectionUtilisation(Code2Settings(), qv::DesignCode::kLimitState, Y, 4000, 12, 0, 0, 0),
      90.0, 1e-9);
}

TEST(DeflectionUtilisation, CantileverRaisesOnlyTheRelativeLimit) {
  MitoitusAsetukset s = Code2Settings();
  // 12 mm against 2.0 * 4000 / 300 = 26.67 mm.
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kLimitState, Y, 4000, 12, 0, 0, 1), 45.0,
              1e-9);
  s.Yabs1 = 10;
  // The absolute 10 mm is not raised: 120 % on the cantilever too.
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kLimitState, Y, 4000, 12, 0, 0, 1), 120.0,
              1e-9);
}

TEST(DeflectionUtilisation, AbsoluteAndRelativeTakeTheLarger) {
  MitoitusAsetukset s = Code2Settings();
  s.Yabs1 = 10;
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kLimitState, Y, 4000, 12, 0, 0, 0), 120.0,
              1e-9);
  s.Yabs1 = 20;  // 60 % absolute, 90 % relative
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kLimitState, Y, 4000, 12, 0, 0, 0), 90.0,
              1e-9);
}

TEST(DeflectionUtilisation, AllLoadsAndVariableLoadsPerCondition) {
  MitoitusAsetukset s;  // L/300 and L/200
  EXPECT_NEAR(DeflectionConditionUtilisation(s, qv::DesignCode::kLimitState, Y, 1, 4000, 12, 0),
              90.0, 1e-9);
  EXPECT_NEAR(DeflectionConditionUtilisation(s, qv::DesignCode::kLimitState, Y, 2, 4000, 8, 0),
              40.0, 1e-9);
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kLimitState, Y, 4000, 12, 8, 0, 0), 90.0,
              1e-9);
  // The variable part rules when it is relatively larger: 12 mm over 4000/200 = 60 %.
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kAllowableStress, Y, 4000, 3, 12, 0, 0),
              60.0, 1e-9);
}

TEST(DeflectionUtilisation, ThirdConditionOnlyForCode3) {
  MitoitusAsetukset s;
  s.Yrel1 = s.Yrel2 = 0;
  s.Yrel3 = 250;  // 4000/250 = 16 mm
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kEc5Env, Y, 4000, 0, 0, 8, 0), 50.0, 1e-9);
  EXPECT_EQ(DeflectionUtilisation(s, qv::DesignCode::kLimitState, Y, 4000, 0, 0, 8, 0), 0.0);
  EXPECT_EQ(DeflectionUtilisation(s, qv::DesignCode::kAllowableStress, Y, 4000, 0, 0, 8, 0), 0.0);
}

TEST(DeflectionUtilisation, ZUsesItsOwnLimits) {
  MitoitusAsetukset s;
  s.Zrel1 = 400;  // 3000/400 = 7.5 mm
  s.Zrel2 = 0;
  s.Zabs2 = 5;
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kLimitState, Z, 3000, 6, 2, 0, 0), 80.0,
              1e-9);
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kLimitState, Z, 3000, 3, 6, 0, 0), 120.0,
              1e-9);
  // A negative displacement counts by its size.
  EXPECT_NEAR(DeflectionUtilisation(s, qv::DesignCode::kLimitState, Z, 3000, -6, 0, 0, 0), 80.0,
              1e-9);
}

TEST(DeflectionUtilisation, NoLimitsOrNoSpanGiveZeroNeverInfinity) {
  MitoitusAsetukset s;
  for (int n = 2; n <= 13; ++n) s.SetField(n, 0);
  EXPECT_EQ(DeflectionUtilisation(s, qv::DesignCode::kEc5Env, Y, 4000, 12, 8, 5, 0), 0.0);
  MitoitusAsetukset d;
  EXPECT_EQ(DeflectionUtilisation(d, qv::DesignCode::kLimitState, Y, 0, 12, 8, 0, 0), 0.0);
  d.UlokeKerroin = 0;
  EXPECT_EQ(DeflectionUtilisation(d, qv::DesignCode::kLimitState, Y, 4000, 12, 8, 0, 1), 0.0);
  EXPECT_EQ(DeflectionUtilisation(d, qv::DesignCode::kLimitState, 1, 4000, 12, 8, 0, 0), 0.0);
  EXPECT_EQ(DeflectionUtilisation(d, qv::DesignCode::kLimitState, Y, 4000, 0, 0, 0, 0), 0.0);
}

TEST(HasDeflectionLimit, RelativeOrAbsoluteAndCondition3OnlyForCode3) {
  MitoitusAsetukset s;
  EXPECT_TRUE(HasDeflectionLimit(s, qv::DesignCode::kLimitState, Y, 0));
  EXPECT_TRUE(HasDeflectionLimit(s, qv::DesignCode::kLimitState, Z, 1));
  EXPECT_FALSE(HasDeflectionLimit(s, qv::DesignCode::kLimitState, Y, 3));
  EXPECT_TRUE(HasDeflectionLimit(s, qv::DesignCode::kEc5Env, Y, 3));
  EXPECT_FALSE(HasDeflectionLimit(s, qv::DesignCode::kLimitState, 1, 0));
  EXPECT_FALSE(HasDeflectionLimit(s, qv::DesignCode::kLimitState, Y, 4));

  for (int n = 2; n <= 13; ++n) s.SetField(n, 0);
  EXPECT_FALSE(HasDeflectionLimit(s, qv::DesignCode::kEc5Env, Y, 0));
  s.Zabs2 = 15;
  EXPECT_TRUE(HasDeflectionLimit(s, qv::DesignCode::kAllowableStress, Z, 2));
  EXPECT_TRUE(HasDeflectionLimit(s, qv::DesignCode::kAllowableStress, Z, 0));
  EXPECT_FALSE(HasDeflectionLimit(s, qv::DesignCode::kAllowableStress, Y, 0));
  s.Zabs2 = 0;
  s.Yrel3 = 300;  // only condition 3 set: counts for code 3 alone
  EXPECT_FALSE(HasDeflectionLimit(s, qv::DesignCode::kLimitState, Y, 0));
  EXPECT_TRUE(HasDeflectionLimit(s, qv::DesignCode::kEc5Env, Y, 0));
}

}  // namespace
