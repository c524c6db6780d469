// Load combinations: row order, look-ups, n-th of a kind, removal with renumbering.
#include <gtest/gtest.h>

#include "model/KuormaYhdVektori.h"

namespace {

using KY = KuormaYhdVektori;

TEST(KuormaYhdVektori, RowsGroupUnderTheirHeaderByLoadCase) {
  KY v;
  v.AddHeader(1, KY::kDeflection, -12.0);
  v.AddFactor(1, 2, 0.5);
  v.AddHeader(0, KY::kStress);
  v.AddFactor(0, 3, 0.8);
  v.AddFactor(1, 0, 1.0);
  v.AddFactor(0, 1, 1.6);
  EXPECT_EQ(v.AddFactor(0, 2, 0.0), -1);  // zero factors are not stored
  ASSERT_EQ(v.Count(), 6);
  const int want[6][3] = {{0, 1, 0}, {0, 0, 1}, {0, 0, 3}, {1, 2, 0}, {1, 0, 0}, {1, 0, 2}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(v.Combination(i), want[i][0]) << i;
    EXPECT_EQ(v.RowKind(i), want[i][1]) << i;
    EXPECT_EQ(v.LoadCase(i), want[i][2]) << i;
  }
  EXPECT_EQ(v.FormatRecord(3), "KY2;1;2;0;-12.000");
  EXPECT_EQ(v.FormatRecord(5), "KY2;1;0;2;0.500");
  // Lines read in any order land in the same places.
  EXPECT_EQ(v.ParseRecord("KY1;0;0;2;1.5"), 1);
  EXPECT_EQ(v.LoadCase(2), 2);
  EXPECT_EQ(v.Combination(3), 0);
  // A header read after its factor rows still starts its combination.
  EXPECT_EQ(v.ParseRecord("KY3;2;0;1;1.0"), 1);
  EXPECT_EQ(v.ParseRecord("KY3;2;1;0;0"), 1);
  EXPECT_TRUE(v.IsHeader(v.Count() - 2));
  EXPECT_EQ(v.HeaderRow(2), v.Count() - 2);
}

TEST(KuormaYhdVektori, LookUps) {
  KY v;
  EXPECT_EQ(v.HeaderRow(-1), -1);
  EXPECT_EQ(v.CombinationCount(), 0);
  v.AddHeader(0, KY::kNoDesign);
  v.AddFactor(0, 0, 1.0);
  v.AddHeader(1, KY::kDeflection, -1.5);
  v.AddFactor(1, 1, 2.0);
  EXPECT_EQ(v.CombinationCount(), 2);
  EXPECT_EQ(v.HeaderRow(-1), 0);
  EXPECT_EQ(v.HeaderRow(1), 2);
  EXPECT_EQ(v.HeaderRow(2), -1);
  EXPECT_DOUBLE_EQ(v.Factor(1, 1), 2.0);
  EXPECT_DOUBLE_EQ(v.Factor(1, 0), 0.0);
  EXPECT_DOUBLE_EQ(v.Factor(0, 0), 1.0);
  EXPECT_EQ(v.DesignKind(1), KY::kDeflection);
  EXPECT_FALSE(v.DesignKind(5));
  EXPECT_DOUBLE_EQ(v.OwnDeflectionLimit(1), 1.5);
  EXPECT_DOUBLE_EQ(v.OwnDeflectionLimit(0), 0.0);
}

TEST(KuormaYhdVektori, NthCombinationOfKind) {
  KY v;
  const qv::CombinationKind kinds[5] = {KY::kDeflection, KY::kStress, KY::kNoDesign, KY::kStress,
                                        KY::kDeflection};
  for (int c = 0; c < 5; ++c) {
    v.AddHeader(c, kinds[c]);
    v.AddFactor(c, 0, 1.0);
  }
  EXPECT_EQ(v.NthCombinationOfKind(KY::kStress, 0), 1);
  EXPECT_EQ(v.NthCombinationOfKind(KY::kStress, 1), 3);
  EXPECT_EQ(v.NthCombinationOfKind(KY::kStress, 2), -1);
  EXPECT_EQ(v.NthCombinationOfKind(KY::kDeflection, 1), 4);
  EXPECT_EQ(v.NthCombinationOfKind(KY::kNoDesign, 0), 2);
  EXPECT_EQ(v.NthCombinationOfKind(std::nullopt, 2), 2);
  EXPECT_EQ(v.NthCombinationOfKind(std::nullopt, 4), 4);
  EXPECT_EQ(v.NthCombinationOfKind(std::nullopt, 5), -1);  // factor rows are no headers
}

TEST(KuormaYhdVektori, RemoveMembersOnlyKeepsHeader) {
  KY v;
  v.AddHeader(0, KY::kStress, 0.0);
  v.AddFactor(0, 0, 1.2);
  v.AddFactor(0, 1, 1.6);
  v.AddHeader(1, KY::kDeflection, -3.0);
  v.AddFactor(1, 0, 1.0);
  v.RemoveCombination(0, true);
  ASSERT_EQ(v.Count(), 3);
  EXPECT_TRUE(v.IsHeader(0));
  EXPECT_EQ(v.Combination(0), 0);
  EXPECT_DOUBLE_EQ(v.Factor(0, 0), 0.0);
  EXPECT_DOUBLE_EQ(v.Factor(1, 0), 1.0);
  // New factors after the header, before the next combination.
  v.AddFactor(0, 1, 0.9);
  EXPECT_EQ(v.Combination(1), 0);
  EXPECT_EQ(v.LoadCase(1), 1);
  EXPECT_TRUE(v.IsHeader(2));
}

TEST(KuormaYhdVektori, RemoveCombinationRenumbersTheRest) {
  KY v;
  for (int c = 0; c < 4; ++c) {
    v.AddHeader(c, c % 2 ? KY::kDeflection : KY::kStress, c == 3 ? -7.0 : 0.0);
    v.AddFactor(c, 0, 1.0 + c);
    v.AddFactor(c, 2, 0.5);
  }
  v.RemoveCombination(1, false);
  EXPECT_EQ(v.CombinationCount(), 3);
  ASSERT_EQ(v.Count(), 9);
  for (int i = 0; i < v.Count(); ++i) {
    const int c = i / 3;
    EXPECT_EQ(v.Combination(i), c) << i;
    EXPECT_EQ(v.TextOr(i, 0), KY::CombinationName(c)) << i;
  }
  // The former KY3 and KY4 with their own rows.
  EXPECT_DOUBLE_EQ(v.Factor(1, 0), 3.0);
  EXPECT_DOUBLE_EQ(v.Factor(2, 0), 4.0);
  EXPECT_DOUBLE_EQ(v.OwnDeflectionLimit(2), 7.0);
  EXPECT_EQ(v.DesignKind(1), KY::kStress);
  EXPECT_EQ(v.TextOr(8, 0), "KY3");

  v.RemoveCombination(2, false);  // the last one: nothing to renumber
  EXPECT_EQ(v.CombinationCount(), 2);
  EXPECT_EQ(v.Count(), 6);
  v.RemoveCombination(-1, false);
  EXPECT_EQ(v.Count(), 0);
}

TEST(KuormaYhdVektori, RemoveLoadCaseMovesLaterCasesDown) {
  KY v;
  v.AddHeader(0, KY::kStress);
  v.AddFactor(0, 0, 1.0);
  v.AddFactor(0, 1, 2.0);
  v.AddFactor(0, 3, 4.0);
  v.RemoveLoadCase(1);
  EXPECT_EQ(v.Count(), 3);
  EXPECT_DOUBLE_EQ(v.Factor(0, 0), 1.0);
  EXPECT_DOUBLE_EQ(v.Factor(0, 1), 0.0);
  EXPECT_DOUBLE_EQ(v.Factor(0, 2), 4.0);
  EXPECT_EQ(v.LoadCase(0), 0);  // the header keeps its 0
}

TEST(KuormaYhdVektori, ClearResetsSelection) {
  KY v;
  v.AddHeader(0, KY::kStress);
  v.CurrentIndex = 0;
  v.Clear();
  EXPECT_EQ(v.Count(), 0);
  EXPECT_EQ(v.CurrentIndex, -1);
}

}  // namespace
