// Hint pictures of the load dialog: a sloping member, the axes of the chosen direction and the load
// in its positive sense.
#include "ui/drawing/LoadHintPicture.h"

#include <cmath>
#include <string>

#include "model/LoadUnits.h"
#include "ui/drawing/DrawStyle.h"
#include "ui/drawing/LoadShapes.h"
#include "ui/drawing/MemberDrawing.h"
#include "ui/drawing/ViewTransform.h"

namespace qv {

namespace {

// World of every picture, millimetres of an imagined member.
constexpr double kLeft = -450.0, kRight = 1300.0, kBottom = -480.0, kTop = 860.0;
constexpr double kAngle = 25.0;
constexpr double kLength = 1000.0;
constexpr double kBand = 60.0;
constexpr double kHead = 26.0;
constexpr double kArrow = 330.0;
constexpr double kHeight = 220.0;
constexpr double kStart = 150.0, kEnd = 900.0;  // distributed loads
constexpr double kPointAt = 550.0;
constexpr double kAxis = 190.0;
const WorldPoint kAxesOrigin{-220.0, -250.0};

// What a picture number shows.
struct OhjeLoad {
  bool point = true;
  int code = 2;
  int reference = 0;  // 1: X per vertical or Y per horizontal projection
};

bool Decode(int image, OhjeLoad& load) {
  int n = image;
  load.point = n >= 0 && n <= 11;
  if (!load.point) {
    if (n == 33 || n == 34) {
      load.code = n == 33 ? 1 : 2;
      load.reference = 1;
      return true;
    }
    if (n < 21 || n > 32) return false;
    n -= 21;
  }
  const int type = n < 6 ? n / 3 : (n - 6) / 3;
  const int direction = n < 6 ? n % 3 : (n - 6) % 3 + 3;
  load.code = KuormaDirectionCode(type, direction);
  return load.code != 0;
}

WorldPoint Along(double x) {
  double c = 1.0, s = 0.0;
  MemberDirection(kAngle, c, s);
  return WorldPoint{x * c, x * s};
}

WorldPoint Normal() {
  double c = 1.0, s = 0.0;
  MemberDirection(kAngle, c, s);
  return WorldPoint{-s, c};
}

void Label(Canvas& c, const ViewTransform& view, WorldPoint at, const std::string& text) {
  CanvasStateSaver keep(&c);
  c.SetBrushStyle(BrushStyle::Clear);
  DevicePoint p = view.WorldToDevice(at.x, at.y);
  const TextSize size = c.TextExtent(text);
  p.x -= size.width / 2.0;
  p.y -= size.height / 2.0;
  c.Text(p, text);
}

// One axis of the coordinate cross: a thin arrow with its letter past the tip.
void Axis(Canvas& c, const ViewTransform& view, double ux, double uy, const char* name) {
  const WorldPoint o = kAxesOrigin;
  const WorldPoint t{o.x + kAxis * ux, o.y + kAxis * uy};
  view.DrawLine(&c, o.x, o.y, t.x, t.y);
  const double b = kHead * 0.6;
  const WorldPoint base{t.x - 2.0 * b * ux, t.y - 2.0 * b * uy};
  view.DrawPolygon(&c, {t, WorldPoint{base.x + b * uy, base.y - b * ux},
                        WorldPoint{base.x - b * uy, base.y + b * ux}});
  Label(c, view, WorldPoint{o.x + (kAxis + 55.0) * ux, o.y + (kAxis + 55.0) * uy}, name);
}

// Global X, Y, Z, or local x, y, z turned with the member; Z is drawn as the loads draw it.
void Axes(Canvas& c, const ViewTransform& view, bool local) {
  CanvasStateSaver keep(&c);
  c.SetPen(Pen{colours::kOutline, 1, PenStyle::Solid});
  c.SetBrush(Brush{colours::kOutline, BrushStyle::Solid});
  const double z = 1.0 / 1.41;
  if (local) {
    const WorldPoint x = Along(1.0), y = Normal();
    Axis(c, view, x.x, x.y, "x");
    Axis(c, view, y.x, y.y, "y");
    Axis(c, view, -z, -z, "z");
  } else {
    Axis(c, view, 1.0, 0.0, "X");
    Axis(c, view, 0.0, 1.0, "Y");
    Axis(c, view, -z, -z, "Z");
  }
}

void Member(Canvas& c, const ViewTransform& view) {
  CanvasStateSaver keep(&c);
  c.SetPen(Pen{colours::kOutline, 1, PenStyle::Solid});
  c.SetBrush(Brush{colours::kMemberFill, BrushStyle::Solid});
  const WorldPoint e = Along(kLength);
  view.DrawBand(&c, 0.0, 0.0, e.x, e.y, kBand, kBand / 2.0);
}

void Projection(Canvas& c, const ViewTransform& view, WorldPoint from, WorldPoint to) {
  CanvasStateSaver keep(&c);
  c.SetPen(Pen{colours::kGrey, 1, PenStyle::Dash});
  view.DrawLine(&c, from.x, from.y, to.x, to.y);
}

// Text centred on the line from `from` along the unit vector (ux, uy), its near edge
// `distance` away.
void LabelBeyond(Canvas& c, const ViewTransform& view, WorldPoint from, double ux, double uy,
                 double distance, const std::string& text) {
  const TextSize size = c.TextExtent(text);
  const DevicePoint d0 = view.WorldToDevice(0.0, 0.0), d1 = view.WorldToDevice(1000.0, 0.0);
  const double pxPerUnit = std::fabs(d1.x - d0.x) / 1000.0;
  const double half =
      pxPerUnit > 0.0 ? (std::fabs(ux) * size.width + std::fabs(uy) * size.height) / 2.0 / pxPerUnit
                      : 0.0;
  const double k = distance + half;
  Label(c, view, WorldPoint{from.x + k * ux, from.y + k * uy}, text);
}

// The side of the axis on which a distributed load's outline stands off the member (global
// X and Y, otherwise the member's normal).
void SideOf(int code, double& vx, double& vy) {
  switch (code) {
    case 1:
    case 4:
      vx = -1.0;
      vy = 0.0;
      return;
    case 2:
    case 5:
      vx = 0.0;
      vy = 1.0;
      return;
    default: {
      const WorldPoint n = Normal();
      vx = n.x;
      vy = n.y;
    }
  }
}

std::string LoadName(const OhjeLoad& load) {
  const std::string name = DirectionReportName(load.code);
  if (load.point || name.size() < 2) return name;
  return std::string(IsMomentDirection(load.code) ? "m" : "q") + name.substr(1);
}

void PointLoad(Canvas& c, const ViewTransform& view, const OhjeLoad& load) {
  double ux = 0.0, uy = 0.0;
  LoadDirectionVector(load.code, kAngle, ux, uy);
  const WorldPoint n = Normal();
  const WorldPoint p = Along(kPointAt);
  const double across = ux * n.x + uy * n.y;
  // The arrow ends on the face it pushes against; one along the axis runs beside it.
  const double off = std::fabs(across) < 0.05 ? kBand / 2.0 + 3.0 * kHead
                                              : (across > 0.0 ? -kBand / 2.0 : kBand / 2.0);
  const WorldPoint tip{p.x + off * n.x, p.y + off * n.y};
  DrawPointLoadArrow(&c, view, tip, kArrow, LoadSymbol{load.code, kAngle, kHead, std::string()});
  // The name goes past the tail: above the higher end it would sit on the member when the
  // arrow comes from below.
  LabelBeyond(c, view, tip, -ux, -uy, kArrow + kHead, LoadName(load));
}

void DistributedLoad(Canvas& c, const ViewTransform& view, const OhjeLoad& load) {
  WorldPoint s = Along(kStart), e = Along(kEnd);
  const WorldPoint top = Along(kLength);
  if (load.reference == 1 && load.code == 1) {
    // Per vertical projection: drawn on the projection at the start of the member.
    Projection(c, view, s, WorldPoint{0.0, s.y});
    Projection(c, view, e, WorldPoint{0.0, e.y});
    s = WorldPoint{0.0, s.y};
    e = WorldPoint{0.0, e.y};
  } else if (load.reference == 1 && load.code == 2) {
    // Per horizontal projection: drawn on the projection level with the top of the member.
    Projection(c, view, s, WorldPoint{s.x, top.y});
    Projection(c, view, e, WorldPoint{e.x, top.y});
    s = WorldPoint{s.x, top.y};
    e = WorldPoint{e.x, top.y};
  }
  const WorldPoint n = Normal();
  const double d = kBand / 2.0;
  s = WorldPoint{s.x + d * n.x, s.y + d * n.y};
  e = WorldPoint{e.x + d * n.x, e.y + d * n.y};
  DrawDistributedLoad(&c, view, s, e, kHeight, kHeight,
                      LoadSymbol{load.code, kAngle, kHead, std::string()});
  // The name goes outside the outline, where the shafts do not cross it: beyond an outline
  // that stands off the member, below the member when the outline lies slanted along it.
  const int m = load.code < 0 ? -load.code : load.code;
  if (load.reference == 0 && (load.code == 1 || load.code == 4 || m == 3 || m == 6)) {
    const WorldPoint mid = Along((kStart + kEnd) / 2.0);
    LabelBeyond(c, view, mid, -n.x, -n.y, kBand / 2.0 + kHead, LoadName(load));
    return;
  }
  double vx = 0.0, vy = 0.0;
  SideOf(load.code, vx, vy);
  LabelBeyond(c, view, WorldPoint{(s.x + e.x) / 2.0, (s.y + e.y) / 2.0}, vx, vy, kHeight + kHead,
              LoadName(load));
}

void Loads(Canvas& c, const ViewTransform& view, const OhjeLoad& load) {
  CanvasStateSaver keep(&c);
  c.SetPen(Pen{colours::kLoad, 2, PenStyle::Solid});
  c.SetBrush(Brush{colours::kLoad, BrushStyle::Solid});
  Font font = c.GetFont();
  font.colour = colours::kLoad;
  c.SetFont(font);
  if (load.point)
    PointLoad(c, view, load);
  else
    DistributedLoad(c, view, load);
}

}  // namespace

bool IsKuormaOhje(int image) { return (image >= 0 && image <= 11) || (image >= 21 && image <= 34); }

void DrawKuormaOhje(Canvas& canvas, int image, int width, int height) {
  ViewTransform view(&canvas);
  if (view.BeginView(&canvas, DeviceRect{0, 0, width - 1, height - 1}, kLeft, kBottom, kRight,
                     kTop) != 0)
    return;
  CanvasStateSaver keep(&canvas);
  Font font = canvas.GetFont();
  font.height = 14.0;
  font.colour = colours::kOutline;
  font.bold = true;
  canvas.SetFont(font);
  OhjeLoad load;
  const bool known = Decode(image, load);
  Axes(canvas, view, known && load.code < 0);
  Member(canvas, view);
  if (known) Loads(canvas, view, load);
  view.EndView(&canvas);
}

}  // namespace qv
