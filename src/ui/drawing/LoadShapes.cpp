// Point-load arrows and distributed-load outlines in world millimetres.
#include "ui/drawing/LoadShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "ui/drawing/MemberDrawing.h"

namespace qv {

namespace {

WorldPoint Add(WorldPoint a, double k, double vx, double vy) {
  return WorldPoint{a.x + k * vx, a.y + k * vy};
}

// Filled head with its tip at t along the unit vector (ex, ey), 2b long and 2b wide.
void Head(Canvas* c, const ViewTransform& view, WorldPoint t, double ex, double ey, double b) {
  const double rx = ey;  // right normal
  const double ry = -ex;
  const WorldPoint base = Add(t, -2.0 * b, ex, ey);
  view.DrawPolygon(c, {t, Add(base, b, rx, ry), Add(base, -b, rx, ry)});
}

// Label with a clear brush, centred on x and standing on y (raised by its own height), or
// hanging from y; raised further when another label of the pass already stands there.
void Label(Canvas* c, const ViewTransform& view, double x, double y, const LoadSymbol& sym,
           bool hanging = false) {
  if (sym.label.empty()) return;
  CanvasStateSaver keep(c);
  c->SetBrushStyle(BrushStyle::Clear);
  int lx = 0, ly = 0, w = 0, h = 0;
  view.WorldToLogical(x, y, lx, ly);
  view.TextExtent(c, sym.label, w, h);
  lx -= w / 2;
  if (!hanging) ly += h;
  if (sym.layout) sym.layout->Place(sym.key, lx, ly, w, h);
  view.TextOut(c, lx, ly, sym.label);
}

// Label beside x at the height y, its middle there: ending 1 mm short of x on the left, or
// starting 1 mm after it on the right; raised like any other when it meets another label.
void SideLabel(Canvas* c, const ViewTransform& view, double x, double y, bool toLeft,
               const LoadSymbol& sym) {
  if (sym.label.empty()) return;
  CanvasStateSaver keep(c);
  c->SetBrushStyle(BrushStyle::Clear);
  int lx = 0, ly = 0, w = 0, h = 0;
  view.WorldToLogical(x, y, lx, ly);
  view.TextExtent(c, sym.label, w, h);
  lx = toLeft ? lx - w - kLabelClearance : lx + kLabelClearance;
  ly += h / 2;
  if (sym.layout) sym.layout->Place(sym.key, lx, ly, w, h);
  view.TextOut(c, lx, ly, sym.label);
}

// Keeps the lowest of the points in the pass's layout.
void Reach(const ViewTransform& view, const LoadSymbol& sym, std::initializer_list<WorldPoint> at) {
  if (!sym.layout) return;
  for (const WorldPoint& p : at) {
    int lx = 0, ly = 0;
    view.WorldToLogical(p.x, p.y, lx, ly);
    sym.layout->Reach(lx, ly);
  }
}

// Side of the axis line on which the outline lies.
bool SideVector(int direction, double angle, double& vx, double& vy) {
  double cs = 1.0, sn = 0.0;
  MemberDirection(angle, cs, sn);
  switch (direction) {
    case 1:
    case 4:
      vx = -1.0;
      vy = 0.0;
      return true;
    case 2:
    case 5:
      vx = 0.0;
      vy = 1.0;
      return true;
    case 3:
    case 6:
    case -3:
    case -6:
      vx = 1.0 / 1.41;
      vy = 1.0 / 1.41;
      return true;
    // Local x loads become strips on the left-normal side; local y lies there too.
    case -1:
    case -4:
    case -2:
    case -5:
      vx = -sn;
      vy = cs;
      return true;
    default:
      return false;
  }
}

// True when the load runs along the member: local x, or an X or Y load whose shafts point
// (almost) along the axis.
bool ActsAlongMember(int direction, double angle) {
  if (direction == -1 || direction == -4) return true;
  double cs = 1.0, sn = 0.0;
  MemberDirection(angle, cs, sn);
  double sx = 0.0, sy = 0.0;
  switch (direction) {
    case 1:
    case 4:
      sx = 1.0;
      sy = 0.0;
      break;  // outer point to axis
    case 2:
    case 5:
      sx = 0.0;
      sy = 1.0;
      break;  // axis to outer point
    case -2:
    case -5:
      sx = -sn;
      sy = cs;
      break;
    default:
      return false;
  }
  return std::fabs(sx - cs) < 0.03 && std::fabs(sy - sn) < 0.03;
}

// The edges of a polygon as lines the labels of the pass keep clear of.
void KeepLabelsOff(const ViewTransform& view, LabelLayout* layout,
                   const std::vector<WorldPoint>& polygon) {
  if (!layout || !layout->Collecting()) return;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const WorldPoint a = polygon[i];
    const WorldPoint b = polygon[(i + 1) % polygon.size()];
    int ax = 0, ay = 0, bx = 0, by = 0;
    view.WorldToLogical(a.x, a.y, ax, ay);
    view.WorldToLogical(b.x, b.y, bx, by);
    layout->AddLine(ax, ay, bx, by);
  }
}

// Outline with a clear brush; two triangles meeting at the zero point when the signs differ.
void Outline(Canvas* c, const ViewTransform& view, WorldPoint s, WorldPoint e, double h1, double h2,
             double vx, double vy, LabelLayout* layout) {
  CanvasStateSaver keep(c);
  c->SetBrushStyle(BrushStyle::Clear);
  const WorldPoint os = Add(s, std::fabs(h1), vx, vy);
  const WorldPoint oe = Add(e, std::fabs(h2), vx, vy);
  std::vector<std::vector<WorldPoint>> parts;
  if (h1 * h2 < 0.0) {
    const double f = h1 / (h1 - h2);
    const WorldPoint z{s.x + f * (e.x - s.x), s.y + f * (e.y - s.y)};
    parts = {{s, os, z, z}, {z, z, oe, e}};
  } else {
    parts = {{s, os, oe, e}};
  }
  for (const std::vector<WorldPoint>& part : parts) {
    view.DrawPolygon(c, part);
    KeepLabelsOff(view, layout, part);
  }
}

// Number of 5 g cells and the fraction of the axis line at the middle of cell i.
int CellCount(double length, double g) {
  if (!(g > 0.0) || !(length > 0.0)) return 0;
  return static_cast<int>(std::floor(length / (5.0 * g)));
}

double CellFraction(int i, int n, double length, double g) {
  return (i + 0.5 + (length - 5.0 * g * n) / (10.0 * g)) * 5.0 * g / length;
}

void Strip(Canvas* c, const ViewTransform& view, WorldPoint s, WorldPoint e, double h1, double h2,
           const LoadSymbol& sym) {
  double cs = 1.0, sn = 0.0;
  MemberDirection(sym.angle, cs, sn);
  const double vx = -sn, vy = cs;
  Outline(c, view, s, e, h1, h2, vx, vy, sym.layout);
  double ux = 0.0, uy = 0.0;
  LoadDirectionVector(sym.direction, sym.angle, ux, uy);
  const double along = (ux * cs + uy * sn) < 0.0 ? -1.0 : 1.0;
  const double length = std::hypot(e.x - s.x, e.y - s.y);
  const int n = CellCount(length, sym.head);
  const double g = sym.head;
  for (int i = 0; i < n; ++i) {
    const double f = CellFraction(i, n, length, g);
    const double h = h1 + f * (h2 - h1);
    if (h == 0.0) continue;
    // Unit vector of the axis line, in the sense in which the intensity acts.
    const double k = (h > 0.0 ? along : -along) / length;
    const double ex = (e.x - s.x) * k, ey = (e.y - s.y) * k;
    const WorldPoint mid =
        Add(WorldPoint{s.x + f * (e.x - s.x), s.y + f * (e.y - s.y)}, std::fabs(h) / 2.0, vx, vy);
    Head(c, view, Add(mid, g, ex, ey), ex, ey, g);
  }
  const WorldPoint os = Add(s, std::fabs(h1), vx, vy);
  const WorldPoint oe = Add(e, std::fabs(h2), vx, vy);
  Reach(view, sym, {s, e, os, oe});
  if (std::fabs(vx) > std::fabs(vy)) {
    // A steep member: the outline stands beside it, and a label on top of the outline's
    // middle would lie across its own arrows; it stands beside the outline instead.
    SideLabel(c, view,
              vx < 0.0 ? std::min({s.x, e.x, os.x, oe.x}) : std::max({s.x, e.x, os.x, oe.x}),
              (s.y + e.y + os.y + oe.y) / 4.0, vx < 0.0, sym);
    return;
  }
  Label(c, view, std::min((s.x + e.x) / 2.0, (os.x + oe.x) / 2.0),
        std::max((s.y + e.y) / 2.0, (os.y + oe.y) / 2.0), sym);
}

}  // namespace

bool LoadDirectionVector(int direction, double angle, double& ux, double& uy) {
  double cs = 1.0, sn = 0.0;
  MemberDirection(angle, cs, sn);
  switch (direction) {
    case 1:
    case 4:
      ux = 1.0;
      uy = 0.0;
      return true;
    case 2:
    case 5:
      ux = 0.0;
      uy = 1.0;
      return true;
    case 3:
    case 6:
    case -3:
    case -6:
      ux = -1.0 / 1.41;
      uy = -1.0 / 1.41;
      return true;
    case -1:
    case -4:
      ux = cs;
      uy = sn;
      return true;
    case -2:
    case -5:
      ux = -sn;
      uy = cs;
      return true;
    default:
      ux = 0.0;
      uy = 0.0;
      return false;
  }
}

void DrawPointLoadArrow(Canvas* canvas, const ViewTransform& view, WorldPoint tip, double c,
                        const LoadSymbol& sym) {
  Canvas* cv = canvas ? canvas : view.ViewCanvas();
  double ux = 0.0, uy = 0.0;
  if (!cv || !LoadDirectionVector(sym.direction, sym.angle, ux, uy)) return;
  const double b = sym.head;
  const WorldPoint tail = Add(tip, -c, ux, uy);
  view.DrawLine(cv, tail.x, tail.y, tip.x, tip.y);
  Reach(view, sym, {tail, tip});
  Label(cv, view, (tail.x + tip.x) / 2.0,
        sym.labelBelow ? std::min(tail.y, tip.y) : std::max(tail.y, tip.y), sym, sym.labelBelow);

  const double length = std::hypot(tip.x - tail.x, tip.y - tail.y);
  if (!(length > 0.0)) return;
  const double ex = (tip.x - tail.x) / length, ey = (tip.y - tail.y) / length;
  const double rx = ey, ry = -ex;
  Head(cv, view, tip, ex, ey, b);
  const WorldPoint t1 = Add(tail, b, rx, ry);
  const WorldPoint t2 = Add(tail, -b, rx, ry);
  view.DrawLine(cv, t1.x, t1.y, tail.x, tail.y);
  view.DrawLine(cv, t2.x, t2.y, tail.x, tail.y);

  if (std::abs(sym.direction) > 3) {
    const WorldPoint mid{(tail.x + tip.x) / 2.0, (tail.y + tip.y) / 2.0};
    const double r = length / 4.0;
    {
      CanvasStateSaver keep(cv);
      cv->SetBrushStyle(BrushStyle::Clear);
      view.DrawEllipse(cv, mid.x - r, mid.y - r, mid.x + r, mid.y + r);
    }
    // Small head at the rim nearest the tail, pointing across the shaft to the right.
    const WorldPoint B = Add(Add(tail, r + 0.2 * b, ex, ey), 0.2 * b, rx, ry);
    view.DrawPolygon(cv, {Add(Add(B, -b, ex, ey), -b, rx, ry), Add(B, b, rx, ry),
                          Add(Add(B, b, ex, ey), -b, rx, ry)});
  }
}

void DrawDistributedLoad(Canvas* canvas, const ViewTransform& view, WorldPoint s, WorldPoint e,
                         double h1, double h2, const LoadSymbol& sym) {
  Canvas* c = canvas ? canvas : view.ViewCanvas();
  double vx = 0.0, vy = 0.0, ux = 0.0, uy = 0.0;
  if (!c || !SideVector(sym.direction, sym.angle, vx, vy) ||
      !LoadDirectionVector(sym.direction, sym.angle, ux, uy)) {
    return;
  }
  if (ActsAlongMember(sym.direction, sym.angle)) {
    Strip(c, view, s, e, h1, h2, sym);
    return;
  }
  Outline(c, view, s, e, h1, h2, vx, vy, sym.layout);

  const double g = sym.head;
  const double length = std::hypot(e.x - s.x, e.y - s.y);
  const int n = CellCount(length, g);
  for (int i = 0; i < n; ++i) {
    const double f = CellFraction(i, n, length, g);
    const double h = h1 + f * (h2 - h1);
    const WorldPoint a{s.x + f * (e.x - s.x), s.y + f * (e.y - s.y)};
    const WorldPoint o = Add(a, std::fabs(h), vx, vy);
    view.DrawLine(c, a.x, a.y, o.x, o.y);
    const double shaft = std::fabs(h);
    if ((i != 0 && i != n - 1) || !(shaft > 0.0)) continue;
    // The head goes to the end toward which the load acts.
    const double sign = h > 0.0 ? 1.0 : -1.0;
    const bool towardOuter = ((o.x - a.x) * ux + (o.y - a.y) * uy) * sign > 0.0;
    if (towardOuter) {
      Head(c, view, o, (o.x - a.x) / shaft, (o.y - a.y) / shaft, g);
    } else {
      Head(c, view, a, (a.x - o.x) / shaft, (a.y - o.y) / shaft, g);
    }
  }
  const WorldPoint os = Add(s, std::fabs(h1), vx, vy);
  const WorldPoint oe = Add(e, std::fabs(h2), vx, vy);
  Reach(view, sym, {s, e, os, oe});
  if (std::fabs(vx) > std::fabs(vy)) {
    // A steep member: the outline stands beside it, and a label on top of the outline's
    // middle would lie across its own arrows; it stands beside the outline instead.
    SideLabel(c, view,
              vx < 0.0 ? std::min({s.x, e.x, os.x, oe.x}) : std::max({s.x, e.x, os.x, oe.x}),
              (s.y + e.y + os.y + oe.y) / 4.0, vx < 0.0, sym);
    return;
  }
  Label(c, view, std::min((s.x + e.x) / 2.0, (os.x + oe.x) / 2.0),
        std::max((s.y + e.y) / 2.0, (os.y + oe.y) / 2.0), sym);
}

}  // namespace qv
