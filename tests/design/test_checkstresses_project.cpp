// Stress checks run on a whole project: member, loads, analysis and the shipped material tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/MalliGeneraattori.h"
#include "design/CheckStresses.h"
#include "project/QELVUX_data.h"

namespace {

using Row = CheckRowVektori;

// The default 6000 mm beam on two pinned supports with 5 N/mm over its length in KY1.
class ProjectChecks : public ::testing::Test {
 protected:
  ProjectChecks() : project(std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux") {}

  void SetUp() override {
    KuormaVektori& loads = project.Loads;
    loads.ClearLoads();
    loads.Combinations().Clear();
    ASSERT_GT(loads.Cases().Count(), 0);
    loads.AddLoad("q", 0, KuormaVektori::kLine, 2, KuormaVektori::kPerLength, -5.0, -5.0, 0.0,
                  6000.0);
    loads.Combinations().AddHeader(0, KuormaYhdVektori::kStress);
    loads.Combinations().AddFactor(0, 0, 1.0);
  }

  int Analyse() {
    std::vector<std::string> output;
    return RunAnalysis(GenerateAnalysisInput(project), project, project.Analysis, output);
  }

  QELVUX_data project;
  CheckRowVektori rows;
};

TEST_F(ProjectChecks, SimplySupportedBeamFromTheAnalysis) {
  ASSERT_EQ(Analyse(), 0);
  const qv::SectionSize s = project.CurrentSection();
  ASSERT_TRUE(s.IsValid());
  ASSERT_GT(qv::CheckStresses(project, 0, rows), 0);

  // qL^2/8 = 5*6000^2/8 = 22.5e6 Nmm at mid-span (a sampling point), qL/2 = 15 kN at the ends.
  const double wz = s.b * s.h * s.h / 6.0;
  EXPECT_NEAR(rows.Value1(rows.Find(Row::kMaxMz)), 22.5e6, 22.5e6 * 1e-6);
  EXPECT_NEAR(rows.Value1(rows.Find(Row::kMaxN + 1)), 15000.0, 15000.0 * 1e-6);
  EXPECT_NEAR(rows.Value1(rows.Find(Row::kBending)), 22.5e6 / wz, 22.5e6 / wz * 1e-6);
  EXPECT_NEAR(rows.Value1(rows.Find(Row::kShear)), 1.5 * 15000.0 / (s.b * s.h), 1e-6);

  // The design values are those of the combination's duration class, and the bending
  // utilisation uses f1 with the span's lateral-torsional factor.
  DesignValues v;
  ASSERT_EQ(project.SectionValues(project.Loads.GoverningDurationClass(0, -1),
                                  MateriaaliTiedot::kDesign, v),
            0);
  EXPECT_EQ(rows.Value1(rows.Find(Row::kDesignValueFirst)), v.Get(1));
  const double kcritZ = rows.Value2(rows.Find(Row::kLateralFactors, 1));
  EXPECT_NEAR(rows.Value2(rows.Find(Row::kBending)), 22.5e6 / wz / (v.Get(1) * kcritZ) * 100.0,
              1e-6);
  // Defaults: buckling in y over the span, so rows 21 and 22 for the single span.
  EXPECT_NEAR(rows.Value2(rows.Find(Row::kSlenderness, 1)), 6000.0 / (s.h / std::sqrt(12.0)), 1e-6);
  EXPECT_EQ(rows.Find(Row::kLateralFactors, 2), -1);
}

TEST_F(ProjectChecks, TwoSpansFromAnInnerSupport) {
  project.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 2500.0);
  ASSERT_EQ(Analyse(), 0);
  ASSERT_GT(qv::CheckStresses(project, 0, rows), 0);
  EXPECT_GE(rows.Find(Row::kLateralFactors, 1), 0);
  EXPECT_GE(rows.Find(Row::kLateralFactors, 2), 0);
  EXPECT_EQ(rows.Find(Row::kLateralFactors, 3), -1);
  // The span lengths set the slenderness in y: 2500 and 3500 mm.
  const double i = project.CurrentSection().h / std::sqrt(12.0);
  EXPECT_NEAR(rows.Value2(rows.Find(Row::kSlenderness, 1)), 2500.0 / i, 1e-6);
  EXPECT_NEAR(rows.Value2(rows.Find(Row::kSlenderness, 2)), 3500.0 / i, 1e-6);
}

TEST_F(ProjectChecks, NothingWithoutCurrentResultsOrAValidChoice) {
  rows.AddRow(1, 0, 1.0, 1.0);                        // cleared even when nothing can be checked
  EXPECT_EQ(qv::CheckStresses(project, 0, rows), 0);  // not analysed yet
  EXPECT_EQ(rows.Count(), 0);

  ASSERT_EQ(Analyse(), 0);
  EXPECT_EQ(qv::CheckStresses(project, 1, rows), 0);  // no such combination
  EXPECT_EQ(qv::CheckStresses(project, -1, rows), 0);
  project.Profiles.CurrentIndex = -1;
  EXPECT_EQ(qv::CheckStresses(project, 0, rows), 0);
  project.Profiles.CurrentIndex = 0;
  project.Materials.SetMaterial(project.DesignCode, 999);  // no such material: values 0
  EXPECT_EQ(qv::CheckStresses(project, 0, rows), 0);
}

TEST(SpanBoundaries, SupportsInsideTheMemberOnly) {
  RakenneVektori m;
  m.Reset();  // 6000 mm, supports at 0 and 6000
  m.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 2000.0);
  m.AddPoint("", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 4000.0);    // no boundary
  m.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 7000.0);  // beyond L
  EXPECT_EQ(qv::SpanBoundaries(m), (std::vector<double>{0.0, 2000.0, 6000.0}));
  m.Length = 0.0;
  EXPECT_EQ(qv::SpanBoundaries(m).size(), 1u);
}

}  // namespace
