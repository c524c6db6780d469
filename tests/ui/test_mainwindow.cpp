// The main window driven as the user drives it: start-up, page changes, the code change, file
// commands, closing, help.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <memory>

#include "UiTestSupport.h"
#include "model/RakenneVektori.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/ProjectPage.h"
#include "ui/StructurePage.h"
#include "ui/ProjectUndo.h"
#include "ui/TpaaikkunaFRM.h"

using namespace qv;
using qv::test::FakeFileDialogs;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

namespace {

// A column 3200 mm long with a pinned foot and a sliding head, saved under EC5.
std::string WriteColumnProject(const QString& dir) {
  QELVUX_data p(qv::test::ProgramPath());
  p.DesignCode = qv::DesignCode::kEc5Env;
  p.Member.Name = "Pilari P7";
  p.Member.Length = 3200.0;
  p.Member.Angle = 90.0;
  p.Member.ClearRecords();
  p.Member.AddPoint("Alapää", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
  p.Member.AddPoint("Yläpää", RakenneVektori::kSupport, RakenneVektori::kSlidingY, 3200.0);
  const std::string name = (dir + QStringLiteral("/pilari.vux")).toStdString();
  if (SaveProject(p, name) != 0) return std::string();
  return name;
}

std::string WriteText(const QString& dir, const char* fileName, const QByteArray& text) {
  const QString path = dir + QLatin1Char('/') + QLatin1String(fileName);
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return std::string();
  f.write(text);
  return path.toStdString();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  RecordingMessages messages_;
  FakeFileDialogs files_;
  RecordingHelp help_;
  std::unique_ptr<TpaaikkunaFRM> window_;
  std::unique_ptr<QTemporaryDir> dir_;

  TpaaikkunaFRM& Start(const std::string& argument = std::string()) {
    window_ = std::make_unique<TpaaikkunaFRM>(qv::test::ProgramPath(), argument, &messages_,
                                              &files_, &help_);
    window_->SetAskOnClose(false);
    // Counting stand-ins for the pages entered: the workflow is what is tested here.
    for (MainPage page :
         {MainPage::Kuormitus, MainPage::Mitoitus, MainPage::Tulokset, MainPage::Tulostiedosto})
      window_->InstallPage(page, new PlaceholderPage(window_->Ui(), QStringLiteral("sivu")));
    window_->show();
    return *window_;
  }
  int PlaceholderVisits(MainPage page) {
    auto* p = qobject_cast<PlaceholderPage*>(window_->Page(page));
    return p ? p->RefreshCount() : -1;
  }
  void GoTo(MainPage page) { window_->PageControl1()->setCurrentIndex(static_cast<int>(page)); }
  void RemoveSupports() {
    RakenneVektori& m = window_->Project().Member;
    while (m.Count() > 0) m.RemoveRecord(0);
  }

 private slots:
  void init() {
    messages_ = RecordingMessages();
    files_ = FakeFileDialogs();
    help_ = RecordingHelp();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void cleanup() { window_.reset(); }

  void startUpShowsTheStructurePageWithTwoPagesHidden() {
    TpaaikkunaFRM& w = Start();
    QTabWidget* tabs = w.PageControl1();
    QCOMPARE(tabs->count(), 7);
    const QStringList captions{
        "Rakenne",       "Kuormitus",     "Mitoitus",     "Voimasuure ja siirtymäkäyrät",
        "Laskentamalli", "Lähtötiedosto", "Tulostiedosto"};
    for (int i = 0; i < 7; ++i) QCOMPARE(tabs->tabText(i), captions[i]);
    for (int i = 0; i < 7; ++i) QCOMPARE(tabs->isTabVisible(i), i != 4 && i != 5);
    QCOMPARE(w.ActivePage(), MainPage::Rakenne);
    QCOMPARE(w.PreviousPage(), MainPage::Rakenne);
    QCOMPARE(w.windowTitle(), QStringLiteral("QEL-VUX 2.0"));
    QCOMPARE(w.LaskentaNormiCB()->count(), 4);
    QCOMPARE(w.LaskentaNormiCB()->itemText(2), QStringLiteral("Euronormi EC5 (ENV 1995-1-1)"));
    QCOMPARE(w.LaskentaNormiCB()->currentIndex(), 1);  // code 2
    QVERIFY(messages_.shown.empty());
  }

  void ctrlTabSkipsTheHiddenPages() {
    TpaaikkunaFRM& w = Start();
    QTabWidget* tabs = w.PageControl1();
    GoTo(MainPage::Tulokset);
    QCOMPARE(w.ActivePage(), MainPage::Tulokset);
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(w.ActivePage(), MainPage::Tulostiedosto);
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.ActivePage(), MainPage::Tulokset);
  }

  void startUpWithAMissingFileOpensNothingAndSaysNothing() {
    TpaaikkunaFRM& w = Start((dir_->path() + "/ei_ole.vux").toStdString());
    QVERIFY(messages_.shown.empty());
    QCOMPARE(w.windowTitle(), QStringLiteral("QEL-VUX 2.0"));
    QCOMPARE(w.Project().Member.Name, std::string("Palkki"));
  }

  void startUpOpensTheProjectNamedOnTheCommandLine() {
    const std::string name = WriteColumnProject(dir_->path());
    QVERIFY(!name.empty());
    TpaaikkunaFRM& w = Start(name);
    QVERIFY(messages_.shown.empty());
    QCOMPARE(w.Project().Member.Name, std::string("Pilari P7"));
    QCOMPARE(w.LaskentaNormiCB()->currentIndex(), 2);
    QVERIFY(w.windowTitle().startsWith(QStringLiteral("QEL-VUX 2.0 - ")));
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("pilari.vux")));
    QVERIFY(w.LahtotiedostoMEMO()->toPlainText().contains(QStringLiteral("Pilari P7")));
  }

  void startUpWithABrokenFileShowsTheLoaderMessage() {
    const std::string name = WriteText(dir_->path(), "rikki.vux", "jotain muuta\r\n");
    TpaaikkunaFRM& w = Start(name);
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].caption, std::string("TIEDOSTOVIRHE"));
    QCOMPARE(messages_.shown[0].text,
             std::string("Tiedosto ei ole QEL-VUX 2.0 tallennustiedosto!"));
    // "Tallenna" must not write over the file that failed.
    QVERIFY(w.Project().TextFile.FileName().empty());
    QCOMPARE(w.windowTitle(), QStringLiteral("QEL-VUX 2.0"));
  }

  void leavingAnUnsupportedStructureStaysThereEveryTime() {
    TpaaikkunaFRM& w = Start();
    RemoveSupports();
    w.Project().Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
    for (MainPage target : {MainPage::Kuormitus, MainPage::Mitoitus}) {
      messages_.shown.clear();
      GoTo(target);
      QCOMPARE(w.ActivePage(), MainPage::Rakenne);
      QCOMPARE(w.PreviousPage(), MainPage::Rakenne);
      QCOMPARE(messages_.shown.size(), std::size_t(1));
      QCOMPARE(messages_.shown[0].caption, std::string("VIRHE"));
      QCOMPARE(messages_.shown[0].text, std::string("Palkkia ei ole tuettu riittävästi!"));
    }
    QCOMPARE(PlaceholderVisits(MainPage::Kuormitus), 0);
    QCOMPARE(PlaceholderVisits(MainPage::Mitoitus), 0);
    QVERIFY(w.InputMemo()->toPlainText().isEmpty());  // the analysis did not run
  }

  void enteringResultPagesRegeneratesAndSolves() {
    TpaaikkunaFRM& w = Start();
    GoTo(MainPage::Kuormitus);
    QVERIFY(messages_.shown.empty());
    QCOMPARE(PlaceholderVisits(MainPage::Kuormitus), 1);
    QCOMPARE(w.PreviousPage(), MainPage::Kuormitus);
    QVERIFY(w.InputMemo()->toPlainText().isEmpty());

    // Without loads the analysis fails and says why in the output memo.
    GoTo(MainPage::Mitoitus);
    QCOMPARE(w.Project().AnalysisValid, 0);
    QVERIFY(w.OutputMemo()->toPlainText().contains(QStringLiteral("Kuormia liian vähän")));
    QCOMPARE(PlaceholderVisits(MainPage::Mitoitus), 1);

    w.Project().Loads.AddLoad("Lumi", 1, KuormaVektori::kLine, 2, 1, -2.0, -2.0, 0.0, 6000.0);
    for (MainPage page : {MainPage::Tulokset, MainPage::Tulostiedosto, MainPage::Mitoitus}) {
      w.InputMemo()->clear();
      w.Project().AnalysisValid = 0;
      GoTo(page);
      QCOMPARE(w.ActivePage(), page);
      QCOMPARE(w.PreviousPage(), page);
      QCOMPARE(PlaceholderVisits(page), page == MainPage::Mitoitus ? 2 : 1);
      QVERIFY(w.InputMemo()->toPlainText().contains(QStringLiteral("[ ==== 101 ==== ]")));
      QVERIFY2(w.Project().AnalysisValid == 1, qPrintable(w.OutputMemo()->toPlainText()));
      QVERIFY(w.OutputMemo()->toPlainText().isEmpty());
    }
    // Back on "Rakenne" and away again: the check runs, and passes.
    GoTo(MainPage::Rakenne);
    QCOMPARE(w.PreviousPage(), MainPage::Rakenne);
    GoTo(MainPage::Kuormitus);
    QCOMPARE(w.ActivePage(), MainPage::Kuormitus);
    QVERIFY(messages_.shown.empty());
  }

  void changingTheCodeResetsLoadsAfterItsNotice() {
    TpaaikkunaFRM& w = Start();
    QELVUX_data& p = w.Project();
    p.Loads.AddLoad("Lumi", 1, KuormaVektori::kLine, 2, 1, -2.0, -2.0, 0.0, 6000.0);
    p.Materials.SetMaterial(qv::DesignCode::kLimitState, 3);
    QCOMPARE(p.Loads.Count(), 1);

    w.LaskentaNormiCB()->setCurrentIndex(1);  // the code in force: nothing happens
    QVERIFY(messages_.shown.empty());
    QWheelEvent wheel(QPointF(5, 5), w.LaskentaNormiCB()->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.LaskentaNormiCB(), &wheel);  // a stray wheel changes nothing
    QCOMPARE(w.LaskentaNormiCB()->currentIndex(), 1);
    QVERIFY(messages_.shown.empty());

    messages_.answers = {false};  // "Ei" keeps the code and every load
    w.LaskentaNormiCB()->setCurrentIndex(2);
    QCOMPARE(p.DesignCode, qv::DesignCode::kLimitState);
    QCOMPARE(p.Loads.Count(), 1);
    QCOMPARE(w.LaskentaNormiCB()->currentIndex(), 1);

    messages_.shown.clear();
    w.LaskentaNormiCB()->setCurrentIndex(2);
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].text,
             std::string("Kuormat nollataan. Vaihdetaanko laskentanormi?"));
    QCOMPARE(messages_.shown[0].caption, std::string("Laskentanormin vaihto:"));
    QVERIFY(messages_.shown[0].question);
    QCOMPARE(p.DesignCode, qv::DesignCode::kEc5Env);
    QCOMPARE(p.Loads.Count(), 0);
    QCOMPARE(p.Loads.CurrentIndex, -1);
    QCOMPARE(p.Loads.Updating, 0);
    QVERIFY(p.Loads.Combinations().Count() > 0);  // the new code's defaults
    for (qv::DesignCode code : qv::kDesignCodes) {
      QCOMPARE(p.Materials.Material(code), 1);
      QCOMPARE(p.Materials.MoistureClass(code), 1);
    }
    QCOMPARE(w.ActivePage(), MainPage::Kuormitus);
    QCOMPARE(w.PreviousPage(), MainPage::Kuormitus);
  }

  void changingTheCodeOfAnUnsupportedMemberShowsTheStructure() {
    TpaaikkunaFRM& w = Start();
    GoTo(MainPage::Kuormitus);
    RemoveSupports();
    w.LaskentaNormiCB()->setCurrentIndex(0);
    QCOMPARE(w.Project().DesignCode, qv::DesignCode::kAllowableStress);
    QCOMPARE(w.ActivePage(), MainPage::Rakenne);
    QCOMPARE(w.PreviousPage(), MainPage::Rakenne);
    QCOMPARE(messages_.shown.size(), std::size_t(1));  // the notice only, no check message
  }

  void openingAMissingOrBrokenProjectShowsTheLoaderMessage() {
    TpaaikkunaFRM& w = Start();
    files_.answer = (dir_->path() + "/ei_ole.vux").toStdString();
    w.OpenProject();
    QCOMPARE(files_.requests.size(), std::size_t(1));
    const FileDialogRequest& r = files_.requests[0];
    QCOMPARE(r.title, std::string("Lähtötiedoston avaus"));
    QCOMPARE(r.filter, std::string("Lähtötiedostot|*.vux"));
    QCOMPARE(r.fileName, std::string("*.vux"));
    QCOMPARE(r.folder, w.Project().ProgramFolder());
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].caption, std::string("TIEDOSTOVIRHE"));
    QVERIFY(QString::fromStdString(messages_.shown[0].text).contains(QStringLiteral("ei_ole.vux")));

    // A project file whose section 101 holds design code 4.
    QELVUX_data source(qv::test::ProgramPath());
    BuildProjectFile(source);
    std::vector<std::string> lines = source.TextFile.Lines();
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
      if (lines[i] == "[ ==== 101 ==== ]") lines[i + 1] = "5";
    QByteArray text;
    for (const auto& l : lines) text += QByteArray::fromStdString(l) + "\r\n";
    files_.answer = WriteText(dir_->path(), "koodi5.vux", text);
    messages_.shown.clear();
    GoTo(MainPage::Kuormitus);
    w.OpenProject();
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].text, std::string("virhenumero = 101"));
    QCOMPARE(messages_.shown[0].caption, std::string("TIEDOSTOVIRHE"));
    QCOMPARE(w.ActivePage(), MainPage::Kuormitus);  // the page stays
    QCOMPARE(w.windowTitle(), QStringLiteral("QEL-VUX 2.0"));
  }

  void openingAndSavingFollowTheProjectFile() {
    const std::string column = WriteColumnProject(dir_->path());
    TpaaikkunaFRM& w = Start();
    GoTo(MainPage::Kuormitus);
    files_.answer = column;
    w.OpenProject();
    QVERIFY(messages_.shown.empty());
    QCOMPARE(w.ActivePage(), MainPage::Rakenne);
    QCOMPARE(w.PreviousPage(), MainPage::Rakenne);
    QCOMPARE(w.LaskentaNormiCB()->currentIndex(), 2);
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("pilari.vux")));
    QVERIFY(w.LahtotiedostoMEMO()->toPlainText().startsWith(QStringLiteral("[ ==== 1 ==== ]")));
    QCOMPARE(w.ProjectDialogFolder(), (dir_->path() + "/").toStdString());

    // "Tallenna" writes back to the same file without asking for a name.
    w.Project().Member.Name = "Pilari P8";
    w.SaveProject();
    QCOMPARE(files_.requests.size(), std::size_t(1));
    QELVUX_data check(qv::test::ProgramPath());
    QCOMPARE(LoadProject(check, column), 0);
    QCOMPARE(check.Member.Name, std::string("Pilari P8"));

    // Once the file is gone, "Tallenna" asks for a name as "Tallenna nimellä..." does.
    QVERIFY(QFile::remove(QString::fromStdString(column)));
    const std::string other = (dir_->path() + "/uusi.vux").toStdString();
    files_.answer = other;
    w.SaveProject();
    QCOMPARE(files_.requests.size(), std::size_t(2));
    QVERIFY(files_.saves.back());
    const FileDialogRequest& r = files_.requests.back();
    QCOMPARE(r.title, std::string("Lähtötiedoston tallennus"));
    QCOMPARE(r.filter, std::string("Lähtötiedostot|*.vux"));
    QCOMPARE(r.filterIndex, 1);
    QCOMPARE(r.defaultSuffix, std::string("vux"));
    QCOMPARE(r.folder, w.Project().ProgramFolder());  // the old file no longer exists
    QVERIFY(QFile::exists(QString::fromStdString(other)));
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("uusi.vux")));
  }

  void cancellingTheSaveDialogWritesNothing() {
    TpaaikkunaFRM& w = Start();
    files_.answer.clear();
    w.SaveProjectAs();
    QCOMPARE(files_.requests.size(), std::size_t(1));
    QCOMPARE(w.windowTitle(), QStringLiteral("QEL-VUX 2.0"));
    QVERIFY(w.LahtotiedostoMEMO()->toPlainText().isEmpty());
  }

  void newModelResetsTheMemberButKeepsTheCode() {
    const std::string column = WriteColumnProject(dir_->path());
    TpaaikkunaFRM& w = Start(column);
    GoTo(MainPage::Kuormitus);
    w.NewModel();
    QCOMPARE(w.ActivePage(), MainPage::Rakenne);
    QCOMPARE(w.PreviousPage(), MainPage::Rakenne);
    QCOMPARE(w.Project().Member.Length, 6000.0);
    QCOMPARE(w.Project().Member.Angle, 0.0);
    QCOMPARE(w.Project().DesignCode, qv::DesignCode::kEc5Env);
    QCOMPARE(w.windowTitle(), QStringLiteral("QEL-VUX 2.0"));
    QVERIFY(w.LahtotiedostoMEMO()->toPlainText().isEmpty());
    QVERIFY(messages_.shown.empty());
  }

  // Unsaved work is never lost or written over: the title shows it, "Uusi malli" and
  // closing ask first (Peruuta keeps everything), and after "Uusi malli" "Tallenna" asks
  // for a name instead of writing the default member over the file opened before.
  void unsavedWorkIsGuardedAndNewModelNeverOverwrites() {
    const std::string column = WriteColumnProject(dir_->path());
    QFile original(QString::fromStdString(column));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    auto onDisk = [&column] {
      QFile f(QString::fromStdString(column));
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    TpaaikkunaFRM& w = Start(column);
    QVERIFY(!w.windowTitle().startsWith(QLatin1Char('*')));
    w.Project().Member.Name = "Muutettu";
    w.UpdateTitle();
    QVERIFY(w.windowTitle().startsWith(QLatin1Char('*')));

    messages_.threeWay = {Messages::Answer::kCancel};
    w.NewModel();
    QCOMPARE(messages_.asked.size(), std::size_t(1));
    QCOMPARE(messages_.asked[0].text, std::string("Tallennetaanko muutokset?"));
    QCOMPARE(w.Project().Member.Name, std::string("Muutettu"));  // Peruuta keeps everything

    messages_.threeWay = {Messages::Answer::kNo};
    w.NewModel();
    QCOMPARE(w.Project().Member.Name, std::string("Palkki"));
    QCOMPARE(w.Project().CalculatedBy, std::string());
    QCOMPARE(w.windowTitle(), QStringLiteral("QEL-VUX 2.0"));
    files_.answer.clear();
    QVERIFY(!w.SaveProject());
    QCOMPARE(files_.requests.size(), std::size_t(1));  // asked for a name, and was cancelled
    QCOMPARE(onDisk(), before);

    w.SetAskOnClose(true);
    w.Project().Member.Length = 5000.0;
    messages_.threeWay = {Messages::Answer::kCancel};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    messages_.threeWay = {Messages::Answer::kNo};
    QVERIFY(w.close());
    QCOMPARE(onDisk(), before);
  }

  // Each action is one step; undo walks back through the very files the project would have
  // been saved as, redo forward again, and the pages show each state.
  void undoAndRedoStepThroughEveryAction() {
    const std::string column = WriteColumnProject(dir_->path());
    TpaaikkunaFRM& w = Start(column);
    QUndoStack& stack = w.Undo().Stack();
    auto* undo = w.findChild<QAction*>(QStringLiteral("Kumoa1"));
    auto* redo = w.findChild<QAction*>(QStringLiteral("Teeuudelleen1"));
    QVERIFY(undo && redo);
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    QVERIFY(!undo->isEnabled());

    std::vector<std::vector<std::string>> states{ProjectFileLines(w.Project())};
    const int supports = w.Project().Member.Count();
    const std::size_t nodes = w.StructurePage()->Tree().nodes.size();
    int point = -1;
    for (std::size_t i = 0; i < nodes; ++i)
      if (w.StructurePage()->Tree().nodes[i].pointIndex >= 0) point = static_cast<int>(i);
    w.StructurePage()->SelectNode(point);
    w.StructurePage()->DeleteClicked();  // a point of the member
    QCOMPARE(w.Project().Member.Count(), supports - 1);
    states.push_back(ProjectFileLines(w.Project()));
    // 60 code changes: more than the 50 steps an engineer may want back.
    for (int i = 0; i < 60; ++i) {
      w.LaskentaNormiCB()->setCurrentIndex(i % 2);
      states.push_back(ProjectFileLines(w.Project()));
    }
    QCOMPARE(stack.count(), 61);
    QVERIFY(undo->isEnabled());
    QVERIFY(w.windowTitle().startsWith(QLatin1Char('*')));

    for (std::size_t k = states.size() - 1; k > 0; --k) {
      undo->trigger();
      QVERIFY(ProjectFileLines(w.Project()) == states[k - 1]);
      QCOMPARE(w.LaskentaNormiCB()->currentIndex(), qv::ToInt(w.Project().DesignCode) - 1);
    }
    QVERIFY(!undo->isEnabled());
    QCOMPARE(w.Project().Member.Count(), supports);
    QCOMPARE(w.StructurePage()->Tree().nodes.size(), nodes);
    QVERIFY(!w.windowTitle().startsWith(QLatin1Char('*')));  // back where it was opened
    QCOMPARE(w.Project().TextFile.FileName(), column);
    for (std::size_t k = 1; k < states.size(); ++k) {
      redo->trigger();
      QVERIFY(ProjectFileLines(w.Project()) == states[k]);
    }
    // "Uusi malli" begins a history of its own.
    messages_.threeWay = {Messages::Answer::kNo};
    w.NewModel();
    QCOMPARE(stack.count(), 0);
  }

  // An open that fails leaves the project in hand as it was, and "Tallenna" still writes it
  // to its own file.
  void aFailedOpenKeepsTheProjectInHand() {
    const std::string column = WriteColumnProject(dir_->path());
    TpaaikkunaFRM& w = Start(column);
    w.Project().Member.Name = "Muutettu";
    w.UpdateTitle();
    const std::vector<std::string> before = ProjectFileLines(w.Project());
    files_.answer = WriteText(dir_->path(), "rikki.vux", "QEL-VUX\r\nINPUTFILE\r\n2\r\n");
    messages_.threeWay = {Messages::Answer::kNo};
    w.OpenProject();
    QCOMPARE(messages_.shown.back().caption, std::string("TIEDOSTOVIRHE"));
    QVERIFY(ProjectFileLines(w.Project()) == before);
    QCOMPARE(w.Project().TextFile.FileName(), column);
    QVERIFY(w.windowTitle().startsWith(QLatin1Char('*')));
  }

  void titleShortensLongNames() {
    TpaaikkunaFRM& w = Start();
    w.SetTitle("/home/suunnittelija/projektit/2024/kohde_numero_yksi/rakenteet/palkki.vux");
    QCOMPARE(w.windowTitle(), QStringLiteral("QEL-VUX 2.0 - /ho.../palkki.vux"));
    w.SetTitle("/tmp/a.vux");
    QCOMPARE(w.windowTitle(), QStringLiteral("QEL-VUX 2.0 - /tmp/a.vux"));
  }

  void closingAsksAndNoKeepsTheWindowOpen() {
    TpaaikkunaFRM& w = Start();
    w.SetAskOnClose(true);
    messages_.answers = {false};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(messages_.shown.back().text, std::string("Haluatko varmasti lopettaa ?"));
    QCOMPARE(messages_.shown.back().caption, std::string("HUOMIO"));
    QVERIFY(messages_.shown.back().question);
    messages_.answers = {true};
    QVERIFY(w.close());
  }

  void helpAsksForTheContextOfThePageInView() {
    TpaaikkunaFRM& w = Start();
    w.ShowHelp();
    GoTo(MainPage::Kuormitus);
    w.ShowHelp();
    QCOMPARE(help_.Requests().size(), std::size_t(2));
    QCOMPARE(help_.Requests()[0].context, 100);
    QCOMPARE(help_.Requests()[0].helpFile, w.Project().ProgramFolder() + "QEL-vux_20.hlp");
    QCOMPARE(help_.Requests()[1].context, 101);
  }

  void hintsShowTheirLongPartInTheStatusBar() {
    TpaaikkunaFRM& w = Start();
    auto* button = new QPushButton(w.StructurePage());
    SetHint(button,
            "Pää- ja paikallikoordinaatisto|Pääkoordinaatisto XYZ ja paikalliskoordinaatisto xyz");
    QCOMPARE(button->toolTip(), QStringLiteral("Pää- ja paikallikoordinaatisto"));
    QStatusTipEvent tip(button->statusTip());
    QApplication::sendEvent(button, &tip);  // what hovering sends
    QCOMPARE(w.statusBar()->currentMessage(),
             QStringLiteral("Pääkoordinaatisto XYZ ja paikalliskoordinaatisto xyz"));
  }

  void installedPagesTakeThePlaceholdersPlace() {
    TpaaikkunaFRM& w = Start();
    auto* page = new PlaceholderPage(w.Ui(), QStringLiteral("uusi"));
    QVERIFY(!w.InstallPage(MainPage::Rakenne, page));
    QVERIFY(w.InstallPage(MainPage::Mitoitus, page));
    QCOMPARE(w.Page(MainPage::Mitoitus), page);
    QCOMPARE(w.PageControl1()->tabText(2), QStringLiteral("Mitoitus"));
    QCOMPARE(w.PageControl1()->count(), 7);
    GoTo(MainPage::Mitoitus);
    QCOMPARE(page->RefreshCount(), 1);
  }
};

// The toolkit sets the process locale from the environment; a decimal-comma locale there
// shows that no text the window shows or reads follows it.
int main(int argc, char** argv) {
  qputenv("LC_ALL", "fi_FI.UTF-8");
  QApplication app(argc, argv);
  MainWindowTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}
#include "test_mainwindow.moc"
