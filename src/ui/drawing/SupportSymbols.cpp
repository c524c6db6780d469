// Support symbols drawn through the view's primitives.
#include "ui/drawing/SupportSymbols.h"

#include <algorithm>

#include "model/RakenneVektori.h"

namespace qv {

namespace {

void Triangle(Canvas* canvas, const ViewTransform& view, WorldPoint a, WorldPoint b, WorldPoint c) {
  view.DrawPolygon(canvas, {a, b, c});
}

}  // namespace

void DrawSupportSymbol(Canvas* canvas, const ViewTransform& view, double x, double y, double a,
                       int restraintCode) {
  const double k = a / 1.41;
  switch (restraintCode) {
    case RakenneVektori::kPinned:
      Triangle(canvas, view, {x, y}, {x - k, y - a}, {x + k, y - a});
      // Ground strokes under the base.
      for (int i = 0; i <= 3; ++i) {
        const double gx = x - k + a * 1.41 * i / 3.0;
        view.DrawLine(canvas, gx, y - a, gx - a / 4.0, y - 1.5 * a);
      }
      break;
    case RakenneVektori::kSlidingX:
      Triangle(canvas, view, {x, y}, {x - k, y - a}, {x + k, y - a});
      view.DrawEllipse(canvas, x - k, y - a, x - k + a / 2.0, y - 1.5 * a);
      view.DrawEllipse(canvas, x + k - a / 2.0, y - a, x + k, y - 1.5 * a);
      break;
    case RakenneVektori::kSlidingY:
      Triangle(canvas, view, {x, y}, {x + a, y - k}, {x + a, y + k});
      view.DrawEllipse(canvas, x + a, y - k, x + 1.5 * a, y - k + a / 2.0);
      view.DrawEllipse(canvas, x + a, y + k - a / 2.0, x + 1.5 * a, y + k);
      break;
    default:
      break;
  }
}

bool SupportSymbolExtent(double x, double y, double a, int restraintCode, WorldPoint& low,
                         WorldPoint& high) {
  const double k = a / 1.41;
  switch (restraintCode) {
    case RakenneVektori::kPinned:
      low = WorldPoint{x - k - a / 4.0, y - 1.5 * a};
      high = WorldPoint{x + k, y};
      return true;
    case RakenneVektori::kSlidingX:
      low = WorldPoint{x - k, y - 1.5 * a};
      high = WorldPoint{x + k, y};
      return true;
    case RakenneVektori::kSlidingY:
      low = WorldPoint{x, y - k};
      high = WorldPoint{x + 1.5 * a, y + k};
      return true;
    default:
      return false;
  }
}

void FixedSupportBlockExtent(double x, double c, double s, double symbol, WorldPoint& low,
                             WorldPoint& high) {
  const double from = x <= 0.0 ? -1.5 * symbol : x;
  const double to = x <= 0.0 ? 0.0 : x + 1.5 * symbol;
  const double half = 2.0 * symbol;  // the block is 4 s wide, centred on the axis
  low = WorldPoint{1e300, 1e300};
  high = WorldPoint{-1e300, -1e300};
  for (double along : {from, to}) {
    for (double side : {-half, half}) {
      const double px = along * c - side * s;
      const double py = along * s + side * c;
      low = WorldPoint{std::min(low.x, px), std::min(low.y, py)};
      high = WorldPoint{std::max(high.x, px), std::max(high.y, py)};
    }
  }
}

WorldPoint DrawFixedSupportBlock(Canvas* canvas, const ViewTransform& view, double x, double c,
                                 double s, double symbol, Colour hatchColour) {
  double from = x;
  double to = x + 1.5 * symbol;
  WorldPoint outer{to * c, to * s};
  if (x <= 0.0) {
    from = -1.5 * symbol;
    to = 0.0;
    outer = WorldPoint{from * c, from * s};
  }
  const double width = 4.0 * symbol;
  view.DrawBand(canvas, from * c, from * s, to * c, to * s, width, width / 2.0);
  Canvas* target = canvas ? canvas : view.ViewCanvas();
  if (target) {
    CanvasStateSaver keep(target);
    target->SetBrushColour(hatchColour);
    target->SetBrushStyle(BrushStyle::DiagonalHatch);
    view.DrawBand(target, from * c, from * s, to * c, to * s, width, width / 2.0);
  }
  return outer;
}

}  // namespace qv
