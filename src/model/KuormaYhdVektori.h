// Load combinations: a header row per combination followed by its factor rows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Kinds.h"
#include "model/QELvektori.h"

// Rows: text 0 name "KY%d"; int 0 combination (0-based); int 1 row kind (header: design
// kind 1..3, factor row: 0); int 2 load case (header: 0); real 0 value (header: 0 or minus
// the combination's own allowed deflection in mm; factor row: the factor, never 0).
class KuormaYhdVektori : public QELvektori {
 public:
  // The design kinds of a header by their short names.
  static constexpr qv::CombinationKind kStress = qv::CombinationKind::kStress;
  static constexpr qv::CombinationKind kDeflection = qv::CombinationKind::kDeflection;
  static constexpr qv::CombinationKind kNoDesign = qv::CombinationKind::kNoDesign;
  static constexpr qv::CombinationKind kLongTerm = qv::CombinationKind::kLongTerm;

  KuormaYhdVektori();

  // Each combination: its header, then its factor rows by ascending load case.
  int InsertPosition(const QELalkio& record) const override;

  // All rows removed, CurrentIndex -1.
  void Clear();

  // Header of combination c named "KY<c+1>"; returns its row index.
  int AddHeader(int c, qv::CombinationKind designKind, double value = 0.0);
  // Factor row of load case k in combination c; a zero factor stores nothing (-1).
  int AddFactor(int c, int k, double factor);

  int Combination(int i) const { return GetInt(i, 0); }
  // As stored: 0 on a factor row, the design kind's number on a header.
  int RowKind(int i) const { return GetInt(i, 1); }
  // Design kind of row i; none on a factor row or an unknown number.
  std::optional<qv::CombinationKind> HeaderKind(int i) const;
  int LoadCase(int i) const { return GetInt(i, 2); }
  double Value(int i) const { return GetReal(i, 0); }
  bool IsHeader(int i) const { return i >= 0 && i < Count() && RowKind(i) != 0; }

  int CombinationCount() const;
  // Row of combination c's header (c = -1: the first header), -1 when none.
  int HeaderRow(int c) const;
  // Design kind of combination c, none when it has no header.
  std::optional<qv::CombinationKind> DesignKind(int c) const;
  // The combination's own allowed deflection in mm (> 0), or 0 when it has none.
  double OwnDeflectionLimit(int c) const;
  // Factor of load case k in combination c, 0 when there is no row.
  double Factor(int c, int k) const;
  // The factors of load cases 0 .. caseCount - 1 in combination c (0 where there is no
  // row) in one walk over the rows: for loops over every case.
  std::vector<double> FactorsOf(int c, int caseCount) const;
  // Combination number of the n-th (0-based) header of the kind (none: of any kind), or -1.
  int NthCombinationOfKind(std::optional<qv::CombinationKind> kind, int n) const;
  // membersOnly: removes the factor rows of c and keeps its header. Otherwise removes
  // every row of c (of all combinations when c = -1) and renumbers the rest 0, 1, ...
  // renaming them "KY<n+1>" with what followed their old number (Renumbered).
  void RemoveCombination(int c, bool membersOnly);
  // Removes the factor rows of load case k and moves the rows of later cases down by one.
  void RemoveLoadCase(int k);

  static std::string CombinationName(int c);
  // The name of combination c for one that was called name: "KY<c+1>" and whatever followed
  // the old number after a space ("KY3 6.10a" becomes "KY1 6.10a").
  static std::string Renumbered(const std::string& name, int c);

  int CurrentIndex = -1;
};
