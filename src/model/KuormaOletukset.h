// Default load cases and combinations of each design code: built in, or read from "KTjaKY%d.dat".
#pragma once

#include <string>

#include "model/CSVTiedosto.h"
#include "model/KuormaYhdVektori.h"
#include "model/Kinds.h"
#include "model/KuormitustapausVektori.h"

namespace qv {

// Sections of the default file.
constexpr int kLoadCaseSection = 301;
constexpr int kCombinationSection = 401;

// File name of the default set of a design code: "KTjaKY<code>.dat".
std::string DefaultLoadFileName(DesignCode designCode);

// Appends the built-in set of the code.
// Leaves the combinations' CurrentIndex as it is.
void BuildBuiltInLoadSet(DesignCode designCode, KuormitustapausVektori& cases,
                         KuormaYhdVektori& combinations);

// Reads a default set from the two sections of file: true when every line read and the set
// holds together (at least one header, factor rows of existing cases). On false the
// vectors hold whatever was read and callers drop it.
bool ReadLoadSet(const CSVTiedosto& file, KuormitustapausVektori& cases,
                 KuormaYhdVektori& combinations);

// Writes a set as the two sections into file (cleared first).
void WriteLoadSet(const KuormitustapausVektori& cases, const KuormaYhdVektori& combinations,
                  CSVTiedosto& file);

}  // namespace qv
