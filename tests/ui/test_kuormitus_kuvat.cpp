// Pictures of the load dialogs: every hint picture drawn and told apart, and, when asked, pictures
// of the dialogs for the documentation.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <vector>

#include "UiTestSupport.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/KuormaOhjeKuvat.h"
#include "ui/Messages.h"
#include "ui/PaintBox.h"
#include "ui/TKTjaKYFRM.h"
#include "ui/TKuormatFRM.h"

using namespace qv;
using qv::test::RecordingMessages;

namespace {

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
  return n;
}

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kYellow = qRgb(255, 255, 0);

}  // namespace

class LoadPicturesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;

  UiContext Ui(Messages* messages = nullptr) {
    return UiContext{project_.get(), messages ? messages : &messages_, nullptr, nullptr};
  }
  // Opens a project of the documentation; false when it could not be read.
  bool Open(const QString& folder, const char* name) {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    std::string message;
    return LoadProject(*project_, (folder + QLatin1Char('/') + QLatin1String(name)).toStdString(),
                       &message) == 0;
  }
  // Every hint picture with its name, six to a row.
  static void SaveHintSheet(const QString& path) {
    const QSize cell(230, 180);
    const int columns = 6;
    std::vector<int> numbers;
    for (int n = 0; n <= 11; ++n) numbers.push_back(n);
    for (int n = 21; n <= 34; ++n) numbers.push_back(n);
    const int rows = (int(numbers.size()) + columns - 1) / columns;
    QImage sheet(columns * (cell.width() + 4), rows * (cell.height() + 22), QImage::Format_RGB32);
    sheet.fill(Qt::lightGray);
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      const int x = int(i % columns) * (cell.width() + 4),
                y = int(i / columns) * (cell.height() + 22);
      painter.drawText(x + 4, y + 16, QStringLiteral("kuormaohje%1").arg(numbers[i]));
      painter.drawPixmap(x, y + 20, KuormaOhjeKuva(numbers[i], cell));
    }
    painter.end();
    QVERIFY2(sheet.save(path, "PNG"), qPrintable(path));
  }
  static void Save(QWidget& w, const QString& folder, const char* name) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(150);
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    QVERIFY2(w.grab().save(path, "PNG"), qPrintable(path));
  }

 private slots:
  void init() { project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath()); }

  void everyHintPictureIsDrawnAndToldApart() {
    std::vector<int> numbers;
    for (int n = 0; n <= 11; ++n) numbers.push_back(n);
    for (int n = 21; n <= 34; ++n) numbers.push_back(n);
    std::vector<QImage> images;
    for (int n : numbers) {
      QVERIFY(IsKuormaOhje(n));
      const QImage image = KuormaOhjeKuva(n, QSize(230, 180)).toImage();
      QVERIFY2(CountColour(image, kBlue) > 40, qPrintable(QString::number(n)));
      QVERIFY2(CountColour(image, kYellow) > 200, qPrintable(QString::number(n)));
      for (std::size_t i = 0; i < images.size(); ++i)
        QVERIFY2(images[i] != image, qPrintable(QStringLiteral("%1 = %2").arg(numbers[i]).arg(n)));
      images.push_back(image);
    }
    QVERIFY(!IsKuormaOhje(12) && !IsKuormaOhje(20) && !IsKuormaOhje(35));
    const QImage none = KuormaOhjeKuva(12, QSize(230, 180)).toImage();
    QCOMPARE(CountColour(none, kBlue), 0);  // the member and the axes only
    QVERIFY(CountColour(none, kYellow) > 200);
    QVERIFY(KuormaOhjeKuva(1, QSize(0, 10)).isNull());
  }

  void dialogPictureFollowsTheChoices() {
    TKuormatFRM d(Ui(), 2, KuormaVektori::kLine, -1);  // snow: per horizontal projection
    auto* picture = d.findChild<PaintBox*>(QStringLiteral("KuormaKuva"));
    QVERIFY(picture);
    const QImage snow = picture->Render(230, 180);
    QCOMPARE(picture->toolTip(), QStringLiteral("kuormaohje34"));
    d.findChild<QComboBox*>(QStringLiteral("ComboBox14"))->setCurrentIndex(0);
    QCOMPARE(picture->toolTip(), QStringLiteral("kuormaohje22"));
    QVERIFY(picture->Render(230, 180) != snow);
  }

  // Run by scripts/screenshots.d/kuormitus.sh with QELVUX_KUORMITUS_SHOTS (folder of the
  // pictures) and QELVUX_KUORMITUS_PROJECTS (folder of the projects) under a display.
  void savesTheDialogsForTheDocumentation() {
    const QString out = qEnvironmentVariable("QELVUX_KUORMITUS_SHOTS");
    const QString projects = qEnvironmentVariable("QELVUX_KUORMITUS_PROJECTS");
    if (out.isEmpty() || projects.isEmpty()) QSKIP("pictures not asked for");

    QVERIFY(Open(projects, "kuormat_palkki.vux"));
    {
      TKuormatFRM d(Ui(), 1, KuormaVektori::kPoint, -1);
      Save(d, out, "kuormitus_dialogi_piste.png");
    }
    {
      const int surface = project_->Loads.FirstLoad(1, KuormaVektori::kSurface);
      QVERIFY(surface >= 0);
      TKuormatFRM d(Ui(), 1, KuormaVektori::kSurface, surface);
      Save(d, out, "kuormitus_dialogi_pinta.png");
    }
    {
      // The program's own message box over the dialog, for a load 0.5 mm long.
      QtMessages boxes;
      TKuormatFRM d(Ui(&boxes), 0, KuormaVektori::kLine, -1);
      boxes.SetParent(&d);
      d.findChild<QComboBox*>(QStringLiteral("ComboBox15"))->setCurrentText(QStringLiteral("1000"));
      d.findChild<QComboBox*>(QStringLiteral("ComboBox16"))
          ->setCurrentText(QStringLiteral("1000,5"));
      d.show();
      QVERIFY(QTest::qWaitForWindowExposed(&d));
      bool grabbed = false;
      QTimer::singleShot(400, this, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box && box != &d) {
          grabbed = box->grab().save(out + QStringLiteral("/kuormitus_viesti.png"), "PNG");
          box->close();
        }
      });
      QVERIFY(!d.OkClicked());
      QVERIFY(grabbed);
    }
    {
      TKTjaKYFRM d(Ui());
      Save(d, out, "kuormitus_ktjaky_kt.png");
      d.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
      d.findChild<QComboBox*>(QStringLiteral("KYnimiCB"))->setCurrentIndex(2);
      Save(d, out, "kuormitus_ktjaky_ky.png");
    }
    QVERIFY(Open(projects, "kuormat_kattotuoli.vux"));
    {
      TKuormatFRM d(Ui(), 2, KuormaVektori::kLine, -1);
      Save(d, out, "kuormitus_dialogi_viiva.png");
    }
    SaveHintSheet(out + QStringLiteral("/kuormitus_ohjekuvat.png"));
  }
};

QTEST_MAIN(LoadPicturesTest)
#include "test_kuormitus_kuvat.moc"
