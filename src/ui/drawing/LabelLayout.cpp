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

int ColumnOf(int x) { return x >= 0 ? x / kColumnWidth : -((-(x + 1)) / kColumnWidth) - 1; }

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
    const LogicalBox at =
        Moved(box, static_cast<int>(std::lround(t * dx)), static_cast<int>(std::lround(t * dy)));
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
  FileLabel(FiledBox{box, static_cast<int>(placed_.size())});
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
  seenLabels_.resize(placed_.size(), 0u);
  seenLines_.resize(lines_.size(), 0u);
  if (++round_ == 0) {  // wrapped: forget every mark
    std::fill(seenLabels_.begin(), seenLabels_.end(), 0u);
    std::fill(seenLines_.begin(), seenLines_.end(), 0u);
    round_ = 1;
  }
  BlockedByLabels(wanted);
  BlockedByLines(wanted);
  blocked_.resize(byLabels_.size() + byLines_.size());
  std::merge(byLabels_.begin(), byLabels_.end(), byLines_.begin(), byLines_.end(), blocked_.begin(),
             [](const Blocked& a, const Blocked& b) { return a.from < b.from; });
  const std::vector<Blocked>& blocked = blocked_;
  const std::vector<long long>& overLines = overLines_;

  // The least candidate in the clear rises [from, to).
  const auto firstIn = [&](long long from, long long to) {
    if (from <= 0) return 0LL;
    long long best = kNoEnd;
    const auto top =
        tops_.lower_bound(static_cast<int>(std::max(from, 1LL) + wanted.bottom - kBetweenLabels));
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
    highest =
        std::max(highest, static_cast<long long>(*tops_.rbegin()) + kBetweenLabels - wanted.bottom);
  if (!overLines.empty()) highest = std::max(highest, overLines.back());
  return static_cast<int>(highest);
}

bool LabelLayout::SeenBefore(std::vector<unsigned>& marks, int id) {
  unsigned& mark = marks[static_cast<std::size_t>(id)];
  if (mark == round_) return true;
  mark = round_;
  return false;
}

void LabelLayout::BlockedByLabels(const LogicalBox& wanted) {
  byLabels_.clear();
  runEnds_.clear();
  const auto consider = [&](const LogicalBox& p) {
    if (!(wanted.left < p.right + kBetweenLabels && p.left < wanted.right + kBetweenLabels)) return;
    const Blocked run{static_cast<long long>(p.bottom) - kBetweenLabels + 1 - wanted.top,
                      static_cast<long long>(p.top) + kBetweenLabels - wanted.bottom};
    if (run.to > 0) byLabels_.push_back(run);  // wholly below: never in the way of a rise
  };
  const int first = ColumnOf(wanted.left - kBetweenLabels);
  const int last = ColumnOf(wanted.right + kBetweenLabels);
  const auto byFrom = [](const Blocked& a, const Blocked& b) { return a.from < b.from; };
  if (last - first >= kMostColumns) {
    for (const Placed& p : placed_) consider(p.box);
    std::sort(byLabels_.begin(), byLabels_.end(), byFrom);
    return;
  }
  // Each column gives a sorted run of its own; they are merged below.
  const auto file = [&](const std::vector<FiledBox>& items) {
    for (const FiledBox& item : items) {
      if (!SeenBefore(seenLabels_, item.id)) consider(item.box);
    }
    if (runEnds_.empty() ? !byLabels_.empty() : runEnds_.back() != byLabels_.size())
      runEnds_.push_back(byLabels_.size());
  };
  file(placedColumns_.wide);
  for (int c = first; c <= last; ++c) {
    const auto column = placedColumns_.columns.find(c);
    if (column != placedColumns_.columns.end()) file(column->second);
  }
  // Merging the sorted runs pairwise keeps the work near linear for the few columns a
  // label crosses.
  while (runEnds_.size() > 1) {
    std::size_t begin = 0;
    std::vector<std::size_t> ends;
    for (std::size_t k = 0; k < runEnds_.size(); k += 2) {
      if (k + 1 < runEnds_.size()) {
        std::inplace_merge(byLabels_.begin() + static_cast<std::ptrdiff_t>(begin),
                           byLabels_.begin() + static_cast<std::ptrdiff_t>(runEnds_[k]),
                           byLabels_.begin() + static_cast<std::ptrdiff_t>(runEnds_[k + 1]),
                           byFrom);
        begin = runEnds_[k + 1];
      } else {
        begin = runEnds_[k];
      }
      ends.push_back(begin);
    }
    runEnds_.swap(ends);
  }
}

void LabelLayout::BlockedByLines(const LogicalBox& wanted) {
  IndexLines();
  byLines_.clear();
  overLines_.clear();
  const auto consider = [&](const Segment& s) {
    double low = 0.0;
    double high = 0.0;
    if (!HeightsBeside(wanted, s, low, high)) return;
    const Blocked run{static_cast<long long>(std::ceil(low)) - wanted.top,
                      static_cast<long long>(std::ceil(high)) - wanted.bottom};
    if (run.from >= run.to || run.to <= 0) return;
    byLines_.push_back(run);
    if (run.from <= 0 && 0 < run.to) overLines_.push_back(run.to);
  };
  const int first = ColumnOf(wanted.left);
  const int last = ColumnOf(wanted.right);
  if (last - first >= kMostColumns) {
    for (const Segment& s : lines_) {
      if (std::max(s.y1, s.y2) > wanted.bottom) consider(s);
    }
  } else {
    const auto file = [&](const std::vector<FiledLine>& items) {
      for (const FiledLine& item : items) {
        if (item.top <= wanted.bottom) break;  // this and the rest wholly below the label
        if (!SeenBefore(seenLines_, item.id)) consider(item.s);
      }
    };
    file(lineColumns_.wide);
    for (int c = first; c <= last; ++c) {
      const auto column = lineColumns_.columns.find(c);
      if (column != lineColumns_.columns.end()) file(column->second);
    }
  }
  std::sort(byLines_.begin(), byLines_.end(),
            [](const Blocked& a, const Blocked& b) { return a.from < b.from; });
  std::sort(overLines_.begin(), overLines_.end());
}

void LabelLayout::FileLabel(const FiledBox& item) {
  const auto insert = [&item](std::vector<FiledBox>& items) {
    const auto at = std::upper_bound(
        items.begin(), items.end(), item.box.bottom,
        [](int bottom, const FiledBox& other) { return bottom < other.box.bottom; });
    items.insert(at, item);
  };
  const int first = ColumnOf(item.box.left);
  const int last = ColumnOf(item.box.right);
  if (last - first >= kMostColumns) {
    insert(placedColumns_.wide);
  } else {
    for (int c = first; c <= last; ++c) insert(placedColumns_.columns[c]);
  }
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
  lineColumns_.columns.clear();
  lineColumns_.wide.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Segment& s = lines_[i];
    const FiledLine item{s, std::max(s.y1, s.y2), static_cast<int>(i)};
    const int first = ColumnOf(s.x1);
    const int last = ColumnOf(s.x2);
    if (last - first >= kMostColumns) {
      lineColumns_.wide.push_back(item);
    } else {
      for (int c = first; c <= last; ++c) lineColumns_.columns[c].push_back(item);
    }
  }
  const auto highestFirst = [](const FiledLine& a, const FiledLine& b) { return a.top > b.top; };
  std::sort(lineColumns_.wide.begin(), lineColumns_.wide.end(), highestFirst);
  for (auto& column : lineColumns_.columns)
    std::sort(column.second.begin(), column.second.end(), highestFirst);
  linesIndexed_ = true;
}

bool LabelLayout::HeightsBeside(const LogicalBox& b, const Segment& s, double& low, double& high) {
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

void LabelLayout::Reach(int lx, int ly) {
  if (!reached_ || ly < lowest_) lowest_ = ly;
  if (!reached_ || lx > rightmost_) rightmost_ = lx;
  if (!reached_ || lx < leftmost_) leftmost_ = lx;
  reached_ = true;
}

void LabelLayout::Reach(const LogicalBox& box) {
  Reach(box.left, box.bottom);
  Reach(box.right, box.top);
}

}  // namespace qv
