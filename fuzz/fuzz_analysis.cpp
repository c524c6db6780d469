// Fuzz target: the analysis input text — read, validated, solved, and every result asked for.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "analysis/fem/FEM_kaikki.h"
#include "model/QELvektori.h"
#include "model/TextCodec.h"
#include "FuzzSupport.h"

using fuzz::Check;

namespace {

// Keeps each run short: the program's own limit allows far larger models than a fuzzer
// can afford to solve thousands of times a minute.
constexpr int kMaxNodes = 60;
constexpr int kMaxBars = 120;
constexpr int kMaxLoads = 400;
constexpr int kMaxCases = 20;
constexpr int kMaxCouplings = 120;

bool SmallEnough(const FEM_kaikki& fem, const std::set<int>& cases) {
  return fem.Nodes().Count() <= kMaxNodes && fem.Bars().Count() <= kMaxBars &&
         fem.Loads().Count() <= kMaxLoads && static_cast<int>(cases.size()) <= kMaxCases &&
         fem.Couplings().Count() <= kMaxCouplings;
}

void CheckResults(const FEM_kaikki& fem, const std::set<int>& cases, int status) {
  std::set<int> asked(cases);
  asked.insert(-1);
  asked.insert(0);
  asked.insert(cases.empty() ? 1 : *cases.rbegin() + 1);
  std::vector<int> bars{-1, 0};
  for (int i = 0; i < fem.Bars().Count(); ++i) bars.push_back(fem.Bars().Number(i));
  bars.push_back(bars.back() + 1000);
  for (int bar : bars) {
    const double length = fem.BarLength(bar);
    Check(std::isfinite(length) && length >= 0.0);
    for (int c : asked) {
      std::array<double, 12> forces{};
      QELvektori points;
      const int rc = fem.EndForces(bar, c, forces, &points);
      Check(rc == 0 || rc == -1);
      if (status < 0) Check(rc == -1);
      if (rc == -1)
        for (double v : forces) Check(v == 0.0);
      std::array<double, 12> moves{};
      QELvektori along;
      const int rd = fem.LocalDisplacements(bar, c, moves, &along);
      Check(rd == 0 || rd == -1);
      if (status < 0) Check(rd == -1);
    }
  }
  for (int i = -1; i <= fem.Supports().Count(); ++i) {
    const int support = i < 0                        ? -1
                        : i < fem.Supports().Count() ? fem.Supports().Number(i)
                                                     : 1 << 30;
    for (int c : asked) {
      std::array<double, 6> r{};
      const int rc = fem.Reactions(support, c, r);
      Check(rc == 0 || rc == -1);
      if (status < 0) Check(rc == -1);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = qv::SplitLines(qv::DecodeFileText(bytes));

  FEM_kaikki fem;
  Check(fem.Read(lines) == 0);
  Check(fem.Status() == -1);
  Check(static_cast<int>(fem.ReadNotes().size()) <= FEM_kaikki::kMaxMessages);
  const int valid = fem.Validate();
  Check(valid <= 0);
  Check(fem.Messages().Lines().size() <= 8u * (FEM_kaikki::kMaxMessages + 1));

  std::set<int> cases;
  for (int i = 0; i < fem.Loads().Count(); ++i) cases.insert(fem.Loads().Case(i));
  const int nodes = fem.Nodes().Count();
  const int bars = fem.Bars().Count();
  int status = -1;
  if (SmallEnough(fem, cases)) {
    const unsigned long long before = fem.Revision();
    status = fem.Solve();
    Check(status == fem.Status() && status <= 0);
    Check(fem.Revision() != before);
    if (valid < 0) Check(status < 0);
  }
  CheckResults(fem, cases, status);

  // Reading the same text again gives the model as read (a solution adds generated nodes).
  FEM_kaikki again;
  again.Read(lines);
  Check(again.Nodes().Count() == nodes && again.Bars().Count() == bars &&
        again.Loads().Count() == fem.Loads().Count());
  return 0;
}
