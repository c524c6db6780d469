// Metafile canvas: keeping the calls, measuring texts, and the object bookkeeping both formats
// share.
#include "ui/drawing/MetafileCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "model/TextCodec.h"
#include "ui/drawing/MetafileCanvasBytes.h"

namespace qv {

namespace {

constexpr int kMaxUnitsPerMm = 50;  // 0.02 mm: finer than any printer needs
constexpr double kMaxCoordinate = 32000.0;

// Advance of a character in ems, roughly as a sans-serif face sets it.
double CharWidthEm(char32_t c) {
  if (c == ' ') return 0.278;
  const bool ascii = c > 0 && c < 0x80;
  if (ascii && std::strchr("ijl.,:;!|'", static_cast<int>(c))) return 0.25;
  if (ascii && std::strchr("ftrI()[]-/", static_cast<int>(c))) return 0.333;
  if (c >= '0' && c <= '9') return 0.556;
  if (c == 'm' || c == 'w' || c == 'M' || c == 'W') return 0.85;
  if ((c >= 'A' && c <= 'Z') || c == 0xC4 || c == 0xD6 || c == 0xC5) return 0.667;
  return 0.556;
}

}  // namespace

MetafileCanvas::MetafileCanvas(int width, int height, double pixelsPerMm)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      pxPerMm_(std::isfinite(pixelsPerMm) && pixelsPerMm > 0.0 ? pixelsPerMm : kScreenPixelsPerMm),
      unitsPerMm_(kMaxUnitsPerMm) {
  const double maxMm = std::max(width_, height_) / pxPerMm_;
  if (maxMm > 0.0) {
    const double fit = std::floor(kMaxCoordinate / maxMm);
    unitsPerMm_ = static_cast<int>(std::max(1.0, std::min<double>(kMaxUnitsPerMm, fit)));
  }
}

int MetafileCanvas::UnitWidth() const { return static_cast<int>(ToUnits(width_)); }
int MetafileCanvas::UnitHeight() const { return static_cast<int>(ToUnits(height_)); }

long MetafileCanvas::ToUnits(double device) const {
  const double v = device * UnitsPerPixel();
  if (!std::isfinite(v)) return 0;
  return std::lround(std::max(-1e9, std::min(1e9, v)));
}

void MetafileCanvas::Record(CanvasOp op, std::vector<DevicePoint> points, const std::string& text) {
  calls_.push_back(CallWithState(*this, op, std::move(points), text));
}

void MetafileCanvas::Line(DevicePoint from, DevicePoint to) {
  Record(CanvasOp::Line, {from, to}, std::string());
}

void MetafileCanvas::Polyline(const std::vector<DevicePoint>& points) {
  if (points.size() < 2) return;
  Record(CanvasOp::Polyline, points, std::string());
}

void MetafileCanvas::Ellipse(double left, double top, double right, double bottom) {
  Record(CanvasOp::Ellipse,
         {DevicePoint{std::min(left, right), std::min(top, bottom)},
          DevicePoint{std::max(left, right), std::max(top, bottom)}},
         std::string());
}

void MetafileCanvas::Polygon(const std::vector<DevicePoint>& points) {
  if (points.size() < 3) return;
  Record(CanvasOp::Polygon, points, std::string());
}

void MetafileCanvas::Text(DevicePoint topLeft, const std::string& text) {
  if (text.empty()) return;
  Record(CanvasOp::Text, {topLeft}, text);
}

TextSize MetafileCanvas::TextExtent(const std::string& text) const {
  if (measure_) return measure_(GetFont(), text);
  return EstimateTextExtent(GetFont(), text);
}

TextSize MetafileCanvas::EstimateTextExtent(const Font& font, const std::string& text) {
  const std::string s = IsValidUtf8(text) ? text : Cp1252ToUtf8(text);
  const double em = font.height / 1.15;  // a line is about 1.15 ems
  double ems = 0.0;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : 4;
    char32_t c = b;
    if (n == 2 && i + 1 < s.size())
      c = ((b & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
    else if (n > 2)
      c = 0x100;
    ems += CharWidthEm(c);
    i += n;
  }
  return TextSize{ems * em * (font.bold ? 1.07 : 1.0), font.height};
}

bool MetafileCanvas::SaveWmf(const std::string& path, std::string* error) const {
  return ReplaceFileBytes(path, WmfBytes(), error);
}

bool MetafileCanvas::SaveEmf(const std::string& path, std::string* error) const {
  return ReplaceFileBytes(path, EmfBytes(), error);
}

namespace metafile {

namespace {

// The player's object table: slots from the first index, the lowest free one reused.
class ObjectTable {
 public:
  explicit ObjectTable(int first) : first_(first) {}
  int Allocate() {
    for (std::size_t i = 0; i < used_.size(); ++i) {
      if (!used_[i]) {
        used_[i] = true;
        return first_ + static_cast<int>(i);
      }
    }
    used_.push_back(true);
    return first_ + static_cast<int>(used_.size()) - 1;
  }
  void Free(int index) { used_[static_cast<std::size_t>(index - first_)] = false; }
  int TableSize() const { return first_ + static_cast<int>(used_.size()); }

 private:
  int first_;
  std::vector<bool> used_;
};

// The selected objects and the values they were made from.
struct Selection {
  int pen = -1;
  int brush = -1;
  int font = -1;
  Pen penValue;
  Brush brushValue;
  Font fontValue;
  bool opaque = false;  // players start transparent: the encoders set it so
  Colour background = 0xFFFFFF;
  bool textColourSet = false;
  Colour textColour = 0;
};

class Walker {
 public:
  Walker(const MetafileCanvas& c, Encoder& e, int first) : canvas_(c), enc_(e), table_(first) {}

  int Run() {
    for (const CanvasCall& call : canvas_.Calls()) Play(call);
    enc_.ReleaseObjects();
    for (int* index : {&sel_.pen, &sel_.brush, &sel_.font}) {
      if (*index < 0) continue;
      enc_.Delete(*index);
      table_.Free(*index);
      *index = -1;
    }
    return table_.TableSize();
  }

 private:
  UnitPoint ToUnits(DevicePoint p) const {
    return UnitPoint{canvas_.ToUnits(p.x), canvas_.ToUnits(p.y)};
  }

  std::vector<UnitPoint> ToUnits(const std::vector<DevicePoint>& points) const {
    std::vector<UnitPoint> out;
    out.reserve(points.size());
    for (const DevicePoint& p : points) out.push_back(ToUnits(p));
    return out;
  }

  // A new object replaces the selected one: created, selected, then the old one deleted.
  template <typename Value, typename Create>
  void Replace(int& index, Value& current, const Value& wanted, Create create) {
    if (index >= 0 && current == wanted) return;
    const int fresh = table_.Allocate();
    create(fresh);
    enc_.Select(fresh);
    if (index >= 0) {
      enc_.Delete(index);
      table_.Free(index);
    }
    index = fresh;
    current = wanted;
  }

  void UsePen(const Pen& p) {
    Replace(sel_.pen, sel_.penValue, p, [&](int i) { enc_.CreatePen(i, p); });
  }
  void UseBrush(const Brush& b) {
    Replace(sel_.brush, sel_.brushValue, b, [&](int i) { enc_.CreateBrush(i, b); });
  }
  void UseFont(const Font& f) {
    Replace(sel_.font, sel_.fontValue, f, [&](int i) { enc_.CreateFont(i, f); });
  }

  // Dashes and hatches must not get the text background behind them.
  void UseBackground(bool opaque, Colour colour) {
    if (opaque == sel_.opaque && (!opaque || colour == sel_.background)) return;
    enc_.SetBackground(opaque, colour);
    sel_.opaque = opaque;
    sel_.background = colour;
  }

  void Play(const CanvasCall& call) {
    switch (call.op) {
      case CanvasOp::Line:
      case CanvasOp::Polyline:
        UseBackground(false, 0);
        UsePen(call.pen);
        if (call.op == CanvasOp::Line && call.points.size() == 2)
          enc_.Line(ToUnits(call.points[0]), ToUnits(call.points[1]));
        else if (call.points.size() >= 2)
          enc_.Polyline(ToUnits(call.points));
        break;
      case CanvasOp::Ellipse:
      case CanvasOp::Polygon:
        UseBackground(false, 0);
        UsePen(call.pen);
        UseBrush(call.brush);
        if (call.op == CanvasOp::Ellipse && call.points.size() == 2)
          enc_.Ellipse(ToUnits(call.points[0]), ToUnits(call.points[1]));
        else if (call.points.size() >= 3)
          enc_.Polygon(ToUnits(call.points));
        break;
      case CanvasOp::Text:
        if (call.points.empty() || call.text.empty()) break;
        UseFont(call.font);
        if (!sel_.textColourSet || sel_.textColour != call.font.colour) {
          enc_.SetTextColour(call.font.colour);
          sel_.textColourSet = true;
          sel_.textColour = call.font.colour;
        }
        UseBackground(call.brush.style != BrushStyle::Clear, call.brush.colour);
        enc_.Text(ToUnits(call.points[0]), call.text);
        break;
    }
  }

  const MetafileCanvas& canvas_;
  Encoder& enc_;
  ObjectTable table_;
  Selection sel_;
};

}  // namespace

int PlayCalls(const MetafileCanvas& canvas, Encoder& encoder, int firstIndex) {
  return Walker(canvas, encoder, firstIndex).Run();
}

}  // namespace metafile
}  // namespace qv
