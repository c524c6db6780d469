// Validation of the read frame model: every failing check leaves its message and code.
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "analysis/fem/FEM_kaikki.h"

namespace {

const char* const kTooManyMessages = "Liikaa ilmoituksia, loput jätetty pois";

// How many records share each number in the first integer field.
std::unordered_map<int, int> NumberCounts(const QELvektori& v) {
  std::unordered_map<int, int> counts;
  counts.reserve(static_cast<std::size_t>(v.Count()));
  for (int i = 0; i < v.Count(); ++i) ++counts[v.GetInt(i, 0)];
  return counts;
}

int OthersWithSameNumber(const std::unordered_map<int, int>& counts, int number) {
  const auto it = counts.find(number);
  return it == counts.end() ? 0 : it->second - 1;
}

}  // namespace

int FEM_kaikki::Validate() {
  pending_.clear();
  pendingSection_ = -1;
  pendingInSection_ = 0;
  int result = 0;
  ValidateNodes(result);
  ValidateBars(result);
  ValidateSupports(result);
  ValidateLoads(result);
  ValidateMaterials(result);
  ValidateCouplings(result);

  // Built in one go: the sections come in ascending order, each header before its first line.
  std::vector<std::string> lines;
  lines.reserve(pending_.size() + 8);
  int current = -1;
  for (const auto& [section, text] : pending_) {
    if (section != current) {
      lines.push_back(CSVTiedosto::HeaderLine(section));
      current = section;
    }
    lines.push_back(text);
  }
  pending_.clear();
  messages_.TakeLines(lines);
  return result;
}

void FEM_kaikki::AddMessage(int section, const std::string& text, int code, int& result,
                            int times) {
  if (times <= 0) return;
  result = code;
  // Sections arrive in ascending order, so one running count per section is enough.
  if (section != pendingSection_) {
    pendingSection_ = section;
    pendingInSection_ = 0;
  }
  if (pendingInSection_ > kMaxMessages) return;
  const int room = kMaxMessages - pendingInSection_;
  const int n = times < room ? times : room;
  for (int k = 0; k < n; ++k) pending_.emplace_back(section, text);
  pendingInSection_ += n;
  if (times > room) {
    pending_.emplace_back(section, kTooManyMessages);
    ++pendingInSection_;
  }
}

void FEM_kaikki::ValidateNodes(int& result) {
  const auto counts = NumberCounts(nodes_);
  // Each record is compared with every other, so a repeated number speaks once per pair
  // direction.
  for (int i = 0; i < nodes_.Count(); ++i)
    AddMessage(kNodeMessages, "Päällekkäisiä solmunumeroita", -101, result,
               OthersWithSameNumber(counts, nodes_.Number(i)));
  if (nodes_.Count() < 2) AddMessage(kNodeMessages, "Solmuja liian vähän (< 2)", -102, result);
}

void FEM_kaikki::ValidateBars(int& result) {
  const auto counts = NumberCounts(bars_);
  for (int i = 0; i < bars_.Count(); ++i) {
    AddMessage(kBarMessages, "Päällekkäisiä sauvanumeroita", -201, result,
               OthersWithSameNumber(counts, bars_.Number(i)));
    const int ni = nodes_.Find(bars_.NodeI(i));
    const int nj = nodes_.Find(bars_.NodeJ(i));
    if (ni < 0) AddMessage(kBarMessages, "Sauvan alkusolmun numero virheellinen", -202, result);
    if (nj < 0) AddMessage(kBarMessages, "Sauvan loppusolmun numero virheellinen", -202, result);
    if (materials_.FindMaterial(bars_.Material(i)) < 0)
      AddMessage(kBarMessages, "Sauvan materiaalin numero virheellinen", -203, result);
    if (materials_.FindProfile(bars_.Profile(i)) < 0)
      AddMessage(kBarMessages, "Sauvan profiilin numero virheellinen", -204, result);
    if (!FEM_KoodiKelpaa(bars_.ReleaseI(i)))
      AddMessage(kBarMessages, "Sauvan vapautusmerkintä virheellinen", -205, result);
    if (!FEM_KoodiKelpaa(bars_.ReleaseJ(i)))
      AddMessage(kBarMessages, "Sauvan vapautusmerkintä virheellinen", -205, result);
    // A bar with a missing node has already been named; its length means nothing.
    if (ni >= 0 && nj >= 0) {
      const double dx = nodes_.X(nj) - nodes_.X(ni);
      const double dy = nodes_.Y(nj) - nodes_.Y(ni);
      const double dz = nodes_.Z(nj) - nodes_.Z(ni);
      if (!(std::hypot(dx, std::hypot(dy, dz)) > 0.0))
        AddMessage(kBarMessages, "Sauvan pituus = 0", -206, result);
    }
  }
  if (bars_.Count() < 1) AddMessage(kBarMessages, "Sauvoja liian vähän (<1)", -207, result);
}

void FEM_kaikki::ValidateSupports(int& result) {
  const auto counts = NumberCounts(supports_);
  for (int i = 0; i < supports_.Count(); ++i) {
    AddMessage(kSupportMessages, "Päällekkäisiä tukinumeroita", -301, result,
               OthersWithSameNumber(counts, supports_.Number(i)));
    if (nodes_.Find(supports_.Node(i)) < 0)
      AddMessage(kSupportMessages, "Tuen solmunumero virheellinen", -302, result);
    if (!FEM_KoodiKelpaa(supports_.Code(i)))
      AddMessage(kSupportMessages, "Tuen tuentamerkintä virheellinen", -305, result);
  }
  if (supports_.Count() < 1) AddMessage(kSupportMessages, "Tuentoja liian vähän", -306, result);
}

void FEM_kaikki::ValidateLoads(int& result) {
  for (int i = 0; i < loads_.Count(); ++i) {
    const int kind = loads_.Kind(i);
    const int type = loads_.Type(i);
    const long long direction = loads_.Direction(i);
    const bool nodeLoad = kind == FEM_KuormaVektori::kNodeLoad;
    const bool elementLoad = kind == FEM_KuormaVektori::kElementLoad;
    if (!nodeLoad && !elementLoad)
      AddMessage(kLoadMessages, "Tuntematon kuormalaji (ei solmu/elementtikuorma)", -401, result);
    if (type < 1 || type > 3)
      AddMessage(kLoadMessages, "Tuntematon kuormatyyppi (ei piste,viiva tai trapetsi)", -402,
                 result);
    if (nodeLoad && nodes_.Find(loads_.Target(i)) < 0)
      AddMessage(kLoadMessages, "Kuorman solmunumero väärin", -403, result);
    if (elementLoad && bars_.Find(loads_.Target(i)) < 0)
      AddMessage(kLoadMessages, "Kuorman elementtinumero väärin", -404, result);
    if (nodeLoad && (direction < 1 || direction > 6))
      AddMessage(kLoadMessages, "Solmukuorman suunta väärin (oltava 1-6)", -405, result);
    if (elementLoad && (direction == 0 || std::llabs(direction) > 6))
      AddMessage(kLoadMessages, "Elementtikuorman suunta väärin (oltava (+-)1-6)", -406, result);
  }
  if (loads_.Count() < 1) AddMessage(kLoadMessages, "Kuormia liian vähän (<1)", -407, result);
}

void FEM_kaikki::ValidateMaterials(int& result) {
  if (materials_.CountType(FEM_MateriaaliVektori::kMaterialType) < 1)
    AddMessage(kMaterialMessages, "Materiaaleja ei ole määritelty", -501, result);
  if (materials_.CountType(FEM_MateriaaliVektori::kProfileType) < 1)
    AddMessage(kProfileMessages, "Sauvojen profiileja ei ole määritelty", -601, result);
}

void FEM_kaikki::ValidateCouplings(int& result) {
  for (int i = 0; i < couplings_.Count(); ++i) {
    if (nodes_.Find(couplings_.Slave(i)) < 0)
      AddMessage(kCouplingMessages, "Kytkennän solmunumero väärin", -701, result);
    if (nodes_.Find(couplings_.Master(i)) < 0)
      AddMessage(kCouplingMessages, "Kytkennän solmunumero väärin", -701, result);
    if (!FEM_KoodiKelpaa(couplings_.Code(i)))
      AddMessage(kCouplingMessages, "Kytkennän tuentamerkinta virheellinen", -702, result);
  }
}
