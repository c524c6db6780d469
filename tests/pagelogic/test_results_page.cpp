// Tests of the results page's choices: kinds offered, combinations or cases listed, stored
// selections, the chart number format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/MemberTestProject.h"
#include "model/ResultNumberFormat.h"
#include "pagelogic/ResultsPage.h"

namespace {

using Texts = std::vector<std::string>;

Texts KindTexts(const QELVUX_data& p) {
  Texts t;
  for (const qv::ResultKindEntry& e : qv::ResultKindEntries(p)) t.push_back(e.text);
  return t;
}

// A horizontal 6000 mm beam on two pinned supports, cases "G" (permanent) and "Q", one
// combination of each design kind in the order stress, deflection, no design, stress.
class ResultsPageLists : public ::testing::Test {
 protected:
  ResultsPageLists() {
    t.SetMember(6000.0, {{0.0, RakenneVektori::kPinned}, {6000.0, RakenneVektori::kPinned}});
    t.AddCase("G", 0);
    t.AddCase("Q", 1);
    t.AddCombination(KuormaYhdVektori::kStress, {1.2, 1.6});
    t.AddCombination(KuormaYhdVektori::kDeflection, {1.0, 1.0});
    t.AddCombination(KuormaYhdVektori::kNoDesign, {1.0});
    t.AddCombination(KuormaYhdVektori::kStress, {1.0});
  }
  QELVUX_data& P() { return *t.project; }
  MemberTestProject t;
};

TEST_F(ResultsPageLists, KindsFollowTheLoadsAndTheAngle) {
  t.AddLine(0, MemberTestProject::kDown, -5.0, 0.0, 6000.0);
  t.AddPoint(1, 6, 1e6, 3000.0);  // a moment in the plane changes nothing
  EXPECT_EQ(KindTexts(P()), (Texts{"Mz (Momentti)", "Vy (Leikkausvoima)", "Uy (Siirtymä)",
                                   "Tukireaktiot (KY)", "Tukireaktiot (KT)"}));

  // An inclined member carries axial force even under vertical loads only.
  P().Member.Angle = 30.0;
  EXPECT_EQ(KindTexts(P()), (Texts{"Mz (Momentti)", "Vy (Leikkausvoima)", "Nx (Normaalivoima)",
                                   "Uy (Siirtymä)", "Tukireaktiot (KY)", "Tukireaktiot (KT)"}));

  // Local x loads count as axial; a moment about local y as out of plane.
  P().Member.Angle = 0.0;
  t.AddPoint(0, -1, 1000.0, 6000.0);
  t.AddPoint(0, -5, 1000.0, 3000.0);
  const std::vector<qv::ResultKindEntry> all = qv::ResultKindEntries(P());
  std::vector<int> codes;
  for (const auto& e : all) codes.push_back(e.code);
  EXPECT_EQ(codes, (std::vector<int>{3, 5, 4, 8, 2, 6, 9, 101, 201}));
  EXPECT_EQ(KindTexts(P())[4], "My (Momentti)");
  EXPECT_EQ(KindTexts(P())[5], "Vz (Leikkausvoima)");
  EXPECT_EQ(KindTexts(P())[6], "Uz (Siirtymä)");
}

TEST_F(ResultsPageLists, OutOfPlaneForceOffersMyVzUzWithoutNx) {
  t.AddLine(0, 3, 1.0, 0.0, 6000.0);
  EXPECT_EQ(KindTexts(P()), (Texts{"Mz (Momentti)", "Vy (Leikkausvoima)", "Uy (Siirtymä)",
                                   "My (Momentti)", "Vz (Leikkausvoima)", "Uz (Siirtymä)",
                                   "Tukireaktiot (KY)", "Tukireaktiot (KT)"}));
}

TEST_F(ResultsPageLists, CaseListPerKind) {
  EXPECT_EQ(qv::ResultCaseEntries(P(), qv::kResultMz),
            (Texts{"KY1 (Jännitystarkastelu)", "KY4 (Jännitystarkastelu)"}));
  EXPECT_EQ(qv::ResultCaseEntries(P(), qv::kResultVz), qv::ResultCaseEntries(P(), qv::kResultMz));
  EXPECT_EQ(qv::ResultCaseEntries(P(), qv::kResultUy), (Texts{"KY2 (Siirtymätarkastelu)"}));
  EXPECT_EQ(qv::ResultCaseEntries(P(), qv::kResultReactionsCombination),
            (Texts{"KY1 (Jännitystarkastelu)", "KY2 (Siirtymätarkastelu)", "KY3 (Ei mitoitusta)",
                   "KY4 (Jännitystarkastelu)"}));
  EXPECT_EQ(qv::ResultCaseEntries(P(), qv::kResultReactionsCase), (Texts{"G", "Q"}));

  // The n-th entry of a force kind is the n-th stress combination, not the n-th combination.
  const qv::ResultChoice second = qv::ResolveResultChoice(P(), qv::kResultMz, 1);
  EXPECT_EQ(second.combination, 3);
  EXPECT_EQ(qv::ResultChoiceText(P(), second), "KY4 (Jännitystarkastelu)");
  EXPECT_FALSE(qv::ResolveResultChoice(P(), qv::kResultUy, 1).Valid());
  EXPECT_FALSE(qv::ResolveResultChoice(P(), qv::kResultMz, -1).Valid());
  const qv::ResultChoice kt = qv::ResolveResultChoice(P(), qv::kResultReactionsCase, 1);
  EXPECT_EQ(kt.combination, -1);
  EXPECT_EQ(kt.loadCase, 1);
  EXPECT_FALSE(qv::ResolveResultChoice(P(), qv::kResultReactionsCase, 2).Valid());
}

TEST_F(ResultsPageLists, LongCaseNamesAreCutTo40Characters) {
  const std::string name = "Äää" + std::string(50, 'x');
  t.AddCase(name, 0);
  EXPECT_EQ(qv::ResultChoiceText(P(), qv::ResolveResultChoice(P(), qv::kResultReactionsCase, 2)),
            "Äää" + std::string(37, 'x'));
}

TEST_F(ResultsPageLists, StoredSelectionsAndTheirResets) {
  // Start of a project: no kind yet, so the first entry.
  P().ResultKind = -1;
  P().ResultCase = 7;
  qv::ResultsPageLists lists = qv::RefreshResultsLists(P());
  EXPECT_EQ(P().ResultKind, qv::kResultMz);
  EXPECT_EQ(lists.kindIndex, 0);
  EXPECT_EQ(lists.cases.size(), 2u);
  EXPECT_EQ(P().ResultCase, 0);  // outside the list
  EXPECT_EQ(lists.caseIndex, 0);

  // A kind that is still offered stays with its position.
  ASSERT_EQ(qv::ResultKindChanged(P(), lists.kinds, 4), 1);
  EXPECT_EQ(P().ResultKind, qv::kResultReactionsCase);
  ASSERT_EQ(qv::ResultCaseChanged(P(), 1), 1);
  lists = qv::RefreshResultsLists(P());
  EXPECT_EQ(lists.kindIndex, 4);
  EXPECT_EQ(lists.caseIndex, 1);

  // Nx is no longer offered once the member is horizontal again: back to the first kind.
  P().Member.Angle = 10.0;
  lists = qv::RefreshResultsLists(P());
  ASSERT_EQ(qv::ResultKindChanged(P(), lists.kinds, 2), 1);
  EXPECT_EQ(P().ResultKind, qv::kResultN);
  P().Member.Angle = 0.0;
  lists = qv::RefreshResultsLists(P());
  EXPECT_EQ(P().ResultKind, qv::kResultMz);
  EXPECT_EQ(lists.kindIndex, 0);

  // No deflection combination left: the position becomes -1.
  P().Loads.Combinations().RemoveCombination(1, false);
  P().ResultKind = qv::kResultUy;
  lists = qv::RefreshResultsLists(P());
  EXPECT_TRUE(lists.cases.empty());
  EXPECT_EQ(P().ResultCase, -1);
  EXPECT_EQ(lists.caseIndex, -1);

  // The handlers ignore what the combos send for no entry.
  EXPECT_EQ(qv::ResultKindChanged(P(), lists.kinds, -1), 0);
  EXPECT_EQ(qv::ResultKindChanged(P(), lists.kinds, static_cast<int>(lists.kinds.size())), 0);
  EXPECT_EQ(qv::ResultCaseChanged(P(), -1), 0);
  EXPECT_EQ(P().ResultKind, qv::kResultUy);
}

TEST(ChartNumberFormat, GroupedThousandsTwoToThreeDecimals) {
  EXPECT_EQ(qv::FormatChartNumber(0.0), "0.00");
  EXPECT_EQ(qv::FormatChartNumber(12.5), "12.50");
  EXPECT_EQ(qv::FormatChartNumber(2.0006), "2.001");
  EXPECT_EQ(qv::FormatChartNumber(2.0004), "2.00");
  EXPECT_EQ(qv::FormatChartNumber(0.25), "0.25");
  EXPECT_EQ(qv::FormatChartNumber(-0.125), "-0.125");
  EXPECT_EQ(qv::FormatChartNumber(999.0), "999.00");
  EXPECT_EQ(qv::FormatChartNumber(1000.0), "1 000.00");
  EXPECT_EQ(qv::FormatChartNumber(999.9996), "1 000.00");
  EXPECT_EQ(qv::FormatChartNumber(-1234.5), "-1 234.50");
  EXPECT_EQ(qv::FormatChartNumber(1234567.891), "1 234 567.891");
  // A value that rounds to zero carries no sign.
  EXPECT_EQ(qv::FormatChartNumber(-0.0004), "0.00");
  // The separators can be given, e.g. for a comma.
  EXPECT_EQ(qv::FormatChartNumber(-1234.5, "\xC2\xA0", ","),
            "-1\xC2\xA0"
            "234,50");
  EXPECT_EQ(qv::FormatFixedClean(-0.0001, 3), "0.000");
  EXPECT_EQ(qv::FormatFixedClean(-0.0006, 3), "-0.001");
}

}  // namespace
