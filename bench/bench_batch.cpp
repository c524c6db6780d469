// Batch designing with the command-line designer: members per second in one process on one
// and two threads, and the whole process of one small member, start-up included.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <ctime>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "cli/CommandLineDesigner.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kMembers = 1000;

fs::path ProgramDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path() : exe.parent_path();
}

// Two-span beams of 4.0 ... 7.9 m, code 2 with its default load cases and combinations (two
// stress, two deflection): dead, imposed and snow load along the member, a point load in the
// first span and wind uplift. Lengths and loads vary from member to member.
std::vector<std::string> WriteMembers(const fs::path& dir) {
  fs::create_directories(dir);
  std::vector<std::string> files;
  for (int i = 0; i < kMembers; ++i) {
    QELVUX_data p((ProgramDir() / "qelvux").string());
    p.DesignCode = qv::DesignCode::kLimitState;
    p.NewModel();
    const double length = 4000.0 + 100.0 * (i % 40);
    RakenneVektori& m = p.Member;
    m.ClearRecords();
    m.Length = length;
    m.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
    m.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 0.55 * length);
    m.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kSlidingX, length);
    const double k = 1.0 + 0.01 * (i % 50);
    KuormaVektori& loads = p.Loads;
    loads.AddLoad("g", 0, KuormaVektori::kLine, 2, 1, -0.5 * k, -0.5 * k, 0.0, length);
    loads.AddLoad("q", 1, KuormaVektori::kLine, 2, 1, -1.0 * k, -1.0 * k, 0.0, length);
    loads.AddLoad("s", 2, KuormaVektori::kLine, 2, 2, -1.0 * k, -1.0 * k, 0.0, length);
    loads.AddLoad("P", 1, KuormaVektori::kPoint, 2, 1, -2000.0 * k, 0.0, 0.25 * length, 0.0);
    loads.AddLoad("w", 3, KuormaVektori::kLine, -2, 1, 0.3, 0.3, 0.0, length);
    const std::string file = (dir / ("palkki_" + std::to_string(i) + ".vux")).string();
    if (qv::SaveProject(p, file) != 0) return {};
    files.push_back(file);
  }
  return files;
}

// Standard output as a script's pipe or file sees it, kept nowhere: the bytes are counted.
// Gathered in a string stream instead, the batch's 5 MB of JSON cost the benchmark about a
// fifth of its time in copies and page faults as the string grew, which is no part of
// designing (the designer writes to its standard output).
class CountingBuffer : public std::streambuf {
 public:
  std::size_t Count() const { return count_; }

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) ++count_;
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count_ += static_cast<std::size_t>(n);
    return n;
  }

 private:
  std::size_t count_ = 0;
};

const std::vector<std::string>& Members() {
  static const std::vector<std::string> files =
      WriteMembers(fs::temp_directory_path() / "qelvux_bench_batch");
  return files;
}

// One process designs the 1,000 members (--json, paths on standard input) on state.range(0)
// threads.
void BM_Batch(benchmark::State& state) {
  const std::vector<std::string>& files = Members();
  if (files.empty()) {
    state.SkipWithError("could not write the members");
    return;
  }
  std::string list;
  for (const std::string& f : files) list += f + "\n";
  const std::vector<std::string> args = {"--data-dir", ProgramDir().string(),          "--json",
                                         "-j",         std::to_string(state.range(0)), "-"};
  double processorSeconds = 0.0;
  for (auto _ : state) {
    std::istringstream in(list);
    CountingBuffer written;
    std::ostream out(&written);
    std::ostringstream err;
    const std::clock_t start = std::clock();
    const int code =
        qv::RunCommandLine(args, (ProgramDir() / "qelvux-cli").string(), in, out, err, false);
    processorSeconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    if (code == qv::kCliError || written.Count() == 0) state.SkipWithError(err.str().c_str());
    benchmark::DoNotOptimize(written.Count());
  }
  state.SetItemsProcessed(state.iterations() * kMembers);
  // By the wall clock, shared among the threads; and by the processor time of all threads
  // together, which a busy machine (other processes on the same cores) inflates less.
  state.counters["members_per_s_per_thread"] =
      benchmark::Counter(static_cast<double>(kMembers) / static_cast<double>(state.range(0)),
                         benchmark::Counter::kIsIterationInvariantRate);
  if (processorSeconds > 0.0) {
    state.counters["members_per_cpu_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kMembers / processorSeconds);
  }
}
BENCHMARK(BM_Batch)->Arg(1)->Arg(2)->UseRealTime()->MeasureProcessCPUTime()->Unit(
    benchmark::kMillisecond);

// The whole process of the designer beside this program on one member, with its report:
// what a script pays per member when it starts one process for each.
void BM_WholeProcess(benchmark::State& state) {
  const std::vector<std::string>& files = Members();
  const std::string cli = (ProgramDir() / "qelvux-cli").string();
  if (files.empty() || !fs::exists(cli)) {
    state.SkipWithError("no qelvux-cli beside the benchmark");
    return;
  }
  std::vector<std::string> args = {cli, files[0]};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("could not start qelvux-cli");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_WholeProcess)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
