// Tests of the load tree: node texts in shown units, images and expansion, selection rules, node
// positions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoadTestProject.h"
#include "pagelogic/LoadTree.h"

namespace {

using KV = KuormaVektori;
using qv::LoadTree;

struct Want {
  int level;
  std::string text;
  int loadCase;
  int kind;  // as the file numbers it, 0 for none
  int loadIndex;
};

int KindNumber(std::optional<qv::LoadKind> kind) { return kind ? qv::ToInt(*kind) : 0; }

class LoadTreeTest : public loadtest::LoadProjectTest {
 protected:
  // List order: 0 P1, 1 the moment (case 0 points), 2 Hyöty (case 1 line), 3 the line
  // moment (case 2 line), 4 Lumi (case 2 surface). Added out of order on purpose.
  void AddLoads() {
    loads().AddLoad("Lumi", 2, KV::kSurface, 2, KV::kPerHorizontal, 0.002, 0.002, 0.0, 6000.0);
    loads().AddLoad("P1", 0, KV::kPoint, 2, 1, -1000.0, 0.0, 1500.0, 0.0);
    loads().AddLoad("Hyöty", 1, KV::kLine, 2, 1, -2.0, -3.0, -1.0, -1.0);
    loads().AddLoad("", 0, KV::kPoint, -6, 1, 1500000.0, 0.0, 3000.0, 0.0);
    loads().AddLoad("Mom", 2, KV::kLine, -4, 1, 1500.0, 0.0, 1000.0, 2000.0);
  }
};

void ExpectTree(const LoadTree& t, const std::vector<Want>& want) {
  ASSERT_EQ(t.nodes.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    const qv::LoadTreeNode& n = t.nodes[i];
    EXPECT_EQ(n.level, want[i].level) << i;
    EXPECT_EQ(n.text, want[i].text) << i;
    EXPECT_EQ(n.loadCase, want[i].loadCase) << i;
    EXPECT_EQ(KindNumber(n.kind), want[i].kind) << i;
    EXPECT_EQ(n.loadIndex, want[i].loadIndex) << i;
    // Case and group nodes: image 0 of the image list and expanded; the rest neither.
    EXPECT_EQ(n.image, n.level <= 1 ? 0 : -1) << i;
    EXPECT_EQ(n.expanded, n.level <= 1) << i;
  }
}

std::vector<Want> EmptyGroups(int k) {
  return {{1, "PISTEKUORMAT: (0 kpl)", k, 1, -1},
          {1, "VIIVAKUORMAT: (0 kpl)", k, 2, -1},
          {1, "PINTAKUORMAT: (0 kpl)", k, 3, -1}};
}

TEST_F(LoadTreeTest, EveryCaseWithItsLoadsInShownUnits) {
  AddLoads();
  std::vector<Want> want = {
      {0, "Omapaino (Pysyvä):", 0, 0, -1},
      {1, "PISTEKUORMAT: (2 kpl)", 0, 1, -1},
      {2, "1: P1", 0, 1, 0},
      {3, "Suunta: FY (pääkoord)", 0, 1, 0},
      {3, "Voima: -1.0 kN", 0, 1, 0},
      {3, "Paikka x1: 1500.0 mm", 0, 1, 0},
      {2, "2:  ", 0, 1, 1},
      {3, "Suunta: Mz (paikalliskoord)", 0, 1, 1},
      {3, "Momentti: 1.500 kNm", 0, 1, 1},
      {3, "Paikka x1: 3000.0 mm", 0, 1, 1},
      {1, "VIIVAKUORMAT: (0 kpl)", 0, 2, -1},
      {1, "PINTAKUORMAT: (0 kpl)", 0, 3, -1},
      {0, "Hyötykuorma (Pitkäaikainen):", 1, 0, -1},
      {1, "PISTEKUORMAT: (0 kpl)", 1, 1, -1},
      {1, "VIIVAKUORMAT: (1 kpl)", 1, 2, -1},
      {2, "1: Hyöty", 1, 2, 2},
      {3, "Suunta: FY (pääkoord)", 1, 2, 2},
      {3, "Alkupään intensiteetti: -2.0 kN/m", 1, 2, 2},
      {3, "Loppupään intensiteetti: -3.0 kN/m", 1, 2, 2},
      {3, "Alkupiste x1: 0.0 mm", 1, 2, 2},      // negative start: 0
      {3, "Loppupiste x2: 6000.0 mm", 1, 2, 2},  // negative end: the member length
      {1, "PINTAKUORMAT: (0 kpl)", 1, 3, -1},
      {0, "Lumikuorma (Pitkäaikainen):", 2, 0, -1},
      {1, "PISTEKUORMAT: (0 kpl)", 2, 1, -1},
      {1, "VIIVAKUORMAT: (1 kpl)", 2, 2, -1},
      {2, "1: Mom", 2, 2, 3},
      {3, "Suunta: Mx (paikalliskoord.)", 2, 2, 3},
      {3, "Alkupään intensiteetti: 1.500 kNm/m", 2, 2, 3},  // 1500 Nmm/mm
      {3, "Loppupään intensiteetti: 0.000 kNm/m", 2, 2, 3},
      {3, "Alkupiste x1: 1000.0 mm", 2, 2, 3},
      {3, "Loppupiste x2: 2000.0 mm", 2, 2, 3},
      {1, "PINTAKUORMAT: (1 kpl)", 2, 3, -1},
      {2, "1: Lumi", 2, 3, 4},
      {3, "Suunta: FY (pääkoord)", 2, 3, 4},
      {3, "Alkupään intensiteetti: 2.0 kN/m2", 2, 3, 4},  // 0.002 N/mm2
      {3, "Loppupään intensiteetti: 2.0 kN/m2", 2, 3, 4},
      {3, "Alkupiste x1: 0.0 mm", 2, 3, 4},
      {3, "Loppupiste x2: 6000.0 mm", 2, 3, 4},
      {0, "Tuulikuorma (Lyhytaikainen):", 3, 0, -1},
  };
  for (const Want& w : EmptyGroups(3)) want.push_back(w);
  ExpectTree(qv::BuildLoadTree(p()), want);
}

TEST_F(LoadTreeTest, ClassNamesFollowTheDesignCode) {
  p().DesignCode = qv::DesignCode::kEc5Env;
  loads().Cases().ClearRecords();
  loads().Cases().AddCase("Lumi 80%", 2);
  loads().Cases().AddCase("Outo", 9);  // no such class: an empty name, no crash
  const LoadTree t = qv::BuildLoadTree(p());
  ASSERT_EQ(t.nodes.size(), 8u);
  EXPECT_EQ(t.nodes[0].text, "Lumi 80% (Keskipitkä):");
  EXPECT_EQ(t.nodes[4].text, "Outo ():");
}

TEST_F(LoadTreeTest, VisibleCaseOnly) {
  AddLoads();
  loads().VisibleCase = 2;
  const LoadTree t = qv::BuildLoadTree(p());
  ASSERT_EQ(t.nodes.size(), 16u);
  EXPECT_EQ(t.nodes[0].text, "Lumikuorma (Pitkäaikainen):");
  for (const qv::LoadTreeNode& n : t.nodes) EXPECT_EQ(n.loadCase, 2);
  // Counted positions still name the loads of case 2, not of the first case.
  EXPECT_EQ(qv::LoadNodePosition(loads(), t, 3).loadIndex, 3);
  EXPECT_EQ(qv::LoadNodePosition(loads(), t, 10).loadIndex, 4);
}

TEST_F(LoadTreeTest, SelectionAfterRebuild) {
  AddLoads();
  loads().CurrentIndex = 3;
  LoadTree t = qv::BuildLoadTree(p());
  EXPECT_EQ(t.selected, 25);
  EXPECT_EQ(t.currentIndex, 3);

  // No selected load: the first line-load group node, and no selected load.
  loads().CurrentIndex = -1;
  t = qv::BuildLoadTree(p());
  EXPECT_EQ(t.selected, 10);
  EXPECT_EQ(t.currentIndex, -1);

  // A selected load of a case that is not shown has no node.
  loads().VisibleCase = 1;
  loads().CurrentIndex = 0;
  t = qv::RebuildLoadTree(p());
  EXPECT_EQ(t.nodes[static_cast<std::size_t>(t.selected)].text, "VIIVAKUORMAT: (1 kpl)");
  EXPECT_EQ(loads().CurrentIndex, -1);
  EXPECT_EQ(loads().Updating, 0);

  // No load cases at all: an empty tree selects nothing.
  loads().ClearLoads();
  loads().Cases().ClearRecords();
  loads().VisibleCase = -1;
  t = qv::BuildLoadTree(p());
  EXPECT_TRUE(t.nodes.empty());
  EXPECT_EQ(t.selected, -1);
}

TEST_F(LoadTreeTest, CountedPositionsMatchWhatNodesStandFor) {
  AddLoads();
  const LoadTree t = qv::BuildLoadTree(p());
  for (int n = 0; n < static_cast<int>(t.nodes.size()); ++n) {
    const qv::LoadTreeNode& node = t.nodes[static_cast<std::size_t>(n)];
    const qv::LoadTreePosition pos = qv::LoadNodePosition(loads(), t, n);
    EXPECT_EQ(pos.level, node.level) << n;
    EXPECT_EQ(pos.loadCase, node.loadCase) << n;
    EXPECT_EQ(pos.kind, node.kind) << n;
    EXPECT_EQ(pos.loadIndex, node.loadIndex) << n;
    if (node.loadIndex >= 0) {
      EXPECT_EQ(loads().LoadCase(node.loadIndex), node.loadCase) << n;
      EXPECT_EQ(loads().Kind(node.loadIndex), *node.kind) << n;
    }
  }
  // Position within the case runs across the groups: Lumi is the second load of case 2.
  EXPECT_EQ(qv::LoadNodePosition(loads(), t, 35).position, 1);
  EXPECT_EQ(qv::LoadNodePosition(loads(), t, -1).level, -1);
  EXPECT_EQ(qv::LoadNodePosition(loads(), t, 999).level, -1);
}

TEST_F(LoadTreeTest, TreeSelectionChangesTheSelectedLoad) {
  AddLoads();
  const LoadTree t = qv::BuildLoadTree(p());
  EXPECT_EQ(qv::ApplyLoadTreeSelection(loads(), t, 0), -1);   // case node
  EXPECT_EQ(qv::ApplyLoadTreeSelection(loads(), t, 14), -1);  // group node
  EXPECT_EQ(qv::ApplyLoadTreeSelection(loads(), t, -1), -1);
  EXPECT_EQ(loads().CurrentIndex, -1);

  EXPECT_EQ(qv::ApplyLoadTreeSelection(loads(), t, 18), 1);  // a detail line of Hyöty
  EXPECT_EQ(loads().CurrentIndex, 2);
  EXPECT_EQ(qv::ApplyLoadTreeSelection(loads(), t, 15), 0);  // Hyöty itself: no change

  {
    qv::LoadTreeRebuild rebuilding(loads());
    EXPECT_EQ(loads().Updating, 1);
    EXPECT_EQ(qv::ApplyLoadTreeSelection(loads(), t, 2), -1);
  }
  EXPECT_EQ(loads().Updating, 0);
  EXPECT_EQ(loads().CurrentIndex, 2);
}

// Small loads keep three significant digits in the tree, whole ones their one decimal.
TEST_F(LoadTreeTest, SmallValuesKeepThreeSignificantDigits) {
  struct Case {
    qv::LoadKind kind;
    double value;  // N, N/mm or N/mm2
    const char* text;
  };
  for (const Case& c : {Case{KV::kLine, -0.05, "Alkupään intensiteetti: -0.05 kN/m"},
                        Case{KV::kLine, -1.0, "Alkupään intensiteetti: -1.0 kN/m"},
                        Case{KV::kSurface, -0.0000125, "Alkupään intensiteetti: -0.0125 kN/m2"},
                        Case{KV::kPoint, -125.0, "Voima: -0.125 kN"}}) {
    loads().ClearLoads();
    loads().AddLoad("q", 0, c.kind, 2, 1, c.value, c.kind == KV::kPoint ? 0.0 : c.value, 0.0,
                    c.kind == KV::kPoint ? 0.0 : 6000.0);
    bool found = false;
    for (const auto& n : qv::BuildLoadTree(p()).nodes) found = found || n.text == c.text;
    EXPECT_TRUE(found) << c.text;
  }
}

}  // namespace
