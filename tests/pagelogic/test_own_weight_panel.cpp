// The own weight on the load page: a tree node the commands cannot change or delete, and the
// switch, density and case of its panel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoadTestProject.h"
#include "model/NumberText.h"
#include "pagelogic/LoadPage.h"
#include "pagelogic/LoadTree.h"
#include "pagelogic/OwnWeightPanel.h"
#include "project/ProjectOwnWeight.h"

namespace {

class OwnWeightPage : public loadtest::LoadProjectTest {
 protected:
  void SetUp() override {
    LoadProjectTest::SetUp();
    p().Profiles.ClearRecords();
    p().Profiles.AddSection("100*200", qv::SectionShape::kRectangle, 100.0, 200.0);
    p().Profiles.CurrentIndex = 0;
    loads().AddLoad("g", 0, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
    // Loads after the own weight's case: a node past its case's groups must not reach them.
    loads().AddLoad("q", 1, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
    loads().AddLoad("s", 2, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
  }
};

}  // namespace

// 100 x 200 at 500 kg/m3: 9.81 * 500 * 0.02 = 98.1 N/m. The node follows the three groups of
// case 0; on it or on any of its lines "Lisää", "Muuta aktiivista" and "Poista" do nothing.
TEST_F(OwnWeightPage, TreeNodeCannotBeChangedOrDeleted) {
  ASSERT_EQ(qv::SetOwnWeightOn(p(), true), "");
  const qv::LoadTree tree = qv::BuildLoadTree(p());
  int node = -1;
  for (std::size_t n = 0; n < tree.nodes.size(); ++n)
    if (tree.nodes[n].ownWeight && node < 0) node = static_cast<int>(n);
  ASSERT_GE(node, 0);
  EXPECT_EQ(tree.nodes[static_cast<std::size_t>(node)].text,
            "Oma paino 0.098 kN/m (tiheys 500 kg/m3)");
  EXPECT_EQ(tree.nodes[static_cast<std::size_t>(node)].loadCase, 0);
  for (std::size_t n = static_cast<std::size_t>(node); n < tree.nodes.size(); ++n) {
    if (!tree.nodes[n].ownWeight) break;
    qv::LoadTree at = tree;
    at.selected = static_cast<int>(n);
    EXPECT_FALSE(qv::PlanChangeLoad(loads(), at).open) << tree.nodes[n].text;
    EXPECT_FALSE(qv::PlanAddLoad(loads(), at).open) << tree.nodes[n].text;
    EXPECT_FALSE(qv::PlanLoadTreeDoubleClick(loads(), at).open) << tree.nodes[n].text;
    EXPECT_EQ(qv::DeleteSelectedLoad(loads(), at), qv::kLoadPageNothingDone);
    // Selecting it chooses no load of the list (-1 for its node, 0 for its lines).
    loads().CurrentIndex = -1;
    EXPECT_LE(qv::ApplyLoadTreeSelection(loads(), at, static_cast<int>(n)), 0);
    EXPECT_EQ(loads().CurrentIndex, -1);
  }
  EXPECT_EQ(loads().Count(), 3);
}

// The switch needs a permanent case; the density is refused outside 100...2000 kg/m3 and kept
// whole; the case list offers the permanent cases only.
TEST_F(OwnWeightPage, SwitchDensityAndCase) {
  struct Case {
    const char* density;
    bool stored;
    double expected;
  };
  const Case cases[] = {{"450,4", true, 450.0},
                        {"99", false, 500.0},
                        {"tiheä", false, 500.0},
                        {"2000", true, 2000.0}};
  ASSERT_EQ(qv::SetOwnWeightOn(p(), true), "");
  for (const Case& c : cases) {
    p().Loads.OwnWeight.density = 500.0;
    const std::string message = qv::SetOwnWeightDensity(p(), c.density);
    EXPECT_EQ(message.empty(), c.stored) << c.density;
    if (!c.stored) {
      EXPECT_EQ(message, qv::RangeText(qv::kOwnWeightDensityLabel, 100.0, 2000.0));
    }
    EXPECT_EQ(p().Loads.OwnWeight.density, c.expected) << c.density;
  }

  // Of the built-in cases only "Omapaino" is permanent; made permanent, "Tuulikuorma" is
  // offered too and can take the weight.
  p().Loads.Cases().SetInt(3, 0, 0);
  qv::OwnWeightPanel panel = qv::ShowOwnWeightPanel(p());
  EXPECT_EQ(panel.caseItems, (std::vector<std::string>{"KT1: Omapaino", "KT4: Tuulikuorma"}));
  EXPECT_EQ(panel.selectedCase, 0);
  EXPECT_EQ(qv::SetOwnWeightCase(p(), 1), "");
  EXPECT_EQ(p().Loads.OwnWeightCase(), 3);

  // Without any permanent case the switch stays off and says why.
  ASSERT_EQ(qv::SetOwnWeightOn(p(), false), "");
  p().Loads.Cases().SetInt(0, 0, 1);
  p().Loads.Cases().SetInt(3, 0, 1);
  EXPECT_EQ(qv::SetOwnWeightOn(p(), true), qv::kOwnWeightNoCaseText);
  EXPECT_FALSE(p().Loads.OwnWeight.on);
}
