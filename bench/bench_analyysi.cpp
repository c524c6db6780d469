// Cost of one analysis as the pages run it: generate the input text, read, validate, solve.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/MalliGeneraattori.h"
#include "analysis/fem/FEM_kaikki.h"
#include "model/KuormaVektori.h"
#include "model/RakenneVektori.h"

namespace {

struct Case {
  RakenneVektori member;
  KuormaVektori loads;
};

// (a) The member after "Uusi malli" with one load case: self weight and a point load.
void BuildResetMember(Case& c) {
  c.member.Reset();
  c.loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
  c.loads.AddLoad(" ", 0, KuormaVektori::kPoint, 2, 1, -5000.0, 0.0, 2500.0, 0.0);
}

// (b) 20 supports and 10 hinges (one in every other span) on 30 m, 6 load cases of 30 loads each:
// point loads at nodes and inside bars, line loads over a third of the member, surface loads over
// all.
void BuildLargeMember(Case& c) {
  c.member.Reset();
  c.member.ClearRecords();
  c.member.Length = 30000.0;
  c.member.Angle = 15.0;
  const double spacing = 30000.0 / 19.0;
  c.member.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kFixed, 0.0);
  for (int i = 1; i < 20; ++i) {
    c.member.AddPoint(" ", RakenneVektori::kSupport,
                      i % 2 ? RakenneVektori::kSlidingX : RakenneVektori::kPinned, i * spacing);
  }
  for (int i = 0; i < 10; ++i) {
    c.member.AddPoint(" ", RakenneVektori::kHinge, RakenneVektori::kHingeZ,
                      (2 * i + 0.5) * spacing);
  }
  for (int k = 0; k < 6; ++k) {
    for (int i = 0; i < 10; ++i) {
      const double x = i % 2 ? i * 2 * spacing : 700.0 + i * 2900.0;
      c.loads.AddLoad(" ", k, KuormaVektori::kPoint, i % 3 ? 2 : -2, 1, -1000.0 - i, 0.0, x, 0.0);
      const double a = 1000.0 * i + 100.0 * k;
      c.loads.AddLoad(" ", k, KuormaVektori::kLine, i % 2 ? 2 : -2, i % 2 ? 2 : 1, -1.0, -2.0 - i,
                      a, a + 10000.0);
      c.loads.AddLoad(" ", k, KuormaVektori::kSurface, 2, 2, -0.001, -0.001, 0.0, 30000.0);
    }
  }
}

void RunAll(benchmark::State& state, void (*build)(Case&)) {
  Case c;
  build(c);
  FEM_kaikki fem;
  std::vector<std::string> output;
  int valid = 0;
  std::size_t lines = 0;
  for (auto _ : state) {
    const std::vector<std::string> input = GenerateAnalysisInput(c.member, c.loads);
    lines = input.size();
    if (RunAnalysis(input, fem, valid, output) != 0) state.SkipWithError("analysis failed");
    benchmark::DoNotOptimize(valid);
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["equations"] = fem.EquationCount();
  state.counters["band"] = fem.HalfBandwidth();
}

void GenerateOnly(benchmark::State& state, void (*build)(Case&)) {
  Case c;
  build(c);
  for (auto _ : state) {
    std::vector<std::string> input = GenerateAnalysisInput(c.member, c.loads);
    benchmark::DoNotOptimize(input.data());
  }
}

void ReadValidateSolve(benchmark::State& state, void (*build)(Case&), int steps) {
  Case c;
  build(c);
  const std::vector<std::string> input = GenerateAnalysisInput(c.member, c.loads);
  FEM_kaikki fem;
  for (auto _ : state) {
    fem.Read(input);
    if (steps > 1) benchmark::DoNotOptimize(fem.Validate());
    if (steps > 2) benchmark::DoNotOptimize(fem.Solve());
  }
}

// Solve alone, on a model read once: the same model is solved again each time.
void SolveOnly(benchmark::State& state, void (*build)(Case&)) {
  Case c;
  build(c);
  FEM_kaikki fem;
  fem.Read(GenerateAnalysisInput(c.member, c.loads));
  for (auto _ : state) benchmark::DoNotOptimize(fem.Solve());
}

// A fixed number of whole chains, for instruction counts, which stay repeatable on a shared
// machine where times do not:
//   valgrind --tool=callgrind --toggle-collect='*CountedChain*' bin/bench_analyysi
//       --benchmark_filter=LargeMember_Counted
// counts the chains alone (setup left out); divide by the iterations.
[[gnu::noinline]] int CountedChain(const Case& c, FEM_kaikki& fem) {
  std::vector<std::string> output;
  int valid = 0;
  return RunAnalysis(GenerateAnalysisInput(c.member, c.loads), fem, valid, output);
}

void Counted(benchmark::State& state, void (*build)(Case&)) {
  Case c;
  build(c);
  FEM_kaikki fem;
  for (auto _ : state) {
    if (CountedChain(c, fem) != 0) {
      state.SkipWithError("analysis failed");
      break;
    }
  }
}

void BM_ResetMember_All(benchmark::State& s) { RunAll(s, BuildResetMember); }
void BM_ResetMember_Counted(benchmark::State& s) { Counted(s, BuildResetMember); }
void BM_LargeMember_Counted(benchmark::State& s) { Counted(s, BuildLargeMember); }
void BM_ResetMember_Generate(benchmark::State& s) { GenerateOnly(s, BuildResetMember); }
void BM_LargeMember_All(benchmark::State& s) { RunAll(s, BuildLargeMember); }
void BM_LargeMember_Generate(benchmark::State& s) { GenerateOnly(s, BuildLargeMember); }
void BM_LargeMember_Read(benchmark::State& s) { ReadValidateSolve(s, BuildLargeMember, 1); }
void BM_LargeMember_ReadValidate(benchmark::State& s) { ReadValidateSolve(s, BuildLargeMember, 2); }
void BM_LargeMember_ReadValidateSolve(benchmark::State& s) {
  ReadValidateSolve(s, BuildLargeMember, 3);
}
void BM_LargeMember_Solve(benchmark::State& s) { SolveOnly(s, BuildLargeMember); }

}  // namespace

BENCHMARK(BM_ResetMember_All)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResetMember_Generate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeMember_All)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeMember_Generate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeMember_Read)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeMember_ReadValidate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeMember_ReadValidateSolve)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeMember_Solve)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResetMember_Counted)->Iterations(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargeMember_Counted)->Iterations(10)->Unit(benchmark::kMicrosecond);
