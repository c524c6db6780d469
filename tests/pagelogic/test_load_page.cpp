// Tests of the load page: visible-case combo, add / change / delete commands, switches, hit test,
// pointer, drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "LoadTestProject.h"
#include "pagelogic/LoadPage.h"
#include "ui/drawing/RecordingCanvas.h"

namespace {

using KV = KuormaVektori;
using qv::LoadDialogRequest;
using qv::LoadTree;

class LoadPageTest : public loadtest::LoadProjectTest {
 protected:
  // 0: point P1 of case 0 at 1500; 1: line Hyöty of case 1 over the whole member;
  // 2: line Toinen of case 1 from 1000 to 2400; 3: surface Lumi of case 2.
  void AddLoads() {
    loads().AddLoad("P1", 0, KV::kPoint, 2, 1, -1000.0, 0.0, 1500.0, 0.0);
    loads().AddLoad("Hyöty", 1, KV::kLine, 2, 1, -2.0, -2.0, -1.0, -1.0);
    loads().AddLoad("Toinen", 1, KV::kLine, 2, 1, -1.0, -1.0, 1000.0, 2400.0);
    loads().AddLoad("Lumi", 2, KV::kSurface, 2, 2, -0.001, -0.001, 0.0, 6000.0);
  }
  // The tree as rebuilt, with the node of the given text selected.
  LoadTree TreeAt(const std::string& text, int nth = 0) {
    LoadTree t = qv::RebuildLoadTree(p());
    for (std::size_t n = 0; n < t.nodes.size(); ++n) {
      if (t.nodes[n].text == text && nth-- == 0) {
        t.selected = static_cast<int>(n);
        return t;
      }
    }
    ADD_FAILURE() << "no node " << text;
    return t;
  }
};

void ExpectRequest(const LoadDialogRequest& r, int loadCase, qv::LoadKind kind, int index,
                   int result) {
  EXPECT_TRUE(r.open);
  EXPECT_EQ(r.loadCase, loadCase);
  EXPECT_EQ(r.kind, kind);
  EXPECT_EQ(r.loadIndex, index);
  EXPECT_EQ(r.pageResult, result);
}

TEST_F(LoadPageTest, VisibleCaseCombo) {
  qv::VisibleCaseCombo c = qv::FillVisibleCaseCombo(loads());
  EXPECT_EQ(c.items, (std::vector<std::string>{"Kaikki kuormitustapaukset", "Omapaino",
                                               "Hyötykuorma", "Lumikuorma", "Tuulikuorma"}));
  EXPECT_EQ(c.selected, 0);

  EXPECT_EQ(qv::ChooseVisibleCase(loads(), 3), 1);
  EXPECT_EQ(loads().VisibleCase, 2);
  EXPECT_EQ(qv::ChooseVisibleCase(loads(), 3), 0);  // no change, no refresh
  EXPECT_EQ(qv::ChooseVisibleCase(loads(), 5), 0);  // no such item
  EXPECT_EQ(qv::ChooseVisibleCase(loads(), -1), 0);
  EXPECT_EQ(loads().VisibleCase, 2);
  EXPECT_EQ(qv::FillVisibleCaseCombo(loads()).selected, 3);

  // A visible case beyond the cases (after they were replaced) falls back to all.
  loads().VisibleCase = 4;
  c = qv::FillVisibleCaseCombo(loads());
  EXPECT_EQ(loads().VisibleCase, -1);
  EXPECT_EQ(c.selected, 0);
}

TEST_F(LoadPageTest, AddUsesTheGroupKindAndTheShownCase) {
  AddLoads();
  // All cases shown: the case of the node.
  ExpectRequest(qv::PlanAddLoad(loads(), TreeAt("PINTAKUORMAT: (0 kpl)", 1)), 1, KV::kSurface, -1,
                101);
  ExpectRequest(qv::PlanAddLoad(loads(), TreeAt("1: Hyöty")), 1, KV::kLine, -1, 101);
  // A case node, or no selection: nothing.
  EXPECT_FALSE(qv::PlanAddLoad(loads(), TreeAt("Omapaino (Pysyvä):")).open);
  LoadTree none = qv::RebuildLoadTree(p());
  none.selected = -1;
  EXPECT_FALSE(qv::PlanAddLoad(loads(), none).open);
  // One case shown: that case.
  loads().VisibleCase = 3;
  ExpectRequest(qv::PlanAddLoad(loads(), TreeAt("PISTEKUORMAT: (0 kpl)")), 3, KV::kPoint, -1, 101);
}

TEST_F(LoadPageTest, ChangeAndDoubleClick) {
  AddLoads();
  ExpectRequest(qv::PlanChangeLoad(loads(), TreeAt("Loppupiste x2: 2400.0 mm")), 1, KV::kLine, 2,
                102);
  EXPECT_FALSE(qv::PlanChangeLoad(loads(), TreeAt("VIIVAKUORMAT: (2 kpl)")).open);
  // Double click: change on a load, add on a group, nothing on a case.
  ExpectRequest(qv::PlanLoadTreeDoubleClick(loads(), TreeAt("1: P1")), 0, KV::kPoint, 0, 102);
  ExpectRequest(qv::PlanLoadTreeDoubleClick(loads(), TreeAt("VIIVAKUORMAT: (2 kpl)")), 1, KV::kLine,
                -1, 101);
  EXPECT_FALSE(qv::PlanLoadTreeDoubleClick(loads(), TreeAt("Lumikuorma (Pitkäaikainen):")).open);

  // With one case shown the positions are those of that case.
  loads().VisibleCase = 2;
  ExpectRequest(qv::PlanChangeLoad(loads(), TreeAt("1: Lumi")), 2, KV::kSurface, 3, 102);
}

TEST_F(LoadPageTest, DeleteSelectsTheLoadBefore) {
  AddLoads();
  EXPECT_EQ(qv::DeleteSelectedLoad(loads(), TreeAt("2: Toinen")), 102);
  EXPECT_EQ(loads().Count(), 3);
  EXPECT_EQ(loads().CurrentIndex, 1);
  EXPECT_EQ(loads().TextOr(2, 0), "Lumi");

  // The first load of the list: no selection, and the rebuilt tree selects the first
  // line-load group node.
  EXPECT_EQ(qv::DeleteSelectedLoad(loads(), TreeAt("Suunta: FY (pääkoord)")), 102);
  EXPECT_EQ(loads().CurrentIndex, -1);
  const LoadTree t = qv::RebuildLoadTree(p());
  EXPECT_EQ(t.nodes[static_cast<std::size_t>(t.selected)].text, "VIIVAKUORMAT: (0 kpl)");
  EXPECT_EQ(t.nodes[static_cast<std::size_t>(t.selected)].loadCase, 0);

  // Group and case nodes delete nothing; a tree older than the list neither.
  EXPECT_EQ(qv::DeleteSelectedLoad(loads(), TreeAt("VIIVAKUORMAT: (1 kpl)")), 0);
  LoadTree stale = TreeAt("1: Lumi");
  loads().RemoveRecord(1);
  EXPECT_EQ(qv::DeleteSelectedLoad(loads(), stale), 0);
  EXPECT_EQ(loads().Count(), 1);

  EXPECT_TRUE(qv::IsLoadDeleteKey(46, true));
  EXPECT_FALSE(qv::IsLoadDeleteKey(46, false));
  EXPECT_FALSE(qv::IsLoadDeleteKey(8, true));
}

TEST_F(LoadPageTest, HitTestOnAHorizontalMember) {
  AddLoads();
  // The point load at 1500 wins near its point, within L / 7 = 857 mm.
  EXPECT_EQ(qv::HitTestLoads(p(), 1500.0, 300.0), 0);
  // At 900 mm it is too far; of the distributed loads under the pointer Toinen's middle
  // (1700, 0) is nearest: 922 mm against 1749 mm to (3000, 0).
  EXPECT_EQ(qv::HitTestLoads(p(), 1500.0, 900.0), 2);
  // 200 mm from Toinen's middle against 400 mm from the point load.
  EXPECT_EQ(qv::HitTestLoads(p(), 1900.0, 0.0), 2);
  // Equal distances: the first in the list wins; Toinen's span ends at 2400.
  EXPECT_EQ(qv::HitTestLoads(p(), 2500.0, 0.0), 1);
  EXPECT_EQ(qv::HitTestLoads(p(), 4000.0, 0.0), 1);
  // Beyond the member: nothing.
  EXPECT_EQ(qv::HitTestLoads(p(), 6500.0, 0.0), -1);

  // Switched-off kinds and cases not shown are no candidates.
  qv::SetLoadKindShown(loads(), KV::kLine, false);
  EXPECT_EQ(loads().ShowLineLoads, 0);
  EXPECT_EQ(qv::HitTestLoads(p(), 2500.0, 0.0), 3);
  loads().VisibleCase = 0;
  EXPECT_EQ(qv::HitTestLoads(p(), 2500.0, 0.0), -1);
  EXPECT_EQ(qv::HitTestLoads(p(), 1600.0, 100.0), 0);
}

TEST_F(LoadPageTest, HitTestOfProjectedLoads) {
  // 60 degrees: cos 0.5, sin 0.866. A Y load per horizontal projection hangs at the top
  // height L sin a; it is a candidate over its x span although the angle is above 45.
  p().Member.Angle = 60.0;
  const double n = std::sin(60.0 * std::acos(-1.0) / 180.0);
  loads().AddLoad("Y/vaaka", 0, KV::kLine, 2, KV::kPerHorizontal, -1.0, -1.0, 0.0, 6000.0);
  loads().AddLoad("Pitkin", 0, KV::kLine, 2, KV::kPerLength, -1.0, -1.0, 0.0, 6000.0);
  // Above the member's top: outside the y span of the ordinary load.
  EXPECT_EQ(qv::HitTestLoads(p(), 1500.0, 6000.0 * n + 300.0), 0);
  // Inside the y span the ordinary load's middle (1500, 2598) is the nearer.
  EXPECT_EQ(qv::HitTestLoads(p(), 1500.0, 3000.0 * n), 1);

  // 30 degrees: an X load per vertical projection stands on x = 0, a candidate over its y span.
  loads().ClearLoads();
  p().Member.Angle = 30.0;
  loads().AddLoad("X/pysty", 0, KV::kLine, 1, KV::kPerVertical, 1.0, 1.0, 0.0, 6000.0);
  EXPECT_EQ(qv::HitTestLoads(p(), -200.0, 1500.0), 0);  // left of the start, within 0..3000 in y
  EXPECT_EQ(qv::HitTestLoads(p(), -200.0, 3500.0), -1);
}

TEST_F(LoadPageTest, ClicksOnTheDrawing) {
  AddLoads();
  EXPECT_EQ(qv::ClickLoadDrawing(p(), 1500.0, 100.0), 1);
  EXPECT_EQ(loads().CurrentIndex, 0);
  EXPECT_EQ(qv::ClickLoadDrawing(p(), 1500.0, 100.0), 0);  // already selected
  EXPECT_EQ(qv::ClickLoadDrawing(p(), 9000.0, 0.0), 0);    // nothing hit: selection stays
  EXPECT_EQ(loads().CurrentIndex, 0);

  ExpectRequest(qv::DoubleClickLoadDrawing(p(), 1900.0, 0.0), 1, KV::kLine, 2, 102);
  EXPECT_EQ(loads().CurrentIndex, 2);
  EXPECT_FALSE(qv::DoubleClickLoadDrawing(p(), 9000.0, 0.0).open);
}

TEST_F(LoadPageTest, PointerText) {
  // 96 dpi surface of 800 x 400 pixels: a horizontal member shows only its x.
  const double px = 96.0 / 25.4;
  const qv::StructurePointer ptr = qv::LoadPointerAt(p().Member, 800, 400, px, px, 400.0, 200.0);
  EXPECT_TRUE(ptr.valid);
  EXPECT_EQ(ptr.text.rfind("X = ", 0), 0u) << ptr.text;
  EXPECT_NEAR(ptr.worldX, 3000.0, 20.0);  // the middle of the view is the member's middle

  const qv::StructurePointer tiny = qv::LoadPointerAt(p().Member, 6, 400, px, px, 3.0, 3.0);
  EXPECT_FALSE(tiny.valid);
  EXPECT_EQ(tiny.text, "(?,?)");
}

TEST_F(LoadPageTest, DrawingShowsMemberInBlackLoadsInColourNoOriginMark) {
  AddLoads();
  loads().CurrentIndex = 0;
  qv::RecordingCanvas canvas(96.0 / 25.4);
  qv::DrawLoadPage(&canvas, project.get(), 800, 400, 1);
  ASSERT_FALSE(canvas.Calls().empty());
  EXPECT_TRUE(canvas.TextsEqual("(0,0)").empty());
  EXPECT_FALSE(canvas.TextsEqual("P1: -1.0 kN").empty());  // name and value
  EXPECT_FALSE(canvas.TextsEqual("1500").empty());         // a chain label at the point load
  bool blue = false, red = false, yellow = false;
  for (const qv::CanvasCall& c : canvas.Calls()) {
    blue = blue || c.pen.colour == 0xFF0000;
    red = red || c.pen.colour == 0x0000FF;
    yellow = yellow || (c.brush.colour == 0x00FFFF && c.brush.style == qv::BrushStyle::Solid);
  }
  EXPECT_TRUE(blue);
  EXPECT_TRUE(red);      // the selected load
  EXPECT_FALSE(yellow);  // the member is hollow, never filled yellow
  // The member band is the first polygon: a black outline on a clear brush.
  const auto polygons = canvas.CallsOf(qv::CanvasOp::Polygon);
  ASSERT_FALSE(polygons.empty());
  EXPECT_EQ(polygons[0].pen.colour, 0x000000u);
  EXPECT_EQ(polygons[0].brush.style, qv::BrushStyle::Clear);

  // Exported pictures have no highlight; a surface of 6 pixels draws nothing.
  qv::RecordingCanvas plain(96.0 / 25.4);
  qv::DrawLoadPage(&plain, project.get(), 800, 400, 0);
  for (const qv::CanvasCall& c : plain.Calls()) EXPECT_NE(c.pen.colour, 0x0000FFu);
  qv::RecordingCanvas tiny(96.0 / 25.4);
  qv::DrawLoadPage(&tiny, project.get(), 6, 400, 1);
  EXPECT_TRUE(tiny.Calls().empty());
}

TEST(LoadPageButton, KTjaKYCaptionByFreeWidth) {
  EXPECT_EQ(qv::KTjaKYButtonFor(189).caption, "KT ja KY ...");
  EXPECT_EQ(qv::KTjaKYButtonFor(189).width, 189);
  EXPECT_EQ(qv::KTjaKYButtonFor(190).caption, "Kuormitustapaukset ja -yhdistelmät...");
  EXPECT_EQ(qv::KTjaKYButtonFor(400).width, 250);
}

}  // namespace
