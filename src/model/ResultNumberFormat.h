// Number texts of the results page: the chart's "#,##0.00#" and the fixed-decimal table cells,
// whatever the locale.
#pragma once

#include <string>

namespace qv {

// "#,##0.00#": rounded to three decimals, at least two shown, at least one integer digit, the
// integer digits grouped by thousands. Finnish grouping separates the groups with a space;
// the decimal separator is the program's decimal point. "-" only when a digit is not zero.
std::string FormatChartNumber(double value, const std::string& groupSeparator = " ",
                              const std::string& decimalSeparator = ".");

// FormatFixed without a minus sign in front of a value that rounds to zero ("0.000", not
// "-0.000").
std::string FormatFixedClean(double value, int decimals);

}  // namespace qv
