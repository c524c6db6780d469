// The "Mitoitus" page over the design run, the design tree and the section search.
#include "ui/DesignPage.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdio>
#include <utility>

#include "design/DesignRun.h"
#include "design/SectionSearch.h"
#include "design/SectionSweep.h"
#include "model/FieldHelpers.h"
#include "project/QELVUX_data.h"
#include "ui/FileDialogs.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/SectionSweepDialog.h"
#include "ui/TMitAseFRM.h"
#include "ui/TProfiilitFRM.h"
#include "ui/TreeFill.h"
#include "ui/Widgets.h"

// The page's pictures live in the static ui library: registered by name before use.
static void InitMitoitusResources() { Q_INIT_RESOURCE(mitoitus); }

namespace qv {

namespace {

constexpr int kLightHeight = 54;
constexpr int kLibraryNameChars = 20;
constexpr const char* kLibraryPattern = "*.pl1";
constexpr const char* kLibraryFilter = "Profiilikirjastot|*.pl1";
constexpr const char* kLibraryTitle = "Profiilikirjaston avaus";
// A library file without a single usable section is not taken (the member keeps its own).
constexpr const char* kLibraryUnreadable =
    "Profiilikirjastossa ei ole kelvollisia poikkileikkauksia!";

void EnsureResources() {
  static const bool done = [] {
    InitMitoitusResources();
    return true;
  }();
  (void)done;
}

QCheckBox* Check(QWidget* parent, const char* name, const char* caption) {
  auto* c = new QCheckBox(QString::fromUtf8(caption), parent);
  c->setObjectName(QLatin1String(name));
  return c;
}

QToolButton* SpeedButton(QWidget* parent, const char* name, const char* caption, const char* hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setText(QString::fromUtf8(caption));
  b->setCheckable(true);
  b->setAutoRaise(false);
  SetHint(b, hint);
  return b;
}

// How long a handler took, printed when QELVUX_MITOITUS_TIMING is set.
class HandlerTimer {
 public:
  explicit HandlerTimer(const char* what)
      : what_(what), on_(qEnvironmentVariableIsSet("QELVUX_MITOITUS_TIMING")) {
    if (on_) timer_.start();
  }
  ~HandlerTimer() {
    if (!on_) return;
    const std::string ms = std::to_string(timer_.elapsed());
    std::fprintf(stderr, "%s: %s ms%s\n", what_, ms.c_str(), note.c_str());
  }
  std::string note;  // printed after the time
  HandlerTimer(const HandlerTimer&) = delete;
  HandlerTimer& operator=(const HandlerTimer&) = delete;

 private:
  const char* what_;
  bool on_;
  QElapsedTimer timer_;
};

}  // namespace

QIcon DesignTreeIcon(int image) {
  // Rendered once each: the tree of a long member shows thousands of them.
  static const auto render = [](const char* name) {
    EnsureResources();
    QIcon icon;
    for (int px : {16, 32})
      icon.addPixmap(ResourcePixmap(QString::fromLatin1(name), QSize(px, px)));
    return icon;
  };
  static const QIcon icons[3] = {render("mitoitus_exceeded.svg"), render("mitoitus_satisfied.svg"),
                                 render("mitoitus_info.svg")};
  return image >= 1 && image <= 3 ? icons[image - 1] : QIcon();
}

QPixmap TrafficLightPixmap(int state, int height) {
  EnsureResources();
  const char* name = state == 2   ? "mitoitus_light_pass.svg"
                     : state == 1 ? "mitoitus_light_fail.svg"
                                  : "mitoitus_light_off.svg";
  const int h = height > 0 ? height : kLightHeight;
  return ResourcePixmap(QString::fromLatin1(name), QSize(h * 40 / 72, h));
}

QPixmap SectionShapePixmap(int item, int size) {
  EnsureResources();
  const char* name = item == 1 ? "profiili_ympyra.svg" : "profiili_suorakaide.svg";
  return ResourcePixmap(QString::fromLatin1(name), QSize(size, size));
}

DesignPage::DesignPage(const UiContext& ui, QWidget* parent) : ProjectPage(ui, parent) {
  setObjectName(QStringLiteral("MitoitusTAB"));
  runSettings_ = [this](int page) { return DefaultSettingsDialog(page); };
  runSweep_ = [this] { return DefaultSweepDialog(); };
  QWidget* side = BuildControlPanel();  // built before the main pane, as before
  LayOutSideBySide(this, side, BuildResultsPanel(), 300, 800);
  ShowLight(kLightUnknown, kTotalLabelInitial);
}

QWidget* DesignPage::BuildControlPanel() {
  auto* panel = new QWidget(this);
  panel->setMinimumWidth(kPageSplitterMinimum);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(BuildSectionBox(panel));
  layout->addWidget(BuildChecksBox(panel));
  layout->addStretch(1);
  return panel;
}

QWidget* DesignPage::BuildSectionBox(QWidget* parent) {
  auto* box = new QWidget(parent);
  sectionList_ = new QComboBox(box);
  sectionList_->setObjectName(QStringLiteral("PLlistaCB_mitoitus"));
  sectionList_->setMaxVisibleItems(20);
  libraryButton_ = Button(box, "PLkirjastoBTN_mitoitus", "");
  SetHint(libraryButton_, "Poikkileikkauskirjasto|Valitse toinen poikkileikkauskirjasto");
  sectionInfo_ = new QListWidget(box);
  sectionInfo_->setObjectName(QStringLiteral("PLtiedot_mitoitus"));
  sectionInfo_->setSelectionMode(QAbstractItemView::NoSelection);
  sectionInfo_->setFocusPolicy(Qt::NoFocus);
  sectionInfo_->setFixedHeight(4 * sectionInfo_->fontMetrics().height() + 10);
  materialList_ = new QComboBox(box);
  materialList_->setObjectName(QStringLiteral("MateriaaliCB_mitoitus"));
  moistureList_ = new QListWidget(box);
  moistureList_->setObjectName(QStringLiteral("KosteusL_mitoitus"));
  moistureList_->setFixedHeight(3 * moistureList_->fontMetrics().height() + 14);
  previousButton_ = Button(box, "EdellinenBTN_mitoitus", "Edellinen");
  nextButton_ = Button(box, "SeuraavaBTN_mitoitus", "Seuraava");
  searchButton_ = Button(box, "EtsiBTN_mitoitus", "Etsi seuraava sopiva");
  SetHint(searchButton_,
          "Etsi seuraava sopiva|Etsii kirjastosta seuraavan poikkileikkauksen, joka kestää");
  lightestButton_ = Button(box, "KevyinBTN_mitoitus", kLightestButtonText);
  SetHint(lightestButton_,
          "Kevyin sopiva|Valitsee kirjaston kevyimmän poikkileikkauksen, joka kestää");
  sweepButton_ = Button(box, "KaikkiBTN_mitoitus", kSweepButtonText);
  SetHint(sweepButton_,
          "Kaikki poikkileikkaukset|Mitoittaa kirjaston kaikki poikkileikkaukset taulukoksi");

  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  grid->addWidget(new QLabel(QStringLiteral("Poikkileikkaus:"), box), row++, 0, 1, 2);
  grid->addWidget(sectionList_, row++, 0, 1, 2);
  grid->addWidget(libraryButton_, row++, 0, 1, 2);
  grid->addWidget(previousButton_, row, 0);
  grid->addWidget(nextButton_, row++, 1);
  grid->addWidget(searchButton_, row++, 0, 1, 2);
  grid->addWidget(lightestButton_, row, 0);
  grid->addWidget(sweepButton_, row++, 1);
  grid->addWidget(sectionInfo_, row++, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Materiaali:"), box), row++, 0, 1, 2);
  grid->addWidget(materialList_, row++, 0, 1, 2);
  grid->addWidget(new QLabel(QString::fromUtf8("Kosteus-/käyttöluokka:"), box), row++, 0, 1, 2);
  grid->addWidget(moistureList_, row++, 0, 1, 2);

  connect(sectionList_, &QComboBox::currentIndexChanged, this, [this](int i) { SectionChosen(i); });
  connect(materialList_, &QComboBox::currentIndexChanged, this,
          [this](int i) { MaterialChosen(i); });
  connect(moistureList_, &QListWidget::currentRowChanged, this,
          [this](int i) { MoistureChosen(i); });
  connect(previousButton_, &QPushButton::clicked, this, [this] { PreviousClicked(); });
  connect(nextButton_, &QPushButton::clicked, this, [this] { NextClicked(); });
  connect(searchButton_, &QPushButton::clicked, this, [this] { SearchClicked(); });
  connect(lightestButton_, &QPushButton::clicked, this, [this] { LightestClicked(); });
  connect(sweepButton_, &QPushButton::clicked, this, [this] { SweepClicked(); });
  connect(libraryButton_, &QPushButton::clicked, this, [this] { LibraryClicked(); });
  return box;
}

QWidget* DesignPage::BuildChecksBox(QWidget* parent) {
  auto* box = new QGroupBox(QStringLiteral("Tarkastelut"), parent);
  stressCheck_ = Check(box, "JannitysCheck", "Jännitystarkastelu");
  bucklingCheck_ = Check(box, "NurjahdusCheck", "Nurjahdus");
  ltbCheck_ = Check(box, "KiepahdusCheck", "Kiepahdus");
  deflectionCheck_ = Check(box, "SiirtymaCheck", "Siirtymätarkastelu");
  stressSettings_ = Button(box, "JannAseBTN", "Asetukset...");
  bucklingSettings_ = Button(box, "NurjAseBTN", "Asetukset...");
  ltbSettings_ = Button(box, "KiepAseBTN", "Asetukset...");
  deflectionSettings_ = Button(box, "SiirAseBTN", "Asetukset...");
  vibrationCheck_ = Check(box, "VarahtelyCheck", "Värähtelytarkastelu");
  vibrationSettings_ = Button(box, "VarAseBTN", "Asetukset...");
  auto* grid = new QGridLayout(box);
  // Buckling and lateral-torsional buckling run only with the stress checks: shown under them.
  const struct {
    QCheckBox* check;
    QPushButton* button;
    int indent;
    int page;
  } rows[] = {{stressCheck_, stressSettings_, 0, 4},
              {bucklingCheck_, bucklingSettings_, 18, 1},
              {ltbCheck_, ltbSettings_, 18, 2},
              {deflectionCheck_, deflectionSettings_, 0, 3},
              {vibrationCheck_, vibrationSettings_, 0, 5}};
  int row = 0;
  for (const auto& r : rows) {
    auto* cell = new QHBoxLayout;
    cell->addSpacing(r.indent);
    cell->addWidget(r.check, 1);
    grid->addLayout(cell, row, 0);
    grid->addWidget(r.button, row++, 1);
    connect(r.check, &QCheckBox::clicked, this, [this] { CheckClicked(); });
    const int page = r.page;
    connect(r.button, &QPushButton::clicked, this, [this, page] { SettingsClicked(page); });
  }
  grid->setColumnStretch(0, 1);
  return box;
}

QWidget* DesignPage::BuildResultsPanel() {
  auto* panel = new QWidget(this);
  panel->setMinimumWidth(kPageSplitterMinimum);
  lightImage_ = new QLabel(panel);
  lightImage_->setObjectName(QStringLiteral("TotalValoImage"));
  lightImage_->setFixedSize(TrafficLightPixmap(kLightUnknown, kLightHeight).size());
  totalLabel_ = new QLabel(panel);
  totalLabel_->setObjectName(QStringLiteral("TotalKALabel"));
  QFont big = totalLabel_->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  totalLabel_->setFont(big);
  infoButton_ = SpeedButton(panel, "InfoOnOffBTN", "Info",
                            "Info|Näyttää rasitukset, stabiiliuskertoimet ja materiaalin arvot");
  expandButton_ =
      SpeedButton(panel, "KaikkiAukiBTN", "Kaikki auki", "Kaikki auki|Avaa kaikki yhdistelmät");
  collapseButton_ =
      SpeedButton(panel, "KaikkiKiinniBTN", "Kaikki kiinni", "Kaikki kiinni|Sulkee yhdistelmät");
  auto* group = new QButtonGroup(panel);
  group->setExclusive(true);
  group->addButton(expandButton_);
  group->addButton(collapseButton_);
  treeWidget_ = new QTreeWidget(panel);
  treeWidget_->setObjectName(QStringLiteral("MitoitusTulokset"));
  treeWidget_->setHeaderHidden(true);
  treeWidget_->setColumnCount(1);
  treeWidget_->setIconSize(QSize(16, 16));
  // Hiding the tree while it is rebuilt must not shift the rest of the page.
  QSizePolicy keep = treeWidget_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  treeWidget_->setSizePolicy(keep);

  // The group totals under the overall one, so the governing group reads at a glance; a row
  // of their own, as wide as the tree, holds all three groups of code 4 unclipped.
  groupSummary_ = new QWidget(panel);
  groupSummary_->setObjectName(QStringLiteral("RyhmaYhteenveto"));
  auto* summary = new QHBoxLayout(groupSummary_);
  summary->setContentsMargins(0, 0, 0, 0);
  auto* top = new QHBoxLayout;
  top->addWidget(lightImage_);
  top->addSpacing(8);
  top->addWidget(totalLabel_);
  top->addStretch(1);
  top->addWidget(infoButton_, 0, Qt::AlignBottom);
  top->addWidget(expandButton_, 0, Qt::AlignBottom);
  top->addWidget(collapseButton_, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(top);
  layout->addWidget(groupSummary_);
  layout->addWidget(treeWidget_, 1);

  connect(infoButton_, &QToolButton::clicked, this, [this] { InfoClicked(); });
  connect(expandButton_, &QToolButton::clicked, this, [this] { ExpandAllClicked(); });
  connect(collapseButton_, &QToolButton::clicked, this, [this] { CollapseAllClicked(); });
  return panel;
}

// ---- Filling from the project ----

void DesignPage::Refresh() {
  FillMaterialList();
  FillMoistureList();
  FillSectionList();
  ShowSectionInfo();
  SetChecksFromSettings();
  {
    const QSignalBlocker a(infoButton_), b(expandButton_), c(collapseButton_);
    infoButton_->setChecked(Project().InfoDisplay == 1);
    (Project().TreeExpansion == 1 ? expandButton_ : collapseButton_)->setChecked(true);
  }
  ShowLibraryName();
  RunDesign();
  ScheduleDialogScreenshot();
}

void DesignPage::FillSectionList() {
  ProfiiliVektori& sections = Project().Profiles;
  sections.ClampCurrentIndex();
  const QSignalBlocker hold(sectionList_);
  sectionList_->clear();
  for (int i = 0; i < sections.Count(); ++i) sectionList_->addItem(Q(sections.Name(i)));
  sectionList_->setCurrentIndex(sections.CurrentIndex);
}

void DesignPage::FillMaterialList() {
  const qv::DesignCode code = Project().DesignCode;
  const QSignalBlocker hold(materialList_);
  materialList_->clear();
  for (const auto& name : Project().Materials.MaterialNames(code)) materialList_->addItem(Q(name));
  materialList_->setCurrentIndex(Project().Materials.Material(code) - 1);
}

void DesignPage::FillMoistureList() {
  const qv::DesignCode code = Project().DesignCode;
  const QSignalBlocker hold(moistureList_);
  moistureList_->clear();
  for (const auto& name : Project().Materials.MoistureClassNames(code))
    moistureList_->addItem(Q(name));
  moistureList_->setCurrentRow(Project().Materials.MoistureClass(code) - 1);
}

void DesignPage::ShowSectionInfo() {
  sectionInfo_->clear();
  const std::vector<std::string> lines = SectionInfoLines(Project());
  for (const auto& line : lines) sectionInfo_->addItem(Q(line));
  // Four lines as a rule; the own weight's line makes five, shown whole rather than scrolled.
  const int shown = std::max(4, static_cast<int>(lines.size()));
  sectionInfo_->setFixedHeight(shown * sectionInfo_->fontMetrics().height() + 10);
}

void DesignPage::SetChecksFromSettings() {
  const MitoitusAsetukset& s = Project().Settings;
  stressCheck_->setChecked(s.Jannitys != 0);
  bucklingCheck_->setChecked(s.Nurjahdus != 0);
  ltbCheck_->setChecked(s.Kiepahdus != 0);
  deflectionCheck_->setChecked(s.Siirtyma != 0);
  // Floor vibration belongs to design code 4 alone.
  const bool ec5 = Project().DesignCode == qv::DesignCode::kEc5;
  vibrationCheck_->setVisible(ec5);
  vibrationSettings_->setVisible(ec5);
  vibrationCheck_->setChecked(ec5 && s.ec5.vibration.on);
  ApplyCheckEnables();
}

void DesignPage::ApplyCheckEnables() {
  const MitoitusCheckEnables e =
      CheckEnables(stressCheck_->isChecked(), deflectionCheck_->isChecked(),
                   bucklingCheck_->isChecked(), ltbCheck_->isChecked());
  bucklingCheck_->setEnabled(e.NurjahdusCheck);
  ltbCheck_->setEnabled(e.KiepahdusCheck);
  stressSettings_->setEnabled(e.JannAseBTN);
  bucklingSettings_->setEnabled(e.NurjAseBTN);
  ltbSettings_->setEnabled(e.KiepAseBTN);
  deflectionSettings_->setEnabled(e.SiirAseBTN);
  vibrationSettings_->setEnabled(vibrationCheck_->isChecked());
}

void DesignPage::ShowLibraryName() {
  const std::string& path = Project().Profiles.FileName();
  libraryButton_->setText(Q(ShortenPath(path, kLibraryNameChars)));
  libraryButton_->setToolTip(Q(path));
}

// ---- The design and what it shows ----

int DesignPage::RunDesign() {
  const bool ownStatus = !searching_ && StatusText().size() < 2;
  if (ownStatus) SetStatusText(kDesignStatusText);
  treeWidget_->hide();
  DesignRunResult run;
  RunProjectDesign(Project(), false, run);
  // Thousands of lines on a long member: the tree is taken over, not copied.
  tree_ = std::move(run.tree);
  ShowTree();
  if (!searching_) treeWidget_->show();
  if (ownStatus) SetStatusText(std::string());
  return tree_.passes ? 1 : 0;
}

// Shows the tree the page holds (tree_).
void DesignPage::ShowTree() {
  const DesignTree& tree = tree_;
  QFont bold = treeWidget_->font();
  bold.setBold(true);
  QTreeWidgetItem* firstExceeded = nullptr;  // the first exceeded check line
  FillTree(treeWidget_, tree.nodes, DesignTreeIcon,
           [&](QTreeWidgetItem* item, const DesignTreeNode& node, int level) {
             // Checks stand out from the information lines; an exceeded one is also bold.
             if (level == 0 || node.image == 1) item->setFont(0, bold);
             if (node.image == 3 && level > 0) item->setForeground(0, QColor(0x55, 0x55, 0x55));
             if (node.image == 1 && level > 0 && !firstExceeded) firstExceeded = item;
           });
  ShowGroupSummary(tree);
  // The failing line in sight, when the tree shows it; otherwise the top.
  QTreeWidgetItem* shown = firstExceeded;
  for (QTreeWidgetItem* up = shown ? shown->parent() : nullptr; up; up = up->parent())
    if (!up->isExpanded()) shown = up;
  if (shown)
    treeWidget_->scrollToItem(shown, QAbstractItemView::PositionAtCenter);
  else
    treeWidget_->scrollToTop();
  ShowVerdict(tree);
}

void DesignPage::ShowVerdict(const DesignTree& tree) {
  // A design whose checks could not all run has proved nothing: no verdict, no percentage.
  if (tree.allChecksRan)
    ShowLight(TrafficLightImage(tree.passes), TotalLabelText(tree.overall));
  else
    ShowLight(kLightUnknown, kTotalLabelInitial);
}

void DesignPage::ShowGroupSummary(const DesignTree& tree) {
  auto* row = static_cast<QHBoxLayout*>(groupSummary_->layout());
  while (QLayoutItem* old = row->takeAt(0)) {
    delete old->widget();
    delete old;
  }
  for (const DesignTreeNode& node : tree.nodes) {
    if (node.level != 0 || node.image == 3) continue;
    auto* icon = new QLabel(groupSummary_);
    icon->setPixmap(DesignTreeIcon(node.image).pixmap(16, 16));
    auto* text = new QLabel(Q(node.text), groupSummary_);
    if (node.image == 1) {
      QFont bold = text->font();
      bold.setBold(true);
      text->setFont(bold);
    }
    row->addWidget(icon);
    row->addWidget(text);
    row->addSpacing(16);
  }
  row->addStretch(1);
}

void DesignPage::ShowLight(int state, const std::string& label) {
  light_ = state;
  lightImage_->setPixmap(TrafficLightPixmap(state, kLightHeight));
  lightImage_->setToolTip(state == 2   ? QStringLiteral("Mitoitus OK")
                          : state == 1 ? QString::fromUtf8("Käyttöaste ylittyy")
                                       : QStringLiteral("?"));
  totalLabel_->setText(Q(label));
}

std::string DesignPage::StatusText() const {
  auto* main = qobject_cast<QMainWindow*>(window());
  return main ? main->statusBar()->currentMessage().toStdString() : ownStatus_;
}

void DesignPage::SetStatusText(const std::string& text) {
  ownStatus_ = text;
  auto* main = qobject_cast<QMainWindow*>(window());
  if (!main) return;
  if (text.empty())
    main->statusBar()->clearMessage();
  else
    main->statusBar()->showMessage(Q(text));
  // The window is blocked while the design runs: the text must show before it starts.
  main->statusBar()->repaint();
}

void DesignPage::Changed() { emit ProjectChanged(); }

void DesignPage::ScheduleDialogScreenshot() {
  const QString file = qEnvironmentVariable("QELVUX_SCREENSHOT");
  bool ok = false;
  const int page = qEnvironmentVariableIntValue("QELVUX_SCREENSHOT_MITASE", &ok);
  const bool settings = ok && page >= 1 && page <= 5;
  const bool library = qEnvironmentVariableIntValue("QELVUX_SCREENSHOT_PROFIILIT") == 1;
  const bool sweep = qEnvironmentVariableIntValue("QELVUX_SCREENSHOT_KAIKKI") == 1;
  if (file.isEmpty() || screenshotScheduled_ || (!settings && !library && !sweep)) return;
  screenshotScheduled_ = true;
  // Shown at once and taken well before the window's own picture, which the window
  // schedules after the page change.
  QDialog* dialog = settings  ? static_cast<QDialog*>(new TMitAseFRM(ui_, page, this))
                    : library ? static_cast<QDialog*>(new TProfiilitFRM(ui_, this))
                              : static_cast<QDialog*>(new SectionSweepDialog(ui_, this));
  dialog->show();
  QTimer::singleShot(150, dialog, [dialog, file] {
    const bool saved = dialog->grab().save(file, "PNG");
    QCoreApplication::exit(saved ? 0 : 1);
  });
}

// ---- The user's actions ----

void DesignPage::SectionChosen(int item) {
  if (item < 0 || item >= Project().Profiles.Count()) return;
  Project().Profiles.CurrentIndex = item;
  ShowSectionInfo();
  RunDesign();
  Changed();
}

void DesignPage::MaterialChosen(int item) {
  if (item < 0) return;
  Project().Materials.SetMaterial(Project().DesignCode, item + 1);
  ShowSectionInfo();
  RunDesign();
  Changed();
}

void DesignPage::MoistureChosen(int item) {
  if (item < 0) return;
  Project().Materials.SetMoistureClass(Project().DesignCode, item + 1);
  RunDesign();
  Changed();
}

void DesignPage::MoveToSection(int index) {
  {
    const QSignalBlocker hold(sectionList_);
    sectionList_->setCurrentIndex(index);
  }
  SectionChosen(index);
}

void DesignPage::NextClicked() {
  const HandlerTimer timing("Seuraava");
  const int i = sectionList_->currentIndex();
  if (i + 1 < sectionList_->count()) MoveToSection(i + 1);
}

void DesignPage::PreviousClicked() {
  const HandlerTimer timing("Edellinen");
  const int i = sectionList_->currentIndex();
  if (i > 0) MoveToSection(i - 1);
}

void DesignPage::CheckClicked() {
  Project().Settings.SetCheckGroups(stressCheck_->isChecked(), deflectionCheck_->isChecked(),
                                    bucklingCheck_->isChecked(), ltbCheck_->isChecked());
  if (Project().DesignCode == qv::DesignCode::kEc5)
    Project().Settings.ec5.vibration.on = vibrationCheck_->isChecked();
  ApplyCheckEnables();
  RunDesign();
  Changed();
}

void DesignPage::SettingsClicked(int page) {
  if (!runSettings_ || runSettings_(page) != 1) return;
  // The stress factor may change the material values shown beside the tree.
  RunDesign();
  Changed();
}

int DesignPage::DefaultSettingsDialog(int page) {
  TMitAseFRM dialog(ui_, page, this);
  return dialog.Run();
}

void DesignPage::InfoClicked() {
  Project().InfoDisplay = infoButton_->isChecked() ? 1 : 0;
  RunDesign();
}

void DesignPage::ExpandAllClicked() {
  Project().TreeExpansion = expandButton_->isChecked() ? 1 : 0;
  RunDesign();
}

void DesignPage::CollapseAllClicked() {
  Project().TreeExpansion = collapseButton_->isChecked() ? 0 : 1;
  RunDesign();
}

void DesignPage::LibraryClicked() {
  ProfiiliVektori& sections = Project().Profiles;
  FileDialogRequest request;
  request.title = kLibraryTitle;
  request.filter = kLibraryFilter;
  request.fileName = kLibraryPattern;
  const std::string& current = sections.FileName();
  request.folder =
      QString::fromStdString(current).size() >= 4 && ProfiiliVektori::FileExists(current)
          ? ProfiiliVektori::FolderOf(current)
          : Project().ProgramFolder();
  std::string name;
  if (!ui_.files || !ui_.files->OpenFile(request, name)) return;
  ProfiiliVektori probe;
  probe.ReadLibrary(name);
  if (probe.Count() == 0) {
    ui_.messages->Inform(kLibraryUnreadable, kCaptionError, MessageIcon::Information);
    return;
  }
  sections.LoadLibrary(name);
  Refresh();
  Changed();
}

void DesignPage::SearchClicked() {
  SectionSearchResult result;
  {
    HandlerTimer timing("Etsi seuraava sopiva");
    result = RunSearch();
    timing.note = ", " + std::to_string(result.designed) + " poikkileikkausta";
  }
  if (result.NotFound())
    ui_.messages->Inform(kSearchNotFoundText, kSearchNotFoundCaption, MessageIcon::Information);
}

void DesignPage::LightestClicked() {
  const HandlerTimer timing("Kevyin sopiva");
  SetStatusText(kSweepStatusText);
  const SectionSweep sweep = SweepSections(Project());
  SetStatusText(std::string());
  if (sweep.lightest < 0) {
    ui_.messages->Inform(NoPassingSectionText(sweep), kCaptionNotice, MessageIcon::Information);
    return;
  }
  if (ChooseSweepRow(Project(), sweep.rows[static_cast<std::size_t>(sweep.lightest)]) != 0) return;
  MoveToSection(Project().Profiles.CurrentIndex);
}

void DesignPage::SweepClicked() {
  if (!runSweep_ || runSweep_() != 1) return;
  // The section may come from another library: the lists are filled again.
  Refresh();
  Changed();
}

int DesignPage::DefaultSweepDialog() {
  SectionSweepDialog dialog(ui_, this);
  return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

SectionSearchResult DesignPage::RunSearch() {
  // The list shows an invalid choice as its first entry; the walk starts after the shown one.
  const int n = Project().Profiles.Count();
  if (n <= 0 || sectionList_->currentIndex() + 1 >= n) return SectionSearchResult();
  Project().Profiles.CurrentIndex = sectionList_->currentIndex();

  SetStatusText(kSearchStatusText);
  treeWidget_->hide();
  searching_ = true;
  const SectionSearchResult result =
      SearchNextSection(Project(), [this](int index, const DesignRunResult& run) {
        {
          const QSignalBlocker hold(sectionList_);
          sectionList_->setCurrentIndex(index);
        }
        ShowSectionInfo();
        // The tree is hidden while the walk goes on: its items are made once, at the end.
        tree_ = run.tree;
        ShowVerdict(run.tree);
        lightImage_->repaint();
        totalLabel_->repaint();
        emit SectionDesigned(index);
      });
  searching_ = false;
  if (result.searched) ShowTree();
  SetStatusText(std::string());
  treeWidget_->show();
  if (result.searched) Changed();
  return result;
}

}  // namespace qv
