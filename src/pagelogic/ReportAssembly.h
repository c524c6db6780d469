// The printable report as plain lines: project information and the chosen section reports.
#pragma once

#include <string>
#include <vector>

#include "design/DesignThread.h"

class QELVUX_data;

namespace qv {
struct DesignResults;

// "PROJEKTITIEDOT:" block; texts that are empty or a single blank are left out.
std::vector<std::string> ProjectInfoLines(const QELVUX_data& project);

// The report from the project's current state (the analysis must be current for the design
// and reactions) in two pieces, so that a page can show the first while the second is being
// worked out: the head (project information, structure, loads and reactions, as the report
// switches choose them) and the tail (the design part and the closing line). The design part
// is written on the design thread from construction on; the project must not change until
// the tail has been taken or the build is gone. Nothing at all when report events are off.
// With ahead = false the design part is written at once on the caller's thread instead.
class ReportBuild {
 public:
  explicit ReportBuild(const QELVUX_data& project, bool ahead = true);
  // The design part from results gathered on the project's current state, on the caller.
  ReportBuild(const QELVUX_data& project, const DesignResults& design);
  ReportBuild(const ReportBuild&) = delete;
  ReportBuild& operator=(const ReportBuild&) = delete;

  std::vector<std::string> Head() const;
  // Waits for the design part; head is what Head() returned.
  std::vector<std::string> Tail(const std::vector<std::string>& head);

 private:
  bool On(int reportSwitch) const;

  const QELVUX_data& project_;
  std::vector<std::string> design_;
  DesignJob designJob_;  // after what it writes: it is waited for before that goes
};

// The whole report: the head and the tail above, on the caller's thread (no one shows the
// head meanwhile, and a batch designs its projects on threads of its own).
std::vector<std::string> BuildReportLines(const QELVUX_data& project);
// The same with the design part from design, gathered on the project's current state (the
// command-line designer has designed the project already and need not do it twice).
std::vector<std::string> BuildReportLines(const QELVUX_data& project, const DesignResults& design);

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
