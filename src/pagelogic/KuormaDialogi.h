// What the load dialog (TKuormatFRM) shows, checks and stores, as plain data.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Kinds.h"
#include "model/LoadUnits.h"

class QELVUX_data;

namespace qv {

// Names are cut to this many characters when stored.
constexpr int kKuormaNameMaxChars = 59;
// Values are accepted within +- this many shown units.
constexpr double kKuormaValueLimit = 1000000.0;

extern const char* const kKuormaFormCaption;     // "Kuormitustietojen syöttö"
extern const char* const kLabelKuormaName;       // "Kuorman nimi:"
extern const char* const kLabelKuormaPointX1;    // "Kuorman paikka x1 [mm]:"
extern const char* const kLabelKuormaStartX1;    // "Kuorman alku x1 [mm]:"
extern const char* const kLabelKuormaEndX2;      // "Kuorman loppu x2 [mm]:"
extern const char* const kLabelKuormaReference;  // "Kuorman sijainti:"
extern const char* const kKuormaCopyCaption;     // "Kopioi pistekuormat jaolla [mm]:"
extern const char* const kMessageNoLoadValue;    // "Kuorma-arvoa ei ole annettu"
extern const char* const kMessageLoadTooShort;   // "Kuorma liian lyhyt!"
extern const char* const kMessageNoLoadValues;   // "Kuorma-arvoja ei ole annettu!"
extern const char* const kMessageCopySpacing;    // "Kopioinnin jako = ?"

// Which load the dialog edits: its case, its kind and its list index, -1 for a new load.
struct KuormaDialogState {
  int loadCase = 0;
  qv::LoadKind kind = qv::LoadKind::kPoint;
  int loadIndex = -1;
};
// An existing load gives its own case and kind; an index that is no load means a new one, no
// kind a point load and a case that is none the first case.
KuormaDialogState NormaliseKuormaState(const QELVUX_data& project, int loadCase,
                                       std::optional<qv::LoadKind> kind, int loadIndex);

// Everything the dialog shows; it is also the working state the change handlers update.
struct KuormaDialogView {
  KuormaDialogState state;
  std::string caption;     // "Uuden kuorman määrittely" / "Olemassaolevan kuorman muuttaminen"
  int tab = 0;             // the only tab shown: kind - 1
  std::string tabCaption;  // "Pistekuormat", "Viivakuormat", "Pintakuormat"
  int helpContext = 331;   // 330 + kind

  std::string name;
  std::vector<std::string> typeItems;
  int type = kKuormaForce;
  std::vector<std::string> directionItems;
  int direction = 1;              // item 0..5
  bool referenceVisible = false;  // line and surface loads in X or Y only
  std::vector<std::string> referenceItems;
  int reference = 0;

  std::string x1Label;
  std::string x2Label;  // "" for point loads
  std::string x1;
  std::string x2;
  std::vector<std::string> positionItems;  // 0.05 i L, i = 0 .. 20
  std::string q1Label;
  std::string q2Label;  // "" for point loads
  std::string q1;
  std::string q2;
  std::vector<std::string> valueItems;

  bool copyVisible = false;  // new point loads only
  bool copyChecked = false;
  bool spacingEnabled = false;
  std::vector<std::string> spacingItems;
  std::string spacing = "1200";

  int image = 0;  // "kuormaohje%d"
};

KuormaDialogView OpenKuormaDialog(const QELVUX_data& project, int loadCase,
                                  std::optional<qv::LoadKind> kind, int loadIndex);

// Changing the type: labels, value lists and direction items (same item selected) follow.
void ChangeKuormaType(const QELVUX_data& project, KuormaDialogView& view, int type);
// Changing the direction: the reference list is rebuilt with item 0 selected and shown or
// hidden, and the picture follows.
void ChangeKuormaDirection(KuormaDialogView& view, int direction);
// Changing the reference: the picture follows.
void ChangeKuormaReference(KuormaDialogView& view, int reference);
// The Q1 text of a line or surface load is copied into Q2.
void ChangeKuormaQ1(KuormaDialogView& view, const std::string& text);
// KopioiPisteKuormatCheck: the spacing is enabled only while the box is ticked.
void SetKuormaCopy(KuormaDialogView& view, bool checked);

std::vector<std::string> KuormaDirectionItems(int type);
// Item 0 "Rakennepituutta kohden (x-akseli)", and for global X and Y forces item 1.
std::vector<std::string> KuormaReferenceItems(int type, int direction);
// Stored reference length: 1, or for item 1 3 with a global X force and 2 with a global Y
// force.
int KuormaReferenceLength(qv::LoadKind kind, int type, int direction, int reference);
// Reference item of a stored load: 1 for codes 1 and 2 with a length other than 1, else 0.
int KuormaReferenceItem(int code, int referenceLength);
// Stored value = shown value x factor.
double KuormaUnitFactor(qv::LoadKind kind, int type);
// Picture number: points 3t + d (global) or 3t + d + 3 (local); line and surface loads the
// same plus 21, X per vertical projection 33 and Y per horizontal projection 34.
int KuormaImage(qv::LoadKind kind, int type, int direction, int reference);
std::string KuormaImageName(int image);
// The values of the project's loads of the kind and type in shown units and -1 .. -9,
// distinct, descending, "%.3f".
std::vector<std::string> KuormaValueItems(const QELVUX_data& project, qv::LoadKind kind, int type);
// Value labels of kind and type ("Kuorman ominaisarvo F [kN]:" ...); q2 "" for point loads.
void KuormaValueLabels(qv::LoadKind kind, int type, std::string& q1Label, std::string& q2Label);

// What the user has typed and chosen when pressing OK.
struct KuormaDialogInput {
  std::string name;
  int type = kKuormaForce;
  int direction = 1;
  int reference = 0;
  std::string x1;
  std::string x2;
  std::string q1;
  std::string q2;
  bool copyChecked = false;
  std::string spacing;
};
KuormaDialogInput InputFromView(const KuormaDialogView& view);

enum class KuormaField { kNone, kName, kX1, kX2, kQ1, kQ2, kSpacing };

// Result of the checks: ok, or the message (caption "VIRHE") and the input at fault.
struct KuormaValidation {
  bool ok = true;
  KuormaField field = KuormaField::kNone;
  std::string message;
  std::string caption;
};
KuormaValidation ValidateKuorma(const QELVUX_data& project, const KuormaDialogState& state,
                                const KuormaDialogInput& input);

struct KuormaStoreResult {
  bool stored = false;     // true: the dialog closes with OK
  KuormaValidation error;  // when not stored: what to show; the dialog stays open
  int loadIndex = -1;      // the changed load, or the last load added
  int added = 0;           // loads added (copies included)
  // Code 4: why the combinations could not follow the first load of a case (stored anyway).
  std::string combinationProblem;
};
// OK: validates, then adds the new load (and its copies) in load order, the last one added
// becoming the page's selected load, or overwrites the changed load in place.
KuormaStoreResult StoreKuorma(QELVUX_data& project, const KuormaDialogState& state,
                              const KuormaDialogInput& input);

}  // namespace qv
