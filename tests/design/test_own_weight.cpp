// "Oma paino automaattisesti": the member's own weight g·rho·A follows the section, designs as a
// hand-typed line load would, is saved in its own section, and decides the search.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/MalliGeneraattori.h"
#include "analysis/MemberResults.h"
#include "design/DesignRun.h"
#include "design/DesignTestProject.h"
#include "design/FloorVibrationDesign.h"
#include "design/SameRecords.h"
#include "design/SectionSearch.h"
#include "design/SectionSweep.h"
#include "project/ProjectOwnWeight.h"
#include "project/ProjektiTiedosto.h"

namespace {

using designtest::kF1;
using designtest::kL;
using designtest::SetLibrary;

// The beam of MakeBeam (code 2, T18, KY1 = 1.0 x case 0 "Omapaino") with a user load of
// 1.2 N/mm, deflections off, and the own weight at the default 500 kg/m3 when asked.
void MakeWeighedBeam(QELVUX_data& p, double h, bool ownWeight) {
  designtest::MakeBeam(p, 1.2, 100.0, h);
  p.Settings.Siirtyma = 0;
  p.Loads.OwnWeight.on = ownWeight;
}

// Bending utilisation (%) of a simply supported span under q (N/mm) on a 100 x h section.
double BendingByHand(double q, double h) {
  const double m = q * kL * kL / 8.0;
  const double w = 100.0 * h * h / 6.0;
  return m / w / kF1 * 100.0;
}

}  // namespace

// g·rho·A at 500 kg/m3: 100 x 200 weighs 9.81 * 500 * 0.02 = 98.1 N/m, 100 x 225 110.36 N/m.
// With 1.2 N/mm of other load, 100 x 200 passes bending alone (1.2 N/mm gives 97.5 %) but not
// with its own weight; 100 x 225 passes with it.
TEST(OwnWeightDesign, SelfWeightAloneDecidesBetweenTwoSections) {
  struct Case {
    double h;
    bool ownWeight;
    double q;  // N/mm, by hand
    bool passes;
  };
  const Case cases[] = {
      {200.0, false, 1.2, true},
      {200.0, true, 1.2 + 0.0981, false},
      {225.0, true, 1.2 + 0.1103625, true},
  };
  for (const Case& c : cases) {
    QELVUX_data p(designtest::ProgramPath());
    MakeWeighedBeam(p, c.h, c.ownWeight);
    const double expected = BendingByHand(c.q, c.h);
    ASSERT_EQ(expected <= 100.0, c.passes) << c.h;
    qv::DesignRunResult run;
    EXPECT_EQ(qv::RunProjectDesign(p, true, run), c.passes ? 1 : 0) << c.h;
    // The analysis text holds q to 0.00001 N/mm.
    EXPECT_NEAR(run.tree.overall, expected, 1e-3) << c.h << " " << c.ownWeight;
    EXPECT_TRUE(run.tree.allChecksRan);
  }
  // Another section chosen by hand ("Seuraava") is designed with its own weight, not with the
  // weight of the section the analysis was made for.
  QELVUX_data p(designtest::ProgramPath());
  MakeWeighedBeam(p, 200.0, true);
  SetLibrary(p, {200.0, 225.0}, 0);
  qv::DesignRunResult first, next;
  qv::RunProjectDesign(p, true, first);
  p.Profiles.CurrentIndex = 1;
  EXPECT_EQ(qv::RunProjectDesign(p, false, next), 1);
  EXPECT_NEAR(next.tree.overall, BendingByHand(1.2 + 0.1103625, 225.0), 1e-3);
}

// Design code 4, GL24h (rho_mean 420 kg/m3 from the table, gamma_M 1.2, kmod 0.6 permanent in
// service class 1, kh = min((600/h)^0.1, 1.1)), simply supported over 8000 mm, a permanent
// load of 7.45 kN/m typed in and lateral buckling off. Only 6.10a, 1.35 G, can govern:
//   140 x 540: g = 9.81 * 420 * 0.0756 = 0.3115 kN/m, M = 1.35 * 7.7615 * 8^2 / 8 = 83.82 kNm,
//     W = 6.804e6 mm3, sigma = 12.32 against fm,d = 0.6 * 1.01059 * 24 / 1.2 = 12.13: fails,
//     while without the own weight (80.46 kNm, 11.83) it passes;
//   140 x 585: g = 0.3375 kN/m, M = 84.10 kNm, W = 7.985e6 mm3, sigma = 10.53 against 12.03.
TEST(OwnWeightDesign, GlulamBeamOfDesignCode4ByHand) {
  struct Case {
    double h;
    bool ownWeight;
  };
  const Case cases[] = {{540.0, false}, {540.0, true}, {585.0, true}};
  for (const Case& c : cases) {
    QELVUX_data p(designtest::ProgramPath());
    p.DesignCode = qv::DesignCode::kEc5;
    p.Member.Reset();
    p.Member.Length = 8000.0;
    p.Member.ClearRecords();
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 8000.0);
    p.LoadDefaultLoads();
    p.Loads.ClearLoads();
    p.Loads.AddLoad("g", 0, KuormaVektori::kLine, 2, 1, -7.45, -7.45, 0.0, 8000.0);
    p.Loads.OwnWeight.on = c.ownWeight;
    ASSERT_EQ("", p.RegenerateEc5Combinations());
    p.Profiles.ClearRecords();
    p.Profiles.AddSection("140*h", qv::SectionShape::kRectangle, 140.0, c.h);
    p.Profiles.CurrentIndex = 0;
    p.Materials.SetMaterial(qv::DesignCode::kEc5, 12);  // GL24h
    p.Materials.SetMoistureClass(qv::DesignCode::kEc5, 1);
    p.Settings = MitoitusAsetukset();
    p.Settings.Kiepahdus = 0;
    p.Settings.Siirtyma = 0;

    const double area = 140.0 * c.h * 1e-6;                             // m2
    const double g = c.ownWeight ? 9.81 * 420.0 * area / 1000.0 : 0.0;  // kN/m
    const double m = 1.35 * (7.45 + g) * 8.0 * 8.0 / 8.0 * 1e6;         // Nmm
    const double w = 140.0 * c.h * c.h / 6.0;
    const double fmd = 0.6 * std::min(std::pow(600.0 / c.h, 0.1), 1.1) * 24.0 / 1.2;
    const double expected = m / w / fmd * 100.0;
    qv::DesignRunResult run;
    qv::RunProjectDesign(p, true, run);
    EXPECT_NEAR(run.tree.overall, expected, 0.01) << c.h << " " << c.ownWeight;
    EXPECT_EQ(run.tree.passes, expected <= 100.0) << c.h << " " << c.ownWeight;
    EXPECT_TRUE(run.tree.allChecksRan);
  }
}

// The option on designs exactly as the option off with the weight typed by hand as a uniform
// vertical line load per member length in the same case: the same analysis text, the same
// results bit for bit, on a level and on an inclined member.
TEST(OwnWeightDesign, SameAsTheWeightTypedByHand) {
  struct Case {
    double angle;
    double h;
    double rho;
  };
  const Case cases[] = {{0.0, 200.0, 500.0}, {30.0, 225.0, 430.0}, {60.0, 180.0, 615.0}};
  for (const Case& c : cases) {
    QELVUX_data on(designtest::ProgramPath());
    MakeWeighedBeam(on, c.h, true);
    on.Member.Angle = c.angle;
    on.Loads.OwnWeight.density = c.rho;
    QELVUX_data typed(designtest::ProgramPath());
    MakeWeighedBeam(typed, c.h, false);
    typed.Member.Angle = c.angle;
    const double g = c.rho * 9.81 * 100.0 * c.h * 1e-9;  // N/mm
    typed.Loads.AddLoad("Oma paino", 0, KuormaVektori::kLine, 2, KuormaVektori::kPerLength, -g, -g,
                        0.0, kL);

    EXPECT_EQ(GenerateAnalysisInput(on), GenerateAnalysisInput(typed)) << c.angle;
    qv::DesignRunResult a, b;
    qv::RunProjectDesign(on, true, a);
    qv::RunProjectDesign(typed, true, b);
    EXPECT_TRUE(designtest::SameBits(a.tree.overall, b.tree.overall)) << c.angle;
    for (int combination : {0, 2}) {
      QELvektori fa, fb, ra, rb;
      MemberForces(on, combination, -1, fa);
      MemberForces(typed, combination, -1, fb);
      designtest::ExpectSameRecords(fa, fb, "forces");
      SupportReactions(on, combination, -1, ra);
      SupportReactions(typed, combination, -1, rb);
      designtest::ExpectSameRecords(ra, rb, "reactions");
    }
  }
}

// Off, the project analyses, designs and saves as it did before the option existed, whatever
// was set while it was on.
TEST(OwnWeightDesign, OffLeavesResultsAndFileAsBefore) {
  QELVUX_data before(designtest::ProgramPath());
  MakeWeighedBeam(before, 200.0, false);
  QELVUX_data toggled(designtest::ProgramPath());
  MakeWeighedBeam(toggled, 200.0, true);
  qv::DesignRunResult on;
  qv::RunProjectDesign(toggled, true, on);
  qv::OwnWeightSetting off;
  off.on = false;
  off.density = 650.0;
  off.loadCase = 0;
  ASSERT_EQ(qv::ApplyOwnWeightSetting(toggled, off), "");

  EXPECT_EQ(GenerateAnalysisInput(toggled), GenerateAnalysisInput(before));
  qv::DesignRunResult a, b;
  qv::RunProjectDesign(toggled, false, a);
  qv::RunProjectDesign(before, true, b);
  EXPECT_TRUE(designtest::SameBits(a.tree.overall, b.tree.overall));
  EXPECT_NEAR(b.tree.overall, BendingByHand(1.2, 200.0), 1e-9);
  const std::vector<std::string> lines = qv::ProjectFileLines(toggled);
  EXPECT_EQ(lines, qv::ProjectFileLines(before));
  EXPECT_EQ(std::find(lines.begin(), lines.end(), "[ ==== 611 ==== ]"), lines.end());
}

// Section 611 keeps the option, the density and the case; a case a hand-edited file names
// wrongly moves the weight to the first permanent case with a note, and without any
// permanent case the analysis refuses with the reason rather than drop the weight.
TEST(OwnWeightFile, SavedAndReopened) {
  struct Case {
    const char* what;
    std::vector<std::string> section611;  // as written (or edited)
    int permanentClassOfCase1;            // duration class given to case 1 "Hyötykuorma"
    int removeCase0;                      // 1: no "Omapaino" case at all
    int rc;                               // of the load
    double density;
    int carrying;           // OwnWeightCase() after the load
    const char* noteStart;  // the message after the load
  };
  const Case cases[] = {
      {"written", {"1", "450", "0"}, 1, 0, 0, 450.0, 0, ""},
      {"chosen case 1", {"1", "520", "1"}, 0, 0, 0, 520.0, 1, ""},
      {"no such case", {"1", "500", "9"}, 1, 0, 0, 500.0, 0, "Oman painon kuormitustapausta 9 ei"},
      {"case not permanent",
       {"1", "500", "1"},
       1,
       0,
       0,
       500.0,
       0,
       "Oman painon kuormitustapaus Hyötykuorma ei ole pysyvä"},
      {"no permanent case", {"1", "500", "0"}, 1, 1, 0, 500.0, -1, "Oman painon kuormitustapaus"},
      {"bad density", {"1", "tiheä", "0"}, 1, 0, -611, 0.0, 0, "virhenumero = 611"},
      {"too few lines", {"1", "500"}, 1, 0, -611, 0.0, 0, "virhenumero = 611"},
  };
  for (const Case& c : cases) {
    QELVUX_data p(designtest::ProgramPath());
    MakeWeighedBeam(p, 200.0, true);
    p.Loads.Cases().SetInt(1, 0, c.permanentClassOfCase1);
    if (c.removeCase0) p.Loads.RemoveLoadCase(0);
    std::vector<std::string> lines = qv::ProjectFileLines(p);
    // Section 611 stands between 609 and 701 (code 2 writes no 65x).
    auto at = std::find(lines.begin(), lines.end(), "[ ==== 611 ==== ]");
    ASSERT_NE(at, lines.end()) << c.what;
    at = lines.erase(at, at + 4);
    std::vector<std::string> edited{"[ ==== 611 ==== ]"};
    edited.insert(edited.end(), c.section611.begin(), c.section611.end());
    lines.insert(at, edited.begin(), edited.end());

    QELVUX_data q(designtest::ProgramPath());
    std::string message;
    EXPECT_EQ(qv::LoadProjectLines(q, lines, &message), c.rc) << c.what;
    EXPECT_EQ(message.rfind(c.noteStart, 0), 0u) << c.what << ": " << message;
    if (c.rc != 0) continue;
    EXPECT_TRUE(q.Loads.OwnWeight.on) << c.what;
    EXPECT_EQ(q.Loads.OwnWeight.density, c.density) << c.what;
    EXPECT_EQ(q.Loads.OwnWeightCase(), c.carrying) << c.what;
    if (c.carrying >= 0) {
      // Saved again, it reads as it was written (with the case that carries it now).
      const std::vector<std::string> again = qv::ProjectFileLines(q);
      auto s = std::find(again.begin(), again.end(), "[ ==== 611 ==== ]");
      ASSERT_NE(s, again.end());
      EXPECT_EQ(std::vector<std::string>(s + 1, s + 4),
                (std::vector<std::string>{"1", c.section611[1], std::to_string(c.carrying)}))
          << c.what;
      EXPECT_EQ(qv::EnsureAnalysis(q, true), 0) << c.what;
    } else {
      std::vector<std::string> output;
      EXPECT_EQ(qv::EnsureAnalysis(q, true, &output), -1) << c.what;
      EXPECT_EQ(q.AnalysisValid, 0);
      ASSERT_EQ(output.size(), 1u);
      EXPECT_EQ(output[0].rfind("Oma paino: yhdelläkään kuormitustapauksella", 0), 0u);
    }
  }
}

// Sections 100 x 180, 100 x 200 and 100 x 225 under 1.2 N/mm: 180 fails even without its
// weight (99.7 % of 1.2 is reached at q = 0.997 N/mm), 200 passes only without it, 225 passes
// with it. The search from 180 and the lightest of the sweep pick 200 without the weight and
// 225 with it; each section is designed with its own weight.
TEST(OwnWeightSearch, PicksTheHeavierSectionWhenTheWeightDecides) {
  ASSERT_GT(BendingByHand(1.2, 180.0), 100.0);
  ASSERT_LT(BendingByHand(1.2, 200.0), 100.0);
  ASSERT_GT(BendingByHand(1.2 + 0.0981, 200.0), 100.0);
  ASSERT_LT(BendingByHand(1.2 + 0.1103625, 225.0), 100.0);
  struct Case {
    bool ownWeight;
    int found;
    std::vector<double> q;  // N/mm each section is designed with, by hand
  };
  const Case cases[] = {{false, 1, {1.2, 1.2, 1.2}},
                        {true, 2, {1.2 + 0.088290, 1.2 + 0.0981, 1.2 + 0.1103625}}};
  for (const Case& c : cases) {
    QELVUX_data p(designtest::ProgramPath());
    MakeWeighedBeam(p, 200.0, c.ownWeight);
    SetLibrary(p, {180.0, 200.0, 225.0}, 0);
    std::vector<double> utilisation;
    const qv::SectionSearchResult s = qv::SearchNextSection(
        p, [&](int, const qv::DesignRunResult& run) { utilisation.push_back(run.tree.overall); });
    EXPECT_EQ(s.analysisStatus, 0);
    EXPECT_EQ(s.found, c.found) << c.ownWeight;
    for (std::size_t i = 0; i < utilisation.size(); ++i)
      EXPECT_NEAR(utilisation[i], BendingByHand(c.q[i + 1], 180.0 + (i == 0 ? 20.0 : 45.0)), 1e-3);

    SetLibrary(p, {180.0, 200.0, 225.0}, 0);
    const qv::SectionSweep sweep = qv::SweepSections(p);
    ASSERT_EQ(sweep.analysisStatus, 0);
    ASSERT_EQ(sweep.rows.size(), 3u);
    ASSERT_GE(sweep.lightest, 0);
    EXPECT_EQ(sweep.rows[static_cast<std::size_t>(sweep.lightest)].index, c.found);
    for (const qv::SweepRow& row : sweep.rows) {
      const double h = row.area / 100.0;
      const std::size_t k = h < 190.0 ? 0 : (h < 210.0 ? 1 : 2);
      EXPECT_NEAR(row.utilisation, BendingByHand(c.q[k], h), 1e-3) << row.name;
      EXPECT_EQ(row.ownWeight.has_value(), c.ownWeight);
    }
    // The sweep leaves the chosen section, and an analysis of it.
    EXPECT_EQ(p.Profiles.CurrentIndex, 0);
    qv::DesignRunResult run;
    qv::RunProjectDesign(p, false, run);
    EXPECT_NEAR(run.tree.overall, BendingByHand(c.q[0], 180.0), 1e-3);
  }
}

// Code 4: a permanent case that holds nothing but the own weight is G in the generated
// combinations (6.10a: 1.35 K_FI, 6.10b: 1.15 K_FI and 0.90 favourable; CC2 K_FI = 1.0).
TEST(OwnWeightCombinations, CaseWithOnlyTheOwnWeightIsPermanentG) {
  QELVUX_data p(designtest::ProgramPath());
  p.DesignCode = qv::DesignCode::kEc5;
  p.LoadDefaultLoads();
  p.Loads.ClearLoads();
  p.Loads.AddLoad("s", 2, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, kL);  // snow only
  struct Case {
    bool ownWeight;
    std::vector<double> permanentFactors;  // of case 0 in the stress combinations, in order
  };
  const Case cases[] = {{true, {1.35, 1.15, 0.90}}, {false, {}}};
  for (const Case& c : cases) {
    qv::OwnWeightSetting s;
    s.on = c.ownWeight;
    ASSERT_EQ(qv::ApplyOwnWeightSetting(p, s), "");
    const KuormaYhdVektori& y = p.Loads.Combinations();
    std::vector<double> factors;
    for (int k = 0; k < y.CombinationCount(); ++k) {
      if (y.DesignKind(k) != KuormaYhdVektori::kStress) continue;
      const double f = y.Factor(k, 0);
      if (f != 0.0 && std::find(factors.begin(), factors.end(), f) == factors.end())
        factors.push_back(f);
    }
    std::sort(factors.begin(), factors.end(), std::greater<double>());
    EXPECT_EQ(factors, c.permanentFactors) << c.ownWeight;
  }
}

// Code 4's floor vibration with a mass derived from the permanent loads takes the own weight
// with them. C24 (rho_mean 420 kg/m3) 50 x 200 joists at s = 600 mm under G 0.3 kN/m: the own
// weight adds 9.81 * 420 * 0.01 = 41.202 N/m, so m = (300 + 41.202) / 0.6 / 9.81 + 30 =
// 87.969 kg/m2 against 80.968 without it.
TEST(OwnWeightVibration, DerivedMassTakesTheOwnWeight) {
  struct Case {
    bool ownWeight;
    double permanentLoad;  // kN/m
    double mass;           // kg/m2
  };
  const Case cases[] = {{false, 0.3, 300.0 / 0.6 / 9.81 + 30.0},
                        {true, 0.341202, 341.202 / 0.6 / 9.81 + 30.0}};
  for (const Case& c : cases) {
    QELVUX_data p(designtest::ProgramPath());
    p.DesignCode = qv::DesignCode::kEc5;
    p.Member.Reset();
    p.Member.Length = 4800.0;
    p.Member.LoadWidth = 600.0;
    p.Member.ClearRecords();
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 4800.0);
    p.LoadDefaultLoads();
    p.Loads.ClearLoads();
    p.Loads.AddLoad("g", 0, KuormaVektori::kLine, 2, 1, -0.3, -0.3, 0.0, 4800.0);
    p.Profiles.ClearRecords();
    p.Profiles.AddSection("50*200", qv::SectionShape::kRectangle, 50.0, 200.0);
    p.Profiles.CurrentIndex = 0;
    p.Materials.SetMaterial(qv::DesignCode::kEc5, 6);  // C24
    p.Materials.SetMoistureClass(qv::DesignCode::kEc5, 1);
    p.Settings.ec5.vibration.on = true;
    p.Settings.ec5.vibration.mass = 0.0;  // derived
    qv::OwnWeightSetting s;
    s.on = c.ownWeight;
    ASSERT_EQ(qv::ApplyOwnWeightSetting(p, s), "");
    ASSERT_EQ(qv::EnsureAnalysis(p, true), 0);
    const qv::FloorVibrationDesign d = qv::CheckProjectFloorVibration(p);
    EXPECT_TRUE(d.massDerived);
    // The analysis text holds the weight to 0.00001 N/mm.
    EXPECT_NEAR(d.permanentLoad, c.permanentLoad, 1e-5) << c.ownWeight;
    EXPECT_NEAR(d.mass, c.mass, 1e-3) << c.ownWeight;
  }
}
