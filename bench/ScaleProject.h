// A large member built through the core API: the project the size benchmarks and the size example
// use.
#pragma once

#include <cstdint>
#include <string>

#include "model/KuormaVektori.h"
#include "model/RakenneVektori.h"
#include "project/QELVUX_data.h"

namespace qv_scale {

// The full size: 150 supports and 50 hinges on a 100 m member, 20 load cases, 2000 loads,
// 16 combinations. The fraction scales the points and the loads; the member length, the
// cases and the combinations stay, so that a step in size is a step in the member alone.
struct ScaleSize {
  int supports = 150;
  int hinges = 50;
  int loads = 2000;
  int cases = 20;
  int stressCombinations = 10;
  int deflectionCombinations = 6;
};

inline ScaleSize SizeAt(double fraction) {
  ScaleSize s;
  s.supports = static_cast<int>(150 * fraction + 0.5);
  s.hinges = static_cast<int>(50 * fraction + 0.5);
  s.loads = static_cast<int>(2000 * fraction + 0.5);
  return s;
}

constexpr double kLength = 100000.0;

// Repeatable draws, the same on every platform (the standard distributions are not).
class Draw {
 public:
  explicit Draw(std::uint32_t seed) : state_(seed) {}
  double Unit() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 16777216.0;
  }
  double Between(double a, double b) { return a + (b - a) * Unit(); }
  // A value rounded to whole steps, so that the project file (five decimals) holds it exactly.
  double Rounded(double a, double b, double step) {
    const double n = static_cast<double>(static_cast<long>(Between(a, b) / step));
    // Dividing by a whole number gives the value the file's text reads back as.
    return step < 1.0 ? n / static_cast<double>(static_cast<long>(1.0 / step + 0.5)) : n * step;
  }
  // A position rounded to whole millimetres.
  double Position(double a, double b) { return Rounded(a, b, 1.0); }

 private:
  std::uint32_t state_;
};

// Supports at equal spacing, the first pinned and every 25th pinned, the rest sliding along
// the member; a hinge at a quarter of every third span (a Gerber beam), never two in a span,
// so the structure stays stable.
inline void BuildMember(RakenneVektori& member, const ScaleSize& size) {
  member.ClearRecords();
  member.Name = "Jatkuva orsi 100 m";
  member.Length = kLength;
  member.Angle = 3.0;
  member.LoadWidth = 1200.0;
  member.CurrentIndex = -1;
  const int spans = size.supports - 1;
  const double spacing = kLength / spans;
  for (int i = 0; i < size.supports; ++i) {
    const double x = i == spans ? kLength : static_cast<double>(static_cast<long>(i * spacing));
    const int code = i % 25 == 0 ? RakenneVektori::kPinned : RakenneVektori::kSlidingX;
    member.AddPoint("T" + std::to_string(i + 1), RakenneVektori::kSupport, code, x);
  }
  for (int j = 0; j < size.hinges && 3 * j + 1 < spans; ++j) {
    const double x = static_cast<double>(static_cast<long>((3 * j + 1 + 0.25) * spacing));
    member.AddPoint("N" + std::to_string(j + 1), RakenneVektori::kHinge, RakenneVektori::kHingeZ,
                    x);
  }
}

// Twenty cases over the EC5 duration classes: self weight, imposed, snow, wind and
// short ones; combinations factor every case, each with its own leading case.
inline void BuildCasesAndCombinations(KuormaVektori& loads, const ScaleSize& size) {
  loads.Cases().ClearRecords();
  loads.Combinations().Clear();
  static const char* const kNames[] = {"Omapaino", "Varastokuorma", "Hyötykuorma", "Lumi", "Tuuli"};
  for (int k = 0; k < size.cases; ++k) {
    const int duration = k == 0 ? 0 : 1 + (k - 1) % 4;
    loads.Cases().AddCase(
        std::string(kNames[k == 0 ? 0 : 1 + (k - 1) % 4]) + " " + std::to_string(k + 1), duration);
  }
  const int combinations = size.stressCombinations + size.deflectionCombinations;
  for (int c = 0; c < combinations; ++c) {
    const bool stress = c < size.stressCombinations;
    loads.Combinations().AddHeader(
        c, stress ? KuormaYhdVektori::kStress : KuormaYhdVektori::kDeflection);
    const int leading = 1 + c % (size.cases > 1 ? size.cases - 1 : 1);
    for (int k = 0; k < size.cases; ++k) {
      double f = k == 0 ? (stress ? 1.2 : 1.0) : (stress ? 1.05 : 0.7);
      if (k == leading) f = stress ? 1.5 : 1.0;
      loads.Combinations().AddFactor(c, k, f);
    }
  }
}

// Loads spread over the cases: half point loads (forces along and across the member, out
// of its plane, moments; every fifth at a support), a third line loads over a few metres,
// the rest surface loads over long stretches, per member length or horizontal projection.
inline void BuildLoads(KuormaVektori& loads, const RakenneVektori& member, const ScaleSize& size) {
  loads.ClearLoads();
  Draw d(20261207u);
  const int supports = member.CountOfKind(RakenneVektori::kSupport);
  for (int i = 0; i < size.loads; ++i) {
    const int k = i % size.cases;
    const int slot = (i / size.cases) % 20;
    if (slot < 10) {
      double x = d.Position(0.0, kLength);
      if (slot == 0 && supports > 0) x = member.X(static_cast<int>(d.Unit() * supports) % supports);
      int dir = 2;
      double q = -d.Rounded(1000.0, 6000.0, 10.0);
      if (slot == 6) dir = -2;
      if (slot == 7) {
        dir = 1;
        q = d.Rounded(-2000.0, 2000.0, 10.0);
      }
      if (slot == 8) {
        dir = 3;
        q = d.Rounded(200.0, 600.0, 10.0);
      }
      if (slot == 9) {
        dir = 6;
        q = d.Rounded(-4.0e5, 4.0e5, 1000.0);
      }
      loads.AddLoad("P" + std::to_string(i + 1), k, KuormaVektori::kPoint, dir, 1, q, 0.0, x, 0.0);
    } else if (slot < 17) {
      const double a = d.Position(0.0, kLength - 500.0);
      const double b = a + d.Position(500.0, 8000.0);
      const int dir = slot == 15 ? 3 : (slot == 16 ? -2 : 2);
      const int ref =
          dir == 2 && slot % 2 ? KuormaVektori::kPerHorizontal : KuormaVektori::kPerLength;
      const double sign = dir == 3 ? 1.0 : -1.0;
      loads.AddLoad("q" + std::to_string(i + 1), k, KuormaVektori::kLine, dir, ref,
                    sign * d.Rounded(0.3, 3.0, 0.01), sign * d.Rounded(0.3, 3.0, 0.01), a,
                    b > kLength ? kLength : b);
    } else {
      const double a = slot == 17 ? 0.0 : d.Position(0.0, kLength / 2);
      const double b = slot == 17 ? kLength : a + d.Position(10000.0, kLength / 2);
      loads.AddLoad("g" + std::to_string(i + 1), k, KuormaVektori::kSurface, 2,
                    slot == 19 ? KuormaVektori::kPerHorizontal : KuormaVektori::kPerLength,
                    -d.Rounded(0.0003, 0.0015, 0.00001), -d.Rounded(0.0003, 0.0015, 0.00001), a, b);
    }
  }
}

// The whole project under EC5 on a project record: member, cases, combinations, loads and
// the section sectionName of its library (the first one when the name is not there).
inline void BuildProject(QELVUX_data& p, const ScaleSize& size,
                         const std::string& sectionName = "100*225") {
  p.DesignCode = qv::DesignCode::kEc5Env;
  p.NewModel();
  BuildMember(p.Member, size);
  BuildCasesAndCombinations(p.Loads, size);
  BuildLoads(p.Loads, p.Member, size);
  p.Site = "Suuri esimerkki";
  p.Profiles.CurrentIndex = 0;
  for (int i = 0; i < p.Profiles.Count(); ++i)
    if (p.Profiles.Name(i) == sectionName) p.Profiles.CurrentIndex = i;
  p.AnalysisValid = 0;
}

}  // namespace qv_scale
