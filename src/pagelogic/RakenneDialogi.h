// What the member, support and hinge dialog (TRakenneFRM) shows, checks and stores, as plain data.
#pragma once

#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

// Modes of the dialog; 0 and anything unknown count as the member.
constexpr int kRakenneMember = 1;
constexpr int kRakenneSupport = 2;
constexpr int kRakenneHinge = 3;

// Points closer than this (mm) count as standing at the same place.
constexpr double kRakenneMinGap = 10.0;
// Names are cut to this many characters when stored.
constexpr int kRakenneNameMaxChars = 59;

// Label captions; a number that does not read shows its label as the error text.
extern const char* const kLabelMemberName;    // "Nimi/tunnus:"
extern const char* const kLabelLength;        // "Pituus L [mm]:"
extern const char* const kLabelAngle;         // "Suuntakulma alfa [aste]:"
extern const char* const kLabelRidge;         // "Harja/pulpettipalkin harjan paikka x [mm]:"
extern const char* const kLabelLoadWidth;     // "Pintakuormien kerääntymisleveys [mm]:"
extern const char* const kLabelSupportName;   // "Tuen nimi:"
extern const char* const kLabelSupportType;   // "Tuen tyyppi:"
extern const char* const kLabelSupportX;      // "Tuen paikka x1 [mm]:"
extern const char* const kLabelHingeName;     // "Nivelen nimi:"
extern const char* const kLabelHingeX;        // "Nivelen paikka x1 [mm]:"
extern const char* const kRidgeCheckCaption;  // "Rakenne on harja / pulpettipalkki"
// Text of the ridge position when the box is ticked.
extern const char* const kRidgeTickedText;  // "0.0"

// Which point the dialog edits: mode 1 member, 2 support, 3 hinge; pointIndex -1 for a new
// point (and for the member).
struct RakenneDialogState {
  int mode = kRakenneMember;
  int pointIndex = -1;
};

// The mode made valid, and the point index -1 unless it is a point of the mode's kind.
RakenneDialogState NormaliseRakenneState(const QELVUX_data& project, int mode, int pointIndex);

// Everything the dialog shows when it opens.
struct RakenneDialogView {
  RakenneDialogState state;
  std::string caption;     // e.g. "Uuden tuen määrittely"
  std::string tabCaption;  // "Palkki / pilari", "Tuki", "Nivel (Z-akselin ympäri)"
  int helpContext = 321;   // 320 + mode
  int image = 0;           // number of the hint picture "Rakenneohje%d"

  std::string name;

  // Member (mode 1).
  std::string length;
  std::string angle;
  bool ridgeCheckBoxVisible = false;  // the ridge cannot be switched on here
  bool ridgeChecked = false;
  bool ridgeVisible = false;  // the position input
  std::string ridge;
  bool loadWidthVisible = false;
  std::string loadWidth;
  std::vector<std::string> lengthItems;     // 500 .. 10000 by 500
  std::vector<std::string> angleItems;      // 0 .. 90 by 5
  std::vector<std::string> loadWidthItems;  // 100 .. 1200 by 100

  // Support and hinge (modes 2 and 3).
  int supportType = 0;  // item 0..3
  std::vector<std::string> supportTypeItems;
  std::string position;
  std::vector<std::string> positionItems;  // 0.05 i L, i = 0 .. 20
};

RakenneDialogView OpenRakenneDialog(const QELVUX_data& project, int mode, int pointIndex);

// Name of the hint picture: "Rakenneohje%d".
std::string RakenneImageName(int image);
// Hint picture number: 0 member, support type item + 1, 5 hinge.
int RakenneImage(int mode, int supportType);
// Restraint code of support type item 0..3 (the pinned code for any other item), and back
// (item 0 for a code that is none of the four).
int SupportTypeCode(int item);
int SupportTypeItem(int code);
// Proposed position of a new support (0, L, L/2, L/4, 3L/4, the first that is free) or a new
// hinge (L/2, L/4, 3L/4).
double ProposeSupportPosition(const QELVUX_data& project);
double ProposeHingePosition(const QELVUX_data& project);

// What the user has typed and chosen when pressing OK.
struct RakenneDialogInput {
  std::string name;
  std::string length;
  std::string angle;
  bool ridgeChecked = false;
  std::string ridge;
  std::string loadWidth;
  int supportType = 0;
  std::string position;
};
// The inputs as the dialog opened with them.
RakenneDialogInput InputFromView(const RakenneDialogView& view);

// Inputs of the dialog, for putting the focus on the one that failed.
enum class RakenneField {
  kNone,
  kName,
  kLength,
  kAngle,
  kRidge,
  kLoadWidth,
  kSupportType,
  kPosition
};

// Result of the checks: ok, or the message box (caption "VIRHE") and the field at fault.
struct RakenneValidation {
  bool ok = true;
  RakenneField field = RakenneField::kNone;
  std::string message;
  std::string caption;
};

// The checks of OK in their order; the first failure stops them.
RakenneValidation ValidateRakenne(const QELVUX_data& project, const RakenneDialogState& state,
                                  const RakenneDialogInput& input);

// Questions OK may ask (caption "HUOMIO", Yes / No) when the member's length changes.
enum class RakenneQuestion { kNone, kMoveEndSupport, kLengthenLoads };
extern const char* const kQuestionMoveEndSupport;
extern const char* const kQuestionLengthenLoads;

// Answers given so far: -1 not asked yet, 0 No, 1 Yes.
struct RakenneAnswers {
  int moveEndSupport = -1;
  int lengthenLoads = -1;
};

enum class RakenneStoreStatus { kInvalid, kAsk, kStored };

struct RakenneStoreResult {
  RakenneStoreStatus status = RakenneStoreStatus::kInvalid;
  RakenneValidation error;  // kInvalid: what to show; the dialog stays open
  RakenneQuestion question = RakenneQuestion::kNone;  // kAsk: the question to put
  std::string questionText;
  std::string questionCaption;
};

// OK: validates, then stores into the project. When a question is due that answers does not
// hold yet, nothing is stored and the question is returned; the caller asks it, records the
// answer and calls again with the same input. kStored closes the dialog with OK.
RakenneStoreResult StoreRakenne(QELVUX_data& project, const RakenneDialogState& state,
                                const RakenneDialogInput& input, const RakenneAnswers& answers);

}  // namespace qv
