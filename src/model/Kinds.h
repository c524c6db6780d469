// The kinds the program branches on. Files store them as integers; these convert at the
// file boundary, and nothing else compares the numbers.
#pragma once

namespace qv {

// The numbers are those of the project file and of "KTjaKY<n>.dat". Branch on a code with a
// switch without default, so that a new code is pointed out by the compiler everywhere.
enum class DesignCode {
  kAllowableStress = 1,  // RakMK B10, allowable stresses
  kLimitState = 2,       // RakMK B10, limit states
  kEc5Env = 3,           // EC5 pre-standard with the Finnish application document
  kEc5 = 4,              // EN 1995-1-1 with the Finnish National Annex
};

// Section shape as the section library stores it.
enum class SectionShape {
  kRectangle = 1,
  kCircle = 2,
};

// Load kind as the load records and the project file store it.
enum class LoadKind {
  kPoint = 1,    // "Pistekuormat"
  kLine = 2,     // "Viivakuormat"
  kSurface = 3,  // "Pintakuormat"
};

// Design kind of a load combination as its header row stores it.
enum class CombinationKind {
  kStress = 1,      // "Jännitystarkastelu"
  kDeflection = 2,  // "Siirtymätarkastelu"
  kNoDesign = 3,    // "Ei mitoitusta"
  kLongTerm = 4,    // "Pitkäaikaistarkastelu": the quasi-permanent combination of code 4
};

// Each gives false and leaves out alone for a number that is no such kind.
bool DesignCodeFromInt(int value, DesignCode& out);
bool SectionShapeFromInt(int value, SectionShape& out);
bool LoadKindFromInt(int value, LoadKind& out);
bool CombinationKindFromInt(int value, CombinationKind& out);

constexpr int ToInt(DesignCode c) { return static_cast<int>(c); }
constexpr int ToInt(SectionShape s) { return static_cast<int>(s); }
constexpr int ToInt(LoadKind k) { return static_cast<int>(k); }
constexpr int ToInt(CombinationKind k) { return static_cast<int>(k); }

// The codes whose material and moisture selections section 701 of the project file holds,
// in its order; code 4 keeps its own in section 702.
constexpr DesignCode kSection701Codes[] = {DesignCode::kAllowableStress, DesignCode::kLimitState,
                                           DesignCode::kEc5Env};

// The load kinds in the order of the load page's groups and the report.
constexpr LoadKind kLoadKinds[] = {LoadKind::kPoint, LoadKind::kLine, LoadKind::kSurface};

// Every design code in the order of the code list (LaskentaNormiCB) and of the tables.
constexpr DesignCode kDesignCodes[] = {DesignCode::kAllowableStress, DesignCode::kLimitState,
                                       DesignCode::kEc5Env, DesignCode::kEc5};

}  // namespace qv
