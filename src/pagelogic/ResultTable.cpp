// The value table of a diagram: rows chosen from the curves and written as text lines.
#include "pagelogic/ResultTable.h"

#include <cmath>

#include "model/ResultNumberFormat.h"
#include "pagelogic/ResultsPage.h"

namespace qv {

namespace {

constexpr double kSameX = 1e-8;
constexpr double kSameValueAll = 0.00001;
constexpr double kSameValueMaxima = 1e-8;

double Value(const ResultCurves& r, int curve, int point) {
  return r.values[static_cast<std::size_t>(curve)][static_cast<std::size_t>(point)];
}

// The point repeats the row written before it: same x and every value the same.
bool Repeats(const ResultCurves& r, int point, int previous, double valueTolerance) {
  if (previous < 0) return false;
  if (std::fabs(r.x[static_cast<std::size_t>(point)] - r.x[static_cast<std::size_t>(previous)]) >
      kSameX)
    return false;
  for (int c = 0; c < r.CurveCount(); ++c)
    if (std::fabs(Value(r, c, point) - Value(r, c, previous)) > valueTolerance) return false;
  return true;
}

bool AtInterest(const std::vector<InterestGroup>& groups, double x) {
  for (const InterestGroup& g : groups)
    if (IsPositionOf(g.positions, x)) return true;
  return false;
}

}  // namespace

std::vector<int> AllValueRows(const ResultCurves& r) {
  std::vector<int> rows;
  int previous = -1;
  for (int i = 0; i < r.PointCount(); ++i) {
    if (Repeats(r, i, previous, kSameValueAll)) continue;
    rows.push_back(i);
    previous = i;
  }
  return rows;
}

std::vector<int> MaximumRows(const ResultCurves& r) {
  const std::vector<InterestGroup> groups = InterestGroups(r);
  std::vector<int> rows;
  int previous = -1;
  for (int i = 0; i < r.PointCount(); ++i) {
    if (!AtInterest(groups, r.x[static_cast<std::size_t>(i)])) continue;
    if (Repeats(r, i, previous, kSameValueMaxima)) continue;
    rows.push_back(i);
    previous = i;
  }
  return rows;
}

std::string ResultTableHeader(const ResultCurves& r) {
  std::string h = "X [mm]";
  for (const std::string& name : r.names) h += "\t" + name + " [" + r.unit + "]";
  return h;
}

std::string ResultTableRow(const ResultCurves& r, int point) {
  const int decimals = IsForceKind(r.kind) ? 3 : 2;
  std::string row = FormatFixedClean(r.x[static_cast<std::size_t>(point)], 0);
  for (int c = 0; c < r.CurveCount(); ++c)
    row += "\t" + FormatFixedClean(Value(r, c, point), decimals);
  return row;
}

std::vector<std::string> ResultTableLines(const ResultCurves& r, int showAll) {
  std::vector<std::string> lines{r.title};
  if (!r.footText.empty()) lines.push_back(r.footText);
  lines.insert(lines.end(), r.legend.begin(), r.legend.end());
  lines.push_back("");
  lines.push_back(ResultTableHeader(r));
  const std::vector<int> rows = showAll == kShowAll ? AllValueRows(r) : MaximumRows(r);
  for (int i : rows) lines.push_back(ResultTableRow(r, i));
  return lines;
}

}  // namespace qv
