// The report page driven through its check boxes, font and save button: switches, sections, save
// modes, PDF and the question after saving.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QtTest>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "analysis/MalliGeneraattori.h"
#include "pagelogic/ReportAssembly.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/ReportPage.h"

using namespace qv;
using qv::test::FakeFileDialogs;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

namespace {

const std::string kRule = "====================================";

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray();
  return f.readAll();
}

int IndexOf(const std::vector<std::string>& lines, const std::string& line) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == line) return static_cast<int>(i);
  return -1;
}

// Where the text after the n-th tab of a block starts, measured from where the line's text
// starts, with the block laid out as the view lays it out when it comes into sight.
double TabX(const QPlainTextEdit* view, const QTextBlock& block, int n) {
  view->document()->documentLayout()->blockBoundingRect(block);
  const QString text = block.text();
  int at = -1;
  for (int i = 0; i < n; ++i) at = text.indexOf(QLatin1Char('\t'), at + 1);
  const QTextLine line = block.layout()->lineAt(0);
  return line.cursorToX(at + 1) - line.cursorToX(0);
}

}  // namespace

class ReportPageTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  FakeFileDialogs files_;
  RecordingHelp help_;
  std::unique_ptr<ReportPage> page_;
  std::unique_ptr<QTemporaryDir> dir_;

  // A two-span purlin with loads, solved as the main window does before entering the page.
  ReportPage& Page() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    std::string message;
    const int loaded =
        LoadProject(*project_, QELVUX_SOURCE_DATA_DIR "/../examples/jatkuva_orsi.vux", &message);
    if (loaded != 0) qWarning("%s", message.c_str());
    std::vector<std::string> output;
    RunAnalysis(GenerateAnalysisInput(*project_), *project_, project_->Analysis, output);
    messages_ = RecordingMessages();
    files_ = FakeFileDialogs();
    help_ = RecordingHelp();
    page_ = std::make_unique<ReportPage>(UiContext{project_.get(), &messages_, &files_, &help_});
    page_->Refresh();
    return *page_;
  }
  int Switch(int s) const { return project_->ReportSwitches[static_cast<std::size_t>(s)]; }
  void SetSwitch(int s, int v) { project_->ReportSwitches[static_cast<std::size_t>(s)] = v; }
  std::string TempPath(const char* name) {
    if (!dir_) dir_ = std::make_unique<QTemporaryDir>();
    return dir_->filePath(QString::fromUtf8(name)).toStdString();
  }
  // Saves through the button with the dialog answering path and the question answered.
  void SaveAs(ReportPage& page, const std::string& path, bool open = false) {
    files_.answer = path;
    messages_.shown.clear();
    messages_.answers = {open};
    page.TallennaTulosBTN()->click();
  }

 private slots:
  // ---- Check boxes and switches ----

  void boxesFollowTheSwitchesOnEntering() {
    ReportPage& page = Page();
    // The coordinate systems, as on the results page.
    auto* picture = page.findChild<QLabel*>(QStringLiteral("Image3"));
    QVERIFY(picture && !picture->pixmap().isNull());
    QCOMPARE(picture->toolTip(), QStringLiteral("Pää- ja paikallikoordinaatisto"));
    const char* captions[kReportBoxCount] = {
        "Projektitiedot",           "Rakennetiedot",
        "Kuormitustiedot",          "Mitoitustiedot",
        "Nurjahdus/kiepahduskert.", "Materiaalin laskenta-arvot",
        "Tukireaktiot (KY)",        "Tukireaktiot (KT)"};
    for (int i = 0; i < kReportBoxCount; ++i) {
      QCOMPARE(page.CheckBox(i)->text(), QString::fromUtf8(captions[i]));
      // Defaults: everything but the two design options.
      QCOMPARE(page.CheckBox(i)->isChecked(), i != kBoxStability && i != kBoxDesignValues);
    }
    QVERIFY(page.CheckBox(kBoxStability)->isEnabled());
    QCOMPARE(Switch(kReportEvents), 1);

    // Entering again with other switches: setting the boxes one by one must not write the
    // half-set boxes back into the switches.
    SetSwitch(kReportStructure, 0);
    SetSwitch(kReportDesign, 0);
    SetSwitch(kReportStability, 1);
    SetSwitch(kReportReactionsCases, 0);
    page.Refresh();
    QCOMPARE(Switch(kReportStructure), 0);
    QCOMPARE(Switch(kReportDesign), 0);
    QCOMPARE(Switch(kReportStability), 1);
    QCOMPARE(Switch(kReportReactionsCases), 0);
    QCOMPARE(Switch(kReportProjectInfo), 1);
    QCOMPARE(Switch(kReportEvents), 1);
    QVERIFY(!page.CheckBox(kBoxStructure)->isChecked());
    QVERIFY(page.CheckBox(kBoxStability)->isChecked());
    QVERIFY(!page.CheckBox(kBoxStability)->isEnabled());
    QVERIFY(!page.CheckBox(kBoxDesignValues)->isEnabled());
    QCOMPARE(page.CheckBox(kBoxStability)->objectName(), QStringLiteral("TulosPrint31CBOX"));
    QCOMPARE(page.TulosRichEditAll()->objectName(), QStringLiteral("TulosRichEditAll"));
  }

  void designBoxDisablesItsOptionsButKeepsTheirSwitches() {
    ReportPage& page = Page();
    page.CheckBox(kBoxStability)->click();
    QCOMPARE(Switch(kReportStability), 1);
    page.CheckBox(kBoxDesign)->click();
    QCOMPARE(Switch(kReportDesign), 0);
    QVERIFY(!page.CheckBox(kBoxStability)->isEnabled());
    QVERIFY(!page.CheckBox(kBoxDesignValues)->isEnabled());
    QCOMPARE(Switch(kReportStability), 1);
    QCOMPARE(Switch(kReportDesignValues), 0);
    QVERIFY(!page.TulosRichEditAll()->toPlainText().contains(QStringLiteral("MITOITUS:")));
    page.CheckBox(kBoxDesign)->click();
    QVERIFY(page.CheckBox(kBoxStability)->isEnabled());
    QVERIFY(page.TulosRichEditAll()->toPlainText().contains(QStringLiteral("MITOITUS:")));
  }

  void everyBoxOffLeavesAnEmptyReport() {
    ReportPage& page = Page();
    QVERIFY(!page.ViewLines().empty());
    for (int i = 0; i < kReportBoxCount; ++i)
      if (page.CheckBox(i)->isChecked() && page.CheckBox(i)->isEnabled()) page.CheckBox(i)->click();
    QVERIFY(page.TulosRichEditAll()->toPlainText().isEmpty());
    QVERIFY(page.ViewLines().empty());  // no closing line either
    // Either reaction box brings the reactions back, before the design.
    page.CheckBox(kBoxReactionsCases)->click();
    const std::vector<std::string> lines = page.ViewLines();
    QCOMPARE(lines.front(), kRule);
    QVERIFY(IndexOf(lines, "TUKIREAKTIOT, KUORMITUSTAPAUKSET:") > 0);
    QCOMPARE(IndexOf(lines, "TUKIREAKTIOT, KUORMITUSYHDISTELMÄT:"), -1);
    QCOMPARE(lines.back(), kRule);
    page.CheckBox(kBoxDesign)->click();
    const std::vector<std::string> both = page.ViewLines();
    QVERIFY(IndexOf(both, "MITOITUS:") > IndexOf(both, "TUKIREAKTIOT, KUORMITUSTAPAUKSET:"));
  }

  void projectBlockOnlyWithSomethingToSay() {
    ReportPage& page = Page();
    project_->CalculatedBy = "Insinööri Ä";
    project_->Contact = " ";
    project_->Site = "";
    project_->OtherInfo = "rivi 1\r\nrivi 2";
    for (int i = kBoxStructure; i < kReportBoxCount; ++i)
      if (page.CheckBox(i)->isChecked() && page.CheckBox(i)->isEnabled()) page.CheckBox(i)->click();
    const std::vector<std::string> expected = {
        kRule, "PROJEKTITIEDOT:", "Laskija:\tInsinööri Ä", "Muut tiedot:", "rivi 1", "rivi 2",
        kRule};
    QCOMPARE(page.ViewLines(), expected);

    project_->CalculatedBy = " ";
    project_->OtherInfo = "";
    page.BuildReport();
    QVERIFY(page.ViewLines().empty());  // two lines alone are no block
  }

  void tabStopsOfTheView() {
    ReportPage& page = Page();
    QPlainTextEdit* view = page.TulosRichEditAll();
    QCOMPARE(view->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const double pxPerPt = view->logicalDpiX() / 72.0;
    // A line added at the end of the report by the program.
    const auto tabX = [view](const QString& line, int n) {
      QTextCursor cursor(view->document());
      cursor.movePosition(QTextCursor::End);
      cursor.insertBlock();
      cursor.insertText(line);
      return TabX(view, view->document()->lastBlock(), n);
    };
    const double points[] = {75, 125, 183, 250, 300, 350, 400};
    const QString seven = QStringLiteral("a\tb\tc\td\te\tf\tg\th\ti");
    for (int i = 0; i < 7; ++i) QVERIFY(std::abs(tabX(seven, i + 1) - points[i] * pxPerPt) < 1.0);
    // Past the last stop every half inch (36 pt): 400 pt is itself a multiple, so 432 pt.
    QVERIFY(std::abs(tabX(seven, 8) - 432.0 * pxPerPt) < 1.0);
    // A label longer than the first stop goes on to the second.
    const QString longLabel = QString(60, QLatin1Char('W')) + QStringLiteral("\tx");
    QVERIFY(tabX(longLabel, 1) > 75.0 * pxPerPt + 1.0);
  }

  // ---- Font ----

  void fontDialogStartsFromTheViewsFont() {
    ReportPage& page = Page();
    QFont offered;
    page.SetFontChooser([&](QFont& font) {
      offered = font;
      font = QFont(QStringLiteral("Courier New"), 12);
      return true;
    });
    const QFont before = page.ReportFont();
    page.TulosFontBTN()->click();
    QCOMPARE(offered.family(), before.family());
    QCOMPARE(page.ReportFont().pointSizeF(), 12.0);
    QCOMPARE(page.TulosRichEditAll()->font().pointSizeF(), 12.0);
    // The rich text carries the font: 12 points are 24 half points.
    const std::string path = TempPath("fontti.rtf");
    SaveAs(page, path);
    const QByteArray rtf = FileBytes(QString::fromStdString(path));
    QVERIFY(rtf.contains("Courier New"));
    QVERIFY(rtf.contains("\\fs24"));

    page.SetFontChooser([](QFont& font) {
      font = QFont(QStringLiteral("Arial"), 20);
      return false;  // cancelled
    });
    page.TulosFontBTN()->click();
    QCOMPARE(page.ReportFont().pointSizeF(), 12.0);
  }

  // ---- Saving ----

  void saveDialogAndTheQuestionAfterIt() {
    ReportPage& page = Page();
    const std::string path = TempPath("raportti.rtf");
    SaveAs(page, path, true);
    QCOMPARE(files_.requests.size(), std::size_t(1));
    const FileDialogRequest& r = files_.requests[0];
    QVERIFY(files_.saves[0]);
    QCOMPARE(r.title, std::string("Tulostiedoston tallennus"));
    // Beside the project, under its name.
    QCOMPARE(r.fileName, std::string("jatkuva_orsi.rtf"));
    QCOMPARE(r.folder, QELVUX_data::FolderOf(project_->TextFile.FileName()));
    QCOMPARE(r.defaultSuffix, std::string("rtf"));
    QCOMPARE(r.filter, std::string("RTF-tiedostot *.rtf|*.rtf|ASCII-tiedostot *.txt|*.txt|"
                                   "PDF-tiedostot *.pdf|*.pdf"));
    QCOMPARE(r.filterIndex, 1);
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].text, std::string("Haluatko avata tiedoston editoriin ?"));
    QCOMPARE(messages_.shown[0].caption, std::string("HUOMIO"));
    QVERIFY(messages_.shown[0].question);
    QCOMPARE(help_.opened, std::vector<std::string>{path});

    // No: saved, not opened.
    const std::string second = TempPath("toinen.rtf");
    SaveAs(page, second, false);
    QVERIFY(QFile::exists(QString::fromStdString(second)));
    QCOMPARE(help_.opened.size(), std::size_t(1));

    // Cancelled: nothing written, nothing asked.
    files_.answer.clear();
    messages_.shown.clear();
    page.TallennaTulosBTN()->click();
    QVERIFY(messages_.shown.empty());

    // A project never saved: the program's folder, no name proposed.
    project_->TextFile.SetFileName(std::string());
    page.TallennaTulosBTN()->click();
    QCOMPARE(files_.requests.back().folder, QELVUX_data::FolderOf(project_->ProgramPath));
    QCOMPARE(files_.requests.back().fileName, std::string("*.rtf"));
  }

  void extensionChoosesTheMode() {
    ReportPage& page = Page();
    QCOMPARE(page.FileMode(), ReportFileMode::Rich);

    const std::string txt = TempPath("raportti.TXT");
    SaveAs(page, txt);
    QCOMPARE(page.FileMode(), ReportFileMode::Plain);
    const QByteArray plain = FileBytes(QString::fromStdString(txt));
    QVERIFY(plain.startsWith(
        QByteArray::fromStdString(kRule + "\r\nPROJEKTITIEDOT:\r\nKohde:\tHallin katto\r\n")));
    QVERIFY(!plain.contains("\\rtf"));
    QVERIFY(plain.contains("KUORMITUSYHDISTELM\xC4T:\r\n"));  // Windows-1252, not UTF-8
    QVERIFY(plain.endsWith(QByteArray::fromStdString(kRule + "\r\n")));

    const std::string doc = TempPath("raportti.doc");
    SaveAs(page, doc);
    QCOMPARE(page.FileMode(), ReportFileMode::Plain);
    QCOMPARE(FileBytes(QString::fromStdString(doc)), plain);

    const std::string rtf = TempPath("raportti.Rtf");
    SaveAs(page, rtf);
    QCOMPARE(page.FileMode(), ReportFileMode::Rich);
    const QByteArray rich = FileBytes(QString::fromStdString(rtf));
    QVERIFY(rich.startsWith("{\\rtf1"));
    QVERIFY(rich.contains("KUORMITUSYHDISTELM\\'c4T:"));
    QVERIFY(
        rich.contains("\\tx1500\\tx2500\\tx3660\\tx5000\\tx6000\\tx7000\\tx8000"));  // points x 20

    const std::string doc2 = TempPath("raportti2.doc");
    SaveAs(page, doc2);
    QVERIFY(FileBytes(QString::fromStdString(doc2)).startsWith("{\\rtf1"));

    // The PDF leaves the mode alone.
    const std::string pdf = TempPath("raportti.pdf");
    SaveAs(page, pdf, true);
    QCOMPARE(page.FileMode(), ReportFileMode::Rich);
    QVERIFY(FileBytes(QString::fromStdString(pdf)).startsWith("%PDF"));
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(help_.opened.back(), pdf);
  }

  void whatTheViewHoldsIsSaved() {
    ReportPage& page = Page();
    page.TulosRichEditAll()->appendPlainText(QStringLiteral("Lisätty\trivi"));
    const std::string txt = TempPath("muokattu.txt");
    SaveAs(page, txt);
    QVERIFY(FileBytes(QString::fromStdString(txt))
                .endsWith(QByteArray::fromStdString(kRule) + "\r\nLis\xE4tty\trivi\r\n"));
  }

  // The view holds the report's lines as they are, each laid out on the report's stops,
  // and a line the user types takes the same stops and is what gets saved.
  void viewShowsTheLinesOnTheStopsAndTakesTyping() {
    ReportPage& page = Page();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QPlainTextEdit* view = page.TulosRichEditAll();
    const std::vector<std::string> lines = BuildReportLines(*project_);
    QCOMPARE(page.ViewLines(), lines);
    QCOMPARE(view->document()->blockCount(),
             static_cast<int>(lines.size()));  // no extra empty line
    QCOMPARE(view->font().family(), page.ReportFont().family());
    QCOMPARE(view->font().pointSizeF(), 8.0);

    const double pxPerPt = view->logicalDpiX() / 72.0;
    const double firstStopPx = ReportTabStopsPt().front() * pxPerPt;
    // "Kohde:" is shorter than the first stop.
    const QTextBlock site =
        view->document()->findBlockByNumber(IndexOf(lines, "Kohde:\tHallin katto"));
    QVERIFY(site.isValid());
    QVERIFY(std::abs(TabX(view, site, 1) - firstStopPx) < 1.0);
    // The last line with a tab, far below the screenful and never drawn: its text goes to
    // the first stop past the label.
    int tabbed = static_cast<int>(lines.size()) - 1;
    while (tabbed > 0 && lines[static_cast<std::size_t>(tabbed)].find('\t') == std::string::npos)
      --tabbed;
    const QTextBlock far = view->document()->findBlockByNumber(tabbed);
    QVERIFY(view->cursorForPosition(view->viewport()->rect().bottomLeft()).blockNumber() < tabbed);
    const QString label = far.text().left(far.text().indexOf(QLatin1Char('\t')));
    const double labelPx = QFontMetricsF(view->font()).horizontalAdvance(label);
    double expected = 0.0;
    for (double pt : ReportTabStopsPt())
      if (pt * pxPerPt > labelPx) {
        expected = pt * pxPerPt;
        break;
      }
    QVERIFY(expected > 0.0);
    QVERIFY(std::abs(TabX(view, far, 1) - expected) < 1.0);

    // Typed at the end of the report with the keyboard: Enter, "a", Tab, "b".
    view->setFocus();
    view->moveCursor(QTextCursor::End);
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClicks(view, QStringLiteral("a"));
    QTest::keyClick(view, Qt::Key_Tab);
    QTest::keyClicks(view, QStringLiteral("b"));
    QVERIFY(std::abs(TabX(view, view->document()->lastBlock(), 1) - firstStopPx) < 1.0);
    std::vector<std::string> typed = lines;
    typed.push_back("a\tb");
    QCOMPARE(page.ViewLines(), typed);
    const std::string txt = TempPath("kirjoitettu.txt");
    SaveAs(page, txt);
    QVERIFY(FileBytes(QString::fromStdString(txt))
                .endsWith(QByteArray::fromStdString(kRule) + "\r\na\tb\r\n"));

    // Another font keeps the stops where they are on paper.
    page.SetReportFont(QFont(QStringLiteral("Courier New"), 12));
    QCOMPARE(page.ViewLines(), lines);
    view->appendPlainText(QStringLiteral("a\tb"));
    QVERIFY(std::abs(TabX(view, view->document()->lastBlock(), 1) - firstStopPx) < 1.0);
  }

  void failedSaveIsToldAndNotOpened() {
    ReportPage& page = Page();
    const std::string path = TempPath("ei_kansiota/raportti.rtf");
    SaveAs(page, path, true);
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].caption, std::string("VIRHE"));
    QVERIFY(messages_.shown[0].text.find("Tiedoston tallennus epäonnistui:\n" + path) == 0);
    QVERIFY(help_.opened.empty());
    SaveAs(page, TempPath("ei_kansiota/raportti.pdf"), true);
    QCOMPARE(messages_.shown[0].caption, std::string("VIRHE"));
  }

  // Every example saved in each form; QELVUX_TULOSTIEDOSTO_OUT keeps the files for a look.
  void examplesSaveInEveryForm() {
    const QString keep = qEnvironmentVariable("QELVUX_TULOSTIEDOSTO_OUT");
    for (const char* name : {"jatkuva_orsi", "kattotuoli", "lattiapalkki", "pilari"}) {
      project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
      const std::string source =
          std::string(QELVUX_SOURCE_DATA_DIR "/../examples/") + name + ".vux";
      QCOMPARE(LoadProject(*project_, source), 0);
      std::vector<std::string> output;
      RunAnalysis(GenerateAnalysisInput(*project_), *project_, project_->Analysis, output);
      ReportPage page(UiContext{project_.get(), &messages_, &files_, &help_});
      page.Refresh();
      QVERIFY(page.ViewLines().size() > 20);
      for (const char* ext : {".rtf", ".txt", ".pdf"}) {
        const std::string base = std::string(name) + ext;
        const std::string path =
            keep.isEmpty() ? TempPath(base.c_str())
                           : QDir(keep).filePath(QString::fromStdString(base)).toStdString();
        SaveAs(page, path);
        QCOMPARE(messages_.shown.size(), std::size_t(1));  // only the question
        QVERIFY(FileBytes(QString::fromStdString(path)).size() > 1000);
      }
    }
  }
};

int main(int argc, char** argv) {
  qputenv("LC_ALL", "fi_FI.UTF-8");
  QApplication app(argc, argv);
  ReportPageTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "test_report_page.moc"
