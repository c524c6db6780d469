// A drawing's calls kept compactly, to be compared with another drawing's and drawn later.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/drawing/Canvas.h"

namespace qv {

// A canvas that draws nothing but keeps every call with the pen, brush and font in force.
// Texts are measured by the given function (the canvas the calls will be drawn on), so the
// drawing comes out exactly as it would on that canvas.
class CallLog : public Canvas {
 public:
  using Measure = std::function<TextSize(const Font& font, const std::string& text)>;

  CallLog(double pixelsPerMmX, double pixelsPerMmY, Measure measure);

  double PixelsPerMmX() const override { return pxPerMmX_; }
  double PixelsPerMmY() const override { return pxPerMmY_; }
  void Line(DevicePoint from, DevicePoint to) override;
  void Polyline(const std::vector<DevicePoint>& points) override;
  void Ellipse(double left, double top, double right, double bottom) override;
  void Polygon(const std::vector<DevicePoint>& points) override;
  void Text(DevicePoint topLeft, const std::string& text) override;
  TextSize TextExtent(const std::string& text) const override;

  // True when both hold the same calls in the same order, each with the same points, text,
  // pen, brush and font (the resolution counts as well).
  bool SameAs(const CallLog& other) const;
  // Draws the calls on the canvas, each with its own pen, brush and font; the canvas keeps
  // the state it had before.
  void Replay(Canvas& canvas) const;
  int Size() const { return static_cast<int>(calls_.size()); }
  // Room for as many calls as another log holds: a drawing drawn again is about as long.
  void ReserveLike(const CallLog& other);
  // Drops the measuring function (it may refer to a canvas about to go); texts measure
  // as empty afterwards.
  void StopMeasuring() { measure_ = nullptr; }

 private:
  enum class Op { Line, Polyline, Ellipse, Polygon, Text };
  struct State {
    Pen pen;
    Brush brush;
    Font font;
  };
  struct Call {
    Op op;
    int state;
    int firstPoint;
    int pointCount;
    int text;  // -1 for shapes
  };
  void Add(Op op, const DevicePoint* points, int count, int text);

  double pxPerMmX_;
  double pxPerMmY_;
  Measure measure_;
  std::vector<Call> calls_;
  std::vector<DevicePoint> points_;
  std::vector<std::string> texts_;
  std::vector<State> states_;  // a new one only when the state changes between calls
};

}  // namespace qv
