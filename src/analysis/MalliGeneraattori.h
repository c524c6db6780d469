// Turns the member and its loads into the analysis input text, and runs the analysis on it.
#pragma once

#include <string>
#include <vector>

#include "analysis/fem/FEM_kaikki.h"
#include "model/KuormaVektori.h"
#include "model/QELvektori.h"
#include "model/RakenneVektori.h"
#include "project/QELVUX_data.h"

// Writes the plane-frame model of one member: nodes at 0, L and every support and hinge,
// one bar per gap (hinges release the end of the bar on their left), supports with the
// torsion restraint the member needs, every load of every load case as node or element
// loads, and unit stiffness (the results are scaled to the real section afterwards).
class MalliGeneraattori {
 public:
  MalliGeneraattori(const RakenneVektori& member, const KuormaVektori& loads);

  // The whole input text, sections 101, 201, 301, 401, 501, 601 and 999 in that order,
  // every header present even when its section is empty. Plain UTF-8 lines.
  std::vector<std::string> Generate();

  // Positions of the nodes along the member, ascending (node i + 1 stands at [i]).
  const std::vector<double>& NodePositions() const { return nodeX_; }

  // Tolerance within which a hinge or support counts as standing at a node, mm.
  static constexpr double kPointTolerance = 0.1;

 private:
  void CollectNodes();
  void WriteNodes();
  void WriteBars();
  void WriteSupports();
  void WriteLoads();
  void WritePointLoad(int i);
  void WriteNodeLoad(int caseNumber, int node, int direction, double value);
  void WriteDistributedLoad(int i);
  void WriteStiffness();

  // Support code with the torsion restraint the angle calls for; s = support number.
  int SupportCode(int code, int s) const;
  // Lines the text will about have, to allocate the list once.
  std::size_t EstimatedLineCount() const;
  // Index of the node standing exactly at x, or -1.
  int NodeAt(double x) const;
  void Header(int section);

  const RakenneVektori& member_;
  const KuormaVektori& loads_;
  std::vector<double> nodeX_;
  double cos_ = 1.0;
  double sin_ = 0.0;
  int loadNumber_ = 1;
  int supportNumber_ = 1;
  std::vector<std::string> lines_;
  // The line being built: one buffer for every line, so that only the finished line of its
  // own length is allocated (a long member's text has tens of thousands of lines).
  std::string line_;
  std::string& NewLine() {
    line_.clear();
    return line_;
  }
};

// The analysis input text of the member with its loads (see MalliGeneraattori).
std::vector<std::string> GenerateAnalysisInput(const RakenneVektori& member,
                                               const KuormaVektori& loads);

// Reads the input text into fem (replacing what it held), validates and solves it.
// analysisValid is 0 from the start and becomes 1 only on success. Returns 0 on success
// with output empty; otherwise -1 with output holding the analysis messages. The analysis
// keeps the text: pass it with std::move when the caller no longer needs it.
int RunAnalysis(std::vector<std::string> input, FEM_kaikki& fem, int& analysisValid,
                std::vector<std::string>& output);

// The same for the project: its member and loads, and with "Oma paino automaattisesti" the
// member's own weight of the chosen section and material in its load case.
std::vector<std::string> GenerateAnalysisInput(const QELVUX_data& project);

// Why the own weight the project asks for cannot go into the analysis ("" when it can or
// when it is off). The project is not solved then: its weight would be missing silently.
std::string OwnWeightAnalysisProblem(const QELVUX_data& project);

// The run for the project: the project's analysis-valid flag follows the result. An own
// weight that cannot be applied fails the run with its message.
int RunAnalysis(std::vector<std::string> input, QELVUX_data& project, FEM_kaikki& fem,
                std::vector<std::string>& output);
