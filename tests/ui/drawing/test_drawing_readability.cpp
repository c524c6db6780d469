// What keeps the drawings readable: labels clear of symbols and of each other, hinges and
// selections that show, and arrows that never cross the member.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "project/QELVUX_data.h"
#include "ui/drawing/DrawingTestSupport.h"
#include "ui/drawing/LoadDrawing.h"
#include "ui/drawing/MemberView.h"
#include "ui/drawing/RecordingCanvas.h"
#include "ui/drawing/ResultDiagramDrawing.h"
#include "model/NumberText.h"

namespace {

using drawingtest::ToWorld;
using qv::CanvasCall;
using qv::CanvasOp;
using qv::RecordingCanvas;
using qv::WorldPoint;

constexpr qv::Colour kBlue = 0xFF0000;
constexpr qv::Colour kRed = 0x0000FF;

// Device box, y downward.
struct Box {
  double left, top, right, bottom;
};

Box TextBoxOf(const RecordingCanvas& c, const CanvasCall& t) {
  const qv::TextSize size = c.TextExtent(t.text);
  return Box{t.points[0].x, t.points[0].y, t.points[0].x + size.width, t.points[0].y + size.height};
}

Box BoxOf(const CanvasCall& call) {
  Box b{1e9, 1e9, -1e9, -1e9};
  for (const qv::DevicePoint& p : call.points) {
    b.left = std::min(b.left, p.x);
    b.right = std::max(b.right, p.x);
    b.top = std::min(b.top, p.y);
    b.bottom = std::max(b.bottom, p.y);
  }
  return b;
}

// Distance between two boxes (0 when they touch or overlap).
double Gap(const Box& a, const Box& b) {
  const double dx = std::max({0.0, b.left - a.right, a.left - b.right});
  const double dy = std::max({0.0, b.top - a.bottom, a.top - b.bottom});
  return std::max(dx, dy);
}

bool Overlap(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

const CanvasCall& OnlyText(const RecordingCanvas& c, const std::string& text) {
  static const CanvasCall none;
  const auto all = c.TextsEqual(text);
  EXPECT_EQ(all.size(), 1u) << text;
  for (const CanvasCall& t : c.Calls()) {
    if (t.op == CanvasOp::Text && t.text == text) return t;
  }
  return none;
}

// The structure page: 10 px/mm on an 801 x 401 client, one pixel per logical unit, so
// 1 mm of surface is 10 pixels.
class Structure : public ::testing::Test {
 protected:
  void Draw(int highlight = 1) {
    canvas.Clear();
    qv::DrawStructureView(&canvas, &p, 801, 401, highlight);
  }
  // The symbols drawn after the member band: triangles, blocks, rollers, hinges.
  std::vector<Box> Symbols() const {
    std::vector<Box> out;
    bool band = true;
    for (const CanvasCall& c : canvas.Calls()) {
      if (c.op == CanvasOp::Polygon && band) {
        band = false;
        continue;
      }
      if (c.op == CanvasOp::Polygon || c.op == CanvasOp::Ellipse) out.push_back(BoxOf(c));
    }
    return out;
  }
  QELVUX_data p{"qelvux"};
  RecordingCanvas canvas;
};

TEST_F(Structure, OriginTextStandsClearOfAFixedSupportAtTheStartAndOfEveryLine) {
  for (double angle : {0.0, 30.0, 90.0}) {
    SCOPED_TRACE(angle);
    p.Member.ClearRecords();
    p.Member.Angle = angle;
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kFixed, 0.0);
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 6000.0);
    Draw();
    const Box origin = TextBoxOf(canvas, OnlyText(canvas, "(0,0)"));
    for (const Box& s : Symbols()) EXPECT_GE(Gap(origin, s), 9.0);
    for (const CanvasCall& l : canvas.CallsOf(CanvasOp::Line)) {
      EXPECT_FALSE(Overlap(origin, BoxOf(l)));
    }
    for (const CanvasCall& t : canvas.CallsOf(CanvasOp::Text)) {
      if (t.text != "(0,0)") {
        EXPECT_FALSE(Overlap(origin, TextBoxOf(canvas, t)));
      }
    }
  }
}

TEST_F(Structure, OriginTextKeepsItsPlaceBesideAPinnedSupport) {
  // Reset member: s = 120 at 9 mm per unit; the text ends at (-s, 0): logical
  // floor(480 / 9) = 53, at the height of the axis (device 200).
  Draw();
  const CanvasCall& t = OnlyText(canvas, "(0,0)");
  EXPECT_DOUBLE_EQ(TextBoxOf(canvas, t).right, 53.0);
  EXPECT_DOUBLE_EQ(t.points[0].y, 200.0);
}

TEST_F(Structure, SupportNumbersStandAMillimetreClearOfTheirSymbols) {
  // A column with one support of each kind; the rollers of the sliding Y support reach to
  // 2.25 s of the 2.5 s where its number is described.
  for (double angle : {0.0, 90.0}) {
    SCOPED_TRACE(angle);
    p.Member.ClearRecords();
    p.Member.Angle = angle;
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 2000.0);
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kSlidingY, 4000.0);
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kFixed, 6000.0);
    Draw(0);
    const std::vector<Box> symbols = Symbols();
    ASSERT_EQ(symbols.size(), 9u);  // 3 triangles, 4 rollers, block twice
    for (const char* n : {"1", "2", "3", "4"}) {
      const Box number = TextBoxOf(canvas, OnlyText(canvas, n));
      for (const Box& s : symbols) EXPECT_GE(Gap(number, s), 9.0) << n;
    }
  }
}

TEST_F(Structure, ChainsStepAwayFromNumbersThatAreLargeBesideASmallDrawing) {
  // On a 20 x 20 mm client s is a third of a millimetre while the numbers stay 1.2 mm
  // high: at their described places the chains below and right would run through them.
  for (double angle : {0.0, 30.0, 90.0}) {
    SCOPED_TRACE(angle);
    p.Member.ClearRecords();
    p.Member.Angle = angle;
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
    p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kSlidingY, 6000.0);
    canvas.Clear();
    qv::DrawStructureView(&canvas, &p, 201, 201, 0);
    for (const char* n : {"1", "2"}) {
      const Box number = TextBoxOf(canvas, OnlyText(canvas, n));
      for (const CanvasCall& l : canvas.CallsOf(CanvasOp::Line)) {
        EXPECT_FALSE(Overlap(number, BoxOf(l))) << n;
      }
    }
  }
}

TEST_F(Structure, SelectedHingeAndSupportStandOutOfTheOthers) {
  p.Member.AddPoint("", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 2000.0);
  p.Member.AddPoint("", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 4000.0);
  for (int i = 0; i < p.Member.Count(); ++i) {
    if (p.Member.Kind(i) == RakenneVektori::kHinge) {
      p.Member.CurrentIndex = i;
      break;
    }
  }
  Draw();
  const auto hinges = canvas.CallsOf(CanvasOp::Ellipse);
  ASSERT_EQ(hinges.size(), 2u);
  const Box selected = BoxOf(hinges[0]);
  const Box other = BoxOf(hinges[1]);
  // s = 120, w = 60: 2w/3 is under 0.5 mm here, so the hinge is the 1.5 mm least (15 px
  // radius) and the selected one half as big again, with a doubled outline.
  EXPECT_NEAR(other.right - other.left, 30.0, 1.0);
  EXPECT_NEAR(selected.right - selected.left, 45.0, 1.0);
  EXPECT_EQ(hinges[0].pen.width, 2);
  EXPECT_EQ(hinges[1].pen.width, 1);
  EXPECT_EQ(hinges[0].brush.colour, hinges[1].brush.colour);

  p.Member.CurrentIndex = 0;  // the first support
  Draw();
  const auto triangles = drawingtest::PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(triangles.size(), 2u);
  EXPECT_EQ(triangles[0].pen.width, 2);
  EXPECT_EQ(triangles[1].pen.width, 1);
  Draw(0);  // pictures without highlighting
  for (const CanvasCall& c : canvas.Calls()) EXPECT_EQ(c.pen.width, 1);
}

// Loads at scale 1 (one world millimetre is ten logical units); head g, offset d.
class LoadLabels : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(view.BeginView(nullptr, qv::DeviceRect{0, 0, 80000, 80000}, -1000, -2000, 7000, 6000),
              0);
  }
  void Draw(int highlight = 0) {
    canvas.Clear();
    qv::DrawLoads(&canvas, view, &p, qv::DrawStyle{highlight, 0, 0}, qv::SymbolSizes{60.0, 120.0});
  }
  WorldPoint W(qv::DevicePoint d) const { return ToWorld(view, d); }
  int Add(qv::LoadKind kind, int dir, double q, double x1, double x2, const std::string& name) {
    return p.Loads.AddLoad(name, 0, kind, dir, 1, q, q, x1, x2);
  }
  QELVUX_data p{"qelvux"};  // reset member: 6000 mm at 0 degrees
  RecordingCanvas canvas;
  qv::ViewTransform view{&canvas};
};

TEST_F(LoadLabels, LabelsOfLoadsOverTheSameSpanStackWithoutOverlapping) {
  // Four loads whose labels would all stand on the same spot.
  Add(KuormaVektori::kSurface, 2, -0.005, 0, 6000, "Pinta");  // 5 kN/m over 1 m width
  Add(KuormaVektori::kLine, 2, -5.0, 0, 6000, "Oma");
  Add(KuormaVektori::kLine, 2, -5.0, 0, 6000, "Lisa");
  Add(KuormaVektori::kLine, 2, -5.0, 0, 6000, "Kolmas");
  Draw();
  const auto texts = canvas.CallsOf(CanvasOp::Text);
  ASSERT_EQ(texts.size(), 4u);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_FALSE(Overlap(TextBoxOf(canvas, texts[i]), TextBoxOf(canvas, texts[j])))
          << texts[i].text << " / " << texts[j].text;
    }
  }
  // The first stands where it is described: on top of the outline, 120 + 8 g = 600 up,
  // raised by its 12 units. Each next one is raised the least: just over the one below,
  // 2 units apart.
  EXPECT_NEAR(W(texts[0].points[0]).y, 600.0 + 1.2, 0.15);
  for (std::size_t i = 1; i < texts.size(); ++i) {
    EXPECT_NEAR(W(texts[i].points[0]).y - W(texts[i - 1].points[0]).y, 1.2 + 0.2, 0.15);
  }
}

TEST_F(LoadLabels, LabelsRiseOffOutlinesEvenOfLoadsDrawnAfterThem) {
  // A surface load whose label would stand just where the sloping top of a snow drift,
  // drawn after it, passes. Scale F = 5 N/mm: the drift is 48 (lengthened to g = 60) ..
  // 480 high over 0 .. 6000, its top at 180 + 0.07 x with the axis line at 120, i.e. 390
  // at x = 3000.
  Add(KuormaVektori::kSurface, 2, -0.0028073, 2000, 4000, "Pinta");  // 269.5 high
  p.Loads.AddLoad("Kinos", 0, KuormaVektori::kLine, 2, 1, -0.5, -5.0, 0.0, 6000.0);
  Draw();
  const auto top = [](double x) { return 180.0 + 0.07 * x; };
  const auto pinta = canvas.TextsEqual("Pinta: -2.81 kN/m2");
  const auto kinos = canvas.TextsEqual("Kinos: -0.5 … -5.0 kN/m");
  ASSERT_EQ(pinta.size(), 1u);
  ASSERT_EQ(kinos.size(), 1u);
  for (const CanvasCall& label : {pinta[0], kinos[0]}) {
    const Box b = TextBoxOf(canvas, label);
    const WorldPoint low = W(qv::DevicePoint{b.right, b.bottom});
    const WorldPoint high = W(qv::DevicePoint{b.left, b.top});
    // The drift's top passes wholly under or over the label, not through it.
    EXPECT_TRUE(top(low.x) <= low.y + 0.1 || top(high.x) >= high.y - 0.1) << label.text;
  }
  EXPECT_FALSE(Overlap(TextBoxOf(canvas, pinta[0]), TextBoxOf(canvas, kinos[0])));
  // Raised the least: from 389.5 to just on the line at its right end.
  const WorldPoint bottomRight =
      W(qv::DevicePoint{TextBoxOf(canvas, pinta[0]).right, TextBoxOf(canvas, pinta[0]).bottom});
  EXPECT_NEAR(bottomRight.y, top(bottomRight.x), 0.2);
}

TEST_F(LoadLabels, LabelsThatDoNotMeetStayWhereDescribedAndTheSelectedOneIsRedrawnInPlace) {
  Add(KuormaVektori::kLine, 2, -5.0, 0, 2000, "Vasen");
  const int right = Add(KuormaVektori::kLine, 2, -5.0, 4000, 6000, "Oikea");
  Add(KuormaVektori::kLine, 2, -5.0, 4000, 6000, "Toinen");
  p.Loads.CurrentIndex = right;
  Draw(1);
  const auto left = canvas.TextsEqual("Vasen: -5.0 kN/m");
  const auto sel = canvas.TextsEqual("Oikea: -5.0 kN/m");
  const auto other = canvas.TextsEqual("Toinen: -5.0 kN/m");
  ASSERT_EQ(left.size(), 1u);
  ASSERT_EQ(sel.size(), 2u);
  ASSERT_EQ(other.size(), 1u);
  EXPECT_NEAR(W(left[0].points[0]).y, W(sel[0].points[0]).y, 0.15);
  EXPECT_GT(W(other[0].points[0]).y, W(sel[0].points[0]).y + 1.0);
  // The red copy covers the blue one exactly instead of stepping over "Toinen".
  EXPECT_EQ(sel[1].font.colour, kRed);
  EXPECT_DOUBLE_EQ(sel[1].points[0].x, sel[0].points[0].x);
  EXPECT_DOUBLE_EQ(sel[1].points[0].y, sel[0].points[0].y);
}

TEST_F(LoadLabels, UpwardForceComesToTheUndersideLikeADownwardOneMirrored) {
  Add(KuormaVektori::kPoint, 2, 10000.0, 3000, 0, "Nosto");
  Draw();
  // Tip d = 120 under the axis, tail 11 g = 660 further down; nothing above the axis.
  const auto lines = canvas.CallsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NEAR(W(lines[0].points[0]).y, -780.0, 0.15);
  EXPECT_NEAR(W(lines[0].points[1]).y, -120.0, 0.15);
  EXPECT_NEAR(W(lines[0].points[1]).x, 3000.0, 0.15);
  for (const CanvasCall& c : canvas.Calls()) {
    for (const qv::DevicePoint& d : c.points) EXPECT_LT(W(d).y, 0.0);
  }
  // Head: tip on the underside, base 2 g below it.
  const auto heads = drawingtest::PolygonsWithPoints(canvas, 3);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_NEAR(W(heads[0].points[0]).y, -120.0, 0.15);
  EXPECT_NEAR(W(heads[0].points[1]).y, -240.0, 0.15);
  // The label hangs from the tail, the far end from the member.
  const CanvasCall& label = OnlyText(canvas, "Nosto: 10.0 kN");
  EXPECT_NEAR(W(label.points[0]).y, -780.0, 0.15);

  // A column pushed in -X: the arrow comes from the right to the right side.
  p.Loads.ClearLoads();
  p.Member.Angle = 90.0;
  Add(KuormaVektori::kPoint, 1, -10000.0, 3000, 0, "Tuuli");
  Draw();
  const auto shaft = canvas.CallsOf(CanvasOp::Line);
  ASSERT_FALSE(shaft.empty());
  EXPECT_NEAR(W(shaft[0].points[1]).x, 120.0, 0.15);
  EXPECT_NEAR(W(shaft[0].points[0]).x, 780.0, 0.15);
  EXPECT_NEAR(W(shaft[0].points[0]).y, 3000.0, 0.15);
}

TEST(LoadViewChain, LowerChainStepsBelowAnArrowComingFromBelow) {
  QELVUX_data p{"qelvux"};
  p.Loads.AddLoad("Nosto", 0, KuormaVektori::kPoint, 2, 1, 10000.0, 0.0, 3000.0, 0.0);
  RecordingCanvas canvas;
  qv::DrawLoadView(&canvas, &p, 801, 401, 0);
  // Everything blue (the arrow and its label) lies above the lower chain's ticks, which
  // reach s = 120 (13 px at 9 mm per unit) above its line, with a gap to spare.
  double lowestBlue = 0.0;
  for (const CanvasCall& c : canvas.Calls()) {
    if (c.op == CanvasOp::Text && c.font.colour == kBlue) {
      lowestBlue = std::max(lowestBlue, TextBoxOf(canvas, c).bottom);
    } else if (c.op != CanvasOp::Text && c.pen.colour == kBlue) {
      lowestBlue = std::max(lowestBlue, BoxOf(c).bottom);
    }
  }
  double chain = 0.0;
  for (const CanvasCall& l : canvas.CallsOf(CanvasOp::Line)) {
    if (l.pen.colour == 0x000000 && l.points[0].y == l.points[1].y &&
        l.points[1].x - l.points[0].x > 600.0) {
      chain = std::max(chain, l.points[0].y);
    }
  }
  ASSERT_GT(lowestBlue, 200.0);  // the arrow does hang below the member (device 200 ...)
  EXPECT_GT(chain - 13.0, lowestBlue + 5.0);
  // The chain's labels still fit on the surface.
  for (const CanvasCall& t : canvas.TextsEqual("6000")) {
    EXPECT_LE(TextBoxOf(canvas, t).bottom, 401.0);
  }
  // A picture cropped to the fitted box (7200 x 3000 as 72 x 30 mm) has no room to spare:
  // the chain steps only as far as keeps its numbers on it.
  canvas.Clear();
  qv::DrawLoadView(&canvas, &p, 721, 301, 0);
  const auto texts = canvas.CallsOf(CanvasOp::Text);
  ASSERT_EQ(texts.size(), 7u);  // two numbers, four chain labels and "Nosto"
  for (const CanvasCall& t : texts) EXPECT_LE(TextBoxOf(canvas, t).bottom, 301.0) << t.text;
}

// A load's label keeps off the dimension chains: their lines and numbers (the column of the
// examples, whose wind load stands beside it, once had its label across the left chain).
TEST(LoadViewChain, NoLoadLabelCrossesADimensionChain) {
  struct Case {
    double angle;
    int direction;
    double q;  // N/mm
  };
  const std::vector<Case> cases = {
      {90.0, 1, 1.0},   // column, wind in +X: outline on the left
      {90.0, 1, -1.0},  // the same load pulling the other way
      {90.0, -2, 2.0},  // column, local y
      {30.0, 2, -1.0},  // rafter, gravity
      {0.0, 2, -1.0},   // beam, gravity
  };
  for (const Case& k : cases) {
    QELVUX_data p{"qelvux"};
    p.Member.Angle = k.angle;
    p.Loads.AddLoad("Tuuli", 0, KuormaVektori::kLine, k.direction, 1, k.q, k.q, 0.0,
                    p.Member.Length);
    RecordingCanvas canvas;
    qv::DrawLoadView(&canvas, &p, 801, 401, 0);
    std::vector<Box> chain;
    for (const CanvasCall& c : canvas.Calls()) {
      if (c.op == CanvasOp::Text && c.font.colour == 0x000000)
        chain.push_back(TextBoxOf(canvas, c));
      if (c.op == CanvasOp::Line && c.pen.colour == 0x000000 &&
          (c.points[0].x == c.points[1].x || c.points[0].y == c.points[1].y))
        chain.push_back(BoxOf(c));
    }
    const auto labels = canvas.TextsEqual("Tuuli: " + qv::FormatFixed(k.q, 1) + " kN/m");
    ASSERT_EQ(labels.size(), 1u) << k.angle << " " << k.direction;
    const Box label = TextBoxOf(canvas, labels[0]);
    for (const Box& b : chain)
      EXPECT_FALSE(Overlap(label, b))
          << k.angle << " " << k.direction << " " << k.q << ": (" << b.left << ", " << b.top << ", "
          << b.right << ", " << b.bottom << ")";
    // The label stays on the surface.
    EXPECT_GE(label.left, 0.0);
    EXPECT_LE(label.right, 801.0);
  }
}

}  // namespace

// Three deflection curves peak at midspan a few millimetres apart (the rafter example: 14.98,
// 17.98 and 31.82 mm): their value marks must not cover each other on a low chart.
TEST(ResultDiagramMarks, MarksOfNearbyExtremesDoNotCoverEachOther) {
  qv::ResultDiagram d;
  d.valueAxisInverted = false;
  d.series.resize(qv::kChartSeriesCount);
  qv::ChartSeries& curve = d.series[qv::kChartCurve1];
  qv::ChartSeries& marks = d.series[qv::kChartMarkers];
  marks.kind = qv::ChartSeriesKind::Points;
  for (double v : {-14.981, -17.978, -31.817}) {
    curve.points.push_back({0.0, 0.0});
    curve.points.push_back({2500.0, v});
    curve.points.push_back({5000.0, 0.0});
    marks.points.push_back({2500.0, v});
    marks.labels.push_back(qv::FormatFixed(v, 3));
  }
  qv::RecordingCanvas canvas(96.0 / 25.4);
  qv::DrawResultDiagram(&canvas, d, 642, 200);
  std::vector<qv::CanvasCall> frames;
  for (const qv::CanvasCall& c : canvas.CallsOf(qv::CanvasOp::Polygon))
    if (c.pen.colour == 0x808080 && c.points.size() == 4) frames.push_back(c);
  ASSERT_EQ(frames.size(), 3u);
  for (std::size_t i = 0; i < frames.size(); ++i)
    for (std::size_t j = i + 1; j < frames.size(); ++j) {
      const auto& a = frames[i].points;
      const auto& b = frames[j].points;
      const bool apart =
          a[2].x <= b[0].x || b[2].x <= a[0].x || a[2].y <= b[0].y || b[2].y <= a[0].y;
      EXPECT_TRUE(apart) << marks.labels[i] << " covers " << marks.labels[j];
    }
}
