// Shared pieces of the written-out checks: how their numbers are printed, and the two writers
// (design code 4, and the check rows of codes 1 to 3).
#pragma once

#include <string>
#include <vector>

#include "design/CheckStresses.h"
#include "design/DesignResults.h"
#include "design/data/DesignValues.h"

class QELVUX_data;

namespace qv::trace {

// A stress, strength or factor: two decimals.
std::string Num(double v, int decimals = 2);
// A section value (mm², mm³): four significant digits, from 10⁵ on as "421.9·10³".
std::string Big(double v);
// A utilisation in per cent as the check's own line shows it: "82 %".
std::string Percent(double utilisation);
// A force in N as kN, a moment in Nmm as kNm, both with two decimals.
std::string Kn(double n);
std::string Knm(double nmm);

// "Poikkileikkaus b × h = 50 × 225 mm: A = b · h = 11250 mm²" and the section moduli under
// the names the code's formulas use: code 4 calls the modulus of Mz Wy, the older codes Wz.
std::vector<std::string> SectionLines(const SectionSize& section, bool ec5Names);

// The stability values of each span, written out (lines without the span); spans in order.
struct SpanLines {
  int span = 0;
  std::vector<std::string> lines;
};
// Appends them under "Aukko 1:" or, for neighbours whose lines are the same, "Aukot 1–3:"; a
// member of one span gets no heading.
void AppendBySpan(const std::vector<SpanLines>& spans, std::vector<std::string>& out);

// Codes 1 to 3: the slenderness and the buckling and lateral-torsional factors of each span
// whose checks are on, from the settings and design values the checks used.
std::vector<SpanLines> RowStabilityLines(const StressCheckInput& in);

// The strengths and each check of the combination, written out; nothing when they cannot be.
void AppendEc5Trace(const QELVUX_data& project, const CombinationDesign& comb,
                    std::vector<std::string>& out);
void AppendRowTrace(const QELVUX_data& project, const CombinationDesign& comb,
                    std::vector<std::string>& out);

}  // namespace qv::trace
