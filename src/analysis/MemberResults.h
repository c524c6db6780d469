// Internal forces, displacements and support reactions along the member for one load case or
// combination.
#pragma once

#include <vector>

#include "design/data/DesignValues.h"
#include "model/Kinds.h"
#include "model/QELvektori.h"

class FEM_kaikki;
class FEM_SampleCache;
class KuormaVektori;
class MateriaaliTiedot;
class QELVUX_data;
class RakenneVektori;

// What the results are computed from. The project record supplies it (ResultSourceOf);
// a caller holding the parts separately may fill it by hand.
struct MemberResultSource {
  const FEM_kaikki* fem = nullptr;         // solved with unit stiffness
  int analysisValid = 0;                   // 1 after a successful run
  const RakenneVektori* member = nullptr;  // supports (spans of the deflection checks)
  double length = 0.0;                     // member length L, mm
  int resultSteps = 40;                    // division count D (10..200)
  const KuormaVektori* loads = nullptr;    // load cases and combinations
  qv::DesignCode designCode = qv::DesignCode::kLimitState;
  const MateriaaliTiedot* materials = nullptr;  // for the real stiffness and creep
  qv::SectionSize section;
  // The bars' samples kept beside fem (see FEM_SampleCache); none samples them afresh for
  // every table.
  FEM_SampleCache* samples = nullptr;
};

// Field positions (reals) of the result tables.
struct MemberResultField {
  static constexpr int kX = 0;  // mm from the member start
  // MemberForces: N (compression positive), Vy, Vz, Mx, My, Mz (sagging positive).
  static constexpr int kN = 1, kVy = 2, kVz = 3, kMx = 4, kMy = 5, kMz = 6;
  static constexpr int kForceCount = 7;
  // MemberDisplacements: local ux, uy, uz in mm.
  static constexpr int kUx = 1, kUy = 2, kUz = 3;
  static constexpr int kDisplacementCount = 4;
  // SupportReactions: FX, FY, FZ, MX, MY, MZ in the main system.
  static constexpr int kReactionCount = 6;
};

// Selection: combination c when 0 <= c < number of combinations, otherwise load case k
// when valid, otherwise nothing.
enum class ResultSelection { kNone = 0, kCombination = 1, kLoadCase = 2 };
ResultSelection SelectResults(const KuormaVektori& loads, int c, int k);

// Weight of every load case (by index) for the selection: its factor in combination c, or
// 1 for the single case k; 0 means "not evaluated". The analysis numbers case i as i + 1.
std::vector<double> CaseWeights(const KuormaVektori& loads, int c, int k);

// Sampling: target step t = (L - 0.1)/D, and n = max(2, floor(bar length / t)) divisions
// of a bar (n + 1 points). A step that is not above 0 gives 2 divisions.
double SamplingStep(double length, int resultSteps);
int SamplingDivisions(double barLength, double step);

// The tables are cleared and filled with one record per point (or per support). They
// return the number of records; 0 when there is no valid analysis or no valid selection.
int MemberForces(const MemberResultSource& source, int c, int k, QELvektori& table);
// final = 1 multiplies each case by (1 + kdef) of the case's own duration class (EC5 only);
// allLoads = 0 leaves out the cases of duration class 1 (permanent loads).
int MemberDisplacements(const MemberResultSource& source, int c, int k, QELvektori& table,
                        int final, int allLoads);
int SupportReactions(const MemberResultSource& source, int c, int k, QELvektori& table);

// Samples the forces and displacements of every bar of a solved analysis in every case, as
// the operations above would for a member of this length and result steps, into samples:
// a design afterwards on the same solution and samples finds them there. The results above
// are the same with or without it.
void SampleAhead(const FEM_kaikki& fem, FEM_SampleCache& samples, double length, int resultSteps);

// The project's parts gathered for the operations above, with the samples it keeps beside
// its analysis.
MemberResultSource ResultSourceOf(const QELVUX_data& project);
// The operations on the project record (its analysis, member, loads, code, steps,
// material tables and chosen section).
int MemberForces(const QELVUX_data& project, int c, int k, QELvektori& table);
int MemberDisplacements(const QELVUX_data& project, int c, int k, QELvektori& table, int final,
                        int allLoads);
int SupportReactions(const QELVUX_data& project, int c, int k, QELvektori& table);
