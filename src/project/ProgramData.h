// The data files of the program's folder read once: what a project record starts with.
#pragma once

#include <string>

#include "design/data/MateriaaliTiedot.h"
#include "model/Ec5Combinations.h"
#include "model/KuormaVektori.h"
#include "model/ProfiiliVektori.h"

namespace qv {

// The material tables, the default section library, the default load cases and combinations
// and the combination rules of code 4, read as a new project record reads them. Read-only
// once built: a batch reads its data files once and every thread builds its records from
// the same object (QELVUX_data's constructor taking it). Nothing here is read again, so it
// is for a run whose data files do not change, never for the window, where the user may
// edit a library between two projects.
class ProgramData {
 public:
  // Reads every file from the data folder of the program at programPath.
  explicit ProgramData(const std::string& programPath);
  ProgramData(const ProgramData&) = delete;
  ProgramData& operator=(const ProgramData&) = delete;

  const std::string& ProgramPath() const { return programPath_; }
  const std::string& DataFolder() const { return dataFolder_; }
  // The tables read, selections and factors at their defaults.
  const MateriaaliTiedot& Materials() const { return materials_; }
  // The start-up library as ProfiiliVektori::LoadDefaultLibrary leaves it.
  const ProfiiliVektori& DefaultLibrary() const { return defaultLibrary_; }
  // The start-up loads: cleared, with the default cases and combinations of the default
  // design code.
  const KuormaVektori& DefaultLoads() const { return defaultLoads_; }
  const CombinationRules& Ec5Rules() const { return ec5Rules_; }
  const std::string& Ec5RulesProblem() const { return ec5RulesProblem_; }

  // The section library read from path when it is the data folder's default library and
  // it was read with sections, as ProfiiliVektori::ReadLibrary leaves it (CurrentIndex
  // aside); nullptr for any other path, which is then read from its file.
  const ProfiiliVektori* LibraryAt(const std::string& path) const;

 private:
  std::string programPath_;
  std::string dataFolder_;
  MateriaaliTiedot materials_;
  std::string libraryPath_;  // "" when the default library held no section
  ProfiiliVektori library_;  // the default library as read
  ProfiiliVektori defaultLibrary_;
  KuormaVektori defaultLoads_;
  CombinationRules ec5Rules_;
  std::string ec5RulesProblem_;
};

}  // namespace qv
