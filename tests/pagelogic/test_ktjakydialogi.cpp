// Tests of the load case and combination dialog: case list, buttons acting on the project, grid,
// own limit, closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoadTestProject.h"
#include "pagelogic/KTjaKYDialogi.h"

namespace {

using KV = KuormaVektori;
using KY = KuormaYhdVektori;
using qv::KTjaKYDialogi;
using qv::KTjaKYMessage;

class KTjaKYTest : public loadtest::LoadProjectTest {
 protected:
  KY& ky() { return loads().Combinations(); }
  KTjaKYDialogi OpenOnCombinations(int item) {
    KTjaKYDialogi d = qv::OpenKTjaKY(p());
    d.selectedCombination = item;
    qv::ChangeKTjaKYPage(p(), d, qv::kKYPage);
    return d;
  }
};

void ExpectMessage(const KTjaKYMessage& m, const std::string& text, const std::string& caption) {
  EXPECT_TRUE(m.shown);
  EXPECT_EQ(m.text, text);
  EXPECT_EQ(m.caption, caption);
}

TEST_F(KTjaKYTest, OpensOnTheCasePage) {
  const KTjaKYDialogi d = qv::OpenKTjaKY(p());
  EXPECT_EQ(d.page, qv::kKTPage);
  EXPECT_EQ(d.helpContext, 335);
  EXPECT_EQ(d.durationClasses,
            (std::vector<std::string>{"Pysyvä", "Pitkäaikainen", "Lyhytaikainen", "Hetkellinen"}));
  EXPECT_EQ(d.caseEntries, (std::vector<std::string>{
                               "Omapaino (Pysyvä)", "Hyötykuorma (Pitkäaikainen)",
                               "Lumikuorma (Pitkäaikainen)", "Tuulikuorma (Lyhytaikainen)"}));
  EXPECT_EQ(d.factorCaptions[2], "<- 0.80");
}

TEST_F(KTjaKYTest, Ec5FactorButtonsAndClasses) {
  p().DesignCode = qv::DesignCode::kEc5Env;
  const KTjaKYDialogi d = qv::OpenKTjaKY(p());
  EXPECT_EQ(d.factorCaptions, (std::vector<std::string>{"<- 0.00", "<- 0.50", "<- 0.75", "<- 1.00",
                                                        "<- 1.05", "<- 1.20", "<- 1.50"}));
  EXPECT_EQ(d.durationClasses.size(), 5u);
  EXPECT_EQ(d.durationClasses[2], "Keskipitkä");
  EXPECT_EQ(qv::FactorButtonValues(qv::DesignCode::kAllowableStress),
            qv::FactorButtonValues(qv::DesignCode::kLimitState));
}

TEST_F(KTjaKYTest, AddingCasesAndDuplicateNames) {
  KTjaKYDialogi d = qv::OpenKTjaKY(p());
  d.caseName = "Lumikuorma ?";
  d.durationClass = 3;
  EXPECT_FALSE(qv::AddLoadCase(p(), d).shown);
  ASSERT_EQ(loads().Cases().Count(), 5);
  EXPECT_EQ(loads().Cases().Name(4), "Lumikuorma ?");
  EXPECT_EQ(loads().Cases().DurationClass(4), 3);
  EXPECT_EQ(d.selectedCase, 4);
  EXPECT_EQ(d.caseEntries.back(), "Lumikuorma ? (Hetkellinen)");

  ExpectMessage(qv::AddLoadCase(p(), d), "Samanniminen on jo olemassa!", "VIRHE");
  EXPECT_EQ(loads().Cases().Count(), 5);
  // Names compare case-sensitively; an empty name adds nothing and says nothing.
  d.caseName = "lumikuorma ?";
  EXPECT_FALSE(qv::AddLoadCase(p(), d).shown);
  d.caseName = "";
  EXPECT_FALSE(qv::AddLoadCase(p(), d).shown);
  EXPECT_EQ(loads().Cases().Count(), 6);
  // Names are cut to 80 characters, and the cut name is what must be unique.
  d.caseName = std::string(80, 'a') + "x";
  qv::AddLoadCase(p(), d);
  EXPECT_EQ(loads().Cases().Name(6), std::string(80, 'a'));
  d.caseName = std::string(80, 'a') + "y";
  ExpectMessage(qv::AddLoadCase(p(), d), "Samanniminen on jo olemassa!", "VIRHE");
}

TEST_F(KTjaKYTest, SavingACase) {
  KTjaKYDialogi d = qv::OpenKTjaKY(p());
  qv::SelectLoadCaseEntry(p(), d, 1);
  EXPECT_EQ(d.caseName, "Hyötykuorma");
  EXPECT_EQ(d.durationClass, 1);
  // Its own name is no duplicate: only the class changes.
  d.durationClass = 2;
  EXPECT_FALSE(qv::SaveLoadCase(p(), d).shown);
  EXPECT_EQ(loads().Cases().Name(1), "Hyötykuorma");
  EXPECT_EQ(loads().Cases().DurationClass(1), 2);
  EXPECT_EQ(d.caseEntries[1], "Hyötykuorma (Lyhytaikainen)");
  // Another case's name is.
  d.caseName = "Omapaino";
  ExpectMessage(qv::SaveLoadCase(p(), d), "Samanniminen on jo olemassa!", "VIRHE");
  EXPECT_EQ(loads().Cases().Name(1), "Hyötykuorma");
  d.caseName = "Varasto";
  qv::SaveLoadCase(p(), d);
  EXPECT_EQ(loads().Cases().Name(1), "Varasto");
  EXPECT_EQ(d.selectedCase, 1);
}

TEST_F(KTjaKYTest, DeletingCases) {
  loads().AddLoad("a", 1, KV::kPoint, 2, 1, -1.0, 0.0, 0.0, 0.0);
  loads().AddLoad("b", 3, KV::kPoint, 2, 1, -1.0, 0.0, 0.0, 0.0);
  KTjaKYDialogi d = qv::OpenKTjaKY(p());
  qv::SelectLoadCaseEntry(p(), d, 1);
  EXPECT_FALSE(qv::DeleteLoadCase(p(), d).shown);
  ASSERT_EQ(loads().Cases().Count(), 3);
  EXPECT_EQ(loads().Cases().Name(1), "Lumikuorma");
  ASSERT_EQ(loads().Count(), 1);  // its load went, the later case's moved up
  EXPECT_EQ(loads().LoadCase(0), 2);
  EXPECT_DOUBLE_EQ(ky().Factor(0, 1), 1.6);  // KY1's snow factor now on case 1
  EXPECT_DOUBLE_EQ(ky().Factor(0, 2), 0.8);
  EXPECT_EQ(d.selectedCase, 1);
  EXPECT_EQ(d.caseName, "Lumikuorma");

  // The last entry removed: the one before is selected.
  qv::SelectLoadCaseEntry(p(), d, 2);
  qv::DeleteLoadCase(p(), d);
  EXPECT_EQ(d.selectedCase, 1);
  qv::DeleteLoadCase(p(), d);
  EXPECT_EQ(loads().Cases().Count(), 1);
  ExpectMessage(qv::DeleteLoadCase(p(), d), "Viimeistä kuormitustapausta ei voi poistaa!",
                "HUOMIO");
  EXPECT_EQ(loads().Cases().Count(), 1);
}

TEST_F(KTjaKYTest, CombinationPageShowsTheSelectedCombination) {
  ky().SetReal(ky().HeaderRow(3), 0, -12.0);  // KY4 has its own limit of 12 mm
  KTjaKYDialogi d = OpenOnCombinations(0);
  EXPECT_EQ(d.helpContext, 336);
  EXPECT_EQ(d.combinationNames, (std::vector<std::string>{"KY1", "KY2", "KY3", "KY4"}));
  EXPECT_EQ(d.designKind, 0);
  EXPECT_FALSE(d.limitPanelVisible);
  EXPECT_EQ(d.gridCases[2], "Lumikuorma (Pitkäaikainen)");
  EXPECT_EQ(d.gridFactors, (std::vector<std::string>{"1.20", "1.60", "1.60", "0.80"}));

  qv::SelectCombination(p(), d, 2);
  EXPECT_EQ(d.designKind, 1);
  EXPECT_TRUE(d.limitPanelVisible);
  EXPECT_FALSE(d.ownLimit);
  EXPECT_FALSE(d.ownLimitEnabled);
  EXPECT_EQ(d.ownLimitText, "");

  qv::SelectCombination(p(), d, 3);
  EXPECT_TRUE(d.ownLimit);
  EXPECT_TRUE(d.ownLimitEnabled);
  EXPECT_EQ(d.ownLimitText, "12.00");

  // A case without a factor row shows 0.00.
  ky().RemoveCombination(3, true);
  qv::SelectCombination(p(), d, 3);
  EXPECT_EQ(d.gridFactors, (std::vector<std::string>{"0.00", "0.00", "0.00", "0.00"}));
}

TEST_F(KTjaKYTest, FactorButtonsKindAndRadioButtons) {
  KTjaKYDialogi d = OpenOnCombinations(0);
  d.currentRow = 3;
  qv::PressFactorButton(d, 6);
  EXPECT_EQ(d.gridFactors[3], "1.60");
  d.currentRow = 7;  // no such row: nothing
  qv::PressFactorButton(d, 0);
  qv::PressFactorButton(d, 9);
  EXPECT_EQ(d.gridFactors, (std::vector<std::string>{"1.20", "1.60", "1.60", "1.60"}));

  qv::ChangeDesignKind(d, 1);
  EXPECT_TRUE(d.limitPanelVisible);
  EXPECT_FALSE(d.ownLimit);
  qv::ChooseOwnLimit(d, true);
  EXPECT_TRUE(d.ownLimitEnabled);
  EXPECT_EQ(d.ownLimitText, "?");
  qv::ChooseOwnLimit(d, false);
  EXPECT_FALSE(d.ownLimitEnabled);
  EXPECT_EQ(d.ownLimitText, "");
  qv::ChangeDesignKind(d, 2);
  EXPECT_FALSE(d.limitPanelVisible);
}

TEST_F(KTjaKYTest, SavingACombination) {
  KTjaKYDialogi d = OpenOnCombinations(2);
  d.gridFactors = {"1,2", "0", "-0.5", "0.00"};
  qv::ChooseOwnLimit(d, true);
  // "?" is no number: nothing saved.
  ExpectMessage(qv::SaveCombination(p(), d), "KY:n oma sallittu siirtymä = ?", "VIRHE");
  EXPECT_DOUBLE_EQ(ky().Factor(2, 0), 1.0);
  d.ownLimitText = "15,5";
  EXPECT_FALSE(qv::SaveCombination(p(), d).shown);
  EXPECT_DOUBLE_EQ(ky().Factor(2, 0), 1.2);  // comma accepted
  EXPECT_DOUBLE_EQ(ky().Factor(2, 1), 0.0);
  EXPECT_DOUBLE_EQ(ky().Factor(2, 2), -0.5);
  EXPECT_EQ(ky().DesignKind(2), KY::kDeflection);
  EXPECT_DOUBLE_EQ(ky().Value(ky().HeaderRow(2)), -15.5);
  // Only nonzero factors have rows: header + 2.
  int rows = 0;
  for (int i = 0; i < ky().Count(); ++i) rows += ky().Combination(i) == 2 ? 1 : 0;
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(d.selectedCombination, 2);
  EXPECT_EQ(d.ownLimitText, "15.50");

  // A cell that is no number stops the save with its row's case and the range as the message.
  d.gridFactors[1] = "abc";
  d.designKind = 0;
  ExpectMessage(qv::SaveCombination(p(), d),
                "Hyötykuorma (Pitkäaikainen): anna luku väliltä -1000 … 1000", "VIRHE");
  EXPECT_EQ(ky().DesignKind(2), KY::kDeflection);
  d.gridFactors[1] = "1001";
  ExpectMessage(qv::SaveCombination(p(), d),
                "Hyötykuorma (Pitkäaikainen): anna luku väliltä -1000 … 1000", "VIRHE");

  // Another kind drops the own limit.
  d.gridFactors[1] = "1";
  EXPECT_FALSE(qv::SaveCombination(p(), d).shown);
  EXPECT_EQ(ky().DesignKind(2), KY::kStress);
  EXPECT_DOUBLE_EQ(ky().Value(ky().HeaderRow(2)), 0.0);
}

TEST_F(KTjaKYTest, AddingAndDeletingCombinations) {
  KTjaKYDialogi d = OpenOnCombinations(0);
  qv::ChangeDesignKind(d, 2);
  qv::AddCombination(p(), d);
  ASSERT_EQ(ky().CombinationCount(), 5);
  EXPECT_EQ(ky().DesignKind(4), KY::kNoDesign);
  EXPECT_EQ(ky().TextOr(ky().HeaderRow(4), 0), "KY5");
  EXPECT_EQ(d.selectedCombination, 4);
  EXPECT_EQ(d.gridFactors, (std::vector<std::string>{"0.00", "0.00", "0.00", "0.00"}));

  // Deleting KY2 renumbers the rest; the same place stays selected.
  qv::SelectCombination(p(), d, 1);
  EXPECT_FALSE(qv::DeleteCombination(p(), d).shown);
  EXPECT_EQ(d.combinationNames, (std::vector<std::string>{"KY1", "KY2", "KY3", "KY4"}));
  EXPECT_EQ(d.selectedCombination, 1);
  EXPECT_EQ(d.designKind, 1);  // the former KY3
  // The last item removed: the one before.
  qv::SelectCombination(p(), d, 3);
  qv::DeleteCombination(p(), d);
  EXPECT_EQ(d.selectedCombination, 2);
  qv::DeleteCombination(p(), d);
  qv::DeleteCombination(p(), d);
  EXPECT_EQ(ky().CombinationCount(), 1);
  ExpectMessage(qv::DeleteCombination(p(), d), "Viimeistä kuormitusyhdistelmää ei voi poistaa!",
                "HUOMIO");
  EXPECT_EQ(ky().CombinationCount(), 1);
}

TEST_F(KTjaKYTest, ClosingNeedsBothDesignKinds) {
  EXPECT_FALSE(qv::KTjaKYCloseQuery(p()).shown);
  KTjaKYDialogi d = OpenOnCombinations(2);
  qv::DeleteCombination(p(), d);                  // KY3, deflection
  EXPECT_FALSE(qv::KTjaKYCloseQuery(p()).shown);  // KY4 is still one
  qv::DeleteCombination(p(), d);
  ExpectMessage(qv::KTjaKYCloseQuery(p()),
                "Mallissa täytyy olla vähintään 1 jännitys- ja siirtymätarkasteluyhdistelmä!",
                "VIRHE");
  // Changing a kind makes it closable again.
  qv::SelectCombination(p(), d, 1);
  qv::ChangeDesignKind(d, 1);
  qv::SaveCombination(p(), d);
  EXPECT_FALSE(qv::KTjaKYCloseQuery(p()).shown);
}

}  // namespace

// Design code 4: the generated quasi-permanent combination keeps its kind when saved in the
// dialog, and a change of the consequence class generates the combinations again.
TEST(KTjaKYCode4, CombinationsFollowTheClassAndKeepTheirKinds) {
  QELVUX_data p(std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux");
  p.DesignCode = qv::DesignCode::kEc5;
  p.LoadDefaultLoads();
  p.Loads.ClearLoads();
  p.Loads.AddLoad("g", 0, KV::kLine, 2, 1, -1.0, -1.0, 0.0, 1000.0);
  ASSERT_EQ("", p.RegenerateEc5Combinations());
  KY& ky = p.Loads.Combinations();
  ASSERT_EQ(3, ky.CombinationCount());  // 6.10a, 6.14b, 6.16b
  EXPECT_EQ(ky.DesignKind(2), KY::kLongTerm);
  KTjaKYDialogi d = qv::OpenKTjaKY(p);
  d.selectedCombination = 2;
  qv::ChangeKTjaKYPage(p, d, qv::kKYPage);
  EXPECT_EQ(d.designKindItems.size(), 4u);
  EXPECT_FALSE(qv::SaveCombination(p, d).shown);
  EXPECT_EQ(ky.DesignKind(2), KY::kLongTerm);

  // CC3 multiplies the permanent load of 6.10a by K_FI 1.1.
  d = qv::OpenKTjaKY(p);
  d.consequenceClass = 2;
  EXPECT_FALSE(qv::ApplyConsequenceClass(p, d).shown);
  EXPECT_EQ(p.Settings.ec5.consequenceClass, 3);
  EXPECT_NEAR(ky.Factor(0, 0), 1.35 * 1.1, 1e-12);
}
