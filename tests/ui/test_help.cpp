// Help opens the manual made from README.md at the section of each page and dialog, and says
// so when the manual is missing.
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include "UiTestSupport.h"
#include "ui/HelpWindow.h"
#include "ui/ManualDocument.h"

using namespace qv;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

namespace {

const QString kSourceFolder = QStringLiteral(QELVUX_SOURCE_DATA_DIR "/..");

ManualPage ReadmeManual() {
  QFile readme(kSourceFolder + "/README.md");
  if (!readme.open(QIODevice::ReadOnly))
    return ManualPage{QString(), {}, QStringLiteral("no README.md")};
  return ManualFromReadme(QString::fromUtf8(readme.readAll()), kSourceFolder);
}

bool Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return QDir().mkpath(QFileInfo(path).absolutePath()) && f.open(QIODevice::WriteOnly) &&
         f.write(bytes) == bytes.size();
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT

 private slots:
  // Against the README's own headings: a renamed or removed heading fails here.
  void everyContextOpensTheSectionOfItsPageOrDialog() {
    const ManualPage page = ReadmeManual();
    QCOMPARE(page.error, QString());
    QTextDocument doc;
    doc.setHtml(page.html);
    const std::vector<ManualHeading> headings = ManualHeadings(doc);
    const struct {
      int context;
      const char* heading;  // how the section's heading begins
    } cases[] = {
        {100, "User guide"},
        {101, "\"Kuormitus\""},
        {102, "\"Mitoitus\""},
        {103, "\"Voimasuure ja siirtymäkäyrät\""},
        {106, "\"Tulostiedosto\""},
        {104, "User guide"},  // a hidden page has no section of its own
        {321, "\"Rakenne\""},
        {323, "\"Rakenne\""},
        {324, "\"Rakenne\""},
        {331, "\"Kuormitus\""},
        {333, "\"Kuormitus\""},
        {335, "\"Kuormitus\""},
        {336, "\"Kuormitus\""},
        {341, "\"Mitoitus\""},
        {344, "\"Mitoitus\""},
        {370, "Menus and the top panel"},
        {345, "Floor vibration of joists"},
    };
    for (const auto& c : cases) {
      const QString anchor = QString::fromStdString(HelpAnchor(c.context));
      const auto h = std::find_if(headings.begin(), headings.end(),
                                  [&](const ManualHeading& m) { return m.anchor == anchor; });
      QVERIFY2(h != headings.end(),
               qPrintable(QStringLiteral("%1: no heading #%2").arg(c.context).arg(anchor)));
      QVERIFY2(h->text.startsWith(QString::fromUtf8(c.heading)),
               qPrintable(QString::number(c.context) + ": " + h->text));
    }
  }

  // The manual is looked up in the data folder: beside the program, or in ../share/qelvux/ of an
  // installed one. Without it the user is told where it should have been.
  void theManualIsFoundOrItsAbsenceTold() {
    const struct {
      const char* data;  // the data folder, below the temporary folder
      bool manual;       // whether the manual lies in it
    } cases[] = {{"bin", true}, {"share/qelvux", true}, {"share/qelvux", false}};
    for (const auto& c : cases) {
      QTemporaryDir dir;
      const QString data = dir.path() + "/" + c.data;
      QVERIFY(Write(data + "/Rajatila.dat", "x"));
      QVERIFY(Write(dir.path() + "/bin/qelvux", "x"));
      const std::string manual = (data + "/manual/kayttoohje.html").toStdString();
      if (c.manual) QVERIFY(Write(QString::fromStdString(manual), "<html></html>"));
      RecordingMessages messages;
      RecordingHelp help(&messages);
      QCOMPARE(help.Show((dir.path() + "/bin/qelvux").toStdString(), 342), c.manual);
      if (c.manual) {
        QCOMPARE(help.shown, std::vector<std::string>{manual + "#mitoitus--the-design"});
        QVERIFY(messages.shown.empty());
      } else {
        QVERIFY(help.shown.empty());
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].text, "Käyttöohjetta ei löytynyt: " + manual);
        QCOMPARE(messages.shown[0].caption, std::string("TIEDOSTOVIRHE"));
      }
    }
  }

  // The real window: it opens scrolled to the section and is reused for the next request.
  void theWindowShowsTheSectionAtItsTop() {
    QTemporaryDir dir;
    const ManualPage page = ReadmeManual();
    QVERIFY(Write(dir.path() + "/bin/manual/kayttoohje.html", page.html.toUtf8()));
    QVERIFY(Write(dir.path() + "/bin/Rajatila.dat", "x"));
    HelpLauncher help;
    const std::string program = (dir.path() + "/bin/qelvux").toStdString();
    for (const auto& [context, heading] :
         {std::pair{102, "\"Mitoitus\""}, std::pair{331, "\"Kuormitus\""}}) {
      QVERIFY(help.Show(program, context));
      QList<HelpWindow*> windows;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpWindow*>(w)) windows.append(h);
      QCOMPARE(windows.size(), 1);
      QVERIFY(QTest::qWaitForWindowExposed(windows[0]));
      QTextBrowser* browser = windows[0]->Browser();
      QTRY_VERIFY(browser->cursorForPosition(QPoint(4, 4))
                      .block()
                      .text()
                      .startsWith(QString::fromUtf8(heading)));
    }
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<HelpWindow*>(w)) delete w;
  }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
