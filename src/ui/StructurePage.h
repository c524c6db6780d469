// The "Rakenne" page: structure tree, its buttons, the coordinate panel and the structure drawing.
#pragma once

#include <functional>
#include <vector>

#include "pagelogic/StructurePage.h"
#include "pagelogic/StructureTree.h"
#include "ui/DrawingPointer.h"
#include "ui/ProjectPage.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace qv {

class PaintBox;

class StructurePage : public ProjectPage {
  Q_OBJECT

 public:
  // Opens the member dialog for a mode and point and returns what it returned (1 stored,
  // 0 cancelled). Tests put their own in place of the modal dialog.
  using DialogRunner = std::function<int(int mode, int pointIndex)>;

  explicit StructurePage(const UiContext& ui, QWidget* parent = nullptr);
  ~StructurePage() override;

  // RefreshStructurePage: the tree rebuilt from the project, the drawing repainted.
  void Refresh() override;

  // The commands; each returns the page result (above 100: the project changed).
  int AddClicked();     // "Lisää"
  int DeleteClicked();  // "Poista", Delete key
  int EditClicked();    // "Muuta aktiivista", double click on the tree
  // Pointer over the drawing at device point (x, y); returns the panel text.
  QString PointerMovedTo(double deviceX, double deviceY);
  void DrawingClicked(double deviceX, double deviceY);
  int DrawingDoubleClicked(double deviceX, double deviceY);

  void SetDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }
  // "Projektitiedot..." opens what is given here; the button is disabled until then.
  void SetProjectInfoCommand(std::function<void()> command);

  // The tree as last built, and the node shown as selected (-1 none).
  const StructureTree& Tree() const { return tree_; }
  int SelectedNode() const { return tree_.selected; }
  // Selects node i of the tree as the user would.
  void SelectNode(int node);
  QTreeWidget* GeometriaPuu() const { return treeWidget_; }
  PaintBox* PaintBox1() const { return paintBox_; }
  QLabel* Panel13() const { return pointerPanel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildTreePanel();
  QWidget* BuildDrawingPanel();
  void RebuildTree();
  void TreeSelectionChanged(QTreeWidgetItem* item);
  int RunRequest(const RakenneDialogRequest& request);
  void Changed();
  int DefaultDialog(int mode, int pointIndex);

  StructureTree tree_;
  std::vector<QTreeWidgetItem*> items_;         // widget item of each tree node
  DrawingPointer pointer_{StructurePointerAt};  // world position last under the pointer
  DialogRunner runDialog_;
  std::function<void()> projectInfo_;

  QPushButton* addButton_ = nullptr;     // LisaaNappi_rakenne
  QPushButton* deleteButton_ = nullptr;  // PoistaNappi_rakenne
  QPushButton* editButton_ = nullptr;    // MuutaNappi_rakenne
  QPushButton* infoButton_ = nullptr;    // ProjektiInfoBTN
  QTreeWidget* treeWidget_ = nullptr;    // GeometriaPuu
  QLabel* pointerPanel_ = nullptr;       // Panel13
  PaintBox* paintBox_ = nullptr;         // PaintBox1
};

}  // namespace qv
