// The load case and combination dialog: lists, buttons acting on the project at once, their
// messages and the closing rule.
#include <QApplication>
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
    const std::string text = messages_.shown.size() == 1
                                 ? messages_.shown[0].caption + ": " + messages_.shown[0].text
                                 : "several";
    messages_.shown.clear();
    return text;
  }
  // Every load, load case and combination as its record line, and the load page's choices.
  QStringList Records() {
    QStringList lines;
    const QELvektori* parts[3] = {&Loads(), &Loads().Cases(), &Combinations()};
    for (const QELvektori* part : parts) {
      for (int i = 0; i < part->Count(); ++i)
        lines << QString::fromStdString(part->FormatRecord(i));
      lines << QStringLiteral("--");
    }
    lines << QString::number(Loads().CurrentIndex) << QString::number(Loads().VisibleCase);
    return lines;
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
      auto* b =
          Child<QPushButton>(d, QStringLiteral("Kerroin%1BTN").arg(i + 1).toLatin1().constData());
      QCOMPARE(b->text(), QString::fromLatin1(captions[i]));
      QVERIFY(!b->isHidden());
    }
  }

  void eurocodeHasItsOwnFactorButtons() {
    project_->DesignCode = qv::DesignCode::kEc5Env;
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
    Loads().AddLoad("a", 1, KuormaVektori::kPoint, 2, 1, -1000.0, 0.0, 100.0, 0.0);
    Loads().AddLoad("b", 2, KuormaVektori::kPoint, 2, 1, -2000.0, 0.0, 200.0, 0.0);
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
    QCOMPARE(Shown(), "VIRHE: " + entry + ": anna luku väliltä -1000 … 1000");
    QCOMPARE(Combinations().Factor(0, 0), 1.2);                    // nothing saved
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

  // OK closes only while there is a stress and a deflection combination; the kind chosen on
  // the page counts without "Tallenna muutokset".
  void okNeedsBothDesignKinds() {
    TKTjaKYFRM d(Ui());
    d.show();
    ToCombinations(d);
    auto* names = Child<QComboBox>(d, "KYnimiCB");
    names->setCurrentIndex(3);
    Click(d, "PoistaNappi_KY");  // KY4
    names->setCurrentIndex(2);
    Click(d, "PoistaNappi_KY");  // KY3, the last deflection combination: allowed
    QCOMPARE(Shown(), std::string());
    Click(d, "OKbutton");
    QCOMPARE(Shown(), std::string(u8"VIRHE: Mallissa täytyy olla vähintään 1 jännitys- ja "
                                  u8"siirtymätarkasteluyhdistelmä!"));
    QVERIFY(d.isVisible());
    names->setCurrentIndex(1);
    Child<QComboBox>(d, "KYmitoitustapaCB")->setCurrentIndex(1);  // KY2 for deflections
    Click(d, "OKbutton");
    QCOMPARE(Shown(), std::string());
    QVERIFY(!d.isVisible());
    QVERIFY(Combinations().DesignKind(1) == KuormaYhdVektori::kDeflection);
  }

  // A factor typed into the grid and not yet saved is kept by OK (clicked while the cell is
  // still being edited, or Enter ending the cell and a second Enter), by choosing another
  // combination and by going to the load-case page; a value that does not read keeps the
  // grid where it is with the value there to mend, and the message names the case and the
  // range.
  void typedFactorIsKeptWhereverTheGridIsLeft_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("leave");  // OK, Enter, toinen (combination), sivu (case page)
    QTest::addColumn<double>("stored");  // -1: refused, the factor stays
    QTest::newRow("pilkku, OK") << 0 << "1,35"
                                << "OK" << 1.35;
    QTest::newRow("piste, Enter") << 3 << "0.7"
                                  << "Enter" << 0.7;
    QTest::newRow("nolla, OK") << 1 << "0"
                               << "OK" << 0.0;
    QTest::newRow("kirjaimia, OK") << 2 << "abc"
                                   << "OK" << -1.0;
    QTest::newRow("liian suuri, Enter") << 2 << "1001"
                                        << "Enter" << -1.0;
    QTest::newRow("toinen yhdistelmä") << 0 << "1.1"
                                       << "toinen" << 1.1;
    QTest::newRow("kirjaimia, toinen yhdistelmä") << 0 << "x"
                                                  << "toinen" << -1.0;
    QTest::newRow("kuormitustapaukset") << 1 << "0.4"
                                        << "sivu" << 0.4;
    QTest::newRow("kirjaimia, kuormitustapaukset") << 1 << "x"
                                                   << "sivu" << -1.0;
  }
  void typedFactorIsKeptWhereverTheGridIsLeft() {
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, leave);
    QFETCH(double, stored);
    const double before = Combinations().Factor(0, row);
    TKTjaKYFRM d(Ui());
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    ToCombinations(d);
    QTableWidget* grid = Grid(d);
    grid->setCurrentCell(row, 1);
    grid->editItem(grid->item(row, 1));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row, 1)));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    const bool closes = leave == QStringLiteral("OK") || leave == QStringLiteral("Enter");
    if (leave == QStringLiteral("Enter")) {
      QTest::keyClick(editor, Qt::Key_Return);
      QCoreApplication::processEvents();  // the cell is closed before the next key
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else if (leave == QStringLiteral("OK")) {
      Click(d, "OKbutton");
    } else {
      QTest::keyClick(editor, Qt::Key_Return);
      QCoreApplication::processEvents();
      if (leave == QStringLiteral("toinen"))
        d.findChild<QComboBox*>(QStringLiteral("KYnimiCB"))->setCurrentIndex(1);
      else
        d.findChild<QTabWidget*>()->setCurrentIndex(0);
    }
    if (stored >= 0.0) {
      QCOMPARE(Shown(), std::string());
      QCOMPARE(d.isVisible(), !closes);
      if (closes) QCOMPARE(d.result(), int(QDialog::Accepted));
      QCOMPARE(Combinations().Factor(0, row), stored);
    } else {
      QCOMPARE(Shown(), "VIRHE: " + grid->item(row, 0)->text().toStdString() +
                            ": anna luku väliltä -1000 … 1000");
      QVERIFY(d.isVisible());
      QCOMPARE(grid->item(row, 1)->text(), typed);  // there to mend
      QCOMPARE(d.findChild<QComboBox*>(QStringLiteral("KYnimiCB"))->currentIndex(), 0);
      QCOMPARE(d.findChild<QTabWidget*>()->currentIndex(), 1);
      QCOMPARE(Combinations().Factor(0, row), before);
    }
  }

  // Peruuta, Esc and the close box put back the cases, combinations and loads as they were
  // when the dialog opened, whatever its buttons stored meanwhile (removing a case removes
  // its loads and renumbers the later ones), even where OK would be refused.
  void cancelPutsBackWhatWasThere_data() {
    QTest::addColumn<QStringList>(
        "steps");  // a button's name, or kt<i> / ky<i> / nimi:<t> / solu<r>:<t>
    QTest::addColumn<QString>("close");
    QTest::newRow("uusi KT, Peruuta") << QStringList{"nimi:Varasto", "LisaaNappi_KT"} << "button";
    QTest::newRow("KT kuormineen pois, Esc") << QStringList{"kt1", "PoistaNappi_KT"} << "esc";
    QTest::newRow("KT uudelle nimelle, sulkuruksi")
        << QStringList{"kt2", "nimi:Lumi 2", "MuutaNappi_KT"} << "box";
    QTest::newRow("KY lisätty ja KY1 pois, Peruuta")
        << QStringList{"LisaaNappi_KY", "ky0", "PoistaNappi_KY"} << "button";
    QTest::newRow("KY tallennettu, Esc")
        << QStringList{"ky1", "solu0:2,0", "MuutaNappi_KY"} << "esc";
    QTest::newRow("siirtymä-KY:t pois, Peruuta")
        << QStringList{"ky3", "PoistaNappi_KY", "ky2", "PoistaNappi_KY"} << "button";
  }
  void cancelPutsBackWhatWasThere() {
    QFETCH(QStringList, steps);
    QFETCH(QString, close);
    Loads().AddLoad("a", 1, KuormaVektori::kPoint, 2, 1, -1000.0, 0.0, 100.0, 0.0);
    Loads().AddLoad("b", 2, KuormaVektori::kLine, 2, 1, -2.0, -3.0, 0.0, 2000.0);
    Loads().AddLoad("c", 3, KuormaVektori::kPoint, 1, 1, 500.0, 0.0, 6000.0, 0.0);
    Loads().CurrentIndex = 1;
    Loads().VisibleCase = 2;
    const QStringList before = Records();
    TKTjaKYFRM d(Ui());
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    for (const QString& step : steps) {
      if (step.startsWith(QStringLiteral("kt"))) {
        d.CaseEntryClicked(step.mid(2).toInt());
      } else if (step.startsWith(QStringLiteral("ky"))) {
        ToCombinations(d);
        Child<QComboBox>(d, "KYnimiCB")->setCurrentIndex(step.mid(2).toInt());
      } else if (step.startsWith(QStringLiteral("nimi:"))) {
        TypeName(d, step.mid(5));
      } else if (step.startsWith(QStringLiteral("solu"))) {
        SetCell(d, step.mid(4, 1).toInt(), step.mid(6).toUtf8().constData());
      } else {
        if (step.endsWith(QStringLiteral("_KY"))) ToCombinations(d);
        Click(d, step.toLatin1().constData());
      }
    }
    QCOMPARE(Shown(), std::string());
    QVERIFY(Records() != before);  // the buttons did store at once
    if (close == "button")
      Click(d, "CANCELbutton");
    else if (close == "esc")
      QTest::keyClick(&d, Qt::Key_Escape);
    else
      d.close();
    QCOMPARE(Shown(), std::string());
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(Records(), before);
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
