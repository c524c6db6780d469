// The factors and interaction formulas of EN 1995-1-1 for design code 4, as pure functions.
// Forces in N, lengths in mm, stresses, strengths and moduli in N/mm2. Stresses are magnitudes
// (>= 0); a utilisation is a ratio, 1 at the limit, and infinite for a stress against a
// strength that is 0 or missing.
#pragma once

namespace qv {

// kh of 3.2(3) and 3.3(3): min((referenceSize / h)^exponent, cap) below the reference size,
// 1 at and above it.
struct SizeFactorRule {
  double referenceSize = 0.0;
  double exponent = 0.0;
  double cap = 1.0;
};
double SizeFactor(const SizeFactorRule& rule, double h);

// Xd = kmod · kh · Xk / gammaM (2.14); kh = 1 for every value but fm and ft,0.
double DesignValue(double kmod, double kh, double characteristic, double gammaM);

// Relative slenderness of 6.21/6.22: (lambda / pi) · sqrt(fc,0,k / E0,05).
double RelativeSlenderness(double lambda, double fc0k, double e005);

// kc of 6.25-6.29; 1 for a relative slenderness up to 0.3.
double BucklingFactor(double lambdaRel, double betaC);

// Whether the buckling forms 6.23/6.24 apply instead of 6.19/6.20 (6.3.2(2)-(3)): when either
// relative slenderness is above 0.3.
bool BucklingFormsApply(double lambdaRelY, double lambdaRelZ);

// sigma_m,crit of a rectangle in softwood (6.32): 0.78 · b² · E0,05 / (h · lef).
double CriticalBendingStressRectangle(double b, double h, double lef, double e005);

// lambda_rel,m of 6.30: sqrt(fm,k / sigma_m,crit), fm,k without kh.
double RelativeSlendernessBending(double fmk, double sigmaMCrit);

// kcrit of 6.34: 1 up to 0.75, 1.56 - 0.75 · lambda_rel,m up to 1.4, 1 / lambda_rel,m² above.
double LateralBucklingFactor(double lambdaRelM);

// Where the load acts on the depth of the beam (Table 6.1 note).
enum class LoadPosition {
  kAxis = 0,
  kCompressionEdge = 1,
  kTensionEdge = 2,
};

// lef = a · l + 2h on the compression edge, - 0.5h on the tension edge, + 0 at the axis.
double EffectiveLength(double a, double span, double h, LoadPosition position);

// kshape of 6.1.8: rectangle min(1 + 0.15 · h / b, 2) with h the larger side; circle 1.2.
double TorsionShapeFactorRectangle(double b, double h);
double TorsionShapeFactorCircle();

// Shear stress with the crack factor (6.13a): rectangle 1.5 · V / (kcr · b · h), circle
// 4 · V / (3 · kcr · A).
double ShearStressRectangle(double v, double b, double h, double kcr);
double ShearStressCircle(double v, double area, double kcr);

// Least contact length of a support (6.1.5) for the reaction F on width b, so that
// F / (b · lef) <= kc,90 · fc,90,d with lef = l + 30 at an end support and l + 60 at an inner
// one: max(0, F / (b · kc,90 · fc,90,d) - 30 or - 60). Infinite when F > 0 meets no strength.
double RequiredBearingLength(double force, double b, double kc90, double fc90d, bool endSupport);

// The two forms of an interaction, about y (km on the z term) and about z (km on the y term).
struct InteractionForms {
  double y = 0.0;
  double z = 0.0;
  double Max() const { return y > z ? y : z; }
};

// 6.11/6.12: sigma_m,y,d / fm,y,d + km · sigma_m,z,d / fm,z,d and the km-swapped form.
InteractionForms BendingInteraction(double smy, double fmy, double smz, double fmz, double km);

// 6.17/6.18: sigma_t,0,d / ft,0,d + the 6.11/6.12 terms.
InteractionForms TensionBendingInteraction(double st, double ft0d, double smy, double fmy,
                                           double smz, double fmz, double km);

// 6.19/6.20: (sigma_c,0,d / fc,0,d)² + the 6.11/6.12 terms.
InteractionForms CompressionBendingInteraction(double sc, double fc0d, double smy, double fmy,
                                               double smz, double fmz, double km);

// 6.23/6.24: sigma_c,0,d / (kc,y · fc,0,d) + the 6.11 terms, and with kc,z + the 6.12 terms.
InteractionForms BucklingInteraction(double sc, double fc0d, double kcy, double kcz, double smy,
                                     double fmy, double smz, double fmz, double km);

// 6.35: (sigma_m,d / (kcrit · fm,d))² + sigma_c,d / (kc,z · fc,0,d).
double LateralBucklingInteraction(double sm, double kcrit, double fmd, double sc, double kcz,
                                  double fc0d);

// wfin = winst + kdef · wqp (2.2.3(5)), winst from the characteristic combination and wqp
// from the quasi-permanent one.
double FinalDeflection(double winst, double kdef, double wqp);

}  // namespace qv
