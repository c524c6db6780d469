// Tests of a large member (150 supports, 50 hinges, 20 cases, 2000 loads): equilibrium, file round
// trip, every check run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "../../bench/ScaleProject.h"
#include "analysis/MemberResults.h"
#include "design/DesignRun.h"
#include "pagelogic/LoadTree.h"
#include "pagelogic/ReportAssembly.h"
#include "pagelogic/StructureTree.h"
#include "pagelogic/SupportCheck.h"
#include "project/ProjektiTiedosto.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

std::unique_ptr<QELVUX_data> FullSizeProject() {
  auto p = std::make_unique<QELVUX_data>(std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux");
  qv_scale::BuildProject(*p, qv_scale::ScaleSize());
  return p;
}

// Global Y force of every load of case k, summed by hand from the load list: per length
// loads over their length, per horizontal projection ones times cos, local ones split by
// the angle, surface loads times the load width.
double AppliedForceY(const QELVUX_data& p, int k) {
  const double a = p.Member.Angle * kPi / 180.0;
  const double length = p.Member.Length;
  const KuormaVektori& loads = p.Loads;
  double sum = 0.0;
  for (int i = 0; i < loads.Count(); ++i) {
    if (loads.LoadCase(i) != k) continue;
    const int d = loads.Direction(i);
    double share = 0.0;  // part of the load's value along global Y
    if (d == 2) share = 1.0;
    if (d == -2) share = std::cos(a);
    if (d == -1) share = std::sin(a);
    if (share == 0.0) continue;
    if (loads.Kind(i) == KuormaVektori::kPoint) {
      sum += share * loads.Q1(i);
      continue;
    }
    const double x1 = loads.X1(i);
    const double x2 = std::min(loads.X2(i), length);
    const double q2 = loads.Q1(i) + (loads.Q2(i) - loads.Q1(i)) * (x2 - x1) / (loads.X2(i) - x1);
    double total = 0.5 * (loads.Q1(i) + q2) * (x2 - x1);
    if (loads.RefLength(i) == KuormaVektori::kPerHorizontal) total *= std::cos(a);
    if (loads.Kind(i) == KuormaVektori::kSurface) total *= p.Member.LoadWidth;
    sum += share * total;
  }
  return sum;
}

TEST(ScaleProject, SupportsAndLoadsAreWhatWasAskedAndTheStructureIsStable) {
  auto p = FullSizeProject();
  EXPECT_EQ(p->Member.CountOfKind(RakenneVektori::kSupport), 150);
  EXPECT_EQ(p->Member.CountOfKind(RakenneVektori::kHinge), 50);
  EXPECT_EQ(p->Loads.Count(), 2000);
  EXPECT_EQ(p->Loads.Cases().Count(), 20);
  EXPECT_EQ(p->Loads.Combinations().CombinationCount(), 16);
  for (qv::LoadKind kind : qv::kLoadKinds)
    EXPECT_GT(p->Loads.CountLoads(-1, kind), 100) << qv::ToInt(kind);
  std::string message;
  EXPECT_EQ(qv::SupportCheck(*p, message), 0) << message;
}

// Every load split over up to 199 bars must come back in the support reactions.
TEST(ScaleProject, ReactionsBalanceTheLoadsOfEveryCase) {
  auto p = FullSizeProject();
  std::vector<std::string> messages;
  ASSERT_EQ(qv::EnsureAnalysis(*p, true, &messages), 0) << (messages.empty() ? "" : messages[0]);
  for (int k = 0; k < p->Loads.Cases().Count(); ++k) {
    QELvektori reactions;
    ASSERT_EQ(SupportReactions(*p, -1, k, reactions), 150);
    double sum = 0.0;
    for (int s = 0; s < reactions.Count(); ++s) sum += reactions.GetReal(s, 1);
    const double applied = AppliedForceY(*p, k);
    EXPECT_NEAR(sum, -applied, 1e-6 * std::abs(applied)) << "case " << k;
  }
}

// The project file is longer than any record file the program reads (1000 lines); the
// project reader must take it whole, to the last load.
TEST(ScaleProject, SavedAndLoadedBackWholeInAnotherRecord) {
  auto p = FullSizeProject();
  const std::string name =
      (std::filesystem::temp_directory_path() / ("qv_scale_" + std::to_string(::getpid()) + ".vux"))
          .string();
  ASSERT_EQ(qv::SaveProject(*p, name), 0);
  auto q = std::make_unique<QELVUX_data>(std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux");
  std::string message;
  const int status = qv::LoadProject(*q, name, &message);
  std::filesystem::remove(name);
  ASSERT_EQ(status, 0) << message;
  EXPECT_EQ(q->DesignCode, qv::DesignCode::kEc5Env);
  EXPECT_EQ(q->Member.Length, p->Member.Length);
  ASSERT_EQ(q->Member.Count(), p->Member.Count());
  for (int i = 0; i < p->Member.Count(); ++i)
    EXPECT_EQ(q->Member.FormatRecord(i), p->Member.FormatRecord(i)) << i;
  ASSERT_EQ(q->Loads.Count(), p->Loads.Count());
  for (int i = 0; i < p->Loads.Count(); ++i) {
    // The values were chosen to survive the file's decimals exactly.
    ASSERT_EQ(q->Loads.Record(i)->reals, p->Loads.Record(i)->reals) << i;
    ASSERT_EQ(q->Loads.Record(i)->ints, p->Loads.Record(i)->ints) << i;
  }
  ASSERT_EQ(q->Loads.Combinations().Count(), p->Loads.Combinations().Count());
  EXPECT_EQ(q->Loads.Combinations().Factor(15, 19), p->Loads.Combinations().Factor(15, 19));
  EXPECT_EQ(q->Profiles.Name(q->Profiles.CurrentIndex), "100*225");
}

// The design reaches every span of every combination, and the pages' lists show them all.
TEST(ScaleProject, DesignChecksEverySpanAndThePagesListEverything) {
  auto p = FullSizeProject();
  qv::DesignRunResult run;
  qv::RunProjectDesign(*p, true, run);
  ASSERT_EQ(run.analysisStatus, 0);
  EXPECT_TRUE(run.tree.allChecksRan);
  EXPECT_GT(run.tree.stressUtilisation, 0.0);
  EXPECT_GT(run.tree.deflectionUtilisation, 0.0);

  const qv::StructureTree structure = qv::BuildStructureTree(p->Member);
  const auto points = std::count_if(
      structure.nodes.begin(), structure.nodes.end(),
      [](const qv::StructureTreeNode& n) { return n.pointIndex >= 0 && n.level == 1; });
  EXPECT_EQ(points, 200);
  const qv::LoadTree loads = qv::BuildLoadTree(*p);
  const auto loadNodes =
      std::count_if(loads.nodes.begin(), loads.nodes.end(),
                    [](const qv::LoadTreeNode& n) { return n.level == qv::kLoadLevelLoad; });
  EXPECT_EQ(loadNodes, 2000);
  // Every support has its line in the report, the last one too.
  const std::vector<std::string> report = qv::BuildReportLines(*p);
  EXPECT_NE(std::find_if(report.begin(), report.end(),
                         [](const std::string& l) { return l.rfind("150:\t100000", 0) == 0; }),
            report.end());
}

}  // namespace
