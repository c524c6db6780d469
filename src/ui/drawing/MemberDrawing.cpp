// Member, supports and hinges as the structure and load pages show them.
#include "ui/drawing/MemberDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/NumberText.h"
#include "project/QELVUX_data.h"
#include "ui/drawing/LabelLayout.h"
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

// Smallest hinge radius on the surface, logical units: below it a hinge is lost in the band.
constexpr double kMinHingeRadius = 15.0;

// Support or hinge colours: selected and filled share black outlines on a solid fill, so
// the selected one is told apart by its thicker outline.
void SetItemStyle(Canvas* c, Colour itemColour, bool selected, const DrawStyle& style) {
  if (!selected && style.hollow) {
    SetPenBrush(c, itemColour, colours::kHollowFill, BrushStyle::Clear, style.colourMode);
  } else {
    SetPenBrush(c, colours::kOutline, itemColour, BrushStyle::Solid, style.colourMode);
  }
  if (selected) c->SetPenWidth(2);
}

LogicalBox ToLogical(const ViewTransform& view, WorldPoint low, WorldPoint high) {
  LogicalBox b;
  view.WorldToLogical(low.x, low.y, b.left, b.bottom);
  view.WorldToLogical(high.x, high.y, b.right, b.top);
  return b;
}

// Text with its top-left corner at the point, moved along (dx, dy) the least that keeps
// it clear of the symbol it belongs to; returns the box it is written in. Beside a symbol
// the glyphs reach the box's edge, so the clearance there is half the text's height.
LogicalBox Label(Canvas* c, const ViewTransform& view, WorldPoint at, const std::string& text,
                 const std::vector<LogicalBox>& avoid, double dx, double dy) {
  CanvasStateSaver keep(c);
  c->SetBrushStyle(BrushStyle::Clear);
  int lx = 0;
  int ly = 0;
  int tw = 0;
  int th = 0;
  view.WorldToLogical(at.x, at.y, lx, ly);
  view.TextExtent(c, text, tw, th);
  const int gap =
      std::fabs(dx) > std::fabs(dy) ? std::max(kLabelClearance, th / 2) : kLabelClearance;
  const int t = ShiftClear(TextBox(lx, ly, tw, th), avoid, dx, dy, gap);
  lx += static_cast<int>(std::lround(t * dx));
  ly += static_cast<int>(std::lround(t * dy));
  view.TextOut(c, lx, ly, text);
  return TextBox(lx, ly, tw, th);
}

void DrawSupports(Canvas* c, const ViewTransform& view, const RakenneVektori& m,
                  const DrawStyle& style, double s, double cs, double sn, LabelLayout* layout) {
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
    WorldPoint low = p;
    WorldPoint high = p;
    if (m.Code(i) == RakenneVektori::kFixed) {
      const Colour hatch = (selected || !style.hollow) ? colours::kOutline : colours::kSupport;
      const WorldPoint outer =
          DrawFixedSupportBlock(c, view, x, cs, sn, s, ModeColour(hatch, style.colourMode));
      labelAt = WorldPoint{outer.x + 2.5 * s * sn, outer.y - 2.5 * s * cs};
      FixedSupportBlockExtent(x, cs, sn, s, low, high);
    } else {
      DrawSupportSymbol(c, view, p.x, p.y, 1.5 * s, m.Code(i));
      SupportSymbolExtent(p.x, p.y, 1.5 * s, m.Code(i), low, high);
    }
    // The number keeps off the symbol (the rollers of a sliding Y support reach almost to
    // its described place), moving on in the direction it already stands.
    const LogicalBox symbol = ToLogical(view, low, high);
    const LogicalBox text = Label(c, view, labelAt, std::to_string(number), {symbol}, sn, -cs);
    if (layout) {
      layout->Reach(symbol);
      layout->Reach(text);
    }
  }
}

void DrawHinges(Canvas* c, const ViewTransform& view, const RakenneVektori& m,
                const DrawStyle& style, double w, double cs, double sn) {
  // Never smaller than a dot that stands out of the band; the selected one half as big again.
  const double normal = std::max(2.0 * w / 3.0, kMinHingeRadius / 10.0 * view.Scale());
  for (int i = 0; i < m.Count(); ++i) {
    if (m.Kind(i) != RakenneVektori::kHinge) continue;
    const bool selected = style.highlight == 1 && m.CurrentIndex == i;
    SetItemStyle(c, colours::kHinge, selected, style);
    const double r = selected ? 1.5 * normal : normal;
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
                const DrawStyle* style, const SymbolSizes* sizes, LabelLayout* layout) {
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

  DrawSupports(c, view, m, st, s, cs, sn, layout);
  DrawHinges(c, view, m, st, w, cs, sn);
}

namespace {

// Boxes of the fixed-support blocks drawn behind the member's start, where "(0,0)" stands.
std::vector<LogicalBox> BlocksAtOrigin(const ViewTransform& view, const QELVUX_data* project,
                                       double size) {
  std::vector<LogicalBox> out;
  if (!project) return out;
  const RakenneVektori& m = project->Member;
  double cs = 1.0;
  double sn = 0.0;
  MemberDirection(m.Angle, cs, sn);
  for (int i = 0; i < m.Count(); ++i) {
    if (m.Kind(i) != RakenneVektori::kSupport || m.Code(i) != RakenneVektori::kFixed ||
        m.X(i) > 0.0)
      continue;
    WorldPoint low;
    WorldPoint high;
    FixedSupportBlockExtent(m.X(i), cs, sn, size, low, high);
    out.push_back(ToLogical(view, low, high));
  }
  return out;
}

}  // namespace

void DrawOriginMark(Canvas* canvas, const ViewTransform& view, double size,
                    const QELVUX_data* project) {
  Canvas* c = canvas ? canvas : view.ViewCanvas();
  if (!c) return;
  CanvasStateSaver keep(c);
  UseOutline(c);
  view.DrawLine(c, -size, 0.0, size, 0.0);
  view.DrawLine(c, 0.0, -size, 0.0, size);
  const std::string text = "(0,0)";
  int lx = 0;
  int ly = 0;
  int tw = 0;
  int th = 0;
  view.WorldToLogical(-size, 0.0, lx, ly);
  view.TextExtent(c, text, tw, th);
  // A fixed support at the start would hide the text: it steps left off a horizontal
  // member (below it stands the support's number), down off any other (left of it runs
  // the vertical dimension chain).
  const bool horizontal = !project || project->Member.Angle <= 0.01;
  const double dx = horizontal ? -1.0 : 0.0;
  const double dy = horizontal ? 0.0 : -1.0;
  const int t = ShiftClear(TextBox(lx - tw, ly, tw, th), BlocksAtOrigin(view, project, size), dx,
                           dy, kLabelClearance);
  view.TextOut(c, lx - tw + static_cast<int>(dx * t), ly + static_cast<int>(dy * t), text);
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
