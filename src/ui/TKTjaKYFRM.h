// The load case and combination dialog "Kuormitustapaukset ja -yhdistelmät": its buttons change the
// project at once, Peruuta puts it back.
#pragma once

#include <QDialog>

#include "model/KuormaVektori.h"
#include "pagelogic/KTjaKYDialogi.h"
#include "ui/ProjectPage.h"

class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace qv {

// Modal. Components carry the names of the program (KTnimiCB, KTlistaLB, StringGrid1,
// Kerroin1BTN ...) so tests find them. OK saves the combination page's unsaved edits and
// closes only while the project has a stress and a deflection combination; Peruuta, Esc and
// the close box put the loads, cases and combinations back as they were when it opened.
class TKTjaKYFRM : public QDialog {
  Q_OBJECT

 public:
  explicit TKTjaKYFRM(const UiContext& ui, QWidget* parent = nullptr);

  // The handlers, public so that tests drive what the user's actions drive. Each button
  // shows its message, if any, and returns whether it showed one.
  void PageChanged(int page);            // PageControl1Change
  void CaseEntryClicked(int entry);      // KTlistaLBClick
  bool AddCaseClicked();                 // LisaaNappi_KT
  bool SaveCaseClicked();                // MuutaNappi_KT
  bool DeleteCaseClicked();              // PoistaNappi_KT
  void CombinationChosen(int item);      // KYnimiCBChange
  void FactorButtonClicked(int button);  // Kerroin1BTN .. Kerroin7BTN (0 .. 6)
  void DesignKindChosen(int item);       // KYmitoitustapaCBChange
  void OwnLimitChosen(bool own);         // RadioButton1 / RadioButton2
  bool AddCombinationClicked();          // LisaaNappi_KY
  bool DeleteCombinationClicked();       // PoistaNappi_KY
  bool SaveCombinationClicked();         // MuutaNappi_KY
  void HelpClicked();
  // FormCloseQuery of OK: true when the dialog may close; otherwise its message is shown.
  bool CloseQuery();

  const KTjaKYDialogi& Dialog() const { return dialog_; }

  // OK, Peruuta, Esc and the close box all end here.
  void done(int result) override;

 private:
  QWidget* BuildCasePage();
  QWidget* BuildCombinationPage();
  QWidget* BuildDiagnosticPage();
  void TakeInputs();
  void ShowCasePage();
  void ShowCombinationPage();
  void ShowLimitPanel();
  bool Show(const KTjaKYMessage& message);
  // One button of a page: its action on what the user typed, the action's message and the
  // page shown again (not after a message when the typed values are to stay for mending).
  using Action = KTjaKYMessage (*)(QELVUX_data& project, KTjaKYDialogi& dialog);
  bool RunAction(Action action, bool combinationPage, bool keepTypedOnMessage = false);
  bool KeepCombinationEdits();

  UiContext ui_;
  // The project's loads as the dialog found them, for Peruuta: removing a case removes and
  // renumbers loads as well as cases and combinations.
  KuormaVektori opened_;
  int openedConsequenceClass_ = 2;  // design code 4
  KTjaKYDialogi dialog_;
  bool showing_ = false;  // the program itself is filling the controls

  QTabWidget* pages_ = nullptr;         // PageControl1
  QComboBox* caseName_ = nullptr;       // KTnimiCB
  QComboBox* durationClass_ = nullptr;  // KTaikaluokkaCB
  QComboBox* category_ = nullptr;       // KTluokkaCB, design code 4
  QComboBox* consequence_ = nullptr;    // SeuraamusluokkaCB, design code 4
  QListWidget* caseList_ = nullptr;     // KTlistaLB
  QComboBox* combination_ = nullptr;    // KYnimiCB
  QComboBox* designKind_ = nullptr;     // KYmitoitustapaCB
  QTableWidget* grid_ = nullptr;        // StringGrid1
  QWidget* limitPanel_ = nullptr;       // Panel with the radio buttons
  QRadioButton* pageLimits_ = nullptr;  // RadioButton1
  QRadioButton* ownLimit_ = nullptr;    // RadioButton2
  QComboBox* ownLimitValue_ = nullptr;  // KYsallUCB
  QPushButton* factorButtons_[kKTjaKYFactorButtons] = {};
  QListWidget* records_ = nullptr;  // the diagnostic page's list
};

}  // namespace qv
