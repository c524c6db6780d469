// The printable report as plain lines: project information and the chosen section reports.
#pragma once

#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

// The section reports, each as written by its own page.
struct ReportParts {
  std::vector<std::string> projectInfo;
  std::vector<std::string> structure;
  std::vector<std::string> loads;
  std::vector<std::string> design;
  std::vector<std::string> reactions;
};

// "PROJEKTITIEDOT:" block; texts that are empty or a single blank are left out.
std::vector<std::string> ProjectInfoLines(const QELVUX_data& project);

// Joins the parts under the project's report switches, reactions before the design, and a
// closing line when anything was appended. Empty when report events are off.
std::vector<std::string> AssembleReport(const QELVUX_data& project, const ReportParts& parts);

// Writes every part from the project's current state (the analysis must be current for
// the design and reactions) and assembles them.
std::vector<std::string> BuildReportLines(const QELVUX_data& project);

// The report switch indices of the project record.
enum ReportSwitch {
  kReportEvents = 0,
  kReportProjectInfo = 1,
  kReportStructure = 2,
  kReportLoads = 3,
  kReportDesign = 4,
  kReportReactionsCombinations = 5,
  kReportReactionsCases = 6,
  kReportStability = 7,
  kReportDesignValues = 8,
};

constexpr const char* kReportRule = "====================================";

}  // namespace qv
