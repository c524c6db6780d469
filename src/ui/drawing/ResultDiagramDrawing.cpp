// Results chart drawing: layout, scales, series and value marks on a plain canvas.
#include "ui/drawing/ResultDiagramDrawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/ResultNumberFormat.h"

namespace qv {

namespace {

constexpr double kPad = 6.0;
constexpr double kTick = 4.0;
// As the chart on screen: room for the value marks, at most 8 value and 10 member
// divisions, fewer when the picture is small.
constexpr double kValuePadding = 0.15;
constexpr int kValueTicks = 8;
constexpr int kXTicks = 10;
constexpr double kValueLabelPixels = 40.0;
constexpr double kXLabelPixels = 90.0;
constexpr double kMinValueStep = 0.01;
constexpr double kMinXStep = 1.0;
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kGrid = 0xC0C0C0;
constexpr Colour kMarkFrame = 0x808080;

Font ChartFont(double height, Colour colour = kBlack, bool italic = false, bool bold = false) {
  return Font{"Arial", height, colour, italic, bold};
}

void Rectangle(Canvas& c, double l, double t, double r, double b) {
  c.Polygon({{l, t}, {r, t}, {r, b}, {l, b}});
}

// Text centred on x with its top at y.
void CentredText(Canvas& c, double x, double y, const std::string& text) {
  c.Text({std::floor(x - c.TextExtent(text).width / 2.0), y}, text);
}

struct Range {
  double lo = std::numeric_limits<double>::infinity();
  double hi = -std::numeric_limits<double>::infinity();
  void Add(double v) {
    if (!std::isfinite(v)) return;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  bool Empty() const { return lo > hi; }
};

std::string XAxisText(double v, double step) {
  std::string s = FormatChartNumber(v);
  if (step >= 1.0 && s.size() > 3 && s.compare(s.size() - 3, 3, ".00") == 0) s.resize(s.size() - 3);
  return s;
}

struct Layout {
  double titleHeight = 0, axisTitleHeight = 0, labelHeight = 0, footHeight = 0;
  double plotTop = 0, plotBottom = 0;
};

Layout VerticalLayout(Canvas& c, const ResultDiagram& d, int height) {
  Layout l;
  c.SetFont(ChartFont(14.0));
  l.titleHeight = d.title.empty() ? 0.0 : c.TextExtent(d.title).height;
  c.SetFont(ChartFont(12.0));
  l.axisTitleHeight = c.TextExtent("Xg").height;
  c.SetFont(ChartFont(11.0));
  l.labelHeight = c.TextExtent("0").height;
  c.SetFont(ChartFont(12.0, d.footColour, true));
  l.footHeight = d.footText.empty() ? 0.0 : c.TextExtent(d.footText).height;
  l.plotTop = kPad + (l.titleHeight > 0 ? l.titleHeight + 4.0 : 0.0) + l.axisTitleHeight + 6.0;
  l.plotBottom = height - kPad - (l.footHeight > 0 ? l.footHeight + 4.0 : 0.0) - l.axisTitleHeight -
                 4.0 - l.labelHeight - kTick - 1.0;
  return l;
}

void DrawTexts(Canvas& c, const ResultDiagram& d, const Layout& l, int width, int height,
               double plotBottom) {
  c.SetBrush(Brush{kWhite, BrushStyle::Clear});
  if (!d.title.empty()) {
    c.SetFont(ChartFont(14.0));
    CentredText(c, width / 2.0, kPad, d.title);
  }
  c.SetFont(ChartFont(12.0));
  c.Text({kPad, l.plotTop - 6.0 - l.axisTitleHeight}, d.valueAxisTitle);
  CentredText(c, width / 2.0, plotBottom + kTick + 1.0 + l.labelHeight + 4.0, d.xAxisTitle);
  if (!d.footText.empty()) {
    c.SetFont(ChartFont(12.0, d.footColour, true));
    CentredText(c, width / 2.0, height - kPad - l.footHeight, d.footText);
  }
}

void DrawGridAndLabels(Canvas& c, const DiagramPlot& p, double labelHeight) {
  c.SetFont(ChartFont(11.0));
  c.SetBrush(Brush{kWhite, BrushStyle::Clear});
  for (double v : p.valueAxis.ticks) {
    const double y = std::round(p.Y(v));
    c.SetPen(Pen{kGrid, 1, PenStyle::Dot});
    c.Line({p.left, y}, {p.right, y});
    c.SetPen(Pen{kBlack, 1, PenStyle::Solid});
    c.Line({p.left - kTick, y}, {p.left, y});
    const std::string text = FormatChartNumber(v);
    c.Text({std::floor(p.left - kTick - 2.0 - c.TextExtent(text).width), y - labelHeight / 2.0},
           text);
  }
  for (double x : p.xAxis.ticks) {
    const double dx = std::round(p.X(x));
    c.SetPen(Pen{kGrid, 1, PenStyle::Dot});
    c.Line({dx, p.top}, {dx, p.bottom});
    c.SetPen(Pen{kBlack, 1, PenStyle::Solid});
    c.Line({dx, p.bottom}, {dx, p.bottom + kTick});
    CentredText(c, dx, p.bottom + kTick + 1.0, XAxisText(x, p.xAxis.step));
  }
}

void DrawLineSeries(Canvas& c, const DiagramPlot& p, const ChartSeries& s) {
  std::vector<DevicePoint> pts;
  pts.reserve(s.points.size());
  for (const ChartPoint& q : s.points)
    if (std::isfinite(q.x) && std::isfinite(q.y)) pts.push_back({p.X(q.x), p.Y(q.y)});
  if (pts.size() < 2) return;
  c.SetPen(Pen{s.colour, std::max(1, s.penWidth), PenStyle::Solid});
  c.Polyline(pts);
}

// Value marks stand on the side away from the axis line, inside the plot's width.
void DrawMarkers(Canvas& c, const DiagramPlot& p, const ChartSeries& s, Colour background,
                 int height) {
  const double r = s.markerSize > 0.0 ? s.markerSize : 3.0;
  const double axisY = p.Y(0.0);
  c.SetFont(ChartFont(11.0));
  // Marks of nearby extremes (the curves of one deflection diagram) would cover each other: a
  // mark moves on away from the axis past the ones already drawn.
  struct Box {
    double left, top, right, bottom;
    double x, y;  // the point marked
    const std::string* text;
  };
  std::vector<Box> placed;
  for (std::size_t i = 0; i < s.points.size(); ++i) {
    const ChartPoint& q = s.points[i];
    if (!std::isfinite(q.x) || !std::isfinite(q.y)) continue;
    const double x = p.X(q.x), y = p.Y(q.y);
    c.SetPen(Pen{s.colour, 1, PenStyle::Solid});
    c.SetBrush(Brush{s.colour, BrushStyle::Solid});
    c.Ellipse(x - r, y - r, x + r, y + r);
    if (i >= s.labels.size() || s.labels[i].empty()) continue;
    const TextSize ts = c.TextExtent(s.labels[i]);
    const double w = ts.width + 4.0, h = ts.height + 2.0;
    double left = std::min(x - w / 2.0, p.right - w);
    left = std::max(0.0, std::max(left, p.left));
    const bool above = y <= axisY;
    double top = above ? y - r - 4.0 - h : y + r + 4.0;
    // The same value at the same point (curves meeting there) is said by one mark.
    if (std::any_of(placed.begin(), placed.end(),
                    [&](const Box& b) { return b.x == x && b.y == y && *b.text == s.labels[i]; }))
      continue;
    for (std::size_t tries = 0; tries < placed.size(); ++tries) {
      const auto clash = std::find_if(placed.begin(), placed.end(), [&](const Box& b) {
        return left < b.right && left + w > b.left && top < b.bottom && top + h > b.top;
      });
      if (clash == placed.end()) break;
      top = above ? clash->top - h - 1.0 : clash->bottom + 1.0;
    }
    top = std::max(0.0, std::min(top, height - h));
    placed.push_back({left, top, left + w, top + h, x, y, &s.labels[i]});
    c.SetPen(Pen{kMarkFrame, 1, PenStyle::Solid});
    c.SetBrush(Brush{background, BrushStyle::Solid});
    left = std::floor(left);
    top = std::floor(top);
    Rectangle(c, left, top, left + std::ceil(w), top + std::ceil(h));
    c.SetBrush(Brush{background, BrushStyle::Clear});
    c.Text({left + 2.0, top + 1.0}, s.labels[i]);
  }
}

}  // namespace

double DiagramPlot::X(double x) const {
  const double span = xAxis.max - xAxis.min;
  return left + (span > 0.0 ? (x - xAxis.min) / span : 0.5) * (right - left);
}

double DiagramPlot::Y(double v) const {
  const double span = valueAxis.max - valueAxis.min;
  const double t = span > 0.0 ? (v - valueAxis.min) / span : 0.5;
  return inverted ? top + t * (bottom - top) : bottom - t * (bottom - top);
}

DiagramPlot DrawResultDiagram(Canvas* canvas, const ResultDiagram& d, int width, int height) {
  DiagramPlot p;
  if (!canvas || width < 1 || height < 1) return p;
  Canvas& c = *canvas;
  CanvasStateSaver saver(canvas);
  c.SetPen(Pen{kWhite, 1, PenStyle::None});
  c.SetBrush(Brush{kWhite, BrushStyle::Solid});
  Rectangle(c, 0, 0, width, height);

  Range xs, vs;
  vs.Add(0.0);
  for (const ChartSeries& s : d.series)
    for (const ChartPoint& q : s.points) xs.Add(q.x), vs.Add(q.y);
  if (xs.Empty()) xs.Add(0.0), xs.Add(1.0);
  const Layout l = VerticalLayout(c, d, height);
  p.inverted = d.valueAxisInverted;
  p.top = l.plotTop;
  p.bottom = l.plotBottom;
  const int valueTicks = static_cast<int>((p.bottom - p.top) / kValueLabelPixels);
  p.valueAxis = RoundChartScale(vs.lo, vs.hi, kValuePadding,
                                std::max(2, std::min(kValueTicks, valueTicks)), kMinValueStep);

  c.SetFont(ChartFont(11.0));
  double labelWidth = 0.0;
  for (double v : p.valueAxis.ticks)
    labelWidth = std::max(labelWidth, c.TextExtent(FormatChartNumber(v)).width);
  p.left = kPad + labelWidth + kTick + 2.0;
  p.right = width - kPad - 24.0;  // half of a typical last x label
  const int xTicks = static_cast<int>((p.right - p.left) / kXLabelPixels);
  p.xAxis = FixedChartScale(xs.lo, xs.hi, std::max(1, std::min(kXTicks, xTicks)), kMinXStep);

  DrawTexts(c, d, l, width, height, p.bottom);
  if (p.right - p.left < 4.0 || p.bottom - p.top < 4.0) return DiagramPlot();
  DrawGridAndLabels(c, p, l.labelHeight);
  for (const ChartSeries& s : d.series)
    if (s.kind == ChartSeriesKind::Line) DrawLineSeries(c, p, s);
  c.SetPen(Pen{kBlack, 1, PenStyle::Solid});
  c.SetBrush(Brush{kWhite, BrushStyle::Clear});
  Rectangle(c, p.left, p.top, p.right, p.bottom);
  for (const ChartSeries& s : d.series)
    if (s.kind == ChartSeriesKind::Points) DrawMarkers(c, p, s, d.labelBackground, height);
  return p;
}

}  // namespace qv
