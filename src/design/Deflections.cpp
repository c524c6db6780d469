// Per-span maxima of the displacement sets of a deflection combination, and the rating of one span.
#include "design/Deflections.h"

#include <algorithm>
#include <cmath>

#include "design/CheckStresses.h"
#include "design/data/MitoitusAsetukset.h"
#include "model/KuormaVektori.h"
#include "model/KuormaYhdVektori.h"
#include "model/RakenneVektori.h"
#include "project/QELVUX_data.h"

namespace {

// A support stands at a span end when it lies this close.
constexpr double kSupportTolerance = 0.1;

// Positions of the table's rows when they ascend (as along the member), else empty.
std::vector<double> OrderedPositions(const QELvektori& t) {
  std::vector<double> xs(static_cast<std::size_t>(t.Count()));
  for (std::size_t i = 0; i < xs.size(); ++i) {
    xs[i] = t.GetReal(static_cast<int>(i), MemberResultField::kX);
    if (xs[i] != xs[i] || (i > 0 && !(xs[i] >= xs[i - 1]))) return std::vector<double>();
  }
  return xs;
}

}  // namespace

int DeflectionSetCount(qv::DesignCode code) { return DeflectionConditionCount(code); }

DeflectionSet DeflectionSetSwitches(qv::DesignCode code, int set) {
  DeflectionSet s;
  switch (code) {
    case qv::DesignCode::kAllowableStress:
    case qv::DesignCode::kLimitState:
      s.final = 0;
      s.allLoads = set == 1 ? 1 : 0;
      break;
    case qv::DesignCode::kEc5Env:
      s.final = set == 1 ? 0 : 1;
      s.allLoads = set == 3 ? 1 : 0;
      break;
    case qv::DesignCode::kEc5:
      // Every set starts from all loads at once; the creep is added from the quasi-permanent
      // combination (Ec5FinalDeflections).
      s.final = 0;
      s.allLoads = 1;
      break;
  }
  return s;
}

namespace {

// Code 4: w_inst of the combination, w_fin = w_inst + kdef * w_qp point by point with w_qp from
// the first quasi-permanent combination, and w_net,fin = w_fin (no precamber). Empty sets and
// the reason in notRun when there is no quasi-permanent combination or no kdef.
int Ec5Deflections(const MemberResultSource& source, int c, QELvektori& inst, QELvektori& fin,
                   std::string* notRun) {
  const qv::DesignCode code = qv::DesignCode::kEc5;
  const int q =
      source.loads->Combinations().NthCombinationOfKind(qv::CombinationKind::kLongTerm, 0);
  const double kdef = source.materials->CreepFactor(code, source.materials->Material(code), 1,
                                                    source.materials->MoistureClass(code));
  std::string why;
  if (q < 0)
    why = "pitkäaikaistarkastelun kuormitusyhdistelmä puuttuu";
  else if (!(kdef > 0.0))
    why = "kdef puuttuu materiaalitaulukosta";
  if (!why.empty()) {
    if (notRun) *notRun = why;
    return 0;
  }
  QELvektori quasi;
  MemberDisplacements(source, c, -1, inst, 0, 1);
  MemberDisplacements(source, q, -1, quasi, 0, 1);
  fin = inst;
  for (int i = 0; i < fin.Count() && i < quasi.Count(); ++i) {
    for (int d = 1; d <= 3; ++d) fin.SetReal(i, d, inst.GetReal(i, d) + kdef * quasi.GetReal(i, d));
  }
  return fin.Count();
}

}  // namespace

int SpanMaxima(const std::vector<double>& boundaries, const std::vector<const QELvektori*>& sets,
               QELvektori& rows) {
  rows.ClearRecords();
  rows.SetLayout(0, 0, DeflectionRow::kFieldCount);
  if (sets.empty() || sets[0] == nullptr) return 0;
  const QELvektori& first = *sets[0];
  const int setCount = std::min<int>(static_cast<int>(sets.size()), 3);
  std::vector<double> row(DeflectionRow::kFieldCount, 0.0);
  // Ascending positions put a span's points together: only those are visited.
  const std::vector<double> xs = OrderedPositions(first);
  const bool ordered = static_cast<int>(xs.size()) == first.Count();
  for (std::size_t s = 1; s < boundaries.size(); ++s) {
    const double x1 = boundaries[s - 1];
    const double x2 = boundaries[s];
    std::fill(row.begin(), row.end(), 0.0);
    row[DeflectionRow::kX1] = x1;
    row[DeflectionRow::kX2] = x2;
    int begin = 0, end = first.Count();
    if (ordered) {
      begin = static_cast<int>(std::lower_bound(xs.begin(), xs.end(), x1 - kSpanPointTolerance) -
                               xs.begin());
      end = static_cast<int>(std::upper_bound(xs.begin(), xs.end(), x2 + kSpanPointTolerance) -
                             xs.begin());
    }
    for (int i = begin; i < end; ++i) {
      const double x = first.GetReal(i, MemberResultField::kX);
      if (x < x1 - kSpanPointTolerance || x > x2 + kSpanPointTolerance) continue;
      for (int set = 1; set <= setCount; ++set) {
        const QELvektori* table = sets[static_cast<std::size_t>(set - 1)];
        // The sets share their points; a shorter one simply has nothing there.
        if (table == nullptr || i >= table->Count()) continue;
        for (int d = 1; d <= 3; ++d) {
          double& kept = row[static_cast<std::size_t>(DeflectionRow::Field(set, d))];
          kept = std::max(kept, std::fabs(table->GetReal(i, d)));
        }
      }
    }
    rows.AddRecord(nullptr, &row, nullptr);
  }
  return rows.Count();
}

int CollectDeflections(const MemberResultSource& source, int c, QELvektori& rows,
                       std::string* notRun) {
  rows.ClearRecords();
  rows.SetLayout(0, 0, DeflectionRow::kFieldCount);
  if (source.loads == nullptr || source.member == nullptr || source.fem == nullptr ||
      source.analysisValid != 1)
    return 0;
  if (c < 0 || c >= source.loads->Combinations().CombinationCount()) return 0;
  const std::string missing = MissingDeflectionStiffness(source, c);
  if (notRun) *notRun = missing;
  if (!missing.empty()) return 0;
  if (source.designCode == qv::DesignCode::kEc5) {
    QELvektori inst, fin;
    if (Ec5Deflections(source, c, inst, fin, notRun) == 0) return 0;
    return SpanMaxima(qv::SpanBoundaries(*source.member), {&inst, &fin, &fin}, rows);
  }
  const int count = DeflectionSetCount(source.designCode);
  QELvektori tables[3];
  std::vector<const QELvektori*> sets;
  for (int set = 1; set <= count; ++set) {
    const DeflectionSet sw = DeflectionSetSwitches(source.designCode, set);
    QELvektori& t = tables[set - 1];
    MemberDisplacements(source, c, -1, t, sw.final, sw.allLoads);
    sets.push_back(&t);
  }
  return SpanMaxima(qv::SpanBoundaries(*source.member), sets, rows);
}

std::string MissingDeflectionStiffness(const MemberResultSource& source, int c) {
  if (!source.section.IsValid()) return "poikkileikkausta ei ole valittu";
  if (source.loads == nullptr || source.materials == nullptr) return "materiaalitaulukko puuttuu";
  const KuormaVektori& loads = *source.loads;
  const int cases = loads.Cases().Count();
  const std::vector<char> loaded = loads.LoadedCases();
  const std::vector<double> factors = loads.Combinations().FactorsOf(c, cases);
  for (int k = 0; k < cases; ++k) {
    if (!loaded[static_cast<std::size_t>(k)] || factors[static_cast<std::size_t>(k)] == 0.0)
      continue;
    const int duration = loads.Cases().DurationClass(k) + 1;
    if (source.materials->MemberStiffness(source.designCode, duration, source.section, 2) > 0.0)
      continue;
    std::string name = source.materials->DurationClassName(source.designCode, duration);
    if (name.empty()) name = std::to_string(duration);
    return "taipuman kimmomoduuli puuttuu materiaalitaulukosta (kestoluokka " + name + ")";
  }
  return std::string();
}

int CollectDeflections(const QELVUX_data& project, int c, QELvektori& rows) {
  return CollectDeflections(ResultSourceOf(project), c, rows);
}

bool IsCantileverSpan(const RakenneVektori& member, double x1, double x2) {
  return member.FindPoint(RakenneVektori::kSupport, x1, kSupportTolerance) < 0 ||
         member.FindPoint(RakenneVektori::kSupport, x2, kSupportTolerance) < 0;
}

double DeflectionSpanUtilisation(const MitoitusAsetukset& settings, qv::DesignCode code,
                                 const KuormaYhdVektori& combinations, int c,
                                 const RakenneVektori& member, const QELvektori& rows, int row,
                                 int direction) {
  if (row < 0 || row >= rows.Count()) return 0.0;
  if (direction != DeflectionRow::kDirectionY && direction != DeflectionRow::kDirectionZ)
    return 0.0;
  const double u1 = rows.GetReal(row, DeflectionRow::Field(1, direction));
  const double u2 = rows.GetReal(row, DeflectionRow::Field(2, direction));
  const double u3 = rows.GetReal(row, DeflectionRow::Field(3, direction));
  const double own = combinations.OwnDeflectionLimit(c);
  if (own > 0.0) {
    double u = std::max(u1, u2);
    if (DeflectionConditionCount(code) >= 3) u = std::max(u, u3);
    return u * 100.0 / own;
  }
  const double x1 = rows.GetReal(row, DeflectionRow::kX1);
  const double x2 = rows.GetReal(row, DeflectionRow::kX2);
  const int cantilever = IsCantileverSpan(member, x1, x2) ? 1 : 0;
  return DeflectionUtilisation(settings, code, direction, x2 - x1, u1, u2, u3, cantilever);
}

double DeflectionSpanUtilisation(const QELVUX_data& project, int c, const QELvektori& rows, int row,
                                 int direction) {
  return DeflectionSpanUtilisation(project.Settings, project.DesignCode,
                                   project.Loads.Combinations(), c, project.Member, rows, row,
                                   direction);
}
