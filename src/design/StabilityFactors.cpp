// Column buckling and lateral-torsional buckling factors of one span, per design code.
#include "design/StabilityFactors.h"

#include <cmath>

#include "design/SectionProperties.h"

namespace qv {

namespace {
constexpr double kPiSquared = 9.869604401089358;

// Buckling length Lc of a direction over a span: the given length in length mode, else the
// factor times the span; 0 when neither gives one.
double BucklingLength(const MitoitusAsetukset& s, int direction, double x1, double x2) {
  const bool z = direction == kDirectionZ;
  const int mode = z ? s.ZnurjTapa : s.YnurjTapa;
  const double factor = z ? s.NurjKerrZ : s.NurjKerrY;
  if (mode == MitoitusAsetukset::kLengthMode) return z ? s.LcZ : s.LcY;
  if (factor > 0.0) return factor * (x2 - x1);
  return 0.0;
}
}  // namespace

double ColumnFactorB10(DesignCode code, double lambda, double radius, double depth, double f2,
                       double f6, double fb, double n) {
  if (!(lambda > 0.0) || !(f2 > 0.0) || !(f6 > 0.0)) return 1.0;
  double q = kPiSquared * f6 / (lambda * lambda * f2);
  if (code == DesignCode::kAllowableStress) q /= 2.08;
  double eccentricity = 0.0;
  if (n > 0.0 && fb > 0.0 && radius > 0.0)
    eccentricity = f2 * depth * lambda / (2.0 * fb * n * radius);
  const double a = 1.0 + q * (1.0 + eccentricity);
  // a >= 1 + q keeps the root real; the guard only protects against rounding.
  const double root = a * a - 4.0 * q;
  return (a - std::sqrt(root > 0.0 ? root : 0.0)) / 2.0;
}

double RelativeSlendernessEc5Env(double lambda, double f2, double f6) {
  if (!(f6 > 0.0) || !(f2 > 0.0)) return 0.0;
  return std::sqrt(f2 * lambda * lambda / (f6 * kPiSquared));
}

double ColumnFactorEc5(double lambdaRel, double betaC) {
  if (!(lambdaRel > 0.5)) return 1.0;
  const double k = 0.5 * (1.0 + betaC * (lambdaRel - 0.5) + lambdaRel * lambdaRel);
  const double root = k * k - lambdaRel * lambdaRel;
  return 1.0 / (k + std::sqrt(root > 0.0 ? root : 0.0));
}

double ImperfectionFactor(int materialType) { return materialType == 1 ? 0.2 : 0.1; }

double LateralFactor(DesignCode code, double lambda) {
  switch (code) {
    case DesignCode::kAllowableStress:
    case DesignCode::kLimitState:
      if (lambda < 0.75) return 1.0;
      if (lambda < 1.4) return 1.56 - 0.75 * lambda;
      return 1.0 / (lambda * lambda);
    case DesignCode::kEc5:  // checked by Ec5Checks; never asked here
    case DesignCode::kEc5Env:
      if (lambda <= 0.75) return 1.0;
      if (lambda <= 1.4) return 1.56 - 0.75 * lambda;
      return 1.0 / (lambda * lambda);
  }
  return 1.0;
}

double BucklingValue(const StabilityContext& context, int what, int direction,
                     const DesignValues& values, const SectionSize& section, double x1, double x2) {
  if (what == kBucklingImperfection) return ImperfectionFactor(context.materialType);
  const double none = what == kBucklingFactor ? 1.0 : 0.0;
  const SectionProperties p = ComputeSectionProperties(section);
  if (!p.valid) return none;

  const bool z = direction == kDirectionZ;
  const double radius = z ? p.iZ : p.iY;
  const double lc = BucklingLength(context.settings, direction, x1, x2);
  if (lc <= 0.0) return none;
  const double lambda = lc / radius;
  if (what == kBucklingSlenderness) return lambda;

  const double f2 = values.Get(DesignValues::kCompression);
  const double f6 = values.Get(DesignValues::kModulusStrength);
  switch (context.code) {
    case DesignCode::kAllowableStress:
    case DesignCode::kLimitState:
      break;
    case DesignCode::kEc5:  // checked by Ec5Checks; never asked here
    case DesignCode::kEc5Env: {
      const double lambdaRel = RelativeSlendernessEc5Env(lambda, f2, f6);
      if (what == kBucklingRelativeSlenderness) return lambdaRel;
      if (what != kBucklingFactor) return 0.0;
      return ColumnFactorEc5(lambdaRel, ImperfectionFactor(context.materialType));
    }
  }
  if (what != kBucklingFactor) return 0.0;
  const double fb = values.Get(z ? DesignValues::kBendingY : DesignValues::kBendingZ);
  const double n = z ? context.settings.EpakZ : context.settings.EpakY;
  return ColumnFactorB10(context.code, lambda, radius, p.depth, f2, f6, fb, n);
}

double LateralBucklingValue(const StabilityContext& context, int what, int kind,
                            const DesignValues& values, const SectionSize& section, double x1,
                            double x2) {
  const double none = what == kLateralFactor ? 1.0 : 0.0;
  const SectionProperties p = ComputeSectionProperties(section);
  if (!p.valid) return none;
  const MitoitusAsetukset& s = context.settings;
  const double lk = s.Lk > 0.0 ? s.Lk : x2 - x1;
  if (lk <= 0.0) return none;

  // Bending about y turns the section: depth and width change places.
  const bool aboutY = kind == kLateralMy;
  const double depth = aboutY ? p.ltbWidth : p.ltbDepth;
  const double width = aboutY ? p.ltbDepth : p.ltbWidth;
  double lambda = 0.0;
  switch (context.code) {
    case DesignCode::kAllowableStress:
    case DesignCode::kLimitState:
      lambda = s.Kk1 * std::sqrt(lk * depth) / width;
      break;
    case DesignCode::kEc5:  // checked by Ec5Checks; never asked here
    case DesignCode::kEc5Env: {
      const double fm = values.Get(aboutY ? DesignValues::kBendingY : DesignValues::kBendingZ);
      const double e = values.Get(DesignValues::kModulusStrength);
      if (!(e > 0.0) || !(fm >= 0.0)) return none;
      lambda = std::sqrt(lk * depth) * std::sqrt(fm / e) * s.MRelM / width;
      break;
    }
  }
  if (what == kLateralSlenderness) return lambda;
  if (what != kLateralFactor) return 0.0;
  return LateralFactor(context.code, lambda);
}

}  // namespace qv
