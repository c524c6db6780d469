// View transform: fitting per alignment, conversions with floor, device mapping, clipped
// primitives.
#include <gtest/gtest.h>

#include "ui/drawing/RecordingCanvas.h"
#include "ui/drawing/ViewTransform.h"

namespace {

using qv::CanvasOp;
using qv::DeviceRect;
using qv::FitAlignment;
using qv::RecordingCanvas;
using qv::ViewTransform;

// 10 px/mm: one device pixel is one logical unit. (0, 0, 400, 200) is a 40 x 20 mm surface.
constexpr DeviceRect kSurface{0, 0, 400, 200};

struct Fit {
  double scale, left, bottom, right, top;
};

Fit FitOf(double x0, double y0, double x1, double y1, FitAlignment a) {
  RecordingCanvas canvas;
  ViewTransform v(&canvas);
  EXPECT_EQ(v.BeginView(nullptr, kSurface, x0, y0, x1, y1, a), 0);
  return Fit{v.Scale(), v.WorldLeft(), v.WorldBottom(), v.WorldRight(), v.WorldTop()};
}

TEST(ViewFit, WideWorldFillsTheWidthAndCentreSplitsTheHeightEqually) {
  // 4000 x 1000 world on a 40 x 20 mm surface: 100 mm per mm across, 50 down: width limits.
  const Fit f = FitOf(0, 0, 4000, 1000, FitAlignment::Centre);
  EXPECT_DOUBLE_EQ(f.scale, 100.0);
  EXPECT_DOUBLE_EQ(f.left, 0.0);
  EXPECT_DOUBLE_EQ(f.right, 4000.0);
  // 2000 mm of height shown for 1000 of world: 500 empty below and 500 above.
  EXPECT_DOUBLE_EQ(f.bottom, -500.0);
  EXPECT_DOUBLE_EQ(f.top, 1500.0);
}

TEST(ViewFit, WidthLimitedAlignments) {
  for (FitAlignment a : {FitAlignment::BottomLeft, FitAlignment::BottomRight}) {
    const Fit f = FitOf(0, 0, 4000, 1000, a);
    EXPECT_DOUBLE_EQ(f.bottom, 0.0);
    EXPECT_DOUBLE_EQ(f.top, 2000.0);
    EXPECT_DOUBLE_EQ(f.left, 0.0);
  }
  const Fit top = FitOf(0, 0, 4000, 1000, FitAlignment::TopLeft);
  EXPECT_DOUBLE_EQ(top.bottom, -1000.0);
  EXPECT_DOUBLE_EQ(top.top, 1000.0);
}

TEST(ViewFit, TallWorldFillsTheHeightWithEachAlignment) {
  // 1000 x 1000 world: 25 across, 50 down: height limits, 2000 mm of width shown.
  const Fit c = FitOf(0, 0, 1000, 1000, FitAlignment::Centre);
  EXPECT_DOUBLE_EQ(c.scale, 50.0);
  EXPECT_DOUBLE_EQ(c.bottom, 0.0);
  EXPECT_DOUBLE_EQ(c.top, 1000.0);
  EXPECT_DOUBLE_EQ(c.left, -500.0);
  EXPECT_DOUBLE_EQ(c.right, 1500.0);
  EXPECT_DOUBLE_EQ(FitOf(0, 0, 1000, 1000, FitAlignment::BottomLeft).left, 0.0);
  EXPECT_DOUBLE_EQ(FitOf(0, 0, 1000, 1000, FitAlignment::TopLeft).left, 0.0);
  const Fit r = FitOf(0, 0, 1000, 1000, FitAlignment::BottomRight);
  EXPECT_DOUBLE_EQ(r.left, -1000.0);
  EXPECT_DOUBLE_EQ(r.right, 1000.0);
}

TEST(ViewFit, CornersInAnyOrderAndResolutionDoNotChangeTheFit) {
  RecordingCanvas coarse(5.0);  // 5 px/mm: (0, 0, 200, 100) is again 40 x 20 mm
  ViewTransform v(&coarse);
  ASSERT_EQ(
      v.BeginView(nullptr, DeviceRect{200, 100, 0, 0}, 4000, 1000, 0, 0, FitAlignment::Centre), 0);
  EXPECT_DOUBLE_EQ(v.Scale(), 100.0);
  EXPECT_DOUBLE_EQ(v.WorldBottom(), -500.0);
  EXPECT_EQ(v.Device().left, 0);
  EXPECT_EQ(v.Device().right, 200);
  EXPECT_EQ(v.Device().top, 0);
  EXPECT_EQ(v.Device().bottom, 100);
  // Logical units stay 0.1 mm: 2 of them per pixel here.
  int lx = 0, ly = 0;
  v.WorldToLogical(2000, 0, lx, ly);
  EXPECT_EQ(lx, 200);
  EXPECT_EQ(ly, 50);
  const qv::DevicePoint d = v.LogicalToDevice(lx, ly);
  EXPECT_DOUBLE_EQ(d.x, 100.0);
  EXPECT_DOUBLE_EQ(d.y, 75.0);  // y upward: 25 px above the bottom edge
}

TEST(ViewFit, EmptySurfaceOrPointWorldLeavesTheViewIdle) {
  RecordingCanvas canvas;
  ViewTransform v(&canvas);
  EXPECT_EQ(v.BeginView(nullptr, DeviceRect{0, 0, 0, 200}, 0, 0, 100, 100), -1);
  EXPECT_FALSE(v.Active());
  EXPECT_EQ(v.BeginView(nullptr, kSurface, 5, 5, 5, 5), -1);
  EXPECT_FALSE(v.Active());
  EXPECT_DOUBLE_EQ(v.Scale(), 1.0);
  // A line segment of a world still fits.
  EXPECT_EQ(v.BeginView(nullptr, kSurface, 0, 0, 4000, 0), 0);
  EXPECT_DOUBLE_EQ(v.Scale(), 100.0);
}

TEST(ViewFit, EndViewReturnsToIdle) {
  RecordingCanvas canvas;
  ViewTransform v(&canvas);
  ASSERT_EQ(v.BeginView(&canvas, kSurface, 0, 0, 4000, 1000), 0);
  EXPECT_TRUE(v.Active());
  EXPECT_EQ(v.Surface(), &canvas);
  v.EndView();
  EXPECT_FALSE(v.Active());
  EXPECT_DOUBLE_EQ(v.Scale(), 1.0);
  EXPECT_DOUBLE_EQ(v.UnitsPerMm(), 10.0);
  EXPECT_DOUBLE_EQ(v.WorldLeft(), 0.0);
  EXPECT_DOUBLE_EQ(v.WorldTop(), 0.0);
  EXPECT_EQ(v.Device().right, 0);
  EXPECT_EQ(v.Surface(), nullptr);
}

class ViewConversions : public ::testing::Test {
 protected:
  void SetUp() override {
    // Width limits, scale 100, world left 0.3, bottom 0.7 - 1000 + 500 = -499.3.
    ASSERT_EQ(view.BeginView(nullptr, kSurface, 0.3, 0.7, 4000.3, 1000.7), 0);
  }
  RecordingCanvas canvas;
  ViewTransform view{&canvas};
};

TEST_F(ViewConversions, WorldToLogicalFloors) {
  int lx = 0, ly = 0;
  view.WorldToLogical(2000.3, view.WorldBottom(), lx, ly);
  EXPECT_EQ(lx, 200);
  EXPECT_EQ(ly, 0);
  view.WorldToLogical(2009.0, -489.0, lx, ly);  // 200.87 and 1.03
  EXPECT_EQ(lx, 200);
  EXPECT_EQ(ly, 1);
  view.WorldToLogical(0.0, -500.0, lx, ly);  // -0.03 and -0.07: floor, not truncation
  EXPECT_EQ(lx, -1);
  EXPECT_EQ(ly, -1);
}

TEST_F(ViewConversions, LogicalToWorldGivesWholeMillimetres) {
  double x = 0, y = 0;
  view.LogicalToWorld(0, 0, x, y);
  EXPECT_DOUBLE_EQ(x, 0.0);          // floor(0.3)
  EXPECT_DOUBLE_EQ(y, -500.0);       // floor(-499.3)
  view.LogicalToWorld(15, 7, x, y);  // 150.3 and -429.3
  EXPECT_DOUBLE_EQ(x, 150.0);
  EXPECT_DOUBLE_EQ(y, -430.0);
}

TEST_F(ViewConversions, DeviceAndLogicalMeetAtTheBottomLeftCorner) {
  const qv::DevicePoint origin = view.LogicalToDevice(0, 0);
  EXPECT_DOUBLE_EQ(origin.x, 0.0);
  EXPECT_DOUBLE_EQ(origin.y, 200.0);
  int lx = 0, ly = 0;
  view.DeviceToLogical(120.4, 30.6, lx, ly);
  EXPECT_EQ(lx, 120);
  EXPECT_EQ(ly, 169);
}

class ViewPrimitives : public ::testing::Test {
 protected:
  void SetUp() override {
    // World (0, 0)-(4000, 1000) shows x 0..4000 and y -500..1500.
    ASSERT_EQ(view.BeginView(nullptr, kSurface, 0, 0, 4000, 1000), 0);
  }
  RecordingCanvas canvas;
  ViewTransform view{&canvas};
};

TEST_F(ViewPrimitives, LineIsRejectedOnlyWhenBothEndsLieBeyondOneEdge) {
  view.DrawLine(nullptr, 0, 100, -5000, 100);  // on the left edge with a partner far left
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 1);
  view.DrawLine(nullptr, -1, 0, -5000, 0);
  view.DrawLine(nullptr, 4001, 0, 9000, 10);
  view.DrawLine(nullptr, 10, -501, 3000, -900);
  view.DrawLine(nullptr, -10, 2000, 5000, 1600);  // both above, though on both sides
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 1);
  view.DrawLine(nullptr, -10, 2000, 5000, -1000);  // crosses the view
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 2);
}

TEST_F(ViewPrimitives, LineEndsAreMappedToDevicePixels) {
  view.DrawLine(nullptr, 2000, 0, 4000, 1500);
  const auto lines = canvas.CallsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_DOUBLE_EQ(lines[0].points[0].x, 200.0);
  EXPECT_DOUBLE_EQ(lines[0].points[0].y, 150.0);
  EXPECT_DOUBLE_EQ(lines[0].points[1].x, 400.0);
  EXPECT_DOUBLE_EQ(lines[0].points[1].y, 0.0);
}

TEST_F(ViewPrimitives, EllipseBoxIsNormalisedAndRejectedLikeALine) {
  view.DrawEllipse(nullptr, 1100, 600, 1000, 500);
  const auto e = canvas.CallsOf(CanvasOp::Ellipse);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_DOUBLE_EQ(e[0].points[0].x, 100.0);
  EXPECT_DOUBLE_EQ(e[0].points[0].y, 90.0);
  EXPECT_DOUBLE_EQ(e[0].points[1].x, 110.0);
  EXPECT_DOUBLE_EQ(e[0].points[1].y, 100.0);
  view.DrawEllipse(nullptr, 4100, 0, 4200, 100);
  EXPECT_EQ(canvas.CountOf(CanvasOp::Ellipse), 1);
}

TEST_F(ViewPrimitives, PolygonReadsTriplesAndOutlinesFromTheLastPoint) {
  // Points stored as (x, y, z) after one leading value: x offset 1, y offset 2.
  const std::vector<double> coords{9, 0, 0, 7, 1000, 0, 7, 1000, 1000, 7};
  view.DrawPolygon(nullptr, coords, 3, 1, 2);
  const auto outline = canvas.CallsOf(CanvasOp::Polyline);
  const auto fill = canvas.CallsOf(CanvasOp::Polygon);
  ASSERT_EQ(outline.size(), 1u);
  ASSERT_EQ(fill.size(), 1u);
  ASSERT_EQ(fill[0].points.size(), 3u);
  EXPECT_DOUBLE_EQ(fill[0].points[1].x, 100.0);
  EXPECT_DOUBLE_EQ(fill[0].points[2].y, 50.0);  // y 1000 is 150 units above the bottom edge
  ASSERT_EQ(outline[0].points.size(), 4u);
  EXPECT_DOUBLE_EQ(outline[0].points[0].x, fill[0].points[2].x);
  EXPECT_DOUBLE_EQ(outline[0].points[0].y, fill[0].points[2].y);
}

TEST_F(ViewPrimitives, PolygonOfTwoPointsOrAShortArrayDrawsNothing) {
  const std::vector<double> coords{0, 0, 0, 1000, 0, 0, 1000, 1000, 0};
  view.DrawPolygon(nullptr, coords, 2, 0, 1);
  view.DrawPolygon(nullptr, coords, 4, 0, 1);  // a fourth point would run past the end
  view.DrawPolygon(nullptr, coords, 3, 1, 2);  // y of point 2 would be coords[8]: fine
  EXPECT_EQ(canvas.CountOf(CanvasOp::Polygon), 1);
  view.DrawPolygon(nullptr, coords, 3, 2, 3);  // y of point 2 would be coords[9]
  EXPECT_EQ(canvas.CountOf(CanvasOp::Polygon), 1);
}

TEST(ViewCanvasFallback, PrimitivesWithoutAnyCanvasDrawNothing) {
  ViewTransform v;  // no canvas of its own
  ASSERT_EQ(v.BeginView(nullptr, kSurface, 0, 0, 4000, 1000), 0);
  v.DrawLine(nullptr, 0, 0, 100, 100);
  v.DrawBand(nullptr, 0, 0, 1000, 0, 10, 5);
  v.DrawPolygon(nullptr, {{0, 0}, {10, 0}, {10, 10}});
  int w = 1, h = 1;
  v.TextExtent(nullptr, "abc", w, h);
  EXPECT_EQ(w, 0);
  EXPECT_EQ(h, 0);
  RecordingCanvas other;
  v.DrawLine(&other, 0, 0, 100, 100);
  EXPECT_EQ(other.CountOf(CanvasOp::Line), 1);
}

class ViewBand : public ::testing::Test {
 protected:
  void SetUp() override {
    // A 100 x 100 mm surface showing 100 x 100 mm: scale 1, logical = 10 x world.
    ASSERT_EQ(view.BeginView(nullptr, DeviceRect{0, 0, 1000, 1000}, 0, 0, 100, 100), 0);
    ASSERT_DOUBLE_EQ(view.Scale(), 1.0);
  }
  RecordingCanvas canvas;
  ViewTransform view{&canvas};
};

TEST_F(ViewBand, OffsetHalfTheWidthCentresTheStripOnTheSegment) {
  view.DrawBand(nullptr, 10, 50, 90, 50, 20, 10);
  const auto fill = canvas.CallsOf(CanvasOp::Polygon);
  ASSERT_EQ(fill.size(), 1u);
  ASSERT_EQ(fill[0].points.size(), 4u);
  // Near start (10, 60), near end (90, 60), far end (90, 40), far start (10, 40).
  const double ex[4][2] = {{100, 400}, {900, 400}, {900, 600}, {100, 600}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(fill[0].points[i].x, ex[i][0]) << i;
    EXPECT_DOUBLE_EQ(fill[0].points[i].y, ex[i][1]) << i;
  }
  const auto outline = canvas.CallsOf(CanvasOp::Polyline);
  ASSERT_EQ(outline.size(), 1u);
  ASSERT_EQ(outline[0].points.size(), 5u);
  EXPECT_DOUBLE_EQ(outline[0].points[0].x, 100.0);  // from the far start
  EXPECT_DOUBLE_EQ(outline[0].points[0].y, 600.0);
}

TEST_F(ViewBand, WithoutOffsetTheStripLiesRightOfTheSegment) {
  view.DrawBand(nullptr, 50, 10, 50, 90, 20, 0);  // upward: right is +x
  const auto fill = canvas.CallsOf(CanvasOp::Polygon);
  ASSERT_EQ(fill.size(), 1u);
  EXPECT_DOUBLE_EQ(fill[0].points[0].x, 500.0);
  EXPECT_DOUBLE_EQ(fill[0].points[2].x, 700.0);
  canvas.Clear();
  view.DrawBand(nullptr, 50, 10, 50, 90, 20, 10);  // moved 10 to the left first
  const auto moved = canvas.CallsOf(CanvasOp::Polygon);
  ASSERT_EQ(moved.size(), 1u);
  EXPECT_DOUBLE_EQ(moved[0].points[0].x, 400.0);
  EXPECT_DOUBLE_EQ(moved[0].points[2].x, 600.0);
}

TEST_F(ViewBand, ShortSegmentsAndRejectedOnesDrawNothing) {
  view.DrawBand(nullptr, 10, 10, 10.5, 10, 5, 2.5);
  view.DrawBand(nullptr, 10, 10, 11, 10, 5, 2.5);  // exactly 1 mm long
  view.DrawBand(nullptr, -50, 10, -10, 10, 5, 2.5);
  EXPECT_TRUE(canvas.Calls().empty());
  view.DrawBand(nullptr, 10, 10, 11.2, 10, 5, 2.5);
  EXPECT_EQ(canvas.CountOf(CanvasOp::Polygon), 1);
}

TEST(ViewText, ExtentIsMeasuredInLogicalUnits) {
  RecordingCanvas canvas(5.0);  // half a pixel per logical unit
  qv::Font f;
  f.height = 12.0;
  canvas.SetFont(f);
  ViewTransform v(&canvas);
  ASSERT_EQ(v.BeginView(nullptr, DeviceRect{0, 0, 200, 100}, 0, 0, 4000, 1000), 0);
  int w = 0, h = 0;
  v.TextExtent(nullptr, "abc", w, h);  // 21.6 px wide, 12 px high
  EXPECT_EQ(w, 43);
  EXPECT_EQ(h, 24);
  v.TextOut(nullptr, 10, 20, "abc");
  const auto t = canvas.CallsOf(CanvasOp::Text);
  ASSERT_EQ(t.size(), 1u);
  EXPECT_DOUBLE_EQ(t[0].points[0].x, 5.0);
  EXPECT_DOUBLE_EQ(t[0].points[0].y, 90.0);
}

}  // namespace
