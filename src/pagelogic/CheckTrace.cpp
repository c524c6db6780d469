// Traceable checks: the stresses and strengths behind each utilisation, written out.
#include "pagelogic/CheckTrace.h"

#include <cmath>

#include "analysis/MemberResults.h"
#include "design/DesignLines.h"
#include "design/Ec5Design.h"
#include "model/NumberText.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

std::string F(double v, int decimals = 2) { return FormatFixed(v, decimals); }
std::string Pct(double ratio) { return FormatFixed(100.0 * ratio, 0) + " %"; }

// Forces at one sampled point, magnitudes in N and Nmm; n > 0 compression.
struct PointForces {
  double n = 0.0, vy = 0.0, mz = 0.0, my = 0.0;
};

// The rows sampled at x (an inner node is sampled twice); the one that loads the check most
// is the one it reported.
std::vector<PointForces> ForcesAt(const QELvektori& t, double x) {
  std::vector<PointForces> out;
  for (int i = 0; i < t.Count(); ++i) {
    if (t.GetReal(i, 0) != x) continue;
    out.push_back({t.GetReal(i, 1), std::fabs(t.GetReal(i, 2)), std::fabs(t.GetReal(i, 6)),
                   std::fabs(t.GetReal(i, 5))});
  }
  return out;
}

const Ec5SpanStability* SpanOf(const Ec5MemberChecks& checks, int span) {
  for (const Ec5SpanStability& s : checks.spans)
    if (s.span == span) return &s;
  return nullptr;
}

class Ec5Trace {
 public:
  Ec5Trace(const QELVUX_data& p, const CombinationDesign& comb, const Ec5CheckInput& in,
           double kmod)
      : comb_(comb), in_(in), kmod_(kmod) {
    b_ = in.section.b;
    h_ = in.section.h;
    a_ = b_ * h_;
    wy_ = b_ * h_ * h_ / 6.0;  // in-plane bending by Mz over h
    wz_ = h_ * b_ * b_ / 6.0;
    const DesignCode code = DesignCode::kEc5;
    const int duration = p.Loads.GoverningDurationClass(comb.index, -1);
    const auto k = [&](int q) {
      return p.Materials.TableValue(q, code, p.Materials.Material(code), duration,
                                    p.Materials.MoistureClass(code),
                                    MateriaaliTiedot::kCharacteristic);
    };
    fmk_ = k(DesignValues::kBendingZ);
    ft0k_ = k(DesignValues::kTension);
    fc0k_ = k(DesignValues::kCompression);
    fvk_ = k(DesignValues::kShearY);
  }

  void Strengths(std::vector<std::string>& out) const {
    const Ec5FamilyValues& fam = in_.family;
    const Ec5Strengths& f = in_.strengths;
    const double khH = SizeFactor(fam.kh, h_), khB = SizeFactor(fam.kh, b_);
    const double khT = SizeFactor(fam.kh, std::max(h_, b_));
    out.push_back("Lujuuksien laskenta-arvot Xd = kmod · kh · Xk / γM (2.14, 3.2(3)):");
    out.push_back("kmod = " + F(kmod_) + " (aikaluokka " + comb_.durationName + "), γM = " +
                  F(fam.gammaM) + ", kcr = " + F(fam.kcr) + ", km = " + F(fam.kmRectangle));
    out.push_back("fm,y,d = " + F(kmod_) + " · " + F(khH) + " · " + F(fmk_) + " / " +
                  F(fam.gammaM) + " = " + F(f.fmY) + " MPa (kh, h = " + F(h_, 0) + " mm)");
    out.push_back("fm,z,d = " + F(kmod_) + " · " + F(khB) + " · " + F(fmk_) + " / " +
                  F(fam.gammaM) + " = " + F(f.fmZ) + " MPa (kh, b = " + F(b_, 0) + " mm)");
    out.push_back("ft,0,d = " + F(kmod_) + " · " + F(khT) + " · " + F(ft0k_) + " / " +
                  F(fam.gammaM) + " = " + F(f.ft0) + " MPa");
    out.push_back("fc,0,d = " + F(kmod_) + " · " + F(fc0k_) + " / " + F(fam.gammaM) + " = " +
                  F(f.fc0) + " MPa");
    out.push_back("fv,d = " + F(kmod_) + " · " + F(fvk_) + " / " + F(fam.gammaM) + " = " + F(f.fv) +
                  " MPa");
  }

  void Check(const Ec5CheckResult& r, std::vector<std::string>& out) const {
    out.push_back(std::string(Ec5CheckName(r.check)) + " (" + Ec5Clause(r.check) +
                  "), x = " + F(r.x, 0) + " mm:");
    const Ec5Strengths& f = in_.strengths;
    const double km = in_.family.kmRectangle;
    // The sampled point with the largest of this check's ratio.
    PointForces at;
    double best = -1.0;
    for (const PointForces& pf : ForcesAt(*in_.forces, r.x)) {
      const double v = Ratio(r.check, pf);
      if (v > best) {
        best = v;
        at = pf;
      }
    }
    const double smy = at.mz / wy_, smz = at.my / wz_;
    switch (r.check) {
      case Ec5Check::kShearY: {
        const double tau = 1.5 * at.vy / (in_.family.kcr * a_);
        out.push_back("τd = 1.5 · Vy / (kcr · b · h) = 1.5 · " + F(at.vy / 1000.0) + " kN / (" +
                      F(in_.family.kcr) + " · " + F(b_, 0) + " · " + F(h_, 0) +
                      " mm²) = " + F(tau) + " MPa");
        out.push_back("τd / fv,d = " + F(tau) + " / " + F(f.fv) + " = " + Pct(tau / f.fv));
        return;
      }
      case Ec5Check::kTension:
      case Ec5Check::kCompression: {
        const bool tension = r.check == Ec5Check::kTension;
        const double s = std::fabs(at.n) / a_;
        const std::string name = tension ? "σt,0,d" : "σc,0,d";
        const double fd = tension ? f.ft0 : f.fc0;
        out.push_back(name + " = N / A = " + F(std::fabs(at.n) / 1000.0) + " kN / " + F(a_, 0) +
                      " mm² = " + F(s) + " MPa");
        out.push_back(name + " / " + (tension ? "ft,0,d" : "fc,0,d") + " = " + F(s) + " / " +
                      F(fd) + " = " + Pct(s / fd));
        return;
      }
      case Ec5Check::kBendingY:
      case Ec5Check::kBendingZ: {
        out.push_back("σm,y,d = Mz / Wy = " + F(at.mz / 1e6) + " kNm / " + F(wy_, 0) +
                      " mm³ = " + F(smy) + " MPa; σm,z,d = My / Wz = " + F(at.my / 1e6) +
                      " kNm / " + F(wz_, 0) + " mm³ = " + F(smz) + " MPa");
        if (r.check == Ec5Check::kBendingY)
          out.push_back("σm,y,d / fm,y,d + km · σm,z,d / fm,z,d = " + F(smy) + " / " + F(f.fmY) +
                        " + " + F(km) + " · " + F(smz) + " / " + F(f.fmZ) + " = " +
                        Pct(smy / f.fmY + km * smz / f.fmZ));
        else
          out.push_back("km · σm,y,d / fm,y,d + σm,z,d / fm,z,d = " + F(km) + " · " + F(smy) +
                        " / " + F(f.fmY) + " + " + F(smz) + " / " + F(f.fmZ) + " = " +
                        Pct(km * smy / f.fmY + smz / f.fmZ));
        return;
      }
      case Ec5Check::kLateral: {
        const Ec5SpanStability* s = SpanOf(comb_.ec5Checks, r.span);
        const double kcrit = s ? s->kcrit : 1.0;
        out.push_back("σm,y,d = Mz / Wy = " + F(at.mz / 1e6) + " kNm / " + F(wy_, 0) +
                      " mm³ = " + F(smy) + " MPa; kcrit = " + F(kcrit) + " (6.34, aukko " +
                      std::to_string(r.span) + ")");
        out.push_back("σm,y,d / (kcrit · fm,y,d) = " + F(smy) + " / (" + F(kcrit) + " · " +
                      F(f.fmY) + ") = " + Pct(smy / (kcrit * f.fmY)));
        return;
      }
      default:
        out.push_back(std::string("Käyttöaste (") + Ec5Clause(r.check) +
                      ") = " + FormatFixed(r.utilisation, 0) + " %");
        return;
    }
  }

 private:
  double Ratio(Ec5Check check, const PointForces& pf) const {
    switch (check) {
      case Ec5Check::kShearY:
        return pf.vy;
      case Ec5Check::kTension:
      case Ec5Check::kCompression:
        return std::fabs(pf.n);
      default:
        return pf.mz / wy_ + pf.my / wz_;
    }
  }

  const CombinationDesign& comb_;
  const Ec5CheckInput& in_;
  double kmod_ = 0.0;
  double b_ = 0.0, h_ = 0.0, a_ = 0.0, wy_ = 0.0, wz_ = 0.0;
  double fmk_ = 0.0, ft0k_ = 0.0, fc0k_ = 0.0, fvk_ = 0.0;
};

}  // namespace

std::vector<std::string> CheckTraceLines(const QELVUX_data& p, const DesignResults& results,
                                         const CombinationDesign& comb) {
  std::vector<std::string> out;
  if (results.code != DesignCode::kEc5 || !comb.ec5 || !comb.Ran()) return out;
  QELvektori forces;
  Ec5CheckInput in;
  if (!Ec5CheckInputOf(p, comb.index, forces, in)) return out;
  if (!in.section.shape || *in.section.shape != SectionShape::kRectangle) return out;
  const double kmod =
      p.Materials.Kmod(DesignCode::kEc5, p.Loads.GoverningDurationClass(comb.index, -1));
  const Ec5Trace trace(p, comb, in, kmod);
  out.push_back("====================================");
  out.push_back("LASKENTAKAAVAT, MÄÄRÄÄVÄ YHDISTELMÄ KY" + std::to_string(comb.index + 1) + ":");
  out.push_back("------------------------------------");
  trace.Strengths(out);
  for (const Ec5CheckResult& r : comb.ec5Checks.results) {
    out.push_back("------------------------------------");
    trace.Check(r, out);
  }
  return out;
}

std::vector<std::string> SourceValueLines(const QELVUX_data& p) {
  const DesignCode code = p.DesignCode;
  std::vector<std::string> out{"====================================", "LÄHTÖARVOT:"};
  const std::vector<std::string> names = p.Materials.MaterialNames(code);
  const int m = p.Materials.Material(code);
  if (m >= 1 && m <= static_cast<int>(names.size()))
    out.push_back("Materiaali:\t" + names[static_cast<std::size_t>(m - 1)]);
  out.push_back((code == DesignCode::kEc5 ? "Käyttöluokka:\t" : "Kosteusluokka:\t") +
                std::to_string(p.Materials.MoistureClass(code)));
  const int index = ToInt(code) - 1;
  if (index >= 0 && index < MateriaaliTiedot::kCodeCount)
    out.push_back(std::string("Materiaaliarvot:\t") + MateriaaliTiedot::kFileNames[index] +
                  " (ohjelman tietokansio)");
  const std::string library = p.Profiles.ProjectName.empty()
                                  ? std::string(ProfiiliVektori::kDefaultLibraryName)
                                  : p.Profiles.ProjectName;
  out.push_back("Poikkileikkauskirjasto:\t" + library);
  // The values the checks start from; they carry no duration factor.
  const char* const* labels = CharacteristicLabels(code);
  if (labels != nullptr) {
    DesignValues values;
    p.SectionValues(1, MateriaaliTiedot::kCharacteristic, values);
    out.push_back("------------------------------------");
    for (int pos = 0; pos < DesignValues::kCount; ++pos)
      out.push_back(MaterialValueLine(labels[pos], pos, values.Get(MaterialOrderQuantity(pos)),
                                      DesignLineStyle::kReport));
  }
  return out;
}

}  // namespace qv
