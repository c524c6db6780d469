// Design code 4 through the whole program: a floor joist with generated combinations, checked
// against hand calculations of EN 1995-1-1 with the Finnish annex's factors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/DesignRun.h"
#include "design/DesignTestProject.h"

namespace {

using designtest::TextMatches;

std::vector<std::string> Texts(const qv::DesignTree& t) {
  std::vector<std::string> out;
  for (const auto& n : t.nodes) out.push_back(n.text);
  return out;
}

bool Has(const std::vector<std::string>& texts, const std::string& pattern,
         const std::vector<double>& values) {
  for (const std::string& t : texts)
    if (TextMatches(t, pattern, values)) return true;
  return false;
}

}  // namespace

// C14 50 x 225, span 4200 mm on pinned supports, service class 1: G 0.3 kN/m (own weight,
// permanent) and imposed load A 1.2 kN/m (medium-term), CC2 (K_FI 1.0), lateral supports at
// 600 mm with a = 0.9 and the load on the compression edge.
//   W = 50 * 225^2 / 6 = 421 875 mm3, I = 50 * 225^3 / 12 = 47.46e6 mm4.
//   KY2 6.10b (A leads): q = 1.15 * 0.3 + 1.5 * 1.2 = 2.145 kN/m, M = qL^2/8 = 4.730 kNm,
//     sigma = 11.21 MPa; fm,d = 0.80 * 14 / 1.4 = 8.0 (kh = 1 at h = 225): 140.1 %.
//     V = qL/2 = 4.505 kN, tau = 1.5 V / (0.67 b h) = 0.896 MPa, fv,d = 0.8 * 3 / 1.4 = 1.714:
//     52.3 %. 6.12: 0.7 * 140.1 = 98.1 %. lef = 0.9 * 600 + 2 * 225 = 990 mm,
//     sigma_crit = 0.78 b^2 E0,05 / (h lef) = 41.14, lambda_rel,m = 0.58: kcrit = 1, 140.1 %.
//     Bearing: fc,90,d = 0.8 * 2.0 / 1.4 = 1.143, lreq = 4505 / (50 * 1.143) - 30 = 48.8 mm.
//   KY1 6.10a: q = 1.35 * 0.3 = 0.405 kN/m, sigma = 2.117 against 0.6 * 14 / 1.4 = 6.0: 35.3 %.
//   Deflection, characteristic with A leading: q = 1.5 kN/m, w_inst = 5qL^4 / (384 E I) with
//     E0,mean 7000: 18.29 mm; quasi-permanent q = 0.3 + 0.3 * 1.2 = 0.66 kN/m: w_qp = 8.05 mm;
//     w_fin = 18.29 + 0.6 * 8.05 = 23.12 mm. Limits L/300 = 14, L/250 = 16.8, L/150 = 28 mm:
//     130.6 %, 137.6 %, 82.6 %.
TEST(Ec5Design, FloorJoistByHand) {
  QELVUX_data p(designtest::ProgramPath());
  p.DesignCode = qv::DesignCode::kEc5;
  p.Member.Reset();
  p.Member.Length = 4200.0;
  p.Member.ClearRecords();
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 4200.0);
  p.LoadDefaultLoads();
  p.Loads.ClearLoads();
  p.Loads.AddLoad("g", 0, KuormaVektori::kLine, 2, 1, -0.3, -0.3, 0.0, 4200.0);
  p.Loads.AddLoad("q", 1, KuormaVektori::kLine, 2, 1, -1.2, -1.2, 0.0, 4200.0);
  ASSERT_EQ("", p.RegenerateEc5Combinations());
  p.Profiles.ClearRecords();
  p.Profiles.AddSection("50*225", qv::SectionShape::kRectangle, 50.0, 225.0);
  p.Profiles.CurrentIndex = 0;
  p.Materials.SetMaterial(qv::DesignCode::kEc5, 1);  // C14
  p.Materials.SetMoistureClass(qv::DesignCode::kEc5, 1);
  p.Settings = MitoitusAsetukset();
  p.Settings.Lk = 600.0;
  p.InfoDisplay = 1;  // the stability and bearing lines too

  qv::DesignRunResult run;
  qv::RunProjectDesign(p, true, run);
  const std::vector<std::string> t = Texts(run.tree);
  SCOPED_TRACE(::testing::PrintToString(t));
  EXPECT_TRUE(Has(t, "KY1 6.10a ({} %), Aikaluokka = Pysyvä", {35.3}));
  EXPECT_TRUE(Has(t, "KY2 6.10b Hyötykuorma määräävä ({} %), Aikaluokka = Keskipitkä", {140.1}));
  EXPECT_TRUE(Has(t, "Taivutus (6.11): {} %", {140.1}));
  EXPECT_TRUE(Has(t, "Taivutus (6.12): {} %", {98.1}));
  EXPECT_TRUE(Has(t, "Leikkaus Vy (6.1.7): {} %", {52.3}));
  EXPECT_TRUE(Has(t, "Kiepahdus (6.33): {} %", {140.1}));
  EXPECT_TRUE(Has(t, "Kiepahduspituus lef = {} mm (aukko 1)", {990.0}));
  EXPECT_TRUE(Has(t, "Tukipinnan vähimmäispituus (6.1.5), päätytuki x = 0 mm: {} mm (F = {} kN)",
                  {48.8, 4.5045}));
  EXPECT_TRUE(Has(t, "wy,inst = {} mm, wy,net,fin = {} mm, wy,fin = {} mm (7.2) ({} %)",
                  {18.29, 23.12, 23.12, 137.6}));
  EXPECT_NEAR(run.tree.overall, 140.1, 0.1);
  EXPECT_FALSE(run.tree.passes);
}
