// Member checks of EN 1995-1-1 (design code 4) along the sampled forces of one combination:
// cross-section strength, buckling and lateral-torsional buckling, and the bearing length at
// the supports. Plain inputs and plain results; nothing here reads the project.
//
// Axes as the code's texts name them: y is the in-plane (strong) axis of a member loaded along
// its local y: bending by Mz over the depth h, shear Vy, buckling with the member deflecting
// along local y (radius of gyration from h). z is the out-of-plane (weak) axis: My over the
// width b, Vz, buckling along local z. Forces in N and Nmm, lengths in mm, stresses in N/mm2;
// N > 0 is compression. Utilisations are in per cent, 100 at the limit.
#pragma once

#include <string>
#include <vector>

#include "design/data/DesignValues.h"
#include "design/data/Ec5Factors.h"
#include "design/data/Ec5MaterialData.h"
#include "design/data/MitoitusAsetukset.h"
#include "model/QELvektori.h"

namespace qv {

// Design strengths of the combination's duration class, kh already applied: fm,y with kh on
// h, fm,z with kh on b, ft,0 with kh on the larger side (a circle: d throughout).
struct Ec5Strengths {
  double fmY = 0.0;
  double fmZ = 0.0;
  double ft0 = 0.0;
  double fc0 = 0.0;
  double fc90 = 0.0;
  double fv = 0.0;
};

// Characteristic values the stability factors need: fm,k without kh, fc,0,k, E0,05.
struct Ec5StabilityMaterial {
  double fmk = 0.0;
  double fc0k = 0.0;
  double e005 = 0.0;
};

// The characteristic strengths the design strengths come from (N/mm2).
struct Ec5CharacteristicStrengths {
  double fmk = 0.0;
  double ft0k = 0.0;
  double fc0k = 0.0;
  double fc90k = 0.0;
  double fvk = 0.0;
};

// Xd = kmod · kh · Xk / gamma_M with kh of the family's rule on the dimension each strength
// depends on.
Ec5Strengths Ec5DesignStrengths(const Ec5CharacteristicStrengths& k, double kmod,
                                const Ec5FamilyValues& family, const SectionSize& section);

// Buckling length of one axis over a span: the given length when above 0, else the factor
// times the span length.
struct Ec5BucklingLength {
  bool checked = false;
  double factor = 1.0;
  double length = 0.0;
};

struct Ec5StabilitySettings {
  Ec5BucklingLength y;          // deflection along local y (in plane)
  Ec5BucklingLength z;          // deflection along local z (out of plane)
  bool lateral = true;          // lateral-torsional buckling (6.33, 6.35)
  double lateralSpacing = 0.0;  // l of the lateral supports; 0: the span length
  double a = 0.9;               // Table 6.1
  LoadPosition position = LoadPosition::kCompressionEdge;
};

// The buckling and lateral support settings of codes 1 to 3 (Nurjahdus, Ynurj, Znurj, their
// modes, factors and lengths; Kiepahdus and Lk) with the Table 6.1 factor and load position.
Ec5StabilitySettings Ec5StabilityFromSettings(const MitoitusAsetukset& s, double a,
                                              LoadPosition position);

struct Ec5CheckInput {
  SectionSize section;
  Ec5Strengths strengths;
  Ec5StabilityMaterial material;
  Ec5FamilyValues family;  // km (by shape), kcr and beta_c are read
  Ec5StabilitySettings stability;
  std::vector<double> spanBounds;      // ascending: 0, the supports, the member length
  const QELvektori* forces = nullptr;  // rows x, N, Vy, Vz, Mx, My, Mz
};

// The checks in the order they are listed.
enum class Ec5Check {
  kShearY,               // 6.1.7, Vy
  kShearZ,               // 6.1.7, Vz
  kTorsion,              // 6.1.8
  kTension,              // 6.1.2
  kCompression,          // 6.1.4
  kBendingY,             // 6.11
  kBendingZ,             // 6.12
  kTensionBendingY,      // 6.17
  kTensionBendingZ,      // 6.18
  kCompressionBendingY,  // 6.19
  kCompressionBendingZ,  // 6.20
  kBucklingY,            // 6.23
  kBucklingZ,            // 6.24
  kLateral,              // 6.33
  kLateralCompression,   // 6.35
};
constexpr int kEc5CheckCount = 15;

// "6.11" and "Taivutus" of a check.
const char* Ec5Clause(Ec5Check check);
const char* Ec5CheckName(Ec5Check check);

// The governing point of one check over the member: the largest utilisation, its x and span
// (1-based); at equal utilisations the first point along the member.
struct Ec5CheckResult {
  Ec5Check check = Ec5Check::kShearY;
  double utilisation = 0.0;
  double x = 0.0;
  int span = 0;
};

// Stability values of one span; a factor is 1 and a slenderness 0 where its check is off.
struct Ec5SpanStability {
  int span = 0;  // 1-based
  double x1 = 0.0, x2 = 0.0;
  bool bucklingY = false, bucklingZ = false, lateral = false;
  double lambdaRelY = 0.0, lambdaRelZ = 0.0;
  double kcY = 1.0, kcZ = 1.0;
  double lef = 0.0;
  double sigmaMCrit = 0.0;
  double lambdaRelM = 0.0;
  double kcrit = 1.0;
};

struct Ec5MemberChecks {
  // Only the checks that arose somewhere (their condition held with a stress above 0), in
  // the order of Ec5Check.
  std::vector<Ec5CheckResult> results;
  std::vector<Ec5SpanStability> spans;

  double LargestUtilisation() const;
};

// Runs every check at every sampled point of every span (a point on a support belongs to both
// spans). False, with out empty, when the section is not valid, a strength (fc,90,d aside: the
// bearing has its own function), fm,k, fc,0,k, E0,05, kcr or km is not above 0, beta_c is
// below 0, there are no forces or spans, or a result is no number.
bool CheckEc5Member(const Ec5CheckInput& input, Ec5MemberChecks& out);

// "Taivutus (6.11): 73 %"
std::string Ec5CheckLine(const Ec5CheckResult& result);
// The stability values of a span as information lines, "Hoikkuus,rel,y = 1.10 (aukko 1)";
// only those of the checks that are on.
std::vector<std::string> Ec5StabilityLines(const Ec5SpanStability& span);

// Bearing 6.1.5 at one support for one combination: the compressive reaction F (N, > 0 presses
// the member onto the support).
struct Ec5SupportReaction {
  double x = 0.0;
  double force = 0.0;
  bool endSupport = true;
};
struct Ec5BearingResult {
  Ec5SupportReaction support;
  double requiredLength = 0.0;  // lreq, mm; infinite when F > 0 meets no strength
};

// lreq (RequiredBearingLength) with the member width b of each support whose reaction presses
// (F > 0), in the order given.
std::vector<Ec5BearingResult> Ec5BearingLengths(const std::vector<Ec5SupportReaction>& supports,
                                                double b, double kc90, double fc90d);
// "Tukipinnan vähimmäispituus (6.1.5), tuki x = 0 mm: lreq = 180 mm (F = 30.00 kN)"
std::string Ec5BearingLine(const Ec5BearingResult& result);

}  // namespace qv
