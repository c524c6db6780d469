// The frame analysis container: reads the analysis input text, validates it and solves it.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "analysis/fem/FEM_ElementtiKuormat.h"
#include "analysis/fem/FEM_Vektorit.h"
#include "model/CSVTiedosto.h"
#include "model/QELvektori.h"

class FEM_kaikki {
 public:
  // Section numbers of the input text.
  enum InputSection {
    kNodesSection = 101,
    kBarsSection = 201,
    kSupportsSection = 301,
    kLoadsSection = 401,
    kMaterialsSection = 501,
    kProfilesSection = 601,
    kCouplingsSection = 701,
    kEndSection = 999
  };
  // Section numbers of the message list.
  enum MessageSection {
    kNodeMessages = 100,
    kBarMessages = 200,
    kSupportMessages = 300,
    kLoadMessages = 400,
    kMaterialMessages = 500,
    kProfileMessages = 600,
    kCouplingMessages = 700,
    kSolutionMessages = 1001
  };
  // Field indices of the node freedom table (8 integers per numbered node): node number,
  // equation numbers of ux..rz (1-based) at 1..6, the node's index in Nodes().
  enum NodeFreedomField { kNfNode = 0, kNfEq = 1, kNfNodeIndex = 7 };
  // Field indices of the bar freedom table (18 integers per assembled bar): bar number,
  // equations of the start node at 1..6 and of the end node at 7..12, then indices.
  enum BarFreedomField {
    kBfBar = 0,
    kBfEqI = 1,
    kBfEqJ = 7,
    kBfBarIndex = 13,
    kBfNodeIIndex = 14,
    kBfNodeJIndex = 15,
    kBfMaterialIndex = 16,
    kBfProfileIndex = 17
  };
  // Longest input line read; longer lines are skipped as unreadable.
  static constexpr int kMaxLineLength = 255;
  // A pasted text full of repeated numbers must not flood the message list.
  static constexpr int kMaxMessages = 1000;

  FEM_kaikki();

  // Loads the input text from fileName when it is longer than one character, else from
  // lines (when given), and reads it into the vectors. With replace = 1 every part is
  // emptied first; otherwise a part whose section is absent keeps its records. Lines the
  // record parser rejects, lines over kMaxLineLength characters and node or coupling
  // numbers above 1000000 are skipped (and noted in ReadNotes). Any previous solution and
  // the message list are dropped. Returns 0, or -1 when the named file could not be read
  // (the text is then empty). The notes stop after kMaxMessages.
  int Read(const std::string& fileName, const std::vector<std::string>* lines, int replace);
  int Read(const std::vector<std::string>& lines, int replace = 1) {
    return Read(std::string(), &lines, replace);
  }
  // The same, taking the lines over instead of copying them.
  int Read(std::vector<std::string>&& lines, int replace = 1);

  // Checks the read model; clears the message list first and appends one line per failing
  // check. Returns 0, or the code of the last failing check.
  int Validate();

  const CSVTiedosto& InputText() const { return input_; }
  const CSVTiedosto& Messages() const { return messages_; }
  // "101, rivi %d: pal=%d (%s)" for every line the last Read skipped.
  const std::vector<std::string>& ReadNotes() const { return readNotes_; }

  const FEM_SolmuVektori& Nodes() const { return nodes_; }
  const FEM_SauvaVektori& Bars() const { return bars_; }
  const FEM_TuetVektori& Supports() const { return supports_; }
  const FEM_KuormaVektori& Loads() const { return loads_; }
  const FEM_MateriaaliVektori& Materials() const { return materials_; }
  const FEM_KytkennatVektori& Couplings() const { return couplings_; }
  const QELvektori& NodeFreedoms() const { return nodeFreedoms_; }
  const QELvektori& BarFreedoms() const { return barFreedoms_; }

  // Status of the last solution: 0, or a negative code (-1 before any solution).
  int Status() const { return status_; }
  // Changes with every read and every solution (a copy keeps it with the same content), so
  // results derived from this solution may be kept under it.
  unsigned long long Revision() const { return revision_; }
  int EquationCount() const { return n_; }
  int HalfBandwidth() const { return w_; }
  int CaseCount() const { return caseCount_; }
  double Penalty() const { return penalty_; }

  // --- solution: implemented in FEM_Ratkaisu.cpp ---
  // Validates, turns end releases into couplings, numbers the equations, assembles and
  // solves every load case. Returns and stores the status (0 or a negative code).
  int Solve();
  // Distance between the bar's two nodes; 0 when the bar or a node is missing.
  double BarLength(int barNumber) const;
  // Local end forces (start 6, end 6) of a bar in a case; with points also the internal
  // forces along the bar. Zeros and -1 when the bar or case is missing or the status < 0.
  int EndForces(int barNumber, int caseNumber, std::array<double, 12>& out,
                QELvektori* points = nullptr) const;
  // End displacements in local axes; with points also displacements along the bar.
  int LocalDisplacements(int barNumber, int caseNumber, std::array<double, 12>& out,
                         QELvektori* points = nullptr) const;
  // The same values along the bar without a points list: at count positions xi (0..1,
  // others left 0), N, Vy, Vz, Mx, My, Mz of point k at values[6 k] (EndForces) or ux, uy,
  // uz at values[3 k] (LocalDisplacements). 0, or -1 with the values 0 as above.
  int InternalForcesAt(int barNumber, int caseNumber, const double* xi, int count,
                       double* values) const;
  int DisplacementsAt(int barNumber, int caseNumber, const double* xi, int count,
                      double* values) const;
  // Where the element loads of a bar act, begin or end, as distances from its start node
  // with the case number of the load, ascending by position and without repeats of a
  // position and case; jump is true where a point load acts, for the internal forces jump
  // there. Empty when the bar is missing.
  struct LoadPosition {
    double s = 0.0;
    bool jump = false;
    int caseNumber = 0;
  };
  std::vector<LoadPosition> LoadPositionsOf(int barNumber) const;
  // FX, FY, FZ, MX, MY, MZ of a support in a case, main system.
  int Reactions(int supportNumber, int caseNumber, std::array<double, 6>& out) const;
  // Limit of the band store and load vectors together (reals): a pasted model with
  // scattered node numbers or thousands of cases must not exhaust memory.
  static constexpr double kMaxModelReals = 2e7;
  // Status when they would exceed kMaxModelReals.
  static constexpr int kTooLarge = -4;

 private:
  // Preparation steps of Solve, in order.
  void RestoreInputModel();
  void ReleasesToCouplings();
  void NumberEquations();
  void NumberSlavesOf(int nodeIndex, int recordIndex, std::vector<int>& recordOfNode);
  void BuildBarFreedoms();
  void Assemble();
  void ApplySupports();
  void BuildLoadVectors();
  int Eliminate();

  void GroupElementLoads(const std::vector<int>& groupOfLoad);
  // The grouped element loads of a bar freedom record and case index: false when none
  // were grouped for them.
  bool ElementLoadsOf(int record, int caseIndex, const int*& records, int& count) const;
  // The same loads as they stand, in the same order (side by side, read without a walk
  // over the records).
  const FEM_Elementtikuorma* GroupedLoadsOf(const int* records) const {
    return groupedLoads_.data() + (records - loadOrder_.data());
  }
  // The element loads of a bar in a case, in vector order (when they were not grouped).
  std::vector<FEM_Elementtikuorma> ElementLoadsOfBar(int barNumber, int caseNumber) const;
  // Bar freedom record and case index of a bar and case, or false when either is missing
  // or there is no solution.
  bool SolvedBarCase(int barNumber, int caseNumber, int& record, int& caseIndex) const;
  // Local end forces of bar freedom record r in case index c, with its axes and length.
  void BarEndForces(int r, int c, int barNumber, int caseNumber, double lambda[3][3],
                    double& length, double out[12]) const;
  // Look-ups over the solution tables: record indices, or -1.
  int BarFreedomOf(int barNumber) const;
  int NodeFreedomOf(int nodeIndex) const;
  int CaseIndex(int caseNumber) const;
  // Axes, length and local stiffness of the bar of a bar freedom record.
  void BarAxes(int record, double lambda[3][3], double& length) const;
  void BarStiffness(int record, double length, double k[78]) const;
  // The bar's end displacements in a case, local axes.
  void BarLocalDisplacements(int record, int caseIndex, const double lambda[3][3],
                             double u[12]) const;
  // --- end of solution block ---

  // Empties the freedom tables, matrix and load vectors; status back to -1.
  void ClearSolution();
  // Read's work once the input text is in place.
  void ReadInputText(int replace);
  void ReadSection(int section, QELvektori& target);
  // Content lines [begin, end) of the input section; false when it has none.
  bool SectionRange(int section, std::size_t& begin, std::size_t& end) const;
  // Parses one line (of at most kMaxLineLength characters) into target: 1, or -1 empty
  // field, -2 bad number, -4 a node or coupling number in the generated range.
  int ReadLine(int section, const std::string& line, QELvektori& target, qv::FieldBuffers& fields);
  void EmptyPart(int section);
  // Appends text to section `times` times (within kMaxMessages a section) and sets result.
  void AddMessage(int section, const std::string& text, int code, int& result, int times = 1);

  void ValidateNodes(int& result);
  void ValidateBars(int& result);
  void ValidateSupports(int& result);
  void ValidateLoads(int& result);
  void ValidateMaterials(int& result);
  void ValidateCouplings(int& result);

  CSVTiedosto input_;
  CSVTiedosto messages_;
  std::vector<std::string> readNotes_;
  // Messages of the running validation, turned into messages_ at its end.
  std::vector<std::pair<int, std::string>> pending_;
  int pendingSection_ = -1;
  int pendingInSection_ = 0;

  FEM_SolmuVektori nodes_;
  FEM_SauvaVektori bars_;
  FEM_TuetVektori supports_;
  FEM_KuormaVektori loads_;  // also keeps the case list
  FEM_MateriaaliVektori materials_;
  FEM_KytkennatVektori couplings_;

  QELvektori nodeFreedoms_;  // 8 integers, see NodeFreedomField
  QELvektori barFreedoms_;   // 18 integers, see BarFreedomField
  // Upper band store: row r, entry c at band_[r * w_ + c] holds K(r, r + c).
  std::vector<double> band_;
  // One vector of n_ reals per case, ascending case number; displacements after solution.
  std::vector<std::vector<double>> loadVectors_;
  // The element loads of each assembled bar in each case, grouped once per solution: the
  // load record indices, in vector order, of bar freedom record r and case index c are
  // loadOrder_[loadStart_[r * caseCount_ + c] .. loadStart_[r * caseCount_ + c + 1]).
  std::vector<int> loadStart_;
  std::vector<int> loadOrder_;
  // The load of loadOrder_[i] as it stands.
  std::vector<FEM_Elementtikuorma> groupedLoads_;
  // By node index: its node freedom record and the first support record on it (-1 when
  // none), kept when the equations are numbered so that looking them up for every support
  // and node load in every case is no walk over the tables.
  std::vector<int> recordOfNode_;
  std::vector<int> firstSupportOfNode_;
  unsigned long long revision_ = 0;
  double penalty_ = 1e10;
  int n_ = 0;
  int w_ = 0;
  int caseCount_ = 0;
  int status_ = -1;
};
