// The results chart drawn onto any canvas, so the screen, the metafiles and the tests share one picture.
#pragma once

#include <string>
#include <vector>

#include "pagelogic/ResultDiagram.h"
#include "ui/drawing/Canvas.h"

namespace qv {

// An axis scale: ticks at every multiple of step from first to max.
struct DiagramAxis {
  double min = 0.0;
  double max = 1.0;
  double step = 0.5;
  std::vector<double> Ticks() const;
};

// A scale over [lo, hi] with at most about maxTicks steps of 1, 2 or 5 times a power of
// ten, no finer than minStep. With expand the ends move out to whole steps; otherwise
// they stay at lo and hi. An empty range is widened by one step each way.
DiagramAxis NiceAxis(double lo, double hi, int maxTicks, double minStep, bool expand);

// Where the plot area lies in the picture (device pixels).
struct DiagramPlot {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
  DiagramAxis xAxis;
  DiagramAxis valueAxis;
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
