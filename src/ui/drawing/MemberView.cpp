// Whole structure and load pictures and the pointer coordinates over them.
#include "ui/drawing/MemberView.h"

#include <algorithm>

#include "model/NumberText.h"
#include "project/QELVUX_data.h"
#include "ui/drawing/Dimensions.h"
#include "ui/drawing/LoadDrawing.h"
#include "ui/drawing/MemberDrawing.h"

namespace qv {

namespace {

// The two dimension chains of a drawing: arrows with labels below and left on the near
// side, slanted ticks with labels above and right on the far side.
struct ChainOffsets {
  double belowY, leftX, aboveY, rightX;  // multiples of s from the box
};

template <typename Draw>
void TwoChains(Canvas* c, const ViewTransform& view, const QELVUX_data* p, const WorldBox& box,
               double s, const ChainOffsets& o, Draw draw) {
  draw(c, view, p, DimensionStyle{0, 0, 0},
       DimensionPlacement{s, box.left - o.leftX * s, box.bottom - o.belowY * s});
  draw(c, view, p, DimensionStyle{1, 1, 1},
       DimensionPlacement{s, box.right + o.rightX * s, box.top + o.aboveY * s});
}

double SymbolSize(const WorldBox& box) { return 0.02 * std::max(box.Width(), box.Height()); }

// The chains below, right and left of the member step away from what the drawing put there
// (support numbers, which do not shrink with a small window; arrows brought from below):
// their ticks, s long, end 1 mm short of the lowest and the rightmost point reached. The
// chain below never steps so far that its numbers leave the surface (an exported picture
// ends at the bottom of the fitted box).
ChainOffsets ClearOf(Canvas* c, const LabelLayout& layout, const ViewTransform& view,
                     const WorldBox& box, double s, ChainOffsets o) {
  if (!layout.Reached() || !(s > 0.0)) return o;
  double right = 0.0;
  double lowest = 0.0;
  view.LogicalToWorld(layout.Rightmost(), layout.Lowest(), right, lowest);
  const double gap = view.Scale();  // 1 mm of surface in world millimetres
  int tw = 0;
  int th = 0;
  view.TextExtent(c, "0", tw, th);
  const double textHeight = th / 10.0 * view.Scale();
  const double deepest = (box.bottom - view.WorldBottom() - textHeight - gap) / s - 1.0;
  o.belowY = std::max(o.belowY, std::min(deepest, (box.bottom - lowest + gap) / s + 1.0));
  o.rightX = std::max(o.rightX, (right - box.right + gap) / s + 1.0);
  // The chain on the left (a steep member's) steps past a label set beside a load there,
  // as far as keeps its numbers, which stand left of it, on the surface.
  double left = 0.0, unused = 0.0;
  view.LogicalToWorld(layout.Leftmost(), layout.Lowest(), left, unused);
  view.TextExtent(c, FormatFixed(std::max(box.Width(), box.Height()), 0), tw, th);
  const double textWidth = tw / 10.0 * view.Scale();
  const double widest = (box.left - view.WorldLeft() - textWidth - gap) / s - 1.0;
  o.leftX = std::max(o.leftX, std::min(widest, (box.left - left + gap) / s + 1.0));
  return o;
}

}  // namespace

WorldBox MemberBox(const RakenneVektori& member) {
  WorldBox b;
  member.Extent(b.left, b.bottom, b.right, b.top);
  return b;
}

WorldBox MemberViewBox(const RakenneVektori& member, MemberViewKind kind) {
  WorldBox b = MemberBox(member);
  const double m = std::max(b.Width(), b.Height());
  const double a = member.Angle;
  const bool loads = kind == MemberViewKind::Loads;
  double side = 0.3, below = 0.3, above = 0.3;
  if (a <= 0.01) {
    side = 0.1;
    below = loads ? 0.2 : 0.15;
    above = loads ? 0.3 : 0.15;
  } else if (a >= 89.9) {
    side = 0.3;
    below = above = loads ? 0.15 : 0.1;
  }
  b.left -= side * m;
  b.right += side * m;
  b.bottom -= below * m;
  b.top += above * m;
  return b;
}

bool SurfaceLargeEnough(int clientWidth, int clientHeight) {
  return clientWidth - 1 > 5 && clientHeight - 1 > 5;
}

int FitMemberView(ViewTransform& view, Canvas* surface, const RakenneVektori& member,
                  MemberViewKind kind, int clientWidth, int clientHeight) {
  if (!SurfaceLargeEnough(clientWidth, clientHeight)) return -1;
  const WorldBox b = MemberViewBox(member, kind);
  return view.BeginView(surface, DeviceRect{0, 0, clientWidth - 1, clientHeight - 1}, b.left,
                        b.bottom, b.right, b.top, FitAlignment::Centre);
}

void DrawStructureView(Canvas* canvas, const QELVUX_data* project, int clientWidth,
                       int clientHeight, int highlight) {
  if (!canvas || !project) return;
  ViewTransform view(canvas);
  const RakenneVektori& m = project->Member;
  if (FitMemberView(view, canvas, m, MemberViewKind::Structure, clientWidth, clientHeight) != 0)
    return;
  const WorldBox box = MemberBox(m);
  const double s = SymbolSize(box);
  const DrawStyle style{highlight, 0, 0};
  const SymbolSizes sizes{s, s / 2.0};
  LabelLayout layout;
  DrawMember(canvas, view, project, &style, &sizes, &layout);
  TwoChains(canvas, view, project, box, s,
            ClearOf(canvas, layout, view, box, s, ChainOffsets{5.0, 4.0, 4.0, 5.0}),
            DrawDimensions);
  DrawOriginMark(canvas, view, s, project);
  view.EndView();
}

void DrawLoadView(Canvas* canvas, const QELVUX_data* project, int clientWidth, int clientHeight,
                  int highlight) {
  if (!canvas || !project) return;
  ViewTransform view(canvas);
  const RakenneVektori& m = project->Member;
  if (FitMemberView(view, canvas, m, MemberViewKind::Loads, clientWidth, clientHeight) != 0) return;
  const WorldBox box = MemberBox(m);
  const double s = SymbolSize(box);
  const DrawStyle memberStyle{0, 1, 1};
  const SymbolSizes memberSizes{s, s / 2.0};
  LabelLayout layout;
  DrawMember(canvas, view, project, &memberStyle, &memberSizes, &layout);
  DrawLoads(canvas, view, project, DrawStyle{highlight, 0, 0}, SymbolSizes{s / 2.0, s}, &layout);
  TwoChains(canvas, view, project, box, s,
            ClearOf(canvas, layout, view, box, s, ChainOffsets{6.0, 8.0, 10.0, 8.0}),
            DrawLoadDimensions);
  view.EndView();
}

int MemberPointerText(const RakenneVektori& member, MemberViewKind kind, int clientWidth,
                      int clientHeight, double pixelsPerMmX, double pixelsPerMmY, double deviceX,
                      double deviceY, std::string& text, double& worldX, double& worldY) {
  text = "(?,?)";
  worldX = 0.0;
  worldY = 0.0;
  ViewTransform view;
  view.SetResolution(pixelsPerMmX, pixelsPerMmY);
  if (FitMemberView(view, nullptr, member, kind, clientWidth, clientHeight) != 0) return -1;
  PointerText(view, deviceX, deviceY, text, worldX, worldY);
  if (member.Angle == 0.0) {
    text = "X = " + FormatFixed(worldX, 0);
  } else if (member.Angle == 90.0) {
    text = "Y = " + FormatFixed(worldY, 0);
  }
  view.EndView();
  return 0;
}

}  // namespace qv
