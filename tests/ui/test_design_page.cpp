// The "Mitoitus" page driven through its lists, check boxes, buttons and the section search.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

#include "UiTestSupport.h"
#include "design/DesignTree.h"
#include "design/SectionSearch.h"
#include "design/SectionSweep.h"
#include "pagelogic/SweepTable.h"
#include "model/TextCodec.h"
#include "project/QELVUX_data.h"
#include "ui/DesignPage.h"
#include "ui/SectionSweepDialog.h"

using namespace qv;
using qv::test::FakeFileDialogs;
using qv::test::RecordingMessages;

namespace {

constexpr double kSpan = 6000.0;  // mm

// A 6 m simply supported beam under a uniform line load q (N/mm, downward) in load case 1,
// with the default load cases and combinations of the code.
void MakeBeam(QELVUX_data& p, qv::DesignCode code, double q) {
  p.DesignCode = code;
  p.Loads.ClearLoads();
  p.LoadDefaultLoads();
  p.Member.Reset();
  p.Member.Length = kSpan;
  while (p.Member.Count() > 0) p.Member.RemoveRecord(0);
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kSlidingX, kSpan);
  p.Loads.AddLoad("Hyöty", 1, KuormaVektori::kLine, 2, KuormaVektori::kPerLength, -q, -q, 0.0,
                  kSpan);
  p.AnalysisValid = 0;
}

int SectionIndex(const QELVUX_data& p, const std::string& name) {
  for (int i = 0; i < p.Profiles.Count(); ++i)
    if (p.Profiles.Name(i) == name) return i;
  return -1;
}

struct ShownNode {
  int level;
  QString text;
  bool expanded;
  bool hasIcon;
};

void Collect(QTreeWidgetItem* item, int level, std::vector<ShownNode>& out) {
  out.push_back({level, item->text(0), item->isExpanded(), !item->icon(0).isNull()});
  for (int i = 0; i < item->childCount(); ++i) Collect(item->child(i), level + 1, out);
}

std::vector<ShownNode> Shown(QTreeWidget* tree) {
  std::vector<ShownNode> out;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) Collect(tree->topLevelItem(i), 0, out);
  return out;
}

bool HasNode(QTreeWidget* tree, const QString& start) {
  for (const ShownNode& n : Shown(tree))
    if (n.text.startsWith(start)) return true;
  return false;
}

bool SameFolder(const std::string& a, const std::string& b) {
  return QDir::cleanPath(QString::fromStdString(a)) == QDir::cleanPath(QString::fromStdString(b));
}

// The number in "Kokonaiskäyttöaste = 123.4 %".
double LabelPercent(const QLabel* label) {
  QString t = label->text();
  t = t.mid(t.indexOf(QLatin1Char('=')) + 1);
  t.remove(QLatin1Char('%'));
  return t.trimmed().toDouble();
}

}  // namespace

class DesignPageTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  FakeFileDialogs files_;
  std::unique_ptr<QMainWindow> window_;
  DesignPage* page_ = nullptr;

  UiContext Ui() { return UiContext{project_.get(), &messages_, &files_, nullptr}; }
  template <class T>
  T* Find(const char* name) {
    T* w = page_->findChild<T*>(QLatin1String(name));
    if (!w) qFatal("no %s", name);
    return w;
  }
  void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
  QComboBox* Sections() { return Find<QComboBox>("PLlistaCB_mitoitus"); }
  QStringList Items(QComboBox* box) {
    QStringList l;
    for (int i = 0; i < box->count(); ++i) l << box->itemText(i);
    return l;
  }
  QStringList Items(QListWidget* list) {
    QStringList l;
    for (int i = 0; i < list->count(); ++i) l << list->item(i)->text();
    return l;
  }
  static QStringList Q(const std::vector<std::string>& v) {
    QStringList l;
    for (const auto& s : v) l << QString::fromStdString(s);
    return l;
  }
  // The beam on section `name`, the page entered as the main window enters it.
  void Enter(qv::DesignCode code, double q, const std::string& name) {
    MakeBeam(*project_, code, q);
    project_->Profiles.CurrentIndex = SectionIndex(*project_, name);
    QVERIFY(project_->Profiles.CurrentIndex >= 0);
    page_->Refresh();
  }
  // The tree shows exactly the nodes of the design tree of the project as it stands.
  void VerifyTreeIsTheDesignTree() {
    const DesignTree expected = BuildDesignTree(*project_);
    const std::vector<ShownNode> shown = Shown(page_->MitoitusTulokset());
    QCOMPARE(shown.size(), expected.nodes.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
      QCOMPARE(shown[i].level, expected.nodes[i].level);
      QCOMPARE(shown[i].text, QString::fromStdString(expected.nodes[i].text));
      QCOMPARE(shown[i].expanded, expected.nodes[i].expanded);
      QVERIFY(shown[i].hasIcon);
    }
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    messages_ = RecordingMessages();
    files_ = FakeFileDialogs();
    window_ = std::make_unique<QMainWindow>();
    page_ = new DesignPage(Ui());
    window_->setCentralWidget(page_);
    window_->resize(1100, 700);
    window_->show();
  }
  void cleanup() {
    window_.reset();
    page_ = nullptr;
  }

  void beforeAnyDesignTheLabelAsks() {
    QCOMPARE(page_->TotalKALabel()->text(), QString::fromUtf8("Kokonaiskäyttöaste = ? % "));
    QCOMPARE(page_->TrafficLight(), kLightUnknown);
  }

  void pageIsFilledForEachCode() {
    for (qv::DesignCode code : qv::kDesignCodes) {
      Enter(code, 1.0, "50*200");
      project_->Materials.SetMaterial(code, 2);
      project_->Materials.SetMoistureClass(code, 2);
      page_->Refresh();
      auto* materials = Find<QComboBox>("MateriaaliCB_mitoitus");
      auto* moisture = Find<QListWidget>("KosteusL_mitoitus");
      QCOMPARE(Items(materials), Q(project_->Materials.MaterialNames(code)));
      QVERIFY(materials->count() > 1);
      QCOMPARE(materials->currentIndex(), 1);
      QCOMPARE(Items(moisture), Q(project_->Materials.MoistureClassNames(code)));
      QCOMPARE(moisture->currentRow(), 1);
      QCOMPARE(Sections()->count(), project_->Profiles.Count());
      QCOMPARE(Sections()->currentText(), QStringLiteral("50*200"));
      const QStringList info = Items(Find<QListWidget>("PLtiedot_mitoitus"));
      QCOMPARE(info,
               (QStringList{QStringLiteral("MATERIAALI: ") + materials->currentText(),
                            QStringLiteral("MUOTO: Suorakaide"), QStringLiteral("LEVEYS: 50 mm"),
                            QStringLiteral("KORKEUS:200 mm")}));
      // The library button names the file, shortened to the start, "..." and the name.
      const QString library = Find<QPushButton>("PLkirjastoBTN_mitoitus")->text();
      QVERIFY2(library.endsWith(QStringLiteral("/Sahattu_puutavara.pl1")) &&
                   library.contains(QStringLiteral("...")),
               qPrintable(library));
      VerifyTreeIsTheDesignTree();
      // Characteristic values are shown for the limit-state codes only.
      Click("InfoOnOffBTN");
      QCOMPARE(
          HasNode(page_->MitoitusTulokset(), QStringLiteral("MATERIAALITIEDOT (Ominaisarvot):")),
          code != qv::DesignCode::kAllowableStress);
      Click("InfoOnOffBTN");
    }
  }

  void aCircleAndAnInvalidSectionAreDescribed() {
    Enter(qv::DesignCode::kLimitState, 1.0, "d 150");
    QCOMPARE(
        Items(Find<QListWidget>("PLtiedot_mitoitus")).mid(1),
        (QStringList{QString::fromUtf8("MUOTO: Pyöreä"), QStringLiteral("HALKAISIJA: 150 mm")}));
    project_->Profiles.CurrentIndex = 999;  // reset to the first entry when the page fills
    page_->Refresh();
    QCOMPARE(Sections()->currentIndex(), 0);
    QCOMPARE(project_->Profiles.CurrentIndex, 0);
  }

  void checkBoxesEnableTheirButtonsAndSwitchTheGroups() {
    Enter(qv::DesignCode::kLimitState, 1.0, "50*200");
    QVERIFY(HasNode(page_->MitoitusTulokset(), QString::fromUtf8("JÄNNITYSTARKASTELUT:")));
    Click("JannitysCheck");
    const MitoitusAsetukset& s = project_->Settings;
    QCOMPARE(s.Jannitys, 0);
    QCOMPARE(s.Nurjahdus, 0);
    QCOMPARE(s.Kiepahdus, 0);
    for (const char* name :
         {"NurjahdusCheck", "KiepahdusCheck", "JannAseBTN", "NurjAseBTN", "KiepAseBTN"})
      QVERIFY2(!Find<QWidget>(name)->isEnabled(), name);
    QVERIFY(Find<QWidget>("SiirAseBTN")->isEnabled());
    QVERIFY(!HasNode(page_->MitoitusTulokset(), QString::fromUtf8("JÄNNITYSTARKASTELUT:")));

    // Buckling cleared while stresses are off: back on, only lateral-torsional comes with it.
    Find<QCheckBox>("NurjahdusCheck")->setChecked(false);
    Click("JannitysCheck");
    QCOMPARE(s.Jannitys, 1);
    QCOMPARE(s.Nurjahdus, 0);
    QCOMPARE(s.Kiepahdus, 1);
    QVERIFY(Find<QWidget>("NurjahdusCheck")->isEnabled());
    QVERIFY(Find<QWidget>("JannAseBTN")->isEnabled());
    QVERIFY(!Find<QWidget>("NurjAseBTN")->isEnabled());
    QVERIFY(Find<QWidget>("KiepAseBTN")->isEnabled());
    Click("NurjahdusCheck");
    QCOMPARE(s.Nurjahdus, 1);
    QVERIFY(Find<QWidget>("NurjAseBTN")->isEnabled());

    Click("SiirtymaCheck");
    QCOMPARE(s.Siirtyma, 0);
    QVERIFY(!Find<QWidget>("SiirAseBTN")->isEnabled());
    QVERIFY(!HasNode(page_->MitoitusTulokset(), QString::fromUtf8("SIIRTYMÄTARKASTELUT:")));
    // The page shows the stored switches the next time it is entered.
    page_->Refresh();
    QVERIFY(!Find<QCheckBox>("SiirtymaCheck")->isChecked());
    QVERIFY(Find<QCheckBox>("JannitysCheck")->isChecked());
  }

  void aFailingSectionTurnsTheLightAndTheLabel() {
    // q = 0.5 N/mm over 6 m, KY1 factor 1.0: M = qL²/8 = 2.25 kNm.
    Enter(qv::DesignCode::kAllowableStress, 0.5, "100*225");
    QCOMPARE(page_->TrafficLight(), 2);
    QVERIFY(LabelPercent(page_->TotalKALabel()) <= 100.0);
    QVERIFY(!page_->TotalValoImage()->pixmap().isNull());
    const QImage pass = page_->TotalValoImage()->pixmap().toImage();

    QSignalSpy changed(page_, &ProjectPage::ProjectChanged);
    Sections()->setCurrentIndex(SectionIndex(*project_, "50*225"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(project_->Profiles.CurrentIndex, SectionIndex(*project_, "50*225"));
    // 50*225: W = bh²/6 = 421875 mm³, σ = M/W = 5.33 MPa.
    QVERIFY2(HasNode(page_->MitoitusTulokset(), QStringLiteral("Taivutus = 5.33 MPa")),
             "bending stress of the hand calculation");
    // 50*100: W = 83333 mm³, σ = 27 MPa, above the allowable bending stress.
    Sections()->setCurrentIndex(SectionIndex(*project_, "50*100"));
    QVERIFY(HasNode(page_->MitoitusTulokset(), QStringLiteral("Taivutus = 27.00 MPa")));
    QCOMPARE(page_->TrafficLight(), 1);
    QVERIFY(LabelPercent(page_->TotalKALabel()) > 100.0);
    QVERIFY(page_->TotalKALabel()->text().startsWith(QString::fromUtf8("Kokonaiskäyttöaste = ")));
    QVERIFY(page_->TotalValoImage()->pixmap().toImage() != pass);
    QCOMPARE(page_->Tree().nodes.front().image, 1);  // the stress root is marked exceeded
    VerifyTreeIsTheDesignTree();
    // The group totals beside the overall one are the tree's group roots.
    QStringList summary;
    for (QLabel* l : Find<QWidget>("RyhmaYhteenveto")->findChildren<QLabel*>())
      if (!l->text().isEmpty()) summary << l->text();
    QCOMPARE(summary.size(), 2);
    QVERIFY(summary[0].startsWith(QString::fromUtf8("JÄNNITYSTARKASTELUT: (")));
    QVERIFY(summary[1].startsWith(QString::fromUtf8("SIIRTYMÄTARKASTELUT: (")));
    QCOMPARE(summary[0], page_->MitoitusTulokset()->topLevelItem(0)->text(0));
  }

  void aDesignThatCouldNotRunGivesNoVerdict() {
    Enter(qv::DesignCode::kLimitState, 1.0, "50*200");
    project_->Loads.ClearLoads();  // no loads: the analysis cannot be solved
    project_->AnalysisValid = 0;
    page_->RunDesign();
    QCOMPARE(page_->TrafficLight(), kLightUnknown);
    QCOMPARE(page_->TotalKALabel()->text(), QString::fromUtf8("Kokonaiskäyttöaste = ? % "));
    QVERIFY(messages_.shown.empty());
  }

  void infoButtonAddsTheInformationLines() {
    Enter(qv::DesignCode::kLimitState, 2.0, "50*225");
    QVERIFY(!HasNode(page_->MitoitusTulokset(), QStringLiteral("Mz_max")));
    const std::size_t before = Shown(page_->MitoitusTulokset()).size();
    Click("InfoOnOffBTN");
    QCOMPARE(project_->InfoDisplay, 1);
    // KY1 takes the imposed load 1.6-fold: Mz_max = 1.6 · qL²/8 = 1.6 · 2 · 6000² / 8 Nmm
    // = 14.4 kNm; Vy_max = 1.6 · qL/2 = 9.6 kN.
    QVERIFY(HasNode(page_->MitoitusTulokset(), QStringLiteral("Mz_max = 14.40 kNm")));
    QVERIFY(HasNode(page_->MitoitusTulokset(), QStringLiteral("Vy_max = 9.60 kN")));
    QVERIFY(
        HasNode(page_->MitoitusTulokset(), QStringLiteral("MATERIAALITIEDOT (Laskenta-arvot):")));
    QVERIFY(HasNode(page_->MitoitusTulokset(), QStringLiteral("MATERIAALITIEDOT (Ominaisarvot):")));
    QVERIFY(Shown(page_->MitoitusTulokset()).size() > before + 9);
    VerifyTreeIsTheDesignTree();
    Click("InfoOnOffBTN");
    QCOMPARE(project_->InfoDisplay, 0);
    QCOMPARE(Shown(page_->MitoitusTulokset()).size(), before);
  }

  void expandAndCollapseAll() {
    Enter(qv::DesignCode::kLimitState, 1.0, "50*200");
    Click("KaikkiAukiBTN");
    QCOMPARE(project_->TreeExpansion, 1);
    QVERIFY(page_->MitoitusTulokset()->topLevelItem(0)->child(0)->isExpanded());
    VerifyTreeIsTheDesignTree();
    Click("KaikkiKiinniBTN");
    QCOMPARE(project_->TreeExpansion, 0);
    QVERIFY(Find<QToolButton>("KaikkiKiinniBTN")->isChecked());
    QVERIFY(!Find<QToolButton>("KaikkiAukiBTN")->isChecked());
    QVERIFY(!page_->MitoitusTulokset()->topLevelItem(0)->child(0)->isExpanded());
    QVERIFY(page_->MitoitusTulokset()->topLevelItem(0)->isExpanded());  // roots stay open
  }

  void materialAndMoistureAreStoredForTheCode() {
    Enter(qv::DesignCode::kEc5Env, 1.0, "50*200");
    auto* materials = Find<QComboBox>("MateriaaliCB_mitoitus");
    materials->setCurrentIndex(2);
    QCOMPARE(project_->Materials.Material(qv::DesignCode::kEc5Env), 3);
    QCOMPARE(project_->Materials.Material(qv::DesignCode::kLimitState), 1);
    QCOMPARE(Find<QListWidget>("PLtiedot_mitoitus")->item(0)->text(),
             QStringLiteral("MATERIAALI: ") + materials->itemText(2));
    Find<QListWidget>("KosteusL_mitoitus")->setCurrentRow(1);
    QCOMPARE(project_->Materials.MoistureClass(qv::DesignCode::kEc5Env), 2);
    VerifyTreeIsTheDesignTree();
  }

  void nextAndPreviousStopAtTheEnds() {
    Enter(qv::DesignCode::kLimitState, 1.0, "50*50");
    QCOMPARE(Sections()->currentIndex(), 0);
    Click("EdellinenBTN_mitoitus");
    QCOMPARE(project_->Profiles.CurrentIndex, 0);
    Click("SeuraavaBTN_mitoitus");
    QCOMPARE(project_->Profiles.CurrentIndex, 1);
    QCOMPARE(Sections()->currentText(), QStringLiteral("50*75"));
    QCOMPARE(Find<QListWidget>("PLtiedot_mitoitus")->item(3)->text(),
             QStringLiteral("KORKEUS:75 mm"));
    VerifyTreeIsTheDesignTree();
    const int last = project_->Profiles.Count() - 1;
    Sections()->setCurrentIndex(last);
    Click("SeuraavaBTN_mitoitus");
    QCOMPARE(project_->Profiles.CurrentIndex, last);
    Click("EdellinenBTN_mitoitus");
    QCOMPARE(project_->Profiles.CurrentIndex, last - 1);
  }

  void settingsButtonsOpenTheirPageAndRerun() {
    Enter(qv::DesignCode::kLimitState, 1.0, "50*200");
    std::vector<int> pages;
    page_->SetSettingsRunner([&](int page) {
      pages.push_back(page);
      project_->Settings.Siirtyma = 0;  // what an OK could store
      return page == 3 ? 0 : 1;
    });
    Click("SiirAseBTN");  // cancelled: the tree stays as it was
    QVERIFY(HasNode(page_->MitoitusTulokset(), QString::fromUtf8("SIIRTYMÄTARKASTELUT:")));
    for (const char* name : {"NurjAseBTN", "KiepAseBTN", "JannAseBTN"}) Click(name);
    QCOMPARE(pages, (std::vector<int>{3, 1, 2, 4}));
    QVERIFY(!HasNode(page_->MitoitusTulokset(), QString::fromUtf8("SIIRTYMÄTARKASTELUT:")));
  }

  void aStatusTextOfTheWindowIsLeftAlone() {
    Enter(qv::DesignCode::kLimitState, 1.0, "50*200");
    window_->statusBar()->showMessage(QStringLiteral("Valmis"));
    page_->RunDesign();
    QCOMPARE(window_->statusBar()->currentMessage(), QStringLiteral("Valmis"));
    window_->statusBar()->clearMessage();
    page_->RunDesign();
    QVERIFY(window_->statusBar()->currentMessage().isEmpty());
  }

  void libraryButtonLoadsAnotherLibrary() {
    Enter(qv::DesignCode::kLimitState, 1.0, "50*200");
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("oma.pl1")).toStdString();
    QVERIFY(qv::WriteTextFileLines(file, {"90*90;1;90.000;90.000;0;0;0;0;0;0;0;0",
                                          "42*200;1;42.000;200.000;0;0;0;0;0;0;0;0"}));
    files_.answer = file;
    Click("PLkirjastoBTN_mitoitus");
    QCOMPARE(files_.requests.size(), std::size_t(1));
    QCOMPARE(files_.requests[0].title, std::string("Profiilikirjaston avaus"));
    QCOMPARE(files_.requests[0].filter, std::string("Profiilikirjastot|*.pl1"));
    QCOMPARE(files_.requests[0].fileName, std::string("*.pl1"));
    QCOMPARE(SameFolder(files_.requests[0].folder, project_->ProgramFolder()), true);
    QCOMPARE(Items(Sections()), (QStringList{QStringLiteral("42*200"), QStringLiteral("90*90")}));
    QCOMPARE(project_->Profiles.CurrentIndex, 0);
    QVERIFY(
        Find<QPushButton>("PLkirjastoBTN_mitoitus")->text().endsWith(QStringLiteral("/oma.pl1")));
    VerifyTreeIsTheDesignTree();

    // The next dialog starts in that library's folder; a file without sections is refused.
    const std::string empty = dir.filePath(QStringLiteral("tyhja.pl1")).toStdString();
    QVERIFY(qv::WriteTextFileLines(empty, {"// ei mitään"}));
    files_.answer = empty;
    Click("PLkirjastoBTN_mitoitus");
    QVERIFY(SameFolder(files_.requests[1].folder, dir.path().toStdString()));
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].caption, std::string("VIRHE"));
    QCOMPARE(project_->Profiles.Count(), 2);
    QCOMPARE(Sections()->count(), 2);
  }

  void searchStopsAtTheFirstPassingSection() {
    Enter(qv::DesignCode::kAllowableStress, 0.5, "50*100");
    Click("SiirtymaCheck");  // bending decides: the deeper sections pass
    std::vector<int> designed;
    std::vector<bool> passed;
    bool hiddenThroughout = true;
    bool statusThroughout = true;
    connect(page_, &DesignPage::SectionDesigned, this, [&](int index) {
      designed.push_back(index);
      passed.push_back(page_->TrafficLight() == 2);
      hiddenThroughout = hiddenThroughout && page_->MitoitusTulokset()->isHidden();
      statusThroughout = statusThroughout && window_->statusBar()->currentMessage() ==
                                                 QString::fromUtf8(kSearchStatusText);
      QCOMPARE(Sections()->currentIndex(), index);
    });
    const int start = project_->Profiles.CurrentIndex;
    Click("EtsiBTN_mitoitus");
    QVERIFY(!designed.empty());
    QVERIFY(hiddenThroughout);
    QVERIFY(statusThroughout);
    for (std::size_t i = 0; i < designed.size(); ++i) {
      QCOMPARE(designed[i], start + 1 + static_cast<int>(i));  // forward, one by one
      QCOMPARE(passed[i], i + 1 == designed.size());           // stops at the first that passes
    }
    const int found = designed.back();
    QVERIFY(found < project_->Profiles.Count() - 1);  // later sections were not designed
    QCOMPARE(project_->Profiles.CurrentIndex, found);
    QCOMPARE(Sections()->currentIndex(), found);
    QCOMPARE(page_->TrafficLight(), 2);
    QVERIFY(page_->MitoitusTulokset()->isVisible());
    QVERIFY(window_->statusBar()->currentMessage().isEmpty());
    QVERIFY(messages_.shown.empty());
    // The section found shows the bending stress of the hand calculation, M / (bh²/6).
    QVERIFY(project_->Profiles.Shape(found) == qv::SectionShape::kRectangle);
    const double b = project_->Profiles.B(found), h = project_->Profiles.H(found);
    QVERIFY(
        HasNode(page_->MitoitusTulokset(),
                QStringLiteral("Taivutus = %1 MPa").arg(2.25e6 / (b * h * h / 6.0), 0, 'f', 2)));
    VerifyTreeIsTheDesignTree();
  }

  void searchWithoutAPassingSectionSaysSo() {
    Enter(qv::DesignCode::kLimitState, 200.0,
          "50*100");  // 200 kN/m over 6 m: no sawn section carries it
    int designed = 0;
    connect(page_, &DesignPage::SectionDesigned, this, [&](int) { ++designed; });
    Click("EtsiBTN_mitoitus");
    const int last = project_->Profiles.Count() - 1;
    QCOMPARE(designed, last - SectionIndex(*project_, "50*100"));
    QCOMPARE(project_->Profiles.CurrentIndex, last);
    QCOMPARE(Sections()->currentIndex(), last);
    QCOMPARE(page_->TrafficLight(), 1);
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].text, std::string("Kelpaavaa poikkileikkausta ei löytynyt!"));
    QCOMPARE(messages_.shown[0].caption, std::string("Viimeinen poikkileikkaus"));
    QVERIFY(page_->MitoitusTulokset()->isVisible());

    // From the last section nothing is searched and nothing is said.
    Click("EtsiBTN_mitoitus");
    QCOMPARE(designed, last - SectionIndex(*project_, "50*100"));
    QCOMPARE(messages_.shown.size(), std::size_t(1));
  }

  // "Kevyin sopiva" and a double click in "Kaikki poikkileikkaukset..." choose, the page
  // following; none passing, the message names the least-utilised section's check.
  void lightestAndTheTableChooseASection() {
    Enter(qv::DesignCode::kAllowableStress, 0.5, "d 250");
    Click("SiirtymaCheck");
    const SectionSweep sweep = SweepSections(*project_);
    QVERIFY(sweep.lightest >= 0);
    const SweepRow& lightest = sweep.rows[static_cast<std::size_t>(sweep.lightest)];
    Click("KevyinBTN_mitoitus");
    QCOMPARE(project_->Profiles.CurrentIndex, lightest.index);
    QCOMPARE(Sections()->currentIndex(), lightest.index);
    QCOMPARE(page_->TrafficLight(), 2);
    QVERIFY(messages_.shown.empty());

    // The table: failing rows say so in words; a double click on the first row chooses it.
    page_->SetSweepRunner([this] {
      SectionSweepDialog dialog(Ui(), page_);
      dialog.show();
      QTableWidget* table = dialog.Table();
      const int verdict = static_cast<int>(SweepColumn::kVerdict);
      int failing = 0;
      for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, verdict)->text() == QStringLiteral("EI KELPAA")) ++failing;
      if (failing == 0) return 0;
      const QRect cell = table->visualItemRect(table->item(0, 1));
      // The view takes a double click only on the item its press went to.
      QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell.center());
      QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
      return dialog.result() == QDialog::Accepted ? 1 : 0;
    });
    Click("KaikkiBTN_mitoitus");
    QCOMPARE(project_->Profiles.Name(project_->Profiles.CurrentIndex), sweep.rows[0].name);
    QCOMPARE(Sections()->currentText().toStdString(), sweep.rows[0].name);

    Enter(qv::DesignCode::kLimitState, 200.0, "50*100");
    Click("KevyinBTN_mitoitus");
    QCOMPARE(Sections()->currentText(), QStringLiteral("50*100"));
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(messages_.shown[0].text)
                .startsWith(QString::fromUtf8("Kelpaavaa poikkileikkausta ei löytynyt!\nPienin")));
    QVERIFY(messages_.shown[0].text.find("määräävä tarkastelu: ") != std::string::npos);
  }

  // Nothing checked is no pass: the verdict stays unknown and no section is suitable.
  void withEveryGroupOffNothingIsSuitable() {
    Enter(qv::DesignCode::kLimitState, 200.0, "50*100");
    Click("JannitysCheck");
    Click("SiirtymaCheck");
    QCOMPARE(page_->TrafficLight(), kLightUnknown);
    Click("EtsiBTN_mitoitus");
    QCOMPARE(messages_.shown.size(), std::size_t(1));
    QCOMPARE(messages_.shown[0].text, std::string("Kelpaavaa poikkileikkausta ei löytynyt!"));
  }
};

// The toolkit sets the process locale from the environment; a decimal-comma locale there
// shows that no text the page shows follows it.
int main(int argc, char** argv) {
  qputenv("LC_ALL", "fi_FI.UTF-8");
  QApplication app(argc, argv);
  DesignPageTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}
#include "test_design_page.moc"
