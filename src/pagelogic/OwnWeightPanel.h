// The load page's "Oma paino automaattisesti" panel: what it shows, and the switch, density
// and load case the user sets there.
#pragma once

#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

struct OwnWeightPanel {
  bool on = false;
  std::string densityText;  // the density used, "%.0f" kg/m3
  // The density field is the user's only where the material table gives none.
  bool densityEditable = true;
  std::string densityNote;             // where the density used comes from
  std::vector<std::string> caseItems;  // the permanent load cases, "KT1: Omapaino"
  std::vector<int> caseIndexes;        // their case indexes
  int selectedCase = -1;               // item of the case that carries the weight
  std::string weightText;              // "Oma paino 0.363 kN/m (tiheys 420 kg/m3)" or why not
};

OwnWeightPanel ShowOwnWeightPanel(const QELVUX_data& project);

// Turns the option on or off. On needs a permanent load case: without one nothing changes
// and the reason is returned. Otherwise "" (or why code 4's combinations could not be made).
std::string SetOwnWeightOn(QELVUX_data& project, bool on);
// The density typed (kg/m3, stored whole): "" when stored, else the refusal naming the range.
std::string SetOwnWeightDensity(QELVUX_data& project, const std::string& text);
// Item of caseItems: that case carries the weight. "" or why the combinations could not be made.
std::string SetOwnWeightCase(QELVUX_data& project, int item);

constexpr const char* kOwnWeightDensityLabel = "Tiheys [kg/m3]:";
constexpr const char* kOwnWeightCaseLabel = "Kuormitustapaus:";

}  // namespace qv
