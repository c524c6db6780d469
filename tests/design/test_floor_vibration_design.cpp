// The floor vibration check of design code 4 through the whole program, against hand
// calculations of EN 1995-1-1 7.3.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "design/DesignReport.h"
#include "design/DesignRun.h"
#include "design/DesignTestProject.h"
#include "design/GoverningCheck.h"
#include "model/TextCodec.h"

namespace {

struct SpanHand {
  double f1, kDelta, w, n40, v, vLimit;
  double utilisation;  // largest of the three, %
};

struct Case {
  const char* name;
  std::vector<double> supports;  // x, mm; the last one is the member length
  double mass;                   // setting; 0 = derived
  double eiTransverse;
  double massUsed;
  std::vector<SpanHand> spans;
  const char* note;  // a tree line that must be there
};

bool HasLine(const qv::DesignTree& t, const std::string& text) {
  for (const auto& n : t.nodes)
    if (n.text.find(text) != std::string::npos) return true;
  return false;
}

}  // namespace

// C24 (E0,mean = 11 000 N/mm²) 50 x 200 joists at s = 600 mm: I = 50 · 200³ / 12 =
// 33.33e6 mm⁴, (EI)_l = 11 000 · 33.33e6 / 600 · 0.001 = 611 111 N·m²/m; B = 5 m, zeta = 0.01,
// b_v = 150, a = 0.5 mm. Permanent load G 0.3 kN/m, imposed A 0.9 kN/m.
//  - Derived mass, l = 4.8 m: m = 300 N/m / 0.6 m / 9.81 + 30 = 80.97 kg/m²;
//    f1 = pi / (2 · 4.8²) · sqrt(611 111 / 80.97) = 5.923 Hz < 9: 9 / 5.923 = 152 %, a special
//    study; (EI)_B = 3110: k_delta = 0.2671, w = min(3.361, 6.284) = 3.361 mm (672 %);
//    n40 = ((40/5.923)² - 1) · (5/4.8)⁴ · 611 111/3110)^(1/4) = 10.08,
//    v = 4 (0.4 + 0.6 · 10.08) / (80.97 · 5 · 4.8 + 200) = 0.01203, limit 150^(0.0592 - 1) =
//    0.00897.
//  - Two spans 2.5 m and 3.5 m, m = 50, (EI)_B = 20 000: k_delta = 0.4253; span 1:
//    f1 = 27.79 Hz, w = min(0.5725, 0.8878) = 0.5725 mm (114.5 %), n40 = 4.785,
//    v = 0.01586 <= 0.02683; span 2: f1 = 14.18 Hz, w = 1.122 mm (224.4 %), n40 = 5.456,
//    v = 0.01367 > 0.01356.
//  - l = 1.5 m, m = 30: f1 = 99.64 Hz >= 40, n40 = 0, v = 1.6 / (30 · 5 · 1.5 + 200) =
//    0.003765; w = min(0.3282, F l³ / (48 s (EI)_l) = 0.1918) = 0.1918 mm (38.4 %).
TEST(FloorVibrationDesign, JoistFloorsByHand) {
  const Case cases[] = {
      {"derived mass, f1 below 9 Hz",
       {0.0, 4800.0},
       0.0,
       3110.0,
       80.968,
       {{5.9230, 0.26710, 3.3609, 10.079, 0.012033, 0.0089700, 672.18}},
       "lattia vaatii erillisen värähtelytarkastelun"},
      {"two spans",
       {0.0, 2500.0, 6000.0},
       50.0,
       20000.0,
       50.0,
       {{27.785, 0.42530, 0.57250, 4.7852, 0.015860, 0.026825, 114.50},
        {14.176, 0.42530, 1.1221, 5.4557, 0.013669, 0.013564, 224.42}},
       "Jokainen aukko on tarkasteltu vapaasti tuettuna"},
      {"f1 above 40 Hz",
       {0.0, 1500.0},
       30.0,
       3110.0,
       30.0,
       {{99.641, 0.26710, 0.19180, 0.0, 0.0037647, 0.98216, 38.35}},
       "Ominaistaajuus (7.3): f1 = 99.64 Hz (raja 9.00 Hz): 9 %"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QELVUX_data p(designtest::ProgramPath());
    p.DesignCode = qv::DesignCode::kEc5;
    p.Member.Reset();
    const double length = c.supports.back();
    p.Member.Length = length;
    p.Member.LoadWidth = 600.0;
    p.Member.ClearRecords();
    for (double x : c.supports)
      p.Member.AddPoint("", RakenneVektori::kSupport,
                        x == 0.0 ? RakenneVektori::kPinned : RakenneVektori::kSlidingX, x);
    p.LoadDefaultLoads();
    p.Loads.ClearLoads();
    p.Loads.AddLoad("g", 0, KuormaVektori::kLine, 2, 1, -0.3, -0.3, 0.0, length);
    p.Loads.AddLoad("q", 1, KuormaVektori::kLine, 2, 1, -0.9, -0.9, 0.0, length);
    ASSERT_EQ("", p.RegenerateEc5Combinations());
    p.Profiles.ClearRecords();
    p.Profiles.AddSection("50*200", qv::SectionShape::kRectangle, 50.0, 200.0);
    p.Profiles.CurrentIndex = 0;
    p.Materials.SetMaterial(qv::DesignCode::kEc5, 6);  // C24
    p.Materials.SetMoistureClass(qv::DesignCode::kEc5, 1);
    p.Settings = MitoitusAsetukset();
    // Only the vibration: the overall utilisation is then its own.
    p.Settings.Jannitys = 0;
    p.Settings.Siirtyma = 0;
    FloorVibrationSettings& v = p.Settings.ec5.vibration;
    v.on = true;
    v.floorWidth = 5.0;
    v.transverseStiffness = c.eiTransverse;
    v.mass = c.mass;

    qv::DesignRunResult run;
    qv::RunProjectDesign(p, true, run);
    const qv::FloorVibrationDesign& d = run.results.vibration;
    ASSERT_TRUE(d.ran) << d.notRun;
    EXPECT_EQ(d.eMean, 11000.0);
    EXPECT_NEAR(d.mass, c.massUsed, 0.001);
    EXPECT_EQ(d.massDerived, c.mass == 0.0);
    ASSERT_EQ(d.spans.size(), c.spans.size());
    double largest = 0.0;
    for (std::size_t i = 0; i < c.spans.size(); ++i) {
      const SpanHand& h = c.spans[i];
      const qv::FloorVibrationResult& r = d.spans[i].result;
      EXPECT_NEAR(r.f1, h.f1, 5e-4 * h.f1);
      EXPECT_NEAR(r.kDelta, h.kDelta, 1e-4);
      EXPECT_NEAR(r.w, h.w, 1e-4 * h.w + 1e-4);
      EXPECT_NEAR(r.n40, h.n40, 1e-3);
      EXPECT_NEAR(r.v, h.v, 1e-4 * h.v);
      EXPECT_NEAR(r.vLimit, h.vLimit, 1e-4 * h.vLimit);
      EXPECT_NEAR(r.Largest(), h.utilisation, 0.05);
      largest = std::max(largest, h.utilisation);
    }
    EXPECT_NEAR(run.tree.vibrationUtilisation, largest, 0.05);
    EXPECT_NEAR(run.tree.overall, largest, 0.05);
    EXPECT_EQ(run.tree.passes, largest <= 100.0);
    // The batch's and the sweep's governing check is the same largest one.
    const qv::GoverningCheck g = qv::FindGoverningCheck(run.results);
    EXPECT_EQ(g.combination, "Värähtelytarkastelu");
    EXPECT_NEAR(g.utilisation, largest, 0.05);
    EXPECT_TRUE(HasLine(run.tree, c.note));
    EXPECT_TRUE(HasLine(run.tree, "Värähtelytarkastelu ("));
    // The report files are Windows-1252: every character of the chapter must survive it.
    for (const std::string& line : qv::WriteDesignReport(p))
      EXPECT_EQ(qv::Cp1252ToUtf8(qv::Utf8ToCp1252(line)), line);
  }
}
