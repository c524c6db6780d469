// The drawing layer's canvas on a QPainter: paint widgets, images and pixmaps alike.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "ui/drawing/Canvas.h"

class QPaintDevice;

namespace qv {

class QtCanvas : public Canvas {
 public:
  // Draws with painter, which must stay active for the canvas's life. The resolution is
  // the painter device's logical resolution.
  explicit QtCanvas(QPainter& painter);
  QtCanvas(QPainter& painter, double pixelsPerMmX, double pixelsPerMmY);

  // Device pixels per millimetre of a paint device (96 dpi when it has none).
  static double PixelsPerMmX(const QPaintDevice* device);
  static double PixelsPerMmY(const QPaintDevice* device);

  double PixelsPerMmX() const override { return pxPerMmX_; }
  double PixelsPerMmY() const override { return pxPerMmY_; }

  void Line(DevicePoint from, DevicePoint to) override;
  void Polyline(const std::vector<DevicePoint>& points) override;
  void Ellipse(double left, double top, double right, double bottom) override;
  void Polygon(const std::vector<DevicePoint>& points) override;
  void Text(DevicePoint topLeft, const std::string& text) override;
  TextSize TextExtent(const std::string& text) const override;
  void MeasuredText(DevicePoint topLeft, const std::string& text, double width) override;

  // Conversions used by the canvas, public for the picture code and the tests.
  static QColor ToQColor(Colour c);
  static QPen ToQPen(const Pen& pen);
  static QBrush ToQBrush(const Brush& brush);
  static QFont ToQFont(const Font& font);

 private:
  struct FontCache {
    std::string name;
    double height;
    bool italic;
    bool bold;
    QFont font;
    QFontMetricsF metrics;
    std::unordered_map<std::string, double> widths;
    // The colour is the pen's business: the same face draws in any colour.
    bool Resolves(const Font& f) const {
      return name == f.name && height == f.height && italic == f.italic && bold == f.bold;
    }
  };
  FontCache& CurrentFont() const;
  static double Width(FontCache& font, const std::string& text);
  // True when the box lies wholly off the painter's device (drawn in device pixels).
  bool OutsideDevice(const QRectF& box) const;
  void ApplyPenAndBrush();
  bool ThickSolidPen() const;
  void DrawText(DevicePoint topLeft, const std::string& text, FontCache& font, double width);
  void DrawAsLines(const std::vector<DevicePoint>& points, bool closed);

  QPainter& painter_;
  double pxPerMmX_;
  double pxPerMmY_;
  // Every font the canvas has drawn with, its metrics and texts; current_ the last one.
  mutable std::vector<std::unique_ptr<FontCache>> fonts_;
  mutable FontCache* current_ = nullptr;
  // The pen and brush last given to the painter; none after the painter's pen was changed
  // for other uses.
  std::optional<std::pair<Pen, Brush>> applied_;
  // The font and text colour last given to the painter for a text; the colour is none
  // once a shape's pen was given since.
  const FontCache* fontApplied_ = nullptr;
  std::optional<Colour> textColour_;
  // The lines drawn since the last other shape, all with the pen lineRun_.
  struct LineKeyHash {
    std::size_t operator()(const std::array<double, 4>& k) const;
  };
  void EndLineRun();
  std::optional<Pen> lineRun_;
  std::unordered_set<std::array<double, 4>, LineKeyHash> drawnLines_;
};

}  // namespace qv
