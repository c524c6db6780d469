// Load drawing: visibility, labels, scaling of intensities and where each load stands.
#include "ui/drawing/LoadDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/LoadUnits.h"
#include "model/TextCodec.h"
#include "project/ProjectOwnWeight.h"
#include "project/QELVUX_data.h"
#include "ui/drawing/LoadShapes.h"
#include "ui/drawing/MemberDrawing.h"

namespace qv {

namespace {

// The loads drawn: the project's, and with "Oma paino automaattisesti" its own weight as the
// line load the analysis gets (labelled with its density; never selected).
struct Drawn {
  const KuormaVektori& loads;
  const RakenneVektori& member;
  int ownWeight = -1;  // index of the own weight among loads, -1 when none
  std::string ownWeightLabel;

  std::string Label(int i) const { return i == ownWeight ? ownWeightLabel : LoadLabel(loads, i); }
};

// Largest intensities of the drawn case(s), by which arrows and heights are scaled.
struct LoadScales {
  double distributedForce = 0.0;
  double surfaceMoment = 0.0;
  double lineMoment = 0.0;
  double pointForce = 0.0;
  double gatheringWidth = 1000.0;
};

LoadScales ScalesOf(const Drawn& p) {
  const KuormaVektori& loads = p.loads;
  const int k = loads.VisibleCase >= 0 ? loads.VisibleCase : -1;
  LoadScales sc;
  sc.gatheringWidth = p.member.LoadWidth > 0.0 ? p.member.LoadWidth : 1000.0;
  sc.distributedForce =
      std::max(loads.LargestLoadValue(k, KuormaVektori::kSurface, false) * sc.gatheringWidth,
               loads.LargestLoadValue(k, KuormaVektori::kLine, false));
  // Surface intensities are drawn times the gathering width, so their scale is too.
  sc.surfaceMoment = loads.LargestLoadValue(k, KuormaVektori::kSurface, true) * sc.gatheringWidth;
  sc.lineMoment = loads.LargestLoadValue(k, KuormaVektori::kLine, true);
  sc.pointForce = loads.LargestLoadValue(k, KuormaVektori::kPoint, false);
  return sc;
}

double AtLeast(double h, double minimum) {
  if (h == 0.0 || std::fabs(h) >= minimum) return h;
  return h > 0.0 ? minimum : -minimum;
}

void DrawPointLoad(Canvas* c, const ViewTransform& view, const Drawn& p, int i,
                   const LoadScales& sc, double g, double d, LabelLayout& layout) {
  const KuormaVektori& loads = p.loads;
  const double q = loads.Q1(i);
  const int dir = loads.Direction(i);
  const bool moment = std::abs(dir) > 3;
  if (q == 0.0 || (!moment && !(sc.pointForce > 0.0))) return;
  double length = moment ? (q > 0.0 ? 11.0 * g : -11.0 * g) : q * 11.0 * g / sc.pointForce;
  length = AtLeast(length, 3.0 * g);
  double cs = 1.0, sn = 0.0;
  MemberDirection(p.member.Angle, cs, sn);
  const double x = loads.X1(i);
  LoadSymbol sym{dir, p.member.Angle, g, p.Label(i), &layout, i};
  // The arrow ends d off the axis on the member's left-normal side; one whose tail would
  // then lie beyond the axis (an upward force on a beam) would be drawn through the member,
  // so it comes to the member from the other side instead, like a downward one mirrored.
  double side = 1.0;
  double ux = 0.0, uy = 0.0;
  if (LoadDirectionVector(dir, p.member.Angle, ux, uy) && d - length * (-ux * sn + uy * cs) < 0.0) {
    side = -1.0;
    sym.labelBelow = true;
  }
  const WorldPoint tip{x * cs - side * d * sn, x * sn + side * d * cs};
  DrawPointLoadArrow(c, view, tip, length, sym);
}

void DrawDistributed(Canvas* c, const ViewTransform& view, const Drawn& p, int i,
                     const LoadScales& sc, double g, double d, LabelLayout& layout) {
  const KuormaVektori& loads = p.loads;
  const RakenneVektori& m = p.member;
  const bool surface = loads.Kind(i) == KuormaVektori::kSurface;
  const double width = surface ? sc.gatheringWidth : 1.0;
  const double q1 = loads.Q1(i) * width;
  const double q2 = loads.Q2(i) * width;
  if (q1 == 0.0 && q2 == 0.0) return;
  const int dir = loads.Direction(i);
  const double scale =
      std::abs(dir) > 3 ? (surface ? sc.surfaceMoment : sc.lineMoment) : sc.distributedForce;
  if (!(scale > 0.0)) return;

  double cs = 1.0, sn = 0.0;
  MemberDirection(m.Angle, cs, sn);
  const double x1 = loads.X1(i) < 0.0 ? 0.0 : loads.X1(i);
  const double x2 = loads.X2(i) < 0.0 ? m.Length : loads.X2(i);
  WorldPoint s{x1 * cs, x1 * sn};
  WorldPoint e{x2 * cs, x2 * sn};
  if (dir == 2 && loads.RefLength(i) == KuormaVektori::kPerHorizontal) {
    if (cs <= 0.0) return;
    s = WorldPoint{x1 * cs, m.Length * sn};
    e = WorldPoint{x2 * cs, m.Length * sn};
  } else if (dir == 1 && loads.RefLength(i) == KuormaVektori::kPerVertical) {
    if (sn <= 0.0) return;
    s = WorldPoint{0.0, x1 * sn};
    e = WorldPoint{0.0, x2 * sn};
  }
  s = WorldPoint{s.x - d * sn, s.y + d * cs};
  e = WorldPoint{e.x - d * sn, e.y + d * cs};
  const double h1 = AtLeast(q1 * 8.0 * g / scale, g);
  const double h2 = AtLeast(q2 * 8.0 * g / scale, g);
  DrawDistributedLoad(c, view, s, e, h1, h2, LoadSymbol{dir, m.Angle, g, p.Label(i), &layout, i});
}

void DrawOne(Canvas* c, const ViewTransform& view, const Drawn& p, int i, const LoadScales& sc,
             double g, double d, LabelLayout& layout) {
  if (p.loads.Kind(i) == KuormaVektori::kPoint) {
    DrawPointLoad(c, view, p, i, sc, g, d, layout);
  } else {
    DrawDistributed(c, view, p, i, sc, g, d, layout);
  }
}

void SetLoadColour(Canvas* c, Colour colour, const DrawStyle& style) {
  const Colour k = ModeColour(colour, style.colourMode);
  c->SetPenColour(k);
  c->SetPenWidth(2);
  c->SetPenStyle(PenStyle::Solid);
  c->SetFontColour(k);
  // Heads are filled in the pen's colour unless the drawing is hollow.
  c->SetBrushColour(style.hollow ? ModeColour(colours::kHollowFill, style.colourMode) : k);
  c->SetBrushStyle(style.hollow ? BrushStyle::Clear : BrushStyle::Solid);
}

bool KindShown(const KuormaVektori& loads, LoadKind kind) {
  switch (kind) {
    case KuormaVektori::kPoint:
      return loads.ShowPointLoads != 0;
    case KuormaVektori::kLine:
      return loads.ShowLineLoads != 0;
    case KuormaVektori::kSurface:
      return loads.ShowSurfaceLoads != 0;
  }
  return false;
}

// A surface that draws nothing, for the pass that only gathers where the outlines run.
class NoCanvas : public Canvas {
 public:
  explicit NoCanvas(const Canvas& like) : like_(like) {}
  double PixelsPerMmX() const override { return like_.PixelsPerMmX(); }
  double PixelsPerMmY() const override { return like_.PixelsPerMmY(); }
  void Line(DevicePoint, DevicePoint) override {}
  void Polyline(const std::vector<DevicePoint>&) override {}
  void Ellipse(double, double, double, double) override {}
  void Polygon(const std::vector<DevicePoint>&) override {}
  void Text(DevicePoint, const std::string&) override {}
  TextSize TextExtent(const std::string& text) const override { return like_.TextExtent(text); }

 private:
  const Canvas& like_;
};

// Surface, line and point loads in that order, case by case (only the visible case when
// one is chosen).
void DrawAllVisible(Canvas* c, const ViewTransform& view, const Drawn& p, const LoadScales& sc,
                    double g, double d, LabelLayout& layout) {
  const KuormaVektori& loads = p.loads;
  for (LoadKind kind : {KuormaVektori::kSurface, KuormaVektori::kLine, KuormaVektori::kPoint}) {
    if (!KindShown(loads, kind)) continue;
    for (int k = 0; k < loads.Cases().Count(); ++k) {
      if (loads.VisibleCase >= 0 && k != loads.VisibleCase) continue;
      for (int i = 0; i < loads.Count(); ++i) {
        if (loads.LoadCase(i) == k && loads.Kind(i) == kind)
          DrawOne(c, view, p, i, sc, g, d, layout);
      }
    }
  }
}

}  // namespace

bool LoadVisible(const KuormaVektori& loads, int i) {
  if (i < 0 || i >= loads.Count() || !KindShown(loads, loads.Kind(i))) return false;
  const int k = loads.LoadCase(i);
  if (k < 0 || k >= loads.Cases().Count()) return false;
  return loads.VisibleCase < 0 || k == loads.VisibleCase;
}

int LoadNumber(const KuormaVektori& loads, int i) {
  if (i < 0 || i >= loads.Count()) return 0;
  int n = 0;
  for (int j = 0; j <= i; ++j) {
    if (loads.LoadCase(j) == loads.LoadCase(i) && loads.Kind(j) == loads.Kind(i)) ++n;
  }
  return n;
}

std::string LoadLabel(const KuormaVektori& loads, int i) {
  const std::string name = loads.TextOr(i, 0);
  const std::string shown =
      name.empty() || name == " " ? std::to_string(LoadNumber(loads, i)) : CutChars(name, 20);
  return shown + ": " + LoadIntensityText(loads, i);
}

void DrawLoads(Canvas* canvas, const ViewTransform& view, const QELVUX_data* project,
               const DrawStyle& style, const SymbolSizes& sizes, LabelLayout* layout) {
  Canvas* c = canvas ? canvas : view.ViewCanvas();
  if (!c || !project) return;
  LabelLayout own;
  LabelLayout& lay = layout ? *layout : own;
  CanvasStateSaver keep(c);
  // The own weight is drawn among the loads of its case as the analysis gets it.
  const ProjectOwnWeight weight = OwnWeightOf(*project);
  KuormaVektori withWeight;
  int ownAt = -1;
  if (weight.Applies()) {
    withWeight = project->Loads;
    ownAt = AddOwnWeightRecord(withWeight, weight, project->Member.Length);
  }
  const KuormaVektori& loads = ownAt >= 0 ? withWeight : project->Loads;
  const Drawn drawn{loads, project->Member, ownAt,
                    ownAt >= 0 ? OwnWeightLabel(weight) : std::string()};
  const LoadScales sc = ScalesOf(drawn);
  const double g = sizes.symbol;
  const double d = sizes.width;
  SetLoadColour(c, colours::kLoad, style);

  // An undrawn pass first gathers every outline, so that each label keeps clear of the
  // outlines drawn after it as well as of those before.
  NoCanvas none(*c);
  lay.SetCollecting(true);
  DrawAllVisible(&none, view, drawn, sc, g, d, lay);
  lay.SetCollecting(false);
  DrawAllVisible(c, view, drawn, sc, g, d, lay);
  // The selected load of the project's list, where it stands among the drawn ones.
  int sel = project->Loads.CurrentIndex;
  if (ownAt >= 0 && sel >= ownAt) ++sel;
  if (style.highlight == 1 && sel >= 0 && LoadVisible(loads, sel)) {
    SetLoadColour(c, colours::kSelectedLoad, style);
    DrawOne(c, view, drawn, sel, sc, g, d, lay);
  }
}

}  // namespace qv
