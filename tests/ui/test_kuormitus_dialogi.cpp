// The load dialog: what it shows for new and existing loads, the messages of OK and what it stores.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "UiTestSupport.h"
#include "project/QELVUX_data.h"
#include "ui/TKuormatFRM.h"

using namespace qv;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

namespace {

constexpr int kCaseOmapaino = 0;
constexpr int kCaseHyoty = 1;
constexpr int kCaseLumi = 2;

}  // namespace

class KuormaDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  RecordingHelp help_;

  UiContext Ui() { return UiContext{project_.get(), &messages_, nullptr, &help_}; }
  KuormaVektori& Loads() { return project_->Loads; }
  template <typename T>
  static T* Child(QDialog& d, const char* name) {
    T* w = d.findChild<T*>(QLatin1String(name));
    if (!w) qFatal("no child %s", name);
    return w;
  }
  static QComboBox* Box(QDialog& d, const char* name) { return Child<QComboBox>(d, name); }
  static void Type(QDialog& d, const char* combo, const char* text) {
    Box(d, combo)->setCurrentText(QString::fromUtf8(text));
  }
  static bool HasLabel(QDialog& d, const char* text) {
    for (QLabel* l : d.findChildren<QLabel*>())
      if (l->text() == QString::fromUtf8(text) && l->isVisibleTo(&d)) return true;
    return false;
  }
  // OK with the input as it stands: the one message shown ("" when it stored), checking
  // that a refusal keeps the dialog open and the loads as they were.
  std::string OkMessage(TKuormatFRM& d) {
    messages_.shown.clear();
    const int before = Loads().Count();
    if (d.OkClicked()) return messages_.shown.empty() ? std::string() : "?";
    if (d.result() == QDialog::Accepted || Loads().Count() != before) return "stored anyway";
    if (messages_.shown.size() != 1 || messages_.shown[0].caption != "VIRHE") return "??";
    return messages_.shown[0].text;
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    messages_ = RecordingMessages();
    help_ = RecordingHelp();
    QCOMPARE(project_->Member.Length, 6000.0);
    QCOMPARE(QString::fromStdString(Loads().Cases().Name(kCaseLumi)), QStringLiteral("Lumikuorma"));
  }

  void newPointLoadShowsDefaultsAndStoresMinusOneKilonewtonInY() {
    TKuormatFRM d(Ui(), kCaseHyoty, KuormaVektori::kPoint, -1);
    QCOMPARE(d.windowTitle(), QString::fromUtf8("Uuden kuorman määrittely"));
    auto* tabs = Child<QTabWidget>(d, "PageControl1");
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Pistekuormat"));
    QVERIFY(tabs->isTabVisible(0) && !tabs->isTabVisible(1) && !tabs->isTabVisible(2));
    QCOMPARE(Child<QLineEdit>(d, "Edit1")->text(), QStringLiteral(" "));
    QCOMPARE(Box(d, "ComboBox2")->currentText(), QStringLiteral("Pistevoima [kN]"));
    QCOMPARE(Box(d, "ComboBox2")->count(), 2);
    QCOMPARE(Box(d, "ComboBox3")->currentText(), QString::fromUtf8("Y-suunta (Pääkoordinaatisto)"));
    QCOMPARE(Box(d, "ComboBox3")->count(), 6);
    QCOMPARE(Box(d, "ComboBox4")->currentText(), QStringLiteral("0.0"));
    QCOMPARE(Box(d, "ComboBox4")->count(), 21);  // 0, 300, ..., 6000
    QCOMPARE(Box(d, "ComboBox4")->itemText(1), QStringLiteral("300"));
    QCOMPARE(Box(d, "ComboBox4")->itemText(20), QStringLiteral("6000"));
    QCOMPARE(Box(d, "ComboBox5")->currentText(), QStringLiteral("-1.0"));
    QVERIFY(HasLabel(d, "Kuorman paikka x1 [mm]:"));
    QVERIFY(HasLabel(d, "Kuorman ominaisarvo F [kN]:"));
    auto* copy = Child<QCheckBox>(d, "KopioiPisteKuormatCheck");
    QVERIFY(copy->isVisibleTo(&d) && !copy->isChecked());
    QCOMPARE(copy->text(), QStringLiteral("Kopioi pistekuormat jaolla [mm]:"));
    QVERIFY(!Box(d, "ComboBox6")->isEnabled());
    QCOMPARE(Box(d, "ComboBox6")->currentText(), QStringLiteral("1200"));
    QCOMPARE(d.ImageNumber(), 1);  // force, global Y

    QCOMPARE(OkMessage(d), std::string());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(Loads().Count(), 1);
    QCOMPARE(Loads().LoadCase(0), kCaseHyoty);
    QCOMPARE(Loads().Kind(0), KuormaVektori::kPoint);
    QCOMPARE(Loads().Direction(0), 2);
    QCOMPARE(Loads().Q1(0), -1000.0);
    QCOMPARE(Loads().X1(0), 0.0);
    QCOMPARE(Loads().CurrentIndex, 0);
  }

  void pointLoadRefusalsNameTheirInput() {
    TKuormatFRM d(Ui(), kCaseHyoty, KuormaVektori::kPoint, -1);
    Type(d, "ComboBox4", "abc");
    QVERIFY(OkMessage(d).rfind("Kuorman paikka x1 [mm]: anna luku väliltä ", 0) == 0);
    Type(d, "ComboBox4", "6000,5");  // beyond the member
    QVERIFY(OkMessage(d).rfind("Kuorman paikka x1 [mm]: anna luku väliltä ", 0) == 0);
    Type(d, "ComboBox4", "");
    QVERIFY(OkMessage(d).rfind("Kuorman paikka x1 [mm]: anna luku väliltä ", 0) == 0);
    Type(d, "ComboBox4", "2000");
    Type(d, "ComboBox5", "0");
    QCOMPARE(OkMessage(d), std::string("Kuorma-arvoa ei ole annettu"));
    Type(d, "ComboBox5", "1000001");
    QVERIFY(OkMessage(d).rfind("Kuorman ominaisarvo F [kN]: anna luku väliltä ", 0) == 0);

    // A moment: the label, the directions and the message follow the type.
    Box(d, "ComboBox2")->setCurrentIndex(1);
    QVERIFY(HasLabel(d, "Kuorman ominaisarvo M [kNm]:"));
    QVERIFY(!HasLabel(d, "Kuorman ominaisarvo F [kN]:"));
    QCOMPARE(Box(d, "ComboBox3")->currentText(), QString::fromUtf8("Y-akselin ympäri (Pääkoord.)"));
    QCOMPARE(Box(d, "ComboBox5")->currentText(), QStringLiteral("1000001"));  // kept as typed
    Type(d, "ComboBox5", "x");
    QVERIFY(OkMessage(d).rfind("Kuorman ominaisarvo M [kNm]: anna luku väliltä ", 0) == 0);

    Type(d, "ComboBox5", "-3");
    auto* copy = Child<QCheckBox>(d, "KopioiPisteKuormatCheck");
    copy->setChecked(true);
    QVERIFY(Box(d, "ComboBox6")->isEnabled());
    Type(d, "ComboBox6", "50");
    QCOMPARE(OkMessage(d), std::string("Kopioinnin jako = ?"));
    Type(d, "ComboBox6", "4500");  // more than the 4000 left after x1
    QCOMPARE(OkMessage(d), std::string("Kopioinnin jako = ?"));
    copy->setChecked(false);
    QVERIFY(!Box(d, "ComboBox6")->isEnabled());
    QCOMPARE(OkMessage(d), std::string());
    QCOMPARE(Loads().Count(), 1);
    QCOMPARE(Loads().Direction(0), 5);  // moment about global Y
    QCOMPARE(Loads().Q1(0), -3000000.0);
  }

  void momentAboutLocalZIsStoredInNewtonMillimetres() {
    TKuormatFRM d(Ui(), kCaseHyoty, KuormaVektori::kPoint, -1);
    Box(d, "ComboBox2")->setCurrentIndex(1);
    Box(d, "ComboBox3")->setCurrentIndex(5);
    QCOMPARE(Box(d, "ComboBox3")->currentText(),
             QString::fromUtf8("z-akselin ympäri (Paikalliskoord.)"));
    QCOMPARE(d.ImageNumber(), 11);
    Type(d, "ComboBox5", "2,5");  // a decimal comma is read too
    Type(d, "ComboBox4", "1500");
    QCOMPARE(OkMessage(d), std::string());
    QCOMPARE(Loads().Direction(0), -6);
    QCOMPARE(Loads().Q1(0), 2500000.0);
    QCOMPARE(Loads().X1(0), 1500.0);
  }

  void copiesEverySpacingUpToTheEnd() {
    TKuormatFRM d(Ui(), kCaseOmapaino, KuormaVektori::kPoint, -1);
    Child<QLineEdit>(d, "Edit1")->setText(QStringLiteral("Orsi"));
    Child<QCheckBox>(d, "KopioiPisteKuormatCheck")->setChecked(true);
    Type(d, "ComboBox6", "1200");
    QCOMPARE(OkMessage(d), std::string());
    std::vector<double> xs;
    for (int i = 0; i < Loads().Count(); ++i) {
      QCOMPARE(QString::fromStdString(Loads().TextOr(i, 0)), QStringLiteral("Orsi"));
      QCOMPARE(Loads().Q1(i), -1000.0);
      xs.push_back(Loads().X1(i));
    }
    std::sort(xs.begin(), xs.end());
    QCOMPARE(xs, (std::vector<double>{0.0, 1200.0, 2400.0, 3600.0, 4800.0, 6000.0}));
    QVERIFY(Loads().CurrentIndex >= 0 && Loads().CurrentIndex < 6);
  }

  void existingMomentIsShownAndReplacedInPlace() {
    Loads().AddLoad("F", kCaseHyoty, KuormaVektori::kPoint, 2, 1, -4000.0, 0.0, 500.0, 0.0);
    const int m =
        Loads().AddLoad("M", kCaseHyoty, KuormaVektori::kPoint, -6, 1, 2500000.0, 0.0, 1500.0, 0.0);
    Loads().AddLoad("q", kCaseHyoty, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
    TKuormatFRM d(Ui(), 0, KuormaVektori::kSurface, m);  // the load's own case and kind count
    QCOMPARE(d.windowTitle(), QString::fromUtf8("Olemassaolevan kuorman muuttaminen"));
    QVERIFY(Child<QTabWidget>(d, "PageControl1")->isTabVisible(0));
    QCOMPARE(Child<QLineEdit>(d, "Edit1")->text(), QStringLiteral("M"));
    QCOMPARE(Box(d, "ComboBox2")->currentIndex(), 1);
    QCOMPARE(Box(d, "ComboBox3")->currentIndex(), 5);
    QCOMPARE(Box(d, "ComboBox4")->currentText(), QStringLiteral("1500.0"));
    QCOMPARE(Box(d, "ComboBox5")->currentText(), QStringLiteral("2.500"));
    QVERIFY(!Child<QCheckBox>(d, "KopioiPisteKuormatCheck")->isVisibleTo(&d));
    Child<QCheckBox>(d, "KopioiPisteKuormatCheck")->setChecked(true);  // hidden: no copies
    Type(d, "ComboBox5", "-3");
    QCOMPARE(OkMessage(d), std::string());
    QCOMPARE(Loads().Count(), 3);
    QCOMPARE(QString::fromStdString(Loads().TextOr(m, 0)), QStringLiteral("M"));
    QCOMPARE(Loads().Q1(m), -3000000.0);
    QCOMPARE(Loads().Direction(m), -6);
  }

  void lineLoadPositionsAreOrderedAndQ1CopiesIntoQ2() {
    TKuormatFRM d(Ui(), kCaseOmapaino, KuormaVektori::kLine, -1);
    auto* tabs = Child<QTabWidget>(d, "PageControl1");
    QVERIFY(tabs->isTabVisible(1) && !tabs->isTabVisible(0) && !tabs->isTabVisible(2));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Viivakuormat"));
    QCOMPARE(Box(d, "ComboBox12")->count(), 1);
    QCOMPARE(Box(d, "ComboBox12")->currentText(), QStringLiteral("Voima [kN/m]"));
    QCOMPARE(Box(d, "ComboBox15")->currentText(), QStringLiteral("0.0"));
    QCOMPARE(Box(d, "ComboBox16")->currentText(), QStringLiteral("6000.0"));
    QCOMPARE(Box(d, "ComboBox17")->currentText(), QStringLiteral("-1.0"));
    QCOMPARE(Box(d, "ComboBox18")->currentText(), QStringLiteral("-1.0"));
    QVERIFY(HasLabel(d, "Kuorman ominaisarvo Q1 [kN/m]:"));
    QVERIFY(HasLabel(d, "Kuorman ominaisarvo Q2 [kN/m]:"));
    QVERIFY(HasLabel(d, "Kuorman sijainti:"));
    QCOMPARE(Box(d, "ComboBox14")->currentIndex(), 0);  // not a snow case
    QCOMPARE(d.ImageNumber(), 22);

    Type(d, "ComboBox15", "4000");
    Type(d, "ComboBox16", "1000");
    QTest::keyClicks(Box(d, "ComboBox17")->lineEdit(), QStringLiteral("5"));  // "-1.05"
    QCOMPARE(Box(d, "ComboBox18")->currentText(), QStringLiteral("-1.05"));
    Type(d, "ComboBox17", "-2,5");
    QCOMPARE(Box(d, "ComboBox18")->currentText(), QStringLiteral("-2,5"));
    Type(d, "ComboBox18", "-4");  // Q2 alone leaves Q1 be
    QCOMPARE(Box(d, "ComboBox17")->currentText(), QStringLiteral("-2,5"));
    QCOMPARE(OkMessage(d), std::string());
    QCOMPARE(Loads().X1(0), 1000.0);
    QCOMPARE(Loads().X2(0), 4000.0);
    QCOMPARE(Loads().Q1(0), -2.5);  // the values stay in their own fields
    QCOMPARE(Loads().Q2(0), -4.0);
    QCOMPARE(Loads().RefLength(0), 1);
  }

  void lineLoadRefusals() {
    TKuormatFRM d(Ui(), kCaseOmapaino, KuormaVektori::kLine, -1);
    Type(d, "ComboBox15", "1000");
    Type(d, "ComboBox16", "1000,5");
    QCOMPARE(OkMessage(d), std::string("Kuorma liian lyhyt!"));
    Type(d, "ComboBox16", "7000");
    QVERIFY(OkMessage(d).rfind("Kuorman loppu x2 [mm]: anna luku väliltä ", 0) == 0);
    Type(d, "ComboBox15", "-1");
    QVERIFY(OkMessage(d).rfind("Kuorman alku x1 [mm]: anna luku väliltä ", 0) == 0);
    Type(d, "ComboBox15", "0");
    Type(d, "ComboBox16", "6000");
    Type(d, "ComboBox17", "0");
    QCOMPARE(OkMessage(d), std::string("Kuorma-arvoja ei ole annettu!"));
    Type(d, "ComboBox18", "abc");
    QVERIFY(OkMessage(d).rfind("Kuorman ominaisarvo Q2 [kN/m]: anna luku väliltä ", 0) == 0);
    Type(d, "ComboBox17", "2000000");
    QVERIFY(OkMessage(d).rfind("Kuorman ominaisarvo Q1 [kN/m]: anna luku väliltä ", 0) == 0);
    d.reject();
    QCOMPARE(Loads().Count(), 0);
  }

  void snowCasePresetsTheHorizontalProjection() {
    TKuormatFRM d(Ui(), kCaseLumi, KuormaVektori::kLine, -1);
    QComboBox* ref = Box(d, "ComboBox14");
    QVERIFY(ref->isVisibleTo(&d));
    QCOMPARE(ref->currentIndex(), 1);
    QCOMPARE(ref->currentText(), QStringLiteral("Vaakaprojektiota kohden (X-akseli)"));
    QCOMPARE(d.ImageNumber(), 34);

    Box(d, "ComboBox13")->setCurrentIndex(0);  // X: per vertical projection offered
    QCOMPARE(ref->count(), 2);
    QCOMPARE(ref->itemText(1), QStringLiteral("Pystyprojektiota kohden (Y-akseli)"));
    QCOMPARE(ref->currentIndex(), 0);
    QCOMPARE(d.ImageNumber(), 21);
    ref->setCurrentIndex(1);
    QCOMPARE(d.ImageNumber(), 33);
    Box(d, "ComboBox13")->setCurrentIndex(2);  // Z: no reference at all
    QVERIFY(!ref->isVisibleTo(&d));
    QVERIFY(!HasLabel(d, "Kuorman sijainti:"));
    QCOMPARE(d.ImageNumber(), 23);
    Box(d, "ComboBox13")->setCurrentIndex(1);
    ref->setCurrentIndex(1);
    QCOMPARE(OkMessage(d), std::string());
    QCOMPARE(Loads().RefLength(0), 2);
    QCOMPARE(Loads().Direction(0), 2);
  }

  void snowPresetNeedsTheExactNameAndASlope() {
    Loads().Cases().SetText(kCaseLumi, 0, "lumikuorma");
    TKuormatFRM lower(Ui(), kCaseLumi, KuormaVektori::kSurface, -1);
    QCOMPARE(Box(lower, "ComboBox24")->currentIndex(), 0);
    Loads().Cases().SetText(kCaseLumi, 0, "Lumikuorma");
    project_->Member.Angle = 90.0;
    TKuormatFRM column(Ui(), kCaseLumi, KuormaVektori::kSurface, -1);
    QCOMPARE(Box(column, "ComboBox24")->currentIndex(), 0);
  }

  void surfaceLoadIsStoredPerSquareMillimetre() {
    TKuormatFRM d(Ui(), kCaseHyoty, KuormaVektori::kSurface, -1);
    auto* tabs = Child<QTabWidget>(d, "PageControl1");
    QVERIFY(tabs->isTabVisible(2) && !tabs->isTabVisible(0) && !tabs->isTabVisible(1));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Pintakuormat"));
    QCOMPARE(Box(d, "ComboBox22")->currentText(), QStringLiteral("Voima [kN/m2]"));
    QVERIFY(HasLabel(d, "Kuorman ominaisarvo Q1 [kN/m2]:"));
    QCOMPARE(Box(d, "ComboBox27")->currentText(), QStringLiteral("-1.0"));
    QCOMPARE(OkMessage(d), std::string());
    QCOMPARE(Loads().Kind(0), KuormaVektori::kSurface);
    QVERIFY(std::fabs(Loads().Q1(0) + 0.001) < 1e-12);
    QVERIFY(std::fabs(Loads().Q2(0) + 0.001) < 1e-12);
    QCOMPARE(Loads().X2(0), 6000.0);
  }

  void valueListOffersTheValuesInUse() {
    Loads().AddLoad("F", kCaseHyoty, KuormaVektori::kPoint, 2, 1, -2500.0, 0.0, 500.0, 0.0);
    TKuormatFRM d(Ui(), kCaseOmapaino, KuormaVektori::kPoint, -1);
    QComboBox* values = Box(d, "ComboBox5");
    QVERIFY(values->findText(QStringLiteral("-2.500")) >= 0);
    QCOMPARE(values->itemText(0), QStringLiteral("-1.000"));
    QCOMPARE(values->currentText(), QStringLiteral("-1.0"));
  }

  // One Enter stores the values the fields show, after an earlier trapezoid put its values
  // (1.5 and 4.5 kN/m) in the value lists: a Q1 typed alone stays uniform, a Q2 shown or
  // typed stays as shown.
  void enterStoresWhatTheFieldsShow_data() {
    QTest::addColumn<QStringList>("keys");  // text typed into the focused field, or "Tab"
    QTest::addColumn<double>("q1");
    QTest::addColumn<double>("q2");
    QTest::newRow("Q1") << QStringList{"-3"} << -3.0 << -3.0;
    QTest::newRow("Q1 listan alku") << QStringList{"4"} << 4.0 << 4.0;
    QTest::newRow("Q1, Tab") << QStringList{"-3", "Tab"} << -3.0 << -3.0;
    QTest::newRow("Q1, Tab, Q2") << QStringList{"-3", "Tab", "-6"} << -3.0 << -6.0;
    QTest::newRow("Q1, Tab, Q2 listan alku") << QStringList{"-3", "Tab", "1"} << -3.0 << 1.0;
  }
  void enterStoresWhatTheFieldsShow() {
    QFETCH(QStringList, keys);
    QFETCH(double, q1);
    QFETCH(double, q2);
    Loads().AddLoad("tuuli", kCaseHyoty, KuormaVektori::kLine, 2, 1, 1.5, 4.5, 0.0, 3000.0);
    TKuormatFRM d(Ui(), kCaseOmapaino, KuormaVektori::kLine, -1);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    Box(d, "ComboBox17")->setFocus();
    Box(d, "ComboBox17")->lineEdit()->selectAll();
    for (const QString& key : keys) {
      if (key == QStringLiteral("Tab"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      else
        QTest::keyClicks(QApplication::focusWidget(), key);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(messages_.shown.empty());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const int i = Loads().FirstLoad(kCaseOmapaino, KuormaVektori::kLine);
    QVERIFY(i >= 0);
    QCOMPARE(Loads().Q1(i), q1);  // kN/m is N/mm
    QCOMPARE(Loads().Q2(i), q2);
  }

  void helpUsesTheContextOfTheKind() {
    for (qv::LoadKind kind : qv::kLoadKinds) {
      TKuormatFRM d(Ui(), 0, kind, -1);
      d.HelpClicked();
    }
    QCOMPARE(help_.Requests().size(), std::size_t(3));
    QCOMPARE(help_.Requests()[0].context, 331);
    QCOMPARE(help_.Requests()[2].context, 333);
  }
};

QTEST_MAIN(KuormaDialogTest)
#include "test_kuormitus_dialogi.moc"
