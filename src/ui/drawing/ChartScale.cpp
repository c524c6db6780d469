// Round axis divisions for the results chart.
#include "ui/drawing/ChartScale.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// The smallest of 1, 2, 5 times a power of ten not below raw (and not below minStep).
double RoundStep(double raw, double minStep) {
  const double wanted = std::max(raw, minStep > 0.0 ? minStep : 1e-12);
  const double power = std::pow(10.0, std::floor(std::log10(wanted)));
  for (double f : {1.0, 2.0, 5.0, 10.0}) {
    const double s = f * power;
    // A hair of tolerance, so 0.2 is not taken for more than 0.2.
    if (s >= wanted * (1.0 - 1e-9)) return s;
  }
  return 10.0 * power;
}

// Ticks as integer multiples of the step, so they print without creeping digits.
std::vector<double> Ticks(double low, double high, double step) {
  std::vector<double> ticks;
  const double tolerance = step * 1e-9;
  const long long first = static_cast<long long>(std::ceil((low - tolerance) / step));
  const long long last = static_cast<long long>(std::floor((high + tolerance) / step));
  for (long long i = first; i <= last && ticks.size() < 1000; ++i) {
    const double t = static_cast<double>(i) * step;
    ticks.push_back(t == 0.0 ? 0.0 : t);  // no "-0"
  }
  return ticks;
}

bool Usable(double low, double high) { return std::isfinite(low) && std::isfinite(high); }

}  // namespace

ChartScale RoundChartScale(double low, double high, double padding, int maxTicks, double minStep) {
  ChartScale s;
  if (!Usable(low, high)) low = high = 0.0;
  if (low > high) std::swap(low, high);
  maxTicks = std::max(maxTicks, 1);
  double span = high - low;
  if (span <= 0.0) {
    const double half = std::max(minStep, 1e-12);
    low -= half;
    high += half;
    span = high - low;
  }
  low -= padding * span;
  high += padding * span;
  s.step = RoundStep((high - low) / maxTicks, minStep);
  // Rounding the ends outward may need one more division than planned: widen the step.
  while (std::ceil(high / s.step - 1e-9) - std::floor(low / s.step + 1e-9) > maxTicks)
    s.step = RoundStep(s.step * 1.01, minStep);
  s.min = std::floor(low / s.step + 1e-9) * s.step;
  s.max = std::ceil(high / s.step - 1e-9) * s.step;
  s.ticks = Ticks(s.min, s.max, s.step);
  return s;
}

ChartScale FixedChartScale(double low, double high, int maxTicks, double minStep) {
  ChartScale s;
  if (!Usable(low, high)) low = high = 0.0;
  if (low > high) std::swap(low, high);
  if (high - low <= 0.0) high = low + std::max(minStep, 1e-12);
  s.min = low;
  s.max = high;
  s.step = RoundStep((high - low) / std::max(maxTicks, 1), minStep);
  s.ticks = Ticks(low, high, s.step);
  return s;
}

}  // namespace qv
