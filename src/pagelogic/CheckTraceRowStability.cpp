// Codes 1 to 3 written out: the column buckling and lateral-torsional factors of each span,
// from the slenderness through the code's formula to the factor the checks use.
#include <cmath>

#include "design/SectionProperties.h"
#include "design/StabilityFactors.h"
#include "pagelogic/CheckTraceText.h"

namespace qv::trace {

namespace {

bool B10(DesignCode code) {
  return code == DesignCode::kAllowableStress || code == DesignCode::kLimitState;
}

// One buckling direction: `axis` is the label's ("ks,y" is buckling in the z direction,
// against the width b).
void Buckling(const StressCheckInput& in, const SectionProperties& p, int direction, char axis,
              double x1, double x2, std::vector<std::string>& out) {
  const StabilityContext& c = in.context;
  const DesignValues& v = in.values;
  const double lambda = BucklingValue(c, kBucklingSlenderness, direction, v, in.section, x1, x2);
  if (!(lambda > 0.0)) return;
  const double k = BucklingValue(c, kBucklingFactor, direction, v, in.section, x1, x2);
  const bool alongZ = direction == kDirectionZ;
  const double i = alongZ ? p.iZ : p.iY;
  const std::string a(1, axis);
  const std::string name = std::string(B10(c.code) ? "ks," : "kc,") + a;
  const double f2 = v.Get(DesignValues::kCompression);
  const double f6 = v.Get(DesignValues::kModulusStrength);
  out.push_back("λ" + a + " = Lc / i = " + Num(lambda * i, 0) + " / " + Num(i, 2) + " = " +
                Num(lambda));
  if (!B10(c.code)) {
    const double rel =
        BucklingValue(c, kBucklingRelativeSlenderness, direction, v, in.section, x1, x2);
    out.push_back("λrel," + a + " = √(fc,0,d · λ² / (E0.05 · π²)) = √(" + Num(f2) + " · " +
                  Num(lambda) + "² / (" + Num(f6, 0) + " · π²)) = " + Num(rel, 3));
    if (rel <= 0.5) {
      out.push_back(name + " = 1 (λrel," + a + " ≤ 0.5)");
      return;
    }
    const double beta = ImperfectionFactor(c.materialType);
    const double kk = 0.5 * (1.0 + beta * (rel - 0.5) + rel * rel);
    out.push_back("k = 0.5 · (1 + βc · (λrel − 0.5) + λrel²) = 0.5 · (1 + " + Num(beta) + " · (" +
                  Num(rel, 3) + " − 0.5) + " + Num(rel, 3) + "²) = " + Num(kk, 3));
    out.push_back(name + " = 1 / (k + √(k² − λrel²)) = 1 / (" + Num(kk, 3) + " + √(" + Num(kk, 3) +
                  "² − " + Num(rel, 3) + "²)) = " + Num(k, 3));
    return;
  }
  const bool allowable = c.code == DesignCode::kAllowableStress;
  const double q = 9.869604401089358 * f6 / (lambda * lambda * f2) / (allowable ? 2.08 : 1.0);
  out.push_back(std::string("q = π² · Ek / (") + (allowable ? "2.08 · " : "") + "λ² · fc) = π² · " +
                Num(f6, 0) + " / (" + (allowable ? "2.08 · " : "") + Num(lambda) + "² · " +
                Num(f2) + ") = " + Num(q, 4));
  const double fb = v.Get(alongZ ? DesignValues::kBendingY : DesignValues::kBendingZ);
  const double n = alongZ ? c.settings.EpakZ : c.settings.EpakY;
  std::string aLine;
  double aValue = 1.0 + q;
  if (n > 0.0 && fb > 0.0) {
    const double e = f2 * p.depth * lambda / (2.0 * fb * n * i);
    aValue = 1.0 + q * (1.0 + e);
    aLine = "a = 1 + q · (1 + fc · h · λ / (2 · fb · n · i)) = 1 + " + Num(q, 4) + " · (1 + " +
            Num(f2) + " · " + Num(p.depth, 0) + " · " + Num(lambda) + " / (2 · " + Num(fb) + " · " +
            Num(n, 0) + " · " + Num(i, 2) + ")) = " + Num(aValue, 4);
  } else {
    aLine = "a = 1 + q = " + Num(aValue, 4);
  }
  out.push_back(aLine);
  out.push_back(name + " = (a − √(a² − 4q)) / 2 = (" + Num(aValue, 4) + " − √(" + Num(aValue, 4) +
                "² − 4 · " + Num(q, 4) + ")) / 2 = " + Num(k, 3));
}

// Lateral-torsional buckling for Mz (axis 'z', over the depth) or My ('y', the section turned).
void Lateral(const StressCheckInput& in, const SectionProperties& p, char axis, double x1,
             double x2, std::vector<std::string>& out) {
  const StabilityContext& c = in.context;
  const DesignValues& v = in.values;
  const int kind = axis == 'z' ? kLateralMz : kLateralMy;
  const double lambda = LateralBucklingValue(c, kLateralSlenderness, kind, v, in.section, x1, x2);
  const double k = LateralBucklingValue(c, kLateralFactor, kind, v, in.section, x1, x2);
  const std::string name = std::string(B10(c.code) ? "Kk," : "kcrit,") + axis;
  if (!(lambda > 0.0)) {
    out.push_back(name + " = 1");
    return;
  }
  const bool aboutY = axis == 'y';
  const double depth = aboutY ? p.ltbWidth : p.ltbDepth;
  const double width = aboutY ? p.ltbDepth : p.ltbWidth;
  const double lk = c.settings.Lk > 0.0 ? c.settings.Lk : x2 - x1;
  const bool circle = in.section.shape == SectionShape::kCircle;
  const std::string d = circle ? "(d / √2)" : aboutY ? "b" : "h";
  const std::string w = circle ? "(d / √2)" : aboutY ? "h" : "b";
  std::string line;
  if (B10(c.code)) {
    line = "λ = k_k1 · √(Lk · " + d + ") / " + w + " = " + Num(c.settings.Kk1, 3) + " · √(" +
           Num(lk, 0) + " · " + Num(depth, 1) + ") / " + Num(width, 1) + " = " + Num(lambda, 3);
  } else {
    const double fm = v.Get(aboutY ? DesignValues::kBendingY : DesignValues::kBendingZ);
    line = "λ = √(Lk · " + d + ") · √(fm,d / E0.05) · m_rel,m / " + w + " = √(" + Num(lk, 0) +
           " · " + Num(depth, 1) + ") · √(" + Num(fm) + " / " +
           Num(v.Get(DesignValues::kModulusStrength), 0) + ") · " + Num(c.settings.MRelM) + " / " +
           Num(width, 1) + " = " + Num(lambda, 3);
  }
  // The B10 codes take the middle form from 0.75 on, EC5 only above it.
  const bool b10 = B10(c.code);
  std::string factor;
  if (b10 ? lambda < 0.75 : lambda <= 0.75)
    factor = name + (b10 ? " = 1 (λ < 0.75)" : " = 1 (λ ≤ 0.75)");
  else if (b10 ? lambda < 1.4 : lambda <= 1.4)
    factor = name + " = 1.56 − 0.75 · λ = 1.56 − 0.75 · " + Num(lambda, 3) + " = " + Num(k, 3);
  else
    factor = name + " = 1 / λ² = 1 / " + Num(lambda, 3) + "² = " + Num(k, 3);
  out.push_back(line);
  out.push_back(factor);
}

}  // namespace

std::vector<SpanLines> RowStabilityLines(const StressCheckInput& in) {
  std::vector<SpanLines> spans;
  const SectionProperties p = ComputeSectionProperties(in.section);
  if (!p.valid) return spans;
  const MitoitusAsetukset& s = in.context.settings;
  for (std::size_t i = 0; i + 1 < in.spanBounds.size(); ++i) {
    const double x1 = in.spanBounds[i], x2 = in.spanBounds[i + 1];
    SpanLines span{static_cast<int>(i) + 1, {}};
    if (s.Nurjahdus != 0 && s.Znurj != 0) Buckling(in, p, kDirectionZ, 'y', x1, x2, span.lines);
    if (s.Nurjahdus != 0 && s.Ynurj != 0) Buckling(in, p, kDirectionY, 'z', x1, x2, span.lines);
    if (s.Kiepahdus != 0) {
      Lateral(in, p, 'z', x1, x2, span.lines);
      Lateral(in, p, 'y', x1, x2, span.lines);
    }
    spans.push_back(std::move(span));
  }
  return spans;
}

}  // namespace qv::trace
