// Builds the results tree of the design page from the checks of every combination.
#include "design/DesignTree.h"

#include <algorithm>

#include "design/Deflections.h"
#include "design/DesignLines.h"
#include "design/UncheckedNotes.h"
#include "model/NumberText.h"
#include "project/ProjectOwnWeight.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

class TreeWriter {
 public:
  explicit TreeWriter(std::vector<DesignTreeNode>& nodes) : nodes_(nodes) {}

  int Add(int level, const std::string& text, int image, bool expanded = false) {
    nodes_.push_back({level, text, image, expanded});
    return static_cast<int>(nodes_.size()) - 1;
  }
  DesignTreeNode& operator[](int i) { return nodes_[static_cast<std::size_t>(i)]; }
  int Size() const { return static_cast<int>(nodes_.size()); }
  // An exceeded item marks every node above it.
  void MarkExceeded(std::initializer_list<int> parents) {
    for (int p : parents) (*this)[p].image = kImageExceeded;
  }

 private:
  std::vector<DesignTreeNode>& nodes_;
};

void AddCharacteristic(const DesignResults& r, TreeWriter& tree) {
  const char* const* labels = CharacteristicLabels(r.code);
  if (!r.infoDisplay || labels == nullptr) return;
  tree.Add(0, "MATERIAALITIEDOT (Ominaisarvot):", kImageInfo, r.treeExpansion == 1);
  for (int p = 0; p < 9; ++p) {
    const double v = r.characteristic.Get(MaterialOrderQuantity(p));
    tree.Add(1, MaterialValueLine(labels[p], p, v, DesignLineStyle::kTree), kImageInfo);
  }
}

// One stress combination under the root; returns its utilisation.
// A combination's node after its rows: one that was not checked says why; the heading
// carries its utilisation u, which is returned.
double FinishCombination(const DesignResults& r, const CombinationDesign& comb, int node, double u,
                         TreeWriter& tree) {
  if (!comb.Ran()) {
    // Not a satisfied combination: nothing was checked.
    tree[node].image = kImageInfo;
    tree.Add(2, NotRunLine(comb), kImageInfo);
  }
  tree[node].text = CombinationHeading(comb, u);
  tree[node].expanded = tree.Size() - 1 > node && r.treeExpansion == 1;
  return u;
}

double AddStressCombination(const DesignResults& r, const CombinationDesign& comb, int root,
                            TreeWriter& tree) {
  const std::vector<DesignLine> lines = StressLines(r, comb, DesignLineStyle::kTree);
  const int node = tree.Add(1, "", kImageSatisfied);
  for (const DesignLine& line : lines) {
    switch (line.kind) {
      case DesignLineKind::kUtilisation:
        tree.Add(2, line.text, UtilisationImage(line.utilisation));
        if (line.utilisation > kUtilisationLimit) tree.MarkExceeded({node, root});
        break;
      case DesignLineKind::kMaterialHeading:
        if (r.infoDisplay) tree.Add(2, line.text, kImageInfo, r.treeExpansion == 1);
        break;
      case DesignLineKind::kMaterialValue:
        if (r.infoDisplay) tree.Add(3, line.text, kImageInfo);
        break;
      default:  // force maxima and stability factors
        if (r.infoDisplay) tree.Add(2, line.text, kImageInfo);
        break;
    }
  }
  return FinishCombination(r, comb, node, LargestUtilisation(lines), tree);
}

double AddDeflectionCombination(const DesignResults& r, const CombinationDesign& comb, int root,
                                TreeWriter& tree) {
  const int node = tree.Add(1, "", kImageSatisfied);
  for (int s = 0; s < comb.spans.Count(); ++s) {
    const int span = tree.Add(2,
                              SpanHeading(s + 1, comb.spans.GetReal(s, DeflectionRow::kX1),
                                          comb.spans.GetReal(s, DeflectionRow::kX2)),
                              kImageSatisfied, true);
    const double uy = comb.utilY[static_cast<std::size_t>(s)];
    const double uz = comb.utilZ[static_cast<std::size_t>(s)];
    for (int direction : {DeflectionRow::kDirectionY, DeflectionRow::kDirectionZ}) {
      const double u = direction == DeflectionRow::kDirectionY ? uy : uz;
      if (!(u > 0.0)) continue;
      tree.Add(3, DeflectionLine(r.code, direction, comb.spans, s, u), UtilisationImage(u));
      if (u > kUtilisationLimit) tree.MarkExceeded({span, node, root});
    }
  }
  return FinishCombination(r, comb, node, DeflectionCombinationUtilisation(comb), tree);
}

// A group node with its combinations, headed by the largest utilisation among them.
template <typename AddCombination>
double AddGroup(const DesignResults& r, const std::string& title,
                const std::vector<CombinationDesign>& combinations, TreeWriter& tree,
                AddCombination addCombination) {
  const int root = tree.Add(0, title, kImageSatisfied, true);
  double u = 0.0;
  for (const CombinationDesign& comb : combinations)
    u = std::max(u, addCombination(r, comb, root, tree));
  tree[root].text = title + " (" + FormatFixed(u, 0) + " %)";
  return u;
}

double AddStressGroup(const DesignResults& r, TreeWriter& tree) {
  return AddGroup(r, "JÄNNITYSTARKASTELUT:", r.stress, tree, AddStressCombination);
}

double AddDeflectionGroup(const DesignResults& r, TreeWriter& tree) {
  return AddGroup(r, "SIIRTYMÄTARKASTELUT:", r.deflection, tree, AddDeflectionCombination);
}

// Code 4's floor vibration: per span its three checks of 7.3.
double AddVibrationGroup(const DesignResults& r, TreeWriter& tree) {
  const FloorVibrationDesign& v = r.vibration;
  const int root = tree.Add(0, kVibrationTitle, kImageSatisfied, true);
  const double u = v.ran ? v.Largest() : 0.0;
  if (!v.ran) {
    tree[root].image = kImageInfo;
    tree.Add(1, "Ei tarkastettu: " + v.notRun, kImageInfo);
  } else {
    tree.Add(1, VibrationMassLine(v), kImageInfo);
    if (v.supportedSpans > 1) tree.Add(1, kSeveralSpansNote, kImageInfo);
    for (const FloorVibrationSpan& s : v.spans) {
      const std::string heading = SpanHeading(s.span, s.x1, s.x2);
      if (s.cantilever) {
        tree.Add(1, heading + ": " + kCantileverNote, kImageInfo);
        continue;
      }
      const int span = tree.Add(1, heading, kImageSatisfied, true);
      for (const FloorVibrationLine& line : FloorVibrationLines(s.result, s.input)) {
        tree.Add(2, line.text, UtilisationImage(line.utilisation));
        if (line.utilisation > kUtilisationLimit) tree.MarkExceeded({span, root});
      }
    }
  }
  tree[root].text = std::string(kVibrationTitle) + " (" + FormatFixed(u, 0) + " %)";
  return u;
}

}  // namespace

DesignTree BuildDesignTree(const DesignResults& results) {
  DesignTree t;
  TreeWriter tree(t.nodes);
  AddCharacteristic(results, tree);
  if (results.settings.Jannitys) t.stressUtilisation = AddStressGroup(results, tree);
  if (results.settings.Siirtyma) t.deflectionUtilisation = AddDeflectionGroup(results, tree);
  if (results.vibrationOn) t.vibrationUtilisation = AddVibrationGroup(results, tree);
  if (!results.notes.empty()) {
    tree.Add(0, "EI TARKASTETTU:", kImageInfo, true);
    for (const std::string& note : results.notes) tree.Add(1, note, kImageInfo);
  }
  t.overall = std::max({t.stressUtilisation, t.deflectionUtilisation, t.vibrationUtilisation});
  t.passes = t.overall <= kUtilisationLimit;
  t.allChecksRan = results.AllChecksRan();
  return t;
}

DesignTree BuildDesignTree(const QELVUX_data& project) {
  return BuildDesignTree(CollectDesignResults(project));
}

std::string TotalLabelText(double overall) {
  return "Kokonaiskäyttöaste = " + FormatFixed(overall, 1) + " %";
}

std::vector<std::string> SectionInfoLines(const QELVUX_data& project) {
  const ProfiiliVektori& p = project.Profiles;
  if (!p.HasCurrent()) return {"?"};
  const int i = p.CurrentIndex;
  const std::vector<std::string> materials = project.Materials.MaterialNames(project.DesignCode);
  const int m = project.Materials.Material(project.DesignCode);
  const std::string material = m >= 1 && m <= static_cast<int>(materials.size())
                                   ? materials[static_cast<std::size_t>(m - 1)]
                                   : "?";
  std::vector<std::string> lines{"MATERIAALI: " + material};
  if (p.Shape(i) == SectionShape::kCircle) {
    lines.push_back("MUOTO: Pyöreä");
    lines.push_back("HALKAISIJA: " + FormatFixed(p.D(i), 0) + " mm");
  } else if (p.Shape(i) == SectionShape::kRectangle) {
    lines.push_back("MUOTO: Suorakaide");
    lines.push_back("LEVEYS: " + FormatFixed(p.B(i), 0) + " mm");
    lines.push_back("KORKEUS:" + FormatFixed(p.H(i), 0) + " mm");
  }
  // The weight this section is designed with, so that the page says it follows the section.
  const ProjectOwnWeight weight = OwnWeightOf(project);
  if (weight.Applies())
    lines.push_back("OMA PAINO: " + FormatFixed(weight.lineLoad, 3) + " kN/m (" +
                    FormatFixed(weight.density, 0) + " kg/m3)");
  return lines;
}

}  // namespace qv
