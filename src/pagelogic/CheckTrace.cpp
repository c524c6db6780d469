// Traceable checks: the stresses and strengths behind each utilisation, written out.
#include "pagelogic/CheckTrace.h"

#include <algorithm>
#include <cmath>

#include "design/DesignLines.h"
#include "design/SectionProperties.h"
#include "model/NumberText.h"
#include "pagelogic/CheckTraceText.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace trace {

std::string Num(double v, int decimals) { return FormatFixed(v, decimals); }

std::string Big(double v) {
  const double a = std::fabs(v);
  if (!std::isfinite(v) || a < 1e5) return FormatFixedSignificant(v, 0, 4);
  static const char* const kPowers[] = {"10³", "10⁶", "10⁹", "10¹²"};
  int step = static_cast<int>(std::floor(std::log10(a) / 3.0));
  step = std::min(std::max(step, 1), 4);
  const double mantissa = v / std::pow(10.0, 3 * step);
  const int whole = static_cast<int>(std::floor(std::log10(std::fabs(mantissa)))) + 1;
  return FormatFixed(mantissa, std::max(0, 4 - whole)) + "·" + kPowers[step - 1];
}

std::string Percent(double utilisation) { return FormatFixed(utilisation, 0) + " %"; }
std::string Kn(double n) { return FormatFixed(n / 1000.0, 2) + " kN"; }
std::string Knm(double nmm) { return FormatFixed(nmm / 1e6, 2) + " kNm"; }

std::vector<std::string> SectionLines(const SectionSize& s, bool ec5Names) {
  const SectionProperties p = ComputeSectionProperties(s);
  if (s.shape == SectionShape::kCircle)
    return {"Poikkileikkaus d = " + Num(s.b, 0) + " mm: A = π · d² / 4 = " + Big(p.A) + " mm²",
            "W = π · d³ / 32 = " + Big(p.Wz) + " mm³"};
  const std::string strong = ec5Names ? "Wy" : "Wz", weak = ec5Names ? "Wz" : "Wy";
  return {"Poikkileikkaus b × h = " + Num(s.b, 0) + " × " + Num(s.h, 0) +
              " mm: A = b · h = " + Big(p.A) + " mm²",
          strong + " = b · h² / 6 = " + Big(p.Wz) + " mm³, " + weak +
              " = h · b² / 6 = " + Big(p.Wy) + " mm³"};
}

void AppendBySpan(const std::vector<SpanLines>& spans, std::vector<std::string>& out) {
  const bool headed = spans.size() > 1;
  for (std::size_t i = 0; i < spans.size();) {
    std::size_t j = i + 1;
    while (j < spans.size() && spans[j].lines == spans[i].lines) ++j;
    if (!spans[i].lines.empty()) {
      if (headed)
        out.push_back(j - i == 1 ? "Aukko " + std::to_string(spans[i].span) + ":"
                                 : "Aukot " + std::to_string(spans[i].span) + "–" +
                                       std::to_string(spans[j - 1].span) + ":");
      out.insert(out.end(), spans[i].lines.begin(), spans[i].lines.end());
    }
    i = j;
  }
}

}  // namespace trace

std::vector<std::string> CheckTraceLines(const QELVUX_data& p, const DesignResults& results,
                                         const CombinationDesign& comb) {
  std::vector<std::string> body;
  if (!comb.Ran()) return body;
  if (comb.ec5)
    trace::AppendEc5Trace(p, comb, body);
  else if (results.code != DesignCode::kEc5)
    trace::AppendRowTrace(p, comb, body);
  if (body.empty()) return body;
  std::vector<std::string> out{
      "====================================",
      "LASKENTAKAAVAT, MÄÄRÄÄVÄ YHDISTELMÄ KY" + std::to_string(comb.index + 1) + ":",
      "Mitoitusnormi: " + DesignCodeName(results.code), "------------------------------------"};
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<std::string> SourceValueLines(const QELVUX_data& p) {
  const DesignCode code = p.DesignCode;
  std::vector<std::string> out{"====================================", "LÄHTÖARVOT:"};
  const std::vector<std::string> names = p.Materials.MaterialNames(code);
  const int m = p.Materials.Material(code);
  if (m >= 1 && m <= static_cast<int>(names.size()))
    out.push_back("Materiaali:\t" + names[static_cast<std::size_t>(m - 1)]);
  out.push_back((code == DesignCode::kEc5 ? "Käyttöluokka:\t" : "Kosteusluokka:\t") +
                std::to_string(p.Materials.MoistureClass(code)));
  const int index = ToInt(code) - 1;
  if (index >= 0 && index < MateriaaliTiedot::kCodeCount)
    out.push_back(std::string("Materiaaliarvot:\t") + MateriaaliTiedot::kFileNames[index] +
                  " (ohjelman tietokansio)");
  const std::string library = p.Profiles.ProjectName.empty()
                                  ? std::string(ProfiiliVektori::kDefaultLibraryName)
                                  : p.Profiles.ProjectName;
  out.push_back("Poikkileikkauskirjasto:\t" + library);
  // The values the checks start from; they carry no duration factor.
  const char* const* labels = CharacteristicLabels(code);
  if (labels != nullptr) {
    DesignValues values;
    p.SectionValues(1, MateriaaliTiedot::kCharacteristic, values);
    out.push_back("------------------------------------");
    for (int pos = 0; pos < DesignValues::kCount; ++pos)
      out.push_back(MaterialValueLine(labels[pos], pos, values.Get(MaterialOrderQuantity(pos)),
                                      DesignLineStyle::kReport));
  }
  return out;
}

}  // namespace qv
