// Metafile canvas: WMF and EMF files read back record by record.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/drawing/MetafileCanvas.h"

namespace {

using qv::DevicePoint;
using qv::MetafileCanvas;

std::uint32_t U16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}
std::uint32_t U32(const std::string& b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}
int I16(const std::string& b, std::size_t at) { return static_cast<std::int16_t>(U16(b, at)); }
int I32(const std::string& b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }

struct Rec {
  std::uint32_t type = 0;
  std::string params;  // the bytes after the record's size and type
  int P16(std::size_t i) const { return I16(params, 2 * i); }
  int P32(std::size_t i) const { return I32(params, 4 * i); }
};

// ---- WMF: placeable header, META_HEADER, records sized in 16-bit words.
struct Wmf {
  std::string error;
  int left = 0, top = 0, right = 0, bottom = 0, inch = 0;
  std::uint32_t sizeWords = 0, maxRecord = 0;
  int objects = 0;
  std::vector<Rec> recs;
};

Wmf ReadWmf(const std::string& b) {
  Wmf w;
  if (b.size() < 40) return w.error = "short", w;
  if (U32(b, 0) != 0x9AC6CDD7u) return w.error = "key", w;
  unsigned sum = 0;
  for (int i = 0; i < 10; ++i) sum ^= U16(b, 2 * i);
  if (sum != U16(b, 20)) return w.error = "checksum", w;
  w.left = I16(b, 6), w.top = I16(b, 8), w.right = I16(b, 10), w.bottom = I16(b, 12);
  w.inch = static_cast<int>(U16(b, 14));
  const std::size_t h = 22;
  if (U16(b, h) != 1 || U16(b, h + 2) != 9 || U16(b, h + 4) != 0x0300) return w.error = "header", w;
  w.sizeWords = U32(b, h + 6);
  w.objects = static_cast<int>(U16(b, h + 10));
  w.maxRecord = U32(b, h + 12);
  std::size_t at = h + 18;
  while (at < b.size()) {
    if (at + 6 > b.size()) return w.error = "cut record", w;
    const std::uint32_t words = U32(b, at);
    if (words < 3 || at + 2 * words > b.size()) return w.error = "record size", w;
    Rec r;
    r.type = U16(b, at + 4);
    r.params = b.substr(at + 6, 2 * words - 6);
    w.recs.push_back(r);
    at += 2 * words;
  }
  return w;
}

std::vector<std::uint32_t> Types(const std::vector<Rec>& recs) {
  std::vector<std::uint32_t> t;
  for (const Rec& r : recs) t.push_back(r.type);
  return t;
}

std::vector<Rec> OfType(const std::vector<Rec>& recs, std::uint32_t type) {
  std::vector<Rec> out;
  for (const Rec& r : recs)
    if (r.type == type) out.push_back(r);
  return out;
}

// Plays the object records as a WMF player fills its table: lowest free slot. Returns an
// error text, or empty when every select names a live object and everything is deleted.
std::string WmfObjectsBalanced(const Wmf& w, int* peak = nullptr) {
  std::vector<bool> used;
  int live = 0, most = 0;
  for (const Rec& r : w.recs) {
    if (r.type == 0x02FA || r.type == 0x02FB || r.type == 0x02FC) {
      std::size_t i = 0;
      while (i < used.size() && used[i]) ++i;
      if (i == used.size()) used.push_back(false);
      used[i] = true;
      most = std::max(most, ++live);
    } else if (r.type == 0x012D || r.type == 0x01F0) {
      const auto i = static_cast<std::size_t>(r.P16(0));
      if (i >= used.size() || !used[i]) return "object not live";
      if (r.type == 0x01F0) used[i] = false, --live;
    }
  }
  if (peak) *peak = static_cast<int>(used.size());
  return live == 0 ? std::string() : "objects left";
}

// ---- EMF: records sized in bytes, 32-bit aligned.
struct Emf {
  std::string error;
  std::vector<Rec> recs;
};

Emf ReadEmf(const std::string& b) {
  Emf e;
  std::size_t at = 0;
  while (at < b.size()) {
    if (at + 8 > b.size()) return e.error = "cut record", e;
    const std::uint32_t size = U32(b, at + 4);
    if (size < 8 || size % 4 != 0 || at + size > b.size()) return e.error = "record size", e;
    Rec r;
    r.type = U32(b, at);
    r.params = b.substr(at + 8, size - 8);
    e.recs.push_back(r);
    at += size;
  }
  return e;
}

std::string EmfObjectsBalanced(const Emf& e, std::uint32_t handles) {
  std::set<std::uint32_t> live;
  for (const Rec& r : e.recs) {
    const auto index = static_cast<std::uint32_t>(r.P32(0));
    if (r.type == 38 || r.type == 39 || r.type == 82) {
      if (index == 0 || index >= handles || live.count(index)) return "bad create index";
      live.insert(index);
    } else if (r.type == 37) {
      if (!(index & 0x80000000u) && !live.count(index)) return "select of a dead object";
    } else if (r.type == 40) {
      if (!live.erase(index)) return "delete of a dead object";
    }
  }
  return live.empty() ? std::string() : "objects left";
}

std::u16string Utf16At(const std::string& b, std::size_t at, std::size_t n) {
  std::u16string s;
  for (std::size_t i = 0; i < n; ++i) s += static_cast<char16_t>(U16(b, at + 2 * i));
  return s;
}

// 4 pixels per mm and 50 units per mm: 12.5 units per pixel.
void DrawSample(MetafileCanvas& c) {
  c.SetPen(qv::Pen{0x0000FF, 2, qv::PenStyle::Solid});
  c.Line({10, 20}, {30, 40});
  c.Polyline({{0, 0}, {8, 0}, {8, 8}});  // same pen: no new object
  c.SetBrush(qv::Brush{0x00FF00, qv::BrushStyle::Solid});
  c.Polygon({{0, 0}, {20, 0}, {20, 20}, {0, 20}});
  c.SetBrush(qv::Brush{0x000000, qv::BrushStyle::Clear});
  c.Ellipse(16, 4, 4, 16);  // corners in any order
  c.SetFont(qv::Font{"Arial", 16.0, 0x0000FF, true, false});
  c.Text({40, 60}, "Mäntä Ä Ö å €");
}

class MetafileTest : public ::testing::Test {
 protected:
  MetafileCanvas canvas{200, 100, 4.0};
};

TEST_F(MetafileTest, UnitsKeepThePictureSizeInMillimetres) {
  EXPECT_EQ(canvas.UnitsPerMm(), 50);
  EXPECT_DOUBLE_EQ(canvas.UnitsPerPixel(), 12.5);
  EXPECT_EQ(canvas.UnitWidth(), 2500);  // 50 mm
  EXPECT_EQ(canvas.UnitHeight(), 1250);
  // 5000 screen pixels = 1322.9 mm: 50 units per mm would pass 16 bits.
  MetafileCanvas wide(5000, 300);
  EXPECT_EQ(wide.UnitsPerMm(), 24);
  EXPECT_LE(wide.UnitWidth(), 32767);
}

TEST_F(MetafileTest, WmfHeadersAndRecordSizesAddUp) {
  DrawSample(canvas);
  const std::string bytes = canvas.WmfBytes();
  const Wmf w = ReadWmf(bytes);
  ASSERT_EQ(w.error, "");
  EXPECT_EQ(w.left, 0);
  EXPECT_EQ(w.top, 0);
  EXPECT_EQ(w.right, 2500);
  EXPECT_EQ(w.bottom, 1250);
  EXPECT_EQ(w.inch, 1270);  // 50 units per mm
  EXPECT_EQ(2 * w.sizeWords + 22, bytes.size());
  std::uint32_t biggest = 0;
  for (const Rec& r : w.recs) biggest = std::max<std::uint32_t>(biggest, 3 + r.params.size() / 2);
  EXPECT_EQ(w.maxRecord, biggest);
  int peak = 0;
  EXPECT_EQ(WmfObjectsBalanced(w, &peak), "");
  EXPECT_EQ(w.objects, peak);
  ASSERT_FALSE(w.recs.empty());
  EXPECT_EQ(w.recs.back().type, 0x0000u);
  EXPECT_EQ(w.recs.back().params.size(), 0u);
}

TEST_F(MetafileTest, WmfRecordsInDrawingOrder) {
  DrawSample(canvas);
  const Wmf w = ReadWmf(canvas.WmfBytes());
  ASSERT_EQ(w.error, "");
  const std::vector<std::uint32_t> expected{
      0x0103, 0x020B, 0x020C, 0x0102, 0x012E, 0x0106,  // map mode, window, modes
      0x02FA, 0x012D, 0x0325,                          // pen, line as a two-point polyline
      0x0325,                                          // polyline with the same pen
      0x02FC, 0x012D, 0x0324,                          // brush, polygon
      0x02FC, 0x012D, 0x01F0, 0x0418,                  // clear brush replaces it, ellipse
      0x02FB, 0x012D, 0x0209, 0x0A32,                  // font, text colour, text
      0x01F0, 0x01F0, 0x01F0, 0x0000};
  EXPECT_EQ(Types(w.recs), expected);
  EXPECT_EQ(w.recs[0].P16(0), 8);     // MM_ANISOTROPIC
  EXPECT_EQ(w.recs[2].P16(0), 1250);  // window extent: y, then x
  EXPECT_EQ(w.recs[2].P16(1), 2500);
}

TEST_F(MetafileTest, WmfObjectsAndCoordinates) {
  DrawSample(canvas);
  const Wmf w = ReadWmf(canvas.WmfBytes());
  const Rec pen = OfType(w.recs, 0x02FA).at(0);
  EXPECT_EQ(pen.P16(0), 0);   // PS_SOLID
  EXPECT_EQ(pen.P16(1), 25);  // 2 pixels
  EXPECT_EQ(U32(pen.params, 6), 0x0000FFu);
  const Rec line = OfType(w.recs, 0x0325).at(0);
  ASSERT_EQ(line.P16(0), 2);
  EXPECT_EQ(line.P16(1), 125);
  EXPECT_EQ(line.P16(2), 250);
  EXPECT_EQ(line.P16(3), 375);
  EXPECT_EQ(line.P16(4), 500);
  const Rec poly = OfType(w.recs, 0x0324).at(0);
  ASSERT_EQ(poly.P16(0), 4);
  EXPECT_EQ(poly.P16(3), 250);  // second point x
  EXPECT_EQ(poly.P16(6), 250);  // third point y
  const std::vector<Rec> brushes = OfType(w.recs, 0x02FC);
  EXPECT_EQ(brushes[0].P16(0), 0);  // BS_SOLID
  EXPECT_EQ(U32(brushes[0].params, 2), 0x00FF00u);
  EXPECT_EQ(brushes[1].P16(0), 1);                   // BS_NULL
  const Rec ellipse = OfType(w.recs, 0x0418).at(0);  // bottom, right, top, left
  EXPECT_EQ(ellipse.P16(0), 200);
  EXPECT_EQ(ellipse.P16(1), 200);
  EXPECT_EQ(ellipse.P16(2), 50);
  EXPECT_EQ(ellipse.P16(3), 50);
  const Rec font = OfType(w.recs, 0x02FB).at(0);
  EXPECT_EQ(font.P16(0), 200);  // 16 pixels of cell height
  EXPECT_EQ(font.P16(4), 400);
  EXPECT_EQ(static_cast<unsigned char>(font.params[10]), 1);  // italic
  EXPECT_EQ(font.params.substr(18, 6), std::string("Arial\0", 6));
}

TEST_F(MetafileTest, WmfTextIsWindows1252) {
  DrawSample(canvas);
  const Rec t = OfType(ReadWmf(canvas.WmfBytes()).recs, 0x0A32).at(0);
  EXPECT_EQ(t.P16(0), 750);  // y
  EXPECT_EQ(t.P16(1), 500);  // x
  const std::string expected = "M\xE4nt\xE4 \xC4 \xD6 \xE5 \x80";
  ASSERT_EQ(t.P16(2), static_cast<int>(expected.size()));
  EXPECT_EQ(t.P16(3), 0);  // no options, so no rectangle before the string
  EXPECT_EQ(t.params.substr(8, expected.size()), expected);
  const Rec colour = OfType(ReadWmf(canvas.WmfBytes()).recs, 0x0209).at(0);
  EXPECT_EQ(U32(colour.params, 0), 0x0000FFu);
}

TEST_F(MetafileTest, EmfHeaderFields) {
  DrawSample(canvas);
  canvas.SetDescription("Mz (Momentti)");
  const std::string b = canvas.EmfBytes();
  const Emf e = ReadEmf(b);
  ASSERT_EQ(e.error, "");
  ASSERT_FALSE(e.recs.empty());
  const Rec& h = e.recs.front();
  ASSERT_EQ(h.type, 1u);
  const std::vector<int> bounds{h.P32(0), h.P32(1), h.P32(2), h.P32(3)};
  EXPECT_EQ(bounds, (std::vector<int>{0, 0, 2499, 1249}));
  const std::vector<int> frame{h.P32(4), h.P32(5), h.P32(6), h.P32(7)};
  EXPECT_EQ(frame, (std::vector<int>{0, 0, 4999, 2499}));  // 50 x 25 mm in 0.01 mm
  EXPECT_EQ(U32(h.params, 32), 0x464D4520u);
  EXPECT_EQ(U32(h.params, 36), 0x00010000u);
  EXPECT_EQ(U32(h.params, 40), b.size());
  EXPECT_EQ(U32(h.params, 44), e.recs.size());
  // Reference device: whole millimetres at 50 units per millimetre.
  EXPECT_EQ(h.P32(16), 2500);
  EXPECT_EQ(h.P32(17), 1250);
  EXPECT_EQ(h.P32(18), 50);
  EXPECT_EQ(h.P32(19), 25);
  EXPECT_EQ(h.P32(23), 50000);  // micrometres
  const std::uint32_t nDesc = U32(h.params, 52), offDesc = U32(h.params, 56);
  EXPECT_EQ(offDesc, 108u);
  EXPECT_EQ(Utf16At(b, offDesc, nDesc), std::u16string(u"QEL-VUX 2.0\0Mz (Momentti)\0\0", 27));
  EXPECT_EQ(EmfObjectsBalanced(e, U16(h.params, 48)), "");
  const Rec& eof = e.recs.back();
  EXPECT_EQ(eof.type, 14u);
  EXPECT_EQ(eof.P32(2), 20);
}

TEST_F(MetafileTest, EmfRecordsAndText) {
  DrawSample(canvas);
  const std::string b = canvas.EmfBytes();
  const Emf e = ReadEmf(b);
  const std::vector<std::uint32_t> expected{1,  18, 22, 19, 38, 37, 87, 87, 39, 37, 86, 39, 37,
                                            40, 42, 82, 37, 24, 84, 37, 37, 37, 40, 40, 40, 14};
  EXPECT_EQ(Types(e.recs), expected);
  const Rec line = OfType(e.recs, 87).at(0);
  EXPECT_EQ(line.P32(0), 125);  // bounds
  EXPECT_EQ(line.P32(3), 500);
  EXPECT_EQ(line.P32(4), 2);
  EXPECT_EQ(line.P16(10), 125);
  EXPECT_EQ(line.P16(13), 500);
  const Rec pen = OfType(e.recs, 38).at(0);
  EXPECT_EQ(pen.P32(2), 25);
  const Rec font = OfType(e.recs, 82).at(0);
  EXPECT_EQ(font.P32(1), 200);
  EXPECT_EQ(Utf16At(font.params, 32, 6), std::u16string(u"Arial\0", 6));
  const Rec text = OfType(e.recs, 84).at(0);
  EXPECT_EQ(text.P32(7), 500);  // reference point
  EXPECT_EQ(text.P32(8), 750);
  const std::u16string s = u"Mäntä Ä Ö å €";
  ASSERT_EQ(static_cast<std::size_t>(text.P32(9)), s.size());
  const auto offString = static_cast<std::size_t>(text.P32(10));
  EXPECT_EQ(Utf16At(text.params, offString - 8, s.size()), s);
}

TEST_F(MetafileTest, StateChangesAndBackgrounds) {
  canvas.SetPen(qv::Pen{0x000000, 1, qv::PenStyle::Dash});
  canvas.Line({0, 0}, {1, 1});
  canvas.SetPen(qv::Pen{0x000000, 1, qv::PenStyle::Solid});
  canvas.Line({0, 0}, {1, 1});
  canvas.SetBrush(qv::Brush{0xFFFFFF, qv::BrushStyle::Solid});
  canvas.Text({0, 0}, "a");  // text on a white box
  canvas.Line({0, 0}, {1, 1});
  const Wmf w = ReadWmf(canvas.WmfBytes());
  const std::vector<Rec> pens = OfType(w.recs, 0x02FA);
  ASSERT_EQ(pens.size(), 2u);
  EXPECT_EQ(pens[0].P16(0), 1);  // PS_DASH, one unit wide so players keep the dashes
  EXPECT_EQ(pens[0].P16(1), 1);
  const std::vector<Rec> modes = OfType(w.recs, 0x0102);
  ASSERT_EQ(modes.size(), 3u);  // transparent, opaque for the text, transparent again
  EXPECT_EQ(modes[1].P16(0), 2);
  EXPECT_EQ(modes[2].P16(0), 1);
  EXPECT_EQ(U32(OfType(w.recs, 0x0201).at(0).params, 0), 0xFFFFFFu);
  EXPECT_EQ(WmfObjectsBalanced(w), "");
}

TEST_F(MetafileTest, EmptyPictureIsStillWellFormed) {
  const Wmf w = ReadWmf(canvas.WmfBytes());
  ASSERT_EQ(w.error, "");
  EXPECT_EQ(w.objects, 0);
  EXPECT_EQ(w.recs.back().type, 0u);
  const std::string b = canvas.EmfBytes();
  const Emf e = ReadEmf(b);
  ASSERT_EQ(e.error, "");
  EXPECT_EQ(Types(e.recs), (std::vector<std::uint32_t>{1, 18, 22, 19, 14}));
  EXPECT_EQ(U16(e.recs[0].params, 48), 1u);  // only the reserved handle 0
}

TEST_F(MetafileTest, PointsBeyondSixteenBits) {
  canvas.Polyline({{0, 0}, {4000, 10}});  // 50000 units
  const Emf e = ReadEmf(canvas.EmfBytes());
  const Rec p = OfType(e.recs, 4).at(0);  // EMR_POLYLINE with 32-bit points
  EXPECT_EQ(p.P32(7), 50000);
  const Rec line = OfType(ReadWmf(canvas.WmfBytes()).recs, 0x0325).at(0);
  EXPECT_EQ(line.P16(3), 32767);  // WMF has 16 bits only
}

TEST_F(MetafileTest, LongPolylineGoesInJoinedPieces) {
  std::vector<DevicePoint> pts;
  for (int i = 0; i < 20000; ++i) pts.push_back({i * 0.01, 1.0});
  canvas.Polyline(pts);
  const std::vector<Rec> pieces = OfType(ReadWmf(canvas.WmfBytes()).recs, 0x0325);
  ASSERT_EQ(pieces.size(), 3u);
  int total = 0;
  for (const Rec& r : pieces) total += r.P16(0);
  EXPECT_EQ(total, 20000 + 2);  // each joint point twice
}

TEST_F(MetafileTest, SavingWritesTheBytesAndReportsFailure) {
  DrawSample(canvas);
  const std::string path = ::testing::TempDir() + "qv_metafile_test.emf";
  ASSERT_TRUE(canvas.SaveEmf(path));
  std::ifstream in(path, std::ios::binary);
  const std::string onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(onDisk, canvas.EmfBytes());
  std::remove(path.c_str());
  std::string error;
  EXPECT_FALSE(canvas.SaveWmf("/nonexistent-folder-qv/x.wmf", &error));
  EXPECT_FALSE(error.empty());
}

TEST_F(MetafileTest, TextEstimateGrowsWithTheText) {
  const qv::Font f{"Arial", 23.0, 0, false, false};
  const qv::TextSize one = MetafileCanvas::EstimateTextExtent(f, "0");
  EXPECT_NEAR(one.width, 0.556 * 20.0, 1e-9);  // a digit is 0.556 em; 23 px lines are 20 px ems
  EXPECT_DOUBLE_EQ(one.height, 23.0);
  EXPECT_NEAR(MetafileCanvas::EstimateTextExtent(f, "ää").width, 2 * 0.556 * 20.0, 1e-9);
  canvas.SetTextMeasure([](const qv::Font&, const std::string& s) {
    return qv::TextSize{static_cast<double>(s.size()), 1.0};
  });
  EXPECT_DOUBLE_EQ(canvas.TextExtent("abc").width, 3.0);
}

}  // namespace
