// Keeping the labels of a drawing clear of its symbols and of each other, in logical units.
#pragma once

#include <vector>

namespace qv {

// A box in logical units, y upward: left <= right, bottom <= top.
struct LogicalBox {
  int left = 0;
  int bottom = 0;
  int right = 0;
  int top = 0;
  // True when the boxes come closer than gap to each other (touching counts with gap 1).
  bool Near(const LogicalBox& other, int gap) const;
};

// Clearance between a label and whatever it is not to touch: 1 mm on the surface.
constexpr int kLabelClearance = 10;

// The box of a text of width w and height h whose top-left corner is at (lx, ly); the
// text hangs below the point.
LogicalBox TextBox(int lx, int ly, int w, int h);

// Least whole distance to move the box along the unit vector (dx, dy) so that it keeps at
// least gap from every obstacle; 0 when it already does.
int ShiftClear(const LogicalBox& box, const std::vector<LogicalBox>& obstacles, double dx,
               double dy, int gap);

// Labels placed in one drawing pass: each new one is raised the least that keeps it clear
// of those placed before, and a key placed before gets its first place back (the selected
// load drawn again in its highlight colour). Also the lowest and the rightmost point the
// pass has reached, which the dimension chains below and right of the member keep clear of.
class LabelLayout {
 public:
  // (lx, ly) is the wanted top-left corner of a w x h text and comes back as the chosen one.
  void Place(int key, int& lx, int& ly, int w, int h);
  // A line the labels keep clear of as well. Only lines at most 45 degrees from level
  // count: a label would have to leave its load behind to rise past a steep one.
  void AddLine(int x1, int y1, int x2, int y2);
  // While collecting, Place changes nothing and AddLine gathers the lines of a first,
  // undrawn pass, so that a label also keeps clear of lines drawn after it.
  void SetCollecting(bool on) { collecting_ = on; }
  bool Collecting() const { return collecting_; }
  void Reach(int lx, int ly);
  void Reach(const LogicalBox& box);
  bool Reached() const { return reached_; }
  int Lowest() const { return lowest_; }
  int Rightmost() const { return rightmost_; }

 private:
  struct Placed {
    int key;
    LogicalBox box;
  };
  struct Segment {
    int x1, y1, x2, y2;  // x1 <= x2
  };
  // Least rise that takes the box clear above the line; 0 when they are apart.
  static int RiseOver(const LogicalBox& b, const Segment& s, int gap);
  std::vector<Placed> placed_;
  std::vector<Segment> lines_;
  bool collecting_ = false;
  bool reached_ = false;
  int lowest_ = 0;
  int rightmost_ = 0;
};

}  // namespace qv
