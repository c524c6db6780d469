// A large member through every step of the program, at a quarter, half and full size, to see each
// step's growth.
//
// The argument is the size in percent of 150 supports, 50 hinges and 2000 loads on a 100 m
// member (20 load cases and 16 combinations at every size). A step that grows linearly
// doubles its time from 25 to 50 and from 50 to 100.
//
//   bin/bench_scale --scale_write=FILE   writes the full-size project as FILE and stops.
//   bin/bench_scale --scale_cold         times the first design-page visit of the process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "ScaleProject.h"
#include "analysis/MalliGeneraattori.h"
#include "analysis/MemberResults.h"
#include "design/DesignResults.h"
#include "design/DesignRun.h"
#include "design/DesignTree.h"
#include "design/SectionSearch.h"
#include "model/NumberText.h"
#include "pagelogic/LoadPage.h"
#include "pagelogic/LoadTree.h"
#include "pagelogic/ReportAssembly.h"
#include "pagelogic/ResultCurves.h"
#include "pagelogic/ResultsPage.h"
#include "pagelogic/StructureTree.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/drawing/MemberView.h"
#include "ui/drawing/RecordingCanvas.h"

namespace {

// The data files lie beside the program, as on the user's machine.
std::string ProgramPath() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("qelvux") : exe.string();
}

std::unique_ptr<QELVUX_data> MakeProject(const benchmark::State& state) {
  auto p = std::make_unique<QELVUX_data>(ProgramPath());
  qv_scale::BuildProject(*p, qv_scale::SizeAt(static_cast<double>(state.range(0)) / 100.0));
  return p;
}

void Counters(benchmark::State& state, const QELVUX_data& p) {
  state.counters["points"] = p.Member.Count();
  state.counters["loads"] = p.Loads.Count();
  state.counters["equations"] = p.Analysis.EquationCount();
}

std::string TempFile(const char* name) {
  std::error_code ec;
  const std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
  return ((ec ? std::filesystem::path("/tmp") : dir) / name).string();
}

// Generate, read, validate and solve: what every entry to the design, results and report
// pages runs first.
void BM_Chain(benchmark::State& state) {
  auto p = MakeProject(state);
  for (auto _ : state) {
    if (qv::EnsureAnalysis(*p, true) != 0) state.SkipWithError("analysis failed");
  }
  Counters(state, *p);
}

void BM_Generate(benchmark::State& state) {
  auto p = MakeProject(state);
  std::size_t lines = 0;
  for (auto _ : state) lines = GenerateAnalysisInput(*p).size();
  state.counters["lines"] = static_cast<double>(lines);
}

// Checks of every combination and the tree, on a current analysis.
void BM_Design(benchmark::State& state) {
  auto p = MakeProject(state);
  if (qv::EnsureAnalysis(*p, true) != 0) state.SkipWithError("analysis failed");
  std::size_t nodes = 0;
  for (auto _ : state) {
    const qv::DesignTree tree = qv::BuildDesignTree(*p);
    nodes = tree.nodes.size();
  }
  state.counters["nodes"] = static_cast<double>(nodes);
}

// A visit to the design page: the analysis, the checks and the tree.
void BM_DesignPageVisit(benchmark::State& state) {
  auto p = MakeProject(state);
  for (auto _ : state) {
    qv::DesignRunResult run;
    benchmark::DoNotOptimize(qv::RunProjectDesign(*p, true, run));
  }
}

// The first visit to the design page after a change, as the window makes it: the input
// generated and compared with the held one, read, validated and solved, then the checks of
// every combination and the tree. Each round changes one load, so every round solves. The
// very first round of a fresh process costs more than these: its memory is new to it (see
// the cold figures printed by --scale_cold).
void BM_DesignPageAfterChange(benchmark::State& state) {
  auto p = MakeProject(state);
  double step = 1.0;
  for (auto _ : state) {
    p->Loads.SetReal(0, 0, p->Loads.Q1(0) + step);
    step = -step;
    std::vector<std::string> input = GenerateAnalysisInput(*p);
    std::vector<std::string> output;
    const bool current = p->AnalysisValid == 1 && input == p->Analysis.InputText().Lines();
    if (!current) RunAnalysis(std::move(input), *p, p->Analysis, output);
    const qv::DesignTree tree = qv::BuildDesignTree(qv::CollectDesignResults(*p));
    benchmark::DoNotOptimize(tree.nodes.size());
  }
}

// "Etsi seuraava sopiva" over the default library from its first section.
void BM_SectionSearch(benchmark::State& state) {
  auto p = MakeProject(state);
  int designed = 0;
  for (auto _ : state) {
    p->Profiles.CurrentIndex = 0;
    p->AnalysisValid = 0;
    const qv::SectionSearchResult s = qv::SearchNextSection(*p);
    designed = s.designed;
  }
  state.counters["designed"] = designed;
  state.counters["library"] = p->Profiles.Count();
}

void BM_Report(benchmark::State& state) {
  auto p = MakeProject(state);
  p->ReportSwitches[qv::kReportStability] = 1;
  p->ReportSwitches[qv::kReportDesignValues] = 1;
  if (qv::EnsureAnalysis(*p, true) != 0) state.SkipWithError("analysis failed");
  std::size_t lines = 0;
  for (auto _ : state) lines = qv::BuildReportLines(*p).size();
  state.counters["lines"] = static_cast<double>(lines);
}

void BM_Save(benchmark::State& state) {
  auto p = MakeProject(state);
  const std::string name = TempFile("qelvux_bench_scale_save.vux");
  for (auto _ : state) {
    if (qv::SaveProject(*p, name) != 0) state.SkipWithError("save failed");
  }
  std::remove(name.c_str());
}

void BM_Load(benchmark::State& state) {
  auto p = MakeProject(state);
  const std::string name = TempFile("qelvux_bench_scale_load.vux");
  if (qv::SaveProject(*p, name) != 0) state.SkipWithError("save failed");
  for (auto _ : state) {
    if (qv::LoadProject(*p, name) != 0) state.SkipWithError("load failed");
  }
  std::remove(name.c_str());
}

// What the structure and load pages compute on entry: their trees.
void BM_StructureTree(benchmark::State& state) {
  auto p = MakeProject(state);
  for (auto _ : state) benchmark::DoNotOptimize(qv::BuildStructureTree(p->Member).nodes.size());
}

void BM_LoadTree(benchmark::State& state) {
  auto p = MakeProject(state);
  for (auto _ : state) benchmark::DoNotOptimize(qv::BuildLoadTree(*p).nodes.size());
}

// The drawings of the two pages on a recording canvas (the page size of the program).
void BM_DrawStructure(benchmark::State& state) {
  auto p = MakeProject(state);
  for (auto _ : state) {
    qv::RecordingCanvas canvas;
    qv::DrawStructureView(&canvas, p.get(), 900, 450, 1);
    benchmark::DoNotOptimize(canvas);
  }
}

void BM_DrawLoads(benchmark::State& state) {
  auto p = MakeProject(state);
  for (auto _ : state) {
    qv::RecordingCanvas canvas;
    qv::DrawLoadPage(&canvas, p.get(), 900, 450, 1);
    benchmark::DoNotOptimize(canvas);
  }
}

// The results page: the moment and the deflection curves of the first combination of
// their kinds, with their positions of interest.
void BM_ResultCurves(benchmark::State& state) {
  auto p = MakeProject(state);
  if (qv::EnsureAnalysis(*p, true) != 0) state.SkipWithError("analysis failed");
  std::size_t points = 0;
  for (auto _ : state) {
    for (int kind : {qv::kResultMz, qv::kResultUy}) {
      const qv::ResultCurves c = qv::BuildResultCurves(*p, kind, 0);
      benchmark::DoNotOptimize(qv::InterestGroups(c).size());
      points = c.x.size();
    }
  }
  state.counters["samples"] = static_cast<double>(points);
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(25)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Chain)->Apply(Sizes);
BENCHMARK(BM_Generate)->Apply(Sizes);
BENCHMARK(BM_Design)->Apply(Sizes);
BENCHMARK(BM_DesignPageVisit)->Apply(Sizes);
BENCHMARK(BM_DesignPageAfterChange)->Apply(Sizes);
BENCHMARK(BM_SectionSearch)->Apply(Sizes);
BENCHMARK(BM_Report)->Apply(Sizes);
BENCHMARK(BM_Save)->Apply(Sizes);
BENCHMARK(BM_Load)->Apply(Sizes);
BENCHMARK(BM_StructureTree)->Apply(Sizes);
BENCHMARK(BM_LoadTree)->Apply(Sizes);
BENCHMARK(BM_DrawStructure)->Apply(Sizes);
BENCHMARK(BM_DrawLoads)->Apply(Sizes);
BENCHMARK(BM_ResultCurves)->Apply(Sizes);

// Writes the full-size project for the examples folder.
int WriteExample(const std::string& name) {
  QELVUX_data p(ProgramPath());
  qv_scale::BuildProject(p, qv_scale::ScaleSize());
  // As in the other examples: the library by its name, found beside the program.
  p.Profiles.SetFileName(ProfiiliVektori::kDefaultLibraryName);
  std::string message;
  if (qv::SaveProject(p, name, &message) != 0) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
  }
  return 0;
}

// Processor time so far, ms.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// Page faults so far: on a virtual machine the first touch of fresh memory is a large part
// of a cold visit.
long MinorFaults() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_minflt;
}

// The first design-page visit of a fresh process on the full-size member, step by step
// (processor time): what a user meets on opening the member and going to the design page.
int PrintColdVisit() {
  QELVUX_data p(ProgramPath());
  qv_scale::BuildProject(p, qv_scale::ScaleSize());
  const long f0 = MinorFaults();
  const double t0 = CpuMs();
  std::vector<std::string> input = GenerateAnalysisInput(p);
  const double t1 = CpuMs();
  const int lines = static_cast<int>(input.size());
  std::vector<std::string> output;
  const int rc = RunAnalysis(std::move(input), p, p.Analysis, output);
  const double t2 = CpuMs();
  const qv::DesignResults results = qv::CollectDesignResults(p);
  const double t3 = CpuMs();
  const qv::DesignTree tree = qv::BuildDesignTree(results);
  const double t4 = CpuMs();
  const long f4 = MinorFaults();
  const auto ms = [](double v) { return qv::FormatFixed(v, 1); };
  std::printf(
      "first visit of a fresh process (CPU ms): generate %s, read+validate+solve %s, "
      "checks %s, tree %s, total %s (%d lines, %d tree lines, %ld page faults, "
      "analysis %d)\n",
      ms(t1 - t0).c_str(), ms(t2 - t1).c_str(), ms(t3 - t2).c_str(), ms(t4 - t3).c_str(),
      ms(t4 - t0).c_str(), lines, static_cast<int>(tree.nodes.size()), f4 - f0, rc);
  return rc == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const char* const kWrite = "--scale_write=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kWrite, std::strlen(kWrite)) == 0)
      return WriteExample(argv[i] + std::strlen(kWrite));
    if (std::strcmp(argv[i], "--scale_cold") == 0) return PrintColdVisit();
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
