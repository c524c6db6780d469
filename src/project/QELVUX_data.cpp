// The project record: its defaults, start-up reset and "Uusi malli".
#include "project/QELVUX_data.h"

QELVUX_data::QELVUX_data(const std::string& programPath) : ProgramPath(programPath) {
  Materials.LoadTables(ProgramFolder());
  ResetToDefaults();
}

std::string QELVUX_data::FolderOf(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string QELVUX_data::DataFilePath(const std::string& fileName) const {
  return ProgramFolder() + fileName;
}

void QELVUX_data::ResetToDefaults() {
  Member.Reset();
  Loads.ClearLoads();
  TextFile.Clear();
  TextFile.SetFileName(std::string());
  Profiles.LoadDefaultLibrary(ProgramFolder());
  LoadDefaultLoads();
}

void QELVUX_data::NewModel() {
  Loads.ClearLoads();
  LoadDefaultLoads();
  Member.Reset();
}

int QELVUX_data::LoadDefaultLoads() { return Loads.LoadDefaults(ProgramFolder(), DesignCode); }

void QELVUX_data::ClearResultValues() {
  ResultValues.fill(0.0);
  ResultTable.fill(0.0);
}
