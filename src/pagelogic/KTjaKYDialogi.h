// What the load case and combination dialog (TKTjaKYFRM) shows, its buttons (they change the
// project at once; Peruuta puts it back) and OK.
#pragma once

#include <string>
#include <vector>

#include "model/Kinds.h"

class QELVUX_data;

namespace qv {

constexpr int kKTPage = 0;  // "Kuormitustapaukset"
constexpr int kKYPage = 1;  // "Kuormitusyhdistelmät"
constexpr int kKTjaKYFactorButtons = 7;
// Load case names are cut to this many characters.
constexpr int kKTNameMaxChars = 80;

extern const char* const kKTjaKYCaption;    // "Kuormitustapaukset ja -yhdistelmät"
extern const char* const kMessageSameName;  // "Samanniminen on jo olemassa!"
extern const char* const kMessageLastCase;  // "Viimeistä kuormitustapausta ei voi poistaa!"
extern const char* const
    kMessageLastCombination;                // "Viimeistä kuormitusyhdistelmää ei voi poistaa!"
extern const char* const kMessageOwnLimit;  // "KY:n oma sallittu siirtymä = ?"
extern const char* const kMessageBothKinds;
// "Mallissa täytyy olla vähintään 1 jännitys- ja siirtymätarkasteluyhdistelmä!"

// A message box to show: text and caption ("VIRHE" or "HUOMIO"); shown false for none.
struct KTjaKYMessage {
  bool shown = false;
  std::string text;
  std::string caption;
};
// A message to show.
KTjaKYMessage KTjaKYNotice(const std::string& text, const char* caption);

// The dialog's controls as plain data: what they show and what the user has put in them.
// Only the working state of the controls lives here; the cases and combinations are the
// project's.
struct KTjaKYDialogi {
  int page = kKTPage;  // the third, diagnostic page is never shown
  int helpContext = 335;

  // Page "Kuormitustapaukset".
  std::vector<std::string> nameSuggestions;  // KTnimiCB items
  std::string caseName;                      // KTnimiCB text
  std::vector<std::string> durationClasses;  // KTaikaluokkaCB items
  int durationClass = 0;                     // KTaikaluokkaCB item
  std::vector<std::string> caseEntries;      // KTlistaLB: "name (class)"
  int selectedCase = -1;                     // KTlistaLB item

  // Design code 4: each case's category (with its psi factors) and the consequence class;
  // the combinations are generated from them.
  bool ec5 = false;
  std::vector<std::string> categoryItems;  // KTluokkaCB: "name (psi0 / psi1 / psi2)"
  int category = 0;                        // KTluokkaCB item: the category code
  std::vector<std::string> consequenceItems{"CC1", "CC2", "CC3"};  // SeuraamusluokkaCB
  int consequenceClass = 1;                                        // item: class - 1

  // Factor buttons Kerroin1BTN .. Kerroin7BTN.
  std::vector<double> factorValues;
  std::vector<std::string> factorCaptions;  // "<- %.2f"
  std::vector<bool> factorVisible;          // a negative value hides its button

  // Page "Kuormitusyhdistelmät".
  std::vector<std::string> combinationNames;  // KYnimiCB, "%.80s"
  int selectedCombination = -1;               // KYnimiCB item
  std::vector<std::string> designKindItems;   // KYmitoitustapaCB
  int designKind = 0;                         // item: kind - 1
  std::vector<std::string> gridCases;         // StringGrid1 column 0, one row per case
  std::vector<std::string> gridFactors;       // column 1, "%.2f", edited by the user
  std::vector<int> gridColumnWidths{230, 100};
  int currentRow = -1;             // grid row of the factor buttons
  bool limitPanelVisible = false;  // "Siirtymätarkastelu" only
  bool ownLimit = false;           // RadioButton2, else RadioButton1
  bool ownLimitEnabled = false;    // KYsallUCB
  std::string ownLimitText;
  std::vector<std::string> ownLimitSuggestions{"1.5", "12.0"};
};

// FormShow: the load-case page with its lists and the factor buttons of the design code.
KTjaKYDialogi OpenKTjaKY(const QELVUX_data& project);

// The factor button values of a design code (codes 1 and 2 alike; code 3 its own).
std::vector<double> FactorButtonValues(DesignCode designCode);
// A load case's list entry: its name and " (class name)".
std::string LoadCaseEntry(const QELVUX_data& project, int loadCase);

// PageControl1Change: entering the combination page fills it with the same combination
// selected (the first when that is gone); the help context follows the page.
void ChangeKTjaKYPage(const QELVUX_data& project, KTjaKYDialogi& dialog, int page);

// KTlistaLBClick: the entry's name and class go into KTnimiCB and KTaikaluokkaCB.
void SelectLoadCaseEntry(const QELVUX_data& project, KTjaKYDialogi& dialog, int entry);
// LisaaNappi_KT: appends a case named as typed (at most 80 characters) with the chosen
// class and selects it. An empty name adds nothing, silently; a name in use is refused.
KTjaKYMessage AddLoadCase(QELVUX_data& project, KTjaKYDialogi& dialog);
// MuutaNappi_KT: the selected case gets the typed name and the chosen class; only other
// cases count as duplicates.
KTjaKYMessage SaveLoadCase(QELVUX_data& project, KTjaKYDialogi& dialog);
// PoistaNappi_KT: removes the selected case with its loads and factor rows; the last case
// cannot be removed.
KTjaKYMessage DeleteLoadCase(QELVUX_data& project, KTjaKYDialogi& dialog);

// Refills the combination page with combination item selected (the first when there is no
// such item): names, design kind, own limit panel and the grid.
void FillCombinationPage(const QELVUX_data& project, KTjaKYDialogi& dialog, int item);
// KYnimiCBChange: shows combination item's design kind, own limit and factors.
void SelectCombination(const QELVUX_data& project, KTjaKYDialogi& dialog, int item);
// Kerroin1BTN .. Kerroin7BTN (button 0..6): the value into the current row's factor cell.
void PressFactorButton(KTjaKYDialogi& dialog, int button);
// KYmitoitustapaCBChange: "Siirtymätarkastelu" shows the panel with RadioButton1 chosen.
void ChangeDesignKind(KTjaKYDialogi& dialog, int item);
// RadioButton1 (own false): KYsallUCB blank and disabled; RadioButton2: "?" and enabled.
void ChooseOwnLimit(KTjaKYDialogi& dialog, bool own);
// LisaaNappi_KY: a new combination "KY%d" of the chosen design kind without factors,
// selected.
KTjaKYMessage AddCombination(QELVUX_data& project, KTjaKYDialogi& dialog);
// PoistaNappi_KY: removes the selected combination; the last one cannot be removed.
KTjaKYMessage DeleteCombination(QELVUX_data& project, KTjaKYDialogi& dialog);
// MuutaNappi_KY: reads every factor cell (-1000 .. 1000; the first that does not read names
// its row) and the own limit (0.001 .. 1000), then rewrites the header and the factor rows.
// Nothing is saved on a failure.
KTjaKYMessage SaveCombination(QELVUX_data& project, KTjaKYDialogi& dialog);

// Whether the combination page shows other than what is stored for its combination: factors
// typed or put by the buttons, another design kind or own limit. OK saves such edits first.
bool CombinationEdited(const QELVUX_data& project, const KTjaKYDialogi& dialog);

// Design code 4, KTluokkaCB: the category item chosen for the case being typed; its proposed
// duration class becomes the chosen one.
void ChooseLoadCategory(const QELVUX_data& project, KTjaKYDialogi& dialog, int item);
// Design code 4, SeuraamusluokkaCB: the chosen item (dialog.consequenceClass) becomes the
// project's consequence class, and the combinations are generated again with its K_FI.
KTjaKYMessage ApplyConsequenceClass(QELVUX_data& project, KTjaKYDialogi& dialog);
// Design code 4, "Luo yhdistelmät": the combinations generated again from the cases.
KTjaKYMessage GenerateKTjaKYCombinations(QELVUX_data& project, KTjaKYDialogi& dialog);

// FormCloseQuery (OK): refuses (a message) unless the project has a "Jännitystarkastelu" and
// a "Siirtymätarkastelu" combination. Peruuta needs no such check: it restores what was there.
KTjaKYMessage KTjaKYCloseQuery(const QELVUX_data& project);

// The combination rows as record lines, for the diagnostic page.
std::vector<std::string> CombinationRecordLines(const QELVUX_data& project);

}  // namespace qv
