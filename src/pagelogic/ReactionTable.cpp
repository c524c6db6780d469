// Support reaction tables as text lines.
#include "pagelogic/ReactionTable.h"

#include "design/data/Ec5Factors.h"

#include <algorithm>
#include <cmath>

#include "analysis/MemberResults.h"
#include "model/TextCodec.h"
#include "model/ResultNumberFormat.h"
#include "pagelogic/ReactionReport.h"
#include "pagelogic/ResultsPage.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

constexpr int kFY = 1;
constexpr double kPresent = 1e-10;
constexpr double kMinWidth = 15.0;

const char* const kColumnTitles[6] = {"FX [kN]:\t",  "FY [kN]:\t",  "FZ [kN]:\t",
                                      "MX [kNm]:\t", "MY [kNm]:\t", "MZ [kNm]:"};
const double kColumnScales[6] = {1e-3, 1e-3, 1e-3, 1e-6, 1e-6, 1e-6};

}  // namespace

ReactionColumns ReactionColumnsPresent(const QELvektori& r) {
  ReactionColumns present{};
  present[kFY] = true;
  for (int s = 0; s < r.Count(); ++s)
    for (int j = 0; j < 6 && j < r.RealCount(); ++j)
      if (std::fabs(r.GetReal(s, j)) > kPresent) present[static_cast<std::size_t>(j)] = true;
  return present;
}

bool OnlyVerticalReactions(const ReactionColumns& columns) {
  for (int j = 0; j < 6; ++j)
    if (columns[static_cast<std::size_t>(j)] != (j == kFY)) return false;
  return true;
}

double MinSupportWidth(double fy, double b, double fc90d) {
  return std::max(kMinWidth, fy / (b * fc90d) + 1.0);
}

std::string MinSupportWidthText(double fy, double b, double fc90d) {
  // Uplift needs no bearing; without a width or strength there is nothing to divide by.
  if (fy < 0.0 || !(b > 0.0) || !(fc90d > 0.0)) return "--";
  return FormatFixedClean(MinSupportWidth(fy, b, fc90d), 0);
}

namespace {

// The end/inner flags pair with the reaction rows in order; when their counts differ (two
// supports at one x in a hand-edited file) no row can be trusted to its flag.
std::string WidthText(const SupportWidthInput& w, int row, int rows, double fy) {
  if (!w.ec5) return MinSupportWidthText(fy, w.b, w.fc90d);
  if (fy < 0.0 || !(w.b > 0.0) || !(w.fc90d > 0.0) || static_cast<int>(w.endSupport.size()) != rows)
    return "--";
  return FormatFixedClean(
      RequiredBearingLength(fy, w.b, w.kc90, w.fc90d, w.endSupport[static_cast<std::size_t>(row)]),
      0);
}

}  // namespace

std::vector<std::string> ReactionTableLines(const QELvektori& r, const SupportWidthInput* width) {
  const ReactionColumns present = ReactionColumnsPresent(r);
  std::vector<std::string> lines;
  std::string header = "Tuki:\t";
  for (int j = 0; j < 6; ++j) {
    if (!present[static_cast<std::size_t>(j)]) continue;
    header += kColumnTitles[j];
    if (j == kFY && width)
      header += width->ec5 ? "Min. tukipinta [mm] (6.1.5):" : "Min. tukileveys [mm]:";
  }
  lines.push_back(header);
  for (int s = 0; s < r.Count(); ++s) {
    std::string row = std::to_string(s + 1);
    for (int j = 0; j < 6; ++j) {
      if (!present[static_cast<std::size_t>(j)]) continue;
      const double v = r.GetReal(s, j);
      row += "\t" + FormatFixedClean(v * kColumnScales[j], 2);
      if (j == kFY && width) row += "\t" + WidthText(*width, s, r.Count(), v);
    }
    lines.push_back(row);
  }
  return lines;
}

std::vector<std::string> ReactionPageLines(const QELVUX_data& p, int kind, int position) {
  std::vector<std::string> lines;
  QELvektori reactions;
  if (IsReactionKind(kind)) {
    const ResultChoice choice = ResolveResultChoice(p, kind, position);
    if (choice.combination >= 0 && p.Loads.Combinations().HeaderRow(choice.combination) >= 0) {
      lines.push_back("Tukireaktiot, " + ResultChoiceText(p, choice));
      SupportReactions(p, choice.combination, -1, reactions);
      // Code 4 shows the least contact length of 6.1.5 beside the reactions.
      SupportWidthInput width;
      if (p.DesignCode == DesignCode::kEc5 &&
          SupportColumnOf(p, choice.combination, reactions, width)) {
        const std::vector<std::string> table = ReactionTableLines(reactions, &width);
        lines.insert(lines.end(), table.begin(), table.end());
        return lines;
      }
    } else if (choice.loadCase >= 0) {
      lines.push_back("Tukireaktiot, Kuormitustapaus = " + ResultChoiceText(p, choice));
      SupportReactions(p, -1, choice.loadCase, reactions);
    }
  }
  const std::vector<std::string> table = ReactionTableLines(reactions);
  lines.insert(lines.end(), table.begin(), table.end());
  return lines;
}

}  // namespace qv
