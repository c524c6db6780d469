// The results chart drawn onto any canvas, so the screen, the metafiles and the tests share one
// picture.
#pragma once

#include <string>
#include <vector>

#include "pagelogic/ChartScale.h"
#include "pagelogic/ResultDiagram.h"
#include "ui/drawing/Canvas.h"

namespace qv {

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
