// Rows of the stress and stability checks of one combination: (code, span, value1, value2).
#pragma once

#include "model/QELvektori.h"

// Records: int 0 code, int 1 span (1-based; 0 for rows of the whole member), real 0 value1,
// real 1 value2. Kept in the order written.
class CheckRowVektori : public QELvektori {
 public:
  // Row codes.
  static constexpr int kShear = 1;               // "Leikkaus": stress, utilisation %
  static constexpr int kTension = 2;             // "Veto"
  static constexpr int kCompression = 3;         // "Puristus"
  static constexpr int kBending = 4;             // "Taivutus"
  static constexpr int kBendingTension = 5;      // "Taivutus + veto": ratio, utilisation %
  static constexpr int kBendingCompression = 6;  // "Taivutus + puristus"
  static constexpr int kSlendernessLimit = 7;    // "Maksimihoikkuus": largest slenderness twice
  static constexpr int kTorsion = 8;             // "Vääntö"
  // Where the bending check governs at a lateral-torsional factor below 1: kcrit,y and
  // kcrit,z (codes 1, 2: Kk) used there, as in kLateralFactors; written only then, right after
  // kBending.
  static constexpr int kBendingLateral = 9;
  static constexpr int kMaxN = 11;  // 11..16: largest |N|, |Vy|, |Vz|, |Mx|, |My|, |Mz|
  static constexpr int kMaxMy = 15;
  static constexpr int kMaxMz = 16;
  static constexpr int kSlenderness = 21;          // per span: lambda_y, lambda_z
  static constexpr int kBucklingFactors = 22;      // per span: k_y, k_z
  static constexpr int kRelativeSlenderness = 23;  // per span: lambda_rel,y, lambda_rel,z
  static constexpr int kLateralFactors = 31;       // per span: kcrit,y, kcrit,z
  static constexpr int kDesignValueFirst = 41;  // 41..49: design values 1, 8, 2, 3, 4, 5, 9, 6, 7
  static constexpr int kDesignValueLast = 49;

  static constexpr double kSlendernessLimitValue = 170.0;

  CheckRowVektori();

  int AddRow(int code, int span, double value1, double value2);

  int Code(int i) const { return GetInt(i, 0); }
  int Span(int i) const { return GetInt(i, 1); }
  double Value1(int i) const { return GetReal(i, 0); }
  double Value2(int i) const { return GetReal(i, 1); }

  // Index of the first row with the code and span, or -1.
  int Find(int code, int span = 0) const;
  // Design value quantity (1..9) carried by row code 41..49, 0 for any other code.
  static int DesignValueOfRow(int code);

 private:
  // A long member has thousands of rows: the field lists of a row are reused, not built for
  // each.
  std::vector<int> rowInts_ = std::vector<int>(2);
  std::vector<double> rowReals_ = std::vector<double>(2);
};
