// Default load sets per design code, and the all-or-nothing reading of their files.
#include "model/KuormaOletukset.h"

#include <cstdio>
#include <vector>

#include "model/KuormaVektori.h"

namespace qv {
namespace {

struct DefaultCase {
  const char* name;
  int durationClass;
};

// Factors by load case; 0 = no row.
struct DefaultCombination {
  qv::CombinationKind kind;
  std::vector<double> factors;
};

const std::vector<DefaultCase> kCasesB10 = {
    {"Omapaino", 0}, {"Hyötykuorma", 1}, {"Lumikuorma", 1}, {"Tuulikuorma", 2}};
const std::vector<DefaultCase> kCasesEC5 = {{"Omapaino", 0},    {"Varastokuorma", 1},
                                            {"Hyötykuorma", 2}, {"Lumi 80%", 2},
                                            {"Lumi 20%", 3},    {"Tuulikuorma", 3}};

// Code 4 without its file: the cases alone. Its combinations are generated from the
// factors of "KTjaKY4.dat", which no built-in set may stand in for.
const std::vector<DefaultCase> kCasesEc5Na = {
    {"Omapaino", 0}, {"Hyötykuorma", 2}, {"Lumikuorma", 2}, {"Tuulikuorma", 3}};
const std::vector<DefaultCombination> kNoCombinations = {};

const std::vector<DefaultCombination> kCombinationsCode1 = {
    {KuormaYhdVektori::kStress, {1.0, 1.0, 1.0, 0.5}},
    {KuormaYhdVektori::kStress, {1.0, 1.0, 0.5, 1.0}},
    {KuormaYhdVektori::kDeflection, {1.0, 1.0, 1.0, 0.5}},
    {KuormaYhdVektori::kDeflection, {1.0, 1.0, 0.5, 1.0}}};
const std::vector<DefaultCombination> kCombinationsCode2 = {
    {KuormaYhdVektori::kStress, {1.2, 1.6, 1.6, 0.8}},
    {KuormaYhdVektori::kStress, {1.2, 1.6, 0.8, 1.6}},
    {KuormaYhdVektori::kDeflection, {1.0, 1.0, 1.0, 0.5}},
    {KuormaYhdVektori::kDeflection, {1.0, 1.0, 0.5, 1.0}}};
const std::vector<DefaultCombination> kCombinationsCode3 = {
    {KuormaYhdVektori::kStress, {1.2, 0.0, 1.5, 1.05, 1.05, 0.75}},
    {KuormaYhdVektori::kDeflection, {1.0, 1.0, 1.0, 0.5, 0.5, 0.3}}};

bool ParseSection(const CSVTiedosto& file, int section, QELvektori& target) {
  const int n = file.LineCount(section);
  qv::FieldBuffers fields;
  for (int k = 1; k <= n; ++k) {
    if (target.ParseRecord(file.GetLine(section, k), fields) != 1) return false;
  }
  return true;
}

// A set that would leave combinations pointing nowhere is as bad as a line that did not read.
bool HoldsTogether(const KuormitustapausVektori& cases, const KuormaYhdVektori& combinations) {
  for (int i = 0; i < cases.Count(); ++i) {
    if (cases.DurationClass(i) < 0) return false;
  }
  if (combinations.CombinationCount() == 0) return false;
  for (int i = 0; i < combinations.Count(); ++i) {
    const bool header = combinations.RowKind(i) != 0;
    if (combinations.Combination(i) < 0 || (header && !combinations.HeaderKind(i))) return false;
    if (!header && !cases.IsValid(combinations.LoadCase(i))) return false;
  }
  return true;
}

}  // namespace

std::string DefaultLoadFileName(DesignCode designCode) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "KTjaKY%d.dat", ToInt(designCode));
  return buf;
}

void BuildBuiltInLoadSet(DesignCode designCode, KuormitustapausVektori& cases,
                         KuormaYhdVektori& combinations) {
  const auto* caseList = &kCasesB10;
  const auto* combinationList = &kCombinationsCode2;
  switch (designCode) {
    case DesignCode::kAllowableStress:
      combinationList = &kCombinationsCode1;
      break;
    case DesignCode::kLimitState:
      break;
    case DesignCode::kEc5Env:
      caseList = &kCasesEC5;
      combinationList = &kCombinationsCode3;
      break;
    case DesignCode::kEc5:
      caseList = &kCasesEc5Na;
      combinationList = &kNoCombinations;
      break;
  }
  for (const auto& c : *caseList) cases.AddCase(c.name, c.durationClass);
  const int first = combinations.CombinationCount();
  for (std::size_t n = 0; n < combinationList->size(); ++n) {
    const int c = first + static_cast<int>(n);
    combinations.AddHeader(c, (*combinationList)[n].kind, 0.0);
    const auto& f = (*combinationList)[n].factors;
    for (std::size_t k = 0; k < f.size(); ++k) combinations.AddFactor(c, static_cast<int>(k), f[k]);
  }
}

bool ReadLoadSet(const CSVTiedosto& file, KuormitustapausVektori& cases,
                 KuormaYhdVektori& combinations) {
  if (file.LineCount(kLoadCaseSection) == 0) return false;
  cases.ClearRecords();
  if (!ParseSection(file, kLoadCaseSection, cases)) return false;
  if (file.LineCount(kCombinationSection) == 0) return false;
  combinations.Clear();
  if (!ParseSection(file, kCombinationSection, combinations)) return false;
  return HoldsTogether(cases, combinations);
}

void WriteLoadSet(const KuormitustapausVektori& cases, const KuormaYhdVektori& combinations,
                  CSVTiedosto& file) {
  file.Clear();
  file.AddSection(kLoadCaseSection);
  for (int i = 0; i < cases.Count(); ++i) file.AddLine(kLoadCaseSection, cases.FormatRecord(i));
  file.AddSection(kCombinationSection);
  for (int i = 0; i < combinations.Count(); ++i)
    file.AddLine(kCombinationSection, combinations.FormatRecord(i));
}

}  // namespace qv

int KuormaVektori::LoadDefaults(const std::string& folder, qv::DesignCode designCode) {
  caseCategories_.clear();
  // The cases are new: the own weight goes to the first permanent one of them.
  OwnWeight.loadCase = -1;
  if (!folder.empty()) {
    CSVTiedosto file;
    std::vector<qv::LoadCategory> categories;
    // The long-term kind belongs to code 4 alone.
    const bool code4 = designCode == qv::DesignCode::kEc5;
    if (file.LoadFromFile(folder + qv::DefaultLoadFileName(designCode)) &&
        qv::ReadLoadSet(file, cases_, combinations_) &&
        (code4 || combinations_.NthCombinationOfKind(qv::CombinationKind::kLongTerm, 0) < 0) &&
        (!code4 || qv::ReadCaseCategories(file, cases_.Count(), categories).empty())) {
      caseCategories_ = categories;
      combinations_.CurrentIndex = 0;
      return 0;
    }
  }
  cases_.ClearRecords();
  combinations_.Clear();
  qv::BuildBuiltInLoadSet(designCode, cases_, combinations_);
  return 1;
}
