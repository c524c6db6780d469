// Tests of the structure tree and the structure page's commands, hit test, view extent and pointer
// text.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/RakenneVektori.h"
#include "pagelogic/StructurePage.h"
#include "pagelogic/StructureTree.h"

namespace {

using RV = RakenneVektori;
constexpr double kPi = 3.14159265358979323846;
using qv::StructureTree;
using qv::StructureTreeNode;

struct Expected {
  int level;
  std::string text;
  int image;
  int group;
  int point;
};

void ExpectNodes(const StructureTree& t, const std::vector<Expected>& want) {
  ASSERT_EQ(t.nodes.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    const StructureTreeNode& n = t.nodes[i];
    EXPECT_EQ(n.level, want[i].level) << i;
    EXPECT_EQ(n.text, want[i].text) << i;
    EXPECT_EQ(n.image, want[i].image) << i;
    EXPECT_TRUE(n.expanded) << i;
    EXPECT_EQ(n.group, want[i].group) << i;
    EXPECT_EQ(n.pointIndex, want[i].point) << i;
  }
}

RV ResetMember() {
  RV m;
  m.Reset();
  return m;
}

// Every support type and a hinge, a ridge and named points.
RV FullMember() {
  RV m = ResetMember();
  m.ClearRecords();
  m.Name = "Kattopalkki";
  m.Angle = 12.5;
  m.LoadWidth = 900.0;
  m.RidgeX = 3000.0;
  m.AddPoint("A", RV::kSupport, RV::kFixed, 0.0);
  m.AddPoint("B", RV::kSupport, RV::kPinned, 2000.0);
  m.AddPoint("", RV::kSupport, RV::kSlidingX, 4000.0);
  m.AddPoint("D", RV::kSupport, RV::kSlidingY, 6000.0);
  m.AddPoint("N1", RV::kHinge, RV::kHingeZ, 2999.6);
  return m;
}

TEST(StructureTreeContents, ResetMember) {
  RV m = ResetMember();
  m.LoadWidth = 1000.0;
  const StructureTree t = qv::BuildStructureTree(m);
  ExpectNodes(t, {{0, "RAKENNE:", 0, 1, -2},
                  {1, "Palkki", 1, 1, -1},
                  {2, "Pituus = 6000 mm", -1, 1, -1},
                  {2, "Suuntakulma: 0.0 astetta", -1, 1, -1},
                  {2, "Pintakuormien leveys: 1000.0 mm", -1, 1, -1},
                  {0, "TUET: (2 kpl)", 0, 2, -2},
                  {1, "1:  ", 2, 2, 0},
                  {2, "x = 0 mm", -1, 2, 0},
                  {2, "Niveltuki", -1, 2, 0},
                  {1, "2:  ", 2, 2, 1},
                  {2, "x = 6000 mm", -1, 2, 1},
                  {2, "Niveltuki", -1, 2, 1},
                  {0, "NIVELET: (0 kpl)", 0, 3, -2}});
  // No selection: the member name node.
  EXPECT_EQ(t.selected, 1);
}

TEST(StructureTreeContents, EverySupportTypeAndAHinge) {
  const RV m = FullMember();
  const StructureTree t = qv::BuildStructureTree(m);
  ExpectNodes(t, {{0, "RAKENNE:", 0, 1, -2},
                  {1, "Kattopalkki", 1, 1, -1},
                  {2, "Pituus = 6000 mm", -1, 1, -1},
                  {2, "Suuntakulma: 12.5 astetta", -1, 1, -1},
                  {2, "Pintakuormien leveys: 900.0 mm", -1, 1, -1},
                  {2, "Harjan paikka: 3000.0 mm", -1, 1, -1},
                  {0, "TUET: (4 kpl)", 0, 2, -2},
                  {1, "1: A", 5, 2, 0},
                  {2, "x = 0 mm", -1, 2, 0},
                  {2, "Jäykkätuki", -1, 2, 0},
                  {1, "2: B", 2, 2, 1},
                  {2, "x = 2000 mm", -1, 2, 1},
                  {2, "Niveltuki", -1, 2, 1},
                  {1, "3:  ", 3, 2, 2},
                  {2, "x = 4000 mm", -1, 2, 2},
                  {2, "Liukutuki X", -1, 2, 2},
                  {1, "4: D", 4, 2, 3},
                  {2, "x = 6000 mm", -1, 2, 3},
                  {2, "Liukutuki Y", -1, 2, 3},
                  {0, "NIVELET: (1 kpl)", 0, 3, -2},
                  {1, "1: N1", 6, 3, 4},
                  {2, "x = 3000 mm", -1, 3, 4}});
}

TEST(StructureTreeContents, NoLoadWidthNoRidgeAndLongName) {
  RV m = ResetMember();
  m.LoadWidth = 0.0;
  m.Name = std::string(70, 'a');
  const StructureTree t = qv::BuildStructureTree(m);
  EXPECT_EQ(t.nodes[1].text, std::string(59, 'a'));
  EXPECT_EQ(t.nodes[4].text, "TUET: (2 kpl)");
}

TEST(StructureTreeSelection, FollowsCurrentIndexThenPreviousGroupThenFirst) {
  RV m = FullMember();
  m.CurrentIndex = 4;  // the hinge
  StructureTree t = qv::BuildStructureTree(m);
  EXPECT_EQ(t.nodes[static_cast<std::size_t>(t.selected)].text, "1: N1");
  m.CurrentIndex = 2;
  t = qv::BuildStructureTree(m);
  EXPECT_EQ(t.nodes[static_cast<std::size_t>(t.selected)].text, "3:  ");
  // A stale selection falls back to the group node selected before.
  m.CurrentIndex = 9;
  t = qv::BuildStructureTree(m, qv::kStructureGroupHinges);
  EXPECT_EQ(t.nodes[static_cast<std::size_t>(t.selected)].text, "NIVELET: (1 kpl)");
  EXPECT_EQ(qv::SelectedGroupNode(t), qv::kStructureGroupHinges);
  t = qv::BuildStructureTree(m);
  EXPECT_EQ(t.selected, 0);
  EXPECT_EQ(qv::SelectedGroupNode(t), qv::kStructureGroupMember);
}

TEST(StructureTreeSelection, TreeChangeIgnoredWhileRebuildingAndOnGroups) {
  RV m = FullMember();
  const StructureTree t = qv::BuildStructureTree(m);
  {
    qv::StructureTreeRebuild busy(m);
    EXPECT_EQ(m.TreeRebuilding, 1);
    EXPECT_EQ(qv::ApplyTreeSelection(m, t, 11), -1);
    EXPECT_EQ(m.CurrentIndex, -1);
  }
  EXPECT_EQ(m.TreeRebuilding, 0);
  EXPECT_EQ(qv::ApplyTreeSelection(m, t, 6), -1);   // "TUET:"
  EXPECT_EQ(qv::ApplyTreeSelection(m, t, -1), -1);  // nothing selected
  EXPECT_EQ(qv::ApplyTreeSelection(m, t, 99), -1);
  // A detail line of support 2 selects support 2.
  EXPECT_EQ(qv::ApplyTreeSelection(m, t, 11), 1);
  EXPECT_EQ(m.CurrentIndex, 1);
  EXPECT_EQ(qv::ApplyTreeSelection(m, t, 10), 0);
  EXPECT_EQ(qv::ApplyTreeSelection(m, t, 3), 1);  // a line of the member
  EXPECT_EQ(m.CurrentIndex, -1);
  const qv::StructureTreePosition p = qv::TreePosition(t, 21);
  EXPECT_EQ(p.group, qv::kStructureGroupHinges);
  EXPECT_EQ(p.pointIndex, 4);
  EXPECT_EQ(qv::TreePosition(t, 22).group, qv::kStructureGroupNone);
}

TEST(StructureCommands, AddOnlyInThePointGroups) {
  const RV m = FullMember();
  StructureTree t = qv::BuildStructureTree(m);
  t.selected = 1;  // member name
  EXPECT_FALSE(qv::PlanAddPoint(t).open);
  t.selected = 0;  // "RAKENNE:"
  EXPECT_FALSE(qv::PlanAddPoint(t).open);
  t.selected = 6;  // "TUET:"
  qv::RakenneDialogRequest r = qv::PlanAddPoint(t);
  EXPECT_TRUE(r.open);
  EXPECT_EQ(r.mode, 2);
  EXPECT_EQ(r.pointIndex, -1);
  t.selected = 21;  // a hinge
  r = qv::PlanAddPoint(t);
  EXPECT_TRUE(r.open);
  EXPECT_EQ(r.mode, 3);
  EXPECT_EQ(r.pointIndex, -1);
  t.selected = -1;
  EXPECT_FALSE(qv::PlanAddPoint(t).open);
}

TEST(StructureCommands, EditOpensTheSelectedItemOrFallsBackToAdd) {
  const RV m = FullMember();
  StructureTree t = qv::BuildStructureTree(m);
  t.selected = 2;  // "Pituus" line
  qv::RakenneDialogRequest r = qv::PlanEditPoint(t, m);
  EXPECT_TRUE(r.open);
  EXPECT_EQ(r.mode, 1);
  EXPECT_EQ(r.pointIndex, -1);
  t.selected = 15;  // "Liukutuki X" line of support 3
  r = qv::PlanEditPoint(t, m);
  EXPECT_EQ(r.mode, 2);
  EXPECT_EQ(r.pointIndex, 2);
  t.selected = 20;
  r = qv::PlanEditPoint(t, m);
  EXPECT_EQ(r.mode, 3);
  EXPECT_EQ(r.pointIndex, 4);
  t.selected = 19;  // "NIVELET:": a new hinge instead
  r = qv::PlanEditPoint(t, m);
  EXPECT_TRUE(r.open);
  EXPECT_EQ(r.mode, 3);
  EXPECT_EQ(r.pointIndex, -1);
  t.selected = 0;
  EXPECT_FALSE(qv::PlanEditPoint(t, m).open);
  // A tree older than the member does not open a point that is no longer there.
  RV shorter = m;
  shorter.RemoveRecord(4);
  t.selected = 20;
  EXPECT_FALSE(qv::PlanEditPoint(t, shorter).open);
  EXPECT_EQ(qv::PageResultOfDialog(1), qv::kPageChanged);
  EXPECT_EQ(qv::PageResultOfDialog(0), qv::kPageNothingDone);
}

TEST(StructureCommands, DeleteRemovesThePointAndSelectsTheOneBefore) {
  RV m = FullMember();
  StructureTree t = qv::BuildStructureTree(m);
  t.selected = 1;
  EXPECT_EQ(qv::DeleteSelectedPoint(m, t), qv::kPageNothingDone);
  t.selected = 6;
  EXPECT_EQ(qv::DeleteSelectedPoint(m, t), qv::kPageNothingDone);
  EXPECT_EQ(m.Count(), 5);
  t.selected = 12;  // type line of support 2 ("B")
  EXPECT_EQ(qv::DeleteSelectedPoint(m, t), qv::kPageChanged);
  EXPECT_EQ(m.Count(), 4);
  EXPECT_EQ(m.CurrentIndex, 0);
  EXPECT_EQ(m.TextOr(1, 0), " ");
  t = qv::BuildStructureTree(m);
  EXPECT_EQ(t.nodes[static_cast<std::size_t>(t.selected)].text, "1: A");
  t.selected = 7;  // support 1
  EXPECT_EQ(qv::DeleteSelectedPoint(m, t), qv::kPageChanged);
  EXPECT_EQ(m.CurrentIndex, -1);
  EXPECT_TRUE(qv::IsDeleteKey(46, true));
  EXPECT_FALSE(qv::IsDeleteKey(46, false));
  EXPECT_FALSE(qv::IsDeleteKey(8, true));
}

TEST(StructureHitTest, NearestWithinATenthOfTheLength) {
  RV m = ResetMember();
  m.AddPoint(" ", RV::kHinge, RV::kHingeZ, 3000.0);
  EXPECT_EQ(qv::NearestStructurePoint(m, 100.0, 50.0), 0);
  EXPECT_EQ(qv::NearestStructurePoint(m, 5800.0, -100.0), 1);
  EXPECT_EQ(qv::NearestStructurePoint(m, 3000.0, 599.0), 2);
  EXPECT_EQ(qv::NearestStructurePoint(m, 3000.0, 600.0), -1);  // exactly L/10 is too far
  EXPECT_EQ(qv::NearestStructurePoint(m, 1500.0, 0.0), -1);
  // A hinge over a support: equal distances give the first in member order.
  m.AddPoint(" ", RV::kSupport, RV::kPinned, 3000.0);
  EXPECT_EQ(qv::NearestStructurePoint(m, 3010.0, 0.0), 1);
}

TEST(StructureHitTest, InclinedMemberUsesProjectedPoints) {
  RV m = ResetMember();
  m.Angle = 30.0;
  const double c = std::cos(30.0 * kPi / 180.0), s = std::sin(30.0 * kPi / 180.0);
  EXPECT_EQ(qv::NearestStructurePoint(m, 6000.0 * c + 10.0, 6000.0 * s), 1);
  // Near x = 6000 along the axis but not in the drawing.
  EXPECT_EQ(qv::NearestStructurePoint(m, 6000.0, 0.0), -1);
}

TEST(StructureHitTest, ClickAndDoubleClickSelect) {
  RV m = FullMember();
  EXPECT_EQ(qv::ClickStructure(m, 1000.0, 1000.0), 0);  // the member, as before
  m.Angle = 0.0;
  EXPECT_EQ(qv::ClickStructure(m, 3000.0, 100.0), 1);
  EXPECT_EQ(m.CurrentIndex, 4);
  EXPECT_EQ(qv::ClickStructure(m, 3000.0, 100.0), 0);
  qv::RakenneDialogRequest r = qv::DoubleClickStructure(m, 1900.0, 0.0);
  EXPECT_EQ(m.CurrentIndex, 1);
  EXPECT_TRUE(r.open);
  EXPECT_EQ(r.mode, 2);
  EXPECT_EQ(r.pointIndex, 1);
  r = qv::DoubleClickStructure(m, 1000.0, 0.0);
  EXPECT_EQ(m.CurrentIndex, -1);
  EXPECT_EQ(r.mode, 1);
}

TEST(StructureView, MarginsByAngle) {
  RV m = ResetMember();
  qv::WorldBox b = qv::StructureViewExtent(m);
  EXPECT_DOUBLE_EQ(b.left, -600.0);
  EXPECT_DOUBLE_EQ(b.right, 6600.0);
  EXPECT_DOUBLE_EQ(b.bottom, -900.0);
  EXPECT_DOUBLE_EQ(b.top, 900.0);
  m.Angle = 90.0;
  b = qv::StructureViewExtent(m);
  EXPECT_NEAR(b.left, -1800.0, 1e-9);
  EXPECT_NEAR(b.right, 1800.0, 1e-9);
  EXPECT_NEAR(b.bottom, -600.0, 1e-9);
  EXPECT_NEAR(b.top, 6600.0, 1e-9);
  // 3-4-5 triangle: w = 4800, h = 3600, m = 4800, all margins 1440.
  m.Angle = std::atan2(3.0, 4.0) * 180.0 / kPi;
  b = qv::StructureViewExtent(m);
  EXPECT_NEAR(b.left, -1440.0, 1e-6);
  EXPECT_NEAR(b.right, 6240.0, 1e-6);
  EXPECT_NEAR(b.bottom, -1440.0, 1e-6);
  EXPECT_NEAR(b.top, 5040.0, 1e-6);
}

TEST(StructureView, PointerText) {
  RV m = ResetMember();
  // 10 pixels per mm: the 1001 x 201 pixel surface is 100 x 20 mm. The box of the reset
  // member, 7200 x 1800 mm, fills the height at 90 mm per mm; the centre pixel lies over
  // the middle of the member.
  qv::StructurePointer p = qv::StructurePointerAt(m, 1001, 201, 10.0, 10.0, 500.0, 100.0);
  EXPECT_TRUE(p.valid);
  EXPECT_NEAR(p.worldX, 3000.0, 10.0);
  EXPECT_NEAR(p.worldY, 0.0, 10.0);
  EXPECT_EQ(p.text, "X = " + std::to_string(static_cast<int>(p.worldX)));
  m.Angle = 90.0;
  p = qv::StructurePointerAt(m, 1001, 201, 10.0, 10.0, 500.0, 100.0);
  EXPECT_EQ(p.text, "Y = " + std::to_string(static_cast<int>(p.worldY)));
  m.Angle = 45.0;
  p = qv::StructurePointerAt(m, 1001, 201, 10.0, 10.0, 500.0, 100.0);
  EXPECT_EQ(p.text, std::to_string(static_cast<int>(p.worldX)) + "," +
                        std::to_string(static_cast<int>(p.worldY)));
  p = qv::StructurePointerAt(m, 6, 100, 10.0, 10.0, 1.0, 1.0);
  EXPECT_FALSE(p.valid);
  EXPECT_EQ(p.text, qv::kPointerTextUnknown);
  EXPECT_STREQ(qv::kPointerTextUnknown, "(?,?)");
  EXPECT_EQ(p.worldX, 0.0);
  EXPECT_EQ(p.worldY, 0.0);
}

}  // namespace
