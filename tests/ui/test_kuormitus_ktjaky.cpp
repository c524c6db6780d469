// The load case and combination dialog: lists, buttons acting on the project at once, their messages and the closing rule.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

#include "UiTestSupport.h"
#include "project/QELVUX_data.h"
#include "ui/TKTjaKYFRM.h"

using namespace qv;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

class KTjaKYDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  RecordingHelp help_;

  UiContext Ui() { return UiContext{project_.get(), &messages_, nullptr, &help_}; }
  KuormaVektori& Loads() { return project_->Loads; }
  KuormaYhdVektori& Combinations() { return project_->Loads.Combinations(); }
  template <typename T>
  static T* Child(QDialog& d, const char* name) {
    T* w = d.findChild<T*>(QLatin1String(name));
    if (!w) qFatal("no child %s", name);
    return w;
  }
  static void Click(QDialog& d, const char* button) {
    QTest::mouseClick(Child<QPushButton>(d, button), Qt::LeftButton);
  }
  static void TypeName(QDialog& d, const QString& name) {
    QLineEdit* edit = Child<QComboBox>(d, "KTnimiCB")->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, name);
  }
  static QTableWidget* Grid(QDialog& d) { return Child<QTableWidget>(d, "StringGrid1"); }
  static void SetCell(QDialog& d, int row, const char* text) {
    Grid(d)->item(row, 1)->setText(QString::fromUtf8(text));
  }
  // The single message shown by the last action, "" for none.
  std::string Shown() {
    if (messages_.shown.empty()) return std::string();
    const std::string text = messages_.shown.size() == 1 ? messages_.shown[0].caption + ": " +
                                                               messages_.shown[0].text
                                                         : "several";
    messages_.shown.clear();
    return text;
  }
  static void ToCombinations(QDialog& d) {
    Child<QTabWidget>(d, "PageControl1")->setCurrentIndex(1);
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    messages_ = RecordingMessages();
    help_ = RecordingHelp();
    QCOMPARE(Loads().Cases().Count(), 4);
    QCOMPARE(Combinations().CombinationCount(), 4);
  }

  void opensOnTheCasePageWithItsLists() {
    TKTjaKYFRM d(Ui());
    QCOMPARE(d.windowTitle(), QString::fromUtf8("Kuormitustapaukset ja -yhdistelmät"));
    auto* pages = Child<QTabWidget>(d, "PageControl1");
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(pages->tabText(0), QStringLiteral("Kuormitustapaukset"));
    QCOMPARE(pages->tabText(1), QString::fromUtf8("Kuormitusyhdistelmät"));
    QVERIFY(!pages->isTabVisible(2));
    auto* names = Child<QComboBox>(d, "KTnimiCB");
    QCOMPARE(names->count(), 4);
    QCOMPARE(names->itemText(2), QStringLiteral("Lumikuorma ?"));
    const auto classes = project_->Materials.DurationClassNames(project_->DesignCode);
    QVERIFY(!classes.empty());
    QCOMPARE(Child<QComboBox>(d, "KTaikaluokkaCB")->count(), int(classes.size()));
    auto* list = Child<QListWidget>(d, "KTlistaLB");
    QCOMPARE(list->count(), 4);
    QVERIFY(list->item(1)->text().startsWith(QString::fromUtf8("Hyötykuorma (")));
    const char* captions[7] = {"<- 0.00", "<- 0.50", "<- 0.80", "<- 0.90",
                               "<- 1.00", "<- 1.20", "<- 1.60"};
    for (int i = 0; i < 7; ++i) {
      auto* b = Child<QPushButton>(d, QStringLiteral("Kerroin%1BTN").arg(i + 1).toLatin1().constData());
      QCOMPARE(b->text(), QString::fromLatin1(captions[i]));
      QVERIFY(!b->isHidden());
    }
  }

  void eurocodeHasItsOwnFactorButtons() {
    project_->DesignCode = 3;
    TKTjaKYFRM d(Ui());
    QCOMPARE(Child<QPushButton>(d, "Kerroin3BTN")->text(), QStringLiteral("<- 0.75"));
    QCOMPARE(Child<QPushButton>(d, "Kerroin5BTN")->text(), QStringLiteral("<- 1.05"));
    QCOMPARE(Child<QPushButton>(d, "Kerroin7BTN")->text(), QStringLiteral("<- 1.50"));
  }

  void addingTheSameCaseTwiceIsRefused() {
    TKTjaKYFRM d(Ui());
    auto* list = Child<QListWidget>(d, "KTlistaLB");
    TypeName(d, QStringLiteral("Lumikuorma ?"));
    Child<QComboBox>(d, "KTaikaluokkaCB")->setCurrentIndex(2);
    Click(d, "LisaaNappi_KT");
    QCOMPARE(Shown(), std::string());
    QCOMPARE(Loads().Cases().Count(), 5);  // at once, before OK
    QCOMPARE(QString::fromStdString(Loads().Cases().Name(4)), QStringLiteral("Lumikuorma ?"));
    QCOMPARE(Loads().Cases().DurationClass(4), 2);
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->currentRow(), 4);
    Click(d, "LisaaNappi_KT");
    QCOMPARE(Shown(), std::string("VIRHE: Samanniminen on jo olemassa!"));
    QCOMPARE(Loads().Cases().Count(), 5);
    TypeName(d, QString());
    Click(d, "LisaaNappi_KT");  // an empty name adds nothing, silently
    QCOMPARE(Shown(), std::string());
    QCOMPARE(Loads().Cases().Count(), 5);
  }

  void savingACaseCountsOnlyOtherCasesAsDuplicates() {
    TKTjaKYFRM d(Ui());
    auto* list = Child<QListWidget>(d, "KTlistaLB");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(Child<QComboBox>(d, "KTnimiCB")->currentText(), QString::fromUtf8("Hyötykuorma"));
    Click(d, "MuutaNappi_KT");  // its own name
    QCOMPARE(Shown(), std::string());
    TypeName(d, QStringLiteral("Omapaino"));
    Click(d, "MuutaNappi_KT");
    QCOMPARE(Shown(), std::string("VIRHE: Samanniminen on jo olemassa!"));
    QCOMPARE(QString::fromStdString(Loads().Cases().Name(1)), QString::fromUtf8("Hyötykuorma"));
    TypeName(d, QStringLiteral("Varasto"));
    Child<QComboBox>(d, "KTaikaluokkaCB")->setCurrentIndex(0);
    Click(d, "MuutaNappi_KT");
    QCOMPARE(Shown(), std::string());
    QCOMPARE(QString::fromStdString(Loads().Cases().Name(1)), QStringLiteral("Varasto"));
    QCOMPARE(Loads().Cases().DurationClass(1), 0);
    QVERIFY(list->item(1)->text().startsWith(QStringLiteral("Varasto (")));
  }

  void deletingCasesTakesTheirLoadsAndStopsAtTheLast() {
    Loads().AddLoad("a", 1, 1, 2, 1, -1000.0, 0.0, 100.0, 0.0);
    Loads().AddLoad("b", 2, 1, 2, 1, -2000.0, 0.0, 200.0, 0.0);
    TKTjaKYFRM d(Ui());
    d.CaseEntryClicked(1);
    Click(d, "PoistaNappi_KT");
    QCOMPARE(Shown(), std::string());
    QCOMPARE(Loads().Cases().Count(), 3);
    QCOMPARE(Loads().Count(), 1);
    QCOMPARE(Loads().LoadCase(0), 1);  // "b" moved up with its case
    QCOMPARE(Child<QListWidget>(d, "KTlistaLB")->currentRow(), 1);
    Click(d, "PoistaNappi_KT");
    Click(d, "PoistaNappi_KT");
    QCOMPARE(Loads().Cases().Count(), 1);
    Click(d, "PoistaNappi_KT");
    QCOMPARE(Shown(), std::string(u8"HUOMIO: Viimeistä kuormitustapausta ei voi poistaa!"));
    QCOMPARE(Loads().Cases().Count(), 1);
  }

  void combinationPageShowsKindsFactorsAndTheLimitPanel() {
    TKTjaKYFRM d(Ui());
    d.show();
    ToCombinations(d);
    auto* names = Child<QComboBox>(d, "KYnimiCB");
    QCOMPARE(names->count(), 4);
    QCOMPARE(names->itemText(0), QStringLiteral("KY1"));
    auto* kind = Child<QComboBox>(d, "KYmitoitustapaCB");
    QCOMPARE(kind->currentText(), QString::fromUtf8("Jännitystarkastelu"));
    QCOMPARE(Grid(d)->rowCount(), 4);
    QCOMPARE(Grid(d)->columnWidth(0), 230);
    QCOMPARE(Grid(d)->item(0, 1)->text(), QStringLiteral("1.20"));
    QVERIFY(Grid(d)->item(3, 0)->text().startsWith(QStringLiteral("Tuulikuorma (")));
    QVERIFY(!Child<QRadioButton>(d, "RadioButton1")->isVisible());

    names->setCurrentIndex(2);  // KY3, deflections
    QCOMPARE(kind->currentText(), QString::fromUtf8("Siirtymätarkastelu"));
    QCOMPARE(Grid(d)->item(3, 1)->text(), QStringLiteral("0.50"));
    QVERIFY(Child<QRadioButton>(d, "RadioButton1")->isVisible());
    QVERIFY(Child<QRadioButton>(d, "RadioButton1")->isChecked());
    QVERIFY(!Child<QComboBox>(d, "KYsallUCB")->isEnabled());
    QCOMPARE(Child<QComboBox>(d, "KYsallUCB")->currentText(), QString());

    kind->setCurrentIndex(2);  // "Ei mitoitusta" hides the panel
    QVERIFY(!Child<QRadioButton>(d, "RadioButton2")->isVisible());
    d.HelpClicked();
    QCOMPARE(help_.Requests().back().context, 336);
  }

  void factorButtonsAndSavingTheGrid() {
    TKTjaKYFRM d(Ui());
    ToCombinations(d);
    Grid(d)->setCurrentCell(1, 1);
    Click(d, "Kerroin7BTN");
    QCOMPARE(Grid(d)->item(1, 1)->text(), QStringLiteral("1.60"));
    Grid(d)->setCurrentCell(3, 1);
    Click(d, "Kerroin1BTN");
    QCOMPARE(Grid(d)->item(3, 1)->text(), QStringLiteral("0.00"));
    SetCell(d, 0, "1,35");  // comma accepted
    SetCell(d, 2, "abc");
    Click(d, "MuutaNappi_KY");
    const std::string entry = Grid(d)->item(2, 0)->text().toStdString();
    QCOMPARE(Shown(), "VIRHE: " + entry);
    QCOMPARE(Combinations().Factor(0, 0), 1.2);  // nothing saved
    QCOMPARE(Grid(d)->item(2, 1)->text(), QStringLiteral("abc"));  // kept for correcting
    SetCell(d, 2, "-0.5");
    Click(d, "MuutaNappi_KY");
    QCOMPARE(Shown(), std::string());
    QCOMPARE(Combinations().Factor(0, 0), 1.35);
    QCOMPARE(Combinations().Factor(0, 1), 1.6);
    QCOMPARE(Combinations().Factor(0, 2), -0.5);
    QCOMPARE(Combinations().Factor(0, 3), 0.0);
    QCOMPARE(Grid(d)->item(0, 1)->text(), QStringLiteral("1.35"));
  }

  void ownAllowableDisplacementIsCheckedAndStoredNegative() {
    {
      TKTjaKYFRM d(Ui());
      ToCombinations(d);
      Child<QComboBox>(d, "KYnimiCB")->setCurrentIndex(2);
      QTest::mouseClick(Child<QRadioButton>(d, "RadioButton2"), Qt::LeftButton);
      auto* limit = Child<QComboBox>(d, "KYsallUCB");
      QVERIFY(limit->isEnabled());
      QCOMPARE(limit->currentText(), QStringLiteral("?"));
      Click(d, "MuutaNappi_KY");
      QCOMPARE(Shown(), std::string(u8"VIRHE: KY:n oma sallittu siirtymä = ?"));
      limit->setCurrentText(QStringLiteral("12,0"));
      Click(d, "MuutaNappi_KY");
      QCOMPARE(Shown(), std::string());
    }
    const int c = Combinations().NthCombinationOfKind(KuormaYhdVektori::kDeflection, 0);
    QCOMPARE(c, 2);
    QCOMPARE(Combinations().Value(Combinations().HeaderRow(c)), -12.0);
    QCOMPARE(Combinations().OwnDeflectionLimit(c), 12.0);
    TKTjaKYFRM again(Ui());
    ToCombinations(again);
    Child<QComboBox>(again, "KYnimiCB")->setCurrentIndex(2);
    QVERIFY(Child<QRadioButton>(again, "RadioButton2")->isChecked());
    QCOMPARE(Child<QComboBox>(again, "KYsallUCB")->currentText(), QStringLiteral("12.00"));
  }

  void addingAndDeletingCombinations() {
    TKTjaKYFRM d(Ui());
    ToCombinations(d);
    Child<QComboBox>(d, "KYmitoitustapaCB")->setCurrentIndex(1);
    Click(d, "LisaaNappi_KY");
    QCOMPARE(Combinations().CombinationCount(), 5);
    auto* names = Child<QComboBox>(d, "KYnimiCB");
    QCOMPARE(names->currentText(), QStringLiteral("KY5"));
    QCOMPARE(Child<QComboBox>(d, "KYmitoitustapaCB")->currentIndex(), 1);
    for (int i = 0; i < 4; ++i) Click(d, "PoistaNappi_KY");
    QCOMPARE(Shown(), std::string());
    QCOMPARE(Combinations().CombinationCount(), 1);
    Click(d, "PoistaNappi_KY");
    QCOMPARE(Shown(), std::string(u8"HUOMIO: Viimeistä kuormitusyhdistelmää ei voi poistaa!"));
    QCOMPARE(Combinations().CombinationCount(), 1);
  }

  // Without both a stress and a deflection combination no way out closes the dialog.
  void closingNeedsBothDesignKinds() {
    TKTjaKYFRM d(Ui());
    d.show();
    ToCombinations(d);
    auto* names = Child<QComboBox>(d, "KYnimiCB");
    names->setCurrentIndex(3);
    Click(d, "PoistaNappi_KY");  // KY4
    names->setCurrentIndex(2);
    Click(d, "PoistaNappi_KY");  // KY3, the last deflection combination: allowed
    QCOMPARE(Shown(), std::string());
    const std::string refusal =
        u8"VIRHE: Mallissa täytyy olla vähintään 1 jännitys- ja siirtymätarkasteluyhdistelmä!";
    Click(d, "OKbutton");
    QCOMPARE(Shown(), refusal);
    QVERIFY(d.isVisible());
    Click(d, "CANCELbutton");
    QCOMPARE(Shown(), refusal);
    QVERIFY(d.isVisible());
    d.close();  // the close box
    QCOMPARE(Shown(), refusal);
    QVERIFY(d.isVisible());
    QTest::keyClick(&d, Qt::Key_Escape);
    QCOMPARE(Shown(), refusal);
    QVERIFY(d.isVisible());

    names->setCurrentIndex(1);  // KY2 becomes a deflection combination
    Child<QComboBox>(d, "KYmitoitustapaCB")->setCurrentIndex(1);
    Click(d, "MuutaNappi_KY");
    Click(d, "CANCELbutton");  // changes stay: they were made at once
    QCOMPARE(Shown(), std::string());
    QVERIFY(!d.isVisible());
    QCOMPARE(Combinations().NthCombinationOfKind(KuormaYhdVektori::kDeflection, 0) >= 0, true);
  }

  void helpOnTheCasePage() {
    TKTjaKYFRM d(Ui());
    d.HelpClicked();
    QCOMPARE(help_.Requests().size(), std::size_t(1));
    QCOMPARE(help_.Requests()[0].context, 335);
  }
};

QTEST_MAIN(KTjaKYDialogTest)
#include "test_kuormitus_ktjaky.moc"
