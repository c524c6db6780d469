// The "Kuormitus" page: visible-case combo, load tree with its buttons, visibility buttons,
// coordinate panel and load drawing.
#pragma once

#include <functional>
#include <vector>

#include "pagelogic/LoadPage.h"
#include "pagelogic/LoadTree.h"
#include "ui/DrawingPointer.h"
#include "ui/ProjectPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace qv {

class PaintBox;

class LoadPage : public ProjectPage {
  Q_OBJECT

 public:
  // Opens the load dialog for the request and returns 1 when it stored, 0 when cancelled.
  // Tests put their own in place of the modal dialog.
  using LoadDialogRunner = std::function<int(const LoadDialogRequest& request)>;
  // Opens the load case and combination dialog; true when it closed with OK (after Peruuta
  // the project is as it was).
  using CaseDialogRunner = std::function<bool()>;

  explicit LoadPage(const UiContext& ui, QWidget* parent = nullptr);
  ~LoadPage() override;

  // RefreshLoadPage: the combo refilled, the tree rebuilt, the drawing repainted.
  void Refresh() override;
  // Fills the page and works out its drawing while it is not shown (PaintBox::Prepare).
  void Prepare();

  // The commands; each returns the page result (above 100: the drawing is repainted).
  int AddClicked();                                  // LisaaNappi_kuorma
  int ChangeClicked();                               // MuutaNappi_kuorma
  int DeleteClicked();                               // PoistaNappi_kuorma, Delete key
  int TreeDoubleClicked();                           // KuormaPuuDblClick
  void CaseComboChanged(int item);                   // CBktapauksetChange
  void KindButtonClicked(LoadKind kind, bool down);  // SB...ONOFF
  void CasesAndCombinationsClicked();                // KTjaKYnappi
  // "Oma paino automaattisesti", its density and its load case.
  void OwnWeightToggled(bool on);
  void OwnWeightDensityEdited();
  void OwnWeightCaseChosen(int item);
  QString PointerMovedTo(double deviceX, double deviceY);
  void DrawingClicked(double deviceX, double deviceY);
  int DrawingDoubleClicked(double deviceX, double deviceY);

  void SetLoadDialogRunner(LoadDialogRunner runner) { runLoadDialog_ = std::move(runner); }
  void SetCaseDialogRunner(CaseDialogRunner runner) { runCaseDialog_ = std::move(runner); }

  // The tree as last built, and selecting node i of it as the user would.
  const LoadTree& Tree() const { return tree_; }
  void SelectNode(int node);
  QTreeWidget* KuormaPuu() const { return treeWidget_; }
  QComboBox* CBktapaukset() const { return caseCombo_; }
  PaintBox* PaintBox2() const { return paintBox_; }
  QLabel* Panel14() const { return pointerPanel_; }
  QPushButton* KTjaKYnappi() const { return casesButton_; }
  QCheckBox* OmaPainoCheck() const { return ownWeightCheck_; }
  QLineEdit* OmaPainoTiheys() const { return ownWeightDensity_; }
  QComboBox* OmaPainoKT() const { return ownWeightCase_; }
  QToolButton* KindButton(LoadKind kind) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildTreePanel();
  QWidget* BuildDrawingPanel();
  QWidget* BuildTopRow(QWidget* parent);
  void FillCaseCombo();
  QWidget* BuildOwnWeightPanel(QWidget* parent);
  void ShowOwnWeight();
  // After a change of the own weight: the message of a refusal, the tree and the drawing.
  void OwnWeightChanged(const std::string& message);
  void RebuildTree();
  void TreeSelectionChanged(QTreeWidgetItem* item);
  int RunRequest(const LoadDialogRequest& request);
  int DefaultLoadDialog(const LoadDialogRequest& request);
  bool DefaultCaseDialog();
  void LayOutTopRow();

  // True when the widget shows tree's lines already (the shown tree's, opened alike).
  bool ShowsTree(const LoadTree& tree) const;
  LoadTree tree_;
  std::vector<QTreeWidgetItem*> items_;    // widget item of each tree node
  DrawingPointer pointer_{LoadPointerAt};  // world position last under the pointer
  LoadDialogRunner runLoadDialog_;
  CaseDialogRunner runCaseDialog_;

  QComboBox* caseCombo_ = nullptr;                             // CBktapaukset
  QPushButton* addButton_ = nullptr;                           // LisaaNappi_kuorma
  QPushButton* deleteButton_ = nullptr;                        // PoistaNappi_kuorma
  QPushButton* changeButton_ = nullptr;                        // MuutaNappi_kuorma
  QTreeWidget* treeWidget_ = nullptr;                          // KuormaPuu
  QWidget* topRow_ = nullptr;                                  // Panel11
  QPushButton* casesButton_ = nullptr;                         // KTjaKYnappi
  QToolButton* kindButtons_[3] = {nullptr, nullptr, nullptr};  // SBpiste/viiva/pintakuormatONOFF
  QLabel* pointerPanel_ = nullptr;                             // Panel14
  QCheckBox* ownWeightCheck_ = nullptr;                        // OmaPainoCheck
  QLineEdit* ownWeightDensity_ = nullptr;                      // OmaPainoTiheys
  QLabel* ownWeightNote_ = nullptr;
  QComboBox* ownWeightCase_ = nullptr;  // OmaPainoKT
  PaintBox* paintBox_ = nullptr;        // PaintBox2
};

}  // namespace qv
