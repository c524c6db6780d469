// The shipped material tables read back through the design values, checked against hand
// calculations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/data/MateriaaliTiedot.h"
#include "CodeOf.h"

namespace {

const std::string kDataDir = QELVUX_SOURCE_DATA_DIR;

// 1-based line of name in a list, 0 when absent.
int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

qv::SectionSize Rect(double b, double h) {
  return qv::SectionSize{qv::SectionShape::kRectangle, b, h};
}
qv::SectionSize Circle(double d) { return qv::SectionSize{qv::SectionShape::kCircle, d, 0.0}; }

struct Case {
  const char* material;
  int duration;
  int moisture;
  double factor;  // γM for codes 2 and 3, raise factor for code 1
  double b, h;
  double expected[10];  // quantities 1..9 at index 1..9
};

class ShippedTables : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(4, m.LoadTables(kDataDir)); }

  void Check(int code, const Case& c) {
    const int n = IndexOf(m.MaterialNames(CodeOf(code)), c.material);
    ASSERT_GT(n, 0) << c.material;
    m.SetMaterial(CodeOf(code), n);
    m.SetMoistureClass(CodeOf(code), c.moisture);
    const int set = code == 1   ? m.SetAllowableRaiseFactor(c.factor)
                    : code == 2 ? m.SetLimitStatePartialFactor(c.factor)
                                : m.SetEc5PartialFactor(c.factor);
    ASSERT_EQ(0, set);
    DesignValues v;
    ASSERT_EQ(0, m.GetDesignValues(CodeOf(code), c.duration, Rect(c.b, c.h),
                                   MateriaaliTiedot::kDesign, v));
    for (int q = 1; q <= 9; ++q) {
      EXPECT_NEAR(c.expected[q], v.Get(q), 1e-9 * c.expected[q])
          << "code " << code << " " << c.material << " q" << q;
    }
    EXPECT_TRUE(v.AllPositive());
  }

  MateriaaliTiedot m;
};

const double k15 = 1.0844717711976986;  // (150/100)^0.2
const double k30 = 1.2457309396155174;  // (150/50)^0.2
const double k14 = 0.8572439828530728;  // (300/1200)^(1/9)

TEST_F(ShippedTables, ListsOfEachCode) {
  EXPECT_EQ((std::vector<std::string>{"Pysyvä", "Pitkäaikainen", "Keskipitkä", "Lyhytaikainen",
                                      "Hetkellinen"}),
            m.DurationClassNames(qv::DesignCode::kEc5Env));
  EXPECT_EQ((std::vector<std::string>{"Käyttöluokka 1", "Käyttöluokka 2", "Käyttöluokka 3"}),
            m.MoistureClassNames(qv::DesignCode::kEc5Env));
  EXPECT_EQ(17u, m.MaterialNames(qv::DesignCode::kEc5Env).size());
  for (int code = 1; code <= 2; ++code) {
    EXPECT_EQ((std::vector<std::string>{"Pysyvä", "Pitkäaikainen", "Lyhytaikainen", "Hetkellinen"}),
              m.DurationClassNames(CodeOf(code)));
    EXPECT_EQ((std::vector<std::string>{"T18", "T24", "T30", "T40", "GL24h", "GL28h", "GL32h"}),
              m.MaterialNames(CodeOf(code)));
    EXPECT_EQ(3u, m.MoistureClassNames(CodeOf(code)).size());
  }
  EXPECT_EQ("Lyhytaikainen", m.DurationClassName(qv::DesignCode::kLimitState, 3));
  // Material types: sawn timber 1, glulam 2, in every file.
  EXPECT_EQ(1, m.MaterialTypeOf(qv::DesignCode::kEc5Env,
                                IndexOf(m.MaterialNames(qv::DesignCode::kEc5Env), "C40")));
  EXPECT_EQ(2, m.MaterialTypeOf(qv::DesignCode::kEc5Env,
                                IndexOf(m.MaterialNames(qv::DesignCode::kEc5Env), "GL24c")));
  EXPECT_EQ(1, m.MaterialTypeOf(qv::DesignCode::kAllowableStress,
                                IndexOf(m.MaterialNames(qv::DesignCode::kAllowableStress), "T18")));
  EXPECT_EQ(2, m.MaterialTypeOf(qv::DesignCode::kLimitState,
                                IndexOf(m.MaterialNames(qv::DesignCode::kLimitState), "GL32h")));
}

// fk · kmod / γM, E0,mean without factors.
TEST_F(ShippedTables, Ec5DesignValues) {
  const double a = 0.8 / 1.3;  // medium-term, service class 1
  Check(3, {"C24",
            3,
            1,
            1.3,
            200,
            200,
            {0, 24 * a, 21 * a, 2.5 * a, 14 * a, 2.5 * a, 7400 * a, 11000, 24 * a, 2.5 * a}});
  // Glulam, instantaneous, service class 3, b = 200 < 600: My strength raised by the cap
  // 1.15 (3^0.2 = 1.2457 is above it); h = 800 gets nothing.
  const double g = 0.9 / 1.25;
  Check(3, {"GL32h",
            5,
            3,
            1.25,
            200,
            800,
            {0, 32 * g, 29 * g, 3.3 * g, 22.5 * g, 3.8 * g, 11100 * g, 13700, 32 * g * 1.15,
             3.8 * g}});
  // Sawn 50 x 100, permanent, service class 3.
  const double p = 0.5 / 1.3;
  Check(3, {"C24",
            1,
            3,
            1.3,
            50,
            100,
            {0, 24 * p * k15, 21 * p, 2.5 * p, 14 * p * k15, 2.5 * p, 7400 * p, 11000, 24 * p * k30,
             2.5 * p}});
}

// fk · kmod / γM; the deflection modulus times 1 / (1 + kdef) as written in section 42.
TEST_F(ShippedTables, LimitStateDesignValues) {
  const double a = 0.7 / 1.3;  // long-term, moisture class 2
  Check(2,
        {"T24",
         2,
         2,
         1.3,
         100,
         100,
         {0, 24 * a, 21 * a, 2.5 * a, 14 * a, 2.5 * a, 7400 * a, 11000 * 0.6667, 24 * a, 2.5 * a}});
  const double i = 0.9 / 1.17;  // instantaneous, moisture class 3
  Check(2, {"GL28h",
            4,
            3,
            1.17,
            140,
            1200,
            {0, 28 * i * k14, 26.5 * i, 3.0 * i, 19.5 * i, 3.2 * i, 10200 * i, 12600, 28 * i,
             3.2 * i}});
}

// Allowable stresses are fk · kmod / 1.82 rounded to 2 decimals in the file; the raise
// factor lifts everything but the deflection modulus.
TEST_F(ShippedTables, AllowableStressValues) {
  const double r = 1.2;
  Check(1, {"T30",
            2,
            3,
            r,
            100,
            100,
            {0, 9.07 * r, 6.95 * r, 0.82 * r, 5.44 * r, 0.91 * r, 8000 * r, 12000, 9.07 * r,
             0.91 * r}});
  Check(1, {"GL24h",
            4,
            1,
            1.0,
            140,
            1200,
            {0, 14.51 * k14, 14.51, 1.63, 9.97, 1.63, 9400, 11600, 14.51, 1.63}});
  // The rounded file values stay within half a unit of the last decimal of the rule.
  m.SetAllowableRaiseFactor(1.0);
  for (int d = 1; d <= 4; ++d) {
    static const double kmod[4][3] = {
        {0.6, 0.6, 0.5}, {0.7, 0.7, 0.55}, {0.9, 0.9, 0.7}, {1.1, 1.1, 0.9}};
    for (int mc = 1; mc <= 3; ++mc) {
      const int t40 = IndexOf(m.MaterialNames(qv::DesignCode::kAllowableStress), "T40");
      EXPECT_NEAR(40 * kmod[d - 1][mc - 1] / 1.82,
                  m.TableValue(1, qv::DesignCode::kAllowableStress, t40, d, mc, 1), 0.0051);
      EXPECT_NEAR(3.8 * kmod[d - 1][mc - 1] / 1.82,
                  m.TableValue(9, qv::DesignCode::kAllowableStress, t40, d, mc, 1), 0.0051);
      EXPECT_DOUBLE_EQ(14000, m.TableValue(7, qv::DesignCode::kAllowableStress, t40, d, mc, 1));
    }
  }
}

TEST_F(ShippedTables, CharacteristicValuesCarrySizeFactorsOnly) {
  m.SetMaterial(qv::DesignCode::kEc5Env, IndexOf(m.MaterialNames(qv::DesignCode::kEc5Env), "C24"));
  DesignValues v;
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(50, 100),
                                 MateriaaliTiedot::kCharacteristic, v));
  const double expected[10] = {0, 24 * k15, 21, 2.5, 14 * k15, 2.5, 7400, 11000, 24 * k30, 2.5};
  for (int q = 1; q <= 9; ++q) EXPECT_NEAR(expected[q], v.Get(q), 1e-9 * expected[q]) << q;

  m.SetMaterial(qv::DesignCode::kLimitState,
                IndexOf(m.MaterialNames(qv::DesignCode::kLimitState), "GL28h"));
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kLimitState, 4, Rect(140, 1200),
                                 MateriaaliTiedot::kCharacteristic, v));
  EXPECT_NEAR(28 * k14, v.Get(1), 1e-9);
  EXPECT_DOUBLE_EQ(12600, v.Get(7));
  EXPECT_DOUBLE_EQ(28, v.Get(8));

  // Code 1 has no characteristic values.
  m.SetMaterial(qv::DesignCode::kAllowableStress, 1);
  EXPECT_EQ(0.0, m.TableValue(1, qv::DesignCode::kAllowableStress, 1, 1, 1,
                              MateriaaliTiedot::kCharacteristic));
}

TEST_F(ShippedTables, SizeFactorEdgeCases) {
  DesignValues base, v;
  m.SetMaterial(qv::DesignCode::kEc5Env, IndexOf(m.MaterialNames(qv::DesignCode::kEc5Env), "C24"));
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 2, Rect(200, 200), 1, base));
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 2, Rect(50, 100), 1, v));
  EXPECT_NEAR(1.0845, v.Get(1) / base.Get(1), 5e-5);
  EXPECT_NEAR(1.2457, v.Get(8) / base.Get(8), 5e-5);
  EXPECT_NEAR(1.0845, v.Get(4) / base.Get(4), 5e-5);
  // A circle is as deep as it is wide: both bending strengths raised, tension not.
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 2, Circle(100), 1, v));
  EXPECT_NEAR(k15, v.Get(1) / base.Get(1), 1e-12);
  EXPECT_NEAR(k15, v.Get(8) / base.Get(8), 1e-12);
  EXPECT_DOUBLE_EQ(base.Get(4), v.Get(4));
  // Below 150/1.3^5 the cap holds.
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 2, Rect(30, 30), 1, v));
  EXPECT_NEAR(1.3, v.Get(1) / base.Get(1), 1e-12);

  // EC5 glulam 900 deep: no factor on quantity 1.
  m.SetMaterial(qv::DesignCode::kEc5Env,
                IndexOf(m.MaterialNames(qv::DesignCode::kEc5Env), "GL24h"));
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 2, Rect(600, 600), 1, base));
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 2, Rect(600, 900), 1, v));
  EXPECT_DOUBLE_EQ(base.Get(1), v.Get(1));
  EXPECT_DOUBLE_EQ(base.Get(4), v.Get(4));

  // Codes 1 and 2, glulam 1200 deep: 0.25^(1/9) = 0.8572; sawn timber gets nothing.
  for (int code = 1; code <= 2; ++code) {
    m.SetMaterial(CodeOf(code), IndexOf(m.MaterialNames(CodeOf(code)), "GL24h"));
    ASSERT_EQ(0, m.GetDesignValues(CodeOf(code), 1, Rect(200, 300), 1, base));
    ASSERT_EQ(0, m.GetDesignValues(CodeOf(code), 1, Rect(200, 1200), 1, v));
    EXPECT_NEAR(0.8572, v.Get(1) / base.Get(1), 5e-5);
    EXPECT_DOUBLE_EQ(base.Get(4), v.Get(4));
    EXPECT_DOUBLE_EQ(base.Get(8), v.Get(8));
    m.SetMaterial(CodeOf(code), IndexOf(m.MaterialNames(CodeOf(code)), "T24"));
    ASSERT_EQ(0, m.GetDesignValues(CodeOf(code), 1, Rect(200, 300), 1, base));
    ASSERT_EQ(0, m.GetDesignValues(CodeOf(code), 1, Rect(400, 1200), 1, v));
    EXPECT_DOUBLE_EQ(base.Get(1), v.Get(1));
    EXPECT_DOUBLE_EQ(base.Get(8), v.Get(8));
  }
}

TEST_F(ShippedTables, CreepFactors) {
  const auto names = m.MaterialNames(qv::DesignCode::kEc5Env);
  const int c24 = IndexOf(names, "C24");
  const int gl = IndexOf(names, "GL24h");
  EXPECT_DOUBLE_EQ(0.80, m.CreepFactor(qv::DesignCode::kEc5Env, c24, 1, 2));
  EXPECT_DOUBLE_EQ(2.00, m.CreepFactor(qv::DesignCode::kEc5Env, c24, 1, 3));
  EXPECT_DOUBLE_EQ(0.75, m.CreepFactor(qv::DesignCode::kEc5Env, gl, 3, 3));
  EXPECT_DOUBLE_EQ(0.30, m.CreepFactor(qv::DesignCode::kEc5Env, gl, 4, 3));
  EXPECT_DOUBLE_EQ(0.0, m.CreepFactor(qv::DesignCode::kEc5Env, gl, 5, 1));
  EXPECT_DOUBLE_EQ(0.0,
                   m.CreepFactor(qv::DesignCode::kEc5Env, gl, 6, 1));  // no such duration class
}

TEST_F(ShippedTables, MemberStiffness) {
  m.SetMaterial(qv::DesignCode::kEc5Env, IndexOf(m.MaterialNames(qv::DesignCode::kEc5Env), "C24"));
  m.SetMoistureClass(qv::DesignCode::kEc5Env, 2);
  double kdef = -1;
  // E0,mean = 11000; 50 x 100: A = 5000, I = 4166666.67 and 1041666.67.
  EXPECT_DOUBLE_EQ(11000.0 * 5000.0,
                   m.MemberStiffness(qv::DesignCode::kEc5Env, 1, Rect(50, 100), 1, &kdef));
  EXPECT_DOUBLE_EQ(0.80, kdef);
  EXPECT_NEAR(11000.0 * 4166666.6666666667,
              m.MemberStiffness(qv::DesignCode::kEc5Env, 1, Rect(50, 100), 2), 1e-3);
  EXPECT_NEAR(11000.0 * 1041666.6666666667,
              m.MemberStiffness(qv::DesignCode::kEc5Env, 1, Rect(50, 100), 3), 1e-3);
  // Circle d 100: A = 7853.98, I = π d⁴ / 64 = 4908738.52 about both axes.
  EXPECT_NEAR(11000.0 * 7853.981633974483,
              m.MemberStiffness(qv::DesignCode::kEc5Env, 4, Circle(100), 1, &kdef), 1e-3);
  EXPECT_DOUBLE_EQ(0.0, kdef);
  EXPECT_NEAR(11000.0 * 4908738.521234052,
              m.MemberStiffness(qv::DesignCode::kEc5Env, 4, Circle(100), 2), 1e-2);
  EXPECT_NEAR(11000.0 * 4908738.521234052,
              m.MemberStiffness(qv::DesignCode::kEc5Env, 4, Circle(100), 3), 1e-2);

  // Code 2: E = 11000 · 0.5556 for permanent loads in moisture class 2; no kdef.
  m.SetMaterial(qv::DesignCode::kLimitState,
                IndexOf(m.MaterialNames(qv::DesignCode::kLimitState), "T24"));
  m.SetMoistureClass(qv::DesignCode::kLimitState, 2);
  kdef = -1;
  EXPECT_NEAR(11000.0 * 0.5556 * 5000.0,
              m.MemberStiffness(qv::DesignCode::kLimitState, 1, Rect(50, 100), 1, &kdef), 1e-3);
  EXPECT_DOUBLE_EQ(0.0, kdef);

  // No modulus (no such duration class), no section or an unknown quantity: 0.
  EXPECT_EQ(0.0, m.MemberStiffness(qv::DesignCode::kLimitState, 9, Rect(50, 100), 1));
  EXPECT_EQ(0.0, m.MemberStiffness(qv::DesignCode::kEc5Env, 1, qv::SectionSize{}, 1));
  EXPECT_EQ(0.0, m.MemberStiffness(qv::DesignCode::kEc5Env, 1, Rect(50, 100), 4));
}

}  // namespace
