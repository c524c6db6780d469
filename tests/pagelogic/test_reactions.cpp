// Tests of the support reactions: columns present, page table, report block with the minimum
// support width, the picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "analysis/MemberTestProject.h"
#include "model/NumberText.h"
#include "ui/drawing/ReactionPicture.h"
#include "pagelogic/ReactionReport.h"
#include "pagelogic/ReactionTable.h"
#include "pagelogic/ReportAssembly.h"
#include "pagelogic/ResultsPage.h"
#include "ui/drawing/RecordingCanvas.h"

namespace {

using Lines = std::vector<std::string>;

constexpr double kL = 6000.0;

// Non-empty tab-separated fields of a line.
Lines Fields(const std::string& line) {
  Lines out;
  std::string f;
  for (char c : line + "\t") {
    if (c != '\t') {
      f += c;
      continue;
    }
    if (!f.empty()) out.push_back(f);
    f.clear();
  }
  return out;
}

// Code 2, section 50 x 200, cases "Omapaino" (permanent) and "Hyöty" (medium-term);
// KY1 stresses (1.0, 1.0), KY2 deflections (1.0, 1.0).
class Reactions : public ::testing::Test {
 protected:
  Reactions() {
    t.SetMember(kL, {{0.0, RakenneVektori::kPinned}, {kL, RakenneVektori::kSlidingX}});
    t.AddCase("Omapaino", 0);
    t.AddCase("Hyöty", 1);
    t.AddCombination(KuormaYhdVektori::kStress, {1.0, 1.0});
    t.AddCombination(KuormaYhdVektori::kDeflection, {1.0, 1.0});
  }
  QELVUX_data& P() { return *t.project; }
  // fc,90,d of code 2 for the permanent class: fc90k kmod / gamma = 2.5 * 0.6 / 1.3 MPa.
  static constexpr double kFc90d = 2.5 * 0.6 / 1.3;
  MemberTestProject t;
};

TEST_F(Reactions, DownwardLoadGivesOnlyTheVerticalColumn) {
  t.AddLine(0, MemberTestProject::kDown, -5.0, 0.0, kL);
  ASSERT_EQ(t.Solve(), 0);
  const Lines page = qv::ReactionPageLines(P(), qv::kResultReactionsCombination, 0);
  ASSERT_EQ(page.size(), 4u);
  EXPECT_EQ(page[0], "Tukireaktiot, KY1 (Jännitystarkastelu)");
  EXPECT_EQ(Fields(page[1]), (Lines{"Tuki:", "FY [kN]:"}));
  EXPECT_EQ(page[2], "1\t15.00");  // q L / 2
  EXPECT_EQ(page[3], "2\t15.00");

  const Lines kt = qv::ReactionPageLines(P(), qv::kResultReactionsCase, 1);
  EXPECT_EQ(kt[0], "Tukireaktiot, Kuormitustapaus = Hyöty");
  EXPECT_EQ(kt[2], "1\t0.00");
}

TEST_F(Reactions, ColumnsAppearWhereSomeSupportCarries) {
  t.AddPoint(0, 1, 2000.0, 3000.0);  // along X: only the pinned support
  t.AddPoint(1, MemberTestProject::kDown, -3000.0, 1500.0);
  ASSERT_EQ(t.Solve(), 0);
  const Lines page = qv::ReactionPageLines(P(), qv::kResultReactionsCombination, 0);
  ASSERT_EQ(page.size(), 4u);
  EXPECT_EQ(Fields(page[1]), (Lines{"Tuki:", "FX [kN]:", "FY [kN]:"}));
  // Equilibrium: FX = -2 kN at the pinned support; FY = 3 kN * 4500 / 6000 and 3 * 1500 / 6000.
  EXPECT_EQ(page[2], "1\t-2.00\t2.25");
  EXPECT_EQ(page[3], "2\t0.00\t0.75");

  QELvektori r;
  r.SetLayout(0, 0, 6);
  r.AddRecord({}, {0.0, 0.0, 0.0, 0.0, 0.0, 2e-10}, {});
  r.AddRecord({}, {0.0, 0.0, 1e-10, 0.0, 0.0, 0.0}, {});
  const qv::ReactionColumns c = qv::ReactionColumnsPresent(r);
  EXPECT_EQ(c, (qv::ReactionColumns{false, true, false, false, false, true}));
  EXPECT_FALSE(qv::OnlyVerticalReactions(c));
  EXPECT_EQ(qv::ReactionTableLines(r),
            (Lines{"Tuki:\tFY [kN]:\tMZ [kNm]:", "1\t0.00\t0.00", "2\t0.00\t0.00"}));
}

TEST_F(Reactions, NoChoiceGivesTheHeaderOnly) {
  t.AddLine(0, MemberTestProject::kDown, -5.0, 0.0, kL);
  ASSERT_EQ(t.Solve(), 0);
  EXPECT_EQ(qv::ReactionPageLines(P(), qv::kResultReactionsCombination, 5),
            (Lines{"Tuki:\tFY [kN]:\t"}));
  EXPECT_EQ(qv::ReactionPageLines(P(), qv::kResultMz, 0), (Lines{"Tuki:\tFY [kN]:\t"}));
}

TEST(MinSupportWidth, HandValues) {
  // 15 kN on b = 50 mm at 2 MPa: 15000 / 100 + 1 = 151 mm.
  EXPECT_DOUBLE_EQ(qv::MinSupportWidth(15000.0, 50.0, 2.0), 151.0);
  EXPECT_EQ(qv::MinSupportWidthText(15000.0, 50.0, 2.0), "151");
  // Small reactions still need 15 mm.
  EXPECT_DOUBLE_EQ(qv::MinSupportWidth(100.0, 50.0, 2.0), 15.0);
  EXPECT_EQ(qv::MinSupportWidthText(0.0, 50.0, 2.0), "15");
  EXPECT_EQ(qv::MinSupportWidthText(-1.0, 50.0, 2.0), "--");
  // Without a strength there is no width to give, not an infinite one.
  EXPECT_EQ(qv::MinSupportWidthText(15000.0, 50.0, 0.0), "--");
  EXPECT_EQ(qv::MinSupportWidthText(15000.0, 0.0, 2.0), "--");
}

TEST_F(Reactions, ReportBlockWithMinimumSupportWidth) {
  t.AddLine(0, MemberTestProject::kDown, -5.0, 0.0, kL);
  ASSERT_EQ(t.Solve(), 0);
  // KY1 takes the permanent class: width = 15000 / (50 fc90d) + 1 = 261 mm.
  const std::string w = qv::FormatFixed(15000.0 / (50.0 * kFc90d) + 1.0, 0);
  ASSERT_EQ(w, "261");
  EXPECT_EQ(qv::ReactionReportLines(P()), (Lines{"====================================",
                                                 "TUKIREAKTIOT, KUORMITUSYHDISTELMÄT:",
                                                 "------------------------------------",
                                                 "KY1:\t(Jännitystarkastelu)",
                                                 "Tuki:\tFY [kN]:\tMin. tukileveys [mm]:",
                                                 "1\t15.00\t" + w,
                                                 "2\t15.00\t" + w,
                                                 "------------------------------------",
                                                 "KY2:\t(Siirtymätarkastelu)",
                                                 "Tuki:\tFY [kN]:\t",
                                                 "1\t15.00",
                                                 "2\t15.00",
                                                 "====================================",
                                                 "TUKIREAKTIOT, KUORMITUSTAPAUKSET:",
                                                 "------------------------------------",
                                                 "Kuormitustapaus:\tOmapaino",
                                                 "Tuki:\tFY [kN]:\t",
                                                 "1\t15.00",
                                                 "2\t15.00",
                                                 "------------------------------------",
                                                 "Kuormitustapaus:\tHyöty",
                                                 "Tuki:\tFY [kN]:\t",
                                                 "1\t0.00",
                                                 "2\t0.00"}));

  // Each part follows its switch.
  P().ReportSwitches[qv::kReportReactionsCombinations] = 0;
  EXPECT_EQ(qv::ReactionReportLines(P())[1], "TUKIREAKTIOT, KUORMITUSTAPAUKSET:");
  P().ReportSwitches[qv::kReportReactionsCases] = 0;
  EXPECT_TRUE(qv::ReactionReportLines(P()).empty());
}

TEST_F(Reactions, UpliftPrintsDashesAsWidth) {
  // Two spans of 3000 mm, P = 6.4 kN at the middle of the first: R = 13P/32, 11P/16, -3P/32.
  t.SetMember(kL, {{0.0, RakenneVektori::kPinned},
                   {3000.0, RakenneVektori::kSlidingX},
                   {kL, RakenneVektori::kSlidingX}});
  t.AddPoint(1, MemberTestProject::kDown, -6400.0, 1500.0);
  ASSERT_EQ(t.Solve(), 0);
  const Lines ky1 = qv::CombinationReactionLines(P(), 0);
  ASSERT_EQ(ky1.size(), 6u);
  EXPECT_EQ(ky1[2], "Tuki:\tFY [kN]:\tMin. tukileveys [mm]:");
  // KY1's loads are medium-term: fc90d = 2.5 * 0.8 / 1.3 MPa, b fc90d = 76.92 N/mm;
  // 2600 / 76.92 + 1 = 34.8 and 4400 / 76.92 + 1 = 58.2.
  EXPECT_EQ(ky1[3], "1\t2.60\t35");
  EXPECT_EQ(ky1[4], "2\t4.40\t58");
  EXPECT_EQ(ky1[5], "3\t-0.60\t--");
}

TEST_F(Reactions, WidthOnlyForHorizontalRectangularStressCombinations) {
  t.AddLine(0, MemberTestProject::kDown, -5.0, 0.0, kL);
  P().Member.Angle = 5.0;
  ASSERT_EQ(t.Solve(), 0);
  for (const std::string& l : qv::CombinationReactionLines(P(), 0))
    EXPECT_EQ(l.find("Min. tukileveys"), std::string::npos) << l;

  P().Member.Angle = 0.0;
  P().Profiles.SetSingleSection("d100;2;100;0;0;0;0;0;0;0;0;0");
  ASSERT_TRUE(P().CurrentSection().shape == qv::SectionShape::kCircle);
  ASSERT_EQ(t.Solve(), 0);
  EXPECT_EQ(qv::CombinationReactionLines(P(), 0)[2], "Tuki:\tFY [kN]:\t");
}

TEST(ReactionPicture, WindowWidenedAroundTheMember) {
  RakenneVektori m;
  m.Reset();
  m.Length = 6000.0;
  const qv::WorldBox h = qv::ReactionPictureBox(m);
  EXPECT_DOUBLE_EQ(h.left, -900.0);
  EXPECT_DOUBLE_EQ(h.right, 6900.0);
  EXPECT_DOUBLE_EQ(h.bottom, 0.0);
  EXPECT_DOUBLE_EQ(h.top, 0.0);

  m.ClearRecords();
  m.Length = 4000.0;
  m.Angle = 90.0;
  const qv::WorldBox v = qv::ReactionPictureBox(m);
  EXPECT_NEAR(v.bottom, -800.0, 1e-9);
  EXPECT_NEAR(v.top, 4800.0, 1e-9);
  EXPECT_NEAR(v.left, 0.0, 1e-9);
  EXPECT_NEAR(v.right, 0.0, 1e-9);
}

TEST(ReactionPicture, MemberWithNumberedSupportsAtTwoPercentSymbols) {
  MemberTestProject t;
  t.SetMember(kL, {{0.0, RakenneVektori::kPinned}, {kL, RakenneVektori::kSlidingX}});
  qv::RecordingCanvas canvas;  // one pixel per logical unit (0.1 mm)
  qv::DrawReactionPicture(&canvas, t.project.get(), 800, 400);
  EXPECT_EQ(canvas.SavedDepth(), 0);
  EXPECT_EQ(canvas.TextsEqual("1").size(), 1u);
  EXPECT_EQ(canvas.TextsEqual("2").size(), 1u);

  // Width fills 79.9 mm for 7800 world mm; the triangles are 1.5 s = 1.5 * 0.02 * 6000 mm high.
  const double pxPerWorldMm = 799.0 / 7800.0;
  int triangles = 0;
  for (const qv::CanvasCall& c : canvas.CallsOf(qv::CanvasOp::Polygon)) {
    if (c.points.size() != 3) continue;
    ++triangles;
    double top = c.points[0].y, bottom = c.points[0].y;
    for (const auto& p : c.points) {
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
    EXPECT_NEAR(bottom - top, 180.0 * pxPerWorldMm, 1.5);
    EXPECT_NEAR(top, 399.0 / 2.0, 1.5);  // apex on the member, centred vertically
  }
  EXPECT_EQ(triangles, 2);

  // Too small a surface draws nothing.
  qv::RecordingCanvas small;
  qv::DrawReactionPicture(&small, t.project.get(), 6, 100);
  EXPECT_TRUE(small.Calls().empty());
  qv::DrawReactionPicture(nullptr, t.project.get(), 800, 400);
}

}  // namespace

// Code 4's bearing column pairs the end/inner flags with the reaction rows in order; a flag
// list of another length (two supports at one x) must not lend a row its neighbour's flag.
TEST(Ec5BearingColumn, FlagsMustMatchTheRows) {
  QELvektori r;
  r.SetLayout(0, 0, 6);
  r.AddRecord({}, {0.0, 12000.0, 0.0, 0.0, 0.0, 0.0}, {});
  r.AddRecord({}, {0.0, 24000.0, 0.0, 0.0, 0.0, 0.0}, {});
  qv::SupportWidthInput w;
  w.b = 50.0;
  w.fc90d = 2.0;
  w.ec5 = true;
  w.kc90 = 1.0;
  // 12 kN / (50 mm * 2 MPa) = 120 mm, less 30 at an end; 24 kN: 240 mm, less 60 inside.
  const struct {
    std::vector<bool> flags;
    Lines rows;
  } cases[] = {{{true, false}, {"1\t12.00\t90", "2\t24.00\t180"}},
               {{true}, {"1\t12.00\t--", "2\t24.00\t--"}},
               {{true, false, true}, {"1\t12.00\t--", "2\t24.00\t--"}}};
  for (const auto& c : cases) {
    w.endSupport = c.flags;
    const Lines lines = qv::ReactionTableLines(r, &w);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Lines(lines.begin() + 1, lines.end()), c.rows) << c.flags.size() << " flags";
  }
}
