// Contents of the structure tree: group, member and point nodes, the selection after a rebuild, and
// what a node stands for.
#pragma once

#include <string>
#include <vector>

#include "model/RakenneVektori.h"

namespace qv {

// Node images of the structure tree.
constexpr int kStructureImageNone = -1;
constexpr int kStructureImageGroup = 0;  // "RAKENNE:", "TUET:", "NIVELET:"
constexpr int kStructureImageMember = 1;
constexpr int kStructureImagePinned = 2;    // "Niveltuki"
constexpr int kStructureImageSlidingX = 3;  // "Liukutuki X"
constexpr int kStructureImageSlidingY = 4;  // "Liukutuki Y"
constexpr int kStructureImageFixed = 5;     // "Jäykkätuki"
constexpr int kStructureImageHinge = 6;

// Groups, in the order of the level-0 nodes.
constexpr int kStructureGroupNone = 0;
constexpr int kStructureGroupMember = 1;
constexpr int kStructureGroupSupports = 2;
constexpr int kStructureGroupHinges = 3;

struct StructureTreeNode {
  int level = 0;  // 0 group, 1 member name or point, 2 detail line
  std::string text;
  int image = kStructureImageNone;
  bool expanded = true;
  // What the node stands for: its group (1 member, 2 supports, 3 hinges, the number of
  // group nodes from the first node to this one) and its point, the index in the member of
  // the point of a point node and its lines (supports precede hinges in the member, so this
  // is the count of level-1 nodes up to this one minus 2), -1 for the member name node and
  // its lines, -2 for a group node.
  int group = kStructureGroupNone;
  int pointIndex = -2;
};

struct StructureTree {
  std::vector<StructureTreeNode> nodes;  // in display order, parents before their children
  int selected = -1;                     // node to select, -1 = none (empty tree)
};

// Where a node points in the model; group 0 for no node.
struct StructureTreePosition {
  int group = kStructureGroupNone;
  int pointIndex = -2;
};

// The tree of the member. Selection: the node of the member's CurrentIndex point, the member
// name node when CurrentIndex is -1, else the group node of previousGroup (the group node
// selected before the rebuild, 0 when none was), else the first node.
StructureTree BuildStructureTree(const RakenneVektori& member,
                                 int previousGroup = kStructureGroupNone);

// The group of the selected node when it is a group node (level 0), else 0: what the page
// hands to the next rebuild.
int SelectedGroupNode(const StructureTree& tree);

// Group and point index of a node; group 0 when the node is out of range.
StructureTreePosition TreePosition(const StructureTree& tree, int node);

// Support type name of a restraint code ("Niveltuki", "Liukutuki X", "Liukutuki Y",
// "Jäykkätuki"), "" for any other code.
std::string SupportTypeName(int code);
// Tree image of a support's restraint code; the pinned image for an unknown code.
int SupportImage(int code);

// The tree selection changed to node (GeometriaPuuChange). Ignored (-1) while the tree is
// being rebuilt, for no node or a group node. Otherwise the node's point becomes the
// member's CurrentIndex when it differs and is a valid item (-1 or a point): 1 when it
// changed, 0 when it stayed. The drawing is repainted on 0 and 1.
int ApplyTreeSelection(RakenneVektori& member, const StructureTree& tree, int node);

// Holds the member's tree-rebuild flag at 1 while the widget refills the tree, so that the
// selection events it raises are ignored; 0 again when it goes out of scope.
class StructureTreeRebuild {
 public:
  explicit StructureTreeRebuild(RakenneVektori& member) : member_(member) {
    member_.TreeRebuilding = 1;
  }
  ~StructureTreeRebuild() { member_.TreeRebuilding = 0; }
  StructureTreeRebuild(const StructureTreeRebuild&) = delete;
  StructureTreeRebuild& operator=(const StructureTreeRebuild&) = delete;

 private:
  RakenneVektori& member_;
};

}  // namespace qv
