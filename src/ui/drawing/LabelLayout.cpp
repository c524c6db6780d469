// Label clearance: shifting a text box off its obstacles by the least distance.
#include "ui/drawing/LabelLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
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

// Width of a column of the x index, in logical units (under a label's width), and the most
// columns an item is filed in one by one; a wider one is looked at by every label.
constexpr int kColumnWidth = 64;
constexpr int kMostColumns = 256;

int ColumnOf(int x) {
  return x >= 0 ? x / kColumnWidth : -((-(x + 1)) / kColumnWidth) - 1;
}

// Rises [from, to) that leave the label touching an obstacle.
struct Blocked {
  long long from;
  long long to;
};

constexpr long long kNoEnd = std::numeric_limits<long long>::max();

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
  if (key >= 0) {
    const auto known = byKey_.find(key);
    if (known != byKey_.end()) {
      lx = placed_[known->second].box.left;
      ly = placed_[known->second].box.top;
      return;
    }
  }
  if (collecting_) return;
  const LogicalBox wanted = TextBox(lx, ly, w, h);
  const int rise = LeastRise(wanted);
  ly += rise;
  const LogicalBox box = Moved(wanted, 0, rise);
  if (key >= 0) byKey_.emplace(key, placed_.size());
  placedColumns_.Add(static_cast<int>(placed_.size()), box.left, box.right);
  tops_.insert(box.top);
  placed_.push_back(Placed{key, box});
  Reach(box);
}

// The rise is the least of: none, one setting the label just on top of any placed label,
// or one setting it just over a line it would touch where it was wanted; the first of
// those that is clear, and the highest of them when none is. Whether a rise is clear
// depends only on the labels and lines beside the label, and those block whole runs of
// rises, so the clear rises come out as the gaps between the blocked runs.
int LabelLayout::LeastRise(const LogicalBox& wanted) {
  std::vector<Blocked> blocked;
  std::vector<long long> overLines;
  for (int id : placedColumns_.Beside(wanted.left - kBetweenLabels,
                                      wanted.right + kBetweenLabels)) {
    const LogicalBox& p = placed_[static_cast<std::size_t>(id)].box;
    if (!(wanted.left < p.right + kBetweenLabels && p.left < wanted.right + kBetweenLabels))
      continue;
    const Blocked run{static_cast<long long>(p.bottom) - kBetweenLabels + 1 - wanted.top,
                      static_cast<long long>(p.top) + kBetweenLabels - wanted.bottom};
    if (run.to > 0) blocked.push_back(run);  // wholly below: never in the way of a rise
  }
  IndexLines();
  for (int id : lineColumns_.Beside(wanted.left, wanted.right)) {
    const Segment& s = lines_[static_cast<std::size_t>(id)];
    if (std::max(s.y1, s.y2) <= wanted.bottom) continue;  // wholly below the label
    double low = 0.0;
    double high = 0.0;
    if (!HeightsBeside(wanted, s, low, high)) continue;
    const Blocked run{static_cast<long long>(std::ceil(low)) - wanted.top,
                      static_cast<long long>(std::ceil(high)) - wanted.bottom};
    if (run.from >= run.to || run.to <= 0) continue;
    blocked.push_back(run);
    if (run.from <= 0 && 0 < run.to) overLines.push_back(run.to);
  }
  std::sort(blocked.begin(), blocked.end(),
            [](const Blocked& a, const Blocked& b) { return a.from < b.from; });
  std::sort(overLines.begin(), overLines.end());

  // The least candidate in the clear rises [from, to).
  const auto firstIn = [&](long long from, long long to) {
    if (from <= 0) return 0LL;
    long long best = kNoEnd;
    const auto top = tops_.lower_bound(
        static_cast<int>(std::max(from, 1LL) + wanted.bottom - kBetweenLabels));
    if (top != tops_.end()) best = static_cast<long long>(*top) + kBetweenLabels - wanted.bottom;
    const auto line = std::lower_bound(overLines.begin(), overLines.end(), from);
    if (line != overLines.end()) best = std::min(best, *line);
    return best < to ? best : kNoEnd;
  };
  long long clearFrom = 0;
  std::size_t i = 0;
  while (true) {
    while (i < blocked.size() && blocked[i].from <= clearFrom)
      clearFrom = std::max(clearFrom, blocked[i++].to);
    const long long clearTo = i < blocked.size() ? blocked[i].from : kNoEnd;
    const long long found = firstIn(clearFrom, clearTo);
    if (found != kNoEnd) return static_cast<int>(found);
    if (i == blocked.size()) break;
    clearFrom = blocked[i++].to;
  }
  long long highest = 0;
  if (!tops_.empty())
    highest = std::max(highest, static_cast<long long>(*tops_.rbegin()) + kBetweenLabels -
                                    wanted.bottom);
  if (!overLines.empty()) highest = std::max(highest, overLines.back());
  return static_cast<int>(highest);
}

void LabelLayout::AddLine(int x1, int y1, int x2, int y2) {
  if (!collecting_ || std::abs(y2 - y1) > std::abs(x2 - x1)) return;
  if (x2 < x1) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  lines_.push_back(Segment{x1, y1, x2, y2});
  linesIndexed_ = false;
}

void LabelLayout::IndexLines() {
  if (linesIndexed_) return;
  lineColumns_.Clear();
  for (std::size_t i = 0; i < lines_.size(); ++i)
    lineColumns_.Add(static_cast<int>(i), lines_[i].x1, lines_[i].x2);
  linesIndexed_ = true;
}

bool LabelLayout::HeightsBeside(const LogicalBox& b, const Segment& s, double& low,
                                double& high) {
  const int from = std::max(s.x1, b.left);
  const int to = std::min(s.x2, b.right);
  if (from > to) return false;
  const auto at = [&s](int x) {
    if (s.x2 == s.x1) return static_cast<double>(std::max(s.y1, s.y2));
    return s.y1 + static_cast<double>(s.y2 - s.y1) * (x - s.x1) / (s.x2 - s.x1);
  };
  low = std::min(at(from), at(to));
  high = std::max(at(from), at(to));
  return true;
}

void LabelLayout::Columns::Add(int id, int left, int right) {
  const int first = ColumnOf(left);
  const int last = ColumnOf(right);
  if (last - first >= kMostColumns) {
    wide_.push_back(id);
  } else {
    for (int c = first; c <= last; ++c) columns_[c].push_back(id);
  }
  count_ = std::max(count_, id + 1);
}

const std::vector<int>& LabelLayout::Columns::Beside(int left, int right) {
  found_.clear();
  const int first = ColumnOf(left);
  const int last = ColumnOf(right);
  if (last - first >= kMostColumns) {
    for (int id = 0; id < count_; ++id) found_.push_back(id);
    return found_;
  }
  seen_.resize(static_cast<std::size_t>(count_), 0u);
  if (++round_ == 0) {  // wrapped: forget every mark
    std::fill(seen_.begin(), seen_.end(), 0u);
    round_ = 1;
  }
  found_ = wide_;
  for (int c = first; c <= last; ++c) {
    const auto column = columns_.find(c);
    if (column == columns_.end()) continue;
    for (int id : column->second) {
      unsigned& mark = seen_[static_cast<std::size_t>(id)];
      if (mark == round_) continue;
      mark = round_;
      found_.push_back(id);
    }
  }
  return found_;
}

void LabelLayout::Columns::Clear() {
  columns_.clear();
  wide_.clear();
  found_.clear();
  count_ = 0;
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
