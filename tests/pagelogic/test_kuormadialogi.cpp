// Tests of the load dialog: direction codes, unit factors, pictures, what it shows, the checks of
// OK and storing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoadTestProject.h"
#include "pagelogic/KuormaDialogi.h"

namespace {

using KV = KuormaVektori;
using qv::KuormaDialogInput;
using qv::KuormaDialogView;
using qv::KuormaField;

class KuormaDialogiTest : public loadtest::LoadProjectTest {
 protected:
  KuormaDialogView Open(int loadCase, std::optional<qv::LoadKind> kind, int index = -1) {
    return qv::OpenKuormaDialog(p(), loadCase, kind, index);
  }
  qv::KuormaStoreResult Store(const KuormaDialogView& v, const KuormaDialogInput& in) {
    return qv::StoreKuorma(p(), v.state, in);
  }
  qv::KuormaStoreResult Store(const KuormaDialogView& v) { return Store(v, qv::InputFromView(v)); }
  qv::KuormaValidation Check(const KuormaDialogView& v, const KuormaDialogInput& in) {
    return qv::ValidateKuorma(p(), v.state, in);
  }
  void ExpectFailure(const KuormaDialogView& v, const KuormaDialogInput& in, KuormaField field,
                     const std::string& message) {
    const int before = loads().Count();
    const qv::KuormaStoreResult r = Store(v, in);
    EXPECT_FALSE(r.stored) << message;
    EXPECT_EQ(r.error.field, field) << message;
    EXPECT_EQ(r.error.message, message);
    EXPECT_EQ(r.error.caption, "VIRHE");
    EXPECT_EQ(loads().Count(), before) << message;
  }
};

TEST(KuormaDirections, CodesBothWays) {
  // type, item, code
  const int table[12][3] = {{0, 0, 1}, {0, 1, 2}, {0, 2, 3}, {0, 3, -1}, {0, 4, -2}, {0, 5, -3},
                            {1, 0, 4}, {1, 1, 5}, {1, 2, 6}, {1, 3, -4}, {1, 4, -5}, {1, 5, -6}};
  for (const auto& row : table) {
    EXPECT_EQ(qv::KuormaDirectionCode(row[0], row[1]), row[2]);
    int type = -1, item = -1;
    EXPECT_TRUE(qv::KuormaDirectionFromCode(row[2], type, item));
    EXPECT_EQ(type, row[0]) << row[2];
    EXPECT_EQ(item, row[1]) << row[2];
  }
  int type = -1, item = -1;
  EXPECT_FALSE(qv::KuormaDirectionFromCode(0, type, item));
  EXPECT_FALSE(qv::KuormaDirectionFromCode(7, type, item));
  EXPECT_EQ(type, 0);
  EXPECT_EQ(item, 1);
  EXPECT_EQ(qv::KuormaDirectionCode(2, 0), 0);
  EXPECT_EQ(qv::KuormaDirectionCode(0, 6), 0);
  EXPECT_EQ(qv::KuormaDirectionItems(1)[5], "z-akselin ympäri (Paikalliskoord.)");
  EXPECT_EQ(qv::KuormaDirectionItems(0)[1], "Y-suunta (Pääkoordinaatisto)");
}

TEST(KuormaDirections, UnitFactorsReferencesAndPictures) {
  EXPECT_DOUBLE_EQ(qv::KuormaUnitFactor(KuormaVektori::kPoint, 0), 1000.0);
  EXPECT_DOUBLE_EQ(qv::KuormaUnitFactor(KuormaVektori::kPoint, 1), 1000000.0);
  EXPECT_DOUBLE_EQ(qv::KuormaUnitFactor(KuormaVektori::kLine, 0), 1.0);
  EXPECT_DOUBLE_EQ(qv::KuormaUnitFactor(KuormaVektori::kLine, 1), 1000.0);
  EXPECT_DOUBLE_EQ(qv::KuormaUnitFactor(KuormaVektori::kSurface, 0), 0.001);
  EXPECT_DOUBLE_EQ(qv::KuormaUnitFactor(KuormaVektori::kSurface, 1), 1.0);

  EXPECT_EQ(qv::KuormaReferenceItems(0, 0),
            (std::vector<std::string>{"Rakennepituutta kohden (x-akseli)",
                                      "Pystyprojektiota kohden (Y-akseli)"}));
  EXPECT_EQ(qv::KuormaReferenceItems(0, 1)[1], "Vaakaprojektiota kohden (X-akseli)");
  EXPECT_EQ(qv::KuormaReferenceItems(0, 2).size(), 1u);
  EXPECT_EQ(qv::KuormaReferenceItems(0, 4).size(), 1u);  // local y
  EXPECT_EQ(qv::KuormaReferenceLength(KuormaVektori::kLine, 0, 0, 1), 3);
  EXPECT_EQ(qv::KuormaReferenceLength(KuormaVektori::kSurface, 0, 1, 1), 2);
  EXPECT_EQ(qv::KuormaReferenceLength(KuormaVektori::kLine, 0, 1, 0), 1);
  EXPECT_EQ(qv::KuormaReferenceLength(KuormaVektori::kPoint, 0, 1, 1), 1);  // point loads always 1
  EXPECT_EQ(qv::KuormaReferenceItem(2, 2), 1);
  EXPECT_EQ(qv::KuormaReferenceItem(1, 3), 1);
  EXPECT_EQ(qv::KuormaReferenceItem(2, 1), 0);
  EXPECT_EQ(qv::KuormaReferenceItem(-2, 2), 0);

  // Points: 3t + d global, 3t + d + 3 local; distributed + 21; projections 33 and 34.
  EXPECT_EQ(qv::KuormaImage(KuormaVektori::kPoint, 0, 1, 0), 1);
  EXPECT_EQ(qv::KuormaImage(KuormaVektori::kPoint, 0, 3, 0), 6);
  EXPECT_EQ(qv::KuormaImage(KuormaVektori::kPoint, 1, 2, 0), 5);
  EXPECT_EQ(qv::KuormaImage(KuormaVektori::kPoint, 1, 5, 0), 11);
  EXPECT_EQ(qv::KuormaImage(KuormaVektori::kLine, 0, 1, 0), 22);
  EXPECT_EQ(qv::KuormaImage(KuormaVektori::kSurface, 1, 5, 0), 32);
  EXPECT_EQ(qv::KuormaImage(KuormaVektori::kLine, 0, 0, 1), 33);
  EXPECT_EQ(qv::KuormaImage(KuormaVektori::kSurface, 0, 1, 1), 34);
  EXPECT_EQ(qv::KuormaImageName(34), "kuormaohje34");
}

TEST_F(KuormaDialogiTest, NewPointLoadShows) {
  const KuormaDialogView v = Open(0, KuormaVektori::kPoint);
  EXPECT_EQ(v.caption, "Uuden kuorman määrittely");
  EXPECT_EQ(v.tab, 0);
  EXPECT_EQ(v.tabCaption, "Pistekuormat");
  EXPECT_EQ(v.helpContext, 331);
  EXPECT_EQ(v.name, " ");
  EXPECT_EQ(v.typeItems, (std::vector<std::string>{"Pistevoima [kN]", "Pistemomentti [kNm]"}));
  EXPECT_EQ(v.type, 0);
  EXPECT_EQ(v.direction, 1);
  EXPECT_EQ(v.x1Label, "Kuorman paikka x1 [mm]:");
  EXPECT_EQ(v.x1, "0.0");
  EXPECT_EQ(v.q1Label, "Kuorman ominaisarvo F [kN]:");
  EXPECT_EQ(v.q1, "-1.0");
  EXPECT_FALSE(v.referenceVisible);
  EXPECT_TRUE(v.copyVisible);
  EXPECT_FALSE(v.copyChecked);
  EXPECT_FALSE(v.spacingEnabled);
  EXPECT_EQ(v.spacing, "1200");
  ASSERT_EQ(v.positionItems.size(), 21u);
  EXPECT_EQ(v.positionItems[1], "300");
  EXPECT_EQ(v.positionItems[20], "6000");
  EXPECT_EQ(v.image, 1);
  EXPECT_EQ(v.valueItems.front(), "-1.000");
  EXPECT_EQ(v.valueItems.back(), "-9.000");
}

TEST_F(KuormaDialogiTest, NewLineAndSurfaceLoadsShowAndSnowPreset) {
  KuormaDialogView v = Open(0, KuormaVektori::kLine);
  EXPECT_EQ(v.tabCaption, "Viivakuormat");
  EXPECT_EQ(v.helpContext, 332);
  EXPECT_EQ(v.typeItems, (std::vector<std::string>{"Voima [kN/m]"}));
  EXPECT_EQ(v.x2, "6000.0");
  EXPECT_EQ(v.q2, "-1.0");
  EXPECT_EQ(v.q1Label, "Kuorman ominaisarvo Q1 [kN/m]:");
  EXPECT_EQ(v.q2Label, "Kuorman ominaisarvo Q2 [kN/m]:");
  EXPECT_TRUE(v.referenceVisible);
  EXPECT_EQ(v.reference, 0);
  EXPECT_FALSE(v.copyVisible);
  EXPECT_EQ(v.image, 22);

  // "Lumikuorma" on a horizontal member: per horizontal projection.
  v = Open(2, KuormaVektori::kSurface);
  EXPECT_EQ(v.q1Label, "Kuorman ominaisarvo Q1 [kN/m2]:");
  EXPECT_EQ(v.reference, 1);
  EXPECT_EQ(v.referenceItems[1], "Vaakaprojektiota kohden (X-akseli)");
  EXPECT_EQ(v.image, 34);
  // Not on a column, and only for names beginning exactly with "Lumi".
  p().Member.Angle = 90.0;
  EXPECT_EQ(Open(2, KuormaVektori::kLine).reference, 0);
  p().Member.Angle = 0.0;
  loads().Cases().SetText(2, 0, "lumikuorma");
  EXPECT_EQ(Open(2, KuormaVektori::kLine).reference, 0);
}

TEST_F(KuormaDialogiTest, ExistingLoadsShowInDialogUnits) {
  const int m = loads().AddLoad("M", 0, KV::kPoint, -6, 1, 2500000.0, 0.0, 1200.0, 0.0);
  const int l = loads().AddLoad("L", 1, KV::kLine, 2, KV::kPerHorizontal, -2.0, -4.0, -1.0, -1.0);
  KuormaDialogView v = Open(3, KuormaVektori::kSurface, m);  // the load's own case and kind win
  EXPECT_EQ(v.state.loadCase, 0);
  EXPECT_EQ(v.state.kind, KuormaVektori::kPoint);
  EXPECT_EQ(v.caption, "Olemassaolevan kuorman muuttaminen");
  EXPECT_FALSE(v.copyVisible);
  EXPECT_EQ(v.type, 1);
  EXPECT_EQ(v.direction, 5);
  EXPECT_EQ(v.q1, "2.500");
  EXPECT_EQ(v.x1, "1200.0");
  EXPECT_EQ(v.q1Label, "Kuorman ominaisarvo M [kNm]:");
  EXPECT_EQ(v.image, 11);

  v = Open(0, KuormaVektori::kPoint, l);
  EXPECT_EQ(v.x1, "0.0");
  EXPECT_EQ(v.x2, "6000.0");
  EXPECT_EQ(v.q1, "-2.000");
  EXPECT_EQ(v.q2, "-4.000");
  EXPECT_EQ(v.reference, 1);
  EXPECT_TRUE(v.referenceVisible);

  // Value list: loads of the same kind and type in shown units with -1 .. -9, distinct, descending.
  loads().AddLoad("", 2, KV::kPoint, 2, 1, -3000.0, 0.0, 0.0, 0.0);
  loads().AddLoad("", 2, KV::kPoint, 1, 1, 4200.0, 0.0, 0.0, 0.0);
  v = Open(0, KuormaVektori::kPoint);
  EXPECT_EQ(v.valueItems,
            (std::vector<std::string>{"4.200", "-1.000", "-2.000", "-3.000", "-4.000", "-5.000",
                                      "-6.000", "-7.000", "-8.000", "-9.000"}));
  qv::ChangeKuormaType(p(), v, 1);
  EXPECT_EQ(v.valueItems.front(), "2.500");
  EXPECT_EQ(v.q1, "-1.0");  // the typed text stays
}

TEST_F(KuormaDialogiTest, ChangeHandlers) {
  KuormaDialogView v = Open(0, KuormaVektori::kPoint);
  v.direction = 4;
  qv::ChangeKuormaType(p(), v, 1);
  EXPECT_EQ(v.directionItems[4], "y-akselin ympäri (Paikalliskoord.)");
  EXPECT_EQ(v.direction, 4);
  EXPECT_EQ(v.q1Label, "Kuorman ominaisarvo M [kNm]:");
  EXPECT_EQ(v.image, 10);
  qv::SetKuormaCopy(v, true);
  EXPECT_TRUE(v.spacingEnabled);

  // The line tab offers no moment type for a new load.
  v = Open(0, KuormaVektori::kLine);
  qv::ChangeKuormaType(p(), v, 1);
  EXPECT_EQ(v.type, 0);
  qv::ChangeKuormaDirection(v, 0);
  EXPECT_TRUE(v.referenceVisible);
  EXPECT_EQ(v.referenceItems[1], "Pystyprojektiota kohden (Y-akseli)");
  qv::ChangeKuormaReference(v, 1);
  EXPECT_EQ(v.image, 33);
  qv::ChangeKuormaDirection(v, 2);  // Z: no reference, hidden, item 0
  EXPECT_FALSE(v.referenceVisible);
  EXPECT_EQ(v.reference, 0);
  EXPECT_EQ(v.image, 23);
  qv::ChangeKuormaQ1(v, "-2,5");
  EXPECT_EQ(v.q2, "-2,5");
}

TEST_F(KuormaDialogiTest, PointLoadChecks) {
  const KuormaDialogView v = Open(0, KuormaVektori::kPoint);
  KuormaDialogInput in = qv::InputFromView(v);
  in.x1 = "6000.5";
  ExpectFailure(v, in, KuormaField::kX1, "Kuorman paikka x1 [mm]: anna luku väliltä 0 … 6000");
  in.x1 = "";
  ExpectFailure(v, in, KuormaField::kX1, "Kuorman paikka x1 [mm]: anna luku väliltä 0 … 6000");
  in.x1 = "6000";
  in.q1 = "1000000.1";
  ExpectFailure(v, in, KuormaField::kQ1,
                "Kuorman ominaisarvo F [kN]: anna luku väliltä -1000000 … 1000000");
  in.type = 1;
  in.q1 = "abc";
  ExpectFailure(v, in, KuormaField::kQ1,
                "Kuorman ominaisarvo M [kNm]: anna luku väliltä -1000000 … 1000000");
  in.q1 = "0";
  ExpectFailure(v, in, KuormaField::kQ1, "Kuorma-arvoa ei ole annettu");
  in.q1 = "1";
  in.x1 = "5950";
  in.copyChecked = true;
  in.spacing = "100";  // more than L - x1 = 50
  ExpectFailure(v, in, KuormaField::kSpacing, "Kopioinnin jako = ?");
  in.x1 = "0";
  in.spacing = "99";
  ExpectFailure(v, in, KuormaField::kSpacing, "Kopioinnin jako = ?");
  in.spacing = "100";
  EXPECT_TRUE(Check(v, in).ok);
}

TEST_F(KuormaDialogiTest, DistributedLoadChecks) {
  const KuormaDialogView v = Open(1, KuormaVektori::kLine);
  KuormaDialogInput in = qv::InputFromView(v);
  in.x2 = "abc";
  ExpectFailure(v, in, KuormaField::kX2, "Kuorman loppu x2 [mm]: anna luku väliltä 0 … 6000");
  in.x1 = "-1";
  ExpectFailure(v, in, KuormaField::kX1, "Kuorman alku x1 [mm]: anna luku väliltä 0 … 6000");
  in.x1 = "1000";
  in.x2 = "1000.5";
  ExpectFailure(v, in, KuormaField::kX2, "Kuorma liian lyhyt!");
  in.x2 = "999.5";  // swapped, still too short
  ExpectFailure(v, in, KuormaField::kX2, "Kuorma liian lyhyt!");
  in.x2 = "1001";
  in.q2 = " ";
  ExpectFailure(v, in, KuormaField::kQ2,
                "Kuorman ominaisarvo Q2 [kN/m]: anna luku väliltä -1000000 … 1000000");
  in.q1 = "0";
  in.q2 = "0,0";
  ExpectFailure(v, in, KuormaField::kQ1, "Kuorma-arvoja ei ole annettu!");
  in.q2 = "0.1";
  EXPECT_TRUE(Check(v, in).ok);
}

TEST_F(KuormaDialogiTest, StoresNewLoadsInStoredUnits) {
  // The default new point load: -1 kN in global Y.
  loads().AddLoad("viiva", 0, KV::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
  qv::KuormaStoreResult r = Store(Open(0, KuormaVektori::kPoint));
  ASSERT_TRUE(r.stored);
  EXPECT_EQ(r.loadIndex, 0);  // before the case's line load
  EXPECT_EQ(loads().CurrentIndex, 0);
  EXPECT_EQ(loads().TextOr(0, 0), " ");
  EXPECT_EQ(loads().Direction(0), 2);
  EXPECT_EQ(loads().RefLength(0), 1);
  EXPECT_DOUBLE_EQ(loads().Q1(0), -1000.0);
  EXPECT_DOUBLE_EQ(loads().Q2(0), 0.0);
  EXPECT_DOUBLE_EQ(loads().X2(0), 0.0);

  // 2.5 kNm about local z.
  KuormaDialogView v = Open(0, KuormaVektori::kPoint);
  qv::ChangeKuormaType(p(), v, 1);
  qv::ChangeKuormaDirection(v, 5);
  KuormaDialogInput in = qv::InputFromView(v);
  in.q1 = "2,5";
  in.x1 = "3000";
  r = Store(v, in);
  ASSERT_TRUE(r.stored);
  EXPECT_EQ(r.loadIndex, 1);
  EXPECT_EQ(loads().Direction(1), -6);
  EXPECT_DOUBLE_EQ(loads().Q1(1), 2500000.0);
  EXPECT_DOUBLE_EQ(loads().X1(1), 3000.0);

  // A line load typed from 4000 to 1000: the positions swap, the values stay.
  v = Open(1, KuormaVektori::kLine);
  in = qv::InputFromView(v);
  in.x1 = "4000";
  in.x2 = "1000";
  in.q1 = "-1";
  in.q2 = "-3";
  r = Store(v, in);
  ASSERT_TRUE(r.stored);
  const int i = r.loadIndex;
  EXPECT_DOUBLE_EQ(loads().X1(i), 1000.0);
  EXPECT_DOUBLE_EQ(loads().X2(i), 4000.0);
  EXPECT_DOUBLE_EQ(loads().Q1(i), -1.0);
  EXPECT_DOUBLE_EQ(loads().Q2(i), -3.0);

  // Snow on a horizontal member, -1 kN/m2: -0.001 N/mm2 per horizontal projection.
  r = Store(Open(2, KuormaVektori::kSurface));
  ASSERT_TRUE(r.stored);
  EXPECT_EQ(loads().RefLength(r.loadIndex), 2);
  EXPECT_EQ(loads().Kind(r.loadIndex), KuormaVektori::kSurface);
  EXPECT_DOUBLE_EQ(loads().Q1(r.loadIndex), -0.001);
  EXPECT_DOUBLE_EQ(loads().Q2(r.loadIndex), -0.001);
}

TEST_F(KuormaDialogiTest, CopiesAPointLoadAlongTheMember) {
  KuormaDialogView v = Open(1, KuormaVektori::kPoint);
  qv::SetKuormaCopy(v, true);
  KuormaDialogInput in = qv::InputFromView(v);
  in.name = "Orsi";
  const qv::KuormaStoreResult r = Store(v, in);
  ASSERT_TRUE(r.stored);
  EXPECT_EQ(r.added, 6);
  ASSERT_EQ(loads().Count(), 6);
  for (int k = 0; k < 6; ++k) {
    EXPECT_DOUBLE_EQ(loads().X1(k), 1200.0 * k);
    EXPECT_EQ(loads().TextOr(k, 0), "Orsi");
    EXPECT_DOUBLE_EQ(loads().Q1(k), -1000.0);
  }
  EXPECT_EQ(loads().CurrentIndex, 5);

  // Copying is for new loads only: a changed load ignores the box.
  v = Open(0, std::nullopt, 2);
  in = qv::InputFromView(v);
  in.copyChecked = true;
  in.spacing = "x";
  ASSERT_TRUE(Store(v, in).stored);
  EXPECT_EQ(loads().Count(), 6);
}

TEST_F(KuormaDialogiTest, ChangedLoadIsReplacedInPlace) {
  loads().AddLoad("A", 0, KV::kLine, 2, 2, -1.0, -1.0, 0.0, 6000.0);
  loads().AddLoad("B", 0, KV::kLine, 2, 1, -2.0, -2.0, 0.0, 3000.0);
  loads().AddLoad("C", 1, KV::kPoint, 2, 1, -5000.0, 0.0, 100.0, 0.0);
  loads().CurrentIndex = 0;
  KuormaDialogView v = Open(0, KuormaVektori::kLine, 0);
  KuormaDialogInput in = qv::InputFromView(v);
  EXPECT_EQ(in.reference, 1);
  in.name = "";
  in.q1 = "-7";
  in.reference = 0;
  const qv::KuormaStoreResult r = Store(v, in);
  ASSERT_TRUE(r.stored);
  EXPECT_EQ(r.loadIndex, 0);
  EXPECT_EQ(r.added, 0);
  ASSERT_EQ(loads().Count(), 3);
  EXPECT_EQ(loads().TextOr(0, 0), " ");
  EXPECT_DOUBLE_EQ(loads().Q1(0), -7.0);
  EXPECT_DOUBLE_EQ(loads().Q2(0), -1.0);
  EXPECT_EQ(loads().RefLength(0), 1);
  EXPECT_EQ(loads().TextOr(1, 0), "B");
  EXPECT_EQ(loads().TextOr(2, 0), "C");
  EXPECT_EQ(loads().CurrentIndex, 0);
}

TEST_F(KuormaDialogiTest, MomentLineLoadFromAFileKeepsItsType) {
  const int i = loads().AddLoad("Mt", 0, KV::kLine, -4, 1, 1500.0, 1500.0, 0.0, 6000.0);
  const KuormaDialogView v = Open(0, KuormaVektori::kLine, i);
  EXPECT_EQ(v.typeItems.size(), 2u);
  EXPECT_EQ(v.type, 1);
  EXPECT_EQ(v.q1, "1.500");
  EXPECT_EQ(v.q1Label, "Kuorman ominaisarvo Qm1 [kNm/m]:");
  ASSERT_TRUE(Store(v).stored);
  EXPECT_EQ(loads().Direction(i), -4);
  EXPECT_DOUBLE_EQ(loads().Q1(i), 1500.0);
}

}  // namespace

// Code 4 regenerates its combinations when a case gets its first load; when the combination
// rules could not be read, the load is still stored and the dialog is told why.
TEST_F(KuormaDialogiTest, FirstLoadOfACaseReportsCombinationRulesThatCannotBeRead) {
  for (const qv::DesignCode code : {qv::DesignCode::kEc5Env, qv::DesignCode::kEc5}) {
    p().DesignCode = code;
    loads().ClearLoads();
    const qv::KuormaStoreResult r = Store(Open(0, KuormaVektori::kPoint));
    ASSERT_TRUE(r.stored);
    EXPECT_EQ(loads().Count(), 1);
    if (code == qv::DesignCode::kEc5) {
      EXPECT_FALSE(p().Ec5RulesProblem().empty());
      EXPECT_EQ(r.combinationProblem, p().Ec5RulesProblem());
    } else {
      EXPECT_EQ(r.combinationProblem, "");
    }
  }
}
