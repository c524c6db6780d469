// Timing of the whole design of a project and of the section search over a large library.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "design/DesignReport.h"
#include "design/DesignRun.h"
#include "design/SectionSearch.h"
#include "design/SectionSweep.h"
#include "project/QELVUX_data.h"

namespace {

constexpr int kLibrarySize = 200;

// The data files lie beside the program, as on the user's machine.
std::string ProgramPath() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("qelvux") : exe.string();
}

// A 6000 mm beam on two pinned supports and one at 4000 mm, code 2 with its default four
// load cases and four combinations (two stress, two deflection), a load in every case,
// 40 result steps.
std::unique_ptr<QELVUX_data> MakeProject() {
  auto p = std::make_unique<QELVUX_data>(ProgramPath());
  p->DesignCode = qv::DesignCode::kLimitState;
  p->NewModel();
  p->ResultSteps = 40;
  p->Member.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kPinned, 4000.0);
  KuormaVektori& loads = p->Loads;
  loads.AddLoad("g", 0, KuormaVektori::kLine, 2, 1, -0.5, -0.5, 0.0, 6000.0);
  loads.AddLoad("q", 1, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
  loads.AddLoad("s", 2, KuormaVektori::kLine, 2, 2, -1.0, -1.0, 0.0, 6000.0);
  loads.AddLoad("P", 1, KuormaVektori::kPoint, 2, 1, -2000.0, 0.0, 2000.0, 0.0);
  loads.AddLoad("w", 3, KuormaVektori::kLine, -2, 1, 0.3, 0.3, 0.0, 6000.0);
  p->InfoDisplay = 1;
  return p;
}

// Sections 50 x 50 ... 50 x 248 are far too weak; the last one, 200 x 400, passes.
void SetLargeLibrary(QELVUX_data& p) {
  p.Profiles.ClearRecords();
  for (int i = 0; i < kLibrarySize - 1; ++i)
    p.Profiles.AddSection("50*" + std::to_string(50 + i), qv::SectionShape::kRectangle, 50.0,
                          50.0 + i);
  p.Profiles.AddSection("200*400", qv::SectionShape::kRectangle, 200.0, 400.0);
  p.Profiles.CurrentIndex = 0;
}

void BM_WholeDesign(benchmark::State& state) {
  auto p = MakeProject();
  for (auto _ : state) {
    qv::DesignRunResult run;
    benchmark::DoNotOptimize(qv::RunProjectDesign(*p, true, run));
  }
}
BENCHMARK(BM_WholeDesign)->Unit(benchmark::kMillisecond);

// Argument: 0 both groups, 1 stress checks only, 2 deflection checks only.
void BM_DesignOnCurrentAnalysis(benchmark::State& state) {
  auto p = MakeProject();
  p->Settings.Jannitys = state.range(0) != 2;
  p->Settings.Siirtyma = state.range(0) != 1;
  qv::EnsureAnalysis(*p, true);
  for (auto _ : state) {
    qv::DesignTree tree = qv::BuildDesignTree(*p);
    benchmark::DoNotOptimize(tree.overall);
  }
}
BENCHMARK(BM_DesignOnCurrentAnalysis)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_AnalysisOnly(benchmark::State& state) {
  auto p = MakeProject();
  for (auto _ : state) benchmark::DoNotOptimize(qv::EnsureAnalysis(*p, true));
}
BENCHMARK(BM_AnalysisOnly)->Unit(benchmark::kMicrosecond);

void BM_DesignReport(benchmark::State& state) {
  auto p = MakeProject();
  p->ReportSwitches[7] = 1;
  p->ReportSwitches[8] = 1;
  qv::EnsureAnalysis(*p, true);
  for (auto _ : state) benchmark::DoNotOptimize(qv::WriteDesignReport(*p).size());
}
BENCHMARK(BM_DesignReport)->Unit(benchmark::kMicrosecond);

// The whole search: 199 sections designed, the last one found.
void BM_SectionSearch200(benchmark::State& state) {
  auto p = MakeProject();
  SetLargeLibrary(*p);
  qv::EnsureAnalysis(*p, true);
  for (auto _ : state) {
    p->Profiles.CurrentIndex = 0;
    const qv::SectionSearchResult s = qv::SearchNextSection(*p);
    if (s.found != kLibrarySize - 1 || s.designed != kLibrarySize - 1) {
      state.SkipWithError("the last section was not the first suitable one");
      break;
    }
  }
  state.counters["sections"] = kLibrarySize - 1;
}
BENCHMARK(BM_SectionSearch200)->Unit(benchmark::kMillisecond);

// Every section of the same library designed and listed lightest first ("Kevyin sopiva",
// "Kaikki poikkileikkaukset..."): at most 20 ms, so the table can follow the user's typing.
void BM_SectionSweep200(benchmark::State& state) {
  auto p = MakeProject();
  SetLargeLibrary(*p);
  qv::EnsureAnalysis(*p, true);
  for (auto _ : state) {
    const qv::SectionSweep sweep = qv::SweepSections(*p);
    if (sweep.lightest < 0 ||
        sweep.rows[static_cast<std::size_t>(sweep.lightest)].name != "200*400") {
      state.SkipWithError("200*400 was not the lightest passing section");
      break;
    }
  }
  state.counters["sections"] = kLibrarySize;
}
BENCHMARK(BM_SectionSweep200)->Unit(benchmark::kMillisecond);

// The same search and sweep with "Oma paino automaattisesti": the own weight follows the
// section, so each of the 200 sections is also analysed again (each under 50 ms).
void BM_SectionSearch200OwnWeight(benchmark::State& state) {
  auto p = MakeProject();
  SetLargeLibrary(*p);
  p->Loads.OwnWeight.on = true;
  for (auto _ : state) {
    p->Profiles.CurrentIndex = 0;
    const qv::SectionSearchResult s = qv::SearchNextSection(*p);
    if (s.found != kLibrarySize - 1 || s.analysisStatus != 0) {
      state.SkipWithError("the last section was not the first suitable one");
      break;
    }
  }
  state.counters["sections"] = kLibrarySize - 1;
}
BENCHMARK(BM_SectionSearch200OwnWeight)->Unit(benchmark::kMillisecond);

void BM_SectionSweep200OwnWeight(benchmark::State& state) {
  auto p = MakeProject();
  SetLargeLibrary(*p);
  p->Loads.OwnWeight.on = true;
  for (auto _ : state) {
    const qv::SectionSweep sweep = qv::SweepSections(*p);
    if (sweep.lightest < 0 || sweep.analysisStatus != 0 ||
        sweep.rows[static_cast<std::size_t>(sweep.lightest)].name != "200*400") {
      state.SkipWithError("200*400 was not the lightest passing section");
      break;
    }
  }
  state.counters["sections"] = kLibrarySize;
}
BENCHMARK(BM_SectionSweep200OwnWeight)->Unit(benchmark::kMillisecond);

// Fixed numbers of designs and searches, for instruction counts, which stay repeatable on a
// shared machine where times do not:
//   valgrind --tool=callgrind --toggle-collect='*CountedSearch*' bin/bench_design
//       --benchmark_filter=SectionSearch200Counted
// (and CountedDesign with WholeDesignCounted, CountedSweep with SectionSweep200Counted); divide
// by the iterations.
[[gnu::noinline]] void CountedDesign(QELVUX_data& p) {
  qv::DesignRunResult run;
  benchmark::DoNotOptimize(qv::RunProjectDesign(p, true, run));
}

[[gnu::noinline]] int CountedSearch(QELVUX_data& p) {
  p.Profiles.CurrentIndex = 0;
  return qv::SearchNextSection(p).found;
}

[[gnu::noinline]] int CountedSweep(QELVUX_data& p) { return qv::SweepSections(p).lightest; }

void BM_SectionSweep200Counted(benchmark::State& state) {
  auto p = MakeProject();
  SetLargeLibrary(*p);
  qv::EnsureAnalysis(*p, true);
  for (auto _ : state) benchmark::DoNotOptimize(CountedSweep(*p));
}
BENCHMARK(BM_SectionSweep200Counted)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_WholeDesignCounted(benchmark::State& state) {
  auto p = MakeProject();
  for (auto _ : state) CountedDesign(*p);
}
BENCHMARK(BM_WholeDesignCounted)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_SectionSearch200Counted(benchmark::State& state) {
  auto p = MakeProject();
  SetLargeLibrary(*p);
  qv::EnsureAnalysis(*p, true);
  for (auto _ : state) {
    if (CountedSearch(*p) != kLibrarySize - 1) {
      state.SkipWithError("the last section was not the first suitable one");
      break;
    }
  }
}
BENCHMARK(BM_SectionSearch200Counted)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
