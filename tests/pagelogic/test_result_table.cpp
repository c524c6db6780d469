// Tests of the diagrams on the results page: value-table rows against beam theory, both row
// selections, the chart series.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "analysis/MemberTestProject.h"
#include "model/NumberText.h"
#include "pagelogic/ResultDiagram.h"
#include "pagelogic/ResultTable.h"
#include "pagelogic/ResultsPage.h"

namespace {

using Lines = std::vector<std::string>;

constexpr double kL = 6000.0;
constexpr double kQ = 5.0;  // N/mm, downward

// Rows of a table (the lines after the header).
Lines Rows(const Lines& table) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].rfind("X [mm]", 0) == 0)
      return Lines(table.begin() + static_cast<long>(i) + 1, table.end());
  return {};
}

// Beam under a uniform downward load in a permanent case; KY1 stresses, KY2 deflections.
class BeamDiagrams : public ::testing::Test {
 protected:
  void Build(int code, const std::vector<std::pair<double, int>>& supports) {
    t.reset();  // its folder goes before the next one is made under the same name
    t = std::make_unique<MemberTestProject>(code);
    t->SetMember(kL, supports);
    t->AddCase("G", 0);
    t->AddLine(0, MemberTestProject::kDown, -kQ, 0.0, kL);
    t->AddCombination(KuormaYhdVektori::kStress, {1.0});
    t->AddCombination(KuormaYhdVektori::kDeflection, {1.0});
    ASSERT_EQ(t->Solve(), 0);
  }
  void SimplySupported(int code = 2) {
    Build(code, {{0.0, RakenneVektori::kPinned}, {kL, RakenneVektori::kSlidingX}});
  }
  qv::ResultCurves Curves(int kind, int position = 0) {
    return qv::BuildResultCurves(*t->project, kind, position);
  }
  std::unique_ptr<MemberTestProject> t;
};

TEST_F(BeamDiagrams, MaximaOfSimplySupportedBeamAreEndsMidspanAndSupports) {
  SimplySupported();
  // M = q L^2 / 8 = 22.5 kNm at midspan; V = +-q L / 2 = 15 kN at the supports.
  const Lines mz = qv::ResultTableLines(Curves(qv::kResultMz), qv::kShowMaxima);
  EXPECT_EQ(mz, (Lines{"Mz (Momentti) [kNm], KY1 (Jännitystarkastelu)", "", "X [mm]\tArvo [kNm]",
                       "0\t0.000", "3000\t22.500", "6000\t0.000"}));
  const Lines vy = qv::ResultTableLines(Curves(qv::kResultVy), qv::kShowMaxima);
  EXPECT_EQ(Rows(vy), (Lines{"0\t15.000", "6000\t-15.000"}));
  EXPECT_EQ(vy[0], "Vy (Leikkausvoima) [kN], KY1 (Jännitystarkastelu)");
  EXPECT_EQ(vy[2], "X [mm]\tArvo [kN]");

  // All values: 41 points at 150 mm steps, M(x) = q x (L - x) / 2.
  const Lines all = Rows(qv::ResultTableLines(Curves(qv::kResultMz), qv::kShowAll));
  ASSERT_EQ(all.size(), 41u);
  const double x = 1050.0;
  EXPECT_EQ(all[7], "1050\t" + qv::FormatFixed(kQ * x * (kL - x) / 2.0 * 1e-6, 3));
}

TEST_F(BeamDiagrams, SupportsInsideTheSpanAreListedAtTheirOwnPositions) {
  // Overhangs of 1000 mm: R = 15 kN at 1000 and 5000.
  Build(2, {{1000.0, RakenneVektori::kPinned}, {5000.0, RakenneVektori::kSlidingX}});
  // M(1000) = -q 1000^2 / 2 = -2.5 kNm (twice in the table, one row); M(3000) = 15e3 * 2000 -
  // q 3000^2 / 2 = 7.5 kNm. No strict extremum at a support (its two points are equal).
  EXPECT_EQ(Rows(qv::ResultTableLines(Curves(qv::kResultMz), qv::kShowMaxima)),
            (Lines{"0\t0.000", "1000\t-2.500", "3000\t7.500", "5000\t-2.500", "6000\t0.000"}));
  // Shear jumps by the reaction: -5 | +10 at 1000 and -10 | +5 at 5000.
  EXPECT_EQ(Rows(qv::ResultTableLines(Curves(qv::kResultVy), qv::kShowMaxima)),
            (Lines{"0\t0.000", "1000\t-5.000", "1000\t10.000", "5000\t-10.000", "5000\t5.000",
                   "6000\t0.000"}));
}

TEST_F(BeamDiagrams, InnerSupportRepeatsXOnlyWhereTheValueDiffers) {
  Build(2, {{0.0, RakenneVektori::kPinned},
            {3000.0, RakenneVektori::kPinned},
            {kL, RakenneVektori::kSlidingX}});
  // Two spans of l = 3000: V at the inner support -+5 q l / 8 = -+9.375 kN, M = -q l^2 / 8.
  const Lines vy = Rows(qv::ResultTableLines(Curves(qv::kResultVy), qv::kShowAll));
  const Lines mz = Rows(qv::ResultTableLines(Curves(qv::kResultMz), qv::kShowAll));
  const qv::ResultCurves c = Curves(qv::kResultMz);
  // 21 points per span and the moment's stationary point in each (V = 0 at 3 l / 8 from
  // the end support), where M = 9 q l^2 / 128 = 3.164 kNm.
  ASSERT_EQ(c.PointCount(), 44);
  EXPECT_EQ(vy.size(), 44u);
  EXPECT_EQ(mz.size(), 43u);
  EXPECT_EQ(std::count(mz.begin(), mz.end(), "1125\t3.164"), 1);
  int at3000 = 0;
  for (std::size_t i = 0; i < vy.size(); ++i) {
    if (vy[i].rfind("3000\t", 0) != 0) continue;
    ++at3000;
    EXPECT_EQ(vy[i], at3000 == 1 ? "3000\t-9.375" : "3000\t9.375");
  }
  EXPECT_EQ(at3000, 2);
  EXPECT_EQ(Rows(qv::ResultTableLines(Curves(qv::kResultVy), qv::kShowMaxima)),
            (Lines{"0\t5.625", "3000\t-9.375", "3000\t9.375", "6000\t-5.625"}));
  // M = -q l^2 / 8 = -5.625 kNm over the inner support: one row, both points being equal.
  const Lines mzMax = Rows(qv::ResultTableLines(Curves(qv::kResultMz), qv::kShowMaxima));
  ASSERT_GE(mzMax.size(), 3u);
  EXPECT_EQ(mzMax.front(), "0\t0.000");
  EXPECT_EQ(mzMax.back(), "6000\t0.000");
  EXPECT_EQ(std::count(mzMax.begin(), mzMax.end(), "3000\t-5.625"), 1);
}

TEST_F(BeamDiagrams, DisplacementTablesPerCode) {
  SimplySupported(2);
  // w = 5 q L^4 / (384 E I), downward; the permanent case is left out of U2.
  const double w =
      5.0 * kQ * std::pow(kL, 4) / (384.0 * MemberTestProject::kE * MemberTestProject::IStrong());
  const qv::ResultCurves c = Curves(qv::kResultUy);
  const Lines lines = qv::ResultTableLines(c, qv::kShowMaxima);
  EXPECT_EQ(
      Lines(lines.begin(), lines.begin() + 5),
      (Lines{"Uy (Siirtymä) [mm], KY2 (Siirtymätarkastelu)", "U1 = Siirtymä kaikista kuormista",
             "U2 = Siirtymä muuttuvista kuormista", "", "X [mm]\tU1 [mm]\tU2 [mm]"}));
  EXPECT_EQ(Rows(lines), (Lines{"0\t0.00\t0.00", "3000\t" + qv::FormatFixed(-w, 2) + "\t0.00",
                                "6000\t0.00\t0.00"}));

  // EC5: U2,inst and U2,fin leave out the permanent load, Ufin = (1 + kdef) U of it.
  SimplySupported(3);
  const qv::ResultCurves e = Curves(qv::kResultUy);
  ASSERT_EQ(e.CurveCount(), 3);
  const Lines ec5 = qv::ResultTableLines(e, qv::kShowMaxima);
  EXPECT_EQ(Lines(ec5.begin(), ec5.begin() + 6),
            (Lines{"Uy (Siirtymä) [mm], KY2 (Siirtymätarkastelu)",
                   "U2,inst = Hetkellinen siirtymä muuttuvista kuormista",
                   "U2,fin = Loppusiirtymä muuttuvista kuormista",
                   "Ufin = Loppusiirtymä kaikista kuormista", "",
                   "X [mm]\tU2,inst [mm]\tU2,fin [mm]\tUfin [mm]"}));
  const std::size_t mid = 20;
  EXPECT_NEAR(e.values[2][mid], -w * (1.0 + MemberTestProject::kKdef[0]), 1e-6 * w);
  EXPECT_EQ(Rows(ec5)[1], "3000\t0.00\t0.00\t" + qv::FormatFixed(e.values[2][mid], 2));
}

TEST_F(BeamDiagrams, Ec5ThirdCurveHasPositionsOfItsOwn) {
  SimplySupported(3);
  const std::vector<qv::InterestGroup> g = qv::InterestGroups(Curves(qv::kResultUy));
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].curves, (std::vector<int>{0, 1}));
  EXPECT_EQ(g[1].curves, (std::vector<int>{2}));
  // The first two curves are zero (no variable load): no extremum above 0.0001 mm.
  EXPECT_EQ(g[0].positions, (std::vector<double>{0.0, kL}));
  EXPECT_EQ(g[1].positions, (std::vector<double>{0.0, 3000.0, kL}));
}

TEST_F(BeamDiagrams, NoCombinationOfTheKindLeavesOnlyTitles) {
  SimplySupported();
  t->project->Loads.Combinations().RemoveCombination(1, false);
  const qv::ResultCurves c = Curves(qv::kResultUy);
  EXPECT_EQ(qv::ResultTableLines(c, qv::kShowAll),
            (Lines{"Uy (Siirtymä) [mm]", "Siirtymätarkastelun kuormitusyhdistelmiä ei ole!",
                   "U1 = Siirtymä kaikista kuormista", "U2 = Siirtymä muuttuvista kuormista", "",
                   "X [mm]\tU1 [mm]\tU2 [mm]"}));
  const qv::ResultDiagram d = qv::BuildResultDiagram(c);
  EXPECT_EQ(d.footText, "Siirtymätarkastelun kuormitusyhdistelmiä ei ole!");
  ASSERT_EQ(d.series.size(), 5u);
  for (const qv::ChartSeries& s : d.series) EXPECT_TRUE(s.points.empty());
  EXPECT_EQ(qv::BuildResultCurves(*t->project, qv::kResultMz, 1).footText,
            "Jännitystarkastelun kuormitusyhdistelmiä ei ole!");
}

TEST_F(BeamDiagrams, InvalidAnalysisShowsTitlesOnly) {
  SimplySupported();
  t->project->AnalysisValid = 0;
  const Lines lines = qv::ResultTableLines(Curves(qv::kResultMz), qv::kShowAll);
  EXPECT_EQ(lines,
            (Lines{"Mz (Momentti) [kNm], KY1 (Jännitystarkastelu)", "", "X [mm]\tArvo [kNm]"}));
}

TEST_F(BeamDiagrams, ChartSeriesOrderPointsAndAxes) {
  SimplySupported();
  const qv::ResultCurves c = Curves(qv::kResultMz);
  const qv::ResultDiagram d = qv::BuildResultDiagram(c);
  EXPECT_EQ(d.title, "Mz (Momentti) [kNm], KY1 (Jännitystarkastelu)");
  EXPECT_EQ(d.valueAxisTitle, "kNm");
  EXPECT_EQ(d.xAxisTitle, "mm (paikalliskoordinaatisto x)");
  EXPECT_TRUE(d.valueAxisInverted);
  ASSERT_EQ(d.series.size(), 5u);
  const qv::ChartSeries& curve = d.series[qv::kChartCurve1];
  ASSERT_EQ(curve.points.size(), 3u * 41u);
  EXPECT_TRUE(d.series[qv::kChartCurve2].points.empty());
  EXPECT_TRUE(d.series[qv::kChartCurve3].points.empty());
  for (int i = 0; i <= qv::kChartCurve3; ++i) {
    EXPECT_EQ(d.series[static_cast<std::size_t>(i)].kind, qv::ChartSeriesKind::Line);
    EXPECT_EQ(d.series[static_cast<std::size_t>(i)].colour, 0x0000FFu);
  }
  // Hatched from the axis: (x, v), (x, 0), (x, v) at x = 3000, v = 22.5 kNm.
  EXPECT_DOUBLE_EQ(curve.points[60].x, 3000.0);
  EXPECT_NEAR(curve.points[60].y, 22.5, 1e-9);
  EXPECT_DOUBLE_EQ(curve.points[61].x, 3000.0);
  EXPECT_EQ(curve.points[61].y, 0.0);
  EXPECT_NEAR(curve.points[62].y, 22.5, 1e-9);

  const qv::ChartSeries& axis = d.series[qv::kChartAxis];
  EXPECT_EQ(axis.colour, 0xFF0000u);
  EXPECT_EQ(axis.penWidth, 2);
  ASSERT_EQ(axis.points.size(), 41u);
  EXPECT_EQ(axis.points.back().x, kL);
  for (const qv::ChartPoint& p : axis.points) EXPECT_EQ(p.y, 0.0);

  // Markers: only the midspan moment is not zero.
  const qv::ChartSeries& m = d.series[qv::kChartMarkers];
  EXPECT_EQ(m.kind, qv::ChartSeriesKind::Points);
  EXPECT_EQ(m.markerSize, 3.0);
  ASSERT_EQ(m.points.size(), 1u);
  EXPECT_EQ(m.labels, (Lines{"22.50"}));

  const qv::ResultDiagram v = qv::BuildResultDiagram(Curves(qv::kResultVy));
  EXPECT_EQ(v.series[qv::kChartMarkers].labels, (Lines{"15.00", "-15.00"}));
}

TEST_F(BeamDiagrams, DisplacementChartsAreNotInverted) {
  SimplySupported(3);
  const qv::ResultDiagram d = qv::BuildResultDiagram(Curves(qv::kResultUy));
  EXPECT_FALSE(d.valueAxisInverted);
  EXPECT_EQ(d.valueAxisTitle, "mm");
  for (int i = 0; i <= qv::kChartCurve3; ++i)
    EXPECT_EQ(d.series[static_cast<std::size_t>(i)].points.size(), 3u * 41u) << i;
  EXPECT_EQ(d.series[qv::kChartAxis].points.size(), 41u);
  // One marker: the midspan of the third curve; the first two are zero everywhere.
  ASSERT_EQ(d.series[qv::kChartMarkers].points.size(), 1u);
  EXPECT_EQ(d.series[qv::kChartMarkers].points[0].x, 3000.0);
  EXPECT_LT(d.series[qv::kChartMarkers].points[0].y, 0.0);

  SimplySupported(2);
  const qv::ResultDiagram b10 = qv::BuildResultDiagram(Curves(qv::kResultUy));
  EXPECT_EQ(b10.series[qv::kChartCurve2].points.size(), 3u * 41u);
  EXPECT_TRUE(b10.series[qv::kChartCurve3].points.empty());
}

TEST(ResultRows, LocalExtremaNeedToBeStrict) {
  qv::ResultCurves c;
  c.kind = qv::kResultMz;
  c.unit = "kNm";
  c.names = {"Arvo"};
  c.x = {0, 1, 2, 3, 4, 5, 6};
  c.values = {{0.0, 1.0, 1.0, 0.5, 2.0, 2.0, 3.0}};
  // The plateau at 1.0 is no strict maximum; 0.5 is a strict minimum.
  EXPECT_EQ(qv::MaximumRows(c), (std::vector<int>{0, 3, 6}));
  // The same x and value as the row before within 0.00001 is not repeated.
  c.x = {0, 1, 1, 2};
  c.values = {{1.0, 2.0, 2.000005, 3.0}};
  EXPECT_EQ(qv::AllValueRows(c), (std::vector<int>{0, 1, 3}));
  c.values = {{1.0, 2.0, 2.00002, 3.0}};
  EXPECT_EQ(qv::AllValueRows(c), (std::vector<int>{0, 1, 2, 3}));
  // Displacement extrema of 0.0001 mm or less are noise.
  c.kind = qv::kResultUy;
  c.x = {0, 1, 2, 3, 4};
  c.values = {{0.0, -0.0001, 0.0, 0.0002, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}};
  EXPECT_EQ(qv::MaximumRows(c), (std::vector<int>{0, 3, 4}));
}

}  // namespace
