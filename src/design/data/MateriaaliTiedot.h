// Material strength tables of the three design codes, the chosen material and moisture class, and
// the values derived from them.
#pragma once

#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "design/data/DesignValues.h"
#include "design/data/Ec5MaterialData.h"
#include "model/CSVTiedosto.h"
#include "model/Kinds.h"
#include "model/ProfiiliVektori.h"

// One table per design code, in the order of qv::kDesignCodes. Materials, moisture
// (service) classes and duration classes are 1-based line numbers of sections 21, 11 and 1
// of the code's table. Every look-up that cannot be made gives 0, never an error.
class MateriaaliTiedot {
 public:
  static constexpr int kCodeCount = static_cast<int>(std::size(qv::kDesignCodes));
  static constexpr int kDesign = 1;          // value kind: design value
  static constexpr int kCharacteristic = 2;  // value kind: no kmod, no partial factor

  // Table sections.
  static constexpr int kDurationSection = 1;
  static constexpr int kMoistureSection = 11;
  static constexpr int kMaterialSection = 21;
  static constexpr int kTypeSection = 22;
  static constexpr int kQuantityBase = 30;  // section 30 + q holds quantity q
  static constexpr int kKmodBase = 40;  // code 2: 41 kmod, 42 deflection factor; code 3: 40 + type
  static constexpr int kKdefBase = 50;  // code 3: 50 + type

  static constexpr const char* kFileNames[kCodeCount] = {"Sallitut.dat", "Rajatila.dat",
                                                         "Eurocode.dat", "Eurokoodi5.dat"};

  MateriaaliTiedot();
  // Reads the tables from folder (see LoadTables).
  explicit MateriaaliTiedot(const std::string& folder);

  // Reads "Sallitut.dat", "Rajatila.dat" and "Eurocode.dat" from folder ('/' or '\' may
  // end it). A missing file leaves its table empty; an empty folder loads nothing.
  // Returns the number of tables read.
  int LoadTables(const std::string& folder);
  // The folder part of a program file path (up to its last '/' or '\'), "" when none.
  static std::string FolderOf(const std::string& programPath);

  // The allowable-stress code has no characteristic values.
  static bool HasCharacteristicValues(qv::DesignCode code);

  // The table of the code.
  const CSVTiedosto& Table(qv::DesignCode code) const;

  // The chosen section of a library as the values need it; not valid (shape 0) when none
  // is chosen or the chosen one has an unknown shape.
  static qv::SectionSize CurrentSection(const ProfiiliVektori& profiles);

  // Names from sections 1, 11 and 21 of the code's table.
  std::vector<std::string> DurationClassNames(qv::DesignCode code) const;
  std::vector<std::string> MoistureClassNames(qv::DesignCode code) const;
  std::vector<std::string> MaterialNames(qv::DesignCode code) const;
  // Line d of section 1, "" when there is none.
  std::string DurationClassName(qv::DesignCode code, int duration) const;

  // Selections per code (1-based; any value is stored, one beyond the table reads as 0).
  int Material(qv::DesignCode code) const;
  int MoistureClass(qv::DesignCode code) const;
  void SetMaterial(qv::DesignCode code, int material);
  void SetMoistureClass(qv::DesignCode code, int moisture);
  // All six selections back to 1 (when the design code changes).
  void ResetSelections();

  // Factors. The setters refuse (-1) a value that is not a finite number above 0 and keep
  // the old one; 0 on success.
  double LimitStatePartialFactor() const { return gammaLimitState_; }
  double AllowableRaiseFactor() const { return raiseFactor_; }
  double Ec5PartialFactor() const { return gammaEc5_; }
  int SetLimitStatePartialFactor(double v);
  int SetAllowableRaiseFactor(double v);
  int SetEc5PartialFactor(double v);

  // One value of quantity q (1 to 9) of the code's table, without size factors; kind
  // kDesign or kCharacteristic. 0 when an index is outside its table or the value cannot
  // be read.
  double TableValue(int q, qv::DesignCode code, int material, int duration, int moisture,
                    int kind) const;

  // Material type of a material (line of section 22): 0 to 10, else 1.
  int MaterialTypeOf(qv::DesignCode code, int material) const;
  // kmod of an EC5 table (code 3 or 4) for the code's current material and service class in
  // the duration class (1-based); 0 when missing.
  double Kmod(qv::DesignCode code, int duration) const;
  // Type of the code's current material.
  int MaterialType(qv::DesignCode code) const;

  // The nine values of the code's current material and moisture class for the duration
  // class, with the section-size factors. Returns 0, or -1 when the section is not valid:
  // then nothing is read and values keeps its contents.
  int GetDesignValues(qv::DesignCode code, int duration, const qv::SectionSize& section, int kind,
                      DesignValues& values) const;

  // kdef of an EC5 table (code 3 or 4) for material, duration class and service class; 0
  // when missing.
  double CreepFactor(qv::DesignCode code, int material, int duration, int serviceClass) const;

  // Design code 4: the values of the Eurocode 5 table beyond the nine quantities (family
  // factors, densities), and why they could not be read ("" when they were).
  const qv::Ec5ExtraData& Ec5Extra() const { return tables_->ec5Extra; }
  const std::string& Ec5ExtraProblem() const { return tables_->ec5ExtraProblem; }

  // E·A (which = 1), E·I about the strong axis (2) or the weak axis (3), E being the design
  // deflection modulus of the code's current material for the duration class. 0 when E <= 0,
  // the section is not valid or which is unknown. kdef (when given) receives the EC5 creep
  // factor for code 3 and 0 for the other codes.
  double MemberStiffness(qv::DesignCode code, int duration, const qv::SectionSize& section,
                         int which, double* kdef = nullptr) const;

  // Why the chosen material and moisture class of a code cannot be designed with
  // ("Eurocode.dat, osa 41, rivi 5: kmod puuttuu"): a value, kmod, deflection factor or
  // kdef of any duration class that is missing, unreadable or implausible (a strength
  // above 500 MPa, a kmod above 2). "" when every one is there and plausible. A missing
  // kmod or kdef must never pass as 1 or 0.
  std::string SelectionProblem(qv::DesignCode code) const;

 private:
  // Result of reading one numeric field of a table line.
  enum class Read { kOk, kMissing, kBad };

  // The numbers of one line as split at one width, and whether the split succeeded.
  struct SplitLine {
    bool ok = false;
    std::vector<double> reals;
  };
  // A numeric section's lines split once, at the width its look-ups use.
  struct SplitSection {
    int width = -1;  // -1: not split
    std::vector<SplitLine> lines;
  };
  // One code's table: its text, its sections' line counts, and its numbers split once at
  // the first look-up (a run reads one or two of the four tables; std::call_once makes the
  // split safe when several threads look up the same table first).
  struct CodeTable {
    CSVTiedosto text;
    std::vector<int> lineCounts;  // by section number, counted when read
    mutable std::once_flag splitOnce;
    mutable std::vector<SplitSection> sections;  // by section number
    mutable std::vector<int> types;              // section 22, by material
  };
  // Everything LoadTables reads. Its text never changes once read: a reload builds a new
  // one, so the split numbers can never disagree with the text they come from, and copies
  // of this object (the projects of a batch) share one.
  struct Tables {
    CodeTable byCode[kCodeCount];
    // The Eurocode 5 table's values beyond the nine quantities, and why they could not be
    // read ("" when they were).
    qv::Ec5ExtraData ec5Extra;
    std::string ec5ExtraProblem;
  };

  static void CountLines(CodeTable& t);
  static void SplitTable(const CodeTable& t);
  static bool Split(const CSVTiedosto& t, int section, int line, int width, SplitLine& out);
  static int ReadType(const CSVTiedosto& t, int material);
  // Lines of a section of the table, counted when it was read.
  static int LineCount(const CodeTable& table, int section);
  const CodeTable& TableOf(qv::DesignCode code) const { return tables_->byCode[IndexOf(code)]; }
  // The table with its numbers split.
  const CodeTable& SplitTableOf(qv::DesignCode code) const;
  Read ReadField(qv::DesignCode code, int section, int line, int fieldCount, int field,
                 double& value) const;
  double AllowableValue(int q, int material, int duration, int moisture) const;
  double LimitStateValue(int q, int material, int duration, int moisture, int kind) const;
  double Ec5Value(int q, int material, int duration, int moisture, int kind) const;
  // Design code 4: kmod and gamma_M of the material's family.
  double Ec5NaValue(int q, int material, int duration, int moisture, int kind) const;
  // Section 40 + type or 50 + type of an EC5 table (code 3 or 4), falling back to type 1
  // when empty.
  int Ec5FactorSection(qv::DesignCode code, int base, int material) const;
  void ApplySizeFactors(qv::DesignCode code, int type, const qv::SectionSize& section,
                        DesignValues& values) const;
  void ApplyEc5SizeFactor(int type, double h, double b, DesignValues& values) const;
  std::vector<std::string> SectionLines(qv::DesignCode code, int section) const;
  // Position of the code among the tables and selections.
  static int IndexOf(qv::DesignCode code) { return qv::ToInt(code) - 1; }

  std::shared_ptr<const Tables> tables_;
  int moisture_[kCodeCount] = {1, 1, 1, 1};
  int material_[kCodeCount] = {1, 1, 1, 1};
  double gammaLimitState_ = 1.3;
  double raiseFactor_ = 1.0;
  double gammaEc5_ = 1.3;
};
