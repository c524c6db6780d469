// The main window's workflow: page changes, the design-code change, the analysis run and the file
// commands.
#include "ui/TpaaikkunaFRM.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <iterator>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "analysis/MalliGeneraattori.h"
#include "model/FieldHelpers.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "pagelogic/SupportCheck.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/FileDialogs.h"
#include "ui/LoadPage.h"
#include "ui/Messages.h"
#include "ui/ProjectUndo.h"
#include "ui/StructurePage.h"

namespace qv {

namespace {

constexpr int kTitleNameChars = 50;

bool FileExists(const std::string& name) {
  const QFileInfo info(QString::fromStdString(name));
  return info.exists() && info.isFile();
}

int NameLength(const std::string& text) {
  return static_cast<int>(QString::fromStdString(text).size());
}

QString JoinLines(const std::vector<std::string>& lines) {
  QStringList list;
  list.reserve(static_cast<int>(lines.size()));
  for (const auto& line : lines) list << QString::fromStdString(line);
  return list.join(QLatin1Char('\n'));
}

// Shows the wait cursor while a computation blocks the window.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// With QELVUX_PAGE_TIMING set, a page change prints to stderr how long its handler took
// (the analysis and design run on entering included) and when the window had painted it,
// each also as processor time, which a busy machine does not stretch:
// "sivu <name>: <ms> ms (CPU <ms> ms), näytöllä <ms> ms (CPU <ms> ms)".
class PageTimer {
 public:
  explicit PageTimer(const QTabWidget* pages)
      : pages_(pages), on_(qEnvironmentVariableIsSet("QELVUX_PAGE_TIMING")) {
    if (!on_) return;
    timer_.start();
    cpu_ = std::clock();
  }
  ~PageTimer() {
    if (!on_) return;
    const std::string name = pages_->tabText(pages_->currentIndex()).toStdString();
    const std::string handler = Times(timer_, cpu_);
    const QElapsedTimer started = timer_;
    const std::clock_t cpu = cpu_;
    // A zero timer fires once the events queued by the handler have been handled; the
    // repaint they asked for is made there first, where the platform would queue it later.
    QTimer::singleShot(0, [name, handler, started, cpu] {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
      std::fprintf(stderr, "sivu %s: %s, näytöllä %s\n", name.c_str(), handler.c_str(),
                   Times(started, cpu).c_str());
    });
  }
  PageTimer(const PageTimer&) = delete;
  PageTimer& operator=(const PageTimer&) = delete;

 private:
  static std::string Times(const QElapsedTimer& wall, std::clock_t cpu) {
    const double ms = static_cast<double>(wall.nsecsElapsed()) * 1e-6;
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    return qv::FormatFixed(ms, 1) + " ms (CPU " + qv::FormatFixed(cpuMs, 1) + " ms)";
  }

  const QTabWidget* pages_;
  bool on_;
  QElapsedTimer timer_;
  std::clock_t cpu_ = 0;
};

}  // namespace

MainPage TpaaikkunaFRM::ActivePage() const {
  const int index = pages_->currentIndex();
  return index >= 0 && index < kMainPageCount ? static_cast<MainPage>(index) : MainPage::None;
}

void TpaaikkunaFRM::SetActivePage(MainPage page) {
  const int index = TabIndex(page);
  if (index < 0 || index >= kMainPageCount) return;
  const bool outer = !switching_;
  switching_ = true;
  pages_->setCurrentIndex(index);
  if (outer) switching_ = false;
}

void TpaaikkunaFRM::SetTitle(const std::string& fileName) {
  titleName_ = fileName;
  UpdateTitle();
}

void TpaaikkunaFRM::UpdateTitle() { ShowTitle(HasUnsavedChanges()); }

void TpaaikkunaFRM::ShowTitle(bool unsaved) {
  std::string title = kProgramTitle;
  if (!titleName_.empty()) title += " - " + ShortenPath(titleName_, kTitleNameChars);
  if (unsaved) title = "*" + title;
  setWindowTitle(QString::fromStdString(title));
}

bool TpaaikkunaFRM::HasUnsavedChanges() const {
  return !savedLines_.empty() && ProjectFileLines(*project_) != savedLines_;
}

void TpaaikkunaFRM::MarkSaved() {
  savedLines_ = ProjectFileLines(*project_);
  UpdateTitle();
}

void TpaaikkunaFRM::BeginProject() {
  MarkSaved();
  undo_->Reset(savedLines_);
}

void TpaaikkunaFRM::ProjectEdited(const QString& text) {
  // The project file is built once: a long member's runs to thousands of lines.
  const std::vector<std::string> lines = ProjectFileLines(*project_);
  undo_->Record(lines, text);
  ShowTitle(!savedLines_.empty() && lines != savedLines_);
}

void TpaaikkunaFRM::RestoreProject(const std::vector<std::string>& lines) {
  std::string message;
  // The lines are the program's own, written from a project it held: they read back.
  if (RestoreProjectLines(*project_, lines, &message) < 0)
    ui_.messages->Inform(message, kCaptionFileError, MessageIcon::Information);
  UpdateCodeCombo();
  // A step back may give a member its supports do not hold: it is mended on "Rakenne".
  MainPage page = ActivePage();
  if (page != MainPage::Rakenne && SupportCheck(*project_, message) < 0) {
    SetActivePage(MainPage::Rakenne);
    page = MainPage::Rakenne;
  }
  EnterPage(page);
  analysisAhead_->start();
  UpdateTitle();
}

bool TpaaikkunaFRM::ChangesMayGo() {
  if (!HasUnsavedChanges()) return true;
  switch (ui_.messages->AskYesNoCancel(kSaveChangesQuestion, kCaptionNotice)) {
    case Messages::Answer::kYes:
      return SaveProject();
    case Messages::Answer::kNo:
      return true;
    default:
      return false;
  }
}

void TpaaikkunaFRM::UpdateCodeCombo() {
  const QSignalBlocker hold(codeCombo_);
  // LaskentaNormiCB lists the codes in the order of kDesignCodes.
  for (int item = 0; item < static_cast<int>(std::size(qv::kDesignCodes)); ++item) {
    if (qv::kDesignCodes[item] == project_->DesignCode) codeCombo_->setCurrentIndex(item);
  }
}

void TpaaikkunaFRM::RefreshStructurePage() { structurePage_->Refresh(); }

void TpaaikkunaFRM::RefreshLoadPage() {
  if (ProjectPage* page = Page(MainPage::Kuormitus)) page->Refresh();
}

void TpaaikkunaFRM::RefreshDesignPage() {
  if (ProjectPage* page = Page(MainPage::Mitoitus)) page->Refresh();
}

void TpaaikkunaFRM::RefreshResultsPage() {
  if (ProjectPage* page = Page(MainPage::Tulokset)) page->Refresh();
}

int TpaaikkunaFRM::RegenerateAndSolve() {
  const WaitCursor wait;
  std::vector<std::string> input = GenerateAnalysisInput(*project_);
  std::vector<std::string> output;
  // The solution depends on its input text alone: when the analysis already holds a good
  // solution of exactly this text, solving again would give the same numbers.
  // An own weight that cannot be applied is no input to solve: the run says why.
  const bool refused = !OwnWeightAnalysisProblem(*project_).empty();
  const bool current =
      !refused && project_->AnalysisValid == 1 && input == project_->Analysis.InputText().Lines();
  int status = 0;
  if (refused)
    status = RunAnalysis(std::move(input), *project_, project_->Analysis, output);
  else if (!current && !advance_.Take(input, project_->Analysis, project_->AnalysisSamples,
                                      project_->AnalysisValid, output, status))
    status = RunAnalysis(std::move(input), *project_, project_->Analysis, output);
  advance_.Drop();
  // The input memo shows the analysis's input text, which is this input now; it is joined
  // only when the memo is filled.
  memoOutput_ = std::move(output);
  memosPending_ = true;
  return status == 0 && project_->AnalysisValid == 1 ? 0 : -1;
}

void TpaaikkunaFRM::StartAnalysisInAdvance() {
  // A member its supports do not hold is sent back to the structure page unsolved.
  std::string message;
  if (SupportCheck(*project_, message) < 0) {
    advance_.Drop();
    return;
  }
  std::vector<std::string> input = GenerateAnalysisInput(*project_);
  // A change that leaves the input as it is (a section, a material) needs no new solution.
  if (project_->AnalysisValid == 1 && input == project_->Analysis.InputText().Lines()) {
    advance_.Drop();
    return;
  }
  advance_.Start(std::move(input), project_->Member.Length, project_->ResultSteps);
}

void TpaaikkunaFRM::PrepareLoadPage() {
  if (ActivePage() != MainPage::Rakenne) return;
  auto* page = qobject_cast<LoadPage*>(Page(MainPage::Kuormitus));
  QWidget* shown = pages_->currentWidget();
  if (!page || !shown || !project_->Loads.Count()) return;
  // The page stack lays out the page it shows only: this one is given that page's size
  // and laid out as it will be when shown (grabbing one pixel of it does that for a hidden
  // widget, and paints nothing of the drawing).
  page->setGeometry(shown->geometry());
  page->grab(QRect(0, 0, 1, 1));
  page->Prepare();
}

void TpaaikkunaFRM::FillAnalysisMemos() const {
  if (!memosPending_) return;
  memosPending_ = false;
  inputMemo_->setPlainText(
      QString::fromStdString(JoinedLines(project_->Analysis.InputText().Lines())));
  outputMemo_->setPlainText(JoinLines(memoOutput_));
  memoOutput_ = std::vector<std::string>();
}

void TpaaikkunaFRM::PageControl1Change(int index) {
  if (switching_) return;
  const PageTimer timing(pages_);
  MainPage active =
      index >= 0 && index < kMainPageCount ? static_cast<MainPage>(index) : MainPage::None;
  if (previous_ == MainPage::Rakenne && active != MainPage::Rakenne) {
    std::string message;
    if (SupportCheck(*project_, message) < 0) {
      SetActivePage(MainPage::Rakenne);
      ui_.messages->Inform(message, kCaptionError, MessageIcon::Information);
      active = MainPage::Rakenne;
    }
  }
  EnterPage(active);
  UpdateTitle();
}

void TpaaikkunaFRM::EnterPage(MainPage page) {
  switch (page) {
    case MainPage::Rakenne:
      RefreshStructurePage();
      break;
    case MainPage::Kuormitus:
      RefreshLoadPage();
      break;
    case MainPage::Mitoitus:
    case MainPage::Tulokset:
    case MainPage::Tulostiedosto:
      RegenerateAndSolve();
      if (ProjectPage* p = Page(page)) p->Refresh();
      break;
    case MainPage::Laskentamalli:
      FillAnalysisMemos();
      return;
    default:
      return;  // the hidden pages keep what they show
  }
  previous_ = page;
}

void TpaaikkunaFRM::LaskentaNormiCBChange(int item) {
  if (item < 0 || item >= static_cast<int>(std::size(qv::kDesignCodes)) ||
      qv::kDesignCodes[item] == project_->DesignCode)
    return;
  // Every load goes with the code: the user may still keep them.
  if (!ui_.messages->AskYesNo(kCodeChangeText, kCodeChangeCaption)) {
    UpdateCodeCombo();
    return;
  }

  std::string message;
  const MainPage page =
      SupportCheck(*project_, message) < 0 ? MainPage::Rakenne : MainPage::Kuormitus;
  SetActivePage(page);
  previous_ = page;

  project_->DesignCode = qv::kDesignCodes[item];
  KuormaVektori& loads = project_->Loads;
  loads.Updating = 1;
  loads.ClearLoads();
  loads.CurrentIndex = -1;
  project_->LoadDefaultLoads();
  loads.Updating = 0;
  project_->Materials.ResetSelections();
  // Eurocode 5 checks buckling about the weak axis as well.
  if (project_->DesignCode == qv::DesignCode::kEc5) project_->Settings.Znurj = 1;
  if (ActivePage() == MainPage::Kuormitus)
    RefreshLoadPage();
  else
    RefreshStructurePage();
  ProjectEdited(QStringLiteral("Laskentanormin vaihto"));
}

void TpaaikkunaFRM::FillProjectFileMemo() {
  projectFileMemo_->setPlainText(JoinLines(project_->TextFile.Lines()));
}

bool TpaaikkunaFRM::LoadProjectFile(const std::string& name) {
  // A file that cannot be read as a project leaves the one in hand as it was, its name too.
  const std::vector<std::string> before = ProjectFileLines(*project_);
  const std::string beforeName = project_->TextFile.FileName();
  const std::vector<std::string> beforeFile = project_->TextFile.Lines();
  std::string message;
  if (LoadProject(*project_, name, &message) == 0) {
    if (!message.empty()) ui_.messages->Inform(message, kCaptionNotice, MessageIcon::Information);
    return true;
  }
  ui_.messages->Inform(message, kCaptionFileError, MessageIcon::Information);
  project_->TextFile.TakeLines(beforeFile);
  project_->TextFile.SetFileName(beforeName);
  RestoreProjectLines(*project_, before);
  UpdateCodeCombo();
  RefreshStructurePage();
  return false;
}

void TpaaikkunaFRM::OpenArgument() {
  if (NameLength(argument_) <= 3 || !FileExists(argument_)) return;
  const bool loaded = LoadProjectFile(argument_);
  RefreshStructurePage();
  if (loaded) BeginProject();
  SetTitle(loaded ? argument_ : std::string());
  UpdateCodeCombo();
  if (loaded) {
    FillProjectFileMemo();
    StartAnalysisInAdvance();
    loadPageAhead_->start();
  }
}

void TpaaikkunaFRM::NewModel() {
  if (!ChangesMayGo()) return;
  project_->NewModel();
  SetActivePage(MainPage::Rakenne);
  previous_ = MainPage::Rakenne;
  RefreshStructurePage();
  projectFileMemo_->clear();
  BeginProject();
  SetTitle(std::string());
}

std::string TpaaikkunaFRM::ProjectDialogFolder() const {
  const std::string& name = project_->TextFile.FileName();
  if (NameLength(name) >= 4 && FileExists(name)) return QELVUX_data::FolderOf(name);
  return project_->ProgramFolder();
}

void TpaaikkunaFRM::OpenProject() {
  if (!ChangesMayGo()) return;
  FileDialogRequest request;
  request.title = kOpenProjectTitle;
  request.filter = kProjectFilter;
  request.fileName = kProjectPattern;
  request.folder = ProjectDialogFolder();
  std::string name;
  if (!ui_.files->OpenFile(request, name)) return;
  if (!LoadProjectFile(name)) return;
  SetActivePage(MainPage::Rakenne);
  UpdateCodeCombo();
  previous_ = MainPage::Rakenne;
  RefreshStructurePage();
  BeginProject();
  SetTitle(name);
  FillProjectFileMemo();
  StartAnalysisInAdvance();
  loadPageAhead_->start();
}

bool TpaaikkunaFRM::SaveProject() {
  const std::string name = project_->TextFile.FileName();
  if (NameLength(name) <= 3 || !FileExists(name)) return SaveProjectAs();
  std::string message;
  if (qv::SaveProject(*project_, name, &message) != 0) {
    ui_.messages->Inform(message, kCaptionFileError, MessageIcon::Information);
    return false;
  }
  FillProjectFileMemo();
  MarkSaved();
  return true;
}

bool TpaaikkunaFRM::SaveProjectAs() {
  FileDialogRequest request;
  request.title = kSaveProjectTitle;
  request.filter = kProjectFilter;
  request.filterIndex = 1;
  request.fileName = kProjectPattern;
  request.defaultSuffix = "vux";
  request.folder = ProjectDialogFolder();
  std::string name;
  if (!ui_.files->SaveFile(request, name)) return false;
  std::string message;
  if (qv::SaveProject(*project_, name, &message) != 0) {
    ui_.messages->Inform(message, kCaptionFileError, MessageIcon::Information);
    return false;
  }
  FillProjectFileMemo();
  MarkSaved();
  SetTitle(name);
  return true;
}

void TpaaikkunaFRM::RunSectionLibraryCommand() {
  if (!sectionLibrary_) return;
  sectionLibrary_();
  ProjectEdited(QStringLiteral("Poikkileikkaukset"));
  const MainPage page = ActivePage();
  if (page == MainPage::Mitoitus || page == MainPage::Tulokset) {
    RegenerateAndSolve();
    if (ProjectPage* p = Page(page)) p->Refresh();
  }
}

}  // namespace qv
