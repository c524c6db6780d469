// QPainter canvas: the drawing layer's pens, brushes and fonts in Qt terms.
#include "ui/QtCanvas.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPaintDevice>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kFallbackDpi = 96.0;

QPointF ToPoint(DevicePoint p) { return QPointF(p.x, p.y); }

QPolygonF ToPolygon(const std::vector<DevicePoint>& points) {
  QPolygonF poly;
  poly.reserve(static_cast<int>(points.size()));
  for (const auto& p : points) poly << ToPoint(p);
  return poly;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter)
    : QtCanvas(painter, PixelsPerMmX(painter.device()), PixelsPerMmY(painter.device())) {}

QtCanvas::QtCanvas(QPainter& painter, double pixelsPerMmX, double pixelsPerMmY)
    : painter_(painter), pxPerMmX_(pixelsPerMmX), pxPerMmY_(pixelsPerMmY) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setBackgroundMode(Qt::TransparentMode);
}

double QtCanvas::PixelsPerMmX(const QPaintDevice* device) {
  const int dpi = device ? device->logicalDpiX() : 0;
  return (dpi > 0 ? dpi : kFallbackDpi) / kMmPerInch;
}

double QtCanvas::PixelsPerMmY(const QPaintDevice* device) {
  const int dpi = device ? device->logicalDpiY() : 0;
  return (dpi > 0 ? dpi : kFallbackDpi) / kMmPerInch;
}

QColor QtCanvas::ToQColor(Colour c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

QPen QtCanvas::ToQPen(const Pen& pen) {
  if (pen.style == PenStyle::None) return QPen(Qt::NoPen);
  QPen q(ToQColor(pen.colour));
  q.setWidthF(std::max(1, pen.width));
  q.setCapStyle(Qt::FlatCap);
  q.setJoinStyle(Qt::MiterJoin);
  if (pen.style == PenStyle::Dash) q.setStyle(Qt::DashLine);
  if (pen.style == PenStyle::Dot) q.setStyle(Qt::DotLine);
  return q;
}

QBrush QtCanvas::ToQBrush(const Brush& brush) {
  switch (brush.style) {
    case BrushStyle::Clear:
      return QBrush(Qt::NoBrush);
    case BrushStyle::DiagonalHatch:
      return QBrush(ToQColor(brush.colour), Qt::BDiagPattern);
    case BrushStyle::Solid:
      break;
  }
  return QBrush(ToQColor(brush.colour), Qt::SolidPattern);
}

QFont QtCanvas::ToQFont(const Font& font) {
  QFont q(QString::fromStdString(font.name));
  q.setStyleHint(QFont::SansSerif);
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.height))));
  q.setItalic(font.italic);
  q.setBold(font.bold);
  return q;
}

void QtCanvas::ApplyPenAndBrush() {
  painter_.setPen(ToQPen(GetPen()));
  painter_.setBrush(ToQBrush(GetBrush()));
}

void QtCanvas::Line(DevicePoint from, DevicePoint to) {
  ApplyPenAndBrush();
  painter_.drawLine(ToPoint(from), ToPoint(to));
}

void QtCanvas::Polyline(const std::vector<DevicePoint>& points) {
  if (points.size() < 2) return;
  ApplyPenAndBrush();
  if (ThickSolidPen()) {
    DrawAsLines(points, false);
    return;
  }
  painter_.drawPolyline(ToPolygon(points));
}

// Qt strokes a thick polyline or outline by building and filling its whole outline path,
// which costs far more than its separate segments, which the raster engine draws directly.
bool QtCanvas::ThickSolidPen() const {
  return GetPen().style == PenStyle::Solid && GetPen().width > 1;
}

void QtCanvas::DrawAsLines(const std::vector<DevicePoint>& points, bool closed) {
  std::vector<QLineF> lines;
  lines.reserve(points.size());
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    lines.emplace_back(ToPoint(points[i]), ToPoint(points[i + 1]));
  }
  if (closed) lines.emplace_back(ToPoint(points.back()), ToPoint(points.front()));
  // Square caps fill the corners where the segments meet.
  QPen pen = painter_.pen();
  pen.setCapStyle(Qt::SquareCap);
  painter_.setPen(pen);
  painter_.drawLines(lines.data(), static_cast<int>(lines.size()));
}

void QtCanvas::Ellipse(double left, double top, double right, double bottom) {
  ApplyPenAndBrush();
  painter_.drawEllipse(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
}

void QtCanvas::Polygon(const std::vector<DevicePoint>& points) {
  if (points.size() < 3) return;
  ApplyPenAndBrush();
  if (GetBrush().style == BrushStyle::Clear && ThickSolidPen()) {
    DrawAsLines(points, true);
    return;
  }
  painter_.drawPolygon(ToPolygon(points));
}

void QtCanvas::Text(DevicePoint topLeft, const std::string& text) {
  const QString s = QString::fromStdString(text);
  const FontCache& font = CurrentFont();
  if (GetBrush().style != BrushStyle::Clear) {
    painter_.fillRect(QRectF(topLeft.x, topLeft.y, font.metrics.horizontalAdvance(s),
                             font.metrics.height()),
                      ToQColor(GetBrush().colour));
  }
  painter_.setFont(font.font);
  painter_.setPen(ToQColor(GetFont().colour));
  painter_.drawText(QPointF(topLeft.x, topLeft.y + font.metrics.ascent()), s);
}

TextSize QtCanvas::TextExtent(const std::string& text) const {
  const FontCache& font = CurrentFont();
  return TextSize{font.metrics.horizontalAdvance(QString::fromStdString(text)),
                  font.metrics.height()};
}

// A drawing sets the same few fonts thousands of times; resolving one costs more than the text.
const QtCanvas::FontCache& QtCanvas::CurrentFont() const {
  const Font& f = GetFont();
  if (!font_ || font_->name != f.name || font_->height != f.height ||
      font_->italic != f.italic || font_->bold != f.bold) {
    const QFont q = ToQFont(f);
    font_.reset(new FontCache{f.name, f.height, f.italic, f.bold, q,
                              QFontMetricsF(q, painter_.device())});
  }
  return *font_;
}

}  // namespace qv
