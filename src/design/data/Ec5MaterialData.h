// The values of "Eurokoodi5.dat" beyond the nine quantities the material table reader takes:
// per material the shear modulus and densities, per material family (type) gamma_M, kh,
// beta_c, kcr and km.
#pragma once

#include <string>
#include <vector>

#include "design/data/Ec5Factors.h"
#include "model/CSVTiedosto.h"

namespace qv {

// Sections of "Eurokoodi5.dat" beside those of MateriaaliTiedot.
constexpr int kEc5ShearModulusSection = 61;   // Gmean N/mm2, one field per material
constexpr int kEc5DensitySection = 62;        // rho_k kg/m3, one field per material
constexpr int kEc5MeanDensitySection = 63;    // rho_mean kg/m3, one field per material
constexpr int kEc5PartialFactorSection = 71;  // gamma_M, line t for type t
constexpr int kEc5SizeFactorSection = 72;     // reference mm;exponent;cap, line t for type t
constexpr int kEc5BucklingBetaSection = 73;   // beta_c, line t for type t
constexpr int kEc5CrackFactorSection = 74;    // kcr, line t for type t
constexpr int kEc5MomentShareSection = 75;    // km rectangle;km circle, line t for type t

struct Ec5FamilyValues {
  double gammaM = 0.0;
  SizeFactorRule kh;
  double betaC = 0.0;
  double kcr = 0.0;
  double kmRectangle = 0.0;
  double kmCircle = 0.0;
};

struct Ec5MaterialValues {
  std::string name;
  int type = 0;  // line of `families` + 1
  double shearModulus = 0.0;
  double characteristicDensity = 0.0;
  double meanDensity = 0.0;
};

struct Ec5ExtraData {
  std::vector<Ec5FamilyValues> families;     // index = type - 1
  std::vector<Ec5MaterialValues> materials;  // in the order of section 21

  // The family of a material (0-based index), nullptr when either is missing.
  const Ec5FamilyValues* FamilyOf(std::size_t material) const;
};

// Reads the extra sections of the table. "" on success, else what is wrong in the program's
// words ("Eurokoodi5.dat, osa 72, rivi 2: rivi ei ole luettavissa"); every material's type must
// have a family line in each of 71-75, and every value must be above zero.
std::string ReadEc5ExtraData(const CSVTiedosto& table, Ec5ExtraData& data);

}  // namespace qv
