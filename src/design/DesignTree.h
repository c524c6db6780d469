// The design page's results tree as plain nodes, its total label and the section information lines.
#pragma once

#include <string>
#include <vector>

#include "design/DesignResults.h"

class QELVUX_data;

namespace qv {

// One node of the results tree, in display order; a node's parent is the nearest earlier
// node one level up.
struct DesignTreeNode {
  int level = 0;
  std::string text;
  int image = 0;  // 1 exceeded, 2 satisfied, 3 information
  bool expanded = false;
};

struct DesignTree {
  std::vector<DesignTreeNode> nodes;
  double stressUtilisation = 0.0;      // largest stress combination utilisation (%)
  double deflectionUtilisation = 0.0;  // largest deflection combination utilisation (%)
  double vibrationUtilisation = 0.0;   // floor vibration (code 4), largest span (%)
  double overall = 0.0;                // the largest of the three
  bool passes = true;                  // overall <= 100
  bool allChecksRan = true;            // every combination of an enabled group was checked
};

// Builds the tree from the gathered results: the characteristic values (info display on,
// codes 2 and 3), the stress group, the deflection group and the floor vibration group,
// images propagated upwards.
DesignTree BuildDesignTree(const DesignResults& results);
// Runs the checks on the project's current analysis and builds the tree.
DesignTree BuildDesignTree(const QELVUX_data& project);

// "Kokonaiskäyttöaste = %.1f %"
std::string TotalLabelText(double overall);
// The caption before any design: "Kokonaiskäyttöaste = ? % ".
constexpr const char* kTotalLabelInitial = "Kokonaiskäyttöaste = ? % ";
// Traffic light image: 2 when the design passes, 1 when it fails.
inline int TrafficLightImage(bool passes) { return passes ? 2 : 1; }

// The section information list: "MATERIAALI: %s", then the shape and its dimensions; the
// single line "?" when no valid section is chosen; with "Oma paino automaattisesti" the own
// weight the section is designed with, "OMA PAINO: %.3f kN/m (%.0f kg/m3)".
std::vector<std::string> SectionInfoLines(const QELVUX_data& project);

}  // namespace qv
