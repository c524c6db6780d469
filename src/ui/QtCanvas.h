// The drawing layer's canvas on a QPainter: paint widgets, images and pixmaps alike.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <memory>
#include <string>

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
  };
  const FontCache& CurrentFont() const;
  void ApplyPenAndBrush();
  bool ThickSolidPen() const;
  void DrawAsLines(const std::vector<DevicePoint>& points, bool closed);

  QPainter& painter_;
  double pxPerMmX_;
  double pxPerMmY_;
  mutable std::unique_ptr<FontCache> font_;  // the font last resolved and its metrics
};

}  // namespace qv
