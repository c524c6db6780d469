// The project record: one member with its loads and everything the design needs, kept for the whole
// run.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "model/CSVTiedosto.h"
#include "model/Kinds.h"
#include "model/KuormaVektori.h"
#include "model/RakenneVektori.h"
#include "model/ProfiiliVektori.h"
#include "design/data/MateriaaliTiedot.h"
#include "design/data/MitoitusAsetukset.h"
#include "analysis/fem/FEM_SampleCache.h"
#include "analysis/fem/FEM_kaikki.h"

namespace qv {
class ProgramData;
}

// Built once from the program's full path and never replaced: "Uusi malli" and opening a
// project change its parts in place. Owns every part it holds. Not copyable.
class QELVUX_data {
 public:
  static constexpr qv::DesignCode kDefaultDesignCode = qv::DesignCode::kLimitState;
  static constexpr int kDefaultResultSteps = 40;

  // Builds every owned part with its defaults, reads the tables from the program's folder
  // and resets the project (ResetToDefaults).
  explicit QELVUX_data(const std::string& programPath);
  // The same start-up state from data files read before (a batch reads them once for all its
  // projects). The record keeps data: a project it opens whose section library is the one
  // data read takes it from there instead of reading the file again (LoadProject).
  explicit QELVUX_data(std::shared_ptr<const qv::ProgramData> data);
  QELVUX_data(const QELVUX_data&) = delete;
  QELVUX_data& operator=(const QELVUX_data&) = delete;

  // Start-up state: member reset, loads cleared, text file emptied, section library loaded
  // and its first section chosen, default load cases and combinations of the design code.
  void ResetToDefaults();
  // "Uusi malli": loads cleared, the code's default load cases and combinations, member
  // reset. Sections, materials, design settings, project information and report switches
  // stay.
  void NewModel();
  // The design code's default load cases and combinations, from the program's folder or
  // built in; loads are not touched. 0 when read from the file, 1 when built in.
  int LoadDefaultLoads();
  // Values kept by the results page; cleared when a project file is read.
  void ClearResultValues();

  // Design code 4: the combinations generated again from the load cases (their categories,
  // whether they hold loads) and the consequence class, in place of those generated before.
  // "" when done, else why not in the program's words (the rules of "KTjaKY4.dat" could not
  // be read). Nothing is done for another code.
  std::string RegenerateEc5Combinations();
  // The combination rules of design code 4 read from "KTjaKY4.dat", and why not ("" when read).
  const qv::CombinationRules& Ec5Rules() const { return ec5Rules_; }
  const std::string& Ec5RulesProblem() const { return ec5RulesProblem_; }
  // The data files the record was built from, or nullptr when it read them itself.
  const qv::ProgramData* SharedData() const { return sharedData_.get(); }

  // The program's folder with its final separator, or empty when the path has none.
  std::string ProgramFolder() const { return FolderOf(ProgramPath); }
  // Where the data files are: beside the program when they are there (the build tree, a
  // copied program), else ../share/qelvux/ relative to it (an installed program).
  std::string DataFolder() const { return dataFolder_; }
  static std::string DataFolderFor(const std::string& programPath);
  // Full name of a data file beside the program (just the name when there is no folder).
  std::string DataFilePath(const std::string& fileName) const;
  // Folder part of a path up to and including its last '/' or '\'; empty when none.
  static std::string FolderOf(const std::string& path);

 private:
  std::string dataFolder_;
  qv::CombinationRules ec5Rules_;
  std::string ec5RulesProblem_;
  std::shared_ptr<const qv::ProgramData> sharedData_;

 public:
  RakenneVektori Member;       // geometry, supports, hinges
  KuormaVektori Loads;         // loads, load cases, combinations
  CSVTiedosto TextFile;        // last project file read or written, or the analysis input
  MateriaaliTiedot Materials;  // tables read from the program folder; chosen material
  ProfiiliVektori Profiles;    // library "Sahattu_puutavara.pl1"; chosen section
  MitoitusAsetukset Settings;  // check switches, buckling and deflection settings
  FEM_kaikki Analysis;         // built from the analysis input
  // The bars' samples of Analysis, kept under its revision. Filling it changes no result, so
  // the results along the member fill it through a project they only read.
  mutable FEM_SampleCache AnalysisSamples;

  std::array<double, 10> ResultValues{};  // results page (kept between visits)
  std::array<double, 20> ResultTable{};
  qv::DesignCode DesignCode = kDefaultDesignCode;  // stored as its number (section 101)
  int ResultKind = -1;                             // results page selection
  int ResultCase = 0;
  int InfoDisplay = 0;                    // design page info button state
  int TreeExpansion = 0;                  // design page expand-all state
  std::string ProgramPath;                // the program file; data files sit beside it
  int ResultSteps = kDefaultResultSteps;  // 10..200 steps along the member
  int AnalysisValid = 0;                  // 1 once the analysis input solved without error
  std::string CalculatedBy;               // "Laskija:"
  std::string Contact;                    // "Yhteystiedot:"
  std::string Site;                       // "Kohde:"
  std::string OtherInfo;                  // "Muut tiedot:", lines separated by CR LF
  // Report on/off, in order: events enabled, "Projektitiedot", "Rakennetiedot",
  // "Kuormitustiedot", "Mitoitustiedot", "Tukireaktiot (KY)", "Tukireaktiot (KT)",
  // "Nurjahdus/kiepahduskert.", "Materiaalin laskenta-arvot", and one kept only for files.
  std::array<int, 10> ReportSwitches{1, 1, 1, 1, 1, 1, 1, 0, 0, 1};
  std::string ReportFile;  // nothing sets it; kept for completeness

  // The chosen section as the material values need it (not valid when none is chosen).
  qv::SectionSize CurrentSection() const { return MateriaaliTiedot::CurrentSection(Profiles); }
  // The nine values (design or characteristic kind) of the chosen material and section for
  // a duration class under the project's design code: 0, or -1 without a valid section.
  int SectionValues(int duration, int kind, DesignValues& values) const {
    return Materials.GetDesignValues(DesignCode, duration, CurrentSection(), kind, values);
  }
  // E·A (1), E·I strong (2) or weak (3) of the chosen section for a duration class.
  double SectionStiffness(int duration, int which, double* kdef = nullptr) const {
    return Materials.MemberStiffness(DesignCode, duration, CurrentSection(), which, kdef);
  }
};
