// Structure drawing through a recording canvas: band, support symbols and numbers, hinges,
// chains, origin mark, colours per style and the canvas state left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "project/QELVUX_data.h"
#include "ui/drawing/MemberDrawing.h"
#include "ui/drawing/MemberView.h"
#include "ui/drawing/RecordingCanvas.h"
#include "ui/drawing/SupportSymbols.h"
#include "ui/drawing/DrawingTestSupport.h"

namespace {

using drawingtest::PolygonsWithPoints;
using drawingtest::ToWorld;
using qv::BrushStyle;
using qv::CanvasCall;
using qv::CanvasOp;
using qv::RecordingCanvas;
using qv::ViewTransform;

constexpr qv::Colour kBlack = 0x000000;
constexpr qv::Colour kRed = 0x0000FF;
constexpr qv::Colour kYellow = 0x00FFFF;
constexpr qv::Colour kBlue = 0xFF0000;

// Lines parallel to the device x axis (a horizontal chain's dimension line among them).
int LongHorizontalLines(const RecordingCanvas& c, double minLength) {
  int n = 0;
  for (const CanvasCall& l : c.CallsOf(CanvasOp::Line)) {
    if (l.points[0].y == l.points[1].y && std::fabs(l.points[1].x - l.points[0].x) >= minLength)
      ++n;
  }
  return n;
}

int LinesBetween(const RecordingCanvas& c, qv::DevicePoint a, qv::DevicePoint b) {
  int n = 0;
  for (const CanvasCall& l : c.CallsOf(CanvasOp::Line)) {
    if (l.points[0].x == a.x && l.points[0].y == a.y && l.points[1].x == b.x &&
        l.points[1].y == b.y)
      ++n;
  }
  return n;
}

int LongVerticalLines(const RecordingCanvas& c, double minLength) {
  int n = 0;
  for (const CanvasCall& l : c.CallsOf(CanvasOp::Line)) {
    if (l.points[0].x == l.points[1].x && std::fabs(l.points[1].y - l.points[0].y) >= minLength)
      ++n;
  }
  return n;
}

class StructureView : public ::testing::Test {
 protected:
  // 10 px/mm and an 801 x 401 client: an 80 x 40 mm surface, one pixel per logical unit.
  void Draw(int highlight = 1) { qv::DrawStructureView(&canvas, &p, 801, 401, highlight); }
  QELVUX_data p{"qelvux"};
  RecordingCanvas canvas;
};

TEST_F(StructureView, ResetMemberDrawsBandTwoPinnedSupportsOneChainEachSideAndOriginMark) {
  Draw();
  // The reset member is 6000 long at 0 degrees: box widened to -600..6600 x -900..900,
  // width limits at 90 mm per mm; s = 120, band 60 wide.
  const auto bands = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_EQ(bands[0].brush.colour, kYellow);
  EXPECT_EQ(bands[0].brush.style, BrushStyle::Solid);
  EXPECT_EQ(bands[0].pen.colour, kBlack);
  // Near edge 30 above the axis: logical floor(1830 / 9) = 203, device 400 - 203.
  EXPECT_DOUBLE_EQ(bands[0].points[0].x, 66.0);
  EXPECT_DOUBLE_EQ(bands[0].points[0].y, 197.0);
  EXPECT_DOUBLE_EQ(bands[0].points[2].x, 733.0);
  EXPECT_DOUBLE_EQ(bands[0].points[2].y, 204.0);

  const auto triangles = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(triangles.size(), 2u);
  for (const CanvasCall& t : triangles) {
    EXPECT_EQ(t.brush.colour, kRed);
    EXPECT_EQ(t.pen.colour, kBlack);
  }
  EXPECT_DOUBLE_EQ(triangles[0].points[0].x, 66.0);   // apex on the start point
  EXPECT_DOUBLE_EQ(triangles[1].points[0].x, 733.0);  // and on the end point

  // Numbers 2.5 s = 300 below the support points, but 1 mm (10 units) clear of the
  // symbol: the ground strokes end at -1.5 a = -270, logical floor(1530 / 9) = 170.
  const auto one = canvas.TextsEqual("1");
  const auto two = canvas.TextsEqual("2");
  ASSERT_EQ(one.size(), 1u);
  ASSERT_EQ(two.size(), 1u);
  EXPECT_DOUBLE_EQ(one[0].points[0].x, 66.0);
  EXPECT_DOUBLE_EQ(one[0].points[0].y, 400.0 - 160.0);
  EXPECT_DOUBLE_EQ(two[0].points[0].x, 733.0);
  EXPECT_EQ(one[0].brush.style, BrushStyle::Clear);

  // One horizontal chain below (y = -600) and one above (y = 480), each labelled 6000.
  const auto labels = canvas.TextsEqual("6000");
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_GT(labels[0].points[0].y, 260.0);
  EXPECT_LT(labels[1].points[0].y, 150.0);
  EXPECT_EQ(LongHorizontalLines(canvas, 600.0), 2);
  // No vertical chain: nothing reaches x = -480 or 6600 (device 13 and 800).
  for (const CanvasCall& l : canvas.CallsOf(CanvasOp::Line)) {
    for (const qv::DevicePoint& d : l.points) {
      EXPECT_GT(d.x, 40.0);
      EXPECT_LT(d.x, 760.0);
    }
  }

  // Origin mark: (-120, 0)-(120, 0) and (0, -120)-(0, 120), and "(0,0)".
  EXPECT_EQ(canvas.TextsEqual("(0,0)").size(), 1u);
  EXPECT_EQ(LinesBetween(canvas, {53, 200}, {80, 200}), 1);
  EXPECT_EQ(LinesBetween(canvas, {66, 214}, {66, 187}), 1);
  EXPECT_EQ(
      canvas.Calls().size() - canvas.CountOf(CanvasOp::Line) - canvas.CountOf(CanvasOp::Polyline),
      3u + 5u);  // three polygons and five texts
}

TEST_F(StructureView, VerticalMemberDrawsOnlyVerticalChains) {
  p.Member.Angle = 90.0;
  Draw();
  EXPECT_EQ(canvas.TextsEqual("6000").size(), 2u);
  EXPECT_EQ(LongVerticalLines(canvas, 200.0), 2);
  // Height limits at 180 mm per mm, bottom at -600: no horizontal chain at y = -600
  // (device 400) or 6480 (device 7).
  for (const CanvasCall& l : canvas.CallsOf(CanvasOp::Line)) {
    for (const qv::DevicePoint& d : l.points) {
      EXPECT_GT(d.y, 20.0);
      EXPECT_LT(d.y, 390.0);
    }
  }
}

TEST_F(StructureView, InclinedMemberDrawsBothChains) {
  p.Member.Angle = 30.0;
  Draw();
  EXPECT_EQ(canvas.TextsEqual("5196").size(), 2u);  // 6000 cos 30
  EXPECT_EQ(canvas.TextsEqual("3000").size(), 2u);  // 6000 sin 30
}

TEST_F(StructureView, TooSmallSurfaceDrawsNothing) {
  // Client width - 1 and height - 1 must both exceed 5 pixels.
  qv::DrawStructureView(&canvas, &p, 6, 401, 1);
  qv::DrawStructureView(&canvas, &p, 401, 6, 1);
  EXPECT_TRUE(canvas.Calls().empty());
  qv::DrawStructureView(&canvas, &p, 7, 7, 1);
  EXPECT_FALSE(canvas.Calls().empty());
  canvas.Clear();
  qv::DrawStructureView(&canvas, nullptr, 801, 401, 1);
  EXPECT_TRUE(canvas.Calls().empty());
}

TEST_F(StructureView, SupportsAtTheSamePlaceAddOneDimensionValue) {
  p.Member.AddPoint("", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 2000.0);
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 2000.0);
  Draw();
  // Slanted chain: 2000 and 4000; arrow chain: running distances 2000 and 6000.
  EXPECT_EQ(canvas.TextsEqual("2000").size(), 2u);
  EXPECT_EQ(canvas.TextsEqual("4000").size(), 1u);
  EXPECT_EQ(canvas.TextsEqual("6000").size(), 1u);
  EXPECT_EQ(canvas.CountOf(CanvasOp::Ellipse), 3);  // two rollers and the hinge
}

TEST_F(StructureView, PointerTextOverTheDrawing) {
  std::string text;
  double x = -1, y = -1;
  // Device (400, 200) is logical (400, 200): 3600 - 600 across, 1800 - 1800 up.
  ASSERT_EQ(qv::MemberPointerText(p.Member, qv::MemberViewKind::Structure, 801, 401, 10.0, 10.0,
                                  400.0, 200.0, text, x, y),
            0);
  EXPECT_EQ(text, "X = 3000");
  EXPECT_DOUBLE_EQ(y, 0.0);
  p.Member.Angle = 45.0;
  // Box of 1.6 m = 6788.2 square with m = 4242.6: height limits, scale 169.7; the
  // bottom-left device corner is world (-0.3 m - 40 scale + 0.8 m, -0.3 m), floored.
  qv::MemberPointerText(p.Member, qv::MemberViewKind::Structure, 801, 401, 10.0, 10.0, 0.0, 400.0,
                        text, x, y);
  EXPECT_EQ(text, "-4667,-1273");
  EXPECT_EQ(qv::MemberPointerText(p.Member, qv::MemberViewKind::Structure, 6, 401, 10.0, 10.0, 1.0,
                                  1.0, text, x, y),
            -1);
  EXPECT_EQ(text, "(?,?)");
  EXPECT_DOUBLE_EQ(x, 0.0);
}

class MemberStyles : public ::testing::Test {
 protected:
  void SetUp() override {
    // World 0..6000 wide on 80 x 40 mm, as the structure view fits the reset member.
    ASSERT_EQ(view.BeginView(nullptr, qv::DeviceRect{0, 0, 800, 400}, -600, -1800, 6600, 1800), 0);
  }
  void DrawWith(int highlight, int hollow, int mode) {
    const qv::DrawStyle style{highlight, hollow, mode};
    const qv::SymbolSizes sizes{120.0, 60.0};
    qv::DrawMember(&canvas, view, &p, &style, &sizes);
  }
  QELVUX_data p{"qelvux"};
  RecordingCanvas canvas;
  ViewTransform view{&canvas};
};

TEST_F(MemberStyles, HollowSupportsAreRedOutlinesAndTheSelectedOneIsFilled) {
  p.Member.CurrentIndex = 1;
  DrawWith(1, 1, 0);
  const auto bands = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_EQ(bands[0].brush.style, BrushStyle::Clear);  // member not selected
  const auto tri = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(tri.size(), 2u);
  EXPECT_EQ(tri[0].pen.colour, kRed);
  EXPECT_EQ(tri[0].brush.style, BrushStyle::Clear);
  EXPECT_EQ(tri[1].pen.colour, kBlack);
  EXPECT_EQ(tri[1].brush.colour, kRed);
  EXPECT_EQ(tri[1].brush.style, BrushStyle::Solid);
}

TEST_F(MemberStyles, SelectedMemberIsFilledYellowEvenWhenHollow) {
  p.Member.CurrentIndex = -1;
  DrawWith(1, 1, 0);
  const auto bands = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_EQ(bands[0].brush.style, BrushStyle::Solid);
  EXPECT_EQ(bands[0].brush.colour, kYellow);
  canvas.Clear();
  DrawWith(0, 1, 0);  // no highlighting in pictures
  EXPECT_EQ(PolygonsWithPoints(canvas, 4)[0].brush.style, BrushStyle::Clear);
}

TEST_F(MemberStyles, HingesAreBlueCirclesOfTwoThirdsTheBandWidthButNeverTiny) {
  p.Member.AddPoint("", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 3000.0);
  const auto radius = [this](const CanvasCall& e) {
    return (ToWorld(view, e.points[1]).x - ToWorld(view, e.points[0]).x) / 2.0;
  };
  // Band 300 wide: radius 200, 2.2 mm on this 90:1 surface.
  const qv::DrawStyle style{0, 0, 0};
  const qv::SymbolSizes wide{120.0, 300.0};
  qv::DrawMember(&canvas, view, &p, &style, &wide);
  auto e = canvas.CallsOf(CanvasOp::Ellipse);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].brush.colour, kBlue);
  EXPECT_EQ(e[0].pen.colour, kBlack);
  EXPECT_NEAR(ToWorld(view, e[0].points[0]).y, 200.0, 9.0);
  EXPECT_NEAR(radius(e[0]), 200.0, 9.0);  // one logical unit (9 mm) of slack
  // Band 60 wide: 2w/3 = 40 would be 0.44 mm; 1.5 mm (135) is the least drawn.
  canvas.Clear();
  DrawWith(0, 0, 0);
  e = canvas.CallsOf(CanvasOp::Ellipse);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_NEAR(radius(e[0]), 135.0, 9.0);
  EXPECT_EQ(e[0].pen.width, 1);
}

TEST_F(MemberStyles, BlackAndWhiteMakesEverythingBlackIncludingTheSelection) {
  p.Member.AddPoint("", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 3000.0);
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kFixed, 6000.0);
  p.Member.CurrentIndex = 0;
  for (int hollow : {0, 1}) {
    canvas.Clear();
    DrawWith(1, hollow, 1);
    for (const CanvasCall& c : canvas.Calls()) {
      EXPECT_EQ(c.pen.colour, kBlack);
      if (c.brush.style != BrushStyle::Clear) {
        EXPECT_EQ(c.brush.colour, kBlack);
      }
      if (c.op == CanvasOp::Text) {
        EXPECT_EQ(c.font.colour, kBlack);
      }
    }
  }
  canvas.Clear();
  DrawWith(1, 0, 2);
  for (const CanvasCall& c : canvas.Calls()) EXPECT_EQ(c.pen.colour, 0x808080u);
}

TEST_F(MemberStyles, FixedSupportAtTheStartDrawsItsBlockBehindTheStart) {
  p.Member.ClearRecords();
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kFixed, 0.0);
  DrawWith(0, 0, 0);
  // The member band, then the block twice: plain and hatched.
  const auto quads = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(quads.size(), 3u);
  EXPECT_EQ(quads[1].brush.colour, kRed);
  EXPECT_EQ(quads[2].brush.style, BrushStyle::DiagonalHatch);
  EXPECT_EQ(quads[2].brush.colour, kBlack);
  for (const qv::DevicePoint& d : quads[1].points) {
    const qv::WorldPoint w = ToWorld(view, d);
    EXPECT_LE(w.x, 0.0 + 9.0);
    EXPECT_GE(w.x, -180.0 - 9.0);             // 1.5 s behind the start
    EXPECT_NEAR(std::fabs(w.y), 240.0, 9.0);  // 4 s wide about the axis
  }
  // Number 2.5 s below the outer end of the block, moved on to stand 1 mm (90) clear of
  // the block's edge at -2 s.
  const auto one = canvas.TextsEqual("1");
  ASSERT_EQ(one.size(), 1u);
  const qv::WorldPoint at = ToWorld(view, one[0].points[0]);
  EXPECT_NEAR(at.x, -180.0, 9.0);
  EXPECT_NEAR(at.y, -330.0, 9.0);
}

TEST_F(MemberStyles, FixedSupportAtTheEndDrawsItsBlockBeyondTheEnd) {
  p.Member.ClearRecords();
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kFixed, 6000.0);
  DrawWith(0, 1, 0);
  const auto quads = PolygonsWithPoints(canvas, 4);
  ASSERT_EQ(quads.size(), 3u);
  EXPECT_EQ(quads[2].brush.colour, kRed);  // hollow: red hatch
  for (const qv::DevicePoint& d : quads[1].points) {
    const qv::WorldPoint w = ToWorld(view, d);
    EXPECT_GE(w.x, 6000.0 - 9.0);
    EXPECT_LE(w.x, 6180.0 + 9.0);
  }
}

TEST_F(MemberStyles, WithoutSizesSymbolsAreAFifthOfATenthOfTheLength) {
  // s = w = 0.05 L = 300: the pinned triangle is 1.5 s = 450 high.
  qv::DrawMember(&canvas, view, &p, nullptr, nullptr);
  const auto tri = PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(tri.size(), 2u);
  EXPECT_NEAR(ToWorld(view, tri[0].points[1]).y, -450.0, 9.0);
  EXPECT_EQ(PolygonsWithPoints(canvas, 4)[0].brush.colour, kYellow);
}

TEST_F(MemberStyles, EveryDrawingLeavesPenBrushAndFontAsTheyWere) {
  p.Member.AddPoint("", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 3000.0);
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kFixed, 6000.0);
  const qv::Pen pen{0x123456, 3, qv::PenStyle::Dash};
  const qv::Brush brush{0x654321, BrushStyle::DiagonalHatch};
  qv::Font font;
  font.colour = 0x00FF00;
  font.height = 17.0;
  canvas.SetPen(pen);
  canvas.SetBrush(brush);
  canvas.SetFont(font);
  DrawWith(1, 1, 0);
  DrawWith(0, 0, 1);
  qv::DrawOriginMark(&canvas, view, 120.0);
  qv::DrawSupportSymbol(&canvas, view, 0, 0, 100, RakenneVektori::kSlidingY);
  qv::DrawStructureView(&canvas, &p, 801, 401, 1);
  EXPECT_EQ(canvas.GetPen(), pen);
  EXPECT_EQ(canvas.GetBrush(), brush);
  EXPECT_EQ(canvas.GetFont(), font);
  EXPECT_EQ(canvas.SavedDepth(), 0);
}

class SupportSymbol : public ::testing::Test {
 protected:
  void SetUp() override {
    // Scale 1: a 100 mm surface showing -50..50 mm; logical = 10 (x + 50).
    ASSERT_EQ(view.BeginView(nullptr, qv::DeviceRect{0, 0, 1000, 1000}, -50, -50, 50, 50), 0);
  }
  qv::WorldPoint W(qv::DevicePoint d) const { return ToWorld(view, d); }
  RecordingCanvas canvas;
  ViewTransform view{&canvas};
};

TEST_F(SupportSymbol, PinnedTriangleStandsOnFourGroundStrokes) {
  qv::DrawSupportSymbol(&canvas, view, 0, 0, 14.1, RakenneVektori::kPinned);
  const auto tri = canvas.CallsOf(CanvasOp::Polygon);
  ASSERT_EQ(tri.size(), 1u);
  // k = a / 1.41 = 10: apex (0, 0), base (-10, -14.1) to (10, -14.1).
  EXPECT_NEAR(W(tri[0].points[0]).x, 0.0, 0.1);
  EXPECT_NEAR(W(tri[0].points[1]).x, -10.0, 0.1);
  EXPECT_NEAR(W(tri[0].points[1]).y, -14.1, 0.1);
  EXPECT_NEAR(W(tri[0].points[2]).x, 10.0, 0.1);
  const auto lines = canvas.CallsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 4u);
  // Strokes start along the base every 2k/3 and run a/4 left, a/2 down.
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(W(lines[i].points[0]).x, -10.0 + 14.1 * 1.41 * i / 3.0, 0.1);
    EXPECT_NEAR(W(lines[i].points[0]).y, -14.1, 0.1);
    EXPECT_NEAR(W(lines[i].points[1]).x - W(lines[i].points[0]).x, -14.1 / 4.0, 0.15);
    EXPECT_NEAR(W(lines[i].points[1]).y, -21.15, 0.1);
  }
  EXPECT_EQ(canvas.CountOf(CanvasOp::Ellipse), 0);
}

TEST_F(SupportSymbol, SlidingSupportsStandOnTwoRollers) {
  qv::DrawSupportSymbol(&canvas, view, 0, 0, 14.1, RakenneVektori::kSlidingX);
  auto e = canvas.CallsOf(CanvasOp::Ellipse);
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(canvas.CountOf(CanvasOp::Line), 0);
  // Rollers of diameter a / 2 under the base ends.
  EXPECT_NEAR(W(e[0].points[0]).x, -10.0, 0.1);
  EXPECT_NEAR(W(e[0].points[1]).x, -10.0 + 7.05, 0.1);
  EXPECT_NEAR(W(e[0].points[0]).y, -14.1, 0.1);
  EXPECT_NEAR(W(e[0].points[1]).y, -21.15, 0.1);
  EXPECT_NEAR(W(e[1].points[1]).x, 10.0, 0.1);

  canvas.Clear();
  qv::DrawSupportSymbol(&canvas, view, 0, 0, 14.1, RakenneVektori::kSlidingY);
  const auto tri = canvas.CallsOf(CanvasOp::Polygon);
  ASSERT_EQ(tri.size(), 1u);
  // Lying on its side: base at x = a from y -k to k, rollers right of it.
  EXPECT_NEAR(W(tri[0].points[1]).x, 14.1, 0.1);
  EXPECT_NEAR(W(tri[0].points[1]).y, -10.0, 0.1);
  EXPECT_NEAR(W(tri[0].points[2]).y, 10.0, 0.1);
  e = canvas.CallsOf(CanvasOp::Ellipse);
  ASSERT_EQ(e.size(), 2u);
  for (const CanvasCall& r : e) {
    EXPECT_NEAR(W(r.points[0]).x, 14.1, 0.1);
    EXPECT_NEAR(W(r.points[1]).x, 21.15, 0.1);
  }
}

TEST_F(SupportSymbol, UnknownCodeDrawsNothing) {
  qv::DrawSupportSymbol(&canvas, view, 0, 0, 10, RakenneVektori::kFixed);
  qv::DrawSupportSymbol(&canvas, view, 0, 0, 10, 1234567);
  EXPECT_TRUE(canvas.Calls().empty());
}

}  // namespace
