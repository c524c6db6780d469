// The load dialog: what it shows for a new or an existing load, direction codes, lists and
// pictures.
#include "pagelogic/KuormaDialogi.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "model/NumberText.h"
#include "pagelogic/LoadTexts.h"
#include "project/QELVUX_data.h"

namespace qv {

const char* const kKuormaFormCaption = "Kuormitustietojen syöttö";
const char* const kLabelKuormaName = "Kuorman nimi:";
const char* const kLabelKuormaPointX1 = "Kuorman paikka x1 [mm]:";
const char* const kLabelKuormaStartX1 = "Kuorman alku x1 [mm]:";
const char* const kLabelKuormaEndX2 = "Kuorman loppu x2 [mm]:";
const char* const kLabelKuormaReference = "Kuorman sijainti:";
const char* const kKuormaCopyCaption = "Kopioi pistekuormat jaolla [mm]:";
const char* const kMessageNoLoadValue = "Kuorma-arvoa ei ole annettu";
const char* const kMessageLoadTooShort = "Kuorma liian lyhyt!";
const char* const kMessageNoLoadValues = "Kuorma-arvoja ei ole annettu!";
const char* const kMessageCopySpacing = "Kopioinnin jako = ?";

namespace {

using KV = KuormaVektori;

const char* const kForceItems[6] = {
    "X-suunta (Pääkoordinaatisto)",       "Y-suunta (Pääkoordinaatisto)",
    "Z-suunta (Pääkoordinaatisto)",       "x-suunta (Paikalliskoordinaatisto)",
    "y-suunta (Paikalliskoordinaatisto)", "z-suunta (Paikalliskoordinaatisto)"};
const char* const kMomentItems[6] = {
    "X-akselin ympäri (Pääkoord.)",       "Y-akselin ympäri (Pääkoord.)",
    "Z-akselin ympäri (Pääkoord.)",       "x-akselin ympäri (Paikalliskoord.)",
    "y-akselin ympäri (Paikalliskoord.)", "z-akselin ympäri (Paikalliskoord.)"};
const char* const kTabCaptions[3] = {"Pistekuormat", "Viivakuormat", "Pintakuormat"};

std::vector<std::string> PositionItems(double length) {
  std::vector<std::string> out;
  for (int i = 0; i <= 20; ++i) out.push_back(FormatFixed(0.05 * i * length, 0));
  return out;
}

// Line and surface tabs offer only forces; a moment read from a file keeps its own item so
// that changing it does not turn it into a force.
std::vector<std::string> TypeItems(LoadKind kind, bool existingMoment) {
  if (kind == KV::kPoint) return {"Pistevoima [kN]", "Pistemomentti [kNm]"};
  if (kind == KV::kLine) {
    if (existingMoment) return {"Voima [kN/m]", "Momentti [kNm/m]"};
    return {"Voima [kN/m]"};
  }
  if (existingMoment) return {"Voima [kN/m2]", "Momentti [kNm/m2]"};
  return {"Voima [kN/m2]"};
}

void RebuildReference(KuormaDialogView& v, int reference) {
  v.referenceItems = KuormaReferenceItems(v.type, v.direction);
  v.reference =
      reference >= 0 && reference < static_cast<int>(v.referenceItems.size()) ? reference : 0;
  v.referenceVisible = v.state.kind != KV::kPoint && v.referenceItems.size() > 1;
  v.image = KuormaImage(v.state.kind, v.type, v.direction, v.reference);
}

void ShowNew(const QELVUX_data& p, KuormaDialogView& v) {
  v.caption = "Uuden kuorman määrittely";
  v.name = " ";
  v.type = kKuormaForce;
  v.direction = 1;
  v.x1 = "0.0";
  v.q1 = "-1.0";
  int reference = 0;
  if (v.state.kind == KV::kPoint) {
    v.copyVisible = true;
  } else {
    v.x2 = FormatFixed(p.Member.Length, 1);
    v.q2 = "-1.0";
    // Snow lies on the horizontal projection of a sloping member.
    const std::string name = p.Loads.Cases().Name(v.state.loadCase);
    if (name.compare(0, 4, "Lumi") == 0 && p.Member.Angle < 90.0) reference = 1;
  }
  v.typeItems = TypeItems(v.state.kind, false);
  v.directionItems = KuormaDirectionItems(v.type);
  RebuildReference(v, reference);
}

void ShowExisting(const QELVUX_data& p, KuormaDialogView& v) {
  const KV& loads = p.Loads;
  const int i = v.state.loadIndex;
  const LoadKind kind = v.state.kind;
  const int code = loads.Direction(i);
  v.caption = "Olemassaolevan kuorman muuttaminen";
  v.name = loads.TextOr(i, 0, " ");
  KuormaDirectionFromCode(code, v.type, v.direction);
  const double factor = KuormaUnitFactor(kind, v.type);
  v.x1 = loads.X1(i) < 0.0 ? std::string("0.0") : FormatFixed(loads.X1(i), 1);
  v.q1 = FormatFixed(loads.Q1(i) / factor, 3);
  if (kind != KV::kPoint) {
    v.x2 = FormatFixed(loads.X2(i) < 0.0 ? p.Member.Length : loads.X2(i), 1);
    v.q2 = FormatFixed(loads.Q2(i) / factor, 3);
  }
  v.typeItems = TypeItems(kind, v.type == kKuormaMoment);
  v.directionItems = KuormaDirectionItems(v.type);
  RebuildReference(v, KuormaReferenceItem(code, loads.RefLength(i)));
}

}  // namespace

KuormaDialogState NormaliseKuormaState(const QELVUX_data& project, int loadCase,
                                       std::optional<LoadKind> kind, int loadIndex) {
  const KV& loads = project.Loads;
  KuormaDialogState s;
  if (loadIndex >= 0 && loadIndex < loads.Count()) {
    s.loadIndex = loadIndex;
    s.loadCase = loads.LoadCase(loadIndex);
    s.kind = loads.Kind(loadIndex);
    return s;
  }
  s.loadIndex = -1;
  s.kind = kind.value_or(KV::kPoint);
  s.loadCase = loads.Cases().IsValid(loadCase) ? loadCase : 0;
  return s;
}

KuormaDialogView OpenKuormaDialog(const QELVUX_data& project, int loadCase,
                                  std::optional<LoadKind> kind, int loadIndex) {
  KuormaDialogView v;
  v.state = NormaliseKuormaState(project, loadCase, kind, loadIndex);
  v.tab = ToInt(v.state.kind) - 1;
  v.tabCaption = kTabCaptions[v.tab];
  v.helpContext = 330 + ToInt(v.state.kind);
  v.positionItems = PositionItems(project.Member.Length);
  v.spacingItems = {"150", "300", "450", "600", "900", "1200", "1500"};
  v.x1Label = v.state.kind == KV::kPoint ? kLabelKuormaPointX1 : kLabelKuormaStartX1;
  if (v.state.kind != KV::kPoint) v.x2Label = kLabelKuormaEndX2;
  if (v.state.loadIndex < 0)
    ShowNew(project, v);
  else
    ShowExisting(project, v);
  KuormaValueLabels(v.state.kind, v.type, v.q1Label, v.q2Label);
  v.valueItems = KuormaValueItems(project, v.state.kind, v.type);
  return v;
}

void ChangeKuormaType(const QELVUX_data& project, KuormaDialogView& v, int type) {
  if (type != kKuormaForce && type != kKuormaMoment) return;
  if (type >= static_cast<int>(v.typeItems.size())) return;
  v.type = type;
  KuormaValueLabels(v.state.kind, v.type, v.q1Label, v.q2Label);
  v.valueItems = KuormaValueItems(project, v.state.kind, v.type);
  v.directionItems = KuormaDirectionItems(v.type);
  RebuildReference(v, v.reference);
}

void ChangeKuormaDirection(KuormaDialogView& v, int direction) {
  if (direction < 0 || direction > 5) return;
  v.direction = direction;
  RebuildReference(v, 0);
}

void ChangeKuormaReference(KuormaDialogView& v, int reference) {
  if (reference < 0 || reference >= static_cast<int>(v.referenceItems.size())) return;
  v.reference = reference;
  v.image = KuormaImage(v.state.kind, v.type, v.direction, v.reference);
}

void ChangeKuormaQ1(KuormaDialogView& v, const std::string& text) {
  v.q1 = text;
  if (v.state.kind != KV::kPoint) v.q2 = text;
}

void SetKuormaCopy(KuormaDialogView& v, bool checked) {
  v.copyChecked = checked;
  v.spacingEnabled = checked;
}


std::vector<std::string> KuormaDirectionItems(int type) {
  const char* const* items = type == kKuormaMoment ? kMomentItems : kForceItems;
  return std::vector<std::string>(items, items + 6);
}

std::vector<std::string> KuormaReferenceItems(int type, int direction) {
  std::vector<std::string> items{"Rakennepituutta kohden (x-akseli)"};
  if (type != kKuormaForce) return items;
  if (direction == 0) items.push_back("Pystyprojektiota kohden (Y-akseli)");
  if (direction == 1) items.push_back("Vaakaprojektiota kohden (X-akseli)");
  return items;
}

int KuormaReferenceLength(LoadKind kind, int type, int direction, int reference) {
  if (kind == KV::kPoint || type != kKuormaForce || reference != 1) return KV::kPerLength;
  if (direction == 0) return KV::kPerVertical;
  if (direction == 1) return KV::kPerHorizontal;
  return KV::kPerLength;
}

int KuormaReferenceItem(int code, int referenceLength) {
  return (code == 1 || code == 2) && referenceLength != KV::kPerLength ? 1 : 0;
}

double KuormaUnitFactor(LoadKind kind, int type) {
  return LoadUnitFactor(kind, type == kKuormaMoment);
}

int KuormaImage(LoadKind kind, int type, int direction, int reference) {
  const int t = type == kKuormaMoment ? 1 : 0;
  const int d = direction >= 0 && direction <= 5 ? direction : 1;
  const int point = d <= 2 ? 3 * t + d : 3 * t + d + 3;
  if (kind == KV::kPoint) return point;
  if (t == 0 && reference == 1 && d == 0) return 12 + 21;
  if (t == 0 && reference == 1 && d == 1) return 13 + 21;
  return point + 21;
}

std::string KuormaImageName(int image) { return "kuormaohje" + std::to_string(image); }

std::vector<std::string> KuormaValueItems(const QELVUX_data& project, LoadKind kind, int type) {
  const KV& loads = project.Loads;
  const double factor = KuormaUnitFactor(kind, type);
  QELlukuvektori values(20, 20, 2);
  // Distinct as shown: values that print alike are one item.
  const auto add = [&values](double v) { values.Add(std::round(v * 1000.0) / 1000.0); };
  for (int i = 0; i < loads.Count(); ++i) {
    if (loads.Kind(i) != kind) continue;
    if ((IsMomentDirection(loads.Direction(i)) ? kKuormaMoment : kKuormaForce) != type) continue;
    add(loads.Q1(i) / factor);
    if (kind != KV::kPoint) add(loads.Q2(i) / factor);
  }
  for (int n = 1; n <= 9; ++n) add(-static_cast<double>(n));
  std::vector<std::string> items;
  for (double v : values.Values()) items.push_back(FormatFixed(v == 0.0 ? 0.0 : v, 3));
  return items;
}

void KuormaValueLabels(LoadKind kind, int type, std::string& q1Label, std::string& q2Label) {
  const bool m = type == kKuormaMoment;
  if (kind == KV::kPoint) {
    q1Label = m ? "Kuorman ominaisarvo M [kNm]:" : "Kuorman ominaisarvo F [kN]:";
    q2Label.clear();
    return;
  }
  const std::string unit =
      kind == KV::kSurface ? (m ? "[kNm/m2]:" : "[kN/m2]:") : (m ? "[kNm/m]:" : "[kN/m]:");
  q1Label = std::string("Kuorman ominaisarvo ") + (m ? "Qm1 " : "Q1 ") + unit;
  q2Label = std::string("Kuorman ominaisarvo ") + (m ? "Qm2 " : "Q2 ") + unit;
}

KuormaDialogInput InputFromView(const KuormaDialogView& v) {
  KuormaDialogInput in;
  in.name = v.name;
  in.type = v.type;
  in.direction = v.direction;
  in.reference = v.reference;
  in.x1 = v.x1;
  in.x2 = v.x2;
  in.q1 = v.q1;
  in.q2 = v.q2;
  in.copyChecked = v.copyChecked;
  in.spacing = v.spacing;
  return in;
}

}  // namespace qv
