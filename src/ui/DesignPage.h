// The "Mitoitus" page: section, material and moisture choice, check switches, the results tree and
// the traffic light.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <functional>
#include <string>
#include <vector>

#include "design/DesignTree.h"
#include "design/SectionSearch.h"
#include "ui/ProjectPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace qv {

// Traffic-light states beside the total label: 2 passes, 1 fails (as the design tree's
// images), 0 unknown: the checks could not all run, so neither verdict is shown.
constexpr int kLightUnknown = 0;

// Node image of the results tree (1 exceeded, 2 satisfied, 3 information); null for others.
QIcon DesignTreeIcon(int image);
// The traffic light for a state (0, 1, 2) at the given height.
QPixmap TrafficLightPixmap(int state, int height);
// Picture of a section shape item of the library dialog (0 rectangle, 1 circle).
QPixmap SectionShapePixmap(int item, int size);

class DesignPage : public ProjectPage {
  Q_OBJECT

 public:
  // Opens the settings dialog on page 1..4; returns 1 when OK stored, 0 when cancelled.
  using SettingsRunner = std::function<int(int page)>;

  explicit DesignPage(const UiContext& ui, QWidget* parent = nullptr);

  // RefreshDesignPage: lists, check boxes, buttons and library name from the project, then
  // the design.
  void Refresh() override;

  // RunDesign: the whole design of the current section, shown in the tree, the light and
  // the label. Returns 1 when the design passes, else 0.
  int RunDesign();

  // The user's actions, public so tests drive exactly what the widgets drive.
  void SectionChosen(int item);    // PLlistaCB_mitoitus
  void MaterialChosen(int item);   // MateriaaliCB_mitoitus
  void MoistureChosen(int item);   // KosteusL_mitoitus
  void NextClicked();              // "Seuraava"
  void PreviousClicked();          // "Edellinen"
  void CheckClicked();             // any of the four check boxes
  void SettingsClicked(int page);  // the four "Asetukset..." buttons
  void InfoClicked();              // InfoOnOffBTN
  void ExpandAllClicked();         // KaikkiAukiBTN
  void CollapseAllClicked();       // KaikkiKiinniBTN
  void LibraryClicked();           // PLkirjastoBTN_mitoitus
  void SearchClicked();            // "Etsi seuraava sopiva"
  void LightestClicked();          // "Kevyin sopiva"
  void SweepClicked();             // "Kaikki poikkileikkaukset..."

  void SetSettingsRunner(SettingsRunner runner) { runSettings_ = std::move(runner); }
  // Shows the table of every section; returns 1 when a section was chosen from it.
  using SweepRunner = std::function<int()>;
  void SetSweepRunner(SweepRunner runner) { runSweep_ = std::move(runner); }

  // What the page shows.
  const DesignTree& Tree() const { return tree_; }
  int TrafficLight() const { return light_; }
  QTreeWidget* MitoitusTulokset() const { return treeWidget_; }
  QLabel* TotalKALabel() const { return totalLabel_; }
  QLabel* TotalValoImage() const { return lightImage_; }

 signals:
  // After each section the search designed, the tree still hidden (tests look in between).
  void SectionDesigned(int index);

 private:
  QWidget* BuildControlPanel();
  QWidget* BuildSectionBox(QWidget* parent);
  QWidget* BuildChecksBox(QWidget* parent);
  QWidget* BuildResultsPanel();
  void FillSectionList();
  void FillMaterialList();
  void FillMoistureList();
  void ShowSectionInfo();
  void SetChecksFromSettings();
  void ApplyCheckEnables();
  void ShowLibraryName();
  void MoveToSection(int index);
  // The walk of "Etsi seuraava sopiva" without its closing message.
  SectionSearchResult RunSearch();
  void ShowTree();  // the tree the page holds
  void ShowVerdict(const DesignTree& tree);
  void ShowLight(int state, const std::string& label);
  void ShowGroupSummary(const DesignTree& tree);
  // Status bar text of the window the page sits in (kept here when there is none).
  std::string StatusText() const;
  void SetStatusText(const std::string& text);
  int DefaultSettingsDialog(int page);
  void Changed();
  int DefaultSweepDialog();
  // Unattended pictures of the dialogs (QELVUX_SCREENSHOT with QELVUX_SCREENSHOT_MITASE = 1..5,
  // QELVUX_SCREENSHOT_PROFIILIT = 1 or QELVUX_SCREENSHOT_KAIKKI = 1): the dialog is shown over the
  // page, grabbed into the file, and the program ends.
  void ScheduleDialogScreenshot();

  DesignTree tree_;
  int light_ = kLightUnknown;
  bool searching_ = false;
  bool screenshotScheduled_ = false;
  std::string ownStatus_;
  SettingsRunner runSettings_;
  SweepRunner runSweep_;

  QComboBox* sectionList_ = nullptr;      // PLlistaCB_mitoitus
  QPushButton* libraryButton_ = nullptr;  // PLkirjastoBTN_mitoitus
  QListWidget* sectionInfo_ = nullptr;    // PLtiedot_mitoitus
  QComboBox* materialList_ = nullptr;     // MateriaaliCB_mitoitus
  QListWidget* moistureList_ = nullptr;   // KosteusL_mitoitus
  QPushButton* previousButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  QPushButton* searchButton_ = nullptr;        // EtsiBTN_mitoitus
  QPushButton* lightestButton_ = nullptr;      // KevyinBTN_mitoitus
  QPushButton* sweepButton_ = nullptr;         // KaikkiBTN_mitoitus
  QCheckBox* stressCheck_ = nullptr;           // JannitysCheck
  QCheckBox* bucklingCheck_ = nullptr;         // NurjahdusCheck
  QCheckBox* ltbCheck_ = nullptr;              // KiepahdusCheck
  QCheckBox* deflectionCheck_ = nullptr;       // SiirtymaCheck
  QPushButton* stressSettings_ = nullptr;      // JannAseBTN
  QPushButton* bucklingSettings_ = nullptr;    // NurjAseBTN
  QPushButton* ltbSettings_ = nullptr;         // KiepAseBTN
  QPushButton* deflectionSettings_ = nullptr;  // SiirAseBTN
  QCheckBox* vibrationCheck_ = nullptr;        // VarahtelyCheck, design code 4
  QPushButton* vibrationSettings_ = nullptr;   // VarAseBTN
  QToolButton* infoButton_ = nullptr;          // InfoOnOffBTN
  QToolButton* expandButton_ = nullptr;        // KaikkiAukiBTN
  QToolButton* collapseButton_ = nullptr;      // KaikkiKiinniBTN
  QTreeWidget* treeWidget_ = nullptr;          // MitoitusTulokset
  QLabel* lightImage_ = nullptr;               // TotalValoImage
  QLabel* totalLabel_ = nullptr;               // TotalKALabel
  QWidget* groupSummary_ = nullptr;            // the group roots of the tree, beside the total
};

}  // namespace qv
