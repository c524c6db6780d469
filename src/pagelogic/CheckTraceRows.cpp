// Design codes 1 to 3 written out: the design values from the table with their factors, then
// each check row shown with its utilisation, recomputed at the point where the check governs
// with the stability factors of that span.
#include <algorithm>
#include <cmath>

#include "design/CheckStresses.h"
#include "design/DesignLines.h"
#include "design/SectionProperties.h"
#include "pagelogic/CheckTraceText.h"
#include "project/QELVUX_data.h"

namespace qv::trace {

namespace {

// Positions of the design values in the order of the labels (rows 41 to 49).
constexpr int kPosBendingZ = 0, kPosBendingY = 1, kPosCompression = 2, kPosTension = 4,
              kPosShearY = 5, kPosShearZ = 6, kPosModulus = 7;

// One named part of a formula: "mz = σMz / fbd (Mz) = 11.21 / 14.77 = 0.759".
struct Term {
  std::string name;
  std::string definition;  // symbols = numbers
  double value = 0.0;
};

class RowTrace {
 public:
  RowTrace(const QELVUX_data& p, const StressCheckInput& in)
      : p_(p), in_(in), prop_(ComputeSectionProperties(in.section)) {
    code_ = in.context.code;
    b10_ = code_ == DesignCode::kAllowableStress || code_ == DesignCode::kLimitState;
    circle_ = in.section.shape == SectionShape::kCircle;
    labels_ = DesignValueLabels(code_);
  }

  bool Usable() const { return labels_ != nullptr && prop_.valid; }

  void Strengths(int duration, const std::string& durationName,
                 std::vector<std::string>& out) const {
    const MateriaaliTiedot& m = p_.Materials;
    const int material = m.Material(code_), moisture = m.MoistureClass(code_);
    const auto table = [&](int q, int kind) {
      return m.TableValue(q, code_, material, duration, moisture, kind);
    };
    for (const std::string& l : SectionLines(in_.section, false)) out.push_back(l);
    const int quantities[] = {DesignValues::kBendingZ,       DesignValues::kBendingY,
                              DesignValues::kCompression,    DesignValues::kTension,
                              DesignValues::kShearY,         DesignValues::kShearZ,
                              DesignValues::kModulusStrength};
    const int positions[] = {kPosBendingZ, kPosBendingY, kPosCompression, kPosTension,
                             kPosShearY,   kPosShearZ,   kPosModulus};
    const double gamma =
        code_ == DesignCode::kLimitState ? m.LimitStatePartialFactor() : m.Ec5PartialFactor();
    if (code_ == DesignCode::kAllowableStress)
      out.push_back("Sallitut jännitykset f = taulukkoarvo · korotuskerroin · kh (aikaluokka " +
                    durationName + ", kosteusluokka " + std::to_string(moisture) + "):");
    else
      out.push_back("Lujuuksien laskenta-arvot fd = kmod · kh · fk / γM (aikaluokka " +
                    durationName + ", γM = " + Num(gamma) + "):");
    for (std::size_t i = 0; i < std::size(quantities); ++i) {
      const int q = quantities[i];
      const double withSize = in_.values.Get(q);
      const double plain = table(q, MateriaaliTiedot::kDesign);
      if (!(plain > 0.0)) continue;
      const double kh = withSize / plain;
      const bool modulus = q == DesignValues::kModulusStrength;
      const int d = modulus ? 0 : 2;
      std::string line = std::string(labels_[positions[i]]) + " = ";
      if (code_ == DesignCode::kAllowableStress) {
        const double raise = m.AllowableRaiseFactor();
        line += Num(plain / raise, d) + " · " + Num(raise) + (modulus ? "" : " · " + Num(kh));
      } else {
        const double fk = table(q, MateriaaliTiedot::kCharacteristic);
        if (!(fk > 0.0)) continue;
        // The table's kmod, read back from the value it gave: the same factor for every
        // strength of the duration and moisture class.
        const double kmod = plain * gamma / fk;
        line +=
            Num(kmod) + (modulus ? "" : " · " + Num(kh)) + " · " + Num(fk, d) + " / " + Num(gamma);
      }
      out.push_back(line + " = " + Num(withSize, d) + " MPa");
    }
  }

  // The check of row i at its point; nothing when the point is not known.
  void Check(const CheckRowVektori& rows, int i, const StressCheckPoints& points,
             double slendernessMax, std::vector<std::string>& out) const {
    const int code = rows.Code(i);
    if (code == CheckRowVektori::kSlendernessLimit) {
      out.push_back("Maksimihoikkuus:");
      out.push_back("λmax / 170 = " + Num(slendernessMax) + " / 170 = " +
                    Percent(slendernessMax * 100.0 / CheckRowVektori::kSlendernessLimitValue));
      return;
    }
    const StressCheckPoint* at = PointOf(code, points);
    if (at == nullptr || !at->found) return;
    const QELvektori& t = *in_.forces;
    const double x = t.GetReal(at->row, 0);
    out.push_back(std::string(CheckLabel(code)) + ", x = " + Num(x, 0) + " mm" +
                  (in_.spanBounds.size() > 2 ? ", aukko " + std::to_string(at->span) : "") + ":");
    const double n = t.GetReal(at->row, 1), vy = std::fabs(t.GetReal(at->row, 2)),
                 vz = std::fabs(t.GetReal(at->row, 3)), mx = std::fabs(t.GetReal(at->row, 4)),
                 my = std::fabs(t.GetReal(at->row, 5)), mz = std::fabs(t.GetReal(at->row, 6));
    switch (code) {
      case CheckRowVektori::kShear:
        return Shear(vy, vz, out);
      case CheckRowVektori::kTorsion:
        return Torsion(mx, out);
      case CheckRowVektori::kTension:
        return Axial(true, n, *at, out);
      case CheckRowVektori::kCompression:
        return Axial(false, n, *at, out);
      default:
        return Interaction(code, n, my, mz, *at, out);
    }
  }

 private:
  static const StressCheckPoint* PointOf(int code, const StressCheckPoints& p) {
    switch (code) {
      case CheckRowVektori::kShear:
        return &p.shear;
      case CheckRowVektori::kTorsion:
        return &p.torsion;
      case CheckRowVektori::kTension:
        return &p.tension;
      case CheckRowVektori::kCompression:
        return &p.compression;
      case CheckRowVektori::kBending:
        return &p.bending;
      case CheckRowVektori::kBendingTension:
        return &p.bendingTension;
      case CheckRowVektori::kBendingCompression:
        return &p.bendingCompression;
      default:
        return nullptr;
    }
  }

  std::string Label(int position) const { return labels_[position]; }
  double Value(int q) const { return in_.values.Get(q); }
  // The code's names of the factors: ks and Kk in B10, kc and kcrit in EC5.
  std::string Buckling(char axis) const { return std::string(b10_ ? "ks," : "kc,") + axis; }
  std::string Lateral(char axis) const { return std::string(b10_ ? "Kk," : "kcrit,") + axis; }

  // Writes "symbols = numbers = 82 %", or the one term's own definition when it is all.
  static void Finish(const std::vector<Term>& terms, const std::string& symbols,
                     const std::string& numbers, double ratio, std::vector<std::string>& out) {
    if (terms.size() == 1 && symbols == terms[0].name) {
      out.push_back(terms[0].definition + " = " + Percent(100.0 * ratio));
      return;
    }
    for (const Term& t : terms)
      out.push_back(t.name + " = " + t.definition + " = " + Num(t.value, 3));
    out.push_back(symbols + " = " + numbers + " = " + Percent(100.0 * ratio));
  }

  void Shear(double vy, double vz, std::vector<std::string>& out) const {
    const double ty = 1.5 * vy / prop_.A, tz = 1.5 * vz / prop_.A;
    const double fy = Value(DesignValues::kShearY), fz = Value(DesignValues::kShearZ);
    out.push_back("τy = 1.5 · Vy / A = 1.5 · " + Kn(vy) + " / " + Big(prop_.A) +
                  " mm² = " + Num(ty) + " MPa");
    std::string symbols = "τy / " + Label(kPosShearY), numbers = Num(ty) + " / " + Num(fy);
    if (vz > 0.0) {
      out.push_back("τz = 1.5 · Vz / A = 1.5 · " + Kn(vz) + " / " + Big(prop_.A) +
                    " mm² = " + Num(tz) + " MPa");
      symbols += " + τz / " + Label(kPosShearZ);
      numbers += " + " + Num(tz) + " / " + Num(fz);
    }
    out.push_back(symbols + " = " + numbers + " = " +
                  Percent((1.5 * vy / prop_.A / fy + 1.5 * vz / prop_.A / fz) * 100.0));
  }

  void Torsion(double mx, std::vector<std::string>& out) const {
    const double tau = prop_.kt * mx;
    if (circle_) {
      out.push_back("τ = 2 · Mx / (π · r³) = 2 · " + Knm(mx) + " / (π · " +
                    Num(in_.section.b / 2.0, 1) + "³ mm³) = " + Num(tau) + " MPa");
    } else {
      const double hmax = std::max(in_.section.b, in_.section.h);
      const double hmin = std::min(in_.section.b, in_.section.h);
      out.push_back("τ = Mx / (α · hmax · hmin²) = " + Knm(mx) + " / (" +
                    Num(TorsionAlpha(hmax / hmin), 3) + " · " + Num(hmax, 0) + " · " +
                    Num(hmin, 0) + "² mm³) = " + Num(tau) + " MPa");
    }
    const double f = std::min(Value(DesignValues::kShearY), Value(DesignValues::kShearZ));
    out.push_back("τ / min(" + Label(kPosShearY) + ", " + Label(kPosShearZ) + ") = " + Num(tau) +
                  " / " + Num(f) + " = " + Percent(tau / f * 100.0));
  }

  // σ = N / A, or nothing when the point has no force of that sign.
  double AxialStress(bool tension, double n, std::vector<std::string>& out) const {
    if (tension ? !(n < 0.0) : !(n > 0.0)) return 0.0;
    const double sigma = std::fabs(n) / prop_.A;
    out.push_back(std::string(tension ? "σt" : "σc") + " = N / A = " + Kn(std::fabs(n)) + " / " +
                  Big(prop_.A) + " mm² = " + Num(sigma) + " MPa");
    return sigma;
  }

  // σc against the strength with the buckling factor of each direction: cz and cy.
  Term CompressionTerm(double sigma, double k, char axis) const {
    const double f2 = Value(DesignValues::kCompression);
    Term t;
    t.name = std::string("c") + (axis == 'y' ? "y" : "z");
    t.definition = "σc / (" + Buckling(axis) + " · " + Label(kPosCompression) +
                   ") = " + Num(sigma) + " / (" + Num(k, 3) + " · " + Num(f2) + ")";
    t.value = sigma / (f2 * k);
    return t;
  }

  void Axial(bool tension, double n, const StressCheckPoint& at,
             std::vector<std::string>& out) const {
    const double sigma = AxialStress(tension, n, out);
    if (tension) {
      const double f4 = Value(DesignValues::kTension);
      out.push_back("σt / " + Label(kPosTension) + " = " + Num(sigma) + " / " + Num(f4) + " = " +
                    Percent(sigma / f4 * 100.0));
      return;
    }
    // The direction with the smaller factor governs; without buckling both are 1.
    const bool yGoverns = at.ky < at.kz;
    const Term c = CompressionTerm(sigma, yGoverns ? at.ky : at.kz, yGoverns ? 'y' : 'z');
    if (at.ky >= 1.0 && at.kz >= 1.0) {
      const double f2 = Value(DesignValues::kCompression);
      out.push_back("σc / " + Label(kPosCompression) + " = " + Num(sigma) + " / " + Num(f2) +
                    " = " + Percent(c.value * 100.0));
      return;
    }
    out.push_back(c.definition + " = " + Percent(c.value * 100.0));
  }

  // mz and my: the bending stresses against the strengths lowered by lateral buckling; a
  // moment that is not there has no term.
  void BendingTerms(double my, double mz, const StressCheckPoint& at, std::vector<Term>& terms,
                    std::vector<std::string>& out, bool& hasZ, bool& hasY, double& vz,
                    double& vy) const {
    const bool lateral = in_.context.settings.Kiepahdus != 0;
    const auto term = [&](const char* name, double moment, double w, const std::string& wName,
                          double f, double k, char axis, int position) {
      const double sigma = moment / w;
      const std::string s = std::string("σM") + axis;
      out.push_back(s + " = M" + axis + " / " + wName + " = " + Knm(moment) + " / " + Big(w) +
                    " mm³ = " + Num(sigma) + " MPa");
      Term t;
      t.name = name;
      t.definition = lateral ? s + " / (" + Lateral(axis) + " · " + Label(position) +
                                   ") = " + Num(sigma) + " / (" + Num(k, 3) + " · " + Num(f) + ")"
                             : s + " / " + Label(position) + " = " + Num(sigma) + " / " + Num(f);
      t.value = sigma / (f * k);
      terms.push_back(t);
      return t.value;
    };
    hasZ = mz != 0.0;
    hasY = my != 0.0;
    vz = hasZ ? term("mz", mz, prop_.Wz, "Wz", Value(DesignValues::kBendingZ), at.kcritZ, 'z',
                     kPosBendingZ)
              : 0.0;
    vy = hasY ? term("my", my, prop_.Wy, "Wy", Value(DesignValues::kBendingY), at.kcritY, 'y',
                     kPosBendingY)
              : 0.0;
  }

  void Interaction(int code, double n, double my, double mz, const StressCheckPoint& at,
                   std::vector<std::string>& out) const {
    const bool ec5 = !b10_;
    std::vector<Term> terms;
    std::string symbols, numbers;
    double ratio = 0.0;
    const auto add = [&](const std::string& s, const std::string& v, double value) {
      symbols += (symbols.empty() ? "" : " + ") + s;
      numbers += (numbers.empty() ? "" : " + ") + v;
      ratio += value;
    };
    const bool compression = code == CheckRowVektori::kBendingCompression;
    if (code == CheckRowVektori::kBendingTension) {
      const double sigma = AxialStress(true, n, out);
      if (sigma > 0.0) {
        const double f4 = Value(DesignValues::kTension);
        terms.push_back(
            {"t", "σt / " + Label(kPosTension) + " = " + Num(sigma) + " / " + Num(f4), sigma / f4});
        add("t", Num(terms.back().value, 3), terms.back().value);
      }
    }
    double sigmaC = 0.0;
    if (compression) sigmaC = AxialStress(false, n, out);
    bool hasZ = false, hasY = false;
    double vz = 0.0, vy = 0.0;
    const std::size_t bendingFirst = terms.size();
    BendingTerms(my, mz, at, terms, out, hasZ, hasY, vz, vy);
    // The 0.7 rule of EC5 for rectangles; with bending and compression for circles too.
    const bool rule07 = ec5 && (compression || !circle_);

    if (compression && ec5) {
      Ec5Compression(sigmaC, at, hasZ, hasY, vz, vy, terms, bendingFirst, out);
      return;
    }
    if (compression && sigmaC > 0.0) {
      const Term cz = CompressionTerm(sigmaC, at.kz, 'z'), cy = CompressionTerm(sigmaC, at.ky, 'y');
      terms.insert(terms.begin() + static_cast<long>(bendingFirst), {cz, cy});
      add("max(cz, cy)", "max(" + Num(cz.value, 3) + ", " + Num(cy.value, 3) + ")",
          std::max(cz.value, cy.value));
    }
    if (hasZ && hasY && rule07) {
      add("max(mz + 0.7 · my, 0.7 · mz + my)",
          "max(" + Num(vz, 3) + " + 0.7 · " + Num(vy, 3) + ", 0.7 · " + Num(vz, 3) + " + " +
              Num(vy, 3) + ")",
          std::max(vz + 0.7 * vy, 0.7 * vz + vy));
    } else {
      if (hasZ) add("mz", Num(vz, 3), vz);
      if (hasY) add("my", Num(vy, 3), vy);
    }
    if (terms.empty()) return;
    Finish(terms, symbols, numbers, ratio, out);
  }

  // Code 3: (σc / fc,0,d)² without buckling, else the linear terms with kc.
  void Ec5Compression(double sigma, const StressCheckPoint& at, bool hasZ, bool hasY, double vz,
                      double vy, std::vector<Term>& terms, std::size_t bendingFirst,
                      std::vector<std::string>& out) const {
    const double f2 = Value(DesignValues::kCompression);
    const std::string mzN = Num(vz, 3), myN = Num(vy, 3);
    std::string symbols, numbers;
    double ratio = 0.0;
    if (at.ky >= 1.0 && at.kz >= 1.0) {
      const double c = sigma > 0.0 ? (sigma / f2) * (sigma / f2) : 0.0;
      if (sigma > 0.0)
        terms.insert(
            terms.begin() + static_cast<long>(bendingFirst),
            Term{"c",
                 "(σc / " + Label(kPosCompression) + ")² = (" + Num(sigma) + " / " + Num(f2) + ")²",
                 c});
      const std::string cs = sigma > 0.0 ? "c + " : "", cn = sigma > 0.0 ? Num(c, 3) + " + " : "";
      if (hasZ && hasY) {
        symbols = "max(" + cs + "mz + 0.7 · my, " + cs + "0.7 · mz + my)";
        numbers =
            "max(" + cn + mzN + " + 0.7 · " + myN + ", " + cn + "0.7 · " + mzN + " + " + myN + ")";
      } else {
        symbols = cs + (hasZ ? "mz" : hasY ? "my" : "");
        numbers = cn + (hasZ ? mzN : hasY ? myN : "");
        if (!hasZ && !hasY) {
          symbols = "c";
          numbers = Num(c, 3);
        }
      }
      ratio = std::max(c + vz + 0.7 * vy, c + 0.7 * vz + vy);
    } else {
      const Term cz = CompressionTerm(sigma, at.kz, 'z'), cy = CompressionTerm(sigma, at.ky, 'y');
      const double z = sigma > 0.0 ? cz.value : 0.0, y = sigma > 0.0 ? cy.value : 0.0;
      if (sigma > 0.0) terms.insert(terms.begin() + static_cast<long>(bendingFirst), {cz, cy});
      symbols = "max(cz + mz + 0.7 · my, cy + 0.7 · mz + my)";
      numbers = "max(" + Num(z, 3) + " + " + mzN + " + 0.7 · " + myN + ", " + Num(y, 3) +
                " + 0.7 · " + mzN + " + " + myN + ")";
      ratio = std::max(z + vz + 0.7 * vy, y + 0.7 * vz + vy);
    }
    if (terms.empty()) return;
    Finish(terms, symbols, numbers, ratio, out);
  }

  const QELVUX_data& p_;
  const StressCheckInput& in_;
  SectionProperties prop_;
  DesignCode code_ = DesignCode::kLimitState;
  bool b10_ = true, circle_ = false;
  const char* const* labels_ = nullptr;
};

}  // namespace

void AppendRowTrace(const QELVUX_data& p, const CombinationDesign& comb,
                    std::vector<std::string>& out) {
  QELvektori forces;
  StressCheckInput in;
  if (!StressCheckInputOf(p, comb.index, forces, in)) return;
  CheckRowVektori rows;
  StressCheckPoints points;
  if (CheckStresses(in, rows, &points) == 0) return;
  const RowTrace trace(p, in);
  if (!trace.Usable()) return;
  const int limit = rows.Find(CheckRowVektori::kSlendernessLimit, 0);
  const double slenderness = limit >= 0 ? rows.Value1(limit) : 0.0;
  trace.Strengths(p.Loads.GoverningDurationClass(comb.index, -1), comb.durationName, out);
  AppendBySpan(RowStabilityLines(in), out);
  for (int i = 0; i < rows.Count(); ++i) {
    if (!ShowsUtilisation(rows, i)) continue;
    std::vector<std::string> lines;
    trace.Check(rows, i, points, slenderness, lines);
    if (lines.empty()) continue;  // a check without its point is left out, not guessed
    out.push_back("------------------------------------");
    out.insert(out.end(), lines.begin(), lines.end());
  }
}

}  // namespace qv::trace
