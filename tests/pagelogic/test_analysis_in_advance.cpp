// A solve started ahead on the design thread: taken over only for the same input, and giving
// the analysis, design and report a solve on the spot gives.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../../bench/ScaleProject.h"
#include "analysis/MalliGeneraattori.h"
#include "analysis/MemberResults.h"
#include "design/DesignResults.h"
#include "design/DesignThread.h"
#include "design/SameRecords.h"
#include "pagelogic/AnalysisInAdvance.h"
#include "pagelogic/ReportAssembly.h"

namespace {

std::unique_ptr<QELVUX_data> Project(double fraction) {
  auto p = std::make_unique<QELVUX_data>(std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux");
  qv_scale::BuildProject(*p, qv_scale::SizeAt(fraction));
  return p;
}

using designtest::ExpectSameRecords;

// Solves p the usual way, on this thread.
void SolveHere(QELVUX_data& p) {
  std::vector<std::string> output;
  ASSERT_EQ(RunAnalysis(GenerateAnalysisInput(p), p, p.Analysis, output), 0);
}

// Solves p through an advance and its take-over.
void SolveAhead(QELVUX_data& p) {
  qv::AnalysisInAdvance advance;
  advance.Start(GenerateAnalysisInput(p), p.Member.Length, p.ResultSteps);
  std::vector<std::string> output{"vanha"};
  int status = 1;
  ASSERT_TRUE(advance.Take(GenerateAnalysisInput(p), p.Analysis, p.AnalysisSamples, p.AnalysisValid,
                           output, status));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(p.AnalysisValid, 1);
  EXPECT_TRUE(output.empty());
  EXPECT_FALSE(advance.Started());
}

// The samples taken over with the solution; a design on them must find
// the very numbers a design of an analysis solved on the spot finds, every combination's
// forces, displacements, checks and report lines.
TEST(AnalysisInAdvance, TakenSolutionDesignsAsOneSolvedOnTheSpot) {
  const auto ahead = Project(0.1);
  const auto here = Project(0.1);
  SolveAhead(*ahead);
  SolveHere(*here);
  EXPECT_EQ(ahead->Analysis.InputText().Lines(), here->Analysis.InputText().Lines());

  qv::DesignResults fromAhead, fromHere;
  std::vector<std::string> reportAhead, reportHere;
  qv::DesignThread::Start([&] {
    fromAhead = qv::CollectDesignResults(*ahead);
    reportAhead = qv::BuildReportLines(*ahead);
  }).get();
  qv::DesignThread::Start([&] { fromHere = qv::CollectDesignResults(*here); }).get();
  reportHere = qv::BuildReportLines(*here);
  ASSERT_EQ(fromAhead.stress.size(), 10u);
  ASSERT_EQ(fromAhead.deflection.size(), 6u);
  ASSERT_EQ(fromAhead.stress.size(), fromHere.stress.size());
  ASSERT_EQ(fromAhead.deflection.size(), fromHere.deflection.size());
  for (std::size_t c = 0; c < fromAhead.stress.size(); ++c)
    ExpectSameRecords(fromAhead.stress[c].checks, fromHere.stress[c].checks, "checks");
  for (std::size_t c = 0; c < fromAhead.deflection.size(); ++c)
    ExpectSameRecords(fromAhead.deflection[c].spans, fromHere.deflection[c].spans, "spans");
  EXPECT_EQ(reportAhead, reportHere);

  for (int c = 0; c < ahead->Loads.Combinations().CombinationCount(); ++c) {
    QELvektori a, b;
    qv::DesignThread::Start([&] { MemberForces(*ahead, c, -1, a); }).get();
    MemberForces(*here, c, -1, b);
    ExpectSameRecords(a, b, "forces");
    qv::DesignThread::Start([&] { MemberDisplacements(*ahead, c, -1, a, 1, 1); }).get();
    MemberDisplacements(*here, c, -1, b, 1, 1);
    ExpectSameRecords(a, b, "displacements");
  }
}

TEST(AnalysisInAdvance, OnlyTheSameInputIsTakenOver) {
  const auto p = Project(0.05);
  std::vector<std::string> output{"vanha"};
  int status = 7;
  qv::AnalysisInAdvance advance;
  EXPECT_FALSE(advance.Take(GenerateAnalysisInput(*p), p->Analysis, p->AnalysisSamples,
                            p->AnalysisValid, output, status));

  // Started, then the project changed: the page's input is another text.
  advance.Start(GenerateAnalysisInput(*p), p->Member.Length, p->ResultSteps);
  p->Loads.AddLoad("uusi", 0, KuormaVektori::kPoint, 2, 1, -1000.0, 0.0, 2500.0, 0.0);
  EXPECT_FALSE(advance.Take(GenerateAnalysisInput(*p), p->Analysis, p->AnalysisSamples,
                            p->AnalysisValid, output, status));
  EXPECT_EQ(p->AnalysisValid, 0);
  EXPECT_EQ(p->Analysis.Status(), -1);
  EXPECT_EQ(output, std::vector<std::string>{"vanha"});
  EXPECT_EQ(status, 7);
  EXPECT_FALSE(advance.Started());

  // A second start replaces the first; a dropped one is not taken.
  const std::vector<std::string> before = GenerateAnalysisInput(*p);
  advance.Start(before, p->Member.Length, p->ResultSteps);
  p->Loads.RemoveRecord(p->Loads.Count() - 1);
  advance.Start(GenerateAnalysisInput(*p), p->Member.Length, p->ResultSteps);
  EXPECT_FALSE(
      advance.Take(before, p->Analysis, p->AnalysisSamples, p->AnalysisValid, output, status));
  advance.Start(before, p->Member.Length, p->ResultSteps);
  advance.Drop();
  EXPECT_FALSE(
      advance.Take(before, p->Analysis, p->AnalysisSamples, p->AnalysisValid, output, status));
}

// An input cut short fails to validate: the take-over hands on the failure and its
// messages as a solve on the spot would.
TEST(AnalysisInAdvance, AFailedSolveIsHandedOnAsItWas) {
  const auto ahead = Project(0.05);
  std::vector<std::string> input = GenerateAnalysisInput(*ahead);
  input.resize(input.size() / 3);

  FEM_kaikki direct;
  int directValid = 1;
  std::vector<std::string> directOutput;
  const int directStatus = RunAnalysis(input, direct, directValid, directOutput);
  ASSERT_EQ(directStatus, -1);
  ASSERT_FALSE(directOutput.empty());

  qv::AnalysisInAdvance advance;
  advance.Start(input, ahead->Member.Length, ahead->ResultSteps);
  std::vector<std::string> output;
  int status = 0;
  ahead->AnalysisValid = 1;
  ASSERT_TRUE(advance.Take(input, ahead->Analysis, ahead->AnalysisSamples, ahead->AnalysisValid,
                           output, status));
  EXPECT_EQ(status, -1);
  EXPECT_EQ(ahead->AnalysisValid, 0);
  EXPECT_EQ(output, directOutput);
}

}  // namespace
