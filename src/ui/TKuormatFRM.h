// The load dialog "Kuormitustietojen syöttö": moves the texts of the load dialog logic in and out.
#pragma once

#include <QDialog>

#include "pagelogic/KuormaDialogi.h"
#include "ui/ProjectPage.h"

class QCheckBox;
class QFormLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace qv {

class PaintBox;

// Modal; changes the project only when OK stores. Components carry the names of the program
// (Edit1, ComboBox2 .. ComboBox28, KopioiPisteKuormatCheck, KuormaKuva) so tests find them.
class TKuormatFRM : public QDialog {
  Q_OBJECT

 public:
  // loadIndex -1 for a new load of the case.
  TKuormatFRM(const UiContext& ui, int loadCase, LoadKind kind, int loadIndex,
              QWidget* parent = nullptr);

  // Shows the dialog modally: 1 when OK stored the load, 0 when cancelled.
  int Run();

  // OK: checks and stores, then closes. False, with the message shown, when the input was
  // refused and the dialog stays open.
  bool OkClicked();
  void HelpClicked();

  const KuormaDialogView& View() const { return view_; }
  // Number of the hint picture now shown ("kuormaohje%d").
  int ImageNumber() const { return view_.image; }

 private:
  // The inputs of one tab; the point tab has no x2, Q2 and reference.
  struct Tab {
    QLineEdit* name = nullptr;
    QComboBox* type = nullptr;
    QComboBox* direction = nullptr;
    QLabel* referenceLabel = nullptr;
    QComboBox* reference = nullptr;
    QLabel* x1Label = nullptr;
    QComboBox* x1 = nullptr;
    QLabel* x2Label = nullptr;
    QComboBox* x2 = nullptr;
    QLabel* q1Label = nullptr;
    QComboBox* q1 = nullptr;
    QLabel* q2Label = nullptr;
    QComboBox* q2 = nullptr;
  };

  QWidget* BuildTab(LoadKind kind, Tab& tab);
  void BuildCopyRow(QWidget* page, QFormLayout* form);
  void Fill();
  void ShowLists();
  void ShowReference();
  void TypeChanged(int type);
  void DirectionChanged(int direction);
  void ReferenceChanged(int reference);
  void Q1Edited(const QString& text);
  void CopyToggled(bool on);
  void TakeTexts();
  void FocusField(KuormaField field);
  Tab& Current() { return tabs_[view_.tab >= 0 && view_.tab < 3 ? view_.tab : 0]; }

  UiContext ui_;
  KuormaDialogView view_;
  Tab tabs_[3];
  QTabWidget* pages_ = nullptr;
  QCheckBox* copyBox_ = nullptr;  // KopioiPisteKuormatCheck
  QComboBox* spacing_ = nullptr;  // ComboBox6
  PaintBox* picture_ = nullptr;   // KuormaKuva
};

}  // namespace qv
