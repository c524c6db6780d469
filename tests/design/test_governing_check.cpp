// The governing check of a design: the first check of the largest utilisation, stress
// combinations before deflection ones, whichever combinations' lines are written to find it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/GoverningCheck.h"

namespace {

using Rows = CheckRowVektori;

// A stress combination with shear, bending and the slenderness limit (largest slenderness
// `slenderness`, so 100 slenderness / 170 %), and the forces and stability rows a design
// writes between them.
qv::CombinationDesign Stress(const char* name, double shear, double bending, double slenderness) {
  qv::CombinationDesign c;
  c.name = name;
  c.checks.AddRow(Rows::kSlenderness, 1, 250.0, 300.0);
  c.checks.AddRow(Rows::kShear, 0, 1.0, shear);
  c.checks.AddRow(Rows::kBending, 0, 10.0, bending);
  c.checks.AddRow(Rows::kSlendernessLimit, 0, slenderness, slenderness);
  c.checks.AddRow(Rows::kMaxMz, 0, 5.0e6, 0.0);
  return c;
}

qv::CombinationDesign Deflection(const char* name, double y, double z) {
  qv::CombinationDesign c;
  c.kind = qv::CombinationKind::kDeflection;
  c.name = name;
  c.utilY = {y};
  c.utilZ = {z};
  return c;
}

TEST(GoverningCheck, FirstOfTheLargestAcrossStressAndDeflection) {
  const struct {
    std::vector<qv::CombinationDesign> stress;
    std::vector<qv::CombinationDesign> deflection;
    const char* check;
    const char* combination;
    double utilisation;
  } cases[] = {
      // Deflection above every stress check.
      {{Stress("KY1", 40, 120, 100)},
       {Deflection("KY2", 150, 0)},
       "Siirtymä y, aukko 1",
       "KY2",
       150},
      // A tie: the stress check comes first.
      {{Stress("KY1", 40, 150, 100)}, {Deflection("KY2", 150, 0)}, "Taivutus", "KY1", 150},
      // The second stress combination above the first; a tie between them keeps the first.
      {{Stress("KY1", 40, 80, 100), Stress("KY2", 95, 60, 100)}, {}, "Leikkaus", "KY2", 95},
      {{Stress("KY1", 95, 80, 100), Stress("KY2", 40, 95, 100)}, {}, "Leikkaus", "KY1", 95},
      // Slenderness 340 is 200 %, above the deflection's 199 % in z.
      {{Stress("KY1", 40, 80, 340)}, {Deflection("KY2", 50, 199)}, "Maksimihoikkuus", "KY1", 200},
      // Slenderness 170 is no line at all; nothing above 0 names nothing.
      {{Stress("KY1", 0, 0, 170)}, {Deflection("KY2", 0, 0)}, "", "", 0},
  };
  for (const auto& c : cases) {
    qv::DesignResults r;
    r.stress = c.stress;
    r.deflection = c.deflection;
    const qv::GoverningCheck g = qv::FindGoverningCheck(r);
    EXPECT_EQ(g.check, c.check) << c.check;
    EXPECT_EQ(g.combination, c.combination) << c.check;
    EXPECT_DOUBLE_EQ(g.utilisation, c.utilisation) << c.check;
  }
}

}  // namespace
