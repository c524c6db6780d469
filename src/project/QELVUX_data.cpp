// The project record: its defaults, start-up reset and "Uusi malli".
#include "project/QELVUX_data.h"

#include "model/Ec5CombinationUpdate.h"
#include "model/KuormaOletukset.h"
#include "project/ProgramData.h"

QELVUX_data::QELVUX_data(const std::string& programPath)
    : dataFolder_(DataFolderFor(programPath)), ProgramPath(programPath) {
  Materials.LoadTables(DataFolder());
  CSVTiedosto rules;
  const std::string file = qv::DefaultLoadFileName(qv::DesignCode::kEc5);
  ec5RulesProblem_ = rules.LoadFromFile(DataFilePath(file))
                         ? qv::ReadCombinationRules(rules, ec5Rules_)
                         : file + " puuttuu";
  ResetToDefaults();
}

QELVUX_data::QELVUX_data(std::shared_ptr<const qv::ProgramData> data)
    : dataFolder_(data->DataFolder()),
      ec5Rules_(data->Ec5Rules()),
      ec5RulesProblem_(data->Ec5RulesProblem()),
      sharedData_(std::move(data)),
      ProgramPath(sharedData_->ProgramPath()) {
  // What ResetToDefaults makes of a new record, copied instead of read.
  Materials = sharedData_->Materials();
  Member.Reset();
  Loads = sharedData_->DefaultLoads();
  TextFile.Clear();
  TextFile.SetFileName(std::string());
  Profiles = sharedData_->DefaultLibrary();
}

std::string QELVUX_data::RegenerateEc5Combinations() {
  if (DesignCode != qv::DesignCode::kEc5) return std::string();
  if (!ec5RulesProblem_.empty()) return ec5RulesProblem_;
  if (qv::RegenerateCombinations(Loads, ec5Rules_, Settings.ec5.consequenceClass) < 0)
    return "seuraamusluokalle CC" + std::to_string(Settings.ec5.consequenceClass) +
           " ei ole kerrointa K_FI";
  return std::string();
}

std::string QELVUX_data::FolderOf(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string QELVUX_data::DataFolderFor(const std::string& programPath) {
  const std::string beside = FolderOf(programPath);
  // Any of the files the program reads at start-up tells that the data are here.
  const char* marks[] = {"Rajatila.dat", "KTjaKY2.dat", "Sahattu_puutavara.pl1", "Sallitut.dat",
                         "Eurocode.dat"};
  auto hasData = [&](const std::string& folder) {
    for (const char* m : marks)
      if (ProfiiliVektori::FileExists(folder + m)) return true;
    return false;
  };
  if (hasData(beside)) return beside;
  const std::string installed = beside + "../share/qelvux/";
  if (!beside.empty() && hasData(installed)) return installed;
  return beside;
}

std::string QELVUX_data::DataFilePath(const std::string& fileName) const {
  return DataFolder() + fileName;
}

void QELVUX_data::ResetToDefaults() {
  Member.Reset();
  Loads.ClearLoads();
  Loads.OwnWeight = qv::OwnWeightSetting();
  TextFile.Clear();
  TextFile.SetFileName(std::string());
  Profiles.LoadDefaultLibrary(DataFolder());
  LoadDefaultLoads();
}

void QELVUX_data::NewModel() {
  Loads.ClearLoads();
  Loads.OwnWeight = qv::OwnWeightSetting();
  LoadDefaultLoads();
  Member.Reset();
  // A new project is no one's file: "Tallenna" must ask for a name, never write the default
  // member over the project opened before, and carry none of its information.
  Member.LoadWidth = RakenneVektori().LoadWidth;
  CalculatedBy.clear();
  Contact.clear();
  Site.clear();
  OtherInfo.clear();
  TextFile.Clear();
  TextFile.SetFileName(std::string());
}

int QELVUX_data::LoadDefaultLoads() { return Loads.LoadDefaults(DataFolder(), DesignCode); }

void QELVUX_data::ClearResultValues() {
  ResultValues.fill(0.0);
  ResultTable.fill(0.0);
}
