// Abstract drawing surface in device pixels; every drawing of the member goes through it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// Colour value with red in the low byte: 0x00BBGGRR (0x0000FF red, 0xFF0000 blue).
using Colour = std::uint32_t;

enum class PenStyle { Solid, Dash, Dot, None };
enum class BrushStyle { Solid, Clear, DiagonalHatch };

struct Pen {
  Colour colour = 0x000000;
  int width = 1;  // device pixels; 0 and 1 both mean the thinnest line
  PenStyle style = PenStyle::Solid;
  bool operator==(const Pen& o) const {
    return colour == o.colour && width == o.width && style == o.style;
  }
  bool operator!=(const Pen& o) const { return !(*this == o); }
};

struct Brush {
  Colour colour = 0xFFFFFF;
  BrushStyle style = BrushStyle::Solid;
  bool operator==(const Brush& o) const { return colour == o.colour && style == o.style; }
  bool operator!=(const Brush& o) const { return !(*this == o); }
};

struct Font {
  std::string name = "Arial";
  double height = 12.0;  // device pixels, the height of one text line
  Colour colour = 0x000000;
  bool italic = false;
  bool bold = false;
  bool operator==(const Font& o) const {
    return name == o.name && height == o.height && colour == o.colour && italic == o.italic &&
           bold == o.bold;
  }
  bool operator!=(const Font& o) const { return !(*this == o); }
};

// Device pixels: x to the right, y downward, origin at the surface's top-left corner.
struct DevicePoint {
  double x = 0.0;
  double y = 0.0;
};

struct TextSize {
  double width = 0.0;
  double height = 0.0;
};

// The pen, brush and font live here, so every canvas saves and restores them alike; a
// concrete canvas draws each call with the state in force at that moment.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Resolution of the surface in device pixels per millimetre, across and down.
  virtual double PixelsPerMmX() const = 0;
  virtual double PixelsPerMmY() const = 0;

  // One straight stroke with the pen.
  virtual void Line(DevicePoint from, DevicePoint to) = 0;
  // Connected strokes through the points in order, not closed, not filled.
  virtual void Polyline(const std::vector<DevicePoint>& points) = 0;
  // The ellipse inscribed in the box (left <= right, top <= bottom): inside filled with
  // the brush, outline with the pen.
  virtual void Ellipse(double left, double top, double right, double bottom) = 0;
  // Closed polygon: filled with the brush, outlined with the pen.
  virtual void Polygon(const std::vector<DevicePoint>& points) = 0;
  // UTF-8 text in the font, its top-left corner at the point. With a clear brush the
  // background stays as it is; otherwise the text's box is first filled with the brush
  // colour.
  virtual void Text(DevicePoint topLeft, const std::string& text) = 0;
  // Width and line height of the text in the current font, device pixels.
  virtual TextSize TextExtent(const std::string& text) const = 0;
  // Text as above whose width in the current font was measured already (a drawing drawn
  // again from its record); a canvas may use the width instead of measuring once more.
  virtual void MeasuredText(DevicePoint topLeft, const std::string& text, double width) {
    static_cast<void>(width);
    Text(topLeft, text);
  }

  const Pen& GetPen() const { return pen_; }
  const Brush& GetBrush() const { return brush_; }
  const Font& GetFont() const { return font_; }
  void SetPen(const Pen& pen) { pen_ = pen; }
  void SetBrush(const Brush& brush) { brush_ = brush; }
  void SetFont(const Font& font) { font_ = font; }
  void SetPenColour(Colour c) { pen_.colour = c; }
  void SetPenWidth(int w) { pen_.width = w; }
  void SetPenStyle(PenStyle s) { pen_.style = s; }
  void SetBrushColour(Colour c) { brush_.colour = c; }
  void SetBrushStyle(BrushStyle s) { brush_.style = s; }
  void SetFontColour(Colour c) { font_.colour = c; }

  // Pushes the pen, brush and font; Restore pops them (an unmatched Restore does nothing).
  void Save();
  void Restore();
  int SavedDepth() const { return static_cast<int>(saved_.size()); }

 private:
  struct State {
    Pen pen;
    Brush brush;
    Font font;
  };
  Pen pen_;
  Brush brush_;
  Font font_;
  std::vector<State> saved_;
};

// Saves the canvas state for one scope and restores it on leaving, whatever the path.
class CanvasStateSaver {
 public:
  explicit CanvasStateSaver(Canvas* canvas) : canvas_(canvas) {
    if (canvas_) canvas_->Save();
  }
  ~CanvasStateSaver() {
    if (canvas_) canvas_->Restore();
  }
  CanvasStateSaver(const CanvasStateSaver&) = delete;
  CanvasStateSaver& operator=(const CanvasStateSaver&) = delete;

 private:
  Canvas* canvas_;
};

}  // namespace qv
