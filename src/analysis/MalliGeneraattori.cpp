// Analysis input text of the member and its loads, and the read-validate-solve run on it.
#include "analysis/MalliGeneraattori.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "analysis/fem/FEM_Vektorit.h"
#include "model/CSVTiedosto.h"
#include "model/NumberText.h"
#include "project/ProjectOwnWeight.h"

namespace {

constexpr int kConnected = FEM_SauvaVektori::kRigidEnd;
constexpr int kHingeEnd = FEM_SauvaVektori::kHingedEnd;
// The one material and the one profile every bar refers to.
constexpr int kMaterialNumber = 1;
constexpr int kProfileNumber = 1;
constexpr double kDefaultLoadWidth = 1000.0;
constexpr int kNodeDecimals = 9;  // node coordinates, mm
constexpr double kPi = 3.14159265358979323846;

void AppendInt(std::string& s, int v) {
  char buf[16];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  if (ec == std::errc()) s.append(buf, end);
  s += ';';
}

// As qv::FormatFixed writes it, without a string of its own for every number.
void AppendReal(std::string& s, double v, int decimals) {
  char buf[400];
  const auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  if (ec == std::errc()) {
    s.append(buf, end);
  } else {
    s += qv::FormatFixed(v, decimals);
  }
  s += ';';
}

// The last ';' added by the append helpers goes; the fixed tail follows instead.
std::string Finish(const std::string& s, const char* tail) {
  const std::size_t kept = !s.empty() && s.back() == ';' ? s.size() - 1 : s.size();
  std::string line;
  line.reserve(kept + std::char_traits<char>::length(tail));
  line.append(s, 0, kept);
  line += tail;
  return line;
}

}  // namespace

MalliGeneraattori::MalliGeneraattori(const RakenneVektori& member, const KuormaVektori& loads)
    : member_(member), loads_(loads) {
  // A vertical or horizontal member must get exact zeros: they decide which load
  // components are written at all, and a column must stand at X = 0 exactly.
  const double angle = member.Angle;
  if (angle == 90.0) {
    cos_ = 0.0;
    sin_ = 1.0;
  } else if (angle != 0.0) {
    cos_ = std::cos(angle * kPi / 180.0);
    sin_ = std::sin(angle * kPi / 180.0);
  }
}

std::vector<std::string> MalliGeneraattori::Generate() {
  lines_.clear();
  loadNumber_ = 1;
  supportNumber_ = 1;
  CollectNodes();
  lines_.reserve(EstimatedLineCount());
  WriteNodes();
  WriteBars();
  WriteSupports();
  WriteLoads();
  WriteStiffness();
  Header(FEM_kaikki::kEndSection);
  return std::move(lines_);
}

void MalliGeneraattori::Header(int section) { lines_.push_back(CSVTiedosto::HeaderLine(section)); }

void MalliGeneraattori::CollectNodes() {
  // Equal positions give one node; any difference, however small, gives two.
  // Sorted once: added one by one in order, a member of 100 000 supports would be walked
  // once per point.
  nodeX_.clear();
  nodeX_.reserve(static_cast<std::size_t>(member_.Count()) + 2);
  nodeX_.push_back(0.0);
  nodeX_.push_back(member_.Length);
  for (int i = 0; i < member_.Count(); ++i) nodeX_.push_back(member_.X(i));
  std::sort(nodeX_.begin(), nodeX_.end());
  nodeX_.erase(std::unique(nodeX_.begin(), nodeX_.end()), nodeX_.end());
}

std::size_t MalliGeneraattori::EstimatedLineCount() const {
  // A distributed load writes one line per bar it covers, a point load at most two.
  std::size_t count = 3 * nodeX_.size() + 16;
  for (int i = 0; i < loads_.Count(); ++i) {
    if (loads_.Kind(i) == KuormaVektori::kPoint) {
      count += 2;
    } else {
      const auto from = std::upper_bound(nodeX_.begin(), nodeX_.end(), loads_.X1(i));
      const auto to = std::upper_bound(nodeX_.begin(), nodeX_.end(), loads_.X2(i));
      count += to > from ? static_cast<std::size_t>(to - from) + 1 : nodeX_.size();
    }
  }
  return count;
}

int MalliGeneraattori::NodeAt(double x) const {
  const auto it = std::lower_bound(nodeX_.begin(), nodeX_.end(), x);
  if (it == nodeX_.end() || *it != x) return -1;
  return static_cast<int>(it - nodeX_.begin());
}

void MalliGeneraattori::WriteNodes() {
  Header(FEM_kaikki::kNodesSection);
  for (std::size_t i = 0; i < nodeX_.size(); ++i) {
    std::string& s = NewLine();
    AppendInt(s, static_cast<int>(i) + 1);
    // Nine decimals keep the nodes of an inclined member on one straight line. Rounded to
    // 0.001 mm the bars meet at kinks of about 1e-7 rad, and under the unit stiffness the
    // large swing of a hinge turns such a kink into a false axial force (and reactions
    // that lean off the member) of a few per cent of the shear.
    AppendReal(s, nodeX_[i] * cos_, kNodeDecimals);
    AppendReal(s, nodeX_[i] * sin_, kNodeDecimals);
    lines_.push_back(Finish(s, ";0"));
  }
}

void MalliGeneraattori::WriteBars() {
  Header(FEM_kaikki::kBarsSection);
  const int bars = static_cast<int>(nodeX_.size()) - 1;
  for (int j = 0; j < bars; ++j) {
    // A hinge releases the end of the bar on its left only; the bar on its right stays
    // connected, so the hinge node keeps one rotation of its own.
    const bool hingeAtStart =
        j == 0 && member_.FindPoint(RakenneVektori::kHinge, 0.0, kPointTolerance) >= 0;
    const bool hingeAtEnd =
        member_.FindPoint(RakenneVektori::kHinge, nodeX_[static_cast<std::size_t>(j) + 1],
                          kPointTolerance) >= 0;
    std::string& s = NewLine();
    AppendInt(s, j + 1);
    AppendInt(s, j + 1);
    AppendInt(s, j + 2);
    AppendInt(s, kMaterialNumber);
    AppendInt(s, kProfileNumber);
    AppendInt(s, hingeAtStart ? kHingeEnd : kConnected);
    AppendInt(s, hingeAtEnd ? kHingeEnd : kConnected);
    lines_.push_back(Finish(s, ";0;0;0"));
  }
}

int MalliGeneraattori::SupportCode(int code, int s) const {
  int flags[6];
  FEM_KoodinLiput(code, flags);
  const bool rxFree = flags[3] != 1;
  const bool ryFree = flags[4] != 1;
  const double angle = member_.Angle;
  // Twisting about the member axis must be held somewhere: at every support when that
  // axis is a global one, at the first support for an inclined member.
  if (angle == 0.0 && rxFree) return code + 100;
  if (angle == 90.0 && ryFree) return code + 10;
  if (s == 1 && angle > 0.0 && angle < 90.0 && rxFree) return code + 100;
  return code;
}

void MalliGeneraattori::WriteSupports() {
  Header(FEM_kaikki::kSupportsSection);
  for (std::size_t i = 0; i < nodeX_.size(); ++i) {
    const int k = member_.FindPoint(RakenneVektori::kSupport, nodeX_[i], kPointTolerance);
    if (k < 0) continue;
    std::string& s = NewLine();
    AppendInt(s, supportNumber_);
    AppendInt(s, static_cast<int>(i) + 1);
    AppendInt(s, SupportCode(member_.Code(k), supportNumber_));
    lines_.push_back(Finish(s, ""));
    ++supportNumber_;
  }
}

void MalliGeneraattori::WriteLoads() {
  Header(FEM_kaikki::kLoadsSection);
  for (int i = 0; i < loads_.Count(); ++i) {
    switch (loads_.Kind(i)) {
      case KuormaVektori::kPoint:
        WritePointLoad(i);
        break;
      case KuormaVektori::kLine:
      case KuormaVektori::kSurface:
        WriteDistributedLoad(i);
        break;
      default:
        break;  // not a load kind this program knows
    }
  }
}

void MalliGeneraattori::WriteNodeLoad(int caseNumber, int node, int direction, double value) {
  std::string& s = NewLine();
  AppendInt(s, loadNumber_++);
  AppendInt(s, caseNumber);
  AppendInt(s, FEM_KuormaVektori::kNodeLoad);
  AppendInt(s, FEM_KuormaVektori::kPoint);
  AppendInt(s, node);
  AppendInt(s, direction);
  AppendReal(s, value, 1);
  lines_.push_back(Finish(s, ";0;0;0"));
}

void MalliGeneraattori::WritePointLoad(int i) {
  const int caseNumber = loads_.LoadCase(i) + 1;
  int d = loads_.Direction(i);
  const double q = loads_.Q1(i);
  const double x = loads_.X1(i);
  const int node = NodeAt(x);
  if (node >= 0) {
    // Node loads are global only: local components are split by the member angle.
    if (d == -3 || d == -6) d = -d;  // local z is global Z for a member in the XY plane
    if (d == -1 || d == -4) {
      const int y = d == -1 ? 2 : 5;
      if (q * sin_ != 0.0) WriteNodeLoad(caseNumber, node + 1, y, q * sin_);
      if (q * cos_ != 0.0) WriteNodeLoad(caseNumber, node + 1, y - 1, q * cos_);
    } else if (d == -2 || d == -5) {
      const int y = d == -2 ? 2 : 5;
      if (q * cos_ != 0.0) WriteNodeLoad(caseNumber, node + 1, y, q * cos_);
      if (q * sin_ != 0.0) WriteNodeLoad(caseNumber, node + 1, y - 1, -q * sin_);
    } else {
      // 1..6; any other code goes as it stands so that validation names it.
      WriteNodeLoad(caseNumber, node + 1, d, q);
    }
    return;
  }
  // Not at a node: strictly inside one bar, or outside the member.
  const auto it = std::upper_bound(nodeX_.begin(), nodeX_.end(), x);
  if (it == nodeX_.begin() || it == nodeX_.end()) return;
  const int j = static_cast<int>(it - nodeX_.begin()) - 1;
  std::string& s = NewLine();
  AppendInt(s, loadNumber_++);
  AppendInt(s, caseNumber);
  AppendInt(s, FEM_KuormaVektori::kElementLoad);
  AppendInt(s, FEM_KuormaVektori::kPoint);
  AppendInt(s, j + 1);
  AppendInt(s, d);
  AppendReal(s, q, 1);
  s += "0;";
  AppendReal(s, x - nodeX_[static_cast<std::size_t>(j)], 3);
  lines_.push_back(Finish(s, ";0"));
}

void MalliGeneraattori::WriteDistributedLoad(int i) {
  const int caseNumber = loads_.LoadCase(i) + 1;
  const int d = loads_.Direction(i);
  const int projection = loads_.RefLength(i);
  double q1 = loads_.Q1(i);
  double q2 = loads_.Q2(i);
  double x1 = loads_.X1(i);
  double x2 = loads_.X2(i);
  const double length = member_.Length;

  if (loads_.Kind(i) == KuormaVektori::kSurface) {
    const double w = member_.LoadWidth > 0.0 ? member_.LoadWidth : kDefaultLoadWidth;
    q1 *= w;
    q2 *= w;
  }
  // A load per projection becomes a load per member length.
  if (projection == KuormaVektori::kPerHorizontal && d == 2) {
    q1 *= cos_;
    q2 *= cos_;
  } else if (projection == KuormaVektori::kPerVertical && d == 1) {
    q1 *= sin_;
    q2 *= sin_;
  }

  // Positions as the load dialog reads them: negative start = member start, negative end =
  // member end, an end before the start swaps the two; the part past L is cut off there.
  if (x1 < 0.0) x1 = 0.0;
  if (x2 < 0.0) x2 = length;
  if (x2 < x1) std::swap(x1, x2);
  if (!(x2 > x1) || !(x1 < length)) return;
  if (x2 > length) {
    q2 = q1 + (length - x1) * (q2 - q1) / (x2 - x1);
    x2 = length;
  }

  // Start bar: x_j <= x1 < x_j+1; end bar: x_j < x2 <= x_j+1.
  const int bars = static_cast<int>(nodeX_.size()) - 1;
  const int first =
      static_cast<int>(std::upper_bound(nodeX_.begin(), nodeX_.end(), x1) - nodeX_.begin()) - 1;
  const int last =
      static_cast<int>(std::lower_bound(nodeX_.begin(), nodeX_.end(), x2) - nodeX_.begin()) - 1;
  if (first < 0 || last < 0 || first >= bars || last >= bars || last < first) return;

  const double slope = (q2 - q1) / (x2 - x1);
  for (int j = first; j <= last; ++j) {
    const double xj = nodeX_[static_cast<std::size_t>(j)];
    const double xk = nodeX_[static_cast<std::size_t>(j) + 1];
    double a = x1 - xj;
    double b = x2 - xj;
    double qa = q1;
    double qb = q2;
    if (a < 0.0) {
      a = 0.0;
      qa = q1 + (xj - x1) * slope;
    }
    if (b > xk - xj) {
      b = xk - xj;
      qb = q1 + (xk - x1) * slope;
    }
    std::string& s = NewLine();
    AppendInt(s, loadNumber_++);
    AppendInt(s, caseNumber);
    AppendInt(s, FEM_KuormaVektori::kElementLoad);
    AppendInt(s, FEM_KuormaVektori::kTrapezoid);
    AppendInt(s, j + 1);
    AppendInt(s, d);
    AppendReal(s, qa, 5);
    AppendReal(s, qb, 5);
    AppendReal(s, a, 3);
    AppendReal(s, b, 3);
    lines_.push_back(Finish(s, ""));
  }
}

void MalliGeneraattori::WriteStiffness() {
  // Unit stiffness: internal forces of one prismatic member do not depend on it, and the
  // displacements are scaled to the real section and material afterwards.
  Header(FEM_kaikki::kMaterialsSection);
  std::string& m = NewLine();
  AppendInt(m, FEM_MateriaaliVektori::kMaterialType);
  AppendInt(m, kMaterialNumber);
  lines_.push_back(m + qv::FormatFixed(1.0, 0) + ";1;1;1;1;1;1;1;1;1");
  Header(FEM_kaikki::kProfilesSection);
  std::string& p = NewLine();
  AppendInt(p, FEM_MateriaaliVektori::kProfileType);
  AppendInt(p, kProfileNumber);
  lines_.push_back(p + qv::FormatFixed(1.0, 0) + ";1.0;1.0;" + qv::FormatFixed(1.0, 0) +
                   ";0;0;0;0;0;0");
}

std::vector<std::string> GenerateAnalysisInput(const RakenneVektori& member,
                                               const KuormaVektori& loads) {
  MalliGeneraattori generator(member, loads);
  return generator.Generate();
}

std::vector<std::string> GenerateAnalysisInput(const QELVUX_data& project) {
  const qv::ProjectOwnWeight weight = qv::OwnWeightOf(project);
  if (!weight.Applies()) return GenerateAnalysisInput(project.Member, project.Loads);
  // The own weight goes in as the very record a hand-typed uniform line load would be, at
  // the place it would take among the loads: the two cannot give different numbers.
  KuormaVektori loads = project.Loads;
  qv::AddOwnWeightRecord(loads, weight, project.Member.Length);
  return GenerateAnalysisInput(project.Member, loads);
}

std::string OwnWeightAnalysisProblem(const QELVUX_data& project) {
  if (!project.Loads.OwnWeight.on) return std::string();
  return qv::OwnWeightOf(project).problem;
}
