// The main window on a large member (150 supports, 50 hinges, 2000 loads): every page fills, and
// each page change and drawing is timed for a look.
//
// Times are printed, never asserted: with QELVUX_PAGE_TIMING set the window prints each
// page change itself ("sivu <name>: ..."), and this test prints the paint time of the
// drawings and the chart ("piirto ...").
#include <QAbstractTextDocumentLayout>
#include <QChartView>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "../../bench/ScaleProject.h"
#include "UiTestSupport.h"
#include "model/NumberText.h"
#include "pagelogic/ReportAssembly.h"
#include "project/ProjektiTiedosto.h"
#include "ui/ProcessHeap.h"
#include "ui/TpaaikkunaFRM.h"

using namespace qv;
using qv::test::FakeFileDialogs;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

namespace {

int CountItems(const QTreeWidget* tree) {
  int n = 0;
  for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) ++n;
  return n;
}

// Renders a widget off screen, as its paint event draws it.
void PrintPaintTime(QWidget* widget, const char* what) {
  QElapsedTimer timer;
  timer.start();
  const std::clock_t cpu = std::clock();
  const QPixmap picture = widget->grab();
  const double ms = static_cast<double>(timer.nsecsElapsed()) * 1e-6;
  const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
  std::fprintf(stderr, "piirto %s (%dx%d): %s ms (CPU %s ms)\n", what, picture.width(),
               picture.height(), qv::FormatFixed(ms, 1).c_str(), qv::FormatFixed(cpuMs, 1).c_str());
}

}  // namespace

class ScalePagesTest : public QObject {
  Q_OBJECT

 private:
  RecordingMessages messages_;
  FakeFileDialogs files_;
  RecordingHelp help_;
  std::unique_ptr<TpaaikkunaFRM> window_;
  QTemporaryDir dir_;

  void GoTo(MainPage page) {
    window_->PageControl1()->setCurrentIndex(static_cast<int>(page));
    QCoreApplication::processEvents();
  }
  template <typename T>
  T* Find(const char* name) {
    return window_->findChild<T*>(QLatin1String(name));
  }

 private slots:
  void initTestCase() {
    qputenv("QELVUX_PAGE_TIMING", "1");
    QVERIFY(dir_.isValid());
    QELVUX_data p(qv::test::ProgramPath());
    qv_scale::BuildProject(p, qv_scale::ScaleSize());
    const std::string name = (dir_.path() + QStringLiteral("/suuri_palkki.vux")).toStdString();
    QCOMPARE(SaveProject(p, name), 0);
    window_ =
        std::make_unique<TpaaikkunaFRM>(qv::test::ProgramPath(), name, &messages_, &files_, &help_);
    window_->SetAskOnClose(false);
    window_->resize(1100, 750);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCoreApplication::processEvents();
    // A user looks at the opened member before the first click: the window works ahead
    // meanwhile (the analysis, the load page's drawing).
    QTest::qWait(500);
  }

  void cleanupTestCase() { window_.reset(); }

  // The project opens without a message and the structure tree lists every point.
  void structurePageListsEveryPoint() {
    QVERIFY(messages_.shown.empty());
    QCOMPARE(window_->Project().Loads.Count(), 2000);
    auto* tree = Find<QTreeWidget>("GeometriaPuu");
    QVERIFY(tree);
    QVERIFY(CountItems(tree) >= 200);
    PrintPaintTime(Find<QWidget>("PaintBox1"), "rakenne");
  }

  void loadPageListsEveryLoad() {
    GoTo(MainPage::Kuormitus);
    QCOMPARE(window_->ActivePage(), MainPage::Kuormitus);
    auto* tree = Find<QTreeWidget>("KuormaPuu");
    QVERIFY(tree);
    QVERIFY(CountItems(tree) >= 2000);
    PrintPaintTime(Find<QWidget>("PaintBox2"), "kuormitus");
  }

  void designPageShowsTheChecks() {
    GoTo(MainPage::Mitoitus);
    QCOMPARE(window_->Project().AnalysisValid, 1);
    auto* tree = Find<QTreeWidget>("MitoitusTulokset");
    QVERIFY(tree);
    QVERIFY(tree->topLevelItemCount() > 0);
    QVERIFY(messages_.shown.empty());
    // The hidden analysis page shows the whole input of this run when looked at.
    QVERIFY(window_->InputMemo()->toPlainText().endsWith(QStringLiteral("[ ==== 999 ==== ]")));
    QVERIFY(window_->OutputMemo()->toPlainText().isEmpty());
    PrintPaintTime(tree, "mitoitus");
  }

  void resultsPageDrawsTheChart() {
    GoTo(MainPage::Tulokset);
    auto* chart = Find<QChartView>("KayratChart");
    QVERIFY(chart);
    QVERIFY(!chart->chart()->series().isEmpty());
    PrintPaintTime(chart, "tulokset");
  }

  void reportPageHoldsTheLastSupport() {
    GoTo(MainPage::Tulostiedosto);
    auto* report = Find<QPlainTextEdit>("TulosRichEditAll");
    QVERIFY(report);
    QVERIFY(report->toPlainText().contains(QStringLiteral("150:\t100000")));
    // Every line is laid out with the report's tab stops, the last one of a long report too.
    const QTextDocument* doc = report->document();
    QVERIFY(doc->blockCount() > 10000);
    const auto stopsOf = [doc](const QTextBlock& block) {
      doc->documentLayout()->blockBoundingRect(block);  // lays the line out when not yet shown
      return block.layout()->textOption().tabs();
    };
    const auto stops = stopsOf(doc->firstBlock());
    QVERIFY(!stops.isEmpty());
    QCOMPARE(stopsOf(doc->lastBlock()), stops);
    QCOMPARE(stopsOf(doc->findBlockByNumber(doc->blockCount() / 2)), stops);
    QCOMPARE(report->textCursor().position(), 0);
  }

  // Back and forth once more, as a user goes between the drawings and the design.
  void pagesAgain() {
    for (MainPage page : {MainPage::Rakenne, MainPage::Mitoitus, MainPage::Kuormitus,
                          MainPage::Tulokset, MainPage::Rakenne})
      GoTo(page);
    QCOMPARE(window_->ActivePage(), MainPage::Rakenne);
    QVERIFY(messages_.shown.empty());
  }

  // A load changed on the load page, as its dialog changes one, and the design and the
  // report visited after it: they follow the change.
  void pagesAfterALoadChange() {
    GoTo(MainPage::Tulostiedosto);
    auto* report = Find<QPlainTextEdit>("TulosRichEditAll");
    QVERIFY(report);
    const QString before = report->toPlainText();
    GoTo(MainPage::Kuormitus);
    QELVUX_data& p = window_->Project();
    p.Loads.SetReal(0, 0, 3.0 * p.Loads.Q1(0));
    QMetaObject::invokeMethod(window_->Page(MainPage::Kuormitus), "ProjectChanged");
    QTest::qWait(300);
    GoTo(MainPage::Mitoitus);
    QCOMPARE(window_->Project().AnalysisValid, 1);
    GoTo(MainPage::Tulostiedosto);
    QVERIFY(report->toPlainText() != before);
    QCOMPARE(report->toPlainText().split(QLatin1Char('\n')).size(),
             static_cast<int>(BuildReportLines(window_->Project()).size()));
    QVERIFY(messages_.shown.empty());
  }
};

// The heap prepared as the program prepares it, so that the times printed are the program's.
int main(int argc, char* argv[]) {
  qv::PrepareProcessHeap();
  QApplication app(argc, argv);
  ScalePagesTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "test_scale_pages.moc"
