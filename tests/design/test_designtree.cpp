// The design page's results tree built from given check rows: texts, conditions, images, expansion.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/Deflections.h"
#include "design/DesignTree.h"
#include "project/QELVUX_data.h"
#include "CodeOf.h"

namespace {

using qv::CombinationDesign;
using qv::DesignResults;
using qv::DesignTree;
using qv::DesignTreeNode;
using R = CheckRowVektori;

const std::string kProgram = std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux";

CombinationDesign Stress(int index, const std::string& name, const std::string& duration) {
  CombinationDesign c;
  c.index = index;
  c.kind = qv::CombinationKind::kStress;
  c.name = name;
  c.durationName = duration;
  return c;
}

// The member-wide rows of a full check run, utilisations given.
void AddMemberRows(CheckRowVektori& rows, double shear, double tension, double compression,
                   double bending, double bendTension, double bendCompression) {
  rows.AddRow(R::kShear, 0, 0.5, shear);
  rows.AddRow(R::kTorsion, 0, 0.0, 0.0);
  rows.AddRow(R::kTension, 0, 3.0, tension);
  rows.AddRow(R::kCompression, 0, 4.0, compression);
  rows.AddRow(R::kBending, 0, 12.05, bending);
  rows.AddRow(R::kBendingTension, 0, bendTension / 100.0, bendTension);
  rows.AddRow(R::kBendingCompression, 0, bendCompression / 100.0, bendCompression);
}

void AddInfoRows(CheckRowVektori& rows) {
  rows.AddRow(R::kMaxN, 0, 1500.0, 0.0);
  rows.AddRow(12, 0, 3150.0, 0.0);
  rows.AddRow(13, 0, 0.0, 0.0);
  rows.AddRow(14, 0, 0.0, 0.0);
  rows.AddRow(15, 0, 0.0, 0.0);
  rows.AddRow(R::kMaxMz, 0, 4.5e6, 0.0);
  const double values[9] = {8.3, 8.1, 8.2, 1.02, 5.08, 0.92, 0.91, 2769.23, 5625.0};
  for (int p = 0; p < 9; ++p) rows.AddRow(R::kDesignValueFirst + p, 0, values[p], 0.0);
}

std::vector<std::string> Texts(const DesignTree& t) {
  std::vector<std::string> out;
  for (const DesignTreeNode& n : t.nodes) out.push_back(n.text);
  return out;
}

const DesignTreeNode* Find(const DesignTree& t, const std::string& text) {
  for (const DesignTreeNode& n : t.nodes)
    if (n.text == text) return &n;
  return nullptr;
}

bool HasPrefix(const DesignTree& t, const std::string& prefix) {
  for (const DesignTreeNode& n : t.nodes)
    if (n.text.rfind(prefix, 0) == 0) return true;
  return false;
}

DesignResults StressOnly(int code) {
  DesignResults r;
  r.code = CodeOf(code);
  r.settings.Siirtyma = 0;
  return r;
}

}  // namespace

TEST(DesignTreeStress, TensionWithoutBendingShowsVetoButNoInteraction) {
  DesignResults r = StressOnly(2);
  r.stress.push_back(Stress(0, "KY1", "Pysyvä"));
  AddMemberRows(r.stress.back().checks, 20.0, 60.0, 0.0, 0.0, 60.0, 0.0);
  const DesignTree t = qv::BuildDesignTree(r);
  const std::vector<std::string> expected = {
      "JÄNNITYSTARKASTELUT: (60 %)",
      "KY1 (60 %), Aikaluokka = Pysyvä",
      "Leikkaus = 0.50 MPa (20 %)",
      "Veto = 3.00 MPa (60 %)",
  };
  EXPECT_EQ(Texts(t), expected);
  EXPECT_EQ(t.nodes[0].level, 0);
  EXPECT_EQ(t.nodes[1].level, 1);
  EXPECT_EQ(t.nodes[2].level, 2);
  EXPECT_TRUE(t.nodes[0].expanded);
}

TEST(DesignTreeStress, InteractionsNeedBothPartsAboveZero) {
  DesignResults r = StressOnly(2);
  r.stress.push_back(Stress(0, "KY1", "Pysyvä"));
  // Tension and bending: "Taivutus + veto"; compression 0: no "Taivutus + puristus".
  AddMemberRows(r.stress.back().checks, 20.0, 30.0, 0.0, 50.0, 80.0, 50.0);
  const DesignTree t = qv::BuildDesignTree(r);
  EXPECT_NE(Find(t, "Taivutus + veto = 0.80 (80 %)"), nullptr);
  EXPECT_FALSE(HasPrefix(t, "Taivutus + puristus"));
  EXPECT_FALSE(HasPrefix(t, "Puristus"));
  EXPECT_FALSE(HasPrefix(t, "Vääntö"));  // zero utilisation
  EXPECT_EQ(t.nodes[1].text, "KY1 (80 %), Aikaluokka = Pysyvä");
}

TEST(DesignTreeStress, Bending100Point4PrintsAs100ButFails) {
  DesignResults r = StressOnly(2);
  r.stress.push_back(Stress(0, "KY1", "Pysyvä"));
  AddMemberRows(r.stress.back().checks, 10.0, 0.0, 0.0, 100.4, 0.0, 0.0);
  r.stress.push_back(Stress(1, "KY2", "Pysyvä"));
  AddMemberRows(r.stress.back().checks, 10.0, 0.0, 0.0, 50.0, 0.0, 0.0);
  const DesignTree t = qv::BuildDesignTree(r);
  const DesignTreeNode* item = Find(t, "Taivutus = 12.05 MPa (100 %)");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->image, 1);
  EXPECT_EQ(t.nodes[0].text, "JÄNNITYSTARKASTELUT: (100 %)");
  EXPECT_EQ(t.nodes[0].image, 1);
  EXPECT_EQ(t.nodes[1].text, "KY1 (100 %), Aikaluokka = Pysyvä");
  EXPECT_EQ(t.nodes[1].image, 1);
  EXPECT_EQ(Find(t, "Leikkaus = 0.50 MPa (10 %)")->image, 2);
  // The other combination stays satisfied.
  const DesignTreeNode* other = Find(t, "KY2 (50 %), Aikaluokka = Pysyvä");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->image, 2);
  EXPECT_DOUBLE_EQ(t.overall, 100.4);
  EXPECT_FALSE(t.passes);
  EXPECT_EQ(qv::TrafficLightImage(t.passes), 1);
  EXPECT_EQ(qv::TotalLabelText(t.overall), "Kokonaiskäyttöaste = 100.4 %");
}

TEST(DesignTreeStress, Exactly100Passes) {
  DesignResults r = StressOnly(2);
  r.stress.push_back(Stress(0, "KY1", "Pysyvä"));
  AddMemberRows(r.stress.back().checks, 10.0, 0.0, 0.0, 100.0, 0.0, 0.0);
  const DesignTree t = qv::BuildDesignTree(r);
  for (const DesignTreeNode& n : t.nodes) EXPECT_EQ(n.image, 2) << n.text;
  EXPECT_TRUE(t.passes);
  EXPECT_EQ(qv::TrafficLightImage(t.passes), 2);
  EXPECT_EQ(qv::TotalLabelText(t.overall), "Kokonaiskäyttöaste = 100.0 %");
}

TEST(DesignTreeStress, SlendernessAbove170IsRatedAgainst170) {
  DesignResults r = StressOnly(1);
  r.stress.push_back(Stress(0, "KY1", "Pitkäaikainen"));
  AddMemberRows(r.stress.back().checks, 10.0, 0.0, 20.0, 0.0, 0.0, 0.0);
  r.stress.back().checks.AddRow(R::kSlendernessLimit, 0, 187.0, 187.0);
  const DesignTree t = qv::BuildDesignTree(r);
  // 187 * 100 / 170 = 110 %.
  const DesignTreeNode* n = Find(t, "Maksimihoikkuus = 187.00 > 170 (110 %)");
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->image, 1);
  EXPECT_NEAR(t.overall, 110.0, 1e-9);
  EXPECT_FALSE(t.passes);
}

TEST(DesignTreeStress, InfoDisplayOffHidesMaximaStabilityAndMaterial) {
  DesignResults r = StressOnly(2);
  r.settings.Znurj = 1;
  r.stress.push_back(Stress(0, "KY1", "Pysyvä"));
  CheckRowVektori& rows = r.stress.back().checks;
  rows.AddRow(R::kLateralFactors, 1, 1.0, 0.9438);
  rows.AddRow(R::kSlenderness, 1, 51.96, 103.92);
  rows.AddRow(R::kBucklingFactors, 1, 0.83, 0.26);
  AddMemberRows(rows, 20.0, 0.0, 0.0, 81.25, 0.0, 0.0);
  AddInfoRows(rows);

  const DesignTree off = qv::BuildDesignTree(r);
  const std::vector<std::string> expectedOff = {
      "JÄNNITYSTARKASTELUT: (81 %)",
      "KY1 (81 %), Aikaluokka = Pysyvä",
      "Leikkaus = 0.50 MPa (20 %)",
      "Taivutus = 12.05 MPa (81 %)",
  };
  EXPECT_EQ(Texts(off), expectedOff);

  r.infoDisplay = 1;
  const DesignTree on = qv::BuildDesignTree(r);
  // Characteristic values first (code 2), then the group in the order of the rows.
  ASSERT_GE(on.nodes.size(), 10u);
  EXPECT_EQ(on.nodes[0].text, "MATERIAALITIEDOT (Ominaisarvot):");
  const std::vector<std::string> all = Texts(on);
  const std::vector<std::string> group(all.begin() + 10, all.end());
  const std::vector<std::string> expectedOn = {
      "JÄNNITYSTARKASTELUT: (81 %)",
      "KY1 (81 %), Aikaluokka = Pysyvä",
      "Kiepahduskerroin Kk,y = 1.00 (aukko 1)",
      "Kiepahduskerroin Kk,z = 0.94 (aukko 1)",
      "Hoikkuus,y = 51.96 (aukko 1)",
      "Hoikkuus,z = 103.92 (aukko 1)",
      "Nurjahduskerroin ks,y = 0.83 (aukko 1)",
      "Nurjahduskerroin ks,z = 0.26 (aukko 1)",
      "Leikkaus = 0.50 MPa (20 %)",
      "Taivutus = 12.05 MPa (81 %)",
      "Nx_max = 1.50 kN",
      "Vy_max = 3.15 kN",
      "Mz_max = 4.50 kNm",
      "MATERIAALITIEDOT (Laskenta-arvot):",
      "fbd (Mz) = 8.30 MPa",
      "fbd (My) = 8.10 MPa",
      "fcd = 8.20 MPa",
      "fc90d = 1.02 MPa",
      "ftd = 5.08 MPa",
      "fvd (Vy) = 0.92 MPa",
      "fvd (Vz) = 0.91 MPa",
      "Ek (lujuus) = 2769 MPa",
      "E (siirtymä) = 5625 MPa",
  };
  EXPECT_EQ(group, expectedOn);
  const DesignTreeNode* heading = Find(on, "MATERIAALITIEDOT (Laskenta-arvot):");
  EXPECT_EQ(heading->level, 2);
  EXPECT_EQ(heading->image, 3);
  EXPECT_EQ(Find(on, "fcd = 8.20 MPa")->level, 3);
  EXPECT_EQ(Find(on, "Vy_max = 3.15 kN")->image, 3);
  EXPECT_EQ(Find(on, "Hoikkuus,z = 103.92 (aukko 1)")->image, 3);
}

TEST(DesignTreeStress, BucklingLinesFollowTheirDirectionSwitch) {
  DesignResults r = StressOnly(3);
  r.infoDisplay = 1;
  r.stress.push_back(Stress(0, "KY1", "Pysyvä"));
  CheckRowVektori& rows = r.stress.back().checks;
  rows.AddRow(R::kLateralFactors, 2, 0.95, 0.85);
  rows.AddRow(R::kSlenderness, 2, 0.0, 80.0);
  rows.AddRow(R::kBucklingFactors, 2, 1.0, 0.6);
  rows.AddRow(R::kRelativeSlenderness, 2, 0.0, 1.3);
  AddMemberRows(rows, 20.0, 0.0, 30.0, 40.0, 0.0, 70.0);
  // y-direction buckling only (the default): the ",z" lines; code 3 labels.
  DesignTree t = qv::BuildDesignTree(r);
  EXPECT_NE(Find(t, "Hoikkuus,z = 80.00 (aukko 2)"), nullptr);
  EXPECT_NE(Find(t, "Nurjahduskerroin kc,z = 0.60 (aukko 2)"), nullptr);
  EXPECT_NE(Find(t, "Hoikkuus,rel,z = 1.30 (aukko 2)"), nullptr);
  EXPECT_NE(Find(t, "Kiepahduskerroin kcrit,y = 0.95 (aukko 2)"), nullptr);
  EXPECT_NE(Find(t, "Kiepahduskerroin kcrit,z = 0.85 (aukko 2)"), nullptr);
  EXPECT_FALSE(HasPrefix(t, "Nurjahduskerroin kc,y"));  // z-direction buckling is off
  EXPECT_NE(Find(t, "Taivutus + puristus = 0.70 (70 %)"), nullptr);
  // Code 3 characteristic labels.
  EXPECT_EQ(t.nodes[1].text, "fm,k (Mz) = 0.00 MPa");
  EXPECT_EQ(t.nodes[9].text, "E 0,mean (siirtymä) = 0 MPa");

  r.settings.Ynurj = 0;
  r.settings.Kiepahdus = 0;
  t = qv::BuildDesignTree(r);
  EXPECT_FALSE(HasPrefix(t, "Hoikkuus"));
  EXPECT_FALSE(HasPrefix(t, "Nurjahduskerroin"));
  EXPECT_FALSE(HasPrefix(t, "Kiepahduskerroin"));
}

TEST(DesignTreeStress, CodeOneHasNoCharacteristicNode) {
  DesignResults r = StressOnly(1);
  r.infoDisplay = 1;
  r.stress.push_back(Stress(0, "KY1", "Pysyvä"));
  AddMemberRows(r.stress.back().checks, 20.0, 0.0, 0.0, 40.0, 0.0, 0.0);
  AddInfoRows(r.stress.back().checks);
  const DesignTree t = qv::BuildDesignTree(r);
  EXPECT_EQ(t.nodes[0].text, "JÄNNITYSTARKASTELUT: (40 %)");
  EXPECT_FALSE(HasPrefix(t, "MATERIAALITIEDOT (Ominaisarvot)"));
  EXPECT_NE(Find(t, "f_bsall (Mz) = 8.30 MPa"), nullptr);
  EXPECT_NE(Find(t, "f_vsall (Vz) = 0.91 MPa"), nullptr);
}

TEST(DesignTreeStress, CombinationThatCouldNotBeCheckedSaysWhyAndIsNoPass) {
  DesignResults r = StressOnly(2);
  r.treeExpansion = 1;
  r.stress.push_back(Stress(0, "KY1", "Pysyvä"));
  r.stress.back().notRun = "laskentamallia ei voitu ratkaista";
  const DesignTree t = qv::BuildDesignTree(r);
  ASSERT_EQ(t.nodes.size(), 3u);
  EXPECT_EQ(t.nodes[1].text, "KY1 (0 %)");
  EXPECT_EQ(t.nodes[1].image, 3);
  EXPECT_EQ(t.nodes[2].text, "Ei tarkastettu: laskentamallia ei voitu ratkaista.");
  EXPECT_TRUE(t.passes);
  EXPECT_FALSE(t.allChecksRan);
}

TEST(DesignTreeStress, LongNamesAreCutTo80CharactersAndExpansionFollowsTheFlag) {
  DesignResults r = StressOnly(2);
  const std::string longName = std::string(78, 'a') + "äöx";  // 81 characters
  r.stress.push_back(Stress(0, longName, "Pysyvä"));
  AddMemberRows(r.stress.back().checks, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0);
  DesignTree t = qv::BuildDesignTree(r);
  EXPECT_EQ(t.nodes[1].text, std::string(78, 'a') + "äö (20 %), Aikaluokka = Pysyvä");
  EXPECT_FALSE(t.nodes[1].expanded);
  r.treeExpansion = 1;
  t = qv::BuildDesignTree(r);
  EXPECT_TRUE(t.nodes[1].expanded);
}

// ---- deflections ----

namespace {

CombinationDesign Deflection(int index, const std::string& name, double ownLimit) {
  CombinationDesign c;
  c.index = index;
  c.kind = qv::CombinationKind::kDeflection;
  c.name = name;
  c.durationName = "Pitkäaikainen";
  c.ownLimit = ownLimit;
  c.spans.SetLayout(0, 0, DeflectionRow::kFieldCount);
  return c;
}

void AddSpan(CombinationDesign& c, double x1, double x2, const std::vector<double>& u, double utilY,
             double utilZ) {
  std::vector<double> row(DeflectionRow::kFieldCount, 0.0);
  row[0] = x1;
  row[1] = x2;
  for (std::size_t i = 0; i < u.size() && i + 2 < row.size(); ++i) row[i + 2] = u[i];
  c.spans.AddRecord(nullptr, &row, nullptr);
  c.utilY.push_back(utilY);
  c.utilZ.push_back(utilZ);
}

}  // namespace

TEST(DesignTreeDeflection, SpansLinesAndImagesCodes1And2) {
  DesignResults r;
  r.code = qv::DesignCode::kLimitState;
  r.settings.Jannitys = 0;
  r.deflection.push_back(Deflection(2, "KY3", 0.0));
  // Span 1: y 12 mm total, 8 mm variable (90 %); z 0. Span 2: z exceeded.
  AddSpan(r.deflection.back(), 0.0, 4000.0, {0.1, 12.0, 0.0, 0.05, 8.0, 0.0}, 90.0, 0.0);
  AddSpan(r.deflection.back(), 4000.0, 5500.0, {0.0, 3.0, 7.5, 0.0, 2.0, 6.25}, 30.0, 125.0);
  const DesignTree t = qv::BuildDesignTree(r);
  const std::vector<std::string> expected = {
      "SIIRTYMÄTARKASTELUT: (125 %)",
      "KY3 (125 %), Aikaluokka = Pitkäaikainen",
      "Aukko 1 (x = 0.0 - 4000.0)",
      "Uy,tot = 12.00 mm, Uy,muuttuva = 8.00 mm (90 %)",
      "Aukko 2 (x = 4000.0 - 5500.0)",
      "Uy,tot = 3.00 mm, Uy,muuttuva = 2.00 mm (30 %)",
      "Uz,tot = 7.50 mm, Uz,muuttuva = 6.25 mm (125 %)",
  };
  EXPECT_EQ(Texts(t), expected);
  const std::vector<int> images = {1, 1, 2, 2, 1, 2, 1};
  const std::vector<int> levels = {0, 1, 2, 3, 2, 3, 3};
  for (std::size_t i = 0; i < t.nodes.size(); ++i) {
    EXPECT_EQ(t.nodes[i].image, images[i]) << t.nodes[i].text;
    EXPECT_EQ(t.nodes[i].level, levels[i]) << t.nodes[i].text;
  }
  EXPECT_TRUE(t.nodes[2].expanded);  // span nodes are always expanded
  EXPECT_TRUE(t.nodes[4].expanded);
  EXPECT_FALSE(t.nodes[1].expanded);
  EXPECT_DOUBLE_EQ(t.deflectionUtilisation, 125.0);
  EXPECT_FALSE(t.passes);
}

TEST(DesignTreeDeflection, OwnLimitAndCodeThreeLines) {
  DesignResults r;
  r.code = qv::DesignCode::kEc5Env;
  r.settings.Jannitys = 0;
  r.deflection.push_back(Deflection(1, "KY2", 10.0));
  AddSpan(r.deflection.back(), 0.0, 4000.0, {0.0, 5.0, 0.0, 0.0, 7.25, 0.0, 0.0, 9.5, 0.0}, 95.0,
          0.0);
  const DesignTree t = qv::BuildDesignTree(r);
  ASSERT_EQ(t.nodes.size(), 4u);
  EXPECT_EQ(t.nodes[0].text, "SIIRTYMÄTARKASTELUT: (95 %)");
  EXPECT_EQ(t.nodes[1].text,
            "KY2 (95 %), KY:llä oma Usall (=10.00 mm), Aikaluokka = Pitkäaikainen");
  EXPECT_EQ(t.nodes[3].text, "Uy2,inst = 5.00 mm, Uy2,fin = 7.25 mm, Uynet,fin = 9.50 mm (95 %)");
  EXPECT_TRUE(t.passes);
}

TEST(DesignTreeDeflection, SpanWithoutLimitsHasNoLinesAndZeroUtilisationHasNoDurationClass) {
  DesignResults r;
  r.settings.Jannitys = 0;
  r.deflection.push_back(Deflection(0, "KY1", 0.0));
  AddSpan(r.deflection.back(), 0.0, 3000.0, {0.0, 4.0, 0.0, 0.0, 2.0, 0.0}, 0.0, 0.0);
  const DesignTree t = qv::BuildDesignTree(r);
  const std::vector<std::string> expected = {"SIIRTYMÄTARKASTELUT: (0 %)", "KY1 (0 %)",
                                             "Aukko 1 (x = 0.0 - 3000.0)"};
  EXPECT_EQ(Texts(t), expected);
}

TEST(DesignTreeGroups, OverallIsTheLargerGroupAndSwitchedOffGroupsAreAbsent) {
  DesignResults r;
  r.stress.push_back(Stress(0, "KY1", "Pysyvä"));
  AddMemberRows(r.stress.back().checks, 20.0, 0.0, 0.0, 70.0, 0.0, 0.0);
  r.deflection.push_back(Deflection(1, "KY2", 0.0));
  AddSpan(r.deflection.back(), 0.0, 4000.0, {0.0, 12.0, 0.0, 0.0, 8.0, 0.0}, 90.0, 0.0);
  DesignTree t = qv::BuildDesignTree(r);
  EXPECT_DOUBLE_EQ(t.stressUtilisation, 70.0);
  EXPECT_DOUBLE_EQ(t.deflectionUtilisation, 90.0);
  EXPECT_DOUBLE_EQ(t.overall, 90.0);
  EXPECT_EQ(t.nodes[0].text, "JÄNNITYSTARKASTELUT: (70 %)");
  EXPECT_EQ(t.nodes[4].text, "SIIRTYMÄTARKASTELUT: (90 %)");

  r.settings.Siirtyma = 0;
  t = qv::BuildDesignTree(r);
  EXPECT_FALSE(HasPrefix(t, "SIIRTYMÄTARKASTELUT"));
  EXPECT_DOUBLE_EQ(t.overall, 70.0);
  r.settings.Jannitys = 0;
  t = qv::BuildDesignTree(r);
  EXPECT_TRUE(t.nodes.empty());
  EXPECT_TRUE(t.passes);
  EXPECT_EQ(qv::TotalLabelText(t.overall), "Kokonaiskäyttöaste = 0.0 %");
}

// ---- section information ----

TEST(DesignTreeSectionInfo, RectangleCircleAndInvalid) {
  QELVUX_data p(kProgram);
  p.Profiles.ClearRecords();
  p.Profiles.AddSection("100*200", qv::SectionShape::kRectangle, 100.0, 200.0);
  p.Profiles.AddSection("d 160", qv::SectionShape::kCircle, 160.4, 0.0);
  p.Profiles.CurrentIndex = 0;
  p.DesignCode = qv::DesignCode::kLimitState;
  p.Materials.SetMaterial(qv::DesignCode::kLimitState, 2);
  const std::vector<std::string> rect = {"MATERIAALI: T24", "MUOTO: Suorakaide", "LEVEYS: 100 mm",
                                         "KORKEUS:200 mm"};
  EXPECT_EQ(qv::SectionInfoLines(p), rect);
  p.Profiles.CurrentIndex = 1;
  const std::vector<std::string> circle = {"MATERIAALI: T24", "MUOTO: Pyöreä",
                                           "HALKAISIJA: 160 mm"};
  EXPECT_EQ(qv::SectionInfoLines(p), circle);
  // With the own weight on, the weight of the section shown: 9.81 * 500 * 0.02 = 98.1 N/m.
  p.Profiles.CurrentIndex = 0;
  p.Loads.OwnWeight.on = true;
  std::vector<std::string> weighed = rect;
  weighed.push_back("OMA PAINO: 0.098 kN/m (500 kg/m3)");
  EXPECT_EQ(qv::SectionInfoLines(p), weighed);
  p.Loads.OwnWeight.on = false;
  p.Profiles.CurrentIndex = 2;
  EXPECT_EQ(qv::SectionInfoLines(p), std::vector<std::string>{"?"});
  p.Profiles.CurrentIndex = -1;
  EXPECT_EQ(qv::SectionInfoLines(p), std::vector<std::string>{"?"});
}
