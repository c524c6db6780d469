// The "Rakenne" page over the structure tree and page logic.
#include "ui/StructurePage.h"

#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "project/QELVUX_data.h"
#include "ui/Icons.h"
#include "ui/PaintBox.h"
#include "ui/TreeFill.h"
#include "ui/PictureExportUi.h"
#include "ui/TRakenneFRM.h"
#include "ui/drawing/MemberView.h"
#include "ui/Widgets.h"

namespace qv {

StructurePage::StructurePage(const UiContext& ui, QWidget* parent) : ProjectPage(ui, parent) {
  setObjectName(QStringLiteral("RakenneTAB"));
  runDialog_ = [this](int mode, int pointIndex) { return DefaultDialog(mode, pointIndex); };
  QWidget* side = BuildTreePanel();  // built before the main pane, as before
  LayOutSideBySide(this, side, BuildDrawingPanel(), 300, 700);
}

StructurePage::~StructurePage() {
  // The tree may report a last selection change while it is torn down.
  treeWidget_->disconnect(this);
  treeWidget_->removeEventFilter(this);
}

QWidget* StructurePage::BuildTreePanel() {
  auto* panel = new QWidget(this);
  panel->setMinimumWidth(kPageSplitterMinimum);
  addButton_ = Button(panel, "LisaaNappi_rakenne", "Lisää");
  deleteButton_ = Button(panel, "PoistaNappi_rakenne", "Poista");
  editButton_ = Button(panel, "MuutaNappi_rakenne", "Muuta aktiivista");
  infoButton_ = Button(panel, "ProjektiInfoBTN", "Projektitiedot...");
  infoButton_->setEnabled(false);
  treeWidget_ = PageTree(panel, "GeometriaPuu", this);

  // "Lisää" and "Poista" share the first row, "Muuta aktiivista" spans the second.
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->addWidget(addButton_, 0, 0);
  grid->addWidget(deleteButton_, 0, 1);
  grid->addWidget(editButton_, 1, 0, 1, 2);
  grid->addWidget(treeWidget_, 2, 0, 1, 2);
  grid->addWidget(infoButton_, 3, 0, 1, 2);
  grid->setRowStretch(2, 1);

  connect(addButton_, &QPushButton::clicked, this, [this] { AddClicked(); });
  connect(deleteButton_, &QPushButton::clicked, this, [this] { DeleteClicked(); });
  connect(editButton_, &QPushButton::clicked, this, [this] { EditClicked(); });
  connect(infoButton_, &QPushButton::clicked, this, [this] {
    if (projectInfo_) projectInfo_();
  });
  connect(treeWidget_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current, QTreeWidgetItem*) { TreeSelectionChanged(current); });
  connect(treeWidget_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem*, int) { EditClicked(); });
  return panel;
}

QWidget* StructurePage::BuildDrawingPanel() {
  auto* panel = new QWidget(this);
  panel->setMinimumWidth(kPageSplitterMinimum);
  pointerPanel_ = new QLabel(QString::fromUtf8(kPointerTextUnknown), panel);
  pointerPanel_->setObjectName(QStringLiteral("Panel13"));
  pointerPanel_->setFrameShape(QFrame::Panel);
  pointerPanel_->setFrameShadow(QFrame::Sunken);
  pointerPanel_->setAlignment(Qt::AlignCenter);
  pointerPanel_->setMinimumWidth(140);
  paintBox_ = new PaintBox(panel);
  paintBox_->setObjectName(QStringLiteral("PaintBox1"));
  paintBox_->SetDrawFunction(
      [this](Canvas& canvas, int w, int h) { DrawStructureView(&canvas, &Project(), w, h, 1); });
  AddMemberPictureMenu(paintBox_, ui_, MemberViewKind::Structure);  // RakenneKuvaMenu
  auto* top = new QHBoxLayout;
  top->addStretch(1);
  top->addWidget(pointerPanel_);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(top);
  layout->addWidget(paintBox_, 1);

  ConnectDrawingPointer(paintBox_, this);
  return panel;
}

void StructurePage::SetProjectInfoCommand(std::function<void()> command) {
  projectInfo_ = std::move(command);
  infoButton_->setEnabled(static_cast<bool>(projectInfo_));
}

void StructurePage::Refresh() {
  RebuildTree();
  paintBox_->update();
}

void StructurePage::RebuildTree() {
  RakenneVektori& member = Project().Member;
  const StructureTreeRebuild busy(member);
  tree_ = BuildStructureTree(member, SelectedGroupNode(tree_));
  items_ = FillTree(treeWidget_, tree_.nodes, StructureTreeIcon);
  SelectTreeNode(treeWidget_, items_, tree_.selected);
}

void StructurePage::TreeSelectionChanged(QTreeWidgetItem* item) {
  if (Project().Member.TreeRebuilding != 0 || !item) return;
  const int node = NodeOfItem(items_, item);
  if (node < 0) return;
  tree_.selected = node;
  if (ApplyTreeSelection(Project().Member, tree_, node) >= 0) paintBox_->update();
}

void StructurePage::SelectNode(int node) { SelectTreeNode(treeWidget_, items_, node); }

int StructurePage::DefaultDialog(int mode, int pointIndex) {
  TRakenneFRM dialog(ui_, mode, pointIndex, this);
  return dialog.Run();
}

int StructurePage::RunRequest(const RakenneDialogRequest& request) {
  if (!request.open) return kPageNothingDone;
  const int result =
      PageResultOfDialog(runDialog_ ? runDialog_(request.mode, request.pointIndex) : 0);
  RebuildTree();
  if (result > 100) Changed();
  return result;
}

void StructurePage::Changed() {
  paintBox_->update();
  emit ProjectChanged();
}

int StructurePage::AddClicked() { return RunRequest(PlanAddPoint(tree_)); }

int StructurePage::EditClicked() { return RunRequest(PlanEditPoint(tree_, Project().Member)); }

int StructurePage::DeleteClicked() {
  const int result = DeleteSelectedPoint(Project().Member, tree_);
  if (result > 100) {
    RebuildTree();
    Changed();
  }
  return result;
}

bool StructurePage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == treeWidget_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key() == Qt::Key_Delete ? kDeleteKeyCode : 0;
    if (IsDeleteKey(code, deleteButton_->isEnabled())) {
      DeleteClicked();
      return true;
    }
  }
  return ProjectPage::eventFilter(watched, event);
}

QString StructurePage::PointerMovedTo(double deviceX, double deviceY) {
  return pointer_.MovedTo(Project().Member, *paintBox_, pointerPanel_, deviceX, deviceY);
}

void StructurePage::DrawingClicked(double deviceX, double deviceY) {
  // The click's own place is where the pointer is, also when no move was reported first.
  PointerMovedTo(deviceX, deviceY);
  if (ClickStructure(Project().Member, pointer_.X(), pointer_.Y()) == 1) Refresh();
  treeWidget_->setFocus();
}

int StructurePage::DrawingDoubleClicked(double deviceX, double deviceY) {
  PointerMovedTo(deviceX, deviceY);
  const RakenneDialogRequest request =
      DoubleClickStructure(Project().Member, pointer_.X(), pointer_.Y());
  RebuildTree();
  paintBox_->update();
  return RunRequest(request);
}

}  // namespace qv
