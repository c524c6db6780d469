// The call log: drawn later it draws exactly what the drawing drew, and two logs compare
// equal only when every call, point, text, pen, brush and font is the same.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/TextCodec.h"
#include "ui/drawing/CallLog.h"
#include "ui/drawing/RecordingCanvas.h"

namespace {

using namespace qv;

struct Scene {
  double shift = 0.0;
  Colour pen = 0x0000FF;
  double fontHeight = 12.0;
  std::string label = "q1 = 2.50 kN/m";
  bool extraLine = false;
};

// A little of everything a member drawing does: state changes, saved and restored state,
// every kind of shape and a text placed by its measured width.
void Draw(Canvas& c, const Scene& s) {
  c.SetPen(Pen{s.pen, 2, PenStyle::Solid});
  c.Line({10 + s.shift, 10}, {90, 10});
  {
    CanvasStateSaver keep(&c);
    c.SetBrush(Brush{0x00FF00, BrushStyle::DiagonalHatch});
    c.Polygon({{0, 0}, {20, 0}, {20, 20}});
    c.SetPenStyle(PenStyle::Dash);
    c.Polyline({{0, 30}, {10, 35}, {20, 30}, {30, 35}});
  }
  c.Ellipse(40, 40, 60, 70);
  Font f = c.GetFont();
  f.height = s.fontHeight;
  f.bold = true;
  c.SetFont(f);
  const TextSize t = c.TextExtent(s.label);
  c.Text({100 - t.width, 50}, s.label);
  if (s.extraLine) c.Line({0, 0}, {1, 1});
  c.Polygon({{1, 1}, {2, 2}});  // too few points: kept as asked, the canvas decides
}

CallLog::Measure LikeRecording() {
  return [](const Font& font, const std::string& text) {
    return TextSize{0.6 * font.height * static_cast<double>(CharCount(text)), font.height};
  };
}

CallLog Logged(const Scene& s, double pxPerMm = 4.0) {
  CallLog log(pxPerMm, pxPerMm, LikeRecording());
  Draw(log, s);
  return log;
}

void ExpectSameCalls(const RecordingCanvas& a, const RecordingCanvas& b) {
  ASSERT_EQ(a.Calls().size(), b.Calls().size());
  for (std::size_t i = 0; i < a.Calls().size(); ++i) {
    const CanvasCall& x = a.Calls()[i];
    const CanvasCall& y = b.Calls()[i];
    EXPECT_EQ(x.op, y.op) << i;
    EXPECT_EQ(x.text, y.text) << i;
    EXPECT_TRUE(x.pen == y.pen) << i;
    EXPECT_TRUE(x.brush == y.brush) << i;
    EXPECT_TRUE(x.font == y.font) << i;
    ASSERT_EQ(x.points.size(), y.points.size()) << i;
    for (std::size_t k = 0; k < x.points.size(); ++k) {
      EXPECT_EQ(x.points[k].x, y.points[k].x) << i;
      EXPECT_EQ(x.points[k].y, y.points[k].y) << i;
    }
  }
}

TEST(CallLog, ReplayDrawsWhatTheDrawingDrew) {
  const Scene scene;
  RecordingCanvas direct(4.0);
  Draw(direct, scene);
  const CallLog log = Logged(scene);
  EXPECT_EQ(log.Size(), static_cast<int>(direct.Calls().size()));
  RecordingCanvas replayed(4.0);
  Font own = replayed.GetFont();
  own.name = "Courier New";
  replayed.SetFont(own);
  replayed.SetPen(Pen{0x123456, 3, PenStyle::Dot});
  log.Replay(replayed);
  ExpectSameCalls(direct, replayed);
  // The canvas drawn on keeps its own state.
  EXPECT_EQ(replayed.GetFont().name, "Courier New");
  EXPECT_TRUE(replayed.GetPen() == (Pen{0x123456, 3, PenStyle::Dot}));
  EXPECT_EQ(replayed.SavedDepth(), 0);
}

TEST(CallLog, LogsAreTheSameOnlyWhenEveryCallIs) {
  const Scene scene;
  EXPECT_TRUE(Logged(scene).SameAs(Logged(scene)));

  Scene moved = scene;
  moved.shift = 1e-9;  // far below a pixel, still another drawing
  EXPECT_FALSE(Logged(moved).SameAs(Logged(scene)));
  Scene recoloured = scene;
  recoloured.pen = 0x0000FE;
  EXPECT_FALSE(Logged(recoloured).SameAs(Logged(scene)));
  Scene bigger = scene;
  bigger.fontHeight = 13.0;
  EXPECT_FALSE(Logged(bigger).SameAs(Logged(scene)));
  Scene renamed = scene;
  renamed.label = "q1 = 2.51 kN/m";  // same width, other text
  EXPECT_FALSE(Logged(renamed).SameAs(Logged(scene)));
  Scene longer = scene;
  longer.extraLine = true;
  EXPECT_FALSE(Logged(longer).SameAs(Logged(scene)));
  EXPECT_FALSE(Logged(scene, 4.0).SameAs(Logged(scene, 5.0)));
}

TEST(CallLog, WithoutItsMeasureTextsMeasureEmpty) {
  CallLog log(4.0, 4.0, LikeRecording());
  EXPECT_GT(log.TextExtent("abc").width, 0.0);
  log.StopMeasuring();
  EXPECT_EQ(log.TextExtent("abc").width, 0.0);
}

}  // namespace
