// Label layout: a drawing's worth of labels and outline edges in random order lands every
// label exactly where the plain all-against-all placement puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <utility>
#include <vector>

#include "ui/drawing/LabelLayout.h"

namespace {

using qv::LogicalBox;

// The placement written the plain way: every candidate rise is tried against every placed
// label and every line.
class PlainLayout {
 public:
  void Place(int key, int& lx, int& ly, int w, int h) {
    for (const Placed& p : placed_) {
      if (key >= 0 && p.key == key) {
        lx = p.box.left;
        ly = p.box.top;
        return;
      }
    }
    if (collecting_) return;
    const LogicalBox wanted = qv::TextBox(lx, ly, w, h);
    std::vector<int> rises{0};
    for (const Placed& p : placed_) {
      const int r = p.box.top + kBetween - wanted.bottom;
      if (r > 0) rises.push_back(r);
    }
    for (const Segment& s : lines_) {
      const int r = RiseOver(wanted, s);
      if (r > 0) rises.push_back(r);
    }
    std::sort(rises.begin(), rises.end());
    int rise = rises.back();
    for (int r : rises) {
      const LogicalBox b = Moved(wanted, r);
      const bool free = std::none_of(placed_.begin(), placed_.end(),
                                     [&](const Placed& p) { return b.Near(p.box, kBetween); }) &&
                        std::none_of(lines_.begin(), lines_.end(),
                                     [&](const Segment& s) { return RiseOver(b, s) > 0; });
      if (free) {
        rise = r;
        break;
      }
    }
    ly += rise;
    placed_.push_back(Placed{key, Moved(wanted, rise)});
  }
  void AddLine(int x1, int y1, int x2, int y2) {
    if (!collecting_ || std::abs(y2 - y1) > std::abs(x2 - x1)) return;
    if (x2 < x1) {
      std::swap(x1, x2);
      std::swap(y1, y2);
    }
    lines_.push_back(Segment{x1, y1, x2, y2});
  }
  void SetCollecting(bool on) { collecting_ = on; }

 private:
  static constexpr int kBetween = 2;
  struct Placed {
    int key;
    LogicalBox box;
  };
  struct Segment {
    int x1, y1, x2, y2;
  };
  static LogicalBox Moved(const LogicalBox& b, int my) {
    return LogicalBox{b.left, b.bottom + my, b.right, b.top + my};
  }
  static int RiseOver(const LogicalBox& b, const Segment& s) {
    const int from = std::max(s.x1, b.left);
    const int to = std::min(s.x2, b.right);
    if (from > to) return 0;
    const auto at = [&s](int x) {
      if (s.x2 == s.x1) return static_cast<double>(std::max(s.y1, s.y2));
      return s.y1 + static_cast<double>(s.y2 - s.y1) * (x - s.x1) / (s.x2 - s.x1);
    };
    const double low = std::min(at(from), at(to));
    const double high = std::max(at(from), at(to));
    if (high <= b.bottom || low > b.top) return 0;
    return std::max(0, static_cast<int>(std::ceil(high)) - b.bottom);
  }
  std::vector<Placed> placed_;
  std::vector<Segment> lines_;
  bool collecting_ = false;
};

struct Label {
  int key, x, y, w, h;
};

// Runs the same labels and lines through both layouts; the lines are gathered before the
// labels of each round, as the load drawing's undrawn pass does.
void ExpectSamePlaces(std::mt19937& rng, int rounds, int labelsPerRound, int linesPerRound,
                      int width, int keys) {
  std::uniform_int_distribution<int> x(-200, width);
  std::uniform_int_distribution<int> y(-60, 60);
  std::uniform_int_distribution<int> textWidth(0, 220);
  std::uniform_int_distribution<int> textHeight(0, 40);
  std::uniform_int_distribution<int> key(-1, keys);
  std::uniform_int_distribution<int> lineLength(0, width);
  std::uniform_int_distribution<int> percent(0, 99);
  qv::LabelLayout layout;
  PlainLayout plain;
  for (int round = 0; round < rounds; ++round) {
    layout.SetCollecting(true);
    plain.SetCollecting(true);
    for (int i = 0; i < linesPerRound; ++i) {
      // Mostly short level-ish edges, some across the whole drawing, some steep, some points.
      const int x1 = x(rng);
      const int kind = percent(rng);
      const int len = kind < 10 ? lineLength(rng) : lineLength(rng) / 20;
      const int x2 = kind < 15 ? x1 : x1 + (kind % 2 ? len : -len);
      const int y1 = y(rng) * 3;
      const int y2 = kind < 12 ? y1 : y1 + y(rng) * (kind < 30 ? 8 : 1);
      layout.AddLine(x1, y1, x2, y2);
      plain.AddLine(x1, y1, x2, y2);
      // Labels asked for while collecting change nothing in either.
      const int k = key(rng);
      int lx = x1, ly = y1, px = x1, py = y1;
      layout.Place(k, lx, ly, 50, 30);
      plain.Place(k, px, py, 50, 30);
      ASSERT_EQ(lx, px);
      ASSERT_EQ(ly, py);
    }
    layout.SetCollecting(false);
    plain.SetCollecting(false);
    for (int i = 0; i < labelsPerRound; ++i) {
      const Label l{key(rng), x(rng), y(rng), textWidth(rng), textHeight(rng)};
      int lx = l.x, ly = l.y, px = l.x, py = l.y;
      layout.Place(l.key, lx, ly, l.w, l.h);
      plain.Place(l.key, px, py, l.w, l.h);
      ASSERT_EQ(lx, px) << "round " << round << " label " << i;
      ASSERT_EQ(ly, py) << "round " << round << " label " << i << " key " << l.key;
    }
  }
}

TEST(LabelLayout, ManyLabelsInRandomOrderLandWhereThePlainPlacementPutsThem) {
  std::mt19937 rng(20261208);
  // A crowded narrow drawing (labels stack high over each other and the lines), a wide one
  // where most labels stand alone, and one with lines added again between rounds of labels.
  ExpectSamePlaces(rng, 1, 500, 1000, 900, 400);
  ExpectSamePlaces(rng, 1, 500, 1000, 20000, 700);
  ExpectSamePlaces(rng, 4, 300, 400, 3000, 900);
  // Negative x, tiny drawings, repeated keys only.
  for (int seed = 0; seed < 40; ++seed) ExpectSamePlaces(rng, 2, 60, 30, 300, 20);
}

TEST(LabelLayout, ReachKeepsTheLowestAndRightmostPointOfThePlacedLabels) {
  qv::LabelLayout layout;
  EXPECT_FALSE(layout.Reached());
  int lx = 100, ly = 50;
  layout.Place(1, lx, ly, 80, 30);  // box 100..180 x 20..50
  lx = 150;
  ly = 45;
  layout.Place(2, lx, ly, 80, 30);  // overlaps: set 2 above the first label's top
  EXPECT_EQ(ly, 45 + (50 + 2 - 15));
  // The selected label drawn again gets its first place back.
  lx = 0;
  ly = 0;
  layout.Place(1, lx, ly, 80, 30);
  EXPECT_EQ(lx, 100);
  EXPECT_EQ(ly, 50);
  ASSERT_TRUE(layout.Reached());
  EXPECT_EQ(layout.Lowest(), 20);
  EXPECT_EQ(layout.Rightmost(), 230);
}

}  // namespace
