// The "Kuormitus" page over the load tree and load page logic.
#include "ui/LoadPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "pagelogic/OwnWeightPanel.h"
#include "project/ProjectOwnWeight.h"
#include "project/QELVUX_data.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/PaintBox.h"
#include "ui/TreeFill.h"
#include "ui/PictureExportUi.h"
#include "ui/TKTjaKYFRM.h"
#include "ui/TKuormatFRM.h"
#include "ui/Widgets.h"

// The page's pictures live in their own resource file of the static library.
static void InitKuormitusResources() { Q_INIT_RESOURCE(kuormitus); }

namespace qv {

namespace {

constexpr int kKindButtonSize = 25;
constexpr int kPointerPanelWidth = 140;
constexpr int kTopRowSpacing = 2;

void EnsureKuormitusResources() {
  static const bool done = [] {
    InitKuormitusResources();
    return true;
  }();
  (void)done;
}

QIcon KuormitusIcon(const char* name) {
  EnsureKuormitusResources();
  QIcon icon;
  for (int px : {16, 32})
    icon.addPixmap(
        ResourcePixmap(QStringLiteral("kuormitus/") + QLatin1String(name), QSize(px, px)));
  return icon;
}

QIcon LoadTreeIcon(int image) {
  static const QIcon group = KuormitusIcon("tree_group.svg");
  return image == kLoadImageGroup ? group : QIcon();
}

}  // namespace

LoadPage::LoadPage(const UiContext& ui, QWidget* parent) : ProjectPage(ui, parent) {
  setObjectName(QStringLiteral("KuormitusTAB"));
  runLoadDialog_ = [this](const LoadDialogRequest& r) { return DefaultLoadDialog(r); };
  runCaseDialog_ = [this] { return DefaultCaseDialog(); };
  QWidget* side = BuildTreePanel();  // built before the main pane, as before
  LayOutSideBySide(this, side, BuildDrawingPanel(), 320, 680);
}

LoadPage::~LoadPage() {
  // The tree may report a last selection change while it is torn down.
  treeWidget_->disconnect(this);
  treeWidget_->removeEventFilter(this);
  topRow_->removeEventFilter(this);
}

QWidget* LoadPage::BuildTreePanel() {
  auto* panel = new QWidget(this);
  panel->setMinimumWidth(kPageSplitterMinimum);
  auto* caseLabel = new QLabel(QString::fromUtf8("Näkyvät kuormitustapaukset:"), panel);
  caseCombo_ = new QComboBox(panel);
  caseCombo_->setObjectName(QStringLiteral("CBktapaukset"));
  caseLabel->setBuddy(caseCombo_);
  addButton_ = Button(panel, "LisaaNappi_kuorma", "Lisää");
  deleteButton_ = Button(panel, "PoistaNappi_kuorma", "Poista");
  changeButton_ = Button(panel, "MuutaNappi_kuorma", "Muuta aktiivista");
  treeWidget_ = PageTree(panel, "KuormaPuu", this);

  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->addWidget(caseLabel, 0, 0, 1, 2);
  grid->addWidget(caseCombo_, 1, 0, 1, 2);
  grid->addWidget(addButton_, 2, 0);
  grid->addWidget(deleteButton_, 2, 1);
  grid->addWidget(changeButton_, 3, 0, 1, 2);
  grid->addWidget(treeWidget_, 4, 0, 1, 2);
  grid->addWidget(BuildOwnWeightPanel(panel), 5, 0, 1, 2);
  grid->setRowStretch(4, 1);

  connect(caseCombo_, &QComboBox::currentIndexChanged, this,
          [this](int item) { CaseComboChanged(item); });
  connect(addButton_, &QPushButton::clicked, this, [this] { AddClicked(); });
  connect(deleteButton_, &QPushButton::clicked, this, [this] { DeleteClicked(); });
  connect(changeButton_, &QPushButton::clicked, this, [this] { ChangeClicked(); });
  connect(treeWidget_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current, QTreeWidgetItem*) { TreeSelectionChanged(current); });
  connect(treeWidget_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem*, int) { TreeDoubleClicked(); });
  return panel;
}

QWidget* LoadPage::BuildOwnWeightPanel(QWidget* parent) {
  auto* box = new QWidget(parent);
  ownWeightCheck_ = new QCheckBox(QString::fromUtf8(kOwnWeightOptionText), box);
  ownWeightCheck_->setObjectName(QStringLiteral("OmaPainoCheck"));
  SetHint(ownWeightCheck_,
          "Sauvan oma paino g x tiheys x A|Sauvan oma paino lisätään pysyvään "
          "kuormitustapaukseen tasaisena viivakuormana, joka seuraa poikkileikkausta ja "
          "materiaalia");
  auto* densityLabel = new QLabel(QString::fromUtf8(kOwnWeightDensityLabel), box);
  ownWeightDensity_ = new QLineEdit(box);
  ownWeightDensity_->setObjectName(QStringLiteral("OmaPainoTiheys"));
  ownWeightDensity_->setMaximumWidth(70);
  densityLabel->setBuddy(ownWeightDensity_);
  ownWeightNote_ = new QLabel(box);
  ownWeightNote_->setWordWrap(true);
  auto* caseLabel = new QLabel(QString::fromUtf8(kOwnWeightCaseLabel), box);
  ownWeightCase_ = new QComboBox(box);
  ownWeightCase_->setObjectName(QStringLiteral("OmaPainoKT"));
  caseLabel->setBuddy(ownWeightCase_);

  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 4, 0, 0);
  grid->addWidget(ownWeightCheck_, 0, 0, 1, 3);
  grid->addWidget(densityLabel, 1, 0);
  grid->addWidget(ownWeightDensity_, 1, 1);
  grid->addWidget(ownWeightNote_, 1, 2);
  grid->addWidget(caseLabel, 2, 0);
  grid->addWidget(ownWeightCase_, 2, 1, 1, 2);
  grid->setColumnStretch(2, 1);

  connect(ownWeightCheck_, &QCheckBox::toggled, this, [this](bool on) { OwnWeightToggled(on); });
  connect(ownWeightDensity_, &QLineEdit::editingFinished, this,
          [this] { OwnWeightDensityEdited(); });
  connect(ownWeightCase_, &QComboBox::activated, this,
          [this](int item) { OwnWeightCaseChosen(item); });
  return box;
}

void LoadPage::ShowOwnWeight() {
  const OwnWeightPanel panel = ShowOwnWeightPanel(Project());
  const QSignalBlocker holdCheck(ownWeightCheck_);
  const QSignalBlocker holdCase(ownWeightCase_);
  ownWeightCheck_->setChecked(panel.on);
  if (!ownWeightDensity_->hasFocus()) ownWeightDensity_->setText(Q(panel.densityText));
  ownWeightDensity_->setEnabled(panel.on && panel.densityEditable);
  ownWeightNote_->setText(Q(panel.densityNote));
  ownWeightNote_->setEnabled(panel.on);
  ownWeightCase_->clear();
  for (const std::string& item : panel.caseItems) ownWeightCase_->addItem(Q(item));
  ownWeightCase_->setCurrentIndex(panel.selectedCase);
  ownWeightCase_->setEnabled(panel.on);
}

void LoadPage::OwnWeightChanged(const std::string& message) {
  if (!message.empty()) ui_.messages->Inform(message, kCaptionError, MessageIcon::Warning);
  ShowOwnWeight();
  RebuildTree();
  paintBox_->update();
  if (message.empty()) emit ProjectChanged();
}

void LoadPage::OwnWeightToggled(bool on) {
  const bool was = Project().Loads.OwnWeight.on;
  const std::string message = SetOwnWeightOn(Project(), on);
  // A refused switch leaves the project as it was, and so nothing to keep.
  if (Project().Loads.OwnWeight.on == was) {
    if (!message.empty()) ui_.messages->Inform(message, kCaptionError, MessageIcon::Warning);
    ShowOwnWeight();
    return;
  }
  OwnWeightChanged(message);
}

void LoadPage::OwnWeightDensityEdited() {
  const double before = Project().Loads.OwnWeight.density;
  const std::string message = SetOwnWeightDensity(Project(), S(ownWeightDensity_->text()));
  if (!message.empty()) {
    ui_.messages->Inform(message, kCaptionError, MessageIcon::Warning);
    ShowOwnWeight();
    return;
  }
  if (Project().Loads.OwnWeight.density != before) OwnWeightChanged(std::string());
  ShowOwnWeight();
}

void LoadPage::OwnWeightCaseChosen(int item) {
  const int before = Project().Loads.OwnWeightCase();
  const std::string message = SetOwnWeightCase(Project(), item);
  if (Project().Loads.OwnWeightCase() != before || !message.empty()) OwnWeightChanged(message);
}

QWidget* LoadPage::BuildTopRow(QWidget* parent) {
  topRow_ = new QWidget(parent);
  topRow_->setObjectName(QStringLiteral("Panel11"));
  casesButton_ = Button(topRow_, "KTjaKYnappi", "Kuormitustapaukset ja -yhdistelmät...");
  connect(casesButton_, &QPushButton::clicked, this, [this] { CasesAndCombinationsClicked(); });

  static const char* const kNames[3] = {"SBpistekuormatONOFF", "SBviivakuormatONOFF",
                                        "SBpintakuormatONOFF"};
  static const char* const kIcons[3] = {"point_loads.svg", "line_loads.svg", "surface_loads.svg"};
  static const char* const kHints[3] = {"Pistekuormat näkyvissä / piilossa",
                                        "Viivakuormat näkyvissä / piilossa",
                                        "Pintakuormat näkyvissä / piilossa"};
  // KTjaKYnappi sits outside the layout: it takes what the buttons at the right leave free
  // and never holds the pane wider than they need.
  topRow_->setMinimumHeight(casesButton_->sizeHint().height());
  auto* row = new QHBoxLayout(topRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(kTopRowSpacing);
  row->addStretch(1);
  for (int i = 0; i < 3; ++i) {
    auto* b = new QToolButton(topRow_);
    b->setObjectName(QLatin1String(kNames[i]));
    b->setCheckable(true);
    b->setChecked(true);
    b->setAutoRaise(false);
    b->setIcon(KuormitusIcon(kIcons[i]));
    b->setFixedSize(kKindButtonSize, kKindButtonSize);
    SetHint(b, kHints[i]);
    const LoadKind kind = kLoadKinds[i];
    connect(b, &QToolButton::clicked, this,
            [this, kind](bool down) { KindButtonClicked(kind, down); });
    kindButtons_[i] = b;
    row->addWidget(b);
  }
  pointerPanel_ = new QLabel(QStringLiteral("(?,?)"), topRow_);
  pointerPanel_->setObjectName(QStringLiteral("Panel14"));
  pointerPanel_->setFrameShape(QFrame::Panel);
  pointerPanel_->setFrameShadow(QFrame::Sunken);
  pointerPanel_->setAlignment(Qt::AlignCenter);
  pointerPanel_->setFixedWidth(kPointerPanelWidth);
  row->addWidget(pointerPanel_);
  topRow_->installEventFilter(this);
  return topRow_;
}

QWidget* LoadPage::BuildDrawingPanel() {
  auto* panel = new QWidget(this);
  panel->setMinimumWidth(kPageSplitterMinimum);
  QWidget* top = BuildTopRow(panel);
  paintBox_ = new PaintBox(panel);
  paintBox_->setObjectName(QStringLiteral("PaintBox2"));
  paintBox_->SetDrawFunction(
      [this](Canvas& canvas, int w, int h) { DrawLoadPage(&canvas, &Project(), w, h, 1); });
  AddMemberPictureMenu(paintBox_, ui_, MemberViewKind::Loads);  // KuormaKuvaMenu
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(top);
  layout->addWidget(paintBox_, 1);

  ConnectDrawingPointer(paintBox_, this);
  return panel;
}

QToolButton* LoadPage::KindButton(LoadKind kind) const { return kindButtons_[ToInt(kind) - 1]; }

// Panel11Resize: the speed buttons and the coordinate panel keep their place at the right;
// KTjaKYnappi gets what is left, with the short caption when that is little.
void LoadPage::LayOutTopRow() {
  const int used = 3 * (kKindButtonSize + kTopRowSpacing) + pointerPanel_->width() + kTopRowSpacing;
  const KTjaKYButtonLayout b = KTjaKYButtonFor(topRow_->width() - used);
  casesButton_->setText(QString::fromStdString(b.caption));
  casesButton_->setGeometry(0, 0, b.width, topRow_->height());
  casesButton_->setVisible(b.width > 0);
}

void LoadPage::Refresh() {
  FillCaseCombo();
  ShowOwnWeight();
  RebuildTree();
  paintBox_->update();
}

void LoadPage::Prepare() {
  FillCaseCombo();
  ShowOwnWeight();
  RebuildTree();
  paintBox_->Prepare();
}

void LoadPage::FillCaseCombo() {
  const VisibleCaseCombo combo = FillVisibleCaseCombo(Project().Loads);
  const QSignalBlocker hold(caseCombo_);
  caseCombo_->clear();
  for (const std::string& item : combo.items) caseCombo_->addItem(QString::fromStdString(item));
  caseCombo_->setCurrentIndex(combo.selected);
}

void LoadPage::RebuildTree() {
  LoadTree tree = RebuildLoadTree(Project());
  // The selection events of the refill are not the user's.
  const LoadTreeRebuild busy(Project().Loads);
  const QSignalBlocker hold(treeWidget_);
  // A long member's tree runs to thousands of lines: one that would show the very lines
  // shown, opened as they are, keeps its items and only has its selection set again, as a
  // fresh fill would leave it.
  const bool same = ShowsTree(tree);
  tree_ = std::move(tree);
  if (same) {
    treeWidget_->clearSelection();
    treeWidget_->setCurrentItem(nullptr);
    treeWidget_->scrollToTop();
  } else {
    items_ = FillTree(treeWidget_, tree_.nodes, LoadTreeIcon);
  }
  if (tree_.selected >= 0 && tree_.selected < static_cast<int>(items_.size())) {
    QTreeWidgetItem* current = items_[static_cast<std::size_t>(tree_.selected)];
    treeWidget_->setCurrentItem(current);
    treeWidget_->scrollToItem(current);
  }
}

bool LoadPage::ShowsTree(const LoadTree& tree) const {
  if (items_.empty() || items_.size() != tree.nodes.size() ||
      tree_.nodes.size() != tree.nodes.size())
    return false;
  for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
    const LoadTreeNode& shown = tree_.nodes[i];
    const LoadTreeNode& node = tree.nodes[i];
    if (shown.level != node.level || shown.image != node.image || shown.expanded != node.expanded ||
        shown.text != node.text)
      return false;
    if (items_[i]->childCount() > 0 && items_[i]->isExpanded() != node.expanded) return false;
  }
  return true;
}

void LoadPage::TreeSelectionChanged(QTreeWidgetItem* item) {
  if (Project().Loads.Updating != 0 || !item) return;
  const int node = NodeOfItem(items_, item);
  if (node < 0) return;
  // Case and group nodes choose no load but are where "Lisää" adds.
  tree_.selected = node;
  if (ApplyLoadTreeSelection(Project().Loads, tree_, node) >= 0) paintBox_->update();
}

void LoadPage::SelectNode(int node) { SelectTreeNode(treeWidget_, items_, node); }

int LoadPage::DefaultLoadDialog(const LoadDialogRequest& request) {
  TKuormatFRM dialog(ui_, request.loadCase, request.kind, request.loadIndex, this);
  return dialog.Run();
}

bool LoadPage::DefaultCaseDialog() {
  TKTjaKYFRM dialog(ui_, this);
  return dialog.exec() == QDialog::Accepted;
}

int LoadPage::RunRequest(const LoadDialogRequest& request) {
  if (!request.open) return kLoadPageNothingDone;
  const int stored = runLoadDialog_ ? runLoadDialog_(request) : 0;
  RebuildTree();
  paintBox_->update();
  if (stored > 0) emit ProjectChanged();
  return request.pageResult;
}

int LoadPage::AddClicked() { return RunRequest(PlanAddLoad(Project().Loads, tree_)); }

int LoadPage::ChangeClicked() { return RunRequest(PlanChangeLoad(Project().Loads, tree_)); }

int LoadPage::TreeDoubleClicked() {
  return RunRequest(PlanLoadTreeDoubleClick(Project().Loads, tree_));
}

int LoadPage::DeleteClicked() {
  const int result = DeleteSelectedLoad(Project().Loads, tree_);
  if (result > 100) {
    RebuildTree();
    paintBox_->update();
    emit ProjectChanged();
  }
  return result;
}

void LoadPage::CaseComboChanged(int item) {
  if (ChooseVisibleCase(Project().Loads, item) == 1) Refresh();
}

void LoadPage::KindButtonClicked(LoadKind kind, bool down) {
  SetLoadKindShown(Project().Loads, kind, down);
  paintBox_->update();
}

void LoadPage::CasesAndCombinationsClicked() {
  const bool accepted = runCaseDialog_ && runCaseDialog_();
  Refresh();
  // OK may have kept changes (there is no telling which); Peruuta put everything back.
  if (accepted) emit ProjectChanged();
}

bool LoadPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == treeWidget_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key() == Qt::Key_Delete ? kDeleteKeyCode : 0;
    if (IsLoadDeleteKey(code, deleteButton_->isEnabled())) {
      DeleteClicked();
      return true;
    }
  }
  if (watched == topRow_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
    LayOutTopRow();
  return ProjectPage::eventFilter(watched, event);
}

QString LoadPage::PointerMovedTo(double deviceX, double deviceY) {
  return pointer_.MovedTo(Project().Member, *paintBox_, pointerPanel_, deviceX, deviceY);
}

void LoadPage::DrawingClicked(double deviceX, double deviceY) {
  // The click's own place is where the pointer is, also when no move was reported first.
  PointerMovedTo(deviceX, deviceY);
  if (ClickLoadDrawing(Project(), pointer_.X(), pointer_.Y()) == 1) Refresh();
  treeWidget_->setFocus();
}

int LoadPage::DrawingDoubleClicked(double deviceX, double deviceY) {
  PointerMovedTo(deviceX, deviceY);
  const LoadDialogRequest request = DoubleClickLoadDrawing(Project(), pointer_.X(), pointer_.Y());
  if (!request.open) return kLoadPageNothingDone;
  RebuildTree();
  return RunRequest(request);
}

}  // namespace qv
