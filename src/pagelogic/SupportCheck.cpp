// Support check of the member: rigid-body restraint, hinges at the ends, chains of hinges.
#include "pagelogic/SupportCheck.h"

#include <algorithm>
#include <vector>

#include "project/QELVUX_data.h"

namespace qv {

const char* const kSupportNotEnough = "Palkkia ei ole tuettu riittävästi!";
const char* const kStartUnsupported = "Rakenteen alkupää tukematta!";
const char* const kEndUnsupported = "Rakenteen loppupää tukematta!";
const char* const kHingeChain = "Rakenteen sisällä nivelketju!";

namespace {

using RV = RakenneVektori;

// Counts of supports holding global X and Y, and the restraints beyond the two
// translations of a rigid body (the one against turning, and the spare ones).
struct Restraint {
  int nX = 0;
  int nY = 0;
  int surplus = 0;
};

// A second support holding the direction across the member adds the restraint against
// turning as a rigid body; a fixed support adds it by itself.
Restraint CountSupports(const RV& m) {
  Restraint r;
  const double a = m.Angle;
  for (int i = 0; i < m.Count(); ++i) {
    if (m.Kind(i) != RV::kSupport) continue;
    switch (m.Code(i)) {
      case RV::kFixed:
        ++r.nX;
        ++r.nY;
        ++r.surplus;
        if (a < 90.0)
          ++r.surplus;
        else if (a > 0.0)
          ++r.surplus;
        break;
      case RV::kPinned:
        if (r.nY > 0 && a < 90.0)
          ++r.surplus;
        else if (r.nX > 0 && a > 0.0)
          ++r.surplus;
        ++r.nX;
        ++r.nY;
        break;
      case RV::kSlidingX:  // holds Y
        if (r.nY > 0 && a < 90.0) ++r.surplus;
        ++r.nY;
        break;
      case RV::kSlidingY:  // holds X
        if (r.nX > 0 && a > 0.0) ++r.surplus;
        ++r.nX;
        break;
      default:
        break;
    }
  }
  return r;
}

bool FixedSupportAt(const RV& m, double x) {
  for (int i = 0; i < m.Count(); ++i) {
    if (m.Kind(i) == RV::kSupport && m.Code(i) == RV::kFixed && m.X(i) == x) return true;
  }
  return false;
}

// Steps 1 to 3: enough restraint for the supports left over after every hinge.
bool RestraintSuffices(const RV& m, std::string& message) {
  bool ok = true;
  const Restraint r = CountSupports(m);
  if (m.CountOfKind(RV::kSupport) == 0 || r.nX < 1 || r.nY < 1 || r.surplus < 1) {
    message = kSupportNotEnough;
    ok = false;
  }
  int surplus = r.surplus;
  for (int i = 0; i < m.Count(); ++i) {
    if (m.Kind(i) != RV::kHinge) continue;
    const double x = m.X(i);
    if ((x == 0.0 || x == m.Length) && !FixedSupportAt(m, x)) {
      message = kSupportNotEnough;
      ok = false;
    }
    --surplus;
  }
  if (surplus < 1) {
    message = kSupportNotEnough;
    ok = false;
  }
  return ok;
}

// One distinct position of the points.
struct Position {
  double x = 0.0;
  bool hinge = false;
  bool support = false;
  bool fixed = false;  // some support there is fixed
};

std::vector<Position> Positions(const RV& m) {
  // Every point first, then sorted and merged by x: a long member has thousands of them.
  std::vector<Position> all;
  for (int i = 0; i < m.Count(); ++i) {
    const int kind = m.Kind(i);
    if (kind != RV::kSupport && kind != RV::kHinge) continue;
    const bool support = kind == RV::kSupport;
    all.push_back(Position{m.X(i), !support, support, support && m.Code(i) == RV::kFixed});
  }
  std::stable_sort(all.begin(), all.end(),
                   [](const Position& a, const Position& b) { return a.x < b.x; });
  std::vector<Position> out;
  for (const Position& p : all) {
    if (out.empty() || out.back().x != p.x) {
      out.push_back(p);
      continue;
    }
    out.back().hinge = out.back().hinge || p.hinge;
    out.back().support = out.back().support || p.support;
    out.back().fixed = out.back().fixed || p.fixed;
  }
  return out;
}

// Step 5: three points in a row free to turn, with no support between them to hold the
// middle one, make a mechanism. A hinge standing on an inner support ends the run on its
// left as a hinge does and starts the run on its right as an end support does.
bool HingeChain(const std::vector<Position>& pos) {
  int c = 0;
  const std::size_t n = pos.size();
  for (std::size_t k = 0; k < n; ++k) {
    const Position& p = pos[k];
    const bool first = k == 0;
    const bool last = k + 1 == n;
    if (p.hinge) {
      if (++c >= 3) return true;
      if (p.support && !first && !last) c = p.fixed ? 0 : 1;
      continue;
    }
    if (!p.support) continue;
    if (first)
      c = p.fixed ? 0 : 1;
    else if (last)
      c = p.fixed ? 0 : c + 1;
    else
      c = 0;
    if (c >= 3) return true;
  }
  return false;
}

}  // namespace

int SupportCheck(const RakenneVektori& member, std::string& message) {
  if (!RestraintSuffices(member, message)) return -1;
  const std::vector<Position> pos = Positions(member);
  bool ok = true;
  if (!pos.empty() && pos.front().hinge) {
    message = kStartUnsupported;
    ok = false;
  }
  if (!pos.empty() && pos.back().hinge) {
    message = kEndUnsupported;
    ok = false;
  }
  if (!ok) return -1;
  if (HingeChain(pos)) {
    message = kHingeChain;
    return -1;
  }
  return 0;
}

int SupportCheck(const QELVUX_data& project, std::string& message) {
  return SupportCheck(project.Member, message);
}

}  // namespace qv
