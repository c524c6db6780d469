// Direction names, kind group names, duration class names and the conversion to shown units.
#include "pagelogic/LoadTexts.h"

#include "project/QELVUX_data.h"

namespace qv {


std::string LoadKindGroupName(LoadKind kind) {
  switch (kind) {
    case LoadKind::kPoint:
      return "PISTEKUORMAT:";
    case LoadKind::kLine:
      return "VIIVAKUORMAT:";
    case LoadKind::kSurface:
      return "PINTAKUORMAT:";
  }
  return std::string();
}

std::string DurationClassNameOf(const QELVUX_data& project, int durationClass) {
  const std::string line =
      project.Materials.DurationClassName(project.DesignCode, durationClass + 1);
  // Only the first field names the class; later fields, if any, are table data.
  const std::size_t cut = line.find(';');
  return cut == std::string::npos ? line : line.substr(0, cut);
}

std::string CaseDurationClassName(const QELVUX_data& project, int loadCase) {
  const KuormitustapausVektori& cases = project.Loads.Cases();
  if (!cases.IsValid(loadCase)) return std::string();
  return DurationClassNameOf(project, cases.DurationClass(loadCase));
}

std::string LoadCaseTitle(const QELVUX_data& project, int loadCase) {
  return project.Loads.Cases().Name(loadCase) + " (" + CaseDurationClassName(project, loadCase) +
         "):";
}

}  // namespace qv
