// Tests of the results chart's axis divisions: round steps, ends on ticks, padding, degenerate
// ranges.
#include <gtest/gtest.h>

#include <cmath>

#include "ui/drawing/ChartScale.h"

namespace {

bool OnMultiple(double v, double step) {
  const double r = v / step;
  return std::fabs(r - std::round(r)) < 1e-9;
}

// Step is 1, 2 or 5 times a power of ten.
bool RoundStep(double step) {
  const double m = step / std::pow(10.0, std::floor(std::log10(step) + 1e-12));
  return std::fabs(m - 1.0) < 1e-9 || std::fabs(m - 2.0) < 1e-9 || std::fabs(m - 5.0) < 1e-9;
}

TEST(ChartScale, RoundStepsAndEndsOnTicksCoverThePaddedRange) {
  struct Case {
    double low, high, padding;
  } cases[] = {{-37.5, 12.4, 0.0},    {-37.5, 12.4, 0.15}, {0.0, 0.0173, 0.1},
               {-2.6e3, -1.1e3, 0.1}, {3.0, 3.0001, 0.0},  {-0.8, 1.6, 0.2}};
  for (const Case& c : cases) {
    const qv::ChartScale s = qv::RoundChartScale(c.low, c.high, c.padding, 8, 0.01);
    const double pad = c.padding * (c.high - c.low);
    EXPECT_LE(s.min, c.low - pad + 1e-12) << c.low;
    EXPECT_GE(s.max, c.high + pad - 1e-12) << c.high;
    EXPECT_TRUE(RoundStep(s.step)) << s.step;
    EXPECT_GE(s.step, 0.01 - 1e-15);
    EXPECT_TRUE(OnMultiple(s.min, s.step) && OnMultiple(s.max, s.step));
    ASSERT_FALSE(s.ticks.empty());
    EXPECT_DOUBLE_EQ(s.ticks.front(), s.min);
    EXPECT_NEAR(s.ticks.back(), s.max, 1e-9 * s.step);
    EXPECT_LE(static_cast<int>(s.ticks.size()) - 1, 8) << c.low << " " << c.high;
  }
}

TEST(ChartScale, HandWorkedMomentRange) {
  // -37.5 .. 12.4 over at most 8 divisions: 49.9 / 8 = 6.2 -> step 10, axis -40 .. 20.
  const qv::ChartScale s = qv::RoundChartScale(-37.5, 12.4, 0.0, 8, 0.01);
  EXPECT_DOUBLE_EQ(s.step, 10.0);
  EXPECT_DOUBLE_EQ(s.min, -40.0);
  EXPECT_DOUBLE_EQ(s.max, 20.0);
  EXPECT_EQ(s.ticks.size(), 7u);
  // Ticks are exact multiples: zero appears as +0, without creeping digits.
  EXPECT_EQ(s.ticks[4], 0.0);
  EXPECT_FALSE(std::signbit(s.ticks[4]));
}

TEST(ChartScale, ZeroOrTinySpanStaysReadable) {
  // Nothing loaded: all values 0, the axis still spans round values around zero.
  const qv::ChartScale zero = qv::RoundChartScale(0.0, 0.0, 0.1, 8, 0.01);
  EXPECT_LT(zero.min, 0.0);
  EXPECT_GT(zero.max, 0.0);
  EXPECT_GE(zero.step, 0.01);
  // A deflection of a few micrometres is not divided below the minimum step, so every tick
  // has its own text at two or three decimals.
  const qv::ChartScale tiny = qv::RoundChartScale(-0.0004, 0.0, 0.1, 8, 0.01);
  EXPECT_DOUBLE_EQ(tiny.step, 0.01);
  // Swapped ends and non-finite input give a sound scale, not a hang.
  const qv::ChartScale swapped = qv::RoundChartScale(5.0, -5.0, 0.0, 5, 0.01);
  EXPECT_LE(swapped.min, -5.0);
  EXPECT_GE(swapped.max, 5.0);
  const qv::ChartScale bad = qv::RoundChartScale(NAN, INFINITY, 0.1, 8, 0.01);
  EXPECT_FALSE(bad.ticks.empty());
}

TEST(ChartScale, FixedRangeKeepsItsEnds) {
  // A 8400 mm member: ends stay, ticks at whole thousands (8400 / 8 = 1050 -> 2000).
  const qv::ChartScale s = qv::FixedChartScale(0.0, 8400.0, 8, 1.0);
  EXPECT_DOUBLE_EQ(s.min, 0.0);
  EXPECT_DOUBLE_EQ(s.max, 8400.0);
  EXPECT_DOUBLE_EQ(s.step, 2000.0);
  EXPECT_EQ(s.ticks, (std::vector<double>{0.0, 2000.0, 4000.0, 6000.0, 8000.0}));
  // Padded ends: the ticks inside only.
  const qv::ChartScale p = qv::FixedChartScale(-300.0, 6300.0, 10, 1.0);
  EXPECT_DOUBLE_EQ(p.step, 1000.0);
  EXPECT_EQ(p.ticks.front(), 0.0);
  EXPECT_EQ(p.ticks.back(), 6000.0);
}

}  // namespace
