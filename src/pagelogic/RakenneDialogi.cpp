// The member, support and hinge dialog: what it shows, its lists and proposals, and the checks of
// OK.
#include "pagelogic/RakenneDialogi.h"

#include <cmath>

#include "model/NumberText.h"
#include "project/QELVUX_data.h"

namespace qv {

const char* const kLabelMemberName = "Nimi/tunnus:";
const char* const kLabelLength = "Pituus L [mm]:";
const char* const kLabelAngle = "Suuntakulma alfa [aste]:";
const char* const kLabelRidge = "Harja/pulpettipalkin harjan paikka x [mm]:";
const char* const kLabelLoadWidth = "Pintakuormien kerääntymisleveys [mm]:";
const char* const kLabelSupportName = "Tuen nimi:";
const char* const kLabelSupportType = "Tuen tyyppi:";
const char* const kLabelSupportX = "Tuen paikka x1 [mm]:";
const char* const kLabelHingeName = "Nivelen nimi:";
const char* const kLabelHingeX = "Nivelen paikka x1 [mm]:";
const char* const kRidgeCheckCaption = "Rakenne on harja / pulpettipalkki";
const char* const kRidgeTickedText = "0.0";

namespace {

using RV = RakenneVektori;

const char* const kErrorCaption = "VIRHE";
const int kSupportCodes[4] = {RV::kPinned, RV::kSlidingX, RV::kSlidingY, RV::kFixed};

std::vector<std::string> Steps(int from, int to, int step) {
  std::vector<std::string> out;
  for (int v = from; v <= to; v += step) out.push_back(std::to_string(v));
  return out;
}

std::vector<std::string> PositionItems(double length) {
  std::vector<std::string> out;
  for (int i = 0; i <= 20; ++i) out.push_back(FormatFixed(0.05 * i * length, 0));
  return out;
}

bool Occupied(const RV& m, int kind, double x) { return m.FindPoint(kind, x, kRakenneMinGap) >= 0; }

void ShowMember(const QELVUX_data& p, RakenneDialogView& v) {
  const RV& m = p.Member;
  v.caption = "Palkin/pilarin tietojen muuttaminen";
  v.tabCaption = "Palkki / pilari";
  v.name = m.Name;
  v.length = FormatFixed(m.Length, 2);
  v.angle = FormatFixed(m.Angle, 2);
  v.ridgeChecked = m.RidgeX >= 0.0;
  v.ridgeVisible = v.ridgeChecked;
  v.ridge = v.ridgeChecked ? FormatFixed(m.RidgeX, 2) : std::string();
  v.loadWidthVisible = m.LoadWidth > 0.0;
  v.loadWidth = v.loadWidthVisible ? FormatFixed(m.LoadWidth, 2) : std::string();
  v.lengthItems = Steps(500, 10000, 500);
  v.angleItems = Steps(0, 90, 5);
  v.loadWidthItems = Steps(100, 1200, 100);
}

void ShowSupport(const QELVUX_data& p, RakenneDialogView& v) {
  const RV& m = p.Member;
  const int i = v.state.pointIndex;
  v.tabCaption = "Tuki";
  v.supportTypeItems = {"Niveltuki (X,Y,Z)", "Liukutuki X (Y,Z)", "Liukutuki Y (X,Z)",
                        "Jäykkä tuki (X,Y,Z,RX,RY,RZ)"};
  v.positionItems = PositionItems(m.Length);
  if (i < 0) {
    v.caption = "Uuden tuen määrittely";
    v.name = " ";
    v.supportType = 0;
    v.position = FormatFixed(ProposeSupportPosition(p), 1);
  } else {
    v.caption = "Olemassaolevan tuen muuttaminen";
    v.name = m.TextOr(i, 0, " ");
    v.supportType = SupportTypeItem(m.Code(i));
    v.position = FormatFixed(m.X(i), 1);
  }
}

void ShowHinge(const QELVUX_data& p, RakenneDialogView& v) {
  const RV& m = p.Member;
  const int i = v.state.pointIndex;
  v.tabCaption = "Nivel (Z-akselin ympäri)";
  v.positionItems = PositionItems(m.Length);
  if (i < 0) {
    v.caption = "Uuden nivelen määrittely";
    v.name = " ";
    v.position = FormatFixed(ProposeHingePosition(p), 1);
  } else {
    v.caption = "Olemassaolevan nivelen muuttaminen";
    v.name = m.TextOr(i, 0, " ");
    v.position = FormatFixed(m.X(i), 1);
  }
}

RakenneValidation Fail(RakenneField field, const std::string& message) {
  RakenneValidation r;
  r.ok = false;
  r.field = field;
  r.message = message;
  r.caption = kErrorCaption;
  return r;
}

// Another point of the kind than `self` within the minimum gap of x.
bool OtherWithinGap(const RV& m, int kind, double x, int self) {
  for (int i = 0; i < m.Count(); ++i) {
    if (i != self && m.Kind(i) == kind && std::fabs(m.X(i) - x) <= kRakenneMinGap) return true;
  }
  return false;
}

// A point of the kind within the gap, but none exactly at x.
bool NearButNotAt(const RV& m, int kind, double x) {
  return m.FindPoint(kind, x, 0.0) < 0 && m.FindPoint(kind, x, kRakenneMinGap) >= 0;
}

RakenneValidation ValidateMember(const QELVUX_data& p, const RakenneDialogInput& in) {
  double length = 0.0, angle = 0.0, ridge = 0.0, width = 0.0;
  if (ParseNumber(in.length, 100.0, 100000.0, length) != 0)
    return Fail(RakenneField::kLength, RangeText(kLabelLength, 100.0, 100000.0));
  if (ParseNumber(in.angle, 0.0, 90.0, angle) != 0)
    return Fail(RakenneField::kAngle, RangeText(kLabelAngle, 0.0, 90.0));
  if (in.ridgeChecked && ParseNumber(in.ridge, 0.0, length, ridge) != 0)
    return Fail(RakenneField::kRidge, RangeText(kLabelRidge, 0.0, length));
  // Without a load width (only from a file) its input is hidden and the width is kept.
  if (p.Member.LoadWidth > 0.0 && ParseNumber(in.loadWidth, 10.0, 10000.0, width) != 0)
    return Fail(RakenneField::kLoadWidth, RangeText(kLabelLoadWidth, 10.0, 10000.0));
  return RakenneValidation{};
}

RakenneValidation ValidatePoint(const QELVUX_data& p, const RakenneDialogState& s,
                                const RakenneDialogInput& in) {
  const RV& m = p.Member;
  const bool support = s.mode == kRakenneSupport;
  double x = 0.0;
  if (ParseNumber(in.position, 0.0, m.Length, x) != 0)
    return Fail(RakenneField::kPosition,
                RangeText(support ? kLabelSupportX : kLabelHingeX, 0.0, m.Length));
  if (support) {
    if (OtherWithinGap(m, RV::kSupport, x, s.pointIndex))
      return Fail(RakenneField::kPosition, "Kohdassa on jo tuki !");
    if (NearButNotAt(m, RV::kHinge, x))
      return Fail(RakenneField::kPosition, "Tuki liian lähellä niveltä!");
    if (SupportTypeCode(in.supportType) == RV::kFixed && x > 0.0 && x < m.Length)
      return Fail(RakenneField::kSupportType, "Jäykkä tuki vain päihin !");
  } else {
    if (OtherWithinGap(m, RV::kHinge, x, s.pointIndex))
      return Fail(RakenneField::kPosition, "Kohdassa on jo nivel !");
    if (NearButNotAt(m, RV::kSupport, x))
      return Fail(RakenneField::kPosition, "Nivel liian lähellä tukea!");
  }
  return RakenneValidation{};
}

}  // namespace

RakenneDialogState NormaliseRakenneState(const QELVUX_data& project, int mode, int pointIndex) {
  RakenneDialogState s;
  s.mode = (mode == kRakenneSupport || mode == kRakenneHinge) ? mode : kRakenneMember;
  s.pointIndex = -1;
  const RV& m = project.Member;
  const int kind = s.mode == kRakenneSupport ? RV::kSupport : RV::kHinge;
  if (s.mode != kRakenneMember && pointIndex >= 0 && pointIndex < m.Count() &&
      m.Kind(pointIndex) == kind)
    s.pointIndex = pointIndex;
  return s;
}

RakenneDialogView OpenRakenneDialog(const QELVUX_data& project, int mode, int pointIndex) {
  RakenneDialogView v;
  v.state = NormaliseRakenneState(project, mode, pointIndex);
  v.helpContext = 320 + v.state.mode;
  if (v.state.mode == kRakenneSupport)
    ShowSupport(project, v);
  else if (v.state.mode == kRakenneHinge)
    ShowHinge(project, v);
  else
    ShowMember(project, v);
  v.image = RakenneImage(v.state.mode, v.supportType);
  return v;
}

std::string RakenneImageName(int image) { return "Rakenneohje" + std::to_string(image); }

int RakenneImage(int mode, int supportType) {
  if (mode == kRakenneSupport) return (supportType >= 0 && supportType <= 3 ? supportType : 0) + 1;
  if (mode == kRakenneHinge) return 5;
  return 0;
}

int SupportTypeCode(int item) { return item >= 0 && item <= 3 ? kSupportCodes[item] : RV::kPinned; }

int SupportTypeItem(int code) {
  for (int i = 0; i < 4; ++i) {
    if (kSupportCodes[i] == code) return i;
  }
  return 0;
}

double ProposeSupportPosition(const QELVUX_data& project) {
  const RV& m = project.Member;
  const double L = m.Length;
  const double proposals[5] = {0.0, L, L / 2.0, L / 4.0, 3.0 * L / 4.0};
  for (int i = 0; i < 4; ++i) {
    if (!Occupied(m, RV::kSupport, proposals[i])) return proposals[i];
  }
  return proposals[4];
}

double ProposeHingePosition(const QELVUX_data& project) {
  const RV& m = project.Member;
  const double L = m.Length;
  const double proposals[3] = {L / 2.0, L / 4.0, 3.0 * L / 4.0};
  for (int i = 0; i < 2; ++i) {
    if (!Occupied(m, RV::kHinge, proposals[i])) return proposals[i];
  }
  return proposals[2];
}

RakenneDialogInput InputFromView(const RakenneDialogView& v) {
  RakenneDialogInput in;
  in.name = v.name;
  in.length = v.length;
  in.angle = v.angle;
  in.ridgeChecked = v.ridgeChecked;
  in.ridge = v.ridge;
  in.loadWidth = v.loadWidth;
  in.supportType = v.supportType;
  in.position = v.position;
  return in;
}

RakenneValidation ValidateRakenne(const QELVUX_data& project, const RakenneDialogState& state,
                                  const RakenneDialogInput& input) {
  const RakenneDialogState s = NormaliseRakenneState(project, state.mode, state.pointIndex);
  if (s.mode == kRakenneMember) return ValidateMember(project, input);
  return ValidatePoint(project, s, input);
}

}  // namespace qv
