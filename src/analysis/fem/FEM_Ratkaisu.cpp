// Solving the frame model: releases to couplings, numbering, assembly, elimination, results.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "analysis/fem/FEM_ElementtiKuormat.h"
#include "analysis/fem/FEM_kaikki.h"
#include "analysis/fem/FEM_ratkaisija.h"

namespace {

constexpr int kFirstGenerated = 1000001;
constexpr double kPenaltyFactor = 1e10;

// Axes and length of a bar, found when first needed.
struct BarFrame {
  double lambda[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  double length = 0.0;
  bool found = false;
};

// Bar freedom record of a bar number as BarFreedomOf finds it (the first one), by halves.
class BarRecordLookup {
 public:
  explicit BarRecordLookup(const QELvektori& barFreedoms) {
    byNumber_.reserve(static_cast<std::size_t>(barFreedoms.Count()));
    for (int r = 0; r < barFreedoms.Count(); ++r)
      byNumber_.emplace_back(barFreedoms.GetInt(r, FEM_kaikki::kBfBar), r);
    std::stable_sort(byNumber_.begin(), byNumber_.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
  }
  int Find(int number) const {
    const auto it = std::lower_bound(byNumber_.begin(), byNumber_.end(), number,
                                     [](const auto& x, int n) { return x.first < n; });
    return it != byNumber_.end() && it->first == number ? it->second : -1;
  }

 private:
  std::vector<std::pair<int, int>> byNumber_;
};

std::string WithCode(const char* text, int code) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "%s (%d)", text, code);
  return buf;
}

}  // namespace

int FEM_kaikki::Solve() {
  ClearSolution();
  // The previous solution's generated nodes and couplings go first, so that validation
  // sees the model as it was read.
  RestoreInputModel();
  const int valid = Validate();
  if (valid < 0) {
    status_ = valid;
    return status_;
  }
  ReleasesToCouplings();
  NumberEquations();
  BuildBarFreedoms();

  w_ = 1;
  for (int r = 0; r < barFreedoms_.Count(); ++r) {
    int lo = barFreedoms_.GetInt(r, kBfEqI), hi = lo;
    for (int k = 0; k < 12; ++k) {
      const int eq = barFreedoms_.GetInt(r, kBfEqI + k);
      lo = std::min(lo, eq);
      hi = std::max(hi, eq);
    }
    w_ = std::max(w_, 1 + hi - lo);
  }
  caseCount_ = loads_.CaseList().Count();
  // Validation has seen to nodes and loads; this only guards the kernels.
  if (n_ < 1 || caseCount_ < 1) {
    status_ = -1;
    return status_;
  }
  if (static_cast<double>(n_) * (w_ + caseCount_) > kMaxModelReals) {
    messages_.AddLine(kSolutionMessages, WithCode("Laskentamalli liian suuri", n_));
    status_ = kTooLarge;
    return status_;
  }
  Assemble();
  ApplySupports();
  BuildLoadVectors();
  status_ = Eliminate();
  return status_;
}

void FEM_kaikki::RestoreInputModel() {
  for (int i = 0; i < bars_.Count(); ++i) {
    if (bars_.NodeI(i) > FEM_SolmuVektori::kGeneratedBase)
      bars_.SetInt(i, FEM_SauvaVektori::kNodeI, bars_.OrigI(i));
    if (bars_.NodeJ(i) > FEM_SolmuVektori::kGeneratedBase)
      bars_.SetInt(i, FEM_SauvaVektori::kNodeJ, bars_.OrigJ(i));
    bars_.SetInt(i, FEM_SauvaVektori::kOrigI, 0);
    bars_.SetInt(i, FEM_SauvaVektori::kOrigJ, 0);
  }
  for (int i = nodes_.Count() - 1; i >= 0; --i)
    if (nodes_.Number(i) > FEM_SolmuVektori::kGeneratedBase) nodes_.RemoveRecord(i);
  for (int i = couplings_.Count() - 1; i >= 0; --i)
    if (couplings_.Number(i) > FEM_KytkennatVektori::kGeneratedBase) couplings_.RemoveRecord(i);
}

// A released bar end gets a node of its own at the same place, coupled to the bar's node
// in the connected freedoms only.
void FEM_kaikki::ReleasesToCouplings() {
  for (int i = 0; i < bars_.Count(); ++i) {
    for (int end = 0; end < 2; ++end) {
      const int code = end == 0 ? bars_.ReleaseI(i) : bars_.ReleaseJ(i);
      if (code == FEM_SauvaVektori::kRigidEnd) continue;
      const int node = end == 0 ? bars_.NodeI(i) : bars_.NodeJ(i);
      const int at = nodes_.Find(node);
      if (at < 0) continue;
      const int fresh = std::max(nodes_.MaxNumber() + 1, kFirstGenerated);
      nodes_.Add(fresh, nodes_.X(at), nodes_.Y(at), nodes_.Z(at));
      couplings_.Add(std::max(couplings_.MaxNumber() + 1, kFirstGenerated), fresh, node, code);
      bars_.SetInt(i, end == 0 ? FEM_SauvaVektori::kOrigI : FEM_SauvaVektori::kOrigJ, node);
      bars_.SetInt(i, end == 0 ? FEM_SauvaVektori::kNodeI : FEM_SauvaVektori::kNodeJ, fresh);
    }
  }
}

// Node by node in ascending number, each slave right after its master, so that a bar's
// equations stay close together and the band narrow.
void FEM_kaikki::NumberEquations() {
  nodeFreedoms_.ClearRecords();
  nodeFreedoms_.Reserve(nodes_.Count());
  n_ = 0;
  std::vector<int> recordOfNode(static_cast<std::size_t>(nodes_.Count()), -1);
  std::vector<bool> slave(static_cast<std::size_t>(nodes_.Count()), false);
  for (int c = 0; c < couplings_.Count(); ++c) {
    const int s = nodes_.Find(couplings_.Slave(c));
    if (s >= 0) slave[static_cast<std::size_t>(s)] = true;
  }
  for (int i = 0; i < nodes_.Count(); ++i) {
    if (recordOfNode[static_cast<std::size_t>(i)] >= 0 || slave[static_cast<std::size_t>(i)])
      continue;
    std::vector<int> ints(8, 0);
    ints[kNfNode] = nodes_.Number(i);
    for (int k = 0; k < 6; ++k) ints[static_cast<std::size_t>(kNfEq + k)] = ++n_;
    ints[kNfNodeIndex] = i;
    recordOfNode[static_cast<std::size_t>(i)] = nodeFreedoms_.AddRecord(nullptr, nullptr, &ints);
    NumberSlavesOf(i, recordOfNode[static_cast<std::size_t>(i)], recordOfNode);
  }
  recordOfNode_ = std::move(recordOfNode);
  firstSupportOfNode_.assign(static_cast<std::size_t>(nodes_.Count()), -1);
  for (int s = 0; s < supports_.Count(); ++s) {
    const int node = nodes_.Find(supports_.Node(s));
    if (node >= 0 && firstSupportOfNode_[static_cast<std::size_t>(node)] < 0)
      firstSupportOfNode_[static_cast<std::size_t>(node)] = s;
  }
}

// Numbers the not yet numbered slaves of a node, and theirs in turn (depth first, so each
// slave follows its master), so that a released bar end at a coupled node is not left out.
void FEM_kaikki::NumberSlavesOf(int nodeIndex, int recordIndex, std::vector<int>& recordOfNode) {
  // Pending masters with the coupling to look at next.
  std::vector<std::array<int, 3>> stack{{nodeIndex, recordIndex, 0}};
  while (!stack.empty()) {
    std::array<int, 3>& top = stack.back();
    const int master = nodes_.Number(top[0]);
    const int masterRecord = top[1];
    int c = top[2];
    while (c < couplings_.Count() && couplings_.Master(c) != master) ++c;
    if (c >= couplings_.Count()) {
      stack.pop_back();
      continue;
    }
    top[2] = c + 1;
    const int s = nodes_.Find(couplings_.Slave(c));
    if (s < 0 || recordOfNode[static_cast<std::size_t>(s)] >= 0) continue;
    int flags[6];
    FEM_KoodinLiput(couplings_.Code(c), flags);
    std::vector<int> ints(8, 0);
    ints[kNfNode] = couplings_.Slave(c);
    for (int k = 0; k < 6; ++k)
      ints[static_cast<std::size_t>(kNfEq + k)] =
          flags[k] != 0 ? nodeFreedoms_.GetInt(masterRecord, kNfEq + k) : ++n_;
    ints[kNfNodeIndex] = s;
    const int rec = nodeFreedoms_.AddRecord(nullptr, nullptr, &ints);
    recordOfNode[static_cast<std::size_t>(s)] = rec;
    stack.push_back({s, rec, 0});
  }
}

void FEM_kaikki::BuildBarFreedoms() {
  barFreedoms_.ClearRecords();
  barFreedoms_.Reserve(bars_.Count());
  for (int i = 0; i < bars_.Count(); ++i) {
    const int ni = nodes_.Find(bars_.NodeI(i)), nj = nodes_.Find(bars_.NodeJ(i));
    const int ri = ni < 0 ? -1 : NodeFreedomOf(ni), rj = nj < 0 ? -1 : NodeFreedomOf(nj);
    const int mat = materials_.FindMaterial(bars_.Material(i));
    const int pro = materials_.FindProfile(bars_.Profile(i));
    if (ri < 0 || rj < 0 || mat < 0 || pro < 0) continue;
    std::vector<int> ints(18, 0);
    ints[kBfBar] = bars_.Number(i);
    for (int k = 0; k < 6; ++k) {
      ints[static_cast<std::size_t>(kBfEqI + k)] = nodeFreedoms_.GetInt(ri, kNfEq + k);
      ints[static_cast<std::size_t>(kBfEqJ + k)] = nodeFreedoms_.GetInt(rj, kNfEq + k);
    }
    ints[kBfBarIndex] = i;
    ints[kBfNodeIIndex] = ni;
    ints[kBfNodeJIndex] = nj;
    ints[kBfMaterialIndex] = mat;
    ints[kBfProfileIndex] = pro;
    barFreedoms_.AddRecord(nullptr, nullptr, &ints);
  }
}

void FEM_kaikki::Assemble() {
  band_.assign(static_cast<std::size_t>(n_) * static_cast<std::size_t>(w_), 0.0);
  for (int r = 0; r < barFreedoms_.Count(); ++r) {
    double lambda[3][3], length, k[78], K[78];
    BarAxes(r, lambda, length);
    BarStiffness(r, length, k);
    FEM_ratkaisija::ToGlobal(k, lambda, K);
    for (int i = 0; i < 12; ++i) {
      for (int j = i; j < 12; ++j) {
        int p = barFreedoms_.GetInt(r, kBfEqI + i), q = barFreedoms_.GetInt(r, kBfEqI + j);
        if (p > q) std::swap(p, q);
        if (p < 1 || q > n_ || q - p >= w_) continue;
        // Two local freedoms on one equation meet twice in T'KT: (i, j) and (j, i).
        const double v = (p == q && i != j) ? 2.0 * K[FEM_ratkaisija::PackedIndex(i, j)]
                                            : K[FEM_ratkaisija::PackedIndex(i, j)];
        band_[static_cast<std::size_t>(p - 1) * w_ + static_cast<std::size_t>(q - p)] += v;
      }
    }
  }
}

void FEM_kaikki::ApplySupports() {
  double largest = 0.0;
  for (int r = 0; r < n_; ++r) largest = std::max(largest, band_[static_cast<std::size_t>(r) * w_]);
  penalty_ = kPenaltyFactor * largest;
  for (int s = 0; s < supports_.Count(); ++s) {
    const int node = nodes_.Find(supports_.Node(s));
    const int rec = node < 0 ? -1 : NodeFreedomOf(node);
    if (rec < 0) continue;
    int flags[6];
    FEM_KoodinLiput(supports_.Code(firstSupportOfNode_[static_cast<std::size_t>(node)]), flags);
    for (int k = 0; k < 6; ++k) {
      if (flags[k] != 1) continue;
      const int eq = nodeFreedoms_.GetInt(rec, kNfEq + k);
      if (eq >= 1 && eq <= n_) band_[static_cast<std::size_t>(eq - 1) * w_] += penalty_;
    }
  }
  // Freedoms no bar reaches would make the matrix singular.
  for (int r = 0; r < n_; ++r)
    if (band_[static_cast<std::size_t>(r) * w_] == 0.0)
      band_[static_cast<std::size_t>(r) * w_] = 1.0;
}

void FEM_kaikki::BuildLoadVectors() {
  loadVectors_.assign(static_cast<std::size_t>(caseCount_),
                      std::vector<double>(static_cast<std::size_t>(n_), 0.0));
  // The axes of each bar are found once, not once per load on it.
  const int bars = barFreedoms_.Count();
  std::vector<BarFrame> frames(static_cast<std::size_t>(bars));
  BarRecordLookup barRecord(barFreedoms_);
  // The element loads are grouped by bar and case first, so that each is copied once,
  // straight into its group's place, for the results along the bars.
  std::vector<int> groupOfLoad(static_cast<std::size_t>(loads_.Count()), -1);
  for (int i = 0; i < loads_.Count(); ++i) {
    if (loads_.Kind(i) != FEM_KuormaVektori::kElementLoad) continue;
    const int c = CaseIndex(loads_.Case(i));
    const int r = c < 0 ? -1 : barRecord.Find(loads_.Target(i));
    if (r >= 0) groupOfLoad[static_cast<std::size_t>(i)] = r * caseCount_ + c;
  }
  GroupElementLoads(groupOfLoad);
  std::vector<int> placeOfLoad(static_cast<std::size_t>(loads_.Count()), -1);
  for (std::size_t k = 0; k < loadOrder_.size(); ++k)
    placeOfLoad[static_cast<std::size_t>(loadOrder_[k])] = static_cast<int>(k);
  groupedLoads_.resize(loadOrder_.size());

  for (int i = 0; i < loads_.Count(); ++i) {
    const int c = CaseIndex(loads_.Case(i));
    if (c < 0) continue;
    std::vector<double>& f = loadVectors_[static_cast<std::size_t>(c)];
    if (loads_.Kind(i) == FEM_KuormaVektori::kNodeLoad) {
      const int d = loads_.Direction(i);
      if (loads_.Type(i) != FEM_KuormaVektori::kPoint || d < 1 || d > 6) continue;
      const int node = nodes_.Find(loads_.Target(i));
      const int rec = node < 0 ? -1 : NodeFreedomOf(node);
      if (rec < 0) continue;
      f[static_cast<std::size_t>(nodeFreedoms_.GetInt(rec, kNfEq + d - 1) - 1)] += loads_.Q1(i);
    } else if (loads_.Kind(i) == FEM_KuormaVektori::kElementLoad) {
      const int g = groupOfLoad[static_cast<std::size_t>(i)];
      if (g < 0) continue;
      const int r = g / caseCount_;
      BarFrame& frame = frames[static_cast<std::size_t>(r)];
      if (!frame.found) {
        BarAxes(r, frame.lambda, frame.length);
        frame.found = true;
      }
      const FEM_Elementtikuorma load = FEM_ElementtiKuormat::LoadOf(loads_, i);
      groupedLoads_[static_cast<std::size_t>(placeOfLoad[static_cast<std::size_t>(i)])] = load;
      double F[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
      FEM_ElementtiKuormat::AddEquivalentNodalLoads(load, frame.lambda, frame.length, F);
      FEM_ratkaisija::Rotate(F, 12, frame.lambda, FEM_ratkaisija::kToGlobal);
      for (int k = 0; k < 12; ++k)
        f[static_cast<std::size_t>(barFreedoms_.GetInt(r, kBfEqI + k) - 1)] += F[k];
    }
  }
}

// A stable counting sort of the element loads by bar record and case.
void FEM_kaikki::GroupElementLoads(const std::vector<int>& groupOfLoad) {
  const std::size_t groups =
      static_cast<std::size_t>(barFreedoms_.Count()) * static_cast<std::size_t>(caseCount_);
  loadStart_.assign(groups + 1, 0);
  for (int g : groupOfLoad)
    if (g >= 0) ++loadStart_[static_cast<std::size_t>(g) + 1];
  for (std::size_t g = 0; g < groups; ++g) loadStart_[g + 1] += loadStart_[g];
  loadOrder_.assign(static_cast<std::size_t>(loadStart_[groups]), 0);
  std::vector<int> next(loadStart_.begin(), loadStart_.end() - 1);
  for (std::size_t i = 0; i < groupOfLoad.size(); ++i) {
    const int g = groupOfLoad[i];
    if (g < 0) continue;
    int& at = next[static_cast<std::size_t>(g)];
    loadOrder_[static_cast<std::size_t>(at++)] = static_cast<int>(i);
  }
}

bool FEM_kaikki::ElementLoadsOf(int record, int caseIndex, const int*& records, int& count) const {
  const std::size_t g = static_cast<std::size_t>(record) * static_cast<std::size_t>(caseCount_) +
                        static_cast<std::size_t>(caseIndex);
  if (record < 0 || caseIndex < 0 || caseIndex >= caseCount_ || g + 1 >= loadStart_.size())
    return false;
  records = loadOrder_.data() + loadStart_[g];
  count = loadStart_[g + 1] - loadStart_[g];
  return true;
}

int FEM_kaikki::Eliminate() {
  double* band = band_.data();
  int rc = FEM_ratkaisija::Factorise(band, n_, w_);
  if (rc < 0) {
    messages_.AddLine(kSolutionMessages, WithCode("Gaussin eliminoinnissa virhe", rc));
    return rc;
  }
  // The vectors lie apart, so each goes through the kernels on its own.
  for (std::vector<double>& f : loadVectors_) {
    rc = FEM_ratkaisija::Forward(band, f.data(), n_, w_, 1);
    if (rc < 0) {
      messages_.AddLine(kSolutionMessages, WithCode("Taaksepäin sijoituksessa virhe", rc));
      return rc;
    }
  }
  for (std::vector<double>& f : loadVectors_) {
    rc = FEM_ratkaisija::Back(band, f.data(), n_, w_, 1);
    if (rc < 0) {
      messages_.AddLine(kSolutionMessages, WithCode("Siirtymien ratkaisussa virhe", rc));
      return rc;
    }
  }
  return 0;
}

int FEM_kaikki::BarFreedomOf(int barNumber) const {
  // The records follow the bars, which are kept in ascending number: the first record of
  // the number is found by halves.
  int lo = 0, hi = barFreedoms_.Count();
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (barFreedoms_.GetInt(mid, kBfBar) < barNumber)
      lo = mid + 1;
    else
      hi = mid;
  }
  if (lo < barFreedoms_.Count() && barFreedoms_.GetInt(lo, kBfBar) == barNumber) return lo;
  // Not where the order puts it: looked for the slow way all the same.
  for (int r = 0; r < barFreedoms_.Count(); ++r)
    if (barFreedoms_.GetInt(r, kBfBar) == barNumber) return r;
  return -1;
}

int FEM_kaikki::NodeFreedomOf(int nodeIndex) const {
  if (nodeIndex < 0 || nodeIndex >= static_cast<int>(recordOfNode_.size())) return -1;
  return recordOfNode_[static_cast<std::size_t>(nodeIndex)];
}

int FEM_kaikki::CaseIndex(int caseNumber) const {
  const std::vector<double>& list = loads_.CaseList().Values();
  const auto it = std::lower_bound(list.begin(), list.end(), static_cast<double>(caseNumber));
  if (it == list.end() || *it != caseNumber) return -1;
  return static_cast<int>(it - list.begin());
}

void FEM_kaikki::BarAxes(int record, double lambda[3][3], double& length) const {
  const int ni = barFreedoms_.GetInt(record, kBfNodeIIndex);
  const int nj = barFreedoms_.GetInt(record, kBfNodeJIndex);
  const double p[3] = {nodes_.X(ni), nodes_.Y(ni), nodes_.Z(ni)};
  const double q[3] = {nodes_.X(nj), nodes_.Y(nj), nodes_.Z(nj)};
  length = std::sqrt((q[0] - p[0]) * (q[0] - p[0]) + (q[1] - p[1]) * (q[1] - p[1]) +
                     (q[2] - p[2]) * (q[2] - p[2]));
  const double beta = bars_.Beta(barFreedoms_.GetInt(record, kBfBarIndex)) +
                      materials_.Beta0(barFreedoms_.GetInt(record, kBfProfileIndex));
  FEM_ratkaisija::Transformation(p, q, beta, lambda);
}

void FEM_kaikki::BarStiffness(int record, double length, double k[78]) const {
  const int m = barFreedoms_.GetInt(record, kBfMaterialIndex);
  const int p = barFreedoms_.GetInt(record, kBfProfileIndex);
  FEM_ratkaisija::ElementStiffness(materials_.Iz(p), materials_.Iy(p), materials_.It(p),
                                   materials_.Area(p), materials_.E(m), materials_.G(m), length, k);
}

void FEM_kaikki::BarLocalDisplacements(int record, int caseIndex, const double lambda[3][3],
                                       double u[12]) const {
  const std::vector<double>& d = loadVectors_[static_cast<std::size_t>(caseIndex)];
  for (int k = 0; k < 12; ++k)
    u[k] = d[static_cast<std::size_t>(barFreedoms_.GetInt(record, kBfEqI + k) - 1)];
  FEM_ratkaisija::Rotate(u, 12, lambda, FEM_ratkaisija::kToLocal);
}

double FEM_kaikki::BarLength(int barNumber) const {
  const int b = bars_.Find(barNumber);
  if (b < 0) return 0.0;
  const int ni = nodes_.Find(bars_.NodeI(b)), nj = nodes_.Find(bars_.NodeJ(b));
  if (ni < 0 || nj < 0) return 0.0;
  const double dx = nodes_.X(nj) - nodes_.X(ni), dy = nodes_.Y(nj) - nodes_.Y(ni),
               dz = nodes_.Z(nj) - nodes_.Z(ni);
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

std::vector<FEM_kaikki::LoadPosition> FEM_kaikki::LoadPositionsOf(int barNumber) const {
  std::vector<LoadPosition> positions;
  const double length = BarLength(barNumber);
  auto add = [&](const FEM_Elementtikuorma& load, int caseNumber) {
    double at[2];
    bool jump = false;
    const int n = FEM_ElementtiKuormat::LawChanges(load, length, at, jump);
    for (int k = 0; k < n; ++k) positions.push_back({at[k], jump, caseNumber});
  };
  // The loads grouped by bar and case when the solution has them (a long member has as many
  // bars as loads); otherwise every load is looked at.
  const int r = status_ >= 0 ? BarFreedomOf(barNumber) : -1;
  bool grouped = r >= 0 && caseCount_ > 0;
  for (int c = 0; grouped && c < caseCount_; ++c) {
    const int* records = nullptr;
    int count = 0;
    grouped = ElementLoadsOf(r, c, records, count);
    for (int j = 0; grouped && j < count; ++j)
      add(GroupedLoadsOf(records)[j], loads_.Case(records[j]));
  }
  if (!grouped) {
    positions.clear();
    for (int i = 0; i < loads_.Count(); ++i) {
      if (loads_.Kind(i) == FEM_KuormaVektori::kElementLoad && loads_.Target(i) == barNumber)
        add(FEM_ElementtiKuormat::LoadOf(loads_, i), loads_.Case(i));
    }
  }
  // A jump and a change of law at the same place are a jump.
  std::sort(positions.begin(), positions.end(), [](const LoadPosition& a, const LoadPosition& b) {
    if (a.s != b.s) return a.s < b.s;
    if (a.caseNumber != b.caseNumber) return a.caseNumber < b.caseNumber;
    return a.jump && !b.jump;
  });
  positions.erase(std::unique(positions.begin(), positions.end(),
                              [](const LoadPosition& a, const LoadPosition& b) {
                                return a.s == b.s && a.caseNumber == b.caseNumber;
                              }),
                  positions.end());
  return positions;
}

std::vector<FEM_Elementtikuorma> FEM_kaikki::ElementLoadsOfBar(int barNumber,
                                                               int caseNumber) const {
  std::vector<FEM_Elementtikuorma> loads;
  for (int i = 0; i < loads_.Count(); ++i) {
    if (loads_.Case(i) == caseNumber && loads_.Kind(i) == FEM_KuormaVektori::kElementLoad &&
        loads_.Target(i) == barNumber)
      loads.push_back(FEM_ElementtiKuormat::LoadOf(loads_, i));
  }
  return loads;
}

bool FEM_kaikki::SolvedBarCase(int barNumber, int caseNumber, int& record, int& caseIndex) const {
  if (status_ < 0) return false;
  record = BarFreedomOf(barNumber);
  caseIndex = CaseIndex(caseNumber);
  return record >= 0 && caseIndex >= 0 && caseIndex < static_cast<int>(loadVectors_.size());
}

void FEM_kaikki::BarEndForces(int r, int c, int barNumber, int caseNumber, double lambda[3][3],
                              double& length, double out[12]) const {
  double k[78], u[12], F[12];
  BarAxes(r, lambda, length);
  BarStiffness(r, length, k);
  BarLocalDisplacements(r, c, lambda, u);
  const int* records = nullptr;
  int count = 0;
  if (ElementLoadsOf(r, c, records, count)) {
    FEM_ElementtiKuormat::EquivalentNodalLoads(GroupedLoadsOf(records), count, lambda, length, F);
  } else {
    FEM_ElementtiKuormat::EquivalentNodalLoads(loads_, barNumber, caseNumber, lambda, length, F);
  }
  for (int i = 0; i < 12; ++i) {
    double s = -F[i];
    for (int j = 0; j < 12; ++j) s += k[FEM_ratkaisija::PackedIndex(i, j)] * u[j];
    out[i] = s;
  }
}

int FEM_kaikki::EndForces(int barNumber, int caseNumber, std::array<double, 12>& out,
                          QELvektori* points) const {
  out.fill(0.0);
  int r = -1, c = -1;
  if (!SolvedBarCase(barNumber, caseNumber, r, c)) return -1;
  double lambda[3][3], length;
  BarEndForces(r, c, barNumber, caseNumber, lambda, length, out.data());
  if (points != nullptr) {
    FEM_ElementtiKuormat::SetEndForceParts(out.data(), length, *points);
    const int* records = nullptr;
    int count = 0;
    if (ElementLoadsOf(r, c, records, count))
      FEM_ElementtiKuormat::AddInternalForcesOfRecords(loads_, records, count, lambda, length,
                                                       *points);
    else
      FEM_ElementtiKuormat::AddInternalForces(loads_, barNumber, caseNumber, lambda, length,
                                              *points);
  }
  return 0;
}

int FEM_kaikki::InternalForcesAt(int barNumber, int caseNumber, const double* xi, int count,
                                 double* values) const {
  for (int k = 0; k < 6 * count; ++k) values[k] = 0.0;
  int r = -1, c = -1;
  if (!SolvedBarCase(barNumber, caseNumber, r, c)) return -1;
  double lambda[3][3], length, f[12];
  BarEndForces(r, c, barNumber, caseNumber, lambda, length, f);
  FEM_ElementtiKuormat::SetEndForceParts(f, length, xi, count, values);
  const int* records = nullptr;
  int n = 0;
  if (ElementLoadsOf(r, c, records, n)) {
    FEM_ElementtiKuormat::AddInternalForces(GroupedLoadsOf(records), n, lambda, length, xi, count,
                                            values);
  } else {
    const std::vector<FEM_Elementtikuorma> loads = ElementLoadsOfBar(barNumber, caseNumber);
    FEM_ElementtiKuormat::AddInternalForces(loads.data(), static_cast<int>(loads.size()), lambda,
                                            length, xi, count, values);
  }
  return 0;
}

int FEM_kaikki::LocalDisplacements(int barNumber, int caseNumber, std::array<double, 12>& out,
                                   QELvektori* points) const {
  out.fill(0.0);
  int r = -1, c = -1;
  if (!SolvedBarCase(barNumber, caseNumber, r, c)) return -1;
  double lambda[3][3], length;
  BarAxes(r, lambda, length);
  BarLocalDisplacements(r, c, lambda, out.data());
  if (points != nullptr) {
    const int m = barFreedoms_.GetInt(r, kBfMaterialIndex);
    const int p = barFreedoms_.GetInt(r, kBfProfileIndex);
    FEM_ElementtiKuormat::SetEndDisplacementParts(out.data(), length, *points);
    const int* records = nullptr;
    int count = 0;
    if (ElementLoadsOf(r, c, records, count))
      FEM_ElementtiKuormat::AddDisplacementsOfRecords(loads_, records, count, lambda, length,
                                                      materials_.E(m), materials_.Area(p),
                                                      materials_.Iz(p), materials_.Iy(p), *points);
    else
      FEM_ElementtiKuormat::AddDisplacements(loads_, barNumber, caseNumber, lambda, length,
                                             materials_.E(m), materials_.Area(p), materials_.Iz(p),
                                             materials_.Iy(p), *points);
  }
  return 0;
}

int FEM_kaikki::DisplacementsAt(int barNumber, int caseNumber, const double* xi, int count,
                                double* values) const {
  for (int k = 0; k < 3 * count; ++k) values[k] = 0.0;
  int r = -1, c = -1;
  if (!SolvedBarCase(barNumber, caseNumber, r, c)) return -1;
  double lambda[3][3], length, u[12];
  BarAxes(r, lambda, length);
  BarLocalDisplacements(r, c, lambda, u);
  const int m = barFreedoms_.GetInt(r, kBfMaterialIndex);
  const int p = barFreedoms_.GetInt(r, kBfProfileIndex);
  const double E = materials_.E(m), A = materials_.Area(p), Iz = materials_.Iz(p),
               Iy = materials_.Iy(p);
  FEM_ElementtiKuormat::SetEndDisplacementParts(u, length, xi, count, values);
  const int* records = nullptr;
  int n = 0;
  if (ElementLoadsOf(r, c, records, n)) {
    FEM_ElementtiKuormat::AddDisplacements(GroupedLoadsOf(records), n, lambda, length, E, A, Iz, Iy,
                                           xi, count, values);
  } else {
    const std::vector<FEM_Elementtikuorma> loads = ElementLoadsOfBar(barNumber, caseNumber);
    FEM_ElementtiKuormat::AddDisplacements(loads.data(), static_cast<int>(loads.size()), lambda,
                                           length, E, A, Iz, Iy, xi, count, values);
  }
  return 0;
}

// The penalty spring's force on the node, reversed: what the support gives.
int FEM_kaikki::Reactions(int supportNumber, int caseNumber, std::array<double, 6>& out) const {
  out.fill(0.0);
  if (status_ < 0) return -1;
  const int s = supports_.Find(supportNumber), c = CaseIndex(caseNumber);
  if (s < 0 || c < 0 || c >= static_cast<int>(loadVectors_.size())) return -1;
  const int node = nodes_.Find(supports_.Node(s));
  const int rec = node < 0 ? -1 : NodeFreedomOf(node);
  if (rec < 0) return -1;
  int flags[6];
  FEM_KoodinLiput(supports_.Code(firstSupportOfNode_[static_cast<std::size_t>(node)]), flags);
  const std::vector<double>& d = loadVectors_[static_cast<std::size_t>(c)];
  for (int k = 0; k < 6; ++k) {
    const int eq = nodeFreedoms_.GetInt(rec, kNfEq + k);
    if (flags[k] == 1 && eq >= 1 && eq <= n_)
      out[static_cast<std::size_t>(k)] = -penalty_ * d[static_cast<std::size_t>(eq - 1)];
  }
  return 0;
}
