// The combination page of the load case and combination dialog: grid, factor buttons, own limit,
// add, delete, save.
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "pagelogic/KTjaKYDialogi.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

using KY = KuormaYhdVektori;

// Header rows in list order: item i of KYnimiCB is the i-th header.
std::vector<int> HeaderRows(const KY& ky) {
  std::vector<int> rows;
  for (int i = 0; i < ky.Count(); ++i) {
    if (ky.IsHeader(i)) rows.push_back(i);
  }
  return rows;
}

// Header row of combination item, -1 when there is none.
int HeaderOfItem(const KY& ky, int item) {
  const std::vector<int> rows = HeaderRows(ky);
  return item >= 0 && item < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(item)]
                                                           : -1;
}

// The design kinds in the order of the kind list (KYmitoitustapaCB).
// The fourth, the quasi-permanent combination, is listed for design code 4 only.
constexpr CombinationKind kKindItems[] = {KY::kStress, KY::kDeflection, KY::kNoDesign,
                                          KY::kLongTerm};

CombinationKind KindOfItem(int item) {
  return item >= 0 && item < static_cast<int>(std::size(kKindItems))
             ? kKindItems[static_cast<std::size_t>(item)]
             : KY::kStress;
}

int ItemOfKind(CombinationKind kind) {
  for (std::size_t i = 0; i < std::size(kKindItems); ++i)
    if (kKindItems[i] == kind) return static_cast<int>(i);
  return 0;
}

void ShowLimit(KTjaKYDialogi& d, double stored) {
  d.limitPanelVisible = KindOfItem(d.designKind) == KY::kDeflection;
  d.ownLimit = d.limitPanelVisible && stored != 0.0;
  d.ownLimitEnabled = d.ownLimit;
  d.ownLimitText = d.ownLimit ? FormatFixed(std::fabs(stored), 2) : std::string();
}

void FillGrid(const QELVUX_data& p, KTjaKYDialogi& d, int combination) {
  const KuormaVektori& loads = p.Loads;
  d.gridCases.clear();
  d.gridFactors.clear();
  for (int k = 0; k < loads.Cases().Count(); ++k) {
    d.gridCases.push_back(LoadCaseEntry(p, k));
    d.gridFactors.push_back(FormatFixed(loads.Combinations().Factor(combination, k), 2));
  }
  if (d.currentRow < 0 || d.currentRow >= static_cast<int>(d.gridCases.size()))
    d.currentRow = d.gridCases.empty() ? -1 : 0;
}

// The largest combination number in use plus one: a new combination never shares a number
// with an old one, even when a file left gaps.
int NextCombinationNumber(const KY& ky) {
  int next = 0;
  for (int i = 0; i < ky.Count(); ++i) {
    if (ky.Combination(i) + 1 > next) next = ky.Combination(i) + 1;
  }
  return next;
}

}  // namespace

void FillCombinationPage(const QELVUX_data& project, KTjaKYDialogi& dialog, int item) {
  const KY& ky = project.Loads.Combinations();
  dialog.combinationNames.clear();
  for (int row : HeaderRows(ky)) dialog.combinationNames.push_back(CutChars(ky.TextOr(row, 0), 80));
  const int count = static_cast<int>(dialog.combinationNames.size());
  SelectCombination(project, dialog, item >= 0 && item < count ? item : (count > 0 ? 0 : -1));
}

void SelectCombination(const QELVUX_data& project, KTjaKYDialogi& dialog, int item) {
  const KY& ky = project.Loads.Combinations();
  const int row = HeaderOfItem(ky, item);
  dialog.selectedCombination = row >= 0 ? item : -1;
  dialog.designKind = ItemOfKind(ky.HeaderKind(row).value_or(KY::kStress));
  ShowLimit(dialog, row >= 0 ? ky.Value(row) : 0.0);
  FillGrid(project, dialog, row >= 0 ? ky.Combination(row) : -1);
}

void PressFactorButton(KTjaKYDialogi& dialog, int button) {
  if (button < 0 || button >= static_cast<int>(dialog.factorValues.size())) return;
  const int r = dialog.currentRow;
  if (r < 0 || r >= static_cast<int>(dialog.gridFactors.size())) return;
  dialog.gridFactors[static_cast<std::size_t>(r)] =
      FormatFixed(dialog.factorValues[static_cast<std::size_t>(button)], 2);
}

void ChangeDesignKind(KTjaKYDialogi& dialog, int item) {
  if (item < 0 || item >= static_cast<int>(dialog.designKindItems.size())) return;
  dialog.designKind = item;
  ShowLimit(dialog, 0.0);
}

void ChooseOwnLimit(KTjaKYDialogi& dialog, bool own) {
  dialog.ownLimit = own;
  dialog.ownLimitEnabled = own;
  dialog.ownLimitText = own ? "?" : std::string();
}

KTjaKYMessage AddCombination(QELVUX_data& project, KTjaKYDialogi& dialog) {
  KY& ky = project.Loads.Combinations();
  ky.AddHeader(NextCombinationNumber(ky), KindOfItem(dialog.designKind));
  FillCombinationPage(project, dialog, ky.CombinationCount() - 1);
  return KTjaKYMessage{};
}

KTjaKYMessage DeleteCombination(QELVUX_data& project, KTjaKYDialogi& dialog) {
  KY& ky = project.Loads.Combinations();
  if (ky.CombinationCount() <= 1) return KTjaKYNotice(kMessageLastCombination, "HUOMIO");
  const int item = dialog.selectedCombination;
  const int row = HeaderOfItem(ky, item);
  if (row < 0) return KTjaKYMessage{};
  ky.RemoveCombination(ky.Combination(row), false);
  FillCombinationPage(project, dialog, item < ky.CombinationCount() ? item : item - 1);
  return KTjaKYMessage{};
}

bool CombinationEdited(const QELVUX_data& project, const KTjaKYDialogi& dialog) {
  if (dialog.page != kKYPage) return false;
  // What the page would show for its combination, straight from the project.
  KTjaKYDialogi stored = dialog;
  SelectCombination(project, stored, dialog.selectedCombination);
  if (stored.selectedCombination < 0) return false;
  if (stored.gridFactors != dialog.gridFactors || stored.designKind != dialog.designKind)
    return true;
  if (!dialog.limitPanelVisible) return false;
  return stored.ownLimit != dialog.ownLimit ||
         (dialog.ownLimit && stored.ownLimitText != dialog.ownLimitText);
}

KTjaKYMessage SaveCombination(QELVUX_data& project, KTjaKYDialogi& dialog) {
  KY& ky = project.Loads.Combinations();
  const int row = HeaderOfItem(ky, dialog.selectedCombination);
  if (row < 0) return KTjaKYMessage{};
  const int caseCount = project.Loads.Cases().Count();
  // A grid older than the case list is not saved over it.
  if (static_cast<int>(dialog.gridFactors.size()) != caseCount) return KTjaKYMessage{};
  std::vector<double> factors(static_cast<std::size_t>(caseCount), 0.0);
  for (int k = 0; k < caseCount; ++k) {
    const std::size_t r = static_cast<std::size_t>(k);
    if (ParseNumber(dialog.gridFactors[r], -1000.0, 1000.0, factors[r]) != 0)
      return KTjaKYNotice(
          RangeText(r < dialog.gridCases.size() ? dialog.gridCases[r] : LoadCaseEntry(project, k),
                    -1000.0, 1000.0),
          "VIRHE");
  }
  const CombinationKind kind = KindOfItem(dialog.designKind);
  double limit = 0.0;
  if (kind == KY::kDeflection && dialog.ownLimit &&
      ParseNumber(dialog.ownLimitText, 0.001, 1000.0, limit) != 0)
    return KTjaKYNotice(kMessageOwnLimit, "VIRHE");
  const int c = ky.Combination(row);
  ky.SetText(row, 0, KY::CombinationName(c));
  ky.SetInt(row, 1, ToInt(kind));
  ky.SetReal(row, 0, kind == KY::kDeflection && dialog.ownLimit ? -limit : 0.0);
  ky.RemoveCombination(c, true);
  for (int k = 0; k < caseCount; ++k) ky.AddFactor(c, k, factors[static_cast<std::size_t>(k)]);
  FillCombinationPage(project, dialog, dialog.selectedCombination);
  return KTjaKYMessage{};
}

}  // namespace qv
