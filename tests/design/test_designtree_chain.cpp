// Whole design of a simply supported beam, from the member model through the analysis to tree and
// report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "design/DesignLines.h"
#include "design/DesignReport.h"
#include "design/DesignRun.h"
#include "design/DesignTestProject.h"

namespace {

using designtest::kEdef;
using designtest::kF1;
using designtest::kF5;
using designtest::kL;
using designtest::TextMatches;

// Uniform load q on a simply supported span: M = qL²/8, V = qL/2, u = 5qL⁴/(384EI).
struct Beam {
  double q, b, h;
  double A() const { return b * h; }
  double W() const { return b * h * h / 6.0; }
  double I() const { return b * h * h * h / 12.0; }
  double M() const { return q * kL * kL / 8.0; }
  double V() const { return q * kL / 2.0; }
  double Sigma() const { return M() / W(); }
  double Tau() const { return 1.5 * V() / A(); }
  double U(double factor) const {
    return 5.0 * factor * q * std::pow(kL, 4) / (384.0 * kEdef * I());
  }
};

std::vector<std::string> Texts(const qv::DesignTree& t) {
  std::vector<std::string> out;
  for (const auto& n : t.nodes) out.push_back(n.text);
  return out;
}

int IndexOf(const std::vector<std::string>& texts, const std::string& prefix) {
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (texts[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
  return -1;
}

}  // namespace

TEST(DesignChain, SimplySupportedBeamByHand) {
  QELVUX_data p(designtest::ProgramPath());
  designtest::MakeBeam(p, 1.0);
  const Beam beam{1.0, 100.0, 200.0};
  // sigma = 4.5e6 / 666667 = 6.75 MPa against 8.31: 81.25 %; tau = 0.225 against 0.923:
  // 24.4 %; KY3 (factor 0.4): u = 18.0 mm against L/300 = 20 mm: 90 %.
  const double bending = beam.Sigma() / kF1 * 100.0;
  const double shear = beam.Tau() / kF5 * 100.0;
  const double deflection = beam.U(0.4) / (kL / 300.0) * 100.0;
  ASSERT_NEAR(bending, 81.25, 1e-9);
  ASSERT_NEAR(deflection, 90.0, 1e-9);

  qv::DesignRunResult run;
  EXPECT_EQ(qv::RunProjectDesign(p, true, run), 1);
  EXPECT_EQ(run.analysisStatus, 0);
  EXPECT_EQ(p.AnalysisValid, 1);
  const std::vector<std::string> t = Texts(run.tree);
  ASSERT_EQ(t.size(), 10u) << ::testing::PrintToString(t);
  EXPECT_TRUE(TextMatches(t[0], "JÄNNITYSTARKASTELUT: ({} %)", {bending}));
  EXPECT_TRUE(TextMatches(t[1], "KY1 ({} %), Aikaluokka = Pysyvä", {bending}));
  EXPECT_TRUE(TextMatches(t[2], "Leikkaus = {} MPa ({} %)", {beam.Tau(), shear}));
  EXPECT_TRUE(TextMatches(t[3], "Taivutus = {} MPa ({} %)", {beam.Sigma(), bending}));
  // KY2 ("Ei mitoitusta") is in neither group, yet KY3 is designed as combination 2 with
  // its own factor 0.4 (with KY2's factor 1.0 the deflection would be 45 mm).
  EXPECT_TRUE(TextMatches(t[4], "SIIRTYMÄTARKASTELUT: ({} %)", {deflection}));
  EXPECT_TRUE(TextMatches(t[5], "KY3 ({} %), Aikaluokka = Pysyvä", {deflection}));
  EXPECT_EQ(t[6], "Aukko 1 (x = 0.0 - 6000.0)");
  // The load is permanent: nothing in the variable-load set.
  EXPECT_TRUE(TextMatches(t[7], "Uy,tot = {} mm, Uy,muuttuva = {} mm ({} %)",
                          {beam.U(0.4), 0.0, deflection}));
  // The beam's lateral-torsional buckling is off, and that is said.
  EXPECT_EQ(t[8], "EI TARKASTETTU:");
  EXPECT_EQ(t[9], "Kiepahdustarkastelu on kytketty pois: kiepahdusta ei ole tarkastettu.");
  EXPECT_EQ(IndexOf(t, "KY2"), -1);
  EXPECT_NEAR(run.tree.overall, 90.0, 0.01);
  EXPECT_TRUE(run.tree.passes);
  EXPECT_TRUE(run.tree.allChecksRan);
}

TEST(DesignChain, InfoDisplayShowsCharacteristicValuesMaximaAndDesignValues) {
  QELVUX_data p(designtest::ProgramPath());
  designtest::MakeBeam(p, 1.0);
  p.InfoDisplay = 1;
  const Beam beam{1.0, 100.0, 200.0};
  qv::DesignRunResult run;
  qv::RunProjectDesign(p, true, run);
  const std::vector<std::string> t = Texts(run.tree);
  // Characteristic values of T18 (no kmod, no partial factor), combination 0's class.
  const std::vector<std::string> characteristic = {"MATERIAALITIEDOT (Ominaisarvot):",
                                                   "fbk (Mz) = 18.00 MPa",
                                                   "fbk (My) = 18.00 MPa",
                                                   "fck = 18.00 MPa",
                                                   "fc90k = 2.20 MPa",
                                                   "ftk = 11.00 MPa",
                                                   "fvk (Vy) = 2.00 MPa",
                                                   "fvk (Vz) = 2.00 MPa",
                                                   "Ek (lujuus) = 6000 MPa",
                                                   "E (siirtymä) = 9000 MPa"};
  ASSERT_GE(t.size(), characteristic.size());
  EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 10), characteristic);
  // y-direction buckling over the span: lambda_z = 6000 / (200 / sqrt(12)).
  const int slender = IndexOf(t, "Hoikkuus,z = ");
  ASSERT_GE(slender, 0);
  EXPECT_TRUE(
      TextMatches(t[slender], "Hoikkuus,z = {} (aukko 1)", {6000.0 * std::sqrt(12.0) / 200.0}));
  EXPECT_GE(IndexOf(t, "Nurjahduskerroin ks,z = "), 0);
  EXPECT_EQ(IndexOf(t, "Hoikkuus,y"), -1);  // z-direction buckling is off
  const int vy = IndexOf(t, "Vy_max = ");
  const int mz = IndexOf(t, "Mz_max = ");
  ASSERT_GE(vy, 0);
  ASSERT_GE(mz, 0);
  EXPECT_TRUE(TextMatches(t[vy], "Vy_max = {} kN", {beam.V() * 0.001}));
  EXPECT_TRUE(TextMatches(t[mz], "Mz_max = {} kNm", {beam.M() * 1e-6}));
  const int values = IndexOf(t, "MATERIAALITIEDOT (Laskenta-arvot):");
  ASSERT_GE(values, 0);
  ASSERT_LT(values + 9, static_cast<int>(t.size()));
  EXPECT_TRUE(TextMatches(t[values + 1], "fbd (Mz) = {} MPa", {kF1}));
  EXPECT_TRUE(TextMatches(t[values + 3], "fcd = {} MPa", {kF1}));
  EXPECT_TRUE(TextMatches(t[values + 6], "fvd (Vy) = {} MPa", {kF5}));
  EXPECT_TRUE(TextMatches(t[values + 8], "Ek (lujuus) = {} MPa", {6000.0 * 0.6 / 1.3}));
  EXPECT_TRUE(TextMatches(t[values + 9], "E (siirtymä) = {} MPa", {kEdef}));
}

TEST(DesignChain, OverloadedBeamFailsAndReportMatchesTheTree) {
  QELVUX_data p(designtest::ProgramPath());
  designtest::MakeBeam(p, 1.5);
  const Beam beam{1.5, 100.0, 200.0};
  const double bending = beam.Sigma() / kF1 * 100.0;     // 121.9 %
  const double deflection = beam.U(0.4) / 20.0 * 100.0;  // 135 %
  qv::DesignRunResult run;
  EXPECT_EQ(qv::RunProjectDesign(p, true, run), 0);
  EXPECT_FALSE(run.tree.passes);
  EXPECT_EQ(run.tree.nodes[0].image, qv::kImageExceeded);
  EXPECT_NEAR(run.tree.overall, deflection, 0.05);

  const std::vector<std::string> report = qv::WriteDesignReport(p);
  ASSERT_GE(report.size(), 5u);
  EXPECT_TRUE(TextMatches(report[4], "Kokonaiskäyttöaste:\t{} %", {deflection}));
  EXPECT_EQ(report[5],
            "Huom: Kiepahdustarkastelu on kytketty pois: kiepahdusta ei ole tarkastettu.");
  EXPECT_TRUE(TextMatches(report[7], "MITOITUS, JÄNNITYSTARKASTELUT: (KA = {} %)", {bending}));
  // Force maxima in the report although the info display is off.
  const auto vy = std::find_if(report.begin(), report.end(),
                               [](const std::string& l) { return l.rfind("Vy_max:\t", 0) == 0; });
  ASSERT_NE(vy, report.end());
  EXPECT_TRUE(TextMatches(*vy, "Vy_max:\t{} kN", {beam.V() * 0.001}));
  EXPECT_NE(std::find(report.begin(), report.end(), "Kaikki kuormat:\tL/300"), report.end());
}

TEST(DesignChain, TwoSpansAreRatedSeparately) {
  QELVUX_data p(designtest::ProgramPath());
  designtest::MakeBeam(p, 1.0);
  // A middle support: two spans of 3000 mm, u_max = qL⁴/(185 EI) roughly per span, far
  // below L/300 = 10 mm; the support moment qL²/8 = 1.125e6 Nmm governs bending.
  p.Member.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kPinned, 3000.0);
  const double m = 1.0 * 3000.0 * 3000.0 / 8.0;
  const double bending = m / (100.0 * 200.0 * 200.0 / 6.0) / kF1 * 100.0;
  qv::DesignRunResult run;
  qv::RunProjectDesign(p, true, run);
  const std::vector<std::string> t = Texts(run.tree);
  EXPECT_GE(IndexOf(t, "Aukko 1 (x = 0.0 - 3000.0)"), 0);
  EXPECT_GE(IndexOf(t, "Aukko 2 (x = 3000.0 - 6000.0)"), 0);
  const int i = IndexOf(t, "Taivutus = ");
  ASSERT_GE(i, 0);
  EXPECT_TRUE(
      TextMatches(t[i], "Taivutus = {} MPa ({} %)", {m / (100.0 * 200.0 * 200.0 / 6.0), bending}));
}

TEST(DesignChain, FailedAnalysisLeavesEveryCombinationUnchecked) {
  QELVUX_data p(designtest::ProgramPath());
  designtest::MakeBeam(p, 1.0);
  // No supports: the analysis cannot be solved.
  p.Member.ClearRecords();
  qv::DesignRunResult run;
  qv::RunProjectDesign(p, true, run);
  EXPECT_EQ(run.analysisStatus, -1);
  EXPECT_FALSE(run.analysisMessages.empty());
  EXPECT_EQ(p.AnalysisValid, 0);
  const std::vector<std::string> t = Texts(run.tree);
  const std::string why = "Ei tarkastettu: laskentamallia ei voitu ratkaista.";
  const std::vector<std::string> expected = {"JÄNNITYSTARKASTELUT: (0 %)", "KY1 (0 %)", why,
                                             "SIIRTYMÄTARKASTELUT: (0 %)", "KY3 (0 %)", why};
  EXPECT_EQ(t, expected);
  EXPECT_FALSE(run.tree.allChecksRan);
}
