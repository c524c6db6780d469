// EN 1995-1-1 factors and interaction formulas of design code 4.
#include "design/data/Ec5Factors.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A stress against a missing strength must fail, never pass as 0.
double Ratio(double stress, double strength) {
  if (strength > 0.0) return stress / strength;
  return stress > 0.0 ? kInfinity : 0.0;
}

}  // namespace

double SizeFactor(const SizeFactorRule& rule, double h) {
  if (!(h > 0.0) || h >= rule.referenceSize) return 1.0;
  return std::min(std::pow(rule.referenceSize / h, rule.exponent), rule.cap);
}

double DesignValue(double kmod, double kh, double characteristic, double gammaM) {
  return gammaM > 0.0 ? kmod * kh * characteristic / gammaM : 0.0;
}

double RelativeSlenderness(double lambda, double fc0k, double e005) {
  if (!(e005 > 0.0)) return 0.0;
  return lambda / kPi * std::sqrt(fc0k / e005);
}

double BucklingFactor(double lambdaRel, double betaC) {
  if (lambdaRel <= 0.3) return 1.0;
  const double k = 0.5 * (1.0 + betaC * (lambdaRel - 0.3) + lambdaRel * lambdaRel);
  return 1.0 / (k + std::sqrt(k * k - lambdaRel * lambdaRel));
}

bool BucklingFormsApply(double lambdaRelY, double lambdaRelZ) {
  return lambdaRelY > 0.3 || lambdaRelZ > 0.3;
}

double CriticalBendingStressRectangle(double b, double h, double lef, double e005) {
  if (!(h > 0.0) || !(lef > 0.0)) return 0.0;
  return 0.78 * b * b * e005 / (h * lef);
}

double RelativeSlendernessBending(double fmk, double sigmaMCrit) {
  return sigmaMCrit > 0.0 ? std::sqrt(fmk / sigmaMCrit) : 0.0;
}

double LateralBucklingFactor(double lambdaRelM) {
  if (lambdaRelM <= 0.75) return 1.0;
  if (lambdaRelM <= 1.4) return 1.56 - 0.75 * lambdaRelM;
  return 1.0 / (lambdaRelM * lambdaRelM);
}

double EffectiveLength(double a, double span, double h, LoadPosition position) {
  switch (position) {
    case LoadPosition::kAxis:
      return a * span;
    case LoadPosition::kCompressionEdge:
      return a * span + 2.0 * h;
    case LoadPosition::kTensionEdge:
      return a * span - 0.5 * h;
  }
  return a * span;
}

double TorsionShapeFactorRectangle(double b, double h) {
  const double large = std::max(b, h), small = std::min(b, h);
  if (!(small > 0.0)) return 0.0;
  return std::min(1.0 + 0.15 * large / small, 2.0);
}

double TorsionShapeFactorCircle() { return 1.2; }

double ShearStressRectangle(double v, double b, double h, double kcr) {
  const double area = kcr * b * h;
  return area > 0.0 ? 1.5 * v / area : 0.0;
}

double ShearStressCircle(double v, double area, double kcr) {
  const double a = kcr * area;
  return a > 0.0 ? 4.0 * v / (3.0 * a) : 0.0;
}

double RequiredBearingLength(double force, double b, double kc90, double fc90d, bool endSupport) {
  const double strength = b * kc90 * fc90d;
  if (!(force > 0.0)) return 0.0;
  if (!(strength > 0.0)) return kInfinity;  // no strength: no length is enough
  return std::max(0.0, force / strength - (endSupport ? 30.0 : 60.0));
}

InteractionForms BendingInteraction(double smy, double fmy, double smz, double fmz, double km) {
  const double y = Ratio(smy, fmy), z = Ratio(smz, fmz);
  return {y + km * z, km * y + z};
}

InteractionForms TensionBendingInteraction(double st, double ft0d, double smy, double fmy,
                                           double smz, double fmz, double km) {
  const InteractionForms m = BendingInteraction(smy, fmy, smz, fmz, km);
  const double t = Ratio(st, ft0d);
  return {t + m.y, t + m.z};
}

InteractionForms CompressionBendingInteraction(double sc, double fc0d, double smy, double fmy,
                                               double smz, double fmz, double km) {
  const InteractionForms m = BendingInteraction(smy, fmy, smz, fmz, km);
  const double c = Ratio(sc, fc0d);
  return {c * c + m.y, c * c + m.z};
}

InteractionForms BucklingInteraction(double sc, double fc0d, double kcy, double kcz, double smy,
                                     double fmy, double smz, double fmz, double km) {
  const InteractionForms m = BendingInteraction(smy, fmy, smz, fmz, km);
  return {Ratio(sc, kcy * fc0d) + m.y, Ratio(sc, kcz * fc0d) + m.z};
}

double LateralBucklingInteraction(double sm, double kcrit, double fmd, double sc, double kcz,
                                  double fc0d) {
  const double m = Ratio(sm, kcrit * fmd);
  return m * m + Ratio(sc, kcz * fc0d);
}

double FinalDeflection(double winst, double kdef, double wqp) { return winst + kdef * wqp; }

}  // namespace qv
