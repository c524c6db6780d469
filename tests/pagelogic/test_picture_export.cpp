// Picture export: cropping arithmetic, dialog extensions, the results chart drawn and saved as
// metafiles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/RakenneVektori.h"
#include "pagelogic/PictureExport.h"
#include "pagelogic/ResultDiagram.h"
#include "ui/drawing/ResultDiagramDrawing.h"
#include "ui/drawing/MemberView.h"
#include "ui/drawing/RecordingCanvas.h"

namespace {

using qv::CanvasOp;
using qv::ChartPictureFormat;
using qv::PictureCrop;

void ExpectCrop(const PictureCrop& c, bool produce, int w, int h) {
  EXPECT_EQ(c.produce, produce);
  if (produce) {
    EXPECT_EQ(c.width, w);
    EXPECT_EQ(c.height, h);
  }
}

TEST(PictureCrop, WidthLimitsAndTheHeightIsCropped) {
  // 7200 x 1800 into 800 x 600: k = 9, so H = ceil(1800 / 9) = 200.
  ExpectCrop(qv::CropPicture(800, 600, 7200.0, 1800.0), true, 800, 200);
  // 1000 x 333 into 300 x 300: k = 3.333..., H = ceil(99.9) = 100.
  ExpectCrop(qv::CropPicture(300, 300, 1000.0, 333.0), true, 300, 100);
  // Exactly the client's proportions: nothing cut.
  ExpectCrop(qv::CropPicture(800, 600, 400.0, 300.0), true, 800, 600);
}

TEST(PictureCrop, HeightLimitsAndTheWidthIsCropped) {
  // 3000 x 7200 into 800 x 600: Wy / H = 12 > 3.75, so W = ceil(3000 / 12) = 250.
  ExpectCrop(qv::CropPicture(800, 600, 3000.0, 7200.0), true, 250, 600);
  // 1001 x 1000 into 500 x 400: 2.5 > 2.002, so W = ceil(1001 / 2.5) = ceil(400.4) = 401.
  ExpectCrop(qv::CropPicture(500, 400, 1001.0, 1000.0), true, 401, 400);
}

TEST(PictureCrop, HorizontalMemberFromAWideBox) {
  // The reset member: 6000 mm at 0 degrees; the structure drawing adds 0.1 x 6000 at the
  // sides and 0.15 x 6000 above and below: 7200 x 1800.
  RakenneVektori member;
  member.Reset();
  const qv::WorldBox box = qv::MemberViewBox(member, qv::MemberViewKind::Structure);
  ASSERT_DOUBLE_EQ(box.Width(), 7200.0);
  ASSERT_DOUBLE_EQ(box.Height(), 1800.0);
  const PictureCrop c = qv::CropPicture(1200, 500, box.Width(), box.Height());
  ExpectCrop(c, true, 1200, 300);  // k = 6: as wide as the box, 1800 / 6 high
  // The loads drawing has 0.2 below and 0.3 above: 7200 x 3000, k = 6, H = 500.
  const qv::WorldBox loads = qv::MemberViewBox(member, qv::MemberViewKind::Loads);
  ExpectCrop(qv::CropPicture(1200, 900, loads.Width(), loads.Height()), true, 1200, 500);
}

TEST(PictureCrop, SmallClientAreasProduceNothing) {
  ExpectCrop(qv::CropPicture(5, 600, 100.0, 100.0), false, 0, 0);
  ExpectCrop(qv::CropPicture(600, 5, 100.0, 100.0), false, 0, 0);
  ExpectCrop(qv::CropPicture(0, 0, 100.0, 100.0), false, 0, 0);
  ExpectCrop(qv::CropPicture(-10, 600, 100.0, 100.0), false, 0, 0);
  // Cropped to a strip the drawing would not draw on: no empty picture either.
  ExpectCrop(qv::CropPicture(800, 600, 8000.0, 10.0), false, 0, 0);
  ExpectCrop(qv::CropPicture(7, 7, 1.0, 1.0), true, 7, 7);
}

TEST(PictureCrop, ExtentWithoutSizeLeavesTheClientArea) {
  ExpectCrop(qv::CropPicture(800, 600, 0.0, 100.0), true, 800, 600);
  ExpectCrop(qv::CropPicture(800, 600, 100.0, -1.0), true, 800, 600);
  ExpectCrop(qv::CropPicture(800, 600, std::nan(""), 100.0), true, 800, 600);
}

TEST(PictureDialogs, ExtensionsWithoutRegardToCase) {
  EXPECT_EQ(qv::ChartPictureFormatFor("kaavio.wmf"), ChartPictureFormat::Wmf);
  EXPECT_EQ(qv::ChartPictureFormatFor("/tmp/KAAVIO.WMF"), ChartPictureFormat::Wmf);
  EXPECT_EQ(qv::ChartPictureFormatFor("kaavio.Emf"), ChartPictureFormat::Emf);
  EXPECT_EQ(qv::ChartPictureFormatFor("kaavio.bmp"), ChartPictureFormat::None);
  EXPECT_EQ(qv::ChartPictureFormatFor("kaavio"), ChartPictureFormat::None);
  EXPECT_EQ(qv::ChartPictureFormatFor("kuvat.emf/kaavio"), ChartPictureFormat::None);
  EXPECT_EQ(qv::LowerExtension("A/B.C/Kuva.WmF"), ".wmf");
  EXPECT_EQ(qv::LowerExtension("Kuva."), ".");
}

TEST(PictureDialogs, Texts) {
  const qv::PictureDialogTexts bmp = qv::BitmapDialogTexts();
  EXPECT_EQ(bmp.title, "Kuvan tallennus");
  EXPECT_EQ(bmp.fileName, "*.BMP");
  EXPECT_EQ(bmp.filter, "Bittikartta *.bmp|*.bmp");
  EXPECT_EQ(bmp.defaultExtension, "bmp");
  const qv::PictureDialogTexts wmf = qv::MetafileDialogTexts();
  EXPECT_EQ(wmf.fileName, "*.WMF");
  EXPECT_EQ(wmf.filter, "Metafile *.wmf|*.wmf|Enhanced metafile *.emf|*.emf");
  EXPECT_EQ(wmf.defaultExtension, "wmf");
  EXPECT_EQ(wmf.filterIndex, 1);
}

// Mz of a 6 m simply supported beam under 10 kN/m: M = 5 x (6 - x) kNm (x in m), 45 at midspan.
qv::ResultDiagram BeamMoment(bool inverted) {
  qv::ResultCurves r;
  r.kind = inverted ? 3 : 8;
  r.unit = inverted ? "kNm" : "mm";
  r.title = "Mz (Momentti) [kNm], KY1 (Jännitystarkastelu)";
  std::vector<double> v;
  for (int i = 0; i <= 6; ++i) {
    r.x.push_back(1000.0 * i);
    v.push_back(5.0 * i * (6 - i));
  }
  r.values.push_back(v);
  if (!inverted) r.values.push_back(v);  // displacements have two curves
  r.memberPoints = {0.0, 6000.0};
  return qv::BuildResultDiagram(r);
}

class DiagramDrawing : public ::testing::Test {
 protected:
  qv::RecordingCanvas canvas{4.0};
  static constexpr int kW = 640, kH = 400;
};

TEST_F(DiagramDrawing, InternalForcesArePlottedDownward) {
  const qv::DiagramPlot p = qv::DrawResultDiagram(&canvas, BeamMoment(true), kW, kH);
  EXPECT_TRUE(p.inverted);
  EXPECT_GT(p.Y(45.0), p.Y(0.0));
  const std::vector<qv::CanvasCall> lines = canvas.CallsOf(CanvasOp::Polyline);
  ASSERT_EQ(lines.size(), 2u);  // the curve, the axis line
  const qv::CanvasCall& curve = lines[0];
  EXPECT_EQ(curve.pen.colour, 0x0000FFu);
  ASSERT_EQ(curve.points.size(), 21u);  // (x, v), (x, 0), (x, v) for seven points
  const qv::CanvasCall& axis = lines[1];
  EXPECT_EQ(axis.pen.colour, 0xFF0000u);
  EXPECT_EQ(axis.pen.width, 2);
  // Midspan value below the axis line; the curve reaches the axis at x = 3000 too.
  const double axisY = axis.points[0].y;
  EXPECT_GT(curve.points[9].y, axisY + 100.0);
  EXPECT_DOUBLE_EQ(curve.points[10].y, axisY);
  EXPECT_DOUBLE_EQ(curve.points[9].x, (axis.points.front().x + axis.points.back().x) / 2.0);
}

TEST_F(DiagramDrawing, DisplacementsAreNotInverted) {
  qv::DrawResultDiagram(&canvas, BeamMoment(false), kW, kH);
  const std::vector<qv::CanvasCall> lines = canvas.CallsOf(CanvasOp::Polyline);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_LT(lines[0].points[9].y, lines[2].points[0].y - 100.0);
}

TEST_F(DiagramDrawing, MarkersWithValueMarksOnWhite) {
  qv::DrawResultDiagram(&canvas, BeamMoment(true), kW, kH);
  const std::vector<qv::CanvasCall> marks = canvas.TextsEqual("45.00");
  ASSERT_EQ(marks.size(), 1u);
  const std::vector<qv::CanvasCall> dots = canvas.CallsOf(CanvasOp::Ellipse);
  ASSERT_EQ(dots.size(), 1u);  // only midspan: the ends are zero
  EXPECT_EQ(dots[0].brush.colour, 0x0000FFu);
  EXPECT_NEAR(dots[0].points[1].x - dots[0].points[0].x, 6.0, 1e-9);
  // A white box drawn just before the mark holds it.
  const std::vector<qv::CanvasCall>& all = canvas.Calls();
  std::size_t at = 0;
  while (at < all.size() && !(all[at].op == CanvasOp::Text && all[at].text == "45.00")) ++at;
  ASSERT_GT(at, 0u);
  const qv::CanvasCall& box = all[at - 1];
  ASSERT_EQ(box.op, CanvasOp::Polygon);
  EXPECT_EQ(box.brush.colour, 0xFFFFFFu);
  EXPECT_EQ(box.brush.style, qv::BrushStyle::Solid);
  EXPECT_LE(box.points[0].x, marks[0].points[0].x);
  canvas.SetFont(marks[0].font);
  EXPECT_GE(box.points[2].x, marks[0].points[0].x + canvas.TextExtent("45.00").width);
  // Downward curve: the mark stands below the dot.
  EXPECT_GT(marks[0].points[0].y, dots[0].points[1].y);
}

TEST_F(DiagramDrawing, TitlesAxisTitlesAndTickLabels) {
  qv::ResultDiagram d = BeamMoment(true);
  d.footText = "Jännitystarkastelun kuormitusyhdistelmiä ei ole!";
  qv::DrawResultDiagram(&canvas, d, kW, kH);
  ASSERT_EQ(canvas.TextsEqual(d.title).size(), 1u);
  const std::vector<qv::CanvasCall> foot = canvas.TextsEqual(d.footText);
  ASSERT_EQ(foot.size(), 1u);
  EXPECT_EQ(foot[0].font.colour, 0x0000FFu);
  EXPECT_TRUE(foot[0].font.italic);
  EXPECT_EQ(canvas.TextsEqual("kNm").size(), 1u);
  EXPECT_EQ(canvas.TextsEqual("mm (paikalliskoordinaatisto x)").size(), 1u);
  EXPECT_EQ(canvas.TextsEqual("0.00").size(), 1u);   // value axis in "#,##0.00#"
  EXPECT_EQ(canvas.TextsEqual("3 000").size(), 1u);  // member axis in whole millimetres
  // Title above the plot, foot at the bottom, everything inside the picture.
  for (const qv::CanvasCall& c : canvas.Calls()) {
    for (const qv::DevicePoint& pt : c.points) {
      EXPECT_GE(pt.x, 0.0);
      EXPECT_LE(pt.x, kW);
      EXPECT_GE(pt.y, 0.0);
      EXPECT_LE(pt.y, kH);
    }
  }
  EXPECT_LT(canvas.TextsEqual(d.title)[0].points[0].y, canvas.TextsEqual("kNm")[0].points[0].y);
  EXPECT_GT(foot[0].points[0].y, canvas.TextsEqual("3 000")[0].points[0].y);
}

TEST_F(DiagramDrawing, StateKeptAndDegenerateInputs) {
  canvas.SetPen(qv::Pen{0x123456, 3, qv::PenStyle::Dash});
  qv::DrawResultDiagram(&canvas, BeamMoment(true), kW, kH);
  EXPECT_EQ(canvas.GetPen(), (qv::Pen{0x123456, 3, qv::PenStyle::Dash}));
  EXPECT_EQ(canvas.SavedDepth(), 0);
  canvas.Clear();
  qv::ResultDiagram empty;  // no analysis: titles only
  empty.title = "Mz (Momentti) [kNm]";
  qv::DrawResultDiagram(&canvas, empty, kW, kH);
  EXPECT_EQ(canvas.TextsEqual(empty.title).size(), 1u);
  EXPECT_EQ(canvas.CountOf(CanvasOp::Polyline), 0);
  canvas.Clear();
  const qv::DiagramPlot tiny = qv::DrawResultDiagram(&canvas, BeamMoment(true), 20, 20);
  EXPECT_EQ(canvas.CountOf(CanvasOp::Polyline), 0);
  EXPECT_EQ(tiny.right, 0.0);
  qv::DrawResultDiagram(nullptr, BeamMoment(true), kW, kH);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(ChartPicture, SavedInTheFormatTheExtensionNames) {
  const qv::ResultDiagram d = BeamMoment(true);
  const std::string dir = ::testing::TempDir();
  const std::string emf = dir + "qv_chart_test.EMF", wmf = dir + "qv_chart_test.wmf";
  const std::string bmp = dir + "qv_chart_test.bmp";
  std::remove(bmp.c_str());
  ASSERT_EQ(qv::SaveResultDiagramPicture(emf, d, 640, 400, 96.0 / 25.4), 0);
  ASSERT_EQ(qv::SaveResultDiagramPicture(wmf, d, 640, 400, 96.0 / 25.4), 0);
  const std::string e = ReadFile(emf), w = ReadFile(wmf);
  ASSERT_GT(e.size(), 108u);
  EXPECT_EQ(e.substr(0, 4), std::string("\x01\0\0\0", 4));
  EXPECT_EQ(e.substr(40, 4), " EMF");
  EXPECT_EQ(e, qv::ResultDiagramMetafile(d, 640, 400, 96.0 / 25.4, ChartPictureFormat::Emf));
  EXPECT_EQ(w.substr(0, 4), "\xD7\xCD\xC6\x9A");
  // A diagram under a .bmp name saves nothing.
  EXPECT_EQ(qv::SaveResultDiagramPicture(bmp, d, 640, 400, 96.0 / 25.4), -1);
  EXPECT_FALSE(std::filesystem::exists(bmp));
  EXPECT_EQ(qv::SaveResultDiagramPicture(emf, d, 0, 400, 96.0 / 25.4), -3);
  std::string error;
  EXPECT_EQ(qv::SaveResultDiagramPicture("/nonexistent-qv/k.emf", d, 640, 400, 4.0, &error), -2);
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(qv::ResultDiagramMetafile(d, 640, 400, 4.0, ChartPictureFormat::None).empty());
  std::remove(emf.c_str());
  std::remove(wmf.c_str());
}

}  // namespace
