// Column buckling and lateral-torsional buckling factors of one span, per design code.
#pragma once

#include "design/data/DesignValues.h"
#include "design/data/MitoitusAsetukset.h"

namespace qv {

// What the factors depend on besides the span: design code, material type, settings.
struct StabilityContext {
  DesignCode code = DesignCode::kLimitState;
  int materialType = 1;
  MitoitusAsetukset settings;  // buckling lengths, eccentricities, Lk, k_k1, m_rel,m
};

// What BucklingValue returns.
constexpr int kBucklingFactor = 1;
constexpr int kBucklingSlenderness = 2;
constexpr int kBucklingRelativeSlenderness = 3;
constexpr int kBucklingImperfection = 4;
// Buckling directions: the local axis along which the member deflects.
constexpr int kDirectionY = 2;
constexpr int kDirectionZ = 3;

// What LateralBucklingValue returns, and for which moment.
constexpr int kLateralFactor = 1;
constexpr int kLateralSlenderness = 2;
constexpr int kLateralMy = 2;  // bending about y
constexpr int kLateralMz = 3;  // bending about z

// Buckling of the span x1..x2 in one direction: the factor (1.0 without a buckling length),
// the slenderness Lc/i, the relative slenderness (EC5 only, else 0) or the imperfection
// factor beta_c. The direction's on/off switch is not looked at here.
double BucklingValue(const StabilityContext& context, int what, int direction,
                     const DesignValues& values, const SectionSize& section, double x1, double x2);

// Lateral-torsional buckling of the span x1..x2 for bending about z or y: the factor or the
// slenderness. The spacing Lk of the settings replaces the span length when above 0.
double LateralBucklingValue(const StabilityContext& context, int what, int kind,
                            const DesignValues& values, const SectionSize& section, double x1,
                            double x2);

// The formulas themselves, for one slenderness.
// The B10 codes: the smaller root of k^2 - a*k + q = 0 with the eccentricity e = Lc/n;
// n <= 0 leaves the eccentricity out.
double ColumnFactorB10(DesignCode code, double lambda, double radius, double depth, double f2,
                       double f6, double fb, double n);
// EC5.
double RelativeSlendernessEc5Env(double lambda, double f2, double f6);
double ColumnFactorEc5(double lambdaRel, double betaC);
double ImperfectionFactor(int materialType);
// Lateral-torsional factor from the slenderness; EC5 has its bounds on the other side.
double LateralFactor(DesignCode code, double lambda);

}  // namespace qv
