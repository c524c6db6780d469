// Windows Metafile writer of the metafile canvas: placeable header, 16-bit records, Windows-1252
// texts.
#include <algorithm>
#include <cmath>

#include "model/TextCodec.h"
#include "ui/drawing/MetafileCanvas.h"
#include "ui/drawing/MetafileCanvasBytes.h"

namespace qv {

namespace {

using metafile::Bytes;
using metafile::Clamp16;
using metafile::ColourRef;
using metafile::UnitPoint;

enum WmfFunction : unsigned {
  kMetaEof = 0x0000,
  kMetaSetBkMode = 0x0102,
  kMetaSetMapMode = 0x0103,
  kMetaSetPolyFillMode = 0x0106,
  kMetaSetTextAlign = 0x012E,
  kMetaSelectObject = 0x012D,
  kMetaDeleteObject = 0x01F0,
  kMetaSetBkColor = 0x0201,
  kMetaSetTextColor = 0x0209,
  kMetaSetWindowOrg = 0x020B,
  kMetaSetWindowExt = 0x020C,
  kMetaCreatePenIndirect = 0x02FA,
  kMetaCreateFontIndirect = 0x02FB,
  kMetaCreateBrushIndirect = 0x02FC,
  kMetaPolygon = 0x0324,
  kMetaPolyline = 0x0325,
  kMetaEllipse = 0x0418,
  kMetaExtTextOut = 0x0A32,
};

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kMmAnisotropic = 8;
constexpr int kTransparent = 1;
constexpr int kOpaque = 2;
constexpr int kAlternate = 1;
constexpr int kTaTopLeft = 0;  // TA_TOP | TA_LEFT | TA_NOUPDATECP
constexpr std::size_t kPolylineChunk = 8000;
constexpr std::size_t kMaxPoints = 32767;

int WmfPenStyle(PenStyle s) {
  switch (s) {
    case PenStyle::Dash:
      return 1;
    case PenStyle::Dot:
      return 2;
    case PenStyle::None:
      return 5;
    case PenStyle::Solid:
      break;
  }
  return 0;
}

class WmfEncoder : public metafile::Encoder {
 public:
  explicit WmfEncoder(const MetafileCanvas& canvas) : canvas_(canvas) {}

  void Preamble() {
    Word(kMetaSetMapMode, kMmAnisotropic);
    Bytes org;
    org.I16(0);
    org.I16(0);
    Record(kMetaSetWindowOrg, org);
    Bytes ext;  // y before x, as every WMF point pair
    ext.I16(Clamp16(canvas_.UnitHeight()));
    ext.I16(Clamp16(canvas_.UnitWidth()));
    Record(kMetaSetWindowExt, ext);
    Word(kMetaSetBkMode, kTransparent);
    Word(kMetaSetTextAlign, kTaTopLeft);
    Word(kMetaSetPolyFillMode, kAlternate);
  }

  void CreatePen(int, const Pen& pen) override {
    Bytes p;
    p.U16(static_cast<unsigned>(WmfPenStyle(pen.style)));
    // Styled pens stay one unit wide: a player draws wider dashed pens solid, and one
    // reader (LibreOffice) drops styled pens of width 0.
    const bool styled = pen.style == PenStyle::Dash || pen.style == PenStyle::Dot;
    p.I16(styled ? 1 : Clamp16(canvas_.ToUnits(std::max(1, pen.width))));
    p.I16(0);
    p.U32(ColourRef(pen.colour));
    Record(kMetaCreatePenIndirect, p);
  }

  void CreateBrush(int, const Brush& brush) override {
    Bytes p;
    const bool hatch = brush.style == BrushStyle::DiagonalHatch;
    p.U16(brush.style == BrushStyle::Clear ? 1 : hatch ? 2 : 0);  // BS_NULL, BS_HATCHED, BS_SOLID
    p.U32(ColourRef(brush.colour));
    p.U16(hatch ? 3 : 0);  // HS_BDIAGONAL: "/" lines
    Record(kMetaCreateBrushIndirect, p);
  }

  void CreateFont(int, const Font& font) override {
    Bytes p;
    p.I16(Clamp16(std::max(1L, canvas_.ToUnits(font.height))));  // positive: the cell height
    p.I16(0);                                                    // width: as designed
    p.I16(0);                                                    // escapement
    p.I16(0);                                                    // orientation
    p.I16(font.bold ? 700 : 400);
    p.U8(font.italic ? 1 : 0);
    p.U8(0);  // underline
    p.U8(0);  // strike-out
    p.U8(0);  // ANSI_CHARSET: the texts are Windows-1252
    p.U8(0);  // OUT_DEFAULT_PRECIS
    p.U8(0);  // CLIP_DEFAULT_PRECIS
    p.U8(0);  // DEFAULT_QUALITY
    p.U8(0);  // DEFAULT_PITCH | FF_DONTCARE
    std::string face = Utf8ToCp1252(font.name).substr(0, 31);
    face.resize(32, '\0');
    p.Raw(face);
    Record(kMetaCreateFontIndirect, p);
  }

  void Select(int index) override { Word(kMetaSelectObject, static_cast<unsigned>(index)); }
  void Delete(int index) override { Word(kMetaDeleteObject, static_cast<unsigned>(index)); }

  void SetTextColour(Colour colour) override { ColourRecord(kMetaSetTextColor, colour); }

  void SetBackground(bool opaque, Colour colour) override {
    if (opaque) ColourRecord(kMetaSetBkColor, colour);
    Word(kMetaSetBkMode, opaque ? kOpaque : kTransparent);
  }

  // A two-point polyline rather than MOVETO / LINETO: one reader (LibreOffice) draws
  // LINETO without the pen's width.
  void Line(UnitPoint from, UnitPoint to) override { Polyline({from, to}); }

  void Polyline(const std::vector<UnitPoint>& points) override {
    // Long curves go in pieces that share their joint points.
    for (std::size_t start = 0; start + 1 < points.size(); start += kPolylineChunk - 1) {
      const std::size_t end = std::min(points.size(), start + kPolylineChunk);
      PointsRecord(kMetaPolyline, points, start, end);
    }
  }

  void Polygon(const std::vector<UnitPoint>& points) override {
    PointsRecord(kMetaPolygon, points, 0, std::min(points.size(), kMaxPoints));
  }

  void Ellipse(UnitPoint topLeft, UnitPoint bottomRight) override {
    Bytes p;
    p.I16(Clamp16(bottomRight.y));
    p.I16(Clamp16(bottomRight.x));
    p.I16(Clamp16(topLeft.y));
    p.I16(Clamp16(topLeft.x));
    Record(kMetaEllipse, p);
  }

  void Text(UnitPoint topLeft, const std::string& utf8) override {
    const std::string text = IsValidUtf8(utf8) ? utf8 : Cp1252ToUtf8(utf8);
    const std::string bytes = Utf8ToCp1252(text).substr(0, 32767);
    Bytes p;
    p.I16(Clamp16(topLeft.y));
    p.I16(Clamp16(topLeft.x));
    p.I16(static_cast<int>(bytes.size()));
    p.U16(0);  // no options, hence no rectangle
    p.Raw(bytes);
    p.PadTo(2);
    Record(kMetaExtTextOut, p);
  }

  void ReleaseObjects() override {}  // the format has no stock objects to select

  void Eof() { Record(kMetaEof, Bytes()); }

  const Bytes& Records() const { return records_; }
  std::uint32_t MaxRecordWords() const { return maxRecord_; }

 private:
  void Record(unsigned function, const Bytes& params) {
    std::string p = params.Data();
    if (p.size() % 2) p += '\0';
    const auto words = static_cast<std::uint32_t>(3 + p.size() / 2);
    records_.U32(words);
    records_.U16(function);
    records_.Raw(p);
    maxRecord_ = std::max(maxRecord_, words);
  }

  void Word(unsigned function, unsigned value) {
    Bytes p;
    p.U16(value);
    Record(function, p);
  }

  void ColourRecord(unsigned function, Colour colour) {
    Bytes p;
    p.U32(ColourRef(colour));
    Record(function, p);
  }

  void PointsRecord(unsigned function, const std::vector<UnitPoint>& points, std::size_t start,
                    std::size_t end) {
    Bytes p;
    p.I16(static_cast<int>(end - start));
    for (std::size_t i = start; i < end; ++i) {
      p.I16(Clamp16(points[i].x));
      p.I16(Clamp16(points[i].y));
    }
    Record(function, p);
  }

  const MetafileCanvas& canvas_;
  Bytes records_;
  std::uint32_t maxRecord_ = 0;
};

// The 22-byte header that tells a reader the picture's size: bounding box and units per inch.
void PlaceableHeader(const MetafileCanvas& canvas, Bytes& out) {
  std::vector<unsigned> words{kPlaceableKey & 0xFFFF,
                              kPlaceableKey >> 16,
                              0,  // handle, always 0 in a file
                              0,
                              0,
                              static_cast<std::uint16_t>(Clamp16(canvas.UnitWidth())),
                              static_cast<std::uint16_t>(Clamp16(canvas.UnitHeight())),
                              static_cast<unsigned>(std::lround(canvas.UnitsPerMm() * 25.4)),
                              0,
                              0};
  unsigned checksum = 0;
  for (unsigned w : words) {
    out.U16(w);
    checksum ^= w;
  }
  out.U16(checksum);
}

}  // namespace

std::string MetafileCanvas::WmfBytes() const {
  WmfEncoder enc(*this);
  enc.Preamble();
  const int objects = metafile::PlayCalls(*this, enc, 0);
  enc.Eof();

  Bytes out;
  PlaceableHeader(*this, out);
  constexpr std::uint32_t kHeaderWords = 9;
  const std::uint32_t totalWords =
      kHeaderWords + static_cast<std::uint32_t>(enc.Records().Size() / 2);
  out.U16(1);  // a metafile on disk
  out.U16(kHeaderWords);
  out.U16(0x0300);
  out.U32(totalWords);
  out.U16(static_cast<unsigned>(objects));
  out.U32(enc.MaxRecordWords());
  out.U16(0);
  out.Raw(enc.Records().Data());
  return out.Data();
}

}  // namespace qv
