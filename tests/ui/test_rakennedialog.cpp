// The member, support and hinge dialog: what it shows, the messages of OK, its questions and its
// pictures.
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include <memory>

#include "UiTestSupport.h"
#include "project/QELVUX_data.h"
#include "ui/RakenneOhjeKuvat.h"
#include "ui/TRakenneFRM.h"

using namespace qv;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

class RakenneDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  RecordingHelp help_;

  UiContext Ui() { return UiContext{project_.get(), &messages_, nullptr, &help_}; }
  RakenneVektori& Member() { return project_->Member; }
  template <typename T>
  static T* Child(QDialog& d, const char* name) {
    return d.findChild<T*>(QLatin1String(name));
  }
  static void Type(QDialog& d, const char* combo, const char* text) {
    Child<QComboBox>(d, combo)->setCurrentText(QString::fromUtf8(text));
  }
  // OK with the input as it stands: the one message shown, or "" when it stored.
  std::string OkMessage(TRakenneFRM& d) {
    messages_.shown.clear();
    const bool stored = d.OkClicked();
    if (stored) return messages_.shown.empty() ? std::string() : "?";
    return messages_.shown.size() == 1 ? messages_.shown[0].text : "??";
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    messages_ = RecordingMessages();
    help_ = RecordingHelp();
  }

  void memberModeShowsTheMember() {
    TRakenneFRM d(Ui(), 0, -1);  // 0 counts as the member
    QCOMPARE(d.windowTitle(), QStringLiteral("Palkin/pilarin tietojen muuttaminen"));
    auto* tabs = Child<QTabWidget>(d, "PageControl1");
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Palkki / pilari"));
    QVERIFY(!tabs->isTabVisible(1));
    QVERIFY(!tabs->isTabVisible(2));
    QCOMPARE(Child<QLineEdit>(d, "Edit1")->text(), QStringLiteral("Palkki"));
    QCOMPARE(Child<QComboBox>(d, "ComboBox2")->currentText(), QStringLiteral("6000.00"));
    QCOMPARE(Child<QComboBox>(d, "ComboBox2")->count(), 20);
    QCOMPARE(Child<QComboBox>(d, "ComboBox3")->itemText(18), QStringLiteral("90"));
    QCOMPARE(Child<QComboBox>(d, "ComboBox5")->currentText(), QStringLiteral("1000.00"));
    QVERIFY(Child<QCheckBox>(d, "CheckBox1")->isHidden());
    QVERIFY(Child<QComboBox>(d, "ComboBox4")->isHidden());
    QCOMPARE(d.ImageNumber(), 0);
  }

  // What is typed is what is stored: "250" is not completed to the listed "2500.00".
  void enterStoresTheLengthAsTyped() {
    TRakenneFRM d(Ui(), 1, -1);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QComboBox* length = Child<QComboBox>(d, "ComboBox2");
    length->setFocus();
    length->lineEdit()->selectAll();
    QTest::keyClicks(length->lineEdit(), QStringLiteral("250"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    for (const auto& m : messages_.shown) QVERIFY(m.question);  // moving the end support
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(Member().Length, 250.0);
  }

  void lengthOutsideItsRangeIsRefusedWithItsLabel() {
    TRakenneFRM d(Ui(), 1, -1);
    Type(d, "ComboBox2", "50");
    QVERIFY(OkMessage(d).rfind("Pituus L [mm]: anna luku väliltä ", 0) == 0);
    QCOMPARE(messages_.shown[0].caption, std::string("VIRHE"));
    QCOMPARE(Member().Length, 6000.0);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    Type(d, "ComboBox3", "95");
    Type(d, "ComboBox2", "100");
    QVERIFY(OkMessage(d).rfind("Suuntakulma alfa [aste]: anna luku väliltä ", 0) == 0);
    Type(d, "ComboBox3", "12,5");  // a decimal comma reads too
    messages_.answers = {false};   // keep the end support where it stands
    d.OkClicked();
    QCOMPARE(Member().Length, 100.0);
    QCOMPARE(Member().Angle, 12.5);
    QCOMPARE(d.result(), int(QDialog::Accepted));
  }

  void shorteningAsksToMoveTheEndSupport() {
    {
      TRakenneFRM d(Ui(), 1, -1);
      Type(d, "ComboBox2", "4000");
      messages_.answers = {true};
      QCOMPARE(OkMessage(d), std::string("?"));  // stored after the question
      QCOMPARE(messages_.shown[0].text,
               std::string("Haluatko että loppupään tukea siirretään myös ?"));
      QCOMPARE(messages_.shown[0].caption, std::string("HUOMIO"));
      QVERIFY(messages_.shown[0].question);
    }
    QCOMPARE(Member().Count(), 2);
    QCOMPARE(Member().X(1), 4000.0);
    {
      TRakenneFRM d(Ui(), 1, -1);
      Type(d, "ComboBox2", "3000");
      messages_.answers = {false};
      d.OkClicked();
    }
    QCOMPARE(Member().Count(), 1);  // the support at 4000 was cut away
    QCOMPARE(Member().Length, 3000.0);
  }

  void newSupportProposalAndPicturePerType() {
    TRakenneFRM d(Ui(), 2, -1);
    QCOMPARE(d.windowTitle(), QStringLiteral("Uuden tuen määrittely"));
    QCOMPARE(Child<QTabWidget>(d, "PageControl1")->currentIndex(), 1);
    QCOMPARE(Child<QComboBox>(d, "ComboBox13")->currentText(), QStringLiteral("3000.0"));
    QCOMPARE(Child<QComboBox>(d, "ComboBox13")->count(), 21);
    QCOMPARE(Child<QComboBox>(d, "ComboBox12")->currentText(), QStringLiteral("Niveltuki (X,Y,Z)"));
    QCOMPARE(d.ImageNumber(), 1);
    Child<QComboBox>(d, "ComboBox12")->setCurrentIndex(3);
    QCOMPARE(d.ImageNumber(), 4);
    QCOMPARE(OkMessage(d), std::string("Jäykkä tuki vain päihin !"));
    Child<QComboBox>(d, "ComboBox12")->setCurrentIndex(2);
    QCOMPARE(d.ImageNumber(), 3);
    Type(d, "ComboBox13", "3005");
    QCOMPARE(OkMessage(d), std::string(""));
    QCOMPARE(Member().Code(1), RakenneVektori::kSlidingY);
  }

  void supportRulesAgainstOtherPoints() {
    Member().AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 3000.0);
    Member().AddPoint("N", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 4500.0);
    TRakenneFRM support(Ui(), 2, -1);
    Type(support, "ComboBox13", "3005");
    QCOMPARE(OkMessage(support), std::string("Kohdassa on jo tuki !"));
    Type(support, "ComboBox13", "4495");
    QCOMPARE(OkMessage(support), std::string("Tuki liian lähellä niveltä!"));
    Type(support, "ComboBox13", "abc");
    QVERIFY(OkMessage(support).rfind("Tuen paikka x1 [mm]: anna luku väliltä ", 0) == 0);

    TRakenneFRM hinge(Ui(), 3, -1);
    QCOMPARE(hinge.windowTitle(), QStringLiteral("Uuden nivelen määrittely"));
    QCOMPARE(hinge.ImageNumber(), 5);
    Type(hinge, "ComboBox22", "2995");
    QCOMPARE(OkMessage(hinge), std::string("Nivel liian lähellä tukea!"));
    Type(hinge, "ComboBox22", "4505");
    QCOMPARE(OkMessage(hinge), std::string("Kohdassa on jo nivel !"));
    Type(hinge, "ComboBox22", "3000");  // exactly over the support is allowed
    QCOMPARE(OkMessage(hinge), std::string(""));
    QCOMPARE(Member().CountOfKind(RakenneVektori::kHinge), 2);
  }

  void changingAnExistingSupportIgnoresItself() {
    TRakenneFRM d(Ui(), 2, 1);
    QCOMPARE(d.windowTitle(), QStringLiteral("Olemassaolevan tuen muuttaminen"));
    QCOMPARE(Child<QComboBox>(d, "ComboBox13")->currentText(), QStringLiteral("6000.0"));
    Child<QLineEdit>(d, "Edit11")->setText(QStringLiteral("Pääty"));
    Type(d, "ComboBox13", "5995");
    QCOMPARE(OkMessage(d), std::string(""));
    QCOMPARE(Member().Count(), 2);
    QCOMPARE(Member().X(1), 5995.0);
    QCOMPARE(Member().TextOr(1, 0), std::string("Pääty"));
    QCOMPARE(Member().CurrentIndex, 1);
  }

  void helpUsesTheContextOfTheMode() {
    for (int mode : {1, 2, 3}) {
      TRakenneFRM d(Ui(), mode, -1);
      d.HelpClicked();
    }
    QCOMPARE(help_.Requests().size(), std::size_t(3));
    QCOMPARE(help_.Requests()[0].context, 321);
    QCOMPARE(help_.Requests()[1].context, 322);
    QCOMPARE(help_.Requests()[2].context, 323);
  }

  void hintPicturesAreDrawnAndDiffer() {
    std::vector<QImage> pictures;
    for (int i = 0; i < kRakenneOhjeCount; ++i) {
      const QImage image = RakenneOhjeKuva(i, QSize(220, 170)).toImage();
      int inked = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++inked;
      QVERIFY2(inked > 300, qPrintable(QStringLiteral("Rakenneohje%1").arg(i)));
      for (const QImage& other : pictures) QVERIFY(other != image);
      pictures.push_back(image);
    }
  }
};

// The toolkit sets the process locale from the environment; a decimal-comma locale there
// shows that no text the window shows or reads follows it.
int main(int argc, char** argv) {
  qputenv("LC_ALL", "fi_FI.UTF-8");
  QApplication app(argc, argv);
  RakenneDialogTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}
#include "test_rakennedialog.moc"
