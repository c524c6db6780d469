// Maps world millimetres onto a canvas (0.1 mm logical units, y upward) and draws clipped
// primitives.
#pragma once

#include <string>
#include <vector>

#include "ui/drawing/Canvas.h"

namespace qv {

// Where the world rectangle sits in the direction in which it does not fill the surface.
enum class FitAlignment { Centre = 0, BottomLeft = 1, BottomRight = 2, TopLeft = 3 };

// Device pixels; BeginView normalises it so that left <= right and top <= bottom.
struct DeviceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct WorldPoint {
  double x = 0.0;
  double y = 0.0;
};

// One per drawing pass: idle, BeginView fits and activates it, EndView makes it idle again.
// The metric mapping is made here, not by the canvas: a logical unit is 0.1 mm of the
// surface at its resolution, logical (0, 0) is the device rectangle's bottom-left corner
// and logical y runs upward. The canvas itself only ever sees device pixels.
class ViewTransform {
 public:
  static constexpr double kUnitsPerMm = 10.0;
  // Resolution assumed when the view has no canvas to ask (96 dots per inch).
  static constexpr double kScreenPixelsPerMm = 96.0 / 25.4;

  // The canvas is used by primitives given none and, when BeginView gets no surface, for
  // the resolution.
  explicit ViewTransform(Canvas* canvas = nullptr);

  // Resolution used when neither BeginView's surface nor the view's canvas is there (a
  // pointer query without painting).
  void SetResolution(double pixelsPerMmX, double pixelsPerMmY);

  // Fits the world rectangle (any two corners) into the device rectangle and activates the
  // view. Returns 0, or -1 when the device rectangle has no width or height or the world
  // rectangle is a single point; the view then stays idle.
  int BeginView(Canvas* surface, DeviceRect device, double x0, double y0, double x1, double y1,
                FitAlignment alignment = FitAlignment::Centre);
  // Back to idle: scale 1, rectangles zero, the surface forgotten.
  void EndView(Canvas* surface = nullptr);
  bool Active() const { return active_; }

  // Logical units are whole numbers: floor((x - world left) / scale * 10), likewise y.
  void WorldToLogical(double x, double y, int& lx, int& ly) const;
  // World results are whole millimetres: floor(lx / 10 * scale + world left), likewise y.
  void LogicalToWorld(int lx, int ly, double& x, double& y) const;
  DevicePoint LogicalToDevice(int lx, int ly) const;
  // Nearest logical point of a device point.
  void DeviceToLogical(double dx, double dy, int& lx, int& ly) const;
  DevicePoint WorldToDevice(double x, double y) const;

  // Primitives draw with the canvas's pen and brush; a null canvas falls back to the
  // view's own, and without either nothing is drawn. Lines, ellipses and bands are
  // rejected only when both end points lie beyond the same edge of the world rectangle.
  void DrawLine(Canvas* canvas, double x1, double y1, double x2, double y2) const;
  // Ellipse inscribed in the box of the two world corners.
  void DrawEllipse(Canvas* canvas, double x1, double y1, double x2, double y2) const;
  // Point i is (coords[xOffset + 3 i], coords[yOffset + 3 i]) (x, y, z triples, z unused).
  // Fewer than three points, or an array too short for n points, draws nothing.
  void DrawPolygon(Canvas* canvas, const std::vector<double>& coords, int n, int xOffset,
                   int yOffset) const;
  void DrawPolygon(Canvas* canvas, const std::vector<WorldPoint>& points) const;
  // Filled strip of the given width right of the segment after moving it offset to the
  // left; offset = width / 2 centres it. Segments of 1 mm or less draw nothing.
  void DrawBand(Canvas* canvas, double x1, double y1, double x2, double y2, double width,
                double offset) const;

  // Text with its top-left corner at a logical point; it hangs below the point.
  void TextOut(Canvas* canvas, int lx, int ly, const std::string& text) const;
  // Width and height of the text in logical units (0 without a canvas).
  void TextExtent(Canvas* canvas, const std::string& text, int& width, int& height) const;

  double Scale() const { return scale_; }
  double UnitsPerMm() const { return unitsPerMm_; }
  double WorldLeft() const { return worldLeft_; }
  double WorldBottom() const { return worldBottom_; }
  double WorldRight() const { return worldRight_; }
  double WorldTop() const { return worldTop_; }
  const DeviceRect& Device() const { return device_; }
  Canvas* ViewCanvas() const { return canvas_; }
  Canvas* Surface() const { return surface_; }
  // Device pixels per logical unit across and down while active.
  double PixelsPerUnitX() const { return pxPerUnitX_; }
  double PixelsPerUnitY() const { return pxPerUnitY_; }

 private:
  Canvas* Target(Canvas* canvas) const { return canvas ? canvas : canvas_; }
  bool Rejected(double x1, double y1, double x2, double y2) const;
  DevicePoint ToDevice(double x, double y) const;
  void Reset();

  double scale_ = 1.0;
  double unitsPerMm_ = kUnitsPerMm;
  double worldLeft_ = 0.0;
  double worldBottom_ = 0.0;
  double worldRight_ = 0.0;
  double worldTop_ = 0.0;
  DeviceRect device_;
  Canvas* surface_ = nullptr;
  Canvas* canvas_ = nullptr;
  double resolutionX_ = kScreenPixelsPerMm;
  double resolutionY_ = kScreenPixelsPerMm;
  double pxPerUnitX_ = kScreenPixelsPerMm / kUnitsPerMm;
  double pxPerUnitY_ = kScreenPixelsPerMm / kUnitsPerMm;
  bool active_ = false;
};

}  // namespace qv
