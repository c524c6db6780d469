// Keeping the labels of a drawing clear of its symbols and of each other, in logical units.
#pragma once

#include <set>
#include <unordered_map>
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
// pass has reached, and the leftmost, which the dimension chains below, right and left of the
// member keep clear of.
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
  int Leftmost() const { return leftmost_; }

 private:
  struct Placed {
    int key;
    LogicalBox box;
  };
  struct Segment {
    int x1, y1, x2, y2;  // x1 <= x2
  };
  // Rises [from, to) that leave the label touching an obstacle.
  struct Blocked {
    long long from;
    long long to;
  };
  struct FiledBox {
    LogicalBox box;
    int id;
  };
  struct FiledLine {
    Segment s;
    int top;  // the higher end
    int id;
  };
  // Items filed under every column of the drawing their x-range crosses: a label rises
  // straight up, so only what stands beside it can be in its way, and a drawing with
  // thousands of loads must not test each label against all the others. Placed labels
  // stand in each column in the order of their bottoms, so the rises they block come out
  // sorted; lines stand highest first, so a label stops reading a column at the first line
  // wholly below it. An item crossing too many columns is looked at by every label.
  template <typename Item>
  struct Columns {
    std::unordered_map<int, std::vector<Item>> columns;
    std::vector<Item> wide;
  };
  // The line's lowest and highest point over the box's x-range; false when it has none.
  static bool HeightsBeside(const LogicalBox& b, const Segment& s, double& low, double& high);
  // Least rise of the wanted box that keeps it clear of the placed labels and the lines.
  int LeastRise(const LogicalBox& wanted);
  // The rises the placed labels beside the wanted box block, sorted by their start.
  void BlockedByLabels(const LogicalBox& wanted);
  // The rises the lines beside the wanted box block, sorted, and the rises setting the box
  // just over a line it touches where wanted, ascending.
  void BlockedByLines(const LogicalBox& wanted);
  void FileLabel(const FiledBox& item);
  void IndexLines();
  bool SeenBefore(std::vector<unsigned>& marks, int id);
  std::vector<Placed> placed_;
  std::unordered_map<int, std::size_t> byKey_;
  std::multiset<int> tops_;  // tops of every placed label
  Columns<FiledBox> placedColumns_;
  std::vector<Segment> lines_;
  Columns<FiledLine> lineColumns_;
  bool linesIndexed_ = true;
  // Work space of LeastRise, kept between calls.
  std::vector<unsigned> seenLabels_;
  std::vector<unsigned> seenLines_;
  unsigned round_ = 0;
  std::vector<Blocked> byLabels_;
  std::vector<std::size_t> runEnds_;
  std::vector<Blocked> byLines_;
  std::vector<Blocked> blocked_;
  std::vector<long long> overLines_;
  bool collecting_ = false;
  bool reached_ = false;
  int lowest_ = 0;
  int rightmost_ = 0;
  int leftmost_ = 0;
};

}  // namespace qv
