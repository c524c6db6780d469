// View transform: fitting the world rectangle, coordinate conversions and clipped primitives.
#include "ui/drawing/ViewTransform.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qv {

namespace {

// Whole logical units, kept inside int so that absurd world points cannot overflow.
int FloorToInt(double v) {
  if (std::isnan(v)) return 0;
  constexpr double kLimit = 1.0e9;
  return static_cast<int>(std::floor(std::clamp(v, -kLimit, kLimit)));
}

bool GoodResolution(double r) { return std::isfinite(r) && r > 0.0; }

}  // namespace

ViewTransform::ViewTransform(Canvas* canvas) : canvas_(canvas) {}

void ViewTransform::SetResolution(double pixelsPerMmX, double pixelsPerMmY) {
  if (GoodResolution(pixelsPerMmX)) resolutionX_ = pixelsPerMmX;
  if (GoodResolution(pixelsPerMmY)) resolutionY_ = pixelsPerMmY;
}

void ViewTransform::Reset() {
  scale_ = 1.0;
  unitsPerMm_ = kUnitsPerMm;
  worldLeft_ = worldBottom_ = worldRight_ = worldTop_ = 0.0;
  device_ = DeviceRect{};
  surface_ = nullptr;
  active_ = false;
}

int ViewTransform::BeginView(Canvas* surface, DeviceRect device, double x0, double y0, double x1,
                             double y1, FitAlignment alignment) {
  Reset();
  if (device.left > device.right) std::swap(device.left, device.right);
  if (device.top > device.bottom) std::swap(device.top, device.bottom);

  Canvas* s = surface ? surface : canvas_;
  double rx = resolutionX_;
  double ry = resolutionY_;
  if (s && GoodResolution(s->PixelsPerMmX()) && GoodResolution(s->PixelsPerMmY())) {
    rx = s->PixelsPerMmX();
    ry = s->PixelsPerMmY();
  }
  const double pxPerUnitX = rx / kUnitsPerMm;
  const double pxPerUnitY = ry / kUnitsPerMm;

  // Surface size in millimetres, from its size in logical units.
  const double width = (device.right - device.left) / pxPerUnitX / kUnitsPerMm;
  const double height = (device.bottom - device.top) / pxPerUnitY / kUnitsPerMm;
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  const double W = x1 - x0;
  const double H = y1 - y0;
  if (!(width > 0.0) || !(height > 0.0) || !(W >= 0.0) || !(H >= 0.0) || (W <= 0.0 && H <= 0.0) ||
      !std::isfinite(W) || !std::isfinite(H)) {
    return -1;
  }

  device_ = device;
  surface_ = s;
  pxPerUnitX_ = pxPerUnitX;
  pxPerUnitY_ = pxPerUnitY;
  if (H / height >= W / width) {
    // Height limits: the world fills the surface from bottom to top.
    scale_ = H / height;
    worldBottom_ = y0;
    switch (alignment) {
      case FitAlignment::BottomLeft:
      case FitAlignment::TopLeft:
        worldLeft_ = x0;
        break;
      case FitAlignment::BottomRight:
        worldLeft_ = x0 + W - width * scale_;
        break;
      case FitAlignment::Centre:
      default:
        worldLeft_ = x0 - width * scale_ / 2.0 + W / 2.0;
        break;
    }
  } else {
    scale_ = W / width;
    worldLeft_ = x0;
    switch (alignment) {
      case FitAlignment::BottomLeft:
      case FitAlignment::BottomRight:
        worldBottom_ = y0;
        break;
      case FitAlignment::TopLeft:
        worldBottom_ = y0 + H - height * scale_;
        break;
      case FitAlignment::Centre:
      default:
        worldBottom_ = y0 - height * scale_ / 2.0 + H / 2.0;
        break;
    }
  }
  worldRight_ = worldLeft_ + scale_ * width;
  worldTop_ = worldBottom_ + scale_ * height;
  active_ = true;
  return 0;
}

void ViewTransform::EndView(Canvas* /*surface*/) {
  // The canvas never had its own mapping changed, so there is nothing to give back.
  Reset();
}

void ViewTransform::WorldToLogical(double x, double y, int& lx, int& ly) const {
  lx = FloorToInt((x - worldLeft_) / scale_ * unitsPerMm_);
  ly = FloorToInt((y - worldBottom_) / scale_ * unitsPerMm_);
}

void ViewTransform::LogicalToWorld(int lx, int ly, double& x, double& y) const {
  x = std::floor(lx / unitsPerMm_ * scale_ + worldLeft_);
  y = std::floor(ly / unitsPerMm_ * scale_ + worldBottom_);
}

DevicePoint ViewTransform::LogicalToDevice(int lx, int ly) const {
  return DevicePoint{device_.left + lx * pxPerUnitX_, device_.bottom - ly * pxPerUnitY_};
}

void ViewTransform::DeviceToLogical(double dx, double dy, int& lx, int& ly) const {
  lx = FloorToInt((dx - device_.left) / pxPerUnitX_ + 0.5);
  ly = FloorToInt((device_.bottom - dy) / pxPerUnitY_ + 0.5);
}

DevicePoint ViewTransform::ToDevice(double x, double y) const {
  int lx = 0;
  int ly = 0;
  WorldToLogical(x, y, lx, ly);
  return LogicalToDevice(lx, ly);
}

DevicePoint ViewTransform::WorldToDevice(double x, double y) const { return ToDevice(x, y); }

bool ViewTransform::Rejected(double x1, double y1, double x2, double y2) const {
  return (x1 < worldLeft_ && x2 < worldLeft_) || (x1 > worldRight_ && x2 > worldRight_) ||
         (y1 < worldBottom_ && y2 < worldBottom_) || (y1 > worldTop_ && y2 > worldTop_);
}

void ViewTransform::DrawLine(Canvas* canvas, double x1, double y1, double x2, double y2) const {
  Canvas* c = Target(canvas);
  if (!c || Rejected(x1, y1, x2, y2)) return;
  c->Line(ToDevice(x1, y1), ToDevice(x2, y2));
}

void ViewTransform::DrawEllipse(Canvas* canvas, double x1, double y1, double x2, double y2) const {
  Canvas* c = Target(canvas);
  if (!c || Rejected(x1, y1, x2, y2)) return;
  const DevicePoint a = ToDevice(x1, y1);
  const DevicePoint b = ToDevice(x2, y2);
  c->Ellipse(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
}

void ViewTransform::DrawPolygon(Canvas* canvas, const std::vector<double>& coords, int n,
                                int xOffset, int yOffset) const {
  if (n <= 2 || xOffset < 0 || yOffset < 0) return;
  const std::size_t last =
      static_cast<std::size_t>(std::max(xOffset, yOffset)) + 3u * static_cast<std::size_t>(n - 1);
  if (last >= coords.size()) return;
  std::vector<WorldPoint> points;
  points.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    points.push_back(WorldPoint{coords[static_cast<std::size_t>(xOffset + 3 * i)],
                                coords[static_cast<std::size_t>(yOffset + 3 * i)]});
  }
  DrawPolygon(canvas, points);
}

void ViewTransform::DrawPolygon(Canvas* canvas, const std::vector<WorldPoint>& points) const {
  Canvas* c = Target(canvas);
  if (!c || points.size() <= 2) return;
  std::vector<DevicePoint> device;
  device.reserve(points.size());
  for (const WorldPoint& p : points) device.push_back(ToDevice(p.x, p.y));
  // Outline from the last point through all of them, then the filled polygon.
  std::vector<DevicePoint> outline;
  outline.reserve(device.size() + 1);
  outline.push_back(device.back());
  outline.insert(outline.end(), device.begin(), device.end());
  c->Polyline(outline);
  c->Polygon(device);
}

void ViewTransform::DrawBand(Canvas* canvas, double x1, double y1, double x2, double y2,
                             double width, double offset) const {
  Canvas* c = Target(canvas);
  if (!c || Rejected(x1, y1, x2, y2)) return;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double L = std::sqrt(dx * dx + dy * dy);
  if (!(L > 1.0)) return;
  if (offset > 0.0) {
    // Moved along the left normal.
    x1 += -dy / L * offset;
    y1 += dx / L * offset;
    x2 += -dy / L * offset;
    y2 += dx / L * offset;
  }
  const double fx = dy / L * width;  // right normal times width
  const double fy = -dx / L * width;
  const DevicePoint nearStart = ToDevice(x1, y1);
  const DevicePoint nearEnd = ToDevice(x2, y2);
  const DevicePoint farEnd = ToDevice(x2 + fx, y2 + fy);
  const DevicePoint farStart = ToDevice(x1 + fx, y1 + fy);
  c->Polyline({farStart, nearStart, nearEnd, farEnd, farStart});
  c->Polygon({nearStart, nearEnd, farEnd, farStart});
}

void ViewTransform::TextOut(Canvas* canvas, int lx, int ly, const std::string& text) const {
  Canvas* c = Target(canvas);
  if (!c) return;
  c->Text(LogicalToDevice(lx, ly), text);
}

void ViewTransform::TextExtent(Canvas* canvas, const std::string& text, int& width,
                               int& height) const {
  width = 0;
  height = 0;
  Canvas* c = Target(canvas);
  if (!c) return;
  const TextSize t = c->TextExtent(text);
  width = FloorToInt(t.width / pxPerUnitX_ + 0.5);
  height = FloorToInt(t.height / pxPerUnitY_ + 0.5);
}

}  // namespace qv
