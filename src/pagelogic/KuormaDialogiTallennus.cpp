// The load dialog's OK: checks of the typed values and storing the load, its copies or its change.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "pagelogic/KuormaDialogi.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

using KV = KuormaVektori;

KuormaValidation Fail(KuormaField field, const std::string& message) {
  KuormaValidation r;
  r.ok = false;
  r.field = field;
  r.message = message;
  r.caption = "VIRHE";
  return r;
}

// The values as read, in stored units, with the positions in order.
struct ReadLoad {
  double x1 = 0.0;
  double x2 = 0.0;
  double q1 = 0.0;
  double q2 = 0.0;
  double spacing = 0.0;
};

int TypeOf(const KuormaDialogInput& in) {
  return in.type == kKuormaMoment ? kKuormaMoment : kKuormaForce;
}

KuormaValidation ReadPoint(const QELVUX_data& p, const KuormaDialogState& s,
                           const KuormaDialogInput& in, ReadLoad& r) {
  const double L = p.Member.Length;
  std::string q1Label, q2Label;
  KuormaValueLabels(s.kind, TypeOf(in), q1Label, q2Label);
  if (ParseNumber(in.x1, 0.0, L, r.x1) != 0)
    return Fail(KuormaField::kX1, RangeText(kLabelKuormaPointX1, 0.0, L));
  if (ParseNumber(in.q1, -kKuormaValueLimit, kKuormaValueLimit, r.q1) != 0)
    return Fail(KuormaField::kQ1, RangeText(q1Label, -kKuormaValueLimit, kKuormaValueLimit));
  if (r.q1 == 0.0) return Fail(KuormaField::kQ1, kMessageNoLoadValue);
  if (s.loadIndex < 0 && in.copyChecked && ParseNumber(in.spacing, 100.0, L - r.x1, r.spacing) != 0)
    return Fail(KuormaField::kSpacing, kMessageCopySpacing);
  return KuormaValidation{};
}

KuormaValidation ReadDistributed(const QELVUX_data& p, const KuormaDialogState& s,
                                 const KuormaDialogInput& in, ReadLoad& r) {
  const double L = p.Member.Length;
  std::string q1Label, q2Label;
  KuormaValueLabels(s.kind, TypeOf(in), q1Label, q2Label);
  if (ParseNumber(in.x1, 0.0, L, r.x1) != 0)
    return Fail(KuormaField::kX1, RangeText(kLabelKuormaStartX1, 0.0, L));
  if (ParseNumber(in.x2, 0.0, L, r.x2) != 0)
    return Fail(KuormaField::kX2, RangeText(kLabelKuormaEndX2, 0.0, L));
  if (r.x2 < r.x1) std::swap(r.x1, r.x2);
  if (r.x2 - r.x1 < 1.0) return Fail(KuormaField::kX2, kMessageLoadTooShort);
  if (ParseNumber(in.q1, -kKuormaValueLimit, kKuormaValueLimit, r.q1) != 0)
    return Fail(KuormaField::kQ1, RangeText(q1Label, -kKuormaValueLimit, kKuormaValueLimit));
  if (ParseNumber(in.q2, -kKuormaValueLimit, kKuormaValueLimit, r.q2) != 0)
    return Fail(KuormaField::kQ2, RangeText(q2Label, -kKuormaValueLimit, kKuormaValueLimit));
  if (r.q1 == 0.0 && r.q2 == 0.0) return Fail(KuormaField::kQ1, kMessageNoLoadValues);
  return KuormaValidation{};
}

KuormaValidation Read(const QELVUX_data& p, const KuormaDialogState& s, const KuormaDialogInput& in,
                      ReadLoad& r) {
  return s.kind == KV::kPoint ? ReadPoint(p, s, in, r) : ReadDistributed(p, s, in, r);
}

}  // namespace

KuormaValidation ValidateKuorma(const QELVUX_data& project, const KuormaDialogState& state,
                                const KuormaDialogInput& input) {
  const KuormaDialogState s =
      NormaliseKuormaState(project, state.loadCase, state.kind, state.loadIndex);
  ReadLoad r;
  return Read(project, s, input, r);
}

KuormaStoreResult StoreKuorma(QELVUX_data& project, const KuormaDialogState& state,
                              const KuormaDialogInput& input) {
  KuormaStoreResult result;
  const KuormaDialogState s =
      NormaliseKuormaState(project, state.loadCase, state.kind, state.loadIndex);
  ReadLoad r;
  result.error = Read(project, s, input, r);
  if (!result.error.ok) return result;

  KV& loads = project.Loads;
  const int type = TypeOf(input);
  const int direction = input.direction >= 0 && input.direction <= 5 ? input.direction : 1;
  const int code = KuormaDirectionCode(type, direction);
  const int ref = KuormaReferenceLength(s.kind, type, direction, input.reference);
  const double factor = KuormaUnitFactor(s.kind, type);
  const double q1 = r.q1 * factor;
  const bool point = s.kind == KV::kPoint;
  const double q2 = point ? 0.0 : r.q2 * factor;
  const double x2 = point ? 0.0 : r.x2;
  const std::string name =
      input.name.empty() ? std::string(" ") : CutChars(input.name, kKuormaNameMaxChars);

  if (s.loadIndex >= 0) {
    const std::vector<std::string> texts{name};
    const std::vector<double> reals{q1, q2, r.x1, x2};
    const std::vector<int> ints{s.loadCase, ToInt(s.kind), code, ref};
    loads.ReplaceRecord(s.loadIndex, &texts, &reals, &ints);
    result.stored = true;
    result.loadIndex = s.loadIndex;
    return result;
  }

  // Code 4 generates its combinations from the cases that hold loads.
  const bool firstOfCase = loads.CountLoads(s.loadCase, std::nullopt) == 0;
  int last = loads.AddLoad(name, s.loadCase, s.kind, code, ref, q1, q2, r.x1, x2);
  result.added = 1;
  if (point && input.copyChecked && r.spacing > 0.0) {
    const double L = project.Member.Length;
    // The small allowance keeps a copy that lands on the end of the member when the
    // division is a hair short of whole.
    const int n = static_cast<int>(std::floor((L - r.x1) / r.spacing + 1e-9));
    for (int k = 1; k <= n; ++k) {
      const double x = std::min(r.x1 + k * r.spacing, L);
      last = loads.AddLoad(name, s.loadCase, s.kind, code, ref, q1, q2, x, x2);
      ++result.added;
    }
  }
  loads.CurrentIndex = last;
  result.stored = true;
  result.loadIndex = last;
  if (firstOfCase) result.combinationProblem = project.RegenerateEc5Combinations();
  return result;
}

}  // namespace qv
