// The main window: owns the project record, the seven pages, the menu, the design-code selector and
// the workflow between pages.
#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pagelogic/AnalysisInAdvance.h"
#include "ui/ProjectPage.h"

class QAction;
class QComboBox;
class QPlainTextEdit;
class QTabWidget;
class QVBoxLayout;
class QTimer;
class QELVUX_data;

namespace qv {

class ProjectUndo;
class ReportPage;
class StructurePage;

// The pages of PageControl1, in their order.
enum class MainPage {
  Rakenne = 0,    // RakenneTAB
  Kuormitus,      // KuormitusTAB
  Mitoitus,       // MitoitusTAB
  Tulokset,       // TuloksetTAB, "Voimasuure ja siirtymäkäyrät"
  Laskentamalli,  // LaskentamalliTAB, hidden
  Lahtotiedosto,  // LahtotiedostoTAB, hidden
  Tulostiedosto,  // PrintTAB
  None
};
constexpr int kMainPageCount = 7;

// Texts of the window.
constexpr const char* kProgramTitle = "QEL-VUX 2.0";
constexpr const char* kCodeChangeText = "Kuormat nollataan. Vaihdetaanko laskentanormi?";
constexpr const char* kCodeChangeCaption = "Laskentanormin vaihto:";
constexpr const char* kCloseQuestion = "Haluatko varmasti lopettaa ?";
constexpr const char* kSaveChangesQuestion = "Tallennetaanko muutokset?";
constexpr const char* kProjectFilter = "Lähtötiedostot|*.vux";
constexpr const char* kProjectPattern = "*.vux";
constexpr const char* kOpenProjectTitle = "Lähtötiedoston avaus";
constexpr const char* kSaveProjectTitle = "Lähtötiedoston tallennus";

class TpaaikkunaFRM : public QMainWindow {
  Q_OBJECT

 public:
  // programPath: the program file; data files and the manual sit beside it. argument: the
  // first command-line argument, opened as a project when the window is first shown. The
  // interfaces may be null for the real message boxes, file dialogs and help; the window
  // does not take ownership of those given.
  TpaaikkunaFRM(const std::string& programPath, const std::string& argument = std::string(),
                Messages* messages = nullptr, FileDialogs* files = nullptr,
                HelpLauncher* help = nullptr, QWidget* parent = nullptr);
  ~TpaaikkunaFRM() override;

  QELVUX_data& Project() { return *project_; }
  const UiContext& Ui() const { return ui_; }

  // Puts a page in place of the placeholder of Kuormitus, Mitoitus, Tulokset or
  // Tulostiedosto (caption and place stay); the window takes ownership. False for the
  // other pages or a null page.
  bool InstallPage(MainPage page, ProjectPage* widget);
  ProjectPage* Page(MainPage page) const;
  qv::StructurePage* StructurePage() const { return structurePage_; }

  // Commands that dialogs of later work open; each item or button is disabled until set.
  // The section library command runs before the active design or results page is
  // recalculated.
  void SetSectionLibraryCommand(std::function<void()> command);
  void SetProjectInfoCommand(std::function<void()> command);
  void SetSettingsCommand(std::function<void()> command);

  // The page control and its state.
  QTabWidget* PageControl1() const { return pages_; }
  QComboBox* LaskentaNormiCB() const { return codeCombo_; }
  // The memos of the hidden "Laskentamalli" page get the last run's texts when looked at.
  QPlainTextEdit* InputMemo() const {
    FillAnalysisMemos();
    return inputMemo_;
  }
  QPlainTextEdit* OutputMemo() const {
    FillAnalysisMemos();
    return outputMemo_;
  }
  QPlainTextEdit* LahtotiedostoMEMO() const { return projectFileMemo_; }
  MainPage ActivePage() const;
  MainPage PreviousPage() const { return previous_; }
  // Makes the page active the way the program does it, without the page-change workflow.
  void SetActivePage(MainPage page);
  // Enters the report page through the page-change workflow; null when it was refused.
  qv::ReportPage* ShowReportPage();

  // Operations of the window.
  void RefreshStructurePage();
  void RefreshLoadPage();
  void RefreshDesignPage();
  void RefreshResultsPage();
  // Regenerates the analysis input into InputMemo, solves it and writes the messages into
  // OutputMemo: 0 when the analysis is valid, -1 otherwise.
  int RegenerateAndSolve();
  void SetTitle(const std::string& fileName);

  // Handlers, public so that tests drive exactly what the user's actions drive.
  void PageControl1Change(int index);
  void LaskentaNormiCBChange(int item);
  void NewModel();       // "Uusi malli"
  void OpenProject();    // "Avaa..."
  bool SaveProject();    // "Tallenna"; true when saved
  bool SaveProjectAs();  // "Tallenna nimellä..."; true when saved
  // Whether the project differs from what was last opened, saved or started anew.
  bool HasUnsavedChanges() const;
  // The title with a leading "*" while there are unsaved changes.
  void UpdateTitle();
  void ShowHelp();  // "Ohje"
  // Folder the project dialogs start in.
  std::string ProjectDialogFolder() const;

  // After a user action that may have changed the project: one undo step when it did, and
  // the title follows. text names the action in the undo history.
  void ProjectEdited(const QString& text);
  ProjectUndo& Undo() { return *undo_; }

  // Whether closing asks "Haluatko varmasti lopettaa ?" (off for unattended screenshots).
  void SetAskOnClose(bool ask) { askOnClose_ = ask; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTopPanel(QWidget* parent, QVBoxLayout* layout);
  void BuildPages();
  void BuildMenu();
  void FormShow();
  void OpenArgument();
  void EnterPage(MainPage page);
  void UpdateCodeCombo();
  void FillProjectFileMemo();
  bool LoadProjectFile(const std::string& name);
  // The project as it now stands is what the user has on disk (or chose to start from).
  void MarkSaved();
  void ShowTitle(bool unsaved);
  // A project opened or begun anew: saved as it stands, and no undo steps of the one before.
  void BeginProject();
  // Undo and redo put the project back to a file's lines; the pages show it again.
  void RestoreProject(const std::vector<std::string>& lines);
  // Before "Uusi malli" or "Avaa...": unsaved changes are saved, dropped or kept as the
  // user answers "Tallennetaanko muutokset?"; false when the user cancels.
  bool ChangesMayGo();
  void RunSectionLibraryCommand();
  static int TabIndex(MainPage page) { return static_cast<int>(page); }

  std::unique_ptr<QELVUX_data> project_;
  std::unique_ptr<Messages> ownMessages_;
  std::unique_ptr<FileDialogs> ownFiles_;
  std::unique_ptr<HelpLauncher> ownHelp_;
  UiContext ui_;
  std::string argument_;
  MainPage previous_ = MainPage::None;
  bool shown_ = false;
  bool switching_ = false;  // the program itself is changing the page
  bool askOnClose_ = true;
  std::function<void()> sectionLibrary_;
  ProjectUndo* undo_ = nullptr;
  std::vector<std::string> savedLines_;  // the project file as last opened, saved or begun
  std::string titleName_;                // the file name the title shows

  QTabWidget* pages_ = nullptr;
  QComboBox* codeCombo_ = nullptr;
  std::array<QWidget*, kMainPageCount> pageWidgets_{};
  qv::StructurePage* structurePage_ = nullptr;
  QPlainTextEdit* inputMemo_ = nullptr;
  QPlainTextEdit* outputMemo_ = nullptr;
  // The last run's messages until the memos are filled (the input memo shows the
  // analysis's input text then): a long member's input runs to tens of thousands of lines,
  // and filling a memo nobody sees on every entry to the design, results and report pages
  // took longer than the analysis.
  void FillAnalysisMemos() const;
  mutable std::vector<std::string> memoOutput_;
  mutable bool memosPending_ = false;
  // An opened or changed project's analysis is solved on the design thread while the user
  // is still on the page; the next page that needs it takes the solution over when the input
  // it generates is unchanged.
  void StartAnalysisInAdvance();
  AnalysisInAdvance advance_;
  QTimer* analysisAhead_ = nullptr;  // starts it once the window is idle
  // The load page is the one a user opens next after opening a project or changing its
  // structure: it is filled and its drawing worked out once the window is idle, while the
  // structure page shows, so that its first visit finds the picture painted.
  void PrepareLoadPage();
  QTimer* loadPageAhead_ = nullptr;  // prepares it once the window is idle
  QPlainTextEdit* projectFileMemo_ = nullptr;
  QAction* sectionLibraryAction_ = nullptr;
  QAction* settingsAction_ = nullptr;
};

}  // namespace qv
