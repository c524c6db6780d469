// The bars' sampled values of one solution, kept beside the solution they come from.
#pragma once

#include <cstddef>
#include <mutex>
#include <utility>
#include <vector>

class FEM_kaikki;

// Where a bar is sampled: its n + 1 equal steps and, for the internal forces, both sides of
// every point load and the ends of every line load on it. Between two neighbouring points
// the forces then follow one polynomial.
struct FEM_BarPoints {
  int n = -1;              // divisions; -1 not yet
  std::vector<double> xi;  // ascending, 0..1
  // Per point: kAlways for the equal steps (and a place loads of several cases share),
  // otherwise the case number whose load put it there: a table of other cases leaves it out.
  std::vector<int> owner;
  // Where a point load acts: mm from the bar start, with its case number.
  std::vector<std::pair<double, int>> jumps;
  static constexpr int kAlways = -1;
};

// The values of one bar and case at its points, before any weighting.
struct FEM_BarSamples {
  int n = -1;  // divisions sampled; -1 not yet
  bool valid = false;
  std::vector<double> values;  // point i, value j at i * valueCount + j
};

// The unweighted samples depend only on the solution, the bar, the case and the division
// count (the analysis runs at unit stiffness). A design asks for them once per combination
// and displacement set, and the section search once per section besides, so whoever owns
// a solution keeps them beside it. They are held for one solution, known by its revision:
// another revision, bar count or case count empties them.
//
// The internal forces and the displacements are kept apart, each under its own lock, so
// that the two kinds of one solution may be sampled on two threads at once.
class FEM_SampleCache {
 public:
  enum Kind { kForces = 0, kDisplacements = 1, kKinds = 2 };
  static int ValueCount(Kind kind) { return kind == kForces ? 6 : 3; }

  // The samples of one kind.
  class Store {
   public:
    const FEM_BarPoints& Points(const FEM_kaikki& fem, int barIndex, int bar, int n);
    const FEM_BarSamples& Get(const FEM_kaikki& fem, int barIndex, int bar, int caseIndex,
                              int caseNumber, int n);

   private:
    friend class FEM_SampleCache;
    void Refresh(const FEM_kaikki& fem);

    Kind kind_ = kForces;
    unsigned long long revision_ = 0;
    std::size_t heldValues_ = 0;
    std::size_t bars_ = 0;
    std::size_t cases_ = 0;
    std::vector<FEM_BarSamples> entries_;
    std::vector<FEM_BarPoints> points_;
  };

  // The store of one kind, locked for as long as this lives: what it hands out by
  // reference is valid only meanwhile.
  class Use {
   public:
    Use(FEM_SampleCache& cache, Kind kind)
        : lock_(cache.locks_[kind]), store_(cache.stores_[kind]) {}
    Store& operator*() { return store_; }
    Store* operator->() { return &store_; }

   private:
    std::lock_guard<std::mutex> lock_;
    Store& store_;
  };

  FEM_SampleCache();
  FEM_SampleCache(const FEM_SampleCache&) = delete;
  FEM_SampleCache& operator=(const FEM_SampleCache&) = delete;
  // Takes over the samples of other (a solution moved from it); other is left empty.
  FEM_SampleCache& operator=(FEM_SampleCache&& other);

 private:
  Store stores_[kKinds];
  std::mutex locks_[kKinds];
};
