// The member, support and hinge dialog: moves the texts of the dialog logic in and out.
#pragma once

#include <QDialog>

#include "pagelogic/RakenneDialogi.h"
#include "ui/ProjectPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace qv {

// Modal; edits the project it is given only when OK stores. Components carry the names of
// the program (Edit1, ComboBox2 ... ComboBox22, RakenneKuva) so tests can find them.
class TRakenneFRM : public QDialog {
  Q_OBJECT

 public:
  // mode 1 member, 2 support, 3 hinge (0 and others count as 1); pointIndex -1 for a new
  // point or the member.
  TRakenneFRM(const UiContext& ui, int mode, int pointIndex, QWidget* parent = nullptr);

  // Shows the dialog modally: 1 when OK stored the input, 0 when cancelled.
  int Run();

  // OK: checks, asks what has to be asked, stores and closes. False, with the message shown,
  // when the input was refused and the dialog stays open.
  bool OkClicked();
  void HelpClicked();

  const RakenneDialogView& View() const { return view_; }
  // Number of the hint picture now shown ("Rakenneohje%d").
  int ImageNumber() const { return image_; }

 private:
  QWidget* BuildMemberTab();
  QWidget* BuildSupportTab();
  QWidget* BuildHingeTab();
  void Fill();
  void ShowImage(int image);
  void RidgeToggled(bool on);
  void SupportTypeChanged(int item);
  RakenneDialogInput Input() const;
  void FocusField(RakenneField field);

  UiContext ui_;
  RakenneDialogView view_;
  int image_ = 0;

  QTabWidget* pages_ = nullptr;
  QLabel* picture_ = nullptr;
  QLineEdit* memberName_ = nullptr;  // Edit1
  QComboBox* length_ = nullptr;      // ComboBox2
  QComboBox* angle_ = nullptr;       // ComboBox3
  QCheckBox* ridgeBox_ = nullptr;    // CheckBox1
  QLabel* ridgeLabel_ = nullptr;
  QComboBox* ridge_ = nullptr;  // ComboBox4
  QLabel* loadWidthLabel_ = nullptr;
  QComboBox* loadWidth_ = nullptr;    // ComboBox5
  QLineEdit* supportName_ = nullptr;  // Edit11
  QComboBox* supportType_ = nullptr;  // ComboBox12
  QComboBox* supportX_ = nullptr;     // ComboBox13
  QLineEdit* hingeName_ = nullptr;    // Edit21
  QComboBox* hingeX_ = nullptr;       // ComboBox22
};

}  // namespace qv
