// Member, supports and hinges as the structure and load pages show them.
#include "ui/drawing/MemberDrawing.h"

#include <cmath>

#include "model/NumberText.h"
#include "project/QELVUX_data.h"
#include "ui/drawing/SupportSymbols.h"

namespace qv {

namespace {

constexpr double kPi = 3.14159265358979323846;

void SetPenBrush(Canvas* c, Colour pen, Colour brush, BrushStyle brushStyle, int mode) {
  c->SetPenColour(ModeColour(pen, mode));
  c->SetPenWidth(1);
  c->SetPenStyle(PenStyle::Solid);
  c->SetBrushColour(ModeColour(brush, mode));
  c->SetBrushStyle(brushStyle);
}

// Support or hinge colours: selected and filled share black outlines on a solid fill.
void SetItemStyle(Canvas* c, Colour itemColour, bool selected, const DrawStyle& style) {
  if (!selected && style.hollow) {
    SetPenBrush(c, itemColour, colours::kHollowFill, BrushStyle::Clear, style.colourMode);
  } else {
    SetPenBrush(c, colours::kOutline, itemColour, BrushStyle::Solid, style.colourMode);
  }
}

void Label(Canvas* c, const ViewTransform& view, WorldPoint at, const std::string& text) {
  CanvasStateSaver keep(c);
  c->SetBrushStyle(BrushStyle::Clear);
  int lx = 0;
  int ly = 0;
  view.WorldToLogical(at.x, at.y, lx, ly);
  view.TextOut(c, lx, ly, text);
}

void DrawSupports(Canvas* c, const ViewTransform& view, const RakenneVektori& m,
                  const DrawStyle& style, double s, double cs, double sn) {
  int number = 0;
  for (int i = 0; i < m.Count(); ++i) {
    if (m.Kind(i) != RakenneVektori::kSupport) continue;
    ++number;
    const bool selected = style.highlight == 1 && m.CurrentIndex == i;
    SetItemStyle(c, colours::kSupport, selected, style);
    c->SetFontColour(ModeColour(colours::kOutline, style.colourMode));
    const double x = m.X(i);
    const WorldPoint p{x * cs, x * sn};
    WorldPoint labelAt{p.x + 2.5 * s * sn, p.y - 2.5 * s * cs};
    if (m.Code(i) == RakenneVektori::kFixed) {
      const Colour hatch = (selected || !style.hollow) ? colours::kOutline : colours::kSupport;
      const WorldPoint outer =
          DrawFixedSupportBlock(c, view, x, cs, sn, s, ModeColour(hatch, style.colourMode));
      labelAt = WorldPoint{outer.x + 2.5 * s * sn, outer.y - 2.5 * s * cs};
    } else {
      DrawSupportSymbol(c, view, p.x, p.y, 1.5 * s, m.Code(i));
    }
    Label(c, view, labelAt, std::to_string(number));
  }
}

void DrawHinges(Canvas* c, const ViewTransform& view, const RakenneVektori& m,
                const DrawStyle& style, double w, double cs, double sn) {
  const double r = 2.0 * w / 3.0;
  for (int i = 0; i < m.Count(); ++i) {
    if (m.Kind(i) != RakenneVektori::kHinge) continue;
    const bool selected = style.highlight == 1 && m.CurrentIndex == i;
    SetItemStyle(c, colours::kHinge, selected, style);
    const double x = m.X(i) * cs;
    const double y = m.X(i) * sn;
    view.DrawEllipse(c, x - r, y - r, x + r, y + r);
  }
}

}  // namespace

void MemberDirection(double angleDegrees, double& c, double& s) {
  if (angleDegrees == 0.0) {
    c = 1.0;
    s = 0.0;
  } else if (angleDegrees == 90.0) {
    c = 0.0;
    s = 1.0;
  } else {
    c = std::cos(angleDegrees * kPi / 180.0);
    s = std::sin(angleDegrees * kPi / 180.0);
  }
}

void DrawMember(Canvas* canvas, const ViewTransform& view, const QELVUX_data* project,
                const DrawStyle* style, const SymbolSizes* sizes) {
  Canvas* c = canvas ? canvas : view.ViewCanvas();
  if (!c || !project) return;
  CanvasStateSaver keep(c);
  const RakenneVektori& m = project->Member;
  const DrawStyle st = style ? *style : DrawStyle{};
  const double L = m.Length;
  const double s = sizes ? sizes->symbol : 0.05 * L;
  const double w = sizes ? sizes->width : 0.05 * L;
  double cs = 1.0;
  double sn = 0.0;
  MemberDirection(m.Angle, cs, sn);

  const bool memberSelected = st.highlight == 1 && m.CurrentIndex == -1;
  if (st.hollow && !memberSelected) {
    SetPenBrush(c, colours::kOutline, colours::kHollowFill, BrushStyle::Clear, st.colourMode);
  } else {
    SetPenBrush(c, colours::kOutline, colours::kMemberFill, BrushStyle::Solid, st.colourMode);
  }
  view.DrawBand(c, 0.0, 0.0, L * cs, L * sn, w, w / 2.0);

  DrawSupports(c, view, m, st, s, cs, sn);
  DrawHinges(c, view, m, st, w, cs, sn);
}

void DrawOriginMark(Canvas* canvas, const ViewTransform& view, double size) {
  Canvas* c = canvas ? canvas : view.ViewCanvas();
  if (!c) return;
  CanvasStateSaver keep(c);
  c->SetPenColour(colours::kOutline);
  c->SetPenWidth(1);
  c->SetPenStyle(PenStyle::Solid);
  c->SetFontColour(colours::kOutline);
  c->SetBrushStyle(BrushStyle::Clear);
  view.DrawLine(c, -size, 0.0, size, 0.0);
  view.DrawLine(c, 0.0, -size, 0.0, size);
  const std::string text = "(0,0)";
  int lx = 0;
  int ly = 0;
  int tw = 0;
  int th = 0;
  view.WorldToLogical(-size, 0.0, lx, ly);
  view.TextExtent(c, text, tw, th);
  view.TextOut(c, lx - tw, ly, text);
}

void PointerText(const ViewTransform& view, double deviceX, double deviceY, std::string& text,
                 double& worldX, double& worldY) {
  int lx = 0;
  int ly = 0;
  view.DeviceToLogical(deviceX, deviceY, lx, ly);
  view.LogicalToWorld(lx, ly, worldX, worldY);
  text = FormatFixed(worldX, 0) + "," + FormatFixed(worldY, 0);
}

}  // namespace qv
