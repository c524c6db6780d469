// The diagram of the results page as chart series.
#include "pagelogic/ResultDiagram.h"

#include <cmath>

#include "model/ResultNumberFormat.h"
#include "pagelogic/ResultsPage.h"

namespace qv {

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;
constexpr double kMarkerThreshold = 0.00001;
constexpr double kSameMarker = 1e-8;

void HatchedCurve(const ResultCurves& r, int curve, ChartSeries& s) {
  const std::vector<double>& v = r.values[static_cast<std::size_t>(curve)];
  s.points.reserve(3 * r.x.size());
  for (std::size_t i = 0; i < r.x.size(); ++i) {
    s.points.push_back(ChartPoint{r.x[i], v[i]});
    s.points.push_back(ChartPoint{r.x[i], 0.0});
    s.points.push_back(ChartPoint{r.x[i], v[i]});
  }
}

bool HasMarker(const ChartSeries& s, double x, double y) {
  for (const ChartPoint& p : s.points)
    if (std::fabs(p.x - x) <= kSameMarker && std::fabs(p.y - y) <= kSameMarker) return true;
  return false;
}

// Every point of a curve at one of its group's positions, one marker per distinct point.
void AddMarkers(const ResultCurves& r, ChartSeries& s) {
  for (const InterestGroup& g : InterestGroups(r)) {
    for (int c : g.curves) {
      const std::vector<double>& v = r.values[static_cast<std::size_t>(c)];
      for (std::size_t i = 0; i < r.x.size(); ++i) {
        if (!IsPositionOf(g.positions, r.x[i]) || !(std::fabs(v[i]) > kMarkerThreshold)) continue;
        if (HasMarker(s, r.x[i], v[i])) continue;
        s.points.push_back(ChartPoint{r.x[i], v[i]});
        s.labels.push_back(ChartValueText(v[i]));
      }
    }
  }
}

}  // namespace

std::string ChartValueText(double value) { return FormatChartNumber(value); }

ResultDiagram BuildResultDiagram(const ResultCurves& r) {
  ResultDiagram d;
  d.title = r.title;
  d.footText = r.footText;
  d.valueAxisTitle = r.unit;
  d.xAxisTitle = "mm (paikalliskoordinaatisto x)";
  d.valueAxisInverted = IsForceKind(r.kind);
  d.series.resize(kChartSeriesCount);
  for (int c = kChartCurve1; c <= kChartCurve3; ++c) {
    ChartSeries& s = d.series[static_cast<std::size_t>(c)];
    s.colour = kRed;
    if (c < r.CurveCount()) HatchedCurve(r, c, s);
  }
  ChartSeries& axis = d.series[kChartAxis];
  axis.colour = kBlue;
  axis.penWidth = 2;
  axis.points.reserve(r.x.size());
  for (double x : r.x) axis.points.push_back(ChartPoint{x, 0.0});
  ChartSeries& markers = d.series[kChartMarkers];
  markers.kind = ChartSeriesKind::Points;
  markers.colour = kRed;
  markers.markerSize = 3.0;
  AddMarkers(r, markers);
  return d;
}

}  // namespace qv
