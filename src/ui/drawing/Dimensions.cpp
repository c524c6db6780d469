// Dimension chains: ticks or arrows, and segment lengths or running distances as labels.
#include "ui/drawing/Dimensions.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/NumberText.h"
#include "model/QELvektori.h"
#include "project/QELVUX_data.h"
#include "ui/drawing/LoadDrawing.h"
#include "ui/drawing/MemberDrawing.h"

namespace qv {

namespace {

std::vector<double> Sorted(const std::vector<double>& values) {
  std::vector<double> out;
  for (double v : values) {
    if (std::isfinite(v)) out.push_back(v);
  }
  std::sort(out.begin(), out.end());
  return out;
}

// "%.0f" of the label's number; empty when it reads as zero.
std::string LabelText(double value) {
  const std::string t = FormatFixed(value, 0);
  return (t == "0" || t == "-0") ? std::string() : t;
}

void HorizontalChain(Canvas* c, const ViewTransform& view, const DimensionStyle& style, double t,
                     double yc, const std::vector<double>& v) {
  view.DrawLine(c, v.front(), yc, v.back(), yc);
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double p = v[i];
    view.DrawLine(c, p, yc - t, p, yc + t);
    if (style.slantedTicks) {
      view.DrawLine(c, p - t, yc - t, p + t, yc + t);
    } else if (i > 0) {
      view.DrawLine(c, p - t, yc - t, p, yc);
      view.DrawLine(c, p - t, yc + t, p, yc);
    }
  }
  for (std::size_t i = 1; i < v.size(); ++i) {
    const std::string text = LabelText(style.slantedTicks ? v[i] - v[i - 1] : v[i] - v[0]);
    if (text.empty()) continue;
    int lx = 0, ly = 0, w = 0, h = 0;
    view.TextExtent(c, text, w, h);
    const double mid = (v[i - 1] + v[i]) / 2.0;
    if (style.horizontalLabelsAbove) {
      view.WorldToLogical(mid, yc + t, lx, ly);
      ly += h;
    } else {
      view.WorldToLogical(mid, yc - t, lx, ly);
    }
    view.TextOut(c, lx - w / 2, ly, text);
  }
}

void VerticalChain(Canvas* c, const ViewTransform& view, const DimensionStyle& style, double t,
                   double xc, const std::vector<double>& v) {
  view.DrawLine(c, xc, v.front(), xc, v.back());
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double p = v[i];
    view.DrawLine(c, xc - t, p, xc + t, p);
    if (style.slantedTicks) {
      view.DrawLine(c, xc - t, p - t, xc + t, p + t);
    } else if (i > 0) {
      view.DrawLine(c, xc - t, p - t, xc, p);
      view.DrawLine(c, xc + t, p - t, xc, p);
    }
  }
  for (std::size_t i = 1; i < v.size(); ++i) {
    const std::string text = LabelText(style.slantedTicks ? v[i] - v[i - 1] : v[i] - v[0]);
    if (text.empty()) continue;
    int lx = 0, ly = 0, w = 0, h = 0;
    view.TextExtent(c, text, w, h);
    const double mid = (v[i - 1] + v[i]) / 2.0;
    if (style.verticalLabelsRight) {
      view.WorldToLogical(xc + t, mid, lx, ly);
    } else {
      view.WorldToLogical(xc - t, mid, lx, ly);
      lx -= w;
    }
    view.TextOut(c, lx, ly + h / 2, text);
  }
}

// The distinct values ascending, the first given of equal ones kept, as a sorted
// QELlukuvektori gathers them; sorted once, as a long member has thousands of load
// positions and the list inserts one by one.
std::vector<double> Distinct(std::vector<double> v) {
  if (std::any_of(v.begin(), v.end(), [](double x) { return std::isnan(x); })) {
    QELlukuvektori kept(20, 20, 1);
    for (double x : v) kept.Add(x);
    return kept.Values();
  }
  std::stable_sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end(), [](double a, double b) { return a == b; }), v.end());
  return v;
}

// Both projections of the positions along the member, by the angle's rule.
void DrawProjected(Canvas* canvas, const ViewTransform& view, double angle,
                   const std::vector<double>& given, const DimensionStyle& style,
                   const DimensionPlacement& placement) {
  double cs = 1.0, sn = 0.0;
  MemberDirection(angle, cs, sn);
  const std::vector<double> positions = Distinct(given);
  std::vector<double> xs;
  std::vector<double> ys;
  for (double p : positions) {
    xs.push_back(p * cs);
    ys.push_back(p * sn);
  }
  const std::vector<double> none;
  DrawDimensionChain(canvas, view, style, placement, angle == 90.0 ? none : Distinct(xs),
                     angle == 0.0 ? none : Distinct(ys));
}

}  // namespace

void DrawDimensionChain(Canvas* canvas, const ViewTransform& view, const DimensionStyle& style,
                        const DimensionPlacement& placement, const std::vector<double>& xValues,
                        const std::vector<double>& yValues) {
  Canvas* c = canvas ? canvas : view.ViewCanvas();
  if (!c) return;
  CanvasStateSaver keep(c);
  UseOutline(c);
  const std::vector<double> xs = Sorted(xValues);
  const std::vector<double> ys = Sorted(yValues);
  if (!xs.empty()) HorizontalChain(c, view, style, placement.tick, placement.horizontalY, xs);
  if (!ys.empty()) VerticalChain(c, view, style, placement.tick, placement.verticalX, ys);
}

void DrawDimensions(Canvas* canvas, const ViewTransform& view, const QELVUX_data* project,
                    const DimensionStyle& style, const DimensionPlacement& placement) {
  if (!project) return;
  const RakenneVektori& m = project->Member;
  std::vector<double> positions{0.0, m.Length};
  for (int i = 0; i < m.Count(); ++i) {
    const int kind = m.Kind(i);
    if (kind == RakenneVektori::kSupport || kind == RakenneVektori::kHinge)
      positions.push_back(m.X(i));
  }
  DrawProjected(canvas, view, m.Angle, positions, style, placement);
}

void DrawLoadDimensions(Canvas* canvas, const ViewTransform& view, const QELVUX_data* project,
                        const DimensionStyle& style, const DimensionPlacement& placement) {
  if (!project) return;
  const RakenneVektori& m = project->Member;
  const KuormaVektori& loads = project->Loads;
  std::vector<double> positions{0.0, m.Length};
  for (int i = 0; i < loads.Count(); ++i) {
    if (!LoadVisible(loads, i)) continue;
    if (loads.Kind(i) == KuormaVektori::kPoint) {
      positions.push_back(loads.X1(i));
    } else {
      positions.push_back(loads.X1(i) < 0.0 ? 0.0 : loads.X1(i));
      positions.push_back(loads.X2(i) < 0.0 ? m.Length : loads.X2(i));
    }
  }
  DrawProjected(canvas, view, m.Angle, positions, style, placement);
}

}  // namespace qv
