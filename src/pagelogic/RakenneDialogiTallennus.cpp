// Storing what the member, support and hinge dialog accepted, with the questions a change of length
// raises.
#include "pagelogic/RakenneDialogi.h"

#include <cmath>

#include "model/FieldHelpers.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "project/QELVUX_data.h"

namespace qv {

const char* const kQuestionMoveEndSupport = "Haluatko että loppupään tukea siirretään myös ?";
const char* const kQuestionLengthenLoads =
    "Haluatko että koko rakenteen pituiset viiva-/pintakuormat pidennetään myös ?";

namespace {

using RV = RakenneVektori;

std::string StoredName(const std::string& name) {
  return name.empty() ? std::string(" ") : CutChars(name, kRakenneNameMaxChars);
}

// Reads a number the checks have already passed.
double Number(const std::string& text) {
  double v = 0.0;
  ParseNumber(text, -kRealFieldLimit, kRealFieldLimit, v);
  return v;
}

RakenneStoreResult Ask(RakenneQuestion q) {
  RakenneStoreResult r;
  r.status = RakenneStoreStatus::kAsk;
  r.question = q;
  r.questionText =
      q == RakenneQuestion::kMoveEndSupport ? kQuestionMoveEndSupport : kQuestionLengthenLoads;
  r.questionCaption = "HUOMIO";
  return r;
}

RakenneStoreResult Stored() {
  RakenneStoreResult r;
  r.status = RakenneStoreStatus::kStored;
  return r;
}

// Moves point i to x with its name, kind and code; its new index.
int MovePoint(RV& m, int i, double x) {
  const std::string name = m.TextOr(i, 0, " ");
  const int kind = m.Kind(i);
  const int code = m.Code(i);
  m.RemoveRecord(i);
  return m.AddPoint(name, kind, code, x);
}

RakenneStoreResult StorePoint(QELVUX_data& p, const RakenneDialogState& s,
                              const RakenneDialogInput& in) {
  RV& m = p.Member;
  const bool support = s.mode == kRakenneSupport;
  if (s.pointIndex >= 0) m.RemoveRecord(s.pointIndex);
  m.CurrentIndex =
      m.AddPoint(StoredName(in.name), support ? RV::kSupport : RV::kHinge,
                 support ? SupportTypeCode(in.supportType) : RV::kHingeZ, Number(in.position));
  return Stored();
}

RakenneStoreResult StoreMember(QELVUX_data& p, const RakenneDialogInput& in,
                               const RakenneAnswers& answers) {
  RV& m = p.Member;
  const double oldLength = m.Length;
  const double length = Number(in.length);
  const int endSupport = m.FindPoint(RV::kSupport, oldLength, 0.0);
  const bool fullLoads = p.Loads.FullLengthLoadsExist(oldLength);
  const bool askMove = endSupport >= 0 && m.FindPoint(RV::kSupport, length, kRakenneMinGap) < 0;
  const bool askLengthen = fullLoads && oldLength < length;
  // Every question is put before anything changes, so a caller may stop between them.
  if (askMove && answers.moveEndSupport < 0) return Ask(RakenneQuestion::kMoveEndSupport);
  if (askLengthen && answers.lengthenLoads < 0) return Ask(RakenneQuestion::kLengthenLoads);

  m.Name = StoredName(in.name);
  m.Length = length;
  m.Angle = Number(in.angle);
  m.RidgeX = in.ridgeChecked ? Number(in.ridge) : -1.0;
  if (m.LoadWidth > 0.0) m.LoadWidth = Number(in.loadWidth);
  m.CurrentIndex = -1;

  if (askMove) {
    if (answers.moveEndSupport > 0)
      MovePoint(m, endSupport, length);
    else if (m.Code(endSupport) == RV::kFixed)
      m.RemoveRecord(endSupport);  // only at an end
  } else if (endSupport >= 0 && length != oldLength &&
             std::fabs(length - oldLength) <= kRakenneMinGap) {
    // The end support stays the end support when the length moves by less than the gap:
    // otherwise a shortened member would silently lose it, and a fixed one would stand
    // inside a lengthened member.
    MovePoint(m, endSupport, length);
  }
  if (askLengthen && answers.lengthenLoads > 0) p.Loads.LengthenFullLengthLoads(oldLength, length);
  m.RemovePointsBeyond(length);
  p.Loads.CutLoadsAt(length);
  return Stored();
}

}  // namespace

RakenneStoreResult StoreRakenne(QELVUX_data& project, const RakenneDialogState& state,
                                const RakenneDialogInput& input, const RakenneAnswers& answers) {
  const RakenneDialogState s = NormaliseRakenneState(project, state.mode, state.pointIndex);
  RakenneStoreResult r;
  r.error = ValidateRakenne(project, s, input);
  if (!r.error.ok) return r;
  if (s.mode == kRakenneMember) return StoreMember(project, input, answers);
  return StorePoint(project, s, input);
}

}  // namespace qv
