// Enhanced Metafile writer of the metafile canvas: EMR_HEADER with its reference device, 32-bit
// aligned records, UTF-16 texts.
#include <algorithm>
#include <cmath>

#include "model/TextCodec.h"
#include "ui/drawing/MetafileCanvas.h"
#include "ui/drawing/MetafileCanvasBytes.h"

namespace qv {

namespace {

using metafile::Bytes;
using metafile::ColourRef;
using metafile::UnitPoint;

enum EmfRecord : std::uint32_t {
  kEmrHeader = 1,
  kEmrPolygon = 3,
  kEmrPolyline = 4,
  kEmrEof = 14,
  kEmrSetBkMode = 18,
  kEmrSetPolyFillMode = 19,
  kEmrSetTextAlign = 22,
  kEmrSetTextColor = 24,
  kEmrSetBkColor = 25,
  kEmrSelectObject = 37,
  kEmrCreatePen = 38,
  kEmrCreateBrushIndirect = 39,
  kEmrDeleteObject = 40,
  kEmrEllipse = 42,
  kEmrExtTextOutW = 84,
  kEmrPolygon16 = 86,
  kEmrPolyline16 = 87,
  kEmrExtCreateFontIndirectW = 82,
};

constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kWhiteBrush = 0x80000000;
constexpr std::uint32_t kBlackPen = 0x80000007;
constexpr std::uint32_t kDeviceDefaultFont = 0x8000000E;
constexpr std::uint32_t kHeaderFixedSize = 108;  // with the OpenGL and micrometre fields
constexpr std::uint32_t kTextFixedSize = 76;     // EMR_EXTTEXTOUTW up to its string

std::u16string Utf16(const std::string& utf8) {
  const std::string s = IsValidUtf8(utf8) ? utf8 : Cp1252ToUtf8(utf8);
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    const std::size_t n = b0 < 0x80 ? 1 : (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : 4;
    if (i + n > s.size()) break;
    char32_t c = n == 1 ? b0 : n == 2 ? (b0 & 0x1F) : n == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t k = 1; k < n; ++k)
      c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += n;
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
  }
  return out;
}

void Utf16Bytes(Bytes& b, const std::u16string& s) {
  for (char16_t c : s) b.U16(c);
}

void Rect(Bytes& b, long left, long top, long right, long bottom) {
  b.I32(left);
  b.I32(top);
  b.I32(right);
  b.I32(bottom);
}

int EmfPenStyle(PenStyle s) {
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

bool Fits16(const std::vector<UnitPoint>& points) {
  for (const UnitPoint& p : points)
    if (p.x < -32768 || p.x > 32767 || p.y < -32768 || p.y > 32767) return false;
  return true;
}

class EmfEncoder : public metafile::Encoder {
 public:
  explicit EmfEncoder(const MetafileCanvas& canvas) : canvas_(canvas) {}

  void Preamble() {
    Value(kEmrSetBkMode, 1);        // TRANSPARENT
    Value(kEmrSetTextAlign, 0);     // TA_TOP | TA_LEFT | TA_NOUPDATECP
    Value(kEmrSetPolyFillMode, 1);  // ALTERNATE
  }

  void CreatePen(int index, const Pen& pen) override {
    Bytes p;
    p.U32(static_cast<std::uint32_t>(index));
    p.U32(static_cast<std::uint32_t>(EmfPenStyle(pen.style)));
    const bool styled = pen.style == PenStyle::Dash || pen.style == PenStyle::Dot;
    p.I32(styled ? 1 : canvas_.ToUnits(std::max(1, pen.width)));
    p.I32(0);
    p.U32(ColourRef(pen.colour));
    Record(kEmrCreatePen, p);
    madePen_ = true;
  }

  void CreateBrush(int index, const Brush& brush) override {
    Bytes p;
    const bool hatch = brush.style == BrushStyle::DiagonalHatch;
    p.U32(static_cast<std::uint32_t>(index));
    p.U32(brush.style == BrushStyle::Clear ? 1 : hatch ? 2 : 0);
    p.U32(ColourRef(brush.colour));
    p.U32(hatch ? 3 : 0);  // HS_BDIAGONAL
    Record(kEmrCreateBrushIndirect, p);
    madeBrush_ = true;
  }

  void CreateFont(int index, const Font& font) override {
    Bytes p;
    p.U32(static_cast<std::uint32_t>(index));
    p.I32(std::max(1L, canvas_.ToUnits(font.height)));  // positive: the cell height
    p.I32(0);
    p.I32(0);
    p.I32(0);
    p.I32(font.bold ? 700 : 400);
    p.U8(font.italic ? 1 : 0);
    p.U8(0);
    p.U8(0);
    p.U8(1);  // DEFAULT_CHARSET: the texts are Unicode
    p.U8(0);
    p.U8(0);
    p.U8(0);
    p.U8(0);
    std::u16string face = Utf16(font.name).substr(0, 31);
    face.resize(32, u'\0');
    Utf16Bytes(p, face);
    Record(kEmrExtCreateFontIndirectW, p);
    madeFont_ = true;
  }

  void Select(int index) override { Value(kEmrSelectObject, static_cast<std::uint32_t>(index)); }
  void Delete(int index) override { Value(kEmrDeleteObject, static_cast<std::uint32_t>(index)); }
  void SetTextColour(Colour colour) override { Value(kEmrSetTextColor, ColourRef(colour)); }

  void SetBackground(bool opaque, Colour colour) override {
    if (opaque) Value(kEmrSetBkColor, ColourRef(colour));
    Value(kEmrSetBkMode, opaque ? 2 : 1);
  }

  void Line(UnitPoint from, UnitPoint to) override { Polyline({from, to}); }
  void Polyline(const std::vector<UnitPoint>& points) override {
    PointsRecord(Fits16(points) ? kEmrPolyline16 : kEmrPolyline, points);
  }
  void Polygon(const std::vector<UnitPoint>& points) override {
    PointsRecord(Fits16(points) ? kEmrPolygon16 : kEmrPolygon, points);
  }

  void Ellipse(UnitPoint topLeft, UnitPoint bottomRight) override {
    Bytes p;
    Rect(p, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    Record(kEmrEllipse, p);
  }

  void Text(UnitPoint topLeft, const std::string& utf8) override {
    const std::u16string text = Utf16(utf8);
    Bytes p;
    // Bounds are not used by players; the reference point is what places the text.
    Rect(p, topLeft.x, topLeft.y, topLeft.x, topLeft.y);
    p.U32(1);  // GM_COMPATIBLE
    const float hundredthsPerUnit = 100.0f / static_cast<float>(canvas_.UnitsPerMm());
    p.F32(hundredthsPerUnit);
    p.F32(hundredthsPerUnit);
    p.I32(topLeft.x);
    p.I32(topLeft.y);
    p.U32(static_cast<std::uint32_t>(text.size()));
    p.U32(kTextFixedSize);
    p.U32(0);  // no options: the rectangle is neither filled nor a clip
    Rect(p, 0, 0, -1, -1);
    p.U32(0);  // no spacing array: the player's own font metrics place the letters
    Utf16Bytes(p, text);
    Record(kEmrExtTextOutW, p);
  }

  void ReleaseObjects() override {
    if (madePen_) Value(kEmrSelectObject, kBlackPen);
    if (madeBrush_) Value(kEmrSelectObject, kWhiteBrush);
    if (madeFont_) Value(kEmrSelectObject, kDeviceDefaultFont);
  }

  void Eof() {
    Bytes p;
    p.U32(0);   // no palette entries
    p.U32(16);  // where they would start
    p.U32(20);  // this record's size, for readers going backwards
    Record(kEmrEof, p);
  }

  const Bytes& Records() const { return records_; }
  std::uint32_t RecordCount() const { return count_; }

 private:
  void Record(std::uint32_t type, const Bytes& params) {
    Bytes p = params;
    p.PadTo(4);
    records_.U32(type);
    records_.U32(static_cast<std::uint32_t>(8 + p.Size()));
    records_.Raw(p.Data());
    ++count_;
  }

  void Value(std::uint32_t type, std::uint32_t value) {
    Bytes p;
    p.U32(value);
    Record(type, p);
  }

  void PointsRecord(std::uint32_t type, const std::vector<UnitPoint>& points) {
    const bool small = type == kEmrPolyline16 || type == kEmrPolygon16;
    long l = points[0].x, t = points[0].y, r = l, b = t;
    for (const UnitPoint& pt : points) {
      l = std::min(l, pt.x);
      r = std::max(r, pt.x);
      t = std::min(t, pt.y);
      b = std::max(b, pt.y);
    }
    Bytes p;
    Rect(p, l, t, r, b);
    p.U32(static_cast<std::uint32_t>(points.size()));
    for (const UnitPoint& pt : points) {
      if (small) {
        p.I16(static_cast<int>(pt.x));
        p.I16(static_cast<int>(pt.y));
      } else {
        p.I32(pt.x);
        p.I32(pt.y);
      }
    }
    Record(type, p);
  }

  const MetafileCanvas& canvas_;
  Bytes records_;
  std::uint32_t count_ = 0;
  bool madePen_ = false;
  bool madeBrush_ = false;
  bool madeFont_ = false;
};

struct Reference {
  long pixelsX, pixelsY, mmX, mmY;
};

// A reference device of whole millimetres at exactly the canvas's units per millimetre,
// so a player's millimetre to unit conversion has no rounding.
Reference ReferenceDevice(const MetafileCanvas& canvas) {
  const double wMm = canvas.Width() / canvas.PixelsPerMmX();
  const double hMm = canvas.Height() / canvas.PixelsPerMmY();
  Reference r;
  r.mmX = std::max(1L, static_cast<long>(std::ceil(wMm)));
  r.mmY = std::max(1L, static_cast<long>(std::ceil(hMm)));
  r.pixelsX = r.mmX * canvas.UnitsPerMm();
  r.pixelsY = r.mmY * canvas.UnitsPerMm();
  return r;
}

}  // namespace

std::string MetafileCanvas::EmfBytes() const {
  EmfEncoder enc(*this);
  enc.Preamble();
  const int handles = metafile::PlayCalls(*this, enc, 1);
  enc.Eof();

  std::u16string description = u"QEL-VUX 2.0";
  description += u'\0';
  if (!description_.empty()) description += Utf16(description_) + u'\0';
  description += u'\0';
  Bytes desc;
  Utf16Bytes(desc, description);
  desc.PadTo(4);

  const auto headerSize = static_cast<std::uint32_t>(kHeaderFixedSize + desc.Size());
  const auto total = static_cast<std::uint32_t>(headerSize + enc.Records().Size());
  const Reference ref = ReferenceDevice(*this);
  const long frameRight = std::lround(width_ / pxPerMm_ * 100.0);
  const long frameBottom = std::lround(height_ / pxPerMm_ * 100.0);

  Bytes out;
  out.U32(kEmrHeader);
  out.U32(headerSize);
  Rect(out, 0, 0, std::max(0, UnitWidth() - 1), std::max(0, UnitHeight() - 1));
  Rect(out, 0, 0, std::max(0L, frameRight - 1), std::max(0L, frameBottom - 1));
  out.U32(kSignature);
  out.U32(0x00010000);
  out.U32(total);
  out.U32(enc.RecordCount() + 1);  // the header counts itself
  out.U16(static_cast<unsigned>(handles));
  out.U16(0);
  out.U32(static_cast<std::uint32_t>(description.size()));
  out.U32(kHeaderFixedSize);
  out.U32(0);  // no palette
  out.I32(ref.pixelsX);
  out.I32(ref.pixelsY);
  out.I32(ref.mmX);
  out.I32(ref.mmY);
  out.U32(0);  // no pixel format
  out.U32(0);
  out.U32(0);  // not OpenGL
  out.I32(ref.mmX * 1000);
  out.I32(ref.mmY * 1000);
  out.Raw(desc.Data());
  out.Raw(enc.Records().Data());
  return out.Data();
}

}  // namespace qv
