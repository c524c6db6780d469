// Page 5 of the design settings dialog, design code 4: the floor vibration check's inputs as
// texts, their labels, units and notes, and their checking and storing.
#pragma once

#include <string>
#include <vector>

#include "design/data/MitoitusAsetukset.h"

namespace mitoitusasetukset {

// The inputs in the order shown; texts as typed.
struct VarahtelySivu {
  std::string LattianLeveys;   // B, m
  std::string PoikkiJaykkyys;  // (EI)_B, Nm²/m
  std::string Massa;           // m, kg/m², or kDerivedMass
  std::string Vaimennus;       // zeta
  std::string NopeusKanta;     // b_v
  std::string Taipumaraja;     // a, mm
  std::string Taajuusraja;     // Hz
};
constexpr int kVibrationFieldCount = 7;

// The mass box's word for a mass derived from the permanent loads (stored as 0).
constexpr const char* kDerivedMass = "johdettu";

// Label, unit and note of each input, in the order of VarahtelySivu; the note says where
// a default is not confirmed or what the value means ("" when nothing).
struct VibrationFieldText {
  const char* label;
  const char* unit;
  const char* note;
};
const VibrationFieldText* VibrationFieldTexts();  // kVibrationFieldCount entries

VarahtelySivu ShowVibrationPage(const FloorVibrationSettings& settings);
// Checks every field in order, stopping at the first bad one with its "VIRHE" text; only a
// valid page is stored (the on switch is the design page's and stays as it is).
std::string StoreVibrationPage(const VarahtelySivu& page, FloorVibrationSettings& settings);

}  // namespace mitoitusasetukset
