// The results chart as plain data (series with points, colours, axis titles and labels) and
// drawn onto any canvas, so the screen, the metafiles and the tests share one picture.
#pragma once

#include <string>
#include <vector>

#include "ui/drawing/Canvas.h"
#include "ui/drawing/ChartScale.h"

namespace qv {

enum class ChartSeriesKind { Line, Points };

struct ChartPoint {
  double x = 0.0;  // mm along the member
  double y = 0.0;  // value in the unit shown
};

struct ChartSeries {
  ChartSeriesKind kind = ChartSeriesKind::Line;
  Colour colour = 0x0000FF;  // red in the low byte, as the drawings
  int penWidth = 1;
  double markerSize = 0.0;  // point series: circle size
  std::vector<ChartPoint> points;
  std::vector<std::string> labels;  // point series: the value mark of each point
};

// Positions of the five series.
constexpr int kChartCurve1 = 0;
constexpr int kChartCurve2 = 1;  // displacements only
constexpr int kChartCurve3 = 2;  // EC5 displacements only
constexpr int kChartAxis = 3;
constexpr int kChartMarkers = 4;
constexpr int kChartSeriesCount = 5;

// A two-dimensional chart without zoom or panning; a widget maps it one to one.
struct ResultDiagram {
  std::string title;
  std::string footText;  // red italics
  Colour footColour = 0x0000FF;
  std::string valueAxisTitle;         // "kNm", "kN" or "mm"
  std::string xAxisTitle;             // "mm (paikalliskoordinaatisto x)"
  bool valueAxisInverted = false;     // internal forces: positive values plotted downward
  Colour labelBackground = 0xFFFFFF;  // behind the markers' value marks
  // Three red curves, drawn hatched from the axis: each point (x, v) of a curve gives
  // (x, v), (x, 0), (x, v). The blue axis line of pen width 2 gets (x, 0) per point. The
  // markers are red circles of size 3 at the positions of interest with |v| > 0.00001.
  std::vector<ChartSeries> series;
};

// Where the plot area lies in the picture (device pixels).
struct DiagramPlot {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
  ChartScale xAxis;      // fixed to the member's range
  ChartScale valueAxis;  // padded for the value marks, ends on ticks
  bool inverted = false;
  double X(double x) const;
  double Y(double value) const;  // inverted: larger values lower down
};

// Draws the chart into a picture of width x height device pixels: white background, the
// title on top, the value axis title above the value labels, the plot frame with grid and
// tick labels ("#,##0.00#" on the value axis), the curves, the axis line, the markers with
// their value marks on white boxes, the x axis title and the red italic foot text. The
// canvas's state is left as it was. Returns the plot placement (empty plot when the
// picture is too small for one; the texts are still drawn).
DiagramPlot DrawResultDiagram(Canvas* canvas, const ResultDiagram& diagram, int width, int height);

}  // namespace qv
