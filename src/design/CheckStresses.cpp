// Stress and stability checks of the member for one load combination, written as check rows.
#include "design/CheckStresses.h"

#include <algorithm>
#include <cmath>

#include "design/SectionProperties.h"

namespace qv {

namespace {

// EC5 combines the axes with the 0.7 rule, reports the relative slenderness and has no
// slenderness limit row; the B10 codes do the opposite.
bool Ec5Rules(DesignCode code) {
  switch (code) {
    case DesignCode::kAllowableStress:
    case DesignCode::kLimitState:
      return false;
    case DesignCode::kEc5Env:
    case DesignCode::kEc5:  // checked by Ec5Checks; these rows are never written for it
      return true;
  }
  return false;
}

// Sampling points at a support come out of the bar arithmetic; allow for rounding so that
// such a point is examined in both spans.
constexpr double kPointTolerance = 1e-6;

// Factors of one span. A check that is off leaves the factor at 1 and the slenderness at 0.
struct SpanFactors {
  double kcritY = 1.0, kcritZ = 1.0;
  double ky = 1.0, kz = 1.0;
  double lambdaY = 0.0, lambdaZ = 0.0;
  double relY = 0.0, relZ = 0.0;
};

// Largest utilisation of a check and value1 where it was found; only a strictly larger
// utilisation takes over.
struct Kept {
  double utilisation = 0.0;
  double value = 0.0;
  bool broken = false;  // a utilisation or value that is no number: the check did not run
  StressCheckPoint point;
  void Offer(double u, double v, const StressCheckPoint& at) {
    if (!std::isfinite(u) || !std::isfinite(v)) broken = true;
    if (u > utilisation) {
      utilisation = u;
      value = v;
      point = at;
    }
  }
};

struct Findings {
  Kept shear, torsion, tension, compression, bending, bendingTension, bendingCompression;
  // The lateral-torsional factors where the bending check governs.
  double bendingKcritZ = 1.0, bendingKcritY = 1.0;
  double maxAbs[6] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};  // N, Vy, Vz, Mx, My, Mz
  double maxLambda = 0.0;
};

// One direction of buckling: factor, slenderness and relative slenderness.
void Buckle(const StressCheckInput& in, int direction, double x1, double x2, double& k,
            double& lambda, double& rel) {
  k = BucklingValue(in.context, kBucklingFactor, direction, in.values, in.section, x1, x2);
  lambda =
      BucklingValue(in.context, kBucklingSlenderness, direction, in.values, in.section, x1, x2);
  rel = BucklingValue(in.context, kBucklingRelativeSlenderness, direction, in.values, in.section,
                      x1, x2);
}

SpanFactors SpanRows(const StressCheckInput& in, int span, double x1, double x2,
                     CheckRowVektori& rows, double& maxLambda) {
  SpanFactors f;
  const MitoitusAsetukset& s = in.context.settings;
  if (s.Kiepahdus != 0) {
    f.kcritZ =
        LateralBucklingValue(in.context, kLateralFactor, kLateralMz, in.values, in.section, x1, x2);
    f.kcritY =
        LateralBucklingValue(in.context, kLateralFactor, kLateralMy, in.values, in.section, x1, x2);
    rows.AddRow(CheckRowVektori::kLateralFactors, span, f.kcritY, f.kcritZ);
  }
  if (s.Nurjahdus != 0 && s.Ynurj != 0) {
    Buckle(in, kDirectionY, x1, x2, f.kz, f.lambdaZ, f.relZ);
    maxLambda = std::max(maxLambda, f.lambdaZ);
  }
  if (s.Nurjahdus != 0 && s.Znurj != 0) {
    Buckle(in, kDirectionZ, x1, x2, f.ky, f.lambdaY, f.relY);
    maxLambda = std::max(maxLambda, f.lambdaY);
  }
  if (f.lambdaY > 0.0 || f.lambdaZ > 0.0) {
    rows.AddRow(CheckRowVektori::kSlenderness, span, f.lambdaY, f.lambdaZ);
    rows.AddRow(CheckRowVektori::kBucklingFactors, span, f.ky, f.kz);
  }
  if (Ec5Rules(in.context.code) && (f.relY > 0.0 || f.relZ > 0.0)) {
    rows.AddRow(CheckRowVektori::kRelativeSlenderness, span, f.relY, f.relZ);
  }
  return f;
}

// Bending with the code's combination of the two axes; EC5 rectangles use the 0.7 rule.
double BendingSum(const StressCheckInput& in, double mz, double my) {
  if (Ec5Rules(in.context.code) && in.section.shape == SectionShape::kRectangle) {
    return std::max(mz + 0.7 * my, 0.7 * mz + my);
  }
  return mz + my;
}

double BendingCompressionRatio(const StressCheckInput& in, const SpanFactors& f, double sigmaN,
                               double n, double mz, double my) {
  const double f2 = in.values.Get(DesignValues::kCompression);
  const double cz = n > 0.0 ? sigmaN / (f2 * f.kz) : 0.0;
  const double cy = n > 0.0 ? sigmaN / (f2 * f.ky) : 0.0;
  if (!Ec5Rules(in.context.code)) return std::max(cz + mz + my, cy + mz + my);
  if (f.ky >= 1.0 && f.kz >= 1.0) {
    // Without buckling the compression term enters squared.
    const double c = n > 0.0 ? (sigmaN / f2) * (sigmaN / f2) : 0.0;
    return std::max(c + mz + 0.7 * my, c + 0.7 * mz + my);
  }
  return std::max(cz + mz + 0.7 * my, cy + 0.7 * mz + my);
}

void CheckPoint(const StressCheckInput& in, const SectionProperties& p, const SpanFactors& f,
                int span, int row, Findings& out) {
  StressCheckPoint at;
  at.found = true;
  at.row = row;
  at.span = span;
  at.kcritY = f.kcritY;
  at.kcritZ = f.kcritZ;
  at.ky = f.ky;
  at.kz = f.kz;
  const QELvektori& t = *in.forces;
  const double n = t.GetReal(row, 1);
  const double vy = t.GetReal(row, 2);
  const double vz = t.GetReal(row, 3);
  const double mx = t.GetReal(row, 4);
  const double myMoment = t.GetReal(row, 5);
  const double mzMoment = t.GetReal(row, 6);
  const double forces[6] = {n, vy, vz, mx, myMoment, mzMoment};
  for (int j = 0; j < 6; ++j) out.maxAbs[j] = std::max(out.maxAbs[j], std::fabs(forces[j]));

  const DesignValues& v = in.values;
  const double f2 = v.Get(DesignValues::kCompression);
  const double f4 = v.Get(DesignValues::kTension);
  const double f5 = v.Get(DesignValues::kShearY);
  const double f9 = v.Get(DesignValues::kShearZ);

  out.shear.Offer((1.5 * std::fabs(vy) / p.A / f5 + 1.5 * std::fabs(vz) / p.A / f9) * 100.0,
                  1.5 * std::sqrt(vy * vy + vz * vz) / p.A, at);
  const double tau = p.kt * std::fabs(mx);
  out.torsion.Offer(tau / std::min(f5, f9) * 100.0, tau, at);

  const double sigmaN = std::fabs(n) / p.A;
  const double t4 = n < 0.0 ? sigmaN / f4 : 0.0;
  out.tension.Offer(t4 * 100.0, n < 0.0 ? sigmaN : 0.0, at);
  const double c = n > 0.0 ? std::max(sigmaN / (f2 * f.kz), sigmaN / (f2 * f.ky)) : 0.0;
  out.compression.Offer(c * 100.0, n > 0.0 ? sigmaN : 0.0, at);

  const double mz = std::fabs(mzMoment) / p.Wz / (v.Get(DesignValues::kBendingZ) * f.kcritZ);
  const double my = std::fabs(myMoment) / p.Wy / (v.Get(DesignValues::kBendingY) * f.kcritY);
  const double bending = BendingSum(in, mz, my);
  const double before = out.bending.utilisation;
  out.bending.Offer(bending * 100.0, std::fabs(mzMoment) / p.Wz + std::fabs(myMoment) / p.Wy, at);
  if (out.bending.utilisation != before) {
    // A factor counts only for a moment that is there.
    out.bendingKcritZ = mzMoment != 0.0 ? f.kcritZ : 1.0;
    out.bendingKcritY = myMoment != 0.0 ? f.kcritY : 1.0;
  }
  const double bt = t4 + bending;
  out.bendingTension.Offer(bt * 100.0, bt, at);
  const double bc = BendingCompressionRatio(in, f, sigmaN, n, mz, my);
  out.bendingCompression.Offer(bc * 100.0, bc, at);
}

void SummaryRows(const StressCheckInput& in, const Findings& f, CheckRowVektori& rows) {
  const auto add = [&rows](int code, const Kept& k) {
    rows.AddRow(code, 0, k.value, k.utilisation);
  };
  add(CheckRowVektori::kShear, f.shear);
  add(CheckRowVektori::kTorsion, f.torsion);
  add(CheckRowVektori::kTension, f.tension);
  add(CheckRowVektori::kCompression, f.compression);
  add(CheckRowVektori::kBending, f.bending);
  if (f.bending.utilisation > 0.0 && (f.bendingKcritZ < 1.0 || f.bendingKcritY < 1.0))
    rows.AddRow(CheckRowVektori::kBendingLateral, 0, f.bendingKcritY, f.bendingKcritZ);
  add(CheckRowVektori::kBendingTension, f.bendingTension);
  add(CheckRowVektori::kBendingCompression, f.bendingCompression);
  if (!Ec5Rules(in.context.code) && f.maxLambda > CheckRowVektori::kSlendernessLimitValue) {
    rows.AddRow(CheckRowVektori::kSlendernessLimit, 0, f.maxLambda, f.maxLambda);
  }
  for (int j = 0; j < 6; ++j) rows.AddRow(CheckRowVektori::kMaxN + j, 0, f.maxAbs[j], 0.0);
  for (int code = CheckRowVektori::kDesignValueFirst; code <= CheckRowVektori::kDesignValueLast;
       ++code) {
    rows.AddRow(code, 0, in.values.Get(CheckRowVektori::DesignValueOfRow(code)), 0.0);
  }
}

// Rows [first, end) of the table whose position x lies within [x1 - tol, x2 + tol], the
// rows the span examines: the positions, read once, are ascending along the member, so the
// span's rows lie together and are found by halves. Empty positions: not in order (then
// every row is tested on its own).
struct PointRange {
  std::size_t first = 0, end = 0;
};

std::vector<double> OrderedPositions(const QELvektori& t) {
  std::vector<double> xs(static_cast<std::size_t>(t.Count()));
  for (std::size_t i = 0; i < xs.size(); ++i) {
    xs[i] = t.GetReal(static_cast<int>(i), 0);
    if (xs[i] != xs[i] || (i > 0 && !(xs[i] >= xs[i - 1]))) return std::vector<double>();
  }
  return xs;
}

PointRange RowsWithin(const std::vector<double>& xs, double low, double high) {
  PointRange r;
  r.first = static_cast<std::size_t>(std::lower_bound(xs.begin(), xs.end(), low) - xs.begin());
  r.end = static_cast<std::size_t>(std::upper_bound(xs.begin(), xs.end(), high) - xs.begin());
  if (r.end < r.first) r.end = r.first;
  return r;
}

bool InputComplete(const StressCheckInput& in) {
  if (!in.section.IsValid() || !in.values.AllPositive()) return false;
  if (in.forces == nullptr || in.forces->Count() == 0) return false;
  if (in.forces->RealCount() < 7) return false;
  return in.spanBounds.size() >= 2;
}

}  // namespace

int CheckStresses(const StressCheckInput& input, CheckRowVektori& rows, StressCheckPoints* points) {
  rows.ClearRecords();
  if (points) *points = StressCheckPoints();
  if (!InputComplete(input)) return 0;
  const SectionProperties p = ComputeSectionProperties(input.section);
  const QELvektori& t = *input.forces;
  Findings found;
  const std::vector<double> xs = OrderedPositions(t);
  const bool ordered = static_cast<int>(xs.size()) == t.Count();
  for (std::size_t s = 0; s + 1 < input.spanBounds.size(); ++s) {
    const double x1 = input.spanBounds[s];
    const double x2 = input.spanBounds[s + 1];
    const int span = static_cast<int>(s) + 1;
    const SpanFactors f = SpanRows(input, span, x1, x2, rows, found.maxLambda);
    if (ordered) {
      const PointRange r = RowsWithin(xs, x1 - kPointTolerance, x2 + kPointTolerance);
      for (std::size_t i = r.first; i < r.end; ++i)
        CheckPoint(input, p, f, span, static_cast<int>(i), found);
      continue;
    }
    for (int i = 0; i < t.Count(); ++i) {
      const double x = t.GetReal(i, 0);
      if (x < x1 - kPointTolerance || x > x2 + kPointTolerance) continue;
      CheckPoint(input, p, f, span, i, found);
    }
  }
  for (const Kept* k : {&found.shear, &found.torsion, &found.tension, &found.compression,
                        &found.bending, &found.bendingTension, &found.bendingCompression}) {
    // max(0, NaN) would drop the NaN and pass the check.
    if (k->broken) {
      rows.ClearRecords();
      return 0;
    }
  }
  SummaryRows(input, found, rows);
  if (points) {
    *points = {found.shear.point,
               found.torsion.point,
               found.tension.point,
               found.compression.point,
               found.bending.point,
               found.bendingTension.point,
               found.bendingCompression.point};
  }
  return rows.Count();
}

}  // namespace qv
