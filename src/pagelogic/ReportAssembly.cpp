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

ReportBuild::ReportBuild(const QELVUX_data& p, bool ahead)
    : project_(p),
      designJob_(
          [this] {
            if (On(kReportEvents) && On(kReportDesign)) design_ = WriteDesignReport(project_);
          },
          !ahead) {}

ReportBuild::ReportBuild(const QELVUX_data& p, const DesignResults& design)
    : project_(p),
      designJob_(
          [this, &design] {
            if (On(kReportEvents) && On(kReportDesign))
              design_ = WriteDesignReport(design, DesignReportOptionsOf(project_));
          },
          true) {}

bool ReportBuild::On(int reportSwitch) const {
  return project_.ReportSwitches[static_cast<std::size_t>(reportSwitch)] != 0;
}

std::vector<std::string> ReportBuild::Head() const {
  std::vector<std::string> out;
  if (!On(kReportEvents)) return out;
  if (On(kReportProjectInfo)) {
    const std::vector<std::string> info = ProjectInfoLines(project_);
    if (info.size() > 2) Append(out, info);
  }
  if (On(kReportStructure)) Append(out, StructureReportLines(project_));
  if (On(kReportLoads)) Append(out, LoadReportLines(project_));
  if (On(kReportReactionsCombinations) || On(kReportReactionsCases))
    Append(out, ReactionReportLines(project_));
  return out;
}

std::vector<std::string> ReportBuild::Tail(const std::vector<std::string>& head) {
  designJob_.Wait();
  std::vector<std::string> out = std::move(design_);
  design_.clear();
  if (!head.empty() || !out.empty()) out.push_back(kReportRule);
  return out;
}

std::vector<std::string> BuildReportLines(const QELVUX_data& p) {
  ReportBuild build(p, false);
  std::vector<std::string> lines = build.Head();
  Append(lines, build.Tail(lines));
  return lines;
}

std::vector<std::string> BuildReportLines(const QELVUX_data& p, const DesignResults& design) {
  ReportBuild build(p, design);
  std::vector<std::string> lines = build.Head();
  Append(lines, build.Tail(lines));
  return lines;
}

}  // namespace qv
