// The design settings dialog "Mitoitusasetukset": one of its four pages, shown, checked and stored.
#pragma once

#include <QDialog>

#include "pagelogic/MitoitusAsetuksetSivut.h"
#include "pagelogic/VibrationSettingsPage.h"
#include "ui/ProjectPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QTabWidget;

namespace qv {

// Modal; edits the project's design settings (and, on page 4, the stress factor of the
// material tables) only when OK finds the shown page valid. Components carry the program's
// names (NurjKerrYCB, LkCB, Ylperehto1CB ...) so tests find them.
class TMitAseFRM : public QDialog {
  Q_OBJECT

 public:
  // page 1 buckling, 2 lateral-torsional buckling, 3 deflection limits, 4 stresses,
  // 5 floor vibration (design code 4); only
  // that page's tab is visible (any other number counts as 1).
  TMitAseFRM(const UiContext& ui, int page, QWidget* parent = nullptr);

  // Shows the dialog modally: 1 when OK stored the page, 0 when cancelled.
  int Run();
  // OK: the shown page is checked, then stored and the dialog closed. False, with the
  // "VIRHE" box shown, when a value was refused: the dialog stays open as typed.
  bool OkClicked();
  void HelpClicked();

  int PageNumber() const { return page_; }
  QTabWidget* PageControl1() const { return pages_; }

 private:
  QWidget* BuildBucklingPage();
  QWidget* BuildBucklingColumn(QWidget* parent, int column);
  QWidget* BuildLtbPage();
  QWidget* BuildDeflectionPage();
  QWidget* BuildStressPage();
  QWidget* BuildVibrationPage();
  void ShowBucklingPage();
  void ShowLtbPage();
  void ShowDeflectionPage();
  void ShowStressPage();
  void ShowVibrationPage();
  void BucklingModeChanged(int column, int mode);
  void LtbModeChanged(bool userLk);
  std::string StoreShownPage();
  double StressFactor() const;
  void SetStressFactor(double value);
  qv::DesignCode Code() const;
  double MemberLength() const;

  UiContext ui_;
  int page_ = 1;
  bool filling_ = false;  // the dialog itself is setting its inputs

  QTabWidget* pages_ = nullptr;
  // Page 1, per column 0 = y, 1 = z.
  QCheckBox* bucklingOn_[2] = {};     // YnurjCheck, ZnurjCheck
  QRadioButton* factorMode_[2] = {};  // YnurjKerroinRB, ZnurjKerroinRB
  QRadioButton* lengthMode_[2] = {};  // YnurjPituusRB, ZnurjPituusRB
  QComboBox* factor_[2] = {};         // NurjKerrYCB, NurjKerrZCB
  QComboBox* lc_[2] = {};             // LcYCB, LcZCB
  QLabel* eccentricityLabel_[2] = {};
  QComboBox* eccentricity_[2] = {};  // EpakYCB, EpakZCB
  // Page 2.
  QRadioButton* userLk_ = nullptr;  // KiepahdusTuentaVali1RB
  QRadioButton* spanLk_ = nullptr;  // KiepahdusTuentaVali2RB
  QLabel* lkLabel_ = nullptr;
  QComboBox* lk_ = nullptr;  // LkCB
  QLabel* ltbFactorLabel_ = nullptr;
  QLabel* ltbFactorSource_ = nullptr;
  QComboBox* ltbFactor_ = nullptr;     // Kk1CB
  QComboBox* loadPosition_ = nullptr;  // KuormanPaikkaCB, design code 4
  // Page 3, rows = conditions 1..3, columns y, z.
  QLabel* rowLabel_[3] = {};
  QLabel* directionHeader_[2] = {};  // "y-suunta", "z-suunta"
  QLabel* kindHeader_[2][2] = {};    // per direction: "Suhteellinen:", absolute
  QComboBox* relative_[3][2] = {};   // Ylperehto1CB ...
  QComboBox* absolute_[3][2] = {};   // Yabsoluuttinen1CB ...
  QComboBox* cantilever_ = nullptr;  // UlokeKerroinCB
  // Page 4.
  QLabel* stressLabel_ = nullptr;
  QComboBox* stressFactor_ = nullptr;  // JannKerroinCB
  QComboBox* kc90_ = nullptr;          // Kc90CB, design code 4
  // Page 5, in the order of mitoitusasetukset::VarahtelySivu.
  QComboBox* vibration_[mitoitusasetukset::kVibrationFieldCount] = {};
};

}  // namespace qv
