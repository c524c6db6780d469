// A drawing's calls kept compactly, to be compared with another drawing's and drawn later.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "ui/drawing/Canvas.h"
#include "ui/drawing/ChunkedArray.h"

namespace qv {

// A canvas that draws nothing but keeps every call with the pen, brush and font in force.
// Texts are measured by the given function (the canvas the calls will be drawn on), so the
// drawing comes out exactly as it would on that canvas.
//
// One other thread may draw the calls while they are being logged: the log hands them on
// in steps (ReplayWhileLogged) until Close, so a long drawing is painted as it is worked
// out instead of after it.
class CallLog : public Canvas {
 public:
  using Measure = std::function<TextSize(const Font& font, const std::string& text)>;

  CallLog(double pixelsPerMmX, double pixelsPerMmY, Measure measure);
  CallLog(const CallLog&) = delete;
  CallLog& operator=(const CallLog&) = delete;

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
  // The same test for the calls logged so far, from call checked on: false at the first
  // call that differs from the other log's (or that the other log does not have); checked
  // comes back as the number of calls found equal.
  bool MatchesSoFar(const CallLog& other, std::size_t& checked) const;
  // Draws the calls on the canvas, each with its own pen, brush and font; the canvas keeps
  // the state it had before.
  void Replay(Canvas& canvas) const;
  int Size() const { return static_cast<int>(calls_.Size()); }

  // Called on the logging thread each time a step of calls is handed on.
  void OnStep(std::function<void()> step) { onStep_ = std::move(step); }
  // No more calls: hands on the rest and lets ReplayWhileLogged finish.
  void Close();
  // On another thread: draws the calls as they are handed on, as Replay does, and returns
  // once the log is closed and every call is drawn.
  void ReplayWhileLogged(Canvas& canvas) const;
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
    std::size_t firstPoint;
    int pointCount;
    int text;          // -1 for shapes
    double textWidth;  // the text's width in its font when measured as logged, else -1
  };
  // Calls handed on at a time: a step is drawn while the next is worked out.
  static constexpr std::size_t kStep = 512;

  void Add(Op op, const DevicePoint* points, int count, int text, double textWidth);
  void HandOn();
  bool SameCall(std::size_t i, const CallLog& other) const;
  void ReplayCalls(Canvas& canvas, std::size_t from, std::size_t to) const;
  std::vector<DevicePoint> PointsOf(const Call& call) const;

  double pxPerMmX_;
  double pxPerMmY_;
  Measure measure_;
  std::function<void()> onStep_;
  // The text last measured, in its font: a drawing mostly measures a text just before it
  // draws it.
  mutable Font measuredFont_;
  mutable std::string measuredText_;
  mutable TextSize measured_;
  mutable bool hasMeasured_ = false;
  ChunkedArray<Call> calls_;
  ChunkedArray<DevicePoint> points_;
  ChunkedArray<std::string> texts_;
  ChunkedArray<State> states_;  // a new one only when the state changes between calls

  // What the logging thread has handed on; guarded by handOver_.
  mutable std::mutex handOver_;
  mutable std::condition_variable handedOn_;
  std::size_t handed_ = 0;
  bool closed_ = false;
};

}  // namespace qv
