// Label clearance: shifting a text box off its obstacles by the least distance.
#include "ui/drawing/LabelLayout.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// Labels only need to stand apart; their boxes already hold the font's leading.
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
  const LogicalBox wanted = TextBox(lx, ly, w, h);
  // The least rise is either none or the one that sets the label just on top of a placed one.
  std::vector<int> rises{0};
  for (const Placed& p : placed_) {
    const int r = p.box.top + kBetweenLabels - wanted.bottom;
    if (r > 0) rises.push_back(r);
  }
  std::sort(rises.begin(), rises.end());
  int rise = rises.back();
  for (int r : rises) {
    const LogicalBox b = Moved(wanted, 0, r);
    const bool free = std::none_of(placed_.begin(), placed_.end(), [&](const Placed& p) {
      return b.Near(p.box, kBetweenLabels);
    });
    if (free) {
      rise = r;
      break;
    }
  }
  ly += rise;
  placed_.push_back(Placed{key, Moved(wanted, 0, rise)});
  Reach(placed_.back().box);
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
