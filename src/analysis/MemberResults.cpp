// Sampling of the bars and summing of the weighted load cases into forces and displacements along the member.
#include "analysis/MemberResults.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

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
    const double w =
        m >= 1 && m <= static_cast<int>(weights.size()) ? weights[static_cast<std::size_t>(m - 1)] : 0.0;
    if (w == 0.0) continue;
    WeightedCase wc;
    wc.number = m;
    wc.caseIndex = i;
    wc.factor.fill(w);
    cases.push_back(wc);
  }
  return cases;
}

// What is sampled along a bar: internal forces (6 values a point) or displacements (3).
enum SampleKind { kForces = 0, kDisplacements = 1, kSampleKinds = 2 };

int ValueCount(SampleKind kind) { return kind == kForces ? 6 : 3; }

// Where a bar is sampled: its n + 1 equal steps and, for the internal forces, both sides of
// every point load and the ends of every line load on it. Between two neighbouring points
// the forces then follow one polynomial, so the largest moment between them is either at
// one of them or where the shear changes sign (found per combination, see StationaryPoints).
struct BarPoints {
  int n = -1;                  // divisions; -1 not yet
  std::vector<double> xi;      // ascending, 0..1
  // Per point: kAlways for the equal steps (and a place loads of several cases share),
  // otherwise the case number whose load put it there: a table of other cases leaves it out.
  std::vector<int> owner;
  // Where a point load acts: mm from the bar start, with its case number.
  std::vector<std::pair<double, int>> jumps;
  static constexpr int kAlways = -1;
};

// The largest xi whose point lies before s (after = false) or the smallest whose point lies
// past s (after = true), as the bar evaluates positions (xi * L against the load's s), a few
// representable steps further to be sure of the side.
double SideOf(double s, double length, bool after) {
  if (after && s <= 0.0) return 1e-12;
  const double toward = after ? 2.0 : -1.0;
  double xi = s / length;
  for (int k = 0; k < 64 && (after ? !(xi * length > s) : !(xi * length < s)); ++k)
    xi = std::nextafter(xi, toward);
  for (int k = 0; k < 2; ++k) xi = std::nextafter(xi, toward);
  return xi;
}

void FillPoints(const FEM_kaikki& fem, SampleKind kind, int bar, int n, BarPoints& p) {
  p.n = n;
  std::vector<std::pair<double, int>> points;  // xi, owner
  for (int i = 0; i <= n; ++i) points.push_back({static_cast<double>(i) / n, BarPoints::kAlways});
  p.jumps.clear();
  const double length = fem.BarLength(bar);
  if (kind == kForces && length > 0.0) {
    for (const FEM_kaikki::LoadPosition& at : fem.LoadPositionsOf(bar)) {
      if (!at.jump) {
        if (at.s > 0.0 && at.s < length) points.push_back({at.s / length, at.caseNumber});
        continue;
      }
      p.jumps.push_back({at.s, at.caseNumber});
      // The value at the load's own place is the one just before it; at the end node there
      // is no after on this bar.
      if (at.s > 0.0) points.push_back({SideOf(at.s, length, false), at.caseNumber});
      if (at.s < length) points.push_back({SideOf(at.s, length, true), at.caseNumber});
    }
  }
  std::sort(points.begin(), points.end());
  p.xi.clear();
  p.owner.clear();
  for (const auto& point : points) {
    if (!p.xi.empty() && p.xi.back() == point.first) {
      // A place of the equal steps or of loads of two cases is in every table.
      if (p.owner.back() != point.second) p.owner.back() = BarPoints::kAlways;
      continue;
    }
    p.xi.push_back(point.first);
    p.owner.push_back(point.second);
  }
}

// The values of one bar and case at its points, before any weighting.
struct BarSamples {
  int n = -1;  // divisions sampled; -1 not yet
  bool valid = false;
  std::vector<double> values;  // point i, value j at i * valueCount + j
};

// The unweighted samples depend only on the solution, the bar, the case and the division
// count, not on the combination, the switches or the section (the analysis runs at unit
// stiffness). A design asks for them once per combination and displacement set, and the
// section search once per section besides, so they are kept for the solution last used on
// this thread, by bar and case position.
class SampleCache {
 public:
  const BarPoints& Points(const FEM_kaikki& fem, SampleKind kind, int barIndex, int bar, int n) {
    Refresh(fem);
    std::vector<BarPoints>& points = points_[kind];
    if (points.empty()) points.resize(bars_);
    BarPoints& p = points[static_cast<std::size_t>(barIndex)];
    if (p.n != n) FillPoints(fem, kind, bar, n, p);
    return p;
  }

  const BarSamples& Get(const FEM_kaikki& fem, SampleKind kind, int barIndex, int bar,
                        int caseIndex, int caseNumber, int n) {
    const BarPoints& p = Points(fem, kind, barIndex, bar, n);
    std::vector<BarSamples>& entries = entries_[kind];
    if (entries.empty()) entries.resize(bars_ * cases_);
    BarSamples& samples =
        entries[static_cast<std::size_t>(barIndex) * cases_ + static_cast<std::size_t>(caseIndex)];
    if (samples.n == n) return samples;
    heldValues_ -= samples.values.size();
    Sample(fem, kind, bar, caseNumber, p, samples);
    heldValues_ += samples.values.size();
    return samples;
  }

 private:
  // A pasted model of many bars must not keep megabytes per thread.
  static constexpr std::size_t kMaxHeldValues = 1u << 20;

  void Refresh(const FEM_kaikki& fem) {
    const std::size_t bars = static_cast<std::size_t>(fem.Bars().Count());
    const std::size_t cases = static_cast<std::size_t>(fem.Loads().CaseList().Count());
    if (fem.Revision() != revision_ || bars != bars_ || cases != cases_) {
      // Points are handed out by reference while a table is sampled: they go only with the
      // solution they belong to.
      for (auto& p : points_) p.clear();
    } else if (heldValues_ <= kMaxHeldValues) {
      return;
    }
    for (auto& e : entries_) e.clear();
    revision_ = fem.Revision();
    heldValues_ = 0;
    bars_ = bars;
    cases_ = cases;
  }

  void Sample(const FEM_kaikki& fem, SampleKind kind, int bar, int caseNumber,
              const BarPoints& p, BarSamples& samples) {
    const int count = static_cast<int>(p.xi.size());
    samples.n = p.n;
    samples.values.assign(static_cast<std::size_t>(count * ValueCount(kind)), 0.0);
    const int rc = kind == kForces
                       ? fem.InternalForcesAt(bar, caseNumber, p.xi.data(), count,
                                              samples.values.data())
                       : fem.DisplacementsAt(bar, caseNumber, p.xi.data(), count,
                                             samples.values.data());
    samples.valid = rc >= 0;
    if (!samples.valid) samples.values.clear();
  }

  unsigned long long revision_ = 0;
  std::size_t heldValues_ = 0;
  std::size_t bars_ = 0;
  std::size_t cases_ = 0;
  std::vector<BarSamples> entries_[kSampleKinds];
  std::vector<BarPoints> points_[kSampleKinds];
};

SampleCache& CacheOfThread() {
  thread_local SampleCache cache;
  return cache;
}

BarSamples const& SamplesOf(const FEM_kaikki& fem, SampleKind kind, int barIndex, int bar,
                            const WeightedCase& wc, int n) {
  return CacheOfThread().Get(fem, kind, barIndex, bar, wc.caseIndex, wc.number, n);
}

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
  const int valueCount = ValueCount(kind);
  const std::size_t vc = static_cast<std::size_t>(valueCount);
  const double step = SamplingStep(s.length, s.resultSteps);
  const FEM_SauvaVektori& bars = s.fem->Bars();
  SampleCache& cache = CacheOfThread();
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
    const double x0 = table.Count() > 0 ? table.GetReal(table.Count() - 1, MemberResultField::kX)
                                        : 0.0;
    const BarPoints& p = cache.Points(*s.fem, kind, b, bar, n);
    emitted.clear();
    at.clear();
    for (std::size_t i = 0; i < p.xi.size(); ++i) {
      if (p.owner[i] != BarPoints::kAlways && !summed(p.owner[i])) continue;
      emitted.push_back(i);
      at.push_back(p.xi[i]);
    }
    sums.assign(emitted.size() * vc, 0.0);
    for (const WeightedCase& wc : cases) {
      const BarSamples& samples = SamplesOf(*s.fem, kind, b, bar, wc, n);
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

void SampleAhead(const FEM_kaikki& fem, double length, int resultSteps) {
  const double step = SamplingStep(length, resultSteps);
  const FEM_SauvaVektori& bars = fem.Bars();
  const QELlukuvektori& list = fem.Loads().CaseList();
  for (int b = 0; b < bars.Count(); ++b) {
    const int bar = bars.Number(b);
    const int n = SamplingDivisions(fem.BarLength(bar), step);
    for (int i = 0; i < list.Count(); ++i) {
      WeightedCase wc;
      wc.number = static_cast<int>(std::lround(list[i]));
      wc.caseIndex = i;
      SamplesOf(fem, kForces, b, bar, wc, n);
      SamplesOf(fem, kDisplacements, b, bar, wc, n);
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
      for (int j = 0; j < 6; ++j) sum[static_cast<std::size_t>(j)] += wc.factor[0] * r[static_cast<std::size_t>(j)];
    }
    table.AddRecord(nullptr, &sum, nullptr);
  }
  return table.Count();
}
