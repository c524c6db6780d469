// Dimension chains: strokes per tick style, label numbers and places, the angle rule, load
// positions.
#include <gtest/gtest.h>

#include "project/QELVUX_data.h"
#include "ui/drawing/Dimensions.h"
#include "ui/drawing/DrawingTestSupport.h"
#include "ui/drawing/RecordingCanvas.h"

namespace {

using drawingtest::ToWorld;
using qv::CanvasCall;
using qv::CanvasOp;
using qv::DimensionPlacement;
using qv::DimensionStyle;
using qv::RecordingCanvas;
using qv::ViewTransform;

class Chain : public ::testing::Test {
 protected:
  void SetUp() override {
    // Scale 1 on a 100 mm surface showing -50..50: logical = 10 (x + 50), one per pixel;
    // the font is 12 px, so a two-digit label is 14 units wide and 12 high.
    ASSERT_EQ(view.BeginView(nullptr, qv::DeviceRect{0, 0, 1000, 1000}, -50, -50, 50, 50), 0);
  }
  bool HasLine(double x1, double y1, double x2, double y2) const {
    for (const CanvasCall& l : canvas.CallsOf(CanvasOp::Line)) {
      const qv::WorldPoint a = ToWorld(view, l.points[0]);
      const qv::WorldPoint b = ToWorld(view, l.points[1]);
      if (std::fabs(a.x - x1) < 0.05 && std::fabs(a.y - y1) < 0.05 && std::fabs(b.x - x2) < 0.05 &&
          std::fabs(b.y - y2) < 0.05)
        return true;
    }
    return false;
  }
  RecordingCanvas canvas;
  ViewTransform view{&canvas};
};

TEST_F(Chain, ArrowStyleShowsRunningDistancesBelowTheLine) {
  qv::DrawDimensionChain(&canvas, view, DimensionStyle{0, 0, 0}, DimensionPlacement{2, 0, -20},
                         {30, 0, 10}, {});
  // Dimension line, a tick at every value, two arrow strokes at every value but the first.
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 1 + 3 + 4);
  EXPECT_TRUE(HasLine(0, -20, 30, -20));
  EXPECT_TRUE(HasLine(10, -22, 10, -18));
  EXPECT_TRUE(HasLine(8, -22, 10, -20));
  EXPECT_TRUE(HasLine(28, -18, 30, -20));
  EXPECT_FALSE(HasLine(-2, -22, 0, -20));
  const auto texts = canvas.CallsOf(CanvasOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "10");
  EXPECT_EQ(texts[1].text, "30");
  // "10" centred on x = 5 (logical 550 - 7), hanging from y = -22 (logical 280).
  EXPECT_DOUBLE_EQ(texts[0].points[0].x, 543.0);
  EXPECT_DOUBLE_EQ(texts[0].points[0].y, 1000.0 - 280.0);
  for (const CanvasCall& c : canvas.Calls()) {
    EXPECT_EQ(c.pen.colour, 0x000000u);
    EXPECT_EQ(c.font.colour, 0x000000u);
  }
}

TEST_F(Chain, SlantedStyleShowsSegmentLengthsAboveTheLine) {
  qv::DrawDimensionChain(&canvas, view, DimensionStyle{1, 1, 1}, DimensionPlacement{2, 0, -20},
                         {0, 10, 30}, {});
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 1 + 3 + 3);
  EXPECT_TRUE(HasLine(-2, -22, 2, -18));
  EXPECT_TRUE(HasLine(28, -22, 32, -18));
  const auto texts = canvas.CallsOf(CanvasOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].text, "20");
  // Centred on 20 (700 - 7), standing on y = -18 (logical 320) raised by its height 12.
  EXPECT_DOUBLE_EQ(texts[1].points[0].x, 693.0);
  EXPECT_DOUBLE_EQ(texts[1].points[0].y, 1000.0 - 332.0);
}

TEST_F(Chain, LabelsThatReadZeroAreLeftOut) {
  qv::DrawDimensionChain(&canvas, view, DimensionStyle{1, 1, 1}, DimensionPlacement{2, 0, -20},
                         {0, 0.2, 10}, {});
  ASSERT_EQ(canvas.CountOf(CanvasOp::Text), 1);
  EXPECT_EQ(canvas.CallsOf(CanvasOp::Text)[0].text, "10");  // 9.8 rounded
  canvas.Clear();
  qv::DrawDimensionChain(&canvas, view, DimensionStyle{0, 0, 0}, DimensionPlacement{2, 0, -20},
                         {0, 0.2, 10}, {});
  ASSERT_EQ(canvas.CountOf(CanvasOp::Text), 1);
  EXPECT_EQ(canvas.CallsOf(CanvasOp::Text)[0].text, "10");
}

TEST_F(Chain, VerticalChainLabelsRightOrLeftAndCentredOnTheSegment) {
  qv::DrawDimensionChain(&canvas, view, DimensionStyle{1, 0, 0}, DimensionPlacement{2, 20, 0}, {},
                         {0, 10});
  EXPECT_TRUE(HasLine(20, 0, 20, 10));
  EXPECT_TRUE(HasLine(18, 10, 22, 10));
  EXPECT_TRUE(HasLine(18, 8, 20, 10));
  EXPECT_TRUE(HasLine(22, 8, 20, 10));
  auto t = canvas.CallsOf(CanvasOp::Text);
  ASSERT_EQ(t.size(), 1u);
  // Right: starts at x = 22 (720); top at y = 5 (550) raised by half its height.
  EXPECT_DOUBLE_EQ(t[0].points[0].x, 720.0);
  EXPECT_DOUBLE_EQ(t[0].points[0].y, 1000.0 - 556.0);
  canvas.Clear();
  qv::DrawDimensionChain(&canvas, view, DimensionStyle{0, 0, 1}, DimensionPlacement{2, 20, 0}, {},
                         {0, 10});
  EXPECT_TRUE(HasLine(18, -2, 22, 2));
  t = canvas.CallsOf(CanvasOp::Text);
  ASSERT_EQ(t.size(), 1u);
  EXPECT_DOUBLE_EQ(t[0].points[0].x, 680.0 - 14.0);  // ends at x = 18
}

TEST_F(Chain, CanvasStateIsKept) {
  const qv::Pen pen{0x00AA00, 4, qv::PenStyle::Dot};
  canvas.SetPen(pen);
  canvas.SetBrushStyle(qv::BrushStyle::Solid);
  qv::DrawDimensionChain(&canvas, view, DimensionStyle{0, 0, 0}, DimensionPlacement{2, 0, 0},
                         {0, 10}, {0, 10});
  EXPECT_EQ(canvas.GetPen(), pen);
  EXPECT_EQ(canvas.GetBrush().style, qv::BrushStyle::Solid);
}

class MemberChains : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(view.BeginView(nullptr, qv::DeviceRect{0, 0, 8000, 8000}, -1000, -1000, 7000, 7000),
              0);
  }
  int Labels(const std::string& text) const {
    return static_cast<int>(canvas.TextsEqual(text).size());
  }
  QELVUX_data p{"qelvux"};
  RecordingCanvas canvas;
  ViewTransform view{&canvas};
};

TEST_F(MemberChains, InclinedMemberChainsBothProjections) {
  p.Member.Angle = 30.0;
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 3000.0);
  qv::DrawDimensions(&canvas, view, &p, DimensionStyle{1, 1, 1},
                     DimensionPlacement{50, -500, -500});
  EXPECT_EQ(Labels("2598"), 2);  // 3000 cos 30, twice
  EXPECT_EQ(Labels("1500"), 2);  // 3000 sin 30, twice
}

TEST_F(MemberChains, HorizontalMemberOnlyChainsAlongX) {
  p.Member.AddPoint("", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 1000.0);
  qv::DrawDimensions(&canvas, view, &p, DimensionStyle{1, 1, 1},
                     DimensionPlacement{50, -500, -500});
  EXPECT_EQ(Labels("1000"), 1);
  EXPECT_EQ(Labels("5000"), 1);
  for (const CanvasCall& l : canvas.CallsOf(CanvasOp::Line)) {
    // Nothing near the vertical chain's x = -500.
    EXPECT_GT(ToWorld(view, l.points[0]).x, -100.0);
  }
}

TEST_F(MemberChains, LoadChainTakesTheVisibleLoadPositions) {
  KuormaVektori& loads = p.Loads;
  loads.AddLoad("", 0, KuormaVektori::kPoint, 2, 1, -1000, 0, 2000, 0);
  loads.AddLoad("", 0, KuormaVektori::kLine, 2, 1, -1, -1, -1, -1);  // whole member
  loads.AddLoad("", 0, KuormaVektori::kSurface, 2, 1, -1, -1, 4500, 5000);
  loads.AddLoad("", 1, KuormaVektori::kLine, 2, 1, -1, -1, 1000, 1500);
  loads.ShowSurfaceLoads = 0;
  loads.VisibleCase = 0;
  qv::DrawLoadDimensions(&canvas, view, &p, DimensionStyle{1, 1, 1},
                         DimensionPlacement{50, -500, -500});
  EXPECT_EQ(Labels("2000"), 1);
  EXPECT_EQ(Labels("4000"), 1);
  EXPECT_EQ(canvas.CountOf(CanvasOp::Text), 2);
  canvas.Clear();
  loads.VisibleCase = -1;
  loads.ShowSurfaceLoads = 1;
  qv::DrawLoadDimensions(&canvas, view, &p, DimensionStyle{1, 1, 1},
                         DimensionPlacement{50, -500, -500});
  // 0, 1000, 1500, 2000, 4500, 5000, 6000.
  EXPECT_EQ(canvas.CountOf(CanvasOp::Text), 6);
  EXPECT_EQ(Labels("500"), 3);
}

}  // namespace
