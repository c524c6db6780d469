// Load drawing: arrows ending at the load point, scaling, distributed outlines and shafts,
// projections, loads along the member, selection, visibility, labels and the canvas state.
#include <gtest/gtest.h>

#include <cmath>

#include "project/QELVUX_data.h"
#include "ui/drawing/DrawingTestSupport.h"
#include "ui/drawing/LoadDrawing.h"
#include "ui/drawing/MemberView.h"
#include "ui/drawing/RecordingCanvas.h"

namespace {

using drawingtest::Distance;
using drawingtest::PolygonsWithPoints;
using qv::CanvasCall;
using qv::CanvasOp;
using qv::RecordingCanvas;
using qv::WorldPoint;

constexpr qv::Colour kBlue = 0xFF0000;
constexpr qv::Colour kRed = 0x0000FF;
constexpr double g = 60.0;   // head size
constexpr double d = 120.0;  // offset from the axis
constexpr double kTol = 0.15;
const double kPi = std::acos(-1.0);

class Loads : public ::testing::Test {
 protected:
  void SetUp() override {
    // Scale 1: an 8000 mm square surface showing x -1000..7000, y -2000..6000, so world
    // points come back to a tenth of a millimetre.
    ASSERT_EQ(view.BeginView(nullptr, qv::DeviceRect{0, 0, 80000, 80000}, -1000, -2000, 7000, 6000),
              0);
    ASSERT_DOUBLE_EQ(view.Scale(), 1.0);
  }
  void Draw(int highlight = 0, int mode = 0) {
    qv::DrawLoads(&canvas, view, &p, qv::DrawStyle{highlight, 0, mode}, qv::SymbolSizes{g, d});
  }
  WorldPoint W(qv::DevicePoint dp) const { return drawingtest::ToWorld(view, dp); }
  std::vector<WorldPoint> Points(const CanvasCall& c) const {
    std::vector<WorldPoint> out;
    for (const qv::DevicePoint& dp : c.points) out.push_back(W(dp));
    return out;
  }
  // The shaft of a point arrow: the first line drawn.
  std::pair<WorldPoint, WorldPoint> FirstLine() const {
    const auto lines = canvas.CallsOf(CanvasOp::Line);
    EXPECT_FALSE(lines.empty());
    if (lines.empty()) return {};
    return {W(lines[0].points[0]), W(lines[0].points[1])};
  }
  int Add(int kase, qv::LoadKind kind, int dir, int ref, double q1, double q2, double x1, double x2,
          const std::string& name = "") {
    return p.Loads.AddLoad(name, kase, kind, dir, ref, q1, q2, x1, x2);
  }
  QELVUX_data p{"qelvux"};  // reset member: 6000 mm at 0 degrees
  RecordingCanvas canvas;
  qv::ViewTransform view{&canvas};
};

void ExpectNear(WorldPoint a, double x, double y, double tol = kTol) {
  EXPECT_NEAR(a.x, x, tol);
  EXPECT_NEAR(a.y, y, tol);
}

TEST_F(Loads, DownwardForceArrowEndsAtTheLoadPoint) {
  Add(0, KuormaVektori::kPoint, 2, 1, -10000, 0, 3000, 0);
  Draw();
  // Largest point force: 11 g = 660 long, tip at the point moved d up from the axis.
  const auto shaft = FirstLine();
  ExpectNear(shaft.first, 3000, 120 + 660);
  ExpectNear(shaft.second, 3000, 120);
  const auto heads = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(heads.size(), 1u);
  const auto h = Points(heads[0]);
  ExpectNear(h[0], 3000, 120);
  ExpectNear(h[1], 3000 - 60, 240);  // base 2 g back, g to each side
  ExpectNear(h[2], 3000 + 60, 240);
  EXPECT_EQ(heads[0].pen.colour, kBlue);
  EXPECT_EQ(heads[0].pen.width, 2);
  EXPECT_EQ(heads[0].brush.colour, kBlue);
  // Cross-bar of 2 g at the tail, label "1" with its value centred above the higher (tail) end.
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 3);
  const auto label = canvas.TextsEqual("1: -10.0 kN");
  ASSERT_EQ(label.size(), 1u);
  EXPECT_EQ(label[0].brush.style, qv::BrushStyle::Clear);
  EXPECT_EQ(label[0].font.colour, kBlue);
  const WorldPoint at = W(label[0].points[0]);
  EXPECT_NEAR(at.x, 3000 - 11 * 0.36, kTol);  // moved left by half its 11 characters of 7.2 units
  EXPECT_NEAR(at.y, 780 + 1.2, kTol);         // raised by its 12 units
}

TEST_F(Loads, PositiveXForcePointsAlongXIntoThePoint) {
  Add(0, KuormaVektori::kPoint, 1, 1, 5000, 0, 2000, 0);
  Draw();
  const auto shaft = FirstLine();
  ExpectNear(shaft.first, 2000 - 660, 120);
  ExpectNear(shaft.second, 2000, 120);
}

TEST_F(Loads, SmallForceNextToALargeOneIsLengthenedToThreeHeads) {
  Add(0, KuormaVektori::kPoint, 2, 1, -1000, 0, 1000, 0);
  Add(0, KuormaVektori::kPoint, 2, 1, -100000, 0, 5000, 0);
  Draw();
  const auto lines = canvas.CallsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_NEAR(Distance(W(lines[0].points[0]), W(lines[0].points[1])), 3 * g, kTol);
  EXPECT_NEAR(Distance(W(lines[3].points[0]), W(lines[3].points[1])), 11 * g, kTol);
}

TEST_F(Loads, EveryMomentIsElevenHeadsLongWithCircleAndSmallHead) {
  Add(0, KuormaVektori::kPoint, 2, 1, -1e6, 0, 500, 0);  // a large force does not matter
  Add(0, KuormaVektori::kPoint, 5, 1, 5e6, 0, 2000, 0);
  Add(0, KuormaVektori::kPoint, 5, 1, -1e3, 0, 4000, 0);
  Draw();
  const auto lines = canvas.CallsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_NEAR(Distance(W(lines[3].points[0]), W(lines[3].points[1])), 11 * g, kTol);
  EXPECT_NEAR(Distance(W(lines[6].points[0]), W(lines[6].points[1])), 11 * g, kTol);
  // About Y, pointing up: it comes to the underside, shaft from (2000, -780) to
  // (2000, -120); circle of radius 165 around the middle at -450.
  const auto circles = canvas.CallsOf(CanvasOp::Ellipse);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].brush.style, qv::BrushStyle::Clear);
  ExpectNear(W(circles[0].points[0]), 2000 - 165, -450 + 165);
  ExpectNear(W(circles[0].points[1]), 2000 + 165, -450 - 165);
  // Small head: B = tail + (165 + 12) e + 12 r with e = (0, 1), r = (1, 0); its base lies
  // left of the shaft and its apex right of it.
  const auto heads = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(heads.size(), 5u);
  const auto small = Points(heads[2]);
  ExpectNear(small[0], 2012 - 60, -603 - 60);
  ExpectNear(small[1], 2012 + 60, -603);
  ExpectNear(small[2], 2012 - 60, -603 + 60);
}

TEST_F(Loads, UniformDownwardLineLoadHasShaftsEveryFiveHeadsAndHeadsOnTheAxis) {
  Add(0, KuormaVektori::kLine, 2, 1, -5, -5, -1, -1, "Lumi");
  Draw();
  const auto outline = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_EQ(outline[0].brush.style, qv::BrushStyle::Clear);
  const auto q = Points(outline[0]);
  ExpectNear(q[0], 0, 120);  // start on the axis line, d above the member
  ExpectNear(q[1], 0, 600);  // 8 g above it
  ExpectNear(q[2], 6000, 600);
  ExpectNear(q[3], 6000, 120);
  // 6000 / 300 = 20 cells with no leftover: shafts at 150, 450, ... 5850.
  const auto lines = canvas.CallsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 20u);
  for (int i = 0; i < 20; ++i) {
    ExpectNear(W(lines[i].points[0]), 150 + 300 * i, 120);
    ExpectNear(W(lines[i].points[1]), 150 + 300 * i, 600);
  }
  // A downward Y load acts toward the axis: heads there, on the two end shafts only.
  const auto heads = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(heads.size(), 2u);
  ExpectNear(Points(heads[0])[0], 150, 120);
  ExpectNear(Points(heads[0])[1], 150 - 60, 240);
  ExpectNear(Points(heads[1])[0], 5850, 120);
  ASSERT_EQ(canvas.TextsEqual("Lumi: -5.0 kN/m").size(), 1u);
  EXPECT_NEAR(W(canvas.TextsEqual("Lumi: -5.0 kN/m")[0].points[0]).y, 600 + 1.2, kTol);
}

TEST_F(Loads, LeftoverLengthIsSplitBetweenBothEnds) {
  Add(0, KuormaVektori::kLine, 2, 1, 5, 5, 1000, 1700);  // 700: two cells, 100 left over
  Draw();
  const auto lines = canvas.CallsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NEAR(W(lines[0].points[0]).x, 1000 + 50 + 150, kTol);
  EXPECT_NEAR(W(lines[1].points[0]).x, 1000 + 50 + 450, kTol);
  // Upward: heads on the outer line, pointing up.
  const auto heads = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(heads.size(), 2u);
  ExpectNear(Points(heads[0])[0], 1200, 600);
  EXPECT_NEAR(Points(heads[0])[1].y, 600 - 120, kTol);
}

TEST_F(Loads, SurfaceLoadsAreScaledWithTheGatheringWidth) {
  Add(0, KuormaVektori::kSurface, 2, 1, -0.005, -0.005, 0, 3000);  // 5 N/mm over 1000 mm
  Add(0, KuormaVektori::kLine, 2, 1, -2.5, -2.5, 3000, 6000);
  Draw();
  const auto outlines = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(outlines.size(), 2u);  // surface first, then line
  EXPECT_NEAR(Points(outlines[0])[1].y - 120, 8 * g, kTol);
  EXPECT_NEAR(Points(outlines[1])[1].y - 120, 4 * g, kTol);
  canvas.Clear();
  p.Member.LoadWidth = 0.0;  // no width: 1000 stands in
  Draw();
  EXPECT_NEAR(Points(PolygonsWithPoints(canvas, 4)[0])[1].y - 120, 8 * g, kTol);
}

TEST_F(Loads, SurfaceMomentsAreScaledLikeTheirDrawnIntensity) {
  Add(0, KuormaVektori::kSurface, -5, 1, 0.002, 0.002, 0, 6000);  // local y moment
  Draw();
  const auto outline = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_NEAR(Points(outline[0])[1].y - 120, 8 * g, kTol);
}

TEST_F(Loads, ChangeOfSignGivesTwoTrianglesMeetingAtTheZeroPoint) {
  Add(0, KuormaVektori::kLine, 2, 1, -5, 5, 0, 6000);
  Draw();
  const auto parts = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(parts.size(), 2u);
  const auto a = Points(parts[0]);
  const auto b = Points(parts[1]);
  ExpectNear(a[0], 0, 120);
  ExpectNear(a[1], 0, 600);
  ExpectNear(a[2], 3000, 120);
  ExpectNear(a[3], 3000, 120);
  ExpectNear(b[0], 3000, 120);
  ExpectNear(b[2], 6000, 600);
  // Shafts follow |h|: 480 high at the ends, nothing at the middle.
  const auto lines = canvas.CallsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_NEAR(W(lines[0].points[1]).y - 120, 480 * (1 - 2 * 150 / 6000.0), kTol);
  // Downward at the start (head on the axis), upward at the end (head on the outer line).
  const auto heads = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_NEAR(Points(heads[0])[0].y, 120, kTol);
  EXPECT_NEAR(Points(heads[1])[0].y, 120 + 480 * (1 - 2 * 150 / 6000.0), kTol);
}

TEST_F(Loads, SmallHeightsAreLengthenedToOneHeadAndZeroLoadsSkipped) {
  Add(0, KuormaVektori::kLine, 2, 1, -0.01, -5, 0, 3000);
  Add(0, KuormaVektori::kLine, 2, 1, 0, 0, 3000, 6000);
  Add(0, KuormaVektori::kPoint, 2, 1, 0, 0, 3000, 0);
  Draw();
  const auto outlines = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(outlines.size(), 1u);
  EXPECT_NEAR(Points(outlines[0])[1].y - 120, g, kTol);
  EXPECT_NEAR(Points(outlines[0])[2].y - 120, 8 * g, kTol);
  EXPECT_EQ(canvas.CountOf(CanvasOp::Polygon), 1 + 2);
}

TEST_F(Loads, OnlyMomentLoadsDoNotDivideByAZeroForceScale) {
  Add(0, KuormaVektori::kLine, 6, 1, 100, 100, 0, 6000);
  Draw();
  const auto outline = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(outline.size(), 1u);
  // Z side vector (1, 1) / 1.41: the outer start lies 8 g away up and to the right.
  EXPECT_NEAR(Distance(Points(outline[0])[0], Points(outline[0])[1]), 8 * g * std::sqrt(2.0) / 1.41,
              kTol);
  EXPECT_GT(Points(outline[0])[1].x, 0.0);
}

TEST_F(Loads, YLoadPerHorizontalProjectionStandsAtTheTopOfAnInclinedMember) {
  p.Member.Angle = 30.0;
  Add(0, KuormaVektori::kLine, 2, KuormaVektori::kPerHorizontal, -5, -5, 0, -1);
  Draw();
  const auto outline = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(outline.size(), 1u);
  const double c = std::cos(kPi / 6), s = 0.5;
  ExpectNear(Points(outline[0])[0], -d * s, 3000 + d * c);
  ExpectNear(Points(outline[0])[3], 6000 * c - d * s, 3000 + d * c);
  canvas.Clear();
  p.Member.Angle = 90.0;
  Draw();
  EXPECT_EQ(canvas.CountOf(CanvasOp::Polygon), 0);
}

TEST_F(Loads, XLoadPerVerticalProjectionStandsOnTheVerticalThroughTheOrigin) {
  Add(0, KuormaVektori::kLine, 1, KuormaVektori::kPerVertical, 5, 5, 0, -1);
  Draw();  // horizontal member: nothing to project on
  EXPECT_EQ(canvas.CountOf(CanvasOp::Polygon), 0);
  p.Member.Angle = 30.0;
  Draw();
  const auto outline = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(outline.size(), 1u);
  const double c = std::cos(kPi / 6), s = 0.5;
  ExpectNear(Points(outline[0])[0], -d * s, d * c);
  ExpectNear(Points(outline[0])[1], -d * s - 8 * g, d * c);  // shape left of the line
  ExpectNear(Points(outline[0])[3], -d * s, 3000 + d * c);
  // A positive X load acts toward the line: heads on it, pointing +x.
  const auto heads = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_NEAR(Points(heads[0])[0].x, -d * s, kTol);
  EXPECT_LT(Points(heads[0])[1].x, Points(heads[0])[0].x);
}

TEST_F(Loads, LoadsAlongTheMemberAreStripsWithHeadsAlongThem) {
  Add(0, KuormaVektori::kLine, 1, 1, -5, -5, 0, 6000);  // global X on a level member
  Draw();
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 0);  // no shafts
  const auto outline = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(outline.size(), 1u);
  ExpectNear(Points(outline[0])[1], 0, 600);  // strip on the left-normal side
  const auto heads = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(heads.size(), 20u);
  for (const CanvasCall& h : heads) {
    const auto pts = Points(h);
    EXPECT_LT(pts[0].x, pts[1].x);  // negative: pointing toward -x
    EXPECT_NEAR(pts[0].y, 120 + 240, kTol);
  }
  canvas.Clear();
  p.Member.Angle = 1.0;  // within 1.7 degrees: still along
  Draw();
  EXPECT_EQ(PolygonsWithPoints(canvas, 3).size(), 20u);
  canvas.Clear();
  p.Member.Angle = 2.0;  // shafts again
  Draw();
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 20);
  EXPECT_EQ(PolygonsWithPoints(canvas, 3).size(), 2u);
}

TEST_F(Loads, LocalXLoadsAreStripsOnAnyMember) {
  p.Member.Angle = 40.0;
  Add(0, KuormaVektori::kLine, -1, 1, 5, 5, 0, 6000);
  Draw();
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 0);
  EXPECT_EQ(PolygonsWithPoints(canvas, 3).size(), 20u);
}

TEST_F(Loads, SelectedLoadIsDrawnAgainInRedOrBlackInBlackAndWhite) {
  Add(0, KuormaVektori::kPoint, 2, 1, -1000, 0, 1000, 0);
  p.Loads.CurrentIndex = Add(0, KuormaVektori::kPoint, 2, 1, -1000, 0, 5000, 0);
  Draw(1);
  auto heads = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(heads.size(), 3u);
  EXPECT_EQ(heads[2].pen.colour, kRed);
  EXPECT_EQ(heads[2].pen.width, 2);
  EXPECT_NEAR(Points(heads[2])[0].x, 5000, kTol);
  EXPECT_EQ(canvas.TextsEqual("2: -1.0 kN").back().font.colour, kRed);
  canvas.Clear();
  Draw(1, 1);
  for (const CanvasCall& c : canvas.Calls()) EXPECT_EQ(c.pen.colour, 0x000000u);
  canvas.Clear();
  Draw(0);
  EXPECT_EQ(PolygonsWithPoints(canvas, 3).size(), 2u);
  canvas.Clear();
  p.Loads.ShowPointLoads = 0;  // a hidden selection is not drawn either
  Draw(1);
  EXPECT_TRUE(canvas.Calls().empty());
}

TEST_F(Loads, KindsInOrderSurfaceLinePointAndOnlyTheVisibleCase) {
  Add(0, KuormaVektori::kPoint, 2, 1, -1000, 0, 1000, 0, "P");
  Add(0, KuormaVektori::kLine, 2, 1, -1, -1, 0, 6000, "L");
  Add(0, KuormaVektori::kSurface, 2, 1, -0.001, -0.001, 0, 6000, "S");
  Add(1, KuormaVektori::kPoint, 2, 1, -1000, 0, 2000, 0, "Q");
  Draw();
  const auto texts = canvas.CallsOf(CanvasOp::Text);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].text, "S: -1.0 kN/m2");
  EXPECT_EQ(texts[1].text, "L: -1.0 kN/m");
  EXPECT_EQ(texts[2].text, "P: -1.0 kN");
  EXPECT_EQ(texts[3].text, "Q: -1.0 kN");
  canvas.Clear();
  p.Loads.VisibleCase = 1;
  Draw();
  ASSERT_EQ(canvas.CountOf(CanvasOp::Text), 1);
  EXPECT_EQ(canvas.CallsOf(CanvasOp::Text)[0].text, "Q: -1.0 kN");
  canvas.Clear();
  p.Loads.VisibleCase = -1;
  p.Loads.ShowLineLoads = 0;
  p.Loads.ShowSurfaceLoads = 0;
  Draw();
  EXPECT_EQ(canvas.CountOf(CanvasOp::Text), 2);
}

// A label is the load's name cut to 20 characters, or its number among the loads of its case
// and kind, and its value in the units the user typed it in.
TEST_F(Loads, LabelsAreNamesOrNumbersWithTheirValues) {
  struct Case {
    int kase;
    qv::LoadKind kind;
    int dir;
    double q1, q2, x1, x2;
    const char* name;
    const char* label;
  };
  const Case cases[] = {
      {0, KuormaVektori::kPoint, 2, -1000, 0, 1000, 0, " ", "1: -1.0 kN"},
      {0, KuormaVektori::kPoint, 2, -1000, 0, 2000, 0, "Äänieristyksen kannattimet",
       "Äänieristyksen kanna: -1.0 kN"},
      {0, KuormaVektori::kPoint, 2, -50, 0, 3000, 0, "", "3: -0.05 kN"},
      {1, KuormaVektori::kPoint, 2, -12345, 0, 4000, 0, "", "1: -12.3 kN"},
      {2, KuormaVektori::kPoint, 6, 2.5e6, 0, 1000, 0, "M", "M: 2.500 kNm"},
      {3, KuormaVektori::kLine, 2, -0.5, -5.0, 0, 6000, "Kinos", "Kinos: -0.5 … -5.0 kN/m"},
      {4, KuormaVektori::kSurface, 2, -0.0015, -0.0015, 0, 6000, "", "1: -1.5 kN/m2"},
  };
  for (const Case& c : cases) Add(c.kase, c.kind, c.dir, 1, c.q1, c.q2, c.x1, c.x2, c.name);
  for (int i = 0; i < p.Loads.Count(); ++i) EXPECT_EQ(qv::LoadLabel(p.Loads, i), cases[i].label);
}

TEST_F(Loads, CanvasStateIsKeptAndNothingIsDrawnWithoutAProject) {
  Add(0, KuormaVektori::kPoint, 5, 1, 1e6, 0, 1000, 0);
  Add(0, KuormaVektori::kLine, 2, 1, -1, 1, 0, 6000);
  Add(0, KuormaVektori::kLine, 1, 1, 1, 1, 0, 6000);
  p.Loads.CurrentIndex = 0;
  const qv::Pen pen{0x010203, 5, qv::PenStyle::Dash};
  const qv::Brush brush{0x040506, qv::BrushStyle::DiagonalHatch};
  canvas.SetPen(pen);
  canvas.SetBrush(brush);
  Draw(1);
  EXPECT_FALSE(canvas.Calls().empty());
  EXPECT_EQ(canvas.GetPen(), pen);
  EXPECT_EQ(canvas.GetBrush(), brush);
  EXPECT_EQ(canvas.GetFont(), qv::Font{});
  EXPECT_EQ(canvas.SavedDepth(), 0);
  canvas.Clear();
  qv::DrawLoads(&canvas, view, nullptr, qv::DrawStyle{}, qv::SymbolSizes{g, d});
  EXPECT_TRUE(canvas.Calls().empty());
}

TEST(LoadView, HollowBlackMemberColouredLoadsNoOriginMark) {
  QELVUX_data p("qelvux");
  p.Loads.AddLoad("", 0, KuormaVektori::kPoint, 2, 1, -1000, 0, 2000, 0);
  RecordingCanvas canvas;
  qv::DrawLoadView(&canvas, &p, 801, 401, 1);
  EXPECT_TRUE(canvas.TextsEqual("(0,0)").empty());
  const auto band = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(band.size(), 1u);
  EXPECT_EQ(band[0].brush.style, qv::BrushStyle::Clear);
  EXPECT_EQ(band[0].pen.colour, 0x000000u);
  const auto polys = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(polys.size(), 3u);  // two support triangles and one arrowhead
  EXPECT_EQ(polys[0].pen.colour, 0x000000u);
  EXPECT_EQ(polys[2].pen.colour, kBlue);
  // Chains over 0, 2000 and 6000 on both sides.
  EXPECT_EQ(canvas.TextsEqual("2000").size(), 2u);
  EXPECT_EQ(canvas.TextsEqual("4000").size(), 1u);
  EXPECT_EQ(canvas.TextsEqual("6000").size(), 1u);
}

}  // namespace
