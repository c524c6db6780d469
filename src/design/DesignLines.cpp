// Texts of the design results, shared by the design tree and the design report.
#include "design/DesignLines.h"

#include <algorithm>

#include "design/Deflections.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"

namespace qv {

namespace {

// The B10 codes name the stability factors ks and Kk, EC5 kc and kcrit.
bool IsB10(DesignCode code) {
  switch (code) {
    case DesignCode::kAllowableStress:
    case DesignCode::kLimitState:
      return true;
    case DesignCode::kEc5Env:
    case DesignCode::kEc5:
      return false;
  }
  return true;
}

std::string F(double v, int decimals) { return FormatFixed(v, decimals); }

const char* const kDesignLabels1[9] = {"f_bsall (Mz)", "f_bsall (My)", "f_csall",
                                       "f_c90sall",    "f_tsall",      "f_vsall (Vy)",
                                       "f_vsall (Vz)", "Ek (lujuus)",  "E (siirtymä)"};
const char* const kDesignLabels2[9] = {"fbd (Mz)", "fbd (My)", "fcd",         "fc90d",       "ftd",
                                       "fvd (Vy)", "fvd (Vz)", "Ek (lujuus)", "E (siirtymä)"};
const char* const kDesignLabels3[9] = {"fm,d (Mz)", "fm,d (My)",       "fc,0,d",
                                       "fc,90,d",   "ft,0,d",          "fv,d (Vy)",
                                       "fv,d (Vz)", "E 0.05 (lujuus)", "E 0,mean (siirtymä)"};
const char* const kCharLabels2[9] = {"fbk (Mz)", "fbk (My)", "fck",         "fc90k",       "ftk",
                                     "fvk (Vy)", "fvk (Vz)", "Ek (lujuus)", "E (siirtymä)"};
const char* const kCharLabels3[9] = {"fm,k (Mz)", "fm,k (My)",       "fc,0,k",
                                     "fc,90,k",   "ft,0,k",          "fv,k (Vy)",
                                     "fv,k (Vz)", "E 0.05 (lujuus)", "E 0,mean (siirtymä)"};

const int kOrder[9] = {1, 8, 2, 3, 4, 5, 9, 6, 7};

// "label = " or "label:\t".
std::string Lead(const std::string& label, DesignLineStyle style) {
  return label + (style == DesignLineStyle::kTree ? " = " : ":\t");
}

double RowUtilisation(const CheckRowVektori& rows, int code) {
  const int i = rows.Find(code, 0);
  return i >= 0 ? rows.Value2(i) : 0.0;
}

// Checks with a stress in MPa: shear, torsion, tension, compression, bending.
const char* StressLabel(int code) {
  const bool interaction =
      code == CheckRowVektori::kBendingTension || code == CheckRowVektori::kBendingCompression;
  return interaction ? nullptr : CheckLabel(code);
}

void AddForceMax(int code, double value, DesignLineStyle style, std::vector<DesignLine>& out) {
  static const char* const kNames[6] = {"Nx_max", "Vy_max", "Vz_max", "Mx_max", "My_max", "Mz_max"};
  if (value == 0.0) return;
  const int k = code - CheckRowVektori::kMaxN;
  const bool moment = k >= 3;
  const std::string text =
      Lead(kNames[k], style) + F(value * (moment ? 1e-6 : 0.001), 2) + (moment ? " kNm" : " kN");
  out.push_back({DesignLineKind::kForceMax, text, 0.0});
}

// " (aukko %d)" in the tree; the report also names the bending axis.
std::string SpanSuffix(int span, char axis, DesignLineStyle style) {
  std::string s = " (aukko " + std::to_string(span);
  if (style == DesignLineStyle::kReport) s += std::string(", taivutus ") + axis + "-akselin ympäri";
  return s + ")";
}

void AddStability(const DesignResults& r, int code, int span, double v1, double v2,
                  DesignLineStyle style, std::vector<DesignLine>& out) {
  const bool tree = style == DesignLineStyle::kTree;
  const bool b10 = IsB10(r.code);
  std::string base;  // label without the direction
  // Value 1 belongs to ",y" and is shown with z-direction buckling; value 2 to ",z".
  bool showY = false;
  bool showZ = false;
  const bool buckling = r.settings.Nurjahdus != 0;
  switch (code) {
    case CheckRowVektori::kSlenderness:
      base = "Hoikkuus,";
      showY = buckling && r.settings.Znurj && v1 != 0.0;
      showZ = buckling && r.settings.Ynurj && v2 != 0.0;
      break;
    case CheckRowVektori::kBucklingFactors:
      base = std::string(tree ? "Nurjahduskerroin " : "Nurjahdus, ") + (b10 ? "ks," : "kc,");
      showY = buckling && r.settings.Znurj && v1 != 0.0;
      showZ = buckling && r.settings.Ynurj && v2 != 0.0;
      break;
    case CheckRowVektori::kRelativeSlenderness:
      base = "Hoikkuus,rel,";
      showY = !b10 && buckling && r.settings.Znurj && v1 != 0.0;
      showZ = !b10 && buckling && r.settings.Ynurj && v2 != 0.0;
      break;
    case CheckRowVektori::kLateralFactors:
      base = std::string(tree ? "Kiepahduskerroin " : "Kiepahdus, ") + (b10 ? "Kk," : "kcrit,");
      showY = showZ = r.settings.Kiepahdus != 0;
      break;
    default:
      return;
  }
  if (showY)
    out.push_back({DesignLineKind::kStability,
                   Lead(base + "y", style) + F(v1, 2) + SpanSuffix(span, 'y', style), 0.0});
  if (showZ)
    out.push_back({DesignLineKind::kStability,
                   Lead(base + "z", style) + F(v2, 2) + SpanSuffix(span, 'z', style), 0.0});
}

// ", kiepahdus: kcrit,z = 0.62" when the bending check governs where lateral-torsional
// buckling lowers the strength: "Taivutus (217 %)" alone would read as plain bending.
std::string LateralNote(const CheckRowVektori& rows, DesignCode code) {
  const int i = rows.Find(CheckRowVektori::kBendingLateral, 0);
  if (i < 0) return std::string();
  const std::string name = IsB10(code) ? "Kk," : "kcrit,";
  std::string note;
  if (rows.Value2(i) < 1.0) note += name + "z = " + F(rows.Value2(i), 2);
  if (rows.Value1(i) < 1.0)
    note += (note.empty() ? "" : ", ") + name + "y = " + F(rows.Value1(i), 2);
  return ", kiepahdus: " + note;
}

// Shear, torsion, tension, compression, bending, the interactions and the slenderness limit.
void AddUtilisation(const CheckRowVektori& rows, int i, DesignCode codeOfDesign,
                    DesignLineStyle style, std::vector<DesignLine>& out) {
  if (!ShowsUtilisation(rows, i)) return;
  const int code = rows.Code(i);
  const double v = rows.Value1(i);
  const double u = rows.Value2(i);
  if (const char* label = StressLabel(code)) {
    out.push_back({DesignLineKind::kUtilisation,
                   Lead(label, style) + F(v, 2) + " MPa (" + F(u, 0) + " %)" +
                       (code == CheckRowVektori::kBending ? LateralNote(rows, codeOfDesign) : ""),
                   u});
    return;
  }
  if (code == CheckRowVektori::kBendingTension || code == CheckRowVektori::kBendingCompression) {
    out.push_back({DesignLineKind::kUtilisation,
                   Lead(CheckLabel(code), style) + F(v, 2) + " (" + F(u, 0) + " %)", u});
    return;
  }
  const double lu = v * 100.0 / CheckRowVektori::kSlendernessLimitValue;
  out.push_back({DesignLineKind::kUtilisation,
                 Lead("Maksimihoikkuus", style) + F(v, 2) + " > 170 (" + F(lu, 0) + " %)", lu});
}

}  // namespace

const char* CheckLabel(int code) {
  switch (code) {
    case CheckRowVektori::kShear:
      return "Leikkaus";
    case CheckRowVektori::kTorsion:
      return "Vääntö";
    case CheckRowVektori::kTension:
      return "Veto";
    case CheckRowVektori::kCompression:
      return "Puristus";
    case CheckRowVektori::kBending:
      return "Taivutus";
    case CheckRowVektori::kBendingTension:
      return "Taivutus + veto";
    case CheckRowVektori::kBendingCompression:
      return "Taivutus + puristus";
    default:
      return nullptr;
  }
}

bool ShowsUtilisation(const CheckRowVektori& rows, int i) {
  const int code = rows.Code(i);
  const double v = rows.Value1(i);
  const double u = rows.Value2(i);
  if (StressLabel(code)) return u > 0.0;
  if (code == CheckRowVektori::kBendingTension || code == CheckRowVektori::kBendingCompression) {
    // The interaction is shown only when both of its parts are.
    const double part = RowUtilisation(rows, code == CheckRowVektori::kBendingTension
                                                 ? CheckRowVektori::kTension
                                                 : CheckRowVektori::kCompression);
    return u > 0.0 && part > 0.0 && RowUtilisation(rows, CheckRowVektori::kBending) > 0.0;
  }
  return code == CheckRowVektori::kSlendernessLimit && v > CheckRowVektori::kSlendernessLimitValue;
}

const char* const* DesignValueLabels(DesignCode code) {
  switch (code) {
    case DesignCode::kAllowableStress:
      return kDesignLabels1;
    case DesignCode::kLimitState:
      return kDesignLabels2;
    case DesignCode::kEc5Env:
    case DesignCode::kEc5:
      return kDesignLabels3;
  }
  return nullptr;
}

const char* const* CharacteristicLabels(DesignCode code) {
  switch (code) {
    case DesignCode::kAllowableStress:
      return nullptr;
    case DesignCode::kLimitState:
      return kCharLabels2;
    case DesignCode::kEc5Env:
    case DesignCode::kEc5:
      return kCharLabels3;
  }
  return nullptr;
}

int MaterialOrderQuantity(int position) {
  return position >= 0 && position < 9 ? kOrder[position] : 0;
}

std::string MaterialValueLine(const char* label, int position, double value,
                              DesignLineStyle style) {
  const bool modulus = position >= 7;
  return Lead(label, style) + F(value, modulus ? 0 : 2) + " MPa";
}

namespace {

// Code 4: each check with its clause, then the stability values of each span.
std::vector<DesignLine> Ec5StressLines(const CombinationDesign& comb) {
  std::vector<DesignLine> out;
  for (const Ec5CheckResult& c : comb.ec5Checks.results)
    out.push_back({DesignLineKind::kUtilisation, Ec5CheckLine(c), c.utilisation});
  for (const Ec5SpanStability& s : comb.ec5Checks.spans)
    for (const std::string& line : Ec5StabilityLines(s))
      out.push_back({DesignLineKind::kStability, line, 0.0});
  for (const Ec5BearingResult& b : comb.ec5Bearing)
    out.push_back({DesignLineKind::kStability, Ec5BearingLine(b), 0.0});
  return out;
}

}  // namespace

std::vector<DesignLine> StressLines(const DesignResults& r, const CombinationDesign& comb,
                                    DesignLineStyle style) {
  if (comb.ec5) return Ec5StressLines(comb);
  std::vector<DesignLine> out;
  const CheckRowVektori& rows = comb.checks;
  const char* const* labels = DesignValueLabels(r.code);
  bool materialHeading = false;
  for (int i = 0; i < rows.Count(); ++i) {
    const int code = rows.Code(i);
    if (code >= CheckRowVektori::kMaxN && code <= CheckRowVektori::kMaxMz) {
      AddForceMax(code, rows.Value1(i), style, out);
    } else if (code >= CheckRowVektori::kSlenderness) {
      const int position = code - CheckRowVektori::kDesignValueFirst;
      if (position >= 0 && position < 9) {
        if (labels == nullptr) continue;
        if (!materialHeading) {
          out.push_back(
              {DesignLineKind::kMaterialHeading, "MATERIAALITIEDOT (Laskenta-arvot):", 0.0});
          materialHeading = true;
        }
        out.push_back({DesignLineKind::kMaterialValue,
                       MaterialValueLine(labels[position], position, rows.Value1(i), style), 0.0});
      } else {
        AddStability(r, code, rows.Span(i), rows.Value1(i), rows.Value2(i), style, out);
      }
    } else {
      AddUtilisation(rows, i, r.code, style, out);
    }
  }
  return out;
}

double LargestUtilisation(const std::vector<DesignLine>& lines) {
  double u = 0.0;
  for (const DesignLine& l : lines) {
    if (l.kind == DesignLineKind::kUtilisation) u = std::max(u, l.utilisation);
  }
  return u;
}

double StressLinesUtilisationBound(const CombinationDesign& comb) {
  // The rows StressLines hands to AddUtilisation, with the utilisation it gives their lines.
  double bound = 0.0;
  const CheckRowVektori& rows = comb.checks;
  for (int i = 0; i < rows.Count(); ++i) {
    const int code = rows.Code(i);
    if ((code >= CheckRowVektori::kMaxN && code <= CheckRowVektori::kMaxMz) ||
        code >= CheckRowVektori::kSlenderness)
      continue;
    const double u = code == CheckRowVektori::kSlendernessLimit
                         ? rows.Value1(i) * 100.0 / CheckRowVektori::kSlendernessLimitValue
                         : rows.Value2(i);
    bound = std::max(bound, u);
  }
  return bound;
}

std::string SpanHeading(int span, double x1, double x2) {
  return "Aukko " + std::to_string(span) + " (x = " + F(x1, 1) + " - " + F(x2, 1) + ")";
}

std::string DeflectionLine(DesignCode code, int direction, const QELvektori& spans, int row,
                           double utilisation) {
  const std::string d = direction == DeflectionRow::kDirectionZ ? "z" : "y";
  auto u = [&](int set) { return F(spans.GetReal(row, DeflectionRow::Field(set, direction)), 2); };
  std::string text;
  switch (code) {
    case DesignCode::kAllowableStress:
    case DesignCode::kLimitState:
      text = "U" + d + ",tot = " + u(1) + " mm, U" + d + ",muuttuva = " + u(2) + " mm";
      break;
    case DesignCode::kEc5Env:
      text = "U" + d + "2,inst = " + u(1) + " mm, U" + d + "2,fin = " + u(2) + " mm, U" + d +
             "net,fin = " + u(3) + " mm";
      break;
    case DesignCode::kEc5:
      text = "w" + d + ",inst = " + u(1) + " mm, w" + d + ",net,fin = " + u(2) + " mm, w" + d +
             ",fin = " + u(3) + " mm (7.2)";
      break;
  }
  return text + " (" + F(utilisation, 0) + " %)";
}

double DeflectionCombinationUtilisation(const CombinationDesign& comb) {
  double u = 0.0;
  for (double v : comb.utilY) u = std::max(u, v);
  for (double v : comb.utilZ) u = std::max(u, v);
  return u;
}

std::string CombinationHeading(const CombinationDesign& comb, double utilisation) {
  std::string text = CutChars(comb.name, 80) + " (" + F(utilisation, 0) + " %)";
  if (comb.kind == CombinationKind::kDeflection && comb.ownLimit > 0.0)
    text += ", KY:llä oma Usall (=" + F(comb.ownLimit, 2) + " mm)";
  if (utilisation > 0.0) text += ", Aikaluokka = " + comb.durationName;
  return text;
}

std::string VibrationMassLine(const FloorVibrationDesign& v) {
  std::string text = "Massa m = " + F(v.mass, 1) + " kg/m²";
  if (v.massDerived)
    return text + " (pysyvistä kuormista " + F(v.permanentLoad, 3) + " kN/m ja " +
           F(kVibrationImposedMass, 0) + " kg/m² hyötykuormaa)";
  return text + " (annettu)";
}

std::string DesignCodeName(DesignCode code) {
  switch (code) {
    case DesignCode::kAllowableStress:
      return "RakMk B10 sallitut jännitykset (2001)";
    case DesignCode::kLimitState:
      return "RakMk B10 rajatilamitoitus (2001)";
    case DesignCode::kEc5Env:
      return "Euronormi EC5 (ENV 1995-1-1)";
    case DesignCode::kEc5:
      return "Eurokoodi 5 (SFS-EN 1995-1-1 + NA)";
  }
  return "";
}

}  // namespace qv
