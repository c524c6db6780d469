// Support reaction tables as text lines: the columns present, the rows, the minimum support width,
// the page's table.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/QELvektori.h"

class QELVUX_data;

namespace qv {

// Columns FX, FY, FZ, MX, MY, MZ: present when some support has a value above 1e-10 (N or
// N·mm) in magnitude there; FY always.
using ReactionColumns = std::array<bool, 6>;
ReactionColumns ReactionColumnsPresent(const QELvektori& reactions);
bool OnlyVerticalReactions(const ReactionColumns& columns);

// Minimum support width of a rectangular member bearing FY (N) across its width b (mm) on a
// compression strength perpendicular to the grain fc90d (MPa): FY / (b fc90d) + 1, at least 15.
double MinSupportWidth(double fy, double b, double fc90d);
// "%.0f" of the width; "--" for uplift (FY < 0) and when b or fc90d is missing.
std::string MinSupportWidthText(double fy, double b, double fc90d);

// What the extra column of a combination table needs.
struct SupportWidthInput {
  double b = 0.0;      // section width, mm
  double fc90d = 0.0;  // design compression strength perpendicular to the grain, MPa
  // Design code 4: the least contact length of EN 1995-1-1 6.1.5 with kc,90, which adds
  // 30 mm at an end support and 60 mm at an inner one (endSupport per table row).
  bool ec5 = false;
  double kc90 = 1.0;
  std::vector<bool> endSupport;
};

// Header and one row per support: "Tuki:\t" with the present columns ("FX [kN]:\t" ...
// "MZ [kNm]:"), rows "%d" and "%.2f" per column, forces in kN and moments in kNm. With a
// width input the column "Min. tukileveys [mm]:" follows FY.
std::vector<std::string> ReactionTableLines(const QELvektori& reactions,
                                            const SupportWidthInput* width = nullptr);

// The page's table for the reaction kind (101 combinations, 201 load cases) at the stored
// list position: "Tukireaktiot, KY%d (%s)" or "Tukireaktiot, Kuormitustapaus = %.40s", then
// the table. Without a choice only the table's header.
std::vector<std::string> ReactionPageLines(const QELVUX_data& project, int kind, int position);

}  // namespace qv
