// The design chapter of the report from given check rows: headings, options, maxima, allowed
// deflections.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "design/Deflections.h"
#include "design/DesignReport.h"

namespace {

using qv::CombinationDesign;
using qv::DesignReportOptions;
using qv::DesignResults;
using Lines = std::vector<std::string>;
using R = CheckRowVektori;

const std::string kDouble = "====================================";
const std::string kSingle = "------------------------------------";

CombinationDesign Stress(int index, const std::string& name) {
  CombinationDesign c;
  c.index = index;
  c.kind = qv::CombinationKind::kStress;
  c.name = name;
  c.durationName = "Pysyvä";
  return c;
}

// A simply supported beam's rows: shear and bending, a span's stability rows, maxima and
// design values.
void AddBeamRows(CheckRowVektori& rows, double bending) {
  rows.AddRow(R::kLateralFactors, 1, 1.0, 0.9438);
  rows.AddRow(R::kSlenderness, 1, 0.0, 103.92);
  rows.AddRow(R::kBucklingFactors, 1, 1.0, 0.2572);
  rows.AddRow(R::kShear, 0, 0.225, 24.375);
  rows.AddRow(R::kTorsion, 0, 0.0, 0.0);
  rows.AddRow(R::kTension, 0, 0.0, 0.0);
  rows.AddRow(R::kCompression, 0, 0.0, 0.0);
  rows.AddRow(R::kBending, 0, 6.75, bending);
  rows.AddRow(R::kBendingTension, 0, bending / 100.0, bending);
  rows.AddRow(R::kBendingCompression, 0, bending / 100.0, bending);
  rows.AddRow(R::kMaxN, 0, 0.0, 0.0);
  rows.AddRow(12, 0, 3000.0, 0.0);
  rows.AddRow(13, 0, 0.0, 0.0);
  rows.AddRow(14, 0, 0.0, 0.0);
  rows.AddRow(15, 0, 0.0, 0.0);
  rows.AddRow(R::kMaxMz, 0, 4.5e6, 0.0);
  const double v[9] = {8.31, 8.31, 8.31, 1.02, 5.08, 0.92, 0.92, 2769.23, 5625.0};
  for (int p = 0; p < 9; ++p) rows.AddRow(R::kDesignValueFirst + p, 0, v[p], 0.0);
}

CombinationDesign Deflection(int index, const std::string& name, double ownLimit,
                             const std::vector<double>& u, double utilY, double utilZ) {
  CombinationDesign c;
  c.index = index;
  c.kind = qv::CombinationKind::kDeflection;
  c.name = name;
  c.durationName = "Pysyvä";
  c.ownLimit = ownLimit;
  c.spans.SetLayout(0, 0, DeflectionRow::kFieldCount);
  std::vector<double> row(DeflectionRow::kFieldCount, 0.0);
  row[1] = 6000.0;
  for (std::size_t i = 0; i < u.size(); ++i) row[i + 2] = u[i];
  c.spans.AddRecord(nullptr, &row, nullptr);
  c.utilY.push_back(utilY);
  c.utilZ.push_back(utilZ);
  return c;
}

bool Contains(const Lines& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

bool AnyStartsWith(const Lines& lines, const std::string& prefix) {
  for (const std::string& l : lines)
    if (l.rfind(prefix, 0) == 0) return true;
  return false;
}

}  // namespace

TEST(DesignReport, WholeChapterWithPlaceholdersReplaced) {
  DesignResults r;
  r.code = qv::DesignCode::kLimitState;
  r.stress.push_back(Stress(0, "KY1"));
  AddBeamRows(r.stress.back().checks, 81.25);
  r.deflection.push_back(Deflection(2, "KY3", 0.0, {0.0, 18.0, 0.0, 0.0, 0.0, 0.0}, 90.0, 0.0));
  const Lines lines = qv::WriteDesignReport(r, DesignReportOptions{});
  const Lines expected = {
      kDouble,
      "MITOITUS:",
      kSingle,
      "Mitoitusnormi:\tRakMk B10 rajatilamitoitus (2001)",
      "Kokonaiskäyttöaste:\t90.0 %",
      kDouble,
      "MITOITUS, JÄNNITYSTARKASTELUT: (KA = 81 %)",
      "KY1 (81 %), Aikaluokka = Pysyvä",
      kSingle,
      "Leikkaus:\t0.23 MPa (24 %)",
      "Taivutus:\t6.75 MPa (81 %)",
      "Vy_max:\t3.00 kN",
      "Mz_max:\t4.50 kNm",
      kDouble,
      "MITOITUS, SIIRTYMÄTARKASTELUT: (KA = 90 %)",
      kSingle,
      "Sallitut siirtymät (y-suunta):",
      "Kaikki kuormat:\tL/300",
      "Muuttuvat kuormat:\tL/200",
      "Sallitut siirtymät (z-suunta):",
      "Kaikki kuormat:\tL/300",
      "Muuttuvat kuormat:\tL/200",
      "KY3 (90 %), Aikaluokka = Pysyvä",
      kSingle,
      "Aukko 1 (x = 0.0 - 6000.0)",
      "Uy,tot = 18.00 mm, Uy,muuttuva = 0.00 mm (90 %)",
  };
  EXPECT_EQ(lines, expected);
}

TEST(DesignReport, ForceMaximaAreListedWhateverTheInfoDisplay) {
  DesignResults r;
  r.settings.Siirtyma = 0;
  r.infoDisplay = 0;
  r.stress.push_back(Stress(0, "KY1"));
  AddBeamRows(r.stress.back().checks, 50.0);
  const Lines off = qv::WriteDesignReport(r, {});
  r.infoDisplay = 1;
  const Lines on = qv::WriteDesignReport(r, {});
  EXPECT_EQ(off, on);
  EXPECT_TRUE(Contains(off, "Vy_max:\t3.00 kN"));
  EXPECT_TRUE(Contains(off, "Mz_max:\t4.50 kNm"));
  EXPECT_FALSE(AnyStartsWith(off, "Nx_max"));  // zero maxima are left out
  EXPECT_FALSE(AnyStartsWith(off, "MITOITUS, SIIRTYMÄTARKASTELUT"));
}

TEST(DesignReport, StabilityAndDesignValueOptions) {
  DesignResults r;
  r.settings.Siirtyma = 0;
  r.stress.push_back(Stress(0, "KY1"));
  AddBeamRows(r.stress.back().checks, 50.0);
  DesignReportOptions o;
  o.stability = true;
  Lines lines = qv::WriteDesignReport(r, o);
  EXPECT_TRUE(Contains(lines, "Kiepahdus, Kk,y:\t1.00 (aukko 1, taivutus y-akselin ympäri)"));
  EXPECT_TRUE(Contains(lines, "Kiepahdus, Kk,z:\t0.94 (aukko 1, taivutus z-akselin ympäri)"));
  EXPECT_TRUE(Contains(lines, "Hoikkuus,z:\t103.92 (aukko 1, taivutus z-akselin ympäri)"));
  EXPECT_TRUE(Contains(lines, "Nurjahdus, ks,z:\t0.26 (aukko 1, taivutus z-akselin ympäri)"));
  EXPECT_FALSE(AnyStartsWith(lines, "Hoikkuus,y"));  // zero, and z-direction buckling is off
  EXPECT_FALSE(Contains(lines, "MATERIAALITIEDOT (Laskenta-arvot):"));

  o.stability = false;
  o.designValues = true;
  lines = qv::WriteDesignReport(r, o);
  EXPECT_FALSE(AnyStartsWith(lines, "Kiepahdus"));
  const auto at = std::find(lines.begin(), lines.end(), "MATERIAALITIEDOT (Laskenta-arvot):");
  ASSERT_NE(at, lines.end());
  const Lines values(at + 1, lines.end());
  const Lines expected = {
      "fbd (Mz):\t8.31 MPa", "fbd (My):\t8.31 MPa",    "fcd:\t8.31 MPa",
      "fc90d:\t1.02 MPa",    "ftd:\t5.08 MPa",         "fvd (Vy):\t0.92 MPa",
      "fvd (Vz):\t0.92 MPa", "Ek (lujuus):\t2769 MPa", "E (siirtymä):\t5625 MPa"};
  EXPECT_EQ(values, expected);

  r.code = qv::DesignCode::kEc5Env;
  o.stability = true;
  lines = qv::WriteDesignReport(r, o);
  EXPECT_TRUE(Contains(lines, "Nurjahdus, kc,z:\t0.26 (aukko 1, taivutus z-akselin ympäri)"));
  EXPECT_TRUE(Contains(lines, "Kiepahdus, kcrit,y:\t1.00 (aukko 1, taivutus y-akselin ympäri)"));
  EXPECT_TRUE(Contains(lines, "fm,d (Mz):\t8.31 MPa"));
}

TEST(DesignReport, SameConditionsAsTheTreeForInteractionsAndFailures) {
  DesignResults r;
  r.settings.Siirtyma = 0;
  r.stress.push_back(Stress(0, "KY1"));
  CheckRowVektori& rows = r.stress.back().checks;
  rows.AddRow(R::kShear, 0, 0.3, 30.0);
  rows.AddRow(R::kTension, 0, 2.0, 40.0);
  rows.AddRow(R::kBending, 0, 9.0, 60.4);
  rows.AddRow(R::kBendingTension, 0, 1.004, 100.4);
  rows.AddRow(R::kBendingCompression, 0, 0.604, 60.4);
  const Lines lines = qv::WriteDesignReport(r, {});
  EXPECT_TRUE(Contains(lines, "Taivutus + veto:\t1.00 (100 %)"));
  EXPECT_FALSE(AnyStartsWith(lines, "Taivutus + puristus"));
  EXPECT_TRUE(Contains(lines, "KY1 (100 %), Aikaluokka = Pysyvä"));
  EXPECT_TRUE(Contains(lines, "MITOITUS, JÄNNITYSTARKASTELUT: (KA = 100 %)"));
  EXPECT_TRUE(Contains(lines, "Kokonaiskäyttöaste:\t100.4 %"));
}

// A combination that could not be checked says so, and the total is no percentage.
TEST(DesignReport, UncheckedCombinationShowsNameAndNoTotal) {
  DesignResults r;
  r.stress.push_back(Stress(0, "KY1"));
  r.deflection.push_back(Deflection(1, "KY2", 10.0, {}, 0.0, 0.0));
  r.deflection.back().spans.ClearRecords();
  r.deflection.back().utilY.clear();
  r.deflection.back().utilZ.clear();
  const Lines lines = qv::WriteDesignReport(r, {});
  EXPECT_TRUE(Contains(lines, "KY1 (0 %)"));
  EXPECT_TRUE(Contains(lines, "KY2 (0 %), KY:llä oma Usall (=10.00 mm)"));
  EXPECT_TRUE(Contains(lines, "Kokonaiskäyttöaste:\t? (kaikkia tarkasteluja ei voitu tehdä)"));
  EXPECT_TRUE(AnyStartsWith(lines, "Ei tarkastettu: "));
  EXPECT_FALSE(AnyStartsWith(lines, "Aukko"));
}

TEST(DesignReportAllowed, ConditionsPerCodeRelativeAbsoluteAndBoth) {
  MitoitusAsetukset s;
  // Code 2: y 300 and 10 mm for condition 1, nothing for condition 2.
  s.Yabs1 = 10.0;
  s.Yrel2 = 0.0;
  EXPECT_EQ(qv::AllowedDeflectionLines(s, qv::DesignCode::kLimitState, 2),
            (Lines{"Sallitut siirtymät (y-suunta):", "Kaikki kuormat:\tL/300 tai 10.0 mm"}));
  // Condition 3 is a code-3 condition only.
  s.Zrel1 = 0.0;
  s.Zrel2 = 0.0;
  s.Zabs2 = 7.5;
  s.Zrel3 = 250.0;
  EXPECT_EQ(qv::AllowedDeflectionLines(s, qv::DesignCode::kLimitState, 3),
            (Lines{"Sallitut siirtymät (z-suunta):", "Muuttuvat kuormat:\t7.5 mm"}));
  EXPECT_EQ(qv::AllowedDeflectionLines(s, qv::DesignCode::kEc5Env, 3),
            (Lines{"Sallitut siirtymät (z-suunta):", "Muuttuvat kuormat, lopullinen:\t7.5 mm",
                   "Kaikki kuormat, lopullinen:\tL/250"}));
  EXPECT_EQ(
      qv::AllowedDeflectionLines(s, qv::DesignCode::kEc5Env, 2),
      (Lines{"Sallitut siirtymät (y-suunta):", "Muuttuvat kuormat, hetkellinen:\tL/300 tai 10.0 mm",
             "Kaikki kuormat, lopullinen:\tL/200"}));
  // No limit at all: no heading either.
  s.Zabs2 = 0.0;
  s.Zrel3 = 0.0;
  EXPECT_TRUE(qv::AllowedDeflectionLines(s, qv::DesignCode::kEc5Env, 3).empty());
}
