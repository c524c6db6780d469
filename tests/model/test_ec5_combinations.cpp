// EN 1990 combinations of design code 4 against a hand-written list, and the shipped default
// load set of the code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Ec5CombinationUpdate.h"
#include "model/Ec5Combinations.h"
#include "model/KuormaVektori.h"
#include "model/KuormaYhdVektori.h"
#include "model/KuormitustapausVektori.h"

namespace {

using Kind = qv::Ec5CombinationKind;
using Cat = qv::LoadCategory;

// EN 1990 with the Finnish annex: psi0, psi1, psi2 and duration class per category code, and
// the partial factors 1.35, 1.15, 0.9 and 1.5.
qv::CombinationRules Rules() {
  qv::CombinationRules r;
  r.categories = {{"G", 1, 1, 1, 0},       {"A", 0.7, 0.5, 0.3, 2},  {"B", 0.7, 0.5, 0.3, 2},
                  {"C", 0.7, 0.7, 0.3, 2}, {"D", 0.7, 0.7, 0.6, 2},  {"E", 1.0, 0.9, 0.8, 1},
                  {"H", 0, 0, 0, 3},       {"S1", 0.7, 0.4, 0.2, 2}, {"S2", 0.7, 0.5, 0.2, 2},
                  {"W", 0.6, 0.2, 0.0, 3}};
  r.kfi = {0.9, 1.0, 1.1};
  r.permanent610a = 1.35;
  r.permanent610b = 1.15;
  r.permanentFavourable = 0.9;
  r.variable = 1.5;
  return r;
}

void ExpectCombinations(const std::vector<qv::Ec5Combination>& expected,
                        const std::vector<qv::Ec5Combination>& actual, double tolerance = 1e-12) {
  ASSERT_EQ(expected.size(), actual.size());
  for (std::size_t c = 0; c < expected.size(); ++c) {
    EXPECT_EQ(expected[c].name, actual[c].name);
    EXPECT_EQ(expected[c].kind, actual[c].kind) << expected[c].name;
    ASSERT_EQ(expected[c].factors.size(), actual[c].factors.size());
    for (std::size_t k = 0; k < expected[c].factors.size(); ++k)
      EXPECT_NEAR(expected[c].factors[k], actual[c].factors[k], tolerance)
          << expected[c].name << " " << k;
  }
}

// G, imposed A, roof H, snow, wind and an empty storage case, consequence class CC3:
// 6.10a G 1.35 · 1.1 = 1.485; 6.10b G 1.15 · 1.1 = 1.265 or 0.9, lead 1.5 · 1.1 = 1.65, others
// 1.65 · psi0 (A 1.155, snow 1.155, wind 0.99) or, the lead alone, 0; H never with snow or
// wind.
TEST(Ec5Combinations, GeneratedAgainstHandList) {
  const std::vector<qv::Ec5LoadCase> cases = {
      {"Omapaino", Cat::kPermanent, true, 0}, {"Hyöty", Cat::kImposedA, true, 2},
      {"Katto", Cat::kImposedH, true, 3},     {"Lumi", Cat::kSnowLow, true, 2},
      {"Tuuli", Cat::kWind, true, 3},         {"Varasto", Cat::kImposedE, false, 1}};
  const std::vector<qv::Ec5Combination> expected = {
      {"KY1 6.10a", Kind::kStress, {1.485, 0, 0, 0, 0, 0}},
      {"KY2 6.10b Hyöty määräävä", Kind::kStress, {1.265, 1.65, 0, 1.155, 0.99, 0}},
      {"KY3 6.10b Hyöty määräävä, G edullinen", Kind::kStress, {0.9, 1.65, 0, 1.155, 0.99, 0}},
      {"KY4 6.10b Hyöty määräävä, ilman Tuuli", Kind::kStress, {1.265, 1.65, 0, 1.155, 0, 0}},
      {"KY5 6.10b Hyöty määräävä, ilman Tuuli, G edullinen",
       Kind::kStress,
       {0.9, 1.65, 0, 1.155, 0, 0}},
      {"KY6 6.10b Hyöty yksin", Kind::kStress, {1.265, 1.65, 0, 0, 0, 0}},
      {"KY7 6.10b Hyöty yksin, G edullinen", Kind::kStress, {0.9, 1.65, 0, 0, 0, 0}},
      {"KY8 6.10b Katto määräävä", Kind::kStress, {1.265, 1.155, 1.65, 0, 0, 0}},
      {"KY9 6.10b Katto määräävä, G edullinen", Kind::kStress, {0.9, 1.155, 1.65, 0, 0, 0}},
      {"KY10 6.10b Katto yksin", Kind::kStress, {1.265, 0, 1.65, 0, 0, 0}},
      {"KY11 6.10b Katto yksin, G edullinen", Kind::kStress, {0.9, 0, 1.65, 0, 0, 0}},
      {"KY12 6.10b Lumi määräävä", Kind::kStress, {1.265, 1.155, 0, 1.65, 0.99, 0}},
      {"KY13 6.10b Lumi määräävä, G edullinen", Kind::kStress, {0.9, 1.155, 0, 1.65, 0.99, 0}},
      {"KY14 6.10b Lumi määräävä, ilman Tuuli", Kind::kStress, {1.265, 1.155, 0, 1.65, 0, 0}},
      {"KY15 6.10b Lumi määräävä, ilman Tuuli, G edullinen",
       Kind::kStress,
       {0.9, 1.155, 0, 1.65, 0, 0}},
      {"KY16 6.10b Lumi yksin", Kind::kStress, {1.265, 0, 0, 1.65, 0, 0}},
      {"KY17 6.10b Lumi yksin, G edullinen", Kind::kStress, {0.9, 0, 0, 1.65, 0, 0}},
      {"KY18 6.10b Tuuli määräävä", Kind::kStress, {1.265, 1.155, 0, 1.155, 1.65, 0}},
      {"KY19 6.10b Tuuli määräävä, G edullinen", Kind::kStress, {0.9, 1.155, 0, 1.155, 1.65, 0}},
      {"KY20 6.10b Tuuli yksin", Kind::kStress, {1.265, 0, 0, 0, 1.65, 0}},
      {"KY21 6.10b Tuuli yksin, G edullinen", Kind::kStress, {0.9, 0, 0, 0, 1.65, 0}},
      {"KY22 6.14b Hyöty määräävä", Kind::kCharacteristic, {1, 1, 0, 0.7, 0.6, 0}},
      {"KY23 6.14b Hyöty yksin", Kind::kCharacteristic, {1, 1, 0, 0, 0, 0}},
      {"KY24 6.14b Katto määräävä", Kind::kCharacteristic, {1, 0.7, 1, 0, 0, 0}},
      {"KY25 6.14b Katto yksin", Kind::kCharacteristic, {1, 0, 1, 0, 0, 0}},
      {"KY26 6.14b Lumi määräävä", Kind::kCharacteristic, {1, 0.7, 0, 1, 0.6, 0}},
      {"KY27 6.14b Lumi yksin", Kind::kCharacteristic, {1, 0, 0, 1, 0, 0}},
      {"KY28 6.14b Tuuli määräävä", Kind::kCharacteristic, {1, 0.7, 0, 0.7, 1, 0}},
      {"KY29 6.14b Tuuli yksin", Kind::kCharacteristic, {1, 0, 0, 0, 1, 0}},
      {"KY30 6.16b pitkäaikainen", Kind::kQuasiPermanent, {1, 0.3, 0, 0.2, 0, 0}},
  };
  ExpectCombinations(expected, qv::GenerateCombinations(cases, Rules(), 1.1));

  // H stays out of a snow-led combination even with a psi0 of its own.
  qv::CombinationRules r = Rules();
  r.categories[6].psi0 = 0.5;
  EXPECT_EQ(0.0, qv::GenerateCombinations(cases, r, 1.1)[11].factors[2]);

  // A long-term lead goes without each shorter class in turn, the shortest first; a set left
  // empty is the lead alone. CC2: 1.15, 1.5 and 1.5 psi0.
  const std::vector<qv::Ec5Combination> storage =
      qv::GenerateCombinations({{"G", Cat::kPermanent, true, 0},
                                {"Varasto", Cat::kImposedE, true, 1},
                                {"Hyöty", Cat::kImposedA, true, 2},
                                {"Lumi", Cat::kSnowLow, true, 3},
                                {"Tuuli", Cat::kWind, true, 3}},
                               Rules(), 1.0);
  ExpectCombinations(
      {{"KY4 6.10b Varasto määräävä, ilman Lumi ja Tuuli", Kind::kStress, {1.15, 1.5, 1.05, 0, 0}},
       {"KY5 6.10b Varasto määräävä, ilman Lumi ja Tuuli, G edullinen",
        Kind::kStress,
        {0.9, 1.5, 1.05, 0, 0}},
       {"KY6 6.10b Varasto yksin", Kind::kStress, {1.15, 1.5, 0, 0, 0}}},
      {storage.begin() + 3, storage.begin() + 6});

  // A lead with nothing beside it is not repeated "yksin": G and A alone, CC2.
  ExpectCombinations({{"KY1 6.10a", Kind::kStress, {1.35, 0}},
                      {"KY2 6.10b Hyöty määräävä", Kind::kStress, {1.15, 1.5}},
                      {"KY3 6.10b Hyöty määräävä, G edullinen", Kind::kStress, {0.9, 1.5}},
                      {"KY4 6.14b Hyöty määräävä", Kind::kCharacteristic, {1, 1}},
                      {"KY5 6.16b pitkäaikainen", Kind::kQuasiPermanent, {1, 0.3}}},
                     qv::GenerateCombinations({cases[0], cases[1]}, Rules(), 1.0));

  // Only G: 6.10a, one characteristic and one quasi-permanent, CC1 (1.35 · 0.9 = 1.215).
  ExpectCombinations({{"KY1 6.10a", Kind::kStress, {1.215, 0}},
                      {"KY2 6.14b", Kind::kCharacteristic, {1, 0}},
                      {"KY3 6.16b pitkäaikainen", Kind::kQuasiPermanent, {1, 0}}},
                     qv::GenerateCombinations({cases[0], cases[5]}, Rules(), 0.9));
  EXPECT_TRUE(qv::GenerateCombinations({cases[5]}, Rules(), 1.0).empty());

  // Helpers: duration class proposed by a category, factor of a case in the quasi-permanent
  // combination.
  EXPECT_EQ(1, qv::ProposedDurationClass(Rules(), Cat::kImposedE));
  EXPECT_EQ(3, qv::ProposedDurationClass(Rules(), Cat::kWind));
  EXPECT_DOUBLE_EQ(0.6, qv::QuasiPermanentFactor(Rules(), Cat::kImposedD));
  EXPECT_DOUBLE_EQ(1.0, qv::QuasiPermanentFactor(Rules(), Cat::kPermanent));
  EXPECT_DOUBLE_EQ(1.1, qv::ConsequenceFactor(Rules(), 3));
}

// KTjaKY4.dat: its tables are those of EN 1990 with the Finnish annex above, and its section
// 401 is what the generator makes of its load cases in CC2.
TEST(Ec5Combinations, ShippedDefaultSet) {
  CSVTiedosto file;
  ASSERT_TRUE(file.LoadFromFile(std::string(QELVUX_SOURCE_DATA_DIR) + "/KTjaKY4.dat"));
  qv::CombinationRules rules;
  ASSERT_EQ("", qv::ReadCombinationRules(file, rules));
  const qv::CombinationRules r = Rules();
  ASSERT_EQ(r.categories.size(), rules.categories.size());
  for (std::size_t i = 1; i < r.categories.size(); ++i) {
    const qv::LoadCategoryRow &a = r.categories[i], &b = rules.categories[i];
    EXPECT_EQ(std::vector<double>({a.psi0, a.psi1, a.psi2, 1.0 * a.durationClass}),
              std::vector<double>({b.psi0, b.psi1, b.psi2, 1.0 * b.durationClass}))
        << i;
  }
  EXPECT_EQ(r.kfi, rules.kfi);
  EXPECT_EQ(std::vector<double>({1.35, 1.15, 0.9, 1.5}),
            std::vector<double>({rules.permanent610a, rules.permanent610b,
                                 rules.permanentFavourable, rules.variable}));

  KuormitustapausVektori cases;
  for (int k = 1; k <= file.LineCount(301); ++k) cases.ParseRecord(file.GetLine(301, k));
  std::vector<qv::LoadCategory> categories;
  ASSERT_EQ("", qv::ReadCaseCategories(file, cases.Count(), categories));
  EXPECT_EQ(std::vector<Cat>({Cat::kPermanent, Cat::kImposedA, Cat::kSnowLow, Cat::kWind}),
            categories);
  std::vector<qv::Ec5LoadCase> input;
  for (int k = 0; k < cases.Count(); ++k)
    input.push_back(
        {cases.Name(k), categories[static_cast<std::size_t>(k)], true, cases.DurationClass(k)});
  KuormaYhdVektori rows;
  for (int k = 1; k <= file.LineCount(401); ++k) rows.ParseRecord(file.GetLine(401, k));
  std::vector<qv::Ec5Combination> inFile;
  for (int c = 0; c < rows.CombinationCount(); ++c) {
    inFile.push_back({rows.TextOr(rows.HeaderRow(c), 0),
                      static_cast<Kind>(rows.RowKind(rows.HeaderRow(c))),
                      rows.FactorsOf(c, cases.Count())});
  }
  // The file keeps three decimals: 1.5 · 0.7 = 1.05 is written 1.050.
  ExpectCombinations(inFile, qv::GenerateCombinations(input, rules, 1.0), 5e-4);

  // A bad line is named with its section and line.
  std::vector<std::string> lines;
  file.GiveLines(lines);
  for (auto& line : lines) {
    if (line.rfind("Tuulikuorma;0.60", 0) == 0) line = "Tuulikuorma;0.60;0.20;1.5;3";
  }
  file.TakeLines(lines);
  EXPECT_EQ("KTjaKY4.dat, osa 321, rivi 10: psi-arvo 1.50 ei ole väliltä 0 … 1",
            qv::ReadCombinationRules(file, rules));
}

// Regenerating keeps a hand-made combination after the generated ones, renumbered with its
// own words, and follows a case that has received loads.
TEST(Ec5Combinations, RegeneratedInPlaceOfTheGeneratedOnes) {
  KuormaVektori loads;
  loads.Cases().ClearRecords();
  loads.Combinations().Clear();
  loads.Cases().AddCase("Omapaino", 0);
  loads.Cases().AddCase("Lumi", 2);
  loads.SetCaseCategories({Cat::kPermanent, Cat::kSnowLow});
  loads.AddLoad("g", 0, KuormaVektori::kLine, -2, 1, -1.0, -1.0, 0.0, 6000.0);
  ASSERT_EQ(3, qv::RegenerateCombinations(loads, Rules(), 2));  // 6.10a, 6.14b, 6.16b
  KuormaYhdVektori& all = loads.Combinations();
  all.SetText(all.AddHeader(3, qv::CombinationKind::kStress), 0, "KY4 oma");
  all.AddFactor(3, 1, 2.0);

  loads.AddLoad("s", 1, KuormaVektori::kLine, -2, 1, -2.0, -2.0, 0.0, 6000.0);
  // 6.10a, 6.10b with G unfavourable and favourable, 6.14b, 6.16b, then the own one.
  ASSERT_EQ(5, qv::RegenerateCombinations(loads, Rules(), 3));
  ASSERT_EQ(6, all.CombinationCount());
  EXPECT_EQ("KY1 6.10a", all.TextOr(all.HeaderRow(0), 0));
  EXPECT_DOUBLE_EQ(1.35 * 1.1, all.Factor(0, 0));
  EXPECT_EQ("KY2 6.10b Lumi määräävä", all.TextOr(all.HeaderRow(1), 0));
  EXPECT_DOUBLE_EQ(1.5 * 1.1, all.Factor(1, 1));
  EXPECT_EQ(qv::CombinationKind::kLongTerm, all.DesignKind(4));
  EXPECT_DOUBLE_EQ(0.2, all.Factor(4, 1));
  EXPECT_EQ("KY6 oma", all.TextOr(all.HeaderRow(5), 0));
  EXPECT_DOUBLE_EQ(2.0, all.Factor(5, 1));
  EXPECT_EQ(-1, qv::RegenerateCombinations(loads, Rules(), 4));  // no CC4
}

}  // namespace
