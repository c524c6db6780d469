// Compact call log: the shapes' points in one array, the states and texts apart.
#include "ui/drawing/CallLog.h"

#include <utility>

namespace qv {

CallLog::CallLog(double pixelsPerMmX, double pixelsPerMmY, Measure measure)
    : pxPerMmX_(pixelsPerMmX), pxPerMmY_(pixelsPerMmY), measure_(std::move(measure)) {}

void CallLog::Add(Op op, const DevicePoint* points, int count, int text, double textWidth) {
  if (states_.Empty() || states_.Back().pen != GetPen() || states_.Back().brush != GetBrush() ||
      states_.Back().font != GetFont()) {
    states_.PushBack(State{GetPen(), GetBrush(), GetFont()});
  }
  calls_.PushBack(
      Call{op, static_cast<int>(states_.Size()) - 1, points_.Size(), count, text, textWidth});
  for (int i = 0; i < count; ++i) points_.PushBack(points[i]);
  if (calls_.Size() % kStep == 0) HandOn();
}

void CallLog::HandOn() {
  {
    const std::lock_guard<std::mutex> hold(handOver_);
    handed_ = calls_.Size();
  }
  handedOn_.notify_one();
  if (onStep_) onStep_();
}

void CallLog::Close() {
  {
    const std::lock_guard<std::mutex> hold(handOver_);
    handed_ = calls_.Size();
    closed_ = true;
  }
  handedOn_.notify_one();
}

void CallLog::Line(DevicePoint from, DevicePoint to) {
  const DevicePoint p[2] = {from, to};
  Add(Op::Line, p, 2, -1, 0.0);
}

void CallLog::Polyline(const std::vector<DevicePoint>& points) {
  Add(Op::Polyline, points.data(), static_cast<int>(points.size()), -1, 0.0);
}

void CallLog::Ellipse(double left, double top, double right, double bottom) {
  const DevicePoint p[2] = {{left, top}, {right, bottom}};
  Add(Op::Ellipse, p, 2, -1, 0.0);
}

void CallLog::Polygon(const std::vector<DevicePoint>& points) {
  Add(Op::Polygon, points.data(), static_cast<int>(points.size()), -1, 0.0);
}

void CallLog::Text(DevicePoint topLeft, const std::string& text) {
  // The width the drawing measured just before is handed on, so that the canvas drawing
  // the text later need not shape it once more to place it; a text not measured is left
  // to that canvas, which does not measure what falls off its surface.
  const double width =
      hasMeasured_ && measuredText_ == text && measuredFont_ == GetFont() ? measured_.width : -1.0;
  texts_.PushBack(text);
  Add(Op::Text, &topLeft, 1, static_cast<int>(texts_.Size()) - 1, width);
}

TextSize CallLog::TextExtent(const std::string& text) const {
  if (!measure_) return TextSize{};
  measured_ = measure_(GetFont(), text);
  measuredFont_ = GetFont();
  measuredText_ = text;
  hasMeasured_ = true;
  return measured_;
}

bool CallLog::SameCall(std::size_t i, const CallLog& other) const {
  const Call& a = calls_[i];
  const Call& b = other.calls_[i];
  if (a.op != b.op || a.pointCount != b.pointCount || (a.text < 0) != (b.text < 0)) return false;
  const State& s = states_[static_cast<std::size_t>(a.state)];
  const State& t = other.states_[static_cast<std::size_t>(b.state)];
  if (s.pen != t.pen || s.brush != t.brush || s.font != t.font) return false;
  for (int k = 0; k < a.pointCount; ++k) {
    const DevicePoint& p = points_[a.firstPoint + static_cast<std::size_t>(k)];
    const DevicePoint& q = other.points_[b.firstPoint + static_cast<std::size_t>(k)];
    if (p.x != q.x || p.y != q.y) return false;
  }
  return a.text < 0 ||
         texts_[static_cast<std::size_t>(a.text)] == other.texts_[static_cast<std::size_t>(b.text)];
}

bool CallLog::MatchesSoFar(const CallLog& other, std::size_t& checked) const {
  if (pxPerMmX_ != other.pxPerMmX_ || pxPerMmY_ != other.pxPerMmY_) return false;
  for (; checked < calls_.Size(); ++checked) {
    if (checked >= other.calls_.Size() || !SameCall(checked, other)) return false;
  }
  return true;
}

bool CallLog::SameAs(const CallLog& other) const {
  std::size_t checked = 0;
  return calls_.Size() == other.calls_.Size() && MatchesSoFar(other, checked);
}

std::vector<DevicePoint> CallLog::PointsOf(const Call& call) const {
  std::vector<DevicePoint> points;
  points.reserve(static_cast<std::size_t>(call.pointCount));
  for (int k = 0; k < call.pointCount; ++k)
    points.push_back(points_[call.firstPoint + static_cast<std::size_t>(k)]);
  return points;
}

void CallLog::ReplayCalls(Canvas& canvas, std::size_t from, std::size_t to) const {
  for (std::size_t i = from; i < to; ++i) {
    const Call& call = calls_[i];
    const State& s = states_[static_cast<std::size_t>(call.state)];
    canvas.SetPen(s.pen);
    canvas.SetBrush(s.brush);
    canvas.SetFont(s.font);
    switch (call.op) {
      case Op::Line:
        canvas.Line(points_[call.firstPoint], points_[call.firstPoint + 1]);
        break;
      case Op::Polyline:
        canvas.Polyline(PointsOf(call));
        break;
      case Op::Ellipse: {
        const DevicePoint& a = points_[call.firstPoint];
        const DevicePoint& b = points_[call.firstPoint + 1];
        canvas.Ellipse(a.x, a.y, b.x, b.y);
        break;
      }
      case Op::Polygon:
        canvas.Polygon(PointsOf(call));
        break;
      case Op::Text: {
        const std::string& text = texts_[static_cast<std::size_t>(call.text)];
        if (call.textWidth >= 0.0) {  // measured when logged
          canvas.MeasuredText(points_[call.firstPoint], text, call.textWidth);
        } else {
          canvas.Text(points_[call.firstPoint], text);
        }
        break;
      }
    }
  }
}

void CallLog::Replay(Canvas& canvas) const {
  CanvasStateSaver keep(&canvas);
  ReplayCalls(canvas, 0, calls_.Size());
}

void CallLog::ReplayWhileLogged(Canvas& canvas) const {
  CanvasStateSaver keep(&canvas);
  std::size_t drawn = 0;
  while (true) {
    std::size_t handed = 0;
    bool closed = false;
    {
      std::unique_lock<std::mutex> hold(handOver_);
      handedOn_.wait(hold, [&] { return handed_ > drawn || closed_; });
      handed = handed_;
      closed = closed_;
    }
    ReplayCalls(canvas, drawn, handed);
    drawn = handed;
    if (closed) return;  // closing hands on every call: all are drawn now
  }
}

}  // namespace qv
