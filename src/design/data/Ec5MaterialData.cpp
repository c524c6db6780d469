// Reading the shear moduli, densities and family values of the design code 4 material table.
#include "design/data/Ec5MaterialData.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "model/FieldHelpers.h"

namespace qv {
namespace {

constexpr const char* kFileName = "Eurokoodi5.dat";
constexpr int kMaterialSection = 21;
constexpr int kTypeSection = 22;

std::string Where(int section, int line) {
  char buf[64];
  std::snprintf(buf, sizeof buf, ", osa %d, rivi %d: ", section, line);
  return kFileName + std::string(buf);
}

// The reals of line k of a section, exactly `count` of them, each above zero.
std::string ReadReals(const CSVTiedosto& t, int section, int k, int count,
                      std::vector<double>& out) {
  if (k > t.LineCount(section)) return Where(section, k) + "rivi puuttuu";
  std::vector<int> layout(static_cast<std::size_t>(count) + 1, 2);
  layout[0] = count;
  FieldBuffers f;
  if (SplitFields(';', t.GetLine(section, k), layout, f.texts, f.reals, f.ints) != 0 ||
      static_cast<int>(f.reals.size()) != count)
    return Where(section, k) + "rivi ei ole luettavissa";
  for (double v : f.reals) {
    if (!(v > 0.0)) return Where(section, k) + "arvon on oltava suurempi kuin 0";
  }
  out = f.reals;
  return std::string();
}

std::string ReadFamily(const CSVTiedosto& t, int type, Ec5FamilyValues& family) {
  std::vector<double> v;
  std::string problem = ReadReals(t, kEc5PartialFactorSection, type, 1, v);
  if (!problem.empty()) return problem;
  family.gammaM = v[0];
  problem = ReadReals(t, kEc5SizeFactorSection, type, 3, v);
  if (!problem.empty()) return problem;
  family.kh = SizeFactorRule{v[0], v[1], v[2]};
  problem = ReadReals(t, kEc5BucklingBetaSection, type, 1, v);
  if (!problem.empty()) return problem;
  family.betaC = v[0];
  problem = ReadReals(t, kEc5CrackFactorSection, type, 1, v);
  if (!problem.empty()) return problem;
  family.kcr = v[0];
  problem = ReadReals(t, kEc5MomentShareSection, type, 2, v);
  if (!problem.empty()) return problem;
  family.kmRectangle = v[0];
  family.kmCircle = v[1];
  return std::string();
}

std::string ReadType(const CSVTiedosto& t, int k, int& type) {
  FieldBuffers f;
  if (k > t.LineCount(kTypeSection) ||
      SplitFields(';', t.GetLine(kTypeSection, k), {1, 3}, f.texts, f.reals, f.ints) != 0 ||
      f.ints[0] < 1)
    return Where(kTypeSection, k) + "materiaalityyppi puuttuu tai ei ole luettavissa";
  type = f.ints[0];
  return std::string();
}

}  // namespace

const Ec5FamilyValues* Ec5ExtraData::FamilyOf(std::size_t material) const {
  if (material >= materials.size()) return nullptr;
  const auto t = static_cast<std::size_t>(materials[material].type);
  return t >= 1 && t <= families.size() ? &families[t - 1] : nullptr;
}

std::string ReadEc5ExtraData(const CSVTiedosto& table, Ec5ExtraData& data) {
  data = Ec5ExtraData{};
  const int count = table.LineCount(kMaterialSection);
  if (count < 1) return kFileName + std::string(": materiaalit (osa 21) puuttuvat");
  std::vector<double> g, rk, rm;
  for (auto [section, values] : {std::pair<int, std::vector<double>*>{kEc5ShearModulusSection, &g},
                                 {kEc5DensitySection, &rk},
                                 {kEc5MeanDensitySection, &rm}}) {
    const std::string problem = ReadReals(table, section, 1, count, *values);
    if (!problem.empty()) return problem;
  }
  int types = 0;
  for (int k = 1; k <= count; ++k) {
    Ec5MaterialValues m;
    m.name = table.GetLine(kMaterialSection, k);
    const std::string problem = ReadType(table, k, m.type);
    if (!problem.empty()) return problem;
    const auto i = static_cast<std::size_t>(k) - 1;
    m.shearModulus = g[i];
    m.characteristicDensity = rk[i];
    m.meanDensity = rm[i];
    types = std::max(types, m.type);
    data.materials.push_back(m);
  }
  data.families.resize(static_cast<std::size_t>(types));
  for (int t = 1; t <= types; ++t) {
    const std::string problem =
        ReadFamily(table, t, data.families[static_cast<std::size_t>(t) - 1]);
    if (!problem.empty()) return problem;
  }
  return std::string();
}

}  // namespace qv
