// The machine-readable design summary of the command-line designer.
#pragma once

#include <string>

class QELVUX_data;

namespace qv {
struct DesignRunResult;

// JSON object: code, section, material, per combination every check with its value and
// utilisation, per span the deflections and utilisations, the overall utilisation, pass.
std::string DesignSummaryJson(const QELVUX_data& project, const DesignRunResult& run);

// A JSON string literal of UTF-8 text.
std::string JsonString(const std::string& text);
// A JSON number, written without the locale; null when not finite.
std::string JsonNumber(double value);

}  // namespace qv
