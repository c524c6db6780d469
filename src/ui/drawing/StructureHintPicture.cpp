// Hint pictures of the member dialog: the member with its length and angle, each support type, the
// hinge.
#include "ui/drawing/StructureHintPicture.h"

#include <cmath>
#include <vector>

#include "model/RakenneVektori.h"
#include "ui/drawing/DrawStyle.h"
#include "ui/drawing/SupportSymbols.h"
#include "ui/drawing/ViewTransform.h"

namespace qv {

namespace {

constexpr double kPi = 3.14159265358979323846;
// World of every picture, millimetres of an imagined member.
constexpr double kLeft = -350.0, kRight = 1350.0, kBottom = -550.0, kTop = 650.0;
constexpr double kBand = 60.0;

void Label(Canvas& c, const ViewTransform& view, double x, double y, const std::string& text,
           bool centred) {
  CanvasStateSaver keep(&c);
  c.SetBrushStyle(BrushStyle::Clear);
  DevicePoint p = view.WorldToDevice(x, y);
  const TextSize size = c.TextExtent(text);
  if (centred) p.x -= size.width / 2.0;
  p.y -= size.height / 2.0;
  c.Text(p, text);
}

void MemberBand(Canvas& c, const ViewTransform& view, double x1, double y1, double x2, double y2) {
  CanvasStateSaver keep(&c);
  c.SetPen(Pen{colours::kOutline, 1, PenStyle::Solid});
  c.SetBrush(Brush{colours::kMemberFill, BrushStyle::Solid});
  view.DrawBand(&c, x1, y1, x2, y2, kBand, kBand / 2.0);
}

void Arc(Canvas& c, const ViewTransform& view, double cx, double cy, double r, double fromDeg,
         double toDeg) {
  std::vector<DevicePoint> points;
  for (int i = 0; i <= 24; ++i) {
    const double a = (fromDeg + (toDeg - fromDeg) * i / 24.0) * kPi / 180.0;
    points.push_back(view.WorldToDevice(cx + r * std::cos(a), cy + r * std::sin(a)));
  }
  c.Polyline(points);
}

void MemberPicture(Canvas& c, const ViewTransform& view) {
  const double angle = 25.0 * kPi / 180.0;
  const double length = 1300.0;
  const double ex = length * std::cos(angle), ey = length * std::sin(angle);
  // The horizontal the angle is measured from.
  {
    CanvasStateSaver keep(&c);
    c.SetPen(Pen{colours::kGrey, 1, PenStyle::Dash});
    view.DrawLine(&c, -150.0, -250.0, ex, -250.0);
  }
  MemberBand(c, view, 0.0, -250.0, ex, ey - 250.0);
  Arc(c, view, 0.0, -250.0, 420.0, 0.0, 25.0);
  Label(c, view, 500.0, -180.0, "alfa", false);
  Label(c, view, ex / 2.0 - 80.0, ey / 2.0 - 250.0 + 160.0, "L", true);
  Label(c, view, 0.0, -330.0, "x = 0", true);
  Label(c, view, ex - 120.0, ey - 250.0 + 200.0, "x = L", true);
}

void SupportPicture(Canvas& c, const ViewTransform& view, int type) {
  static const int kCodes[4] = {RakenneVektori::kPinned, RakenneVektori::kSlidingX,
                                RakenneVektori::kSlidingY, RakenneVektori::kFixed};
  static const char* const kHeld[4] = {"X, Y, Z", "Y, Z", "X, Z", "X, Y, Z, RX, RY, RZ"};
  const int code = kCodes[type];
  const double symbol = 130.0;
  CanvasStateSaver keep(&c);
  if (code == RakenneVektori::kFixed) {
    MemberBand(c, view, -100.0, 0.0, 900.0, 0.0);
    c.SetPen(Pen{colours::kOutline, 1, PenStyle::Solid});
    c.SetBrush(Brush{colours::kSupport, BrushStyle::Solid});
    DrawFixedSupportBlock(&c, view, 900.0, 1.0, 0.0, symbol, colours::kOutline);
  } else if (code == RakenneVektori::kSlidingY) {
    // Held across, free along: shown at the side of a column.
    MemberBand(c, view, 350.0, -450.0, 350.0, 320.0);
    c.SetPen(Pen{colours::kOutline, 1, PenStyle::Solid});
    c.SetBrush(Brush{colours::kSupport, BrushStyle::Solid});
    DrawSupportSymbol(&c, view, 350.0 + kBand / 2.0, -20.0, 1.5 * symbol, code);
  } else {
    MemberBand(c, view, -100.0, 0.0, 1100.0, 0.0);
    c.SetPen(Pen{colours::kOutline, 1, PenStyle::Solid});
    c.SetBrush(Brush{colours::kSupport, BrushStyle::Solid});
    DrawSupportSymbol(&c, view, 500.0, -kBand / 2.0, 1.5 * symbol, code);
  }
  Label(c, view, 500.0, 480.0, kHeld[type], true);
}

void HingePicture(Canvas& c, const ViewTransform& view) {
  MemberBand(c, view, -200.0, 0.0, 1200.0, 0.0);
  CanvasStateSaver keep(&c);
  c.SetPen(Pen{colours::kOutline, 1, PenStyle::Solid});
  c.SetBrush(Brush{colours::kHinge, BrushStyle::Solid});
  const double r = 2.0 * kBand / 3.0 * 1.5;
  view.DrawEllipse(&c, 500.0 - r, -r, 500.0 + r, r);
  // Free turning about Z.
  c.SetPen(Pen{colours::kHinge, 2, PenStyle::Solid});
  Arc(c, view, 500.0, 0.0, 230.0, 20.0, 160.0);
  Label(c, view, 500.0, 380.0, "Z", true);
}

}  // namespace

void DrawRakenneOhje(Canvas& canvas, int image, int width, int height) {
  ViewTransform view(&canvas);
  if (view.BeginView(&canvas, DeviceRect{0, 0, width - 1, height - 1}, kLeft, kBottom, kRight,
                     kTop) != 0)
    return;
  CanvasStateSaver keep(&canvas);
  Font font = canvas.GetFont();
  font.height = 14.0;
  font.colour = colours::kOutline;
  canvas.SetFont(font);
  canvas.SetPen(Pen{colours::kOutline, 1, PenStyle::Solid});
  if (image >= 1 && image <= 4)
    SupportPicture(canvas, view, image - 1);
  else if (image == 5)
    HingePicture(canvas, view);
  else
    MemberPicture(canvas, view);
  view.EndView(&canvas);
}

}  // namespace qv
