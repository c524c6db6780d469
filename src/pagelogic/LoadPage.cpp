// The load page's commands, switches, pointer, hit test and drawing.
#include "pagelogic/LoadPage.h"

#include <cmath>

#include "project/QELVUX_data.h"
#include "ui/drawing/LoadDrawing.h"
#include "ui/drawing/MemberDrawing.h"
#include "ui/drawing/MemberView.h"

namespace qv {

const char* const kAllLoadCasesText = "Kaikki kuormitustapaukset";

namespace {

using KV = KuormaVektori;

const LoadTreeNode* SelectedNode(const LoadTree& tree) {
  if (tree.selected < 0 || tree.selected >= static_cast<int>(tree.nodes.size())) return nullptr;
  return &tree.nodes[static_cast<std::size_t>(tree.selected)];
}

// The selected load node's load, checked against the list: -1 when the node stands for no
// load of its case and kind (a case or group node, or a tree older than the list).
int SelectedLoad(const KuormaVektori& loads, const LoadTree& tree) {
  const LoadTreePosition p = LoadNodePosition(loads, tree, tree.selected);
  if (p.level < kLoadLevelLoad || !p.kind || p.loadIndex < 0) return -1;
  const int i = p.loadIndex;
  if (loads.LoadCase(i) != p.loadCase || loads.Kind(i) != p.kind) return -1;
  return i;
}

LoadDialogRequest ChangeRequest(const KuormaVektori& loads, int i) {
  LoadDialogRequest r;
  if (i < 0 || i >= loads.Count()) return r;
  r.open = true;
  r.loadCase = loads.LoadCase(i);
  r.kind = loads.Kind(i);
  r.loadIndex = i;
  r.pageResult = kLoadPageChanged;
  return r;
}

// Distance from the pointer to a load when it is a candidate of the hit test, else -1.
double HitDistance(const QELVUX_data& p, int i, double px, double py) {
  const KV& loads = p.Loads;
  const double L = p.Member.Length;
  double c = 1.0, n = 0.0;
  MemberDirection(p.Member.Angle, c, n);
  if (loads.Kind(i) == KV::kPoint) {
    const double x = loads.X1(i);
    const double d = std::hypot(px - x * c, py - x * n);
    return d < L / 7.0 ? d : -1.0;
  }
  const double x1 = loads.X1(i) < 0.0 ? 0.0 : loads.X1(i);
  const double x2 = loads.X2(i) < 0.0 ? L : loads.X2(i);
  const bool inX = x1 * c <= px && px <= x2 * c;
  const bool inY = x1 * n <= py && py <= x2 * n;
  const int dir = loads.Direction(i);
  const bool xPerVertical = dir == 1 && loads.RefLength(i) == KV::kPerVertical;
  const bool yPerHorizontal = dir == 2 && loads.RefLength(i) == KV::kPerHorizontal;
  const bool candidate =
      p.Member.Angle <= 45.0 ? (inX || (xPerVertical && inY)) : (inY || (yPerHorizontal && inX));
  if (!candidate) return -1.0;
  const double m = (x1 + x2) / 2.0;
  if (yPerHorizontal) return std::hypot(px - m * c, py - L * n);
  if (xPerVertical) return std::hypot(px, py - m * n);
  return std::hypot(px - m * c, py - m * n);
}

}  // namespace

VisibleCaseCombo FillVisibleCaseCombo(KuormaVektori& loads) {
  VisibleCaseCombo combo;
  combo.items.push_back(kAllLoadCasesText);
  const int count = loads.Cases().Count();
  for (int k = 0; k < count; ++k) combo.items.push_back(loads.Cases().Name(k));
  if (loads.VisibleCase >= count || loads.VisibleCase < -1) loads.VisibleCase = -1;
  combo.selected = loads.VisibleCase + 1;
  return combo;
}

int ChooseVisibleCase(KuormaVektori& loads, int item) {
  if (item < 0 || item > loads.Cases().Count()) return 0;
  if (item - 1 == loads.VisibleCase) return 0;
  loads.VisibleCase = item - 1;
  return 1;
}

LoadDialogRequest PlanAddLoad(const KuormaVektori& loads, const LoadTree& tree) {
  LoadDialogRequest r;
  if (SelectedNode(tree) == nullptr) return r;
  const LoadTreePosition p = LoadNodePosition(loads, tree, tree.selected);
  if (!p.kind) return r;
  const int k = loads.VisibleCase >= 0 ? loads.VisibleCase : p.loadCase;
  if (!loads.Cases().IsValid(k)) return r;
  r.open = true;
  r.loadCase = k;
  r.kind = *p.kind;
  r.loadIndex = -1;
  r.pageResult = kLoadPageAdded;
  return r;
}

LoadDialogRequest PlanChangeLoad(const KuormaVektori& loads, const LoadTree& tree) {
  return ChangeRequest(loads, SelectedLoad(loads, tree));
}

LoadDialogRequest PlanLoadTreeDoubleClick(const KuormaVektori& loads, const LoadTree& tree) {
  const LoadDialogRequest change = PlanChangeLoad(loads, tree);
  return change.open ? change : PlanAddLoad(loads, tree);
}

int DeleteSelectedLoad(KuormaVektori& loads, const LoadTree& tree) {
  const int i = SelectedLoad(loads, tree);
  if (i < 0 || loads.RemoveRecord(i) != 0) return kLoadPageNothingDone;
  loads.CurrentIndex = i - 1;
  return kLoadPageChanged;
}

void SetLoadKindShown(KuormaVektori& loads, LoadKind kind, bool down) {
  const int value = down ? 1 : 0;
  switch (kind) {
    case KV::kPoint:
      loads.ShowPointLoads = value;
      return;
    case KV::kLine:
      loads.ShowLineLoads = value;
      return;
    case KV::kSurface:
      loads.ShowSurfaceLoads = value;
      return;
  }
}

StructurePointer LoadPointerAt(const RakenneVektori& member, int clientWidth, int clientHeight,
                               double pixelsPerMmX, double pixelsPerMmY, double deviceX,
                               double deviceY) {
  StructurePointer p;
  p.valid =
      MemberPointerText(member, MemberViewKind::Loads, clientWidth, clientHeight, pixelsPerMmX,
                        pixelsPerMmY, deviceX, deviceY, p.text, p.worldX, p.worldY) == 0;
  return p;
}

int HitTestLoads(const QELVUX_data& project, double worldX, double worldY) {
  const KV& loads = project.Loads;
  double best = project.Member.Length;
  int hit = -1;
  for (int i = 0; i < loads.Count(); ++i) {
    if (!LoadVisible(loads, i)) continue;
    const double d = HitDistance(project, i, worldX, worldY);
    if (d >= 0.0 && d < best) {
      best = d;
      hit = i;
    }
  }
  return hit;
}

int ClickLoadDrawing(QELVUX_data& project, double worldX, double worldY) {
  const int hit = HitTestLoads(project, worldX, worldY);
  if (hit < 0 || hit == project.Loads.CurrentIndex) return 0;
  project.Loads.CurrentIndex = hit;
  return 1;
}

LoadDialogRequest DoubleClickLoadDrawing(QELVUX_data& project, double worldX, double worldY) {
  const int hit = HitTestLoads(project, worldX, worldY);
  if (hit < 0 || hit >= project.Loads.Count()) return LoadDialogRequest{};
  project.Loads.CurrentIndex = hit;
  return ChangeRequest(project.Loads, hit);
}

void DrawLoadPage(Canvas* canvas, const QELVUX_data* project, int clientWidth, int clientHeight,
                  int highlight) {
  DrawLoadView(canvas, project, clientWidth, clientHeight, highlight);
}

KTjaKYButtonLayout KTjaKYButtonFor(int freePixels) {
  KTjaKYButtonLayout b;
  b.caption = freePixels < 190 ? "KT ja KY ..." : "Kuormitustapaukset ja -yhdistelmät...";
  b.width = freePixels < 250 ? freePixels : 250;
  if (b.width < 0) b.width = 0;
  return b;
}

}  // namespace qv
