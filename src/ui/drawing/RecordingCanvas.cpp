// Recording canvas: keeps each call and its state so tests can read back what was drawn.
#include "ui/drawing/RecordingCanvas.h"

#include <utility>

#include "model/TextCodec.h"

namespace qv {

CanvasCall CallWithState(const Canvas& canvas, CanvasOp op, std::vector<DevicePoint> points,
                         const std::string& text) {
  CanvasCall call;
  call.op = op;
  call.points = std::move(points);
  call.text = text;
  call.pen = canvas.GetPen();
  call.brush = canvas.GetBrush();
  call.font = canvas.GetFont();
  return call;
}

void RecordingCanvas::Record(CanvasOp op, std::vector<DevicePoint> points,
                             const std::string& text) {
  calls_.push_back(CallWithState(*this, op, std::move(points), text));
}

void RecordingCanvas::Line(DevicePoint from, DevicePoint to) {
  Record(CanvasOp::Line, {from, to}, std::string());
}

void RecordingCanvas::Polyline(const std::vector<DevicePoint>& points) {
  Record(CanvasOp::Polyline, points, std::string());
}

void RecordingCanvas::Ellipse(double left, double top, double right, double bottom) {
  Record(CanvasOp::Ellipse, {DevicePoint{left, top}, DevicePoint{right, bottom}}, std::string());
}

void RecordingCanvas::Polygon(const std::vector<DevicePoint>& points) {
  Record(CanvasOp::Polygon, points, std::string());
}

void RecordingCanvas::Text(DevicePoint topLeft, const std::string& text) {
  Record(CanvasOp::Text, {topLeft}, text);
}

TextSize RecordingCanvas::TextExtent(const std::string& text) const {
  const double h = GetFont().height;
  return TextSize{0.6 * h * static_cast<double>(CharCount(text)), h};
}

int RecordingCanvas::CountOf(CanvasOp op) const {
  int n = 0;
  for (const CanvasCall& c : calls_) {
    if (c.op == op) ++n;
  }
  return n;
}

std::vector<CanvasCall> RecordingCanvas::CallsOf(CanvasOp op) const {
  std::vector<CanvasCall> out;
  for (const CanvasCall& c : calls_) {
    if (c.op == op) out.push_back(c);
  }
  return out;
}

std::vector<CanvasCall> RecordingCanvas::TextsEqual(const std::string& text) const {
  std::vector<CanvasCall> out;
  for (const CanvasCall& c : calls_) {
    if (c.op == CanvasOp::Text && c.text == text) out.push_back(c);
  }
  return out;
}

}  // namespace qv
