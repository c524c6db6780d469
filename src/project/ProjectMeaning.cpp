// Checks that the loads, member points and combinations read from a project file belong to the
// project.
#include "project/ProjectMeaning.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

// Positions are written with three decimals, the length with two.
constexpr double kPositionTolerance = 0.001;

std::string Mm(double x) { return FormatFixed(x, 3); }

// A value as short as it reads (1e+35 rather than thirty-six digits), whatever the locale.
std::string Number(double v) {
  char text[32];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, v);
  return ec == std::errc() ? std::string(text, end) : std::string("?");
}

class MeaningCheck {
 public:
  MeaningCheck(const QELVUX_data& p, const CSVTiedosto& f) : p_(p), f_(f) {}

  int Run(std::string& message) {
    if (!MemberPoints() || !Combinations() || !Loads()) {
      message = message_;
      return code_;
    }
    return 0;
  }

 private:
  bool Fail(int section, int line, const std::string& why) {
    char head[48];
    std::snprintf(head, sizeof head, "%d, rivi %d: ", section, line);
    code_ = -section;
    message_ = head + why + " (" + CutChars(f_.GetLine(section, line), 60) + ")";
    return false;
  }

  double Length() const { return p_.Member.Length; }
  bool OnMember(double x) const {
    return std::isfinite(x) && x >= 0.0 && x <= Length() + kPositionTolerance;
  }
  std::string Range() const { return "0 … " + FormatFixed(Length(), 2) + " mm"; }

  bool MemberPoints() {
    RakenneVektori one;
    for (int k = 1; k <= f_.LineCount(211); ++k) {
      one.ClearRecords();
      if (one.ParseRecord(f_.GetLine(211, k), fields_) != 1) continue;
      const double x = one.X(0);
      if (!OnMember(x))
        return Fail(211, k,
                    (one.Kind(0) == RakenneVektori::kHinge ? "nivel" : "tuki") +
                        std::string(" ei ole sauvalla: x = ") + Mm(x) + " mm, sallittu " + Range());
    }
    return true;
  }

  bool Combinations() {
    const int cases = p_.Loads.Cases().Count();
    KuormaYhdVektori one;
    std::vector<char> header;
    for (int k = 1; k <= f_.LineCount(401); ++k) {
      one.Clear();
      if (one.ParseRecord(f_.GetLine(401, k), fields_) != 1) continue;
      const int c = one.Combination(0);
      if (c < 0 || c > 100000) return Fail(401, k, "kuormitusyhdistelmän numero ei kelpaa");
      if (one.RowKind(0) != 0) {
        // The long-term (quasi-permanent) kind belongs to design code 4 alone.
        const auto kind = one.HeaderKind(0);
        if (!kind ||
            (*kind == qv::CombinationKind::kLongTerm && p_.DesignCode != qv::DesignCode::kEc5))
          return Fail(401, k, "tuntematon mitoitustapa " + std::to_string(one.RowKind(0)));
        if (static_cast<int>(header.size()) <= c) header.resize(static_cast<std::size_t>(c) + 1, 0);
        if (header[static_cast<std::size_t>(c)])
          return Fail(401, k, "kuormitusyhdistelmä KY" + std::to_string(c + 1) + " on kahdesti");
        header[static_cast<std::size_t>(c)] = 1;
        continue;
      }
      const int lc = one.LoadCase(0);
      if (lc < 0 || lc >= cases)
        return Fail(401, k, "kuormitustapausta KT" + std::to_string(lc + 1) + " ei ole");
      if (!std::isfinite(one.Value(0)) || std::fabs(one.Value(0)) > 1e6)
        return Fail(401, k,
                    "kerroin " + Number(one.Value(0)) + " ei ole välillä -1000000 … 1000000");
    }
    // Every factor row under a header, and the headers KY1 … KYn without gaps: a missing
    // one would leave the combinations after it undesigned.
    const int gap = static_cast<int>(std::find(header.begin(), header.end(), 0) - header.begin());
    for (int k = 1; k <= f_.LineCount(401); ++k) {
      one.Clear();
      if (one.ParseRecord(f_.GetLine(401, k), fields_) != 1) continue;
      const int c = one.Combination(0);
      if (c >= static_cast<int>(header.size()) || !header[static_cast<std::size_t>(c)])
        return Fail(401, k,
                    "kuormitusyhdistelmältä KY" + std::to_string(c + 1) + " puuttuu otsikkorivi");
      if (c > gap)
        return Fail(401, k, "kuormitusyhdistelmä KY" + std::to_string(gap + 1) + " puuttuu");
    }
    return true;
  }

  bool Loads() {
    const int cases = p_.Loads.Cases().Count();
    KuormaVektori one;
    for (int k = 1; k <= f_.LineCount(501); ++k) {
      one.ClearLoads();
      if (one.ParseRecord(f_.GetLine(501, k), fields_) != 1) continue;
      const int lc = one.LoadCase(0), d = one.Direction(0);
      qv::LoadKind kind;
      if (lc < 0 || lc >= cases)
        return Fail(501, k, "kuormitustapausta KT" + std::to_string(lc + 1) + " ei ole");
      if (!qv::LoadKindFromInt(one.StoredKind(0), kind))
        return Fail(501, k, "tuntematon kuorman laji " + std::to_string(one.StoredKind(0)));
      if (d == 0 || d < -6 || d > 6)
        return Fail(501, k, "tuntematon kuorman suunta " + std::to_string(d));
      for (double q : {one.Q1(0), one.Q2(0)}) {
        if (!std::isfinite(q) || std::fabs(q) > kMaxLoadValue)
          return Fail(501, k,
                      "kuorman arvo " + Number(q) + " ei ole välillä ±1e12 (N, Nmm, N/mm, N/mm2)");
      }
      const double x1 = one.X1(0), x2 = one.X2(0);
      if (kind == KuormaVektori::kPoint) {
        if (!OnMember(x1))
          return Fail(501, k,
                      "kuorman paikka x = " + Mm(x1) + " mm ei ole sauvalla (" + Range() + ")");
        continue;
      }
      // A negative end of a line load means the member's end, as the load dialog reads it.
      for (double x : {x1, x2}) {
        if (!std::isfinite(x) || x > Length() + kPositionTolerance)
          return Fail(501, k,
                      "kuorman paikka x = " + Mm(x) + " mm ei ole sauvalla (" + Range() + ")");
      }
    }
    return true;
  }

  const QELVUX_data& p_;
  const CSVTiedosto& f_;
  // A long member has thousands of lines: their field lists are reused.
  qv::FieldBuffers fields_;
  int code_ = 0;
  std::string message_;
};

}  // namespace

int CheckProjectMeaning(const QELVUX_data& project, const CSVTiedosto& file, std::string& message) {
  return MeaningCheck(project, file).Run(message);
}

}  // namespace qv
