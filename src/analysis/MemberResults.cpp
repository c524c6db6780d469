// Sampling of the bars and summing of the weighted load cases into forces and displacements along the member.
#include "analysis/MemberResults.h"

#include <array>
#include <cmath>
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
  for (int i = 0; i < list.Count(); ++i) {
    const int m = static_cast<int>(std::lround(list[i]));
    const double w = CaseWeight(*s.loads, c, k, m);
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

// The values of one bar and case at its n + 1 points, before any weighting.
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
  const BarSamples& Get(const FEM_kaikki& fem, SampleKind kind, int barIndex, int bar,
                        int caseIndex, int caseNumber, int n) {
    const std::size_t bars = static_cast<std::size_t>(fem.Bars().Count());
    const std::size_t cases = static_cast<std::size_t>(fem.Loads().CaseList().Count());
    if (fem.Revision() != revision_ || heldValues_ > kMaxHeldValues || bars != bars_ ||
        cases != cases_) {
      for (auto& e : entries_) e.clear();
      revision_ = fem.Revision();
      heldValues_ = 0;
      bars_ = bars;
      cases_ = cases;
    }
    std::vector<BarSamples>& entries = entries_[kind];
    if (entries.empty()) entries.resize(bars * cases);
    BarSamples& samples =
        entries[static_cast<std::size_t>(barIndex) * cases + static_cast<std::size_t>(caseIndex)];
    if (samples.n == n) return samples;
    heldValues_ -= samples.values.size();
    Sample(fem, kind, bar, caseNumber, n, samples);
    heldValues_ += samples.values.size();
    return samples;
  }

 private:
  // A pasted model of many bars must not keep megabytes per thread.
  static constexpr std::size_t kMaxHeldValues = 1u << 20;

  void Sample(const FEM_kaikki& fem, SampleKind kind, int bar, int caseNumber, int n,
              BarSamples& samples) {
    xi_.resize(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) xi_[static_cast<std::size_t>(i)] = static_cast<double>(i) / n;
    samples.n = n;
    samples.values.assign(static_cast<std::size_t>((n + 1) * ValueCount(kind)), 0.0);
    const int rc = kind == kForces
                       ? fem.InternalForcesAt(bar, caseNumber, xi_.data(), n + 1,
                                              samples.values.data())
                       : fem.DisplacementsAt(bar, caseNumber, xi_.data(), n + 1,
                                             samples.values.data());
    samples.valid = rc >= 0;
    if (!samples.valid) samples.values.clear();
  }

  unsigned long long revision_ = 0;
  std::size_t heldValues_ = 0;
  std::size_t bars_ = 0;
  std::size_t cases_ = 0;
  std::vector<BarSamples> entries_[kSampleKinds];
  std::vector<double> xi_;
};

BarSamples const& SamplesOf(const FEM_kaikki& fem, SampleKind kind, int barIndex, int bar,
                            const WeightedCase& wc, int n) {
  thread_local SampleCache cache;
  return cache.Get(fem, kind, barIndex, bar, wc.caseIndex, wc.number, n);
}

// Samples every bar in bar-number order and appends one record per point: x, then the
// weighted sum of the kind's values over the cases.
void SampleBars(const MemberResultSource& s, const std::vector<WeightedCase>& cases,
                SampleKind kind, QELvektori& table) {
  const int valueCount = ValueCount(kind);
  const double step = SamplingStep(s.length, s.resultSteps);
  const FEM_SauvaVektori& bars = s.fem->Bars();
  std::vector<double> sums;
  std::vector<double> row(static_cast<std::size_t>(valueCount + 1), 0.0);
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
    sums.assign(static_cast<std::size_t>((n + 1) * valueCount), 0.0);
    for (const WeightedCase& wc : cases) {
      const BarSamples& samples = SamplesOf(*s.fem, kind, b, bar, wc, n);
      if (!samples.valid) continue;
      for (int i = 0; i <= n; ++i) {
        for (int j = 0; j < valueCount; ++j) {
          const std::size_t at = static_cast<std::size_t>(i * valueCount + j);
          sums[at] += wc.factor[static_cast<std::size_t>(j)] * samples.values[at];
        }
      }
    }
    for (int i = 0; i <= n; ++i) {
      // x0 + l * xi keeps the bar's last point exactly at x0 + l.
      row[0] = x0 + length * (static_cast<double>(i) / n);
      for (int j = 0; j < valueCount; ++j) {
        row[static_cast<std::size_t>(j + 1)] = sums[static_cast<std::size_t>(i * valueCount + j)];
      }
      table.AddRecord(nullptr, &row, nullptr);
    }
  }
}

// Multiplies the cases' weights by the real flexibilities and, for the final deflection,
// by (1 + kdef) of each case's own duration class; drops permanent cases when asked.
std::vector<WeightedCase> DisplacementCases(const MemberResultSource& s, int c, int k, int final,
                                            int allLoads) {
  std::vector<WeightedCase> cases = WeightedCases(s, c, k);
  double flexibility[3] = {0.0, 0.0, 0.0};
  if (s.materials != nullptr) {
    const int duration = s.loads->GoverningDurationClass(c, k);
    for (int which = 1; which <= 3; ++which) {
      const double stiffness =
          s.materials->MemberStiffness(s.designCode, duration, s.section, which);
      flexibility[which - 1] = stiffness > 0.0 ? 1.0 / stiffness : 0.0;
    }
  }
  std::vector<WeightedCase> kept;
  for (WeightedCase wc : cases) {
    const int duration = CaseDuration(*s.loads, wc.number - 1);
    if (allLoads == 0 && duration == 1) continue;
    double creep = 1.0;
    if (final != 0 && s.materials != nullptr) {
      double kdef = 0.0;
      s.materials->MemberStiffness(s.designCode, duration, s.section, 1, &kdef);
      creep += kdef;
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

double CaseWeight(const KuormaVektori& loads, int c, int k, int caseNumber) {
  switch (SelectResults(loads, c, k)) {
    case ResultSelection::kCombination:
      return loads.Combinations().Factor(c, caseNumber - 1);
    case ResultSelection::kLoadCase:
      return caseNumber == k + 1 ? 1.0 : 0.0;
    default:
      return 0.0;
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
