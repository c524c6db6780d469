// Entering the design and report pages again after a change of any kind shows the new numbers, the
// same as a project designed from nothing.
//
// The window keeps a solved analysis and a built report between visits when nothing they
// depend on changed; these cases change one thing at a time straight in the record, as any
// dialog or page would, and compare what the pages show with a cold run on a fresh record
// read from the saved project.
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "design/DesignRun.h"
#include "pagelogic/ReportAssembly.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/LoadPage.h"
#include "ui/DesignPage.h"
#include "ui/PaintBox.h"
#include "ui/StructurePage.h"
#include "ui/TpaaikkunaFRM.h"
#include "ui/ReportPage.h"

using namespace qv;
using qv::test::FakeFileDialogs;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

namespace {

// What the design and report pages show of a project.
struct Shown {
  QString total;
  QStringList tree;
  QStringList report;
};

QStringList ToQStrings(const std::vector<std::string>& lines) {
  QStringList list;
  for (const auto& line : lines) list << QString::fromStdString(line);
  return list;
}

std::string ExamplePath(const char* name) {
  return std::string(QELVUX_SOURCE_DATA_DIR "/../examples/") + name;
}

}  // namespace

class PageReuseTest : public QObject {
  Q_OBJECT

 private:
  RecordingMessages messages_;
  FakeFileDialogs files_;
  RecordingHelp help_;
  QTemporaryDir dir_;
  std::unique_ptr<TpaaikkunaFRM> window_;

  QELVUX_data& P() { return window_->Project(); }
  void GoTo(MainPage page) {
    window_->PageControl1()->setCurrentIndex(static_cast<int>(page));
    QCoreApplication::processEvents();
  }
  QPlainTextEdit* Report() {
    return qobject_cast<ReportPage*>(window_->Page(MainPage::Tulostiedosto))->TulosRichEditAll();
  }

  // Through the pages as a user goes: back to the structure, then design and report.
  Shown ShownByWindow() {
    Shown s;
    GoTo(MainPage::Rakenne);
    GoTo(MainPage::Mitoitus);
    auto* design = qobject_cast<DesignPage*>(window_->Page(MainPage::Mitoitus));
    s.total = design->TotalKALabel()->text();
    for (QTreeWidgetItemIterator it(design->MitoitusTulokset()); *it; ++it)
      s.tree << (*it)->text(0);
    GoTo(MainPage::Tulostiedosto);
    s.report = Report()->toPlainText().split(QLatin1Char('\n'));
    return s;
  }

  // The same project saved, read into a fresh record and designed from nothing.
  Shown ShownByColdRun() {
    const std::string name = (dir_.path() + QStringLiteral("/kylma.vux")).toStdString();
    Shown s;
    if (SaveProject(P(), name) != 0) return s;
    QELVUX_data fresh(qv::test::ProgramPath());
    if (LoadProject(fresh, name) != 0) return s;
    fresh.ReportSwitches = P().ReportSwitches;
    DesignRunResult run;
    RunProjectDesign(fresh, true, run);
    s.total = QString::fromStdString(TotalLabelText(run.tree.overall));
    for (const DesignTreeNode& node : run.tree.nodes) s.tree << QString::fromStdString(node.text);
    s.report = ToQStrings(BuildReportLines(fresh));
    return s;
  }

  // One change: the pages must move off what they showed and agree with the cold run.
  void CheckChange(const char* what, const std::function<void()>& change) {
    const Shown before = ShownByWindow();
    GoTo(MainPage::Rakenne);
    change();
    const Shown after = ShownByWindow();
    const Shown cold = ShownByColdRun();
    QVERIFY2(!cold.report.isEmpty(), what);
    QVERIFY2(after.tree != before.tree, what);
    QVERIFY2(after.report != before.report, what);
    QVERIFY2(after.total == cold.total,
             qPrintable(QString::fromLatin1(what) + ": " + after.total + " / " + cold.total));
    QVERIFY2(after.tree == cold.tree, what);
    QVERIFY2(after.report == cold.report, what);
    QVERIFY2(messages_.shown.empty(), what);
  }

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    messages_.shown.clear();
    window_ = std::make_unique<TpaaikkunaFRM>(
        qv::test::ProgramPath(), ExamplePath("jatkuva_orsi.vux"), &messages_, &files_, &help_);
    window_->SetAskOnClose(false);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(P().Member.Count() >= 3, true);
    QVERIFY(P().Loads.Count() > 0);
  }
  void cleanup() { window_.reset(); }

  // Unchanged, the pages show the cold run's numbers visit after visit.
  void unchangedProjectShowsTheSame() {
    const Shown first = ShownByWindow();
    const Shown again = ShownByWindow();
    QCOMPARE(again.total, first.total);
    QCOMPARE(again.tree, first.tree);
    QCOMPARE(again.report, first.report);
    const Shown cold = ShownByColdRun();
    QCOMPARE(first.total, cold.total);
    QCOMPARE(first.tree, cold.tree);
    QCOMPARE(first.report, cold.report);
    QCOMPARE(Report()->textCursor().position(), 0);
  }

  // The opened project's analysis is solved ahead while the structure page shows; a change
  // made before the first visit to a results page must be designed, not the solution of
  // the project as it was opened.
  void changeBeforeTheFirstVisit() {
    const double q = P().Loads.Q1(0);
    P().Loads.SetReal(0, 0, 3.0 * q);
    const Shown changed = ShownByWindow();
    const Shown cold = ShownByColdRun();
    QCOMPARE(changed.total, cold.total);
    QCOMPARE(changed.tree, cold.tree);
    QCOMPARE(changed.report, cold.report);
    P().Loads.SetReal(0, 0, q);
    const Shown asOpened = ShownByWindow();
    QVERIFY(asOpened.report != changed.report);
    QCOMPARE(asOpened.report, ShownByColdRun().report);
  }

  // The load page is prepared after opening and after a change of the structure while the
  // structure page shows: what it then shows is always the drawing of the project as it is.
  void preparedLoadPageShowsTheProjectAsItIs() {
    auto* page = qobject_cast<LoadPage*>(window_->Page(MainPage::Kuormitus));
    QVERIFY(page);
    PaintBox* box = page->PaintBox2();
    const auto shownAndDirect = [&] {
      const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
      const QImage direct =
          box->Render(box->width(), box->height()).convertToFormat(QImage::Format_RGB32);
      return std::make_pair(shown, direct);
    };
    QCoreApplication::processEvents();  // the preparation after opening
    GoTo(MainPage::Kuormitus);
    const auto opened = shownAndDirect();
    QCOMPARE(opened.first, opened.second);

    GoTo(MainPage::Rakenne);
    P().Member.SetReal(1, RakenneVektori::kRealX, P().Member.X(1) - 700.0);
    QMetaObject::invokeMethod(window_->Page(MainPage::Rakenne), "ProjectChanged");
    QCoreApplication::processEvents();    // prepared again for the moved support
    P().Loads.SetText(0, 0, "Muutettu");  // and changed once more after that
    GoTo(MainPage::Kuormitus);
    const auto changed = shownAndDirect();
    QCOMPARE(changed.first, changed.second);
    QVERIFY(changed.first != opened.first);
  }

  void loadValueChange() {
    CheckChange("kuorma", [this] { P().Loads.SetReal(0, 0, 2.0 * P().Loads.Q1(0)); });
  }

  // A change a page reports (as its dialogs do) has the analysis solved ahead; the pages
  // then show what a cold run of the changed project shows.
  void changeReportedByThePage() {
    CheckChange("kuorma, sivun ilmoittama", [this] {
      P().Loads.SetReal(0, 0, 2.5 * P().Loads.Q1(0));
      QMetaObject::invokeMethod(window_->Page(MainPage::Kuormitus), "ProjectChanged");
      QCoreApplication::processEvents();  // the solve ahead starts
    });
    CheckChange("tuki, sivun ilmoittama", [this] {
      P().Member.SetReal(1, RakenneVektori::kRealX, P().Member.X(1) + 300.0);
      QMetaObject::invokeMethod(window_->Page(MainPage::Rakenne), "ProjectChanged");
      QCoreApplication::processEvents();
      P().Loads.SetReal(0, 0, 0.5 * P().Loads.Q1(0));  // and once more, unreported
    });
  }

  void supportMoved() {
    CheckChange("tuki", [this] {
      const double x = P().Member.X(1);
      P().Member.SetReal(1, RakenneVektori::kRealX, x - 500.0);
    });
  }

  void combinationFactorChange() {
    CheckChange("yhdistely", [this] {
      KuormaYhdVektori& c = P().Loads.Combinations();
      for (int i = 0; i < c.Count(); ++i)
        if (!c.IsHeader(i)) c.SetReal(i, 0, c.Value(i) + 0.5);
    });
  }

  void sectionChange() {
    CheckChange("poikkileikkaus", [this] {
      ProfiiliVektori& s = P().Profiles;
      s.CurrentIndex = s.CurrentIndex + 1 < s.Count() ? s.CurrentIndex + 1 : 0;
    });
  }

  void materialChange() {
    CheckChange("materiaali", [this] {
      const qv::DesignCode code = P().DesignCode;
      const int count = static_cast<int>(P().Materials.MaterialNames(code).size());
      const int m = P().Materials.Material(code);
      P().Materials.SetMaterial(code, m < count ? m + 1 : 1);
    });
  }

  void deflectionLimitChange() {
    CheckChange("asetukset", [this] {
      MitoitusAsetukset& s = P().Settings;
      s.Yrel1 /= 3.0;
      s.Yrel2 /= 3.0;
      s.Yrel3 /= 3.0;
    });
  }

  // Another code resets the loads to that code's defaults: the design follows. (With no
  // loads left the page's total keeps its "?" where a bare run says 0 %.)
  void codeChange() {
    const Shown before = ShownByWindow();
    const qv::DesignCode code = P().DesignCode;
    window_->LaskentaNormiCB()->setCurrentIndex(code == qv::DesignCode::kEc5Env ? 1 : 2);
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    messages_.shown.clear();
    QVERIFY(P().DesignCode != code);
    const Shown after = ShownByWindow();
    const Shown cold = ShownByColdRun();
    QVERIFY(after.report != before.report);
    QCOMPARE(after.tree, cold.tree);
    QCOMPARE(after.report, cold.report);
  }

  // A report the user typed into is built again on the next visit, not kept.
  void editedReportIsBuiltAgain() {
    const Shown first = ShownByWindow();
    QTextCursor cursor(Report()->document());
    cursor.insertText(QStringLiteral("käsin "));
    QVERIFY(Report()->toPlainText().startsWith(QStringLiteral("käsin ")));
    const Shown again = ShownByWindow();
    QCOMPARE(again.report, first.report);
  }
};

QTEST_MAIN(PageReuseTest)
#include "test_page_reuse.moc"
