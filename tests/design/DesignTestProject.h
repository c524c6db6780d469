// Projects for the whole-design tests: a simply supported beam under a uniform load, and text
// matching.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "model/NumberText.h"
#include "project/QELVUX_data.h"

namespace designtest {

inline const std::string& ProgramPath() {
  static const std::string path = std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux";
  return path;
}

// Beam of 6000 mm on pinned supports at both ends (code 2, T18, moisture class 1), a
// downward uniform load q (N/mm) in load case 0 "Omapaino" (duration class "Pysyvä"), and
// the combinations
//   KY1 stresses, factor 1.0;  KY2 no design, factor 1.0;  KY3 deflections, factor 0.4.
// The chosen section is b x h; lateral-torsional buckling is off.
inline void MakeBeam(QELVUX_data& p, double q, double b = 100.0, double h = 200.0) {
  p.DesignCode = qv::DesignCode::kLimitState;
  p.Member.Reset();
  p.Loads.ClearLoads();
  p.Loads.AddLoad("q", 0, KuormaVektori::kLine, 2, 1, -q, -q, 0.0, 6000.0);
  KuormaYhdVektori& c = p.Loads.Combinations();
  c.Clear();
  c.AddHeader(0, KuormaYhdVektori::kStress);
  c.AddFactor(0, 0, 1.0);
  c.AddHeader(1, KuormaYhdVektori::kNoDesign);
  c.AddFactor(1, 0, 1.0);
  c.AddHeader(2, KuormaYhdVektori::kDeflection);
  c.AddFactor(2, 0, 0.4);
  p.Profiles.ClearRecords();
  p.Profiles.AddSection("b*h", qv::SectionShape::kRectangle, b, h);
  p.Profiles.CurrentIndex = 0;
  p.Materials.SetMaterial(qv::DesignCode::kLimitState, 1);
  p.Materials.SetMoistureClass(qv::DesignCode::kLimitState, 1);
  p.Settings = MitoitusAsetukset();
  p.Settings.Kiepahdus = 0;
  p.AnalysisValid = 0;
}

// The library: sections 100 x h, one per height, in the order given; section current chosen.
inline void SetLibrary(QELVUX_data& p, const std::vector<double>& heights, int current) {
  p.Profiles.ClearRecords();
  for (double h : heights)
    p.Profiles.AddSection("100*" + std::to_string(static_cast<int>(h)),
                          qv::SectionShape::kRectangle, 100.0, h);
  p.Profiles.CurrentIndex = current;
}

// Hand values of the beam: code 2, T18 (fmk 18, fvk 2, E 9000, factor 0.625 in section 42),
// duration class 1 (kmod 0.60), partial factor 1.3.
constexpr double kL = 6000.0;
constexpr double kF1 = 18.0 * 0.60 / 1.3;  // bending strength
constexpr double kF5 = 2.0 * 0.60 / 1.3;   // shear strength
constexpr double kEdef = 9000.0 * 0.625;   // deflection modulus

// Text with "{}" in place of each number: the numbers of the actual text must equal the
// hand values within half a unit of their last printed decimal.
inline ::testing::AssertionResult TextMatches(const std::string& actual, const std::string& pattern,
                                              const std::vector<double>& values) {
  std::string re;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern.compare(i, 2, "{}") == 0) {
      re += "(-?[0-9]+(?:\\.[0-9]+)?)";
      ++i;
      continue;
    }
    const char ch = pattern[i];
    if (std::string("\\^$.|?*+()[]{}").find(ch) != std::string::npos) re += '\\';
    re += ch;
  }
  std::smatch m;
  if (!std::regex_match(actual, m, std::regex(re)))
    return ::testing::AssertionFailure()
           << "\"" << actual << "\" does not read \"" << pattern << "\"";
  if (m.size() - 1 != values.size())
    return ::testing::AssertionFailure() << "number count of \"" << pattern << "\"";
  for (std::size_t k = 0; k < values.size(); ++k) {
    const std::string s = m[k + 1].str();
    const std::size_t dot = s.find('.');
    const int decimals = dot == std::string::npos ? 0 : static_cast<int>(s.size() - dot - 1);
    double printed = 0.0;
    qv::ParseNumber(s, -1e300, 1e300, printed);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-6) + 1e-9;
    if (std::fabs(printed - values[k]) > tolerance)
      return ::testing::AssertionFailure()
             << "\"" << actual << "\": " << s << " is not " << values[k];
  }
  return ::testing::AssertionSuccess();
}

}  // namespace designtest
