// Picture export of the drawings: cropping, the clipboard, BMP, WMF, EMF and SVG files, the
// dialogs' texts and the pop-up menus on the pages.
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "analysis/MalliGeneraattori.h"
#include "pagelogic/ResultsPage.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/LoadPage.h"
#include "ui/PaintBox.h"
#include "ui/PictureExportUi.h"
#include "ui/StructurePage.h"
#include "ui/ResultsPage.h"

using namespace qv;
using qv::test::FakeFileDialogs;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

namespace {

QByteArray FileBytes(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return QByteArray();
  return f.readAll();
}

std::uint32_t U32(const QByteArray& b, int at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

// Width and height from a BMP's info header.
QSize BmpSize(const QByteArray& b) {
  if (b.size() < 26 || !b.startsWith("BM")) return QSize();
  return QSize(static_cast<int>(U32(b, 18)), std::abs(static_cast<int>(U32(b, 22))));
}

// Names of the entries of the pop-up menu shown for a right click on the widget.
QStringList MenuOn(QWidget* target) {
  QStringList shown;
  QTimer::singleShot(50, target, [&shown] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    shown << menu->objectName();
    for (QAction* a : menu->actions()) shown << a->text();
    menu->close();
  });
  const QPoint at(target->width() / 2, target->height() / 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
  QApplication::sendEvent(target, &event);
  return shown;
}

}  // namespace

class PictureExportTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  FakeFileDialogs files_;
  RecordingHelp help_;
  std::unique_ptr<QTemporaryDir> dir_;

  UiContext Ui() { return UiContext{project_.get(), &messages_, &files_, &help_}; }
  // QELVUX_TULOSTIEDOSTO_OUT keeps the pictures for a look.
  std::string TempPath(const char* name) {
    const QString keep = qEnvironmentVariable("QELVUX_TULOSTIEDOSTO_OUT");
    return (keep.isEmpty() ? dir_->filePath(QString::fromUtf8(name))
                           : QDir(keep).filePath(QString::fromUtf8(name)))
        .toStdString();
  }
  void Solve() {
    std::vector<std::string> output;
    RunAnalysis(GenerateAnalysisInput(*project_), *project_, project_->Analysis, output);
  }
  // A results page shown at a fixed size with the result kind chosen.
  std::unique_ptr<ResultsPage> ResultsPageOn(int kind) {
    Solve();
    project_->ResultKind = kind;
    auto page = std::make_unique<ResultsPage>(Ui());
    page->resize(1000, 700);
    page->show();
    page->Refresh();
    QApplication::processEvents();
    return page;
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    std::string message;
    QCOMPARE(
        LoadProject(*project_, QELVUX_SOURCE_DATA_DIR "/../examples/jatkuva_orsi.vux", &message),
        0);
    messages_ = RecordingMessages();
    files_ = FakeFileDialogs();
    dir_ = std::make_unique<QTemporaryDir>();
  }

  // ---- Structure and load drawings ----

  void horizontalMemberCropsTheHeight() {
    // A horizontal member is wide and low: a wide box keeps its width and loses height.
    for (MemberViewKind kind : {MemberViewKind::Structure, MemberViewKind::Loads}) {
      const QImage image = MemberDrawingPicture(*project_, kind, 900, 600, 3.78, 3.78);
      QCOMPARE(image.width(), 900);
      QVERIFY(image.height() < 600);
      QVERIFY(image.height() > 6);
      // The proportions are the view box's: height = ceil(Wy / (Wx / 900)).
      const WorldBox box = MemberViewBox(project_->Member, kind);
      QCOMPARE(image.height(), static_cast<int>(std::ceil(box.Height() / (box.Width() / 900.0))));
      // Something is drawn on the white paper.
      bool inked = false;
      for (int y = 0; y < image.height() && !inked; y += 2)
        for (int x = 0; x < image.width() && !inked; x += 2)
          inked = image.pixel(x, y) != qRgb(255, 255, 255);
      QVERIFY(inked);
    }
    // A column stands high and narrow: the height limits.
    project_->Member.Angle = 90.0;
    const QImage column =
        MemberDrawingPicture(*project_, MemberViewKind::Structure, 900, 600, 3.78, 3.78);
    QCOMPARE(column.height(), 600);
    QVERIFY(column.width() < 900);
  }

  void tooSmallABoxGivesNothing() {
    QVERIFY(
        MemberDrawingPicture(*project_, MemberViewKind::Structure, 5, 400, 3.78, 3.78).isNull());
    QVERIFY(MemberDrawingPicture(*project_, MemberViewKind::Loads, 400, 5, 3.78, 3.78).isNull());
    PaintBox box;
    box.setMinimumSize(1, 1);
    box.resize(400, 5);
    QGuiApplication::clipboard()->setText(QStringLiteral("ennallaan"));
    QCOMPARE(CopyMemberDrawing(Ui(), MemberViewKind::Structure, &box), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ennallaan"));
    files_.answer = TempPath("pieni.bmp");
    QCOMPARE(SaveMemberDrawing(Ui(), MemberViewKind::Structure, &box), 1);
    QVERIFY(!QFile::exists(QString::fromStdString(files_.answer)));
    QVERIFY(messages_.shown.empty());
  }

  void structureDrawingToClipboardAndBmp() {
    StructurePage page(Ui());
    page.resize(1100, 600);
    page.show();
    page.Refresh();
    QApplication::processEvents();
    PaintBox* box = page.PaintBox1();
    QCOMPARE(CopyMemberDrawing(Ui(), MemberViewKind::Structure, box), 0);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.width(), box->width());
    QVERIFY(copied.height() <= box->height());

    files_.answer = TempPath("rakenne.bmp");
    QCOMPARE(SaveMemberDrawing(Ui(), MemberViewKind::Structure, box), 0);
    const FileDialogRequest& r = files_.requests.back();
    QCOMPARE(r.title, std::string("Kuvan tallennus"));
    QCOMPARE(r.fileName, std::string("*.BMP"));
    QCOMPARE(r.filter, std::string("Bittikartta *.bmp|*.bmp"));
    QCOMPARE(r.defaultSuffix, std::string("bmp"));
    QCOMPARE(r.filterIndex, 1);
    QCOMPARE(BmpSize(FileBytes(files_.answer)), copied.size());

    // Cancelled: no file.
    files_.answer.clear();
    QCOMPARE(SaveMemberDrawing(Ui(), MemberViewKind::Structure, box), 1);
    // A folder that is not there: told, nothing else.
    files_.answer = TempPath("ei/rakenne.bmp");
    QCOMPARE(SaveMemberDrawing(Ui(), MemberViewKind::Structure, box), -1);
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].caption, std::string("VIRHE"));
  }

  void membersMenusOnTheirPages() {
    StructurePage structure(Ui());
    structure.resize(900, 500);
    structure.show();
    QVERIFY(QTest::qWaitForWindowExposed(&structure));
    QCOMPARE(MenuOn(structure.PaintBox1()), (QStringList{QStringLiteral("RakenneKuvaMenu"),
                                                         QString::fromUtf8("Kuva leikepöydälle"),
                                                         QStringLiteral("Kuva tiedostoon...")}));
    LoadPage loads(Ui());
    loads.resize(900, 500);
    loads.show();
    QVERIFY(QTest::qWaitForWindowExposed(&loads));
    QCOMPARE(MenuOn(loads.PaintBox2()),
             (QStringList{QStringLiteral("KuormaKuvaMenu"), QString::fromUtf8("Kuva leikepöydälle"),
                          QStringLiteral("Kuva tiedostoon...")}));
    // The menu's entries run the commands.
    std::unique_ptr<QMenu> menu(
        MemberPictureMenu(loads.PaintBox2(), Ui(), MemberViewKind::Loads, nullptr));
    files_.answer = TempPath("kuormat.bmp");
    menu->actions().at(1)->trigger();
    QVERIFY(FileBytes(files_.answer).startsWith("BM"));
  }

  // ---- Results page ----

  void chartToMetafilesAndSvgOnly() {
    auto page = ResultsPageOn(kResultMz);
    QVERIFY(page->ShowsChart());
    const QChartView* view = page->KayratChart();

    files_.answer = TempPath("kaavio.wmf");
    QCOMPARE(SaveResultsPicture(Ui(), page.get()), 0);
    const FileDialogRequest& r = files_.requests.back();
    QCOMPARE(r.title, std::string("Kuvan tallennus"));
    QCOMPARE(r.fileName, std::string("*.WMF"));
    QCOMPARE(
        r.filter,
        std::string("Metafile *.wmf|*.wmf|Enhanced metafile *.emf|*.emf|SVG-kuva *.svg|*.svg"));
    QCOMPARE(r.defaultSuffix, std::string("wmf"));
    QCOMPARE(U32(FileBytes(files_.answer), 0), 0x9AC6CDD7u);  // placeable metafile key

    files_.answer = TempPath("kaavio.EMF");
    QCOMPARE(SaveResultsPicture(Ui(), page.get()), 0);
    const QByteArray emf = FileBytes(files_.answer);
    QCOMPARE(U32(emf, 0), 1u);  // EMR_HEADER
    QCOMPARE(emf.mid(40, 4), QByteArray(" EMF"));

    files_.answer = TempPath("kaavio.svg");
    QCOMPARE(SaveResultsPicture(Ui(), page.get()), 0);
    const QByteArray svg = FileBytes(files_.answer);
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains(QString::fromStdString(page->Diagram().title).toUtf8()));
    QVERIFY(svg.contains(
        QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(view->width()).arg(view->height()).toUtf8()));

    for (const char* name : {"kaavio.bmp", "kaavio"}) {
      files_.answer = TempPath(name);
      QCOMPARE(SaveResultsPicture(Ui(), page.get()), 1);
      QVERIFY(!QFile::exists(QString::fromStdString(files_.answer)));
    }
    QVERIFY(messages_.shown.empty());
  }

  void chartToClipboardAsImageAndSvg() {
    auto page = ResultsPageOn(kResultMz);
    QCOMPARE(CopyResultsPicture(Ui(), page.get()), 0);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(image.size(), page->KayratChart()->size());
    QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
    QVERIFY(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
  }

  void reactionsAsBitmap() {
    auto page = ResultsPageOn(kResultReactionsCombination);
    QVERIFY(page->ShowsPicture());
    const PaintBox* box = page->TuloskuvaPB();
    QCOMPARE(CopyResultsPicture(Ui(), page.get()), 0);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), box->size());
    files_.answer = TempPath("reaktiot.bmp");
    QCOMPARE(SaveResultsPicture(Ui(), page.get()), 0);
    QCOMPARE(files_.requests.back().fileName, std::string("*.BMP"));
    QCOMPARE(BmpSize(FileBytes(files_.answer)), box->size());
  }

  void resultsMenuOnChartAndPicture() {
    auto page = ResultsPageOn(kResultMz);
    const QStringList expected{QStringLiteral("TulosKuvaMenu"),
                               QString::fromUtf8("Kuva leikepöydälle..."),
                               QStringLiteral("Kuva tiedostoon...")};
    QCOMPARE(MenuOn(page->KayratChart()->viewport()), expected);
    page->TuloslajiCBChange(page->TuloslajiCB()->count() - 1);  // the last kind is a reaction view
    QVERIFY(page->ShowsPicture());
    QCOMPARE(MenuOn(page->TuloskuvaPB()), expected);
  }
};

int main(int argc, char** argv) {
  qputenv("LC_ALL", "fi_FI.UTF-8");
  QApplication app(argc, argv);
  PictureExportTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "test_report_page_pictures.moc"
