// Contents of the load tree: case, kind group, load and detail nodes, the selection after a
// rebuild, and what a node stands for.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Kinds.h"

class KuormaVektori;
class QELVUX_data;

namespace qv {

// Node images of the load tree.
constexpr int kLoadImageNone = -1;
constexpr int kLoadImageGroup = 0;  // case and kind group nodes

// Node levels.
constexpr int kLoadLevelCase = 0;
constexpr int kLoadLevelGroup = 1;
constexpr int kLoadLevelLoad = 2;
constexpr int kLoadLevelDetail = 3;

struct LoadTreeNode {
  int level = kLoadLevelCase;
  std::string text;
  int image = kLoadImageNone;
  bool expanded = false;  // case and group nodes are expanded
  // What the node stands for: its load case; its kind group (none for a case node); the
  // position of its load within the case, counted across the
  // three groups (-1 for case and group nodes); and that load's list index (-1 likewise).
  int loadCase = -1;
  std::optional<LoadKind> kind;
  int position = -1;
  int loadIndex = -1;
  // The own weight ("Oma paino automaattisesti") and its detail lines: shown, never a load of
  // the list, so it cannot be changed or deleted here.
  bool ownWeight = false;
};

struct LoadTree {
  std::vector<LoadTreeNode> nodes;  // display order, parents before their children
  int selected = -1;                // node to select, -1 = none (no load cases)
  int currentIndex = -1;            // the load page's selected load after the rebuild
};

// The tree of every load case, or of the visible one. With "Oma paino automaattisesti" the
// case that carries the own weight ends with a node of its own after the three groups (or,
// when no case can carry it, a top node says why). Selection: the node of the selected
// load (CurrentIndex) when it has one; otherwise the first line-load group node (else the
// first case node) and no selected load.
LoadTree BuildLoadTree(const QELVUX_data& project);

// Builds the tree with the updating flag set, stores the selected load it ends with and
// clears the flag: what the page runs before it refills KuormaPuu.
LoadTree RebuildLoadTree(QELVUX_data& project);

// Where a node points, counted from its place among the nodes before it: its case (that of
// the nearest case node at or before it), its kind group (the group nodes from that case
// node up to it: the first point loads, the second line loads, the third surface loads; none
// for the case node itself), its
// position within the case (the load nodes from the case node up to it, minus 1) and the
// list index of that load (first load of the case plus the position; -1 when it lies
// outside the list or the node stands for no load).
struct LoadTreePosition {
  int level = -1;  // -1: no such node
  int loadCase = -1;
  std::optional<LoadKind> kind;
  int position = -1;
  int loadIndex = -1;
};
LoadTreePosition LoadNodePosition(const KuormaVektori& loads, const LoadTree& tree, int node);

// The tree selection changed to node (KuormaPuuChange). Ignored (-1) while the loads are
// updating, for no node, and for case and group nodes. Otherwise the node's load becomes
// the selected load when it differs and lies inside the list: 1 when it changed, 0 when it
// stayed. The drawing is repainted on 0 and 1.
int ApplyLoadTreeSelection(KuormaVektori& loads, const LoadTree& tree, int node);

// Holds the loads' updating flag at 1 while the widget refills the tree; 0 again when it
// goes out of scope.
class LoadTreeRebuild {
 public:
  explicit LoadTreeRebuild(KuormaVektori& loads);
  ~LoadTreeRebuild();
  LoadTreeRebuild(const LoadTreeRebuild&) = delete;
  LoadTreeRebuild& operator=(const LoadTreeRebuild&) = delete;

 private:
  KuormaVektori& loads_;
};

}  // namespace qv
