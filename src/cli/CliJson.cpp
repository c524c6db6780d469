// JSON summary of a design: what scripts that check calculations need to read.
#include "cli/CliJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "design/Deflections.h"
#include "design/DesignLines.h"
#include "design/DesignRun.h"
#include "design/UncheckedNotes.h"
#include "project/ProjectOwnWeight.h"
#include "project/QELVUX_data.h"

namespace qv {
namespace {

const char* CheckName(int code) {
  if (const char* label = CheckLabel(code)) return label;
  switch (code) {
    case CheckRowVektori::kSlendernessLimit:
      return "Maksimihoikkuus";
    case CheckRowVektori::kBendingLateral:
      return "Taivutus, kiepahduskerroin";
    case 11:
      return "Nx_max";
    case 12:
      return "Vy_max";
    case 13:
      return "Vz_max";
    case 14:
      return "Mx_max";
    case 15:
      return "My_max";
    case 16:
      return "Mz_max";
    case CheckRowVektori::kSlenderness:
      return "Hoikkuus";
    case CheckRowVektori::kBucklingFactors:
      return "Nurjahduskerroin";
    case CheckRowVektori::kRelativeSlenderness:
      return "Hoikkuus,rel";
    case CheckRowVektori::kLateralFactors:
      return "Kiepahduskerroin";
    default:
      return "Laskenta-arvo";
  }
}

// Utilisation (%) a check row carries, or a negative value when it carries none.
double RowUtilisation(const CheckRowVektori& rows, int i) {
  const int code = rows.Code(i);
  if (code == CheckRowVektori::kSlendernessLimit)
    return rows.Value1(i) * 100.0 / CheckRowVektori::kSlendernessLimitValue;
  if (code >= 1 && code <= 8) return rows.Value2(i);
  return -1.0;
}

// "  \"vibration\": {...},\n": code 4's floor vibration check (7.3), when it is on.
std::string VibrationJson(const DesignResults& r) {
  if (!r.vibrationOn) return std::string();
  const FloorVibrationDesign& v = r.vibration;
  std::string spans;
  for (const FloorVibrationSpan& s : v.spans) {
    if (s.cantilever) continue;
    const FloorVibrationResult& x = s.result;
    spans +=
        std::string(spans.empty() ? "" : ",") + "\n      {\"span\": " + std::to_string(s.span) +
        ", \"clause\": \"7.3\", \"x1\": " + JsonNumber(s.x1) + ", \"x2\": " + JsonNumber(s.x2) +
        ", \"l\": " + JsonNumber(s.input.span) + ", \"f1\": " + JsonNumber(x.f1) +
        ", \"frequencyLimit\": " + JsonNumber(s.input.frequencyLimit) +
        ", \"kDelta\": " + JsonNumber(x.kDelta) + ", \"w\": " + JsonNumber(x.w) +
        ", \"deflectionLimit\": " + JsonNumber(s.input.deflectionLimit) +
        ", \"n40\": " + JsonNumber(x.n40) + ", \"v\": " + JsonNumber(x.v) +
        ", \"velocityLimit\": " + JsonNumber(x.vLimit) +
        ", \"utilisationFrequency\": " + JsonNumber(x.frequencyUtilisation) +
        ", \"utilisationDeflection\": " + JsonNumber(x.deflectionUtilisation) +
        ", \"utilisationVelocity\": " + JsonNumber(x.velocityUtilisation) +
        ", \"utilisation\": " + JsonNumber(x.Largest()) +
        (x.FrequencyFails() ? ", \"note\": " + JsonString(kSpecialStudyNote) : std::string()) + "}";
  }
  return "  \"vibration\": {\"clause\": \"7.3\", \"checked\": " +
         std::string(v.ran ? "true" : "false") +
         (v.ran ? std::string() : ", \"notRun\": " + JsonString(v.notRun)) +
         ", \"mass\": " + JsonNumber(v.mass) +
         ", \"massDerived\": " + (v.massDerived ? "true" : "false") +
         ", \"permanentLoad\": " + JsonNumber(v.permanentLoad) +
         (v.supportedSpans > 1 ? ", \"note\": " + JsonString(kSeveralSpansNote) : std::string()) +
         ", \"utilisation\": " + JsonNumber(v.ran ? v.Largest() : 0.0) + ",\n    \"spans\": [" +
         spans + (spans.empty() ? "]},\n" : "\n    ]},\n");
}

// "  \"ownWeight\": {...},\n" with "Oma paino automaattisesti" on: the weight designed with
// (kN/m), its density and where that comes from, and its case. Nothing when off.
std::string OwnWeightJson(const QELVUX_data& p) {
  const ProjectOwnWeight w = OwnWeightOf(p);
  if (!w.on) return std::string();
  std::string j = "  \"ownWeight\": {\"applied\": " + std::string(w.Applies() ? "true" : "false");
  if (!w.Applies()) return j + ", \"problem\": " + JsonString(w.problem) + "},\n";
  return j + ", \"lineLoad\": " + JsonNumber(w.lineLoad) +
         ", \"density\": " + JsonNumber(w.density) +
         ", \"densitySource\": " + (w.densityFromTable ? "\"material\"" : "\"project\"") +
         ", \"area\": " + JsonNumber(w.area) + ", \"loadCase\": " + std::to_string(w.loadCase) +
         ", \"loadCaseName\": " + JsonString(p.Loads.Cases().Name(w.loadCase)) + "},\n";
}

// ", \"notRun\": \"...\"" for a combination whose checks could not run, else nothing.
std::string NotRunJson(const CombinationDesign& cd) {
  return cd.Ran() ? std::string() : ", \"notRun\": " + JsonString(NotRunLine(cd));
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Runs that need no escape, nearly every name, are copied whole.
    std::size_t end = i;
    while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x20 && text[end] != '"' &&
           text[end] != '\\')
      ++end;
    out.append(text, i, end - i);
    if (end == text.size()) break;
    i = end;
    const auto c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default: {  // the other control characters
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", c);
        out += buf;
      }
    }
  }
  out += '"';
  return out;
}

std::string JsonNumber(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[64];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, ptr) : "null";
}

std::string DesignSummaryJson(const QELVUX_data& p, const DesignRunResult& run) {
  const DesignResults& r = run.results;
  std::string j = "{\n";
  j += "  \"designCode\": " + std::to_string(qv::ToInt(p.DesignCode)) + ",\n";
  const int s = p.Profiles.CurrentIndex;
  j += "  \"section\": " + JsonString(p.Profiles.HasCurrent() ? p.Profiles.Name(s) : "?") + ",\n";
  const auto materials = p.Materials.MaterialNames(p.DesignCode);
  const int m = p.Materials.Material(p.DesignCode);
  j += "  \"material\": " +
       JsonString(m >= 1 && m <= static_cast<int>(materials.size())
                      ? materials[static_cast<std::size_t>(m - 1)]
                      : "?") +
       ",\n";
  j += "  \"analysisValid\": " + std::string(p.AnalysisValid ? "true" : "false") + ",\n";
  j += OwnWeightJson(p);

  j += "  \"stressCombinations\": [";
  for (std::size_t c = 0; c < r.stress.size(); ++c) {
    const CombinationDesign& cd = r.stress[c];
    double util = 0.0;
    std::string checks;
    // Code 4: each check by its clause.
    for (const Ec5CheckResult& e : cd.ec5Checks.results) {
      util = std::max(util, e.utilisation);
      checks += std::string(checks.empty() ? "" : ",") +
                "\n        {\"clause\": " + JsonString(Ec5Clause(e.check)) +
                ", \"name\": " + JsonString(Ec5CheckName(e.check)) +
                ", \"span\": " + std::to_string(e.span) + ", \"x\": " + JsonNumber(e.x) +
                ", \"utilisation\": " + JsonNumber(e.utilisation) + "}";
    }
    for (int i = 0; i < cd.checks.Count(); ++i) {
      const double u = RowUtilisation(cd.checks, i);
      if (u > util) util = u;
      checks += std::string(checks.empty() ? "" : ",") +
                "\n        {\"code\": " + std::to_string(cd.checks.Code(i)) +
                ", \"name\": " + JsonString(CheckName(cd.checks.Code(i))) +
                ", \"span\": " + std::to_string(cd.checks.Span(i)) +
                ", \"value1\": " + JsonNumber(cd.checks.Value1(i)) +
                ", \"value2\": " + JsonNumber(cd.checks.Value2(i)) +
                (u >= 0.0 ? ", \"utilisation\": " + JsonNumber(u) : std::string()) + "}";
    }
    j += std::string(c ? "," : "") + "\n    {\"index\": " + std::to_string(cd.index) +
         ", \"name\": " + JsonString(cd.name) +
         ", \"durationClass\": " + JsonString(cd.durationName) +
         ", \"checked\": " + (cd.Ran() ? "true" : "false") + NotRunJson(cd) +
         ", \"utilisation\": " + JsonNumber(util) + ",\n      \"checks\": [" + checks +
         (checks.empty() ? "]}" : "\n      ]}");
  }
  j += r.stress.empty() ? "],\n" : "\n  ],\n";

  j += "  \"deflectionCombinations\": [";
  for (std::size_t c = 0; c < r.deflection.size(); ++c) {
    const CombinationDesign& cd = r.deflection[c];
    double util = 0.0;
    std::string spans;
    for (int i = 0; i < cd.spans.Count(); ++i) {
      const double uy =
          i < static_cast<int>(cd.utilY.size()) ? cd.utilY[static_cast<std::size_t>(i)] : 0.0;
      const double uz =
          i < static_cast<int>(cd.utilZ.size()) ? cd.utilZ[static_cast<std::size_t>(i)] : 0.0;
      util = std::max(util, std::max(uy, uz));
      std::string sets;
      for (int set = 1; set <= DeflectionSetCount(r.code); ++set) {
        sets += std::string(set > 1 ? ", " : "") +
                "{\"uy\": " + JsonNumber(cd.spans.GetReal(i, DeflectionRow::Field(set, 2))) +
                ", \"uz\": " + JsonNumber(cd.spans.GetReal(i, DeflectionRow::Field(set, 3))) + "}";
      }
      spans += std::string(spans.empty() ? "" : ",") +
               "\n        {\"span\": " + std::to_string(i + 1) +
               (r.code == DesignCode::kEc5 ? ", \"clause\": \"7.2\"" : "") +
               ", \"x1\": " + JsonNumber(cd.spans.GetReal(i, DeflectionRow::kX1)) +
               ", \"x2\": " + JsonNumber(cd.spans.GetReal(i, DeflectionRow::kX2)) +
               ", \"sets\": [" + sets + "], \"utilisationY\": " + JsonNumber(uy) +
               ", \"utilisationZ\": " + JsonNumber(uz) + "}";
    }
    j += std::string(c ? "," : "") + "\n    {\"index\": " + std::to_string(cd.index) +
         ", \"name\": " + JsonString(cd.name) +
         ", \"durationClass\": " + JsonString(cd.durationName) +
         ", \"ownLimit\": " + JsonNumber(cd.ownLimit) +
         ", \"checked\": " + (cd.Ran() ? "true" : "false") + NotRunJson(cd) +
         ", \"utilisation\": " + JsonNumber(util) + ",\n      \"spans\": [" + spans +
         (spans.empty() ? "]}" : "\n      ]}");
  }
  j += r.deflection.empty() ? "],\n" : "\n  ],\n";
  j += VibrationJson(r);

  j += "  \"notChecked\": [";
  for (std::size_t i = 0; i < r.notes.size(); ++i)
    j += std::string(i ? ", " : "") + JsonString(r.notes[i]);
  j += "],\n";
  j += "  \"overallUtilisation\": " + JsonNumber(run.tree.overall) + ",\n";
  j += "  \"allChecksRan\": " + std::string(run.tree.allChecksRan ? "true" : "false") + ",\n";
  j += "  \"passes\": " + std::string(run.tree.passes && run.tree.allChecksRan ? "true" : "false") +
       "\n}\n";
  return j;
}

}  // namespace qv
