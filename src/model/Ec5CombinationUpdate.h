// Design code 4: the load combinations generated from the load cases, put into the loads in
// place of those generated before; combinations made by hand stay.
#pragma once

#include <string>

#include "model/Ec5Combinations.h"

class KuormaVektori;

namespace qv {

// True for the name of a generated combination: "KY<n> 6.10a", "KY<n> 6.10b …",
// "KY<n> 6.14b …" or "KY<n> 6.16b …".
bool IsGeneratedCombinationName(const std::string& name);

// Removes the generated combinations of the loads and puts those generated now from the
// cases (their categories, whether they hold loads) first, with K_FI of the consequence class
// (1..3); the hand-made ones follow, renumbered. Returns the number generated, or -1 (nothing
// changed) when the class has no K_FI in the rules.
int RegenerateCombinations(KuormaVektori& loads, const CombinationRules& rules,
                           int consequenceClass);

}  // namespace qv
