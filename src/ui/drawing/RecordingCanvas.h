// Canvas that records every drawing call with the pen, brush and font in force, for tests.
#pragma once

#include <string>
#include <vector>

#include "ui/drawing/Canvas.h"

namespace qv {

enum class CanvasOp { Line, Polyline, Ellipse, Polygon, Text };

struct CanvasCall {
  CanvasOp op = CanvasOp::Line;
  // Line: from, to. Polyline and Polygon: their points. Ellipse: (left, top), (right,
  // bottom). Text: its top-left corner.
  std::vector<DevicePoint> points;
  std::string text;
  Pen pen;
  Brush brush;
  Font font;
};

// The call as the canvas would draw it now: with its pen, brush and font in force.
CanvasCall CallWithState(const Canvas& canvas, CanvasOp op, std::vector<DevicePoint> points,
                         const std::string& text);

class RecordingCanvas : public Canvas {
 public:
  // Resolution in device pixels per millimetre; 10 makes one pixel one logical unit.
  explicit RecordingCanvas(double pixelsPerMm = 10.0)
      : pxPerMmX_(pixelsPerMm), pxPerMmY_(pixelsPerMm) {}
  RecordingCanvas(double pixelsPerMmX, double pixelsPerMmY)
      : pxPerMmX_(pixelsPerMmX), pxPerMmY_(pixelsPerMmY) {}

  double PixelsPerMmX() const override { return pxPerMmX_; }
  double PixelsPerMmY() const override { return pxPerMmY_; }

  void Line(DevicePoint from, DevicePoint to) override;
  void Polyline(const std::vector<DevicePoint>& points) override;
  void Ellipse(double left, double top, double right, double bottom) override;
  void Polygon(const std::vector<DevicePoint>& points) override;
  void Text(DevicePoint topLeft, const std::string& text) override;
  // Deterministic: 0.6 x font height per character wide, one font height high.
  TextSize TextExtent(const std::string& text) const override;

  const std::vector<CanvasCall>& Calls() const { return calls_; }
  int CountOf(CanvasOp op) const;
  // The calls of one kind, in order.
  std::vector<CanvasCall> CallsOf(CanvasOp op) const;
  // Text calls with exactly this text.
  std::vector<CanvasCall> TextsEqual(const std::string& text) const;
  void Clear() { calls_.clear(); }

 private:
  void Record(CanvasOp op, std::vector<DevicePoint> points, const std::string& text);

  double pxPerMmX_;
  double pxPerMmY_;
  std::vector<CanvasCall> calls_;
};

}  // namespace qv
