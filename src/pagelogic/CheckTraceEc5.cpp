// Design code 4 written out: the design strengths from kmod, kh and gamma_M, the stability
// factors of each span and every check at its governing point with the numbers put in.
#include <algorithm>
#include <cmath>

#include "design/Ec5Design.h"
#include "design/SectionProperties.h"
#include "pagelogic/CheckTraceText.h"
#include "project/QELVUX_data.h"

namespace qv::trace {

namespace {

constexpr double kPi = 3.141592653589793;

// Forces at one sampled point, magnitudes in N and Nmm; n > 0 compression.
struct PointForces {
  double n = 0.0, vy = 0.0, vz = 0.0, mx = 0.0, my = 0.0, mz = 0.0;
};

// The rows sampled at x: an inner node is sampled at the end of one bar and the start of the
// next, so a check is looked for in each.
std::vector<PointForces> ForcesAt(const QELvektori& t, double x) {
  std::vector<PointForces> out;
  for (int i = 0; i < t.Count(); ++i) {
    if (t.GetReal(i, 0) != x) continue;
    out.push_back({t.GetReal(i, 1), std::fabs(t.GetReal(i, 2)), std::fabs(t.GetReal(i, 3)),
                   std::fabs(t.GetReal(i, 4)), std::fabs(t.GetReal(i, 5)),
                   std::fabs(t.GetReal(i, 6))});
  }
  return out;
}

const Ec5SpanStability* SpanOf(const Ec5MemberChecks& checks, int span) {
  for (const Ec5SpanStability& s : checks.spans)
    if (s.span == span) return &s;
  return nullptr;
}

class Ec5Trace {
 public:
  Ec5Trace(const QELVUX_data& p, const CombinationDesign& comb, const Ec5CheckInput& in,
           double kmod)
      : comb_(comb), in_(in), kmod_(kmod), prop_(ComputeSectionProperties(in.section)) {
    circle_ = in.section.shape == SectionShape::kCircle;
    b_ = in.section.Width();
    h_ = in.section.Height();
    km_ = circle_ ? in.family.kmCircle : in.family.kmRectangle;
    const DesignCode code = DesignCode::kEc5;
    const int duration = p.Loads.GoverningDurationClass(comb.index, -1);
    const auto k = [&](int q) {
      return p.Materials.TableValue(q, code, p.Materials.Material(code), duration,
                                    p.Materials.MoistureClass(code),
                                    MateriaaliTiedot::kCharacteristic);
    };
    ft0k_ = k(DesignValues::kTension);
    fvk_ = k(DesignValues::kShearY);
  }

  void Strengths(std::vector<std::string>& out) const {
    const Ec5FamilyValues& fam = in_.family;
    const Ec5Strengths& f = in_.strengths;
    const double khH = SizeFactor(fam.kh, h_), khB = SizeFactor(fam.kh, b_);
    const double khT = SizeFactor(fam.kh, std::max(h_, b_));
    const double fmk = in_.material.fmk, fc0k = in_.material.fc0k;
    const std::string g = " / " + Num(fam.gammaM) + " = ";
    for (const std::string& l : SectionLines(in_.section, true)) out.push_back(l);
    out.push_back("Lujuuksien laskenta-arvot Xd = kmod · kh · Xk / γM (2.14, 3.2(3)):");
    out.push_back("kmod = " + Num(kmod_) + " (aikaluokka " + comb_.durationName +
                  "), γM = " + Num(fam.gammaM) + ", kcr = " + Num(fam.kcr) + ", km = " + Num(km_) +
                  ", βc = " + Num(fam.betaC));
    const std::string side = circle_ ? "d" : "h";
    out.push_back("fm,y,d = " + Num(kmod_) + " · " + Num(khH) + " · " + Num(fmk) + g + Num(f.fmY) +
                  " MPa (kh, " + side + " = " + Num(h_, 0) + " mm)");
    out.push_back("fm,z,d = " + Num(kmod_) + " · " + Num(khB) + " · " + Num(fmk) + g + Num(f.fmZ) +
                  " MPa (kh, " + (circle_ ? "d" : "b") + " = " + Num(b_, 0) + " mm)");
    out.push_back("ft,0,d = " + Num(kmod_) + " · " + Num(khT) + " · " + Num(ft0k_) + g +
                  Num(f.ft0) + " MPa");
    out.push_back("fc,0,d = " + Num(kmod_) + " · " + Num(fc0k) + g + Num(f.fc0) + " MPa");
    out.push_back("fv,d = " + Num(kmod_) + " · " + Num(fvk_) + g + Num(f.fv) + " MPa");
  }

  // The buckling and lateral-torsional values of a span whose checks use them.
  std::vector<std::string> Stability(const Ec5SpanStability& s) const {
    std::vector<std::string> out;
    if (s.bucklingY) Buckling(s, 'y', s.lambdaRelY, s.kcY, out);
    if (s.bucklingZ) Buckling(s, 'z', s.lambdaRelZ, s.kcZ, out);
    if (!s.lateral) return out;
    if (circle_) {
      out.push_back("kcrit = 1, pyöreä poikkileikkaus ei kiepahda (6.3.3)");
      return out;
    }
    const double e005 = in_.material.e005;
    const double spacing =
        in_.stability.lateralSpacing > 0.0 ? in_.stability.lateralSpacing : s.x2 - s.x1;
    std::string edge;
    switch (in_.stability.position) {
      case LoadPosition::kCompressionEdge:
        edge =
            " + 2 · h = " + Num(in_.stability.a) + " · " + Num(spacing, 0) + " + 2 · " + Num(h_, 0);
        break;
      case LoadPosition::kTensionEdge:
        edge = " − 0.5 · h = " + Num(in_.stability.a) + " · " + Num(spacing, 0) + " − 0.5 · " +
               Num(h_, 0);
        break;
      case LoadPosition::kAxis:
        edge = " = " + Num(in_.stability.a) + " · " + Num(spacing, 0);
        break;
    }
    out.push_back("lef = a · l" + edge + " = " + Num(s.lef, 0) + " mm (taulukko 6.1)");
    out.push_back("σm,crit = 0.78 · b² · E0,05 / (h · lef) = 0.78 · " + Num(b_, 0) + "² · " +
                  Num(e005, 0) + " / (" + Num(h_, 0) + " · " + Num(s.lef, 0) +
                  ") = " + Num(s.sigmaMCrit) + " MPa (6.32)");
    out.push_back("λrel,m = √(fm,k / σm,crit) = √(" + Num(in_.material.fmk) + " / " +
                  Num(s.sigmaMCrit) + ") = " + Num(s.lambdaRelM, 3) + " (6.30)");
    if (s.lambdaRelM <= 0.75)
      out.push_back("kcrit = 1 (λrel,m ≤ 0.75) (6.34)");
    else if (s.lambdaRelM <= 1.4)
      out.push_back("kcrit = 1.56 − 0.75 · λrel,m = 1.56 − 0.75 · " + Num(s.lambdaRelM, 3) + " = " +
                    Num(s.kcrit, 3) + " (6.34)");
    else
      out.push_back("kcrit = 1 / λrel,m² = 1 / " + Num(s.lambdaRelM, 3) + "² = " + Num(s.kcrit, 3) +
                    " (6.34)");
    return out;
  }

  // One check at its governing point; the point sampled twice at an inner node is the one
  // giving the larger ratio, the one the check kept.
  void Check(const Ec5CheckResult& r, std::vector<std::string>& out) const {
    const Ec5SpanStability* s = SpanOf(comb_.ec5Checks, r.span);
    const Ec5SpanStability none;
    std::vector<std::string> best;
    double bestRatio = -1.0;
    for (const PointForces& pf : ForcesAt(*in_.forces, r.x)) {
      std::vector<std::string> lines;
      const double ratio = Lines(r.check, pf, s ? *s : none, lines);
      if (ratio > bestRatio) {
        bestRatio = ratio;
        best = std::move(lines);
      }
    }
    if (best.empty()) return;
    out.push_back(std::string(Ec5CheckName(r.check)) + " (" + Ec5Clause(r.check) +
                  "), x = " + Num(r.x, 0) + " mm" +
                  (comb_.ec5Checks.spans.size() > 1 ? ", aukko " + std::to_string(r.span) : "") +
                  ":");
    out.insert(out.end(), best.begin(), best.end());
  }

 private:
  void Buckling(const Ec5SpanStability& s, char axis, double rel, double kc,
                std::vector<std::string>& out) const {
    const Ec5BucklingLength& l = axis == 'y' ? in_.stability.y : in_.stability.z;
    const double lc = l.length > 0.0 ? l.length : l.factor * (s.x2 - s.x1);
    const double i = axis == 'y' ? prop_.iY : prop_.iZ;
    const bool y = axis == 'y';
    const std::string a(1, axis);
    out.push_back("Lc," + a + " = " + Num(lc, 0) + " mm, i" + a + " = " + Num(i, 1) + " mm, λ" + a +
                  " = Lc," + a + " / i" + a + " = " + Num(lc / i, 1));
    out.push_back("λrel," + a + " = (λ" + a + " / π) · √(fc,0,k / E0,05) = (" + Num(lc / i, 1) +
                  " / π) · √(" + Num(in_.material.fc0k) + " / " + Num(in_.material.e005, 0) +
                  ") = " + Num(rel, 3) + (y ? " (6.21)" : " (6.22)"));
    if (rel <= 0.3) {
      out.push_back("kc," + a + " = 1 (λrel," + a + " ≤ 0.3)");
      return;
    }
    const double beta = in_.family.betaC;
    const double k = 0.5 * (1.0 + beta * (rel - 0.3) + rel * rel);
    out.push_back("k" + a + " = 0.5 · (1 + βc · (λrel," + a + " − 0.3) + λrel," + a +
                  "²) = 0.5 · (1 + " + Num(beta) + " · (" + Num(rel, 3) + " − 0.3) + " +
                  Num(rel, 3) + "²) = " + Num(k, 3) + (y ? " (6.25)" : " (6.26)"));
    out.push_back("kc," + a + " = 1 / (k" + a + " + √(k" + a + "² − λrel," + a + "²)) = 1 / (" +
                  Num(k, 3) + " + √(" + Num(k, 3) + "² − " + Num(rel, 3) + "²)) = " + Num(kc, 3) +
                  (y ? " (6.27)" : " (6.28)"));
  }

  // The bending stresses and the 6.11/6.12 terms of one form.
  struct Bending {
    double smy = 0.0, smz = 0.0;
  };
  Bending BendingAt(const PointForces& pf) const { return {pf.mz / prop_.Wz, pf.my / prop_.Wy}; }
  void BendingStresses(const Bending& m, const PointForces& pf,
                       std::vector<std::string>& out) const {
    out.push_back("σm,y,d = Mz / Wy = " + Knm(pf.mz) + " / " + Big(prop_.Wz) +
                  " mm³ = " + Num(m.smy) + " MPa; σm,z,d = My / Wz = " + Knm(pf.my) + " / " +
                  Big(prop_.Wy) + " mm³ = " + Num(m.smz) + " MPa");
  }
  // "σm,y,d / fm,y,d + km · σm,z,d / fm,z,d" and its numbers, y or z form.
  std::string BendingTerms(bool yForm) const {
    return yForm ? "σm,y,d / fm,y,d + km · σm,z,d / fm,z,d"
                 : "km · σm,y,d / fm,y,d + σm,z,d / fm,z,d";
  }
  std::string BendingNumbers(const Bending& m, bool yForm) const {
    const Ec5Strengths& f = in_.strengths;
    const std::string y = Num(m.smy) + " / " + Num(f.fmY), z = Num(m.smz) + " / " + Num(f.fmZ);
    return yForm ? y + " + " + Num(km_) + " · " + z : Num(km_) + " · " + y + " + " + z;
  }
  double BendingRatio(const Bending& m, bool yForm) const {
    const Ec5Strengths& f = in_.strengths;
    return yForm ? m.smy / f.fmY + km_ * m.smz / f.fmZ : km_ * m.smy / f.fmY + m.smz / f.fmZ;
  }

  void AxialStress(bool tension, double sigma, std::vector<std::string>& out) const {
    out.push_back(std::string(tension ? "σt,0,d" : "σc,0,d") + " = N / A = " + Kn(sigma * prop_.A) +
                  " / " + Big(prop_.A) + " mm² = " + Num(sigma) + " MPa");
  }

  // The formula lines of one check at one point; returns the ratio they end in.
  double Lines(Ec5Check check, const PointForces& pf, const Ec5SpanStability& s,
               std::vector<std::string>& out) const {
    const Ec5Strengths& f = in_.strengths;
    const double kcr = in_.family.kcr;
    // Tension and compression as the checks take them: a point without one has none.
    const double st = pf.n < 0.0 ? -pf.n / prop_.A : 0.0;
    const double sc = pf.n > 0.0 ? pf.n / prop_.A : 0.0;
    const Bending m = BendingAt(pf);
    double ratio = 0.0;
    std::string result;  // the last line without its percentage
    switch (check) {
      case Ec5Check::kShearY:
      case Ec5Check::kShearZ: {
        const bool y = check == Ec5Check::kShearY;
        const double v = y ? pf.vy : pf.vz;
        const std::string name = y ? "Vy" : "Vz";
        const double tau = circle_ ? ShearStressCircle(v, prop_.A, kcr)
                                   : ShearStressRectangle(v, in_.section.b, in_.section.h, kcr);
        if (circle_)
          out.push_back("τd = 4 · " + name + " / (3 · kcr · A) = 4 · " + Kn(v) + " / (3 · " +
                        Num(kcr) + " · " + Big(prop_.A) + " mm²) = " + Num(tau) + " MPa");
        else
          out.push_back("τd = 1.5 · " + name + " / (kcr · b · h) = 1.5 · " + Kn(v) + " / (" +
                        Num(kcr) + " · " + Num(b_, 0) + " · " + Num(h_, 0) + " mm²) = " + Num(tau) +
                        " MPa");
        ratio = tau / f.fv;
        result = "τd / fv,d = " + Num(tau) + " / " + Num(f.fv);
        break;
      }
      case Ec5Check::kTorsion: {
        const double tau = prop_.kt * pf.mx;
        double kshape = 0.0;
        if (circle_) {
          kshape = TorsionShapeFactorCircle();
          out.push_back("τtor,d = 2 · Mx / (π · r³) = 2 · " + Knm(pf.mx) + " / (π · " +
                        Num(b_ / 2.0, 1) + "³ mm³) = " + Num(tau) +
                        " MPa; kshape = " + Num(kshape));
        } else {
          const double hmax = std::max(b_, h_), hmin = std::min(b_, h_);
          kshape = TorsionShapeFactorRectangle(b_, h_);
          out.push_back("τtor,d = Mx / (α · hmax · hmin²) = " + Knm(pf.mx) + " / (" +
                        Num(TorsionAlpha(hmax / hmin), 3) + " · " + Num(hmax, 0) + " · " +
                        Num(hmin, 0) + "² mm³) = " + Num(tau) + " MPa");
          out.push_back("kshape = min(1 + 0.15 · hmax / hmin, 2.0) = min(1 + 0.15 · " +
                        Num(hmax, 0) + " / " + Num(hmin, 0) + ", 2.0) = " + Num(kshape));
        }
        ratio = tau / (kshape * f.fv);
        result = "τtor,d / (kshape · fv,d) = " + Num(tau) + " / (" + Num(kshape) + " · " +
                 Num(f.fv) + ")";
        break;
      }
      case Ec5Check::kTension:
      case Ec5Check::kCompression: {
        const bool tension = check == Ec5Check::kTension;
        const double fd = tension ? f.ft0 : f.fc0;
        const double sigma = tension ? st : sc;
        AxialStress(tension, sigma, out);
        ratio = sigma / fd;
        result = std::string(tension ? "σt,0,d / ft,0,d = " : "σc,0,d / fc,0,d = ") + Num(sigma) +
                 " / " + Num(fd);
        break;
      }
      case Ec5Check::kBendingY:
      case Ec5Check::kBendingZ: {
        const bool y = check == Ec5Check::kBendingY;
        BendingStresses(m, pf, out);
        ratio = BendingRatio(m, y);
        result = BendingTerms(y) + " = " + BendingNumbers(m, y);
        break;
      }
      case Ec5Check::kTensionBendingY:
      case Ec5Check::kTensionBendingZ: {
        const bool y = check == Ec5Check::kTensionBendingY;
        AxialStress(true, st, out);
        BendingStresses(m, pf, out);
        ratio = st / f.ft0 + BendingRatio(m, y);
        result = "σt,0,d / ft,0,d + " + BendingTerms(y) + " = " + Num(st) + " / " + Num(f.ft0) +
                 " + " + BendingNumbers(m, y);
        break;
      }
      case Ec5Check::kCompressionBendingY:
      case Ec5Check::kCompressionBendingZ: {
        const bool y = check == Ec5Check::kCompressionBendingY;
        AxialStress(false, sc, out);
        BendingStresses(m, pf, out);
        const double c = sc / f.fc0;
        ratio = c * c + BendingRatio(m, y);
        result = "(σc,0,d / fc,0,d)² + " + BendingTerms(y) + " = (" + Num(sc) + " / " + Num(f.fc0) +
                 ")² + " + BendingNumbers(m, y);
        break;
      }
      case Ec5Check::kBucklingY:
      case Ec5Check::kBucklingZ: {
        const bool y = check == Ec5Check::kBucklingY;
        const double kc = y ? s.kcY : s.kcZ;
        const std::string a = y ? "y" : "z";
        AxialStress(false, sc, out);
        BendingStresses(m, pf, out);
        ratio = sc / (kc * f.fc0) + BendingRatio(m, y);
        result = "σc,0,d / (kc," + a + " · fc,0,d) + " + BendingTerms(y) + " = " + Num(sc) +
                 " / (" + Num(kc, 3) + " · " + Num(f.fc0) + ") + " + BendingNumbers(m, y);
        break;
      }
      case Ec5Check::kLateral: {
        out.push_back("σm,y,d = Mz / Wy = " + Knm(pf.mz) + " / " + Big(prop_.Wz) +
                      " mm³ = " + Num(m.smy) + " MPa; kcrit = " + Num(s.kcrit, 3));
        ratio = m.smy / (s.kcrit * f.fmY);
        result = "σm,y,d / (kcrit · fm,y,d) = " + Num(m.smy) + " / (" + Num(s.kcrit, 3) + " · " +
                 Num(f.fmY) + ")";
        break;
      }
      case Ec5Check::kLateralCompression: {
        AxialStress(false, sc, out);
        out.push_back("σm,y,d = Mz / Wy = " + Knm(pf.mz) + " / " + Big(prop_.Wz) +
                      " mm³ = " + Num(m.smy) + " MPa; kcrit = " + Num(s.kcrit, 3) +
                      ", kc,z = " + Num(s.kcZ, 3));
        const double t = m.smy / (s.kcrit * f.fmY);
        ratio = t * t + sc / (s.kcZ * f.fc0);
        result = "(σm,y,d / (kcrit · fm,y,d))² + σc,0,d / (kc,z · fc,0,d) = (" + Num(m.smy) +
                 " / (" + Num(s.kcrit, 3) + " · " + Num(f.fmY) + "))² + " + Num(sc) + " / (" +
                 Num(s.kcZ, 3) + " · " + Num(f.fc0) + ")";
        break;
      }
    }
    out.push_back(result + " = " + Percent(100.0 * ratio));
    return ratio;
  }

  const CombinationDesign& comb_;
  const Ec5CheckInput& in_;
  double kmod_ = 0.0;
  SectionProperties prop_;
  bool circle_ = false;
  double b_ = 0.0, h_ = 0.0, km_ = 0.0;
  double ft0k_ = 0.0, fvk_ = 0.0;
};

}  // namespace

void AppendEc5Trace(const QELVUX_data& p, const CombinationDesign& comb,
                    std::vector<std::string>& out) {
  QELvektori forces;
  Ec5CheckInput in;
  if (!Ec5CheckInputOf(p, comb.index, forces, in) || !in.section.IsValid()) return;
  const double kmod =
      p.Materials.Kmod(DesignCode::kEc5, p.Loads.GoverningDurationClass(comb.index, -1));
  const Ec5Trace trace(p, comb, in, kmod);
  trace.Strengths(out);
  std::vector<SpanLines> spans;
  for (const Ec5SpanStability& s : comb.ec5Checks.spans)
    spans.push_back({s.span, trace.Stability(s)});
  AppendBySpan(spans, out);
  for (const Ec5CheckResult& r : comb.ec5Checks.results) {
    std::vector<std::string> lines;
    trace.Check(r, lines);
    if (lines.empty()) continue;  // no sampled point at the check's x: left out, not guessed
    out.push_back("------------------------------------");
    out.insert(out.end(), lines.begin(), lines.end());
  }
}

}  // namespace qv::trace
