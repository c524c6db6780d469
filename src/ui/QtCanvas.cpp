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

// Drawings set the same pen and brush for thousands of shapes in a row.
void QtCanvas::ApplyPenAndBrush() {
  if (!applied_ || applied_->first != GetPen()) {
    painter_.setPen(ToQPen(GetPen()));
    textColour_.reset();
  }
  if (!applied_ || applied_->second != GetBrush()) painter_.setBrush(ToQBrush(GetBrush()));
  applied_.emplace(GetPen(), GetBrush());
}

// A crowded drawing puts many ticks and shafts on the same device pixels (load positions a
// fraction of a pixel apart); a line drawn again right after itself adds nothing to see.
void QtCanvas::Line(DevicePoint from, DevicePoint to) {
  if (!lineRun_ || *lineRun_ != GetPen()) {
    drawnLines_.clear();
    lineRun_ = GetPen();
  }
  if (!drawnLines_.insert({from.x, from.y, to.x, to.y}).second) return;
  ApplyPenAndBrush();
  painter_.drawLine(ToPoint(from), ToPoint(to));
}

std::size_t QtCanvas::LineKeyHash::operator()(const std::array<double, 4>& k) const {
  std::size_t h = 0;
  for (double v : k) h = h * 1000003u ^ std::hash<double>()(v);
  return h;
}

void QtCanvas::EndLineRun() {
  if (!lineRun_) return;
  lineRun_.reset();
  drawnLines_.clear();
}

void QtCanvas::Polyline(const std::vector<DevicePoint>& points) {
  EndLineRun();
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
  // Square caps fill the corners where the segments meet. The free ends of an open line
  // are drawn in by half the width first, so that their caps end flat at the points.
  const double half = std::max(1, GetPen().width) / 2.0;
  if (!closed) {
    const auto drawIn = [half](QPointF& end, const QPointF& other) {
      const QLineF l(end, other);
      if (l.length() > half) end = l.pointAt(half / l.length());
    };
    QPointF start = lines.front().p1();
    drawIn(start, lines.front().p2());
    lines.front().setP1(start);
    QPointF last = lines.back().p2();
    drawIn(last, lines.back().p1());
    lines.back().setP2(last);
  }
  QPen pen = painter_.pen();
  pen.setCapStyle(Qt::SquareCap);
  painter_.setPen(pen);
  applied_.reset();
  textColour_.reset();
  painter_.drawLines(lines.data(), static_cast<int>(lines.size()));
}

void QtCanvas::Ellipse(double left, double top, double right, double bottom) {
  EndLineRun();
  ApplyPenAndBrush();
  painter_.drawEllipse(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
}

void QtCanvas::Polygon(const std::vector<DevicePoint>& points) {
  EndLineRun();
  if (points.size() < 3) return;
  ApplyPenAndBrush();
  if (GetBrush().style == BrushStyle::Clear && ThickSolidPen()) {
    DrawAsLines(points, true);
    return;
  }
  painter_.drawPolygon(ToPolygon(points));
}

void QtCanvas::Text(DevicePoint topLeft, const std::string& text) {
  DrawText(topLeft, text, CurrentFont(), -1.0);
}

void QtCanvas::MeasuredText(DevicePoint topLeft, const std::string& text, double width) {
  DrawText(topLeft, text, CurrentFont(), width);
}

// A negative width is not known yet.
void QtCanvas::DrawText(DevicePoint topLeft, const std::string& text, FontCache& font,
                        double width) {
  EndLineRun();
  // Labels stacked past the edge of a crowded drawing would only be shaped to be clipped;
  // those above or below it are known without measuring them.
  const double height = font.metrics.height();
  if (OutsideDevice(QRectF(0.0, topLeft.y, 1.0, height))) return;
  if (width < 0.0) width = Width(font, text);
  const QRectF box(topLeft.x, topLeft.y, width, height);
  if (OutsideDevice(box)) return;
  if (GetBrush().style != BrushStyle::Clear) painter_.fillRect(box, ToQColor(GetBrush().colour));
  // A long drawing's texts mostly follow each other in one font and colour; the painter
  // resolves a font anew each time it is given one.
  if (fontApplied_ != &font) {
    painter_.setFont(font.font);
    fontApplied_ = &font;
  }
  if (textColour_ != GetFont().colour) {
    painter_.setPen(ToQColor(GetFont().colour));
    textColour_ = GetFont().colour;
    applied_.reset();
  }
  painter_.drawText(QPointF(topLeft.x, topLeft.y + font.metrics.ascent()),
                    QString::fromStdString(text));
}

bool QtCanvas::OutsideDevice(const QRectF& box) const {
  const QPaintDevice* device = painter_.device();
  if (!device || device->width() <= 0 || device->height() <= 0) return false;
  if (!painter_.worldTransform().isIdentity() || painter_.viewport() != painter_.window())
    return false;
  return !box.intersects(QRectF(0.0, 0.0, device->width(), device->height()));
}

TextSize QtCanvas::TextExtent(const std::string& text) const {
  FontCache& font = CurrentFont();
  return TextSize{Width(font, text), font.metrics.height()};
}

double QtCanvas::Width(FontCache& font, const std::string& text) {
  auto known = font.widths.find(text);
  if (known == font.widths.end())
    known = font.widths.emplace(text, font.metrics.horizontalAdvance(QString::fromStdString(text)))
                .first;
  return known->second;
}

// A drawing sets the same few fonts thousands of times and measures the same texts again
// and again (every support, load and dimension); the fonts and widths are kept for the
// canvas's life.
QtCanvas::FontCache& QtCanvas::CurrentFont() const {
  const Font& f = GetFont();
  if (current_ && current_->Resolves(f)) return *current_;
  for (const std::unique_ptr<FontCache>& known : fonts_) {
    if (known->Resolves(f)) {
      current_ = known.get();
      return *current_;
    }
  }
  const QFont q = ToQFont(f);
  fonts_.push_back(std::unique_ptr<FontCache>(new FontCache{
      f.name, f.height, f.italic, f.bold, q, QFontMetricsF(q, painter_.device()), {}}));
  current_ = fonts_.back().get();
  return *current_;
}

}  // namespace qv
