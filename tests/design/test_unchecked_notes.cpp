// What a design leaves unchecked is said in the tree and the report, and lateral buckling is named
// where it governs bending.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "design/CheckStresses.h"
#include "design/DesignReport.h"
#include "design/DesignRun.h"
#include "design/DesignTestProject.h"

namespace {

using designtest::MakeBeam;
using designtest::ProgramPath;

bool Contains(const std::vector<std::string>& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

TEST(UncheckedNotes, EachSwitchedOffCheckAndUntakenCaseIsSaid) {
  struct Case {
    const char* name;
    std::function<void(QELVUX_data&)> change;
    const char* note;  // nullptr: nothing left unchecked
  };
  const std::vector<Case> cases = {
      {"everything on", [](QELVUX_data& p) { p.Settings.Kiepahdus = 1; }, nullptr},
      {"lateral buckling off", [](QELVUX_data&) {},
       "Kiepahdustarkastelu on kytketty pois: kiepahdusta ei ole tarkastettu."},
      {"stresses off", [](QELVUX_data& p) { p.Settings.Jannitys = 0; },
       "Jännitystarkastelut on kytketty pois"},
      {"deflections off",
       [](QELVUX_data& p) {
         p.Settings.Kiepahdus = 1;
         p.Settings.Siirtyma = 0;
       },
       "Siirtymätarkastelut on kytketty pois"},
      {"weak-axis buckling off under compression",
       [](QELVUX_data& p) {
         p.Settings.Kiepahdus = 1;
         p.Loads.AddLoad("N", 0, KuormaVektori::kPoint, 1, 1, -20000.0, 0.0, 3000.0, 0.0);
       },
       "z-akselin suuntaista nurjahdusta ei ole tarkastettu."},
      {"a loaded case in no stress combination",
       [](QELVUX_data& p) {
         p.Settings.Kiepahdus = 1;
         p.Loads.AddLoad("S", 1, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
         p.Loads.Combinations().AddFactor(2, 1, 1.0);
       },
       "Kuormitustapauksen KT2 ("},
  };
  for (const Case& c : cases) {
    QELVUX_data p(ProgramPath());
    MakeBeam(p, 2.0);
    c.change(p);
    qv::DesignRunResult run;
    qv::RunProjectDesign(p, true, run);
    std::vector<std::string> tree;
    for (const qv::DesignTreeNode& n : run.tree.nodes) tree.push_back(n.text);
    const std::vector<std::string> report = qv::WriteDesignReport(run.results, {});
    if (c.note == nullptr) {
      EXPECT_TRUE(run.results.notes.empty()) << c.name << ": " << run.results.notes.front();
      EXPECT_FALSE(Contains(tree, "EI TARKASTETTU:")) << c.name;
      continue;
    }
    ASSERT_EQ(1u, run.results.notes.size()) << c.name;
    EXPECT_NE(std::string::npos, run.results.notes[0].find(c.note)) << c.name;
    EXPECT_TRUE(Contains(tree, "EI TARKASTETTU:")) << c.name;
    EXPECT_TRUE(Contains(tree, c.note)) << c.name;
    EXPECT_TRUE(Contains(report, std::string("Huom: ") + c.note)) << c.name;
  }
}

// A slender beam whose lateral-torsional factor is below 1: the bending line names the
// factor of the span where bending governs, so that it does not read as plain bending.
TEST(UncheckedNotes, BendingLineNamesTheLateralFactorWhereItGoverns) {
  QELVUX_data p(ProgramPath());
  MakeBeam(p, 0.5, 45.0, 300.0);
  p.Settings.Kiepahdus = 1;
  qv::DesignRunResult run;
  qv::RunProjectDesign(p, true, run);
  ASSERT_FALSE(run.results.stress.empty());
  const CheckRowVektori& rows = run.results.stress[0].checks;
  const int factors = rows.Find(CheckRowVektori::kLateralFactors, 1);
  ASSERT_GE(factors, 0);
  const double kcritZ = rows.Value2(factors);
  ASSERT_LT(kcritZ, 1.0);
  const std::vector<std::string> report = qv::WriteDesignReport(run.results, {});
  EXPECT_TRUE(Contains(report, "kiepahdus: Kk,z = " + qv::FormatFixed(kcritZ, 2))) << kcritZ;
}

}  // namespace
