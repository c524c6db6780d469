// Locale-free reading and writing of numbers: every number typed or read goes through here.
#pragma once

#include <string>

namespace qv {

// Reads text as a number within [min, max]. Returns 0 and sets value on success, -1 when
// the text is not a number (empty, a single blank, characters left over) and -2 when it
// lies outside the range. The first ',' is taken as the decimal point; the text is cut
// at its first line feed. Never depends on the process locale.
int ParseNumber(const std::string& text, double min, double max, double& value);

// "%.*f" with a decimal point whatever the locale.
std::string FormatFixed(double value, int decimals);

// "%E" (six decimals, upper-case exponent) with a decimal point whatever the locale.
std::string FormatExp(double value);

// "%.*f" for decimals >= 0, "%E" for negative decimals: how record fields are written.
std::string FormatReal(double value, int decimals);

// "%.*f" with at least `decimals` decimals and as many more (up to 17) as keep `significant`
// significant digits; the extra decimals' trailing zeros are dropped. A small value in a field
// written with few decimals (a surface load in N/mm2) then survives a save and a load.
std::string FormatFixedSignificant(double value, int decimals, int significant);

// What a refused entry is told: "<label> anna luku väliltä <min> … <max>", the label with
// its unit as the field shows it. The limits are written as short as they are exact to three
// decimals.
std::string RangeText(const std::string& label, double min, double max);

}  // namespace qv
