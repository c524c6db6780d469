// Timing of loading and designing projects far larger than a member needs: thousands of load cases
// and combinations, 100 000 loads, 100 000 supports.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "design/DesignRun.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace {

// The data files lie beside the program, as on the user's machine.
std::string ProgramPath() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("qelvux") : exe.string();
}

enum class Kind { kCases, kLoads, kSupports };

// The file lines of a project of code 2 with n of the kind: n load cases each with a point
// load and a combination of its own (every other one for deflections); n point loads in one
// case; or a member of n mm on n + 1 supports under a uniform load.
std::vector<std::string> ProjectLines(Kind kind, int n) {
  QELVUX_data p(ProgramPath());
  p.DesignCode = qv::DesignCode::kLimitState;
  p.NewModel();
  KuormaVektori& loads = p.Loads;
  KuormaYhdVektori& combinations = loads.Combinations();
  switch (kind) {
    case Kind::kCases:
      loads.Cases().ClearRecords();
      combinations.Clear();
      for (int k = 0; k < n; ++k) {
        loads.Cases().AddCase("KT", k % 4);
        loads.AddLoad("P", k, KuormaVektori::kPoint, 2, 1, -100.0, 0.0, 100.0 + (k * 7) % 5800,
                      0.0);
        combinations.AddHeader(
            k, k % 2 == 0 ? KuormaYhdVektori::kStress : KuormaYhdVektori::kDeflection);
        combinations.AddFactor(k, k, 1.0);
      }
      break;
    case Kind::kLoads:
      for (int k = 0; k < n; ++k)
        loads.AddLoad("P", 1, KuormaVektori::kPoint, 2, 1, -10.0, 0.0, 1.0 + (k * 13) % 5998, 0.0);
      break;
    case Kind::kSupports:
      p.Member.ClearRecords();
      p.Member.Length = n;
      p.Member.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
      for (int k = 1; k <= n; ++k)
        p.Member.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kSlidingX, k);
      loads.AddLoad("g", 0, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, n);
      break;
  }
  qv::BuildProjectFile(p);
  return p.TextFile.Lines();
}

// Load and design, as the command-line designer does with such a file.
void LoadAndDesign(benchmark::State& state, Kind kind) {
  const std::vector<std::string> lines = ProjectLines(kind, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QELVUX_data p(ProgramPath());
    std::string message;
    if (qv::LoadProjectLines(p, lines, &message) != 0) {
      state.SkipWithError(message.c_str());
      return;
    }
    qv::DesignRunResult run;
    benchmark::DoNotOptimize(qv::RunProjectDesign(p, true, run));
  }
}

void BM_CasesAndCombinations(benchmark::State& state) { LoadAndDesign(state, Kind::kCases); }
void BM_PointLoads(benchmark::State& state) { LoadAndDesign(state, Kind::kLoads); }
void BM_Supports(benchmark::State& state) { LoadAndDesign(state, Kind::kSupports); }

// Targets: 2000 cases and combinations well under a second, the others near-linear.
BENCHMARK(BM_CasesAndCombinations)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointLoads)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Supports)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
