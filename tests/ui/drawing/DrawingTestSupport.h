// Reading recorded drawings back in world millimetres.
#pragma once

#include <cmath>
#include <vector>

#include "ui/drawing/RecordingCanvas.h"
#include "ui/drawing/ViewTransform.h"

namespace drawingtest {

// World point of a device point under an active view (exact up to the floor of one
// logical unit).
inline qv::WorldPoint ToWorld(const qv::ViewTransform& v, qv::DevicePoint d) {
  const double lx = (d.x - v.Device().left) / v.PixelsPerUnitX();
  const double ly = (v.Device().bottom - d.y) / v.PixelsPerUnitY();
  return qv::WorldPoint{lx / 10.0 * v.Scale() + v.WorldLeft(),
                        ly / 10.0 * v.Scale() + v.WorldBottom()};
}

inline std::vector<qv::CanvasCall> PolygonsWithPoints(const qv::RecordingCanvas& c, std::size_t n) {
  std::vector<qv::CanvasCall> out;
  for (const qv::CanvasCall& call : c.CallsOf(qv::CanvasOp::Polygon)) {
    if (call.points.size() == n) out.push_back(call);
  }
  return out;
}

inline double Distance(qv::WorldPoint a, qv::WorldPoint b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

}  // namespace drawingtest
