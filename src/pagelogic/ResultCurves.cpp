// The curves of one diagram from the results along the member, and where their values matter.
#include "pagelogic/ResultCurves.h"

#include <algorithm>
#include <cmath>

#include "analysis/MalliGeneraattori.h"
#include "analysis/MemberResults.h"
#include "pagelogic/ResultsPage.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

// A local extremum of a displacement curve below this (mm) is numerical noise.
constexpr double kDisplacementExtremum = 0.0001;

// The displacement tables of a code: (final, all loads) per curve.
struct DisplacementCurve {
  const char* name;
  const char* legend;
  int final;
  int allLoads;
};

const DisplacementCurve kEc5Curves[] = {
    {"U2,inst", "U2,inst = Hetkellinen siirtymä muuttuvista kuormista", 0, 0},
    {"U2,fin", "U2,fin = Loppusiirtymä muuttuvista kuormista", 1, 0},
    {"Ufin", "Ufin = Loppusiirtymä kaikista kuormista", 1, 1},
};
// Code 4: w_fin needs the quasi-permanent combination besides this one; the curve shows
// w_inst, the design tree every one of the three.
const DisplacementCurve kEc5NaCurves[] = {
    {"w_inst", "w_inst = Hetkellinen taipuma kaikista kuormista", 0, 1},
};
const DisplacementCurve kB10Curves[] = {
    {"U1", "U1 = Siirtymä kaikista kuormista", 0, 1},
    {"U2", "U2 = Siirtymä muuttuvista kuormista", 0, 0},
};

void TakeTables(ResultCurves& r, const std::vector<QELvektori>& tables, int field, double scale) {
  int count = tables.empty() ? 0 : tables.front().Count();
  for (const QELvektori& t : tables) count = std::min(count, t.Count());
  r.x.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) r.x.push_back(tables.front().GetReal(i, MemberResultField::kX));
  for (const QELvektori& t : tables) {
    std::vector<double> v;
    v.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) v.push_back(t.GetReal(i, field) * scale);
    r.values.push_back(std::move(v));
  }
}

void FetchCurves(const QELVUX_data& p, const ResultChoice& choice, ResultCurves& r) {
  const int c = choice.combination;
  const int k = choice.combination >= 0 ? -1 : choice.loadCase;
  std::vector<QELvektori> tables;
  if (IsForceKind(r.kind)) {
    r.names = {"Arvo"};
    tables.emplace_back();
    MemberForces(p, c, k, tables.back());
  } else {
    const DisplacementCurve* curves = kB10Curves;
    int n = 2;
    switch (p.DesignCode) {
      case DesignCode::kAllowableStress:
      case DesignCode::kLimitState:
        break;
      case DesignCode::kEc5Env:
        curves = kEc5Curves;
        n = 3;
        break;
      case DesignCode::kEc5:
        curves = kEc5NaCurves;
        n = 1;
        break;
    }
    for (int i = 0; i < n; ++i) {
      r.names.push_back(curves[i].name);
      r.legend.push_back(curves[i].legend);
      tables.emplace_back();
      MemberDisplacements(p, c, k, tables.back(), curves[i].final, curves[i].allLoads);
    }
  }
  TakeTables(r, tables, ResultField(r.kind), ResultScale(r.kind));
}

// Each support and hinge at the sampled x nearest to it: inner nodes are sampled at a sum of
// steps, which need not equal the point's own x to the last bit.
void FindMemberPoints(const RakenneVektori& m, ResultCurves& r) {
  for (int i = 0; i < m.Count(); ++i) {
    const int kind = m.Kind(i);
    if (kind != RakenneVektori::kSupport && kind != RakenneVektori::kHinge) continue;
    const double xm = m.X(i);
    int best = -1;
    for (int j = 0; j < r.PointCount(); ++j) {
      const double d = std::fabs(r.x[static_cast<std::size_t>(j)] - xm);
      if (d <= MalliGeneraattori::kPointTolerance &&
          (best < 0 || d < std::fabs(r.x[static_cast<std::size_t>(best)] - xm)))
        best = j;
    }
    if (best >= 0) r.memberPoints.push_back(r.x[static_cast<std::size_t>(best)]);
  }
}

bool StrictExtremum(const std::vector<double>& v, std::size_t i) {
  const double a = v[i - 1], b = v[i], c = v[i + 1];
  return (b > a && b > c) || (b < a && b < c);
}

void AddPosition(std::vector<double>& positions, double x) {
  if (!IsPositionOf(positions, x)) positions.push_back(x);
}

}  // namespace

ResultCurves BuildResultCurves(const QELVUX_data& p, int kind, int position) {
  ResultCurves r;
  r.kind = kind;
  r.designCode = p.DesignCode;
  if (!IsDiagramKind(kind)) return r;
  r.unit = ResultUnit(kind);
  r.title = ResultKindName(kind) + " [" + r.unit + "]";
  const ResultChoice choice = ResolveResultChoice(p, kind, position);
  const std::string what = ResultChoiceText(p, choice);
  if (!what.empty())
    r.title += ", " + what;
  else
    r.footText = IsForceKind(kind) ? "Jännitystarkastelun kuormitusyhdistelmiä ei ole!"
                                   : "Siirtymätarkastelun kuormitusyhdistelmiä ei ole!";
  FetchCurves(p, choice, r);
  FindMemberPoints(p.Member, r);
  return r;
}

bool IsPositionOf(const std::vector<double>& positions, double x) {
  return std::find(positions.begin(), positions.end(), x) != positions.end();
}

std::vector<InterestGroup> InterestGroups(const ResultCurves& r) {
  std::vector<InterestGroup> groups;
  const int curves = r.CurveCount();
  if (curves == 0) return groups;
  if (IsForceKind(r.kind) || curves < 3) {
    InterestGroup g;
    for (int c = 0; c < std::min(curves, 2); ++c) g.curves.push_back(c);
    groups.push_back(g);
  } else {
    groups.push_back(InterestGroup{{0, 1}, {}});
    groups.push_back(InterestGroup{{2}, {}});
  }
  const std::size_t n = r.x.size();
  const double threshold = IsDisplacementKind(r.kind) ? kDisplacementExtremum : -1.0;
  for (InterestGroup& g : groups) {
    if (n == 0) continue;
    AddPosition(g.positions, r.x.front());
    AddPosition(g.positions, r.x.back());
    for (int c : g.curves) {
      const std::vector<double>& v = r.values[static_cast<std::size_t>(c)];
      for (std::size_t i = 1; i + 1 < n; ++i)
        if (StrictExtremum(v, i) && std::fabs(v[i]) > threshold) AddPosition(g.positions, r.x[i]);
    }
    for (double x : r.memberPoints) AddPosition(g.positions, x);
    std::sort(g.positions.begin(), g.positions.end());
  }
  return groups;
}

}  // namespace qv
