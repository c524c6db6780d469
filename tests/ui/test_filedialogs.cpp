// The real save dialog: the extension added to a bare name follows the filter chosen in it.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <string>

#include "pagelogic/PictureExport.h"
#include "pagelogic/RtfWriter.h"
#include "ui/FileDialogs.h"
#include "ui/ReportPage.h"

using namespace qv;

class FileDialogsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  // The report page's request, as the page builds it.
  FileDialogRequest ReportRequest() {
    const ReportSaveDialogTexts texts;
    FileDialogRequest r;
    r.title = texts.title;
    r.fileName = texts.fileName;
    r.defaultSuffix = texts.defaultExtension;
    r.filter = texts.filter + "|" + kReportPdfFilter;
    r.filterIndex = texts.filterIndex;
    r.folder = dir_.path().toStdString();
    return r;
  }

  // Opens the save dialog, picks filter n as the user would, types the name and presses Enter.
  // Returns the chosen path's file name, or "" when the dialog gave none.
  QString SaveWith(const FileDialogRequest& request, int n, const QString& typed) {
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog || !dialog->isVisible()) continue;
        const QStringList filters = dialog->nameFilters();
        if (n >= 1 && n <= filters.size()) dialog->selectNameFilter(filters.at(n - 1));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!edit) {
          dialog->reject();
          return;
        }
        edit->clear();
        QTest::keyClicks(edit, typed);
        driven = true;
        QTest::keyClick(edit, Qt::Key_Return);
        if (dialog->isVisible()) dialog->reject();  // never hang the test
        return;
      }
    });
    QtFileDialogs dialogs;
    std::string chosen;
    const bool ok = dialogs.SaveFile(request, chosen);
    if (!driven || !ok) return QString();
    return QFileInfo(QString::fromStdString(chosen)).fileName();
  }

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void suffixOfFilterEntries() {
    QCOMPARE(QtFilterEntrySuffix("PDF-tiedostot *.pdf (*.pdf)"), std::string("pdf"));
    QCOMPARE(QtFilterEntrySuffix("Kuvat (*.bmp *.png)"), std::string("bmp"));
    QCOMPARE(QtFilterEntrySuffix("Kaikki (*.*)"), std::string());
    QCOMPARE(QtFilterEntrySuffix("Kaikki (*)"), std::string());
    QCOMPARE(QtFilterEntrySuffix("Ilman suluja"), std::string());
    QCOMPARE(QtFilterEntrySuffix("Versio (2) tiedostot (*.v2)"), std::string("v2"));
    QCOMPARE(QtFilterEntrySuffix(""), std::string());
  }

  // A bare name gets the chosen filter's extension, whichever filter was shown first.
  void bareNameFollowsChosenFilter() {
    const FileDialogRequest request = ReportRequest();
    QCOMPARE(SaveWith(request, 1, "raportti"), QString("raportti.rtf"));
    QCOMPARE(SaveWith(request, 2, "raportti"), QString("raportti.txt"));
    QCOMPARE(SaveWith(request, 3, "raportti"), QString("raportti.pdf"));
  }

  // A name the user typed with an extension of its own is saved as typed.
  void typedExtensionIsKept() {
    const FileDialogRequest request = ReportRequest();
    QCOMPARE(SaveWith(request, 3, "raportti.txt"), QString("raportti.txt"));
    QCOMPARE(SaveWith(request, 1, "raportti.pdf"), QString("raportti.pdf"));
    QCOMPARE(SaveWith(request, 2, "Raportti.RTF"), QString("Raportti.RTF"));
  }

  // The chart's picture dialog shares the rule: the metafile kind is the filter's.
  void chartPictureFollowsChosenFilter() {
    const PictureDialogTexts texts = MetafileDialogTexts();
    FileDialogRequest request;
    request.filter = texts.filter + "|SVG-kuva *.svg|*.svg";
    request.filterIndex = texts.filterIndex;
    request.defaultSuffix = texts.defaultExtension;
    request.folder = dir_.path().toStdString();
    QCOMPARE(SaveWith(request, 2, "kaavio"), QString("kaavio.emf"));
    QCOMPARE(SaveWith(request, 3, "kaavio"), QString("kaavio.svg"));
  }
};

int main(int argc, char** argv) {
  qputenv("LC_ALL", "fi_FI.UTF-8");
  QApplication app(argc, argv);
  FileDialogsTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "test_filedialogs.moc"
