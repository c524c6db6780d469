// The design settings dialog and the section library dialog driven through their inputs.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "UiTestSupport.h"
#include "model/TextCodec.h"
#include "project/QELVUX_data.h"
#include "ui/DesignPage.h"
#include "ui/TMitAseFRM.h"
#include "ui/TProfiilitFRM.h"
#include "ui/TpaaikkunaFRM.h"

using namespace qv;
using qv::test::FakeFileDialogs;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

class MitoitusDialogitTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  FakeFileDialogs files_;
  RecordingHelp help_;
  std::unique_ptr<QTemporaryDir> dir_;

  UiContext Ui() { return UiContext{project_.get(), &messages_, &files_, &help_}; }
  template <class T>
  static T* Find(QWidget* dialog, const char* name) {
    T* w = dialog->findChild<T*>(QLatin1String(name));
    if (!w) qFatal("no %s", name);
    return w;
  }
  static void Type(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
  }
  // Radio buttons are clicked on their indicator, as a user does (the widget may be wider than
  // its text, and only the indicator and the text take a click).
  static void Choose(QRadioButton* radio) {
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
  }
  static void Type(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  // The error shown last is the text, or the text followed by the range it must lie in
  // (whose numbers the settings' own tests check).
  bool LastError(const std::string& text) {
    if (messages_.shown.empty() || messages_.shown.back().caption != "VIRHE") return false;
    const std::string& shown = messages_.shown.back().text;
    return shown == text || shown.rfind(text + " anna luku väliltä ", 0) == 0;
  }
  // A dialog on a page, shown, with the project at a code.
  std::unique_ptr<TMitAseFRM> Settings(int page, qv::DesignCode code) {
    project_->DesignCode = code;
    auto d = std::make_unique<TMitAseFRM>(Ui(), page);
    d->show();
    return d;
  }
  // A library file of the temporary folder with the lines given.
  std::string Library(const char* name, const std::vector<std::string>& lines) {
    const std::string path = dir_->filePath(QLatin1String(name)).toStdString();
    if (!qv::WriteTextFileLines(path, lines)) qFatal("cannot write %s", name);
    return path;
  }
  static QStringList Names(QListWidget* list) {
    QStringList l;
    for (int i = 0; i < list->count(); ++i) l << list->item(i)->text();
    return l;
  }
  static void Fill(QWidget* d, const QString& name, int shape, const QString& p1,
                   const QString& p2) {
    Type(Find<QLineEdit>(d, "Edit1"), name);
    Find<QComboBox>(d, "ComboBox1")->setCurrentIndex(shape);
    Type(Find<QLineEdit>(d, "Parametri1E"), p1);
    if (shape == 0) Type(Find<QLineEdit>(d, "Parametri2E"), p2);
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    project_->Member.Length = 6000.0;
    messages_ = RecordingMessages();
    files_ = FakeFileDialogs();
    dir_ = std::make_unique<QTemporaryDir>();
  }

  // ---- Settings dialog ----

  void onlyThePageOpenedIsVisible() {
    const char* captions[] = {"Nurjahdusasetukset", "Kiepahdusasetukset", "Sallitut siirtymät",
                              "Jännitystarkastelu"};
    for (int page = 1; page <= 4; ++page) {
      auto d = Settings(page, qv::DesignCode::kLimitState);
      QCOMPARE(d->windowTitle(), QStringLiteral("Mitoitusasetukset"));
      for (int i = 0; i < 4; ++i) QCOMPARE(d->PageControl1()->isTabVisible(i), i == page - 1);
      QCOMPARE(d->PageControl1()->currentIndex(), page - 1);
      QCOMPARE(d->PageControl1()->tabText(page - 1), QString::fromUtf8(captions[page - 1]));
      QTest::mouseClick(Find<QPushButton>(d.get(), "OhjeButton"), Qt::LeftButton);
      const int contexts[] = {342, 343, 344, 341};
      QCOMPARE(help_.Requests().back().context, contexts[page - 1]);
    }
  }

  void bucklingPageModesAndLengths() {
    auto d = Settings(1, qv::DesignCode::kLimitState);
    QWidget* w = d.get();
    auto* factor = Find<QComboBox>(w, "NurjKerrYCB");
    auto* lc = Find<QComboBox>(w, "LcYCB");
    QVERIFY(Find<QRadioButton>(w, "YnurjKerroinRB")->isChecked());
    QCOMPARE(factor->currentText(), QStringLiteral("1.00"));
    QVERIFY(factor->isEnabled());
    QVERIFY(!lc->isEnabled());
    QCOMPARE(Find<QComboBox>(w, "EpakYCB")->currentText(), QStringLiteral("L/400"));
    QVERIFY(Find<QComboBox>(w, "EpakZCB")->isVisible());
    QVERIFY(Find<QCheckBox>(w, "YnurjCheck")->isChecked());
    QVERIFY(!Find<QCheckBox>(w, "ZnurjCheck")->isChecked());

    // The length mode offers the member length; a buckling length of 50 mm is refused.
    Choose(Find<QRadioButton>(w, "YnurjPituusRB"));
    QVERIFY(lc->isEnabled());
    QVERIFY(!factor->isEnabled());
    QCOMPARE(lc->currentText(), QStringLiteral("6000"));
    Type(lc, QStringLiteral("50"));
    Find<QComboBox>(w, "EpakYCB")->setCurrentIndex(4);  // L/250
    QVERIFY(!d->OkClicked());
    QVERIFY(LastError("Nurjahduspituus Lc [mm]:"));
    QVERIFY(d->isVisible());
    QCOMPARE(project_->Settings.YnurjTapa, 1);  // nothing stored
    QCOMPARE(project_->Settings.EpakY, 400.0);
    QCOMPARE(lc->currentText(), QStringLiteral("50"));  // what was typed stays

    Type(lc, QStringLiteral("100"));
    Type(Find<QComboBox>(w, "NurjKerrZCB"), QStringLiteral("0,7"));
    QTest::mouseClick(Find<QPushButton>(w, "OKbutton"), Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(project_->Settings.YnurjTapa, 2);
    QCOMPARE(project_->Settings.LcY, 100.0);
    QCOMPARE(project_->Settings.EpakY, 250.0);
    QCOMPARE(project_->Settings.NurjKerrZ, 0.7);

    // Back to the factor mode: the factor box starts from 1.00; a bad factor is named.
    auto again = Settings(1, qv::DesignCode::kLimitState);
    QCOMPARE(Find<QComboBox>(again.get(), "LcYCB")->currentText(), QStringLiteral("100.0"));
    Choose(Find<QRadioButton>(again.get(), "YnurjKerroinRB"));
    QCOMPARE(Find<QComboBox>(again.get(), "NurjKerrYCB")->currentText(), QStringLiteral("1.00"));
    Type(Find<QComboBox>(again.get(), "NurjKerrYCB"), QStringLiteral("x"));
    QVERIFY(!again->OkClicked());
    QVERIFY(LastError("Kerroin:"));
  }

  void eccentricityIsHiddenUnderEc5() {
    auto d = Settings(1, qv::DesignCode::kEc5Env);
    for (const char* name : {"EpakYCB", "EpakZCB"})
      QVERIFY(!Find<QComboBox>(d.get(), name)->isVisible());
    int shownLabels = 0;
    for (QLabel* l : d->findChildren<QLabel*>())
      if (l->text() == QString::fromUtf8("Epäkeskisyys:") && l->isVisible()) ++shownLabels;
    QCOMPARE(shownLabels, 0);
    QVERIFY(d->OkClicked());
    QCOMPARE(project_->Settings.EpakY, 400.0);
  }

  void lateralTorsionalPagePerCode() {
    auto d = Settings(2, qv::DesignCode::kLimitState);
    QWidget* w = d.get();
    auto* lk = Find<QComboBox>(w, "LkCB");
    auto* k = Find<QComboBox>(w, "Kk1CB");
    QVERIFY(Find<QRadioButton>(w, "KiepahdusTuentaVali2RB")->isChecked());
    QVERIFY(!lk->isEnabled());
    QCOMPARE(lk->currentText(), QStringLiteral("6000.0"));
    QCOMPARE(lk->count(), 10);
    QCOMPARE(lk->itemText(0), QStringLiteral("600.0"));
    QCOMPARE(k->currentText(), QStringLiteral("0.075"));
    QCOMPARE(k->count(), 6);
    QVERIFY(!w->findChildren<QLabel*>().isEmpty());
    bool label = false, source = false;
    for (QLabel* l : w->findChildren<QLabel*>()) {
      label = label || l->text() == QStringLiteral("k_k1:");
      source = source || l->text() == QStringLiteral("(RakMK B10, s. 8)");
    }
    QVERIFY(label && source);

    Type(k, QStringLiteral("2"));
    QVERIFY(!d->OkClicked());
    QVERIFY(LastError("k_k1:"));
    Choose(Find<QRadioButton>(w, "KiepahdusTuentaVali1RB"));
    QVERIFY(lk->isEnabled());
    QCOMPARE(lk->currentText(), QStringLiteral("6000"));
    Type(lk, QStringLiteral("0,5"));
    Type(k, QStringLiteral("0,5"));
    QVERIFY(!d->OkClicked());
    QVERIFY(LastError("Lk [mm]:"));
    Type(lk, QStringLiteral("2500"));
    QVERIFY(d->OkClicked());
    QCOMPARE(project_->Settings.Kk1, 0.5);
    QCOMPARE(project_->Settings.Lk, 2500.0);

    // EC5: its own coefficient, label and list; the spans again store Lk = 0.
    auto ec5 = Settings(2, qv::DesignCode::kEc5Env);
    QCOMPARE(Find<QComboBox>(ec5.get(), "Kk1CB")->count(), 9);
    QCOMPARE(Find<QComboBox>(ec5.get(), "Kk1CB")->currentText(), QStringLiteral("1.150"));
    Choose(Find<QRadioButton>(ec5.get(), "KiepahdusTuentaVali2RB"));
    Type(Find<QComboBox>(ec5.get(), "Kk1CB"), QStringLiteral("20"));
    QVERIFY(!ec5->OkClicked());
    QVERIFY(LastError("m_rel,m:"));
    Type(Find<QComboBox>(ec5.get(), "Kk1CB"), QStringLiteral("0.85"));
    QVERIFY(ec5->OkClicked());
    QCOMPARE(project_->Settings.MRelM, 0.85);
    QCOMPARE(project_->Settings.Kk1, 0.5);
    QCOMPARE(project_->Settings.Lk, 0.0);
  }

  void deflectionPageRowsAndChecks() {
    auto d = Settings(3, qv::DesignCode::kLimitState);
    QWidget* w = d.get();
    QVERIFY(!Find<QComboBox>(w, "Ylperehto3CB")->isVisible());
    QVERIFY(!Find<QComboBox>(w, "Zabsoluuttinen3CB")->isVisible());
    QCOMPARE(Find<QComboBox>(w, "Ylperehto1CB")->currentText(), QStringLiteral("L/300"));
    QCOMPARE(Find<QComboBox>(w, "Ylperehto2CB")->currentText(), QStringLiteral("L/200"));
    QCOMPARE(Find<QComboBox>(w, "Yabsoluuttinen1CB")->currentText(),
             QStringLiteral("Ei tarkastella"));
    QCOMPARE(Find<QComboBox>(w, "UlokeKerroinCB")->currentText(), QStringLiteral("2.00"));

    Find<QComboBox>(w, "Ylperehto2CB")->setCurrentIndex(0);  // "Ei tarkastella"
    Find<QComboBox>(w, "Zlperehto1CB")->setCurrentText(QStringLiteral("L/250"));
    Type(Find<QComboBox>(w, "Yabsoluuttinen1CB"), QStringLiteral("abc"));
    QVERIFY(!d->OkClicked());
    QVERIFY(
        LastError("Sallittu siirtymä (kaikki kuormat): / Absoluuttinen [mm]: anna luku väliltä "
                  "0.00001 … 10000"));
    Type(Find<QComboBox>(w, "Yabsoluuttinen1CB"), QStringLiteral("12,5"));
    Type(Find<QComboBox>(w, "UlokeKerroinCB"), QStringLiteral("0"));
    QVERIFY(!d->OkClicked());
    QVERIFY(LastError("Ulokkeiden sallittun siirtymän (suhteellisen) korotuskerroin:"));
    QCOMPARE(project_->Settings.Yabs1, 0.0);
    Type(Find<QComboBox>(w, "UlokeKerroinCB"), QStringLiteral("1.00"));
    QVERIFY(d->OkClicked());
    QCOMPARE(project_->Settings.Yrel2, 0.0);
    QCOMPARE(project_->Settings.Zrel1, 250.0);
    QCOMPARE(project_->Settings.Yabs1, 12.5);
    QCOMPARE(project_->Settings.UlokeKerroin, 1.0);

    // EC5 shows the third row and names the rows by its own conditions.
    auto ec5 = Settings(3, qv::DesignCode::kEc5Env);
    QVERIFY(Find<QComboBox>(ec5.get(), "Ylperehto3CB")->isVisible());
    Type(Find<QComboBox>(ec5.get(), "Zabsoluuttinen3CB"), QStringLiteral("-1"));
    QVERIFY(!ec5->OkClicked());
    QVERIFY(
        LastError("Kaikki kuormat, lopullinen (Unet,fin): / Absoluuttinen [mm]: anna luku väliltä "
                  "0.00001 … 10000"));
  }

  void stressPagePerCode() {
    auto d = Settings(4, qv::DesignCode::kAllowableStress);
    auto* box = Find<QComboBox>(d.get(), "JannKerroinCB");
    QCOMPARE(box->count(), 34);
    QCOMPARE(box->itemText(33), QStringLiteral("1.33"));
    QCOMPARE(box->currentText(), QStringLiteral("1.00"));
    Type(box, QStringLiteral("0,05"));
    QVERIFY(!d->OkClicked());
    QVERIFY(LastError("Sallittujen jännitysten korotuskerroin:"));
    Type(box, QStringLiteral("1,2"));
    QVERIFY(d->OkClicked());
    QCOMPARE(project_->Materials.AllowableRaiseFactor(), 1.2);

    auto ec5 = Settings(4, qv::DesignCode::kEc5Env);
    Type(Find<QComboBox>(ec5.get(), "JannKerroinCB"), QStringLiteral("11"));
    QVERIFY(!ec5->OkClicked());
    QVERIFY(LastError("Osavarmuuskerroin (jännitystarkastelu):"));
    Type(Find<QComboBox>(ec5.get(), "JannKerroinCB"), QStringLiteral("1.25"));
    QVERIFY(ec5->OkClicked());
    QCOMPARE(project_->Materials.Ec5PartialFactor(), 1.25);
    QCOMPARE(project_->Materials.LimitStatePartialFactor(), 1.3);
  }

  void cancelStoresNothing() {
    auto d = Settings(2, qv::DesignCode::kLimitState);
    Type(Find<QComboBox>(d.get(), "Kk1CB"), QStringLiteral("0.05"));
    QTest::mouseClick(Find<QPushButton>(d.get(), "PeruutaButton"), Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(project_->Settings.Kk1, 0.075);
    QVERIFY(messages_.shown.empty());
  }

  // ---- Section library dialog ----

  void libraryEditsKeepTheirOrderAndAreWrittenOnClosing() {
    const std::string file =
        Library("oma.pl1", {"// oma kirjasto", "50*150;1;50.000;150.000;0;0;0;0;0;0;0;0"});
    QCOMPARE(project_->Profiles.LoadLibrary(file), 0);
    TProfiilitFRM d(Ui());
    d.show();
    QCOMPARE(d.windowTitle(), QString::fromUtf8("Poikkileikkauskirjastojen muokkaus"));
    auto* list = Find<QListWidget>(&d, "ListBox1");
    QVERIFY(Find<QPushButton>(&d, "Button1")->text().endsWith(QStringLiteral("/oma.pl1")));
    QCOMPARE(Find<QLineEdit>(&d, "Edit1")->text(), QStringLiteral("50*150"));
    QCOMPARE(Find<QLineEdit>(&d, "Parametri2E")->text(), QStringLiteral("150.0"));

    Fill(&d, QStringLiteral("100*200"), 0, QStringLiteral("100"), QStringLiteral("200"));
    QVERIFY(d.AddClicked());
    Fill(&d, QStringLiteral("d 120"), 1, QStringLiteral("120"), QString());
    QVERIFY(!Find<QLineEdit>(&d, "Parametri2E")->isVisible());
    QCOMPARE(d.ImageIndex(), 1);
    QTest::mouseClick(Find<QPushButton>(&d, "LisaaNappi"), Qt::LeftButton);
    Fill(&d, QStringLiteral("50*100"), 0, QStringLiteral("50"), QStringLiteral("100"));
    QVERIFY(d.AddClicked());
    QCOMPARE(Names(list), (QStringList{"50*100", "50*150", "100*200", "d 120"}));
    QCOMPARE(list->currentRow(), 0);  // the one added is selected
    QVERIFY(messages_.shown.empty());

    // Change: 50*150 becomes 120*120 and moves to its place.
    list->setCurrentRow(1);
    QCOMPARE(Find<QLineEdit>(&d, "Edit1")->text(), QStringLiteral("50*150"));
    Fill(&d, QStringLiteral("120*120"), 0, QStringLiteral("120"), QStringLiteral("120"));
    QVERIFY(d.ChangeClicked());
    QCOMPARE(Names(list), (QStringList{"50*100", "100*200", "120*120", "d 120"}));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("120*120"));

    // Closing writes the library and the project reads its own library again.
    d.accept();
    std::vector<std::string> lines;
    QVERIFY(qv::ReadTextFileLines(file, lines));
    QCOMPARE(lines.size(), std::size_t(5));
    QCOMPARE(lines[0], std::string("// oma kirjasto"));
    QCOMPARE(
        lines[1],
        std::string("50*100;1;50.000;100.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000"));
    QCOMPARE(lines[4],
             std::string("d 120;2;120.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000"));
    QCOMPARE(project_->Profiles.Count(), 4);
    QCOMPARE(project_->Profiles.Name(2), std::string("120*120"));
  }

  void badInputsAreRefusedWithTheirMessages() {
    const std::string file = Library("oma.pl1", {"50*150;1;50;150;0;0;0;0;0;0;0;0"});
    project_->Profiles.LoadLibrary(file);
    TProfiilitFRM d(Ui());
    d.show();
    Fill(&d, QStringLiteral(" "), 0, QStringLiteral("50"), QStringLiteral("100"));
    QVERIFY(!d.AddClicked());
    QVERIFY(LastError("Nimi ei ole kelvollinen!"));
    Fill(&d, QStringLiteral("ohut"), 0, QStringLiteral("0,5"), QStringLiteral("100"));
    QVERIFY(!d.AddClicked());
    QVERIFY(LastError("B [mm]:"));
    Fill(&d, QStringLiteral("korkea"), 0, QStringLiteral("1"), QStringLiteral("10001"));
    QVERIFY(!d.ChangeClicked());
    QVERIFY(LastError("H [mm]:"));
    Fill(&d, QStringLiteral("pyorea"), 1, QStringLiteral("0"), QString());
    QVERIFY(!d.AddClicked());
    QVERIFY(LastError("D [mm]:"));
    QCOMPARE(d.Library().Working().Count(), 1);
    Fill(&d, QStringLiteral("ohut"), 0, QStringLiteral("1"), QStringLiteral("100"));
    QVERIFY(d.AddClicked());
    QCOMPARE(d.Library().Working().Count(), 2);
  }

  void deletingStopsAtTheLastSection() {
    const std::string file =
        Library("oma.pl1", {"50*100;1;50;100;0;0;0;0;0;0;0;0", "50*150;1;50;150;0;0;0;0;0;0;0;0",
                            "50*200;1;50;200;0;0;0;0;0;0;0;0"});
    project_->Profiles.LoadLibrary(file);
    project_->Profiles.CurrentIndex = 2;
    TProfiilitFRM d(Ui());
    d.show();
    auto* list = Find<QListWidget>(&d, "ListBox1");
    QCOMPARE(list->currentRow(), 2);  // the project's chosen section
    list->setCurrentRow(1);
    QTest::mouseClick(Find<QPushButton>(&d, "PoistaNappi"), Qt::LeftButton);
    QCOMPARE(Names(list), (QStringList{"50*100", "50*200"}));
    QCOMPARE(list->currentRow(), 0);  // the one before the deleted
    QVERIFY(d.DeleteClicked());
    QCOMPARE(Names(list), QStringList{"50*200"});
    QVERIFY(!d.DeleteClicked());
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].caption, std::string("HUOMIO"));
    QCOMPARE(messages_.shown[0].text, std::string("Viimeistä ei voi poistaa"));
    QCOMPARE(Names(list), QStringList{"50*200"});
    d.accept();
    QCOMPARE(project_->Profiles.Count(), 1);
    QCOMPARE(project_->Profiles.CurrentIndex, 0);  // 2 no longer exists
  }

  void anotherLibraryIsOpenedOrCreatedButNotTaken() {
    const std::string own =
        Library("oma.pl1", {"50*100;1;50;100;0;0;0;0;0;0;0;0", "50*150;1;50;150;0;0;0;0;0;0;0;0"});
    project_->Profiles.LoadLibrary(own);
    project_->Profiles.CurrentIndex = 1;
    TProfiilitFRM d(Ui());
    d.show();
    QVERIFY(d.DeleteClicked());  // an unwritten edit of the own library
    const std::string fresh = dir_->filePath(QStringLiteral("uusi.pl1")).toStdString();
    files_.answer = fresh;
    QTest::mouseClick(Find<QPushButton>(&d, "Button1"), Qt::LeftButton);
    QCOMPARE(files_.requests.back().title, std::string("Profiilikirjaston avaus"));
    QCOMPARE(files_.requests.back().filter, std::string("Profiilikirjastot|*.pl1"));
    QCOMPARE(QDir::cleanPath(QString::fromStdString(files_.requests.back().folder)), dir_->path());
    // The edit waits for OK; the new library holds the example section.
    std::vector<std::string> lines;
    QVERIFY(qv::ReadTextFileLines(own, lines));
    QCOMPARE(lines.size(), std::size_t(2));
    QVERIFY(qv::ReadTextFileLines(fresh, lines));
    QCOMPARE(
        lines,
        std::vector<std::string>{
            "Esimerkki (45*95);1;45.000;95.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000"});
    QCOMPARE(Names(Find<QListWidget>(&d, "ListBox1")), QStringList{"Esimerkki (45*95)"});
    QVERIFY(Find<QPushButton>(&d, "Button1")->text().endsWith(QStringLiteral("/uusi.pl1")));
    QVERIFY(Find<QPushButton>(&d, "LisaaNappi")->isEnabled());
    d.accept();
    QVERIFY(qv::ReadTextFileLines(own, lines));
    QCOMPARE(lines.size(), std::size_t(1));
    // The project keeps its own library, re-read with the deletion.
    QCOMPARE(project_->Profiles.FileName(), own);
    QCOMPARE(project_->Profiles.Count(), 1);
    QCOMPARE(project_->Profiles.CurrentIndex, 0);
    QTest::mouseClick(Find<QPushButton>(&d, "OhjeButton"), Qt::LeftButton);
    QCOMPARE(help_.Requests().back().context, 370);
  }

  // Peruuta, Esc and the close box leave the library file byte for byte and the project's
  // library and chosen section as they were, whatever was edited.
  void cancelLeavesTheLibraryAlone_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("close");
    QTest::newRow("lisää, Peruuta") << "add"
                                    << "button";
    QTest::newRow("muuta, Esc") << "change"
                                << "esc";
    QTest::newRow("poista, sulkuruksi") << "delete"
                                        << "box";
    QTest::newRow("poista ja toinen kirjasto, Peruuta") << "delete+other"
                                                        << "button";
  }
  void cancelLeavesTheLibraryAlone() {
    QFETCH(QString, edit);
    QFETCH(QString, close);
    const std::string own = Library(
        "oma.pl1",
        {"// oma kirjasto", "50*100;1;50;100;0;0;0;0;0;0;0;0", "50*150;1;50;150;0;0;0;0;0;0;0;0"});
    QFile file(QString::fromStdString(own));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    project_->Profiles.LoadLibrary(own);
    project_->Profiles.CurrentIndex = 1;
    TProfiilitFRM d(Ui());
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    if (edit == "add") {
      Fill(&d, QStringLiteral("100*200"), 0, QStringLiteral("100"), QStringLiteral("200"));
      QVERIFY(d.AddClicked());
    } else if (edit == "change") {
      Fill(&d, QStringLiteral("50*175"), 0, QStringLiteral("50"), QStringLiteral("175"));
      QVERIFY(d.ChangeClicked());
    } else {
      QVERIFY(d.DeleteClicked());
    }
    if (edit.endsWith(QStringLiteral("other"))) {
      files_.answer = Library("muu.pl1", {"75*75;1;75;75;0;0;0;0;0;0;0;0"});
      QTest::mouseClick(Find<QPushButton>(&d, "Button1"), Qt::LeftButton);
      QCOMPARE(Names(Find<QListWidget>(&d, "ListBox1")), QStringList{"75*75"});
    }
    if (close == "button")
      QTest::mouseClick(Find<QPushButton>(&d, "PeruutaButton"), Qt::LeftButton);
    else if (close == "esc")
      QTest::keyClick(&d, Qt::Key_Escape);
    else
      d.close();
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(project_->Profiles.Count(), 2);
    QCOMPARE(project_->Profiles.Name(0), std::string("50*100"));
    QCOMPARE(project_->Profiles.CurrentIndex, 1);
    QVERIFY(messages_.shown.empty());
  }

  void mainWindowOpensTheLibraryAndRecalculatesTheDesignPage() {
    TpaaikkunaFRM w(qv::test::ProgramPath(), std::string(), &messages_, &files_, &help_);
    w.SetAskOnClose(false);
    w.show();
    const std::string own = Library("oma.pl1", {"50*100;1;50;100;0;0;0;0;0;0;0;0"});
    w.Project().Profiles.LoadLibrary(own);
    w.Project().Loads.AddLoad("Lumi", 1, KuormaVektori::kLine, 2, KuormaVektori::kPerLength, -2.0,
                              -2.0, 0.0, 6000.0);
    w.PageControl1()->setCurrentIndex(static_cast<int>(MainPage::Mitoitus));
    auto* page = qobject_cast<DesignPage*>(w.Page(MainPage::Mitoitus));
    QVERIFY(page);
    auto* sections = page->findChild<QComboBox*>(QStringLiteral("PLlistaCB_mitoitus"));
    QCOMPARE(sections->count(), 1);
    QCOMPARE(page->TrafficLight(), 1);  // 50*100 under 2 kN/m over 6 m

    // The dialog adds a deep section and closes; the page lists it at once.
    QTimer::singleShot(0, this, [] {
      auto* d = qobject_cast<TProfiilitFRM*>(QApplication::activeModalWidget());
      if (!d) return;
      Fill(d, QStringLiteral("200*400"), 0, QStringLiteral("200"), QStringLiteral("400"));
      d->AddClicked();
      d->accept();
    });
    QAction* item = w.findChild<QAction*>(QStringLiteral("Poikkileikkaukset1"));
    QVERIFY(item && item->isEnabled());
    item->trigger();
    QCOMPARE(sections->count(), 2);
    QCOMPARE(sections->itemText(1), QStringLiteral("200*400"));
    QCOMPARE(w.Project().Profiles.Count(), 2);
  }
};

// The toolkit sets the process locale from the environment; a decimal-comma locale there
// shows that no text the dialogs show or read follows it.
int main(int argc, char** argv) {
  qputenv("LC_ALL", "fi_FI.UTF-8");
  QApplication app(argc, argv);
  MitoitusDialogitTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}
#include "test_mitoitus_dialogit.moc"
