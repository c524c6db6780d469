// Compact call log: the shapes' points in one array, the states and texts apart.
#include "ui/drawing/CallLog.h"

#include <utility>

namespace qv {

CallLog::CallLog(double pixelsPerMmX, double pixelsPerMmY, Measure measure)
    : pxPerMmX_(pixelsPerMmX), pxPerMmY_(pixelsPerMmY), measure_(std::move(measure)) {}

void CallLog::ReserveLike(const CallLog& other) {
  calls_.reserve(other.calls_.size());
  points_.reserve(other.points_.size());
  texts_.reserve(other.texts_.size());
}

void CallLog::Add(Op op, const DevicePoint* points, int count, int text) {
  if (states_.empty() || states_.back().pen != GetPen() || states_.back().brush != GetBrush() ||
      states_.back().font != GetFont()) {
    states_.push_back(State{GetPen(), GetBrush(), GetFont()});
  }
  calls_.push_back(Call{op, static_cast<int>(states_.size()) - 1,
                        static_cast<int>(points_.size()), count, text});
  points_.insert(points_.end(), points, points + count);
}

void CallLog::Line(DevicePoint from, DevicePoint to) {
  const DevicePoint p[2] = {from, to};
  Add(Op::Line, p, 2, -1);
}

void CallLog::Polyline(const std::vector<DevicePoint>& points) {
  Add(Op::Polyline, points.data(), static_cast<int>(points.size()), -1);
}

void CallLog::Ellipse(double left, double top, double right, double bottom) {
  const DevicePoint p[2] = {{left, top}, {right, bottom}};
  Add(Op::Ellipse, p, 2, -1);
}

void CallLog::Polygon(const std::vector<DevicePoint>& points) {
  Add(Op::Polygon, points.data(), static_cast<int>(points.size()), -1);
}

void CallLog::Text(DevicePoint topLeft, const std::string& text) {
  texts_.push_back(text);
  Add(Op::Text, &topLeft, 1, static_cast<int>(texts_.size()) - 1);
}

TextSize CallLog::TextExtent(const std::string& text) const {
  return measure_ ? measure_(GetFont(), text) : TextSize{};
}

bool CallLog::SameAs(const CallLog& other) const {
  if (pxPerMmX_ != other.pxPerMmX_ || pxPerMmY_ != other.pxPerMmY_ ||
      calls_.size() != other.calls_.size() || points_.size() != other.points_.size() ||
      texts_ != other.texts_ || states_.size() != other.states_.size()) {
    return false;
  }
  for (std::size_t i = 0; i < calls_.size(); ++i) {
    const Call& a = calls_[i];
    const Call& b = other.calls_[i];
    if (a.op != b.op || a.state != b.state || a.pointCount != b.pointCount || a.text != b.text)
      return false;
  }
  for (std::size_t i = 0; i < points_.size(); ++i) {
    if (points_[i].x != other.points_[i].x || points_[i].y != other.points_[i].y) return false;
  }
  for (std::size_t i = 0; i < states_.size(); ++i) {
    const State& a = states_[i];
    const State& b = other.states_[i];
    if (a.pen != b.pen || a.brush != b.brush || a.font != b.font) return false;
  }
  return true;
}

void CallLog::Replay(Canvas& canvas) const {
  CanvasStateSaver keep(&canvas);
  for (const Call& call : calls_) {
    const State& s = states_[static_cast<std::size_t>(call.state)];
    canvas.SetPen(s.pen);
    canvas.SetBrush(s.brush);
    canvas.SetFont(s.font);
    const DevicePoint* p = points_.data() + call.firstPoint;
    switch (call.op) {
      case Op::Line:
        canvas.Line(p[0], p[1]);
        break;
      case Op::Polyline:
        canvas.Polyline(std::vector<DevicePoint>(p, p + call.pointCount));
        break;
      case Op::Ellipse:
        canvas.Ellipse(p[0].x, p[0].y, p[1].x, p[1].y);
        break;
      case Op::Polygon:
        canvas.Polygon(std::vector<DevicePoint>(p, p + call.pointCount));
        break;
      case Op::Text:
        canvas.Text(p[0], texts_[static_cast<std::size_t>(call.text)]);
        break;
    }
  }
}

}  // namespace qv
