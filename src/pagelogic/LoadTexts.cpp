// Direction names, kind group names, duration class names and the conversion to shown units.
#include "pagelogic/LoadTexts.h"

#include "project/QELVUX_data.h"

namespace qv {

namespace {

const char* const kTreeNames[12] = {
    "FX (pääkoord.)",      "FY (pääkoord)",        "FZ (pääkoord)",        "MX (pääkoord.)",
    "MY (pääkoord)",       "MZ (pääkoord)",        "Fx (paikalliskoord.)", "Fy (paikalliskoord)",
    "Fz (paikalliskoord)", "Mx (paikalliskoord.)", "My (paikalliskoord)",  "Mz (paikalliskoord)"};
const char* const kReportNames[12] = {"FX", "FY", "FZ", "MX", "MY", "MZ",
                                      "Fx", "Fy", "Fz", "Mx", "My", "Mz"};

}  // namespace

int DirectionNameIndex(int code) {
  if (code >= 1 && code <= 6) return code - 1;
  if (code <= -1 && code >= -6) return -code + 5;
  return -1;
}

std::string DirectionTreeName(int code) {
  const int i = DirectionNameIndex(code);
  return i < 0 ? std::string() : kTreeNames[i];
}

std::string DirectionReportName(int code) {
  const int i = DirectionNameIndex(code);
  return i < 0 ? std::string() : kReportNames[i];
}

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
