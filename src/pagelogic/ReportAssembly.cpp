// Report assembly: which section reports go into the printable report, in which order.
#include "pagelogic/ReportAssembly.h"

#include "design/DesignReport.h"
#include "model/TextCodec.h"
#include "pagelogic/LoadReport.h"
#include "pagelogic/ReactionReport.h"
#include "pagelogic/StructureReport.h"
#include "project/QELVUX_data.h"

namespace qv {
namespace {

bool HasText(const std::string& t) { return !t.empty() && t != " "; }

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
  to.insert(to.end(), lines.begin(), lines.end());
}

}  // namespace

std::vector<std::string> ProjectInfoLines(const QELVUX_data& p) {
  std::vector<std::string> lines{kReportRule, "PROJEKTITIEDOT:"};
  if (HasText(p.CalculatedBy)) lines.push_back("Laskija:\t" + p.CalculatedBy);
  if (HasText(p.Contact)) lines.push_back("Yhteystiedot:\t" + p.Contact);
  if (HasText(p.Site)) lines.push_back("Kohde:\t" + p.Site);
  if (HasText(p.OtherInfo)) {
    lines.push_back("Muut tiedot:");
    Append(lines, SplitLines(p.OtherInfo));
  }
  return lines;
}

std::vector<std::string> AssembleReport(const QELVUX_data& p, const ReportParts& parts) {
  std::vector<std::string> out;
  const auto on = [&](int s) { return p.ReportSwitches[static_cast<std::size_t>(s)] != 0; };
  if (!on(kReportEvents)) return out;
  if (on(kReportProjectInfo) && parts.projectInfo.size() > 2) Append(out, parts.projectInfo);
  if (on(kReportStructure)) Append(out, parts.structure);
  if (on(kReportLoads)) Append(out, parts.loads);
  if (on(kReportReactionsCombinations) || on(kReportReactionsCases)) Append(out, parts.reactions);
  if (on(kReportDesign)) Append(out, parts.design);
  if (!out.empty()) out.push_back(kReportRule);
  return out;
}

std::vector<std::string> BuildReportLines(const QELVUX_data& p) {
  ReportParts parts;
  parts.projectInfo = ProjectInfoLines(p);
  parts.structure = StructureReportLines(p);
  parts.loads = LoadReportLines(p);
  parts.design = WriteDesignReport(p);
  parts.reactions = ReactionReportLines(p);
  return AssembleReport(p, parts);
}

}  // namespace qv
