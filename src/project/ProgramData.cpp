// The program's data files read once, as a new project record reads them.
#include "project/ProgramData.h"

#include "model/CSVTiedosto.h"
#include "model/KuormaOletukset.h"
#include "project/QELVUX_data.h"

namespace qv {

ProgramData::ProgramData(const std::string& programPath)
    : programPath_(programPath), dataFolder_(QELVUX_data::DataFolderFor(programPath)) {
  materials_.LoadTables(dataFolder_);

  CSVTiedosto rules;
  const std::string rulesFile = DefaultLoadFileName(DesignCode::kEc5);
  ec5RulesProblem_ = rules.LoadFromFile(dataFolder_ + rulesFile)
                         ? ReadCombinationRules(rules, ec5Rules_)
                         : rulesFile + " puuttuu";

  // The library is read once and serves both as the start-up library and as the library a
  // project names at the same path.
  const std::string path =
      ProfiiliVektori::PathInFolder(dataFolder_, ProfiiliVektori::kDefaultLibraryName);
  if (ProfiiliVektori::FileExists(path)) {
    const int rc = library_.ReadLibrary(path);
    if ((rc == 0 || rc == -2) && library_.Count() > 0) libraryPath_ = path;
  }
  if (library_.Count() > 0) {
    defaultLibrary_ = library_;
    defaultLibrary_.CurrentIndex = 0;
  } else {
    defaultLibrary_.SetSingleSection(ProfiiliVektori::kFallbackSectionLine);
  }

  defaultLoads_.ClearLoads();
  defaultLoads_.LoadDefaults(dataFolder_, QELVUX_data::kDefaultDesignCode);
}

const ProfiiliVektori* ProgramData::LibraryAt(const std::string& path) const {
  return !libraryPath_.empty() && path == libraryPath_ ? &library_ : nullptr;
}

}  // namespace qv
