// The member's own weight as the project gives it: g·rho·A of the chosen section and material,
// in the load case that carries it, and the load record it becomes for the analysis.
#pragma once

#include <optional>
#include <string>

#include "model/OwnWeight.h"

class KuormaVektori;
class QELVUX_data;

namespace qv {

struct ProjectOwnWeight {
  bool on = false;
  int loadCase = -1;              // the case that carries it, -1 when none can
  double density = 0.0;           // kg/m3 used
  bool densityFromTable = false;  // rho_mean of the material table, else the project's value
  double area = 0.0;              // mm2 of the chosen section
  double lineLoad = 0.0;          // g·rho·A, N/mm (= kN/m), downwards
  std::string problem;            // why it cannot be applied, "" when it can

  // On, and nothing keeps it from the analysis.
  bool Applies() const { return on && problem.empty(); }
};

// The weight of the project's member as it stands now.
ProjectOwnWeight OwnWeightOf(const QELVUX_data& project);

// rho_mean (kg/m3) of the chosen material where its table gives one.
std::optional<double> TableMeanDensity(const QELVUX_data& project);

// Sets "Oma paino automaattisesti", its density and case as the load page does: code 4's
// combinations are generated again (a case may now hold nothing but the weight, or no longer
// hold it), and the analysis is no longer current. Returns "" or why the combinations could
// not be generated.
std::string ApplyOwnWeightSetting(QELVUX_data& project, const OwnWeightSetting& setting);

// Adds the weight to loads as the record a uniform line load typed by hand would be: global
// Y downwards, per member length, from 0 to the member length. Returns its index, or -1
// when the weight does not apply.
int AddOwnWeightRecord(KuormaVektori& loads, const ProjectOwnWeight& weight, double length);

// "Oma paino 0.363 kN/m (tiheys 420 kg/m3)"; the problem when it cannot be applied. Plain
// characters only: the text also goes into report files.
std::string OwnWeightLabel(const ProjectOwnWeight& weight);
// "materiaalitaulukosta" or "projektin asetus": where the density comes from.
std::string OwnWeightDensitySource(const ProjectOwnWeight& weight);

// Name of the load record (and of the tree node).
constexpr const char* kOwnWeightName = "Oma paino";
constexpr const char* kOwnWeightOptionText = "Oma paino automaattisesti";
constexpr const char* kOwnWeightNoCaseText =
    "Oma paino: yhdelläkään kuormitustapauksella ei ole pysyvää aikaluokkaa ja kuormaluokkaa "
    "G, joten omaa painoa ei voi lisätä. Lisää sellainen kuormitustapaus tai poista valinta "
    "\"Oma paino automaattisesti\".";
constexpr const char* kOwnWeightNoSectionText =
    "Oma paino: poikkileikkausta ei ole valittu, joten omaa painoa ei voi laskea.";

}  // namespace qv
