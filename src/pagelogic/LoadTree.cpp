// The load tree: nodes per case, kind group and load, the selection rules and node positions.
#include "pagelogic/LoadTree.h"

#include <iterator>

#include "model/NumberText.h"
#include "pagelogic/LoadTexts.h"
#include "project/ProjectOwnWeight.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

using KV = KuormaVektori;

void Add(LoadTree& tree, int level, const std::string& text, int loadCase,
         std::optional<LoadKind> kind, int position, int loadIndex) {
  LoadTreeNode n;
  n.level = level;
  n.text = text;
  n.image = level <= kLoadLevelGroup ? kLoadImageGroup : kLoadImageNone;
  n.expanded = level <= kLoadLevelGroup;
  n.loadCase = loadCase;
  n.kind = kind;
  n.position = position;
  n.loadIndex = loadIndex;
  tree.nodes.push_back(n);
}

std::vector<std::string> DetailLines(const QELVUX_data& p, int i) {
  const KV& loads = p.Loads;
  const LoadKind kind = loads.Kind(i);
  const int dir = loads.Direction(i);
  const bool moment = IsMomentDirection(dir);
  std::vector<std::string> lines{"Suunta: " + DirectionTreeName(dir)};
  if (kind == KV::kPoint) {
    lines.push_back((moment ? "Momentti: " : "Voima: ") + LoadValueText(kind, dir, loads.Q1(i)));
    lines.push_back("Paikka x1: " + FormatFixed(loads.X1(i), 1) + " mm");
    return lines;
  }
  lines.push_back("Alkupään intensiteetti: " + LoadValueText(kind, dir, loads.Q1(i)));
  lines.push_back("Loppupään intensiteetti: " + LoadValueText(kind, dir, loads.Q2(i)));
  const double x1 = loads.X1(i) < 0.0 ? 0.0 : loads.X1(i);
  const double x2 = loads.X2(i) < 0.0 ? p.Member.Length : loads.X2(i);
  lines.push_back("Alkupiste x1: " + FormatFixed(x1, 1) + " mm");
  lines.push_back("Loppupiste x2: " + FormatFixed(x2, 1) + " mm");
  return lines;
}

// The own weight as the analysis gets it: a node after the case's groups, with its details.
void AddOwnWeight(LoadTree& tree, const QELVUX_data& p, const ProjectOwnWeight& w, int k) {
  Add(tree, kLoadLevelGroup, OwnWeightLabel(w), k, std::nullopt, -1, -1);
  tree.nodes.back().ownWeight = true;
  if (!w.Applies()) return;
  const std::vector<std::string> details{
      "Suunta: " + DirectionTreeName(2),
      "Intensiteetti: " + FormatFixed(-w.lineLoad, 3) + " kN/m",
      "Tiheys: " + FormatFixed(w.density, 0) + " kg/m3 (" + OwnWeightDensitySource(w) + ")",
      "A = " + FormatFixed(w.area, 0) + " mm2",
      "Alkupiste x1: 0.0 mm",
      "Loppupiste x2: " + FormatFixed(p.Member.Length, 1) + " mm",
      "Ei muokattavissa: g x tiheys x A"};
  for (const std::string& line : details) {
    Add(tree, kLoadLevelLoad, line, k, std::nullopt, -1, -1);
    tree.nodes.back().ownWeight = true;
  }
}

// One case node with its three groups; returns the node of the line-load group.
int AddCase(LoadTree& tree, const QELVUX_data& p, int k, const ProjectOwnWeight& own) {
  const KV& loads = p.Loads;
  Add(tree, kLoadLevelCase, LoadCaseTitle(p, k), k, std::nullopt, -1, -1);
  int lineGroup = -1;
  int position = 0;
  for (LoadKind kind : kLoadKinds) {
    if (kind == KV::kLine) lineGroup = static_cast<int>(tree.nodes.size());
    Add(tree, kLoadLevelGroup,
        LoadKindGroupName(kind) + " (" + std::to_string(loads.CountLoads(k, kind)) + " kpl)", k,
        kind, -1, -1);
    int number = 0;
    for (int i = 0; i < loads.Count(); ++i) {
      if (loads.LoadCase(i) != k || loads.Kind(i) != kind) continue;
      ++number;
      Add(tree, kLoadLevelLoad, std::to_string(number) + ": " + loads.TextOr(i, 0), k, kind,
          position, i);
      for (const std::string& line : DetailLines(p, i))
        Add(tree, kLoadLevelDetail, line, k, kind, position, i);
      ++position;
    }
  }
  if (own.on && own.loadCase == k) AddOwnWeight(tree, p, own, k);
  return lineGroup;
}

int LoadNode(const LoadTree& tree, int loadIndex) {
  if (loadIndex < 0) return -1;
  for (std::size_t n = 0; n < tree.nodes.size(); ++n) {
    if (tree.nodes[n].level == kLoadLevelLoad && tree.nodes[n].loadIndex == loadIndex)
      return static_cast<int>(n);
  }
  return -1;
}

}  // namespace

LoadTree BuildLoadTree(const QELVUX_data& project) {
  const KV& loads = project.Loads;
  const int caseCount = loads.Cases().Count();
  const int visible = loads.VisibleCase;
  LoadTree tree;
  int firstLineGroup = -1;
  const ProjectOwnWeight own = OwnWeightOf(project);
  for (int k = 0; k < caseCount; ++k) {
    if (visible >= 0 && visible < caseCount && k != visible) continue;
    const int lineGroup = AddCase(tree, project, k, own);
    if (firstLineGroup < 0) firstLineGroup = lineGroup;
  }
  // No case can carry it: the reason stands where it is seen.
  if (own.on && own.loadCase < 0) {
    Add(tree, kLoadLevelCase, own.problem, -1, std::nullopt, -1, -1);
    tree.nodes.back().ownWeight = true;
  }
  tree.selected = LoadNode(tree, loads.CurrentIndex);
  if (tree.selected >= 0) {
    tree.currentIndex = loads.CurrentIndex;
  } else {
    tree.selected = firstLineGroup >= 0 ? firstLineGroup : (tree.nodes.empty() ? -1 : 0);
    tree.currentIndex = -1;
  }
  return tree;
}

LoadTree RebuildLoadTree(QELVUX_data& project) {
  LoadTreeRebuild guard(project.Loads);
  LoadTree tree = BuildLoadTree(project);
  project.Loads.CurrentIndex = tree.currentIndex;
  return tree;
}

LoadTreePosition LoadNodePosition(const KuormaVektori& loads, const LoadTree& tree, int node) {
  LoadTreePosition p;
  if (node < 0 || node >= static_cast<int>(tree.nodes.size())) return p;
  int caseNode = -1;
  for (int n = node; n >= 0; --n) {
    if (tree.nodes[static_cast<std::size_t>(n)].level == kLoadLevelCase) {
      caseNode = n;
      break;
    }
  }
  p.level = tree.nodes[static_cast<std::size_t>(node)].level;
  if (caseNode < 0) return p;
  p.loadCase = tree.nodes[static_cast<std::size_t>(caseNode)].loadCase;
  int loadNodes = 0;
  int groups = 0;
  for (int n = caseNode + 1; n <= node; ++n) {
    const int level = tree.nodes[static_cast<std::size_t>(n)].level;
    if (level == kLoadLevelGroup) ++groups;
    if (level == kLoadLevelLoad) ++loadNodes;
  }
  if (groups > 0 && groups <= static_cast<int>(std::size(kLoadKinds)))
    p.kind = kLoadKinds[groups - 1];
  // Past the three groups (the own weight) no node stands for a load of the list.
  if (p.level < kLoadLevelLoad || !p.kind) return p;
  p.position = loadNodes - 1;
  const int first = loads.FirstLoad(p.loadCase, std::nullopt);
  if (first >= 0 && p.position >= 0 && first + p.position < loads.Count())
    p.loadIndex = first + p.position;
  return p;
}

int ApplyLoadTreeSelection(KuormaVektori& loads, const LoadTree& tree, int node) {
  if (loads.Updating != 0) return -1;
  const LoadTreePosition p = LoadNodePosition(loads, tree, node);
  if (p.level < kLoadLevelLoad) return -1;
  if (p.loadIndex < 0 || p.loadIndex == loads.CurrentIndex) return 0;
  loads.CurrentIndex = p.loadIndex;
  return 1;
}

LoadTreeRebuild::LoadTreeRebuild(KuormaVektori& loads) : loads_(loads) { loads_.Updating = 1; }
LoadTreeRebuild::~LoadTreeRebuild() { loads_.Updating = 0; }

}  // namespace qv
