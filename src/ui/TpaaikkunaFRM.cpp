// The main window: its layout, menu, start-up and closing.
#include "ui/TpaaikkunaFRM.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "design/DesignLines.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/FileDialogs.h"
#include "ui/HelpLauncher.h"
#include "ui/Icons.h"
#include "ui/LoadPage.h"
#include "ui/Messages.h"
#include "ui/DesignPage.h"
#include "ui/ProjectUndo.h"
#include "ui/StructurePage.h"
#include "ui/TAsetuksetFRM.h"
#include "ui/TProjektiTiedotFRM.h"
#include "ui/TProfiilitFRM.h"
#include "ui/Widgets.h"
#include "ui/ResultsPage.h"
#include "ui/ReportPage.h"

namespace qv {

namespace {

const char* const kPageNames[kMainPageCount] = {
    "RakenneTAB",       "KuormitusTAB",     "MitoitusTAB", "TuloksetTAB",
    "LaskentamalliTAB", "LahtotiedostoTAB", "PrintTAB"};
const char* const kPageCaptions[kMainPageCount] = {
    "Rakenne",       "Kuormitus",     "Mitoitus",     "Voimasuure ja siirtymäkäyrät",
    "Laskentamalli", "Lähtötiedosto", "Tulostiedosto"};

QPlainTextEdit* Memo(QWidget* parent, const char* name) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QLatin1String(name));
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font(QStringLiteral("Monospace"));
  font.setStyleHint(QFont::TypeWriter);
  memo->setFont(font);
  return memo;
}

QAction* MenuItem(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QLatin1String(name));
  return action;
}

}  // namespace

TpaaikkunaFRM::TpaaikkunaFRM(const std::string& programPath, const std::string& argument,
                             Messages* messages, FileDialogs* files, HelpLauncher* help,
                             QWidget* parent)
    : QMainWindow(parent),
      project_(std::make_unique<QELVUX_data>(programPath)),
      argument_(argument) {
  setObjectName(QStringLiteral("TpaaikkunaFRM"));
  if (!messages) {
    ownMessages_ = std::make_unique<QtMessages>(this);
    messages = ownMessages_.get();
  }
  if (!files) {
    ownFiles_ = std::make_unique<QtFileDialogs>(this);
    files = ownFiles_.get();
  }
  if (!help) {
    ownHelp_ = std::make_unique<HelpLauncher>(messages);
    help = ownHelp_.get();
  }
  ui_ = UiContext{project_.get(), messages, files, help};

  // Work done ahead waits until the events in hand are through; asked again before that,
  // it is still done once.
  const auto idleTimer = [this](void (TpaaikkunaFRM::*work)()) {
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(0);
    connect(timer, &QTimer::timeout, this, work);
    return timer;
  };
  analysisAhead_ = idleTimer(&TpaaikkunaFRM::StartAnalysisInAdvance);
  undo_ = new ProjectUndo([this](const std::vector<std::string>& lines) { RestoreProject(lines); },
                          this);
  loadPageAhead_ = idleTimer(&TpaaikkunaFRM::PrepareLoadPage);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(2, 2, 2, 2);
  BuildTopPanel(central, layout);
  BuildPages();
  layout->addWidget(pages_, 1);
  setCentralWidget(central);
  BuildMenu();
  SetSectionLibraryCommand([this] { TProfiilitFRM(ui_, this).Run(); });
  undo_->Reset(ProjectFileLines(*project_));
  SetProjectInfoCommand([this] { TProjektiTiedotFRM(ui_, this).Run(); });
  SetSettingsCommand([this] { TAsetuksetFRM(ui_, this).Run(); });
  // Hints: the long part of a component's hint shows here (ProjectPage.h, SetHint).
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  SetTitle(std::string());
  resize(1100, 750);
}

TpaaikkunaFRM::~TpaaikkunaFRM() {
  // The pages use the project record and the interfaces: they go before the members do.
  delete takeCentralWidget();
}

void TpaaikkunaFRM::BuildTopPanel(QWidget* parent, QVBoxLayout* layout) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("Panel1"));
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(4, 2, 4, 2);
  auto* label = new QLabel(QStringLiteral("Laskentanormi:"), panel);
  codeCombo_ = new QComboBox(panel);
  codeCombo_->setObjectName(QStringLiteral("LaskentaNormiCB"));
  codeCombo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (DesignCode code : kDesignCodes) codeCombo_->addItem(Q(DesignCodeName(code)));
  label->setBuddy(codeCombo_);
  auto* logo = new QLabel(panel);
  logo->setObjectName(QStringLiteral("Image1"));
  logo->setPixmap(LogoPixmap(28));
  row->addWidget(label);
  row->addWidget(codeCombo_);
  row->addStretch(1);
  row->addWidget(logo);
  layout->addWidget(panel);
  // Only the user's choices change the code; the program sets the combo with signals held.
  // A stray turn of the wheel over the combo must not empty the loads.
  codeCombo_->installEventFilter(this);
  connect(codeCombo_, &QComboBox::currentIndexChanged, this,
          [this](int item) { LaskentaNormiCBChange(item); });
}

void TpaaikkunaFRM::BuildPages() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  structurePage_ = new qv::StructurePage(ui_, pages_);
  pageWidgets_[TabIndex(MainPage::Rakenne)] = structurePage_;
  connect(structurePage_, &ProjectPage::ProjectChanged, loadPageAhead_,
          qOverload<>(&QTimer::start));
  pageWidgets_[TabIndex(MainPage::Kuormitus)] = new LoadPage(ui_, pages_);
  pageWidgets_[TabIndex(MainPage::Mitoitus)] = new DesignPage(ui_, pages_);
  pageWidgets_[TabIndex(MainPage::Tulokset)] = new ResultsPage(ui_, pages_);
  pageWidgets_[TabIndex(MainPage::Tulostiedosto)] = new ReportPage(ui_, pages_);
  // The analysis input is made of the member and its loads alone, which only these two pages
  // change; the design page's changes (section, material, settings) leave it as it is.
  for (MainPage page : {MainPage::Rakenne, MainPage::Kuormitus}) {
    connect(static_cast<ProjectPage*>(pageWidgets_[TabIndex(page)]), &ProjectPage::ProjectChanged,
            analysisAhead_, qOverload<>(&QTimer::start));
  }
  // Any change a page reports is a step to undo, and may make the project differ from its
  // file: the title says so.
  for (MainPage page : {MainPage::Rakenne, MainPage::Kuormitus, MainPage::Mitoitus,
                        MainPage::Tulokset, MainPage::Tulostiedosto}) {
    const QString text = QString::fromUtf8(kPageCaptions[TabIndex(page)]);
    connect(static_cast<ProjectPage*>(pageWidgets_[TabIndex(page)]), &ProjectPage::ProjectChanged,
            this, [this, text] { ProjectEdited(text); });
  }

  auto* model = new QWidget(pages_);
  inputMemo_ = Memo(model, "InputMemo");
  outputMemo_ = Memo(model, "OutputMemo");
  auto* split = MakePageSplitter(Qt::Horizontal, model);
  split->addWidget(inputMemo_);
  split->addWidget(outputMemo_);
  auto* modelLayout = new QVBoxLayout(model);
  modelLayout->addWidget(split);
  pageWidgets_[TabIndex(MainPage::Laskentamalli)] = model;

  auto* file = new QWidget(pages_);
  projectFileMemo_ = Memo(file, "LahtotiedostoMEMO");
  auto* fileLayout = new QVBoxLayout(file);
  fileLayout->addWidget(projectFileMemo_);
  pageWidgets_[TabIndex(MainPage::Lahtotiedosto)] = file;

  for (int i = 0; i < kMainPageCount; ++i) {
    pageWidgets_[i]->setObjectName(QLatin1String(kPageNames[i]));
    pages_->addTab(pageWidgets_[i], QString::fromUtf8(kPageCaptions[i]));
  }
  // Hidden pages are disabled as well: Ctrl+Tab skips only disabled tabs, not hidden ones.
  for (MainPage hidden : {MainPage::Laskentamalli, MainPage::Lahtotiedosto}) {
    pages_->setTabVisible(TabIndex(hidden), false);
    pages_->setTabEnabled(TabIndex(hidden), false);
  }
  connect(pages_, &QTabWidget::currentChanged, this,
          [this](int index) { PageControl1Change(index); });
}

qv::ReportPage* TpaaikkunaFRM::ShowReportPage() {
  if (ActivePage() != MainPage::Tulostiedosto)
    pages_->setCurrentIndex(TabIndex(MainPage::Tulostiedosto));
  if (ActivePage() != MainPage::Tulostiedosto) return nullptr;
  return qobject_cast<qv::ReportPage*>(Page(MainPage::Tulostiedosto));
}

void TpaaikkunaFRM::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* file = bar->addMenu(QStringLiteral("&Tiedosto"));
  file->setObjectName(QStringLiteral("Tiedosto1"));
  QAction* newModel = MenuItem(file, "Uusimalli1", "&Uusi malli");
  newModel->setShortcut(QKeySequence::New);
  connect(newModel, &QAction::triggered, this, [this] { NewModel(); });
  QAction* open = MenuItem(file, "Avaa1", "&Avaa...");
  open->setShortcut(QKeySequence::Open);
  connect(open, &QAction::triggered, this, [this] { OpenProject(); });
  QAction* save = MenuItem(file, "Tallenna1", "&Tallenna");
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, [this] { SaveProject(); });
  QAction* saveAs = MenuItem(file, "Tallennanimell1", "Tallenna &nimellä...");
  saveAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  connect(saveAs, &QAction::triggered, this, [this] { SaveProjectAs(); });
  file->addSeparator();
  // The calculation document is built from a current analysis: the report page is entered
  // first, as a click on its tab would, and nothing is printed when that is refused.
  QAction* print = MenuItem(file, "Tulosta1", "T&ulosta...");
  print->setShortcut(QKeySequence::Print);
  connect(print, &QAction::triggered, this, [this] {
    if (auto* report = ShowReportPage()) report->PrintClick();
  });
  QAction* preview = MenuItem(file, "Esikatselu1", "&Esikatselu...");
  connect(preview, &QAction::triggered, this, [this] {
    if (auto* report = ShowReportPage()) report->PreviewClick();
  });
  file->addSeparator();
  QAction* quit = MenuItem(file, "Lopeta1", "&Lopeta");
  quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  connect(quit, &QAction::triggered, this, [this] { close(); });

  QMenu* edit = bar->addMenu(QStringLiteral("&Muokkaa"));
  edit->setObjectName(QStringLiteral("Muokkaa1"));
  QUndoStack& stack = undo_->Stack();
  QAction* undo = MenuItem(edit, "Kumoa1", "&Kumoa");
  undo->setShortcut(QKeySequence::Undo);
  undo->setEnabled(false);
  connect(undo, &QAction::triggered, &stack, &QUndoStack::undo);
  connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  QAction* redo = MenuItem(edit, "Teeuudelleen1", "&Tee uudelleen");
  redo->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
  redo->setEnabled(false);
  connect(redo, &QAction::triggered, &stack, &QUndoStack::redo);
  connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);

  QMenu* data = bar->addMenu(QStringLiteral("Tieto&kannat"));
  data->setObjectName(QStringLiteral("Tietokannat1"));
  sectionLibraryAction_ = MenuItem(data, "Poikkileikkaukset1", "&Poikkileikkaukset...");
  sectionLibraryAction_->setEnabled(false);
  connect(sectionLibraryAction_, &QAction::triggered, this, [this] { RunSectionLibraryCommand(); });

  // "Asetukset" exists but is not shown.
  settingsAction_ = new QAction(QStringLiteral("Asetukset"), this);
  settingsAction_->setObjectName(QStringLiteral("Asetukset1"));
  settingsAction_->setVisible(false);
  bar->addAction(settingsAction_);

  QAction* help = bar->addAction(QStringLiteral("&Ohje"));
  help->setObjectName(QStringLiteral("Ohje1"));
  help->setShortcut(QKeySequence::HelpContents);
  connect(help, &QAction::triggered, this, [this] { ShowHelp(); });
}

void TpaaikkunaFRM::SetSectionLibraryCommand(std::function<void()> command) {
  sectionLibrary_ = std::move(command);
  sectionLibraryAction_->setEnabled(static_cast<bool>(sectionLibrary_));
}

void TpaaikkunaFRM::SetProjectInfoCommand(std::function<void()> command) {
  if (!command) {
    structurePage_->SetProjectInfoCommand(nullptr);
    return;
  }
  structurePage_->SetProjectInfoCommand([this, command = std::move(command)] {
    command();
    ProjectEdited(QStringLiteral("Projektin tiedot"));
  });
}

void TpaaikkunaFRM::SetSettingsCommand(std::function<void()> command) {
  settingsAction_->disconnect(this);
  if (command) {
    connect(settingsAction_, &QAction::triggered, this, [this, command = std::move(command)] {
      command();
      ProjectEdited(QStringLiteral("Asetukset"));
    });
  }
}

bool TpaaikkunaFRM::InstallPage(MainPage page, ProjectPage* widget) {
  const bool replaceable = page == MainPage::Kuormitus || page == MainPage::Mitoitus ||
                           page == MainPage::Tulokset || page == MainPage::Tulostiedosto;
  if (!replaceable || !widget) return false;
  const int index = TabIndex(page);
  const bool wasCurrent = pages_->currentIndex() == index;
  switching_ = true;
  QWidget* old = pageWidgets_[index];
  pages_->removeTab(index);
  widget->setObjectName(QLatin1String(kPageNames[index]));
  pages_->insertTab(index, widget, QString::fromUtf8(kPageCaptions[index]));
  pageWidgets_[index] = widget;
  if (wasCurrent) pages_->setCurrentIndex(index);
  switching_ = false;
  delete old;
  return true;
}

ProjectPage* TpaaikkunaFRM::Page(MainPage page) const {
  const int index = TabIndex(page);
  if (index < 0 || index >= kMainPageCount) return nullptr;
  return qobject_cast<ProjectPage*>(pageWidgets_[index]);
}

void TpaaikkunaFRM::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TpaaikkunaFRM::FormShow() {
  // The project the program starts with is the one a close compares with.
  BeginProject();
  SetActivePage(MainPage::Rakenne);
  previous_ = MainPage::Rakenne;
  pages_->setTabVisible(TabIndex(MainPage::Laskentamalli), false);
  pages_->setTabVisible(TabIndex(MainPage::Lahtotiedosto), false);
  RefreshStructurePage();
  UpdateCodeCombo();
  OpenArgument();
}

void TpaaikkunaFRM::closeEvent(QCloseEvent* event) {
  if (askOnClose_ && HasUnsavedChanges()) {
    // Unsaved work is saved, dropped or kept open as the user answers.
    const Messages::Answer a = ui_.messages->AskYesNoCancel(kSaveChangesQuestion, kCaptionNotice);
    if (a == Messages::Answer::kCancel || (a == Messages::Answer::kYes && !SaveProject())) {
      event->ignore();
      return;
    }
    event->accept();
    return;
  }
  if (askOnClose_ && !ui_.messages->AskYesNo(kCloseQuestion, kCaptionNotice)) {
    event->ignore();
    return;
  }
  event->accept();
}

bool TpaaikkunaFRM::eventFilter(QObject* watched, QEvent* event) {
  if (watched == codeCombo_ && event->type() == QEvent::Wheel) return true;
  return QMainWindow::eventFilter(watched, event);
}

void TpaaikkunaFRM::ShowHelp() {
  // The manual opens at the page in view.
  ui_.help->Show(project_->ProgramPath,
                 kHelpMainWindow + std::max(0, PageControl1()->currentIndex()));
}

}  // namespace qv
