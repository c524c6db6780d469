// Member checks of EN 1995-1-1 along the sampled forces of one combination.
#include "design/Ec5Checks.h"

#include <algorithm>
#include <cmath>

#include "design/SectionProperties.h"
#include "model/NumberText.h"

namespace qv {

namespace {

// Sampling points at a support come out of the bar arithmetic; allow for rounding so that
// such a point is examined in both spans.
constexpr double kPointTolerance = 1e-6;

struct CheckText {
  const char* clause;
  const char* name;
};
constexpr CheckText kTexts[kEc5CheckCount] = {
    {"6.1.7", "Leikkaus Vy"},
    {"6.1.7", "Leikkaus Vz"},
    {"6.1.8", "Vääntö"},
    {"6.1.2", "Veto"},
    {"6.1.4", "Puristus"},
    {"6.11", "Taivutus"},
    {"6.12", "Taivutus"},
    {"6.17", "Taivutus + veto"},
    {"6.18", "Taivutus + veto"},
    {"6.19", "Taivutus + puristus"},
    {"6.20", "Taivutus + puristus"},
    {"6.23", "Nurjahdus"},
    {"6.24", "Nurjahdus"},
    {"6.33", "Kiepahdus"},
    {"6.35", "Kiepahdus + puristus"},
};

constexpr int IndexOf(Ec5Check check) { return static_cast<int>(check); }
static_assert(IndexOf(Ec5Check::kLateralCompression) + 1 == kEc5CheckCount,
              "a text for every check");

// Largest utilisation of one check and where; only a strictly larger one takes over.
struct Kept {
  bool arose = false;
  bool broken = false;  // a utilisation that is no number: the check did not run
  double utilisation = 0.0;
  double x = 0.0;
  int span = 0;
  void Offer(double ratio, double atX, int atSpan) {
    const double u = ratio * 100.0;
    if (!std::isfinite(u)) broken = true;
    if (!arose || u > utilisation) {
      utilisation = u;
      x = atX;
      span = atSpan;
    }
    arose = true;
  }
};

bool Positive(double v) { return v > 0.0 && std::isfinite(v); }

bool InputComplete(const Ec5CheckInput& in) {
  if (!in.section.IsValid()) return false;
  const Ec5Strengths& f = in.strengths;
  for (double v : {f.fmY, f.fmZ, f.ft0, f.fc0, f.fv}) {
    if (!Positive(v)) return false;
  }
  const Ec5StabilityMaterial& m = in.material;
  for (double v : {m.fmk, m.fc0k, m.e005, in.family.kcr, in.family.kmRectangle, in.family.kmCircle})
    if (!Positive(v)) return false;
  if (!(in.family.betaC >= 0.0)) return false;
  if (in.forces == nullptr || in.forces->Count() == 0 || in.forces->RealCount() < 7) return false;
  return in.spanBounds.size() >= 2;
}

bool IsCircle(const SectionSize& s) { return s.shape == SectionShape::kCircle; }

double LengthOver(const Ec5BucklingLength& l, double spanLength) {
  return l.length > 0.0 ? l.length : l.factor * spanLength;
}

// lambda_rel and kc of one axis; nothing when the axis is off or has no length.
void Buckle(const Ec5CheckInput& in, const Ec5BucklingLength& l, double radius, double spanLength,
            bool& on, double& lambdaRel, double& kc) {
  const double lc = l.checked ? LengthOver(l, spanLength) : 0.0;
  on = lc > 0.0 && radius > 0.0;
  if (!on) return;
  lambdaRel = RelativeSlenderness(lc / radius, in.material.fc0k, in.material.e005);
  kc = BucklingFactor(lambdaRel, in.family.betaC);
}

Ec5SpanStability SpanStability(const Ec5CheckInput& in, const SectionProperties& p, int span,
                               double x1, double x2) {
  Ec5SpanStability s;
  s.span = span;
  s.x1 = x1;
  s.x2 = x2;
  const Ec5StabilitySettings& set = in.stability;
  Buckle(in, set.y, p.iY, x2 - x1, s.bucklingY, s.lambdaRelY, s.kcY);
  Buckle(in, set.z, p.iZ, x2 - x1, s.bucklingZ, s.lambdaRelZ, s.kcZ);
  s.lateral = set.lateral;
  if (!s.lateral) return s;
  const double spacing = set.lateralSpacing > 0.0 ? set.lateralSpacing : x2 - x1;
  const double h = in.section.Height();
  s.lef = EffectiveLength(set.a, spacing, h, set.position);
  if (IsCircle(in.section)) return s;  // a circle does not tip sideways: kcrit 1
  s.sigmaMCrit = CriticalBendingStressRectangle(in.section.b, h, s.lef, in.material.e005);
  s.lambdaRelM = RelativeSlendernessBending(in.material.fmk, s.sigmaMCrit);
  s.kcrit = LateralBucklingFactor(s.lambdaRelM);
  return s;
}

struct Findings {
  Kept kept[kEc5CheckCount];
  bool brokenForces = false;  // a force that is no number would leave its checks out
  void Offer(Ec5Check c, double ratio, double x, int span) {
    kept[IndexOf(c)].Offer(ratio, x, span);
  }
};

void CheckPoint(const Ec5CheckInput& in, const SectionProperties& p, const Ec5SpanStability& s,
                int row, Findings& out) {
  const QELvektori& t = *in.forces;
  const double x = t.GetReal(row, 0);
  const double n = t.GetReal(row, 1);
  const double vy = std::fabs(t.GetReal(row, 2));
  const double vz = std::fabs(t.GetReal(row, 3));
  const double mx = std::fabs(t.GetReal(row, 4));
  const double my = std::fabs(t.GetReal(row, 5));
  const double mz = std::fabs(t.GetReal(row, 6));
  for (double v : {x, n, vy, vz, mx, my, mz}) {
    if (!std::isfinite(v)) out.brokenForces = true;
  }
  const Ec5Strengths& f = in.strengths;
  const SectionSize& sec = in.section;
  const bool circle = IsCircle(sec);
  const double kcr = in.family.kcr;
  const double km = circle ? in.family.kmCircle : in.family.kmRectangle;
  const int span = s.span;

  const auto shear = [&](double v) {
    return circle ? ShearStressCircle(v, p.A, kcr) : ShearStressRectangle(v, sec.b, sec.h, kcr);
  };
  if (vy > 0.0) out.Offer(Ec5Check::kShearY, shear(vy) / f.fv, x, span);
  if (vz > 0.0) out.Offer(Ec5Check::kShearZ, shear(vz) / f.fv, x, span);
  if (mx > 0.0) {
    const double kshape =
        circle ? TorsionShapeFactorCircle() : TorsionShapeFactorRectangle(sec.b, sec.h);
    out.Offer(Ec5Check::kTorsion, p.kt * mx / (kshape * f.fv), x, span);
  }

  const double st = n < 0.0 ? -n / p.A : 0.0;
  const double sc = n > 0.0 ? n / p.A : 0.0;
  const double smY = mz / p.Wz;  // in-plane bending over h
  const double smZ = my / p.Wy;
  const bool bending = smY > 0.0 || smZ > 0.0;
  if (st > 0.0) out.Offer(Ec5Check::kTension, st / f.ft0, x, span);
  if (sc > 0.0) out.Offer(Ec5Check::kCompression, sc / f.fc0, x, span);
  if (bending) {
    const InteractionForms m = BendingInteraction(smY, f.fmY, smZ, f.fmZ, km);
    out.Offer(Ec5Check::kBendingY, m.y, x, span);
    out.Offer(Ec5Check::kBendingZ, m.z, x, span);
  }
  if (bending && st > 0.0) {
    const InteractionForms tb = TensionBendingInteraction(st, f.ft0, smY, f.fmY, smZ, f.fmZ, km);
    out.Offer(Ec5Check::kTensionBendingY, tb.y, x, span);
    out.Offer(Ec5Check::kTensionBendingZ, tb.z, x, span);
  }
  if (sc > 0.0) {
    if (BucklingFormsApply(s.lambdaRelY, s.lambdaRelZ)) {
      const InteractionForms b =
          BucklingInteraction(sc, f.fc0, s.kcY, s.kcZ, smY, f.fmY, smZ, f.fmZ, km);
      out.Offer(Ec5Check::kBucklingY, b.y, x, span);
      out.Offer(Ec5Check::kBucklingZ, b.z, x, span);
    } else if (bending) {
      const InteractionForms cb =
          CompressionBendingInteraction(sc, f.fc0, smY, f.fmY, smZ, f.fmZ, km);
      out.Offer(Ec5Check::kCompressionBendingY, cb.y, x, span);
      out.Offer(Ec5Check::kCompressionBendingZ, cb.z, x, span);
    }
  }
  if (s.lateral && smY > 0.0) {
    out.Offer(Ec5Check::kLateral, smY / (s.kcrit * f.fmY), x, span);
    if (sc > 0.0) {
      out.Offer(Ec5Check::kLateralCompression,
                LateralBucklingInteraction(smY, s.kcrit, f.fmY, sc, s.kcZ, f.fc0), x, span);
    }
  }
}

// " (aukko 1)"
std::string SpanSuffix(int span) { return " (aukko " + std::to_string(span) + ")"; }

}  // namespace

Ec5Strengths Ec5DesignStrengths(const Ec5CharacteristicStrengths& k, double kmod,
                                const Ec5FamilyValues& family, const SectionSize& section) {
  const double gammaM = family.gammaM;
  const double h = section.Height(), b = section.Width();
  Ec5Strengths f;
  f.fmY = DesignValue(kmod, SizeFactor(family.kh, h), k.fmk, gammaM);
  f.fmZ = DesignValue(kmod, SizeFactor(family.kh, b), k.fmk, gammaM);
  f.ft0 = DesignValue(kmod, SizeFactor(family.kh, std::max(h, b)), k.ft0k, gammaM);
  f.fc0 = DesignValue(kmod, 1.0, k.fc0k, gammaM);
  f.fc90 = DesignValue(kmod, 1.0, k.fc90k, gammaM);
  f.fv = DesignValue(kmod, 1.0, k.fvk, gammaM);
  return f;
}

Ec5StabilitySettings Ec5StabilityFromSettings(const MitoitusAsetukset& s, double a,
                                              LoadPosition position) {
  const auto axis = [&s](int on, int mode, double factor, double length) {
    Ec5BucklingLength l;
    l.checked = s.Nurjahdus != 0 && on != 0;
    // A given length of 0 means no buckling length, as in codes 1 to 3.
    const bool given = mode == MitoitusAsetukset::kLengthMode;
    l.factor = given ? 0.0 : factor;
    l.length = given ? length : 0.0;
    return l;
  };
  Ec5StabilitySettings out;
  out.y = axis(s.Ynurj, s.YnurjTapa, s.NurjKerrY, s.LcY);
  out.z = axis(s.Znurj, s.ZnurjTapa, s.NurjKerrZ, s.LcZ);
  out.lateral = s.Kiepahdus != 0;
  out.lateralSpacing = s.Lk;
  out.a = a;
  out.position = position;
  return out;
}

const char* Ec5Clause(Ec5Check check) { return kTexts[IndexOf(check)].clause; }
const char* Ec5CheckName(Ec5Check check) { return kTexts[IndexOf(check)].name; }

double Ec5MemberChecks::LargestUtilisation() const {
  double u = 0.0;
  for (const Ec5CheckResult& r : results) u = std::max(u, r.utilisation);
  return u;
}

bool CheckEc5Member(const Ec5CheckInput& input, Ec5MemberChecks& out) {
  out = Ec5MemberChecks();
  if (!InputComplete(input)) return false;
  const SectionProperties p = ComputeSectionProperties(input.section);
  const QELvektori& t = *input.forces;
  Findings found;
  for (std::size_t i = 0; i + 1 < input.spanBounds.size(); ++i) {
    const double x1 = input.spanBounds[i];
    const double x2 = input.spanBounds[i + 1];
    const Ec5SpanStability s = SpanStability(input, p, static_cast<int>(i) + 1, x1, x2);
    out.spans.push_back(s);
    for (int row = 0; row < t.Count(); ++row) {
      const double x = t.GetReal(row, 0);
      if (x < x1 - kPointTolerance || x > x2 + kPointTolerance) continue;
      CheckPoint(input, p, s, row, found);
    }
  }
  for (int c = 0; c < kEc5CheckCount; ++c) {
    const Kept& k = found.kept[c];
    if (k.broken || found.brokenForces) {
      out = Ec5MemberChecks();  // max(0, NaN) would pass the check
      return false;
    }
    if (k.arose) out.results.push_back({static_cast<Ec5Check>(c), k.utilisation, k.x, k.span});
  }
  return true;
}

std::string Ec5CheckLine(const Ec5CheckResult& r) {
  return std::string(Ec5CheckName(r.check)) + " (" + Ec5Clause(r.check) +
         "): " + FormatFixed(r.utilisation, 0) + " %";
}

std::vector<std::string> Ec5StabilityLines(const Ec5SpanStability& s) {
  std::vector<std::string> lines;
  const std::string suffix = SpanSuffix(s.span);
  const auto add = [&](const std::string& label, const std::string& value) {
    lines.push_back(label + " = " + value + suffix);
  };
  if (s.bucklingY) add("Hoikkuus,rel,y", FormatFixed(s.lambdaRelY, 2));
  if (s.bucklingZ) add("Hoikkuus,rel,z", FormatFixed(s.lambdaRelZ, 2));
  if (s.bucklingY) add("Nurjahduskerroin kc,y", FormatFixed(s.kcY, 2));
  if (s.bucklingZ) add("Nurjahduskerroin kc,z", FormatFixed(s.kcZ, 2));
  if (!s.lateral) return lines;
  add("Kiepahduspituus lef", FormatFixed(s.lef, 0) + " mm");
  if (s.sigmaMCrit > 0.0) {
    add("Kriittinen taivutusjännitys sm,crit", FormatFixed(s.sigmaMCrit, 2) + " MPa");
    add("Hoikkuus,rel,m", FormatFixed(s.lambdaRelM, 2));
  }
  add("Kiepahduskerroin kcrit", FormatFixed(s.kcrit, 2));
  return lines;
}

std::vector<Ec5BearingResult> Ec5BearingLengths(const std::vector<Ec5SupportReaction>& supports,
                                                double b, double kc90, double fc90d) {
  std::vector<Ec5BearingResult> out;
  out.reserve(supports.size());
  for (const Ec5SupportReaction& s : supports) {
    if (!(s.force > 0.0)) continue;  // lifting off or free: nothing to bear
    out.push_back({s, RequiredBearingLength(s.force, b, kc90, fc90d, s.endSupport)});
  }
  return out;
}

std::string Ec5BearingLine(const Ec5BearingResult& r) {
  const std::string where = std::string(r.support.endSupport ? "päätytuki" : "välituki") +
                            " x = " + FormatFixed(r.support.x, 0) + " mm: ";
  const std::string length = std::isfinite(r.requiredLength)
                                 ? FormatFixed(r.requiredLength, 0) + " mm"
                                 : std::string("ei laskettavissa (fc,90,d puuttuu)");
  return "Tukipinnan vähimmäispituus (6.1.5), " + where + length +
         " (F = " + FormatFixed(r.support.force * 0.001, 2) + " kN)";
}

}  // namespace qv
