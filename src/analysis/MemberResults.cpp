// Sampling of the bars and summing of the weighted load cases into forces and displacements along
// the member.
#include "analysis/MemberResults.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "analysis/fem/FEM_SampleCache.h"
#include "analysis/fem/FEM_kaikki.h"
#include "design/data/MateriaaliTiedot.h"
#include "model/KuormaVektori.h"

namespace {

// Accepted range of the division count; a project file may hold anything.
constexpr int kMinSteps = 10;
constexpr int kMaxSteps = 200;
// A member barely longer than 0.1 mm would otherwise ask for millions of points.
constexpr int kMaxDivisions = 10000;
// Beyond this the table grows as it goes (a pasted model of very many bars).
constexpr long long kMaxReservedPoints = 1 << 20;

// One analysed case with the multiplier of each value it contributes.
struct WeightedCase {
  int number = 0;
  int caseIndex = 0;  // place of the case in the analysis' case list
  std::array<double, 6> factor{};
};

bool Ready(const MemberResultSource& s) {
  return s.fem != nullptr && s.loads != nullptr && s.analysisValid == 1;
}

// 1-based duration class of load case index i; an unknown case counts as class 1, as the
// governing class of a combination does.
int CaseDuration(const KuormaVektori& loads, int i) {
  return loads.Cases().IsValid(i) ? loads.Cases().DurationClass(i) + 1 : 1;
}

// The analysed cases with a non-zero weight, every value multiplied by the weight.
std::vector<WeightedCase> WeightedCases(const MemberResultSource& s, int c, int k) {
  std::vector<WeightedCase> cases;
  const QELlukuvektori& list = s.fem->Loads().CaseList();
  const std::vector<double> weights = CaseWeights(*s.loads, c, k);
  for (int i = 0; i < list.Count(); ++i) {
    const int m = static_cast<int>(std::lround(list[i]));
    const double w = m >= 1 && m <= static_cast<int>(weights.size())
                         ? weights[static_cast<std::size_t>(m - 1)]
                         : 0.0;
    if (w == 0.0) continue;
    WeightedCase wc;
    wc.number = m;
    wc.caseIndex = i;
    wc.factor.fill(w);
    cases.push_back(wc);
  }
  return cases;
}

using SampleKind = FEM_SampleCache::Kind;
constexpr SampleKind kForces = FEM_SampleCache::kForces;
constexpr SampleKind kDisplacements = FEM_SampleCache::kDisplacements;

// The weighted internal forces of the cases at the given positions of a bar, 6 a point.
void WeightedForcesAt(const FEM_kaikki& fem, int bar, const std::vector<WeightedCase>& cases,
                      const std::vector<double>& xi, std::vector<double>& out) {
  out.assign(xi.size() * 6, 0.0);
  std::vector<double> values(xi.size() * 6);
  for (const WeightedCase& wc : cases) {
    if (fem.InternalForcesAt(bar, wc.number, xi.data(), static_cast<int>(xi.size()),
                             values.data()) < 0)
      continue;
    for (std::size_t k = 0; k < out.size(); ++k) out[k] += wc.factor[k % 6] * values[k];
  }
}

// The root in (0, 1) of the polynomial of degree at most two through (0, v0), (1/2, vm)
// and (1, v1), where v0 and v1 differ in sign.
double RootBetween(double v0, double vm, double v1) {
  const double a = 2.0 * (v0 - 2.0 * vm + v1);
  const double b = -3.0 * v0 + 4.0 * vm - v1;
  const double c = v0;
  double t = v0 / (v0 - v1);  // the straight line's root
  if (std::fabs(a) > 1e-12 * (std::fabs(b) + std::fabs(c))) {
    const double disc = std::max(0.0, b * b - 4.0 * a * c);
    const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
    const double roots[2] = {q / a, q != 0.0 ? c / q : -1.0};
    for (double r : roots)
      if (r >= 0.0 && r <= 1.0) t = r;
  }
  return std::min(std::max(t, 0.0), 1.0);
}

// True when a point load acts between the two positions (mm from the bar start).
bool JumpBetween(const std::vector<double>& jumps, double s0, double s1, double tolerance) {
  const auto it = std::lower_bound(jumps.begin(), jumps.end(), s0 - tolerance);
  return it != jumps.end() && *it <= s1 + tolerance;
}

// The points of a bar where the combination's shear Vy or Vz changes sign between two
// samples with no point load between them: there the moment Mz or My is stationary, and
// its largest value may lie there. xi and sums are the samples of the table; jumps the
// positions (mm, ascending) of the point loads of its cases. Returns their positions and
// weighted forces.
void StationaryPoints(const FEM_kaikki& fem, int bar, double length,
                      const std::vector<WeightedCase>& cases, const std::vector<double>& at,
                      const std::vector<double>& jumps, const std::vector<double>& sums,
                      std::vector<double>& xi, std::vector<double>& values) {
  xi.clear();
  values.clear();
  struct Crossing {
    std::size_t i;
    int field;  // 1 Vy, 2 Vz
  };
  std::vector<Crossing> crossings;
  std::vector<double> mids;
  const double tolerance = 1e-9 * length;
  for (std::size_t i = 0; i + 1 < at.size(); ++i) {
    for (int field = 1; field <= 2; ++field) {
      const double v0 = sums[i * 6 + static_cast<std::size_t>(field)];
      const double v1 = sums[(i + 1) * 6 + static_cast<std::size_t>(field)];
      if (!(v0 * v1 < 0.0)) continue;
      if (JumpBetween(jumps, at[i] * length, at[i + 1] * length, tolerance)) continue;
      crossings.push_back({i, field});
      mids.push_back(0.5 * (at[i] + at[i + 1]));
    }
  }
  if (crossings.empty()) return;
  std::vector<double> midValues;
  WeightedForcesAt(fem, bar, cases, mids, midValues);
  for (std::size_t k = 0; k < crossings.size(); ++k) {
    const std::size_t i = crossings[k].i;
    const std::size_t f = static_cast<std::size_t>(crossings[k].field);
    const double t = RootBetween(sums[i * 6 + f], midValues[k * 6 + f], sums[(i + 1) * 6 + f]);
    // A root at a sample (a symmetric span's middle) is that sample: its moment is the
    // stationary value to far below the printed digits.
    if (t < 1e-6 || t > 1.0 - 1e-6) continue;
    xi.push_back(at[i] + t * (at[i + 1] - at[i]));
  }
  std::sort(xi.begin(), xi.end());
  xi.erase(std::unique(xi.begin(), xi.end()), xi.end());
  WeightedForcesAt(fem, bar, cases, xi, values);
}

// Samples every bar in bar-number order and appends one record per point: x, then the
// weighted sum of the kind's values over the cases.
void SampleBars(const MemberResultSource& s, const std::vector<WeightedCase>& cases,
                SampleKind kind, QELvektori& table) {
  const int valueCount = FEM_SampleCache::ValueCount(kind);
  const std::size_t vc = static_cast<std::size_t>(valueCount);
  const double step = SamplingStep(s.length, s.resultSteps);
  const FEM_SauvaVektori& bars = s.fem->Bars();
  // Without a cache beside the solution the samples live as long as this table.
  FEM_SampleCache own;
  FEM_SampleCache::Use cache(s.samples != nullptr ? *s.samples : own, kind);
  // The case numbers the table sums: only their loads' places are sampled.
  std::vector<int> numbers;
  for (const WeightedCase& wc : cases) numbers.push_back(wc.number);
  std::sort(numbers.begin(), numbers.end());
  auto summed = [&numbers](int caseNumber) {
    return std::binary_search(numbers.begin(), numbers.end(), caseNumber);
  };
  std::vector<double> sums, at, jumps, extraXi, extraValues;
  std::vector<std::size_t> emitted;
  std::vector<double> row(vc + 1, 0.0);
  // Every point of every bar gets a record: room for them all at once.
  long long points = table.Count();
  for (int b = 0; b < bars.Count(); ++b)
    points += SamplingDivisions(s.fem->BarLength(bars.Number(b)), step) + 1;
  if (points <= kMaxReservedPoints) table.Reserve(static_cast<int>(points));
  for (int b = 0; b < bars.Count(); ++b) {
    const int bar = bars.Number(b);
    const double length = s.fem->BarLength(bar);
    const int n = SamplingDivisions(length, step);
    const double x0 =
        table.Count() > 0 ? table.GetReal(table.Count() - 1, MemberResultField::kX) : 0.0;
    const FEM_BarPoints& p = cache->Points(*s.fem, b, bar, n);
    emitted.clear();
    at.clear();
    for (std::size_t i = 0; i < p.xi.size(); ++i) {
      if (p.owner[i] != FEM_BarPoints::kAlways && !summed(p.owner[i])) continue;
      emitted.push_back(i);
      at.push_back(p.xi[i]);
    }
    sums.assign(emitted.size() * vc, 0.0);
    for (const WeightedCase& wc : cases) {
      const FEM_BarSamples& samples = cache->Get(*s.fem, b, bar, wc.caseIndex, wc.number, n);
      if (!samples.valid) continue;
      for (std::size_t e = 0; e < emitted.size(); ++e) {
        const double* from = samples.values.data() + emitted[e] * vc;
        for (std::size_t j = 0; j < vc; ++j) sums[e * vc + j] += wc.factor[j] * from[j];
      }
    }
    extraXi.clear();
    if (kind == kForces) {
      jumps.clear();  // ascending, as the load positions they come from
      for (const auto& jump : p.jumps)
        if (summed(jump.second)) jumps.push_back(jump.first);
      StationaryPoints(*s.fem, bar, length, cases, at, jumps, sums, extraXi, extraValues);
    }
    // The samples and the stationary points merged in order along the bar.
    std::size_t e = 0;
    for (std::size_t i = 0; i < at.size(); ++i) {
      for (; e < extraXi.size() && extraXi[e] < at[i]; ++e) {
        // x0 + l * xi keeps the bar's last point exactly at x0 + l.
        row[0] = x0 + length * extraXi[e];
        for (std::size_t j = 0; j < vc; ++j) row[j + 1] = extraValues[e * vc + j];
        table.AddRecord(nullptr, &row, nullptr);
      }
      row[0] = x0 + length * at[i];
      for (std::size_t j = 0; j < vc; ++j) row[j + 1] = sums[i * vc + j];
      table.AddRecord(nullptr, &row, nullptr);
    }
  }
}

// Multiplies the cases' weights by the real flexibilities and, for the final deflection,
// by (1 + kdef), both of each case's own duration class: a load of another class added to
// a combination must not change the stiffness the other loads deflect with (that made a
// deflection shrink when a short-term load was added). Drops permanent cases when asked.
std::vector<WeightedCase> DisplacementCases(const MemberResultSource& s, int c, int k, int final,
                                            int allLoads) {
  std::vector<WeightedCase> cases = WeightedCases(s, c, k);
  std::vector<WeightedCase> kept;
  for (WeightedCase wc : cases) {
    const int duration = CaseDuration(*s.loads, wc.number - 1);
    if (allLoads == 0 && duration == 1) continue;
    double flexibility[3] = {0.0, 0.0, 0.0};
    double creep = 1.0;
    if (s.materials != nullptr) {
      for (int which = 1; which <= 3; ++which) {
        const double stiffness =
            s.materials->MemberStiffness(s.designCode, duration, s.section, which);
        flexibility[which - 1] = stiffness > 0.0 ? 1.0 / stiffness : 0.0;
      }
      if (final != 0) {
        double kdef = 0.0;
        s.materials->MemberStiffness(s.designCode, duration, s.section, 1, &kdef);
        creep += kdef;
      }
    }
    for (int j = 0; j < 3; ++j) wc.factor[static_cast<std::size_t>(j)] *= flexibility[j] * creep;
    kept.push_back(wc);
  }
  return kept;
}

}  // namespace

ResultSelection SelectResults(const KuormaVektori& loads, int c, int k) {
  if (c >= 0 && c < loads.Combinations().CombinationCount()) return ResultSelection::kCombination;
  if (loads.Cases().IsValid(k)) return ResultSelection::kLoadCase;
  return ResultSelection::kNone;
}

std::vector<double> CaseWeights(const KuormaVektori& loads, int c, int k) {
  const int cases = loads.Cases().Count();
  switch (SelectResults(loads, c, k)) {
    case ResultSelection::kCombination:
      // The factors in one walk: thousands of cases must not each walk the rows.
      return loads.Combinations().FactorsOf(c, cases);
    case ResultSelection::kLoadCase: {
      std::vector<double> weights(static_cast<std::size_t>(cases), 0.0);
      weights[static_cast<std::size_t>(k)] = 1.0;
      return weights;
    }
    default:
      return std::vector<double>(static_cast<std::size_t>(cases > 0 ? cases : 0), 0.0);
  }
}

double SamplingStep(double length, int resultSteps) {
  int d = resultSteps;
  if (d < kMinSteps) d = kMinSteps;
  if (d > kMaxSteps) d = kMaxSteps;
  return (length - 0.1) / d;
}

int SamplingDivisions(double barLength, double step) {
  if (!(step > 0.0) || !std::isfinite(step) || !(barLength > 0.0)) return 2;
  const double n = std::floor(barLength / step);
  if (!(n >= 2.0)) return 2;
  if (n > kMaxDivisions) return kMaxDivisions;
  return static_cast<int>(n);
}

void SampleAhead(const FEM_kaikki& fem, FEM_SampleCache& samples, double length, int resultSteps) {
  const double step = SamplingStep(length, resultSteps);
  const FEM_SauvaVektori& bars = fem.Bars();
  const QELlukuvektori& list = fem.Loads().CaseList();
  FEM_SampleCache::Use forces(samples, kForces);
  FEM_SampleCache::Use displacements(samples, kDisplacements);
  for (int b = 0; b < bars.Count(); ++b) {
    const int bar = bars.Number(b);
    const int n = SamplingDivisions(fem.BarLength(bar), step);
    for (int i = 0; i < list.Count(); ++i) {
      const int number = static_cast<int>(std::lround(list[i]));
      forces->Get(fem, b, bar, i, number, n);
      displacements->Get(fem, b, bar, i, number, n);
    }
  }
}

int MemberForces(const MemberResultSource& source, int c, int k, QELvektori& table) {
  table.ClearRecords();
  table.SetLayout(0, 0, MemberResultField::kForceCount);
  if (!Ready(source) || SelectResults(*source.loads, c, k) == ResultSelection::kNone) return 0;
  SampleBars(source, WeightedCases(source, c, k), kForces, table);
  return table.Count();
}

int MemberDisplacements(const MemberResultSource& source, int c, int k, QELvektori& table,
                        int final, int allLoads) {
  table.ClearRecords();
  table.SetLayout(0, 0, MemberResultField::kDisplacementCount);
  if (!Ready(source) || SelectResults(*source.loads, c, k) == ResultSelection::kNone) return 0;
  SampleBars(source, DisplacementCases(source, c, k, final, allLoads), kDisplacements, table);
  return table.Count();
}

int SupportReactions(const MemberResultSource& source, int c, int k, QELvektori& table) {
  // Cleared also on failure: reactions of an earlier model must not pass for current ones.
  table.ClearRecords();
  table.SetLayout(0, 0, MemberResultField::kReactionCount);
  if (!Ready(source) || SelectResults(*source.loads, c, k) == ResultSelection::kNone) return 0;
  const std::vector<WeightedCase> cases = WeightedCases(source, c, k);
  const int supportCount = source.fem->Supports().Count();
  std::vector<double> sum(6, 0.0);
  for (int s = 1; s <= supportCount; ++s) {
    sum.assign(6, 0.0);
    for (const WeightedCase& wc : cases) {
      std::array<double, 6> r{};
      if (source.fem->Reactions(s, wc.number, r) < 0) continue;
      for (int j = 0; j < 6; ++j)
        sum[static_cast<std::size_t>(j)] += wc.factor[0] * r[static_cast<std::size_t>(j)];
    }
    table.AddRecord(nullptr, &sum, nullptr);
  }
  return table.Count();
}
