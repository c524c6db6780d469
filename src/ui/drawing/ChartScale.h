// Round axis divisions for the results chart: a range padded for the value marks and ticks at 1, 2
// or 5 times a power of ten.
#pragma once

#include <vector>

namespace qv {

struct ChartScale {
  double min = 0.0;  // axis range
  double max = 0.0;
  double step = 0.0;          // distance of the ticks
  std::vector<double> ticks;  // multiples of step within [min, max], ascending
};

// An axis over [low, high] widened by padding times the span on each side, with its ends on
// ticks and at most maxTicks divisions of 1, 2 or 5 times a power of ten, never finer than
// minStep. An empty or zero span is centred on its value with the width of two minimum steps.
ChartScale RoundChartScale(double low, double high, double padding, int maxTicks, double minStep);

// The same divisions over a fixed range [low, high]: the ticks fall on multiples of the
// step inside it, the ends stay where they are (an x axis from the member start to its end).
ChartScale FixedChartScale(double low, double high, int maxTicks, double minStep);

}  // namespace qv
