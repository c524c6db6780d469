// Sampling of the bars of a solution and keeping the samples for the solution they belong to.
#include "analysis/fem/FEM_SampleCache.h"

#include <algorithm>
#include <cmath>

#include "analysis/fem/FEM_kaikki.h"

namespace {

// A pasted model of many bars must not keep megabytes per solution.
constexpr std::size_t kMaxHeldValues = 1u << 20;

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

void FillPoints(const FEM_kaikki& fem, FEM_SampleCache::Kind kind, int bar, int n,
                FEM_BarPoints& p) {
  p.n = n;
  std::vector<std::pair<double, int>> points;  // xi, owner
  for (int i = 0; i <= n; ++i)
    points.push_back({static_cast<double>(i) / n, FEM_BarPoints::kAlways});
  p.jumps.clear();
  const double length = fem.BarLength(bar);
  if (kind == FEM_SampleCache::kForces && length > 0.0) {
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
      if (p.owner.back() != point.second) p.owner.back() = FEM_BarPoints::kAlways;
      continue;
    }
    p.xi.push_back(point.first);
    p.owner.push_back(point.second);
  }
}

void Sample(const FEM_kaikki& fem, FEM_SampleCache::Kind kind, int bar, int caseNumber,
            const FEM_BarPoints& p, FEM_BarSamples& samples) {
  const int count = static_cast<int>(p.xi.size());
  samples.n = p.n;
  samples.values.assign(static_cast<std::size_t>(count * FEM_SampleCache::ValueCount(kind)), 0.0);
  const int rc =
      kind == FEM_SampleCache::kForces
          ? fem.InternalForcesAt(bar, caseNumber, p.xi.data(), count, samples.values.data())
          : fem.DisplacementsAt(bar, caseNumber, p.xi.data(), count, samples.values.data());
  samples.valid = rc >= 0;
  if (!samples.valid) samples.values.clear();
}

}  // namespace

const FEM_BarPoints& FEM_SampleCache::Store::Points(const FEM_kaikki& fem, int barIndex, int bar,
                                                    int n) {
  Refresh(fem);
  if (points_.empty()) points_.resize(bars_);
  FEM_BarPoints& p = points_[static_cast<std::size_t>(barIndex)];
  if (p.n != n) FillPoints(fem, kind_, bar, n, p);
  return p;
}

const FEM_BarSamples& FEM_SampleCache::Store::Get(const FEM_kaikki& fem, int barIndex, int bar,
                                                  int caseIndex, int caseNumber, int n) {
  const FEM_BarPoints& p = Points(fem, barIndex, bar, n);
  if (entries_.empty()) entries_.resize(bars_ * cases_);
  FEM_BarSamples& samples =
      entries_[static_cast<std::size_t>(barIndex) * cases_ + static_cast<std::size_t>(caseIndex)];
  if (samples.n == n) return samples;
  heldValues_ -= samples.values.size();
  Sample(fem, kind_, bar, caseNumber, p, samples);
  heldValues_ += samples.values.size();
  return samples;
}

void FEM_SampleCache::Store::Refresh(const FEM_kaikki& fem) {
  const std::size_t bars = static_cast<std::size_t>(fem.Bars().Count());
  const std::size_t cases = static_cast<std::size_t>(fem.Loads().CaseList().Count());
  if (fem.Revision() != revision_ || bars != bars_ || cases != cases_) {
    // Points are handed out by reference while a table is sampled: they go only with the
    // solution they belong to.
    points_.clear();
  } else if (heldValues_ <= kMaxHeldValues) {
    return;
  }
  entries_.clear();
  revision_ = fem.Revision();
  heldValues_ = 0;
  bars_ = bars;
  cases_ = cases;
}

FEM_SampleCache::FEM_SampleCache() { stores_[kDisplacements].kind_ = kDisplacements; }

FEM_SampleCache& FEM_SampleCache::operator=(FEM_SampleCache&& other) {
  if (this == &other) return *this;
  for (int k = 0; k < kKinds; ++k) {
    const std::scoped_lock lock(locks_[k], other.locks_[k]);
    stores_[k] = std::move(other.stores_[k]);
    other.stores_[k] = Store();
    other.stores_[k].kind_ = stores_[k].kind_;
  }
  return *this;
}
