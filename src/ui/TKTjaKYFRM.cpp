// The load case and combination dialog over its dialog logic.
#include "ui/TKTjaKYFRM.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>
#include <initializer_list>

#include "project/QELVUX_data.h"
#include "ui/HelpLauncher.h"
#include "ui/Messages.h"
#include "ui/NumberCombo.h"
#include "ui/Widgets.h"

namespace qv {

namespace {

QComboBox* Combo(QWidget* parent, const char* name, bool editable) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  if (editable) MakeNumberEntry(box);
  return box;
}

QLabel* Caption(QWidget* parent, const char* text) {
  return new QLabel(QString::fromUtf8(text), parent);
}

struct RowButton {
  const char* name;
  const char* caption;
  std::function<void()> clicked;
};

// A page's add, remove and save buttons side by side at the left, each wired to its handler.
QHBoxLayout* ButtonRow(QWidget* page, QObject* context, std::initializer_list<RowButton> buttons) {
  auto* row = new QHBoxLayout;
  for (const RowButton& b : buttons) {
    auto* button = NonDefaultButton(page, b.name, b.caption);
    QObject::connect(button, &QPushButton::clicked, context, b.clicked);
    row->addWidget(button);
  }
  row->addStretch(1);
  return row;
}

void SetItems(QComboBox* box, const std::vector<std::string>& items) {
  box->clear();
  for (const auto& item : items) box->addItem(Q(item));
}

}  // namespace

TKTjaKYFRM::TKTjaKYFRM(const UiContext& ui, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      opened_(ui.project->Loads),
      openedConsequenceClass_(ui.project->Settings.ec5.consequenceClass) {
  setObjectName(QStringLiteral("KTjaKYFRM"));
  setWindowTitle(QString::fromUtf8(kKTjaKYCaption));
  dialog_ = OpenKTjaKY(*ui_.project);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->addTab(BuildCasePage(), QStringLiteral("Kuormitustapaukset"));
  pages_->addTab(BuildCombinationPage(), QString::fromUtf8("Kuormitusyhdistelmät"));
  // The record list is for finding faults in combinations; users never see it.
  pages_->addTab(BuildDiagnosticPage(), QStringLiteral("KY"));
  pages_->setTabVisible(2, false);
  pages_->setCurrentIndex(kKTPage);
  connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
    if (!showing_) PageChanged(page);
  });

  auto* ok = NonDefaultButton(this, "OKbutton", "OK");
  ok->setDefault(true);
  auto* cancel = NonDefaultButton(this, "CANCELbutton", "Peruuta");
  auto* help = NonDefaultButton(this, "HELPbutton", "Ohje");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { HelpClicked(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addLayout(buttons);

  ShowCasePage();
  resize(600, 460);
}

QWidget* TKTjaKYFRM::BuildCasePage() {
  auto* page = new QWidget;
  caseName_ = Combo(page, "KTnimiCB", true);
  caseName_->setMaxCount(1000);
  durationClass_ = Combo(page, "KTaikaluokkaCB", false);
  caseList_ = new QListWidget(page);
  caseList_->setObjectName(QStringLiteral("KTlistaLB"));

  auto* form = new QFormLayout;
  form->addRow(Caption(page, "Kuormitustapauksen nimi:"), caseName_);
  if (dialog_.ec5) {
    // Design code 4: the category gives the psi factors and proposes the duration class.
    category_ = Combo(page, "KTluokkaCB", false);
    form->addRow(Caption(page, "Kuormaluokka (psi0 / psi1 / psi2):"), category_);
    connect(category_, &QComboBox::currentIndexChanged, this, [this](int item) {
      if (showing_) return;
      ChooseLoadCategory(*ui_.project, dialog_, item);
      durationClass_->setCurrentIndex(dialog_.durationClass);
    });
  }
  form->addRow(Caption(page, "Aikaluokka:"), durationClass_);
  if (dialog_.ec5) {
    consequence_ = Combo(page, "SeuraamusluokkaCB", false);
    form->addRow(Caption(page, "Seuraamusluokka:"), consequence_);
    connect(consequence_, &QComboBox::currentIndexChanged, this, [this](int) {
      if (!showing_) RunAction(ApplyConsequenceClass, false);
    });
  }
  QHBoxLayout* row =
      ButtonRow(page, this,
                {{"LisaaNappi_KT", "Lisää uusi", [this] { AddCaseClicked(); }},
                 {"PoistaNappi_KT", "Poista valittu", [this] { DeleteCaseClicked(); }},
                 {"MuutaNappi_KT", "Tallenna muutokset", [this] { SaveCaseClicked(); }}});
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addLayout(row);
  if (dialog_.ec5) {
    layout->addLayout(ButtonRow(page, this, {{"LuoYhdistelmatBTN", "Luo yhdistelmät", [this] {
                                                RunAction(GenerateKTjaKYCombinations, false);
                                              }}}));
  }
  layout->addWidget(Caption(page, "Olemassa olevat kuormitustapaukset:"));
  layout->addWidget(caseList_, 1);

  connect(caseList_, &QListWidget::currentRowChanged, this, [this](int entry) {
    if (!showing_) CaseEntryClicked(entry);
  });
  connect(caseList_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { CaseEntryClicked(caseList_->row(item)); });
  return page;
}

QWidget* TKTjaKYFRM::BuildCombinationPage() {
  auto* page = new QWidget;
  combination_ = Combo(page, "KYnimiCB", false);
  designKind_ = Combo(page, "KYmitoitustapaCB", false);
  grid_ = new QTableWidget(0, 2, page);
  grid_->setObjectName(QStringLiteral("StringGrid1"));
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setColumnWidth(0, dialog_.gridColumnWidths[0]);
  grid_->setColumnWidth(1, dialog_.gridColumnWidths[1]);

  auto* factors = new QVBoxLayout;
  for (int i = 0; i < kKTjaKYFactorButtons; ++i) {
    const QString name = QStringLiteral("Kerroin%1BTN").arg(i + 1);
    auto* b = NonDefaultButton(page, name.toLatin1().constData(), "");
    factorButtons_[i] = b;
    factors->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, i] { FactorButtonClicked(i); });
  }
  factors->addStretch(1);

  limitPanel_ = new QWidget(page);
  limitPanel_->setObjectName(QStringLiteral("Panel1"));
  pageLimits_ = new QRadioButton(
      QStringLiteral("Sallitut siirtymät ovat mitoitussivun asetusten mukaan"), limitPanel_);
  pageLimits_->setObjectName(QStringLiteral("RadioButton1"));
  ownLimit_ = new QRadioButton(
      QString::fromUtf8("Kuormitusyhdistelmällä on oma sallittu siirtymä [mm]:"), limitPanel_);
  ownLimit_->setObjectName(QStringLiteral("RadioButton2"));
  ownLimitValue_ = Combo(limitPanel_, "KYsallUCB", true);
  auto* limits = new QGridLayout(limitPanel_);
  limits->setContentsMargins(0, 0, 0, 0);
  limits->addWidget(pageLimits_, 0, 0, 1, 2);
  limits->addWidget(ownLimit_, 1, 0);
  limits->addWidget(ownLimitValue_, 1, 1);

  auto* form = new QFormLayout;
  form->addRow(Caption(page, "Valittu kuormitusyhdistelmä:"), combination_);
  form->addRow(Caption(page, "Yhdistelmän mitoitustapa:"), designKind_);
  auto* gridRow = new QHBoxLayout;
  gridRow->addWidget(grid_, 1);
  gridRow->addLayout(factors);
  QHBoxLayout* row =
      ButtonRow(page, this,
                {{"LisaaNappi_KY", "Lisää uusi KY", [this] { AddCombinationClicked(); }},
                 {"PoistaNappi_KY", "Poista valittu KY", [this] { DeleteCombinationClicked(); }},
                 {"MuutaNappi_KY", "Tallenna muutokset", [this] { SaveCombinationClicked(); }}});
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addWidget(Caption(page, "Kuormitustapausten kertoimet:"));
  layout->addLayout(gridRow, 1);
  layout->addWidget(limitPanel_);
  layout->addLayout(row);

  connect(combination_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (!showing_) CombinationChosen(item);
  });
  connect(designKind_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (!showing_) DesignKindChosen(item);
  });
  connect(pageLimits_, &QRadioButton::toggled, this, [this](bool on) {
    if (!showing_ && on) OwnLimitChosen(false);
  });
  connect(ownLimit_, &QRadioButton::toggled, this, [this](bool on) {
    if (!showing_ && on) OwnLimitChosen(true);
  });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
    if (!showing_) dialog_.currentRow = row;
  });
  return page;
}

QWidget* TKTjaKYFRM::BuildDiagnosticPage() {
  auto* page = new QWidget;
  records_ = new QListWidget(page);
  records_->setObjectName(QStringLiteral("ListBox1"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(records_);
  return page;
}

// What the user has typed and chosen into the dialog's working state.
void TKTjaKYFRM::TakeInputs() {
  dialog_.caseName = S(caseName_->currentText());
  dialog_.durationClass = durationClass_->currentIndex();
  if (category_) dialog_.category = category_->currentIndex();
  if (consequence_) dialog_.consequenceClass = consequence_->currentIndex();
  const int rows = grid_->rowCount();
  for (int r = 0; r < rows && r < static_cast<int>(dialog_.gridFactors.size()); ++r) {
    const QTableWidgetItem* cell = grid_->item(r, 1);
    dialog_.gridFactors[static_cast<std::size_t>(r)] = cell ? S(cell->text()) : std::string();
  }
  if (rows > 0) dialog_.currentRow = grid_->currentRow();
  dialog_.ownLimitText = S(ownLimitValue_->currentText());
}

void TKTjaKYFRM::ShowCasePage() {
  showing_ = true;
  if (caseName_->count() == 0) SetItems(caseName_, dialog_.nameSuggestions);
  caseName_->setCurrentText(Q(dialog_.caseName));
  SetItems(durationClass_, dialog_.durationClasses);
  durationClass_->setCurrentIndex(dialog_.durationClass);
  if (category_) {
    SetItems(category_, dialog_.categoryItems);
    category_->setCurrentIndex(dialog_.category);
  }
  if (consequence_) {
    SetItems(consequence_, dialog_.consequenceItems);
    consequence_->setCurrentIndex(dialog_.consequenceClass);
  }
  caseList_->clear();
  for (const auto& entry : dialog_.caseEntries) caseList_->addItem(Q(entry));
  caseList_->setCurrentRow(dialog_.selectedCase);
  for (int i = 0; i < kKTjaKYFactorButtons; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    const bool there = k < dialog_.factorCaptions.size();
    factorButtons_[i]->setText(there ? Q(dialog_.factorCaptions[k]) : QString());
    factorButtons_[i]->setVisible(there && dialog_.factorVisible[k]);
  }
  showing_ = false;
}

void TKTjaKYFRM::ShowCombinationPage() {
  showing_ = true;
  SetItems(combination_, dialog_.combinationNames);
  combination_->setCurrentIndex(dialog_.selectedCombination);
  SetItems(designKind_, dialog_.designKindItems);
  designKind_->setCurrentIndex(dialog_.designKind);
  grid_->setRowCount(static_cast<int>(dialog_.gridCases.size()));
  for (std::size_t r = 0; r < dialog_.gridCases.size(); ++r) {
    auto* name = new QTableWidgetItem(Q(dialog_.gridCases[r]));
    name->setFlags(Qt::ItemIsEnabled);
    grid_->setItem(static_cast<int>(r), 0, name);
    const std::string factor =
        r < dialog_.gridFactors.size() ? dialog_.gridFactors[r] : std::string();
    grid_->setItem(static_cast<int>(r), 1, new QTableWidgetItem(Q(factor)));
  }
  if (dialog_.currentRow >= 0) grid_->setCurrentCell(dialog_.currentRow, 1);
  records_->clear();
  for (const auto& line : CombinationRecordLines(*ui_.project)) records_->addItem(Q(line));
  showing_ = false;
  ShowLimitPanel();
}

void TKTjaKYFRM::ShowLimitPanel() {
  showing_ = true;
  limitPanel_->setVisible(dialog_.limitPanelVisible);
  pageLimits_->setChecked(!dialog_.ownLimit);
  ownLimit_->setChecked(dialog_.ownLimit);
  if (ownLimitValue_->count() == 0) SetItems(ownLimitValue_, dialog_.ownLimitSuggestions);
  ownLimitValue_->setCurrentText(Q(dialog_.ownLimitText));
  ownLimitValue_->setEnabled(dialog_.ownLimitEnabled);
  showing_ = false;
}

bool TKTjaKYFRM::Show(const KTjaKYMessage& message) {
  if (!message.shown) return false;
  ui_.messages->Inform(message.text, message.caption, MessageIcon::Information);
  return true;
}

// Edits shown in the combination grid are kept before the grid shows something else; a value
// that does not read keeps the user where it is, to mend it.
bool TKTjaKYFRM::KeepCombinationEdits() {
  TakeInputs();
  if (!CombinationEdited(*ui_.project, dialog_)) return true;
  if (!SaveCombinationClicked()) return true;
  ShowCombinationPage();
  return false;
}

void TKTjaKYFRM::PageChanged(int page) {
  if (dialog_.page == kKYPage && page != kKYPage && !KeepCombinationEdits()) {
    showing_ = true;
    pages_->setCurrentIndex(kKYPage);
    showing_ = false;
    return;
  }
  TakeInputs();
  ChangeKTjaKYPage(*ui_.project, dialog_, page);
  if (dialog_.page == kKYPage)
    ShowCombinationPage();
  else
    ShowCasePage();
}

void TKTjaKYFRM::CaseEntryClicked(int entry) {
  SelectLoadCaseEntry(*ui_.project, dialog_, entry);
  ShowCasePage();
}

bool TKTjaKYFRM::RunAction(Action action, bool combinationPage, bool keepTypedOnMessage) {
  TakeInputs();
  const bool shown = Show(action(*ui_.project, dialog_));
  if (shown && keepTypedOnMessage) return shown;
  if (combinationPage) {
    ShowCombinationPage();
  } else {
    ShowCasePage();
  }
  return shown;
}

bool TKTjaKYFRM::AddCaseClicked() { return RunAction(AddLoadCase, false); }

bool TKTjaKYFRM::SaveCaseClicked() { return RunAction(SaveLoadCase, false); }

bool TKTjaKYFRM::DeleteCaseClicked() { return RunAction(DeleteLoadCase, false); }

void TKTjaKYFRM::CombinationChosen(int item) {
  if (!KeepCombinationEdits()) return;
  SelectCombination(*ui_.project, dialog_, item);
  ShowCombinationPage();
}

void TKTjaKYFRM::FactorButtonClicked(int button) {
  TakeInputs();
  PressFactorButton(dialog_, button);
  const int r = dialog_.currentRow;
  if (r >= 0 && r < grid_->rowCount() && r < static_cast<int>(dialog_.gridFactors.size()))
    grid_->setItem(r, 1, new QTableWidgetItem(Q(dialog_.gridFactors[static_cast<std::size_t>(r)])));
}

void TKTjaKYFRM::DesignKindChosen(int item) {
  TakeInputs();
  ChangeDesignKind(dialog_, item);
  ShowLimitPanel();
}

void TKTjaKYFRM::OwnLimitChosen(bool own) {
  ChooseOwnLimit(dialog_, own);
  ShowLimitPanel();
}

bool TKTjaKYFRM::AddCombinationClicked() { return RunAction(AddCombination, true); }

bool TKTjaKYFRM::DeleteCombinationClicked() { return RunAction(DeleteCombination, true); }

// A refused save keeps what the user typed in the grid.
bool TKTjaKYFRM::SaveCombinationClicked() { return RunAction(SaveCombination, true, true); }

void TKTjaKYFRM::HelpClicked() {
  if (ui_.help) ui_.help->Show(ui_.project->ProgramPath, dialog_.helpContext);
}

bool TKTjaKYFRM::CloseQuery() { return !Show(KTjaKYCloseQuery(*ui_.project)); }

void TKTjaKYFRM::done(int result) {
  if (result != QDialog::Accepted) {
    ui_.project->Loads = opened_;
    ui_.project->Settings.ec5.consequenceClass = openedConsequenceClass_;
    QDialog::done(result);
    return;
  }
  // OK keeps what the grid shows, as "Tallenna muutokset" would; a refused value keeps the
  // dialog open with the value there to mend. (A cell being edited has been committed by
  // then: clicking OK takes the focus from it, and Enter in it only ends the cell.)
  TakeInputs();
  if (CombinationEdited(*ui_.project, dialog_) && SaveCombinationClicked()) return;
  if (!CloseQuery()) return;
  QDialog::done(result);
}

}  // namespace qv
