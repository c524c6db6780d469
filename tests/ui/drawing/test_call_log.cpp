// The call log: drawn later, or on another thread while it is still being written, it
// draws exactly what the drawing drew, and two logs compare equal only when every call,
// point, text, pen, brush and font is the same.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "model/TextCodec.h"
#include "ui/drawing/CallLog.h"
#include "ui/drawing/ChunkedArray.h"
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

std::unique_ptr<CallLog> Logged(const Scene& s, double pxPerMm = 4.0) {
  auto log = std::make_unique<CallLog>(pxPerMm, pxPerMm, LikeRecording());
  Draw(*log, s);
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
  const auto log = Logged(scene);
  EXPECT_EQ(log->Size(), static_cast<int>(direct.Calls().size()));
  RecordingCanvas replayed(4.0);
  Font own = replayed.GetFont();
  own.name = "Courier New";
  replayed.SetFont(own);
  replayed.SetPen(Pen{0x123456, 3, PenStyle::Dot});
  log->Replay(replayed);
  ExpectSameCalls(direct, replayed);
  // The canvas drawn on keeps its own state.
  EXPECT_EQ(replayed.GetFont().name, "Courier New");
  EXPECT_TRUE(replayed.GetPen() == (Pen{0x123456, 3, PenStyle::Dot}));
  EXPECT_EQ(replayed.SavedDepth(), 0);
}

TEST(CallLog, LogsAreTheSameOnlyWhenEveryCallIs) {
  const Scene scene;
  EXPECT_TRUE(Logged(scene)->SameAs(*Logged(scene)));

  Scene moved = scene;
  moved.shift = 1e-9;  // far below a pixel, still another drawing
  EXPECT_FALSE(Logged(moved)->SameAs(*Logged(scene)));
  Scene recoloured = scene;
  recoloured.pen = 0x0000FE;
  EXPECT_FALSE(Logged(recoloured)->SameAs(*Logged(scene)));
  Scene bigger = scene;
  bigger.fontHeight = 13.0;
  EXPECT_FALSE(Logged(bigger)->SameAs(*Logged(scene)));
  Scene renamed = scene;
  renamed.label = "q1 = 2.51 kN/m";  // same width, other text
  EXPECT_FALSE(Logged(renamed)->SameAs(*Logged(scene)));
  Scene longer = scene;
  longer.extraLine = true;
  EXPECT_FALSE(Logged(longer)->SameAs(*Logged(scene)));
  EXPECT_FALSE(Logged(scene, 4.0)->SameAs(*Logged(scene, 5.0)));
}

TEST(CallLog, WithoutItsMeasureTextsMeasureEmpty) {
  CallLog log(4.0, 4.0, LikeRecording());
  EXPECT_GT(log.TextExtent("abc").width, 0.0);
  log.StopMeasuring();
  EXPECT_EQ(log.TextExtent("abc").width, 0.0);
}

// A long drawing: many steps of calls, shapes of every length (one longer than a chunk of
// the point array) and texts, with the state changing now and then.
void DrawLong(Canvas& c, int calls) {
  for (int i = 0; i < calls; ++i) {
    if (i % 97 == 0) c.SetPen(Pen{static_cast<Colour>(i), 1 + i % 3, PenStyle::Solid});
    if (i % 211 == 0) {
      Font f = c.GetFont();
      f.height = 8.0 + i % 5;
      c.SetFont(f);
    }
    const double x = i * 0.5;
    switch (i % 5) {
      case 0:
        c.Line({x, 1}, {x + 1, 2});
        break;
      case 1: {
        std::vector<DevicePoint> points(static_cast<std::size_t>(i == 4001 ? 3000 : 2 + i % 7));
        for (std::size_t k = 0; k < points.size(); ++k) points[k] = {x + k, 3.0 * k};
        c.Polyline(points);
        break;
      }
      case 2:
        c.Ellipse(x, 0, x + 4, 4);
        break;
      case 3:
        c.Polygon({{x, 0}, {x + 2, 0}, {x + 1, 2}});
        break;
      default: {
        const std::string text = "P" + std::to_string(i);
        if (i % 2 == 0) c.TextExtent(text);
        c.Text({x, 10}, text);
      }
    }
  }
}

TEST(CallLog, DrawnOnAnotherThreadWhileLoggedItDrawsEveryCallInOrder) {
  RecordingCanvas direct(4.0);
  DrawLong(direct, 9000);
  CallLog log(4.0, 4.0, LikeRecording());
  RecordingCanvas replayed(4.0);
  std::thread painter([&] { log.ReplayWhileLogged(replayed); });
  int steps = 0;
  log.OnStep([&steps] { ++steps; });
  DrawLong(log, 9000);
  log.Close();
  painter.join();
  EXPECT_GE(steps, 9000 / 1024);
  ExpectSameCalls(direct, replayed);
  EXPECT_EQ(replayed.SavedDepth(), 0);
}

TEST(CallLog, AnEmptyLogClosedEndsItsReplay) {
  CallLog log(4.0, 4.0, LikeRecording());
  RecordingCanvas replayed(4.0);
  std::thread painter([&] { log.ReplayWhileLogged(replayed); });
  log.Close();
  painter.join();
  EXPECT_TRUE(replayed.Calls().empty());
}

// A canvas that keeps the widths it is handed for texts (-1: none handed).
class WidthTaker : public RecordingCanvas {
 public:
  using RecordingCanvas::RecordingCanvas;
  void Text(DevicePoint topLeft, const std::string& text) override {
    widths.push_back(-1.0);
    RecordingCanvas::Text(topLeft, text);
  }
  void MeasuredText(DevicePoint topLeft, const std::string& text, double width) override {
    widths.push_back(width);
    RecordingCanvas::Text(topLeft, text);
  }
  std::vector<double> widths;
};

// A text measured just before it is drawn, in the same font, is drawn with that width;
// any other is left for the canvas to measure.
TEST(CallLog, TextsAreDrawnWithTheWidthMeasuredJustBefore) {
  CallLog log(4.0, 4.0, [](const Font& font, const std::string& text) {
    return TextSize{font.height * static_cast<double>(text.size()), font.height};
  });
  Font f = log.GetFont();
  f.height = 10.0;
  log.SetFont(f);
  log.TextExtent("abc");
  log.Text({0, 0}, "abc");
  log.Text({0, 0}, "abc");  // still the last measured
  log.Text({0, 0}, "abcd");
  f.height = 20.0;
  log.SetFont(f);
  log.Text({0, 0}, "abc");  // measured in another font
  log.TextExtent("abc");
  log.Text({0, 0}, "abc");
  WidthTaker canvas(4.0);
  log.Replay(canvas);
  EXPECT_EQ(canvas.widths, (std::vector<double>{30.0, 30.0, -1.0, -1.0, 60.0}));
}

TEST(CallLog, MatchesSoFarStopsAtTheFirstCallThatDiffers) {
  const Scene scene;
  const auto shown = Logged(scene);
  std::size_t checked = 0;
  EXPECT_TRUE(Logged(scene)->MatchesSoFar(*shown, checked));
  EXPECT_EQ(checked, static_cast<std::size_t>(shown->Size()));

  Scene recoloured = scene;
  recoloured.pen = 0x0000FE;  // the first call already differs
  checked = 0;
  EXPECT_FALSE(Logged(recoloured)->MatchesSoFar(*shown, checked));
  EXPECT_EQ(checked, 0u);

  Scene longer = scene;
  longer.extraLine = true;  // one line more before the last call
  checked = 0;
  EXPECT_FALSE(Logged(longer)->MatchesSoFar(*shown, checked));
  EXPECT_EQ(checked, static_cast<std::size_t>(shown->Size() - 1));
  // Going on from where it stopped finds the same call again.
  EXPECT_FALSE(Logged(longer)->MatchesSoFar(*shown, checked));
  EXPECT_EQ(checked, static_cast<std::size_t>(shown->Size() - 1));

  // A log matches a longer one as far as it goes, but is not the same; the longer one
  // differs where the shorter one ends.
  const auto lines = [](int n) {
    auto log = std::make_unique<CallLog>(4.0, 4.0, LikeRecording());
    for (int i = 0; i < n; ++i) log->Line({0, 0}, {1.0 * i, 1});
    return log;
  };
  checked = 0;
  EXPECT_TRUE(lines(3)->MatchesSoFar(*lines(4), checked));
  EXPECT_EQ(checked, 3u);
  EXPECT_FALSE(lines(3)->SameAs(*lines(4)));
  checked = 0;
  EXPECT_FALSE(lines(4)->MatchesSoFar(*lines(3), checked));
  EXPECT_EQ(checked, 3u);
}

TEST(ChunkedArray, ElementsStayWhereTheyAreAsTheArrayGrows) {
  ChunkedArray<int> a;
  a.PushBack(0);
  const int* first = &a[0];
  for (int i = 1; i < 300000; ++i) a.PushBack(i);
  EXPECT_EQ(&a[0], first);
  ASSERT_EQ(a.Size(), 300000u);
  // Every element, across every chunk boundary, is the one pushed there.
  bool all = true;
  for (std::size_t i = 0; i < a.Size(); ++i) all = all && a[i] == static_cast<int>(i);
  EXPECT_TRUE(all);
  EXPECT_EQ(a.Back(), 299999);
}

}  // namespace
