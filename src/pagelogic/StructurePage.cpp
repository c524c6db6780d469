// Commands of the structure page and the geometry of its drawing.
#include "pagelogic/StructurePage.h"

#include <cmath>

namespace qv {

const char* const kPointerTextUnknown = "(?,?)";

namespace {

constexpr double kPi = 3.14159265358979323846;

const StructureTreeNode* SelectedNode(const StructureTree& tree) {
  if (tree.selected < 0 || tree.selected >= static_cast<int>(tree.nodes.size())) return nullptr;
  return &tree.nodes[static_cast<std::size_t>(tree.selected)];
}

bool IsPointGroup(int group) {
  return group == kStructureGroupSupports || group == kStructureGroupHinges;
}

int GroupOfKind(int kind) {
  if (kind == RakenneVektori::kSupport) return kStructureGroupSupports;
  if (kind == RakenneVektori::kHinge) return kStructureGroupHinges;
  return kStructureGroupNone;
}

}  // namespace

RakenneDialogRequest PlanAddPoint(const StructureTree& tree) {
  RakenneDialogRequest r;
  const StructureTreeNode* n = SelectedNode(tree);
  if (n == nullptr || !IsPointGroup(n->group)) return r;
  r.open = true;
  r.mode = n->group;
  r.pointIndex = -1;
  return r;
}

RakenneDialogRequest PlanEditPoint(const StructureTree& tree, const RakenneVektori& member) {
  const StructureTreeNode* n = SelectedNode(tree);
  if (n == nullptr || n->level == 0) return PlanAddPoint(tree);
  if (n->group == kStructureGroupMember) return DialogForPoint(member, -1);
  RakenneDialogRequest r = DialogForPoint(member, n->pointIndex);
  // The node must still match the member it was built from.
  if (r.mode != n->group) return RakenneDialogRequest{};
  return r;
}

RakenneDialogRequest DialogForPoint(const RakenneVektori& member, int index) {
  RakenneDialogRequest r;
  if (index == -1) {
    r.open = true;
    r.mode = 1;
    return r;
  }
  if (index < 0 || index >= member.Count()) return r;
  const int group = GroupOfKind(member.Kind(index));
  if (group == kStructureGroupNone) return r;
  r.open = true;
  r.mode = group;
  r.pointIndex = index;
  return r;
}

int DeleteSelectedPoint(RakenneVektori& member, const StructureTree& tree) {
  const StructureTreeNode* n = SelectedNode(tree);
  if (n == nullptr || n->level == 0 || !IsPointGroup(n->group)) return kPageNothingDone;
  const int i = n->pointIndex;
  if (i < 0 || i >= member.Count() || GroupOfKind(member.Kind(i)) != n->group)
    return kPageNothingDone;
  member.RemoveRecord(i);
  member.CurrentIndex = i - 1;
  return kPageChanged;
}

WorldBox StructureViewExtent(const RakenneVektori& member) {
  return MemberViewBox(member, MemberViewKind::Structure);
}

StructurePointer StructurePointerAt(const RakenneVektori& member, int clientWidth, int clientHeight,
                                    double pixelsPerMmX, double pixelsPerMmY, double deviceX,
                                    double deviceY) {
  StructurePointer p;
  p.valid =
      MemberPointerText(member, MemberViewKind::Structure, clientWidth, clientHeight, pixelsPerMmX,
                        pixelsPerMmY, deviceX, deviceY, p.text, p.worldX, p.worldY) == 0;
  return p;
}

int NearestStructurePoint(const RakenneVektori& member, double worldX, double worldY) {
  const double a = member.Angle * kPi / 180.0;
  const double c = std::cos(a);
  const double s = std::sin(a);
  int best = -1;
  double bestDistance = member.Length / 10.0;
  for (int i = 0; i < member.Count(); ++i) {
    if (GroupOfKind(member.Kind(i)) == kStructureGroupNone) continue;
    const double d = std::hypot(member.X(i) * c - worldX, member.X(i) * s - worldY);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

int ClickStructure(RakenneVektori& member, double worldX, double worldY) {
  const int hit = NearestStructurePoint(member, worldX, worldY);
  if (hit == member.CurrentIndex) return 0;
  member.CurrentIndex = hit;
  return 1;
}

RakenneDialogRequest DoubleClickStructure(RakenneVektori& member, double worldX, double worldY) {
  member.CurrentIndex = NearestStructurePoint(member, worldX, worldY);
  return DialogForPoint(member, member.CurrentIndex);
}

}  // namespace qv
