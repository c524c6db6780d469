// Label clearance: shifting a text box off its obstacles by the least distance.
#include "ui/drawing/LabelLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace qv {

namespace {

// Labels only need to stand apart; their boxes already hold the font's leading. A label
// may stand on a line, as every label stands on its own load's outline.
constexpr int kBetweenLabels = 2;

// Least distance along (dx, dy) that takes the box gap clear of one obstacle.
double ShiftPast(const LogicalBox& b, const LogicalBox& o, double dx, double dy, int gap) {
  if (!b.Near(o, gap)) return 0.0;
  double best = -1.0;
  auto consider = [&best](double t) {
    if (t >= 0.0 && (best < 0.0 || t < best)) best = t;
  };
  if (dx > 1e-9) consider((o.right + gap - b.left) / dx);
  if (dx < -1e-9) consider((b.right - (o.left - gap)) / -dx);
  if (dy > 1e-9) consider((o.top + gap - b.bottom) / dy);
  if (dy < -1e-9) consider((b.top - (o.bottom - gap)) / -dy);
  return best < 0.0 ? 0.0 : best;
}

LogicalBox Moved(const LogicalBox& b, int mx, int my) {
  return LogicalBox{b.left + mx, b.bottom + my, b.right + mx, b.top + my};
}

}  // namespace

bool LogicalBox::Near(const LogicalBox& o, int gap) const {
  return left < o.right + gap && o.left < right + gap && bottom < o.top + gap &&
         o.bottom < top + gap;
}

LogicalBox TextBox(int lx, int ly, int w, int h) {
  return LogicalBox{lx, ly - std::abs(h), lx + std::abs(w), ly};
}

int ShiftClear(const LogicalBox& box, const std::vector<LogicalBox>& obstacles, double dx,
               double dy, int gap) {
  // Each step clears one obstacle and never comes back to it, so one round per obstacle
  // is enough.
  int t = 0;
  for (std::size_t round = 0; round <= obstacles.size(); ++round) {
    const LogicalBox at = Moved(box, static_cast<int>(std::lround(t * dx)),
                                static_cast<int>(std::lround(t * dy)));
    double step = 0.0;
    for (const LogicalBox& o : obstacles) step = std::max(step, ShiftPast(at, o, dx, dy, gap));
    if (step <= 0.0) break;
    t += static_cast<int>(std::ceil(step));
  }
  return t;
}

void LabelLayout::Place(int key, int& lx, int& ly, int w, int h) {
  for (const Placed& p : placed_) {
    if (key >= 0 && p.key == key) {
      lx = p.box.left;
      ly = p.box.top;
      return;
    }
  }
  if (collecting_) return;
  const LogicalBox wanted = TextBox(lx, ly, w, h);
  // The least rise is either none or the one that sets the label just on top of a placed
  // label or of a line.
  std::vector<int> rises{0};
  for (const Placed& p : placed_) {
    const int r = p.box.top + kBetweenLabels - wanted.bottom;
    if (r > 0) rises.push_back(r);
  }
  for (const Segment& s : lines_) {
    const int r = RiseOver(wanted, s, 0);
    if (r > 0) rises.push_back(r);
  }
  std::sort(rises.begin(), rises.end());
  int rise = rises.back();
  for (int r : rises) {
    const LogicalBox b = Moved(wanted, 0, r);
    const bool free =
        std::none_of(placed_.begin(), placed_.end(),
                     [&](const Placed& p) { return b.Near(p.box, kBetweenLabels); }) &&
        std::none_of(lines_.begin(), lines_.end(),
                     [&](const Segment& s) { return RiseOver(b, s, 0) > 0; });
    if (free) {
      rise = r;
      break;
    }
  }
  ly += rise;
  placed_.push_back(Placed{key, Moved(wanted, 0, rise)});
  Reach(placed_.back().box);
}

void LabelLayout::AddLine(int x1, int y1, int x2, int y2) {
  if (!collecting_ || std::abs(y2 - y1) > std::abs(x2 - x1)) return;
  if (x2 < x1) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  lines_.push_back(Segment{x1, y1, x2, y2});
}

int LabelLayout::RiseOver(const LogicalBox& b, const Segment& s, int gap) {
  const int from = std::max(s.x1, b.left - gap);
  const int to = std::min(s.x2, b.right + gap);
  if (from > to) return 0;
  // The line's heights over the part of it beside the box.
  const auto at = [&s](int x) {
    if (s.x2 == s.x1) return static_cast<double>(std::max(s.y1, s.y2));
    return s.y1 + static_cast<double>(s.y2 - s.y1) * (x - s.x1) / (s.x2 - s.x1);
  };
  const double low = std::min(at(from), at(to));
  const double high = std::max(at(from), at(to));
  if (high <= b.bottom - gap || low > b.top + gap) return 0;
  return std::max(0, static_cast<int>(std::ceil(high)) + gap - b.bottom);
}

void LabelLayout::Reach(int lx, int ly) {
  if (!reached_ || ly < lowest_) lowest_ = ly;
  if (!reached_ || lx > rightmost_) rightmost_ = lx;
  reached_ = true;
}

void LabelLayout::Reach(const LogicalBox& box) {
  Reach(box.left, box.bottom);
  Reach(box.right, box.top);
}

}  // namespace qv
