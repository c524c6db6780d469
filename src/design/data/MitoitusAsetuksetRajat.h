// The ranges and lists the design settings accept, with the labels that name them: what the
// settings dialog enforces and what a project file's settings are checked against.
#pragma once

#include <string>

#include "design/data/MitoitusAsetukset.h"

namespace mitoitusasetukset {

constexpr const char* kAbsoluteLabel = "Absoluuttinen [mm]:";
constexpr const char* kFactorLabel = "Kerroin:";
constexpr const char* kLcLabel = "Nurjahduspituus Lc [mm]:";
constexpr const char* kLkLabel = "Lk [mm]:";
constexpr const char* kCantileverLabel =
    "Ulokkeiden sallittun siirtymän (suhteellisen) korotuskerroin:";

// Accepted ranges of the typed values.
constexpr double kFactorMin = 1e-5, kFactorMax = 10000.0;  // buckling factor, raise factor
constexpr double kLcMin = 100.0, kLcMax = 100000.0;
constexpr double kLkMin = 1.0, kLkMax = 100000.0;
constexpr double kMRelMin = 0.1, kMRelMax = 10.0;
constexpr double kKk1Min = 0.01, kKk1Max = 1.0;
constexpr double kAbsMin = 1e-5, kAbsMax = 10000.0;
constexpr double kStressMin = 0.1, kStressMax = 10.0;

constexpr int kEccentricityItems = 8;    // L/50 ... L/400
constexpr int kRelativeLimitItems = 11;  // "Ei tarkastella", L/50 ... L/500

// n of an eccentricity item, or -1 outside the list.
double EccentricityOfItem(int item);
// n of a relative deflection limit item (0: not checked), or -1 outside the list.
double RelativeLimitOfItem(int item);
// The settings direction of a dialog column (0 = y, 1 = z).
int Direction(int column);
// The factor the lateral-torsional buckling page takes: k_k1 (the B10 codes), m_rel,m (the
// EC5 pre-standard) or a of EN 1995-1-1 Table 6.1 (code 4).
enum class LtbFactor { kKk1, kMRelM, kTable61 };
LtbFactor LtbFactorOf(qv::DesignCode code);
constexpr double kTable61Min = 0.1, kTable61Max = 2.0;
constexpr double kKc90Min = 0.5, kKc90Max = 2.0;  // design code 4, 6.1.5
// "m_rel,m:" (EC5), "a (taulukko 6.1):" (code 4) or "k_k1:".
std::string LtbFactorLabel(qv::DesignCode code);
// "Sallittujen jännitysten korotuskerroin:" or "Osavarmuuskerroin (jännitystarkastelu):".
std::string StressFactorLabel(qv::DesignCode code);

// The first setting the dialog would not accept (a range it enforces, a list it chooses
// from, a switch that is neither on nor off), as the dialog's label with the value, and the
// project-file section that holds it; "" when every setting would be accepted. The three
// stress factors are the project's own (partial factors and the raise factor).
std::string SettingOutOfRange(const MitoitusAsetukset& settings, double limitStateFactor,
                              double raiseFactor, double ec5Factor, int& section);

}  // namespace mitoitusasetukset
