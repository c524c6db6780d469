// The design settings dialog's four pages as plain data: what they show, their checks and storing.
#pragma once

#include <string>
#include <vector>

#include "design/data/MitoitusAsetuksetRajat.h"

// Every Store* function validates its page first, field by field, and stops at the first
// bad field, returning the text of the "VIRHE" box to show; only a valid page is stored
// (an empty text). A number may use a decimal comma.
namespace mitoitusasetukset {

constexpr const char* kCaption = "Mitoitusasetukset";
constexpr const char* kErrorCaption = "VIRHE";
constexpr const char* kNotChecked = "Ei tarkastella";

// Pages 1..5: buckling, lateral-torsional buckling, deflection limits, stresses, and for
// design code 4 floor vibration (VibrationSettingsPage.h).
enum Page {
  kBucklingPage = 1,
  kLtbPage = 2,
  kDeflectionPage = 3,
  kStressPage = 4,
  kVibrationPage = 5
};
std::string PageCaption(int page);  // "Nurjahdusasetukset", ... ; "" outside 1..5
int HelpContext(int page);          // 342, 343, 344, 341, 345; 0 outside 1..5

// ---- Page 1, buckling ----
struct NurjahdusSivu {
  bool Ynurj = true;   // YnurjCheck
  bool Znurj = false;  // ZnurjCheck
  int YMode = 1;       // 1 factor (YnurjKerroinRB), 2 length (YnurjPituusRB)
  int ZMode = 1;
  std::string YKerroin;  // NurjKerrYCB
  std::string ZKerroin;  // NurjKerrZCB
  std::string YLc;       // LcYCB
  std::string ZLc;       // LcZCB
  int YEpakItem = 7;     // EpakYCB item
  int ZEpakItem = 7;     // EpakZCB item
};
std::vector<std::string> BucklingFactorItems();  // "2.5", "1.5", "1.0", "0.85", "0.7"
std::vector<std::string> EccentricityItems();    // "L/50" ... "L/400"
// Item of an eccentricity denominator n, -1 when the list has none for it.
int EccentricityItem(double n);
// The eccentricity boxes are hidden for EC5.
bool EccentricityShown(qv::DesignCode code);
// Text of a box when its mode is chosen: the member length "%.0f" / "1.00".
std::string LengthModeText(double memberLength);
std::string FactorModeText();
NurjahdusSivu ShowBucklingPage(const MitoitusAsetukset& settings);
std::string StoreBucklingPage(const NurjahdusSivu& page, qv::DesignCode code,
                              MitoitusAsetukset& settings);

// ---- Page 2, lateral-torsional buckling ----
struct KiepahdusSivu {
  bool UserLk = false;   // KiepahdusTuentaVali1RB (else KiepahdusTuentaVali2RB)
  std::string Lk;        // LkCB
  std::string Kerroin;   // Kk1CB
  int LoadPosition = 1;  // KuormanPaikkaCB, design code 4: LoadPositionItems
};
// Design code 4: where the load acts on the section (axis, compression edge, tension edge).
std::vector<std::string> LoadPositionItems();
std::vector<std::string> LkItems(double memberLength);  // 0.1·i·L, i = 1..10, "%.1f"
std::vector<std::string> LtbFactorItems(qv::DesignCode code);
std::string LtbFactorSource(qv::DesignCode code);  // "(EC5, taulukko 5.2.2)" or "(RakMK B10, s. 8)"
KiepahdusSivu ShowLtbPage(const MitoitusAsetukset& settings, qv::DesignCode code,
                          double memberLength);
std::string StoreLtbPage(const KiepahdusSivu& page, qv::DesignCode code,
                         MitoitusAsetukset& settings);

// ---- Page 3, deflection limits ----
// Rows are the conditions 1..3 (index 0..2), columns y (0) and z (1).
struct SiirtymaSivu {
  int RelItem[3][2] = {{6, 6}, {4, 4}, {4, 4}};  // Ylperehto1CB ...
  std::string Abs[3][2];                         // Yabsoluuttinen1CB ...
  std::string UlokeKerroin;                      // UlokeKerroinCB
};
std::vector<std::string> RelativeLimitItems();     // "Ei tarkastella", "L/50" ... "L/500"
int RelativeLimitItem(double n);                   // -1 when the list has none for it
std::string AbsoluteLimitText(double limit);       // "%.1f", or "Ei tarkastella" for 0
std::vector<std::string> CantileverFactorItems();  // "1.00", "2.00"
// Label of a condition's row for the code; "" for a row the code hides.
std::string DeflectionRowLabel(qv::DesignCode code, int condition);
int DeflectionRowsShown(qv::DesignCode code);  // DeflectionConditionCount
// Code 4 shows its own three L/x limits in both columns and no absolute ones, and stores the
// y column's.
SiirtymaSivu ShowDeflectionPage(const MitoitusAsetukset& settings,
                                qv::DesignCode code = qv::DesignCode::kLimitState);
std::string StoreDeflectionPage(const SiirtymaSivu& page, qv::DesignCode code,
                                MitoitusAsetukset& settings);

// ---- Page 4, stresses (the factor itself belongs to the material tables) ----
std::vector<std::string> StressFactorItems(qv::DesignCode code);
std::string StressFactorText(double factor);  // "%.2f"
// Validates the typed factor; on success sets value and returns "".
std::string ValidateStressFactor(const std::string& text, qv::DesignCode code, double& value);
// Design code 4, Kc90CB: kc,90 of 6.1.5.
std::vector<std::string> Kc90Items();  // "1.00", "1.25", "1.50", "1.75"
constexpr const char* kKc90Label = "kc,90 (SFS-EN 1995-1-1, 6.1.5):";
// Validates the typed kc,90; on success sets value and returns "".
std::string ValidateKc90(const std::string& text, double& value);

}  // namespace mitoitusasetukset
