// The loads on the member, owning the load cases and the load combinations.
#pragma once

#include <optional>
#include <string>

#include "model/Ec5Combinations.h"
#include "model/Kinds.h"
#include "model/KuormaYhdVektori.h"
#include "model/KuormitustapausVektori.h"
#include "model/OwnWeight.h"
#include "model/QELvektori.h"

// Load records: text 0 name; int 0 load case, 1 load kind, 2 direction code, 3 reference
// length; real 0 Q1, 1 Q2, 2 x1, 3 x2. Units N and mm. Kept ordered by load case, then
// by load kind; equal ones in order of addition.
class KuormaVektori : public QELvektori {
 public:
  // The load kinds by their short names.
  static constexpr qv::LoadKind kPoint = qv::LoadKind::kPoint;
  static constexpr qv::LoadKind kLine = qv::LoadKind::kLine;
  static constexpr qv::LoadKind kSurface = qv::LoadKind::kSurface;
  // Reference lengths.
  static constexpr int kPerLength = 1;      // along the member axis
  static constexpr int kPerHorizontal = 2;  // per horizontal projection (global Y forces)
  static constexpr int kPerVertical = 3;    // per vertical projection (global X forces)

  KuormaVektori();

  int InsertPosition(const QELalkio& record) const override;

  // Adds a load in order; an empty name is stored as one blank and a name is cut to 59
  // characters. Returns its index.
  int AddLoad(const std::string& name, int loadCase, qv::LoadKind kind, int direction,
              int refLength, double q1, double q2, double x1, double x2);

  int LoadCase(int i) const { return GetInt(i, 0); }
  // Records take a kind only through AddLoad or the project file's reader, which refuses
  // any other number.
  qv::LoadKind Kind(int i) const { return static_cast<qv::LoadKind>(StoredKind(i)); }
  int StoredKind(int i) const { return GetInt(i, 1); }
  // 1..3 force along, 4..6 moment about axis 1..3; positive global, negative local axes.
  int Direction(int i) const { return GetInt(i, 2); }
  int RefLength(int i) const { return GetInt(i, 3); }
  double Q1(int i) const { return GetReal(i, 0); }
  double Q2(int i) const { return GetReal(i, 1); }
  double X1(int i) const { return GetReal(i, 2); }
  double X2(int i) const { return GetReal(i, 3); }

  // Removes all loads; load cases and combinations stay.
  void ClearLoads();
  // Loads of the kind in the case (case -1, or no kind: any).
  int CountLoads(int loadCase, std::optional<qv::LoadKind> kind) const;
  // First load of the case and kind (case -1, or no kind: any), or -1.
  int FirstLoad(int loadCase, std::optional<qv::LoadKind> kind) const;
  // Largest |Q1| (and |Q2| of line and surface loads) of matching force (moments false)
  // or moment loads; 0 when none. Scales the load drawings.
  double LargestLoadValue(int loadCase, std::optional<qv::LoadKind> kind, bool moments) const;
  bool HasAxialLoads() const;
  bool HasOutOfPlaneLoads() const;

  // The member was shortened to L: loads beyond it go, loads over its end are cut there.
  void CutLoadsAt(double length);
  // Line or surface loads that ran over the whole member of length oldLength.
  bool FullLengthLoadsExist(double oldLength) const;
  void LengthenFullLengthLoads(double oldLength, double newLength);

  // Category of load case k under design code 4: the one set, else permanent for a case of
  // the permanent duration class and domestic imposed load for the others.
  qv::LoadCategory CaseCategory(int k) const;
  void SetCaseCategory(int k, qv::LoadCategory category);
  // The categories of every case, in case order.
  std::vector<qv::LoadCategory> CaseCategories() const;
  void SetCaseCategories(const std::vector<qv::LoadCategory>& categories);

  // Removes load case k with its loads and factor rows; later cases move down by one (the
  // case chosen for the own weight too). 0, or -1 when k is not a load case.
  int RemoveLoadCase(int k);
  // Per load case (by index): 1 when at least one load lies in it, else 0. The case that
  // carries the own weight counts as loaded.
  std::vector<char> LoadedCases() const;

  // A case of the permanent duration class (class 0, "Pysyvä") that is also of the permanent
  // category G: the only kind that may carry the own weight.
  bool IsPermanentCase(int k) const;
  // The case that carries the own weight: the chosen one when it is permanent, else the
  // first permanent case; -1 when the weight is off or no case is permanent.
  int OwnWeightCase() const;
  // 1-based duration class of combination c (or of case k when c is no combination).
  int GoverningDurationClass(int c, int k) const;

  // Default load cases and combinations of the design code: from "KTjaKY<code>.dat" in the
  // folder (ending in its separator; empty = no folder) when it reads whole, else built in.
  // Loads are not touched. Returns 0 when read from the file, 1 when built in.
  int LoadDefaults(const std::string& folder, qv::DesignCode designCode);

  KuormitustapausVektori& Cases() { return cases_; }
  const KuormitustapausVektori& Cases() const { return cases_; }
  KuormaYhdVektori& Combinations() { return combinations_; }
  const KuormaYhdVektori& Combinations() const { return combinations_; }

  int CurrentIndex = -1;  // load selected on the load page
  int VisibleCase = -1;   // case shown on the load page, -1 = all
  int Updating = 0;       // 1 while the design code changes
  int ShowPointLoads = 1;
  int ShowLineLoads = 1;
  int ShowSurfaceLoads = 1;
  qv::OwnWeightSetting OwnWeight;  // "Oma paino automaattisesti"

 private:
  // Categories of the cases set so far (code 4); a case beyond them takes the default.
  std::vector<qv::LoadCategory> caseCategories_;
  // Removes load i, keeping the selection on its load or dropping it.
  void RemoveLoad(int i);

  KuormitustapausVektori cases_;
  KuormaYhdVektori combinations_;
};
