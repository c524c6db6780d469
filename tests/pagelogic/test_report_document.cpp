// The calculation document: which figures stand under which section, the figures as the
// drawings record them, and the checks written out with their numbers, all against hand
// calculations of the example floor joist.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "design/DesignLines.h"
#include "design/DesignResults.h"
#include "design/DesignRun.h"
#include "model/NumberText.h"
#include "pagelogic/CheckTrace.h"
#include "pagelogic/ReportDocument.h"
#include "pagelogic/ReportFigures.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "ui/drawing/RecordingCanvas.h"

namespace {

using namespace qv;

// examples/ec5_lattiapalkki.vux: C24 50*225, simply supported span L = 4200 mm, load width
// 600 mm, service class 1; KT1 0.5 kN/m2 (permanent), KT2 2.0 kN/m2 (medium term).
// KY2 = 1.15 G + 1.5 Q governs the stresses, KY4 = G + Q the deflection.
std::unique_ptr<QELVUX_data> FloorJoist() {
  auto p = std::make_unique<QELVUX_data>(QELVUX_SOURCE_DATA_DIR "/qelvux");
  std::string message;
  if (LoadProject(*p, QELVUX_SOURCE_DATA_DIR "/../examples/ec5_lattiapalkki.vux", &message) != 0)
    return nullptr;
  if (EnsureAnalysis(*p, true) != 0) return nullptr;
  return p;
}

std::string AllText(const ReportDocument& doc) {
  std::string all;
  for (const ReportBlock& b : doc.blocks)
    for (const std::string& line : b.lines) all += line + "\n";
  return all;
}

bool AnyTextHas(const RecordingCanvas& canvas, const std::string& part) {
  for (const CanvasCall& c : canvas.CallsOf(CanvasOp::Text))
    if (c.text.find(part) != std::string::npos) return true;
  return false;
}

TEST(ReportDocument, FiguresStandUnderTheirSectionsForTheGoverningCombinations) {
  auto p = FloorJoist();
  ASSERT_TRUE(p);
  const ReportDocument doc = BuildReportDocument(*p, "QEL-VUX 2.0", "8.12.2026");
  EXPECT_EQ(doc.member, "Lattiapalkki LP1");
  EXPECT_EQ(doc.project, "Omakotitalo, välipohja");
  EXPECT_EQ(doc.titleBlock.front().label, "Rakenneosa:");

  struct Expected {
    ReportFigureKind kind;
    std::string caption;
    int loadCase;
    int position;  // among the combinations of the diagram's design kind
  };
  const std::vector<Expected> expected = {
      {ReportFigureKind::Structure, "Kuva 1. Rakenne: tuet, nivelet ja mitat [mm]", -1, -1},
      {ReportFigureKind::Loads, "Kuva 2. Kuormitustapaus KT1: Omapaino", 0, -1},
      {ReportFigureKind::Loads, "Kuva 3. Kuormitustapaus KT2: Hyötykuorma", 1, -1},
      {ReportFigureKind::Reactions, "Kuva 4. Tukien ja nivelten numerointi", -1, -1},
      // KY2 is the second stress combination, KY4 the first deflection one.
      {ReportFigureKind::Moment, "Kuva 5. Taivutusmomentti Mz, määräävä yhdistelmä KY2", -1, 1},
      {ReportFigureKind::Shear, "Kuva 6. Leikkausvoima Vy, määräävä yhdistelmä KY2", -1, 1},
      {ReportFigureKind::Deflection, "Kuva 7. Taipuma Uy, määräävä yhdistelmä KY4", -1, 0},
  };
  std::vector<const ReportFigure*> figures;
  for (const ReportBlock& b : doc.blocks)
    if (b.isFigure) figures.push_back(&b.figure);
  ASSERT_EQ(figures.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].caption);
    EXPECT_EQ(figures[i]->kind, expected[i].kind);
    EXPECT_EQ(figures[i]->caption, expected[i].caption);
    if (expected[i].loadCase >= 0) {
      EXPECT_EQ(figures[i]->loadCase, expected[i].loadCase);
    }
    if (expected[i].position >= 0) {
      EXPECT_EQ(figures[i]->position, expected[i].position);
    }
  }
}

TEST(ReportDocument, FiguresDrawTheValuesOfHandCalculations) {
  auto p = FloorJoist();
  ASSERT_TRUE(p);
  p->Loads.VisibleCase = 1;
  const ReportDocument doc = BuildReportDocument(*p, "QEL-VUX 2.0", "8.12.2026");
  // q = 0.6 m * (1.15 * 0.5 + 1.5 * 2.0) kN/m2 = 2.145 kN/m; M = q L^2 / 8 = 4.73 kNm,
  // V = q L / 2 = 4.50 kN. KY4: q = 1.5 kN/m, w = 5 q L^4 / (384 E I) with E = 11000 MPa and
  // I = 50 * 225^3 / 12 mm4: 11.64 mm.
  struct Case {
    ReportFigureKind kind;
    std::vector<std::string> shown;
    std::vector<std::string> notShown;
  };
  const std::vector<Case> cases = {
      {ReportFigureKind::Structure, {"4200"}, {}},
      {ReportFigureKind::Moment, {"4.73", "KY2"}, {}},
      {ReportFigureKind::Shear, {"4.50", "KY2"}, {}},
      {ReportFigureKind::Deflection, {"11.64", "KY4"}, {}},
  };
  for (const Case& c : cases) {
    for (const ReportBlock& b : doc.blocks) {
      if (!b.isFigure || b.figure.kind != c.kind) continue;
      SCOPED_TRACE(b.figure.caption);
      RecordingCanvas canvas(96.0 / 25.4);
      DrawReportFigure(&canvas, *p, b.figure, 640, 260);
      for (const std::string& s : c.shown) EXPECT_TRUE(AnyTextHas(canvas, s)) << s;
    }
  }
  // Each load figure draws its own case only, and the load page keeps the case it showed.
  for (const ReportBlock& b : doc.blocks) {
    if (!b.isFigure || b.figure.kind != ReportFigureKind::Loads) continue;
    RecordingCanvas canvas(96.0 / 25.4);
    DrawReportFigure(&canvas, *p, b.figure, 640, 200);
    const bool own = b.figure.loadCase == 0;
    EXPECT_EQ(AnyTextHas(canvas, "Omapaino"), own) << b.figure.caption;
    EXPECT_EQ(AnyTextHas(canvas, "Hyötykuorma"), !own) << b.figure.caption;
  }
  EXPECT_EQ(p->Loads.VisibleCase, 1);
}

TEST(ReportDocument, ChecksAreWrittenOutWithTheirNumbers) {
  struct Case {
    const char* example;
    std::vector<const char*> parts;
  };
  const std::vector<Case> cases = {
      // Code 4, KY2 at midspan and at the supports (kmod 0.80 medium term, gamma_M 1.40 sawn
      // timber, kh 1 for h >= 150 mm, kcr 0.67): sigma = 4.7298e6 / (50 * 225^2 / 6) =
      // 11.21 MPa, fm,d = 0.8 * 24 / 1.4 = 13.71 MPa; tau = 1.5 * 4504.5 / (0.67 * 50 * 225)
      // = 0.90 MPa, fv,d = 0.8 * 4.0 / 1.4 = 2.29 MPa.
      {"ec5_lattiapalkki",
       {"LASKENTAKAAVAT, MÄÄRÄÄVÄ YHDISTELMÄ KY2:",
        "fm,y,d = 0.80 · 1.00 · 24.00 / 1.40 = 13.71 MPa", "fv,d = 0.80 · 4.00 / 1.40 = 2.29 MPa",
        "σm,y,d = Mz / Wy = 4.73 kNm / 421.9·10³ mm³ = 11.21 MPa",
        "σm,y,d / fm,y,d + km · σm,z,d / fm,z,d = 11.21 / 13.71",
        "τd = 1.5 · Vy / (kcr · b · h) = 1.5 · 4.50 kN / (0.67 · 50 · 225 mm²) = 0.90 MPa",
        "τd / fv,d = 0.90 / 2.29 = 39 %", "LÄHTÖARVOT:", "Materiaaliarvot:\tEurokoodi5.dat"}},
      // Code 2, column 100 x 100, 3000 mm, KY1 short term: kmod 0.90, gamma_M 1.30, fck 21,
      // Ek 7400: fcd = 14.54, Ek,d = 5123 MPa; i = 100 / sqrt(12) = 28.87 mm, lambda =
      // 103.92; q = pi^2 * 5123 / (103.92^2 * 14.54) = 0.3220; e term = 14.54 * 100 * 103.92
      // / (2 * 16.62 * 400 * 28.87) = 0.3936, a = 1 + 0.3220 * 1.3936 = 1.4488, ks =
      // (1.4488 - sqrt(1.4488^2 - 4 * 0.3220)) / 2 = 0.274; N = 44 kN: 4.40 MPa / (0.274 *
      // 14.54) = 110 %.
      {"pilari",
       {"Mitoitusnormi: RakMk B10 rajatilamitoitus (2001)",
        "fcd = 0.90 · 1.00 · 21.00 / 1.30 = 14.54 MPa", "Wz = b · h² / 6 = 166.7·10³ mm³",
        "q = π² · Ek / (λ² · fc) = π² · 5123 / (103.92² · 14.54) = 0.3220",
        "ks,y = (a − √(a² − 4q)) / 2 = (1.4488 − √(1.4488² − 4 · 0.3220)) / 2 = 0.274",
        "σc / (ks,z · fcd) = 4.40 / (0.274 · 14.54) = 110 %"}},
      // Code 3, rafter 50 x 200, KY1 short term: fm,d (My) = 0.9 * 3^0.2 * 24 / 1.3 = 20.70;
      // lambda_rel = sqrt(14.54 * 86.60^2 / (5123 pi^2)) = 1.469, k = 0.5 (1 + 0.2 * 0.969 +
      // 1.469^2) = 1.675, kc = 1 / (1.675 + sqrt(1.675^2 - 1.469^2)) = 0.403; lateral
      // lambda = sqrt(5000 * 200) * sqrt(16.62 / 5123) * 1.15 / 50 = 1.310, kcrit = 0.578.
      {"kattotuoli",
       {"Mitoitusnormi: Euronormi EC5 (ENV 1995-1-1)",
        "fm,d (My) = 0.90 · 1.25 · 24.00 / 1.30 = 20.70 MPa",
        "kc,z = 1 / (k + √(k² − λrel²)) = 1 / (1.675 + √(1.675² − 1.469²)) = 0.403",
        "kcrit,z = 1.56 − 0.75 · λ = 1.56 − 0.75 · 1.310 = 0.578"}},
  };
  for (const Case& c : cases) {
    QELVUX_data p(QELVUX_SOURCE_DATA_DIR "/qelvux");
    ASSERT_EQ(
        LoadProject(p, std::string(QELVUX_SOURCE_DATA_DIR "/../examples/") + c.example + ".vux"),
        0);
    ASSERT_EQ(EnsureAnalysis(p, true), 0);
    const std::string text = AllText(BuildReportDocument(p, "QEL-VUX 2.0", "8.12.2026"));
    for (const char* part : c.parts)
      EXPECT_NE(text.find(part), std::string::npos) << c.example << ": " << part;
  }
}

// The written-out formulas recompute each check from the forces and factors at its governing
// point; each must end in the check's own utilisation as the design chapter shows it, for every
// stress combination of every example, under each design code and for a circular section.
TEST(ReportDocument, WrittenOutChecksEndInTheChecksOwnUtilisation) {
  struct Case {
    const char* example;
    double circle;   // diameter of a circular section put in place of the saved one; 0 keeps it
    int code;        // design code put in place of the saved one; 0 keeps it
    double torsion;  // a twisting moment (Nmm) added at the middle of load case 1; 0 adds none
  };
  const std::vector<Case> cases = {
      {"ec5_lattiapalkki", 0, 0, 0},
      {"ec5_orsi", 0, 0, 0},
      {"jatkuva_orsi", 0, 0, 0},
      {"kattotuoli", 0, 0, 0},
      {"lattiapalkki", 0, 0, 0},
      {"pilari", 0, 0, 0},
      {"pilari", 0, 1, 0},
      {"pilari", 160, 0, 0},
      {"kattotuoli", 200, 0, 0},
      {"ec5_orsi", 220, 0, 0},
      {"jatkuva_orsi", 0, 1, 0},
      {"lattiapalkki", 0, 0, 2e6},
      {"ec5_lattiapalkki", 0, 0, 2e6},
      {"ec5_lattiapalkki", 200, 0, 2e6},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.example) + " d=" + std::to_string(c.circle) +
                             " code=" + std::to_string(c.code) + " Mx=" + std::to_string(c.torsion);
    QELVUX_data p(QELVUX_SOURCE_DATA_DIR "/qelvux");
    ASSERT_EQ(
        LoadProject(p, std::string(QELVUX_SOURCE_DATA_DIR "/../examples/") + c.example + ".vux"),
        0);
    if (c.circle > 0)
      p.Profiles.CurrentIndex = p.Profiles.AddSection("d", SectionShape::kCircle, c.circle, 0);
    if (c.code > 0) p.DesignCode = static_cast<DesignCode>(c.code);
    if (c.torsion > 0)
      p.Loads.AddLoad("Mx", 0, LoadKind::kPoint, -4, 1, c.torsion, 0.0, p.Member.Length / 2, 0.0);
    ASSERT_EQ(EnsureAnalysis(p, true), 0) << what;
    const DesignResults results = CollectDesignResults(p);
    std::size_t traced = 0;
    bool torsion = false;
    for (const CombinationDesign& comb : results.stress) {
      std::vector<std::string> expected;
      for (const DesignLine& l : StressLines(results, comb, DesignLineStyle::kReport))
        if (l.kind == DesignLineKind::kUtilisation)
          expected.push_back(FormatFixed(l.utilisation, 0) + " %");
      std::vector<std::string> percents;
      for (const std::string& line : CheckTraceLines(p, results, comb)) {
        if (line.size() > 2 && line.compare(line.size() - 2, 2, " %") == 0)
          percents.push_back(line.substr(line.rfind(" = ") + 3));
        if (line.rfind("Vääntö", 0) == 0) torsion = true;
      }
      EXPECT_EQ(percents, expected) << what << " " << comb.name;
      traced += percents.size();
    }
    EXPECT_GT(traced, 0u) << what;
    EXPECT_EQ(torsion, c.torsion > 0) << what;
  }
}

}  // namespace
