// The results page's choices: kinds, combinations or cases, stored selections.
#include "pagelogic/ResultsPage.h"

#include "analysis/MemberResults.h"
#include "model/TextCodec.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

struct KindInfo {
  int code;
  const char* name;
  const char* unit;
  double scale;
  int field;
};

using F = MemberResultField;

const KindInfo kKinds[] = {
    {kResultMx, "Mx (Momentti)", "kNm", 1e-6, F::kMx},
    {kResultMy, "My (Momentti)", "kNm", 1e-6, F::kMy},
    {kResultMz, "Mz (Momentti)", "kNm", 1e-6, F::kMz},
    {kResultN, "Nx (Normaalivoima)", "kN", 1e-3, F::kN},
    {kResultVy, "Vy (Leikkausvoima)", "kN", 1e-3, F::kVy},
    {kResultVz, "Vz (Leikkausvoima)", "kN", 1e-3, F::kVz},
    {kResultUx, "Ux (Siirtymä)", "mm", 1.0, F::kUx},
    {kResultUy, "Uy (Siirtymä)", "mm", 1.0, F::kUy},
    {kResultUz, "Uz (Siirtymä)", "mm", 1.0, F::kUz},
};

const KindInfo* Info(int kind) {
  for (const KindInfo& k : kKinds)
    if (k.code == kind) return &k;
  return nullptr;
}

// Which combinations a result kind lists: those of one design kind, or of any.
struct CombinationFilter {
  bool lists = false;
  std::optional<CombinationKind> kind;  // none: any kind
};

CombinationFilter FilterOf(int kind) {
  if (IsForceKind(kind)) return {true, KuormaYhdVektori::kStress};
  if (IsDisplacementKind(kind)) return {true, KuormaYhdVektori::kDeflection};
  if (kind == kResultReactionsCombination) return {true, std::nullopt};
  return {};
}

int IndexOfKind(const std::vector<ResultKindEntry>& kinds, int code) {
  for (std::size_t i = 0; i < kinds.size(); ++i)
    if (kinds[i].code == code) return static_cast<int>(i);
  return -1;
}

}  // namespace

std::string ResultKindName(int kind) {
  if (const KindInfo* k = Info(kind)) return k->name;
  if (kind == kResultReactionsCombination) return "Tukireaktiot (KY)";
  if (kind == kResultReactionsCase) return "Tukireaktiot (KT)";
  return "";
}

std::string ResultUnit(int kind) {
  const KindInfo* k = Info(kind);
  return k ? k->unit : "";
}

double ResultScale(int kind) {
  const KindInfo* k = Info(kind);
  return k ? k->scale : 0.0;
}

int ResultField(int kind) {
  const KindInfo* k = Info(kind);
  return k ? k->field : -1;
}

std::string DesignKindText(std::optional<CombinationKind> designKind) {
  if (!designKind) return "";
  switch (*designKind) {
    case KuormaYhdVektori::kStress:
      return "Jännitystarkastelu";
    case KuormaYhdVektori::kDeflection:
      return "Siirtymätarkastelu";
    case KuormaYhdVektori::kNoDesign:
      return "Ei mitoitusta";
    case KuormaYhdVektori::kLongTerm:
      return "Pitkäaikaistarkastelu";
  }
  return "";
}

std::vector<ResultKindEntry> ResultKindEntries(const QELVUX_data& p) {
  const bool axial = p.Loads.HasAxialLoads() || p.Member.Angle > 0.0;
  const bool outOfPlane = p.Loads.HasOutOfPlaneLoads();
  std::vector<int> codes{kResultMz, kResultVy};
  if (axial) codes.push_back(kResultN);
  codes.push_back(kResultUy);
  if (outOfPlane) {
    codes.push_back(kResultMy);
    codes.push_back(kResultVz);
    codes.push_back(kResultUz);
  }
  codes.push_back(kResultReactionsCombination);
  codes.push_back(kResultReactionsCase);
  std::vector<ResultKindEntry> out;
  out.reserve(codes.size());
  for (int c : codes) out.push_back(ResultKindEntry{c, ResultKindName(c)});
  return out;
}

std::vector<std::string> ResultCaseEntries(const QELVUX_data& p, int kind) {
  std::vector<std::string> out;
  if (kind == kResultReactionsCase) {
    const KuormitustapausVektori& cases = p.Loads.Cases();
    for (int k = 0; k < cases.Count(); ++k) out.push_back(cases.Name(k));
    return out;
  }
  const CombinationFilter filter = FilterOf(kind);
  if (!filter.lists) return out;
  const KuormaYhdVektori& y = p.Loads.Combinations();
  for (int n = 0;; ++n) {
    const int c = y.NthCombinationOfKind(filter.kind, n);
    if (c < 0) break;
    out.push_back(y.TextOr(y.HeaderRow(c), 0) + " (" + DesignKindText(y.DesignKind(c)) + ")");
  }
  return out;
}

ResultChoice ResolveResultChoice(const QELVUX_data& p, int kind, int position) {
  ResultChoice choice;
  if (position < 0) return choice;
  if (kind == kResultReactionsCase) {
    if (p.Loads.Cases().IsValid(position)) choice.loadCase = position;
    return choice;
  }
  const CombinationFilter filter = FilterOf(kind);
  if (filter.lists)
    choice.combination = p.Loads.Combinations().NthCombinationOfKind(filter.kind, position);
  return choice;
}

std::string ResultChoiceText(const QELVUX_data& p, const ResultChoice& choice) {
  const KuormaYhdVektori& y = p.Loads.Combinations();
  if (choice.combination >= 0 && y.HeaderRow(choice.combination) >= 0)
    return "KY" + std::to_string(choice.combination + 1) + " (" +
           DesignKindText(y.DesignKind(choice.combination)) + ")";
  if (p.Loads.Cases().IsValid(choice.loadCase))
    return CutChars(p.Loads.Cases().Name(choice.loadCase), 40);
  return "";
}

ResultsPageLists RefreshResultsLists(QELVUX_data& p) {
  ResultsPageLists lists;
  lists.kinds = ResultKindEntries(p);
  lists.kindIndex = IndexOfKind(lists.kinds, p.ResultKind);
  if (lists.kindIndex < 0) {
    lists.kindIndex = 0;  // the list always holds the two reaction kinds
    p.ResultKind = lists.kinds.front().code;
  }
  lists.cases = ResultCaseEntries(p, p.ResultKind);
  const int count = static_cast<int>(lists.cases.size());
  if (count == 0)
    p.ResultCase = -1;
  else if (p.ResultCase < 0 || p.ResultCase >= count)
    p.ResultCase = 0;
  lists.caseIndex = p.ResultCase;
  return lists;
}

int ResultKindChanged(QELVUX_data& p, const std::vector<ResultKindEntry>& kinds, int index) {
  if (index < 0 || index > 19 || index >= static_cast<int>(kinds.size())) return 0;
  p.ResultKind = kinds[static_cast<std::size_t>(index)].code;
  return 1;
}

int ResultCaseChanged(QELVUX_data& p, int index) {
  if (index < 0) return 0;
  p.ResultCase = index;
  return 1;
}

DisplayModeButtons DisplayModeButtonsOf(int showAll) {
  DisplayModeButtons b;
  b.all = showAll == kShowAll;
  b.maxima = !b.all;
  return b;
}

}  // namespace qv
