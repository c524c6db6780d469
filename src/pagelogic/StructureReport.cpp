// The structure block of the report: member, section, material, supports and hinges.
#include "pagelogic/StructureReport.h"

#include "design/DesignLines.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "pagelogic/StructureTree.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

const char* const kDoubleRule = "====================================";
const char* const kRule = "------------------------------------";

void AddSection(const QELVUX_data& p, std::vector<std::string>& out) {
  const ProfiiliVektori& pr = p.Profiles;
  if (!pr.HasCurrent()) return;
  const int i = pr.CurrentIndex;
  std::string line = "Poikkileikkaus:\t" + CutChars(pr.Name(i), 80);
  if (pr.Shape(i) == SectionShape::kRectangle)
    line += "\t(Suorakaide, b = " + FormatFixed(pr.B(i), 1) +
            " mm, h = " + FormatFixed(pr.H(i), 1) + " mm)";
  else if (pr.Shape(i) == SectionShape::kCircle)
    line += "\t(Ympyräpoikkileikkaus, d = " + FormatFixed(pr.D(i), 1) + " mm)";
  out.push_back(line);
}

void AddMaterial(const QELVUX_data& p, std::vector<std::string>& out) {
  const DesignCode code = p.DesignCode;
  // Eurocode 5 names it the service class.
  out.push_back((code == DesignCode::kEc5 ? "Käyttöluokka:\t" : "Kosteusluokka:\t") +
                std::to_string(p.Materials.MoistureClass(code)));
  const std::vector<std::string> names = p.Materials.MaterialNames(code);
  const int m = p.Materials.Material(code);
  const std::string name =
      m >= 1 && m <= static_cast<int>(names.size()) ? names[static_cast<std::size_t>(m - 1)] : "";
  out.push_back("Materiaali:\t" + name);
}

// Characteristic values carry no duration factor, so the first duration class serves.
void AddCharacteristicValues(const QELVUX_data& p, std::vector<std::string>& out) {
  const char* const* labels = CharacteristicLabels(p.DesignCode);
  if (labels == nullptr) return;
  DesignValues values;
  p.SectionValues(1, MateriaaliTiedot::kCharacteristic, values);
  out.push_back(kRule);
  for (int pos = 0; pos < DesignValues::kCount; ++pos)
    out.push_back(MaterialValueLine(labels[pos], pos, values.Get(MaterialOrderQuantity(pos)),
                                    DesignLineStyle::kReport));
}

void AddPoints(const RakenneVektori& m, int kind, std::vector<std::string>& out) {
  const int count = m.CountOfKind(kind);
  if (count == 0) return;
  const bool supports = kind == RakenneVektori::kSupport;
  out.push_back(kRule);
  out.push_back(std::string(supports ? "TUET:" : "NIVELET:") + " (" + std::to_string(count) +
                " kpl)");
  out.push_back(supports ? "Nro:\tx [mm]:\tTyyppi:" : "Nro:\tx [mm]:");
  int number = 0;
  for (int i = 0; i < m.Count(); ++i) {
    if (m.Kind(i) != kind) continue;
    std::string line = std::to_string(++number) + ":\t" + FormatFixed(m.X(i), 0);
    if (supports) line += "\t" + SupportTypeName(m.Code(i));
    line += "\t" + m.TextOr(i, 0);
    out.push_back(line);
  }
}

}  // namespace

std::vector<std::string> StructureReportLines(const QELVUX_data& p) {
  const RakenneVektori& m = p.Member;
  std::vector<std::string> out{kDoubleRule, "RAKENNETIEDOT:", kRule};
  if (!m.Name.empty()) out.push_back("Nimi/tunnus:\t" + CutChars(m.Name, 59));
  out.push_back("Pituus:\t" + FormatFixed(m.Length, 0) + " mm");
  if (m.Angle > 0.0) out.push_back("Kulma:\t" + FormatFixed(m.Angle, 1) + " astetta");
  if (m.LoadWidth > 0.0 && p.Loads.CountLoads(-1, KuormaVektori::kSurface) > 0)
    out.push_back("Kuormitusleveys:\t" + FormatFixed(m.LoadWidth, 1) + " mm (pintakuormille)");
  AddSection(p, out);
  AddMaterial(p, out);
  if (MateriaaliTiedot::HasCharacteristicValues(p.DesignCode)) AddCharacteristicValues(p, out);
  AddPoints(m, RakenneVektori::kSupport, out);
  AddPoints(m, RakenneVektori::kHinge, out);
  return out;
}

}  // namespace qv
