// The load case and combination dialog: its lists, the load-case buttons and the closing rule.
#include "pagelogic/KTjaKYDialogi.h"

#include "model/Ec5Combinations.h"

#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "pagelogic/LoadTexts.h"
#include "project/QELVUX_data.h"

namespace qv {

const char* const kKTjaKYCaption = "Kuormitustapaukset ja -yhdistelmät";
const char* const kMessageSameName = "Samanniminen on jo olemassa!";
const char* const kMessageLastCase = "Viimeistä kuormitustapausta ei voi poistaa!";
const char* const kMessageLastCombination = "Viimeistä kuormitusyhdistelmää ei voi poistaa!";
const char* const kMessageOwnLimit = "KY:n oma sallittu siirtymä = ?";
const char* const kMessageBothKinds =
    "Mallissa täytyy olla vähintään 1 jännitys- ja siirtymätarkasteluyhdistelmä!";

namespace {

using KY = KuormaYhdVektori;

void FillCaseEntries(const QELVUX_data& p, KTjaKYDialogi& d) {
  d.caseEntries.clear();
  for (int k = 0; k < p.Loads.Cases().Count(); ++k) d.caseEntries.push_back(LoadCaseEntry(p, k));
  if (d.selectedCase >= static_cast<int>(d.caseEntries.size())) d.selectedCase = -1;
}

// A case other than `self` named exactly so.
bool NameInUse(const QELVUX_data& p, const std::string& name, int self) {
  const KuormitustapausVektori& cases = p.Loads.Cases();
  for (int k = 0; k < cases.Count(); ++k) {
    if (k != self && cases.Name(k) == name) return true;
  }
  return false;
}

int ChosenClass(const KTjaKYDialogi& d) { return d.durationClass >= 0 ? d.durationClass : 0; }

}  // namespace

KTjaKYMessage KTjaKYNotice(const std::string& text, const char* caption) {
  KTjaKYMessage m;
  m.shown = true;
  m.text = text;
  m.caption = caption;
  return m;
}

std::vector<double> FactorButtonValues(DesignCode designCode) {
  switch (designCode) {
    case DesignCode::kAllowableStress:
    case DesignCode::kLimitState:
      return {0.0, 0.5, 0.8, 0.9, 1.0, 1.2, 1.6};
    case DesignCode::kEc5Env:
      return {0.0, 0.5, 0.75, 1.0, 1.05, 1.2, 1.5};
    case DesignCode::kEc5:
      return {0.0, 0.7, 0.9, 1.0, 1.15, 1.35, 1.5};
  }
  return {};
}

std::string LoadCaseEntry(const QELVUX_data& project, int loadCase) {
  std::string entry =
      project.Loads.Cases().Name(loadCase) + " (" + CaseDurationClassName(project, loadCase) + ")";
  if (project.DesignCode != DesignCode::kEc5) return entry;
  const std::vector<LoadCategoryRow>& rows = project.Ec5Rules().categories;
  const auto c = static_cast<std::size_t>(ToInt(project.Loads.CaseCategory(loadCase)));
  return c < rows.size() ? entry + " - " + rows[c].name : entry;
}

KTjaKYDialogi OpenKTjaKY(const QELVUX_data& project) {
  KTjaKYDialogi d;
  d.page = kKTPage;
  d.helpContext = 335;
  d.nameSuggestions = {"Omapaino ?", "Hyötykuorma ?", "Lumikuorma ?", "Tuulikuorma ?"};
  for (const std::string& line : project.Materials.DurationClassNames(project.DesignCode)) {
    const std::size_t cut = line.find(';');
    d.durationClasses.push_back(cut == std::string::npos ? line : line.substr(0, cut));
  }
  d.designKindItems = {"Jännitystarkastelu", "Siirtymätarkastelu", "Ei mitoitusta"};
  d.ec5 = project.DesignCode == DesignCode::kEc5;
  if (d.ec5) d.designKindItems.push_back("Pitkäaikaistarkastelu");
  if (d.ec5) {
    for (const LoadCategoryRow& row : project.Ec5Rules().categories)
      d.categoryItems.push_back(row.name + " (" + FormatFixed(row.psi0, 2) + " / " +
                                FormatFixed(row.psi1, 2) + " / " + FormatFixed(row.psi2, 2) + ")");
    d.consequenceClass = project.Settings.ec5.consequenceClass - 1;
  }
  FillCaseEntries(project, d);
  d.factorValues = FactorButtonValues(project.DesignCode);
  for (double v : d.factorValues) {
    d.factorCaptions.push_back("<- " + FormatFixed(v, 2));
    d.factorVisible.push_back(v >= 0.0);
  }
  return d;
}

void ChangeKTjaKYPage(const QELVUX_data& project, KTjaKYDialogi& dialog, int page) {
  if (page != kKTPage && page != kKYPage) return;
  dialog.page = page;
  dialog.helpContext = page == kKTPage ? 335 : 336;
  if (page == kKTPage) {
    FillCaseEntries(project, dialog);
    return;
  }
  FillCombinationPage(project, dialog, dialog.selectedCombination);
}

void SelectLoadCaseEntry(const QELVUX_data& project, KTjaKYDialogi& dialog, int entry) {
  const KuormitustapausVektori& cases = project.Loads.Cases();
  if (!cases.IsValid(entry)) return;
  dialog.selectedCase = entry;
  dialog.caseName = cases.Name(entry);
  dialog.durationClass = cases.DurationClass(entry);
  dialog.category = ToInt(project.Loads.CaseCategory(entry));
}

namespace {

// Code 4: the case takes the chosen category, and the combinations follow the cases.
KTjaKYMessage AfterCaseChange(QELVUX_data& project, KTjaKYDialogi& dialog, int k) {
  if (!dialog.ec5) return KTjaKYMessage{};
  LoadCategory c;
  if (k >= 0 && LoadCategoryFromInt(dialog.category, c)) project.Loads.SetCaseCategory(k, c);
  const std::string problem = project.RegenerateEc5Combinations();
  FillCaseEntries(project, dialog);
  if (k >= 0) SelectLoadCaseEntry(project, dialog, k);
  return problem.empty() ? KTjaKYMessage{} : KTjaKYNotice(problem, "VIRHE");
}

}  // namespace

void ChooseLoadCategory(const QELVUX_data& project, KTjaKYDialogi& dialog, int item) {
  LoadCategory c;
  if (!LoadCategoryFromInt(item, c)) return;
  dialog.category = item;
  const int proposed = ProposedDurationClass(project.Ec5Rules(), c);
  if (proposed >= 0 && proposed < static_cast<int>(dialog.durationClasses.size()))
    dialog.durationClass = proposed;
}

KTjaKYMessage ApplyConsequenceClass(QELVUX_data& project, KTjaKYDialogi& dialog) {
  const int item = dialog.consequenceClass;
  if (item < 0 || item >= static_cast<int>(dialog.consequenceItems.size())) return KTjaKYMessage{};
  project.Settings.ec5.consequenceClass = item + 1;
  return AfterCaseChange(project, dialog, -1);
}

KTjaKYMessage GenerateKTjaKYCombinations(QELVUX_data& project, KTjaKYDialogi& dialog) {
  return AfterCaseChange(project, dialog, -1);
}

KTjaKYMessage AddLoadCase(QELVUX_data& project, KTjaKYDialogi& dialog) {
  const std::string name = CutChars(dialog.caseName, kKTNameMaxChars);
  if (name.empty()) return KTjaKYMessage{};
  if (NameInUse(project, name, -1)) return KTjaKYNotice(kMessageSameName, "VIRHE");
  const int k = project.Loads.Cases().AddCase(name, ChosenClass(dialog));
  FillCaseEntries(project, dialog);
  const int category = dialog.category;
  SelectLoadCaseEntry(project, dialog, k);
  dialog.category = category;
  return AfterCaseChange(project, dialog, k);
}

KTjaKYMessage SaveLoadCase(QELVUX_data& project, KTjaKYDialogi& dialog) {
  KuormitustapausVektori& cases = project.Loads.Cases();
  const int k = dialog.selectedCase;
  if (!cases.IsValid(k)) return KTjaKYMessage{};
  const std::string name = CutChars(dialog.caseName, kKTNameMaxChars);
  if (name.empty()) return KTjaKYMessage{};
  if (NameInUse(project, name, k)) return KTjaKYNotice(kMessageSameName, "VIRHE");
  cases.SetText(k, 0, name);
  cases.SetInt(k, 0, ChosenClass(dialog));
  FillCaseEntries(project, dialog);
  const int category = dialog.category;
  SelectLoadCaseEntry(project, dialog, k);
  dialog.category = category;
  return AfterCaseChange(project, dialog, k);
}

KTjaKYMessage DeleteLoadCase(QELVUX_data& project, KTjaKYDialogi& dialog) {
  KuormaVektori& loads = project.Loads;
  if (loads.Cases().Count() <= 1) return KTjaKYNotice(kMessageLastCase, "HUOMIO");
  const int k = dialog.selectedCase;
  if (!loads.Cases().IsValid(k)) return KTjaKYMessage{};
  loads.RemoveLoadCase(k);
  FillCaseEntries(project, dialog);
  SelectLoadCaseEntry(project, dialog, k < loads.Cases().Count() ? k : k - 1);
  return AfterCaseChange(project, dialog, -1);
}

KTjaKYMessage KTjaKYCloseQuery(const QELVUX_data& project) {
  const KY& ky = project.Loads.Combinations();
  if (ky.NthCombinationOfKind(KY::kStress, 0) >= 0 &&
      ky.NthCombinationOfKind(KY::kDeflection, 0) >= 0)
    return KTjaKYMessage{};
  return KTjaKYNotice(kMessageBothKinds, "VIRHE");
}

std::vector<std::string> CombinationRecordLines(const QELVUX_data& project) {
  const KY& ky = project.Loads.Combinations();
  std::vector<std::string> lines;
  for (int i = 0; i < ky.Count(); ++i) lines.push_back(ky.FormatRecord(i));
  return lines;
}

}  // namespace qv
