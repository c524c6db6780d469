// Results along the member follow the solution and the section asked for, however often asked.
#include <gtest/gtest.h>

#include "analysis/MemberTestProject.h"

namespace {

using F = MemberResultField;
using P = MemberTestProject;

constexpr int kPinned = RakenneVektori::kPinned;
constexpr double kL = 4000.0;

// Simply supported beam under a uniform load q: moment and deflection at midspan.
double MidspanMoment(double q) { return q * kL * kL / 8.0; }
double MidspanDeflection(double q, double EI) { return 5 * q * kL * kL * kL * kL / (384 * EI); }

void UniformBeam(P& t, double q) {
  t.SetMember(kL, {{0.0, kPinned}, {kL, kPinned}});
  t.AddCase("G", 0);
  t.AddLine(0, P::kDown, -q, 0.0, kL);
}

double MidspanMz(const QELVUX_data& p) {
  QELvektori forces;
  EXPECT_EQ(41, MemberForces(p, -1, 0, forces));
  return forces.GetReal(20, F::kMz);
}

double MidspanUy(const QELVUX_data& p) {
  QELvektori u;
  EXPECT_EQ(41, MemberDisplacements(p, -1, 0, u, 0, 1));
  return u.GetReal(20, F::kUy);
}

TEST(MemberResultsReuse, ANewSolutionGivesNewValues) {
  P t(2);
  UniformBeam(t, 1.0);
  ASSERT_EQ(0, t.Solve());
  const double ei = P::kE * P::IStrong();
  EXPECT_NEAR(MidspanMoment(1.0), MidspanMz(*t.project), 1e-6);
  EXPECT_NEAR(-MidspanDeflection(1.0, ei), MidspanUy(*t.project), 1e-9);

  // The same member under three times the load, solved into the same analysis object.
  t.project->Loads.ClearLoads();
  t.AddLine(0, P::kDown, -3.0, 0.0, kL);
  ASSERT_EQ(0, t.Solve());
  EXPECT_NEAR(MidspanMoment(3.0), MidspanMz(*t.project), 1e-6);
  EXPECT_NEAR(-MidspanDeflection(3.0, ei), MidspanUy(*t.project), 1e-9);

  // A shorter member with other sampling points.
  t.SetMember(kL / 2, {{0.0, kPinned}, {kL / 2, kPinned}});
  t.project->Loads.ClearLoads();
  t.AddLine(0, P::kDown, -3.0, 0.0, kL / 2);
  ASSERT_EQ(0, t.Solve());
  QELvektori forces;
  ASSERT_EQ(41, MemberForces(*t.project, -1, 0, forces));
  EXPECT_NEAR(kL / 2, forces.GetReal(40, F::kX), 1e-9);
  EXPECT_NEAR(3.0 * (kL / 2) * (kL / 2) / 8.0, forces.GetReal(20, F::kMz), 1e-6);
}

TEST(MemberResultsReuse, EachSectionGetsItsOwnStiffness) {
  P t(2);
  UniformBeam(t, 2.0);
  ASSERT_EQ(0, t.Solve());
  EXPECT_NEAR(-MidspanDeflection(2.0, P::kE * P::IStrong()), MidspanUy(*t.project), 1e-9);
  // Another section on the same analysis, as the section search does: 50 x 100 is eight
  // times as flexible, and back again.
  t.project->Profiles.SetSingleSection("50*100;1;50;100;0;0;0;0;0;0;0;0");
  const double iSmall = 50.0 * 100.0 * 100.0 * 100.0 / 12.0;
  EXPECT_NEAR(-MidspanDeflection(2.0, P::kE * iSmall), MidspanUy(*t.project), 1e-8);
  t.project->Profiles.SetSingleSection("50*200;1;50;200;0;0;0;0;0;0;0;0");
  EXPECT_NEAR(-MidspanDeflection(2.0, P::kE * P::IStrong()), MidspanUy(*t.project), 1e-9);
}

TEST(MemberResultsReuse, TwoProjectsAskedInTurn) {
  P a(2);
  P b(2);
  UniformBeam(a, 1.0);
  UniformBeam(b, 4.0);
  ASSERT_EQ(0, a.Solve());
  ASSERT_EQ(0, b.Solve());
  for (int round = 0; round < 2; ++round) {
    EXPECT_NEAR(MidspanMoment(1.0), MidspanMz(*a.project), 1e-6);
    EXPECT_NEAR(MidspanMoment(4.0), MidspanMz(*b.project), 1e-6);
  }
}

TEST(MemberResultsReuse, NothingFromAFailedSolution) {
  P t(2);
  UniformBeam(t, 1.0);
  ASSERT_EQ(0, t.Solve());
  EXPECT_NEAR(MidspanMoment(1.0), MidspanMz(*t.project), 1e-6);
  // The analysis object is read again with a model that does not solve (no supports),
  // while the project still says its analysis is valid.
  std::vector<std::string> input = GenerateAnalysisInput(t.project->Member, t.project->Loads);
  std::vector<std::string> noSupports;
  bool skip = false;
  for (const std::string& line : input) {
    if (line.rfind("[ ==== ", 0) == 0) skip = line.find(" 301 ") != std::string::npos;
    if (!skip || line.rfind("[ ==== ", 0) == 0) noSupports.push_back(line);
  }
  t.project->Analysis.Read(noSupports);
  ASSERT_LT(t.project->Analysis.Solve(), 0);
  QELvektori forces;
  ASSERT_EQ(41, MemberForces(*t.project, -1, 0, forces));
  for (int i = 0; i < forces.Count(); ++i) EXPECT_EQ(0.0, forces.GetReal(i, F::kMz)) << i;
}

}  // namespace
