// Stress and stability check rows for hand-built force tables, against hand calculations.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

#include "design/CheckStresses.h"
#include "CodeOf.h"

namespace {

using Row = CheckRowVektori;

// f1 bending z, f2 compression, f3 compression perp., f4 tension, f5 shear y, f6 modulus,
// f7 deflection modulus, f8 bending y, f9 shear z.
DesignValues Values(std::initializer_list<double> f) {
  DesignValues v;
  int q = 1;
  for (double x : f) v.Set(q++, x);
  return v;
}

const DesignValues kValues = Values({20, 8, 2, 7, 1.5, 7000, 9000, 22, 1.2});

// One record per sampling point: x, N, Vy, Vz, Mx, My, Mz.
struct Forces {
  QELvektori table;
  Forces() { table.SetLayout(0, 0, 7); }
  Forces& Add(double x, double n, double vy, double vz, double mx, double my, double mz) {
    const std::vector<double> reals{x, n, vy, vz, mx, my, mz};
    table.AddRecord(nullptr, &reals, nullptr);
    return *this;
  }
};

struct Case {
  qv::StressCheckInput in;
  Forces forces;
  CheckRowVektori rows;

  Case(int code, qv::SectionSize section, std::vector<double> bounds) {
    in.context.code = CodeOf(code);
    in.context.materialType = 1;
    in.section = section;
    in.values = kValues;
    in.spanBounds = std::move(bounds);
    in.forces = &forces.table;
  }
  void NoStability() {
    in.context.settings.Nurjahdus = 0;
    in.context.settings.Kiepahdus = 0;
  }
  int Run() { return qv::CheckStresses(in, rows); }
  double V1(int code, int span = 0) const { return rows.Value1(Index(code, span)); }
  double V2(int code, int span = 0) const { return rows.Value2(Index(code, span)); }
  int Index(int code, int span) const {
    const int i = rows.Find(code, span);
    EXPECT_GE(i, 0) << "row " << code << " span " << span;
    return i;
  }
  std::vector<int> Codes() const {
    std::vector<int> c;
    for (int i = 0; i < rows.Count(); ++i) c.push_back(rows.Code(i));
    return c;
  }
};

qv::SectionSize Rect(double b, double h) {
  return qv::SectionSize{qv::SectionShape::kRectangle, b, h};
}
qv::SectionSize Circle(double d) { return qv::SectionSize{qv::SectionShape::kCircle, d, 0.0}; }

// Simply supported 4000 mm span, q = 5 N/mm: Mz = q x (L - x)/2, Vy = q (L/2 - x).
void AddUniformBeam(Forces& f, double q, double length, int steps) {
  for (int i = 0; i <= steps; ++i) {
    const double x = length * i / steps;
    f.Add(x, 0, q * (length / 2 - x), 0, 0, 0, q * x * (length - x) / 2);
  }
}

const std::vector<int> kSummaryCodes = {1,  8,  2,  3,  4,  5,  6,  11, 12, 13, 14,
                                        15, 16, 41, 42, 43, 44, 45, 46, 47, 48, 49};

// 100 x 200, code 2: Mmax = 5*4000^2/8 = 1e7 Nmm, sigma = 1e7/666666.7 = 15 MPa, f1 = 20:
// 75 %. Vmax = 10000 N: 1.5*10000/20000 = 0.75 MPa, f5 = 1.5: 50 %.
TEST(CheckStresses, SimplySupportedBeamInBending) {
  Case c(2, Rect(100, 200), {0, 4000});
  c.NoStability();
  AddUniformBeam(c.forces, 5, 4000, 8);
  ASSERT_EQ(c.Run(), 22);
  EXPECT_EQ(c.Codes(), kSummaryCodes);
  EXPECT_NEAR(c.V1(Row::kBending), 15.0, 1e-9);
  EXPECT_NEAR(c.V2(Row::kBending), 75.0, 1e-9);
  EXPECT_NEAR(c.V1(Row::kShear), 0.75, 1e-12);
  EXPECT_NEAR(c.V2(Row::kShear), 50.0, 1e-9);
  // No axial force: both rows written with zeros.
  EXPECT_EQ(c.V1(Row::kTension), 0.0);
  EXPECT_EQ(c.V2(Row::kTension), 0.0);
  EXPECT_EQ(c.V1(Row::kCompression), 0.0);
  EXPECT_EQ(c.V2(Row::kCompression), 0.0);
  EXPECT_NEAR(c.V1(Row::kBendingTension), 0.75, 1e-12);
  EXPECT_NEAR(c.V2(Row::kBendingCompression), 75.0, 1e-9);
  EXPECT_NEAR(c.V1(Row::kMaxN + 1), 10000.0, 1e-9);  // |Vy|
  EXPECT_NEAR(c.V1(Row::kMaxMz), 1e7, 1e-3);
  EXPECT_EQ(c.V1(Row::kMaxN), 0.0);
  // Design values in the order 1, 8, 2, 3, 4, 5, 9, 6, 7.
  const double expected[] = {20, 22, 8, 2, 7, 1.5, 1.2, 7000, 9000};
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(c.V1(Row::kDesignValueFirst + k), expected[k]);
    EXPECT_EQ(c.V2(Row::kDesignValueFirst + k), 0.0);
  }
}

// 50 x 200 over 4000, code 2, k_k1 = 0.075: lambda = 0.075*sqrt(4000*200)/50 = 1.3416,
// kcrit,z = 1.56 - 0.75*1.3416 = 0.55377; about y 0.075*sqrt(4000*50)/200 = 0.168: 1.0.
// q = 2: M = 4e6, sigma = 12 MPa, 12/(20*0.55377) = 108.35 %.
TEST(CheckStresses, LateralTorsionalFactorReducesTheBendingStrength) {
  Case c(2, Rect(50, 200), {0, 4000});
  c.in.context.settings.Nurjahdus = 0;
  AddUniformBeam(c.forces, 2, 4000, 8);
  c.Run();
  ASSERT_EQ(c.rows.Code(0), Row::kLateralFactors);
  EXPECT_EQ(c.rows.Span(0), 1);
  EXPECT_EQ(c.V1(Row::kLateralFactors, 1), 1.0);
  EXPECT_NEAR(c.V2(Row::kLateralFactors, 1), 0.55377, 5e-6);
  EXPECT_NEAR(c.V1(Row::kBending), 12.0, 1e-9);
  EXPECT_NEAR(c.V2(Row::kBending), 108.348, 1e-3);

  // With the check off the factors are 1 and row 31 is absent.
  c.in.context.settings.Kiepahdus = 0;
  c.Run();
  EXPECT_EQ(c.rows.Find(Row::kLateralFactors, 1), -1);
  EXPECT_NEAR(c.V2(Row::kBending), 60.0, 1e-9);
}

// Code 1, 100 x 200, N = 100 kN over 3000 mm: sigma = 5 MPa; f1 = 12, f2 = 8, f6 = 7000,
// f8 = 10, n = 400.
TEST(CheckStresses, Code1ColumnBucklingInYAndZ) {
  Case c(1, Rect(100, 200), {0, 3000});
  c.in.values = Values({12, 8, 2, 7, 1.5, 7000, 9000, 10, 1.2});
  c.in.context.settings.Kiepahdus = 0;
  for (int i = 0; i <= 4; ++i) c.forces.Add(750.0 * i, 100000, 0, 0, 0, 0, 0);

  // Only the y direction (the default): q = 1.5377, a = 2.7684, kz = 0.76916;
  // 5/(8*0.76916) = 81.257 %.
  c.Run();
  EXPECT_NEAR(c.V1(Row::kSlenderness, 1), 0.0, 0.0);
  EXPECT_NEAR(c.V2(Row::kSlenderness, 1), 51.9615, 1e-4);
  EXPECT_EQ(c.V1(Row::kBucklingFactors, 1), 1.0);
  EXPECT_NEAR(c.V2(Row::kBucklingFactors, 1), 0.76916, 5e-6);
  EXPECT_NEAR(c.V1(Row::kCompression), 5.0, 1e-12);
  EXPECT_NEAR(c.V2(Row::kCompression), 81.257, 1e-3);
  EXPECT_EQ(c.rows.Find(Row::kRelativeSlenderness, 1), -1);

  // Both directions: z has i = 28.868, lambda = 103.92, f8 = 10, depth h = 200:
  // q = 0.79962/2.08 = 0.38443, a = 1 + q*1.72001 = 1.66123, ky = 0.27791;
  // 5/(8*0.27791) = 224.90 %.
  c.in.context.settings.Znurj = 1;
  c.Run();
  const std::vector<int> head = {Row::kSlenderness, Row::kBucklingFactors};
  const std::vector<int> codes = c.Codes();
  EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + 2), head);
  EXPECT_NEAR(c.V1(Row::kSlenderness, 1), 103.9230, 1e-4);
  EXPECT_NEAR(c.V2(Row::kSlenderness, 1), 51.9615, 1e-4);
  EXPECT_NEAR(c.V1(Row::kBucklingFactors, 1), 0.27791, 5e-6);
  EXPECT_NEAR(c.V2(Row::kCompression), 224.896, 1e-3);
  // Codes 1 and 2 combine linearly: max(cz, cy) + 0 bending.
  EXPECT_NEAR(c.V1(Row::kBendingCompression), 2.24896, 1e-5);
  EXPECT_EQ(c.rows.Find(Row::kSlendernessLimit), -1);
}

// Code 3, 100 x 200 over 3000, sawn timber, f2 = 20, f6 = 9000, f1 = f8 = 24.
// lambda_rel,z = 0.77970, kz = 0.89120; lambda_rel,y = 1.55939, ky = 0.36183.
// N = 200 kN (10 MPa), Mz = 2e6 (mz = 3/24 = 0.125), My = 0.5e6 (my = 1.5/24 = 0.0625):
// cz = 0.56104, cy = 1.38186; ratio = max(cz + mz + 0.7 my, cy + 0.7 mz + my) = 1.53186.
TEST(CheckStresses, Code3ColumnWithBendingUsesTheLinearTerms) {
  Case c(3, Rect(100, 200), {0, 3000});
  c.in.values = Values({24, 20, 3, 14, 2, 9000, 11000, 24, 2});
  c.in.context.settings.Kiepahdus = 0;
  c.in.context.settings.Znurj = 1;
  for (int i = 0; i <= 4; ++i) c.forces.Add(750.0 * i, 200000, 0, 0, 0, 0.5e6, 2e6);
  c.Run();
  const std::vector<int> head = {Row::kSlenderness, Row::kBucklingFactors,
                                 Row::kRelativeSlenderness};
  const std::vector<int> codes = c.Codes();
  EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + 3), head);
  EXPECT_NEAR(c.V1(Row::kRelativeSlenderness, 1), 1.55939, 5e-6);
  EXPECT_NEAR(c.V2(Row::kRelativeSlenderness, 1), 0.77970, 5e-6);
  EXPECT_NEAR(c.V1(Row::kBucklingFactors, 1), 0.36183, 5e-6);
  EXPECT_NEAR(c.V2(Row::kBucklingFactors, 1), 0.89120, 5e-6);
  EXPECT_NEAR(c.V2(Row::kCompression), 138.186, 1e-3);
  EXPECT_NEAR(c.V1(Row::kBendingCompression), 1.53186, 5e-6);
  EXPECT_NEAR(c.V2(Row::kBendingCompression), 153.186, 5e-4);
  // Rectangle under code 3: bending max(mz + 0.7 my, 0.7 mz + my) = 0.16875.
  EXPECT_NEAR(c.V1(Row::kBending), 4.5, 1e-9);  // 3 + 1.5 MPa
  EXPECT_NEAR(c.V2(Row::kBending), 16.875, 1e-9);
  // Code 3 never writes the slenderness limit row.
  EXPECT_EQ(c.rows.Find(Row::kSlendernessLimit), -1);
}

// The same without buckling (both factors 1): c = (10/20)^2 = 0.25, ratio = 0.25 + 0.16875.
TEST(CheckStresses, Code3WithoutBucklingSquaresTheCompressionTerm) {
  Case c(3, Rect(100, 200), {0, 3000});
  c.in.values = Values({24, 20, 3, 14, 2, 9000, 11000, 24, 2});
  c.NoStability();
  c.forces.Add(0, 200000, 0, 0, 0, 0.5e6, 2e6);
  c.Run();
  EXPECT_EQ(c.rows.Find(Row::kSlenderness, 1), -1);
  EXPECT_NEAR(c.V1(Row::kBendingCompression), 0.41875, 1e-12);
  EXPECT_NEAR(c.V2(Row::kCompression), 50.0, 1e-9);

  // A short column has lambda_rel <= 0.5: rows 21 to 23 appear, factors stay 1 and the
  // squared term is used. 300 mm in y: lambda = 5.196, lambda_rel = 0.078.
  c.in.context.settings.Nurjahdus = 1;
  c.in.spanBounds = {0, 300};
  c.Run();
  EXPECT_EQ(c.V2(Row::kBucklingFactors, 1), 1.0);
  EXPECT_GT(c.V2(Row::kRelativeSlenderness, 1), 0.0);
  EXPECT_NEAR(c.V1(Row::kBendingCompression), 0.41875, 1e-12);
}

// N = -50 kN on 100 x 200 (2.5 MPa, f4 = 10), Mz = 5e6 (mz = 7.5/24), My = 1e6 (my = 3/24).
// Code 2: t + mz + my = 0.25 + 0.3125 + 0.125 = 0.6875; code 3: 0.25 + max(0.4, 0.34375) = 0.65.
TEST(CheckStresses, TensionWithBending) {
  for (int code : {2, 3}) {
    Case c(code, Rect(100, 200), {0, 2000});
    c.in.values = Values({24, 20, 3, 10, 2, 9000, 11000, 24, 2});
    c.NoStability();
    c.forces.Add(0, -50000, 0, 0, 0, 1e6, 5e6).Add(2000, -50000, 0, 0, 0, 1e6, 5e6);
    c.Run();
    EXPECT_NEAR(c.V1(Row::kTension), 2.5, 1e-12);
    EXPECT_NEAR(c.V2(Row::kTension), 25.0, 1e-9);
    EXPECT_EQ(c.V2(Row::kCompression), 0.0);
    EXPECT_NEAR(c.V1(Row::kBendingTension), code == 2 ? 0.6875 : 0.65, 1e-12);
    // Tension adds nothing to bending with compression.
    EXPECT_NEAR(c.V1(Row::kBendingCompression), code == 2 ? 0.4375 : 0.4, 1e-12);
    EXPECT_NEAR(c.V1(Row::kMaxN), 50000.0, 0.0);
  }
}

// Circle d = 200, code 3: A = 31415.93, W = 785398.16 both ways. N = 100 kN (3.18310 MPa),
// Mz = 3e6, My = 2e6, Vy = 10 kN. Bending is a plain sum for circles: 5e6/W/24 = 26.526 %;
// bending with compression keeps the 0.7 rule: (3.1831/20)^2 + 3e6/W/24*0.7 + 2e6/W/24 = 0.25876.
// Shear 1.5*10000/A = 0.47746 MPa, 31.831 % of f5 = 1.5.
TEST(CheckStresses, CircleUnderCode3) {
  Case c(3, Circle(200), {0, 2000});
  c.in.values = Values({24, 20, 3, 10, 1.5, 9000, 11000, 24, 1.2});
  c.NoStability();
  c.forces.Add(1000, 100000, 10000, 0, 0, 2e6, 3e6);
  c.Run();
  EXPECT_NEAR(c.V1(Row::kCompression), 3.18310, 5e-6);
  EXPECT_NEAR(c.V2(Row::kBending), 26.5258, 5e-4);
  EXPECT_NEAR(c.V1(Row::kBendingCompression), 0.258758, 5e-7);
  EXPECT_NEAR(c.V1(Row::kShear), 0.477465, 5e-7);
  EXPECT_NEAR(c.V2(Row::kShear), 31.8310, 5e-4);
}

// 100 x 200: kt = 1/(0.239*200*100^2); Mx = 1e6 gives 2.09205 MPa, over min(f5, f9) = 1.2
// that is 174.34 %.
TEST(CheckStresses, TorsionUsesTheSmallerShearStrength) {
  Case c(2, Rect(100, 200), {0, 2000});
  c.NoStability();
  c.forces.Add(0, 0, 0, 0, -1e6, 0, 0);
  c.Run();
  EXPECT_NEAR(c.V1(Row::kTorsion), 2.09205, 5e-6);
  EXPECT_NEAR(c.V2(Row::kTorsion), 174.338, 1e-3);
  EXPECT_NEAR(c.V1(Row::kMaxN + 3), 1e6, 0.0);
}

// Circle d = 400 has i = 100, so a given buckling length of 17000 mm is lambda = 170.
TEST(CheckStresses, SlendernessLimitRowOnlyAbove170ForCodes1And2) {
  for (int code : {1, 2, 3}) {
    for (double lc : {17000.0, 17001.0}) {
      Case c(code, Circle(400), {0, 3000});
      c.in.context.settings.Kiepahdus = 0;
      c.in.context.settings.YnurjTapa = 2;
      c.in.context.settings.LcY = lc;
      c.forces.Add(0, 1000, 0, 0, 0, 0, 0);
      c.Run();
      const int i = c.rows.Find(Row::kSlendernessLimit);
      if (code == 3 || lc == 17000.0) {
        EXPECT_EQ(i, -1) << code << " " << lc;
        continue;
      }
      ASSERT_GE(i, 0);
      EXPECT_NEAR(c.rows.Value1(i), 170.01, 1e-9);
      EXPECT_EQ(c.rows.Value2(i), c.rows.Value1(i));
      // It follows row 6 and comes before the force maxima.
      EXPECT_EQ(c.rows.Code(i - 1), Row::kBendingCompression);
      EXPECT_EQ(c.rows.Code(i + 1), Row::kMaxN);
    }
  }
}

// 100 x 600: Wz = 6e6 exactly. Mz = 1.2e8 is 20 MPa = f1 (100 %, passes); 1.2048e8 is
// 20.08 MPa (100.4 %, fails).
TEST(CheckStresses, UtilisationAtAndJustAboveTheLimit) {
  Case c(2, Rect(100, 600), {0, 8000});
  c.NoStability();
  c.forces.Add(4000, 0, 0, 0, 0, 0, 1.2e8);
  c.Run();
  EXPECT_DOUBLE_EQ(c.V2(Row::kBending), 100.0);
  EXPECT_FALSE(c.V2(Row::kBending) > 100.0);
  c.forces.table.SetReal(0, 6, 1.2048e8);
  c.Run();
  EXPECT_NEAR(c.V2(Row::kBending), 100.4, 1e-9);
  EXPECT_TRUE(c.V2(Row::kBending) > 100.0);
}

// Two spans 0-2000-6000, 50 x 200, code 2: kcrit,z = 0.84849 over 2000 and 0.55377 over
// 4000. The hogging moment -3e6 at the support (sigma 9 MPa) governs with the longer
// span's factor: 9/(20*0.55377) = 81.261 % (the short span would give 53.036 %).
TEST(CheckStresses, ContinuousBeamExaminesTheInnerSupportInBothSpans) {
  Case c(2, Rect(50, 200), {0, 2000, 6000});
  c.in.context.settings.Nurjahdus = 0;
  c.forces.Add(0, 0, 0, 0, 0, 0, 0)
      .Add(1000, 0, 0, 0, 0, 0, 1.0e6)
      .Add(2000, 0, 0, 0, 0, 0, -3.0e6)
      .Add(2000, 0, 0, 0, 0, 0, -3.0e6)
      .Add(4000, 0, 0, 0, 0, 0, 2.0e6)
      .Add(6000, 0, 0, 0, 0, 0, 0);
  c.Run();
  EXPECT_EQ(c.rows.Code(0), Row::kLateralFactors);
  EXPECT_EQ(c.rows.Span(0), 1);
  EXPECT_EQ(c.rows.Code(1), Row::kLateralFactors);
  EXPECT_EQ(c.rows.Span(1), 2);
  EXPECT_NEAR(c.V2(Row::kLateralFactors, 1), 0.84849, 5e-6);
  EXPECT_NEAR(c.V2(Row::kLateralFactors, 2), 0.55377, 5e-6);
  EXPECT_NEAR(c.V1(Row::kBending), 9.0, 1e-9);
  EXPECT_NEAR(c.V2(Row::kBending), 81.2613, 5e-4);

  // The same when the support point appears once, a rounding step off the support.
  Case d(2, Rect(50, 200), {0, 2000, 6000});
  d.in.context.settings.Nurjahdus = 0;
  d.forces.Add(0, 0, 0, 0, 0, 0, 0)
      .Add(2000 - 1e-9, 0, 0, 0, 0, 0, -3.0e6)
      .Add(6000, 0, 0, 0, 0, 0, 0);
  d.Run();
  EXPECT_NEAR(d.V2(Row::kBending), 81.2613, 5e-4);

  // Points not in ascending order (a table built by hand) are each still found.
  Case e(2, Rect(50, 200), {0, 2000, 6000});
  e.in.context.settings.Nurjahdus = 0;
  e.forces.Add(4000, 0, 0, 0, 0, 0, 2.0e6)
      .Add(0, 0, 0, 0, 0, 0, 0)
      .Add(2000, 0, 0, 0, 0, 0, -3.0e6)
      .Add(1000, 0, 0, 0, 0, 0, 1.0e6);
  e.Run();
  EXPECT_NEAR(e.V1(Row::kBending), 9.0, 1e-9);
  EXPECT_NEAR(e.V2(Row::kBending), 81.2613, 5e-4);
}

TEST(CheckStresses, RowOrderWithEveryCheckOnUnderCode3) {
  Case c(3, Rect(100, 200), {0, 3000, 6000});
  c.in.values = Values({24, 20, 3, 14, 2, 9000, 11000, 24, 2});
  c.in.context.settings.Znurj = 1;
  c.forces.Add(0, 1000, 0, 0, 0, 0, 0).Add(6000, 1000, 0, 0, 0, 0, 0);
  c.Run();
  std::vector<int> expected = {31, 21, 22, 23, 31, 21, 22, 23};
  expected.insert(expected.end(), kSummaryCodes.begin(), kSummaryCodes.end());
  EXPECT_EQ(c.Codes(), expected);
  EXPECT_EQ(c.rows.Span(4), 2);
  EXPECT_EQ(c.rows.Span(8), 0);
}

// Shear is the one check whose value1 is not proportional to its utilisation: two points
// with equal utilisation (7.5 %) keep the first one's stress.
TEST(CheckStresses, OnlyAStrictlyGreaterUtilisationReplacesTheKeptPoint) {
  Case c(2, Rect(100, 200), {0, 2000});
  c.in.values = Values({20, 8, 2, 7, 2, 7000, 9000, 22, 1});
  c.NoStability();
  c.forces.Add(0, 0, 2000, 0, 0, 0, 0).Add(1000, 0, 0, 1000, 0, 0, 0);
  c.Run();
  EXPECT_DOUBLE_EQ(c.V2(Row::kShear), 7.5);
  EXPECT_DOUBLE_EQ(c.V1(Row::kShear), 0.15);

  Case d(2, Rect(100, 200), {0, 2000});
  d.in.values = c.in.values;
  d.NoStability();
  d.forces.Add(0, 0, 0, 1000, 0, 0, 0).Add(1000, 0, 2000, 0, 0, 0, 0);
  d.Run();
  EXPECT_DOUBLE_EQ(d.V1(Row::kShear), 0.075);
}

TEST(CheckStresses, MissingInputsLeaveNoRows) {
  Case c(2, Rect(100, 200), {0, 4000});
  AddUniformBeam(c.forces, 5, 4000, 4);
  ASSERT_GT(c.Run(), 0);

  c.in.values.Set(DesignValues::kShearZ, 0.0);
  EXPECT_EQ(c.Run(), 0);
  EXPECT_EQ(c.rows.Count(), 0);
  c.in.values = kValues;

  c.in.section = Rect(0, 200);
  EXPECT_EQ(c.Run(), 0);
  c.in.section = qv::SectionSize{};
  EXPECT_EQ(c.Run(), 0);
  c.in.section = Rect(100, 200);

  c.in.spanBounds = {0};
  EXPECT_EQ(c.Run(), 0);
  c.in.spanBounds = {0, 4000};

  Forces empty;
  c.in.forces = &empty.table;
  EXPECT_EQ(c.Run(), 0);
  c.in.forces = nullptr;
  EXPECT_EQ(c.Run(), 0);
}

}  // namespace

// A design value or force that is no number never passes: max(0, NaN) would drop it.
TEST(CheckStressesNoNumbers, InfiniteValuesOrNaNForcesWriteNoRows) {
  struct NoNumber {
    const char* what;
    int quantity;  // design value set to infinity, 0 for none
    double force;  // Mz at midspan
  };
  const double inf = std::numeric_limits<double>::infinity();
  for (const NoNumber& n :
       {NoNumber{"fm,d infinite", 1, 1e6}, NoNumber{"fv,d infinite", 5, 1e6},
        NoNumber{"Mz not a number", 0, std::nan("")}, NoNumber{"Mz infinite", 0, inf}}) {
    Case c(3, Rect(50, 200), {0, 4000});
    c.NoStability();
    if (n.quantity > 0) c.in.values.Set(n.quantity, inf);
    c.forces.Add(0, 0, 1000, 0, 0, 0, 0)
        .Add(2000, 0, 0, 0, 0, 0, n.force)
        .Add(4000, 0, -1000, 0, 0, 0, 0);
    EXPECT_EQ(0, c.Run()) << n.what;
    EXPECT_EQ(0, c.rows.Count()) << n.what;
  }
}
