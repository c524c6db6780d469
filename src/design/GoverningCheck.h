// Which check of a design governs: the one with the largest utilisation, and its combination.
#pragma once

#include <string>

#include "design/DesignResults.h"

namespace qv {

struct GoverningCheck {
  std::string check;         // e.g. "Taivutus", "Taivutus (6.1.6)", "Siirtymä y, aukko 2"
  std::string combination;   // the combination's name, e.g. "KY1"
  double utilisation = 0.0;  // %, the same value as the design's overall utilisation
};

// The first check of the largest utilisation, stress combinations before deflection ones and
// those before the floor vibration ("Ominaistaajuus (7.3), aukko 1" of "Värähtelytarkastelu"),
// as the design tree takes its overall utilisation. Empty names when nothing carries a
// utilisation above 0.
GoverningCheck FindGoverningCheck(const DesignResults& results);

}  // namespace qv
