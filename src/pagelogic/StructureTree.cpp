// Contents of the structure tree and its selection rules.
#include "pagelogic/StructureTree.h"

#include "model/NumberText.h"
#include "model/TextCodec.h"

namespace qv {

namespace {

void Add(StructureTree& tree, int level, const std::string& text, int image, int group,
         int pointIndex) {
  StructureTreeNode n;
  n.level = level;
  n.text = text;
  n.image = image;
  n.expanded = true;
  n.group = group;
  n.pointIndex = pointIndex;
  tree.nodes.push_back(n);
}

std::string GroupText(const char* title, int count) {
  return std::string(title) + " (" + std::to_string(count) + " kpl)";
}

std::string XText(double x) { return "x = " + FormatFixed(x, 0) + " mm"; }

void AddMember(StructureTree& tree, const RakenneVektori& m) {
  const int g = kStructureGroupMember;
  Add(tree, 0, "RAKENNE:", kStructureImageGroup, g, -2);
  Add(tree, 1, CutChars(m.Name, 59), kStructureImageMember, g, -1);
  Add(tree, 2, "Pituus = " + FormatFixed(m.Length, 0) + " mm", kStructureImageNone, g, -1);
  Add(tree, 2, "Suuntakulma: " + FormatFixed(m.Angle, 1) + " astetta", kStructureImageNone, g, -1);
  if (m.LoadWidth > 0.0)
    Add(tree, 2, "Pintakuormien leveys: " + FormatFixed(m.LoadWidth, 1) + " mm",
        kStructureImageNone, g, -1);
  if (m.RidgeX >= 0.0)
    Add(tree, 2, "Harjan paikka: " + FormatFixed(m.RidgeX, 1) + " mm", kStructureImageNone, g, -1);
}

// Point nodes of one kind, numbered from 1 in member order.
void AddPoints(StructureTree& tree, const RakenneVektori& m, int kind) {
  const bool supports = kind == RakenneVektori::kSupport;
  const int g = supports ? kStructureGroupSupports : kStructureGroupHinges;
  Add(tree, 0, GroupText(supports ? "TUET:" : "NIVELET:", m.CountOfKind(kind)),
      kStructureImageGroup, g, -2);
  int number = 0;
  for (int i = 0; i < m.Count(); ++i) {
    if (m.Kind(i) != kind) continue;
    ++number;
    const int image = supports ? SupportImage(m.Code(i)) : kStructureImageHinge;
    Add(tree, 1, std::to_string(number) + ": " + m.TextOr(i, 0), image, g, i);
    Add(tree, 2, XText(m.X(i)), kStructureImageNone, g, i);
    if (supports) Add(tree, 2, SupportTypeName(m.Code(i)), kStructureImageNone, g, i);
  }
}

int FindNode(const StructureTree& tree, int level, int group, int pointIndex) {
  for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
    const StructureTreeNode& n = tree.nodes[i];
    if (n.level == level && n.group == group && (level == 0 || n.pointIndex == pointIndex))
      return static_cast<int>(i);
  }
  return -1;
}

int InitialSelection(const StructureTree& tree, const RakenneVektori& m, int previousGroup) {
  int node = -1;
  if (m.CurrentIndex == -1) {
    node = FindNode(tree, 1, kStructureGroupMember, -1);
  } else if (m.CurrentIndex >= 0 && m.CurrentIndex < m.Count()) {
    // Points of any other kind than support or hinge have no node.
    const int kind = m.Kind(m.CurrentIndex);
    const int group = kind == RakenneVektori::kSupport ? kStructureGroupSupports
                      : kind == RakenneVektori::kHinge ? kStructureGroupHinges
                                                       : kStructureGroupNone;
    node = FindNode(tree, 1, group, m.CurrentIndex);
  }
  if (node < 0 && previousGroup != kStructureGroupNone) node = FindNode(tree, 0, previousGroup, 0);
  if (node < 0 && !tree.nodes.empty()) node = 0;
  return node;
}

}  // namespace

std::string SupportTypeName(int code) {
  switch (code) {
    case RakenneVektori::kPinned:
      return "Niveltuki";
    case RakenneVektori::kSlidingX:
      return "Liukutuki X";
    case RakenneVektori::kSlidingY:
      return "Liukutuki Y";
    case RakenneVektori::kFixed:
      return "Jäykkätuki";
    default:
      return "";
  }
}

int SupportImage(int code) {
  switch (code) {
    case RakenneVektori::kSlidingX:
      return kStructureImageSlidingX;
    case RakenneVektori::kSlidingY:
      return kStructureImageSlidingY;
    case RakenneVektori::kFixed:
      return kStructureImageFixed;
    default:
      return kStructureImagePinned;
  }
}

StructureTree BuildStructureTree(const RakenneVektori& member, int previousGroup) {
  StructureTree tree;
  AddMember(tree, member);
  AddPoints(tree, member, RakenneVektori::kSupport);
  AddPoints(tree, member, RakenneVektori::kHinge);
  tree.selected = InitialSelection(tree, member, previousGroup);
  return tree;
}

int SelectedGroupNode(const StructureTree& tree) {
  if (tree.selected < 0 || tree.selected >= static_cast<int>(tree.nodes.size()))
    return kStructureGroupNone;
  const StructureTreeNode& n = tree.nodes[static_cast<std::size_t>(tree.selected)];
  return n.level == 0 ? n.group : kStructureGroupNone;
}

StructureTreePosition TreePosition(const StructureTree& tree, int node) {
  StructureTreePosition p;
  if (node < 0 || node >= static_cast<int>(tree.nodes.size())) return p;
  p.group = tree.nodes[static_cast<std::size_t>(node)].group;
  p.pointIndex = tree.nodes[static_cast<std::size_t>(node)].pointIndex;
  return p;
}

int ApplyTreeSelection(RakenneVektori& member, const StructureTree& tree, int node) {
  if (member.TreeRebuilding != 0) return -1;
  if (node < 0 || node >= static_cast<int>(tree.nodes.size())) return -1;
  if (tree.nodes[static_cast<std::size_t>(node)].level == 0) return -1;
  const int index = TreePosition(tree, node).pointIndex;
  if (index == member.CurrentIndex || index < -1 || index >= member.Count()) return 0;
  member.CurrentIndex = index;
  return 1;
}

}  // namespace qv
