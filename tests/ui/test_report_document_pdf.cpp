// The calculation document as PDF, read back with poppler's pdftotext and pdfinfo: the page
// frame on every page, the title block, every section, caption and figure text, the text
// report's numbers; printing and the command-line designer give the same pages.
#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "design/DesignRun.h"
#include "pagelogic/ReportAssembly.h"
#include "pagelogic/ReportDocument.h"
#include "pagelogic/ReportFigures.h"
#include "pagelogic/RtfWriter.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/TpaaikkunaFRM.h"
#include "ui/drawing/RecordingCanvas.h"
#include "ui/report/ReportDocumentPainter.h"
#include "ui/report/ReportDocumentPdf.h"
#include "ui/report/ReportPrinting.h"

using namespace qv;

namespace {

const char* const kExamples[] = {"ec5_lattiapalkki", "ec5_orsi",     "jatkuva_orsi",
                                 "kattotuoli",       "lattiapalkki", "pilari"};

QString ExamplePath(const char* name) {
  return QStringLiteral(QELVUX_SOURCE_DATA_DIR "/../examples/") + QLatin1String(name) +
         QStringLiteral(".vux");
}

// Runs a poppler tool; its standard output, or a null string when it could not run.
QString Poppler(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfInfoPages(const QString& file) {
  const QString info = Poppler(QStringLiteral("pdfinfo"), {file});
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Runs of blanks (tabs, line ends, layout spaces) as one blank.
QString Squeezed(const QString& s) { return s.simplified(); }

bool IsRuleLine(const std::string& line) {
  return !line.empty() && (line.find_first_not_of('=') == std::string::npos ||
                           line.find_first_not_of('-') == std::string::npos);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

class ReportDocumentPdfTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QELVUX_data> Load(const char* name) {
    auto p = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    std::string message;
    if (LoadProject(*p, ExamplePath(name).toStdString(), &message) != 0) return nullptr;
    if (EnsureAnalysis(*p, true) != 0) return nullptr;
    // Every section, and the design chapter's fuller form the PDF shows anyway.
    for (auto& s : p->ReportSwitches) s = 1;
    return p;
  }

 private slots:
  void initTestCase() {
    for (const char* tool : {"pdftotext", "pdfinfo"})
      QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
               "poppler-utils is needed: scripts/install-deps.sh installs it");
  }

  void everyExampleReadsBackWhole_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : kExamples) QTest::newRow(name) << QString::fromLatin1(name);
  }

  void everyExampleReadsBackWhole() {
    QFETCH(QString, name);
    auto p = Load(name.toLatin1().constData());
    QVERIFY(p);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("laskelma.pdf"));
    int pages = 0;
    QVERIFY(WriteFile(
        pdf, ReportDocumentPdfBytes(*p, DefaultDocumentFont(), ReportTabStopsPt(), &pages)));
    QVERIFY(pages >= 2);
    QCOMPARE(PdfInfoPages(pdf), pages);

    const QString text =
        Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                              QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QStringList pageTexts = text.split(QLatin1Char('\f'));
    while (!pageTexts.isEmpty() && pageTexts.back().trimmed().isEmpty()) pageTexts.removeLast();
    QCOMPARE(pageTexts.size(), pages);

    const ReportDocument doc = BuildReportDocument(*p, kProgramTitle, PrintDateText());
    for (int i = 0; i < pages; ++i) {
      const QString page = Squeezed(pageTexts[i]);
      for (const std::string& frame :
           {doc.project, doc.member, doc.designCode, std::string(kProgramTitle),
            "Tulostettu " + doc.printDate, PageNumberText(i + 1, pages)})
        QVERIFY2(
            page.contains(Squeezed(QString::fromStdString(frame))),
            qPrintable(
                QStringLiteral("page %1 lacks %2").arg(i + 1).arg(QString::fromStdString(frame))));
    }
    const QString first = Squeezed(pageTexts[0]);
    QVERIFY(first.contains(QString::fromUtf8(kDocumentTitle)));
    QVERIFY(first.contains(QString::fromUtf8(kSignatureCaption)));
    for (const ReportTitleField& f : doc.titleBlock)
      QVERIFY2(first.contains(Squeezed(QString::fromStdString(f.label + " " + f.value))),
               f.label.c_str());

    // The text report's lines, numbers and all, stand in the document (the project block is
    // the title block there); so do the captions and every text each figure draws.
    const QString all = Squeezed(text);
    bool projectBlock = false;
    for (const std::string& line : BuildReportLines(*p)) {
      if (line == "PROJEKTITIEDOT:") projectBlock = true;
      if (IsRuleLine(line)) {
        if (line[0] == '=') projectBlock = false;
        continue;
      }
      if (projectBlock || Squeezed(QString::fromStdString(line)).isEmpty()) continue;
      QVERIFY2(all.contains(Squeezed(QString::fromStdString(line))), line.c_str());
    }
    for (const ReportBlock& b : doc.blocks) {
      if (!b.isFigure) continue;
      QVERIFY2(all.contains(QString::fromStdString(b.figure.caption)), b.figure.caption.c_str());
      RecordingCanvas canvas(kReportFigureDpi / 25.4);
      DrawReportFigure(&canvas, *p, b.figure, ReportFigureWidthPx(170.0),
                       ReportFigureHeightPx(b.figure));
      QVERIFY(canvas.CountOf(CanvasOp::Text) > 0);
      for (const CanvasCall& c : canvas.CallsOf(CanvasOp::Text)) {
        const QString drawn = Squeezed(QString::fromStdString(c.text));
        if (!drawn.isEmpty())
          QVERIFY2(all.contains(drawn), qPrintable(QString::fromStdString(b.figure.caption) +
                                                   QStringLiteral(": ") + drawn));
      }
    }
  }

  // "Tulosta..." and "Esikatselu..." paint the same pages onto the printer; the command-line
  // designer writes them without a window.
  void printerAndCommandLineGetTheSamePages() {
    auto p = Load("ec5_lattiapalkki");
    QVERIFY(p);
    QTemporaryDir dir;
    int pages = 0;
    ReportDocumentPdfBytes(*p, DefaultDocumentFont(), ReportTabStopsPt(), &pages);
    const QString printed = dir.filePath(QStringLiteral("tulostettu.pdf"));
    const QString previewed = dir.filePath(QStringLiteral("esikatselu.pdf"));
    const auto toFile = [](const QString& file) {
      return [file](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
      };
    };
    QVERIFY(PrintReportDocument(nullptr, *p, DefaultDocumentFont(), ReportTabStopsPt(),
                                toFile(printed)));
    PreviewReportDocument(nullptr, *p, DefaultDocumentFont(), ReportTabStopsPt(),
                          toFile(previewed));
    QVERIFY(!PrintReportDocument(nullptr, *p, DefaultDocumentFont(), ReportTabStopsPt(),
                                 [](QPrinter&) { return false; }));
    QCOMPARE(PdfInfoPages(printed), pages);
    QCOMPARE(PdfInfoPages(previewed), pages);

    const QString cliPdf = dir.filePath(QStringLiteral("cli.pdf"));
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    cli.setProcessEnvironment(env);
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/qelvux-cli"),
              {ExamplePath("ec5_lattiapalkki"), QStringLiteral("--pdf"), cliPdf});
    QVERIFY(cli.waitForFinished(120000));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(PdfInfoPages(cliPdf), pages);
  }
};

QTEST_MAIN(ReportDocumentPdfTest)
#include "test_report_document_pdf.moc"
